#include "UfrmCadOpcaoChat.h"

#include "opcao.h"
#include "ui_UfrmCadOpcaoChat.h"

TfrmCadOpcaoChat::TfrmCadOpcaoChat(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent), Opcao(std::make_unique<TMUOpcao>(Ctx.Dac, 0, QString())),
      ui(std::make_unique<Ui::TfrmCadOpcaoChat>()), FCtx(Ctx) {
  ui->setupUi(this);
}
TfrmCadOpcaoChat::~TfrmCadOpcaoChat() = default;
void TfrmCadOpcaoChat::CarregaOpcao(const TMUOpcao* OpcaoOrigem) {
  if (OpcaoOrigem) Opcao->CopyFrom(OpcaoOrigem);
}
void TfrmCadOpcaoChat::done(int r) { QDialog::done(r); }
void TfrmCadOpcaoChat::HabilitaComponentes() {}
void TfrmCadOpcaoChat::cbTipoOpcaoChange(int) {}
void TfrmCadOpcaoChat::AtualizaOpcao() {}
void TfrmCadOpcaoChat::AtualizaDescricao() {}
bool TfrmCadOpcaoChat::VerificaOpcao() { return true; }
bool TfrmCadOpcaoChat::Recusa(const QString&, QWidget*) { return false; }
void TfrmCadOpcaoChat::btTestarClick() {}
void TfrmCadOpcaoChat::btMsgClick() {}
void TfrmCadOpcaoChat::btAcaoClick() {}
