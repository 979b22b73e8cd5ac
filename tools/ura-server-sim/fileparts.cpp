#include "fileparts.h"

namespace {

const QByteArray kLineMark = QByteArrayLiteral("<#10>");

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

// The program trims blanks at both ends of every field value, so a part
// must not begin with blanks that belong to the file. Indentation in front of
// a tag that follows a tag is insignificant and may go.
bool SafeCut(QByteArrayView previous, QByteArrayView next) {
  if (next.isEmpty() || !IsBlank(next[0])) return true;
  qsizetype i = 0;
  while (i < next.size() && IsBlank(next[i])) ++i;
  if (i == next.size() || next[i] != '<') return false;
  qsizetype e = previous.size();
  while (e > 0 && IsBlank(previous[e - 1])) --e;
  return e > 0 && previous[e - 1] == '>';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

QList<QByteArray> EncodeFileParts(const QByteArray& fileBytes, qsizetype targetSize) {
  // A part with no safe cut in sight is still cut at this size.
  const qsizetype hardLimit = targetSize * 8;
  QByteArray text = fileBytes;
  if (text.startsWith("\xEF\xBB\xBF")) text.remove(0, 3);
  text.replace("\r", "");

  QList<QByteArrayView> lines;
  qsizetype pos = 0;
  while (pos < text.size()) {
    qsizetype lf = text.indexOf('\n', pos);
    if (lf < 0) lf = text.size();
    lines.append(QByteArrayView(text).sliced(pos, lf - pos));
    pos = lf + 1;
  }
  const bool lastHasLf = text.endsWith('\n');

  QList<QByteArray> parts;
  QByteArray part;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    part += lines[i];
    if (i + 1 < lines.size() || lastHasLf) part += kLineMark;
    const bool last = i + 1 == lines.size();
    if (last || (part.size() >= targetSize && (part.size() >= hardLimit || SafeCut(lines[i], lines[i + 1])))) {
      parts.append(part);
      part.clear();
    }
  }
  return parts;
}

std::optional<QByteArray> DecodeHexBlock(QByteArrayView hex) {
  if (hex.isEmpty() || hex.size() % 2 != 0) return std::nullopt;
  QByteArray out(hex.size() / 2, Qt::Uninitialized);
  for (qsizetype i = 0; i < out.size(); ++i) {
    const int hi = HexDigit(hex[2 * i]), lo = HexDigit(hex[2 * i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out[i] = static_cast<char>(hi * 16 + lo);
  }
  return out;
}
