#include "UfrmCadOpcaoChat.h"

#include <QApplication>
#include <QStyle>

#include "USubEditores.h"
#include "dac.h"
#include "opcao.h"
#include "plataforma.h"
#include "texto.h"
#include "ui_UfrmCadOpcaoChat.h"
#include "verificacao.h"

namespace {

const QString kSecao = QStringLiteral("TelaCadOpcaoChat");
const QString kTituloErro = QStringLiteral("Cadastro de opções");

enum TTipo { CaracteresEspecificos = 0, TextoEspecifico = 1, TextoLivre = 2, TextoAlfanumerico = 3 };

bool Maiuscula(QChar c) { return c >= u'A' && c <= u'Z'; }
bool Minuscula(QChar c) { return c >= u'a' && c <= u'z'; }

}  // namespace

TfrmCadOpcaoChat::TfrmCadOpcaoChat(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent),
      Opcao(std::make_unique<TMUOpcao>(Ctx.Dac, 0, QString())),
      ui(std::make_unique<Ui::TfrmCadOpcaoChat>()),
      FCtx(Ctx) {
  ui->setupUi(this);
  const QString tipoUra = Ctx.Dac ? Ctx.Dac->TipoUra : QString();
  EhUraChat = tipoUra.left(4) == u"chat";
  EhUraChatTDD = tipoUra == u"chattdd";

  ui->cbTipoOpcao->addItems({QStringLiteral("Caracteres específicos"), QStringLiteral("Texto específico"),
                             QStringLiteral("Texto livre"), QStringLiteral("Texto alfanumérico")});
  ui->cbTipoOpcao->setCurrentIndex(-1);
  const QIcon pasta = QApplication::style()->standardIcon(QStyle::SP_FileDialogContentsView);
  ui->btMsg->setIcon(pasta);
  ui->btAcao->setIcon(pasta);
  ui->LabelResultado->clear();
  carregandoOpcao = false;

  connect(ui->cbTipoOpcao, &QComboBox::currentIndexChanged, this, [this] {
    if (!carregandoOpcao) cbTipoOpcaoChange(ui->cbTipoOpcao->currentIndex());
  });
  auto reconstroi = [this] {
    AtualizaOpcao();
    AtualizaDescricao();
  };
  for (QLineEdit* ed : {ui->edValor, ui->edOutrosCaracteres, ui->edTamMinimo, ui->edTamMaximo, ui->edComecaCom,
                        ui->edContem, ui->edTerminaCom})
    connect(ed, &QLineEdit::textChanged, this, reconstroi);
  for (QCheckBox* cb : {ui->CheckBoxDigitos, ui->CheckBoxMaiusculas, ui->CheckBoxMinusculas, ui->CheckBoxEspaco,
                        ui->CheckBoxIgnorarCase})
    connect(cb, &QCheckBox::toggled, this, reconstroi);
  connect(ui->CheckBoxOutros, &QCheckBox::toggled, this, [this, reconstroi] {
    HabilitaComponentes();
    reconstroi();
  });
  connect(ui->btTestar, &QPushButton::clicked, this, &TfrmCadOpcaoChat::btTestarClick);
  connect(ui->btMsg, &QToolButton::clicked, this, &TfrmCadOpcaoChat::btMsgClick);
  connect(ui->btAcao, &QToolButton::clicked, this, &TfrmCadOpcaoChat::btAcaoClick);
  connect(ui->btOK, &QPushButton::clicked, this, [this] {
    if (!VerificaOpcao()) return;
    AtualizaOpcao();
    if (OpcaoRepetida(lstOpcoes, ItemIndexOpcaoAtual,
                      [cfg = Opcao->GetStrOpcaoCfg()](const TMUOpcao& o) { return o.GetStrOpcaoCfg() == cfg; })) {
      MostraErro(this, QStringLiteral("Opção já cadastrada"), kTituloErro);
      return;
    }
    accept();
  });
  connect(ui->btCancelar, &QPushButton::clicked, this, &QDialog::reject);

  HabilitaComponentes();
  AtualizaDescricao();
  LeLugarJanela(this, kSecao);
}

TfrmCadOpcaoChat::~TfrmCadOpcaoChat() = default;

void TfrmCadOpcaoChat::done(int r) {
  GravaLugarJanela(this, kSecao);
  QDialog::done(r);
}

