#include "simstore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QXmlStreamReader>

#include "simlog.h"
#include "texto.h"

namespace {

// Numbers and texts are both accepted where the protocol carries text.
QString JsonText(const QJsonValue& v) {
  if (v.isString()) return v.toString();
  if (v.isDouble()) return QString::number(v.toDouble(), 'g', 15);
  if (v.isBool()) return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
  return {};
}

enum class JsonState { Missing, Valid, Invalid };

QJsonObject ReadJsonObject(const QString& path, JsonState* state) {
  QFile f(path);
  if (!f.exists()) {
    *state = JsonState::Missing;
    return {};
  }
  QJsonParseError err{};
  const QJsonDocument doc = f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll(), &err) : QJsonDocument();
  if (!doc.isObject()) {
    SimLog(QStringLiteral("!! %1: JSON inválido (%2); usando dados vazios").arg(path, err.errorString()));
    *state = JsonState::Invalid;
    return {};
  }
  *state = JsonState::Valid;
  return doc.object();
}

constexpr const char* kTtsFields[] = {"Usuario", "Senha",    "Empresa", "Endereco", "Bits",
                                      "Canais",  "Amostras", "Formato", "Locutor"};

}  // namespace

QString SimStore::path(const QString& fileName) const { return QDir(dir_).filePath(fileName); }

LookupData SimStore::lookup() const {
  JsonState state;
  const QJsonObject root = ReadJsonObject(path(kLookupFile), &state);
  LookupData data;
  for (const QJsonValue& v : root.value("Filas").toArray()) {
    const QJsonObject o = v.toObject();
    data.filas.append({JsonText(o.value("FilaId")), JsonText(o.value("Nome")), JsonText(o.value("Tipo"))});
  }
  for (const QJsonValue& v : root.value("Grupos").toArray()) {
    const QJsonObject o = v.toObject();
    data.grupos.append({JsonText(o.value("GrupoId")), JsonText(o.value("Nome"))});
  }
  for (const QJsonValue& v : root.value("Uras").toArray()) data.uras.append(JsonText(v));
  for (const QJsonValue& v : root.value("Comandos").toArray()) data.comandos.append(JsonText(v));
  const QJsonObject tts = root.value("TTS").toObject();
  for (const char* name : kTtsFields)
    data.tts.append({QString::fromLatin1(name), JsonText(tts.value(QLatin1String(name)))});
  return data;
}

UraHeader SimStore::header(const QString& fileName) const {
  JsonState state;
  const QJsonObject o = ReadJsonObject(path(kHeadersFile), &state).value(fileName).toObject();
  UraHeader h;
  h.criadoEm = JsonText(o.value("CriadoEm"));
  h.criadoPor = JsonText(o.value("CriadoPor"));
  h.modificadoEm = JsonText(o.value("ModificadoEm"));
  h.modificadoPor = JsonText(o.value("ModificadoPor"));
  h.ativadoEm = JsonText(o.value("AtivadoEm"));
  h.ativadoPor = JsonText(o.value("AtivadoPor"));
  const QJsonValue w = o.value("PermissaoWrite");
  if (w.isBool())
    h.permissaoWrite = w.toBool() ? 1 : 0;
  else if (w.isDouble())
    h.permissaoWrite = w.toInt(1);
  else if (w.isString())
    h.permissaoWrite = StrToIntDef(w.toString(), 1);
  return h;
}

void SimStore::updateHeader(const QString& fileName, const std::function<void(UraHeader&)>& change) const {
  JsonState state;
  QJsonObject root = ReadJsonObject(path(kHeadersFile), &state);
  if (state == JsonState::Invalid) {
    // Rewriting would throw away whatever the user has in the broken file.
    SimLog(QStringLiteral("!! %1 não atualizado").arg(kHeadersFile));
    return;
  }
  UraHeader h = header(fileName);
  change(h);
  QJsonObject entry = root.value(fileName).toObject();  // keeps keys of its own
  entry["CriadoEm"] = h.criadoEm;
  entry["CriadoPor"] = h.criadoPor;
  entry["ModificadoEm"] = h.modificadoEm;
  entry["ModificadoPor"] = h.modificadoPor;
  entry["AtivadoEm"] = h.ativadoEm;
  entry["AtivadoPor"] = h.ativadoPor;
  entry["PermissaoWrite"] = h.permissaoWrite;
  root[fileName] = entry;
  QString error;
  if (!write(kHeadersFile, QJsonDocument(root).toJson(QJsonDocument::Indented), &error))
    SimLog(QStringLiteral("!! ") + error);
}

