// The read-only commands: describe, fingerprint and match.
#include <gtest/gtest.h>

#include "ferramenta.h"

namespace {

class LeituraTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pasta.isValid());
    voz = GravaArquivo(pasta, QStringLiteral("voz.xml"), kUraVozPequena);
    chat = GravaArquivo(pasta, QStringLiteral("chat.xml"), kUraChatPequena);
    catalogo = GravaArquivo(pasta, QStringLiteral("mensagens.xml"), kCatalogoPequeno);
  }

  QTemporaryDir pasta;
  QString voz, chat, catalogo;
};

TEST_F(LeituraTest, DescribeWritesEveryLineOfAVoiceDocument) {
  const ResultadoTool r = RodaTool({QStringLiteral("describe"), voz, QStringLiteral("--catalogue"), catalogo});
  ASSERT_EQ(r.Codigo, 0) << r.Erro.toStdString();
  EXPECT_TRUE(r.Erro.isEmpty()) << r.Erro.toStdString();
  const QStringList esperado{
      QStringLiteral("URA: Teste | URA de teste |  | M1 | Answer | 2"),
      QStringLiteral("Auditoria: 01/02/2024 10:30 | ana | 03/02/2024 11:00 | bruno | "
                     "04/02/2024 12:15 | carla"),
      QStringLiteral("Menu: M1 | Menu de teste"),
      QStringLiteral("  Condicao: Seg à Sex; Das 08:00 às 18:00 | Boas-vindas | "
                     "Vai para o menu: M2 (Opções)"),
      QStringLiteral("  Mensagem: Menu principal, Mensagem(saudacao)"),
      QStringLiteral("  Opcao: 9XXX | 4 dígitos, iniciando com 9 |  | "
                     "Transfere para fila: 10 (Prioridade Média)"),
      QStringLiteral("  Opcao: [1-5] | Dígitos 1 à 5 | aguarde | Variável(x=1); "
                     "Vai para o menu: M2"),
      QStringLiteral("  Opcao: 0800. | 5 dígitos, no mínimo, iniciando com 0800 |  | "),
      QStringLiteral("  OpcaoInvalida: 2 | invalida | Encerra a chamada (Código 17)"),
      QStringLiteral("  Timeout: 4 | 8 | Mensagem(aviso) | "),
      QStringLiteral("  Final:  | Encerra a chamada"),
      QStringLiteral("Menu: M2 | "),
      QStringLiteral("  Mensagem: "),
      QStringLiteral("  OpcaoInvalida: 3 |  | "),
      QStringLiteral("  Timeout: 3 | 5 |  | "),
      QStringLiteral("  Final:  | Encerra a chamada"),
      QStringLiteral("Menu: Serviço | Último"),
      QStringLiteral("  Mensagem: "),
      QStringLiteral("  Opcao: 9XXX | 4 dígitos, iniciando com 9 |  | "),
      QStringLiteral("  Opcao: XXXX | 4 dígitos |  | "),
      QStringLiteral("  OpcaoInvalida: 3 |  | "),
      QStringLiteral("  Timeout: 3 | 5 |  | "),
      QStringLiteral("  Final:  | "),
  };
  EXPECT_EQ(r.Linhas(), esperado);
}

TEST_F(LeituraTest, DescribeWithoutCatalogueShowsFileNames) {
  const ResultadoTool r = RodaTool({QStringLiteral("describe"), voz});
  ASSERT_EQ(r.Codigo, 0) << r.Erro.toStdString();
  const QStringList linhas = r.Linhas();
  EXPECT_TRUE(linhas.contains(
      QStringLiteral("  Condicao: Seg à Sex; Das 08:00 às 18:00 | bemvindo | Vai para o menu: M2 (Opções)")));
  EXPECT_TRUE(linhas.contains(QStringLiteral("  Mensagem: menu, Mensagem(saudacao)")));
}

TEST_F(LeituraTest, DescribeLocalServiceReadsTheDocumentAsRoriro) {
  const ResultadoTool r = RodaTool({QStringLiteral("describe"), QStringLiteral("--local-service"), voz});
  ASSERT_EQ(r.Codigo, 0) << r.Erro.toStdString();
  const QStringList linhas = r.Linhas();
  ASSERT_GE(linhas.size(), 11);
  // Without a scrambled header a local-service document has a damaged one.
  EXPECT_EQ(linhas[1], QStringLiteral("Auditoria: <ERROR> | <ERROR> | <ERROR> | <ERROR> |  | "));
  EXPECT_EQ(linhas[5], QStringLiteral("  Opcao: 9XXX | 4 dígitos, iniciando com 9 |  | "
                                      "Transfere para: 10"));
  EXPECT_EQ(linhas[8], QStringLiteral("  OpcaoInvalida: 2 | invalida | Encerra a chamada"));
}

