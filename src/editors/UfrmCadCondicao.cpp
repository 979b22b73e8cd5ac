#include "UfrmCadCondicao.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <array>

#include "USubEditores.h"
#include "UfrmCadCondicaoVar.h"
#include "acao.h"
#include "apoiomenu.h"
#include "condicao.h"
#include "configuracao.h"
#include "infoauxiliar.h"
#include "mensagem.h"
#include "plataforma.h"
#include "posicao.h"
#include "ui_UfrmCadCondicao.h"

namespace {
const QString kSecao = QStringLiteral("TelaCadCondicao");
const QString kTituloErro = QStringLiteral("Cadastro de condições");
constexpr int kPapelTeste = Qt::UserRole;

// The empty entry, then From..To written with Digitos digits.
QStringList Numeros(int De, int Ate, int Digitos) {
  QStringList r{QString()};
  for (int i = De; i <= Ate; ++i) r << QStringLiteral("%1").arg(i, Digitos, 10, QLatin1Char('0'));
  return r;
}

// The combo's value: -1 for the empty entry or any text that is no number.
int ValorDe(const QComboBox* Combo) {
  bool ok = false;
  const int v = Combo->currentText().toInt(&ok);
  return ok ? v : -1;
}

// The weekday boxes and their day numbers (Monday is 1, Sunday 7).
std::array<std::pair<QCheckBox*, int>, 7> CaixasDias(const Ui::TfrmCadCondicao& ui) {
  return {{{ui.CheckBoxSeg, 1},
           {ui.CheckBoxTer, 2},
           {ui.CheckBoxQua, 3},
           {ui.CheckBoxQui, 4},
           {ui.CheckBoxSex, 5},
           {ui.CheckBoxSab, 6},
           {ui.CheckBoxDom, 7}}};
}

void Seleciona(QComboBox* Combo, int Valor, int Digitos) {
  Combo->setCurrentIndex(Combo->findText(QStringLiteral("%1").arg(Valor, Digitos, 10, QLatin1Char('0'))));
}
}  // namespace

QStringList TfrmCadCondicao::ListaDeAnos(int AnoAtual) {
  QStringList r{QString()};
  for (int a = AnoAtual; a <= AnoAtual + 5; ++a) r << QString::number(a);
  r << QString();
  for (int a = AnoAtual - 1; a >= 2000; --a) r << QString::number(a);
  r << QString();
  if (AnoAtual <= 2023)
    for (int a = 2029; a >= AnoAtual + 6; --a) r << QString::number(a);
  return r;
}

TfrmCadCondicao::TfrmCadCondicao(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent),
      Condicao(std::make_unique<TMUCondicao>(Ctx.Dac)),
      ui(std::make_unique<Ui::TfrmCadCondicao>()),
      FCtx(Ctx) {
  ui->setupUi(this);
  const TConfiguracao cfg(kSecao);
  for (int c = 0; c < 3; ++c)
    ui->ListViewVariaveis->setColumnWidth(c, cfg.LeInteiro(QStringLiteral("lvtcColuna%1").arg(c), 130));
  PreencheCombos();
  ConectaCombos();
  ui->ComboBoxTipoComparacao->addItems(
      {QString(), QStringLiteral("Todas as regras abaixo"), QStringLiteral("Pelo menos uma das regras abaixo")});
  connect(ui->ComboBoxTipoComparacao, &QComboBox::currentIndexChanged, this, &TfrmCadCondicao::TipoComparacaoMudou);
  connect(ui->btAdicionarVar, &QPushButton::clicked, this, &TfrmCadCondicao::AdicionarVariavel);
  connect(ui->btEditarVar, &QPushButton::clicked, this, &TfrmCadCondicao::EditarVariavel);
  connect(ui->ListViewVariaveis, &QTreeWidget::itemDoubleClicked, this, &TfrmCadCondicao::EditarVariavel);
  EnterEditaLinha(ui->ListViewVariaveis, [this](int) { EditarVariavel(); });
  connect(ui->btRemoverVar, &QPushButton::clicked, this, &TfrmCadCondicao::RemoverVariavel);
  connect(ui->btMsg, &QPushButton::clicked, this, &TfrmCadCondicao::EditarMensagem);
  connect(ui->btAcao, &QPushButton::clicked, this, &TfrmCadCondicao::EditarAcao);
  TipoComparacaoMudou();
  adjustSize();
  LePosicao(this, cfg, TModoPosicao::Posicao);
}

