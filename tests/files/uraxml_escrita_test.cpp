// Writing URA files: the exact line layout, each text form, the round trip
// through the reader, the scrambled header and the atomic save.
#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QStringEncoder>

#include <csignal>
#include <cstring>

#include "UTKRDACFuncoes.h"
#include "apoio.h"
#include "uraxml_apoio.h"

namespace {

using UraEscrita = UraXmlTeste;

TEST_F(UraEscrita, LayoutOfADocumentWithOneFinalAction) {
  TDAC dac;
  dac.Nome = QStringLiteral("U");
  dac.MenuInicial = QStringLiteral("M1");
  dac.TipoAtendimento = QStringLiteral("Answer");
  dac.VersaoXML = 2;
  auto m = std::make_unique<TMenuUra>(&dac, QStringLiteral("M1"));
  m->Final->ListaAcao->Add(std::make_unique<TMUAcao>(&dac, QStringLiteral("DESLIGA")));
  dac.ListaMenus->Add(std::move(m));

  EXPECT_EQ(Escreve(dac),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
            "<URA Nome=\"U\" Descricao=\"\" MenuInicial=\"M1\" TipoAtendimento=\"Answer\" TipoUra=\"\" "
            "VersaoXML=\"2\">\n"
            "  <Menu Nome=\"M1\">\n"
            "    <Descricao></Descricao>\n"
            "    <Final>\n"
            "      <Acao>\n"
            "        <Tipo>DESLIGA</Tipo>\n"
            "        <Valor></Valor>\n"
            "        <Variavel></Variavel>\n"
            "      </Acao>\n"
            "    </Final>\n"
            "  </Menu>\n"
            "  <URAConfig>\n"
            "    <PriMsgEhOpcao>0</PriMsgEhOpcao>\n"
            "  </URAConfig>\n"
            "</URA>");
}

TEST_F(UraEscrita, LayoutOfEveryElementAndTextForm) {
  TDAC dac;
  dac.TipoUra = QStringLiteral("chattdd");
  dac.Nome = QStringLiteral("a\"b");
  dac.PriMsgEhOpcao = true;
  auto m = std::make_unique<TMenuUra>(&dac, QStringLiteral("A&B"));
  m->Descricao = QStringLiteral("x < y é €");

  auto c = std::make_unique<TMUCondicao>(&dac);
  c->DiaIni = 0;
  c->AnoFim = 2025;
  c->SetStrHoraIni(QStringLiteral("8:05"));
  c->SetStrHoraFimPeriodo(QStringLiteral("23:59"));
  c->SetDiasSemana(QStringLiteral("1-5"));
  c->Feriados = true;
  c->ListaCondicaoVar->Tipo = 2;
  auto v = std::make_unique<TMUCondicaoVar>();
  v->Variavel = QStringLiteral("v<");
  v->Tipo = QStringLiteral("EQ");
  v->Valor = QStringLiteral("a€\n");
  c->ListaCondicaoVar->Add(std::move(v));
  c->Mensagem->AddArquivo(QStringLiteral("Mensagem(x&y)"));
  c->Mensagem->AddMensagemChat(QStringLiteral("l1\r\nl2 é € 😀 & \"q\""));
  auto a = std::make_unique<TMUAcao>(&dac, QStringLiteral("SETVAR"));
  a->SetValor(QStringLiteral("<v>"));
  a->Variavel = QStringLiteral("x&");
  c->ListaAcao->Add(std::move(a));
  m->ListaCondicoes->Add(std::move(c));
  auto semVars = std::make_unique<TMUCondicao>(&dac);  // Tipo 0: no Variaveis
  semVars->ListaCondicaoVar->Add(std::make_unique<TMUCondicaoVar>());
  m->ListaCondicoes->Add(std::move(semVars));

  m->SetTipoMenuOpcoesWA(QStringLiteral("BOTAOWA"));
  m->MenuOpcoesWA->Titulo->AddMensagemChat(QStringLiteral("t1"));
  m->MenuOpcoesWA->Titulo->AddMensagemChat(QStringLiteral("t2"));
  auto item = std::make_unique<TMUItemMenuOpcaoWA>(&dac);
  item->Resposta = QStringLiteral("ç€");
  item->Titulo->AddMensagemChat(QStringLiteral("Sim"));
  m->MenuOpcoesWA->ListaItensMenuOpcao->Add(std::move(item));

  for (int tipo = 1; tipo <= 3; ++tipo) {
    auto o = std::make_unique<TMUOpcao>(&dac, tipo, QStringLiteral("o%1€").arg(tipo));
    o->IgnorarCase = true;
    o->Contem = QStringLiteral("&");
    o->QtdeMaxOpcaoValida = -4;
    m->ListaOpcoes->Add(std::move(o));
  }
  m->OpcaoTimeout->Tentativas = 9;  // no message nor action, but not the default: written
  m->OpcaoInvalida->ListaAcao->Add(std::make_unique<TMUAcao>(&dac, QStringLiteral("OPCOES")));
  dac.ListaMenus->Add(std::move(m));

  const QStringList esperado = {
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>",
      "<URA Nome=\"a&quot;b\" Descricao=\"\" MenuInicial=\"\" TipoAtendimento=\"\" TipoUra=\"chattdd\" "
      "VersaoXML=\"0\">",
      "  <Menu Nome=\"A&amp;B\">",
      "    <Descricao>x &lt; y é €</Descricao>",
      "    <Condicoes>",
      "      <Condicao>",
      "        <DiaIni>0</DiaIni>",
      "        <HoraIni>08:05</HoraIni>",
      "        <AnoFim>2025</AnoFim>",
      "        <HoraFimPeriodo>23:59</HoraFimPeriodo>",
      "        <DiasSemana>1-5</DiasSemana>",
      "        <Feriados>1</Feriados>",
      "        <Variaveis Tipo=\"OR\">",
      "          <Variavel>",
      "            <Nome>v&lt;</Nome>",
      "            <TipoCmp>EQ</TipoCmp>",
      "            <Valor>a&#x20AC;&#xA;</Valor>",
      "          </Variavel>",
      "        </Variaveis>",
      "        <Mensagem>",
      "          <Arquivo>{x&amp;y}</Arquivo>",
      "        </Mensagem>",
      "        <Mensagem>",
      "          <MensagemChat>l1&#xA;l2 é &#x20AC; &#x1F600; &amp; &quot;q&quot;</MensagemChat>",
      "        </Mensagem>",
      "        <Acao>",
      "          <Tipo>SETVAR</Tipo>",
      "          <Valor>&lt;v&gt;</Valor>",
      "          <Variavel>x&amp;</Variavel>",
      "        </Acao>",
      "      </Condicao>",
      "      <Condicao>",
      "      </Condicao>",
      "    </Condicoes>",
      "    <OpcoesMenu>",
      "      <Tipo>BOTAOWA</Tipo>",
      "      <MenuWA>",
      "        <Titulo>t1</Titulo>",
      "        <Texto>",
      "        </Texto>",
      "        <Rodape></Rodape>",
      "        <TituloOpc></TituloOpc>",
      "        <Itens>",
      "          <Item>",
      "            <Opcao>Sim</Opcao>",
      "            <Descricao></Descricao>",
      "            <Resposta>ç&#x20AC;</Resposta>",
      "          </Item>",
      "        </Itens>",
      "      </MenuWA>",
      "      <Opcoes>",
      "        <Opcao>",
      "          <Valor>o1&#x20AC;</Valor>",
      "          <Tipo>1</Tipo>",
      "        </Opcao>",
      "        <Opcao>",
      "          <Valor>o2&#x20AC;</Valor>",
      "          <Tipo>2</Tipo>",
      "          <IgnoraCase>1</IgnoraCase>",
      "        </Opcao>",
      "        <Opcao>",
      "          <Valor>o3&#x20AC;</Valor>",
      "          <Tipo>3</Tipo>",
      "          <IgnoraCase>1</IgnoraCase>",
      "          <ComecaCom></ComecaCom>",
      "          <Contem>&amp;</Contem>",
      "          <TerminaCom></TerminaCom>",
      "          <TamMin>0</TamMin>",
      "          <TamMax>-4</TamMax>",
      "          <ValorAdicional></ValorAdicional>",
      "        </Opcao>",
      "      </Opcoes>",
      "      <OpcaoInvalida>",
      "        <Acao>",
      "          <Tipo>OPCOES</Tipo>",
      "          <Valor></Valor>",
      "          <Variavel></Variavel>",
      "        </Acao>",
      "        <Tentativas>3</Tentativas>",
      "      </OpcaoInvalida>",
      "      <Timeout>",
      "        <Tentativas>9</Tentativas>",
      "        <Tempo>300</Tempo>",
      "      </Timeout>",
      "    </OpcoesMenu>",
      "  </Menu>",
      "  <URAConfig>",
      "    <PriMsgEhOpcao>1</PriMsgEhOpcao>",
      "  </URAConfig>",
      "</URA>",
  };
  QStringList linhas;
  Xml.DACToXMLStringList(&dac, linhas);
  EXPECT_EQ(Linhas(linhas), Linhas(esperado));

  // A "chat" document has no URAConfig; the list is emptied first.
  dac.TipoUra = QStringLiteral("chat");
  Xml.DACToXMLStringList(&dac, linhas);
  EXPECT_EQ(linhas.size(), esperado.size() - 3);
  EXPECT_EQ(linhas.last(), "</URA>");
  EXPECT_FALSE(linhas.join(u'\n').contains(QStringLiteral("URAConfig")));
}

TEST_F(UraEscrita, RichDocumentsReadBackWhole) {
  for (const QString& tipo : {QString(), QStringLiteral("chat")}) {
    TDAC original;
    MontaDacRico(original, tipo);
    TDAC lido;
    ASSERT_TRUE(Ler(Escreve(original), lido));
    EXPECT_EQ(Linhas(ConteudoCompleto(lido)), Linhas(ConteudoCompleto(original))) << tipo.toStdString();
    // The audio entries and chat texts of one message come back together.
    const TMUMensagem& msg = *lido.ListaMenus->GetItem(0)->ListaCondicoes->GetItem(0)->Mensagem;
    EXPECT_EQ(msg.ArquivosCount(), 2);
    EXPECT_EQ(msg.GetMensagemChat(0, QStringLiteral("|")), "Olá|mundo 😀");
  }
}

TEST_F(UraEscrita, DocumentedLossesOfTheRoundTrip) {
  TDAC dac;
  dac.TipoUra = QStringLiteral("chat");
  dac.PriMsgEhOpcao = true;
  dac.AtivadoPor = QStringLiteral("x");
  auto m = std::make_unique<TMenuUra>(&dac, QStringLiteral("M"));
  m->OpcaoInvalida->Tentativas = 8;  // no options: the section is not written
  m->OpcaoInvalida->ListaAcao->Add(std::make_unique<TMUAcao>(&dac, QStringLiteral("FINAL")));
  m->OpcaoTimeout->Tentativas = 8;
  m->Final->Mensagem->AddMensagemChat(QStringLiteral("a\r\nb\rc"));
  m->SetTipoMenuOpcoesWA(QStringLiteral("LISTAWA"));
  m->MenuOpcoesWA->Rodape->AddMensagemChat(QStringLiteral("r1"));
  m->MenuOpcoesWA->Rodape->AddMensagemChat(QStringLiteral("r2"));
  dac.ListaMenus->Add(std::move(m));

  TDAC lido;
  ASSERT_TRUE(Ler(Escreve(dac), lido));
  const TMenuUra& l = *lido.ListaMenus->GetItem(0);
  EXPECT_FALSE(lido.PriMsgEhOpcao);
  EXPECT_TRUE(lido.AtivadoPor.isEmpty());
  EXPECT_EQ(l.OpcaoInvalida->Tentativas, 3);
  EXPECT_EQ(l.OpcaoInvalida->ListaAcao->Count(), 0);
  EXPECT_EQ(l.OpcaoTimeout->Tentativas, 3);
  EXPECT_EQ(l.OpcaoTimeout->Tempo, 300);  // a chat menu's default
  EXPECT_EQ(l.Final->Mensagem->GetMensagemChat(0, {}), "a&#xA;bc");
  EXPECT_EQ(l.MenuOpcoesWA->Rodape->MensagensChatCount(), 1);
}

TEST_F(UraEscrita, FallbackValuesWithoutMessageOrActionReadBack) {
  struct Caso {
    const char* TipoUra;
    qint32 Invalida, Tentativas, Tempo;
    bool ComInvalida, ComTimeout;  // the elements written
  };
  const Caso casos[] = {
      {"chat", 2, 2, 120, true, true},      // attempts and time of a section with nothing else
      {"chat", 3, 3, 300, false, false},    // a new chat menu's values: nothing written
      {"chat", 3, 3, 5, false, true},       // a voice menu's time is no chat default
      {"chattdd", 3, 4, 300, false, true},  // timeout attempts alone
      {"", 3, 3, 5, false, false},          // a new voice menu's values
      {"", 3, 3, 300, false, true},        {"", 0, 3, 5, true, false},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(testing::Message() << c.TipoUra << " " << c.Invalida << " " << c.Tentativas << " " << c.Tempo);
    TDAC dac;
    dac.TipoUra = QString::fromLatin1(c.TipoUra);
    auto m = std::make_unique<TMenuUra>(&dac, QStringLiteral("M"));
    m->ListaOpcoes->Add(std::make_unique<TMUOpcao>(&dac, QStringLiteral("1")));
    m->OpcaoInvalida->Tentativas = c.Invalida;
    m->OpcaoTimeout->Tentativas = c.Tentativas;
    m->OpcaoTimeout->Tempo = c.Tempo;
    dac.ListaMenus->Add(std::move(m));

    const QString texto = Escreve(dac);
    EXPECT_EQ(texto.contains(QStringLiteral("<OpcaoInvalida>")), c.ComInvalida);
    EXPECT_EQ(texto.contains(QStringLiteral("<Timeout>")), c.ComTimeout);
    TDAC lido;
    ASSERT_TRUE(Ler(texto, lido));
    const TMenuUra& l = *lido.ListaMenus->GetItem(0);
    EXPECT_EQ(l.OpcaoInvalida->Tentativas, c.Invalida);
    EXPECT_EQ(l.OpcaoTimeout->Tentativas, c.Tentativas);
    EXPECT_EQ(l.OpcaoTimeout->Tempo, c.Tempo);
    EXPECT_EQ(Escreve(lido), texto);  // a file read and saved again is unchanged
  }
}

TEST_F(UraEscrita, ScrambledHeaderRoundTripAndTamperedValue) {
  TDAC dac;
  MontaDacRico(dac, QString());
  dac.RORIRO = true;
  dac.Novo = true;
  const double agora = StrToDataHora(QStringLiteral("15/03/2023 12:34"));
  const QString a1 = Caminho(QStringLiteral("a1.xml")), a2 = Caminho(QStringLiteral("a2.xml"));
  ASSERT_TRUE(SalvaDAC(&dac, a1, QStringLiteral("maria"), agora));
  ASSERT_TRUE(SalvaDAC(&dac, a2, QStringLiteral("maria"), agora));
  const QByteArray d1 = LeArquivo(a1), d2 = LeArquivo(a2);
  const qsizetype h1 = d1.indexOf("<URAHeaderC>"), h2 = d2.indexOf("<URAHeaderC>");
  ASSERT_GT(h1, 0);
  EXPECT_EQ(d1.left(h1), d2.left(h2));  // everything before the header is equal
  EXPECT_NE(d1.mid(h1), d2.mid(h2));
  EXPECT_FALSE(d1.contains("maria"));
  EXPECT_FALSE(d1.contains("<URAHeader>"));

  for (const QString& arq : {a1, a2}) {
    TDAC lido;
    lido.RORIRO = true;  // set by the caller in local mode
    lido.AtivadoPor = QStringLiteral("velho");
    ASSERT_TRUE(Xml.LerXML(Doc, &lido, arq));
    EXPECT_EQ(lido.GetCriadoEmStr(), "15/03/2023 12:34");
    EXPECT_EQ(lido.GetModificadoEmStr(), "15/03/2023 12:34");
    EXPECT_EQ(lido.CriadoPor, "maria");
    EXPECT_EQ(lido.ModificadoPor, "maria");
    EXPECT_TRUE(lido.AtivadoPor.isEmpty());
    EXPECT_EQ(Linhas(ConteudoCompleto(lido)), Linhas(ConteudoCompleto(dac)));
  }

  // Change one digit of CriadoPor and of ModificadoEm: their checksums no
  // longer match.
  QByteArray alterado = d1;
  for (const char* tag : {"<CriadoPor>", "<ModificadoEm>"}) {
    const qsizetype p = alterado.indexOf(tag) + qsizetype(std::strlen(tag)) + 8;
    alterado[p] = alterado[p] == '0' ? '1' : '0';
  }
  const QString a3 = Caminho(QStringLiteral("a3.xml"));
  ASSERT_TRUE(GravaArquivo(a3, alterado));
  TDAC lido;
  ASSERT_TRUE(Xml.LerXML(Doc, &lido, a3));
  EXPECT_EQ(lido.CriadoPor, "<ERROR>");
  EXPECT_EQ(lido.GetModificadoEmStr(), "<ERROR>");
  EXPECT_EQ(lido.GetCriadoEmStr(), "15/03/2023 12:34");
  EXPECT_EQ(lido.ModificadoPor, "maria");

  // A missing scrambled field reads as an error too.
  TDAC semCampo;
  ASSERT_TRUE(
      Ler(ArquivoUra(QStringLiteral("<URAHeaderC><CriadoPor>") + CriptografaSenha(77, 20, QStringLiteral("ana")) +
                     QStringLiteral("</CriadoPor></URAHeaderC>")),
          semCampo));
  EXPECT_EQ(semCampo.CriadoPor, "ana");
  EXPECT_EQ(semCampo.GetCriadoEmStr(), "<ERROR>");
  EXPECT_EQ(semCampo.ModificadoPor, "<ERROR>");
}

TEST_F(UraEscrita, SalvaDACStampsOnlyLocalServiceDocuments) {
  const double t1 = StrToDataHora(QStringLiteral("01/02/2024 10:00"));
  const double t2 = StrToDataHora(QStringLiteral("02/02/2024 11:00"));
  TDAC dac;
  dac.RORIRO = true;
  dac.Novo = false;
  dac.CriadoEm = t1;
  dac.CriadoPor = QStringLiteral("ana");
  ASSERT_TRUE(SalvaDAC(&dac, Caminho(QStringLiteral("r.xml")), QStringLiteral("rui"), t2));
  EXPECT_EQ(dac.CriadoEm, t1);
  EXPECT_EQ(dac.CriadoPor, "ana");
  EXPECT_EQ(dac.ModificadoEm, t2);
  EXPECT_EQ(dac.ModificadoPor, "rui");

  TDAC servidor;
  ASSERT_TRUE(SalvaDAC(&servidor, Caminho(QStringLiteral("s.xml")), QStringLiteral("rui"), t2));
  EXPECT_EQ(servidor.ModificadoEm, 0);
  EXPECT_TRUE(servidor.ModificadoPor.isEmpty());
  EXPECT_FALSE(LeArquivo(Caminho(QStringLiteral("s.xml"))).contains("URAHeaderC"));
}

// Texts that test every escape: markup, blanks and breaks of every kind,
// characters beyond Latin-1 and beyond the BMP, and halves of pairs.
void MontaDacEstranho(TDAC& Dac) {
  const QString estranho = QStringLiteral("a\tb\r\nc\rd\"<&>' é€😀") + QChar(0xD800) + u'|' + QChar(0xDC00);
  Dac.Nome = estranho;
  Dac.Descricao = estranho;
  Dac.MenuInicial = estranho;
  Dac.TipoAtendimento = estranho;
  Dac.VersaoXML = -7;
  auto m = std::make_unique<TMenuUra>(&Dac, estranho);
  m->Descricao = estranho;
  m->MensagemMenu->AddArquivo(estranho);
  m->MensagemMenu->AddMensagemChat(estranho);
  auto c = std::make_unique<TMUCondicao>(&Dac);
  c->SetDiasSemana(QStringLiteral("1,3-5"));
  c->ListaCondicaoVar->Tipo = 1;
  auto v = std::make_unique<TMUCondicaoVar>();
  v->Variavel = estranho;
  v->Tipo = estranho;
  v->Valor = estranho;
  c->ListaCondicaoVar->Add(std::move(v));
  m->ListaCondicoes->Add(std::move(c));
  auto o = std::make_unique<TMUOpcao>(&Dac, 3, estranho);
  o->ComecaCom = estranho;
  o->TextoAlfaAdicional = estranho;
  o->QtdeMinOpcaoValida = -2147483647 - 1;
  auto a = std::make_unique<TMUAcao>(&Dac, estranho);
  a->SetValor(estranho);
  a->Variavel = estranho;
  o->ListaAcao->Add(std::move(a));
  m->ListaOpcoes->Add(std::move(o));
  m->SetTipoMenuOpcoesWA(estranho);
  m->MenuOpcoesWA->Titulo->AddMensagemChat(estranho);
  auto item = std::make_unique<TMUItemMenuOpcaoWA>(&Dac);
  item->Resposta = estranho;
  m->MenuOpcoesWA->ListaItensMenuOpcao->Add(std::move(item));
  m->OpcaoTimeout->Tempo = 2147483647;
  Dac.ListaMenus->Add(std::move(m));
}

// Whole files byte for byte, as saved and as lines.
TEST_F(UraEscrita, SavedFilesByteForByte) {
  for (const char* nome : {"voz", "chat", "chattdd", "estranho"}) {
    SCOPED_TRACE(nome);
    TDAC dac;
    if (std::strcmp(nome, "estranho") == 0)
      MontaDacEstranho(dac);
    else
      MontaDacRico(dac, std::strcmp(nome, "voz") == 0 ? QString() : QString::fromLatin1(nome));
    const QString arquivo = QStringLiteral("escrita-%1.xml").arg(QLatin1String(nome));
    ASSERT_TRUE(SalvaDAC(&dac, Caminho(arquivo), QString(), 0));
    const QByteArray esperado = LeArquivo(QStringLiteral(URA_DADOS_TESTE "/") + arquivo);
    EXPECT_EQ(LeArquivo(Caminho(arquivo)), esperado);
    QStringList linhas;
    Xml.DACToXMLStringList(&dac, linhas);
    QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    EXPECT_EQ(QByteArray(utf8(linhas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))), esperado);
  }
}

