#include "UfrmCadOpcao.h"

#include "opcao.h"
#include "ui_UfrmCadOpcao.h"

TfrmCadOpcao::TfrmCadOpcao(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent), Opcao(std::make_unique<TMUOpcao>(Ctx.Dac, QString())), ui(std::make_unique<Ui::TfrmCadOpcao>()),
      FCtx(Ctx) {
  ui->setupUi(this);
}
TfrmCadOpcao::~TfrmCadOpcao() = default;
void TfrmCadOpcao::CarregaOpcao(const TMUOpcao* OpcaoOrigem) {
  if (OpcaoOrigem) Opcao->CopyFrom(OpcaoOrigem);
}
void TfrmCadOpcao::done(int r) { QDialog::done(r); }
bool TfrmCadOpcao::eventFilter(QObject* Objeto, QEvent* Evento) { return QDialog::eventFilter(Objeto, Evento); }
void TfrmCadOpcao::edOpcaoChange() {}
void TfrmCadOpcao::AtualizaDescricao() {}
void TfrmCadOpcao::btMsgClick() {}
void TfrmCadOpcao::btAcaoClick() {}
bool TfrmCadOpcao::Verifica() { return true; }
