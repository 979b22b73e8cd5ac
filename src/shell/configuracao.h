#pragma once
// One section of the per-user settings file (INI). Open it, read or write
// some keys, let it go: nothing is kept in memory between uses. Integers are
// decimal, booleans "1"/"0"; a missing or unreadable value gives the default.
#include <QSettings>
#include <QString>

class TConfiguracao {
 public:
  // The settings file of Ambiente().
  explicit TConfiguracao(const QString& Secao);
  TConfiguracao(const QString& Arquivo, const QString& Secao);

  bool Existe(const QString& Chave) const;
  int LeInteiro(const QString& Chave, int Padrao) const;
  bool LeBool(const QString& Chave, bool Padrao) const;
  QString LeTexto(const QString& Chave, const QString& Padrao = QString()) const;

  void GravaInteiro(const QString& Chave, int Valor);
  void GravaBool(const QString& Chave, bool Valor);
  void GravaTexto(const QString& Chave, const QString& Valor);

 private:
  QString Chave(const QString& Nome) const { return FSecao + u'/' + Nome; }
  mutable QSettings FIni;
  QString FSecao;
};
