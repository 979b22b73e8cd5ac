#include "configuracao.h"

#include <QHash>
#include <map>
#include <utility>

#include "ambiente.h"
#include "arquivoini.h"

// The file while some TConfiguracao uses it: every user sees the others'
// writes at once, as windows that read what another just wrote expect.
struct TIniAberto {
  QString Caminho;
  TArquivoIni Ini;
  std::map<std::pair<QString, QString>, QString> Mudancas;
  int Usuarios = 0;
};

namespace {
QHash<QString, TIniAberto*>& Abertos() {
  static QHash<QString, TIniAberto*> a;
  return a;
}

TIniAberto* Abre(const QString& Caminho) {
  TIniAberto*& ini = Abertos()[Caminho];
  if (!ini) ini = new TIniAberto{Caminho, TArquivoIni::Carrega(Caminho), {}, 0};
  ++ini->Usuarios;
  return ini;
}

void Fecha(TIniAberto* Ini) {
  if (--Ini->Usuarios > 0) return;
  Abertos().remove(Ini->Caminho);
  if (!Ini->Mudancas.empty()) {
    // Read again: another program may have written other keys meanwhile.
    TArquivoIni atual = TArquivoIni::Carrega(Ini->Caminho);
    for (const auto& [chave, valor] : Ini->Mudancas) atual.DefineValor(chave.first, chave.second, valor);
    // A file that cannot be written is not reported: the values are lost.
    atual.Salva(Ini->Caminho);
  }
  delete Ini;
}
}  // namespace

TConfiguracao::TConfiguracao(const QString& Secao) : TConfiguracao(Ambiente().ArquivoConfiguracao(), Secao) {}

TConfiguracao::TConfiguracao(const QString& Arquivo, const QString& Secao) : FIni(Abre(Arquivo)), FSecao(Secao) {}

TConfiguracao::~TConfiguracao() { Fecha(FIni); }

bool TConfiguracao::Existe(const QString& Nome) const { return !LeTexto(Nome).isNull(); }

int TConfiguracao::LeInteiro(const QString& Nome, int Padrao) const {
  const QString v = LeTexto(Nome);
  bool ok = false;
  const int n = v.trimmed().toInt(&ok);
  return ok ? n : Padrao;
}

bool TConfiguracao::LeBool(const QString& Nome, bool Padrao) const {
  const QString v = LeTexto(Nome);
  bool ok = false;
  const int n = v.trimmed().toInt(&ok);
  return ok ? n != 0 : Padrao;
}

QString TConfiguracao::LeTexto(const QString& Nome, const QString& Padrao) const {
  const QString v = FIni->Ini.Valor(FSecao, Nome);
  return v.isNull() ? Padrao : v;
}

void TConfiguracao::GravaInteiro(const QString& Nome, int Valor) { GravaTexto(Nome, QString::number(Valor)); }

void TConfiguracao::GravaBool(const QString& Nome, bool Valor) {
  GravaTexto(Nome, Valor ? QStringLiteral("1") : QStringLiteral("0"));
}

void TConfiguracao::GravaTexto(const QString& Nome, const QString& Valor) {
  FIni->Ini.DefineValor(FSecao, Nome, Valor);
  FIni->Mudancas[{FSecao, Nome}] = Valor;
}
