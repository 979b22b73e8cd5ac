#include "UfrmMenuUra.h"

#include <QCoreApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QSplitter>
#include <algorithm>

#include "USubEditores.h"
#include "UfrmCadCondicao.h"
#include "UfrmCadMenuWhatsApp.h"
#include "UfrmCadOpcao.h"
#include "UfrmCadOpcaoChat.h"
#include "apoiomenu.h"
#include "configuracao.h"
#include "dac.h"
#include "menuura.h"
#include "plataforma.h"
#include "posicao.h"
#include "teclas.h"
#include "ui_UfrmMenuUra.h"

namespace {
const QString kTitulo = QStringLiteral("Cadastro de menu");
const QString kSecao = QStringLiteral("TelaMenuUra");
const int kColunasCondicao[] = {200, 300, 300};
const int kColunasOpcao[] = {70, 300, 300};
constexpr int kTamanhoNome = 30;

// Both option editors share the interface the menu editor uses.
template <class TEditorOpcao>
bool EditaOpcaoCom(TfrmMenuUra& Menu, const TContextoEditor& Ctx, TMUOpcao* Opcao) {
  TEditorOpcao dlg(Ctx, &Menu);
  dlg.lstMenuUra = Menu.lstMenuUra;
  dlg.strMenuAtual = Menu.MenuUra->Nome;
  dlg.lstOpcoes = Menu.MenuUra->ListaOpcoes.get();
  if (Opcao) dlg.CarregaOpcao(Opcao);
  if (ExecutaDialogo(&dlg) != QDialog::Accepted) return false;
  if (Opcao) {
    Opcao->CopyFrom(dlg.Opcao.get());
  } else {
    auto nova = std::make_unique<TMUOpcao>(Ctx.Dac, QString());
    nova->CopyFrom(dlg.Opcao.get());
    Menu.MenuUra->ListaOpcoes->Add(std::move(nova));
  }
  return true;
}

}  // namespace

