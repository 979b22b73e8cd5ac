#include "simsession.h"

#include "codepage.h"
#include "fileparts.h"
#include "simlog.h"

namespace {

// Names, users and other header values travel in the 8-bit code page, like
// everything the program sends; only messages and file parts are UTF-8.
QByteArray Ansi(const QString& s) { return EncodeAnsi(s); }
QString Text(const Packet& p, QByteArrayView name) { return DecodeAnsi(p.value(name)); }

// The request's ActionId, or the one the program expects for this request.
QByteArray ActionIdOr(const Packet& p, const QByteArray& fallback) {
  const QByteArray id = p.value("ActionId");
  return id.isEmpty() ? fallback : id;
}

constexpr int kListChunk = 50;  // names per list event

}  // namespace

SimSession::SimSession(const SimStore& store, const SimConfig& config, QString tag, Sink sink)
    : store_(store), config_(config), tag_(std::move(tag)), sink_(std::move(sink)) {}

const QHash<QByteArray, SimSession::Handler>& SimSession::Handlers() {
  static const QHash<QByteArray, Handler> table = {
      {"getinfoserver", &SimSession::getInfoServer},
      {"readxmlmessages", &SimSession::readXmlMessages},
      {"listwavfiles", &SimSession::listWavFiles},
      {"krdbcommand", &SimSession::krdbCommand},
      {"listcommands", &SimSession::listCommands},
      {"getttsconfig", &SimSession::getTtsConfig},
      {"listxmlura", &SimSession::listXmlUra},
      {"readxmlura", &SimSession::readXmlUra},
      {"readxmluraheader", &SimSession::readXmlUraHeader},
      {"savexmlura", &SimSession::saveXmlUra},
      {"xmlfilepart", &SimSession::xmlFilePart},
      {"sendxmlfilecomplete", &SimSession::sendXmlFileComplete},
      {"activatexmlura", &SimSession::activateXmlUra},
      {"savexmlmessages", &SimSession::saveXmlMessages},
      {"xmlmessagefilepart", &SimSession::xmlMessageFilePart},
      {"sendxmlmessagefilecomplete", &SimSession::sendXmlMessageFileComplete},
      {"savewavfile", &SimSession::saveWavFile},
      {"wavfilepart", &SimSession::wavFilePart},
      {"sendwavfilecomplete", &SimSession::sendWavFileComplete},
  };
  return table;
}

void SimSession::handle(const Packet& request) {
  if (request.isBlank()) {
    SimLog(tag_ + QStringLiteral(" <- (pacote vazio, ignorado)"));
    return;
  }
  const std::optional<QByteArray> part = request.rawFilePart();
  SimLog(tag_ + QStringLiteral(" <- ") + DescribeFields(request.fields(), part ? part->size() : -1));

  const QByteArray action = request.value("Action");
  const QByteArray actionId = request.value("ActionId");
  if (request.tooManyFields()) return error(actionId, QStringLiteral("Pacote com mais de %1 campos.").arg(kMaxFields));
  if (action.isEmpty()) return error(actionId, QStringLiteral("Pacote sem o campo Action."));
  if (action.compare("Login", Qt::CaseInsensitive) == 0) return login(request);
  const Handler handler = Handlers().value(action.toLower());
  if (!handler) return error(actionId, QStringLiteral("Ação desconhecida: ") + DecodeAnsi(action));
  if (!logged_) return error(actionId, QStringLiteral("Usuário não autenticado. Efetue o login."));
  (this->*handler)(request);
}

// ---- replies

void SimSession::send(const QList<Field>& fields) {
  QByteArray filePart;
  bool hasPart = false;
  for (const Field& f : fields)
    if (f.first == "FilePart") {
      filePart = f.second;
      hasPart = true;
    }
  if (hasPart && fields.size() <= 3)
    SimLog(QStringLiteral("%1 -> %2: %3 (%4 bytes)")
               .arg(tag_, QString::fromLatin1(fields.first().first), QString::fromLatin1(fields.first().second))
               .arg(filePart.size()));
  else
    SimLog(tag_ + QStringLiteral(" -> ") + DescribeFields(fields));
  sink_(BuildPacket(fields));
}

void SimSession::event(const QByteArray& name, const QByteArray& actionId, QList<Field> fields) {
  if (!actionId.isEmpty()) fields.prepend({"ActionID", actionId});
  fields.prepend({"Event", name});
  send(fields);
}

void SimSession::success(const QByteArray& actionId, const QString& message) {
  QList<Field> fields{{"Response", "Success"}};
  if (!actionId.isEmpty()) fields.append({"ActionID", actionId});
  if (!message.isEmpty()) fields.append({"Message", message.toUtf8()});
  send(fields);
}

