// The HTML report: page lines, links, escaping, file path and file bytes.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "apoio.h"

#include "UTXMLDac.h"
#include "infoauxiliar.h"
#include "relatorio.h"
#include "textoxml.h"

namespace {

const QString kA = QStringLiteral(
    "    <td class=\"bordaEsquerda bordaDireita bordaSuperior\" width=280 align=\"left\" height=\"21\">");
const QString kM =
    QStringLiteral("    <td class=\"bordaEsquerda bordaSuperior\" width=250 align=\"left\" height=\"21\">");
const QString kS20 =
    QStringLiteral("    <td class=\"bordaSuperior\" width=20 align=\"left\" height=\"21\">&nbsp;</td>");
const QString kP20 = QStringLiteral("    <td width=20 align=\"left\" height=\"21\">&nbsp;</td>");
const QString kL = QStringLiteral("    <td class=\"bordaEsquerda\" width=20 align=\"left\" height=\"21\">&nbsp;</td>");
const QString kS160 =
    QStringLiteral("    <td class=\"bordaSuperior\" width=160 align=\"left\" height=\"21\">&nbsp;</td>");
const QString kR = QStringLiteral("  <tr>");
const QString kE = QStringLiteral("  </tr>");

class RelatorioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MenuUraInfoAuxiliar.Clear();
    Dac.Nome = QStringLiteral("Atendimento");
    Dac.Descricao = QStringLiteral("URA de teste");
    Dac.MenuInicial = QStringLiteral("Principal");
    Dac.CriadoEm = 45000.5;  // 15/03/2023 12:00
    Dac.CriadoPor = QStringLiteral("ana");
    Dac.ModificadoEm = 45001.25;
    Dac.ModificadoPor = QStringLiteral("bia");
    Dac.AtivadoEm = 45001.0;
    Dac.AtivadoPor = QStringLiteral("caio");

    auto principal = std::make_unique<TMenuUra>(&Dac, QStringLiteral("Principal"));
    principal->Descricao = QStringLiteral("Menu principal");
    for (int i = 0; i < 2; ++i) principal->ListaCondicoes->Add(std::make_unique<TMUCondicao>(&Dac));
    principal->ListaCondicoes->GetItem(0)->Feriados = true;
    principal->MensagemMenu->AddArquivo(QStringLiteral("bemvindo"));
    for (const char* valor : {"1", "2"}) {
      auto op = std::make_unique<TMUOpcao>(&Dac, QString::fromLatin1(valor));
      auto vai = std::make_unique<TMUAcao>(&Dac, QStringLiteral("VAIPARA"));
      vai->ValorMenu = QStringLiteral("Fim menu");
      op->ListaAcao->Add(std::move(vai));
      op->ListaAcao->Add(std::make_unique<TMUAcao>(&Dac, QStringLiteral("DESLIGA")));
      principal->ListaOpcoes->Add(std::move(op));
    }
    principal->OpcaoInvalida->Tentativas = 2;
    principal->OpcaoTimeout->Tentativas = 4;
    Dac.ListaMenus->Add(std::move(principal));
    Dac.ListaMenus->Add(std::make_unique<TMenuUra>(&Dac, QStringLiteral("Fim menu")));
  }
  void TearDown() override { MenuUraInfoAuxiliar.Clear(); }

  QStringList Pagina(bool ModoLocal = false) const { return MontaHTML(Dac, ModoLocal, Emissao); }
  TMenuUra* Menu(int i) const { return Dac.ListaMenus->GetItem(i); }

  // The lines of one menu, from its name row to its separator row.
  static QStringList LinhasDoMenu(const QStringList& Pagina, const QString& IdEscapado) {
    const int ini =
        Pagina.indexOf(QStringLiteral("  <tr id=\"") + IdEscapado + QStringLiteral("\" bgcolor=\"#B0E0E6\">"));
    const int fim = Pagina.indexOf(QStringLiteral("    <td class=\"bordaSuperior\" colspan=\"5\">&nbsp;</td>"), ini);
    if (ini < 0 || fim < 0) return {};
    return Pagina.mid(ini, fim - ini + 2);
  }

  TDAC Dac;
  QDateTime Emissao{QDate(2024, 3, 5), QTime(14, 7, 59)};
};