TEST_F(UraEscrita, SavedFileIsUtf8WithCrLfAfterEveryLine) {
  TDAC dac;
  MontaDacRico(dac, QString());
  const QString arq = Caminho(QStringLiteral("u.xml"));
  ASSERT_TRUE(SalvaDAC(&dac, arq, QStringLiteral("u"), 1));
  const QByteArray dados = LeArquivo(arq);
  EXPECT_TRUE(dados.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"));
  EXPECT_TRUE(dados.endsWith("</URA>\r\n"));
  QStringList linhas;
  Xml.DACToXMLStringList(&dac, linhas);
  EXPECT_EQ(dados.count("\r\n"), linhas.size());
  EXPECT_EQ(dados.count('\n'), linhas.size());
  EXPECT_EQ(dados.count('\r'), linhas.size());
  EXPECT_TRUE(dados.contains("<Descricao>Entrada: a\xC3\xA7\xC3\xA3o \xE2\x82\xAC \xF0\x9F\x98\x80<"));
}

TEST_F(UraEscrita, FailedSaveKeepsTheOldFile) {
  QStringList linhas = {QStringLiteral("novo")};
  QString erro;

  // The parent of the target is a file.
  const QString arquivo = Caminho(QStringLiteral("pai"));
  ASSERT_TRUE(GravaArquivo(arquivo, "conteudo"));
  EXPECT_FALSE(SalvaLinhas(linhas, arquivo + QStringLiteral("/filho.xml"), &erro));
  EXPECT_FALSE(erro.isEmpty());
  EXPECT_EQ(LeArquivo(arquivo), "conteudo");

  // The target is a folder: nothing may replace it.
  const QString pasta = Caminho(QStringLiteral("pasta"));
  ASSERT_TRUE(QDir().mkpath(pasta + QStringLiteral("/dentro")));
  erro.clear();
  EXPECT_FALSE(SalvaLinhas(linhas, pasta, &erro));
  EXPECT_FALSE(erro.isEmpty());
  EXPECT_TRUE(QDir(pasta + QStringLiteral("/dentro")).exists());
}

// The write itself fails (a file size limit stands in for a full disk; it
// binds root too): the old file stays as it was.
TEST_F(UraEscrita, FailedWriteKeepsTheOldFile) {
  const QString antigo = Caminho(QStringLiteral("u.xml"));
  ASSERT_TRUE(GravaArquivo(antigo, "antigo\r\n"));
  rlimit antes{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &antes), 0);
  const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limite = antes;
  limite.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
  QString erro;
  const bool gravou = SalvaLinhas(QStringList(2000, QStringLiteral("novo conteúdo")), antigo, &erro);
  setrlimit(RLIMIT_FSIZE, &antes);
  std::signal(SIGXFSZ, sinal);
  EXPECT_FALSE(gravou);
  EXPECT_FALSE(erro.isEmpty());
  EXPECT_EQ(LeArquivo(antigo), "antigo\r\n");
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("u.xml")});
}

}  // namespace
