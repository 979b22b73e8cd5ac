// Playback and recording through Qt Multimedia against a real PulseAudio
// server that this suite starts under a private runtime folder: a null sink
// as the default output and a pipe source fed with known samples as the
// default input.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <QAudioDevice>
#include <QBuffer>
#include <QLabel>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <functional>

#include "PlayGraficoArq.h"
#include "UfrmGravarAudio.h"
#include "apoio.h"
#include "ondas.h"

namespace {

class AudioReal : public TesteJanela {
 protected:
  static void SetUpTestSuite() {
    FPasta = new QTemporaryDir;
    FServidor = new QProcess;
    const QString pulse = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (pulse.isEmpty()) {
      FMotivo = "pulseaudio is not installed";
      return;
    }
    const QString dir = FPasta->path();
    FFifo = dir + QStringLiteral("/entrada.fifo");
    const QString script = dir + QStringLiteral("/servidor.pa");
    GravaArquivo(script, QStringLiteral("load-module module-native-protocol-unix auth-anonymous=1\n"
                                        "load-module module-null-sink sink_name=nulo\n"
                                        "set-default-sink nulo\n"
                                        "load-module module-pipe-source source_name=entrada file=%1 "
                                        "format=s16le rate=8000 channels=1\n"
                                        "set-default-source entrada\n")
                             .arg(FFifo)
                             .toUtf8());
    // The client library finds the server through these, before Qt first asks.
    qputenv("XDG_RUNTIME_DIR", dir.toUtf8());
    qputenv("PULSE_SERVER", (QStringLiteral("unix:") + dir + QStringLiteral("/pulse/native")).toUtf8());
    FServidor->setProcessChannelMode(QProcess::MergedChannels);
    FServidor->start(pulse, {QStringLiteral("-n"), QStringLiteral("-F"), script, QStringLiteral("--exit-idle-time=-1"),
                             QStringLiteral("--daemonize=no"), QStringLiteral("--use-pid-file=no")});
    if (!FServidor->waitForStarted(kPrazoTesteMs) || !EsperaAte([dir] {
          return QFile::exists(dir + QStringLiteral("/pulse/native")) &&
                 QFile::exists(dir + QStringLiteral("/entrada.fifo"));
        })) {
      FMotivo = "pulseaudio did not start: " + FServidor->readAll().toStdString();
      return;
    }
    // Keeps the pipe open for writing, so the source never sees its end.
    FEscrita = ::open(FFifo.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK);
    if (FEscrita < 0) FMotivo = "the pipe source cannot be written";
  }
  static void TearDownTestSuite() {
    if (FEscrita >= 0) ::close(FEscrita);
    FEscrita = -1;
    if (FServidor->state() != QProcess::NotRunning) {
      FServidor->terminate();
      if (!FServidor->waitForFinished(kPrazoTesteMs)) FServidor->kill();
    }
    delete FServidor;
    delete FPasta;
  }
  void SetUp() override {
    if (!FMotivo.empty()) GTEST_SKIP() << FMotivo;
    if (QMediaDevices::defaultAudioOutput().isNull()) GTEST_SKIP() << "Qt Multimedia sees no output on the test server";
  }
  static bool Alimenta(const QByteArray& Amostras) {
    return ::write(FEscrita, Amostras.constData(), size_t(Amostras.size())) == Amostras.size();
  }

