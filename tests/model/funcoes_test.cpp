// Text escaping, header field scrambling, version comparison and the code page.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QRegularExpression>
#include <QStringEncoder>
#include <set>

#include "UTKRDACFuncoes.h"
#include "codepage.h"
#include "texto.h"
#include "versao.h"

namespace {

QString U16(std::initializer_list<char16_t> unidades) {
  QString s;
  for (char16_t u : unidades) s += QChar(u);
  return s;
}

// ---- CR/LF escaping ----------------------------------------------------------

TEST(EscapaCRLF, CodificaEDecodifica) {
  EXPECT_EQ(encodeCRLF("a\r\nb\n\rc"), "a&#xD;&#xA;b&#xA;&#xD;c");
  EXPECT_EQ(encodeCRLF(""), "");
  EXPECT_EQ(decodeCRLF("a&#xD;&#xA;b&#xA;"), "a\r\nb\n");
  for (const char* s : {"", "x", "\r", "\n\n\r", "a\r\nb\r\n", "&#x", "&#xD"})
    EXPECT_EQ(decodeCRLF(encodeCRLF(s)), s) << s;
}

TEST(EscapaCRLF, SomenteMaiusculas) {
  EXPECT_EQ(decodeCRLF("&#xd;&#xa;"), "&#xd;&#xa;");
  EXPECT_EQ(decodeCRLFTo("&#xd;&#xa;", "|"), "&#xd;&#xa;");
  EXPECT_EQ(decodeCRLF("&#xD&#xA"), "&#xD&#xA");
}

TEST(EscapaCRLF, DecodeCRLFToRemoveCREDepoisTrocaLF) {
  EXPECT_EQ(decodeCRLFTo("a&#xD;&#xA;b&#xD;", "<br>"), "a<br>b");
  EXPECT_EQ(decodeCRLFTo("a&#xA;b", ""), "ab");
  // CR is removed before LF is replaced: a replacement that looks like an
  // escaped CR survives.
  EXPECT_EQ(decodeCRLFTo("&#xA;", "&#xD;"), "&#xD;");
  // A removed CR may join the pieces of an escaped LF.
  EXPECT_EQ(decodeCRLFTo("&#x&#xD;A;", "|"), "|");
}

// ---- XML escaping ------------------------------------------------------------

TEST(EscapaXML, CaracteresComuns) {
  EXPECT_EQ(UTF16ToUnicodedEscaped(""), "");
  EXPECT_EQ(UTF16ToUnicodedEscaped("a<b"), "a&lt;b");
  EXPECT_EQ(UTF16ToUnicodedEscaped("&\"<>"), "&amp;&quot;&lt;&gt;");
  EXPECT_EQ(UTF16ToUnicodedEscaped("'\t"), "'\t");
  EXPECT_EQ(UTF16ToUnicodedEscaped("\r\n"), "&#xD;&#xA;");
  EXPECT_EQ(UTF16ToUnicodedEscaped(QString::fromUtf8("é")), QString::fromUtf8("é"));
  EXPECT_EQ(UTF16ToUnicodedEscaped(U16({0x80, 0xFF, 0x00})), U16({0x80, 0xFF, 0x00}));
  // Already escaped text is escaped again.
  EXPECT_EQ(UTF16ToUnicodedEscaped("&amp;"), "&amp;amp;");
}

TEST(EscapaXML, AcimaDe255ComPeloMenosQuatroDigitos) {
  EXPECT_EQ(UTF16ToUnicodedEscaped(QString::fromUtf8("€")), "&#x20AC;");
  EXPECT_EQ(UTF16ToUnicodedEscaped(U16({0x100})), "&#x0100;");
  EXPECT_EQ(UTF16ToUnicodedEscaped(U16({0x4E2D, 'a'})), "&#x4E2D;a");
  EXPECT_EQ(UTF16ToUnicodedEscaped(U16({0xFFFF})), "&#xFFFF;");
}

TEST(EscapaXML, ParesSubstitutos) {
  EXPECT_EQ(UTF16ToUnicodedEscaped(U16({0xD83D, 0xDE00})), "&#x1F600;");
  EXPECT_EQ(UTF16ToUnicodedEscaped(U16({0xD800, 0xDC00})), "&#x10000;");
  EXPECT_EQ(UTF16ToUnicodedEscaped(U16({0xDBFF, 0xDFFF})), "&#x10FFFF;");
  EXPECT_EQ(UTF16ToUnicodedEscaped(U16({'x', 0xD83D, 0xDE00, 'y'})), "x&#x1F600;y");
}

TEST(EscapaXML, SubstitutoSozinho) {
  EXPECT_EQ(UTF16ToUnicodedEscaped(U16({0xD83D})), "&#xD83D;");
  EXPECT_EQ(UTF16ToUnicodedEscaped(U16({0xD83D, 'a'})), "&#xD83D;a");
  EXPECT_EQ(UTF16ToUnicodedEscaped(U16({0xDE00, 'a'})), "&#xDE00;a");
  EXPECT_EQ(UTF16ToUnicodedEscaped(U16({'a', 0xDE00})), "a&#xDE00;");
  // Any two surrogates in a row are combined by the same arithmetic.
  EXPECT_EQ(UTF16ToUnicodedEscaped(U16({0xD800, 0xD800})), "&#x0FC00;");
  // Three in a row: the first two pair up, the third is alone.
  EXPECT_EQ(UTF16ToUnicodedEscaped(U16({0xD83D, 0xDE00, 0xDE01})), "&#x1F600;&#xDE01;");
}

// The UTF-8 forms agree byte for byte with Qt's stateless encoder, and the
// escaped form in UTF-8 is the UTF-16 one encoded.
TEST(EscapaXML, FormasEmUtf8) {
  const QString casos[] = {
      QString(),
      QStringLiteral("abc <&> \"\r\n\t"),
      U16({0x7F, 0x80, 0xFF, 0x100, 0x7FF, 0x800, 0xFFFD, 0xFFFF, 0}),
      U16({0xD83D, 0xDE00, 'x', 0xDBFF, 0xDFFF}),
      U16({0xD83D}),
      U16({'a', 0xDE00}),
      U16({0xDE00, 0xD83D, 'b'}),
      U16({0xD800, 0xD800, 0xDC00}),
      // Long runs of ASCII, broken at and across the edges of 16 units.
      QString(40, u'a'),
      QString(15, u'a') + U16({0xD83D, 0xDE00}) + QString(20, u'b'),
      QString(16, u'a') + QChar(0xE9) + QString(16, u'c') + U16({0xD800}) + QString(17, u'd') + QChar(0x7F),
  };
  QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
  for (const QString& texto : casos) {
    SCOPED_TRACE(texto.toStdU16String().size());
    std::string s = "x";
    AcrescentaUtf8(s, texto);
    EXPECT_EQ(QByteArray::fromStdString(s), "x" + QByteArray(utf8(texto)));
    std::string e = "y";
    AppendUnicodedEscaped(e, texto);
    EXPECT_EQ(QByteArray::fromStdString(e), "y" + QByteArray(utf8(UTF16ToUnicodedEscaped(texto))));
  }
}

// ---- Header field scrambling ---------------------------------------------------

const QString kPadrao = QStringLiteral("<ERROR>");

bool HexMaiusculo(const QString& s) {
  static const QRegularExpression re(QStringLiteral("^[0-9A-F]*$"));
  return re.match(s).hasMatch();
}

TEST(Embaralha, TextoVazioComMinimo20) {
  const QString v = CriptografaSenha(0x1234, 20, "");
  EXPECT_EQ(v.size(), 50);
  EXPECT_TRUE(HexMaiusculo(v)) << v.toStdString();
  EXPECT_TRUE(v.startsWith("1234"));
  EXPECT_EQ(DescriptografaSenha(v, kPadrao), "");
}

// The key bytes, the seeds and the chaining are the file format: values
// written by earlier saves must keep reading back, both ways.
TEST(Embaralha, ValoresConhecidos) {
  const struct {
    int Chave, Minimo;
    QString Texto, Valor;
  } casos[] = {
      {0x1234, 20, QString(), QStringLiteral("1234266B3D1EB1F51C445BCDEC018DFBD41F95C40C4BEEC029")},
      {0x0001, 5, QStringLiteral("operador"), QStringLiteral("0001092A0E4B92B239096CD942")},
      {0xFFFE, 20, QStringLiteral("09/12/2026 17:45"),
       QStringLiteral("FFFE116D000F95E6264B6CC1DC1AABE7FC0CA3F23A7DD8B11A")},
      {0x7A5C, 8, QStringLiteral("Ação"), QStringLiteral("7A5C222F9C5F9BDF366E710B74")},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(CriptografaSenha(c.Chave, c.Minimo, c.Texto), c.Valor) << c.Texto.toStdString();
    EXPECT_EQ(DescriptografaSenha(c.Valor, kPadrao), c.Texto) << c.Valor.toStdString();
  }
}

TEST(Embaralha, TamanhoDoValor) {
  for (int n : {0, 1, 4, 5, 6, 19, 20, 21, 100}) {
    for (int minimo : {-3, 0, 4, 5, 20, 40}) {
      const QString texto(n, QChar('q'));
      const int L = std::max(minimo, 5);
      const QString v = CriptografaSenha(777, minimo, texto);
      EXPECT_EQ(v.size(), 4 + 2 + 2 * std::max(n, L) + 4) << n << " " << minimo;
      EXPECT_EQ(DescriptografaSenha(v, kPadrao), texto) << n << " " << minimo;
    }
  }
}

TEST(Embaralha, ChaveUsaSoOs16BitsBaixos) {
  EXPECT_EQ(CriptografaSenha(0x1ABCD, 20, "ana"), CriptografaSenha(0xABCD, 20, "ana"));
  EXPECT_TRUE(CriptografaSenha(0xFFFF, 5, "").startsWith("FFFF"));
  EXPECT_TRUE(CriptografaSenha(1, 5, "").startsWith("0001"));
  // The same key gives the same value; another key another value.
  EXPECT_EQ(CriptografaSenha(99, 20, "ana"), CriptografaSenha(99, 20, "ana"));
  EXPECT_NE(CriptografaSenha(99, 20, "ana"), CriptografaSenha(98, 20, "ana"));
}

TEST(Embaralha, ChaveAleatoriaFicaEntre1E65534) {
  std::set<QString> chaves;
  for (int i = 0; i < 200; ++i) {
    const QString v = CriptografaSenha(i % 2 ? 0 : -5, 20, "usuario");
    const int chave = v.left(4).toInt(nullptr, 16);
    EXPECT_GE(chave, 1);
    EXPECT_LE(chave, 65534);
    EXPECT_EQ(DescriptografaSenha(v, kPadrao), "usuario");
    chaves.insert(v.left(4));
  }
  EXPECT_GT(chaves.size(), 1u);
}

TEST(Embaralha, ValoresCurtosOuNaoHexadecimais) {
  EXPECT_EQ(DescriptografaSenha("", kPadrao), kPadrao);
  EXPECT_EQ(DescriptografaSenha("12345678", kPadrao), kPadrao);
  EXPECT_EQ(DescriptografaSenha("ZZZZZZ123", kPadrao), "");
  // A 9- or 10-character value has no body at all.
  EXPECT_EQ(DescriptografaSenha("123456789", kPadrao), "");
  EXPECT_EQ(DescriptografaSenha("1234567890", kPadrao), "");
  // A body of one digit converts to no byte.
  EXPECT_EQ(DescriptografaSenha("12345678901", kPadrao), "");
  const QString v = CriptografaSenha(0x0102, 20, "abc");
  EXPECT_EQ(DescriptografaSenha("G" + v.mid(1), kPadrao), "");
  EXPECT_EQ(DescriptografaSenha(v.left(6) + "XY" + v.mid(8), kPadrao), "");
}

TEST(Embaralha, QualquerDigitoAlteradoNoCorpoOuNaSomaDaOPadrao) {
  const QString v = CriptografaSenha(0x2F31, 20, QString::fromUtf8("João Silva"));
  ASSERT_EQ(DescriptografaSenha(v, kPadrao), QString::fromUtf8("João Silva"));
  const QString digitos = QStringLiteral("0123456789ABCDEF");
  for (int i = 6; i < v.size(); ++i) {
    for (QChar d : digitos) {
      if (d == v.at(i)) continue;
      QString alterado = v;
      alterado[i] = d;
      EXPECT_EQ(DescriptografaSenha(alterado, kPadrao), kPadrao) << "digit " << i << " -> " << d.toLatin1();
    }
  }
}

TEST(Embaralha, SomaEmMinusculasNaoConfere) {
  // Find a key whose checksum holds a letter.
  for (int chave = 1; chave < 400; ++chave) {
    const QString v = CriptografaSenha(chave, 20, "maria");
    const QString soma = v.right(4);
    if (soma == soma.toLower()) continue;
    EXPECT_EQ(DescriptografaSenha(v.left(v.size() - 4) + soma.toLower(), kPadrao), kPadrao);
    // Lower-case digits in the head and body convert as usual.
    EXPECT_EQ(DescriptografaSenha(v.left(v.size() - 4).toLower() + soma, kPadrao), "maria");
    return;
  }
  FAIL() << "no checksum with a letter";
}

TEST(Embaralha, CaracteresAcimaDe255PerdemOByteAlto) {
  const QString texto = U16({0x0141, 0x20AC, 'z', 0x00E9});
  const QString v = CriptografaSenha(500, 20, texto);
  EXPECT_EQ(DescriptografaSenha(v, kPadrao), U16({0x41, 0xAC, 'z', 0xE9}));
}

TEST(Embaralha, TextoDe256OuMaisCaracteres) {
  QString longo;
  for (int i = 0; i < 300; ++i) longo += QChar(char16_t('a' + i % 26));
  const QString v = CriptografaSenha(4242, 20, longo);
  EXPECT_EQ(v.size(), 4 + 2 + 600 + 4);
  // Only the length modulo 256 is stored.
  EXPECT_EQ(DescriptografaSenha(v, kPadrao), longo.left(300 % 256));
  EXPECT_EQ(DescriptografaSenha(CriptografaSenha(4242, 20, longo.left(256)), kPadrao), "");
  EXPECT_EQ(DescriptografaSenha(CriptografaSenha(4242, 20, longo.left(255)), kPadrao), longo.left(255));
  // A body past 512 bytes is not read whole.
  const QString enorme = longo + longo + longo;
  EXPECT_NE(DescriptografaSenha(CriptografaSenha(4242, 20, enorme), kPadrao), enorme);
}

TEST(Embaralha, MyHexToBin) {
  uint8_t buf[8];
  std::fill(std::begin(buf), std::end(buf), 0xEE);
  EXPECT_EQ(MyHexToBin("0A1bFf", buf, 8), 3);
  EXPECT_EQ(buf[0], 0x0A);
  EXPECT_EQ(buf[1], 0x1B);
  EXPECT_EQ(buf[2], 0xFF);
  EXPECT_EQ(buf[3], 0xEE);

  std::fill(std::begin(buf), std::end(buf), 0xEE);
  EXPECT_EQ(MyHexToBin("010203", buf, 2), 2);
  EXPECT_EQ(buf[1], 0x02);
  EXPECT_EQ(buf[2], 0xEE);  // Size respected

  EXPECT_EQ(MyHexToBin("0A1G22", buf, 8), 1);
  EXPECT_EQ(MyHexToBin("G0", buf, 8), 0);
  EXPECT_EQ(MyHexToBin("0G", buf, 8), 0);
  EXPECT_EQ(MyHexToBin("0A1", buf, 8), 1);
  EXPECT_EQ(MyHexToBin("", buf, 8), 0);
  EXPECT_EQ(MyHexToBin("0A", buf, 0), 0);
  EXPECT_EQ(MyHexToBin(" 0A", buf, 8), 0);
  // Only ASCII hexadecimal digits count.
  EXPECT_EQ(MyHexToBin(U16({0x0663, '0'}), buf, 8), 0);
  EXPECT_EQ(MyHexToBin(U16({0xFF21, '0'}), buf, 8), 0);
  EXPECT_EQ(MyHexToBin(U16({'0', 0x0130}), buf, 8), 0);
}

// ---- Version comparison ----------------------------------------------------------

TEST(CompareVersao, Casos) {
  EXPECT_GT(CompareVersao("1.0.12", "1.0.11.0"), 0);
  EXPECT_EQ(CompareVersao("1.0.11.0", "1.0.11.0"), 0);
  EXPECT_EQ(CompareVersao("", "1.0.11.0"), 0);
  EXPECT_LT(CompareVersao("1.0.9", "1.0.11.0"), 0);
  EXPECT_LT(CompareVersao("1.0.x", "1.0.11.0"), 0);
  // b's components past the end of a are not compared.
  EXPECT_EQ(CompareVersao("1.0", "1.0.5"), 0);
  EXPECT_GT(CompareVersao("1.0.5", "1.0"), 0);
  EXPECT_EQ(CompareVersao("1.0.0", "1.0"), 0);
  // Numeric, not textual.
  EXPECT_LT(CompareVersao("2", "10"), 0);
  EXPECT_GT(CompareVersao("1.10", "1.9"), 0);
  EXPECT_GT(CompareVersao("1.1.11.3", "1.0.11.0"), 0);
  EXPECT_GT(CompareVersao("1.0.11.0", ""), 0);
  EXPECT_EQ(CompareVersao("x.y", "0.0"), 0);
  EXPECT_EQ(CompareVersao("1..2", "1.0.2"), 0);
  EXPECT_EQ(CompareVersao("1.0.", "1.0"), 0);
}

// ---- Code page ---------------------------------------------------------------------

TEST(PaginaDeCodigo, Os256BytesVaoEVoltam) {
  QByteArray todos;
  for (int b = 0; b < 256; ++b) todos.append(static_cast<char>(b));
  const QString texto = DecodeAnsi(todos);
  ASSERT_EQ(texto.size(), 256);
  std::set<char16_t> distintos;
  for (QChar c : texto) distintos.insert(c.unicode());
  EXPECT_EQ(distintos.size(), 256u);
  EXPECT_EQ(EncodeAnsi(texto), todos);
  EXPECT_EQ(texto.at(0x80).unicode(), 0x20AC);
  EXPECT_EQ(texto.at(0x9F).unicode(), 0x0178);
  for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(texto.at(b).unicode(), b) << b;
  for (int b : {0x00, 0x41, 0x7F, 0xA0, 0xE9, 0xFF}) EXPECT_EQ(texto.at(b).unicode(), b) << b;
}

TEST(PaginaDeCodigo, ForaDaPaginaViraInterrogacao) {
  EXPECT_EQ(EncodeAnsi(U16({0x4E2D})), "?");
  EXPECT_EQ(EncodeAnsi(U16({0xD83D, 0xDE00})), "?");
  EXPECT_EQ(EncodeAnsi(U16({'a', 0xD83D, 0xDE00, 'b'})), "a?b");
  // Lone surrogates each give one "?".
  EXPECT_EQ(EncodeAnsi(U16({0xDE00, 0xD83D})), "??");
  EXPECT_EQ(EncodeAnsi(U16({0xD83D})), "?");
  // C1 characters other than the five undefined bytes are not in the page.
  EXPECT_EQ(EncodeAnsi(U16({0x80, 0x9F, 0x81})), QByteArray("??\x81"));
  EXPECT_EQ(EncodeAnsi(QString::fromUtf8("€ç")), QByteArray("\x80\xE7"));
  EXPECT_EQ(ReduceToAnsi(U16({'x', 0x4E2D, 0xD83D, 0xDE00, 0xE9})), U16({'x', '?', '?', 0xE9}));

  // What the page lacks, each character once, in the order first met: the
  // same characters that become "?" above.
  QString perdidos;
  AcrescentaForaDaPagina(perdidos, U16({'a', '?', 0xE9, 0x20AC, 0x81, 0xD83D, 0xDE00, 0x80, 0x4E2D}));
  AcrescentaForaDaPagina(perdidos, U16({0x4E2D, 0xD83D, 0xDE00, 0xDE00, 'z'}));
  EXPECT_EQ(perdidos, U16({0xD83D, 0xDE00, 0x80, 0x4E2D, 0xDE00}));
}

}  // namespace