TEST_F(LeituraTest, DescribeChatDocumentWithListMenu) {
  const ResultadoTool r = RodaTool({QStringLiteral("describe"), chat});
  ASSERT_EQ(r.Codigo, 0) << r.Erro.toStdString();
  const QStringList esperado{
      QStringLiteral("URA: Chat |  | chat | C1 |  | 2"),
      QStringLiteral("Auditoria:  |  |  |  |  | "),
      QStringLiteral("Menu: C1 | Lista"),
      QStringLiteral("  Mensagem: Oi!↩Tudo bem?"),
      QStringLiteral("  MenuLista: Olá↩ Escolha↩ Menu↩ 1 - Vendas ↩ 2 - Suporte "),
      QStringLiteral("  Opcao: Dígitos(12) | Dígitos \"1\", \"2\" |  | "),
      QStringLiteral("  Opcao: Sim | Opção \"Sim\", ignorando case-sensitive |  | "
                     "Mensagem(\"Olá↩Tudo bem?\")"),
      QStringLiteral("  Opcao: Texto(Livre) | Texto livre, com tamanho mínimo de 2 e tamanho "
                     "máximo de 10 caracteres, começando com \"ab\", ignorando "
                     "case-sensitive. |  | "),
      QStringLiteral("  Opcao: Texto(Alfanumérico) | Texto alfanumérico, com tamanho mínimo de 5 "
                     "caracteres. Pode ser composto por "
                     "dígitos, letras maiúsculas e letras minúsculas e espaço |  | "),
      QStringLiteral("  Opcao: Caracteres(-+) | Caracteres \"-\", \"+\" |  | "),
      QStringLiteral("  OpcaoInvalida: 3 |  | "),
      // No timeout element: a chat URA's own default time.
      QStringLiteral("  Timeout: 3 | 300 |  | "),
      QStringLiteral("  Final:  | "),
  };
  EXPECT_EQ(r.Linhas(), esperado);
}

TEST(LeituraExemplosTest, DescribeExamplesWithTheirCatalogue) {
  const ResultadoTool voz =
      RodaTool({QStringLiteral("describe"), Exemplo(QStringLiteral("atendimento-voz.xml")),
                QStringLiteral("--catalogue"), Exemplo(QStringLiteral("mensagens/mensagens.xml"))});
  ASSERT_EQ(voz.Codigo, 0) << voz.Erro.toStdString();
  const QStringList linhas = voz.Linhas();
  EXPECT_EQ(linhas.value(0), QStringLiteral("URA: atendimento-voz | Central de atendimento por "
                                            "telefone |  | Inicio | Answer | 2"));
  EXPECT_TRUE(
      linhas.contains(QStringLiteral("  Condicao: No dia 25/12 | Aviso de Natal & Ano-Novo | Encerra a chamada")));
  EXPECT_TRUE(
      linhas.contains(QStringLiteral("  Opcao: 9XXX | 4 dígitos, iniciando com 9 |  | "
                                     "Transfere para opção informada")));
  EXPECT_EQ(linhas.filter(QStringLiteral("Menu: ")).size(), 4);

  const ResultadoTool chat = RodaTool({QStringLiteral("describe"), Exemplo(QStringLiteral("atendimento-chat.xml"))});
  ASSERT_EQ(chat.Codigo, 0) << chat.Erro.toStdString();
  EXPECT_TRUE(chat.Saida.contains(QStringLiteral("  MenuLista: Loja Exemplo↩ ")));
  EXPECT_TRUE(chat.Saida.contains(QStringLiteral("  Mensagem: Olá! \U0001F600↩Bem-vindo")));
}

TEST_F(LeituraTest, FingerprintKeepsTheLineBreaksOfFileTexts) {
  const ResultadoTool r = RodaTool({QStringLiteral("fingerprint"), voz});
  ASSERT_EQ(r.Codigo, 0) << r.Erro.toStdString();
  const QString esperado = QStringLiteral(
      "TesteURA de testeM1Answer0\n"
      "M1\n"
      "Seg à Sex; Das 08:00 às 18:00bemvindo\r\nVai para o menu: M2 (Opções)\n"
      "menu\r\n{saudacao}\r\n\n"
      "9XXX00Transfere para fila: 10 (Prioridade Média)\n"
      "[1-5]00aguarde\r\nVariável(x=1); Vai para o menu: M2\n"
      "0800.00\n"
      "invalida\r\nEncerra a chamada (Código 17)2\n"
      "{aviso}\r\n48\n"
      "Encerra a chamada\n"
      "M2\n"
      "\n"
      "3\n"
      "35\n"
      "Encerra a chamada\n"
      "Serviço\n"
      "\n"
      "9XXX00\n"
      "XXXX00\n"
      "3\n"
      "35\n"
      "\n");
  EXPECT_EQ(r.Saida, esperado);

  // The same document read as a local-service one describes its actions
  // differently, and the fingerprint follows.
  const ResultadoTool local = RodaTool({QStringLiteral("fingerprint"), voz, QStringLiteral("--local-service")});
  ASSERT_EQ(local.Codigo, 0);
  EXPECT_TRUE(local.Saida.contains(QStringLiteral("9XXX00Transfere para: 10\n")));
}

