#include "UfrmCadMenuWhatsApp.h"

#include "secoes.h"
#include "ui_UfrmCadMenuWhatsApp.h"

TfrmCadMenuWhatsApp::TfrmCadMenuWhatsApp(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent), FCtx(Ctx), ui(std::make_unique<Ui::TfrmCadMenuWhatsApp>()) {
  ui->setupUi(this);
  MenuOpcaoWA = std::make_unique<TMUMenuOpcaoWA>(FCtx.Dac, QString());
}

TfrmCadMenuWhatsApp::~TfrmCadMenuWhatsApp() = default;

void TfrmCadMenuWhatsApp::CarregaMenuOpcaoWA(const TMUMenuOpcaoWA* Menu) {
  if (Menu) MenuOpcaoWA->CopyFrom(Menu);
}

void TfrmCadMenuWhatsApp::done(int Resultado) { QDialog::done(Resultado); }