TEST_F(RelatorioTest, HeadAndHeaderTables) {
  const QStringList h = Pagina();
  const QStringList inicio = {
      QStringLiteral("<html>"),
      QStringLiteral("<head>"),
      QStringLiteral("<title>Configurador de URA Ondaris</title>"),
      QStringLiteral("<style type=\"text/css\">"),
      QStringLiteral("  .bordaSuperior { border-top: 1px solid silver;}"),
      QStringLiteral("  .bordaInferior { border-bottom: 1px solid silver;}"),
      QStringLiteral("  .bordaEsquerda { border-left: 1px solid silver;}"),
      QStringLiteral("  .bordaDireita { border-right: 1px solid silver;}"),
      QStringLiteral(".text {"),
      QStringLiteral("\tfont-family: Arial;"),
      QStringLiteral("\tfont-size: 12px;"),
      QStringLiteral("\tcolor: #000000;"),
      QStringLiteral("}"),
      QStringLiteral(".textBold {"),
      QStringLiteral("\tfont-family: Arial;"),
      QStringLiteral("\tfont-size: 12px;"),
      QStringLiteral("\tcolor: #000000;"),
      QStringLiteral("\tfont-weight: bold;"),
      QStringLiteral("}"),
      QStringLiteral(".textTitulo {"),
      QStringLiteral("\tfont-family: Arial;"),
      QStringLiteral("\tfont-size: 18px;"),
      QStringLiteral("\tcolor: #0000FF;"),
      QStringLiteral("\tfont-weight: bold;"),
      QStringLiteral("}"),
      QStringLiteral("</style>"),
      QStringLiteral("</head>"),
      QStringLiteral("<body bgcolor=\"#FFFFFF\" text=\"#000000\">"),
      QStringLiteral("<h1 class=\"textTitulo\">Configurador de URA Ondaris</h1>"),
      QStringLiteral("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"900\">"),
      kR,
      QStringLiteral("    <td width=100 align=\"left\" class=\"textBold\">Nome da URA</td>"),
      QStringLiteral("    <td align=\"left\" width=\"778\" class=\"text\">:&nbsp;Atendimento</td>"),
      kE,
      kR,
      QStringLiteral("    <td width=100 align=\"left\" class=\"textBold\">Descrição</td>"),
      QStringLiteral("    <td align=\"left\" width=\"778\" class=\"text\">:&nbsp;URA de teste</td>"),
      kE,
      kR,
      QStringLiteral("    <td width=100 align=\"left\" class=\"textBold\">Menu Inicial</td>"),
      QStringLiteral("    <td align=\"left\" width=\"778\" class=\"text\">:&nbsp;Principal</td>"),
      kE,
      QStringLiteral("</table>"),
      QStringLiteral("</BR>"),
      QStringLiteral("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"900\">"),
      kR,
      QStringLiteral("    <td width=100 align=\"left\" class=\"textBold\">Criado em</td>"),
      QStringLiteral("    <td width=150 align=\"left\"><p align=\"left\" class=\"text\">:&nbsp;15/03/2023 12:00</td>"),
      QStringLiteral("    <td width=60 align=\"left\" class=\"textBold\">Usuário</td>"),
      QStringLiteral("    <td align=\"left\"><p align=\"left\" class=\"text\">:&nbsp;ana</td>"),
      kE,
      kR,
      QStringLiteral("    <td width=100 align=\"left\" class=\"textBold\">Modificado em</td>"),
      QStringLiteral("    <td width=150 align=\"left\"><p align=\"left\" class=\"text\">:&nbsp;16/03/2023 06:00</td>"),
      QStringLiteral("    <td width=60 align=\"left\" class=\"textBold\">Usuário</td>"),
      QStringLiteral("    <td align=\"left\"><p align=\"left\" class=\"text\">:&nbsp;bia</td>"),
      kE,
      kR,
      QStringLiteral("    <td width=100 align=\"left\" class=\"textBold\">Ativado em</td>"),
      QStringLiteral("    <td width=150 text=\"#FF0000\" align=\"left\" class=\"text\">:&nbsp;16/03/2023 00:00</td>"),
      QStringLiteral("    <td width=60 align=\"left\" class=\"textBold\">Usuário</td>"),
      QStringLiteral("    <td text=\"#FF0000\" align=\"left\" class=\"text\">:&nbsp;caio</td>"),
      kE,
      QStringLiteral("</table>"),
      QStringLiteral("</BR>"),
      QStringLiteral("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"900\">"),
      kR,
      QStringLiteral("    <td width=100 align=\"left\" class=\"textBold\">Emitido em</td>"),
      QStringLiteral("    <td align=\"left\" class=\"text\">:&nbsp;05/03/2024 14:07</td>"),
      kE,
      QStringLiteral("</table>"),
      QStringLiteral("<h1 class=\"textTitulo\">Lista de Menus</h1>"),
      QStringLiteral("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=1024 class=\"text\">")};
  ASSERT_GT(h.size(), inicio.size());
  for (int i = 0; i < inicio.size(); ++i) EXPECT_EQ(h[i], inicio[i]) << "line " << i;
  EXPECT_EQ(h.mid(h.size() - 3),
            QStringList({QStringLiteral("</table>"), QStringLiteral("</body>"), QStringLiteral("</html>")}));
}