void SimSession::error(const QByteArray& actionId, const QString& message, bool utf8) {
  QList<Field> fields{{"Response", "Error"}};
  if (!actionId.isEmpty()) fields.append({"ActionID", actionId});
  fields.append({"Message", utf8 ? message.toUtf8() : Ansi(message)});
  send(fields);
}

void SimSession::sendFile(const QByteArray& bytes, const QByteArray& actionId) {
  for (const QByteArray& part : EncodeFileParts(bytes)) event("xmlfilepart", actionId, {{"FilePart", part}});
}

void SimSession::sendList(const QByteArray& eventName, const QByteArray& field, const QStringList& items,
                          const QByteArray& actionId) {
  for (qsizetype i = 0; i < items.size(); i += kListChunk)
    event(eventName, actionId, {{field, Ansi(items.mid(i, kListChunk).join(u','))}});
}

QList<Field> SimSession::headerFields(const QString& fileName) const {
  const UraIdentity id = store_.uraIdentity(fileName).value_or(UraIdentity{});
  const UraHeader h = store_.header(fileName);
  return {{"NomeArquivo", Ansi(fileName)},
          {"NomeUra", Ansi(id.nome)},
          {"TipoUra", Ansi(id.tipoUra)},
          {"CriadoEm", Ansi(h.criadoEm)},
          {"CriadoPor", Ansi(h.criadoPor)},
          {"ModificadoEm", Ansi(h.modificadoEm)},
          {"ModificadoPor", Ansi(h.modificadoPor)},
          {"AtivadoEm", Ansi(h.ativadoEm)},
          {"AtivadoPor", Ansi(h.ativadoPor)},
          {"PermissaoWrite", QByteArray::number(h.permissaoWrite)}};
}

void SimSession::Append(Upload& upload, const QByteArray& bytes) {
  if (!upload.fault.isEmpty()) return;
  if (upload.data.size() + bytes.size() > kMaxClientBytes) {
    upload.fault = QStringLiteral("Arquivo grande demais.");
    upload.data.clear();
    return;
  }
  upload.data += bytes;
}

// ---- session and lookup data

void SimSession::login(const Packet& p) {
  const QByteArray id = ActionIdOr(p, "LoginUsuario");
  logged_ = Text(p, "Username") == config_.user && Text(p, "Password") == config_.password;
  // The program shows the login refusal as received, so it goes out in the
  // code page; every other error message is UTF-8.
  if (!logged_) return error(id, QStringLiteral("Usuário ou senha inválidos"), false);
  userName_ = Text(p, "Username");
  success(id, QStringLiteral("Login efetuado com sucesso"));
}

void SimSession::getInfoServer(const Packet& p) {
  event("infoservura", p.value("ActionId"),
        {{"Version", Ansi(config_.version)},
         {"UraType", QByteArray::number(config_.uraType)},
         {"EmpresaOndaris", Ansi(config_.company)}});
}

