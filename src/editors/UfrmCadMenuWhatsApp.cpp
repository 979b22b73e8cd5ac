#include "UfrmCadMenuWhatsApp.h"

#include "USubEditores.h"
#include "UfrmCadItemMenuWhatsApp.h"
#include "apoiomenu.h"
#include "configuracao.h"
#include "mensagem.h"
#include "plataforma.h"
#include "posicao.h"
#include "secoes.h"
#include "ui_UfrmCadMenuWhatsApp.h"

namespace {
const QString kTitulo = QStringLiteral("Cadastro de menu WhatsApp");
const QString kSecao = QStringLiteral("TelaCadMenuWhatsApp");
}  // namespace

TfrmCadMenuWhatsApp::TfrmCadMenuWhatsApp(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent), FCtx(Ctx), ui(std::make_unique<Ui::TfrmCadMenuWhatsApp>()) {
  ui->setupUi(this);
  MenuOpcaoWA = std::make_unique<TMUMenuOpcaoWA>(FCtx.Dac, QString());
  ui->cbTipoMenu->setCurrentIndex(-1);
  ui->btUpItem->setIcon(IconeSecao(TIconeSecao::Subir));
  ui->btDownItem->setIcon(IconeSecao(TIconeSecao::Descer));
  for (QToolButton* b : {ui->btMsgOpcaoInvalida, ui->SpeedButton1, ui->SpeedButton2, ui->SpeedButton3})
    b->setIcon(IconeSecao(TIconeSecao::Mensagem));

  const TConfiguracao cfg(kSecao);
  LePosicao(this, cfg, TModoPosicao::Posicao);
  for (int c = 0; c < 3; ++c)
    ui->ListViewOpcoes->setColumnWidth(c, cfg.LeInteiro(QStringLiteral("lvaColuna%1").arg(c), 150));

  // Each text button edits one of the four texts of the working copy.
  const auto texto = [this](QToolButton* Botao, QLineEdit* Edit, std::unique_ptr<TMUMensagem> TMUMenuOpcaoWA::*Campo) {
    connect(Botao, &QToolButton::clicked, this, [this, Edit, Campo] {
      TMUMensagem& msg = *(MenuOpcaoWA.get()->*Campo);
      if (EditaMensagem(FCtx, this, msg)) MostraNoCampo(Edit, msg.GetStrMensagem());
    });
  };
  texto(ui->btMsgOpcaoInvalida, ui->edMsgCabecalho, &TMUMenuOpcaoWA::Titulo);
  texto(ui->SpeedButton1, ui->edMsgPrincipal, &TMUMenuOpcaoWA::Texto);
  texto(ui->SpeedButton2, ui->edMsgRodape, &TMUMenuOpcaoWA::Rodape);
  texto(ui->SpeedButton3, ui->edMsgTituloOpcoes, &TMUMenuOpcaoWA::TituloMenuOpcoes);

  connect(ui->cbTipoMenu, &QComboBox::currentIndexChanged, this, [this](int Indice) {
    if (Indice >= 0) MenuOpcaoWA->Tipo = TMUMenuOpcaoWA::GetTipoIntToStr(Indice + 1);
  });
  connect(ui->btAdicionar, &QPushButton::clicked, this, &TfrmCadMenuWhatsApp::AdicionaItem);
  connect(ui->btEditar, &QPushButton::clicked, this, &TfrmCadMenuWhatsApp::EditaItem);
  connect(ui->ListViewOpcoes, &QTreeWidget::itemDoubleClicked, this, &TfrmCadMenuWhatsApp::EditaItem);
  EnterEditaLinha(ui->ListViewOpcoes, [this](int) { EditaItem(); });
  connect(ui->btRemover, &QPushButton::clicked, this, &TfrmCadMenuWhatsApp::RemoveItem);
  connect(ui->btUpItem, &QToolButton::clicked, this, [this] { MoveItem(-1); });
  connect(ui->btDownItem, &QToolButton::clicked, this, [this] { MoveItem(1); });
  connect(ui->btOK, &QPushButton::clicked, this, &TfrmCadMenuWhatsApp::EditaOK);
  connect(ui->btCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmCadMenuWhatsApp::~TfrmCadMenuWhatsApp() = default;

void TfrmCadMenuWhatsApp::done(int Resultado) {
  TConfiguracao cfg(kSecao);
  GravaPosicao(this, cfg, TModoPosicao::Posicao);
  for (int c = 0; c < 3; ++c)
    cfg.GravaInteiro(QStringLiteral("lvaColuna%1").arg(c), ui->ListViewOpcoes->columnWidth(c));
  QDialog::done(Resultado);
}

void TfrmCadMenuWhatsApp::CarregaMenuOpcaoWA(const TMUMenuOpcaoWA* Menu) {
  if (!Menu) return;
  MenuOpcaoWA->CopyFrom(Menu);
  MostraNoCampo(ui->edMsgCabecalho, MenuOpcaoWA->Titulo->GetStrMensagem());
  MostraNoCampo(ui->edMsgPrincipal, MenuOpcaoWA->Texto->GetStrMensagem());
  MostraNoCampo(ui->edMsgRodape, MenuOpcaoWA->Rodape->GetStrMensagem());
  MostraNoCampo(ui->edMsgTituloOpcoes, MenuOpcaoWA->TituloMenuOpcoes->GetStrMensagem());
  {
    // Showing an unknown type as "no selection" must not overwrite it.
    const QSignalBlocker bloqueio(ui->cbTipoMenu);
    ui->cbTipoMenu->setCurrentIndex(MenuOpcaoWA->GetTipoInt() - 1);
  }
  AtualizaListaOpcoesMenu();
}

void TfrmCadMenuWhatsApp::AtualizaListaOpcoesMenu() {
  ui->ListViewOpcoes->clear();
  const TMUListaItemMenuOpcaoWA& lista = *MenuOpcaoWA->ListaItensMenuOpcao;
  AtualizaLinhas(ui->ListViewOpcoes, lista.Count(), [&lista](int i) {
    const TMUItemMenuOpcaoWA* item = lista.GetItem(i);
    return QStringList{item->Titulo->GetStrMensagem(), item->Resposta, item->Descricao->GetStrMensagem()};
  });
}

int TfrmCadMenuWhatsApp::LinhaAtual() const { return LinhaSelecionada(ui->ListViewOpcoes); }

void TfrmCadMenuWhatsApp::SelecionaLinha(int Linha) { ::SelecionaLinha(ui->ListViewOpcoes, Linha); }

void TfrmCadMenuWhatsApp::AdicionaItem() {
  TfrmCadItemMenuWhatsApp dlg(FCtx, this);
  dlg.CarregaItemMenuWA(nullptr);
  if (ExecutaDialogo(&dlg) != QDialog::Accepted) return;
  auto novo = std::make_unique<TMUItemMenuOpcaoWA>(FCtx.Dac);
  novo->CopyFrom(dlg.itemMenuWA.get());
  MenuOpcaoWA->ListaItensMenuOpcao->Add(std::move(novo));
  AtualizaListaOpcoesMenu();
}

void TfrmCadMenuWhatsApp::EditaItem() {
  TMUItemMenuOpcaoWA* item = MenuOpcaoWA->ListaItensMenuOpcao->GetItem(LinhaAtual());
  if (!item) return;
  TfrmCadItemMenuWhatsApp dlg(FCtx, this);
  dlg.CarregaItemMenuWA(item);
  if (ExecutaDialogo(&dlg) != QDialog::Accepted) return;
  item->CopyFrom(dlg.itemMenuWA.get());
  AtualizaListaOpcoesMenu();
}

void TfrmCadMenuWhatsApp::RemoveItem() {
  TMUItemMenuOpcaoWA* item = MenuOpcaoWA->ListaItensMenuOpcao->GetItem(LinhaAtual());
  if (!item) return;
  if (!PerguntaSimNao(
          this, QStringLiteral("Tem certeza que deseja remover o item \"%1\"?").arg(item->Titulo->GetStrMensagem()),
          QStringLiteral("Remover item do menu")))
    return;
  MenuOpcaoWA->ListaItensMenuOpcao->DeleteItem(item);
  AtualizaListaOpcoesMenu();
}

void TfrmCadMenuWhatsApp::MoveItem(int Sentido) {
  const int destino = MoveItemLista(*MenuOpcaoWA->ListaItensMenuOpcao, LinhaAtual(), Sentido);
  if (destino < 0) return;
  AtualizaListaOpcoesMenu();
  SelecionaLinha(destino);
}

void TfrmCadMenuWhatsApp::EditaOK() {
  if (MenuOpcaoWA->GetTipoInt() == 0) {
    MostraErro(this, QStringLiteral("Selecione o tipo de menu de opções"), kTitulo);
    return;
  }
  if (MenuOpcaoWA->ListaItensMenuOpcao->Count() == 0 &&
      !PerguntaSimNao(this, QStringLiteral("Nenhum item foi informado na lista de opções. Confirma?"), kTitulo))
    return;
  accept();
}