TfrmMenuUra::TfrmMenuUra(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent), FCtx(Ctx), ui(std::make_unique<Ui::TfrmMenuUra>()) {
  ui->setupUi(this);
  const QString tipoUra = FCtx.Dac ? FCtx.Dac->TipoUra : QString();
  EhUraChat = tipoUra.left(4) == QLatin1String("chat");
  EhUraChatTDD = tipoUra == QLatin1String("chattdd");
  MenuUra = std::make_unique<TMenuUra>(FCtx.Dac, QString());

  const bool tipoVisivel = EhUraChat && !EhUraChatTDD;
  ui->LabelTipoMenuOpcoes->setVisible(tipoVisivel);
  ui->cbTipoMenuOpcoes->setVisible(tipoVisivel);
  ui->LabelMsgMenu->setVisible(!tipoVisivel);

  ui->btAddCondicao->setIcon(IconeSecao(TIconeSecao::Adicionar));
  ui->btRemoveCondicao->setIcon(IconeSecao(TIconeSecao::Remover));
  ui->btUpCondicao->setIcon(IconeSecao(TIconeSecao::Subir));
  ui->btDownCondicao->setIcon(IconeSecao(TIconeSecao::Descer));
  ui->btAddOpcao->setIcon(IconeSecao(TIconeSecao::Adicionar));
  ui->btRemoveOpcao->setIcon(IconeSecao(TIconeSecao::Remover));
  for (QToolButton* b : {ui->btMsgMenu, ui->btMsgOpcaoInvalida, ui->btMsgTimeout, ui->SpeedButton1})
    b->setIcon(IconeSecao(TIconeSecao::Mensagem));
  for (QToolButton* b : {ui->btAcaoOpcaoInvalida, ui->btAcaoTimeout, ui->SpeedButton12})
    b->setIcon(IconeSecao(TIconeSecao::Acao));

  ui->PanelInicio->setMinimumHeight(100);
  // Neither section may be squeezed away, by the user or by a small window.
  ui->Splitter1->setChildrenCollapsible(false);
  ui->Splitter1->setStretchFactor(0, 0);
  ui->Splitter1->setStretchFactor(1, 1);
  ui->edNomeMenu->installEventFilter(this);

  connect(ui->btAddCondicao, &QToolButton::clicked, this, &TfrmMenuUra::AdicionaCondicao);
  connect(ui->btRemoveCondicao, &QToolButton::clicked, this, &TfrmMenuUra::RemoveCondicao);
  connect(ui->btUpCondicao, &QToolButton::clicked, this, [this] { MoveCondicao(-1); });
  connect(ui->btDownCondicao, &QToolButton::clicked, this, [this] { MoveCondicao(1); });
  connect(ui->ListViewCondicoes, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { EditaCondicao(ui->ListViewCondicoes->indexOfTopLevelItem(item)); });
  EnterEditaLinha(ui->ListViewCondicoes, [this](int Linha) { EditaCondicao(Linha); });
  connect(ui->btAddOpcao, &QToolButton::clicked, this, &TfrmMenuUra::AdicionaOpcao);
  connect(ui->btRemoveOpcao, &QToolButton::clicked, this, &TfrmMenuUra::RemoveOpcao);
  connect(ui->ListViewOpcoes, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { EditaOpcao(ui->ListViewOpcoes->indexOfTopLevelItem(item)); });
  EnterEditaLinha(ui->ListViewOpcoes, [this](int Linha) { EditaOpcao(Linha); });
  connect(ui->cbTipoMenuOpcoes, &QComboBox::currentIndexChanged, this, &TfrmMenuUra::MostraMensagemMenu);
  connect(ui->btMsgMenu, &QToolButton::clicked, this, &TfrmMenuUra::EditaMensagemMenu);

  // The fallback and final sections: message and action buttons.
  const auto secao = [this](QToolButton* btMsg, QLineEdit* edMsg, QToolButton* btAcao, QLineEdit* edAcao, auto Secao) {
    connect(btMsg, &QToolButton::clicked, this, [this, edMsg, Secao] {
      auto* s = (MenuUra.get()->*Secao).get();
      if (EditaMensagem(FCtx, this, *s->Mensagem)) MostraNoCampo(edMsg, s->GetStrMensagem());
    });
    connect(btAcao, &QToolButton::clicked, this, [this, edAcao, Secao] {
      auto* s = (MenuUra.get()->*Secao).get();
      if (EditaAcoes(FCtx, this, lstMenuUra, MenuUra->Nome, *s->ListaAcao)) MostraNoCampo(edAcao, s->GetStrAcao());
    });
  };
  secao(ui->btMsgOpcaoInvalida, ui->edMsgOpcaoInvalida, ui->btAcaoOpcaoInvalida, ui->edAcaoOpcaoInvalida,
        &TMenuUra::OpcaoInvalida);
  secao(ui->btMsgTimeout, ui->edMsgTimeout, ui->btAcaoTimeout, ui->edAcaoTimeout, &TMenuUra::OpcaoTimeout);
  secao(ui->SpeedButton1, ui->edMsgFinal, ui->SpeedButton12, ui->edAcaoFinal, &TMenuUra::Final);

  connect(ui->btOK, &QPushButton::clicked, this, &TfrmMenuUra::EditaOK);
  connect(ui->btCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmMenuUra::~TfrmMenuUra() = default;

void TfrmMenuUra::LeConfiguracao() {
  const TConfiguracao cfg(kSecao);
  resize(990, 615);
  LePosicao(this, cfg, TModoPosicao::PosicaoTamanho);
  FInicioHeight = cfg.LeInteiro(QStringLiteral("InicioHeight"), 115);
  FInicioAplicado = false;
  if (isVisible()) AplicaInicioHeight();
  for (int c = 0; c < 3; ++c) {
    ui->ListViewCondicoes->setColumnWidth(c,
                                          cfg.LeInteiro(QStringLiteral("CondicaoCol%1").arg(c), kColunasCondicao[c]));
    ui->ListViewOpcoes->setColumnWidth(c, cfg.LeInteiro(QStringLiteral("OpcaoCol%1").arg(c), kColunasOpcao[c]));
  }
}

void TfrmMenuUra::SalvaConfiguracao() {
  TConfiguracao cfg(kSecao);
  GravaPosicao(this, cfg, TModoPosicao::PosicaoTamanho);
  if (FInicioAplicado) FInicioHeight = ui->Splitter1->sizes().value(0, FInicioHeight);
  cfg.GravaInteiro(QStringLiteral("InicioHeight"), FInicioHeight);
  for (int c = 0; c < 3; ++c) {
    cfg.GravaInteiro(QStringLiteral("CondicaoCol%1").arg(c), ui->ListViewCondicoes->columnWidth(c));
    cfg.GravaInteiro(QStringLiteral("OpcaoCol%1").arg(c), ui->ListViewOpcoes->columnWidth(c));
  }
}

void TfrmMenuUra::showEvent(QShowEvent* Evento) {
  QDialog::showEvent(Evento);
  if (!FInicioAplicado) AplicaInicioHeight();
}

void TfrmMenuUra::AplicaInicioHeight() {
  const int total = ui->Splitter1->height() - ui->Splitter1->handleWidth();
  ui->Splitter1->setSizes({FInicioHeight, std::max(total - FInicioHeight, 1)});
  FInicioAplicado = true;
}

void TfrmMenuUra::done(int Resultado) {
  SalvaConfiguracao();
  QDialog::done(Resultado);
}

bool TfrmMenuUra::eventFilter(QObject* Objeto, QEvent* Evento) {
  if (Objeto == ui->edNomeMenu && Evento->type() == QEvent::KeyPress) {
    const QString texto = static_cast<QKeyEvent*>(Evento)->text();
    if (!texto.isEmpty() && !TeclaNomeAceita(texto.front(), ui->edNomeMenu->text())) return true;
  }
  // Composed characters (dead keys: "ã", "é") arrive through the input method.
  if (Objeto == ui->edNomeMenu && Evento->type() == QEvent::InputMethod) {
    const auto* im = static_cast<QInputMethodEvent*>(Evento);
    QString aceito;
    for (QChar c : im->commitString())
      if (TeclaNomeAceita(c, ui->edNomeMenu->text() + aceito)) aceito += c;
    if (aceito != im->commitString()) {
      QInputMethodEvent filtrado(im->preeditString(), im->attributes());
      filtrado.setCommitString(aceito, im->replacementStart(), im->replacementLength());
      QCoreApplication::sendEvent(ui->edNomeMenu, &filtrado);
      return true;
    }
  }
  return QDialog::eventFilter(Objeto, Evento);
}

void TfrmMenuUra::CarregaMenu(const TMenuUra* Menu) {
  ui->edNomeMenu->clear();
  ui->edDescricao->clear();
  ui->ListViewCondicoes->clear();
  MenuUra = std::make_unique<TMenuUra>(FCtx.Dac, QString());
  MenuUra->CopyFrom(Menu);
  strMenuAtual = MenuUra->Nome;
  RefreshTelaMenu();
}

void TfrmMenuUra::RefreshTelaMenu() {
  // A longer name read from a file is shown whole: cut to the field's limit,
  // OK would rename the menu away from the actions that lead to it.
  ui->edNomeMenu->setMaxLength(std::max(kTamanhoNome, static_cast<int>(MenuUra->Nome.size())));
  ui->edNomeMenu->setText(MenuUra->Nome);
  ui->edDescricao->setText(MenuUra->Descricao);
  RefreshCondicoesTelaMenu();
  {
    // Showing the type must not run the change handler half-way.
    const QSignalBlocker bloqueio(ui->cbTipoMenuOpcoes);
    ui->cbTipoMenuOpcoes->setCurrentIndex(MenuUra->GetTipoMenuOpcoesWAInt() > 0 ? 1 : 0);
  }
  MostraMensagemMenu();
  RefreshOpcoesTelaMenu();
  MostraNoCampo(ui->edMsgOpcaoInvalida, MenuUra->OpcaoInvalida->GetStrMensagem());
  MostraNoCampo(ui->edAcaoOpcaoInvalida, MenuUra->OpcaoInvalida->GetStrAcao());
  MostraNoCampo(ui->edMsgTimeout, MenuUra->OpcaoTimeout->GetStrMensagem());
  MostraNoCampo(ui->edAcaoTimeout, MenuUra->OpcaoTimeout->GetStrAcao());
  MostraNoCampo(ui->edMsgFinal, MenuUra->Final->GetStrMensagem());
  MostraNoCampo(ui->edAcaoFinal, MenuUra->Final->GetStrAcao());
  ui->cbTentativasOpcaoInvalida->setCurrentIndex(
      ui->cbTentativasOpcaoInvalida->findText(QString::number(MenuUra->OpcaoInvalida->Tentativas)));
  ui->cbTentativasTimeout->setCurrentIndex(
      ui->cbTentativasTimeout->findText(QString::number(MenuUra->OpcaoTimeout->Tentativas)));
  ui->cbTempoTimeout->setEditText(QString::number(MenuUra->OpcaoTimeout->Tempo));
}

void TfrmMenuUra::RefreshCondicoesTelaMenu() {
  const TMUListaCondicao& lista = *MenuUra->ListaCondicoes;
  AtualizaLinhas(ui->ListViewCondicoes, lista.Count(), [&lista](int i) {
    const TMUCondicao* c = lista.GetItem(i);
    return QStringList{c->GetStrCondicao(), c->GetStrMensagem(), c->GetStrAcao()};
  });
}

void TfrmMenuUra::RefreshOpcoesTelaMenu() {
  const TMUListaOpcao& lista = *MenuUra->ListaOpcoes;
  AtualizaLinhas(ui->ListViewOpcoes, lista.Count(), [&lista](int i) {
    const TMUOpcao* o = lista.GetItem(i);
    return QStringList{o->GetDescricaoValor(), o->GetStrMensagem(), o->GetStrAcao()};
  });
  // The invalid-option and timeout sections only apply to a menu with options.
  const bool temOpcoes = lista.Count() > 0;
  for (QWidget* w : std::initializer_list<QWidget*>{ui->btMsgOpcaoInvalida, ui->btAcaoOpcaoInvalida, ui->btMsgTimeout,
                                                    ui->btAcaoTimeout, ui->edMsgOpcaoInvalida, ui->edAcaoOpcaoInvalida,
                                                    ui->edMsgTimeout, ui->edAcaoTimeout, ui->cbTentativasOpcaoInvalida,
                                                    ui->cbTentativasTimeout, ui->cbTempoTimeout})
    w->setEnabled(temOpcoes);
}

bool TfrmMenuUra::EhMenuWhatsApp() const { return ui->cbTipoMenuOpcoes->currentIndex() > 0; }

void TfrmMenuUra::MostraMensagemMenu() {
  ui->edMsgMenu->setPlainText(EhMenuWhatsApp() ? MenuUra->MenuOpcoesWA->GetMenuMensagem()
                                               : MenuUra->MensagemMenu->GetStrMensagem());
}

void TfrmMenuUra::EditaMensagemMenu() {
  if (!EhMenuWhatsApp()) {
    if (EditaMensagem(FCtx, this, *MenuUra->MensagemMenu)) MostraMensagemMenu();
    return;
  }
  TfrmCadMenuWhatsApp dlg(FCtx, this);
  dlg.CarregaMenuOpcaoWA(MenuUra->MenuOpcoesWA.get());
  if (ExecutaDialogo(&dlg) != QDialog::Accepted) return;
  MenuUra->MenuOpcoesWA->CopyFrom(dlg.MenuOpcaoWA.get());
  MostraMensagemMenu();
}

void TfrmMenuUra::AdicionaCondicao() {
  TfrmCadCondicao dlg(FCtx, this);
  dlg.lstMenuUra = lstMenuUra;
  dlg.strMenuAtual.clear();  // a new condition may go to any menu
  if (ExecutaDialogo(&dlg) != QDialog::Accepted) return;
  auto nova = std::make_unique<TMUCondicao>(FCtx.Dac);
  nova->CopyFrom(dlg.Condicao.get());
  MenuUra->ListaCondicoes->Add(std::move(nova));
  RefreshCondicoesTelaMenu();
}

void TfrmMenuUra::EditaCondicao(int Linha) {
  TMUCondicao* condicao = MenuUra->ListaCondicoes->GetItem(Linha);
  if (!condicao) return;
  TfrmCadCondicao dlg(FCtx, this);
  dlg.lstMenuUra = lstMenuUra;
  dlg.strMenuAtual = MenuUra->Nome;
  dlg.CarregaCondicao(condicao);
  if (ExecutaDialogo(&dlg) != QDialog::Accepted) return;
  condicao->CopyFrom(dlg.Condicao.get());
  RefreshCondicoesTelaMenu();
}

void TfrmMenuUra::RemoveCondicao() {
  TMUCondicao* condicao = MenuUra->ListaCondicoes->GetItem(LinhaSelecionada(ui->ListViewCondicoes));
  if (!condicao) return;
  if (!PerguntaSimNao(this, QStringLiteral("Remover a condição \"%1\"?").arg(condicao->GetStrCondicao()),
                      QStringLiteral("Remover condição")))
    return;
  MenuUra->ListaCondicoes->DeleteCondicao(condicao);
  RefreshCondicoesTelaMenu();
}

void TfrmMenuUra::MoveCondicao(int Sentido) {
  const int destino = MoveItemLista(*MenuUra->ListaCondicoes, LinhaSelecionada(ui->ListViewCondicoes), Sentido);
  if (destino < 0) return;
  RefreshCondicoesTelaMenu();
  SelecionaLinha(ui->ListViewCondicoes, destino);
}

void TfrmMenuUra::AdicionaOpcao() {
  const bool ok = EhUraChat ? EditaOpcaoCom<TfrmCadOpcaoChat>(*this, FCtx, nullptr)
                            : EditaOpcaoCom<TfrmCadOpcao>(*this, FCtx, nullptr);
  if (ok) RefreshOpcoesTelaMenu();
}

void TfrmMenuUra::EditaOpcao(int Linha) {
  TMUOpcao* opcao = MenuUra->ListaOpcoes->GetItem(Linha);
  if (!opcao) return;
  const bool ok =
      EhUraChat ? EditaOpcaoCom<TfrmCadOpcaoChat>(*this, FCtx, opcao) : EditaOpcaoCom<TfrmCadOpcao>(*this, FCtx, opcao);
  if (ok) RefreshOpcoesTelaMenu();
}

void TfrmMenuUra::RemoveOpcao() {
  TMUOpcao* opcao = MenuUra->ListaOpcoes->GetItem(LinhaSelecionada(ui->ListViewOpcoes));
  if (!opcao) return;
  if (!PerguntaSimNao(this, QStringLiteral("Remover a opção \"%1\"?").arg(opcao->GetDescricaoValor()),
                      QStringLiteral("Remover opçao")))
    return;
  MenuUra->ListaOpcoes->DeleteOpcao(opcao);
  RefreshOpcoesTelaMenu();
}

namespace {
int InteiroOu(const QString& Texto, int Padrao) {
  bool ok = false;
  const int valor = Texto.trimmed().toInt(&ok);
  return ok ? valor : Padrao;
}

bool SemEntradas(const TMUMensagem& Mensagem) {
  return Mensagem.ArquivosCount() == 0 && Mensagem.MensagensChatCount() == 0;
}
}  // namespace

void TfrmMenuUra::EditaOK() {
  const QString nome = ui->edNomeMenu->text().trimmed();
  if (nome.isEmpty()) {
    MostraErro(this, QStringLiteral("Informe o nome do menu"), kTitulo);
    return;
  }
  if (lstMenuUra) {
    for (const auto& m : lstMenuUra->Items()) {
      if (m->Nome == nome && m->Nome != strMenuAtual) {
        MostraErro(this, QStringLiteral("Já existe um menu cadastrado com este nome"), kTitulo);
        return;
      }
    }
  }
  const TMenuUra& menu = *MenuUra;
  const bool temOpcoes = menu.ListaOpcoes->Count() > 0;
  if (menu.ListaCondicoes->Count() == 0 && !temOpcoes && SemEntradas(*menu.MensagemMenu) &&
      menu.Final->GetStrAcao().isEmpty() && SemEntradas(*menu.Final->Mensagem)) {
    MostraErro(this, QStringLiteral("Menu inválido. Não há nenhuma mensagem ou ação cadastrada."), kTitulo);
    return;
  }
  if (menu.Final->ListaAcao->Count() == 0 &&
      !PerguntaSimNao(this,
                      QStringLiteral("A acão final não foi informada. A chamada será encerrada ao final deste "
                                     "menu. Confirma?"),
                      kTitulo))
    return;
  if (temOpcoes) {
    if (menu.OpcaoInvalida->ListaAcao->Count() == 0 &&
        !PerguntaSimNao(this,
                        QStringLiteral("A acão de Opção Inválida não foi informada. A chamada será encerrada após "
                                       "exceder as tentativas. Confirma?"),
                        kTitulo))
      return;
    if (menu.OpcaoTimeout->ListaAcao->Count() == 0 &&
        !PerguntaSimNao(this,
                        QStringLiteral("A acão de Timeout não foi informada. A chamada será encerrada após exceder "
                                       "as tentativas. Confirma?"),
                        kTitulo))
      return;
  }

  MenuUra->Nome = nome;
  MenuUra->SetTipoMenuOpcoesWA(EhMenuWhatsApp() ? MenuUra->MenuOpcoesWA->Tipo : QString());
  MenuUra->Descricao = ui->edDescricao->text().trimmed();
  MenuUra->OpcaoInvalida->Tentativas = InteiroOu(ui->cbTentativasOpcaoInvalida->currentText(), 3);
  MenuUra->OpcaoTimeout->Tentativas = InteiroOu(ui->cbTentativasTimeout->currentText(), 3);
  MenuUra->OpcaoTimeout->Tempo = InteiroOu(ui->cbTempoTimeout->currentText(), 5);
  accept();
}
