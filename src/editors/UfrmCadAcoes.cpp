#include "UfrmCadAcoes.h"

#include <QApplication>
#include <QHeaderView>
#include <QPalette>
#include <QStyle>

#include "UfrmCadAcao.h"
#include "acao.h"
#include "apoiomenu.h"
#include "configuracao.h"
#include "plataforma.h"
#include "posicao.h"
#include "ui_UfrmCadAcoes.h"

namespace {

const QString kSecao = QStringLiteral("TelaCadAcoes");
const QString kColuna = QStringLiteral("lvaColuna0");

}  // namespace

TfrmCadAcoes::TfrmCadAcoes(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent),
      ListaAcoes(std::make_unique<TMUListaAcao>(Ctx.Dac)),
      ui(std::make_unique<Ui::TfrmCadAcoes>()),
      FCtx(Ctx) {
  ui->setupUi(this);
  QStyle* estilo = QApplication::style();
  ui->btUpCondicao->setIcon(estilo->standardIcon(QStyle::SP_ArrowUp));
  ui->btDownCondicao->setIcon(estilo->standardIcon(QStyle::SP_ArrowDown));
  ui->ListViewAcoes->header()->setStretchLastSection(false);

  connect(ui->btAdicionarVar, &QPushButton::clicked, this, &TfrmCadAcoes::Adicionar);
  connect(ui->btEditarVar, &QPushButton::clicked, this, &TfrmCadAcoes::Editar);
  connect(ui->ListViewAcoes, &QTreeWidget::itemDoubleClicked, this, &TfrmCadAcoes::Editar);
  EnterEditaLinha(ui->ListViewAcoes, [this](int) { Editar(); });
  connect(ui->btRemoverVar, &QPushButton::clicked, this, &TfrmCadAcoes::Remover);
  connect(ui->btUpCondicao, &QToolButton::clicked, this, [this] { Move(true); });
  connect(ui->btDownCondicao, &QToolButton::clicked, this, [this] { Move(false); });
  connect(ui->btOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui->btCancelar, &QPushButton::clicked, this, &QDialog::reject);

  const TConfiguracao cfg(kSecao);
  ui->ListViewAcoes->setColumnWidth(0, cfg.LeInteiro(kColuna, 550));
  adjustSize();
  LePosicao(this, cfg, TModoPosicao::Posicao);
}

TfrmCadAcoes::~TfrmCadAcoes() = default;

void TfrmCadAcoes::done(int r) {
  TConfiguracao cfg(kSecao);
  GravaPosicao(this, cfg, TModoPosicao::Posicao);
  cfg.GravaInteiro(kColuna, ui->ListViewAcoes->columnWidth(0));
  QDialog::done(r);
}

void TfrmCadAcoes::CarregaAcoes(const TMUListaAcao* ListaAcoesOrigem) {
  ListaAcoes->CopyFrom(ListaAcoesOrigem);
  AtualizaLista();
}

void TfrmCadAcoes::AtualizaLista() {
  QTreeWidget* lv = ui->ListViewAcoes;
  lv->clear();
  indexUltimaAcao = -1;
  const QBrush cinza = palette().brush(QPalette::Disabled, QPalette::Text);
  for (int i = 0; i < ListaAcoes->Count(); ++i) {
    const TMUAcao* a = ListaAcoes->GetItem(i);
    auto* item = new QTreeWidgetItem(lv, {a->GetStrAcao()});
    if (indexUltimaAcao >= 0) item->setForeground(0, cinza);
    if (indexUltimaAcao < 0 && !TMUAcao::ContinuaSequencia(a->Tipo)) indexUltimaAcao = i;
  }
}

int TfrmCadAcoes::IndiceSelecionado() const {
  QTreeWidgetItem* item = ui->ListViewAcoes->currentItem();
  if (!item || !item->isSelected()) return -1;
  return ui->ListViewAcoes->indexOfTopLevelItem(item);
}

void TfrmCadAcoes::Seleciona(int Index) {
  QTreeWidgetItem* item = ui->ListViewAcoes->topLevelItem(Index);
  if (!item) return;
  ui->ListViewAcoes->setCurrentItem(item);
  ui->ListViewAcoes->scrollToItem(item);
}

void TfrmCadAcoes::Adicionar() {
  TfrmCadAcao dlg(FCtx, this);
  dlg.lstMenuUra = lstMenuUra;
  dlg.strMenuAtual = strMenuAtual;
  dlg.Acao->OpcaoAcao = ListaAcoes->OpcaoAcao;
  dlg.CarregaAcao(nullptr);
  if (ExecutaDialogo(&dlg) != QDialog::Accepted) return;
  auto nova = std::make_unique<TMUAcao>(ListaAcoes->DAC);
  nova->CopyFrom(dlg.Acao.get());
  ListaAcoes->Add(std::move(nova));
  AtualizaLista();
  Seleciona(ListaAcoes->Count() - 1);
}

void TfrmCadAcoes::Editar() {
  const int i = IndiceSelecionado();
  TMUAcao* acao = ListaAcoes->GetItem(i);
  if (!acao) return;
  TfrmCadAcao dlg(FCtx, this);
  dlg.lstMenuUra = lstMenuUra;
  dlg.strMenuAtual = strMenuAtual;
  // The offer of "DISCAOP" follows the option the list belongs to now, not
  // the value stored in the action when it was read or added.
  TMUAcao copia(acao->DAC);
  copia.CopyFrom(acao);
  copia.OpcaoAcao = ListaAcoes->OpcaoAcao;
  dlg.CarregaAcao(&copia);
  if (ExecutaDialogo(&dlg) != QDialog::Accepted) return;
  acao->CopyFrom(dlg.Acao.get());
  AtualizaLista();
  Seleciona(i);
}

void TfrmCadAcoes::Remover() {
  TMUAcao* acao = ListaAcoes->GetItem(IndiceSelecionado());
  if (!acao) return;
  if (!PerguntaSimNao(
          this, QStringLiteral("Tem certeza que deseja remover a ação \"") + acao->GetStrAcao() + QStringLiteral("\"?"),
          QStringLiteral("Remover ação")))
    return;
  ListaAcoes->DeleteAcao(acao);
  AtualizaLista();
}

void TfrmCadAcoes::Move(bool ParaCima) {
  const int i = IndiceSelecionado();
  if (i < 0) return;
  if (ParaCima ? i == 0 : i == ListaAcoes->Count() - 1) return;
  if (ParaCima)
    ListaAcoes->UpItem(i);
  else
    ListaAcoes->DownItem(i);
  AtualizaLista();
  Seleciona(ParaCima ? i - 1 : i + 1);
}
