#include "UfrmCadItemMenuWhatsApp.h"

#include "secoes.h"
#include "ui_UfrmCadItemMenuWhatsApp.h"

TfrmCadItemMenuWhatsApp::TfrmCadItemMenuWhatsApp(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent), FCtx(Ctx), ui(std::make_unique<Ui::TfrmCadItemMenuWhatsApp>()) {
  ui->setupUi(this);
  itemMenuWA = std::make_unique<TMUItemMenuOpcaoWA>(FCtx.Dac);
}

TfrmCadItemMenuWhatsApp::~TfrmCadItemMenuWhatsApp() = default;

void TfrmCadItemMenuWhatsApp::CarregaItemMenuWA(const TMUItemMenuOpcaoWA* Item) {
  if (Item) itemMenuWA->CopyFrom(Item);
}

void TfrmCadItemMenuWhatsApp::done(int Resultado) { QDialog::done(Resultado); }