void SimSession::readXmlMessages(const Packet& p) {
  const QByteArray id = p.value("ActionId");
  const QString requested = Text(p, "Filename");
  const std::optional<QString> name = SimStore::CatalogueName(requested);
  if (!name) return error(id, QStringLiteral("Arquivo de mensagens desconhecido: ") + requested);
  // A catalogue that does not exist yet is an empty one.
  const QString root =
      *name == QLatin1String(kMessagesFile) ? QStringLiteral("MensagensSonarea") : QStringLiteral("MensagensChat");
  const QByteArray bytes = store_.read(*name).value_or(
      QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<%1>\n</%1>\n").arg(root).toUtf8());
  success(id);
  sendFile(bytes, id);
  event("readxmlmessagescomplete", id, {{"Filename", Ansi(*name)}});
}

void SimSession::listWavFiles(const Packet& p) {
  const QByteArray id = p.value("ActionId");
  sendList("listwavpart", "Files", store_.wavNames(), id);
  event("listwavfilescomplete", id);
}

void SimSession::krdbCommand(const Packet& p) {
  const QByteArray id = p.value("ActionId");
  const LookupData data = store_.lookup();
  const auto row = [&](QList<Field> fields) {
    fields.prepend({"KRDBActionID", id});
    event("krdbevent", {}, fields);
  };
  if (id == "KRDBListaFilas") {
    for (const Queue& q : data.filas) row({{"FilaId", Ansi(q.filaId)}, {"Nome", Ansi(q.nome)}, {"Tipo", Ansi(q.tipo)}});
  } else if (id == "KRDBListaGrupos") {
    for (const Group& g : data.grupos) row({{"GrupoId", Ansi(g.grupoId)}, {"Nome", Ansi(g.nome)}});
  } else if (id == "KRDBListaUras") {
    for (const QString& numero : data.uras) row({{"Numero", Ansi(numero)}});
  } else {
    return error(id, QStringLiteral("Consulta desconhecida: ") + DecodeAnsi(id));
  }
  event("krdbcomplete", {}, {{"KRDBActionID", id}});
}

void SimSession::listCommands(const Packet& p) {
  const QByteArray id = p.value("ActionId");
  sendList("listcommands", "Commands", store_.lookup().comandos, id);
  event("listcommandscomplete", id);
}

void SimSession::getTtsConfig(const Packet& p) {
  QList<Field> fields;
  for (const auto& [name, value] : store_.lookup().tts) {
    QString v = value;
    if (!config_.ttsUrl.isEmpty()) {
      if (name == u"Endereco") v = config_.ttsUrl;
      if ((name == u"Usuario" || name == u"Senha") && v.isEmpty()) v = QStringLiteral("tts");
    }
    fields.append({name.toLatin1(), Ansi(v)});
  }
  event("ttsconfig", p.value("ActionId"), fields);
}

// ---- URA files

void SimSession::listXmlUra(const Packet& p) {
  for (const QString& file : store_.uraFiles()) {
    if (!store_.uraIdentity(file)) {
      SimLog(tag_ + QStringLiteral(" !! ") + file + QStringLiteral(" não é um arquivo URA; fora da lista"));
      continue;
    }
    event("xmlfileheader", "ListaUrasSelecionar", headerFields(file));
  }
  event("listxmluracomplete", p.value("ActionId"));
}

void SimSession::readXmlUra(const Packet& p) {
  const QByteArray id = ActionIdOr(p, "LerXml");
  const QString name = Text(p, "Filename");
  const std::optional<QByteArray> bytes =
      SimStore::IsUraFileName(name) ? store_.read(name) : std::optional<QByteArray>();
  if (!bytes) return error(id, QStringLiteral("Arquivo não encontrado: ") + name);
  sendFile(*bytes, id);
  event("readxmluracomplete", id,
        {{"Filename", Ansi(name)}, {"PermissaoWrite", QByteArray::number(store_.header(name).permissaoWrite)}});
}

void SimSession::readXmlUraHeader(const Packet& p) {
  const QByteArray id = p.value("ActionId");
  const QString name = Text(p, "FileName");
  if (!SimStore::IsUraFileName(name) || !store_.exists(name))
    return error(id, QStringLiteral("Arquivo não encontrado: ") + name);
  event("xmlfileheader", id, headerFields(name));
}

void SimSession::saveXmlUra(const Packet& p) {
  const QByteArray id = ActionIdOr(p, "SaveXmlUra");
  const QString name = Text(p, "FileName");
  ura_ = Upload{};
  if (!SimStore::IsUraFileName(name)) return error(id, QStringLiteral("Nome de arquivo inválido: ") + name);
  if (store_.exists(name) && store_.header(name).permissaoWrite == 0)
    return error(id, QStringLiteral("Usuário sem permissão de escrita no arquivo ") + name);
  ura_.active = true;
  ura_.fileName = name;
  event("xmlfilestartsend", id, {{"FileName", Ansi(name)}});
}

void SimSession::xmlFilePart(const Packet& p) {
  const QByteArray id = p.value("ActionId");
  if (!ura_.active) return error(id, QStringLiteral("Parte de arquivo URA sem início de envio."));
  const std::optional<QByteArray> part = p.rawFilePart();
  const QString name = Text(p, "FileName");
  if (!part) {
    ura_.fault = QStringLiteral("Parte de arquivo URA sem o campo FilePart.");
  } else if (name != ura_.fileName) {
    ura_.fault = QStringLiteral("Parte de outro arquivo recebida durante o envio: ") + name;
  }
  if (!ura_.fault.isEmpty()) return error(id, ura_.fault);
  Append(ura_, *part);
}

void SimSession::sendXmlFileComplete(const Packet& p) {
  const QByteArray id = ActionIdOr(p, "SaveXmlUra");
  const Upload upload = std::exchange(ura_, Upload{});
  if (!upload.active) return error(id, QStringLiteral("Envio de arquivo URA não iniciado."));
  if (!upload.fault.isEmpty()) return error(id, upload.fault);
  const QString name = Text(p, "FileName");
  if (!name.isEmpty() && name != upload.fileName)
    return error(id, QStringLiteral("Fim de envio de outro arquivo: ") + name);
  QString why;
  if (!IsXmlWithRoot(upload.data, QStringLiteral("URA"), &why))
    return error(id, QStringLiteral("Arquivo URA inválido: ") + why);
  if (!store_.saveUra(upload.fileName, upload.data, userName_, &why)) return error(id, why);
  success(id, QStringLiteral("Arquivo salvo com sucesso."));
}

void SimSession::activateXmlUra(const Packet& p) {
  const QByteArray id = ActionIdOr(p, "ActivateXmlUra");
  const QString name = Text(p, "FileName");
  if (!SimStore::IsUraFileName(name) || !store_.exists(name))
    return error(id, QStringLiteral("Arquivo não encontrado: ") + name);
  store_.activateUra(name, userName_);
  success(id, QStringLiteral("URA ativada."));
}

// ---- message catalogues

void SimSession::saveXmlMessages(const Packet& p) {
  const QByteArray id = ActionIdOr(p, "SaveXmlMessages");
  const QString requested = Text(p, "FileName");
  const std::optional<QString> name = SimStore::CatalogueName(requested);
  messages_ = Upload{};
  if (!name) {
    // Refused once here; the parts and the end that follow say nothing more.
    messages_.refused = true;
    return error(id, QStringLiteral("Arquivo de mensagens desconhecido: ") + requested);
  }
  messages_.active = true;
  messages_.fileName = *name;
}

void SimSession::xmlMessageFilePart(const Packet& p) {
  if (messages_.refused) return;
  const QByteArray id = p.value("ActionId");
  if (!messages_.active) return error(id, QStringLiteral("Parte de arquivo de mensagens sem início de envio."));
  const std::optional<QByteArray> part = p.rawFilePart();
  if (!part) {
    messages_.fault = QStringLiteral("Parte de arquivo de mensagens sem o campo FilePart.");
    return error(id, messages_.fault);
  }
  Append(messages_, *part);
}

void SimSession::sendXmlMessageFileComplete(const Packet& p) {
  const QByteArray id = ActionIdOr(p, "SaveXmlMessages");
  const Upload upload = std::exchange(messages_, Upload{});
  if (upload.refused) return;
  if (!upload.active) return error(id, QStringLiteral("Envio de arquivo de mensagens não iniciado."));
  if (!upload.fault.isEmpty()) return error(id, upload.fault);
  const QString root = upload.fileName == QLatin1String(kMessagesFile) ? QStringLiteral("MensagensSonarea")
                                                                       : QStringLiteral("MensagensChat");
  QString why;
  if (!IsXmlWithRoot(upload.data, root, &why))
    return error(id, QStringLiteral("Arquivo de mensagens inválido: ") + why);
  if (!store_.write(upload.fileName, upload.data, &why)) return error(id, why);
  success(id, QStringLiteral("Mensagens salvas com sucesso."));
}

// ---- audio files

void SimSession::saveWavFile(const Packet& p) {
  const QByteArray id = ActionIdOr(p, "SaveWavFile");
  const QString name = Text(p, "FileName");
  wav_ = Upload{};
  if (!SimStore::IsWavFileName(name)) return error(id, QStringLiteral("Nome de arquivo de áudio inválido: ") + name);
  wav_.active = true;
  wav_.fileName = name;
  event("wavfilesendpart", p.value("ActionId"));
}

void SimSession::wavFilePart(const Packet& p) {
  // The program waits for a reply to each block, so every failure names the upload.
  const QByteArray id = ActionIdOr(p, "SaveWavFile");
  if (!wav_.active) return error(id, QStringLiteral("Envio de áudio não iniciado."));
  const std::optional<QByteArray> block = DecodeHexBlock(p.value("FilePart"));
  if (!block) {
    wav_ = Upload{};
    return error(id, QStringLiteral("Bloco de áudio inválido: esperados pares de dígitos hexadecimais."));
  }
  Append(wav_, *block);
  if (!wav_.fault.isEmpty()) {
    const QString fault = std::exchange(wav_, Upload{}).fault;
    return error(id, fault);
  }
  event("wavfilesendpart", p.value("ActionId"));
}

void SimSession::sendWavFileComplete(const Packet& p) {
  const QByteArray id = ActionIdOr(p, "SaveWavFile");
  const Upload upload = std::exchange(wav_, Upload{});
  if (!upload.active) return error(id, QStringLiteral("Envio de áudio não iniciado."));
  const QString name = Text(p, "FileName").isEmpty() ? upload.fileName : Text(p, "FileName");
  if (name != upload.fileName) return error(id, QStringLiteral("Fim de envio de outro arquivo: ") + name);
  QString why;
  if (!store_.write(name, upload.data, &why)) return error(id, why);
  success(id, QStringLiteral("Arquivo de áudio salvo com sucesso."));
}
