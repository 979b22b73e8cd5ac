#include "UfrmLocalizar.h"

#include <QPushButton>
#include <QTreeWidget>

#include "UTMenuUra.h"
#include "erros.h"
#include "janelas.h"
#include "ui_UfrmLocalizar.h"

namespace {
const QString kSecaoLocalizar = QStringLiteral("TelaLocalizar");
const QString kSecaoOndeUsado = QStringLiteral("TelaOndeUsado");
}  // namespace

TfrmLocalizar::TfrmLocalizar(std::function<TDAC*()> Documento, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmLocalizar>()), FDocumento(std::move(Documento)) {
  ui->setupUi(this);
  setObjectName(QStringLiteral("frmLocalizar"));
  edProcura = ui->edProcura;
  lvLugares = ui->lvLugares;
  lbResumo = ui->lbResumo;
  connect(ui->btFechar, &QPushButton::clicked, this, &QDialog::reject);
  FDigitacao.setSingleShot(true);
  FDigitacao.setInterval(150);
  connect(&FDigitacao, &QTimer::timeout, this, &TfrmLocalizar::Atualiza);
  connect(edProcura, &QLineEdit::textChanged, this, [this] { FDigitacao.start(); });
  // Enter in the field searches at once instead of closing the window.
  connect(edProcura, &QLineEdit::returnPressed, this, &TfrmLocalizar::Atualiza);
  connect(lvLugares, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* Item) {
    ExecutaComando(this, [this, Item] { AbreLugar(lvLugares->indexOfTopLevelItem(Item)); });
  });
  LeJanelaComLista(this, lvLugares, kSecaoLocalizar, {140, 170, 110});
  Atualiza();
}

TfrmLocalizar::~TfrmLocalizar() = default;

void TfrmLocalizar::MostraOndeUsado(const QString& Titulo, std::function<std::vector<TLugar>(const TDAC&)> Consulta,
                                    bool AbreMenus) {
  setObjectName(QStringLiteral("frmOndeUsado"));
  ui->lbDica->setVisible(AbreMenus);
  setWindowTitle(QStringLiteral("Onde é usado: ") + Titulo);
  FConsulta = std::move(Consulta);
  ui->lbProcura->hide();
  edProcura->hide();
  LeJanelaComLista(this, lvLugares, kSecaoOndeUsado, {140, 170, 110});
  Atualiza();
}

void TfrmLocalizar::Atualiza() {
  FDigitacao.stop();
  const TDAC* dac = FDocumento ? FDocumento() : nullptr;
  if (!dac)
    FLugares.clear();
  else if (FConsulta)
    FLugares = FConsulta(*dac);
  else
    FLugares = LocalizaTexto(*dac, edProcura->text(), &MenuUraInfoAuxiliar.ListaDeMensagens);
  lvLugares->clear();
  QList<QTreeWidgetItem*> linhas;
  linhas.reserve(static_cast<qsizetype>(FLugares.size()));
  for (const TLugar& l : FLugares) {
    auto* item = new QTreeWidgetItem({l.IndiceMenu < 0 ? QStringLiteral("(URA)") : l.Menu, l.Secao, l.Campo, l.Texto});
    item->setToolTip(3, l.Texto);
    linhas << item;
  }
  lvLugares->addTopLevelItems(linhas);
  if (!dac)
    lbResumo->setText(QStringLiteral("Nenhuma URA aberta."));
  else if (!FConsulta && edProcura->text().trimmed().isEmpty())
    lbResumo->setText(QStringLiteral("Digite o texto a procurar."));
  else if (FLugares.empty())
    lbResumo->setText(FConsulta ? QStringLiteral("Não é usado em nenhum lugar.") : QStringLiteral("Nada encontrado."));
  else
    lbResumo->setText(QStringLiteral("%1 lugar(es).").arg(FLugares.size()));
}

void TfrmLocalizar::AbreLugar(int Linha) {
  if (Linha < 0 || Linha >= static_cast<int>(FLugares.size())) return;
  const int menu = FLugares[static_cast<size_t>(Linha)].IndiceMenu;
  if (menu >= 0) emit AbrirMenu(menu);
}

void TfrmLocalizar::done(int Resultado) {
  GravaJanelaComLista(this, lvLugares, FConsulta ? kSecaoOndeUsado : kSecaoLocalizar);
  QDialog::done(Resultado);
}
