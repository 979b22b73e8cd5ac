#include "UfrmCadMensagemChat.h"

#include "ui_UfrmCadMensagemChat.h"

TfrmCadMensagemChat::TfrmCadMensagemChat(const TContextoEditor&, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmCadMensagemChat>()) {
  ui->setupUi(this);
}
TfrmCadMensagemChat::~TfrmCadMensagemChat() = default;
void TfrmCadMensagemChat::SetTexto(const QString&) {}
QString TfrmCadMensagemChat::Texto() const { return {}; }
bool TfrmCadMensagemChat::TextoTDDValido(const QString&) { return false; }
void TfrmCadMensagemChat::accept() { QDialog::accept(); }
