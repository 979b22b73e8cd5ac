#include "texto.h"

#include <cstdint>
#include <cstring>

namespace {
// The text between Inicio and Fim once blanks are removed at both ends.
// Bytes count as the code page's characters, which agree with them up to 32.
bool Branco(QChar c) { return c.unicode() <= 32; }
bool Branco(char c) { return static_cast<unsigned char>(c) <= 32; }
template <class Texto>
void Limites(Texto s, qsizetype* Inicio, qsizetype* Fim) {
  const auto branco = [&s](qsizetype i) { return Branco(s[i]); };
  qsizetype b = 0, e = s.size();
  while (b < e && branco(b)) ++b;
  while (e > b && branco(e - 1)) --e;
  *Inicio = b;
  *Fim = e;
}
}  // namespace

QString TrimBlanks(const QString& s) {
  qsizetype b, e;
  Limites(s, &b, &e);
  return s.mid(b, e - b);  // shares the text when nothing is removed
}

QString TrimBlanks(QStringView s) { return TrimBlanksView(s).toString(); }

QStringView TrimBlanksView(QStringView s) {
  qsizetype b, e;
  Limites(s, &b, &e);
  return s.sliced(b, e - b);
}

QByteArrayView TrimBlanksView(QByteArrayView s) {
  qsizetype b, e;
  Limites(s, &b, &e);
  return s.sliced(b, e - b);
}

QString LowerAscii(const QString& s) {
  QString r = s;
  for (QChar& c : r)
    if (c.unicode() >= 'A' && c.unicode() <= 'Z') c = QChar(c.unicode() + 32);
  return r;
}

QString UpperAscii(const QString& s) {
  QString r = s;
  for (QChar& c : r)
    if (c.unicode() >= 'a' && c.unicode() <= 'z') c = QChar(c.unicode() - 32);
  return r;
}

int StrToIntDef(const QString& s, int Default) {
  const QString t = TrimBlanks(s);
  if (t.isEmpty()) return Default;
  qsizetype i = 0;
  bool neg = false;
  if (t.at(0) == u'-' || t.at(0) == u'+') {
    neg = t.at(0) == u'-';
    i = 1;
  }
  if (i >= t.size()) return Default;
  long long v = 0;
  for (; i < t.size(); ++i) {
    const char16_t c = t.at(i).unicode();
    if (c < '0' || c > '9') return Default;
    v = v * 10 + (c - '0');
    if (v > 2147483648LL) return Default;
  }
  if (neg) v = -v;
  if (v > 2147483647LL || v < -2147483648LL) return Default;
  return static_cast<int>(v);
}

bool IsAsciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }
bool IsAsciiLetter(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

namespace {
// Whole blocks of this many units are first tested at once (loops of a fixed
// count, which the compiler turns into vector instructions): a block of
// ASCII, most of a URA file, is narrowed as it stands.
constexpr qsizetype kBlocoAscii = 16;

bool BlocoAscii(const char16_t* s) {
  char16_t fora = 0;
  for (qsizetype j = 0; j < kBlocoAscii; ++j) fora |= s[j];
  return fora < 0x80;
}

// The pointers never overlap; saying so lets the compiler narrow the block
// with vector instructions.
void EstreitaBloco(const char16_t* __restrict__ s, char* __restrict__ d) {
  for (qsizetype j = 0; j < kBlocoAscii; ++j) d[j] = char(s[j]);
}
}  // namespace

qsizetype PulaAscii(const unsigned char* Dados, qsizetype I, qsizetype N) {
  while (N - I >= 8) {  // no byte of the word has its high bit set
    uint64_t palavra;
    std::memcpy(&palavra, Dados + I, sizeof palavra);
    if (palavra & 0x8080808080808080u) break;
    I += 8;
  }
  while (I < N && Dados[I] < 0x80) ++I;
  return I;
}

int SequenciaUtf8(const unsigned char* Dados, qsizetype N, char32_t& Cp) {
  const unsigned c = Dados[0];
  int extras;
  char32_t minimo;
  if (c >= 0xC2 && c <= 0xDF) {
    extras = 1;
    minimo = 0x80;
  } else if (c >= 0xE0 && c <= 0xEF) {
    extras = 2;
    minimo = 0x800;
  } else if (c >= 0xF0 && c <= 0xF4) {
    extras = 3;
    minimo = 0x10000;
  } else {
    return 0;
  }
  if (N <= extras) return 0;
  char32_t cp = c & (0x3F >> extras);
  for (int k = 1; k <= extras; ++k) {
    if ((Dados[k] & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (Dados[k] & 0x3F);
  }
  if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  Cp = cp;
  return extras + 1;
}

void AcrescentaUtf8(std::string& Saida, QStringView Texto) {
  const char16_t* s = Texto.utf16();
  const qsizetype n = Texto.size();
  const size_t inicio = Saida.size();
  Saida.resize(inicio + 3 * size_t(n));  // the most a UTF-16 unit becomes
  char* d = Saida.data() + inicio;
  for (qsizetype i = 0; i < n;) {
    if (n - i >= kBlocoAscii && BlocoAscii(s + i)) {
      EstreitaBloco(s + i, d);
      d += kBlocoAscii;
      i += kBlocoAscii;
      continue;
    }
    // The block, or what is left of the text, one unit at a time.
    for (const qsizetype fim = qMin(n, i + kBlocoAscii); i < fim; ++i) {
      char32_t c = s[i];
      if (c < 0x80) {
        *d++ = char(c);
        continue;
      }
      if (c < 0x800) {
        *d++ = char(0xC0 | (c >> 6));
        *d++ = char(0x80 | (c & 0x3F));
        continue;
      }
      if (QChar::isSurrogate(c)) {
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(s[i + 1])) {
          c = QChar::surrogateToUcs4(char16_t(c), s[++i]);
          *d++ = char(0xF0 | (c >> 18));
          *d++ = char(0x80 | ((c >> 12) & 0x3F));
          *d++ = char(0x80 | ((c >> 6) & 0x3F));
          *d++ = char(0x80 | (c & 0x3F));
          continue;
        }
        c = QChar::ReplacementCharacter;
      }
      *d++ = char(0xE0 | (c >> 12));
      *d++ = char(0x80 | ((c >> 6) & 0x3F));
      *d++ = char(0x80 | (c & 0x3F));
    }
  }
  Saida.resize(size_t(d - Saida.data()));
}

// Written digit by digit: QString::arg, which parses a pattern, was most of
// the cost of a condition's description.
void AcrescentaComZeros(QString& Texto, qint64 Valor, int Digitos) {
  if (Valor < 0) {
    Texto += QStringLiteral("%1").arg(Valor, Digitos, 10, QLatin1Char('0'));  // its sign placement
    return;
  }
  char16_t d[24];
  int n = 0;
  do {
    d[23 - n++] = char16_t(u'0' + Valor % 10);
    Valor /= 10;
  } while (Valor > 0);
  while (n < Digitos && n < 24) d[23 - n++] = u'0';
  Texto.append(reinterpret_cast<const QChar*>(d + 24 - n), n);
}
