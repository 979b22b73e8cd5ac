#pragma once
// Packets of the server protocol: header lines "Name: value\r\n" closed by an
// empty line. Values are raw bytes; the session decides their encoding.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>

#include <optional>

using Field = QPair<QByteArray, QByteArray>;

class Packet {
 public:
  // raw: one packet including its closing "\r\n\r\n".
  explicit Packet(QByteArray raw);

  const QByteArray& raw() const { return raw_; }
  const QList<Field>& fields() const { return fields_; }
  bool isBlank() const { return fields_.isEmpty(); }
  // More than kMaxFields lines: only the first kMaxFields were read.
  bool tooManyFields() const { return tooManyFields_; }

  // Trimmed value of the first field of that name (ASCII case ignored);
  // empty when absent.
  QByteArray value(QByteArrayView name) const;
  bool has(QByteArrayView name) const;

  // The untrimmed bytes of the "FilePart" field: everything after
  // "FilePart: " up to the packet's closing "\r\n\r\n". File parts hold bare
  // LF bytes and leading blanks that a trimmed value would lose.
  std::optional<QByteArray> rawFilePart() const;

 private:
  QByteArray raw_;
  QList<Field> fields_;
  bool tooManyFields_ = false;
};

// Collects received bytes and cuts them at each "\r\n\r\n".
class PacketReader {
 public:
  void append(const QByteArray& bytes) { buffer_.append(bytes); }
  // The next complete packet (terminator included), if any.
  std::optional<QByteArray> next();
  // Bytes held that do not yet form a packet.
  qsizetype pending() const { return buffer_.size() - start_; }

 private:
  QByteArray buffer_;
  qsizetype start_ = 0;     // first byte not yet handed out
  qsizetype scanFrom_ = 0;  // where the terminator search resumes
};

// Builds a packet from fields in order. CR and LF inside values become
// blanks so that no value can break the framing.
QByteArray BuildPacket(const QList<Field>& fields);

// Largest packet, and largest uploaded file, a client may send.
inline constexpr qsizetype kMaxClientBytes = qsizetype(64) << 20;
// Most header lines a packet may have; the program's requests have a handful.
// Each field costs far more memory than its bytes on the wire.
inline constexpr qsizetype kMaxFields = 1000;
