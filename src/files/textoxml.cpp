#include "textoxml.h"

namespace {

enum TEscapa : unsigned { kSoMarkup = 0, kCR = 1, kLFTab = 2 };

QLatin1String Entidade(char16_t c, unsigned Extras) {
  switch (c) {
    case u'&': return QLatin1String("&amp;");
    case u'<': return QLatin1String("&lt;");
    case u'>': return QLatin1String("&gt;");
    case u'"': return QLatin1String("&quot;");
    case u'\r': return Extras & kCR ? QLatin1String("&#xD;") : QLatin1String();
    case u'\n': return Extras & kLFTab ? QLatin1String("&#xA;") : QLatin1String();
    case u'\t': return Extras & kLFTab ? QLatin1String("&#x9;") : QLatin1String();
    default: return QLatin1String();
  }
}

// Appends the text from Inicio on, each character to replace by its entity,
// the runs between them in one piece.
void Acrescenta(QString& Saida, QStringView Texto, unsigned Extras, qsizetype Inicio = 0) {
  const qsizetype n = Texto.size();
  const QChar* p = Texto.data();
  qsizetype copiar = Inicio;
  for (qsizetype i = Inicio; i < n; ++i) {
    const QLatin1String e = Entidade(p[i].unicode(), Extras);
    if (e.isEmpty()) continue;
    Saida.append(p + copiar, i - copiar);
    Saida += e;
    copiar = i + 1;
  }
  Saida.append(p + copiar, n - copiar);
}

QString Escapa(const QString& Texto, unsigned Extras) {
  // Most texts hold no character to replace: hand the shared copy back.
  qsizetype i = 0;
  const qsizetype n = Texto.size();
  const QChar* p = Texto.constData();
  while (i < n && Entidade(p[i].unicode(), Extras).isEmpty()) ++i;
  if (i == n) return Texto;

  QString r;
  r.reserve(n + 16);
  r.append(p, i);
  Acrescenta(r, Texto, Extras, i);
  return r;
}

}  // namespace

QString EscapaMarkup(const QString& Texto) { return Escapa(Texto, kSoMarkup); }
QString EscapaTextoPlano(const QString& Texto) { return Escapa(Texto, kCR); }
QString EscapaAtributo(const QString& Texto) { return Escapa(Texto, kCR | kLFTab); }
void AcrescentaMarkup(QString& Saida, QStringView Texto) { Acrescenta(Saida, Texto, kSoMarkup); }
void AcrescentaTextoPlano(QString& Saida, QStringView Texto) { Acrescenta(Saida, Texto, kCR); }
void AcrescentaAtributo(QString& Saida, QStringView Texto) { Acrescenta(Saida, Texto, kCR | kLFTab); }
