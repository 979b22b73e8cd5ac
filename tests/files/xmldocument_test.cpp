// The XML document: receiver of lines, loading that replaces content,
// text decoding, whitespace handling and the atomic save.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QFile>
#include <QTemporaryDir>

#include "textoxml.h"
#include "xmldocument.h"

namespace {

QString Texto(const pugi::xml_node& n) { return FromUtf8(n.text().get()); }

TEST(XMLDocumentTest, ReceiverCollectsLinesUntilActivated) {
  TXMLDocument doc;
  doc.AddLine(QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>"));
  doc.AddLine(QStringLiteral("<URA Nome=\"Olá\">"));
  EXPECT_FALSE(doc.Active());
  EXPECT_FALSE(doc.HasContent());
  EXPECT_FALSE(doc.Activate());  // not closed yet
  EXPECT_FALSE(doc.Active());
  EXPECT_FALSE(doc.Erro().isEmpty());
  doc.AddLine(QStringLiteral("  <a>x</a>"));
  doc.AddLine(QStringLiteral("</URA>"));
  ASSERT_TRUE(doc.Activate());
  EXPECT_TRUE(doc.Active());
  EXPECT_EQ(FromUtf8(doc.Root().attribute("Nome").value()), "Olá");
  EXPECT_EQ(doc.LineCount(), 4);
  doc.Deactivate();
  EXPECT_FALSE(doc.Active());
  doc.Reset();
  EXPECT_TRUE(doc.Lines().isEmpty());
  EXPECT_FALSE(doc.HasContent());
}

TEST(XMLDocumentTest, LoadingReplacesEarlierContent) {
  TXMLDocument doc;
  doc.AddLine(QStringLiteral("<velho/>"));
  ASSERT_TRUE(doc.LoadFromString(QStringLiteral("<novo/>")));
  EXPECT_STREQ(doc.Root().name(), "novo");
  EXPECT_TRUE(doc.Lines().isEmpty());
  EXPECT_FALSE(doc.LoadFromString(QStringLiteral("<a><b></a>")));
  EXPECT_FALSE(doc.HasContent());
  EXPECT_FALSE(doc.Active());
  EXPECT_FALSE(doc.LoadFromFile(QStringLiteral("/nao/existe.xml")));
  EXPECT_FALSE(doc.HasContent());
}

TEST(XMLDocumentTest, TextIsDecodedAndWhitespaceBetweenElementsIsNoNode) {
  TXMLDocument doc;
  ASSERT_TRUE(doc.LoadFromString(QStringLiteral(
      "<r>\r\n  <a>x &amp; &lt;y&gt; &quot;&#xA;&#x20AC;&#x1F600;</a>\n  <b> </b>\n  <c>\n  </c>\n</r>")));
  const pugi::xml_node r = doc.Root();
  EXPECT_EQ(r.first_child().type(), pugi::node_element);
  int filhos = 0;
  for (pugi::xml_node n = r.first_child(); n; n = n.next_sibling()) ++filhos;
  EXPECT_EQ(filhos, 3);
  EXPECT_EQ(Texto(r.child("a")), QStringLiteral("x & <y> \"\n€😀"));
  // Whitespace that is an element's whole content is its text.
  EXPECT_EQ(Texto(r.child("b")), " ");
}

TEST(XMLDocumentTest, SaveWritesUtf8WithDeclarationAtomically) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString arq = dir.filePath(QStringLiteral("d.xml"));
  TXMLDocument doc;
  ASSERT_TRUE(doc.LoadFromString(QStringLiteral("<?xml version=\"1.0\"?><r v=\"a&amp;b\"><t>é€</t></r>")));
  ASSERT_TRUE(doc.SaveToFile(arq));
  QFile f(arq);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray dados = f.readAll();
  f.close();
  EXPECT_TRUE(dados.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<r"));
  EXPECT_EQ(dados.count("<?xml"), 1);
  EXPECT_TRUE(dados.contains("<t>\xC3\xA9\xE2\x82\xAC</t>"));

  TXMLDocument lido;
  ASSERT_TRUE(lido.LoadFromFile(arq));
  EXPECT_EQ(FromUtf8(lido.Root().attribute("v").value()), "a&b");
  EXPECT_EQ(Texto(lido.Root().child("t")), "é€");

  QString erro;
  EXPECT_FALSE(doc.SaveToFile(arq + QStringLiteral("/filho.xml"), &erro));
  EXPECT_FALSE(erro.isEmpty());
  EXPECT_FALSE(doc.SaveToFile(dir.path()));  // a folder is never replaced
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), dados);
}

