// Reading URA files: defaults, the rules of each element, the lookup lists
// the reader refreshes, and every way a file can fail.
#include <QFile>
#include <QRandomGenerator>

#include "infoauxiliar.h"
#include "uraxml_apoio.h"

namespace {

using UraLeitura = UraXmlTeste;

TListaTextoOrdenada& Variaveis() { return MenuUraInfoAuxiliar.ListaDeVariaveis; }
TListaTextoOrdenada& PlayList() { return MenuUraInfoAuxiliar.ListaDePlayList; }

TEST_F(UraLeitura, MinimalFileGivesEmptyDocumentAndRoriroHeaderErrors) {
  const QString minimo = ArquivoUra(QString());
  TDAC dac;
  ASSERT_TRUE(Ler(minimo, dac));
  EXPECT_EQ(dac.ListaMenus->Count(), 0);
  EXPECT_TRUE(dac.Nome.isEmpty() && dac.Descricao.isEmpty() && dac.MenuInicial.isEmpty());
  EXPECT_TRUE(dac.TipoUra.isEmpty() && dac.TipoAtendimento.isEmpty());
  EXPECT_EQ(dac.VersaoXML, 0);
  EXPECT_FALSE(dac.PriMsgEhOpcao);
  EXPECT_EQ(dac.CriadoEm, 0);
  EXPECT_EQ(dac.ModificadoEm, 0);
  EXPECT_TRUE(dac.CriadoPor.isEmpty() && dac.ModificadoPor.isEmpty());

  TDAC local;
  local.RORIRO = true;
  local.AtivadoPor = QStringLiteral("kept");
  ASSERT_TRUE(Ler(minimo, local));
  EXPECT_EQ(local.GetCriadoEmStr(), "<ERROR>");
  EXPECT_EQ(local.GetModificadoEmStr(), "<ERROR>");
  EXPECT_EQ(local.CriadoPor, "<ERROR>");
  EXPECT_EQ(local.ModificadoPor, "<ERROR>");
  EXPECT_EQ(local.AtivadoPor, "kept");
}

TEST_F(UraLeitura, RootAttributesAndPlainHeader) {
  TDAC dac;
  ASSERT_TRUE(Ler(ArquivoUra(QStringLiteral("<URAHeader><CriadoEm>15/03/2023 12:00</CriadoEm>"
                                            "<CriadoPor>ana</CriadoPor><AtivadoEm>x</AtivadoEm>"
                                            "<AtivadoPor>rui</AtivadoPor></URAHeader>"
                                            "<URAConfig><PriMsgEhOpcao>1</PriMsgEhOpcao></URAConfig>"),
                             QStringLiteral(" Nome=\"A&amp;B\" MenuInicial=\"M\" TipoUra=\"CHAT\" "
                                            "TipoAtendimento=\"Progress\" VersaoXML=\"x2\"")),
                  dac));
  EXPECT_EQ(dac.Nome, "A&B");
  EXPECT_EQ(dac.MenuInicial, "M");
  EXPECT_EQ(dac.TipoUra, "chat");
  EXPECT_EQ(dac.TipoAtendimento, "Progress");
  EXPECT_EQ(dac.VersaoXML, 0);
  EXPECT_TRUE(dac.PriMsgEhOpcao);
  EXPECT_EQ(dac.GetCriadoEmStr(), "15/03/2023 12:00");
  EXPECT_EQ(dac.CriadoPor, "ana");
  EXPECT_EQ(dac.AtivadoEm, 0);
  EXPECT_EQ(dac.AtivadoPor, "rui");
  EXPECT_TRUE(dac.ModificadoPor.isEmpty());
}

TEST_F(UraLeitura, OtherRootIsRejectedAndNothingChanges) {
  TDAC dac;
  dac.Nome = QStringLiteral("antes");
  dac.ListaMenus->Add(std::make_unique<TMenuUra>(&dac, QStringLiteral("M1")));
  Variaveis().Add(QStringLiteral("v"));
  const QString xml = QStringLiteral("<?xml version=\"1.0\"?><ura Nome=\"x\"><Menu Nome=\"y\"/></ura>");
  EXPECT_FALSE(Ler(xml, dac));
  EXPECT_EQ(dac.Nome, "antes");
  ASSERT_EQ(dac.ListaMenus->Count(), 1);
  EXPECT_EQ(dac.ListaMenus->GetItem(0)->Nome, "M1");
  EXPECT_EQ(Variaveis().Count(), 1);
}

TEST_F(UraLeitura, ChatTddUpperCasesSectionTextsButNotListMenus) {
  const QString corpo = QStringLiteral(
      "<Menu Nome=\"M\"><Condicoes><Condicao><Mensagem><MensagemChat>ação c</MensagemChat></Mensagem>"
      "</Condicao></Condicoes>"
      "<OpcoesMenu><Mensagem><MensagemChat>menu&#xA;x</MensagemChat></Mensagem><Tipo>BOTAOWA</Tipo>"
      "<MenuWA><Titulo>título</Titulo><Texto><MensagemChat>texto</MensagemChat></Texto>"
      "<Itens><Item><Opcao>sim</Opcao><Descricao>desc</Descricao><Resposta>r</Resposta></Item></Itens></MenuWA>"
      "<Opcoes><Opcao><Valor>1</Valor><Mensagem><MensagemChat>opção</MensagemChat></Mensagem></Opcao></Opcoes>"
      "<OpcaoInvalida><Mensagem><MensagemChat>inv</MensagemChat></Mensagem></OpcaoInvalida></OpcoesMenu>"
      "<Final><Mensagem><MensagemChat>fim</MensagemChat></Mensagem></Final></Menu>");
  TDAC dac;
  ASSERT_TRUE(Ler(ArquivoUra(corpo, QStringLiteral(" TipoUra=\"ChatTDD\"")), dac));
  EXPECT_EQ(dac.TipoUra, "chattdd");
  const TMenuUra& m = *dac.ListaMenus->GetItem(0);
  EXPECT_EQ(m.ListaCondicoes->GetItem(0)->Mensagem->GetMensagemChat(0, {}), "AçãO C");
  EXPECT_EQ(m.MensagemMenu->GetMensagemChat(0, {}), "MENU&#xA;X");
  EXPECT_EQ(m.ListaOpcoes->GetItem(0)->Mensagem->GetMensagemChat(0, {}), "OPçãO");
  EXPECT_EQ(m.OpcaoInvalida->Mensagem->GetMensagemChat(0, {}), "INV");
  EXPECT_EQ(m.Final->Mensagem->GetMensagemChat(0, {}), "FIM");
  EXPECT_EQ(m.MenuOpcoesWA->Titulo->GetMensagemChat(0, {}), "título");
  EXPECT_EQ(m.MenuOpcoesWA->Texto->GetMensagemChat(0, {}), "texto");
  const TMUItemMenuOpcaoWA& item = *m.MenuOpcoesWA->ListaItensMenuOpcao->GetItem(0);
  EXPECT_EQ(item.Titulo->GetMensagemChat(0, {}), "sim");
  EXPECT_EQ(item.Descricao->GetMensagemChat(0, {}), "desc");
  EXPECT_EQ(item.Resposta, "r");
  // Section texts go to the TDD list, list-menu texts to the ordinary one.
  EXPECT_GE(MenuUraInfoAuxiliar.ListaDeMensagensChatTDD.IndexOf(QStringLiteral("MENU&#xA;X")), 0);
  EXPECT_LT(MenuUraInfoAuxiliar.ListaDeMensagensChat.IndexOf(QStringLiteral("MENU&#xA;X")), 0);
  EXPECT_GE(MenuUraInfoAuxiliar.ListaDeMensagensChat.IndexOf(QStringLiteral("título")), 0);
  // A missing timeout reads as a new chat menu's: 300 seconds.
  EXPECT_EQ(m.OpcaoTimeout->Tentativas, 3);
  EXPECT_EQ(m.OpcaoTimeout->Tempo, 300);
}

TEST_F(UraLeitura, ListMenuIsReadOnlyWhenItHasAType) {
  TDAC dac;
  ASSERT_TRUE(Ler(ArquivoUra(QStringLiteral("<Menu Nome=\"M\"><OpcoesMenu><MenuWA><Titulo>t</Titulo></MenuWA>"
                                            "</OpcoesMenu></Menu>")),
                  dac));
  EXPECT_EQ(dac.ListaMenus->GetItem(0)->MenuOpcoesWA->Titulo->MensagensChatCount(), 0);
}

TEST_F(UraLeitura, ConditionFieldsAndVariables) {
  const QString corpo = QStringLiteral(
      "<Menu Nome=\"M\"><Condicoes>"
      "<Condicao><MesIni>x</MesIni><AnoIni>2024</AnoIni><HoraIni>08:30</HoraIni><DiasSemana>1-3,7</DiasSemana>"
      "<Feriados>257</Feriados><Variaveis Tipo=\"or\"><Variavel><Nome>saldo</Nome><TipoCmp>GT</TipoCmp>"
      "<Valor>10&#x20AC;</Valor></Variavel><Outro><Nome>uf</Nome></Outro><Variavel/></Variaveis></Condicao>"
      "<Condicao><Feriados>256</Feriados><Variaveis Tipo=\"OR\"/></Condicao>"
      "<Condicao/></Condicoes></Menu>");
  TDAC dac;
  ASSERT_TRUE(Ler(ArquivoUra(corpo), dac));
  const TMUListaCondicao& lista = *dac.ListaMenus->GetItem(0)->ListaCondicoes;
  ASSERT_EQ(lista.Count(), 3);
  const TMUCondicao& c = *lista.GetItem(0);
  EXPECT_EQ(c.DiaIni, -1);
  EXPECT_EQ(c.MesIni, -1);
  EXPECT_EQ(c.AnoIni, 2024);
  EXPECT_EQ(c.GetStrHoraIni(), "08:30");
  EXPECT_EQ(c.HoraFim, -1);
  EXPECT_EQ(c.GetDiasSemana(), "1-3,7");
  EXPECT_TRUE(c.Feriados);
  EXPECT_EQ(c.ListaCondicaoVar->Tipo, 1);     // only "OR" means OR
  ASSERT_EQ(c.ListaCondicaoVar->Count(), 3);  // any child name counts
  EXPECT_EQ(c.ListaCondicaoVar->GetItem(0)->Valor, "10€");
  EXPECT_EQ(c.ListaCondicaoVar->GetItem(1)->Variavel, "uf");
  EXPECT_FALSE(lista.GetItem(1)->Feriados);
  EXPECT_EQ(lista.GetItem(1)->ListaCondicaoVar->Tipo, 2);
  EXPECT_EQ(lista.GetItem(2)->ListaCondicaoVar->Tipo, 1);
  EXPECT_EQ(Variaveis().Lista(), (QStringList{"saldo", "uf"}));
}

TEST_F(UraLeitura, OptionRulesDependOnType) {
  QString opcoes;
  for (int tipo = 1; tipo <= 3; ++tipo)
    opcoes += QStringLiteral(
                  "<Opcao><Valor>v%1</Valor><Tipo>%1</Tipo><IgnoraCase>1</IgnoraCase>"
                  "<ComecaCom>ab</ComecaCom><Contem>c</Contem><TerminaCom>z</TerminaCom>"
                  "<TamMin>2</TamMin><TamMax>9</TamMax><ValorAdicional>ç</ValorAdicional>"
                  "<Acao><Tipo>FINAL</Tipo></Acao><Acao><Tipo>INICIO</Tipo></Acao></Opcao>")
                  .arg(tipo);
  opcoes += QStringLiteral("<Opcao><Valor>9X</Valor><Tipo>abc</Tipo></Opcao>");
  TDAC dac;
  ASSERT_TRUE(Ler(ArquivoUra(QStringLiteral("<Menu Nome=\"M\"><OpcoesMenu><Opcoes>") + opcoes +
                             QStringLiteral("</Opcoes></OpcoesMenu></Menu>")),
                  dac));
  const TMUListaOpcao& l = *dac.ListaMenus->GetItem(0)->ListaOpcoes;
  ASSERT_EQ(l.Count(), 4);
  EXPECT_FALSE(l.GetItem(0)->IgnorarCase);
  EXPECT_TRUE(l.GetItem(1)->IgnorarCase);
  EXPECT_TRUE(l.GetItem(1)->ComecaCom.isEmpty());
  EXPECT_EQ(l.GetItem(1)->QtdeMaxOpcaoValida, 0);
  const TMUOpcao& o3 = *l.GetItem(2);
  EXPECT_EQ(o3.Tipo, 3);
  EXPECT_EQ(QStringList({o3.ComecaCom, o3.Contem, o3.TerminaCom, o3.TextoAlfaAdicional}),
            QStringList({"ab", "c", "z", "ç"}));
  EXPECT_EQ(o3.QtdeMinOpcaoValida, 2);
  EXPECT_EQ(o3.QtdeMaxOpcaoValida, 9);
  EXPECT_EQ(o3.ListaAcao->Count(), 2);
  EXPECT_EQ(o3.ListaAcao->OpcaoAcao, "v3");
  EXPECT_EQ(l.GetItem(3)->Tipo, 0);
  EXPECT_EQ(l.GetItem(3)->GetValor(), "9X");
  EXPECT_TRUE(l.GetItem(3)->ListaAcao->OpcaoAcao.isEmpty());
  ASSERT_FALSE(l.GetItem(3)->ListaDetalhada().empty());  // the constructor saw the value
}

TEST_F(UraLeitura, FallbackDefaultsAndValues) {
  TDAC dac;
  ASSERT_TRUE(Ler(ArquivoUra(QStringLiteral(
                      "<Menu Nome=\"A\"/><Menu Nome=\"B\"><OpcoesMenu><OpcaoInvalida><Tentativas>x</Tentativas>"
                      "</OpcaoInvalida><Timeout><Tentativas>7</Tentativas><Tempo>30</Tempo></Timeout>"
                      "</OpcoesMenu></Menu>")),
                  dac));
  const TMenuUra& a = *dac.ListaMenus->GetItem(0);
  EXPECT_EQ(a.OpcaoInvalida->Tentativas, 3);
  EXPECT_EQ(a.OpcaoTimeout->Tentativas, 3);
  EXPECT_EQ(a.OpcaoTimeout->Tempo, 5);
  const TMenuUra& b = *dac.ListaMenus->GetItem(1);
  EXPECT_EQ(b.OpcaoInvalida->Tentativas, 3);
  EXPECT_EQ(b.OpcaoTimeout->Tentativas, 7);
  EXPECT_EQ(b.OpcaoTimeout->Tempo, 30);
}

TEST_F(UraLeitura, ActionsAndTheLookupListsTheyFeed) {
  const QString acoes = QStringLiteral(
      "<Acao><Tipo>VAIPARA</Tipo><Valor>M2</Valor><Variavel>v1</Variavel></Acao>"
      "<Acao><Tipo>COMANDO</Tipo><Valor>run.sh</Valor><Variavel>v2</Variavel></Acao>"
      "<Acao><Tipo>DESLIGA</Tipo><Valor>16</Valor><Variavel>v3</Variavel></Acao>"
      "<Acao><Tipo>DISCAF</Tipo><Valor>10</Valor><Variavel>2</Variavel></Acao>"
      "<Acao><Tipo>MENSAGEM</Tipo><Valor>a,b</Valor><Variavel>v4</Variavel></Acao>");
  TDAC dac;
  ASSERT_TRUE(
      Ler(ArquivoUra(QStringLiteral("<Menu Nome=\"M\"><Final>") + acoes + QStringLiteral("</Final></Menu>")), dac));
  const TMUListaAcao& l = *dac.ListaMenus->GetItem(0)->Final->ListaAcao;
  ASSERT_EQ(l.Count(), 5);
  EXPECT_EQ(l.GetItem(0)->ValorMenu, "M2");
  EXPECT_TRUE(l.GetItem(0)->ValorNumero.isEmpty());
  EXPECT_EQ(l.GetItem(1)->ValorComando, "run.sh");
  EXPECT_EQ(l.GetItem(2)->ValorNumero, "16");
  EXPECT_EQ(l.GetItem(4)->Variavel, "v4");
  EXPECT_EQ(Variaveis().Lista(), (QStringList{"v2", "v3"}));
}

TEST_F(UraLeitura, AudioEntriesAndPlayList) {
  TDAC dac;
  ASSERT_TRUE(Ler(
      ArquivoUra(QStringLiteral("<Menu Nome=\"M\"><Final><Mensagem><Arquivo>{cliente}</Arquivo><Arquivo>Mensagem(saldo)"
                                "</Arquivo><Arquivo></Arquivo><Arquivo>bemvindo</Arquivo><Outro>x</Outro></Mensagem>"
                                "</Final></Menu>")),
      dac));
  const TMUMensagem& msg = *dac.ListaMenus->GetItem(0)->Final->Mensagem;
  ASSERT_EQ(msg.ArquivosCount(), 3);
  EXPECT_EQ(msg.GetArquivo(0, true), "{cliente}");
  EXPECT_EQ(msg.GetArquivo(1, true), "{saldo}");
  EXPECT_EQ(msg.GetArquivo(2, true), "bemvindo");
  EXPECT_EQ(PlayList().Lista(), QStringList{"cliente"});
}

TEST_F(UraLeitura, EveryMessageElementOfAnOwnerIsRead) {
  TDAC dac;
  ASSERT_TRUE(Ler(
      ArquivoUra(QStringLiteral("<Menu Nome=\"M\"><Final><Mensagem><Arquivo>a</Arquivo></Mensagem>"
                                "<Acao><Tipo>FINAL</Tipo></Acao>"
                                "<Mensagem><MensagemChat>oi&#xD;&#xA;tudo</MensagemChat><Arquivo>b</Arquivo></Mensagem>"
                                "</Final></Menu>")),
      dac));
  const TMUMensagem& msg = *dac.ListaMenus->GetItem(0)->Final->Mensagem;
  EXPECT_EQ(msg.ArquivosText(), "a\r\nb\r\n");
  EXPECT_EQ(msg.GetMensagemChat(0, {}), "oi&#xD;&#xA;tudo");
}

TEST_F(UraLeitura, EachReadReplacesVariablesAndPlayList) {
  TDAC dac;
  ASSERT_TRUE(Ler(ArquivoUra(QStringLiteral("<Menu Nome=\"M\"><Final><Mensagem><Arquivo>{p1}</Arquivo></Mensagem>"
                                            "<Acao><Tipo>SETVAR</Tipo><Variavel>x1</Variavel></Acao></Final></Menu>")),
                  dac));
  MenuUraInfoAuxiliar.ListaDeMensagensChat.Add(QStringLiteral("fica"));
  TDAC outro;
  ASSERT_TRUE(Ler(ArquivoUra(QStringLiteral("<Menu Nome=\"M\"><Final><Acao><Tipo>SETVAR</Tipo>"
                                            "<Variavel>x2</Variavel></Acao></Final></Menu>")),
                  outro));
  EXPECT_EQ(Variaveis().Lista(), QStringList{"x2"});
  EXPECT_EQ(PlayList().Count(), 0);
  EXPECT_EQ(MenuUraInfoAuxiliar.ListaDeMensagensChat.IndexOf(QStringLiteral("fica")), 0);
}

TEST_F(UraLeitura, ElementsWhereTextIsExpectedMustNotHoldElements) {
  const QStringList ruins = {
      QStringLiteral("<Menu Nome=\"M\"><Descricao><x/></Descricao></Menu>"),
      QStringLiteral("<Menu Nome=\"M\"><Descricao>a<x>b</x>c</Descricao></Menu>"),
      QStringLiteral("<Menu Nome=\"M\"><Final><Mensagem><Arquivo><b/></Arquivo></Mensagem></Final></Menu>"),
      QStringLiteral("<Menu Nome=\"M\"><Final><Acao><Valor><v/></Valor></Acao></Final></Menu>"),
      QStringLiteral("<Menu Nome=\"M\"><OpcoesMenu><Timeout><Tempo><t/></Tempo></Timeout></OpcoesMenu></Menu>"),
      QStringLiteral("<Menu Nome=\"M\"><OpcoesMenu><Tipo>LISTAWA</Tipo><MenuWA><Rodape><r/></Rodape></MenuWA>"
                     "</OpcoesMenu></Menu>"),
      QStringLiteral("<URAConfig><PriMsgEhOpcao><p/></PriMsgEhOpcao></URAConfig>"),
      QStringLiteral("<URAHeaderC><CriadoPor><p/></CriadoPor></URAHeaderC>"),
  };
  for (const QString& corpo : ruins) {
    TDAC dac;
    EXPECT_FALSE(Ler(ArquivoUra(corpo), dac)) << corpo.toStdString();
  }
  // Text split by a CDATA section is still text.
  TDAC dac;
  ASSERT_TRUE(Ler(ArquivoUra(QStringLiteral("<Menu Nome=\"M\"><Descricao>a<![CDATA[<b>]]>c</Descricao></Menu>")), dac));
  EXPECT_EQ(dac.ListaMenus->GetItem(0)->Descricao, "a<b>c");
}

TEST_F(UraLeitura, CarregaMenuXMLAndLeNodeMensagemChatReportErrorsWithoutThrowing) {
  TDAC dac;
  ASSERT_TRUE(Doc.LoadFromString(QStringLiteral("<Menu Nome=\"M\"><Descricao><x/></Descricao></Menu>")));
  EXPECT_EQ(Xml.CarregaMenuXML(&dac, Doc.Root()), nullptr);
  TMUMensagem msg;
  QString texto = QStringLiteral("antes");
  Xml.LeNodeMensagemChat(Doc.Root().child("Descricao"), &msg, texto);
  EXPECT_TRUE(texto.isEmpty());
  Xml.LeNodeMensagemChat(Doc.Root().child("Falta"), &msg, texto);
  EXPECT_EQ(msg.MensagensChatCount(), 0);
  EXPECT_EQ(MenuUraInfoAuxiliar.ListaDeMensagensChat.Lista(), QStringList{QString()});
}

TEST_F(UraLeitura, LerXMLFailures) {
  TDAC dac;
  dac.Nome = QStringLiteral("antes");
  ASSERT_TRUE(Doc.LoadFromString(QStringLiteral("<URA Nome=\"doc\"/>")));
  EXPECT_FALSE(Xml.LerXML(Doc, &dac, Caminho(QStringLiteral("nao-existe.xml"))));
  EXPECT_EQ(QString::fromUtf8(Doc.Root().attribute("Nome").value()), "doc");  // untouched

  const QString ruim = Caminho(QStringLiteral("ruim.xml"));
  QFile f(ruim);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("<?xml version=\"1.0\"?><URA Nome=\"x\"><Menu></URA>");
  f.close();
  EXPECT_FALSE(Xml.LerXML(Doc, &dac, ruim));
  EXPECT_FALSE(Xml.LerXML(Doc, nullptr, ruim));
  EXPECT_EQ(dac.Nome, "antes");

  const QString bom = Caminho(QStringLiteral("bom.xml"));
  QFile g(bom);
  ASSERT_TRUE(g.open(QIODevice::WriteOnly));
  g.write("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<URA Nome=\"B\xC3\xA9\"/>\r\n");
  g.close();
  EXPECT_TRUE(Xml.LerXML(Doc, nullptr, bom));
  EXPECT_EQ(dac.Nome, "antes");
  ASSERT_TRUE(Xml.LerXML(Doc, &dac, bom));
  EXPECT_EQ(dac.Nome, "Bé");
}

const char* const kNomes[] = {
    "Menu",           "Descricao",  "Condicoes",  "Condicao",     "DiaIni",    "MesFim",     "HoraIni",
    "HoraFimPeriodo", "DiasSemana", "Feriados",   "Variaveis",    "Variavel",  "Nome",       "TipoCmp",
    "Valor",          "Mensagem",   "Arquivo",    "MensagemChat", "Acao",      "Tipo",       "OpcoesMenu",
    "MenuWA",         "Titulo",     "Texto",      "Rodape",       "TituloOpc", "Itens",      "Item",
    "Opcao",          "Resposta",   "Opcoes",     "IgnoraCase",   "ComecaCom", "TamMin",     "ValorAdicional",
    "OpcaoInvalida",  "Timeout",    "Tentativas", "Tempo",        "Final",     "URAHeaderC", "URAHeader",
    "CriadoEm",       "CriadoPor",  "URAConfig",  "PriMsgEhOpcao"};
const char* const kTextos[] = {"",
                               " ",
                               "-1",
                               "0",
                               "1",
                               "3",
                               "99999999999",
                               "25:61",
                               "1-9,,-3,8-",
                               "[1-",
                               "X",
                               "9[0-3]XX",
                               "{",
                               "{}",
                               "Mensagem(",
                               "VAIPARA",
                               "COMANDO",
                               "OR",
                               "&amp;&#xA;&#x1F600;",
                               "\xC3\xA7",
                               "\xFF\xFE",
                               "&#xD800;",
                               "é&#x20AC;"};

// Random inputs: mangled copies of a rich file and random trees built from
// the format's element names. No input may crash the reader, and whatever it
// accepts must write out as a file it accepts again.
TEST_F(UraLeitura, SurvivesArbitraryInput) {
  TDAC rico;
  MontaDacRico(rico, QStringLiteral("chat"));
  rico.RORIRO = true;
  const QByteArray base = Escreve(rico).toUtf8();

  QRandomGenerator rnd(20240601);
  auto arvore = [&](auto&& self, int nivel) -> QByteArray {
    QByteArray s;
    const int n = rnd.bounded(nivel > 5 ? 1 : 5);
    for (int i = 0; i < n; ++i) {
      const char* nome = kNomes[rnd.bounded(int(std::size(kNomes)))];
      s += QByteArray("<") + nome;
      if (rnd.bounded(3) == 0) s += QByteArray(" Nome=\"") + kTextos[rnd.bounded(int(std::size(kTextos)))] + "\"";
      if (rnd.bounded(3) == 0) s += QByteArray(" Tipo=\"OR\"");
      s += '>';
      s += rnd.bounded(2) ? self(self, nivel + 1) : QByteArray(kTextos[rnd.bounded(int(std::size(kTextos)))]);
      s += QByteArray("</") + nome + '>';
    }
    return s;
  };

  int aceitos = 0, recusados = 0;
  for (int rodada = 0; rodada < 3000; ++rodada) {
    QByteArray entrada;
    if (rodada % 2 == 0) {
      entrada = base;
      for (int k = rnd.bounded(1, 6); k > 0; --k) {
        const int pos = rnd.bounded(int(entrada.size()));
        switch (rnd.bounded(4)) {
          case 0: entrada[pos] = char(rnd.bounded(256)); break;
          case 1: entrada.remove(pos, rnd.bounded(1, 40)); break;
          case 2: entrada.insert(pos, entrada.mid(rnd.bounded(int(entrada.size())), rnd.bounded(1, 80))); break;
          default: entrada.truncate(pos);
        }
      }
    } else {
      entrada = "<URA TipoUra=\"" + QByteArray(rnd.bounded(2) ? "chattdd" : "") + "\">" + arvore(arvore, 0) + "</URA>";
    }
    TDAC dac;
    dac.RORIRO = rnd.bounded(2) == 0;
    if (!Ler(QString::fromUtf8(entrada), dac)) {
      ++recusados;
      continue;
    }
    ++aceitos;
    TDAC releitura;
    ASSERT_TRUE(Ler(Escreve(dac), releitura)) << entrada.toStdString();
    EXPECT_EQ(releitura.ListaMenus->Count(), dac.ListaMenus->Count());
  }
  EXPECT_GT(aceitos, 300);
  EXPECT_GT(recusados, 300);
}

}  // namespace
