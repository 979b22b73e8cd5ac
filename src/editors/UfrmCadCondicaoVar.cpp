#include "UfrmCadCondicaoVar.h"

#include "condicao.h"
#include "plataforma.h"
#include "ui_UfrmCadCondicaoVar.h"

namespace {
const QString kTitulo = QStringLiteral("Cadastro de condições");

bool LetraOuDigito(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'); }

// The message of the first rule the name breaks, or empty.
QString ValidaNome(const QString& Nome) {
  if (Nome.isEmpty()) return QStringLiteral("Informe o nome da variável a ser comparada");
  for (QChar c : Nome)
    if (!LetraOuDigito(c) && !QStringLiteral("_()${}").contains(c))
      return QStringLiteral("O nome da variável deve conter apenas letras e números");
  const QChar primeiro = Nome.front();
  if ((primeiro >= u'0' && primeiro <= u'9') || QStringLiteral("_(){}").contains(primeiro))
    return QStringLiteral("O nome da variável deve iniciar com letra");
  return {};
}
}  // namespace

TfrmCadCondicaoVar::TfrmCadCondicaoVar(const TContextoEditor&, QWidget* parent)
    : QDialog(parent),
      ListaTipoComp{QStringLiteral("EQ"),   QStringLiteral("NEQ"),  QStringLiteral("GT"), QStringLiteral("LT"),
                    QStringLiteral("GTEQ"), QStringLiteral("LTEQ"), QStringLiteral("SW"), QStringLiteral("EW")},
      ListaDescricaoTipo{QStringLiteral("igual à"),          QStringLiteral("diferente de"),
                         QStringLiteral("maior que"),        QStringLiteral("menor que"),
                         QStringLiteral("maior ou igual à"), QStringLiteral("menor ou igual à"),
                         QStringLiteral("começa com"),       QStringLiteral("termina com")},
      ui(std::make_unique<Ui::TfrmCadCondicaoVar>()) {
  ui->setupUi(this);
  ui->cbTipoComparacao->addItems(ListaDescricaoTipo);
  ui->cbTipoComparacao->setCurrentIndex(0);
}

TfrmCadCondicaoVar::~TfrmCadCondicaoVar() = default;

void TfrmCadCondicaoVar::CarregaVariaveis(const QStringList& Variaveis) {
  ui->cbVariavel->clear();
  ui->cbVariavel->addItems(Variaveis);
  ui->cbVariavel->setCurrentIndex(-1);
  ui->cbVariavel->setEditText(QString());
}

void TfrmCadCondicaoVar::CarregaCondicaoVar(const TMUCondicaoVar* Teste) {
  if (!Teste) return;
  ui->cbVariavel->setEditText(Teste->Variavel);
  ui->cbValorVariavel->setEditText(Teste->Valor);
  ui->cbTipoComparacao->setCurrentIndex(ListaTipoComp.indexOf(Teste->Tipo));
}

QString TfrmCadCondicaoVar::Variavel() const { return ui->cbVariavel->currentText(); }

QString TfrmCadCondicaoVar::TipoComp() const { return ListaTipoComp.value(ui->cbTipoComparacao->currentIndex()); }

QString TfrmCadCondicaoVar::Valor() const { return ui->cbValorVariavel->currentText(); }

void TfrmCadCondicaoVar::accept() {
  QString erro = ValidaNome(Variavel());
  if (erro.isEmpty() && ui->cbTipoComparacao->currentIndex() >= 2 && Valor().isEmpty())
    erro = QStringLiteral("O valor para comparação não foi informado");
  if (!erro.isEmpty()) {
    MostraErro(this, erro, kTitulo);
    return;
  }
  QDialog::accept();
}