TEST(XMLDocumentTest, EscapaMarkup) {
  EXPECT_EQ(EscapaMarkup(QStringLiteral("a&b<c>\"d\" 'e' é€")), "a&amp;b&lt;c&gt;&quot;d&quot; 'e' é€");
  EXPECT_EQ(EscapaMarkup(QStringLiteral("&amp;")), "&amp;amp;");
  EXPECT_EQ(EscapaMarkup(QString()), QString());
}

// Files refused at once with the reason: not regular files (a device would
// be read without end, a FIFO would block), and bytes that are not UTF-8.
TEST(XMLDocumentTest, LoadRefusesWhatCannotBeReadAsItsText) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString fifo = dir.filePath(QStringLiteral("fifo"));
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  auto arquivo = [&dir](const char* nome, const QByteArray& bytes) {
    const QString caminho = dir.filePath(QString::fromLatin1(nome));
    QFile f(caminho);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return caminho;
  };
  const struct {
    QString Arquivo;
    QString Motivo;
  } casos[] = {
      {QStringLiteral("/dev/zero"), QStringLiteral("não é um arquivo comum")},
      {fifo, QStringLiteral("não é um arquivo comum")},
      {dir.path(), QStringLiteral("não é um arquivo comum")},
      {arquivo("latin1.xml", "<?xml version=\"1.0\"?>\r\n<URA\r\n Nome=\"caf\xe9\"/>\r\n"),
       QStringLiteral("o arquivo não está em UTF-8 (caractere inválido na linha 3)")},
      {arquivo("longo.xml", "<URA Nome=\"\xc0\xaf\"/>"), QStringLiteral("UTF-8 (caractere inválido na linha 1)")},
      {arquivo("surrogate.xml", "\n<URA Nome=\"\xed\xa0\x80\"/>"), QStringLiteral("inválido na linha 2")},
      {arquivo("cortado.xml", "<URA Nome=\"\xe2\x82"), QStringLiteral("inválido na linha 1")},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.Arquivo.toStdString());
    TXMLDocument doc;
    EXPECT_FALSE(doc.LoadFromFile(c.Arquivo));
    EXPECT_FALSE(doc.HasContent());
    EXPECT_TRUE(doc.Erro().contains(c.Motivo)) << doc.Erro().toStdString();
  }

  // Other encodings the file says it has are still read, and converted.
  for (const char* codificacao : {"ISO-8859-1", "iso-8859-1", "latin1", "Latin1"}) {
    SCOPED_TRACE(codificacao);
    TXMLDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(arquivo("declarado.xml", QByteArray("<?xml version=\"1.0\" encoding=\"") +
                                                              codificacao + "\"?><URA Nome=\"caf\xe9\"/>")))
        << doc.Erro().toStdString();
    EXPECT_EQ(FromUtf8(doc.Root().attribute("Nome").value()), QStringLiteral("café"));
  }
}

// The UTF-8 check at every position a character can take in the words it
// reads: a sequence cut by the end of the bytes is refused even when the
// byte after them in memory would complete it.
TEST(XMLDocumentTest, Utf8CheckedAtEveryPositionAndNeverPastTheEnd) {
  const struct {
    QByteArray Sequencia;
    bool Valida;
  } casos[] = {
      {"\xc3\xa9", true},  {"\xe2\x82\xac", true},  {"\xf0\x9f\x98\x80", true},
      {"\xc0\xaf", false}, {"\xed\xa0\x80", false}, {"\xf4\x90\x80\x80", false},
      {"\x80", false},     {"\xff", false},
  };
  for (int antes = 0; antes <= 17; ++antes) {
    for (const auto& c : casos) {
      SCOPED_TRACE(testing::Message() << antes << " " << c.Sequencia.toHex().constData());
      const QByteArray bytes = "<URA Nome=\"" + QByteArray(antes, 'a') + c.Sequencia + "\"/>";
      TXMLDocument doc;
      EXPECT_EQ(doc.LoadFromData(bytes), c.Valida) << doc.Erro().toStdString();
      // The same bytes cut inside the sequence, what follows still in memory.
      if (c.Sequencia.size() < 2) continue;
      const QByteArray cortado = QByteArray::fromRawData(bytes.constData(), bytes.indexOf(c.Sequencia) + 1);
      EXPECT_FALSE(doc.LoadFromData(cortado));
      EXPECT_FALSE(doc.ErroSintaxe());
      EXPECT_TRUE(doc.Erro().contains(QStringLiteral("UTF-8"))) << doc.Erro().toStdString();
    }
  }
}

}  // namespace
