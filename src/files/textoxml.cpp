#include "textoxml.h"

#include <cstdint>

#include "texto.h"

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

// The characters Entidade replaces, as bits of a mask (all come before 64):
// a test per character that needs no look-up for the many that stay.
constexpr uint64_t Bit(char16_t c) { return uint64_t(1) << c; }
constexpr uint64_t Mascara(unsigned Extras) {
  return Bit(u'&') | Bit(u'<') | Bit(u'>') | Bit(u'"') | (Extras & kCR ? Bit(u'\r') : 0) |
         (Extras & kLFTab ? Bit(u'\n') | Bit(u'\t') : 0);
}
bool Substitui(char16_t c, uint64_t Mascara) { return c < 64 && (Mascara >> c) & 1; }

// Where escaped text goes: a UTF-16 text or UTF-8 bytes.
struct TSaidaUtf16 {
  QString& s;
  void Texto(QStringView t) { s += t; }
  void Ascii(QLatin1String a) { s += a; }
};
struct TSaidaUtf8 {
  std::string& s;
  void Texto(QStringView t) { AcrescentaUtf8(s, t); }
  void Ascii(QLatin1String a) { s.append(a.data(), size_t(a.size())); }
};

// Appends the text from Inicio on, each character to replace by its entity,
// the runs between them in one piece.
template <class Saida>
void Acrescenta(Saida& s, QStringView Texto, unsigned Extras, qsizetype Inicio = 0) {
  const qsizetype n = Texto.size();
  const uint64_t mascara = Mascara(Extras);
  qsizetype copiar = Inicio;
  for (qsizetype i = Inicio; i < n; ++i) {
    if (!Substitui(Texto[i].unicode(), mascara)) continue;
    s.Texto(Texto.sliced(copiar, i - copiar));
    s.Ascii(Entidade(Texto[i].unicode(), Extras));
    copiar = i + 1;
  }
  s.Texto(Texto.sliced(copiar));
}

QString Escapa(const QString& Texto, unsigned Extras) {
  // Most texts hold no character to replace: hand the shared copy back.
  qsizetype i = 0;
  const qsizetype n = Texto.size();
  const QChar* p = Texto.constData();
  const uint64_t mascara = Mascara(Extras);
  while (i < n && !Substitui(p[i].unicode(), mascara)) ++i;
  if (i == n) return Texto;

  QString r;
  r.reserve(n + 16);
  r.append(p, i);
  TSaidaUtf16 saida{r};
  Acrescenta(saida, Texto, Extras, i);
  return r;
}

void EscapaUtf8(std::string& Saida, QStringView Texto, unsigned Extras) {
  TSaidaUtf8 saida{Saida};
  Acrescenta(saida, Texto, Extras);
}

}  // namespace

QString EscapaMarkup(const QString& Texto) { return Escapa(Texto, kSoMarkup); }
QString EscapaTextoPlano(const QString& Texto) { return Escapa(Texto, kCR); }
QString EscapaAtributo(const QString& Texto) { return Escapa(Texto, kCR | kLFTab); }
void AcrescentaMarkup(QString& Saida, QStringView Texto) {
  TSaidaUtf16 saida{Saida};
  Acrescenta(saida, Texto, kSoMarkup);
}
void AcrescentaTextoPlano(std::string& Saida, QStringView Texto) { EscapaUtf8(Saida, Texto, kCR); }
void AcrescentaAtributo(std::string& Saida, QStringView Texto) { EscapaUtf8(Saida, Texto, kCR | kLFTab); }
