// The commands that write files: normalize, report and catalogue.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>
#include <QFileInfo>
#include <QRegularExpression>

#include "ferramenta.h"

namespace {

class GravacaoTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(pasta.isValid()); }

  // Runs a command that must succeed without output.
  void RodaSemSaida(const QStringList& Args, const QProcessEnvironment& Ambiente = AmbienteTool()) {
    const ResultadoTool r = RodaTool(Args, Ambiente);
    ASSERT_EQ(r.Codigo, 0) << Args.join(u' ').toStdString() << ": " << r.Erro.toStdString();
    EXPECT_TRUE(r.Saida.isEmpty());
    EXPECT_TRUE(r.Erro.isEmpty()) << r.Erro.toStdString();
  }

  // The audit line of a local-service document.
  QStringList Auditoria(const QString& Arquivo) {
    const ResultadoTool r = RodaTool({QStringLiteral("describe"), Arquivo, QStringLiteral("--local-service")});
    const QString linha = r.Linhas().value(1);
    if (!linha.startsWith(QStringLiteral("Auditoria: "))) return {};
    return linha.mid(11).split(QStringLiteral(" | "));
  }

  static QProcessEnvironment AmbienteUsuario(const QString& Variavel, const QString& Nome) {
    QProcessEnvironment ambiente = AmbienteTool();
    for (const char* v : {"USERNAME", "USER", "LOGNAME"}) ambiente.remove(QString::fromLatin1(v));
    if (!Variavel.isEmpty()) ambiente.insert(Variavel, Nome);
    return ambiente;
  }

  QTemporaryDir pasta;
};

