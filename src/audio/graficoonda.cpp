#include "graficoonda.h"

#include <QIODevice>
#include <QtEndian>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

QRgb ParaQt(quint32 Cor) { return qRgb(Cor & 0xFF, (Cor >> 8) & 0xFF, (Cor >> 16) & 0xFF); }
quint32 DeQt(QRgb P) { return quint32(qRed(P)) | (quint32(qGreen(P)) << 8) | (quint32(qBlue(P)) << 16); }

// Extremes of N little-endian 16-bit samples. Kept apart and on 16-bit
// values so the compiler turns it into vector min/max: this loop is all the
// waveform costs beyond reading the file.
#if defined(__GNUC__) && !defined(__clang__)
__attribute__((optimize("tree-vectorize")))
#endif
void Extremos16(const char* P, qint64 N, int& Min, int& Max) {
  qint16 mn = INT16_MAX, mx = INT16_MIN;
  if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
    for (qint64 k = 0; k < N; ++k) {
      qint16 v;
      std::memcpy(&v, P + 2 * k, 2);
      mn = v < mn ? v : mn;
      mx = v > mx ? v : mx;
    }
  } else {
    for (qint64 k = 0; k < N; ++k) {
      const qint16 v = qFromLittleEndian<qint16>(P + 2 * k);
      mn = v < mn ? v : mn;
      mx = v > mx ? v : mx;
    }
  }
  Min = std::min(Min, int(mn));
  Max = std::max(Max, int(mx));
}

}  // namespace

TGraficoOnda::TGraficoOnda() : FImagem(W, H, QImage::Format_RGB32), FRegua(W, HRegua, QImage::Format_RGB32) { Limpa(); }

quint32 TGraficoOnda::Pixel(int x, int y) const {
  if (x < 0 || x >= W || y < 0 || y >= H) return 0;
  return DeQt(reinterpret_cast<const QRgb*>(FImagem.constScanLine(y))[x]);
}

void TGraficoOnda::DefinePixel(int x, int y, quint32 Cor) {
  if (x < 0 || x >= W || y < 0 || y >= H) return;
  reinterpret_cast<QRgb*>(FImagem.scanLine(y))[x] = ParaQt(Cor);
}

void TGraficoOnda::Limpa() {
  FImagem.fill(ParaQt(CorOnda::Fundo));
  FRegua.fill(ParaQt(CorOnda::Regua));
  RotuloVisivel.fill(false);
}

void TGraficoOnda::Monta(const TFormatoWave& F) {
  Formato = F;
  InfoTelaPay = TInfoTelaPlay{};
  TInfoTelaPlay& i = InfoTelaPay;
  i.lStereo = F.NumberOfChannels > 1;
  i.PontoZeroD = i.lStereo ? H / 4 : H / 2;
  i.PontoZeroE = i.lStereo ? H / 4 + H / 2 : 0;
  FImagem.fill(ParaQt(CorOnda::Fundo));
  for (int x = 0; x < W; ++x) {
    DefinePixel(x, i.PontoZeroD, CorOnda::LinhaZero);
    if (i.lStereo) DefinePixel(x, i.PontoZeroE, CorOnda::LinhaZero);
  }
  const int hc = i.lStereo ? H / 2 : H;
  i.ch = float(hc) / float(F.SignificantBits == 8 ? 256 : 65536);
  i.sx = F.DataSize < 1 ? 1.0f : float(double(W) / F.DataSize);
  i.hMaxD = i.hMinD = i.PontoZeroD;
  i.hMaxE = i.hMinE = i.PontoZeroE;

  // The ruler: a tick at 0 and one per shown label.
  FRegua.fill(ParaQt(CorOnda::Regua));
  auto tick = [this](int x) {
    if (x < 0 || x >= W) return;
    for (int y = 0; y < HRegua; ++y) reinterpret_cast<QRgb*>(FRegua.scanLine(y))[x] = ParaQt(CorOnda::Marca);
  };
  tick(0);
  const qint64 passo = (qint64(std::trunc(double(F.Duracao) / 1000.0 / 17.0)) + 1) * 1000;
  RotuloVisivel.fill(false);
  for (int n = 1; n <= NumRotulos; ++n) {
    const qint64 valor = n * passo;
    if (valor > F.Duracao) continue;
    const float f = float(double(valor) / F.Duracao);
    const int x = int(std::trunc(double(W) * f)) + 1;
    tick(x);
    PosicaoX[n] = x;
    ValorX[n] = int(valor);
    RotuloVisivel[n] = true;
  }
}

