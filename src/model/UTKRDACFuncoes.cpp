#include "UTKRDACFuncoes.h"

#include <QRandomGenerator>
#include <array>

#include "texto.h"

QString encodeCRLF(const QString& text) {
  QString r = text;
  r.replace(QChar(13), QStringLiteral("&#xD;"));
  r.replace(QChar(10), QStringLiteral("&#xA;"));
  return r;
}

QString decodeCRLF(const QString& text) {
  QString r = text;
  r.replace(QStringLiteral("&#xD;"), QString(QChar(13)));
  r.replace(QStringLiteral("&#xA;"), QString(QChar(10)));
  return r;
}

QString decodeCRLFTo(const QString& text, const QString& str) {
  QString r = text;
  r.remove(QStringLiteral("&#xD;"));
  r.replace(QStringLiteral("&#xA;"), str);
  return r;
}

namespace {

// Where escaped text goes: a UTF-16 text or UTF-8 bytes.
struct TSaidaUtf16 {
  QString& s;
  void Texto(const char16_t* p, qsizetype n) { s.append(reinterpret_cast<const QChar*>(p), n); }
  void Ascii(const char* a, qsizetype n) { s += QLatin1String(a, n); }
};
struct TSaidaUtf8 {
  std::string& s;
  void Texto(const char16_t* p, qsizetype n) { AcrescentaUtf8(s, QStringView(p, n)); }
  void Ascii(const char* a, qsizetype n) { s.append(a, size_t(n)); }
};

// "&#x" + Valor in upper-case hexadecimal of at least Digitos digits + ";".
template <class Saida>
void Referencia(Saida& out, unsigned long Valor, int Digitos) {
  char ref[16] = "&#x";
  char hex[8];
  int n = 0;
  do {
    hex[n++] = "0123456789ABCDEF"[Valor & 0xF];
    Valor >>= 4;
  } while (Valor || n < Digitos);
  int k = 3;
  while (n) ref[k++] = hex[--n];
  ref[k++] = ';';
  out.Ascii(ref, k);
}

template <class Saida>
void Escapa(Saida& out, QStringView text) {
  const qsizetype n = text.size();
  const char16_t* s = text.utf16();
  qsizetype copiar = 0;  // start of the run of characters copied as they are
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = s[i];
    if (c <= 255 && c != 13 && c != 10 && c != u'&' && c != u'"' && c != u'<' && c != u'>') continue;
    out.Texto(s + copiar, i - copiar);
    copiar = i + 1;
    if (c > 255) {
      const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
      if (surrogate && i + 1 < n) {
        const char16_t d = s[i + 1];
        if (d >= 0xD800 && d <= 0xDFFF) {
          // Written as the arithmetic gives it, also for a reversed pair.
          Referencia(out, (static_cast<unsigned long>(c) - 0xD800) * 0x400 + d - 0xDC00 + 0x10000, 5);
          copiar = ++i + 1;
          continue;
        }
      }
      Referencia(out, c, 4);
      continue;
    }
    switch (c) {
      case 13: out.Ascii("&#xD;", 5); break;
      case 10: out.Ascii("&#xA;", 5); break;
      case u'&': out.Ascii("&amp;", 5); break;
      case u'"': out.Ascii("&quot;", 6); break;
      case u'<': out.Ascii("&lt;", 4); break;
      default: out.Ascii("&gt;", 4); break;
    }
  }
  out.Texto(s + copiar, n - copiar);
}

}  // namespace

QString UTF16ToUnicodedEscaped(const QString& text) {
  QString out;
  out.reserve(text.size() + 16);
  AppendUnicodedEscaped(out, text);
  return out;
}

void AppendUnicodedEscaped(QString& out, QStringView text) {
  TSaidaUtf16 saida{out};
  Escapa(saida, text);
}

void AppendUnicodedEscaped(std::string& out, QStringView text) {
  TSaidaUtf8 saida{out};
  Escapa(saida, text);
}

