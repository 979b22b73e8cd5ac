#pragma once
// "Testar URA": a modeless window that plays a call (phone keypad) or a chat
// (text line) against the open document, with the date, time, holiday and
// call variables chosen here. It shows the conversation (what the caller
// hears or reads, what they answered, where the call is) and the simulator's
// steps, plays the voice messages whose WAV files it finds, and keeps a call
// as a test scenario. It follows the document: after a change the same
// answers run again; it never keeps a pointer into the document.
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "cenario.h"
#include "dispositivoaudio.h"
#include "simulacao.h"

class QListWidgetItem;
class QPushButton;
class TDAC;

namespace Ui {
class TfrmTestarUra;
}

class TfrmTestarUra : public QDialog {
  Q_OBJECT
 public:
  // Documento gives the open document each time it is asked (null when none).
  explicit TfrmTestarUra(std::function<TDAC*()> Documento, QWidget* parent = nullptr);
  ~TfrmTestarUra() override;

  // The WAV file of an audio message name; empty when there is none.
  std::function<QString(const QString&)> LocalizaAudio;
  // Makes the audio device, when the first message is played.
  TFabricaDispositivo FabricaDispositivo = CriaDispositivoAudioQt;

  // The caller's moves.
  void Tecla(QChar Tecla);          // one key of the keypad
  void EnviaTexto(const QString&);  // a chat answer
  void SemResposta();               // no answer in time
  void Reiniciar();                 // a new call, no answers yet

  // Runs the call again with the answers so far (after any change).
  void Atualiza();
  // Appends the call (its settings, answers and end) to a scenario file the
  // user chooses; false when cancelled or refused.
  bool SalvaCenario();

  const TResultadoSimulacao& Resultado() const { return FResultado; }
  const std::vector<std::optional<QString>>& Respostas() const { return FRespostas; }
  // The scenario the window runs: its settings and the answers given.
  TCenario Cenario() const;
  // Audio names whose files are queued or playing, in order.
  const QStringList& FilaAudio() const { return FFila; }

  void done(int Resultado) override;

 public slots:
  // The open document changed (or was replaced, or closed).
  void DocumentoAlterado();

 signals:
  // The menus the call entered so far, in order, repeats included; empty
  // after "Reiniciar" and when the window closes.
  void CaminhoSimulado(const QStringList& Menus);
  // A step was double-clicked: open that menu (index in ListaMenus).
  void AbrirMenu(int IndiceMenu);

 protected:
  bool eventFilter(QObject* Objeto, QEvent* Evento) override;

 private:
  void MostraEstado(const QString& Texto);
  void AjustaAlturaEstado();
  void Responde(const std::optional<QString>& Resposta);
  void Roda(bool Toca);
  void MostraConversa();
  void MostraPassos();
  void MostraEntrada(const TDAC* Dac);
  void MostraRespostasLista(const TDAC* Dac);
  void AdicionaVariavel();
  void OfereceVariaveis(const TDAC* Dac);
  QListWidgetItem* Fala(const QString& Texto, Qt::Alignment Lado, const QColor& Fundo);
  void TocaNovas(const QStringList& Mensagens);
  void ProximoAudio();
  void VerificaAudio();
  void ParaAudio();

  std::unique_ptr<Ui::TfrmTestarUra> ui;
  std::function<TDAC*()> FDocumento;
  std::vector<std::optional<QString>> FRespostas;
  QString FTeclas;  // keys of an answer still being typed
  TResultadoSimulacao FResultado;
  bool FChat = false;
  bool FPreenchendo = false;
  std::vector<QPointer<QPushButton>> FBotoesLista;  // the answers of a chat list menu
  // Audio: the queue of files, the device and when the file playing ends.
  QStringList FFila;
  std::unique_ptr<IDispositivoAudio> FDispositivo;
  qint64 FDuracao = 0;
  QTimer FTimerAudio;
};