TfrmCadCondicao::~TfrmCadCondicao() = default;

void TfrmCadCondicao::PreencheCombos() {
  const QStringList anos = ListaDeAnos(Plataforma().Agora().date().year());
  for (QComboBox* c : {ui->ComboBoxDiaDtIni, ui->ComboBoxDiaDtFim}) c->addItems(Numeros(1, 31, 2));
  for (QComboBox* c : {ui->ComboBoxMesDtIni, ui->ComboBoxMesDtFim}) c->addItems(Numeros(1, 12, 2));
  for (QComboBox* c : {ui->ComboBoxAnoDtIni, ui->ComboBoxAnoDtFim}) {
    c->addItems(anos);
    c->setEnabled(false);
  }
  for (QComboBox* c :
       {ui->ComboBoxHoraIniPeriodo, ui->ComboBoxHoraFimPeriodo, ui->ComboBoxHoraIni, ui->ComboBoxHoraFim})
    c->addItems(Numeros(0, 23, 2));
  for (QComboBox* c :
       {ui->ComboBoxMinutoIniPeriodo, ui->ComboBoxMinutoFimPeriodo, ui->ComboBoxMinutoIni, ui->ComboBoxMinutoFim})
    c->addItems(Numeros(0, 59, 2));
}

// Each combo and the field it writes; the months have a rule of their own.
struct TComboCampo {
  QComboBox* Combo;
  qint32 TMUCondicao::*Campo;
  int Digitos;
};

void TfrmCadCondicao::ConectaCombos() {
  const TComboCampo campos[] = {
      {ui->ComboBoxDiaDtIni, &TMUCondicao::DiaIni, 2},
      {ui->ComboBoxAnoDtIni, &TMUCondicao::AnoIni, 4},
      {ui->ComboBoxDiaDtFim, &TMUCondicao::DiaFim, 2},
      {ui->ComboBoxAnoDtFim, &TMUCondicao::AnoFim, 4},
      {ui->ComboBoxHoraIniPeriodo, &TMUCondicao::HoraIniPeriodo, 2},
      {ui->ComboBoxMinutoIniPeriodo, &TMUCondicao::MinutoIniPeriodo, 2},
      {ui->ComboBoxHoraFimPeriodo, &TMUCondicao::HoraFimPeriodo, 2},
      {ui->ComboBoxMinutoFimPeriodo, &TMUCondicao::MinutoFimPeriodo, 2},
      {ui->ComboBoxHoraIni, &TMUCondicao::HoraIni, 2},
      {ui->ComboBoxMinutoIni, &TMUCondicao::MinutoIni, 2},
      {ui->ComboBoxHoraFim, &TMUCondicao::HoraFim, 2},
      {ui->ComboBoxMinutoFim, &TMUCondicao::MinutoFim, 2},
  };
  for (const TComboCampo& c : campos) {
    connect(c.Combo, &QComboBox::currentIndexChanged, this, [this, c] {
      if (FCarregando) return;
      Condicao.get()->*c.Campo = ValorDe(c.Combo);
      AtualizaMemo();
    });
  }
  connect(ui->ComboBoxMesDtIni, &QComboBox::currentIndexChanged, this,
          [this] { MudaMes(ui->ComboBoxMesDtIni, ui->ComboBoxAnoDtIni, true); });
  connect(ui->ComboBoxMesDtFim, &QComboBox::currentIndexChanged, this,
          [this] { MudaMes(ui->ComboBoxMesDtFim, ui->ComboBoxAnoDtFim, false); });

  for (const auto& [caixa, dia] : CaixasDias(*ui)) {
    connect(caixa, &QCheckBox::toggled, this, [this, dia = dia](bool marcado) {
      if (FCarregando) return;
      Condicao->SetaDiaDaSemana(dia, marcado);
      AtualizaMemo();
    });
  }
  connect(ui->CheckBoxFeriados, &QCheckBox::toggled, this, [this](bool marcado) {
    if (FCarregando) return;
    Condicao->Feriados = marcado;
    AtualizaMemo();
  });
}

