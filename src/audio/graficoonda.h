#pragma once
// The player's drawing of a WAV file: the waveform built in one pass over the
// sample blocks (only each column's extremes are kept), the ruler, and the
// three reversible column marks decided by exact pixel values. Colours are
// 0xBBGGRR values; the image stores them exactly (RGB32).
#include <QImage>
#include <array>

#include "wave.h"

// Colours (0xBBGGRR).
namespace CorOnda {
constexpr quint32 Fundo = 0x000000;
constexpr quint32 LinhaZero = 0x0000FF;
constexpr quint32 Onda = 0x00FF40;
constexpr quint32 OndaSelecionada = 0x008200;
constexpr quint32 FundoSelecionado = 0xFFFFFF;
constexpr quint32 Cursor = 0x00FFFF;
constexpr quint32 Regua = 0x808080;
constexpr quint32 Marca = 0xFFFFFF;
}  // namespace CorOnda

struct TInfoTelaPlay {
  int PontoZeroD = 0;
  int PontoZeroE = 0;
  bool lStereo = false;
  float ch = 0;
  float sx = 0;
  int ix = 0;
  int cx = 0;
  int hMaxD = 0, hMinD = 0;
  int hMaxE = 0, hMinE = 0;
  qint64 Indice = 0;
};

class TGraficoOnda {
 public:
  static constexpr int W = 722;
  static constexpr int H = 94;
  static constexpr int HRegua = 9;
  static constexpr int NumRotulos = 17;
  static constexpr int TamanhoBlocoLeitura = 4096;

  TGraficoOnda();

  // Pixel access in 0xBBGGRR; reads outside give 0 and writes are clipped.
  quint32 Pixel(int x, int y) const;
  void DefinePixel(int x, int y, quint32 Cor);
  const QImage& Imagem() const { return FImagem; }
  const QImage& ImagemRegua() const { return FRegua; }

  // Black waveform, gray ruler (the cleared display).
  void Limpa();
  // Lays out the waveform and the ruler for Formato (zero lines, scale,
  // ticks); PosicaoX/ValorX/Visivel describe the tick labels 1..17.
  void Monta(const TFormatoWave& Formato);
  // One block of sample bytes (any length; frames may not cross blocks of
  // odd size, as the reader hands over 4096-byte blocks).
  void TrataBufferTela(const char* Bloco, qint64 Tamanho);
  // Reads the samples of an open file from HeaderSise to its end, in blocks
  // of 4096 bytes (after Monta).
  void DesenhaArquivo(class QIODevice& Arquivo);

  // The marks; columns outside the image are ignored.
  void KRLineToPlay(bool Liga, int x);
  void KRLineToCursor(bool Liga, int x);
  void KRLineTo(bool Seleciona, int x);
  void KRFillRect(bool Seleciona, int Primeira, int Ultima);

  // Conversions between columns and milliseconds.
  int TempoDaColuna(int x) const;
  int ColunaDoTempo(qint64 Ms) const;

  TInfoTelaPlay InfoTelaPay;
  TFormatoWave Formato;
  std::array<int, NumRotulos + 1> PosicaoX{};
  std::array<int, NumRotulos + 1> ValorX{};
  std::array<bool, NumRotulos + 1> RotuloVisivel{};

 private:
  void DesenhaColuna(int x, int yMin, int yMax, quint32 Cor, quint32 CorPonto);
  QImage FImagem;
  QImage FRegua;
};

// "mm:ss", or "hh:mm:ss" from one hour on.
QString TextoTempo(qint64 Ms);
// A tick label: minutes and seconds of ValorMs without hours.
QString TextoRotulo(int ValorMs);
