#include "UfrmCadAcoes.h"

#include "acao.h"
#include "ui_UfrmCadAcoes.h"

TfrmCadAcoes::TfrmCadAcoes(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent), ListaAcoes(std::make_unique<TMUListaAcao>(Ctx.Dac)), ui(std::make_unique<Ui::TfrmCadAcoes>()),
      FCtx(Ctx) {
  ui->setupUi(this);
}

TfrmCadAcoes::~TfrmCadAcoes() = default;

void TfrmCadAcoes::CarregaAcoes(const TMUListaAcao* ListaAcoesOrigem) {
  ListaAcoes->ClearLista();
  if (ListaAcoesOrigem) ListaAcoes->CopyFrom(ListaAcoesOrigem);
  AtualizaLista();
}

void TfrmCadAcoes::AtualizaLista() {}
void TfrmCadAcoes::done(int r) { QDialog::done(r); }
void TfrmCadAcoes::Adicionar() {}
void TfrmCadAcoes::Editar() {}
void TfrmCadAcoes::Remover() {}
void TfrmCadAcoes::Move(bool) {}
int TfrmCadAcoes::IndiceSelecionado() const { return -1; }
void TfrmCadAcoes::Seleciona(int) {}