void TfrmCadOpcaoChat::CarregaOpcao(const TMUOpcao* OpcaoOrigem) {
  carregandoOpcao = true;
  if (OpcaoOrigem) {
    Opcao->CopyFrom(OpcaoOrigem);
    const int tipo = Opcao->Tipo;
    ui->cbTipoOpcao->setCurrentIndex(tipo >= 1 && tipo <= 4 ? tipo - 1 : -1);
    if (tipo > 0) ui->edValor->setText(Opcao->GetValor());
    ui->edTamMinimo->setText(QString::number(Opcao->QtdeMinOpcaoValida));
    ui->edTamMaximo->setText(QString::number(Opcao->QtdeMaxOpcaoValida));
    const QString letras = tipo == 4 ? Opcao->GetValor() : QString();
    ui->CheckBoxDigitos->setChecked(letras.contains(u'N'));
    ui->CheckBoxMaiusculas->setChecked(letras.contains(u'A'));
    ui->CheckBoxMinusculas->setChecked(letras.contains(u'a'));
    ui->CheckBoxEspaco->setChecked(letras.contains(u'E'));
    ui->CheckBoxOutros->setChecked(letras.contains(u'O'));
    if (tipo == 4) ui->edOutrosCaracteres->setText(Opcao->TextoAlfaAdicional);
    if (tipo == 3 || tipo == 4) {
      ui->edComecaCom->setText(Opcao->ComecaCom);
      ui->edContem->setText(Opcao->Contem);
      ui->edTerminaCom->setText(Opcao->TerminaCom);
    }
    ui->CheckBoxIgnorarCase->setChecked(Opcao->IgnorarCase);
    MostraNoCampo(ui->edMensagem, Opcao->GetStrMensagem());
    MostraNoCampo(ui->edAcao, Opcao->GetStrAcao());
    ItemIndexOpcaoAtual = OpcaoOrigem->GetItemIndex();
  }
  carregandoOpcao = false;
  cbTipoOpcaoChange(ui->cbTipoOpcao->currentIndex());
}

void TfrmCadOpcaoChat::HabilitaComponentes() {
  const int t = ui->cbTipoOpcao->currentIndex();
  const bool textoLivre = t == TextoLivre || t == TextoAlfanumerico;
  const bool alfa = t == TextoAlfanumerico;
  ui->edValor->setEnabled(t == CaracteresEspecificos || t == TextoEspecifico);
  for (QWidget* w : {ui->edTamMinimo, ui->edTamMaximo, ui->edComecaCom, ui->edContem, ui->edTerminaCom})
    w->setEnabled(textoLivre);
  ui->CheckBoxIgnorarCase->setEnabled(t >= TextoEspecifico);
  for (QWidget* w :
       {ui->CheckBoxDigitos, ui->CheckBoxMaiusculas, ui->CheckBoxMinusculas, ui->CheckBoxEspaco, ui->CheckBoxOutros})
    w->setEnabled(alfa);
  ui->edOutrosCaracteres->setEnabled(ui->CheckBoxOutros->isEnabled() && ui->CheckBoxOutros->isChecked());

  // A disabled edit shows the light 3-D colour, an enabled one the window colour.
  const QPalette normal = QApplication::palette();
  for (QLineEdit* ed : {ui->edValor, ui->edTamMinimo, ui->edTamMaximo, ui->edComecaCom, ui->edContem, ui->edTerminaCom,
                        ui->edOutrosCaracteres}) {
    QPalette p = ed->palette();
    p.setColor(QPalette::Base, ed->isEnabled() ? normal.color(QPalette::Base) : normal.color(QPalette::Midlight));
    ed->setPalette(p);
  }
}

void TfrmCadOpcaoChat::cbTipoOpcaoChange(int Index) {
  // What was typed for a type is kept while the user looks at the others.
  if (Opcao->Tipo == 1)
    valorAtualOpcChar = ui->edValor->text();
  else if (Opcao->Tipo == 2)
    valorAtualTextoEspecifico = ui->edValor->text();
  Opcao->Tipo = Index + 1;
  if (Index == CaracteresEspecificos)
    ui->edValor->setText(valorAtualOpcChar);
  else if (Index == TextoEspecifico)
    ui->edValor->setText(valorAtualTextoEspecifico);
  else
    ui->edValor->clear();
  HabilitaComponentes();
  AtualizaOpcao();
  AtualizaDescricao();
}

