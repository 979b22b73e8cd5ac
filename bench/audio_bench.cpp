// The player's waveform of a one-hour message (8 kHz, 16-bit, mono: 57.6 MB)
// against a plain read of the same file in the same 4096-byte blocks. The
// waveform keeps only each column's extremes, never the samples.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "graficoonda.h"
#include "wave.h"

namespace {

QString ArquivoUmaHora() {
  static QTemporaryDir pasta;
  static const QString caminho = [] {
    const QString c = pasta.filePath(QStringLiteral("uma-hora.wav"));
    constexpr qint64 kAmostras = 8000LL * 3600;
    QFile f(c);
    if (!f.open(QIODevice::WriteOnly)) return QString();
    QByteArray cab = MontaWave8kMono(QByteArray(2, '\0')).left(44);
    qToLittleEndian<quint32>(quint32(36 + kAmostras * 2), cab.data() + 4);
    qToLittleEndian<quint32>(quint32(kAmostras * 2), cab.data() + 40);
    f.write(cab);
    QByteArray bloco(8000 * 2, Qt::Uninitialized);  // one second: a tone that swells and fades
    for (qint64 s = 0; s < 3600; ++s) {
      for (int i = 0; i < 8000; ++i) {
        const double env = std::sin(M_PI * double(s % 60) / 60.0);
        qToLittleEndian<qint16>(qint16(30000 * env * std::sin(2 * M_PI * 300 * i / 8000.0)), bloco.data() + 2 * i);
      }
      f.write(bloco);
    }
    return c;
  }();
  return caminho;
}

void Onda(benchmark::State& St) {
  const QString c = ArquivoUmaHora();
  for (auto _ : St) {
    QFile f(c);
    f.open(QIODevice::ReadOnly);
    TGraficoOnda g;
    TFormatoWave fmt;
    if (GetMyWaveFormatHeader(f, fmt) == 0) St.SkipWithError("header refused");
    g.Monta(fmt);
    g.DesenhaArquivo(f);
    benchmark::DoNotOptimize(g.InfoTelaPay.cx);
  }
  St.SetBytesProcessed(St.iterations() * QFile(c).size());
}

void LeituraSimples(benchmark::State& St) {
  const QString c = ArquivoUmaHora();
  std::vector<char> bloco(TGraficoOnda::TamanhoBlocoLeitura);
  for (auto _ : St) {
    QFile f(c);
    f.open(QIODevice::ReadOnly);
    qint64 n = 0, total = 0;
    while ((n = f.read(bloco.data(), qint64(bloco.size()))) > 0) total += n + bloco[0];
    benchmark::DoNotOptimize(total);
  }
  St.SetBytesProcessed(St.iterations() * QFile(c).size());
}

BENCHMARK(Onda)->Unit(benchmark::kMillisecond);
BENCHMARK(LeituraSimples)->Unit(benchmark::kMillisecond);

// Prints as usual and keeps each benchmark's time for the ratio.
class Relator : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> Tempos;
  void ReportRuns(const std::vector<Run>& Runs) override {
    for (const Run& r : Runs) Tempos[r.benchmark_name()] = r.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(Runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (ArquivoUmaHora().isEmpty()) return 1;
  Relator r;
  benchmark::RunSpecifiedBenchmarks(&r);
  const double onda = r.Tempos["Onda"], leitura = r.Tempos["LeituraSimples"];
  if (onda > 0 && leitura > 0)
    std::printf("waveform %.1f ms, plain read %.1f ms, ratio %.2f (aim: within 2x)\n", onda, leitura, onda / leitura);
  benchmark::Shutdown();
  return 0;
}