void TfrmCadCondicao::MudaMes(QComboBox* Mes, QComboBox* Ano, bool Inicial) {
  if (FCarregando) return;
  Ano->setEnabled(Mes->currentIndex() > 0);
  const int ano = Ano->isEnabled() ? ValorDe(Ano) : -1;
  (Inicial ? Condicao->AnoIni : Condicao->AnoFim) = ano;
  (Inicial ? Condicao->MesIni : Condicao->MesFim) = ValorDe(Mes);
  AtualizaMemo();
}

void TfrmCadCondicao::CarregaCondicao(const TMUCondicao* ptrCondicao) {
  if (!ptrCondicao) return;
  FCarregando = true;
  const std::pair<QComboBox*, int> valores[] = {
      {ui->ComboBoxDiaDtIni, ptrCondicao->DiaIni},
      {ui->ComboBoxMesDtIni, ptrCondicao->MesIni},
      {ui->ComboBoxDiaDtFim, ptrCondicao->DiaFim},
      {ui->ComboBoxMesDtFim, ptrCondicao->MesFim},
      {ui->ComboBoxHoraIniPeriodo, ptrCondicao->HoraIniPeriodo},
      {ui->ComboBoxMinutoIniPeriodo, ptrCondicao->MinutoIniPeriodo},
      {ui->ComboBoxHoraFimPeriodo, ptrCondicao->HoraFimPeriodo},
      {ui->ComboBoxMinutoFimPeriodo, ptrCondicao->MinutoFimPeriodo},
      {ui->ComboBoxHoraIni, ptrCondicao->HoraIni},
      {ui->ComboBoxMinutoIni, ptrCondicao->MinutoIni},
      {ui->ComboBoxHoraFim, ptrCondicao->HoraFim},
      {ui->ComboBoxMinutoFim, ptrCondicao->MinutoFim},
  };
  for (const auto& [combo, valor] : valores) Seleciona(combo, valor, 2);
  Seleciona(ui->ComboBoxAnoDtIni, ptrCondicao->AnoIni, 4);
  Seleciona(ui->ComboBoxAnoDtFim, ptrCondicao->AnoFim, 4);
  ui->ComboBoxAnoDtIni->setEnabled(ui->ComboBoxMesDtIni->currentIndex() > 0);
  ui->ComboBoxAnoDtFim->setEnabled(ui->ComboBoxMesDtFim->currentIndex() > 0);
  Condicao->CopyFrom(ptrCondicao);

  for (const auto& [caixa, dia] : CaixasDias(*ui)) caixa->setChecked(Condicao->DiaSemanaIsSet(dia));
  ui->CheckBoxFeriados->setChecked(Condicao->Feriados);
  ui->ComboBoxTipoComparacao->setCurrentIndex(Condicao->ListaCondicaoVar->Tipo);
  FCarregando = false;
  TipoComparacaoMudou();
  MostraMensagemAcao();
  AtualizaMemo();
}

void TfrmCadCondicao::MostraMensagemAcao() {
  // Long descriptions are read from their beginning.
  ui->edMensagem->setText(Condicao->GetStrMensagem());
  ui->edMensagem->setCursorPosition(0);
  ui->edAcao->setText(Condicao->GetStrAcao());
  ui->edAcao->setCursorPosition(0);
}

void TfrmCadCondicao::TipoComparacaoMudou() {
  const int indice = ui->ComboBoxTipoComparacao->currentIndex();
  for (QWidget* w : {static_cast<QWidget*>(ui->btAdicionarVar), static_cast<QWidget*>(ui->btEditarVar),
                     static_cast<QWidget*>(ui->btRemoverVar), static_cast<QWidget*>(ui->ListViewVariaveis)})
    w->setEnabled(indice > 0);
  // A stored combination the list does not offer is kept while loading.
  if (!FCarregando && indice >= 0) Condicao->ListaCondicaoVar->Tipo = indice;
  AtualizaItemsVariaveis();
  AtualizaMemo();
}

void TfrmCadCondicao::AtualizaItemsVariaveis() {
  QTreeWidget* lista = ui->ListViewVariaveis;
  lista->clear();
  const TMUListaCondicaoVar& testes = *Condicao->ListaCondicaoVar;
  if (testes.Tipo <= 0) return;
  for (const auto& teste : testes.Items()) {
    auto* linha = new QTreeWidgetItem(lista, QStringList{teste->Variavel, teste->GetStrTipo(), teste->Valor});
    linha->setData(0, kPapelTeste, QVariant::fromValue(static_cast<void*>(teste.get())));
  }
}

