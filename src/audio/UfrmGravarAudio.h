#pragma once
// "Gravar arquivo de áudio": records one message into the file the caller
// names (8 kHz, 16-bit, mono PCM), plays the take back and reports whether a
// take was saved. Use: create, SetarNomeArquivo(path), ExecutaDialogo, read
// ArquivoGravado, destroy.
#include <QDialog>
#include <QTimer>
#include <memory>

#include "dispositivoaudio.h"

namespace Ui {
class TfrmGravarAudio;
}

class TfrmGravarAudio : public QDialog {
  Q_OBJECT
 public:
  // Fabrica makes the media device at the first take (the Qt device when empty).
  explicit TfrmGravarAudio(QWidget* Pai = nullptr, TFabricaDispositivo Fabrica = {});
  ~TfrmGravarAudio() override;

  // Makes Caminho the target and writes the 48-byte template into it. False
  // (with an error box) when the file cannot be written.
  bool SetarNomeArquivo(const QString& Caminho);

  bool ArquivoGravado = false;
  qint64 duracaoArquivo = 0;
  QString NomeArquivoGravar;
  int contaPiscar = 0;

  void btGravarClick();
  void btPararClick();
  void btTocarClick();
  void Timer1Timer();

 protected:
  void done(int r) override;

 private:
  void MostraLuz(bool Vermelha);
  void LarguraBarra(int Largura);
  IDispositivoAudio& Dispositivo();

  std::unique_ptr<Ui::TfrmGravarAudio> ui;
  TFabricaDispositivo FFabrica;
  std::unique_ptr<IDispositivoAudio> FDispositivo;
  QTimer Timer1;
};

// "mm:ss" with minutes not folded into hours.
QString TextoTempoGravacao(qint64 Ms);
