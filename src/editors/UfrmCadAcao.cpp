#include "UfrmCadAcao.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>

#include "USubEditores.h"
#include "acao.h"
#include "dac.h"
#include "infoauxiliar.h"
#include "mensagem.h"
#include "menuura.h"
#include "plataforma.h"
#include "texto.h"
#include "ui_UfrmCadAcao.h"

namespace {

const QString kSecao = QStringLiteral("TelaCadAcao");
const QString kTitulo = QStringLiteral("Cadastro de ação");
const QString kSeparadorVariaveis = QStringLiteral("--- Variáveis ---");
const QString kDiscaOp = QStringLiteral("DISCAOP");
constexpr int kPosicaoDiscaOp = 5;

// When a type is offered.
enum TOferta : unsigned {
  Sempre = 0,
  SohVoz = 1,        // voice URA
  SohChat = 2,       // chat URA
  NaoLocal = 4,      // not local mode
  ServidorTipo1 = 8  // server type 1
};

struct TTipoAcao {
  const char16_t* Codigo;
  const char16_t* Descricao;
  unsigned Oferta;
};

const TTipoAcao kTipos[] = {
    {u"", u"", Sempre},
    {u"INICIO", u"Vai para Início, no menu atual", Sempre},
    {u"OPCOES", u"Vai para Opções, no menu atual", Sempre},
    {u"INVALIDA", u"Vai para Opção inválida, no menu atual", Sempre},
    {u"FINAL", u"Vai para Final do menu atual", Sempre},
    {u"VAIPARA", u"Vai para menu...", Sempre},
    {u"DISCA", u"Transfere a chamada para...", SohVoz},
    {u"DISCAF", u"Transfere a chamada para fila...", NaoLocal},
    {u"DISCAG", u"Transfere a chamada para grupo...", NaoLocal | SohVoz},
    {u"DISCAR", u"Transfere a chamada para ramal...", NaoLocal | SohVoz},
    {u"DISCAU", u"Transfere a chamada para URA...", NaoLocal},
    {u"DISCAC", u"Transfere a chamada para contexto...", NaoLocal | ServidorTipo1 | SohVoz},
    {u"DISCAS", u"Executa um contexto e retorna...", NaoLocal | ServidorTipo1 | SohVoz},
    {u"FALADIGITOS", u"Fala dígitos...", NaoLocal | ServidorTipo1 | SohVoz},
    {u"FALANUMERO", u"Fala número...", NaoLocal | ServidorTipo1 | SohVoz},
    {u"DESLIGA", u"Encerra a chamada", Sempre},
    {u"DESLIGAFH", u"Encerra a chamada (fora de horário)", NaoLocal},
    {u"COMANDO", u"Executa comando", NaoLocal},
    {u"SETVAR", u"Atribui valor à variável", Sempre},
    {u"MENSAGEM", nullptr, Sempre},  // caption by kind of URA
    {u"MIDIA", u"Envia mídia", SohChat},
};

// Messages of the checks that only ask for a value.
struct TValorObrigatorio {
  const char16_t* Codigo;
  const char16_t* Mensagem;
};

const TValorObrigatorio kValoresObrigatorios[] = {
    {u"DISCA", u"Informe o número para onde será encaminhada a chamada"},
    {u"DISCAF", u"Informe a fila para onde será encaminhada a chamada"},
    {u"DISCAG", u"Informe o grupo para onde será encaminhada a chamada"},
    {u"DISCAR", u"Informe o ramal para onde será encaminhada a chamada"},
    {u"DISCAU", u"Informe o nome da URA para onde será encaminhada a chamada"},
    {u"DISCAC", u"Informe o nome do contexto para onde será encaminhada a chamada"},
    {u"DISCAS", u"Informe o nome do contexto a ser executado"},
    {u"FALADIGITOS", u"Informe os dígitos a serem falados"},
    {u"FALANUMERO", u"Informe o número a ser falado"},
};

QString Texto(const char16_t* s) { return QString::fromUtf16(s); }

}  // namespace

