#include "UfrmCadAcao.h"

#include "acao.h"
#include "ui_UfrmCadAcao.h"

TfrmCadAcao::TfrmCadAcao(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent), Acao(std::make_unique<TMUAcao>(Ctx.Dac)), ui(std::make_unique<Ui::TfrmCadAcao>()), FCtx(Ctx) {
  ui->setupUi(this);
}

TfrmCadAcao::~TfrmCadAcao() = default;

void TfrmCadAcao::CarregaAcao(const TMUAcao* AcaoOrigem) {
  if (AcaoOrigem) Acao->CopyFrom(AcaoOrigem);
}
void TfrmCadAcao::done(int r) { QDialog::done(r); }
void TfrmCadAcao::MontaListaAcoes() {}
void TfrmCadAcao::RecarregaItensAcao() {}
void TfrmCadAcao::Atualiza() {}
void TfrmCadAcao::cbAcaoChange(int) {}
void TfrmCadAcao::cbValorAcaoChange() {}
void TfrmCadAcao::cbVariavelComandoChange() {}
void TfrmCadAcao::btMsgClick() {}
bool TfrmCadAcao::Verifica() { return true; }
QString TfrmCadAcao::DescricaoArquivos(const QString&) const { return {}; }
