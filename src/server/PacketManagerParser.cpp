#include "PacketManagerParser.h"

#include "texto.h"

namespace {

char16_t LowerAsciiChar(char16_t c) { return (c >= 'A' && c <= 'Z') ? char16_t(c + 32) : c; }

// A byte stands for the code page's character, which agrees with ASCII.
char16_t Unidade(QChar c) { return c.unicode(); }
char16_t Unidade(char c) { return static_cast<unsigned char>(c); }

// LowerKey is already folded and ends with ":". Line is text or bytes.
template <class Linha>
bool StartsWithKey(Linha Line, const QString& LowerKey) {
  if (Line.size() < LowerKey.size()) return false;
  for (qsizetype i = 0; i < LowerKey.size(); ++i)
    if (LowerAsciiChar(Unidade(Line[i])) != LowerKey.at(i).unicode()) return false;
  return true;
}

// Calls Linha with each line of a packet (text or bytes) that "\r\n" ends,
// in order, until it returns true. A carriage return is looked for on its
// own (a much faster search than for the pair): file parts make lines of
// kilobytes.
template <class Texto, class Funcao>
void CadaLinha(Texto Packet, Funcao Linha) {
  qsizetype start = 0;
  for (qsizetype cr = Packet.indexOf('\r'); cr >= 0; cr = Packet.indexOf('\r', cr + 1)) {
    if (cr + 1 >= Packet.size() || Packet[cr + 1] != '\n') continue;
    if (Linha(Packet.sliced(start, cr - start))) return;
    start = cr + 2;
    cr = start - 1;
  }
}

QString FieldKey(const QString& Name) { return LowerAscii(Name) + u':'; }

const QString kCategory = QStringLiteral("Category-");
const QString kLine = QStringLiteral("Line-");

// "Category-n: section". A line without ":" names no section.
bool ParseCategory(const QString& Line, QString* Number, QString* Section) {
  if (!Line.startsWith(kCategory)) return false;
  const qsizetype colon = Line.indexOf(u':', kCategory.size());
  if (colon < 0) return false;
  *Number = Line.mid(kCategory.size(), colon - kCategory.size());
  *Section = TrimBlanks(Line.mid(colon + 1));
  return true;
}

// "Line-n-m: variable=value"; variable and value stay empty unless the first
// ":" comes before the first "=".
bool ParseLine(const QString& Line, QString* Number, QString* Variable, QString* Value) {
  if (!Line.startsWith(kLine)) return false;
  const qsizetype dash = Line.indexOf(u'-', kLine.size());
  *Number = dash < 0 ? Line.mid(kLine.size()) : Line.mid(kLine.size(), dash - kLine.size());
  Variable->clear();
  Value->clear();
  const qsizetype colon = Line.indexOf(u':');
  const qsizetype eq = Line.indexOf(u'=');
  if (colon >= 0 && eq >= 0 && colon < eq) {
    *Variable = TrimBlanks(Line.mid(colon + 1, eq - colon - 1));
    *Value = TrimBlanks(Line.mid(eq + 1));
  }
  return true;
}

bool FindCategory(const QStringList& Lines, const QString& Section, QString* Number) {
  QString name;
  for (const QString& line : Lines)
    if (ParseCategory(line, Number, &name) && name == Section) return true;
  return false;
}

}  // namespace

TPacketManagerParser::TPacketManagerParser(const QString& packet) {
  CadaLinha(QStringView(packet), [this](QStringView line) {
    sl.append(line.toString());
    return false;
  });
}

QString TPacketManagerParser::GetFieldValue(const QString& Name) const {
  const QString key = FieldKey(Name);
  for (const QString& line : sl)
    if (StartsWithKey(line, key)) return TrimBlanks(QStringView(line).sliced(key.size()));
  return QString();
}

QByteArrayView ValorDoCampo(QByteArrayView Packet, const QString& Name) {
  const QString key = FieldKey(Name);
  QByteArrayView value;
  CadaLinha(Packet, [&](QByteArrayView line) {
    if (!StartsWithKey(line, key)) return false;
    value = TrimBlanksView(line.sliced(key.size()));
    return true;
  });
  return value;
}

QByteArrayView EventoDoPacote(QByteArrayView Packet) {
  const QString key = QStringLiteral("event:");
  QByteArrayView name;
  // Only the first line tells an event; its name is that line's value.
  CadaLinha(Packet, [&](QByteArrayView line) {
    if (StartsWithKey(line, key)) name = TrimBlanksView(line.sliced(key.size()));
    return true;
  });
  return name;
}

bool TPacketManagerParser::HasField(const QString& Name) const {
  const QString key = FieldKey(Name);
  for (const QString& line : sl)
    if (StartsWithKey(line, key)) return true;
  return false;
}

QString TPacketManagerParser::GetPacketType() const {
  if (sl.isEmpty()) return QString();
  if (StartsWithKey(sl.at(0), QStringLiteral("event:"))) return QStringLiteral("Event");
  const QString response = QStringLiteral("response:");
  if (StartsWithKey(sl.at(0), response) || (sl.size() > 1 && StartsWithKey(sl.at(1), response)))
    return QStringLiteral("Response");
  return QString();
}

QString TPacketManagerParser::GetLine(qsizetype Index) const {
  if (Index < 0 || Index >= sl.size()) return QString();
  return sl.at(Index);
}

int TPacketManagerParser::GetPriority() const { return StrToIntDef(GetFieldValue(QStringLiteral("Priority")), 0); }

QString TPacketManagerParser::GetInterfaceOfChannel() const {
  const QString channel = GetChannel();
  const qsizetype slash = channel.indexOf(u'/');
  return slash < 0 ? QString() : channel.left(slash);
}

QString TPacketManagerParser::GetChannelOfChannel() const {
  const QString channel = GetChannel();
  const qsizetype slash = channel.indexOf(u'/');
  if (slash < 0) return QString();
  const QString rest = channel.mid(slash + 1);
  const qsizetype dash = rest.indexOf(u'-');
  return dash < 0 ? rest : rest.left(dash);
}

QString TPacketManagerParser::ConfigReadString(const QString& Section, const QString& Variable,
                                               const QString& Default) const {
  QString number;
  if (!FindCategory(sl, Section, &number)) return Default;
  QString lineNumber, variable, value;
  for (const QString& line : sl)
    if (ParseLine(line, &lineNumber, &variable, &value) && lineNumber == number && variable == Variable) return value;
  return Default;
}

int TPacketManagerParser::ConfigReadInteger(const QString& Section, const QString& Variable, int Default) const {
  const QString s = ConfigReadString(Section, Variable, QString());
  return s.isEmpty() ? Default : StrToIntDef(s, Default);
}

bool TPacketManagerParser::ConfigReadBool(const QString& Section, const QString& Variable, bool Default) const {
  const int v = ConfigReadInteger(Section, Variable, -1);
  return v == -1 ? Default : v != 0;
}

bool TPacketManagerParser::ConfigSectionExists(const QString& Section) const {
  QString number;
  return FindCategory(sl, Section, &number);
}

void TPacketManagerParser::ConfigReadSections(QStringList& List) const {
  List.clear();
  QString number, name;
  for (const QString& line : sl)
    if (ParseCategory(line, &number, &name)) List.append(name);
}