TfrmCadAcao::TfrmCadAcao(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent), Acao(std::make_unique<TMUAcao>(Ctx.Dac)), ui(std::make_unique<Ui::TfrmCadAcao>()), FCtx(Ctx) {
  ui->setupUi(this);
  const QString tipoUra = Ctx.Dac ? Ctx.Dac->TipoUra : QString();
  EhUraChat = tipoUra.left(4) == u"chat";
  EhUraChatTDD = tipoUra == u"chattdd";
  ListaDeFilas = EhUraChat ? &MenuUraInfoAuxiliar.ListaDeFilasChat : &MenuUraInfoAuxiliar.ListaDeFilasVoz;
  if (EhUraChat) ListaDeUras = MenuUraInfoAuxiliar.ListaDeUrasChat;

  ui->btMsg->setIcon(QApplication::style()->standardIcon(QStyle::SP_FileDialogContentsView));
  // Controls that come and go keep their place, so the window does not jump.
  for (QWidget* w : {static_cast<QWidget*>(ui->LabelValorAcao), static_cast<QWidget*>(ui->Label1),
                     static_cast<QWidget*>(ui->cbVariavelComando), static_cast<QWidget*>(ui->btMsg)}) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
  }
  ui->LabelValorAcao->hide();
  ui->Label1->hide();
  // Typed values are values, not new entries of the lists offered.
  ui->cbValorAcao->setInsertPolicy(QComboBox::NoInsert);
  ui->cbVariavelComando->setInsertPolicy(QComboBox::NoInsert);

  MontaListaAcoes();
  Atualiza();

  connect(ui->cbAcao, &QComboBox::currentIndexChanged, this, &TfrmCadAcao::cbAcaoChange);
  connect(ui->cbValorAcao, &QComboBox::currentTextChanged, this, [this] { cbValorAcaoChange(); });
  connect(ui->cbVariavelComando, &QComboBox::currentTextChanged, this, [this] { cbVariavelComandoChange(); });
  // Choosing the entry already shown is a choice too (the lowest priority).
  connect(ui->cbVariavelComando, &QComboBox::activated, this, [this] { cbVariavelComandoChange(); });
  connect(ui->btMsg, &QToolButton::clicked, this, &TfrmCadAcao::btMsgClick);
  connect(ui->btOK, &QPushButton::clicked, this, [this] {
    if (Verifica()) accept();
  });
  connect(ui->btCancelar, &QPushButton::clicked, this, &QDialog::reject);

  LeLugarJanela(this, kSecao);
}

TfrmCadAcao::~TfrmCadAcao() = default;

void TfrmCadAcao::done(int r) {
  GravaLugarJanela(this, kSecao);
  QDialog::done(r);
}

void TfrmCadAcao::MontaListaAcoes() {
  const bool local = FCtx.Local();
  const bool tipo1 = FCtx.TipoUraServidor == 1;
  ListaAcoes.clear();
  ListaDescricaoAcoes.clear();
  for (const TTipoAcao& t : kTipos) {
    if ((t.Oferta & SohVoz) && EhUraChat) continue;
    if ((t.Oferta & SohChat) && !EhUraChat) continue;
    if ((t.Oferta & NaoLocal) && local) continue;
    if ((t.Oferta & ServidorTipo1) && !tipo1) continue;
    ListaAcoes << Texto(t.Codigo);
    if (t.Descricao)
      ListaDescricaoAcoes << Texto(t.Descricao);
    else
      ListaDescricaoAcoes << (EhUraChat ? QStringLiteral("Envia mensagem")
                                        : QStringLiteral("Atribui mensagem à variável"));
  }
  RecarregaItensAcao();
}

void TfrmCadAcao::RecarregaItensAcao() {
  const QSignalBlocker bloqueio(ui->cbAcao);
  ui->cbAcao->clear();
  ui->cbAcao->addItems(ListaDescricaoAcoes);
  ui->cbAcao->setCurrentIndex(-1);
}

void TfrmCadAcao::CarregaAcao(const TMUAcao* AcaoOrigem) {
  {
    const QSignalBlocker bloqueio(ui->cbAcao);
    ui->cbAcao->setCurrentIndex(-1);
  }
  if (AcaoOrigem) Acao->CopyFrom(AcaoOrigem);

  const bool temDiscaOp = ListaAcoes.value(kPosicaoDiscaOp) == kDiscaOp;
  if (!Acao->OpcaoAcao.isEmpty() && Acao->OpcaoAcao.contains(u'X')) {
    if (!temDiscaOp) {
      ListaAcoes.insert(kPosicaoDiscaOp, kDiscaOp);
      ListaDescricaoAcoes.insert(kPosicaoDiscaOp, QStringLiteral("Transfere para opção informada"));
      RecarregaItensAcao();
    }
  } else if (temDiscaOp) {
    ListaAcoes.removeAt(kPosicaoDiscaOp);
    ListaDescricaoAcoes.removeAt(kPosicaoDiscaOp);
    RecarregaItensAcao();
  }

  {
    const QSignalBlocker bloqueio(ui->cbAcao);
    ui->cbAcao->setCurrentIndex(static_cast<int>(ListaAcoes.indexOf(Acao->Tipo)));
  }
  Atualiza();
}

