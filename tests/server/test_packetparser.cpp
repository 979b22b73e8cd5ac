#include <gtest/gtest.h>

#include "ClientManager.h"

namespace {

TPacketManagerParser Parse(std::initializer_list<const char*> lines) {
  QString packet;
  for (const char* line : lines) packet += QString::fromUtf8(line) + QStringLiteral("\r\n");
  return TPacketManagerParser(packet + QStringLiteral("\r\n"));
}

}  // namespace

TEST(PacketManagerParser, SplitsAtCrLfAndDropsTextAfterTheLast) {
  TPacketManagerParser p(QStringLiteral("A: 1\r\nB: 2\nC\r\n\r\ntail"));
  ASSERT_EQ(p.GetLineCount(), 3);
  EXPECT_EQ(p.GetLine(0), "A: 1");
  EXPECT_EQ(p.GetLine(1), "B: 2\nC");  // a lone line feed does not split
  EXPECT_EQ(p.GetLine(2), "");
  EXPECT_EQ(p.GetLine(3), "");
  EXPECT_EQ(p.GetLine(-1), "");
  EXPECT_EQ(p.GetLine(std::numeric_limits<qsizetype>::max()), "");
}

TEST(PacketManagerParser, MalformedPacketsGiveEmptyAnswers) {
  for (const QString& text : {QString(), QStringLiteral("Event: Hangup"), QStringLiteral("\r\n"),
                              QStringLiteral("sem dois pontos\r\n\r\n")}) {
    TPacketManagerParser p(text);
    EXPECT_EQ(p.GetPacketType(), "") << text.toStdString();
    EXPECT_EQ(p.GetEvent(), "");
    EXPECT_FALSE(p.HasField(QStringLiteral("Event")));
    EXPECT_EQ(p.GetPriority(), 0);
    EXPECT_EQ(p.GetChannelOfChannel(), "");
    EXPECT_FALSE(p.ConfigSectionExists(QString()));
    EXPECT_EQ(p.ConfigReadString(QString(), QString(), QStringLiteral("d")), "d");
  }
  // Text after the last "\r\n" is not a line.
  EXPECT_EQ(TPacketManagerParser(QStringLiteral("Event: Hangup")).GetLineCount(), 0);
}

TEST(PacketManagerParser, FieldLookupIgnoresAsciiCaseAndTrims) {
  auto p = Parse({"Response: Success", "ActionId: LerXml", "Message: primeira", "message: segunda", "Events: x",
                  "Cause:\t 16 \x01", "Url: http://a:80/b", "Vazio:   ", "AÇÃO: 1"});
  EXPECT_EQ(p.GetFieldValue(QStringLiteral("ActionID")), "LerXml");
  EXPECT_EQ(p.GetActionID(), "LerXml");
  EXPECT_EQ(p.GetRespMessage(), "primeira");
  EXPECT_EQ(p.GetCause(), "16");
  EXPECT_EQ(p.GetFieldValue(QStringLiteral("url")), "http://a:80/b");
  EXPECT_TRUE(p.HasField(QStringLiteral("Vazio")));
  EXPECT_EQ(p.GetFieldValue(QStringLiteral("Vazio")), "");
  // "Event" is not a prefix match of "Events", nor "Even" of "Event".
  EXPECT_FALSE(p.HasField(QStringLiteral("Event")));
  EXPECT_FALSE(p.HasField(QStringLiteral("Even")));
  // Only A-Z fold.
  EXPECT_EQ(p.GetFieldValue(QString::fromUtf8("AÇÃO")), "1");
  EXPECT_FALSE(p.HasField(QString::fromUtf8("ação")));
  EXPECT_EQ(Parse({"ActionID:LerXml"}).GetActionID(), "LerXml");
  EXPECT_EQ(Parse({"ActionID:   "}).GetActionID(), "");
}

TEST(PacketManagerParser, HugeValueIsKeptWhole) {
  const QString value(2 * 1024 * 1024, u'x');
  TPacketManagerParser p(QStringLiteral("Event: ") + value + QStringLiteral("  \r\n\r\n"));
  EXPECT_EQ(p.GetEvent(), value);
  EXPECT_EQ(p.GetPacketType(), "Event");
}

