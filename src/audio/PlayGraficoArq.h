#pragma once
// "Ouvir a mensagem": plays a WAV file with its waveform, a time ruler, a
// selection made with the mouse, play once or in a loop, pause, stop, steps
// back and forward and the output volume. Created once and kept: the caller
// calls PlayFile(path) and, when it returns true, shows the window modally.
#include <QDialog>
#include <QFile>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

#include "dispositivoaudio.h"
#include "graficoonda.h"

namespace Ui {
class TfrmPlayGraficoArq;
}
class QLabel;

class TfrmPlayGraficoArq : public QDialog {
  Q_OBJECT
 public:
  // Fabrica makes the media device when a playback starts (the Qt device
  // when empty); it is also asked once here for the volume.
  explicit TfrmPlayGraficoArq(QWidget* Pai = nullptr, TFabricaDispositivo Fabrica = {});
  ~TfrmPlayGraficoArq() override;

  // Loads, draws and starts playing the whole file once. False when a box
  // said why nothing plays (the file cannot be opened, or the device cannot
  // play it): the caller then does not show the window. A refused header
  // gives true: the window shows the cleared display and plays nothing.
  bool PlayFile(const QString& Caminho);

  // Told the window's place when it closes (set and cleared by the audio
  // upload window).
  std::function<void(int Left, int Top)> OnPlayGraficoClose;

  // State, read by tests and the screens renderer.
  TGraficoOnda Grafico;
  int XAtual = 0;
  int XDragIni = 0, XDragFim = 0, XDragIniPlay = 0, XDragFimPlay = 0;
  qint64 mPlayerPosition = 0;
  bool MouseDown = false;
  bool PlayLoop = false;
  bool PlayerAtivado = false;
  bool Stoping = false;
  bool MostrarHora = false;
  bool LiveAudioPlayer1Actived = false;
  bool LiveAudioPlayer1Paused = false;
  QString NomeArquivo, NomeArquivoWav;
  const TFormatoWave& FormatoWave() const { return Grafico.Formato; }

  // The commands, as the buttons and the mouse call them.
  void sbPlayClick(bool Loop);
  void sbPauseClick();
  void sbStopClick();
  void sbBackClick();
  void sbStepClick();
  void MouseDownEm(int X, bool Shift);
  void MouseMoveEm(int X);
  void MouseUpEm(int X, bool Shift);
  void PanelEscalaTempoDblClick();
  void TimerProgressoTimer();
  void ScrollBarVolumeChange(int Posicao);
  // lbTempo0 .. lbTempo17.
  QLabel* RotuloTempo(int n) const;

 protected:
  // Every way of closing ends here: playback stops, the place is told.
  void done(int r) override;
  bool eventFilter(QObject* O, QEvent* E) override;

 private:
  void IniciaTelaGrafica();
  void MontaTelaGraficaNew();
  void MostraReguaTempo();
  void MostraTempoPanel(QLabel* Painel, qint64 Ms);
  void AtualizaImagens();
  void HabilitaBotoes(bool Play, bool Loop, bool Outros);
  void LiveAudioPlayer1Deactive();
  bool IniciaPlay(bool Loop);
  void Desloca(int Delta);
  void MostraSelecao(bool Soltou);
  void CursorNormal();
  void GetVolume();
  void SetVolume(quint32 Volume);
  IDispositivoAudio& Dispositivo();

  std::unique_ptr<Ui::TfrmPlayGraficoArq> ui;
  TFabricaDispositivo FFabrica;
  std::unique_ptr<IDispositivoAudio> FDispositivo;
  QFile FHPlay;
  QTimer TimerProgresso;
  std::array<QLabel*, TGraficoOnda::NumRotulos + 1> FRotulos{};
  bool FCursorOcupado = false;
};