TEST_F(GravacaoTest, NormalizeOfTheExamplesIsTheFileItselfAndStable) {
  for (const QString& nome : {QStringLiteral("atendimento-voz.xml"), QStringLiteral("atendimento-chat.xml")}) {
    SCOPED_TRACE(nome.toStdString());
    const QString primeira = pasta.filePath(QStringLiteral("1-") + nome);
    const QString segunda = pasta.filePath(QStringLiteral("2-") + nome);
    RodaSemSaida({QStringLiteral("normalize"), Exemplo(nome), QStringLiteral("-o"), primeira});
    RodaSemSaida({QStringLiteral("normalize"), primeira, QStringLiteral("-o"), segunda});

    const QByteArray gravado = LeArquivo(primeira);
    // The example is written in the writer's own layout, only with LF.
    EXPECT_EQ(SemCR(gravado), LeArquivo(Exemplo(nome)));
    EXPECT_EQ(gravado, LeArquivo(segunda));
    EXPECT_TRUE(gravado.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"));
    EXPECT_TRUE(gravado.endsWith("</URA>\r\n"));
    EXPECT_EQ(gravado.count("\r\n"), gravado.count('\n'));
    EXPECT_FALSE(gravado.contains("URAHeaderC"));
  }
}

TEST_F(GravacaoTest, NormalizeKeepsWhatDescribeShows) {
  const QString entrada = GravaArquivo(pasta, QStringLiteral("voz.xml"), kUraVozPequena);
  const QString saida = pasta.filePath(QStringLiteral("saida.xml"));
  RodaSemSaida({QStringLiteral("normalize"), entrada, QStringLiteral("-o"), saida});
  const ResultadoTool antes = RodaTool({QStringLiteral("describe"), entrada});
  const ResultadoTool depois = RodaTool({QStringLiteral("describe"), saida});
  ASSERT_EQ(depois.Codigo, 0) << depois.Erro.toStdString();
  // The plain header is never written; everything else survives.
  QStringList esperado = antes.Linhas();
  ASSERT_FALSE(esperado.isEmpty());
  esperado[1] = QStringLiteral("Auditoria:  |  |  |  |  | ");
  EXPECT_EQ(depois.Linhas(), esperado);
}

// The user stamped is the login name from the account database, whatever
// the environment variables say or whether they are set at all.
TEST_F(GravacaoTest, NormalizeLocalServiceStampsTheScrambledHeader) {
  const passwd* conta = getpwuid(geteuid());
  ASSERT_NE(conta, nullptr);
  const QString login = QString::fromLocal8Bit(conta->pw_name);
  const QString saida = pasta.filePath(QStringLiteral("local.xml"));
  RodaSemSaida({QStringLiteral("normalize"), Exemplo(QStringLiteral("atendimento-voz.xml")), QStringLiteral("-o"),
                saida, QStringLiteral("--local-service")},
               AmbienteUsuario(QStringLiteral("USERNAME"), QStringLiteral("ana")));
  const QByteArray gravado = LeArquivo(saida);
  EXPECT_TRUE(gravado.contains("  <URAHeaderC>\r\n")) << gravado.toStdString();
  EXPECT_FALSE(gravado.contains(">" + login.toUtf8() + "<"));  // scrambled, not plain

  const QRegularExpression dataHora(QStringLiteral(R"(^\d\d/\d\d/\d{4} \d\d:\d\d$)"));
  const QStringList primeira = Auditoria(saida);
  ASSERT_EQ(primeira.size(), 6);
  EXPECT_TRUE(dataHora.match(primeira[0]).hasMatch()) << primeira[0].toStdString();
  EXPECT_EQ(primeira[1], login);
  EXPECT_TRUE(dataHora.match(primeira[2]).hasMatch()) << primeira[2].toStdString();
  EXPECT_EQ(primeira[3], login);
  EXPECT_EQ(primeira[4], QString());
  EXPECT_EQ(primeira[5], QString());

  // Saving over an existing file keeps the creation and renews the change;
  // without any user variable (a service, CI) the name is the same.
  for (const char* variavel : {"USER", ""}) {
    RodaSemSaida({QStringLiteral("normalize"), saida, QStringLiteral("-o"), saida, QStringLiteral("--local-service")},
                 AmbienteUsuario(QString::fromLatin1(variavel), QStringLiteral("bruno")));
    const QStringList depois = Auditoria(saida);
    ASSERT_EQ(depois.size(), 6);
    EXPECT_EQ(depois[0], primeira[0]);
    EXPECT_EQ(depois[1], login);
    EXPECT_TRUE(dataHora.match(depois[2]).hasMatch());
    EXPECT_EQ(depois[3], login) << variavel;
  }
}

TEST_F(GravacaoTest, NormalizeIntoAMissingFolderFails) {
  const QString saida = pasta.filePath(QStringLiteral("nao-existe/saida.xml"));
  const ResultadoTool r = RodaTool(
      {QStringLiteral("normalize"), Exemplo(QStringLiteral("atendimento-voz.xml")), QStringLiteral("-o"), saida});
  EXPECT_EQ(r.Codigo, 1);
  EXPECT_TRUE(r.Erro.contains(saida)) << r.Erro.toStdString();
  EXPECT_EQ(r.Erro.count(u'\n'), 1) << r.Erro.toStdString();
  EXPECT_FALSE(QFileInfo::exists(saida));
}

TEST_F(GravacaoTest, ReportWritesThePage) {
  const QString voz = Exemplo(QStringLiteral("atendimento-voz.xml"));
  const QString pagina = pasta.filePath(QStringLiteral("relatorio.html"));
  RodaSemSaida({QStringLiteral("report"), voz, QStringLiteral("-o"), pagina});
  QByteArray html = LeArquivo(pagina);
  EXPECT_TRUE(html.startsWith("<html>\r\n"));
  EXPECT_TRUE(html.endsWith("</html>\r\n"));
  EXPECT_TRUE(html.contains("<title>Configurador de URA Ondaris</title>"));
  EXPECT_TRUE(html.contains("class=\"text\">:&nbsp;atendimento-voz</td>"));
  EXPECT_TRUE(html.contains("<tr id=\"Principal\""));
  EXPECT_TRUE(html.contains("<a href=\"#ForaDeHorario\">"));
  EXPECT_TRUE(html.contains("Ativado em"));
  EXPECT_TRUE(html.contains("feriado_natal"));

  // Local mode and catalogue descriptions; the page is replaced.
  RodaSemSaida({QStringLiteral("report"), voz, QStringLiteral("-o"), pagina, QStringLiteral("--local-mode"),
                QStringLiteral("--catalogue"), Exemplo(QStringLiteral("mensagens/mensagens.xml"))});
  html = LeArquivo(pagina);
  EXPECT_TRUE(html.contains("<title>Configurador de URA/DAC Sonarea</title>"));
  EXPECT_FALSE(html.contains("Ondaris"));
  EXPECT_FALSE(html.contains("Ativado em"));
  EXPECT_TRUE(html.contains(">Aviso de Natal "));
  EXPECT_FALSE(html.contains("feriado_natal"));
}

TEST_F(GravacaoTest, CatalogueRewritesTheExamplesAsTheyAre) {
  const QString audio = pasta.filePath(QStringLiteral("mensagens.xml"));
  RodaSemSaida(
      {QStringLiteral("catalogue"), Exemplo(QStringLiteral("mensagens/mensagens.xml")), QStringLiteral("-o"), audio});
  EXPECT_EQ(SemCR(LeArquivo(audio)), LeArquivo(Exemplo(QStringLiteral("mensagens/mensagens.xml"))));

  const QString chat = pasta.filePath(QStringLiteral("mensagenschat.xml"));
  RodaSemSaida({QStringLiteral("catalogue"), Exemplo(QStringLiteral("mensagens/mensagenschat.xml")),
                QStringLiteral("-o"), chat, QStringLiteral("--chat")});
  EXPECT_EQ(SemCR(LeArquivo(chat)), LeArquivo(Exemplo(QStringLiteral("mensagens/mensagenschat.xml"))));
}

TEST_F(GravacaoTest, CatalogueMergesFilesInOrder) {
  const QString extra = GravaArquivo(pasta, QStringLiteral("extra.xml"), R"(<?xml version="1.0"?>
<MensagensSonarea>
  <Msg><Arquivo>novo</Arquivo><Descricao>Nova &lt;mensagem&gt;</Descricao></Msg>
  <Msg><Arquivo>bemvindo</Arquivo><Descricao>Saudação nova</Descricao></Msg>
  <Msg><Arquivo>  </Arquivo><Descricao>Sem arquivo</Descricao></Msg>
</MensagensSonarea>
)");
  const QString saida = pasta.filePath(QStringLiteral("junto.xml"));
  RodaSemSaida({QStringLiteral("catalogue"), GravaArquivo(pasta, QStringLiteral("base.xml"), kCatalogoPequeno), extra,
                QStringLiteral("-o"), saida});
  EXPECT_EQ(LeArquivo(saida), QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                                         "<MensagensSonarea>\r\n"
                                         "  <Msg>\r\n"
                                         "    <Arquivo>bemvindo</Arquivo>\r\n"
                                         "    <Descricao>Saudação nova</Descricao>\r\n"
                                         "  </Msg>\r\n"
                                         "  <Msg>\r\n"
                                         "    <Arquivo>menu</Arquivo>\r\n"
                                         "    <Descricao>Menu principal</Descricao>\r\n"
                                         "  </Msg>\r\n"
                                         "  <Msg>\r\n"
                                         "    <Arquivo>novo</Arquivo>\r\n"
                                         "    <Descricao>Nova &lt;mensagem&gt;</Descricao>\r\n"
                                         "  </Msg>\r\n"
                                         "</MensagensSonarea>\r\n"));
}