TEST_F(RelatorioTest, ActivationColourAndLocalMode) {
  const QString cor = QStringLiteral("    <td text=\"%1\" align=\"left\" class=\"text\">:&nbsp;caio</td>");
  EXPECT_TRUE(Pagina().contains(cor.arg(QStringLiteral("#FF0000"))));
  Dac.AtivadoEm = Dac.ModificadoEm;
  EXPECT_TRUE(Pagina().contains(cor.arg(QStringLiteral("#000000"))));
  Dac.AtivadoEm = Dac.ModificadoEm + 1;
  EXPECT_TRUE(Pagina().contains(cor.arg(QStringLiteral("#000000"))));

  const QStringList local = Pagina(true);
  EXPECT_EQ(local[2], QStringLiteral("<title>Configurador de URA/DAC Sonarea</title>"));
  EXPECT_TRUE(local.contains(QStringLiteral("<h1 class=\"textTitulo\">Configurador de URA/DAC Sonarea</h1>")));
  EXPECT_FALSE(local.join(u'\n').contains(QStringLiteral("Ativado em")));
  EXPECT_FALSE(local.join(u'\n').contains(QStringLiteral("caio")));
  EXPECT_EQ(local.size(), Pagina().size() - 6);
}

TEST_F(RelatorioTest, MenuWithoutConditionsOrOptions) {
  const QStringList fim = LinhasDoMenu(Pagina(), QStringLiteral("Fim menu"));
  const QString h5 = QStringLiteral("    <td class=\"bordaEsquerda bordaSuperior\" bgcolor=\"#AFEEEE");
  const QString h6 = QStringLiteral("    <td class=\"bordaEsquerda bordaDireita bordaSuperior\" bgcolor=\"#AFEEEE");
  const QStringList esperado = {
      QStringLiteral("  <tr id=\"Fim menu\" bgcolor=\"#B0E0E6\">"),
      QStringLiteral("    <td class=\"bordaEsquerda bordaSuperior textBold\" colspan=\"2\" width=40 align=\"right\" "
                     "height=\"21\" class=\"textBold\">Menu:</td>"),
      QStringLiteral("    <td class=\"bordaSuperior bordaDireita text\" colspan=\"3\" align=\"left\" height=\"21\" "
                     "class=\"text\">&nbsp;Fim menu</td>"),
      kE,
      QStringLiteral("  <tr bgcolor=\"#B0E0E6\">"),
      QStringLiteral("    <td class=\"bordaEsquerda textBold\" colspan=\"2\" width=40 align=\"right\" height=\"21\" "
                     "class=\"textBold\">Descrição:</td>"),
      QStringLiteral("    <td class=\"bordaDireita text\" colspan=\"3\" align=\"left\" height=\"21\" "
                     "class=\"text\">&nbsp;</td>"),
      kE,
      kR,
      kL,
      h5 + QStringLiteral("\" colspan=\"2\" width=180 align=\"left\" height=\"21\">Final</td>"),
      h5 + QStringLiteral("\" width=250 align=\"left\" height=\"21\">Mensagem</td>"),
      h6 + QStringLiteral("\" width=280 align=\"left\" height=\"21\">Ação</td>"),
      kE,
      kR,
      kL,
      kS20,
      kS160,
      kM + QStringLiteral("</td>"),
      kA + QStringLiteral("</td>"),
      kE,
      kR,
      QStringLiteral("    <td class=\"bordaSuperior\" colspan=\"5\">&nbsp;</td>"),
      kE};
  EXPECT_EQ(fim, esperado);
}

