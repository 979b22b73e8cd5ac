#pragma once
// Reads one received packet: header lines of "Name: value" ended by "\r\n",
// plus configuration listings in the "Category-n: section" /
// "Line-n-m: variable=value" form.
#include <QByteArrayView>
#include <QString>
#include <QStringList>

class TPacketManagerParser {
 public:
  // Splits at every "\r\n"; the text after the last one is dropped.
  explicit TPacketManagerParser(const QString& packet);

  // First line that starts with Name + ":" (ASCII case ignored); the rest of
  // the line trimmed of blanks and control characters. Empty when absent.
  QString GetFieldValue(const QString& Name) const;
  bool HasField(const QString& Name) const;
  // "Event", "Response" or empty.
  QString GetPacketType() const;
  // Empty for an index outside the lines.
  QString GetLine(qsizetype Index) const;
  qsizetype GetLineCount() const { return sl.size(); }

  QString GetEvent() const { return GetFieldValue(QStringLiteral("Event")); }
  QString GetChannel() const { return GetFieldValue(QStringLiteral("Channel")); }
  QString GetState() const { return GetFieldValue(QStringLiteral("State")); }
  QString GetChannel1() const { return GetFieldValue(QStringLiteral("Channel1")); }
  QString GetChannel2() const { return GetFieldValue(QStringLiteral("Channel2")); }
  QString GetContext() const { return GetFieldValue(QStringLiteral("Context")); }
  QString GetExtension() const { return GetFieldValue(QStringLiteral("Extension")); }
  QString GetCallerID() const { return GetFieldValue(QStringLiteral("CallerID")); }
  QString GetCallerID1() const { return GetFieldValue(QStringLiteral("CallerID1")); }
  QString GetCallerID2() const { return GetFieldValue(QStringLiteral("CallerID2")); }
  QString GetCallerIDName() const { return GetFieldValue(QStringLiteral("CallerIDName")); }
  QString GetUniqueID() const { return GetFieldValue(QStringLiteral("Uniqueid")); }
  QString GetUniqueID1() const { return GetFieldValue(QStringLiteral("Uniqueid1")); }
  QString GetUniqueID2() const { return GetFieldValue(QStringLiteral("Uniqueid2")); }
  QString GetSource() const { return GetFieldValue(QStringLiteral("Source")); }
  QString GetPrivilege() const { return GetFieldValue(QStringLiteral("Privilege")); }
  QString GetLink() const { return GetFieldValue(QStringLiteral("Link")); }
  QString GetDestination() const { return GetFieldValue(QStringLiteral("Destination")); }
  QString GetSrcUniqueID() const { return GetFieldValue(QStringLiteral("SrcUniqueID")); }
  QString GetDestUniqueID() const { return GetFieldValue(QStringLiteral("DestUniqueID")); }
  QString GetCause() const { return GetFieldValue(QStringLiteral("Cause")); }
  QString GetCauseText() const { return GetFieldValue(QStringLiteral("CauseText")); }
  QString GetResponse() const { return GetFieldValue(QStringLiteral("Response")); }
  QString GetActionID() const { return GetFieldValue(QStringLiteral("ActionID")); }
  QString GetRespMessage() const { return GetFieldValue(QStringLiteral("Message")); }
  QString GetOldName() const { return GetFieldValue(QStringLiteral("Oldname")); }
  QString GetNewName() const { return GetFieldValue(QStringLiteral("Newname")); }

  // "Priority" as a decimal integer, 0 otherwise.
  int GetPriority() const;
  // "SIP/201-0000a1" gives "SIP" and "201"; both empty without a "/".
  QString GetInterfaceOfChannel() const;
  QString GetChannelOfChannel() const;

  QString ConfigReadString(const QString& Section, const QString& Variable, const QString& Default) const;
  int ConfigReadInteger(const QString& Section, const QString& Variable, int Default) const;
  // -1 and non-integers count as missing.
  bool ConfigReadBool(const QString& Section, const QString& Variable, bool Default) const;
  bool ConfigSectionExists(const QString& Section) const;
  void ConfigReadSections(QStringList& List) const;

 private:
  QStringList sl;
};

// The same reading over a packet's bytes in the code page, for the packets
// too many to turn into text (a file's parts); bytes and the page's
// characters agree on ASCII and on the blanks trimmed.
// What GetFieldValue(Name) gives, as bytes.
QByteArrayView ValorDoCampo(QByteArrayView Packet, const QString& Name);
// What GetEvent gives when GetPacketType is "Event"; empty otherwise.
QByteArrayView EventoDoPacote(QByteArrayView Packet);
