#include "UfrmVerificarUra.h"

#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include "configuracao.h"
#include "erros.h"
#include "posicao.h"
#include "ui_UfrmVerificarUra.h"

namespace {
const QString kSecao = QStringLiteral("TelaVerificarUra");
constexpr int kLargura[] = {70, 130, 150, 170, 400};
}  // namespace

TfrmVerificarUra::TfrmVerificarUra(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfrmVerificarUra>()) {
  ui->setupUi(this);
  lvAchados = ui->lvAchados;
  lbResumo = ui->lbResumo;
  connect(ui->btOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui->btVerificar, &QPushButton::clicked, this, &TfrmVerificarUra::Atualiza);
  connect(lvAchados, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* Item) {
    ExecutaComando(this, [this, Item] { AbreAchado(lvAchados->indexOfTopLevelItem(Item)); });
  });
  const TConfiguracao cfg(kSecao);
  LePosicao(this, cfg, TModoPosicao::PosicaoTamanho);
  for (int i = 0; i < 5; ++i)
    lvAchados->setColumnWidth(i, cfg.LeInteiro(QStringLiteral("Coluna%1").arg(i), kLargura[i]));
}

TfrmVerificarUra::~TfrmVerificarUra() = default;

void TfrmVerificarUra::done(int Resultado) {
  TConfiguracao cfg(kSecao);
  GravaPosicao(this, cfg, TModoPosicao::PosicaoTamanho);
  for (int i = 0; i < 5; ++i) cfg.GravaInteiro(QStringLiteral("Coluna%1").arg(i), lvAchados->columnWidth(i));
  QDialog::done(Resultado);
}

void TfrmVerificarUra::Atualiza() {
  FAchados = Verifica ? Verifica() : std::vector<TAchado>();
  lvAchados->clear();
  const QIcon erro = style()->standardIcon(QStyle::SP_MessageBoxCritical);
  const QIcon aviso = style()->standardIcon(QStyle::SP_MessageBoxWarning);
  QList<QTreeWidgetItem*> linhas;
  for (const TAchado& a : FAchados) {
    auto* item = new QTreeWidgetItem({a.GetStrGravidade(), a.Menu, a.Secao, a.Codigo, a.Texto});
    item->setIcon(0, a.Gravidade == TGravidade::Erro ? erro : aviso);
    item->setToolTip(4, a.Texto);
    linhas << item;
  }
  lvAchados->addTopLevelItems(linhas);
  const int erros = ContaErros(FAchados);
  const int avisos = ContaAvisos(FAchados);
  lbResumo->setText(FAchados.empty() ? QStringLiteral("Nenhum problema encontrado.")
                                     : QStringLiteral("%1 erro(s), %2 aviso(s).").arg(erros).arg(avisos));
}

void TfrmVerificarUra::AbreAchado(int Linha) {
  if (Linha < 0 || Linha >= static_cast<int>(FAchados.size())) return;
  const int menu = FAchados[static_cast<size_t>(Linha)].IndiceMenu;
  if (menu < 0 || !AbreMenu) return;
  if (AbreMenu(menu)) Atualiza();
}
