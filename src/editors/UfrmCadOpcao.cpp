#include "UfrmCadOpcao.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QStyle>
#include <QValidator>

#include "USubEditores.h"
#include "dac.h"
#include "opcao.h"
#include "plataforma.h"
#include "teclas.h"
#include "texto.h"
#include "ui_UfrmCadOpcao.h"

namespace {

const QString kSecao = QStringLiteral("TelaCadOpcao");
const QString kTituloErro = QStringLiteral("Cadastro de opções");

// The key filter of the pattern: "x", "z" and "n" become upper case, a key
// the pattern cannot hold is dropped. Applied to pasted text as well.
class TFiltroTeclas : public QValidator {
 public:
  TFiltroTeclas(const TMUOpcao& Opcao, QObject* Pai) : QValidator(Pai), FOpcao(Opcao) {}

  State validate(QString& Texto, int& Pos) const override {
    QString r;
    int pos = Pos;
    for (int i = 0; i < Texto.size(); ++i) {
      QChar c = Texto.at(i);
      if (c == u'x' || c == u'z' || c == u'n') c = c.toUpper();
      if (!EhTeclaDeControle(c) && !FOpcao.IsValidKey(c)) {
        if (i < Pos) --pos;
        continue;
      }
      r += c;
    }
    Texto = r;
    Pos = pos;
    return Acceptable;
  }

 private:
  const TMUOpcao& FOpcao;
};

}  // namespace

TfrmCadOpcao::TfrmCadOpcao(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent),
      Opcao(std::make_unique<TMUOpcao>(Ctx.Dac, QString())),
      ui(std::make_unique<Ui::TfrmCadOpcao>()),
      FCtx(Ctx) {
  ui->setupUi(this);
  const QString tipoUra = Ctx.Dac ? Ctx.Dac->TipoUra : QString();
  EhUraChat = tipoUra.left(4) == u"chat";
  EhUraChatTDD = tipoUra == u"chattdd";

  QStringList finalizadores{QString(), QStringLiteral("*"), QStringLiteral("#")};
  for (int d = 0; d <= 9; ++d) finalizadores << QString::number(d);
  ui->cbFinalizador->addItems(finalizadores);
  ui->cbFinalizador->setCurrentIndex(-1);
  ui->edOpcao->setValidator(new TFiltroTeclas(*Opcao, ui->edOpcao));
  const QIcon pasta = QApplication::style()->standardIcon(QStyle::SP_FileDialogContentsView);
  ui->btMsg->setIcon(pasta);
  ui->btAcao->setIcon(pasta);

  connect(ui->edOpcao, &QLineEdit::textChanged, this, &TfrmCadOpcao::edOpcaoChange);
  connect(ui->cbFinalizador, &QComboBox::currentTextChanged, this, [this](const QString& Texto) {
    Opcao->DigitoFinalizador = Texto;
    AtualizaDescricao();
  });
  connect(ui->CheckBoxPodeMenos, &QCheckBox::toggled, this, [this](bool Marcado) {
    Opcao->PodeMenosDigitos = Marcado;
    AtualizaDescricao();
  });
  connect(ui->cbDigitosMinimo, &QComboBox::currentTextChanged, this, [this](const QString& Texto) {
    Opcao->QtdeMinOpcaoValida = StrToIntDef(Texto, 0);
    AtualizaDescricao();
  });
  connect(ui->btMsg, &QToolButton::clicked, this, &TfrmCadOpcao::btMsgClick);
  connect(ui->btAcao, &QToolButton::clicked, this, &TfrmCadOpcao::btAcaoClick);
  connect(ui->btOK, &QPushButton::clicked, this, [this] {
    if (Verifica()) accept();
  });
  connect(ui->btCancelar, &QPushButton::clicked, this, &QDialog::reject);

  AtualizaDescricao();
  LeLugarJanela(this, kSecao);
}

TfrmCadOpcao::~TfrmCadOpcao() = default;

void TfrmCadOpcao::done(int r) {
  GravaLugarJanela(this, kSecao);
  QDialog::done(r);
}