TEST(PacketManagerParser, PacketType) {
  EXPECT_EQ(Parse({"Servidor 1.0", "Response: Success"}).GetPacketType(), "Response");
  EXPECT_EQ(Parse({"EVENT: Hangup"}).GetPacketType(), "Event");
  EXPECT_EQ(Parse({"response:Error"}).GetPacketType(), "Response");
  EXPECT_EQ(Parse({"Message: x", "Event: y"}).GetPacketType(), "");
  EXPECT_EQ(Parse({"a", "b", "Response: Success"}).GetPacketType(), "");
  // Event wins on the first line even when a response follows.
  EXPECT_EQ(Parse({"Event: x", "Response: Success"}).GetPacketType(), "Event");
}

TEST(PacketManagerParser, NamedAndDerivedGetters) {
  auto p = Parse({"Channel: SIP/201-0000a1", "Uniqueid: 12.3", "Oldname: a", "Newname: b", "CauseText: Normal",
                  "Priority: 7", "CallerIDName: Ana"});
  EXPECT_EQ(p.GetInterfaceOfChannel(), "SIP");
  EXPECT_EQ(p.GetChannelOfChannel(), "201");
  EXPECT_EQ(p.GetUniqueID(), "12.3");
  EXPECT_EQ(p.GetOldName(), "a");
  EXPECT_EQ(p.GetNewName(), "b");
  EXPECT_EQ(p.GetCauseText(), "Normal");
  EXPECT_EQ(p.GetCallerIDName(), "Ana");
  EXPECT_EQ(p.GetCallerID(), "");
  EXPECT_EQ(p.GetPriority(), 7);

  auto local = Parse({"Channel: Local", "Priority: 1a"});
  EXPECT_EQ(local.GetInterfaceOfChannel(), "");
  EXPECT_EQ(local.GetChannelOfChannel(), "");
  EXPECT_EQ(local.GetPriority(), 0);
  EXPECT_EQ(Parse({"Channel: Zap/3"}).GetChannelOfChannel(), "3");
  EXPECT_EQ(Parse({"Priority: 99999999999"}).GetPriority(), 0);
  EXPECT_EQ(Parse({"Priority: -2"}).GetPriority(), -2);
}

TEST(PacketManagerParser, ConfigurationListing) {
  auto p = Parse({"Response: Success", "Category-000000: geral", "Line-000000-000000: bind = 0.0.0.0",
                  "Line-000000-000001: porta=5038", "Line-000000-000002: porta=9999", "Category-000001:  tts ",
                  "Line-000001-000000: ativo=1", "Line-000001-000001: debug=0", "Line-000001-000002: nivel=-1",
                  "Line-000001-000003: limite=12x", "Line-000001-000004: nome=a=b",
                  "Line-000001-000005 sem=dois:pontos", "Category-000002 sem dois pontos"});
  EXPECT_EQ(p.ConfigReadString(QStringLiteral("geral"), QStringLiteral("porta"), QStringLiteral("x")), "5038");
  EXPECT_EQ(p.ConfigReadString(QStringLiteral("Geral"), QStringLiteral("porta"), QStringLiteral("x")), "x");
  EXPECT_EQ(p.ConfigReadString(QStringLiteral("geral"), QStringLiteral("bind"), QString()), "0.0.0.0");
  // Lines of another category do not answer for this one.
  EXPECT_EQ(p.ConfigReadString(QStringLiteral("geral"), QStringLiteral("ativo"), QStringLiteral("d")), "d");
  EXPECT_EQ(p.ConfigReadString(QStringLiteral("tts"), QStringLiteral("nome"), QString()), "a=b");
  // "=" before ":" gives no variable.
  EXPECT_EQ(p.ConfigReadString(QStringLiteral("tts"), QStringLiteral("sem"), QStringLiteral("d")), "d");

  EXPECT_EQ(p.ConfigReadInteger(QStringLiteral("geral"), QStringLiteral("porta"), 1), 5038);
  EXPECT_EQ(p.ConfigReadInteger(QStringLiteral("tts"), QStringLiteral("limite"), 5), 5);
  EXPECT_EQ(p.ConfigReadInteger(QStringLiteral("tts"), QStringLiteral("falta"), 5), 5);
  EXPECT_EQ(p.ConfigReadInteger(QStringLiteral("tts"), QStringLiteral("nivel"), 5), -1);

  EXPECT_TRUE(p.ConfigReadBool(QStringLiteral("tts"), QStringLiteral("ativo"), false));
  EXPECT_FALSE(p.ConfigReadBool(QStringLiteral("tts"), QStringLiteral("debug"), true));
  EXPECT_TRUE(p.ConfigReadBool(QStringLiteral("tts"), QStringLiteral("nivel"), true));
  EXPECT_FALSE(p.ConfigReadBool(QStringLiteral("tts"), QStringLiteral("nivel"), false));
  EXPECT_TRUE(p.ConfigReadBool(QStringLiteral("tts"), QStringLiteral("limite"), true));
  EXPECT_TRUE(p.ConfigReadBool(QStringLiteral("geral"), QStringLiteral("porta"), false));

  EXPECT_TRUE(p.ConfigSectionExists(QStringLiteral("tts")));
  EXPECT_FALSE(p.ConfigSectionExists(QStringLiteral("TTS")));
  QStringList sections{QStringLiteral("antigo")};
  p.ConfigReadSections(sections);
  EXPECT_EQ(sections, (QStringList{QStringLiteral("geral"), QStringLiteral("tts")}));
}

