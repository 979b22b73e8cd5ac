#include "UfrmCadMensagem.h"

#include "mensagem.h"
#include "ui_UfrmCadMensagem.h"

TfrmCadMensagem::TfrmCadMensagem(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent), Mensagem(std::make_unique<TMUMensagem>()), ui(std::make_unique<Ui::TfrmCadMensagem>()), FCtx(Ctx) {
  ui->setupUi(this);
}
TfrmCadMensagem::~TfrmCadMensagem() = default;
void TfrmCadMensagem::CarregaListaMensagens() {}
void TfrmCadMensagem::CarregaMensagem(const TMUMensagem* ptrMensagem) { Mensagem->CopyFrom(ptrMensagem); }
void TfrmCadMensagem::done(int r) { QDialog::done(r); }
bool TfrmCadMensagem::eventFilter(QObject* obj, QEvent* ev) { return QDialog::eventFilter(obj, ev); }
