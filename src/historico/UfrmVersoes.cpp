#include "UfrmVersoes.h"

#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>

#include "janelas.h"
#include "ui_UfrmVersoes.h"

namespace {
const QString kSecao = QStringLiteral("TelaVersoes");
}  // namespace

TfrmVersoes::TfrmVersoes(const QString& NomeUra, std::vector<TVersaoUra> Versoes, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmVersoes>()), FVersoes(std::move(Versoes)) {
  ui->setupUi(this);
  setObjectName(QStringLiteral("frmVersoes"));
  lvVersoes = ui->lvVersoes;
  btComparar = ui->btComparar;
  btRestaurar = ui->btRestaurar;
  const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
  QList<QTreeWidgetItem*> linhas;
  for (const TVersaoUra& v : FVersoes) {
    auto* item = new QTreeWidgetItem({v.Quando.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")), v.Usuario,
                                      brasil.formattedDataSize(v.Tamanho, 1, QLocale::DataSizeTraditionalFormat)});
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    linhas << item;
  }
  lvVersoes->addTopLevelItems(linhas);
  ui->lbResumo->setText(
      FVersoes.empty() ? QStringLiteral("Não há versões anteriores de \"%1\".").arg(NomeUra)
                       : QStringLiteral("%1 versão(ões) anterior(es) de \"%2\".").arg(FVersoes.size()).arg(NomeUra));
  if (!linhas.isEmpty()) lvVersoes->setCurrentItem(linhas.first());
  connect(btComparar, &QPushButton::clicked, this, [this] { Escolhe(TEscolha::Comparar); });
  connect(btRestaurar, &QPushButton::clicked, this, [this] { Escolhe(TEscolha::Restaurar); });
  connect(ui->btFechar, &QPushButton::clicked, this, &QDialog::reject);
  connect(lvVersoes, &QTreeWidget::itemActivated, this, [this] { Escolhe(TEscolha::Comparar); });
  connect(lvVersoes, &QTreeWidget::currentItemChanged, this, &TfrmVersoes::HabilitaBotoes);
  LeJanelaComLista(this, lvVersoes, kSecao, {170, 140});
  HabilitaBotoes();
}

TfrmVersoes::~TfrmVersoes() = default;

const TVersaoUra* TfrmVersoes::VersaoEscolhida() const {
  const int linha = lvVersoes->indexOfTopLevelItem(lvVersoes->currentItem());
  return linha >= 0 && linha < static_cast<int>(FVersoes.size()) ? &FVersoes[size_t(linha)] : nullptr;
}

QString TfrmVersoes::ArquivoEscolhido() const {
  const TVersaoUra* v = VersaoEscolhida();
  return v ? v->Arquivo : QString();
}

void TfrmVersoes::Escolhe(TEscolha Escolha) {
  if (ArquivoEscolhido().isEmpty()) return;
  FEscolha = Escolha;
  accept();
}

void TfrmVersoes::HabilitaBotoes() {
  const bool escolhida = !ArquivoEscolhido().isEmpty();
  btComparar->setEnabled(escolhida);
  btRestaurar->setEnabled(escolhida);
}

void TfrmVersoes::done(int Resultado) {
  GravaJanelaComLista(this, lvVersoes, kSecao);
  QDialog::done(Resultado);
}
