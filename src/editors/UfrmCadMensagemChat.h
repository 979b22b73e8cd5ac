#pragma once
// Chat text editor: creates or changes one text of the chat message catalogue
// (the TDD one in a TDD URA). Its change to the catalogue is immediate.
#include <QDialog>
#include <memory>

#include "contexto.h"

namespace Ui {
class TfrmCadMensagemChat;
}

class TfrmCadMensagemChat : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmCadMensagemChat(const TContextoEditor& Ctx, QWidget* parent = nullptr);
  ~TfrmCadMensagemChat() override;

  bool EhUraChatTDD = false;
  int indiceMsg = -1;  // catalogue index of the text being changed; -1 new

  // Puts the text in editable form (line breaks as typed).
  void SetTexto(const QString& Texto);
  QString Texto() const;

  // True when every character of Texto belongs to the TDD character set.
  static bool TextoTDDValido(const QString& Texto);

 public slots:
  void accept() override;

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  void LimitaTamanho();

  std::unique_ptr<Ui::TfrmCadMensagemChat> ui;
};
