// ura-server-sim: plays the telephony server (and, optionally, the local
// service) on loopback so that the configuration program can be developed,
// tested and demonstrated without the real server.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <csignal>
#include <cstdio>

#include "simlog.h"
#include "simserver.h"

namespace {

const char kDescription[] = R"(Simulador do servidor de telefonia para o configurador de URAs.

Escuta somente em 127.0.0.1. A primeira linha da saída padrão é
  LISTENING 127.0.0.1:<porta>
e, com --local-service-port, a segunda é
  LOCAL-SERVICE 127.0.0.1:<porta>
(--port 0 e --local-service-port 0 escolhem uma porta livre). Depois, uma
linha por pedido recebido ("<-") e por resposta enviada ("->").

Pasta servida (--dir):
  *.xml                 arquivos URA (raiz URA, atributos Nome e TipoUra)
  mensagens.xml         catálogo de áudio (raiz MensagensSonarea)
  mensagenschat.xml     mensagens de chat (raiz MensagensChat)
  *.wav                 arquivos de áudio (listados sem ".wav")
  sim-lookup.json       dados de consulta (ausente: vazio):
    {"Filas":   [{"FilaId": "1", "Nome": "Suporte", "Tipo": "v"}],
     "Grupos":  [{"GrupoId": "10", "Nome": "Vendas"}],
     "Uras":    ["5000", "atendimento.xml"],
     "Comandos": ["consultaSaldo", "abreChamado"],
     "TTS": {"Usuario": "", "Senha": "", "Empresa": "", "Endereco": "",
             "Bits": 16, "Canais": 1, "Amostras": 8000, "Formato": "wav",
             "Locutor": ""}}
  sim-headers.json      cabeçalho de cada URA, pelo nome do arquivo
                        (ausente: vazio, PermissaoWrite 1); atualizado ao
                        salvar (CriadoEm/Por se novo, ModificadoEm/Por) e ao
                        ativar (AtivadoEm/Por); datas "dd/mm/aaaa hh:mm":
    {"atendimento.xml": {"CriadoEm": "01/02/2024 10:00", "CriadoPor": "admin",
       "ModificadoEm": "", "ModificadoPor": "", "AtivadoEm": "",
       "AtivadoPor": "", "PermissaoWrite": 1}}

Pedidos (Action) e respostas:
  Login                 Response Success|Error, ActionID LoginUsuario
  GetInfoServer         Event infoservura (Version, UraType, EmpresaOndaris)
  ReadXmlMessages       Response Success, Event xmlfilepart..., Event
                        readxmlmessagescomplete (ActionID do pedido);
                        Filename vazio = mensagens.xml
  ListWavFiles          Event listwavpart (Files)..., listwavfilescomplete
  KRDBCommand           Event krdbevent (KRDBActionID e campos) por linha,
                        depois Event krdbcomplete; ActionId KRDBListaFilas
                        (FilaId, Nome, Tipo), KRDBListaGrupos (GrupoId,
                        Nome), KRDBListaUras (Numero)
  ListCommands          Event listcommands (Commands)..., listcommandscomplete
  GetTTSConfig          Event ttsconfig (Usuario, Senha, Empresa, Endereco,
                        Bits, Canais, Amostras, Formato, Locutor)
  ListXmlUra            Event xmlfileheader (ActionID ListaUrasSelecionar)
                        por URA, depois Event listxmluracomplete
  ReadXmlUra            Event xmlfilepart..., Event readxmluracomplete
                        (Filename, PermissaoWrite); ausente: Error LerXml
  ReadXmlUraHeader      Event xmlfileheader (sem ActionID)
  SaveXmlUra            Event xmlfilestartsend (Error sem permissão);
   XmlFilePart, SendXmlFileComplete   Response Success|Error SaveXmlUra
  ActivateXmlUra        Response Success|Error ActivateXmlUra
  SaveXmlMessages, XmlMessageFilePart, SendXmlMessageFileComplete
                        Response Success|Error SaveXmlMessages
  SaveWavFile           Event wavfilesendpart; cada WavFilePart (hexadecimal)
   WavFilePart          outro wavfilesendpart; SendWavFileComplete:
   SendWavFileComplete  Response Success|Error SaveWavFile
Login inválido, pedido antes do login, ação desconhecida e envio mal formado:
Response Error com Message em UTF-8. O serviço local só registra os pedidos
(ReloadXmlAccounts) e nunca responde.)";

std::optional<quint16> ParsePort(const QString& text) {
  bool ok = false;
  const uint v = text.toUInt(&ok);
  if (!ok || v > 65535) return std::nullopt;
  return static_cast<quint16>(v);
}

int Fail(const QString& message) {
  std::fprintf(stderr, "ura-server-sim: %s\n", message.toLocal8Bit().constData());
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
#ifdef SIGPIPE
  // A reader that goes away (a closed log pipe) must not kill the simulator.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("ura-server-sim"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QString::fromUtf8(kDescription));
  parser.addHelpOption();
  const QCommandLineOption port("port", "Porta do servidor (0: uma porta livre).", "porta", "5042");
  const QCommandLineOption dir("dir", "Pasta servida.", "pasta", ".");
  const QCommandLineOption user("user", "Usuário aceito no login.", "usuario", "admin");
  const QCommandLineOption password("password", "Senha aceita no login.", "senha", "admin");
  const QCommandLineOption version("version", "Versão informada pelo servidor.", "versao", "1.1.0.0");
  const QCommandLineOption uraType("ura-type", "Tipo de URA informado pelo servidor.", "tipo", "1");
  const QCommandLineOption company("company", "Nome da empresa informado pelo servidor.", "empresa", "");
  const QCommandLineOption localPort("local-service-port", "Também escuta como o serviço local (0: uma porta livre).",
                                     "porta");
  const QCommandLineOption tts("tts", "Anuncia URL como o serviço de texto para áudio (ura-tts-sim).", "url");
  parser.addOptions({port, dir, user, password, version, uraType, company, localPort, tts});
  parser.process(app);

  const std::optional<quint16> serverPort = ParsePort(parser.value(port));
  if (!serverPort) return Fail(QStringLiteral("porta inválida: ") + parser.value(port));
  bool typeOk = false;
  SimConfig config;
  config.user = parser.value(user);
  config.password = parser.value(password);
  config.version = parser.value(version);
  config.uraType = parser.value(uraType).toInt(&typeOk);
  config.company = parser.value(company);
  config.ttsUrl = parser.value(tts);
  if (!typeOk) return Fail(QStringLiteral("tipo de URA inválido: ") + parser.value(uraType));
  const QDir folder(parser.value(dir));
  if (!folder.exists()) return Fail(QStringLiteral("pasta inexistente: ") + parser.value(dir));

  SimServer server(SimStore(folder.absolutePath()), config);
  QString error;
  if (!server.listen(*serverPort, &error)) return Fail(error);
  std::optional<quint16> servicePort;
  if (parser.isSet(localPort)) {
    servicePort = ParsePort(parser.value(localPort));
    if (!servicePort) return Fail(QStringLiteral("porta inválida: ") + parser.value(localPort));
    if (!server.listenLocalService(*servicePort, &error)) return Fail(error);
  }

  SimLog(QStringLiteral("LISTENING 127.0.0.1:%1").arg(server.serverPort()));
  if (servicePort) SimLog(QStringLiteral("LOCAL-SERVICE 127.0.0.1:%1").arg(server.localServicePort()));
  SimLog(QStringLiteral("pasta: ") + folder.absolutePath());
  return app.exec();
}
