#include "dispositivoaudio.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QAudioSource>
#include <QFile>
#include <QMediaDevices>
#include <cstring>
#include <limits>

#include "conversaoaudio.h"
#include "wave.h"

// ---- scripted device ----

bool TDispositivoRoteirizado::Abre(const QString& Arquivo) {
  Chamadas << QStringLiteral("Abre ") + Arquivo;
  if (FalhaAbrir) return false;
  ArquivoAberto = Arquivo;
  PosicaoAtual = 0;
  return true;
}
void TDispositivoRoteirizado::Fecha() {
  Chamadas << QStringLiteral("Fecha");
  ArquivoAberto.clear();
  Tocando = Gravando = false;
}
bool TDispositivoRoteirizado::Toca() {
  Chamadas << QStringLiteral("Toca");
  Tocando = true;
  return true;
}
void TDispositivoRoteirizado::Pausa() {
  Chamadas << QStringLiteral("Pausa");
  Tocando = false;
}
void TDispositivoRoteirizado::Para() {
  Chamadas << QStringLiteral("Para");
  Tocando = Gravando = false;
}
void TDispositivoRoteirizado::Posiciona(qint64 Ms) {
  Chamadas << QStringLiteral("Posiciona %1").arg(Ms);
  PosicaoAtual = Ms;
}
bool TDispositivoRoteirizado::Grava() {
  Chamadas << QStringLiteral("Grava");
  Gravando = true;
  return true;
}
bool TDispositivoRoteirizado::Salva() {
  Chamadas << QStringLiteral("Salva");
  QFile f(ArquivoAberto);
  const QByteArray w = MontaWave8kMono(Gravacao);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(w) == w.size();
}
void TDispositivoRoteirizado::DefineVolume(quint32 Volume) {
  Chamadas << QStringLiteral("Volume %1").arg(Volume, 8, 16, QChar(u'0'));
  VolumeAtual = Volume;
}

// ---- Qt Multimedia device ----

namespace {

// The wave output volume of the program: the sinks follow it.
quint32 gVolume = 0xFFFFFFFFu;

// The sample bytes of a WAV file from a start offset, for the sink to pull,
// then silence without end. The sink goes idle as soon as its source runs
// dry, while the sound server still holds the last samples, and stopping it
// then drops them; with silence behind the data, playback ends when the
// position has passed the end, after every sample was heard.
class TFaixaArquivo : public QIODevice {
 public:
  TFaixaArquivo(const QString& Caminho, qint64 Inicio, qint64 Fim, char Silencio)
      : FArquivo(Caminho), FFim(Fim), FSilencio(Silencio) {
    if (FArquivo.open(QIODevice::ReadOnly)) FArquivo.seek(Inicio);
  }
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override { return std::numeric_limits<int>::max() + QIODevice::bytesAvailable(); }

 protected:
  qint64 readData(char* Dados, qint64 Max) override {
    const qint64 n = qMin(Max, FFim - FArquivo.pos());
    const qint64 lidos = n > 0 ? FArquivo.read(Dados, n) : 0;
    if (lidos < 0) return -1;
    std::memset(Dados + lidos, FSilencio, size_t(Max - lidos));
    return Max;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  QFile FArquivo;
  qint64 FFim;
  char FSilencio;
};

class TDispositivoAudioQt : public IDispositivoAudio {
 public:
  ~TDispositivoAudioQt() override { Fecha(); }

