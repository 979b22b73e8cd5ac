#pragma once
// One item of a chat list menu: title, description and response. Works on a
// private copy (itemMenuWA).
#include <QDialog>
#include <memory>

#include "contexto.h"

class TMUItemMenuOpcaoWA;

namespace Ui {
class TfrmCadItemMenuWhatsApp;
}

class TfrmCadItemMenuWhatsApp : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmCadItemMenuWhatsApp(const TContextoEditor& Ctx, QWidget* parent = nullptr);
  ~TfrmCadItemMenuWhatsApp() override;

  // The working copy; never null.
  std::unique_ptr<TMUItemMenuOpcaoWA> itemMenuWA;

  // Copies Item when given (null: a new item) and shows it.
  void CarregaItemMenuWA(const TMUItemMenuOpcaoWA* Item);

 protected:
  void done(int Resultado) override;

 private:
  void EditaOK();

  TContextoEditor FCtx;
  std::unique_ptr<Ui::TfrmCadItemMenuWhatsApp> ui;
};