void TfrmCadOpcaoChat::AtualizaOpcao() {
  if (carregandoOpcao) return;
  const int t = ui->cbTipoOpcao->currentIndex();
  TMUOpcao& o = *Opcao;
  o.Tipo = t + 1;
  o.SetValor(QString());
  o.TextoAlfaAdicional.clear();
  o.QtdeMinOpcaoValida = 0;
  o.QtdeMaxOpcaoValida = 0;
  if (t == CaracteresEspecificos || t == TextoEspecifico) {
    o.SetValor(ui->edValor->text());
    o.ComecaCom.clear();
    o.Contem.clear();
    o.TerminaCom.clear();
    o.IgnorarCase = ui->CheckBoxIgnorarCase->isChecked();
  } else if (t == TextoLivre || t == TextoAlfanumerico) {
    if (t == TextoAlfanumerico) {
      QString letras;
      if (ui->CheckBoxDigitos->isChecked()) letras += u'N';
      if (ui->CheckBoxMaiusculas->isChecked()) letras += u'A';
      if (ui->CheckBoxMinusculas->isChecked()) letras += u'a';
      if (ui->CheckBoxEspaco->isChecked()) letras += u'E';
      if (ui->CheckBoxOutros->isChecked()) {
        letras += u'O';
        o.TextoAlfaAdicional = ui->edOutrosCaracteres->text();
      }
      o.SetValor(letras);
    }
    o.QtdeMinOpcaoValida = StrToIntDef(ui->edTamMinimo->text(), 0);
    o.QtdeMaxOpcaoValida = StrToIntDef(ui->edTamMaximo->text(), 0);
    o.ComecaCom = ui->edComecaCom->text();
    o.Contem = ui->edContem->text();
    o.TerminaCom = ui->edTerminaCom->text();
    o.IgnorarCase = ui->CheckBoxIgnorarCase->isChecked();
  }
}

void TfrmCadOpcaoChat::AtualizaDescricao() { ui->MemoDescricaoOpcao->setPlainText(Opcao->GetStrOpcao()); }

bool TfrmCadOpcaoChat::Recusa(const QString& Texto, QWidget* Foco) {
  MostraErro(this, Texto, kTituloErro);
  if (Foco && Foco->isEnabled()) Foco->setFocus();
  return false;
}

