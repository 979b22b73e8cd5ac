#include "versoes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>

#include "ambiente.h"
#include "configuracao.h"
#include "plataforma.h"

namespace {
const QString kFormatoData = QStringLiteral("yyyy-MM-dd_HH-mm-ss");

bool GravaBytes(const QString& Caminho, const QByteArray& Bytes) {
  QSaveFile f(Caminho);
  return f.open(QIODevice::WriteOnly) && f.write(Bytes) == Bytes.size() && f.commit();
}

QString Metadados(const QString& Xml) { return Xml.chopped(4) + QStringLiteral(".json"); }
}  // namespace

QString PastaDadosUsuario() {
  QString base = Plataforma().Variavel(QStringLiteral("XDG_DATA_HOME"));
  if (base.isEmpty()) {
    const QString home = Plataforma().Variavel(QStringLiteral("HOME"));
    if (!home.isEmpty()) base = JuntaCaminho(home, QStringLiteral(".local/share"));
  }
  for (const char* nome : {"LOCALAPPDATA", "APPDATA"})
    if (base.isEmpty()) base = Plataforma().Variavel(QString::fromLatin1(nome));
  if (base.isEmpty()) base = Ambiente().PastaConfiguracao;
  if (base.isEmpty()) base = Ambiente().PastaUsuario;
  return JuntaCaminho(base, QStringLiteral("configurador-ura"));
}

QString THistoricoVersoes::PastaDaUra(const QString& NomeUra) const {
  QString nome;
  for (const QChar c : NomeUra) nome += c.isLetterOrNumber() || c == u' ' || c == u'-' || c == u'_' ? c : u'_';
  if (nome.trimmed().isEmpty()) nome = QStringLiteral("sem-nome");
  return JuntaCaminho(FPasta, nome);
}

bool THistoricoVersoes::Guarda(const QString& NomeUra, const QByteArray& Conteudo, const QDateTime& Quando,
                               const QString& Usuario, int Maximo) {
  if (Maximo <= 0) return true;
  const QString pasta = PastaDaUra(NomeUra);
  if (!QDir().mkpath(pasta)) return false;
  // Two saves within one second keep both.
  QString base = JuntaCaminho(pasta, Quando.toString(kFormatoData));
  for (int n = 2; QFile::exists(base + QStringLiteral(".xml")); ++n)
    base = JuntaCaminho(pasta, Quando.toString(kFormatoData)) + u'_' + QString::number(n);
  const QJsonObject meta{{QStringLiteral("usuario"), Usuario},
                         {QStringLiteral("quando"), Quando.toString(Qt::ISODate)}};
  if (!GravaBytes(base + QStringLiteral(".xml"), Conteudo) ||
      !GravaBytes(base + QStringLiteral(".json"), QJsonDocument(meta).toJson()))
    return false;
  const std::vector<TVersaoUra> versoes = Lista(NomeUra);
  for (size_t i = size_t(Maximo); i < versoes.size(); ++i) {
    QFile::remove(versoes[i].Arquivo);
    QFile::remove(Metadados(versoes[i].Arquivo));
  }
  return true;
}

std::vector<TVersaoUra> THistoricoVersoes::Lista(const QString& NomeUra) const {
  const QDir pasta(PastaDaUra(NomeUra));
  std::vector<TVersaoUra> versoes;
  for (const QFileInfo& info : pasta.entryInfoList({QStringLiteral("*.xml")}, QDir::Files)) {
    TVersaoUra v;
    v.Arquivo = info.filePath();
    v.Tamanho = info.size();
    QFile f(Metadados(v.Arquivo));
    const QJsonObject meta =
        f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
    v.Usuario = meta.value(QStringLiteral("usuario")).toString();
    v.Quando = QDateTime::fromString(meta.value(QStringLiteral("quando")).toString(), Qt::ISODate);
    if (!v.Quando.isValid()) v.Quando = QDateTime::fromString(info.completeBaseName().left(19), kFormatoData);
    versoes.push_back(v);
  }
  // Newest first; the file names sort as their dates do.
  std::sort(versoes.begin(), versoes.end(), [](const TVersaoUra& a, const TVersaoUra& b) {
    return a.Quando != b.Quando ? a.Quando > b.Quando : a.Arquivo > b.Arquivo;
  });
  return versoes;
}

int MaximoVersoes() {
  return std::max(0, TConfiguracao(QStringLiteral("Historico")).LeInteiro(QStringLiteral("Versoes"), 30));
}