void TfrmCadAcao::cbAcaoChange(int Index) {
  if (Index < 0 || Index >= ListaAcoes.size()) return;
  Acao->Tipo = ListaAcoes.at(Index);
  Atualiza();
}

QString TfrmCadAcao::DescricaoArquivos(const QString& Arquivos) const {
  return MenuUraInfoAuxiliar.ListaDeMensagens.GetDescricaoArquivos(Arquivos);
}

// Lays out the value controls for the working action's type; the controls
// show what the action holds, whatever type it had before.
void TfrmCadAcao::Atualiza() {
  FAtualizando = true;
  QComboBox* valor = ui->cbValorAcao;
  QComboBox* segundo = ui->cbVariavelComando;
  valor->clear();
  valor->setEditable(true);
  valor->setEditText(QString());
  valor->setEnabled(false);
  segundo->clear();
  segundo->setEditable(true);
  segundo->setEditText(QString());
  ui->LabelValorAcao->hide();
  ui->Label1->hide();
  segundo->hide();
  ui->btMsg->hide();

  const QString& tipo = Acao->Tipo;
  const bool roriro = FCtx.Dac && FCtx.Dac->RORIRO;
  auto rotulo = [this](const QString& Texto) {
    ui->LabelValorAcao->setText(Texto);
    ui->LabelValorAcao->show();
  };
  auto textoLivre = [&](const QString& Texto, const QString& Rotulo) {
    valor->setEnabled(true);
    valor->setEditText(Texto);
    rotulo(Rotulo);
  };
  auto lista = [&](const QStringList& Itens, int Selecionado, const QString& Rotulo) {
    valor->setEditable(false);
    valor->addItems(Itens);
    valor->setCurrentIndex(Selecionado);
    valor->setEnabled(true);
    rotulo(Rotulo);
  };
  // The second combo as a fixed list selected by the number in Variavel.
  auto segundoIndice = [&](const QStringList& Itens, const QString& Rotulo) {
    segundo->setEditable(false);
    segundo->addItems(Itens);
    segundo->setCurrentIndex(StrToIntDef(Acao->Variavel, 0));
    segundo->show();
    ui->Label1->setText(Rotulo);
    ui->Label1->setVisible(!Rotulo.isEmpty());
  };
  // The second combo as a typed variable name offering a list.
  auto segundoVariavel = [&](const QStringList& Itens) {
    segundo->addItems(Itens);
    segundo->setEditText(Acao->Variavel);
    segundo->show();
    ui->Label1->setText(QStringLiteral("Variável"));
    ui->Label1->show();
  };

  if (tipo == u"VAIPARA") {
    QStringList menus;
    if (lstMenuUra)
      for (const auto& m : lstMenuUra->Items())
        if (m->Nome != strMenuAtual) menus << m->Nome;
    lista(menus, static_cast<int>(menus.indexOf(Acao->ValorMenu)), QStringLiteral("Menu"));
    segundoIndice({QStringLiteral("Início"), QStringLiteral("Opções"), QStringLiteral("Opção inválida"),
                   QStringLiteral("Timeout"), QStringLiteral("Final")},
                  QString());
  } else if (tipo.startsWith(u"DISCA") && roriro) {
    if (tipo != kDiscaOp) textoLivre(Acao->ValorNumero, QStringLiteral("Número"));
  } else if (tipo == u"DISCAF") {
    if (ListaDeFilas && ListaDeFilas->Count() > 0) {
      QStringList itens;
      int sel = -1;
      for (const auto& f : ListaDeFilas->Items()) {
        if (f->FilaId == Acao->ValorNumero) sel = static_cast<int>(itens.size());
        itens << f->GetStrNomeFila();
      }
      itens << kSeparadorVariaveis;
      for (const QString& v : MenuUraInfoAuxiliar.ListaDeVariaveis.Lista()) itens << QStringLiteral("${") + v + u'}';
      if (Acao->ValorNumero.startsWith(u"${")) sel = static_cast<int>(itens.indexOf(Acao->ValorNumero));
      lista(itens, sel, QStringLiteral("Fila"));
    } else {
      textoLivre(Acao->ValorNumero, QStringLiteral("Fila"));
    }
    segundoIndice({QStringLiteral("Baixa"), QStringLiteral("Média"), QStringLiteral("Alta")},
                  QStringLiteral("Prioridade"));
  } else if (tipo == u"DISCAG") {
    const TMUListaGrupos& grupos = MenuUraInfoAuxiliar.ListaDeGrupos;
    if (grupos.Count() > 0) {
      QStringList itens;
      int sel = -1;
      for (const auto& g : grupos.Items()) {
        if (g->GrupoId == Acao->ValorNumero) sel = static_cast<int>(itens.size());
        itens << g->GetStrNomeGrupo();
      }
      lista(itens, sel, QStringLiteral("Grupo"));
    } else {
      textoLivre(Acao->ValorNumero, QStringLiteral("Grupo"));
    }
  } else if (tipo == u"DISCAU") {
    if (!ListaDeUras.isEmpty())
      lista(ListaDeUras, static_cast<int>(ListaDeUras.indexOf(Acao->ValorNumero)), QStringLiteral("Ura"));
    else
      textoLivre(Acao->ValorNumero, QStringLiteral("Ura"));
  } else if (tipo == u"DISCA" || tipo == u"FALANUMERO") {
    textoLivre(Acao->ValorNumero, QStringLiteral("Número"));
  } else if (tipo == u"DISCAR") {
    textoLivre(Acao->ValorNumero, QStringLiteral("Ramal"));
  } else if (tipo == u"DISCAC" || tipo == u"DISCAS") {
    textoLivre(Acao->ValorNumero, QStringLiteral("Contexto"));
  } else if (tipo == u"FALADIGITOS") {
    textoLivre(Acao->ValorNumero, QStringLiteral("Dígitos"));
  } else if (tipo == u"COMANDO" && !roriro) {
    valor->addItems(MenuUraInfoAuxiliar.ListaDeComandos.Lista());
    textoLivre(Acao->ValorComando, QStringLiteral("Comando"));
    segundoVariavel(MenuUraInfoAuxiliar.ListaDeVariaveis.Lista());
  } else if (tipo == u"SETVAR") {
    textoLivre(Acao->GetValor(), QStringLiteral("Valor"));
    segundoVariavel(MenuUraInfoAuxiliar.ListaDeVariaveis.Lista());
  } else if (tipo == u"MENSAGEM") {
    rotulo(QStringLiteral("Mensagem"));
    ui->btMsg->show();
    if (EhUraChat) {
      valor->setEditText(Acao->GetStrAcaoMensagem());
      ui->Label1->setText(QString());
    } else {
      valor->setEditText(DescricaoArquivos(Acao->GetValor()));
      segundoVariavel(MenuUraInfoAuxiliar.ListaDePlayList.Lista());
    }
  } else if (tipo == u"MIDIA") {
    textoLivre(Acao->ValorNumero, QStringLiteral("Mídia"));
  }
  // Every other type (the jumps within the menu, the hang-ups, the empty
  // code, "DISCAOP", a command in a local-service document) has no value.
  if (valor->isEditable() && valor->lineEdit()) valor->lineEdit()->setCursorPosition(0);
  FAtualizando = false;
}

