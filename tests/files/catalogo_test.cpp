// Message catalogue and chat text catalogue: merging into the lookup lists,
// the text lines sent to the server and the local file round trip.
#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include "UTXMLDac.h"
#include "infoauxiliar.h"

namespace {

const QString kDecl = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>");

class CatalogoTest : public ::testing::Test {
 protected:
  void SetUp() override { MenuUraInfoAuxiliar.Clear(); }
  void TearDown() override { MenuUraInfoAuxiliar.Clear(); }

  static TMUListaDescricaoMensagem& Mensagens() { return MenuUraInfoAuxiliar.ListaDeMensagens; }
  static TListaTextoOrdenada& Chat() { return MenuUraInfoAuxiliar.ListaDeMensagensChat; }
  static TListaTextoOrdenada& ChatTDD() { return MenuUraInfoAuxiliar.ListaDeMensagensChatTDD; }

  static void AddMensagem(const QString& Arquivo, const QString& Descricao) {
    auto m = std::make_unique<TMUDescricaoMensagem>(Arquivo);
    m->Descricao = Descricao;
    Mensagens().Add(std::move(m));
  }

  // Merges the catalogue text as the server path does: lines collected in
  // the inactive document.
  bool Carrega(const QString& Xml) {
    for (const QString& linha : Xml.split(u'\n')) Doc.AddLine(linha);
    return Dac.CarregaMensagensDoXml(Doc, nullptr);
  }

  QString Grava(const QString& Nome, const QByteArray& Conteudo) {
    const QString caminho = Dir.filePath(Nome);
    QFile f(caminho);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Conteudo);
    return caminho;
  }

  TXMLDocument Doc;
  TXMLDac Dac;
  QTemporaryDir Dir;
};

TEST_F(CatalogoTest, MessageCatalogueMergesKeepingPlaces) {
  AddMensagem(QStringLiteral("a.wav"), QStringLiteral("velha"));
  AddMensagem(QStringLiteral("b.wav"), QStringLiteral("B"));
  ASSERT_TRUE(
      Carrega(kDecl + QStringLiteral("\n<MensagensSonarea>\n"
                                     "<Msg><Arquivo> a.wav </Arquivo><Descricao>nova &amp; boa</Descricao></Msg>\n"
                                     "<Msg><Arquivo>   </Arquivo><Descricao>ignorada</Descricao></Msg>\n"
                                     "<Msg><Descricao>sem arquivo</Descricao></Msg>\n"
                                     "<Outro><Arquivo>x.wav</Arquivo></Outro>\n"
                                     "<Msg><Arquivo>c.wav</Arquivo></Msg>\n"
                                     "<Msg><Arquivo> d.wav</Arquivo></Msg>\n"
                                     "</MensagensSonarea>")));
  ASSERT_EQ(Mensagens().Count(), 4);
  EXPECT_EQ(Mensagens().GetItem(0)->Arquivo, QStringLiteral("a.wav"));
  EXPECT_EQ(Mensagens().GetItem(0)->Descricao, QStringLiteral("nova & boa"));
  EXPECT_EQ(Mensagens().GetItem(1)->Descricao, QStringLiteral("B"));
  EXPECT_EQ(Mensagens().GetItem(2)->Arquivo, QStringLiteral("c.wav"));
  EXPECT_EQ(Mensagens().GetItem(2)->Descricao, QString());
  // A new entry keeps the file name as read.
  EXPECT_EQ(Mensagens().GetItem(3)->Arquivo, QStringLiteral(" d.wav"));
  // The document is left inactive and without text.
  EXPECT_FALSE(Doc.Active());
  EXPECT_TRUE(Doc.Lines().isEmpty());
}

TEST_F(CatalogoTest, ChatCatalogueEncodesLineBreaksAndSkipsDuplicates) {
  AddMensagem(QStringLiteral("a.wav"), QStringLiteral("A"));
  ASSERT_TRUE(
      Carrega(QStringLiteral("<MensagensChat>\n"
                             "<MsgChat><Descricao>linha1\nlinha2</Descricao></MsgChat>\n"
                             "<MsgChatTDD><Descricao>OI</Descricao></MsgChatTDD>\n"
                             "<MsgChat><Descricao>LINHA1\nlinha2</Descricao></MsgChat>\n"
                             "<MsgChat><Descricao>   </Descricao></MsgChat>\n"
                             "<MsgChat><Descricao>a&#xD;b</Descricao></MsgChat>\n"
                             "</MensagensChat>")));
  EXPECT_EQ(Chat().Lista(), QStringList({QStringLiteral("a&#xD;b"), QStringLiteral("linha1&#xA;linha2")}));
  EXPECT_EQ(ChatTDD().Lista(), QStringList({QStringLiteral("OI")}));
  // The message catalogue is not touched by a chat catalogue.
  ASSERT_EQ(Mensagens().Count(), 1);
  EXPECT_EQ(Mensagens().GetItem(0)->Descricao, QStringLiteral("A"));

  QStringList linhas;
  MensagensToXMLStringList(true, linhas);
  EXPECT_EQ(linhas,
            QStringList({kDecl, QStringLiteral("<MensagensChat>"), QStringLiteral("  <MsgChat>"),
                         QStringLiteral("     <Descricao>a&#xD;b</Descricao>"), QStringLiteral("  </MsgChat>"),
                         QStringLiteral("  <MsgChat>"), QStringLiteral("     <Descricao>linha1&#xA;linha2</Descricao>"),
                         QStringLiteral("  </MsgChat>"), QStringLiteral("  <MsgChatTDD>"),
                         QStringLiteral("     <Descricao>OI</Descricao>"), QStringLiteral("  </MsgChatTDD>"),
                         QStringLiteral("</MensagensChat>")}));
}

