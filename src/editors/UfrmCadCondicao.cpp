#include "UfrmCadCondicao.h"

#include "condicao.h"
#include "ui_UfrmCadCondicao.h"

TfrmCadCondicao::TfrmCadCondicao(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent), Condicao(std::make_unique<TMUCondicao>(Ctx.Dac)), ui(std::make_unique<Ui::TfrmCadCondicao>()), FCtx(Ctx) {
  ui->setupUi(this);
}
TfrmCadCondicao::~TfrmCadCondicao() = default;
void TfrmCadCondicao::CarregaCondicao(const TMUCondicao* ptrCondicao) { if (ptrCondicao) Condicao->CopyFrom(ptrCondicao); }
QStringList TfrmCadCondicao::ListaDeAnos(int) { return {}; }
void TfrmCadCondicao::accept() { QDialog::accept(); }
void TfrmCadCondicao::done(int r) { QDialog::done(r); }
