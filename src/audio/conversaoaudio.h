#pragma once
// Audio files of any format Qt Multimedia decodes (WAV of another rate, depth
// or channel count, or with extra chunks; MP3, OGG, FLAC...) made into the
// prompts the server takes: 8 kHz, 16-bit, mono PCM under the canonical
// 44-byte header. Qt's decoder decodes and resamples; the work runs on a
// thread of its own, and the output file appears only when it is complete.
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>

class QThread;

// Qt Multimedia picks its backend once, at its first use. Every use in this
// program calls this first: it selects the FFmpeg backend, which decodes and
// resamples every format with the libraries Qt itself depends on (the
// GStreamer backend needs plugin packages a system may lack, and without
// them its decoder never answers). A backend the user chose stays.
void EscolheBackendAudio();

// The extensions (lower case, without the dot) of the formats offered for
// conversion besides WAV.
const QStringList& ExtensoesConvertiveis();

// Converts Origem into Destino in the calling thread, processing its events
// until the end. Progresso, when set, receives the percentage done (-1 while
// the duration is unknown); Cancelada stops the work when it becomes true.
// Returns the empty text on success, else the reason (Destino untouched).
QString ConverteAudio(const QString& Origem, const QString& Destino, const std::function<void(int)>& Progresso = {},
                      const std::atomic_bool* Cancelada = nullptr);

// One conversion at a time on a worker thread; the signals arrive on the
// thread that made the object.
class TConversaoAudio : public QObject {
  Q_OBJECT
 public:
  explicit TConversaoAudio(QObject* Pai = nullptr);
  // Cancels a conversion in progress and waits for its thread.
  ~TConversaoAudio() override;

  void Inicia(const QString& Origem, const QString& Destino);
  // Stops the conversion; Terminou follows with Ok false.
  void Cancela();
  bool Ativa() const;

 signals:
  void Progresso(int Percentual);
  // Erro: the reason of a failure; "Conversão cancelada." after Cancela.
  void Terminou(bool Ok, const QString& Erro);

 private:
  std::unique_ptr<QThread> FThread;
  std::atomic_bool FCancelada{false};
};

inline const QString kConversaoCancelada = QStringLiteral("Conversão cancelada.");