void TGraficoOnda::DesenhaColuna(int x, int yMin, int yMax, quint32 Cor, quint32 CorPonto) {
  if (yMin == yMax) {
    DefinePixel(x, yMin, CorPonto);
    return;
  }
  if (x < 0 || x >= W) return;
  // A line's end point is not painted.
  const QRgb c = ParaQt(Cor);
  for (int y = std::max(yMin, 0); y < std::min(yMax, H); ++y) reinterpret_cast<QRgb*>(FImagem.scanLine(y))[x] = c;
}

void TGraficoOnda::TrataBufferTela(const char* Bloco, qint64 Tamanho) {
  TInfoTelaPlay& i = InfoTelaPay;
  const bool bits16 = Formato.SignificantBits == 16;
  const int porAmostra = bits16 ? 2 : 1;
  const int porQuadro = porAmostra * (i.lStereo ? 2 : 1);
  const qint64 total = Formato.DataSize;

  // The column the data consumed so far reaches (f held as a 32-bit float).
  auto coluna = [total](qint64 Indice) -> qint64 {
    if (total <= 0) return W;
    const float f = float(double(Indice) / double(total));
    return qint64(std::trunc(double(W) * double(f)));
  };
  // The smallest Indice whose column passes cx: samples before it only
  // widen the column's extremes, so they are scanned without any division.
  auto limite = [&](qint64 cx) -> qint64 {
    if (total <= 0) return 0;
    qint64 n = (cx + 1) * total / W;
    while (n > 0 && coluna(n - 1) > cx) --n;
    while (coluna(n) <= cx) ++n;
    return n;
  };
  auto amostra = [bits16](const char* p) -> int {
    return bits16 ? int(qFromLittleEndian<qint16>(p)) : int(quint8(*p)) - 128;
  };
  // y falls as the sample grows (ch > 0), so the extremes of y are those of
  // the samples, converted once per column.
  auto y = [&i](int zero, int s) { return zero - int(std::trunc(double(s) * double(i.ch))); };

  qint64 lim = limite(i.cx);
  qint64 a = 0;
  while (a + porQuadro <= Tamanho) {
    // Frames that do not reach the next column.
    qint64 quadros = (lim - i.Indice + porQuadro - 1) / porQuadro - 1;
    quadros = std::clamp<qint64>(quadros, 0, (Tamanho - a) / porQuadro);
    if (quadros > 0) {
      int maxD = INT_MIN, minD = INT_MAX, maxE = INT_MIN, minE = INT_MAX;
      const char* p = Bloco + a;
      if (bits16 && !i.lStereo) {
        Extremos16(p, quadros, minD, maxD);
      } else {
        for (qint64 k = 0; k < quadros; ++k, p += porQuadro) {
          const int s = amostra(p);
          maxD = std::max(maxD, s);
          minD = std::min(minD, s);
          if (i.lStereo) {
            const int e = amostra(p + porAmostra);
            maxE = std::max(maxE, e);
            minE = std::min(minE, e);
          }
        }
      }
      i.hMaxD = std::max(i.hMaxD, y(i.PontoZeroD, minD));
      i.hMinD = std::min(i.hMinD, y(i.PontoZeroD, maxD));
      if (i.lStereo) {
        i.hMaxE = std::max(i.hMaxE, y(i.PontoZeroE, minE));
        i.hMinE = std::min(i.hMinE, y(i.PontoZeroE, maxE));
      }
      i.Indice += quadros * porQuadro;
      a += quadros * porQuadro;
      if (a + porQuadro > Tamanho) break;
    }
    // One frame, then at most one column.
    const char* p = Bloco + a;
    const int yd = y(i.PontoZeroD, amostra(p));
    if (yd > i.hMaxD)
      i.hMaxD = yd;
    else if (yd < i.hMinD)
      i.hMinD = yd;
    if (i.lStereo) {
      const int ye = y(i.PontoZeroE, amostra(p + porAmostra));
      if (ye > i.hMaxE)
        i.hMaxE = ye;
      else if (ye < i.hMinE)
        i.hMinE = ye;
    }
    i.Indice += porQuadro;
    a += porQuadro;
    if (i.cx < coluna(i.Indice)) {
      const quint32 cor = Pixel(i.cx, 1) == CorOnda::FundoSelecionado ? CorOnda::OndaSelecionada : CorOnda::Onda;
      DesenhaColuna(i.cx, i.hMinD, i.hMaxD, cor, CorOnda::Onda);
      i.hMaxD = i.hMinD = i.PontoZeroD;
      if (i.lStereo) {
        DesenhaColuna(i.cx, i.hMinE, i.hMaxE, cor, CorOnda::Onda);
        i.hMaxE = i.hMinE = i.PontoZeroE;
      }
      ++i.cx;
      lim = limite(i.cx);
    }
  }
}

