#pragma once
// WAV files made up by the tests, chunk by chunk.
#include <QByteArray>
#include <QString>
#include <QtEndian>

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
