#include "UfrmCadCondicaoVar.h"

#include "ui_UfrmCadCondicaoVar.h"

TfrmCadCondicaoVar::TfrmCadCondicaoVar(const TContextoEditor&, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmCadCondicaoVar>()) {
  ui->setupUi(this);
}
TfrmCadCondicaoVar::~TfrmCadCondicaoVar() = default;
void TfrmCadCondicaoVar::CarregaVariaveis(const QStringList&) {}
void TfrmCadCondicaoVar::CarregaCondicaoVar(const TMUCondicaoVar*) {}
QString TfrmCadCondicaoVar::Variavel() const { return {}; }
QString TfrmCadCondicaoVar::TipoComp() const { return {}; }
QString TfrmCadCondicaoVar::Valor() const { return {}; }
void TfrmCadCondicaoVar::accept() { QDialog::accept(); }
