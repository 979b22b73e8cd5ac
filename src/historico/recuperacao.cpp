#include "recuperacao.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <algorithm>

#include "UTMenuUra.h"
#include "UTXMLDac.h"
#include "configuracao.h"

namespace {
QString Trava(const QString& Xml) { return Xml.chopped(4) + QStringLiteral(".lock"); }
QString Json(const QString& Xml) { return Xml.chopped(4) + QStringLiteral(".json"); }
}  // namespace

TOrigemUra TOrigemUra::De(const TDAC& Dac, const QString& Servidor, const QDateTime& Quando) {
  TOrigemUra o;
  o.NomeUra = Dac.Nome;
  o.ArquivoLocal = Dac.NomeArquivoLocal;
  o.DoServidor = Dac.Servidor;
  if (Dac.Servidor) {
    o.Servidor = Servidor;
    o.ArquivoServidor = Dac.NomeArquivoServidor;
  }
  o.Local = Dac.Local;
  o.RORIRO = Dac.RORIRO;
  o.Novo = Dac.Novo;
  o.PermissaoW = Dac.PermissaoW;
  o.Quando = Quando;
  return o;
}

void TOrigemUra::AplicaEm(TDAC& Dac) const {
  Dac.NomeArquivoLocal = ArquivoLocal;
  Dac.NomeArquivoServidor = ArquivoServidor;
  Dac.Servidor = DoServidor;
  Dac.Local = Local;
  Dac.RORIRO = RORIRO;
  Dac.Novo = Novo;
  Dac.PermissaoW = PermissaoW;
}

QString TOrigemUra::Descricao() const {
  QString texto;
  if (DoServidor)
    texto = QStringLiteral("\"%1\" do servidor %2").arg(ArquivoServidor, Servidor);
  else if (!ArquivoLocal.isEmpty())
    texto = QStringLiteral("\"%1\"").arg(ArquivoLocal);
  else
    texto = QStringLiteral("a nova URA \"%1\"").arg(NomeUra);
  return texto + QStringLiteral(" (") + Quando.toString(QStringLiteral("dd/MM/yyyy HH:mm")) + u')';
}

QJsonObject TOrigemUra::ParaJson() const {
  return QJsonObject{
      {QStringLiteral("nome"), NomeUra},          {QStringLiteral("arquivoLocal"), ArquivoLocal},
      {QStringLiteral("servidor"), Servidor},     {QStringLiteral("arquivoServidor"), ArquivoServidor},
      {QStringLiteral("doServidor"), DoServidor}, {QStringLiteral("local"), Local},
      {QStringLiteral("roriro"), RORIRO},         {QStringLiteral("novo"), Novo},
      {QStringLiteral("permissaoW"), PermissaoW}, {QStringLiteral("quando"), Quando.toString(Qt::ISODate)}};
}

TOrigemUra TOrigemUra::DeJson(const QJsonObject& J) {
  TOrigemUra o;
  o.NomeUra = J.value(QStringLiteral("nome")).toString();
  o.ArquivoLocal = J.value(QStringLiteral("arquivoLocal")).toString();
  o.Servidor = J.value(QStringLiteral("servidor")).toString();
  o.ArquivoServidor = J.value(QStringLiteral("arquivoServidor")).toString();
  o.DoServidor = J.value(QStringLiteral("doServidor")).toBool(false);
  o.Local = J.value(QStringLiteral("local")).toBool(true);
  o.RORIRO = J.value(QStringLiteral("roriro")).toBool(false);
  o.Novo = J.value(QStringLiteral("novo")).toBool(true);
  o.PermissaoW = J.value(QStringLiteral("permissaoW")).toBool(true);
  o.Quando = QDateTime::fromString(J.value(QStringLiteral("quando")).toString(), Qt::ISODate);
  return o;
}

TRecuperacao::TRecuperacao(const QString& Pasta) : FPasta(Pasta) {
  FEscrita.setMaxThreadCount(1);
  QDir().mkpath(FPasta);
  FSessao = QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch());
  FTrava = std::make_unique<QLockFile>(QDir(FPasta).filePath(FSessao + QStringLiteral(".lock")));
  // Held for the whole run; only the owner's death makes it stale.
  FTrava->setStaleLockTime(0);
  FTrava->tryLock(0);
}

