#include "textoxml.h"

QString EscapaMarkup(const QString& Texto) {
  // Most texts hold no markup character: hand the shared copy back.
  qsizetype i = 0;
  const qsizetype n = Texto.size();
  const QChar* p = Texto.constData();
  while (i < n) {
    const char16_t c = p[i].unicode();
    if (c == u'&' || c == u'<' || c == u'>' || c == u'"') break;
    ++i;
  }
  if (i == n) return Texto;

  QString r;
  r.reserve(n + 16);
  r.append(p, i);
  for (; i < n; ++i) {
    switch (p[i].unicode()) {
      case u'&': r += QLatin1String("&amp;"); break;
      case u'<': r += QLatin1String("&lt;"); break;
      case u'>': r += QLatin1String("&gt;"); break;
      case u'"': r += QLatin1String("&quot;"); break;
      default: r += p[i];
    }
  }
  return r;
}