TEST_F(RelatorioTest, SectionsLinksAndBorders) {
  const QStringList p = LinhasDoMenu(Pagina(), QStringLiteral("Principal"));
  ASSERT_FALSE(p.isEmpty());
  const QString condicao =
      QStringLiteral("    <td class=\"bordaEsquerda bordaSuperior\" width=160 align=\"left\" height=\"21\">");
  const int c1 = p.indexOf(condicao + EscapaMarkup(Menu(0)->ListaCondicoes->GetItem(0)->GetStrCondicao()) +
                           QStringLiteral("</td>"));
  ASSERT_GE(c1, 3);
  EXPECT_EQ(p[c1 - 1], kS20);
  EXPECT_EQ(p.mid(c1 + 4, 3), QStringList({kR, kL, kP20}));  // second condition
  EXPECT_EQ(p.filter(QStringLiteral(">Condições</td>")).size(), 1);

  // Prompt with its catalogue description.
  auto m = std::make_unique<TMUDescricaoMensagem>(QStringLiteral("bemvindo"));
  m->Descricao = QStringLiteral("Boas-vindas");
  MenuUraInfoAuxiliar.ListaDeMensagens.Add(std::move(m));
  const QStringList p2 = LinhasDoMenu(Pagina(), QStringLiteral("Principal"));
  EXPECT_TRUE(
      p2.contains(QStringLiteral("    <td class=\"bordaEsquerda bordaSuperior bordaDireita\" colspan=\"3\" "
                                 "align=\"left\" height=\"21\">Boas-vindas</td>")));

  const QString opcao = QStringLiteral(
      "    <td class=\"bordaEsquerda bordaEsquerda bordaSuperior\" width=160 align=\"left\" height=\"21\">");
  const QString acao =
      kA + QStringLiteral("Vai para o menu: <a href=\"#Fim menu\">Fim menu</a>; Encerra a chamada</td>");
  const int o1 = p.indexOf(opcao + QStringLiteral("1</td>"));
  const int o2 = p.indexOf(opcao + QStringLiteral("2</td>"));
  ASSERT_GE(o1, 0);
  ASSERT_GE(o2, 0);
  EXPECT_EQ(p[o1 - 1], kS20);
  EXPECT_EQ(p[o2 - 1], kP20);
  EXPECT_EQ(p[o1 + 2], acao);
  EXPECT_EQ(p[o2 + 2], acao);
  EXPECT_EQ(p.filter(QStringLiteral(">Ação após 2 tentativas</td>")).size(), 1);
  EXPECT_EQ(p.filter(QStringLiteral(">Ação após 4 tentativas</td>")).size(), 1);
  EXPECT_EQ(p.filter(QStringLiteral("height=\"21\">Timeout</td>")).size(), 1);
  EXPECT_EQ(p.filter(QStringLiteral("height=\"21\">Final</td>")).size(), 1);

  // The link target is the id of a row of the page.
  EXPECT_TRUE(Pagina().contains(QStringLiteral("  <tr id=\"Fim menu\" bgcolor=\"#B0E0E6\">")));
}