TEST_F(GravacaoTest, CatalogueChatMergeIsSortedWithoutRepeats) {
  const QString extra = GravaArquivo(pasta, QStringLiteral("chat.xml"), R"(<?xml version="1.0"?>
<MensagensChat>
  <MsgChat><Descricao>aguarde um instante.</Descricao></MsgChat>
  <MsgChat><Descricao>Bom dia!
Em que posso ajudar?</Descricao></MsgChat>
  <MsgChat><Descricao>   </Descricao></MsgChat>
  <MsgChatTDD><Descricao>AGUARDE.</Descricao></MsgChatTDD>
</MensagensChat>
)");
  const QString saida = pasta.filePath(QStringLiteral("chat-junto.xml"));
  RodaSemSaida({QStringLiteral("catalogue"), Exemplo(QStringLiteral("mensagens/mensagenschat.xml")), extra,
                QStringLiteral("-o"), saida, QStringLiteral("--chat")});
  const QByteArray esperado(
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
      "<MensagensChat>\n"
      "  <MsgChat>\n     <Descricao>Aguarde um instante.</Descricao>\n  </MsgChat>\n"
      "  <MsgChat>\n     <Descricao>Bom dia!&#xA;Em que posso ajudar?</Descricao>\n  </MsgChat>\n"
      "  <MsgChat>\n     <Descricao>Obrigado pelo contato!</Descricao>\n  </MsgChat>\n"
      "  <MsgChat>\n     <Descricao>Olá! Como podemos ajudar?</Descricao>\n  </MsgChat>\n"
      "  <MsgChat>\n     <Descricao>Vou transferir você para um atendente.&#xA;Aguarde um "
      "instante.</Descricao>\n  </MsgChat>\n"
      "  <MsgChatTDD>\n     <Descricao>AGUARDE.</Descricao>\n  </MsgChatTDD>\n"
      "  <MsgChatTDD>\n     <Descricao>OLA. DIGITE SUA MENSAGEM.</Descricao>\n  </MsgChatTDD>\n"
      "</MensagensChat>\n");
  EXPECT_EQ(SemCR(LeArquivo(saida)), esperado);
}

TEST_F(GravacaoTest, CatalogueStopsAtAFileItCannotRead) {
  const QString saida = pasta.filePath(QStringLiteral("saida.xml"));
  const QString ura = Exemplo(QStringLiteral("atendimento-voz.xml"));
  const ResultadoTool r = RodaTool({QStringLiteral("catalogue"), Exemplo(QStringLiteral("mensagens/mensagens.xml")),
                                    ura, QStringLiteral("-o"), saida});
  EXPECT_EQ(r.Codigo, 1);
  EXPECT_TRUE(r.Erro.contains(ura)) << r.Erro.toStdString();
  EXPECT_TRUE(r.Erro.contains(QStringLiteral("catálogo"))) << r.Erro.toStdString();
  EXPECT_FALSE(QFileInfo::exists(saida));
}

}  // namespace
