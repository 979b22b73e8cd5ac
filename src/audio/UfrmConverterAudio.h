#pragma once
// "Converter áudio": converts one file into an 8 kHz, 16-bit, mono WAV off
// the window's thread, with its progress and "Cancelar". The caller sets the
// files (Inicia) and shows it modally; it closes by itself when the
// conversion ends, Accepted when the output file is complete.
#include <QDialog>
#include <memory>

namespace Ui {
class TfrmConverterAudio;
}
class TConversaoAudio;

class TfrmConverterAudio : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmConverterAudio(QWidget* Pai = nullptr);
  ~TfrmConverterAudio() override;

  void Inicia(const QString& Origem, const QString& Destino);
  // The conversion ended (done, failed or cancelled).
  bool Terminada() const { return FTerminada; }
  // Why it failed; empty after a success or a cancel.
  const QString& Erro() const { return FErro; }

 protected:
  // "Cancelar" and Escape: the conversion stops, then the window closes.
  void reject() override;

 private:
  void Fim(bool Ok, const QString& Erro);

  std::unique_ptr<Ui::TfrmConverterAudio> ui;
  std::unique_ptr<TConversaoAudio> FConversao;
  bool FEmCurso = false;  // from Inicia until Terminou arrives
  bool FTerminada = false;
  QString FErro;
};