TEST_F(RelatorioTest, LinkCell) {
  EXPECT_EQ(GetStrLinkAcao(nullptr), QString());
  TMUListaAcao lista(&Dac);
  auto vai = std::make_unique<TMUAcao>(&Dac, QStringLiteral("VAIPARA"));
  vai->ValorMenu = QStringLiteral("A&B");
  vai->Variavel = QStringLiteral("2");
  const QString alvo = EscapaMarkup(vai->GetStrAcaoVaiPara());
  lista.Add(std::move(vai));
  lista.Add(std::make_unique<TMUAcao>(&Dac, QStringLiteral("XYZ")));  // no description, still a part
  auto disca = std::make_unique<TMUAcao>(&Dac, QStringLiteral("DISCA"));
  disca->ValorNumero = QStringLiteral("<100>");
  lista.Add(std::move(disca));
  EXPECT_EQ(GetStrLinkAcao(&lista), QStringLiteral("Vai para o menu: <a href=\"#A&amp;B\">") + alvo +
                                        QStringLiteral("</a>; ; Transfere para: &lt;100&gt;"));
}

TEST_F(RelatorioTest, DocumentTextsAreEscaped) {
  const QString mau = QStringLiteral("x\" onmouseover=\"alert(1)\"><script>alert('&')</script>");
  const QString esc =
      QStringLiteral("x&quot; onmouseover=&quot;alert(1)&quot;&gt;&lt;script&gt;alert('&amp;')&lt;/script&gt;");
  Dac.Nome = mau;
  Dac.Descricao = mau;
  Dac.MenuInicial = mau;
  Dac.CriadoEm = -1;  // "<ERROR>"
  Dac.CriadoPor = mau;
  Dac.ModificadoPor = mau;
  Dac.AtivadoPor = mau;
  Menu(1)->Nome = mau;
  Menu(1)->Descricao = mau;
  Menu(1)->Final->Mensagem->AddMensagemChat(mau);
  auto vai = std::make_unique<TMUAcao>(&Dac, QStringLiteral("VAIPARA"));
  vai->ValorMenu = mau;
  Menu(0)->Final->ListaAcao->Add(std::move(vai));
  Menu(0)->ListaOpcoes->GetItem(0)->SetValor(QStringLiteral("<1>"));

  const QStringList h = Pagina();
  const QString texto = h.join(u'\n');
  EXPECT_FALSE(texto.contains(QStringLiteral("<script")));
  EXPECT_FALSE(texto.contains(QStringLiteral("\" onmouseover")));
  EXPECT_FALSE(texto.contains(QStringLiteral("<ERROR>")));
  EXPECT_TRUE(texto.contains(QStringLiteral(":&nbsp;&lt;ERROR&gt;</td>")));
  EXPECT_TRUE(texto.contains(QStringLiteral(":&nbsp;") + esc + QStringLiteral("</td>")));
  EXPECT_TRUE(texto.contains(QStringLiteral("height=\"21\">&lt;1&gt;</td>")));
  // The anchor and the link are escaped alike, so the link still reaches it.
  EXPECT_TRUE(h.contains(QStringLiteral("  <tr id=\"") + esc + QStringLiteral("\" bgcolor=\"#B0E0E6\">")));
  EXPECT_TRUE(
      texto.contains(QStringLiteral("<a href=\"#") + esc + QStringLiteral("\">") + esc + QStringLiteral("</a>")));
  EXPECT_FALSE(LinhasDoMenu(h, esc).isEmpty());
}