// A line that ends right at its colon is the field with an empty value, and
// a name one character short or long is another field.
TEST(PacketManagerParser, FieldLineEndingAtItsColon) {
  const struct {
    const char* Linha;
    const char* Nome;
    bool Tem;
  } casos[] = {{"Message:", "Message", true},
               {"Message:", "Messag", false},
               {"Message:", "Messages", false},
               {"M:", "M", true},
               {":", "", true},
               {"Message", "Message", false}};
  for (const auto& c : casos) {
    const TPacketManagerParser p = Parse({"Response: Error", c.Linha, "ActionID: x"});
    EXPECT_EQ(p.HasField(QString::fromLatin1(c.Nome)), c.Tem) << c.Linha << " / " << c.Nome;
    EXPECT_EQ(p.GetFieldValue(QString::fromLatin1(c.Nome)), "") << c.Linha << " / " << c.Nome;
  }
  EXPECT_EQ(Parse({"Message:", "ActionID: x"}).GetActionID(), "x");
}

// The readings over bytes agree with the parser's over the same packet as
// text, whatever the packet holds.
TEST(PacketManagerParser, ReadingOverBytesAgreesWithText) {
  const QByteArray pacotes[] = {
      "",
      "Event: xmlfilepart",
      "Event: xmlfilepart\r\nFilePart: a<#10>\r\n\r\n",
      "EVENT:XmlFilePart \x01\r\nfilepart:\t a\xC3\xA7\xE3 \x1F\r\n\r\n",
      "Response: Success\r\nEvent: xmlfilepart\r\nFilePart: x\r\n\r\n",
      "Events: x\r\nFilePart: x\r\n\r\n",
      "Event: x\rFilePart: y\r\n\r\n",
      "Event: a\r\nFilePar: 1\r\nFilePart: 2\r\nFilePart: 3\r\n\r\n",
      "Event: a\r\nFilePart: \r\n\r\n",
      "Event: a\r\nFilePart: tail",
      "Event:\r\n\r\n",
      "\x80vent: a\r\nFILEPART:\xA0\x81\x8D z\x9D\r\n\r\n",
  };
  for (const QByteArray& bytes : pacotes) {
    const TPacketManagerParser p(DecodeAnsi(bytes));
    const QString evento = p.GetPacketType() == u"Event" ? p.GetEvent() : QString();
    EXPECT_EQ(DecodeAnsi(EventoDoPacote(bytes)), evento) << bytes.toHex(' ').toStdString();
    for (const QString& nome : {QStringLiteral("FilePart"), QStringLiteral("Event"), QStringLiteral("x")})
      EXPECT_EQ(DecodeAnsi(ValorDoCampo(bytes, nome)), p.GetFieldValue(nome))
          << bytes.toHex(' ').toStdString() << " " << nome.toStdString();
  }
}
