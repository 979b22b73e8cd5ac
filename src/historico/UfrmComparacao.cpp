#include "UfrmComparacao.h"

#include <QPushButton>
#include <QTreeWidget>

#include "UTMenuUra.h"
#include "erros.h"
#include "janelas.h"
#include "ui_UfrmComparacao.h"

namespace {
const QString kSecao = QStringLiteral("TelaComparacao");
constexpr int kPapelMenu = Qt::UserRole;  // index of the menu in the open document, -1 without

QColor CorDe(TTipoDiferenca Tipo) {
  switch (Tipo) {
    case TTipoDiferenca::Adicionado: return QColor(0x2e, 0x7d, 0x32);
    case TTipoDiferenca::Removido: return QColor(0xc6, 0x28, 0x28);
    case TTipoDiferenca::Movido: return QColor(0x15, 0x65, 0xc0);
    case TTipoDiferenca::Alterado: break;
  }
  return QColor(0xa0, 0x5a, 0x00);
}

void Pinta(QTreeWidgetItem* Item, const TDiferenca& D) {
  Item->setText(1, D.GetStrTipo());
  Item->setText(2, D.Antes);
  Item->setText(3, D.Depois);
  Item->setToolTip(2, D.Antes);
  Item->setToolTip(3, D.Depois);
  for (int c = 0; c < 4; ++c) Item->setForeground(c, CorDe(D.Tipo));
}
}  // namespace

TfrmComparacao::TfrmComparacao(std::function<TDAC*()> Documento, std::unique_ptr<TDAC> Outro, const QString& Descricao,
                               QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TfrmComparacao>()),
      FDocumento(std::move(Documento)),
      FOutro(std::move(Outro)) {
  ui->setupUi(this);
  setObjectName(QStringLiteral("frmComparacao"));
  lvDiferencas = ui->lvDiferencas;
  lbResumo = ui->lbResumo;
  ui->lbOrigem->setText(QStringLiteral("Antes: ") + Descricao + QStringLiteral(".  Agora: o documento aberto."));
  connect(ui->btFechar, &QPushButton::clicked, this, &QDialog::reject);
  FMudanca.setSingleShot(true);
  FMudanca.setInterval(150);
  connect(&FMudanca, &QTimer::timeout, this, &TfrmComparacao::Atualiza);
  connect(lvDiferencas, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* Item) { ExecutaComando(this, [this, Item] { AbreLinha(Item); }); });
  LeJanelaComLista(this, lvDiferencas, kSecao, {260, 90, 260});
  Atualiza();
}

TfrmComparacao::~TfrmComparacao() = default;

void TfrmComparacao::Atualiza() {
  FMudanca.stop();
  const TDAC* dac = FDocumento ? FDocumento() : nullptr;
  if (dac && FOutro)
    FDiferencas.Compara(*FOutro, *dac);
  else
    FDiferencas = TDiferencas();
  lvDiferencas->clear();
  QTreeWidgetItem* grupo = nullptr;
  QString chaveGrupo;
  QFont negrito = lvDiferencas->font();
  negrito.setBold(true);
  for (const TDiferenca& d : FDiferencas.Lista()) {
    const bool documento = d.Menu.isEmpty() && d.IndiceA < 0 && d.IndiceB < 0;
    const QString chave = QStringLiteral("%1|%2|%3").arg(d.Menu).arg(d.IndiceA).arg(d.IndiceB);
    if (!grupo || chave != chaveGrupo) {
      grupo = new QTreeWidgetItem(lvDiferencas, {documento ? QStringLiteral("URA") : QStringLiteral("Menu ") + d.Menu});
      grupo->setData(0, kPapelMenu, d.IndiceB);
      grupo->setFont(0, negrito);
      grupo->setExpanded(true);
      chaveGrupo = chave;
    }
    // A difference of the whole menu is told on the menu's own row.
    if (!documento && d.Secao.isEmpty() && d.Item.isEmpty()) {
      Pinta(grupo, d);
      continue;
    }
    auto* item = new QTreeWidgetItem(grupo);
    QString onde = d.Secao;
    if (!d.Item.isEmpty()) onde += (onde.isEmpty() ? QString() : QStringLiteral(": ")) + d.Item;
    item->setText(0, onde);
    item->setData(0, kPapelMenu, d.IndiceB);
    Pinta(item, d);
  }
  if (!dac)
    lbResumo->setText(QStringLiteral("Nenhuma URA aberta."));
  else if (FDiferencas.Vazia())
    lbResumo->setText(QStringLiteral("As URAs são iguais."));
  else
    lbResumo->setText(QStringLiteral("%1 diferença(s).").arg(FDiferencas.Count()));
}

void TfrmComparacao::AbreLinha(const QTreeWidgetItem* Item) {
  if (!Item) return;
  const int menu = Item->data(0, kPapelMenu).toInt();
  if (menu >= 0) emit AbrirMenu(menu);
}

void TfrmComparacao::done(int Resultado) {
  GravaJanelaComLista(this, lvDiferencas, kSecao);
  QDialog::done(Resultado);
}