// ---- Audit field scrambling -------------------------------------------------
// These constants are part of the URA file format: values scrambled with one
// choice can be read back only with the same choice. Never change them.
namespace {

constexpr std::array<uint8_t, 64> kChave = {
    0x4B, 0x52, 0x1D, 0xA7, 0x3C, 0xE9, 0x58, 0x0F, 0x96, 0x21, 0xDB, 0x74, 0x6E, 0x13, 0xB5, 0x8A,
    0x2F, 0xC8, 0x41, 0x9D, 0x07, 0xF3, 0x66, 0xAC, 0x35, 0x90, 0x5B, 0xE2, 0x19, 0x7D, 0xC4, 0x0A,
    0xB1, 0x48, 0x83, 0x2C, 0xF6, 0x5E, 0x97, 0x31, 0xDA, 0x6B, 0x14, 0xA9, 0x70, 0x3E, 0xC5, 0x8F,
    0x26, 0xEB, 0x53, 0x0C, 0x9A, 0x61, 0xBF, 0x38, 0xD4, 0x7A, 0x15, 0xAE, 0x43, 0xF0, 0x89, 0x5C};
constexpr uint8_t kSementeS1 = 0x5A;
constexpr uint8_t kSementeS2 = 0xC3;

uint8_t K(long i) { return kChave[static_cast<size_t>((i - 1) % long(kChave.size()))]; }
uint8_t Mascara(long i) { return static_cast<uint8_t>(K(i) + i); }

void AppendHex(QString& out, uint8_t b) {
  static const char* digits = "0123456789ABCDEF";
  out += QChar(digits[b >> 4]);
  out += QChar(digits[b & 15]);
}

int HexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  return -1;
}

}  // namespace

int MyHexToBin(const QString& Texto, uint8_t* Buffer, int Size) {
  if (!Buffer || Size <= 0) return 0;
  int count = 0;
  for (qsizetype i = 0; i + 1 < Texto.size() && count < Size; i += 2) {
    const int hi = HexDigit(Texto.at(i)), lo = HexDigit(Texto.at(i + 1));
    if (hi < 0 || lo < 0) break;
    Buffer[count++] = static_cast<uint8_t>(hi * 16 + lo);
  }
  return count;
}

QString CriptografaSenha(int Chave, int MinLen, const QString& Texto) {
  const long L = MinLen < 5 ? 5 : MinLen;
  if (Chave < 1) Chave = static_cast<int>(QRandomGenerator::global()->bounded(1, 65535));
  const uint8_t h = static_cast<uint8_t>((Chave >> 8) & 0xFF);
  const uint8_t l = static_cast<uint8_t>(Chave & 0xFF);
  uint8_t s1 = kSementeS1, s2 = kSementeS2;
  auto soma = [&](uint8_t b) {
    s1 = static_cast<uint8_t>(s1 + b);
    s2 = static_cast<uint8_t>(s2 + b);
  };
  soma(h);
  soma(l);
  const long n = Texto.size();
  QString out;
  out.reserve(10 + 2 * std::max(n, L));
  AppendHex(out, h);
  AppendHex(out, l);
  uint8_t x = static_cast<uint8_t>(l ^ h ^ static_cast<uint8_t>(n % 256));
  AppendHex(out, x);
  soma(x);
  for (long i = 1; i <= n; ++i) {
    const auto c = static_cast<uint8_t>(Texto.at(i - 1).unicode() & 0xFF);
    x = static_cast<uint8_t>(Mascara(i) ^ x ^ c);
    AppendHex(out, x);
    soma(x);
  }
  for (long j = n + 1; j <= L; ++j) {
    x = static_cast<uint8_t>(Mascara(j) ^ x ^ static_cast<uint8_t>(j));
    AppendHex(out, x);
    soma(x);
  }
  AppendHex(out, s1);
  AppendHex(out, s2);
  return out;
}

QString DescriptografaSenha(const QString& Valor, const QString& Default) {
  const qsizetype len = Valor.size();
  if (len <= 8) return Default;
  const QString soma = Valor.right(4);
  const QString cabeca = Valor.left(6);
  const QString corpo = len > 10 ? Valor.mid(6, len - 10) : QString();
  uint8_t head[3];
  uint8_t body[512];
  if (MyHexToBin(cabeca, head, 3) != 3) return QString();
  const int nb = MyHexToBin(corpo, body, 512);
  if (nb < 1) return QString();
  uint8_t s1 = kSementeS1, s2 = kSementeS2;
  auto somaByte = [&](uint8_t b) {
    s1 = static_cast<uint8_t>(s1 + b);
    s2 = static_cast<uint8_t>(s2 + b);
  };
  for (uint8_t b : head) somaByte(b);
  const int n = head[0] ^ head[1] ^ head[2];
  if (n > nb) return Default;
  QString result;
  result.reserve(n);
  uint8_t anterior = head[2];
  for (int i = 1; i <= n; ++i) {
    const uint8_t y = body[i - 1];
    somaByte(y);
    result += QChar(char16_t(y ^ anterior ^ Mascara(i)));
    anterior = y;
  }
  for (int i = n; i < nb; ++i) somaByte(body[i]);
  QString esperado;
  AppendHex(esperado, s1);
  AppendHex(esperado, s2);
  return esperado == soma ? result : Default;
}