TEST_F(CatalogoTest, RejectedDocuments) {
  AddMensagem(QStringLiteral("a.wav"), QStringLiteral("A"));
  // Unknown root: false, lists unchanged, document released.
  EXPECT_FALSE(Carrega(QStringLiteral("<URA><Msg><Arquivo>b.wav</Arquivo></Msg></URA>")));
  EXPECT_EQ(Mensagens().Count(), 1);
  EXPECT_FALSE(Doc.Active());
  EXPECT_TRUE(Doc.Lines().isEmpty());
  // Nothing loaded.
  EXPECT_FALSE(Dac.CarregaMensagensDoXml(Doc, nullptr));
  // Not well-formed.
  EXPECT_FALSE(Carrega(QStringLiteral("<MensagensSonarea><Msg><Arquivo>b.wav</Msg>")));
  EXPECT_TRUE(Doc.Lines().isEmpty());
  EXPECT_EQ(Mensagens().Count(), 1);
  // A later catalogue is read normally, not the stale tree of an earlier one.
  EXPECT_TRUE(Carrega(QStringLiteral("<MensagensChat><MsgChat><Descricao>x</Descricao></MsgChat></MensagensChat>")));
  EXPECT_EQ(Chat().Count(), 1);
  EXPECT_EQ(Mensagens().Count(), 1);
}

TEST_F(CatalogoTest, StringListEscapesMarkupOnly) {
  QStringList linhas{QStringLiteral("lixo")};
  MensagensToXMLStringList(false, linhas);
  EXPECT_EQ(linhas, QStringList({kDecl, QStringLiteral("<MensagensSonarea>"), QStringLiteral("</MensagensSonarea>")}));
  MensagensToXMLStringList(true, linhas);
  EXPECT_EQ(linhas, QStringList({kDecl, QStringLiteral("<MensagensChat>"), QStringLiteral("</MensagensChat>")}));

  AddMensagem(QStringLiteral("a&b.wav"), QStringLiteral("<x> \"q\" 'é' €"));
  MensagensToXMLStringList(false, linhas);
  EXPECT_EQ(linhas, QStringList({kDecl, QStringLiteral("<MensagensSonarea>"), QStringLiteral("  <Msg>"),
                                 QStringLiteral("    <Arquivo>a&amp;b.wav</Arquivo>"),
                                 QStringLiteral("    <Descricao>&lt;x&gt; &quot;q&quot; 'é' €</Descricao>"),
                                 QStringLiteral("  </Msg>"), QStringLiteral("</MensagensSonarea>")}));

  // The chat form writes characters above U+00FF as references.
  Chat().Add(QStringLiteral("<€>"));
  MensagensToXMLStringList(true, linhas);
  ASSERT_EQ(linhas.size(), 6);
  EXPECT_EQ(linhas[3], QStringLiteral("     <Descricao>&lt;&#x20AC;&gt;</Descricao>"));
}

TEST_F(CatalogoTest, ReadFromFile) {
  EXPECT_FALSE(Dac.LerXMLMensagens(Doc, nullptr, Dir.filePath(QStringLiteral("naoexiste.xml"))));
  EXPECT_FALSE(Dac.LerXMLMensagens(Doc, nullptr, Dir.path()));  // a folder
  EXPECT_FALSE(Dac.LerXMLMensagens(Doc, nullptr, Grava(QStringLiteral("ruim.xml"), "<MensagensSonarea><Msg>")));
  EXPECT_FALSE(Dac.LerXMLMensagens(Doc, nullptr, Grava(QStringLiteral("vazio.xml"), "")));
  EXPECT_EQ(Mensagens().Count(), 0);

  const QString ok = Grava(QStringLiteral("ok.xml"),
                           "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<MensagensSonarea>\r\n"
                           "<Msg><Arquivo>a.wav</Arquivo><Descricao>Ol\xC3\xA1</Descricao></Msg>\r\n"
                           "</MensagensSonarea>\r\n");
  ASSERT_TRUE(Dac.LerXMLMensagens(Doc, nullptr, ok));
  ASSERT_EQ(Mensagens().Count(), 1);
  EXPECT_EQ(Mensagens().GetItem(0)->Descricao, QStringLiteral("Olá"));
  EXPECT_FALSE(Doc.Active());
}

