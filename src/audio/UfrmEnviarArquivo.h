#pragma once
// "Enviar arquivo de áudio" / "Criar arquivo de áudio": checks WAV files
// (8 kHz, 16-bit, mono PCM), names and describes them, and sends them to the
// server in blocks (server mode) or copies them into the message folder
// (local mode); each file done gets its catalogue entry. The dialog returns
// Accepted when at least one file was sent or saved; the caller then uploads
// or writes the catalogue.
//
// What it needs is passed in, never looked up:
//  - the mode (Local);
//  - server mode: the session (TSessaoServidor*) that sends the requests and
//    carries the text-to-speech settings; the caller forwards every
//    "wavfilesendpart" event to EnviaBlocoArquivo and an error reply for
//    "SaveWavFile" to ErroEnvioArquivo while the window is open;
//  - local mode: the message folder (DefinePastaMensagens);
//  - the player window created at start (DefinePlayer), optional.
#include <QDialog>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "dispositivoaudio.h"

namespace Ui {
class TfrmEnviarArquivo;
}
class TSessaoServidor;
class TfrmPlayGraficoArq;
class TfrmGravarAudio;
class TfrmConverteTTSKR;
class TEnvioAudio;

// Copies Origem to Destino so that Destino is at every moment either its old
// content or the whole copy: the copy is written beside it and renamed over
// it. Renomeia (the rename; the file system's when empty) lets a test make
// that last step fail.
using TRenomeia = std::function<bool(const QString& De, const QString& Para)>;
bool CopiaSubstituindo(const QString& Origem, const QString& Destino, const TRenomeia& Renomeia = {});

class TfrmEnviarArquivo : public QDialog {
  Q_OBJECT
 public:
  // Local: files are copied into the message folder instead of sent. Sessao
  // may be null in local mode (then text to speech is not offered).
  TfrmEnviarArquivo(TSessaoServidor* Sessao, bool Local, QWidget* Pai = nullptr);
  ~TfrmEnviarArquivo() override;

  // Local mode: the folder the files are saved in (created when missing).
  void DefinePastaMensagens(const QString& Pasta) { FPastaMensagens = Pasta; }
  // The player window kept by the main window; null disables "play".
  void DefinePlayer(TfrmPlayGraficoArq* Player);
  // The device the recorder uses (the Qt device when empty).
  void DefineFabricaDispositivo(TFabricaDispositivo Fabrica) { FFabrica = std::move(Fabrica); }

  // Next block of the file being sent (one per "wavfilesendpart" event).
  void EnviaBlocoArquivo();
  // An error reply for "SaveWavFile": back to idle.
  void ErroEnvioArquivo();
  // The connection ended: a transfer in progress stops, and the user is told.
  void SemConexao();
  // A finished file: catalogue entry, and out of the waiting list.
  void ArquivoSalvoOuEnviado(const QString& Nome);
  // The player's close notification.
  void PlayGraficoClose(int Left, int Top);

  // Widget-free checks (also used for the text-to-speech result).
  static bool ArquivoWaveValido(const QString& Caminho);
  static bool NomeArquivoValido(const QString& Nome);

  // The user's commands.
  void SpeedButton1Click();
  void SpeedButtonPlayClick();
  void btOkClick();
  void btSairClick();
  void btTTSClick();
  void btGravarClick();

  bool ArquivoEnviado = false;
  QStringList listaArquivos;
  QString NomeArquivoEnviar;
  int leftPlay = 0, topPlay = 0, leftTTS = 0, topTTS = 0;
  bool Enviando() const;

 protected:
  void closeEvent(QCloseEvent* E) override;
  // Escape: cancels a transfer, otherwise closes as "Sair" does.
  void reject() override;

 private:
  bool Local() const { return FLocal; }
  bool TemTTS() const;
  void EstadoOcioso();
  void SubstituiEspera(const QString& Arquivo, bool CopiaNome);
  bool PerguntaArquivosEsperando(const QString& Final);
  QString ArquivoTemporario(const QString& Extensao) const;
  bool PodeFechar();
  void Fecha();
  void AtualizaLista(int Selecionado);
  // A converted copy of Origem in the window's temporary folder, checked;
  // empty when cancelled or refused (a box said why).
  QString Converte(const QString& Origem);

  std::unique_ptr<Ui::TfrmEnviarArquivo> ui;
  TSessaoServidor* FSessao;
  bool FLocal;
  enum class TEstado { Ocioso, AguardandoServidor, Enviando } FEstado = TEstado::Ocioso;
  QString FNomeEnvio;
  TfrmPlayGraficoArq* FPlayer = nullptr;
  TFabricaDispositivo FFabrica;
  QString FPastaMensagens;
  // The file being sent; null when idle.
  std::unique_ptr<TEnvioAudio> FEnvio;
  QString strSalvarMaiusculo, strSalvarMinusculo, strNomeSalvarArquivo;
  bool FFechado = false;
  // Converted copies live here while the window is open.
  std::unique_ptr<QTemporaryDir> FConvertidos;
  int FConversoes = 0;
};