bool TfrmCadOpcaoChat::VerificaOpcao() {
  const int t = ui->cbTipoOpcao->currentIndex();
  if (t < 0) return Recusa(QStringLiteral("Tipo de opção inválida"), ui->cbTipoOpcao);

  if (t == CaracteresEspecificos || t == TextoEspecifico) {
    const QString valor = ui->edValor->text();
    if (valor.isEmpty()) return Recusa(QStringLiteral("Valor dever ser informado"), ui->edValor);
    if (t == CaracteresEspecificos)
      for (QChar c : valor)
        if (valor.count(c) > 1) return Recusa(QStringLiteral("Valor não pode ter caracteres repetidos"), ui->edValor);
    return true;
  }

  const bool digitos = ui->CheckBoxDigitos->isChecked();
  const bool maiusculas = ui->CheckBoxMaiusculas->isChecked();
  const bool minusculas = ui->CheckBoxMinusculas->isChecked();
  const bool espaco = ui->CheckBoxEspaco->isChecked();
  const bool outros = ui->CheckBoxOutros->isChecked();
  const QString outrosCaracteres = ui->edOutrosCaracteres->text();
  const struct {
    QLineEdit* Edit;
    const char16_t* Nome;
  } textosDeve[] = {{ui->edComecaCom, u"Texto deve começar com"},
                    {ui->edContem, u"Texto deve conter"},
                    {ui->edTerminaCom, u"Texto deve terminar com"}};

  if (t == TextoAlfanumerico) {
    if (!digitos && !maiusculas && !minusculas && !outros)
      return Recusa(QStringLiteral("Selecione pelo menos um tipo de caracteres aceitos no texto"), ui->CheckBoxDigitos);
    if (outros) {
      QLineEdit* ed = ui->edOutrosCaracteres;
      if (outrosCaracteres.isEmpty()) return Recusa(QStringLiteral("Informe os outros caracteres permitidos"), ed);
      auto jaSelecionado = [&](QChar c, const char16_t* Opcao) {
        return Recusa(QStringLiteral("Caractere \"") + c + QStringLiteral("\" já está selecionado com a opção \"") +
                          QString::fromUtf16(Opcao) + u'"',
                      ed);
      };
      for (QChar c : outrosCaracteres) {
        if (c.unicode() <= 32 || c.unicode() >= 127)
          return Recusa(QStringLiteral("Caractere \"") + c + QStringLiteral("\" não permitido"), ed);
        if (outrosCaracteres.count(c) > 1)
          return Recusa(QStringLiteral("\"Outros caracteres\" não pode ter caracteres repetidos"), ed);
        if (digitos && IsAsciiDigit(c)) return jaSelecionado(c, u"Dígitos");
        if (maiusculas && Maiuscula(c)) return jaSelecionado(c, u"Letras maiúsculas");
        if (minusculas && Minuscula(c)) return jaSelecionado(c, u"Letras minúsculas");
      }
    }
    auto aceito = [&](QChar c) {
      return (digitos && IsAsciiDigit(c)) || (maiusculas && Maiuscula(c)) || (minusculas && Minuscula(c)) ||
             (espaco && c == u' ') || (outros && outrosCaracteres.contains(c));
    };
    for (const auto& d : textosDeve)
      for (QChar c : d.Edit->text())
        if (!aceito(c))
          return Recusa(QStringLiteral("Existem caracteres inválidos na opção \"") + QString::fromUtf16(d.Nome) + u'"',
                        d.Edit);
    if (ui->CheckBoxIgnorarCase->isChecked() && !(maiusculas && minusculas))
      return Recusa(QStringLiteral("A opção ignorar case-sensitive só poderá estar selecionada se o texto aceitar "
                                   "lletras maiúsculas e minúsculas"),
                    ui->CheckBoxIgnorarCase);
  }

  // A blank size is no limit; anything but a number of zero or more is refused.
  auto tamanho = [](QLineEdit* Ed) {
    if (TrimBlanks(Ed->text()).isEmpty()) {
      Ed->clear();
      return 0;
    }
    const int n = StrToIntDef(Ed->text(), -1);
    return n < 0 ? -1 : n;
  };
  const int minimo = tamanho(ui->edTamMinimo);
  const int maximo = tamanho(ui->edTamMaximo);
  if (minimo == -1) return Recusa(QStringLiteral("Tamanho mínimo inválido"), ui->edTamMinimo);
  if (maximo == -1) return Recusa(QStringLiteral("Tamanho máximo inválido"), ui->edTamMaximo);
  qsizetype maior = 0;
  for (const auto& d : textosDeve) maior = qMax(maior, d.Edit->text().size());
  if (minimo > 0 && minimo < maior)
    return Recusa(QStringLiteral("O tamanho mínimo do texto tem que ser maior ou igual à ") + QString::number(maior),
                  ui->edTamMinimo);
  if (maximo > 0 && maximo < maior)
    return Recusa(QStringLiteral("O tamanho máximo do texto tem que ser maior ou igual à ") + QString::number(maior),
                  ui->edTamMaximo);
  // What the URA check calls an error is refused here too.
  const QString tamanhos = VerificaTamanhosOpcaoChat(minimo, maximo);
  if (!tamanhos.isEmpty()) return Recusa(tamanhos, ui->edTamMaximo);
  return true;
}

void TfrmCadOpcaoChat::btTestarClick() {
  if (!VerificaOpcao()) return;
  AtualizaOpcao();
  const bool valida = Opcao->TrataOpcao(ui->edValorOpcao->text(), true) == OPCAO_CONFERE;
  ui->LabelResultado->setText(valida ? QStringLiteral("Opção válida") : QStringLiteral("Opção inválida"));
  QPalette p = ui->LabelResultado->palette();
  p.setColor(QPalette::WindowText, valida ? QColor(Qt::blue) : QColor(Qt::red));
  ui->LabelResultado->setPalette(p);
}

void TfrmCadOpcaoChat::btMsgClick() {
  if (EditaMensagem(FCtx, this, *Opcao->Mensagem)) MostraNoCampo(ui->edMensagem, Opcao->GetStrMensagem());
}

void TfrmCadOpcaoChat::btAcaoClick() {
  if (EditaAcoes(FCtx, this, lstMenuUra, strMenuAtual, *Opcao->ListaAcao))
    MostraNoCampo(ui->edAcao, Opcao->GetStrAcao());
}
