#include "UfrmMenuUra.h"

#include "dac.h"
#include "menuura.h"
#include "ui_UfrmMenuUra.h"

TfrmMenuUra::TfrmMenuUra(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent), FCtx(Ctx), ui(std::make_unique<Ui::TfrmMenuUra>()) {
  ui->setupUi(this);
  MenuUra = std::make_unique<TMenuUra>(FCtx.Dac, QString());
}

TfrmMenuUra::~TfrmMenuUra() = default;

void TfrmMenuUra::LeConfiguracao() {}

void TfrmMenuUra::CarregaMenu(const TMenuUra* Menu) {
  MenuUra = std::make_unique<TMenuUra>(FCtx.Dac, QString());
  if (Menu) MenuUra->CopyFrom(Menu);
  strMenuAtual = MenuUra->Nome;
}

void TfrmMenuUra::RefreshTelaMenu() {}

void TfrmMenuUra::done(int Resultado) { QDialog::done(Resultado); }
