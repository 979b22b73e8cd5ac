// The server commands (list, pull, push, activate) against ura-server-sim,
// and their failures: refused login, closed port, a server that never answers.
#include <gtest/gtest.h>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>

#include "ferramenta.h"
#include "simulador.h"

namespace {

const QString kUsuario = QStringLiteral("ana");
const QString kSenha = QStringLiteral("s3nha");

const char* const kCabecalhos = R"({
  "atendimento-voz.xml": {"CriadoEm": "01/02/2024 10:00", "CriadoPor": "admin",
    "ModificadoEm": "03/02/2024 11:30", "ModificadoPor": "bia",
    "AtivadoEm": "", "AtivadoPor": "", "PermissaoWrite": 1},
  "protegido.xml": {"CriadoEm": "05/06/2023 08:15", "CriadoPor": "admin", "PermissaoWrite": 0}
})";

std::string Texto(const ResultadoTool& R) {
  return "exit " + std::to_string(R.Codigo) + "\nstdout: " + R.Saida.toStdString() +
         "\nstderr: " + R.Erro.toStdString();
}

class ServidorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pasta.isValid());
    // The server keeps the catalogues beside the URA files.
    for (const char* nome :
         {"atendimento-voz.xml", "atendimento-chat.xml", "mensagens/mensagens.xml", "mensagens/mensagenschat.xml"}) {
      const QString n = QString::fromLatin1(nome);
      ASSERT_TRUE(sim.Grava(n.section(u'/', -1), LeArquivo(Exemplo(n)))) << nome;
    }
    QByteArray tdd = LeArquivo(Exemplo(QStringLiteral("atendimento-chat.xml")));
    tdd.replace("Nome=\"atendimento-chat\"", "Nome=\"surdos\"");
    tdd.replace("TipoUra=\"chat\"", "TipoUra=\"chattdd\"");
    ASSERT_TRUE(sim.Grava(QStringLiteral("surdos.xml"), tdd));
    ASSERT_TRUE(sim.Grava(QStringLiteral("protegido.xml"), kUraVozPequena));
    ASSERT_TRUE(sim.Grava(QStringLiteral("sim-headers.json"), kCabecalhos));
    ASSERT_TRUE(sim.Inicia({QStringLiteral("--user"), kUsuario, QStringLiteral("--password"), kSenha}))
        << sim.Erro().toStdString();
  }

  // A server command against the simulator, logged in as kUsuario.
  ResultadoTool Roda(QStringList Args) {
    Args << QStringLiteral("--port") << QString::number(sim.Porta()) << QStringLiteral("--user") << kUsuario
         << QStringLiteral("--password") << kSenha;
    const ResultadoTool r = RodaTool(Args);
    sim.Log();  // keeps the simulator's output pipe from filling up
    return r;
  }

  QStringList Fingerprint(const QString& Arquivo) {
    const ResultadoTool r = RodaTool({QStringLiteral("fingerprint"), Arquivo});
    EXPECT_EQ(r.Codigo, 0) << Texto(r);
    return r.Linhas();
  }

  QJsonObject Cabecalho(const QString& Arquivo) {
    return QJsonDocument::fromJson(sim.Le(QStringLiteral("sim-headers.json"))).object().value(Arquivo).toObject();
  }

  Simulador sim;
  QTemporaryDir pasta;
};

TEST_F(ServidorTest, ListShowsEveryUraFileWithTypeAndHeader) {
  const ResultadoTool r = Roda({QStringLiteral("list")});
  ASSERT_EQ(r.Codigo, 0) << Texto(r);
  EXPECT_TRUE(r.Erro.isEmpty()) << Texto(r);
  QStringList linhas = r.Linhas();
  linhas.sort();
  EXPECT_EQ(linhas, (QStringList{QStringLiteral("atendimento-chat.xml | atendimento-chat | Chat |  |  |  |  |  | "),
                                 QStringLiteral("atendimento-voz.xml | atendimento-voz | Voz | 01/02/2024 10:00 | "
                                                "admin | 03/02/2024 11:30 | bia |  | "),
                                 QStringLiteral("protegido.xml | Teste | Voz | 05/06/2023 08:15 | admin |  |  |  | "),
                                 QStringLiteral("surdos.xml | surdos | Chat (TDD) |  |  |  |  |  | ")}));

  // Progress goes to stderr only when asked for; the result stays the same.
  const ResultadoTool v = Roda({QStringLiteral("list"), QStringLiteral("--verbose")});
  ASSERT_EQ(v.Codigo, 0) << Texto(v);
  EXPECT_EQ(v.Saida, r.Saida);
  EXPECT_TRUE(v.Erro.contains(QStringLiteral("Efetuando login...\n"))) << Texto(v);
  EXPECT_TRUE(v.Erro.contains(QStringLiteral("Conectado à URA (IP: 127.0.0.1)"))) << Texto(v);
}