TEST_F(RelatorioTest, ChatTextsKeepTheirLineBreaks) {
  Dac.TipoUra = QStringLiteral("chat");
  Menu(1)->MensagemMenu->AddMensagemChat(QStringLiteral("Olá! 😀\nBem-vindo & <b>"));
  Menu(1)->MensagemMenu->AddMensagemChat(QStringLiteral("Segundo\r\ntexto"));
  auto envia = std::make_unique<TMUAcao>(&Dac, QStringLiteral("MENSAGEM"));
  envia->SetValor(QStringLiteral("l1\nl2 \"x\""));
  Menu(1)->Final->ListaAcao->Add(std::move(envia));

  const QStringList h = LinhasDoMenu(Pagina(), QStringLiteral("Fim menu"));
  const QString prompt = QStringLiteral("Olá! 😀<br>Bem-vindo &amp; &lt;b&gt;↩Segundo<br>texto</td>");
  EXPECT_EQ(h.filter(prompt).size(), 1) << h.join(u'\n').toStdString();
  EXPECT_TRUE(h.contains(kA + QStringLiteral("Mensagem(&quot;l1<br>l2 &quot;x&quot;&quot;)</td>")));

  // In the file, what the code page lacks becomes a character reference.
  QTemporaryDir dir;
  const QString caminho = dir.filePath(QStringLiteral("r.html"));
  ASSERT_TRUE(GravaRelatorio(h, caminho));
  EXPECT_TRUE(
      LeArquivo(caminho).contains("Ol\xE1! &#x1F600;<br>Bem-vindo &amp; &lt;b&gt;&#x21A9;Segundo<br>texto</td>"));

  // A voice URA's message action is a list of audio files, not a chat text.
  Dac.TipoUra.clear();
  EXPECT_FALSE(Pagina().join(u'\n').contains(QStringLiteral("l1<br>")));
}

// The example documents' pages, byte for byte: the voice page is all in the
// code page, the chat page holds emoji and multi-line texts.
TEST(RelatorioExemplosTest, PagesOfTheExamples) {
  TInfoAuxiliarLimpa info;
  TXMLDac xml;
  TXMLDocument doc;
  for (const char* catalogo : {"mensagens.xml", "mensagenschat.xml"})
    ASSERT_TRUE(xml.LerXMLMensagens(doc, nullptr, QStringLiteral(URA_EXAMPLES_DIR "/mensagens/") + catalogo));
  QTemporaryDir dir;
  for (const QString& nome : {QStringLiteral("atendimento-voz"), QStringLiteral("atendimento-chat")}) {
    SCOPED_TRACE(nome.toStdString());
    TDAC dac;
    ASSERT_TRUE(xml.LerXML(doc, &dac, QStringLiteral(URA_EXAMPLES_DIR "/") + nome + QStringLiteral(".xml")));
    const QByteArray esperada =
        LeArquivo(QStringLiteral(URA_DADOS_TESTE "/relatorio-") + nome + QStringLiteral(".html"));
    const QDateTime emissao(QDate(2024, 3, 5), QTime(14, 7));
    // Through the list of lines and straight to the file: the same bytes.
    const QString caminho = dir.filePath(nome + QStringLiteral(".html"));
    ASSERT_TRUE(GravaRelatorio(MontaHTML(dac, false, emissao), caminho));
    EXPECT_EQ(LeArquivo(caminho), esperada);
    ASSERT_TRUE(GravaHTML(dac, false, emissao, caminho));
    EXPECT_EQ(LeArquivo(caminho), esperada);
  }
}

