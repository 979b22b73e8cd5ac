#include "UfrmEditaLista.h"

#include <QAction>
#include <QTreeWidget>

#include "configuracao.h"
#include "infoauxiliar.h"
#include "posicao.h"
#include "ui_UfrmEditaLista.h"

namespace {
const QString kSecao = QStringLiteral("TelaEditaLista");
constexpr int kPapelEntrada = Qt::UserRole;

TMUDescricaoMensagem* EntradaDe(const QTreeWidgetItem* Item) {
  return static_cast<TMUDescricaoMensagem*>(Item->data(0, kPapelEntrada).value<void*>());
}
}  // namespace

TfrmEditarLista::TfrmEditarLista(const TContextoEditor&, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmEditarLista>()) {
  ui->setupUi(this);
  ui->ListViewArquivos->setColumnWidth(0, 250);
  connect(ui->ListViewArquivos, &QTreeWidget::itemSelectionChanged, this, &TfrmEditarLista::SelecionaLinha);
  connect(ui->btAlterar, &QPushButton::clicked, this, &TfrmEditarLista::Alterar);
  resize(900, 590);
  LePosicao(this, TConfiguracao(kSecao), TModoPosicao::Estado);
}

TfrmEditarLista::~TfrmEditarLista() = default;

void TfrmEditarLista::AdicionaMensagem(TMUDescricaoMensagem* Item) {
  if (!Item) return;
  auto* linha = new QTreeWidgetItem(ui->ListViewArquivos, QStringList{Item->Arquivo, Item->Descricao});
  linha->setData(0, kPapelEntrada, QVariant::fromValue(static_cast<void*>(Item)));
}

void TfrmEditarLista::Carrega(TMUListaDescricaoMensagem& Lista) {
  FLista = &Lista;
  for (const auto& item : Lista.Items()) AdicionaMensagem(item.get());
}

void TfrmEditarLista::DefineOndeUsado(std::function<void(const QString& Arquivo)> Mostra) {
  QTreeWidget* lista = ui->ListViewArquivos;
  auto* acao = new QAction(QStringLiteral("Onde é usado"), lista);
  acao->setObjectName(QStringLiteral("mnuOndeUsado"));
  connect(acao, &QAction::triggered, this, [lista, Mostra = std::move(Mostra)] {
    const QTreeWidgetItem* linha = lista->currentItem();
    if (linha && linha->isSelected()) Mostra(linha->text(0));
  });
  lista->addAction(acao);
  lista->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TfrmEditarLista::SelecionaLinha() {
  const QTreeWidgetItem* linha = ui->ListViewArquivos->currentItem();
  if (!linha || !linha->isSelected()) return;
  ui->edNomeArquivo->setText(linha->text(0));
  ui->edDescricao->setText(linha->text(1));
}

void TfrmEditarLista::Alterar() {
  QTreeWidgetItem* linha = ui->ListViewArquivos->currentItem();
  if (!linha || !linha->isSelected()) return;
  linha->setText(1, ui->edDescricao->text());
}

void TfrmEditarLista::accept() {
  for (int i = 0; i < ui->ListViewArquivos->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* linha = ui->ListViewArquivos->topLevelItem(i);
    TMUDescricaoMensagem* entrada = EntradaDe(linha);
    // The catalogue may have been emptied meanwhile (the connection closed).
    if (entrada && (!FLista || FLista->IndexOf(entrada) >= 0)) entrada->Descricao = linha->text(1);
  }
  QDialog::accept();
}

void TfrmEditarLista::done(int r) {
  TConfiguracao cfg(kSecao);
  GravaPosicao(this, cfg, TModoPosicao::Estado);
  QDialog::done(r);
}