TEST_F(ServidorTest, PullSavesTheServerFileWithTheWriter) {
  for (const QString& nome : {QStringLiteral("atendimento-voz.xml"), QStringLiteral("surdos.xml")}) {
    SCOPED_TRACE(nome.toStdString());
    const QString saida = pasta.filePath(nome);
    const ResultadoTool r = Roda({QStringLiteral("pull"), nome, QStringLiteral("-o"), saida});
    ASSERT_EQ(r.Codigo, 0) << Texto(r);
    EXPECT_TRUE(r.Saida.isEmpty()) << Texto(r);
    EXPECT_TRUE(r.Erro.isEmpty()) << Texto(r);
    const QStringList baixado = Fingerprint(saida);
    EXPECT_FALSE(baixado.isEmpty());
    EXPECT_EQ(baixado, Fingerprint(sim.Caminho(nome)));
    EXPECT_TRUE(LeArquivo(saida).endsWith("</URA>\r\n"));
  }
}

TEST_F(ServidorTest, PullFailuresExitWithTheProgramsMessage) {
  ASSERT_TRUE(sim.Grava(QStringLiteral("quebrado.xml"), "<?xml version=\"1.0\"?>\n<URA Nome=\"x\">\n<Menu>\n"));
  const QString saida = pasta.filePath(QStringLiteral("saida.xml"));
  struct Caso {
    QString Nome;
    QString Saida;
    QString Mensagem;
  };
  const std::vector<Caso> casos{
      {QStringLiteral("nada.xml"), saida, QStringLiteral("ERRO: Arquivo não encontrado: nada.xml")},
      {QStringLiteral("quebrado.xml"), saida, QStringLiteral("Ocorreu um erro ao ler o arquivo do servidor.")},
      {QStringLiteral("atendimento-voz.xml"), pasta.filePath(QStringLiteral("falta/saida.xml")),
       QStringLiteral("não foi possível gravar o arquivo")},
  };
  for (const Caso& c : casos) {
    const ResultadoTool r = Roda({QStringLiteral("pull"), c.Nome, QStringLiteral("-o"), c.Saida});
    EXPECT_EQ(r.Codigo, 1) << Texto(r);
    EXPECT_TRUE(r.Saida.isEmpty()) << Texto(r);
    EXPECT_TRUE(r.Erro.contains(c.Mensagem)) << Texto(r);
    EXPECT_FALSE(QFileInfo::exists(c.Saida)) << Texto(r);
  }
}

TEST_F(ServidorTest, PushStoresWhatTheWriterProduces) {
  const QString exemplo = Exemplo(QStringLiteral("atendimento-chat.xml"));
  const QString normal = pasta.filePath(QStringLiteral("normal.xml"));
  ASSERT_EQ(RodaTool({QStringLiteral("normalize"), exemplo, QStringLiteral("-o"), normal}).Codigo, 0);

  ResultadoTool r = Roda({QStringLiteral("push"), exemplo, QStringLiteral("--name"), QStringLiteral("nova.xml")});
  ASSERT_EQ(r.Codigo, 0) << Texto(r);
  EXPECT_EQ(r.Saida, QStringLiteral("Arquivo salvo com sucesso.\n"));
  EXPECT_TRUE(r.Erro.isEmpty()) << Texto(r);
  // The parts travel with LF line ends; the file on disk has CR LF.
  EXPECT_EQ(sim.Le(QStringLiteral("nova.xml")), SemCR(LeArquivo(normal)));
  EXPECT_EQ(Cabecalho(QStringLiteral("nova.xml")).value(QStringLiteral("CriadoPor")).toString(), kUsuario);

  // Without --name the file is named after the URA.
  const QString pequena = GravaArquivo(pasta, QStringLiteral("local.xml"), kUraVozPequena);
  r = Roda({QStringLiteral("push"), pequena});
  ASSERT_EQ(r.Codigo, 0) << Texto(r);
  EXPECT_EQ(Fingerprint(sim.Caminho(QStringLiteral("Teste.xml"))), Fingerprint(pequena));

  // A write-protected file is refused and left alone.
  const QByteArray antes = sim.Le(QStringLiteral("protegido.xml"));
  r = Roda({QStringLiteral("push"), exemplo, QStringLiteral("--name"), QStringLiteral("protegido.xml")});
  EXPECT_EQ(r.Codigo, 1) << Texto(r);
  EXPECT_TRUE(r.Saida.isEmpty()) << Texto(r);
  EXPECT_TRUE(r.Erro.contains(QStringLiteral("ERRO: Usuário sem permissão de escrita no arquivo protegido.xml")))
      << Texto(r);
  EXPECT_EQ(sim.Le(QStringLiteral("protegido.xml")), antes);
}

// As at the window: the catalogues the login asks for arrive before the save,
// and the chat texts of the file go back with the server's own.
TEST_F(ServidorTest, PushOfAChatUraSendsTheChatCatalogueWithItsTexts) {
  const ResultadoTool r = Roda({QStringLiteral("push"), Exemplo(QStringLiteral("atendimento-chat.xml")),
                                QStringLiteral("--name"), QStringLiteral("nova.xml")});
  ASSERT_EQ(r.Codigo, 0) << Texto(r);
  const QString catalogo = QString::fromUtf8(sim.Le(QStringLiteral("mensagenschat.xml")));
  for (const QString& texto : {QStringLiteral("Escolha uma opção da lista."),  // from the URA
                               QStringLiteral("Obrigado pelo contato!"),       // from the server
                               QStringLiteral("OLA. DIGITE SUA MENSAGEM.")})
    EXPECT_TRUE(catalogo.contains(texto)) << texto.toStdString() << "\n" << catalogo.toStdString();
}

