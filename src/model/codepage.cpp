#include "codepage.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "texto.h"

namespace {

// Characters of bytes 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ByteOf(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

// Whole blocks of this many characters are first tested at once (loops of a
// fixed count, which the compiler turns into vector instructions): a block
// of ASCII and Latin-1 letters, most text, maps to the page one to one. The
// rest goes one character at a time.
constexpr qsizetype kBloco = 32;
// Report lines are mostly short: their tails go in smaller blocks.
constexpr qsizetype kBlocoCurto = 8;

// No character of 0x80..0x9F (the page's own) nor above 0xFF.
// (The flags are kept as wide as the characters, which is what lets the
// compiler vectorise these loops.)
template <qsizetype Tamanho = kBloco>
bool BlocoLatin1(const char16_t* s) {
  char16_t fora = 0;
  for (qsizetype j = 0; j < Tamanho; ++j) {
    const char16_t c = s[j];
    fora |= char16_t(c > 0xFF) | char16_t(char16_t(c - 0x80) < 0x20);
  }
  return !fora;
}

// No byte of 0x80..0x9F.
bool BlocoLatin1(const unsigned char* s) {
  unsigned char fora = 0;
  for (qsizetype j = 0; j < kBloco; ++j)
    fora |= static_cast<unsigned char>(static_cast<unsigned char>(s[j] - 0x80) < 0x20);
  return !fora;
}

// A block as the page maps it, widened or narrowed; the pointers never overlap.
template <qsizetype Tamanho = kBloco, class De, class Para>
void CopiaBloco(const De* __restrict__ s, Para* __restrict__ d) {
  for (qsizetype j = 0; j < Tamanho; ++j) d[j] = static_cast<Para>(s[j]);
}

// Appends text in the page to out; Lacuna(code point, out) appends what
// stands for a character the page lacks (a lone surrogate is passed as such).
template <class Lacuna>
void Acrescenta(QByteArray& out, QStringView text, Lacuna lacuna) {
  const qsizetype n = text.size();
  qsizetype k = out.size();
  // One byte per character; only a character the page lacks may need more.
  out.resize(k + n);
  char* d = out.data();
  const char16_t* s = text.utf16();
  for (qsizetype i = 0; i < n;) {
    if (n - i >= kBloco && BlocoLatin1(s + i)) {
      CopiaBloco(s + i, d + k);
      k += kBloco;
      i += kBloco;
      continue;
    }
    if (n - i >= kBlocoCurto && BlocoLatin1<kBlocoCurto>(s + i)) {
      CopiaBloco<kBlocoCurto>(s + i, d + k);
      k += kBlocoCurto;
      i += kBlocoCurto;
      continue;
    }
    const qsizetype fim = qMin(n, i + kBlocoCurto);
    for (; i < fim; ++i) {
      const char16_t c = s[i];
      const char b = ByteOf(c);
      if (b != '?' || c == u'?') {
        d[k++] = b;
        continue;
      }
      char32_t cp = c;
      if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(s[i + 1]))
        cp = QChar::surrogateToUcs4(c, s[++i]);
      out.truncate(k);
      lacuna(cp, out);
      k = out.size();
      out.resize(k + (n - i - 1));
      d = out.data();
    }
  }
  out.truncate(k);
}

}  // namespace

QByteArray EncodeAnsi(const QString& text) {
  QByteArray out;
  Acrescenta(out, text, [](char32_t, QByteArray& o) { o += '?'; });
  return out;
}

void AppendAnsiHtml(QByteArray& out, QStringView text) {
  Acrescenta(out, text, [](char32_t cp, QByteArray& o) {
    if (QChar::isSurrogate(cp)) {  // half a character: nothing to refer to
      o += '?';
      return;
    }
    char hex[8];
    int n = 0;
    for (char32_t v = cp; v || n < 4; v >>= 4) hex[n++] = "0123456789ABCDEF"[v & 0xF];
    o += "&#x";
    while (n) o += hex[--n];
    o += ';';
  });
}