TEST(GravaRelatorioTest, CharactersOutsideTheCodePageAsReferences) {
  const std::pair<QString, QByteArray> casos[] = {
      {QStringLiteral("Olá! 😀"), "Ol\xE1! &#x1F600;"},     {QStringLiteral("中文"), "&#x4E2D;&#x6587;"},
      {QStringLiteral("Ā→"), "&#x0100;&#x2192;"},          {QStringLiteral("€ ç ? & ‰"), "\x80 \xE7 ? & \x89"},
      {QStringLiteral("a") + QChar(0xD83D) + u'b', "a?b"},  // half a pair stands for no character
      {QString(QChar(0xDE00)) + QChar(0xD83D), "??"},
  };
  QTemporaryDir dir;
  const QString caminho = dir.filePath(QStringLiteral("r.html"));
  for (const auto& [linha, bytes] : casos) {
    ASSERT_TRUE(GravaRelatorio({linha, linha}, caminho));
    EXPECT_EQ(LeArquivo(caminho), bytes + "\r\n" + bytes + "\r\n") << linha.toStdString();
  }
}

TEST(CaminhoRelatorioTest, StaysInsideTheTemporaryFolder) {
  const QString pasta = QStringLiteral("/tmp/rel");
  EXPECT_EQ(CaminhoRelatorio(pasta, QStringLiteral("URA 1")), QStringLiteral("/tmp/rel/URA 1.html"));
  EXPECT_EQ(CaminhoRelatorio(pasta + u'/', QStringLiteral("URA")), QStringLiteral("/tmp/rel/URA.html"));
  EXPECT_EQ(CaminhoRelatorio(pasta, QStringLiteral("../../etc/passwd")),
            QStringLiteral("/tmp/rel/______etc_passwd.html"));
  EXPECT_EQ(CaminhoRelatorio(pasta, QStringLiteral("a\\b:c*d?e\"f<g>h|i\tj") + QChar(1)),
            QStringLiteral("/tmp/rel/a_b_c_d_e_f_g_h_i_j_.html"));
  EXPECT_EQ(CaminhoRelatorio(pasta, QString()), QStringLiteral("/tmp/rel/_.html"));
  EXPECT_EQ(CaminhoRelatorio(pasta, QStringLiteral("..")), QStringLiteral("/tmp/rel/__.html"));
  EXPECT_EQ(CaminhoRelatorio(pasta, QStringLiteral("Ação.v2")), QStringLiteral("/tmp/rel/Ação.v2.html"));
  for (const QString& nome : {QStringLiteral(".."), QStringLiteral("../x"), QStringLiteral("..\\..\\x"),
                              QStringLiteral("/etc/x"), QStringLiteral("a/../../b"), QStringLiteral("...")}) {
    const QFileInfo info(CaminhoRelatorio(pasta, nome));
    EXPECT_EQ(QDir::cleanPath(info.absolutePath()), pasta) << nome.toStdString();
  }
}

TEST(GravaRelatorioTest, WritesCodePageWithCrLf) {
  QTemporaryDir dir;
  const QString caminho = dir.filePath(QStringLiteral("r.html"));
  ASSERT_TRUE(GravaRelatorio({QStringLiteral("ação €"), QString(), QStringLiteral("seta ↩ fim")}, caminho));
  EXPECT_EQ(LeArquivo(caminho), QByteArray("a\xE7\xE3o \x80\r\n\r\nseta &#x21A9; fim\r\n"));
  // A second report of the same name replaces the first.
  ASSERT_TRUE(GravaRelatorio({QStringLiteral("x")}, caminho));
  EXPECT_EQ(LeArquivo(caminho), QByteArray("x\r\n"));

  QString erro;
  EXPECT_FALSE(GravaRelatorio({QStringLiteral("x")}, dir.filePath(QStringLiteral("nao/existe.html")), &erro));
  EXPECT_FALSE(erro.isEmpty());
  EXPECT_FALSE(GravaRelatorio({QStringLiteral("x")}, dir.path()));  // a folder
}

}  // namespace
