#include "configuracao.h"

#include "ambiente.h"

TConfiguracao::TConfiguracao(const QString& Secao) : TConfiguracao(Ambiente().ArquivoConfiguracao(), Secao) {}

TConfiguracao::TConfiguracao(const QString& Arquivo, const QString& Secao)
    : FIni(Arquivo, QSettings::IniFormat), FSecao(Secao) {}

bool TConfiguracao::Existe(const QString& Nome) const { return FIni.contains(Chave(Nome)); }

int TConfiguracao::LeInteiro(const QString& Nome, int Padrao) const {
  const QVariant v = FIni.value(Chave(Nome));
  if (!v.isValid()) return Padrao;
  bool ok = false;
  const int n = v.toString().trimmed().toInt(&ok);
  return ok ? n : Padrao;
}

bool TConfiguracao::LeBool(const QString& Nome, bool Padrao) const {
  const QVariant v = FIni.value(Chave(Nome));
  if (!v.isValid()) return Padrao;
  bool ok = false;
  const int n = v.toString().trimmed().toInt(&ok);
  return ok ? n != 0 : Padrao;
}

QString TConfiguracao::LeTexto(const QString& Nome, const QString& Padrao) const {
  const QVariant v = FIni.value(Chave(Nome));
  return v.isValid() ? v.toString() : Padrao;
}

void TConfiguracao::GravaInteiro(const QString& Nome, int Valor) { FIni.setValue(Chave(Nome), QString::number(Valor)); }

void TConfiguracao::GravaBool(const QString& Nome, bool Valor) {
  FIni.setValue(Chave(Nome), Valor ? QStringLiteral("1") : QStringLiteral("0"));
}

void TConfiguracao::GravaTexto(const QString& Nome, const QString& Valor) { FIni.setValue(Chave(Nome), Valor); }