QString DecodeAnsi(QByteArrayView bytes) {
  const qsizetype n = bytes.size();
  QString out(n, Qt::Uninitialized);
  char16_t* d = reinterpret_cast<char16_t*>(out.data());
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
  for (qsizetype i = 0; i < n;) {
    if (n - i >= kBloco && BlocoLatin1(s + i)) {
      CopiaBloco(s + i, d + i);
      i += kBloco;
      continue;
    }
    for (const qsizetype fim = qMin(n, i + kBloco); i < fim; ++i) {
      const unsigned char b = s[i];
      d[i] = (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char16_t(b);
    }
  }
  return out;
}

namespace {
// Code units of the character at I: two for a whole surrogate pair.
qsizetype LarguraCaractere(QStringView Texto, qsizetype I) {
  return QChar::isHighSurrogate(Texto[I].unicode()) && I + 1 < Texto.size() &&
                 QChar::isLowSurrogate(Texto[I + 1].unicode())
             ? 2
             : 1;
}

// Whole characters only: a lone low surrogate is not "in" a pair that ends with it.
bool ContemCaractere(QStringView Distintos, QStringView Caractere) {
  for (qsizetype i = 0; i < Distintos.size(); i += LarguraCaractere(Distintos, i))
    if (Distintos.sliced(i, LarguraCaractere(Distintos, i)) == Caractere) return true;
  return false;
}
}  // namespace

void AcrescentaForaDaPagina(QString& Distintos, QStringView text) {
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = text[i].unicode();
    if (ByteOf(c) != '?' || c == u'?') continue;
    const QStringView caractere = text.sliced(i, LarguraCaractere(text, i));
    i += caractere.size() - 1;
    if (!ContemCaractere(Distintos, caractere)) Distintos += caractere;
  }
}

QString ReduceToAnsi(const QString& text) {
  // Text the page holds whole comes back unchanged and without a copy.
  const char16_t* s = reinterpret_cast<const char16_t*>(text.constData());
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n;) {
    if (n - i >= kBloco && BlocoLatin1(s + i)) {
      i += kBloco;
      continue;
    }
    for (const qsizetype fim = qMin(n, i + kBloco); i < fim; ++i) {
      const char16_t c = s[i];
      if (c >= 0x80 && (c < 0xA0 || c > 0xFF) && ByteOf(c) == '?') return DecodeAnsi(EncodeAnsi(text));
    }
  }
  return text;
}

bool Utf8NaPagina(QByteArrayView Utf8) {
  const auto* s = reinterpret_cast<const unsigned char*>(Utf8.data());
  const qsizetype n = Utf8.size();
  for (qsizetype i = PulaAscii(s, 0, n); i < n; i = PulaAscii(s, i, n)) {
    char32_t cp;
    const int tamanho = SequenciaUtf8(s + i, n - i, cp);
    if (tamanho == 0 || cp > 0xFFFF || ByteOf(char16_t(cp)) == '?') return false;
    i += tamanho;
  }
  return true;
}

void AcrescentaUtf8NaPagina(QByteArray& Saida, QByteArrayView Utf8) {
  const auto* s = reinterpret_cast<const unsigned char*>(Utf8.data());
  const qsizetype n = Utf8.size();
  // The text never grows: a character is kept or becomes one "?".
  const qsizetype antes = Saida.size();
  Saida.resize(antes + n);
  char* d = Saida.data() + antes;
  qsizetype i = 0;
  while (i < n) {
    // ASCII, most of a URA file, is the same on both sides: copied in runs
    // found eight bytes at a time.
    qsizetype fim = i;
    while (n - fim >= 8) {
      uint64_t palavra;
      std::memcpy(&palavra, s + fim, sizeof palavra);
      if (palavra & 0x8080808080808080u) break;
      fim += 8;
    }
    while (fim < n && s[fim] < 0x80) ++fim;
    std::memcpy(d, s + i, size_t(fim - i));
    d += fim - i;
    i = fim;
    if (i == n) break;
    // One multi-byte sequence: kept when the page holds its character.
    const unsigned c = s[i];
    const int extras = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    char32_t cp = c & (0x3F >> extras);
    bool valida = extras > 0 && n - i > extras;
    for (int k = 1; valida && k <= extras; ++k) {
      valida = (s[i + k] & 0xC0) == 0x80;
      cp = (cp << 6) | (s[i + k] & 0x3F);
    }
    const qsizetype tamanho = valida ? extras + 1 : 1;
    if (valida && cp <= 0xFFFF && !QChar::isSurrogate(cp) && ByteOf(char16_t(cp)) != '?') {
      std::memcpy(d, s + i, size_t(tamanho));
      d += tamanho;
    } else {
      *d++ = '?';
    }
    i += tamanho;
  }
  Saida.truncate(d - Saida.constData());
}
