#include "conversaoaudio.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaFormat>
#include <QMediaPlayer>
#include <QSaveFile>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include "wave.h"

void EscolheBackendAudio() {
  if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

const QStringList& ExtensoesConvertiveis() {
  static const QStringList kExtensoes{QStringLiteral("mp3"),  QStringLiteral("ogg"),  QStringLiteral("oga"),
                                      QStringLiteral("opus"), QStringLiteral("flac"), QStringLiteral("m4a"),
                                      QStringLiteral("aac"),  QStringLiteral("aif"),  QStringLiteral("aiff"),
                                      QStringLiteral("au"),   QStringLiteral("wma")};
  return kExtensoes;
}

namespace {

// A player that never plays opens the file first: it reports the duration
// (the decoder does not) and refuses what cannot be read, where the decoder
// would wait for ever on some broken files.
struct TSondagem {
  qint64 DuracaoMs = 0;  // 0 when unknown
  QString Erro;
};
TSondagem Sonda(const QUrl& Fonte) {
  QMediaPlayer p;
  p.setSource(Fonte);
  if (p.error() != QMediaPlayer::NoError)
    return {0, QStringLiteral("Não conseguiu decodificar o arquivo: ") + p.errorString()};
  if (p.mediaStatus() == QMediaPlayer::LoadedMedia && !p.hasAudio())
    return {0, QStringLiteral("O arquivo não tem áudio que se possa converter.")};
  return {qMax<qint64>(0, p.duration()), {}};
}

}  // namespace

QString ConverteAudio(const QString& Origem, const QString& Destino, const std::function<void(int)>& Progresso,
                      const std::atomic_bool* Cancelada) {
  EscolheBackendAudio();
  if (!QFileInfo(Origem).isFile()) return QStringLiteral("Arquivo não encontrado: ") + Origem;
  const QUrl fonte = QUrl::fromLocalFile(QFileInfo(Origem).absoluteFilePath());
  const TSondagem sondagem = Sonda(fonte);
  if (!sondagem.Erro.isEmpty()) return sondagem.Erro;
  const qint64 duracao = sondagem.DuracaoMs;

  QSaveFile saida(Destino);
  if (!saida.open(QIODevice::WriteOnly) || saida.write(CabecalhoWave8kMono(0)) != 44)
    return QStringLiteral("Não conseguiu criar o arquivo ") + Destino;

  QAudioFormat formato;
  formato.setSampleRate(8000);
  formato.setChannelCount(1);
  formato.setSampleFormat(QAudioFormat::Int16);
  QAudioDecoder decodificador;
  decodificador.setAudioFormat(formato);
  decodificador.setSource(fonte);

  QEventLoop laco;
  QString erro;
  qint64 dados = 0;
  int percentual = -2;
  const auto falha = [&](const QString& Texto) {
    if (erro.isEmpty()) erro = Texto;
    decodificador.stop();
    laco.quit();
  };
  QObject::connect(&decodificador, &QAudioDecoder::bufferReady, &laco, [&] {
    const QAudioBuffer b = decodificador.read();
    if (!erro.isEmpty() || !b.isValid()) return;
    if (b.format().sampleRate() != 8000 || b.format().channelCount() != 1 ||
        b.format().sampleFormat() != QAudioFormat::Int16)
      return falha(QStringLiteral("O decodificador de áudio não converteu para 8 kHz, 16 bits, mono."));
    if (saida.write(b.constData<char>(), b.byteCount()) != b.byteCount())
      return falha(QStringLiteral("Não conseguiu gravar o arquivo ") + Destino);
    dados += b.byteCount();
    const int p = duracao > 0 ? int(qBound(qint64(0), (b.startTime() + b.duration()) / 10 / duracao, qint64(100))) : -1;
    if (p != percentual && Progresso) Progresso(p);
    percentual = p;
  });
  QObject::connect(&decodificador, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), &laco,
                   [&](QAudioDecoder::Error) {
                     falha(QStringLiteral("Não conseguiu decodificar o arquivo: ") + decodificador.errorString());
                   });
  QObject::connect(&decodificador, &QAudioDecoder::finished, &laco, &QEventLoop::quit);
  // A cancel may come while the decoder is silent.
  QTimer vigia;
  QObject::connect(&vigia, &QTimer::timeout, &laco, [&] {
    if (Cancelada && *Cancelada) falha(kConversaoCancelada);
  });
  vigia.start(50);
  decodificador.start();
  laco.exec();
  vigia.stop();

  if (erro.isEmpty() && Cancelada && *Cancelada) erro = kConversaoCancelada;
  if (erro.isEmpty() && dados == 0) erro = QStringLiteral("O arquivo não tem áudio que se possa converter.");
  if (erro.isEmpty() && (!saida.seek(0) || saida.write(CabecalhoWave8kMono(quint32(dados))) != 44 || !saida.commit()))
    erro = QStringLiteral("Não conseguiu gravar o arquivo ") + Destino;
  if (!erro.isEmpty()) {
    saida.cancelWriting();
    return erro;
  }
  if (percentual != 100 && Progresso) Progresso(100);
  return erro;
}

TConversaoAudio::TConversaoAudio(QObject* Pai) : QObject(Pai) {}

TConversaoAudio::~TConversaoAudio() {
  Cancela();
  if (FThread) FThread->wait();
}

bool TConversaoAudio::Ativa() const { return FThread && FThread->isRunning(); }

void TConversaoAudio::Cancela() { FCancelada = true; }

void TConversaoAudio::Inicia(const QString& Origem, const QString& Destino) {
  if (Ativa()) return;
  EscolheBackendAudio();
  // Qt Multimedia's backend is made here, on a thread that lives on, and not
  // on the worker, which ends with the conversion.
  QMediaFormat().supportedFileFormats(QMediaFormat::Decode);
  FCancelada = false;
  FThread.reset(QThread::create([this, Origem, Destino] {
    const QString erro = ConverteAudio(
        Origem, Destino,
        [this](int p) {
          QMetaObject::invokeMethod(
              this, [this, p] { emit Progresso(p); }, Qt::QueuedConnection);
        },
        &FCancelada);
    QMetaObject::invokeMethod(
        this, [this, erro] { emit Terminou(erro.isEmpty(), erro); }, Qt::QueuedConnection);
  }));
  FThread->start();
}