void TfrmCadAcao::cbValorAcaoChange() {
  if (FAtualizando) return;
  // "DISCAOP" has no value; any other disabled value combo shows no value of
  // its own and must not overwrite what the action holds (a hang-up code).
  if (Acao->Tipo == kDiscaOp) Acao->ValorNumero.clear();
  if (!ui->cbValorAcao->isEnabled()) return;
  QComboBox* valor = ui->cbValorAcao;
  const QString& tipo = Acao->Tipo;
  const QString texto = valor->currentText();
  if (tipo == u"VAIPARA") {
    Acao->ValorMenu = texto;
  } else if (tipo == u"COMANDO") {
    Acao->ValorComando = texto;
  } else if (tipo == u"MENSAGEM") {
    // the message button sets the value
  } else if ((tipo == u"DISCAF" || tipo == u"DISCAG") && !valor->isEditable()) {
    if (texto == kSeparadorVariaveis) {
      FAtualizando = true;
      valor->setCurrentIndex(-1);
      FAtualizando = false;
      return;
    }
    // The entries are the lookup list's, in order, then the variables: the
    // id is taken from the entry itself, not cut out of its caption.
    const int i = valor->currentIndex();
    QString id = texto;
    if (tipo == u"DISCAF" && ListaDeFilas && i >= 0 && i < ListaDeFilas->Count())
      id = ListaDeFilas->GetItem(i)->FilaId;
    else if (tipo == u"DISCAG" && i >= 0 && i < MenuUraInfoAuxiliar.ListaDeGrupos.Count())
      id = MenuUraInfoAuxiliar.ListaDeGrupos.GetItem(i)->GrupoId;
    Acao->ValorNumero = id;
  } else {
    Acao->ValorNumero = texto;
  }
}