void TGraficoOnda::DesenhaArquivo(QIODevice& Arquivo) {
  if (!Arquivo.seek(Formato.HeaderSise)) return;
  std::vector<char> bloco(TamanhoBlocoLeitura);
  for (;;) {
    const qint64 n = Arquivo.read(bloco.data(), TamanhoBlocoLeitura);
    if (n <= 0) break;
    TrataBufferTela(bloco.data(), n);
  }
}

// ---- marks ----

void TGraficoOnda::KRLineToPlay(bool Liga, int x) {
  if (x < 0 || x >= W) return;
  for (int y = 0; y < H; ++y) {
    const quint32 p = Pixel(x, y);
    quint32 n = p;
    if (Liga) {
      if (p == 0x000000)
        n = 0x007DE0;
      else if (p >= 0x00FF40 && p <= 0x00FF4F)
        n = 0x007DC0;
      else if (p == 0xFFFFFF)
        n = 0x007DD0;
      else if (p >= 0x008200 && p <= 0x00820F)
        n = 0x007DB0;
    } else {
      if (p >= 0x007DE0 && p <= 0x007DEF)
        n = 0x000000;
      else if (p >= 0x007DC0 && p <= 0x007DCF)
        n = 0x00FF40;
      else if (p >= 0x007DD0 && p <= 0x007DDF)
        n = 0xFFFFFF;
      else if (p >= 0x007DB0 && p <= 0x007DBF)
        n = 0x008200;
    }
    if (n != p) DefinePixel(x, y, n);
  }
}

void TGraficoOnda::KRLineToCursor(bool Liga, int x) {
  if (x < 0 || x >= W) return;
  static constexpr quint32 kDe[] = {0x000000, 0x00FF40, 0xFFFFFF, 0x008200};
  static constexpr quint32 kPara[] = {0x00FFFF, 0x01000F, 0x01001F, 0x01002F};
  for (int y = 0; y < H; y += 2) {
    const quint32 p = Pixel(x, y);
    for (int k = 0; k < 4; ++k) {
      if (p == (Liga ? kDe[k] : kPara[k])) {
        DefinePixel(x, y, Liga ? kPara[k] : kDe[k]);
        break;
      }
    }
  }
}

void TGraficoOnda::KRLineTo(bool Seleciona, int x) {
  if (x < 0 || x >= W) return;
  for (int y = 0; y < H; ++y) {
    const quint32 p = Pixel(x, y);
    quint32 n = p;
    if (Seleciona) {
      if (p == 0x000000)
        n = 0xFFFFFF;
      else if (p >= 0x00FF40 && p <= 0x00FF4A)
        n = 0x008200;
    } else {
      if (p == 0x007DB0 || p == 0x007DC0 || p == 0x008200)
        n = 0x00FF40;
      else if (p == 0x007DD0 || p == 0x007DE0 || p == 0xFFFFFF)
        n = 0x000000;
    }
    if (n != p) DefinePixel(x, y, n);
  }
}

void TGraficoOnda::KRFillRect(bool Seleciona, int Primeira, int Ultima) {
  for (int x = Primeira; x <= Ultima; ++x) KRLineTo(Seleciona, x);
}

int TGraficoOnda::TempoDaColuna(int x) const {
  const float f = float(double(x) / W);
  return int(std::trunc(double(Formato.Duracao) * double(f)));
}

int TGraficoOnda::ColunaDoTempo(qint64 Ms) const {
  if (Formato.Duracao <= 0) return 0;
  const float f = float(double(Ms) / Formato.Duracao);
  return int(std::trunc(double(W) * double(f)));
}

QString TextoTempo(qint64 Ms) {
  const qint64 h = Ms / 3600000;
  const qint64 r = (Ms / 1000) % 3600;
  const qint64 m = r / 60, s = r % 60;
  auto d2 = [](qint64 v) { return QStringLiteral("%1").arg(v, 2, 10, QChar(u'0')); };
  if (h != 0) return d2(h) + u':' + d2(m) + u':' + d2(s);
  return d2(m) + u':' + d2(s);
}

QString TextoRotulo(int ValorMs) {
  int t = ValorMs / 1000;
  if (t > 86400) t -= 86400;
  return QStringLiteral("%1:%2").arg((t % 3600) / 60, 2, 10, QChar(u'0')).arg(t % 60, 2, 10, QChar(u'0'));
}
