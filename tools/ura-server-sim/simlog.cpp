#include "simlog.h"

#include <QStringDecoder>

#include <cstdio>

#include "codepage.h"

namespace {

QString WireText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes);
  if (utf8.hasError()) text = DecodeAnsi(bytes);
  for (QChar& c : text)
    if (c.unicode() < 32 || c.unicode() == 127) c = u' ';
  constexpr int kMaxChars = 200;
  if (text.size() > kMaxChars) text = text.left(kMaxChars) + QStringLiteral("...");
  return text;
}

}  // namespace

void SimLog(const QString& line) {
  // A packet of many fields must not become one enormous line.
  constexpr qsizetype kMaxLine = 4000;
  const QByteArray bytes = (line.size() > kMaxLine ? line.left(kMaxLine) + QStringLiteral("...") : line).toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

QString DescribeFields(const QList<Field>& fields, qsizetype filePartSize) {
  QStringList out;
  for (const Field& f : fields) {
    const QString name = WireText(f.first);
    if (name.compare(QStringLiteral("FilePart"), Qt::CaseInsensitive) == 0)
      out.append(QStringLiteral("(%1 bytes)").arg(filePartSize >= 0 ? filePartSize : f.second.size()));
    else if (name.compare(QStringLiteral("Password"), Qt::CaseInsensitive) == 0)
      out.append(name + QStringLiteral(": ***"));
    else
      out.append(name + QStringLiteral(": ") + WireText(f.second));
  }
  return out.join(QStringLiteral(" | "));
}