TEST_F(LeituraTest, MatchReportsTheResultAndTheMatchedOption) {
  struct Caso {
    QString Menu, Entrada;
    bool Final;
    QString Esperado;
  };
  const QString m1 = QStringLiteral("M1");
  const std::vector<Caso> casos{
      {m1, QStringLiteral("9"), false, QStringLiteral("3")},
      {m1, QStringLiteral("9123"), false, QStringLiteral("1 | 9XXX")},
      {m1, QStringLiteral("8123"), false, QStringLiteral("0")},
      // Too long for 9XXX, but "0800." still waits for its last key.
      {m1, QStringLiteral("91234"), false, QStringLiteral("3")},
      {m1, QStringLiteral("91234"), true, QStringLiteral("0")},
      {m1, QStringLiteral("91"), true, QStringLiteral("0")},
      {m1, QStringLiteral("4"), false, QStringLiteral("1 | [1-5]")},
      {m1, QStringLiteral("6"), false, QStringLiteral("0")},
      {m1, QStringLiteral("08001"), false, QStringLiteral("3")},
      {m1, QStringLiteral("08001"), true, QStringLiteral("1 | 0800.")},
      {m1, QStringLiteral("0800"), true, QStringLiteral("0")},
      // The last option that matches wins; the menu name is not ASCII.
      {QStringLiteral("Serviço"), QStringLiteral("9123"), false, QStringLiteral("1 | XXXX")},
      {QStringLiteral("M2"), QStringLiteral("1"), false, QStringLiteral("0")},
  };
  for (const Caso& c : casos) {
    QStringList args{QStringLiteral("match"), voz, c.Menu, c.Entrada};
    if (c.Final) args << QStringLiteral("--final");
    const ResultadoTool r = RodaTool(args);
    const std::string caso = (c.Menu + u' ' + c.Entrada + (c.Final ? " --final" : "")).toStdString();
    ASSERT_EQ(r.Codigo, 0) << caso << ": " << r.Erro.toStdString();
    EXPECT_EQ(r.Linhas(), QStringList{c.Esperado}) << caso;
  }
}

TEST_F(LeituraTest, MatchChatOptions) {
  const QString c1 = QStringLiteral("C1");
  const auto roda = [&](const QStringList& extra) {
    return RodaTool(QStringList{QStringLiteral("match"), chat, c1} + extra);
  };
  EXPECT_EQ(roda({QStringLiteral("SIM")}).Linhas(), QStringList{QStringLiteral("1 | Sim")});
  EXPECT_EQ(roda({QStringLiteral("2")}).Linhas(), QStringList{QStringLiteral("1 | 12")});
  // Free text and alphanumeric both accept it; the later option wins.
  EXPECT_EQ(roda({QStringLiteral("abcde")}).Linhas(), QStringList{QStringLiteral("1 | NAaE")});
  // Only the free-text option, whose value is empty.
  EXPECT_EQ(roda({QStringLiteral("ab-")}).Linhas(), QStringList{QStringLiteral("1 | ")});
  // An input that starts with "-" comes after "--".
  EXPECT_EQ(roda({QStringLiteral("--"), QStringLiteral("-")}).Linhas(), QStringList{QStringLiteral("1 | -+")});
  EXPECT_EQ(roda({QStringLiteral("x")}).Linhas(), QStringList{QStringLiteral("0")});
  // After "--" even "--help" is the input, not a request for help.
  for (const QString& entrada : {QStringLiteral("--help"), QStringLiteral("-h")}) {
    const ResultadoTool r = roda({QStringLiteral("--"), entrada});
    EXPECT_EQ(r.Codigo, 0) << r.Erro.toStdString();
    EXPECT_EQ(r.Linhas(), QStringList{QStringLiteral("0")}) << r.Saida.toStdString();
  }
}

TEST_F(LeituraTest, MatchUnknownMenuIsAnError) {
  const ResultadoTool r = RodaTool({QStringLiteral("match"), voz, QStringLiteral("M9"), QStringLiteral("1")});
  EXPECT_EQ(r.Codigo, 1);
  EXPECT_TRUE(r.Saida.isEmpty());
  EXPECT_TRUE(r.Erro.contains(QStringLiteral("M9"))) << r.Erro.toStdString();
  EXPECT_TRUE(r.Erro.contains(voz)) << r.Erro.toStdString();
}

}  // namespace