  bool Abre(const QString& Arquivo) override {
    Fecha();
    FErro.clear();
    QFile f(Arquivo);
    if (!f.open(QIODevice::ReadOnly)) return Falha(QStringLiteral("Não conseguiu abrir o arquivo ") + Arquivo);
    TFormatoWave fmt;
    if (GetMyWaveFormatHeader(f, fmt) == 0 || fmt.CompressionCode != 1 || fmt.NumberOfChannels < 1 ||
        (fmt.SignificantBits != 8 && fmt.SignificantBits != 16) || fmt.SampleRate <= 0)
      return Falha(QStringLiteral("Formato de áudio não suportado: ") + Arquivo);
    FFormato.setSampleRate(fmt.SampleRate);
    FFormato.setChannelCount(fmt.NumberOfChannels);
    FFormato.setSampleFormat(fmt.SignificantBits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    FInicioDados = fmt.HeaderSise;
    FFimDados = qMin<qint64>(f.size(), qint64(fmt.HeaderSise) + quint32(fmt.DataSize));
    FArquivo = Arquivo;
    FPosicao = 0;
    return true;
  }

  void Fecha() override {
    Para();
    FArquivo.clear();
    FPosicao = 0;
    FGravacao.clear();
  }
  bool Aberto() const override { return !FArquivo.isEmpty(); }

  bool Toca() override {
    if (!Aberto()) return Falha(QStringLiteral("Nenhum arquivo aberto"));
    if (FSaida && FSaida->state() == QAudio::SuspendedState) {
      FSaida->resume();
      return true;
    }
    Para();
    const QAudioDevice dev = QMediaDevices::defaultAudioOutput();
    if (dev.isNull()) return Falha(QStringLiteral("Nenhum dispositivo de saída de áudio disponível"));
    const qint64 inicio = qMin(FFimDados, FInicioDados + AlinhaQuadro(FFormato.bytesForDuration(FPosicao * 1000)));
    const char silencio = FFormato.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : 0;
    FFonte = std::make_unique<TFaixaArquivo>(FArquivo, inicio, FFimDados, silencio);
    FFonte->open(QIODevice::ReadOnly);
    FSaida = std::make_unique<QAudioSink>(dev, FFormato);
    FSaida->setVolume(float(gVolume & 0xFFFF) / 65535.0f);
    FInicioMs = FPosicao;
    FSaida->start(FFonte.get());
    if (FSaida->error() == QAudio::OpenError) {
      FSaida.reset();
      return Falha(QStringLiteral("O dispositivo de áudio não conseguiu tocar o arquivo"));
    }
    return true;
  }

  void Pausa() override {
    if (FSaida && FSaida->state() == QAudio::ActiveState) FSaida->suspend();
  }

  void Para() override {
    if (FSaida) {
      FPosicao = Posicao();
      FSaida->stop();
      FSaida.reset();
      FFonte.reset();
    }
    if (FEntrada) {
      // What the source still holds belongs to the take.
      if (FFluxo) FGravacao += FFluxo->readAll();
      FFluxo = nullptr;
      FPosicao = Posicao();
      FEntrada->stop();
      FEntrada.reset();
    }
  }

  void Posiciona(qint64 Ms) override {
    Para();
    FPosicao = qMax<qint64>(0, Ms);
  }

  qint64 Posicao() const override {
    if (FSaida) {
      // What the sink has taken, less what still waits in its buffer; past
      // the end of the data it counts the silence that follows.
      const qint64 naFila = qMax<qint64>(0, FSaida->bufferSize() - FSaida->bytesFree());
      const qint64 us = FSaida->processedUSecs() - FFormato.durationForBytes(naFila);
      return FInicioMs + qMax<qint64>(0, us) / 1000;
    }
    if (FEntrada) return FFormatoGravacao.durationForBytes(FGravacao.size()) / 1000;
    return FPosicao;
  }

  bool Grava() override {
    if (!Aberto()) return Falha(QStringLiteral("Nenhum arquivo aberto"));
    Para();
    const QAudioDevice dev = QMediaDevices::defaultAudioInput();
    if (dev.isNull()) return Falha(QStringLiteral("Nenhum dispositivo de entrada de áudio disponível"));
    FFormatoGravacao.setSampleRate(8000);
    FFormatoGravacao.setChannelCount(1);
    FFormatoGravacao.setSampleFormat(QAudioFormat::Int16);
    FGravacao.clear();
    FEntrada = std::make_unique<QAudioSource>(dev, FFormatoGravacao);
    QIODevice* fluxo = FEntrada->start();
    if (!fluxo || FEntrada->error() == QAudio::OpenError) {
      FEntrada.reset();
      return Falha(QStringLiteral("O dispositivo de áudio não conseguiu gravar"));
    }
    FFluxo = fluxo;
    QObject::connect(fluxo, &QIODevice::readyRead, fluxo, [this, fluxo] { FGravacao += fluxo->readAll(); });
    return true;
  }

  bool Salva() override {
    if (!Aberto()) return Falha(QStringLiteral("Nenhum arquivo aberto"));
    QFile f(FArquivo);
    const QByteArray w = MontaWave8kMono(FGravacao.left(FGravacao.size() & ~qsizetype(1)));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(w) != w.size())
      return Falha(QStringLiteral("Não conseguiu gravar o arquivo ") + FArquivo);
    // Play it back from here on.
    f.close();
    const QString nome = FArquivo;
    const qint64 pos = FPosicao;
    Abre(nome);
    FPosicao = pos;
    return true;
  }

  QString Erro() const override { return FErro; }

  bool SuportaVolume() const override { return !QMediaDevices::defaultAudioOutput().isNull(); }
  quint32 Volume() const override { return gVolume; }
  void DefineVolume(quint32 Volume) override {
    gVolume = Volume;
    if (FSaida) FSaida->setVolume(float(gVolume & 0xFFFF) / 65535.0f);
  }

 private:
  bool Falha(const QString& Texto) {
    FErro = Texto;
    return false;
  }
  qint64 AlinhaQuadro(qint64 Bytes) const {
    const int q = qMax(1, FFormato.bytesPerFrame());
    return Bytes - Bytes % q;
  }

  QString FArquivo;
  QString FErro;
  QAudioFormat FFormato, FFormatoGravacao;
  qint64 FInicioDados = 0, FFimDados = 0;
  qint64 FPosicao = 0, FInicioMs = 0;
  std::unique_ptr<QIODevice> FFonte;
  std::unique_ptr<QAudioSink> FSaida;
  std::unique_ptr<QAudioSource> FEntrada;
  QIODevice* FFluxo = nullptr;  // owned by FEntrada
  QByteArray FGravacao;
};

}  // namespace

std::unique_ptr<IDispositivoAudio> CriaDispositivoAudioQt() {
  EscolheBackendAudio();
  return std::make_unique<TDispositivoAudioQt>();
}
