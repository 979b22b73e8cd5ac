#include "UfrmSelecionarUra.h"

#include <QDir>
#include <QHeaderView>
#include <QTreeWidget>

#include "SessaoServidor.h"
#include "UTXMLDac.h"
#include "configuracao.h"
#include "plataforma.h"
#include "posicao.h"
#include "ui_UfrmSelecionarUra.h"

namespace {
const QString kSecao = QStringLiteral("TelaSelecionarUra");
constexpr int kColunas = 9;
int LarguraPadrao(int Coluna) { return Coluna == 1 ? 120 : 100; }
}  // namespace

QString BrowseDialog(QWidget* Pai, const QString& Titulo, const QString& Pasta) {
  QString r = Plataforma().EscolherPasta(Pai, Titulo, Pasta);
  if (!r.isEmpty() && !r.endsWith(u'/') && !r.endsWith(u'\\')) r += u'/';
  return r;
}

TfrmSelecionarUra::TfrmSelecionarUra(bool Local, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmSelecionarUra>()), FLocal(Local) {
  ui->setupUi(this);
  PanelDiretorio = ui->PanelDiretorio;
  edDiretorio = ui->edDiretorio;
  btSelDir = ui->btSelDir;
  ListViewUras = ui->ListViewUras;
  btOK = ui->btOK;
  btCancelar = ui->btCancelar;
  // No title-bar buttons; resizable.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  PanelDiretorio->setVisible(Local);
  if (Local) {
    // Local rows carry no activation: those two columns stay without caption.
    ListViewUras->headerItem()->setText(7, QString());
    ListViewUras->headerItem()->setText(8, QString());
  }
  btSelDir->setMaximumWidth(btSelDir->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
  connect(btSelDir, &QPushButton::clicked, this, &TfrmSelecionarUra::btSelDirClick);
  connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btCancelar, &QPushButton::clicked, this, &QDialog::reject);
  connect(ListViewUras, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
  // The row the keyboard stands on is the chosen one: focus or the first
  // Down selects it, so Enter opens what the user sees marked.
  connect(ListViewUras, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* Atual) {
    if (Atual && !Atual->isSelected())
      ListViewUras->selectionModel()->select(ListViewUras->currentIndex(),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  });
  LeConfiguracao();
}

TfrmSelecionarUra::~TfrmSelecionarUra() = default;

void TfrmSelecionarUra::LeConfiguracao() {
  const TConfiguracao cfg(kSecao);
  resize(860, 245);
  LePosicao(this, cfg, TModoPosicao::PosicaoTamanho);
  for (int i = 0; i < kColunas; ++i) {
    const QString chave = QStringLiteral("CondicaoCol%1").arg(i);
    if (!cfg.Existe(chave)) FColunasPadrao << i;
    ListViewUras->setColumnWidth(i, cfg.LeInteiro(chave, LarguraPadrao(i)));
  }
}

void TfrmSelecionarUra::showEvent(QShowEvent* Evento) {
  QDialog::showEvent(Evento);
  // Columns the user never sized grow to show their dates and names whole.
  const QFontMetrics fm(ListViewUras->font());
  for (int i : FColunasPadrao) {
    int largura = qMax(ListViewUras->columnWidth(i), ListViewUras->header()->sectionSizeHint(i));
    for (int l = 0; l < ListViewUras->topLevelItemCount(); ++l)
      largura = qMax(largura, fm.horizontalAdvance(ListViewUras->topLevelItem(l)->text(i)) + 12);
    ListViewUras->setColumnWidth(i, largura);
  }
  FColunasPadrao.clear();
}

void TfrmSelecionarUra::SalvaConfiguracao() {
  TConfiguracao cfg(kSecao);
  GravaPosicao(this, cfg, TModoPosicao::PosicaoTamanho);
  for (int i = 0; i < kColunas; ++i)
    cfg.GravaInteiro(QStringLiteral("CondicaoCol%1").arg(i), ListViewUras->columnWidth(i));
}

void TfrmSelecionarUra::done(int Resultado) {
  SalvaConfiguracao();
  QDialog::done(Resultado);
}

void TfrmSelecionarUra::AdicionaDac(const QString& Arquivo, const TDAC& Dac) {
  QStringList valores{Arquivo,
                      Dac.Nome,
                      TipoUraTexto(Dac.TipoUra),
                      Dac.GetCriadoEmStr(),
                      Dac.CriadoPor,
                      Dac.GetModificadoEmStr(),
                      Dac.ModificadoPor};
  if (!FLocal) valores << Dac.GetAtivadoEmStr() << Dac.AtivadoPor;
  new QTreeWidgetItem(ListViewUras, valores);
}

void TfrmSelecionarUra::CarregaDACs() {
  ListViewUras->clear();
  const QDir pasta(edDiretorio->text());
  if (edDiretorio->text().isEmpty() || !pasta.exists()) return;
  TXMLDac xml;
  // The extension in any case: the folder may come from a system that ignores it.
  const QStringList arquivos = pasta.entryList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
  for (const QString& nome : arquivos) {
    if (!nome.toLower().endsWith(QStringLiteral(".xml"))) continue;
    TXMLDocument doc;
    TDAC dac;
    // Files that are not URA documents are passed over.
    if (xml.LerXML(doc, &dac, pasta.filePath(nome))) AdicionaDac(nome, dac);
  }
}

void TfrmSelecionarUra::btSelDirClick() {
  const QString pasta = BrowseDialog(this, QStringLiteral("Selecione a pasta"), edDiretorio->text());
  if (pasta.isEmpty()) return;
  edDiretorio->setText(pasta);
  CarregaDACs();
}

QString TfrmSelecionarUra::ArquivoSelecionado() const {
  const QTreeWidgetItem* item = ListViewUras->currentItem();
  return item && item->isSelected() ? item->text(0) : QString();
}