void TfrmCadCondicao::AtualizaMemo() { ui->MemoDescricaoCondicao->setPlainText(Condicao->GetStrCondicao()); }

// The test of the current row, or null.
static TMUCondicaoVar* TesteDaLinha(const QTreeWidget* Lista) {
  const QTreeWidgetItem* linha = Lista->currentItem();
  if (!linha || !linha->isSelected()) return nullptr;
  return static_cast<TMUCondicaoVar*>(linha->data(0, kPapelTeste).value<void*>());
}

bool TfrmCadCondicao::EditaCondicaoVar(TMUCondicaoVar& Teste, bool Novo) {
  TfrmCadCondicaoVar dlg(FCtx, this);
  dlg.CarregaVariaveis(MenuUraInfoAuxiliar.ListaDeVariaveis.Lista());
  if (!Novo) dlg.CarregaCondicaoVar(&Teste);
  if (ExecutaDialogo(&dlg) != QDialog::Accepted) return false;
  Teste.Variavel = dlg.Variavel();
  // A stored operator the editor does not offer stays when none was chosen.
  if (!dlg.TipoComp().isEmpty()) Teste.Tipo = dlg.TipoComp();
  Teste.Valor = dlg.Valor();
  MenuUraInfoAuxiliar.ListaDeVariaveis.Add(Teste.Variavel);
  return true;
}

void TfrmCadCondicao::AdicionarVariavel() {
  auto teste = std::make_unique<TMUCondicaoVar>();
  if (!EditaCondicaoVar(*teste, true)) return;
  Condicao->ListaCondicaoVar->Add(std::move(teste));
  AtualizaItemsVariaveis();
  AtualizaMemo();
}

void TfrmCadCondicao::EditarVariavel() {
  TMUCondicaoVar* teste = TesteDaLinha(ui->ListViewVariaveis);
  if (!teste || !EditaCondicaoVar(*teste, false)) return;
  AtualizaItemsVariaveis();
  AtualizaMemo();
}

void TfrmCadCondicao::RemoverVariavel() {
  TMUCondicaoVar* teste = TesteDaLinha(ui->ListViewVariaveis);
  if (!teste) return;
  if (!PerguntaSimNao(this,
                      QStringLiteral("Tem certeza que deseja remover a condição (") + teste->GetStrCondicaoVar() +
                          QStringLiteral(")?"),
                      QStringLiteral("Remover condição")))
    return;
  Condicao->ListaCondicaoVar->DeleteCondicaoVar(teste);
  AtualizaItemsVariaveis();
  AtualizaMemo();
}

void TfrmCadCondicao::EditarMensagem() {
  if (!EditaMensagem(FCtx, this, *Condicao->Mensagem)) return;
  MostraMensagemAcao();
  AtualizaMemo();
}

void TfrmCadCondicao::EditarAcao() {
  if (!EditaAcoes(FCtx, this, lstMenuUra, strMenuAtual, *Condicao->ListaAcao)) return;
  MostraMensagemAcao();
  AtualizaMemo();
}

void TfrmCadCondicao::accept() {
  const bool semAcao = Condicao->ListaAcao->Count() == 0;
  const bool semMensagem = Condicao->GetStrMensagem().isEmpty();
  if (semAcao && semMensagem) {
    MostraErro(this,
               Condicao->GetStrCondicao().trimmed().isEmpty()
                   ? QStringLiteral("Não há condição, ação ou mensagem informada")
                   : QStringLiteral("Não há uma ação ou mensagem para esta condição"),
               kTituloErro);
    return;
  }
  QDialog::accept();
}

void TfrmCadCondicao::done(int r) {
  TConfiguracao cfg(kSecao);
  GravaPosicao(this, cfg, TModoPosicao::Posicao);
  for (int c = 0; c < 3; ++c)
    cfg.GravaInteiro(QStringLiteral("lvtcColuna%1").arg(c), ui->ListViewVariaveis->columnWidth(c));
  QDialog::done(r);
}
