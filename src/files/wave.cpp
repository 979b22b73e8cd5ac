#include "wave.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cstring>

namespace {

quint16 U16(const char* p) { return qFromLittleEndian<quint16>(p); }
quint32 U32(const char* p) { return qFromLittleEndian<quint32>(p); }

bool Le(QIODevice& F, char* Destino, qint64 N) { return F.read(Destino, N) == N; }

// Reads a chunk body of Tamanho bytes keeping its first 16 (the rest is
// skipped, so an oversized "fmt " chunk never overruns the buffer).
bool LeCorpoFmt(QIODevice& F, quint32 Tamanho, char (&Corpo)[16]) {
  if (!Le(F, Corpo, 16)) return false;
  qint64 resto = qint64(Tamanho) - 16;
  char descarte[256];
  while (resto > 0) {
    const qint64 n = qMin<qint64>(resto, sizeof descarte);
    if (!Le(F, descarte, n)) return false;
    resto -= n;
  }
  return true;
}

}  // namespace

bool ArquivoWaveValido(const QString& Caminho) {
  QFile f(Caminho);
  if (!f.open(QIODevice::ReadOnly)) return false;
  return ArquivoWaveValido(f);
}

bool ArquivoWaveValido(QIODevice& F) {
  char cab[12];
  if (!Le(F, cab, 12) || std::memcmp(cab, "RIFF", 4) != 0 || std::memcmp(cab + 8, "WAVE", 4) != 0) return false;
  bool valido = true;
  bool temFmt = false;
  for (;;) {
    char id[4];
    if (!Le(F, id, 4)) return false;
    if (std::memcmp(id, "fmt ", 4) == 0) {
      temFmt = true;
      char tam[4];
      if (!Le(F, tam, 4)) return false;
      const quint16 tamanho = U16(tam);
      if (tamanho < 16) return false;
      char corpo[16];
      if (!LeCorpoFmt(F, tamanho, corpo)) return false;
      if (U16(corpo) != 1 || U16(corpo + 2) != 1 || U32(corpo + 4) != 8000 || U16(corpo + 14) != 16) valido = false;
    } else if (std::memcmp(id, "fact", 4) == 0) {
      char resto[8];
      if (!Le(F, resto, 8)) return false;
    } else if (std::memcmp(id, "data", 4) == 0) {
      if (!temFmt) return false;
      char tam[4];
      if (!Le(F, tam, 4)) return false;
      return valido && qint32(U32(tam)) > 0;
    } else {
      return false;
    }
  }
}

QString TextoWaveInvalido(const QString& NomeArquivo) {
  return QStringLiteral("Arquivo \"") + NomeArquivo +
         QStringLiteral("\" inválido. O formato do arquivo deve ser 8KHz, 16 bits, mono.");
}

bool NomeArquivoValido(const QString& Nome) {
  if (Nome.contains(QStringLiteral(".."))) return false;
  if (!Nome.isEmpty() && (Nome[0] == u'.' || Nome[0] == u'-' || Nome[0] == u'_')) return false;
  for (const QChar c : Nome) {
    const char16_t u = c.unicode();
    const bool ok = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'.' ||
                    u == u'-' || u == u'_';
    if (!ok) return false;
  }
  return true;
}

qint32 GetMyWaveFormatHeader(QIODevice& F, TFormatoWave& Formato) {
  auto falha = [&Formato] {
    Formato.HeaderSise = 0;
    return 0;
  };
  char cab[12];
  if (!Le(F, cab, 12)) return falha();
  if (std::memcmp(cab, "RIFF", 4) != 0 && std::memcmp(cab + 8, "WAVE", 4) != 0) return falha();
  Formato.FileSize = qint32(U32(cab + 4));
  qint64 conta = 12;
  for (;;) {
    char id[4];
    if (!Le(F, id, 4)) return falha();
    conta += 4;
    if (std::memcmp(id, "fmt ", 4) == 0) {
      char tam[4];
      if (!Le(F, tam, 4)) return falha();
      conta += 4;
      const quint16 tamanho = U16(tam);
      if (tamanho < 16) return falha();
      char corpo[16];
      if (!LeCorpoFmt(F, tamanho, corpo)) return falha();
      conta += tamanho;
      Formato.CompressionCode = U16(corpo);
      Formato.NumberOfChannels = U16(corpo + 2);
      Formato.SampleRate = qint32(U32(corpo + 4));
      Formato.Average = qint32(U32(corpo + 8));
      Formato.BlockAlign = U16(corpo + 12);
      Formato.SignificantBits = U16(corpo + 14);
    } else if (std::memcmp(id, "fact", 4) == 0) {
      char resto[8];
      if (!Le(F, resto, 8)) return falha();
      conta += 8;
    } else if (std::memcmp(id, "data", 4) == 0) {
      char tam[4];
      if (!Le(F, tam, 4)) return falha();
      conta += 4;
      Formato.DataSize = qint32(U32(tam));
      break;
    } else {
      return falha();
    }
  }
  if (Formato.Average >= 1000) {
    Formato.Duracao = Formato.DataSize / (Formato.Average / 1000);
  } else if (Formato.Average > 0) {
    // The byte rate is too small for its whole-kilobyte divisor: take the
    // duration from the sample format instead.
    const qint64 porSegundo =
        qint64(Formato.SampleRate) * qMax(1, Formato.NumberOfChannels) * qMax(1, Formato.SignificantBits / 8);
    Formato.Duracao = porSegundo > 0 ? qint32(qint64(Formato.DataSize) * 1000 / porSegundo) : 0;
  }
  Formato.HeaderSise = qint32(conta);
  return Formato.HeaderSise;
}

QByteArray ModeloWaveGravacao() {
  static const unsigned char kModelo[48] = {'R',  'I',  'F', 'F', 0x34, 0,    0, 0, 'W',  'A', 'V',  'E',
                                            'f',  'm',  't', ' ', 0x10, 0,    0, 0, 0x01, 0,   0x01, 0,
                                            0x40, 0x1F, 0,   0,   0x80, 0x3E, 0, 0, 0x02, 0,   0x10, 0,
                                            'd',  'a',  't', 'a', 0x01, 0,    0, 0, 0x80, 0,   0x0D, 0x0A};
  return QByteArray(reinterpret_cast<const char*>(kModelo), sizeof kModelo);
}

QByteArray CabecalhoWave8kMono(quint32 TamanhoDados) {
  QByteArray w = ModeloWaveGravacao().left(44);
  qToLittleEndian<quint32>(36 + TamanhoDados, w.data() + 4);
  qToLittleEndian<quint32>(TamanhoDados, w.data() + 40);
  return w;
}

QByteArray MontaWave8kMono(const QByteArray& Amostras) {
  return CabecalhoWave8kMono(quint32(Amostras.size())) + Amostras;
}

TDiagnosticoWave DiagnosticaWave(const QString& Caminho) {
  QFile f(Caminho);
  if (!QFileInfo(Caminho).isFile()) return TDiagnosticoWave::NaoEncontrado;
  char cab[12];
  if (!f.open(QIODevice::ReadOnly) || !Le(f, cab, 12) || std::memcmp(cab, "RIFF", 4) != 0 ||
      std::memcmp(cab + 8, "WAVE", 4) != 0)
    return TDiagnosticoWave::NaoEhWave;
  f.seek(0);
  return ArquivoWaveValido(f) ? TDiagnosticoWave::Valido : TDiagnosticoWave::FormatoInvalido;
}