TEST_F(ServidorTest, ActivateRecordsTheActivationUser) {
  ResultadoTool r = Roda({QStringLiteral("activate"), QStringLiteral("atendimento-voz.xml"),
                          QStringLiteral("--ura-name"), QStringLiteral("atendimento-voz")});
  ASSERT_EQ(r.Codigo, 0) << Texto(r);
  EXPECT_EQ(r.Saida, QStringLiteral("Ura ativada com sucesso.\n"));
  const QJsonObject cab = Cabecalho(QStringLiteral("atendimento-voz.xml"));
  EXPECT_EQ(cab.value(QStringLiteral("AtivadoPor")).toString(), kUsuario);
  EXPECT_FALSE(cab.value(QStringLiteral("AtivadoEm")).toString().isEmpty());

  r = Roda(
      {QStringLiteral("activate"), QStringLiteral("nada.xml"), QStringLiteral("--ura-name"), QStringLiteral("nada")});
  EXPECT_EQ(r.Codigo, 1) << Texto(r);
  EXPECT_TRUE(r.Saida.isEmpty()) << Texto(r);
  EXPECT_TRUE(r.Erro.contains(QStringLiteral("ERRO: Arquivo não encontrado: nada.xml"))) << Texto(r);
}

// Every command, with the connection options added by the caller.
std::vector<QStringList> TodosOsComandos(const QString& Pasta) {
  return {{QStringLiteral("list")},
          {QStringLiteral("pull"), QStringLiteral("atendimento-voz.xml"), QStringLiteral("-o"),
           Pasta + QStringLiteral("/saida.xml")},
          {QStringLiteral("push"), Exemplo(QStringLiteral("atendimento-voz.xml"))},
          {QStringLiteral("activate"), QStringLiteral("atendimento-voz.xml"), QStringLiteral("--ura-name"),
           QStringLiteral("atendimento-voz")}};
}

void EsperaFalha(const QStringList& Args, const QString& Mensagem) {
  const ResultadoTool r = RodaTool(Args);
  EXPECT_EQ(r.Codigo, 1) << Args.join(u' ').toStdString() << "\n" << Texto(r);
  EXPECT_TRUE(r.Saida.isEmpty()) << Texto(r);
  EXPECT_TRUE(r.Erro.contains(Mensagem)) << Args.join(u' ').toStdString() << "\n" << Texto(r);
}

TEST_F(ServidorTest, RefusedLoginEndsEveryCommand) {
  for (QStringList args : TodosOsComandos(pasta.path())) {
    args << QStringLiteral("--port") << QString::number(sim.Porta()) << QStringLiteral("--user") << kUsuario
         << QStringLiteral("--password") << QStringLiteral("errada");
    EsperaFalha(args, QStringLiteral("Usuário ou senha inválidos"));
  }
  EXPECT_FALSE(QFileInfo::exists(pasta.filePath(QStringLiteral("saida.xml"))));
  EXPECT_TRUE(
      Cabecalho(QStringLiteral("atendimento-voz.xml")).value(QStringLiteral("AtivadoPor")).toString().isEmpty());
}

TEST(ServidorConexaoTest, ClosedPortAndSilentServerEndEveryCommand) {
  QTemporaryDir pasta;
  ASSERT_TRUE(pasta.isValid());
  QTcpServer livre;
  ASSERT_TRUE(livre.listen(QHostAddress::LocalHost));
  const QString portaFechada = QString::number(livre.serverPort());
  livre.close();
  // Accepted by the system but never read: the login gets no answer.
  QTcpServer mudo;
  ASSERT_TRUE(mudo.listen(QHostAddress::LocalHost));
  const QString portaMuda = QString::number(mudo.serverPort());

  for (const QStringList& comando : TodosOsComandos(pasta.path())) {
    EsperaFalha(comando + QStringList{QStringLiteral("--port"), portaFechada},
                QStringLiteral("Erro 10061: Conexão encerrada pelo servidor"));
    EsperaFalha(
        comando + QStringList{QStringLiteral("--port"), portaMuda, QStringLiteral("--timeout"), QStringLiteral("0.3")},
        QStringLiteral("o servidor não respondeu em 0.3 segundo(s)"));
  }
}

// Without --host and --port the tool goes to 127.0.0.1, port 5042.
TEST(ServidorConexaoTest, DefaultAddressIsLocalPort5042) {
  QTcpServer padrao;
  ASSERT_TRUE(padrao.listen(QHostAddress::LocalHost, 5042)) << padrao.errorString().toStdString();
  EsperaFalha({QStringLiteral("list"), QStringLiteral("--timeout"), QStringLiteral("0.3")},
              QStringLiteral("o servidor não respondeu"));
  EXPECT_TRUE(padrao.waitForNewConnection(1000));
}

}  // namespace
