#pragma once
// WAV files made up by the tests, chunk by chunk.
#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <cmath>

inline QByteArray U16(quint16 v) {
  QByteArray b(2, 0);
  qToLittleEndian(v, b.data());
  return b;
}
inline QByteArray U32(quint32 v) {
  QByteArray b(4, 0);
  qToLittleEndian(v, b.data());
  return b;
}
inline QByteArray Bloco(const char* Id, const QByteArray& Corpo) {
  return QByteArray(Id, 4) + U32(Corpo.size()) + Corpo;
}
inline QByteArray Fmt(quint16 Codigo, quint16 Canais, quint32 Taxa, quint16 Bits, int Extra = 0) {
  const quint16 quadro = quint16(Canais * Bits / 8);
  return Bloco("fmt ", U16(Codigo) + U16(Canais) + U32(Taxa) + U32(Taxa * quadro) + U16(quadro) + U16(Bits) +
                           QByteArray(Extra, '\0'));
}
inline QByteArray Riff(const QByteArray& Blocos) { return "RIFF" + U32(4 + Blocos.size()) + "WAVE" + Blocos; }
// Samples as 16-bit little-endian.
inline QByteArray Amostras(std::initializer_list<int> Valores) {
  QByteArray b;
  for (int v : Valores) b += U16(quint16(qint16(v)));
  return b;
}
// N samples of a repeating pattern.
inline QByteArray Padrao(int N, int Periodo = 40, int Amplitude = 12000) {
  QByteArray b;
  b.reserve(N * 2);
  for (int i = 0; i < N; ++i) b += U16(quint16(qint16((i % Periodo) < Periodo / 2 ? Amplitude : -Amplitude)));
  return b;
}
// Ms milliseconds of a sine tone of Hz at Taxa samples per second, 16-bit.
inline QByteArray Tom(int Hz, int Ms, int Taxa = 8000, int Amplitude = 12000) {
  QByteArray b;
  const int n = Taxa * Ms / 1000;
  b.reserve(n * 2);
  for (int i = 0; i < n; ++i) b += U16(quint16(qint16(std::lround(Amplitude * std::sin(2 * M_PI * Hz * i / Taxa)))));
  return b;
}
// The frequency of 16-bit samples, from their rising zero crossings.
inline double Frequencia(const QByteArray& Amostras, int Taxa = 8000) {
  const int n = int(Amostras.size() / 2);
  int subidas = 0;
  qint16 antes = 0;
  for (int i = 0; i < n; ++i) {
    const qint16 v = qFromLittleEndian<qint16>(Amostras.constData() + 2 * i);
    if (i > 0 && antes < 0 && v >= 0) ++subidas;
    antes = v;
  }
  return n ? subidas * double(Taxa) / n : 0;
}