TEST_F(CatalogoTest, MessageCatalogueRoundTrip) {
  AddMensagem(QStringLiteral("z.wav"), QStringLiteral("Último & <primeiro> \"€\""));
  AddMensagem(QStringLiteral("a.wav"), QString());
  for (const QString& nome : {QString(), QStringLiteral("Mensagenschat.xml")}) {
    GeraXMLMensagens(Doc, nome);
    EXPECT_STREQ(Doc.Root().name(), "MensagensSonarea");
    const QString caminho = Dir.filePath(QStringLiteral("mensagens.xml"));
    ASSERT_TRUE(Doc.SaveToFile(caminho));
    Doc.Deactivate();

    MenuUraInfoAuxiliar.Clear();
    ASSERT_TRUE(Dac.LerXMLMensagens(Doc, nullptr, caminho));
    ASSERT_EQ(Mensagens().Count(), 2);
    EXPECT_EQ(Mensagens().GetItem(0)->Arquivo, QStringLiteral("z.wav"));
    EXPECT_EQ(Mensagens().GetItem(0)->Descricao, QStringLiteral("Último & <primeiro> \"€\""));
    EXPECT_EQ(Mensagens().GetItem(1)->Arquivo, QStringLiteral("a.wav"));
  }
}

TEST_F(CatalogoTest, ChatCatalogueRoundTrip) {
  const QStringList chat{QStringLiteral("duas&#xA;linhas"), QStringLiteral("<b> & €")};
  for (const QString& t : chat) Chat().Add(t);
  ChatTDD().Add(QStringLiteral("TDD"));
  AddMensagem(QStringLiteral("a.wav"), QStringLiteral("A"));

  GeraXMLMensagens(Doc, QStringLiteral("mensagenschat.xml"));
  ASSERT_STREQ(Doc.Root().name(), "MensagensChat");
  // MsgChat entries come before MsgChatTDD ones; texts carry real line breaks.
  pugi::xml_node primeiro = Doc.Root().first_child();
  EXPECT_STREQ(primeiro.name(), "MsgChat");
  EXPECT_STREQ(Doc.Root().last_child().name(), "MsgChatTDD");
  EXPECT_STREQ(primeiro.next_sibling().child("Descricao").text().get(), "duas\nlinhas");

  const QString caminho = Dir.filePath(QStringLiteral("mensagenschat.xml"));
  ASSERT_TRUE(Doc.SaveToFile(caminho));
  MenuUraInfoAuxiliar.Clear();
  ASSERT_TRUE(Dac.LerXMLMensagens(Doc, nullptr, caminho));
  EXPECT_EQ(Chat().Lista(), QStringList({QStringLiteral("<b> & €"), QStringLiteral("duas&#xA;linhas")}));
  EXPECT_EQ(ChatTDD().Lista(), QStringList({QStringLiteral("TDD")}));
  EXPECT_EQ(Mensagens().Count(), 0);
}

TEST_F(CatalogoTest, CarriageReturnsSurviveBothWritersAndTheirFiles) {
  AddMensagem(QStringLiteral("a\r.wav"), QStringLiteral("linha1\rlinha2\r\nfim"));
  Chat().Add(QStringLiteral("oi&#xD;&#xA;tchau&#xD;"));
  QStringList linhas;
  MensagensToXMLStringList(false, linhas);
  EXPECT_TRUE(linhas.contains(QStringLiteral("    <Arquivo>a&#xD;.wav</Arquivo>"))) << linhas.join(u'\n').toStdString();
  EXPECT_TRUE(linhas.contains(QStringLiteral("    <Descricao>linha1&#xD;linha2&#xD;\nfim</Descricao>")));

  // Each local file reads back as the lists it was written from.
  for (const QString& nome : {QStringLiteral("mensagens.xml"), QStringLiteral("mensagenschat.xml")}) {
    SCOPED_TRACE(nome.toStdString());
    TXMLDocument gerado;
    GeraXMLMensagens(gerado, nome);
    const QString arquivo = Dir.filePath(nome);
    ASSERT_TRUE(gerado.SaveToFile(arquivo));
    const QString descricao = Mensagens().GetItem(0)->Descricao;
    const QStringList chat = Chat().Lista();
    MenuUraInfoAuxiliar.Clear();
    TXMLDocument lido;
    ASSERT_TRUE(Dac.LerXMLMensagens(lido, nullptr, arquivo));
    if (nome == u"mensagens.xml") {
      ASSERT_EQ(Mensagens().Count(), 1);
      EXPECT_EQ(Mensagens().GetItem(0)->Arquivo, QStringLiteral("a\r.wav"));
      EXPECT_EQ(Mensagens().GetItem(0)->Descricao, descricao);
    } else {
      EXPECT_EQ(Chat().Lista(), chat);
    }
    MenuUraInfoAuxiliar.Clear();
    AddMensagem(QStringLiteral("a\r.wav"), descricao);
    for (const QString& t : chat) Chat().Add(t);
  }
}

}  // namespace
