#include "UfrmEditaLista.h"

#include "ui_UfrmEditaLista.h"

TfrmEditarLista::TfrmEditarLista(const TContextoEditor&, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmEditarLista>()) {
  ui->setupUi(this);
}
TfrmEditarLista::~TfrmEditarLista() = default;
void TfrmEditarLista::AdicionaMensagem(TMUDescricaoMensagem*) {}
void TfrmEditarLista::Carrega(TMUListaDescricaoMensagem&) {}
void TfrmEditarLista::accept() { QDialog::accept(); }
void TfrmEditarLista::done(int r) { QDialog::done(r); }