  static inline QTemporaryDir* FPasta = nullptr;
  static inline QProcess* FServidor = nullptr;
  static inline QString FFifo;
  static inline int FEscrita = -1;
  static inline std::string FMotivo;
};

TEST_F(AudioReal, OQtVeOSinkNuloEAFonte) {
  EXPECT_EQ(QMediaDevices::defaultAudioOutput().description().isEmpty(), false);
  EXPECT_FALSE(QMediaDevices::defaultAudioInput().isNull());
}

TEST_F(AudioReal, APosicaoAvancaNoSinkNuloEOFimParaSozinho) {
  const QString c = Plat.Caminho(QStringLiteral("um-segundo.wav"));
  GravaArquivo(c, MontaWave8kMono(Padrao(8000)));
  TfrmPlayGraficoArq j;
  ASSERT_TRUE(j.PlayFile(c)) << P().UltimoTexto().toStdString();
  ASSERT_TRUE(j.LiveAudioPlayer1Actived);
  ASSERT_TRUE(EsperaAte([&] { return j.XAtual > 0 && j.mPlayerPosition > 100; }));
  EXPECT_TRUE(j.LiveAudioPlayer1Actived);
  ASSERT_TRUE(EsperaAte([&] { return !j.LiveAudioPlayer1Actived; }));
  EXPECT_GE(j.mPlayerPosition, 900);
  EXPECT_TRUE(P().Caixas.empty());
}

// The samples of the null sink's monitor, 8 kHz mono, while Toca runs.
QByteArray GravaOSinkNulo(const std::function<void()>& Toca) {
  QProcess parec;
  parec.start(QStringLiteral("parec"),
              {QStringLiteral("--device=nulo.monitor"), QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
               QStringLiteral("--rate=8000"), QStringLiteral("--channels=1")});
  if (!parec.waitForStarted(kPrazoTesteMs)) return {};
  QByteArray gravado;
  // Recording before the first note: its silence marks where sound begins.
  EsperaAte([&] { return (gravado += parec.readAllStandardOutput()).size() >= 1600; });
  Toca();
  EsperaAte(
      [&] {
        gravado += parec.readAllStandardOutput();
        return false;
      },
      500);
  parec.kill();
  parec.waitForFinished(kPrazoTesteMs);
  return gravado + parec.readAllStandardOutput();
}

// From the first to the last sample above the silence, in milliseconds.
int DuracaoDoSom(const QByteArray& Amostras) {
  int primeira = -1, ultima = -1;
  for (int i = 0; i < Amostras.size() / 2; ++i)
    if (std::abs(qFromLittleEndian<qint16>(Amostras.constData() + 2 * i)) > 2000) {
      if (primeira < 0) primeira = i;
      ultima = i;
    }
  return primeira < 0 ? 0 : (ultima - primeira + 1) / 8;
}

TEST_F(AudioReal, OFimDoArquivoSaiInteiroAntesDeParar) {
  if (QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) GTEST_SKIP() << "parec is not installed";
  const QString c = Plat.Caminho(QStringLiteral("tres-tons.wav"));
  GravaArquivo(c, MontaWave8kMono(Tom(500, 500) + Tom(1000, 2000) + Tom(1500, 500)));
  TfrmPlayGraficoArq j;
  const QByteArray gravado = GravaOSinkNulo([&] {
    ASSERT_TRUE(j.PlayFile(c)) << P().UltimoTexto().toStdString();
    ASSERT_TRUE(EsperaAte([&] { return !j.LiveAudioPlayer1Actived; }));
  });
  // What the device still held when the position reached the end is heard too.
  EXPECT_GE(DuracaoDoSom(gravado), 2970);
}

TEST_F(AudioReal, GravacaoCapturaAsAmostrasDaFonte) {
  const QString alvo = Plat.Caminho(QStringLiteral("take.wav"));
  TfrmGravarAudio g;
  ASSERT_TRUE(g.SetarNomeArquivo(alvo));
  g.btGravarClick();
  ASSERT_TRUE(P().Caixas.empty()) << P().UltimoTexto().toStdString();
  // A recognisable pattern: a ramp of 1000 distinct values, then silence.
  QByteArray rampa;
  for (int i = 0; i < 1000; ++i) rampa += U16(quint16(qint16(i * 13 - 6500)));
  ASSERT_TRUE(Alimenta(rampa + QByteArray(16000, '\0')));
  ASSERT_TRUE(EsperaAte(
      [&] { return g.findChild<QLabel*>(QStringLiteral("LabelPosicao"))->text() >= QStringLiteral("00:01"); }));
  g.btPararClick();
  EXPECT_TRUE(g.ArquivoGravado);
  EXPECT_GE(g.duracaoArquivo, 1000);
  EXPECT_TRUE(ArquivoWaveValido(alvo));
  const QByteArray gravado = LeArquivo(alvo);
  EXPECT_TRUE(gravado.contains(rampa)) << "the ramp is not in the " << gravado.size() << "-byte take";
  QBuffer b;
  b.setData(gravado);
  b.open(QIODevice::ReadOnly);
  TFormatoWave f;
  ASSERT_EQ(GetMyWaveFormatHeader(b, f), 44);
  EXPECT_EQ(f.DataSize, gravado.size() - 44);
  EXPECT_EQ(f.FileSize, gravado.size() - 8);
}

}  // namespace