QStringList SimStore::uraFiles() const {
  QStringList out;
  for (const QString& name : QDir(dir_).entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name))
    if (IsUraFileName(name)) out.append(name);
  return out;
}

QStringList SimStore::wavNames() const {
  QStringList out;
  for (const QString& name : QDir(dir_).entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name))
    if (IsWavFileName(name)) out.append(name.chopped(4));
  return out;
}

std::optional<UraIdentity> SimStore::uraIdentity(const QString& fileName) const {
  QFile f(path(fileName));
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  QXmlStreamReader xml(&f);
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement) {
      if (xml.name() != QLatin1String("URA")) return std::nullopt;
      const QXmlStreamAttributes a = xml.attributes();
      return UraIdentity{a.value("Nome").toString(), a.value("TipoUra").toString()};
    }
  }
  return std::nullopt;
}

bool SimStore::exists(const QString& fileName) const { return QFileInfo(path(fileName)).isFile(); }

std::optional<QByteArray> SimStore::read(const QString& fileName) const {
  QFile f(path(fileName));
  if (!QFileInfo(f).isFile() || !f.open(QIODevice::ReadOnly)) return std::nullopt;
  return f.readAll();
}

bool SimStore::write(const QString& fileName, const QByteArray& bytes, QString* error) const {
  QSaveFile f(path(fileName));
  if (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit()) return true;
  *error = QStringLiteral("Não foi possível gravar %1: %2").arg(fileName, f.errorString());
  return false;
}

bool SimStore::saveUra(const QString& fileName, const QByteArray& bytes, const QString& user, QString* error) const {
  const bool isNew = !exists(fileName);
  if (!write(fileName, bytes, error)) return false;
  const QString now = Now();
  updateHeader(fileName, [&](UraHeader& h) {
    if (isNew || h.criadoEm.isEmpty()) {
      h.criadoEm = now;
      h.criadoPor = user;
    }
    h.modificadoEm = now;
    h.modificadoPor = user;
  });
  return true;
}

void SimStore::activateUra(const QString& fileName, const QString& user) const {
  const QString now = Now();
  updateHeader(fileName, [&](UraHeader& h) {
    h.ativadoEm = now;
    h.ativadoPor = user;
  });
}

bool SimStore::IsPlainName(const QString& name) {
  if (name.isEmpty() || name.startsWith(u'.') || name.contains(QLatin1String(".."))) return false;
  for (const QChar c : name)
    if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 32) return false;
  return true;
}

bool SimStore::IsUraFileName(const QString& name) {
  return IsPlainName(name) && name.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive) &&
         !CatalogueName(name).has_value();
}

bool SimStore::IsWavFileName(const QString& name) {
  return IsPlainName(name) && name.size() > 4 && name.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive);
}

std::optional<QString> SimStore::CatalogueName(const QString& requested) {
  if (requested.isEmpty()) return QString::fromLatin1(kMessagesFile);
  for (const char* name : {kMessagesFile, kChatMessagesFile})
    if (requested.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return QString::fromLatin1(name);
  return std::nullopt;
}

QString SimStore::Now() { return QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm")); }

bool IsXmlWithRoot(const QByteArray& bytes, const QString& rootName, QString* why) {
  QXmlStreamReader xml(bytes);
  bool sawRoot = false;
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && !sawRoot) {
      if (xml.name() != rootName) {
        *why = QStringLiteral("elemento raiz \"%1\" em vez de \"%2\"").arg(xml.name().toString(), rootName);
        return false;
      }
      sawRoot = true;
    }
  }
  if (xml.hasError()) {
    *why = QStringLiteral("XML mal formado (linha %1): %2").arg(xml.lineNumber()).arg(xml.errorString());
    return false;
  }
  if (!sawRoot) {
    *why = QStringLiteral("documento sem elemento raiz");
    return false;
  }
  return true;
}
