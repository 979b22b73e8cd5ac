#include "packet.h"

namespace {

const QByteArray kTerminator = QByteArrayLiteral("\r\n\r\n");

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

QByteArray TrimmedBlanks(QByteArrayView v) {
  qsizetype b = 0, e = v.size();
  while (b < e && IsBlank(v[b])) ++b;
  while (e > b && IsBlank(v[e - 1])) --e;
  return v.sliced(b, e - b).toByteArray();
}

bool SameName(QByteArrayView a, QByteArrayView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

Packet::Packet(QByteArray raw) : raw_(std::move(raw)) {
  qsizetype pos = 0;
  while (pos < raw_.size()) {
    qsizetype end = raw_.indexOf("\r\n", pos);
    if (end < 0) end = raw_.size();
    const QByteArrayView line = QByteArrayView(raw_).sliced(pos, end - pos);
    pos = end + 2;
    if (fields_.size() == kMaxFields) {
      if (TrimmedBlanks(line).isEmpty()) continue;
      tooManyFields_ = true;
      break;
    }
    const qsizetype colon = line.indexOf(':');
    if (colon < 0) {
      if (!TrimmedBlanks(line).isEmpty()) fields_.append({TrimmedBlanks(line), QByteArray()});
      continue;
    }
    fields_.append({TrimmedBlanks(line.first(colon)), TrimmedBlanks(line.sliced(colon + 1))});
  }
}

QByteArray Packet::value(QByteArrayView name) const {
  for (const Field& f : fields_)
    if (SameName(f.first, name)) return f.second;
  return {};
}

bool Packet::has(QByteArrayView name) const {
  for (const Field& f : fields_)
    if (SameName(f.first, name)) return true;
  return false;
}

std::optional<QByteArray> Packet::rawFilePart() const {
  static constexpr QByteArrayView kName("FilePart:");
  qsizetype lineStart = 0;
  while (lineStart < raw_.size()) {
    const QByteArrayView rest = QByteArrayView(raw_).sliced(lineStart);
    if (rest.size() >= kName.size() && SameName(rest.first(kName.size()), kName)) {
      qsizetype from = lineStart + kName.size();
      if (from < raw_.size() && raw_[from] == ' ') ++from;
      qsizetype to = raw_.size();
      if (raw_.endsWith(kTerminator)) to -= kTerminator.size();
      return to > from ? raw_.sliced(from, to - from) : QByteArray();
    }
    const qsizetype end = raw_.indexOf("\r\n", lineStart);
    if (end < 0) break;
    lineStart = end + 2;
  }
  return std::nullopt;
}

std::optional<QByteArray> PacketReader::next() {
  const qsizetype at = buffer_.indexOf(kTerminator, qMax(start_, scanFrom_));
  if (at < 0) {
    // Compact only here, so a burst of small packets costs one move.
    buffer_.remove(0, start_);
    start_ = 0;
    scanFrom_ = qMax<qsizetype>(0, buffer_.size() - (kTerminator.size() - 1));
    return std::nullopt;
  }
  const qsizetype end = at + kTerminator.size();
  QByteArray packet = buffer_.sliced(start_, end - start_);
  start_ = end;
  scanFrom_ = end;
  return packet;
}

QByteArray BuildPacket(const QList<Field>& fields) {
  QByteArray out;
  for (const Field& f : fields) {
    QByteArray v = f.second;
    v.replace('\r', ' ').replace('\n', ' ');
    out += f.first + ": " + v + "\r\n";
  }
  return out + "\r\n";
}