void TfrmCadOpcao::CarregaOpcao(const TMUOpcao* OpcaoOrigem) {
  if (!OpcaoOrigem) return;
  Opcao->CopyFrom(OpcaoOrigem);
  // The controls below store what they show: the loaded values are put back.
  const QString finalizador = Opcao->DigitoFinalizador;
  const bool podeMenos = Opcao->PodeMenosDigitos;
  const int minimo = Opcao->QtdeMinOpcaoValida;
  {
    const QSignalBlocker bloqueio(ui->edOpcao);
    ui->edOpcao->setText(Opcao->GetValor());
  }
  edOpcaoChange();
  ui->cbFinalizador->setCurrentIndex(ui->cbFinalizador->findText(finalizador));
  Opcao->DigitoFinalizador = finalizador;
  ui->CheckBoxPodeMenos->setChecked(podeMenos);
  ui->cbDigitosMinimo->setCurrentIndex(ui->cbDigitosMinimo->findText(QString::number(minimo)));
  Opcao->QtdeMinOpcaoValida = minimo;
  MostraNoCampo(ui->edMensagem, Opcao->GetStrMensagem());
  MostraNoCampo(ui->edAcao, Opcao->GetStrAcao());
  ItemIndexOpcaoAtual = OpcaoOrigem->GetItemIndex();
  AtualizaDescricao();
}

void TfrmCadOpcao::edOpcaoChange() {
  Opcao->SetValor(ui->edOpcao->text());
  const bool pode = Opcao->PodeFinalizador();
  ui->cbFinalizador->setEnabled(pode);
  ui->CheckBoxPodeMenos->setEnabled(pode);
  ui->cbDigitosMinimo->setEnabled(pode);
  if (pode) {
    QComboBox* cb = ui->cbDigitosMinimo;
    const int anterior = cb->currentIndex();
    const int m = Opcao->QtdeMinimaValida();
    const int l = static_cast<int>(Opcao->GetValorReal().size());
    if (m > 0) {
      const QSignalBlocker bloqueio(cb);
      cb->clear();
      for (int n = m; n <= l - 1; ++n) cb->addItem(QString::number(n));
    }
    // The count shown is the count stored, also when the list got shorter.
    cb->setCurrentIndex(anterior < cb->count() ? anterior : cb->count() - 1);
    if (cb->currentIndex() >= 0) Opcao->QtdeMinOpcaoValida = StrToIntDef(cb->currentText(), 0);
  }
  AtualizaDescricao();
}

void TfrmCadOpcao::AtualizaDescricao() {
  QPalette p = ui->MemoDescricaoOpcao->palette();
  p.setColor(QPalette::Text, Opcao->OpcaoValida() ? QColor(Qt::black) : QColor(Qt::red));
  ui->MemoDescricaoOpcao->setPalette(p);
  ui->MemoDescricaoOpcao->setPlainText(Opcao->GetStrOpcao());
}

void TfrmCadOpcao::btMsgClick() {
  if (EditaMensagem(FCtx, this, *Opcao->Mensagem)) MostraNoCampo(ui->edMensagem, Opcao->GetStrMensagem());
}

void TfrmCadOpcao::btAcaoClick() {
  if (EditaAcoes(FCtx, this, lstMenuUra, strMenuAtual, *Opcao->ListaAcao))
    MostraNoCampo(ui->edAcao, Opcao->GetStrAcao());
}

bool TfrmCadOpcao::Verifica() {
  QString erro;
  const QString valor = Opcao->GetValor();
  if (TrimBlanks(valor).isEmpty())
    erro = QStringLiteral("Opção inválida");
  else if (OpcaoRepetida(lstOpcoes, ItemIndexOpcaoAtual, [&](const TMUOpcao& o) { return o.GetValor() == valor; }))
    erro = QStringLiteral("Opção já cadastrada");
  if (erro.isEmpty()) return true;
  MostraErro(this, erro, kTituloErro);
  ui->edOpcao->setFocus();
  return false;
}
