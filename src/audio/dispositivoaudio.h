#pragma once
// The media device the player and the recorder drive: opened on a WAV file by
// its name, times in milliseconds. TDispositivoAudioQt plays and records
// 8 kHz, 16-bit, mono PCM (the only format the messages use) through Qt
// Multimedia; TDispositivoRoteirizado stands in for it in tests.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class IDispositivoAudio {
 public:
  virtual ~IDispositivoAudio() = default;

  // Opens the file for playback or recording (an open device is closed
  // first). False with the reason in Erro() when it cannot: no sound device,
  // an unreadable file, a format the device cannot play.
  virtual bool Abre(const QString& Arquivo) = 0;
  virtual void Fecha() = 0;
  virtual bool Aberto() const = 0;
  // Plays from the current position; also resumes a pause. False with the
  // reason in Erro() when there is no output device.
  virtual bool Toca() = 0;
  virtual void Pausa() = 0;
  // Stops playback or recording; the position stays.
  virtual void Para() = 0;
  virtual void Posiciona(qint64 Ms) = 0;
  virtual qint64 Posicao() const = 0;
  // Starts recording (the take so far is dropped). False with the reason in
  // Erro() when there is no input device.
  virtual bool Grava() = 0;
  // Writes the take into the opened file as a complete WAV file.
  virtual bool Salva() = 0;
  virtual QString Erro() const = 0;

  // The output volume: left level in the low 16 bits, right in the high.
  virtual bool SuportaVolume() const = 0;
  virtual quint32 Volume() const = 0;
  virtual void DefineVolume(quint32 Volume) = 0;
};

using TFabricaDispositivo = std::function<std::unique_ptr<IDispositivoAudio>()>;

// The Qt Multimedia device on the default output and input.
std::unique_ptr<IDispositivoAudio> CriaDispositivoAudioQt();

// Scripted device: records the calls, reports the position the test sets.
class TDispositivoRoteirizado : public IDispositivoAudio {
 public:
  QStringList Chamadas;  // "Abre arquivo", "Toca", "Pausa", "Posiciona 123", ...
  qint64 PosicaoAtual = 0;
  bool FalhaAbrir = false;
  QString TextoErro = QStringLiteral("Dispositivo de áudio indisponível");
  bool TemVolume = true;
  quint32 VolumeAtual = 0xFFFFFFFFu;
  QByteArray Gravacao;  // samples the next Salva writes
  QString ArquivoAberto;
  bool Tocando = false;
  bool Gravando = false;

  bool Abre(const QString& Arquivo) override;
  void Fecha() override;
  bool Aberto() const override { return !ArquivoAberto.isEmpty(); }
  bool Toca() override;
  void Pausa() override;
  void Para() override;
  void Posiciona(qint64 Ms) override;
  qint64 Posicao() const override { return PosicaoAtual; }
  bool Grava() override;
  bool Salva() override;
  QString Erro() const override { return FalhaAbrir ? TextoErro : QString(); }
  bool SuportaVolume() const override { return TemVolume; }
  quint32 Volume() const override { return VolumeAtual; }
  void DefineVolume(quint32 Volume) override;
};
