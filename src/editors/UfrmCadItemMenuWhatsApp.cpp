#include "UfrmCadItemMenuWhatsApp.h"

#include "USubEditores.h"
#include "apoiomenu.h"
#include "configuracao.h"
#include "mensagem.h"
#include "plataforma.h"
#include "posicao.h"
#include "secoes.h"
#include "ui_UfrmCadItemMenuWhatsApp.h"

namespace {
const QString kSecao = QStringLiteral("TelaCadItemMenuWhatsApp");
}

TfrmCadItemMenuWhatsApp::TfrmCadItemMenuWhatsApp(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent), FCtx(Ctx), ui(std::make_unique<Ui::TfrmCadItemMenuWhatsApp>()) {
  ui->setupUi(this);
  itemMenuWA = std::make_unique<TMUItemMenuOpcaoWA>(FCtx.Dac);
  ui->SpeedButton2->hide();
  ui->btMsgOpcaoInvalida->setIcon(IconeSecao(TIconeSecao::Mensagem));
  ui->SpeedButton1->setIcon(IconeSecao(TIconeSecao::Mensagem));
  LePosicao(this, TConfiguracao(kSecao), TModoPosicao::Posicao);

  connect(ui->btMsgOpcaoInvalida, &QToolButton::clicked, this, [this] {
    if (EditaMensagem(FCtx, this, *itemMenuWA->Titulo))
      MostraNoCampo(ui->edMsgOpcao, itemMenuWA->Titulo->GetStrMensagem());
  });
  connect(ui->SpeedButton1, &QToolButton::clicked, this, [this] {
    if (EditaMensagem(FCtx, this, *itemMenuWA->Descricao))
      MostraNoCampo(ui->edMsgDescricao, itemMenuWA->Descricao->GetStrMensagem());
  });
  connect(ui->btOK, &QPushButton::clicked, this, &TfrmCadItemMenuWhatsApp::EditaOK);
  connect(ui->btCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmCadItemMenuWhatsApp::~TfrmCadItemMenuWhatsApp() = default;

void TfrmCadItemMenuWhatsApp::done(int Resultado) {
  TConfiguracao cfg(kSecao);
  GravaPosicao(this, cfg, TModoPosicao::Posicao);
  QDialog::done(Resultado);
}

void TfrmCadItemMenuWhatsApp::CarregaItemMenuWA(const TMUItemMenuOpcaoWA* Item) {
  if (Item) itemMenuWA->CopyFrom(Item);
  MostraNoCampo(ui->edMsgOpcao, itemMenuWA->Titulo->GetStrMensagem());
  MostraNoCampo(ui->edMsgDescricao, itemMenuWA->Descricao->GetStrMensagem());
  ui->edResposta->setText(itemMenuWA->Resposta);
}

void TfrmCadItemMenuWhatsApp::EditaOK() {
  if (ui->edMsgOpcao->text().isEmpty()) {
    MostraErro(this, QStringLiteral("Informe o nome da opção do menu"),
               QStringLiteral("Cadastro de item do menu WhatsApp"));
    return;
  }
  itemMenuWA->Resposta = ui->edResposta->text();
  accept();
}