void TfrmCadAcao::cbVariavelComandoChange() {
  if (FAtualizando) return;
  const QString& tipo = Acao->Tipo;
  QComboBox* segundo = ui->cbVariavelComando;
  if (tipo == u"COMANDO" || tipo == u"SETVAR" || tipo == u"MENSAGEM")
    Acao->Variavel = segundo->currentText();
  else if ((tipo == u"VAIPARA" || tipo == u"DISCAF") && segundo->currentIndex() >= 0)
    Acao->Variavel = QString::number(segundo->currentIndex());
}

void TfrmCadAcao::btMsgClick() {
  if (Acao->Tipo != u"MENSAGEM") return;
  TMUMensagem temp;
  if (EhUraChat)
    temp.AddMensagemChat(Acao->GetValor());
  else
    temp.SetListaArquivosSeparador(QStringLiteral(","), Acao->GetValor());
  if (!EditaMensagem(FCtx, this, temp, !EhUraChat)) return;
  FAtualizando = true;
  if (EhUraChat) {
    Acao->SetValor(temp.GetStrMensagemChat(QStringLiteral("\n"), QStringLiteral("\n")));
    ui->cbValorAcao->setEditText(Acao->GetStrAcaoMensagem());
  } else {
    Acao->SetValor(temp.GetListaArquivosSeparador(QStringLiteral(",")));
    ui->cbValorAcao->setEditText(DescricaoArquivos(Acao->GetValor()));
  }
  FAtualizando = false;
}

bool TfrmCadAcao::Verifica() {
  cbValorAcaoChange();
  // The section or priority is written only when the user changes it: one
  // never chosen stays empty, and a stored one (even one that is no number)
  // stays as the file has it.
  const QString& tipo = Acao->Tipo;
  QString erro;
  auto exige = [&](const QString& Valor, const QString& Mensagem) {
    if (TrimBlanks(Valor).isEmpty()) erro = Mensagem;
  };
  if (tipo == u"VAIPARA") {
    if (Acao->ValorMenu.isEmpty()) erro = QStringLiteral("Informe o menu para onde será encaminhada a chamada");
  } else if (tipo == u"COMANDO") {
    exige(Acao->ValorComando, QStringLiteral("Informe o nome do comando a ser executado"));
    if (erro.isEmpty()) erro = Acao->ComandoValido();
    if (erro.isEmpty()) erro = Acao->VariavelValida();
  } else if (tipo == u"SETVAR") {
    erro = Acao->VariavelValida();
  } else if (tipo == u"MENSAGEM") {
    if (EhUraChat)
      exige(Acao->ValorNumero, QStringLiteral("Informe a mensagem a ser enviada"));
    else
      erro = Acao->MensagemValida();
  } else if (tipo == u"MIDIA") {
    if (EhUraChat) exige(Acao->ValorNumero, QStringLiteral("Informe o arquivo de mídia a ser enviado"));
  } else if (tipo == u"DESLIGA") {
    if (!Acao->ValorNumero.isEmpty() && StrToIntDef(Acao->ValorNumero, -1) == -1)
      erro = QStringLiteral("O código para encerrar a chamada deve ser um valor numérico");
  } else {
    for (const TValorObrigatorio& v : kValoresObrigatorios)
      if (tipo == Texto(v.Codigo)) exige(Acao->ValorNumero, Texto(v.Mensagem));
  }
  if (!erro.isEmpty()) {
    MostraErro(this, erro, kTitulo);
    return false;
  }
  if ((tipo == u"COMANDO" && !Acao->Variavel.isEmpty()) || tipo == u"SETVAR")
    MenuUraInfoAuxiliar.ListaDeVariaveis.Add(Acao->Variavel);
  else if (tipo == u"MENSAGEM" && !EhUraChat)
    MenuUraInfoAuxiliar.ListaDePlayList.Add(Acao->Variavel);
  return true;
}