TRecuperacao::~TRecuperacao() { Espera(); }

QString TRecuperacao::ArquivoXml() const { return QDir(FPasta).filePath(FSessao + QStringLiteral(".xml")); }

namespace {
// The document first: a copy without its origin still opens as a new URA.
void GravaCopia(const QString& Xml, const QStringList& Linhas, const QByteArray& Origem) {
  if (!SalvaLinhas(Linhas, Xml)) return;
  QSaveFile f(Json(Xml));
  if (f.open(QIODevice::WriteOnly) && f.write(Origem) == Origem.size()) f.commit();
}
}  // namespace

void TRecuperacao::Grava(const QStringList& Linhas, const TOrigemUra& Origem) {
  const QString xml = ArquivoXml();
  const QByteArray json = QJsonDocument(Origem.ParaJson()).toJson();
  FEscrita.start([xml, Linhas, json] { GravaCopia(xml, Linhas, json); });
}

void TRecuperacao::Grava(std::shared_ptr<const TDAC> Documento, const TOrigemUra& Origem) {
  const QString xml = ArquivoXml();
  const QByteArray json = QJsonDocument(Origem.ParaJson()).toJson();
  FEscrita.start([xml, Documento, json] {
    QStringList linhas;
    TXMLDac().DACToXMLStringList(Documento.get(), linhas);
    GravaCopia(xml, linhas, json);
  });
}

void TRecuperacao::Remove() {
  const QString xml = ArquivoXml();
  FEscrita.start([xml] {
    QFile::remove(Json(xml));
    QFile::remove(xml);
  });
}

void TRecuperacao::Espera() { FEscrita.waitForDone(); }

std::vector<TSobraRecuperacao> TRecuperacao::Sobras() const {
  std::vector<TSobraRecuperacao> sobras;
  const QDir pasta(FPasta);
  for (const QFileInfo& info : pasta.entryInfoList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name)) {
    const QString xml = info.filePath();
    if (xml == ArquivoXml()) continue;
    auto trava = std::make_shared<QLockFile>(Trava(xml));
    trava->setStaleLockTime(0);
    // A running program holds its lock; a killed one left it stale.
    if (!trava->tryLock(0)) continue;
    TSobraRecuperacao s{xml, Json(xml), TOrigemUra(), trava};
    QFile f(s.Json);
    if (f.open(QIODevice::ReadOnly)) s.Origem = TOrigemUra::DeJson(QJsonDocument::fromJson(f.readAll()).object());
    if (!s.Origem.Quando.isValid()) s.Origem.Quando = info.lastModified();
    sobras.push_back(std::move(s));
  }
  std::stable_sort(sobras.begin(), sobras.end(), [](const TSobraRecuperacao& a, const TSobraRecuperacao& b) {
    return a.Origem.Quando < b.Origem.Quando;
  });
  return sobras;
}

bool TRecuperacao::Descarta(const TSobraRecuperacao& Sobra) {
  const QFileInfo xml(Sobra.Xml);
  QDir pasta = xml.dir();
  if (!pasta.mkpath(QStringLiteral("descartados"))) return false;
  const QString destino = pasta.filePath(QStringLiteral("descartados/") + xml.fileName());
  bool ok = QFile::rename(Sobra.Xml, destino);
  if (QFile::exists(Sobra.Json)) ok = QFile::rename(Sobra.Json, Json(destino)) && ok;
  if (ok && Sobra.Trava) Sobra.Trava->unlock();
  return ok;
}

void TRecuperacao::Adota(const TSobraRecuperacao& Sobra) {
  QFile::remove(Sobra.Json);
  QFile::remove(Sobra.Xml);
  if (Sobra.Trava) Sobra.Trava->unlock();
}

int IntervaloRecuperacao() {
  return std::max(0, TConfiguracao(QStringLiteral("Recuperacao")).LeInteiro(QStringLiteral("Intervalo"), 60));
}
