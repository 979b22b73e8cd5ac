#pragma once
// One section of the per-user settings file (INI). Open it, read or write
// some keys, let it go: nothing is kept in memory once no window uses the
// file. Integers are decimal, booleans "1"/"0"; a missing or unreadable value
// gives the default. Text values are written exactly as given (see
// TArquivoIni); the file is written when the last user of it goes, and then
// only the keys changed here replace those on disk.
#include <QString>

struct TIniAberto;

class TConfiguracao {
 public:
  // The settings file of Ambiente().
  explicit TConfiguracao(const QString& Secao);
  TConfiguracao(const QString& Arquivo, const QString& Secao);
  ~TConfiguracao();
  TConfiguracao(const TConfiguracao&) = delete;
  TConfiguracao& operator=(const TConfiguracao&) = delete;

  bool Existe(const QString& Chave) const;
  int LeInteiro(const QString& Chave, int Padrao) const;
  bool LeBool(const QString& Chave, bool Padrao) const;
  QString LeTexto(const QString& Chave, const QString& Padrao = QString()) const;

  void GravaInteiro(const QString& Chave, int Valor);
  void GravaBool(const QString& Chave, bool Valor);
  void GravaTexto(const QString& Chave, const QString& Valor);

 private:
  TIniAberto* FIni;
  QString FSecao;
};
