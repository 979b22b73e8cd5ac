#include "UfrmMain.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QStatusBar>
#include <QTreeWidget>
#include <QUrl>
#include <QValidator>

#include "UfrmConectar.h"
#include "UfrmSelecionarUra.h"
#include "UfrmVerificarUra.h"
#include "ambiente.h"
#include "codepage.h"
#include "comandos_fluxo.h"
#include "comandos_simulacao.h"
#include "configuracao.h"
#include "dicainicial.h"
#include "edicao.h"
#include "editores.h"
#include "erros.h"
#include "pastamensagens.h"
#include "plataforma.h"
#include "posicao.h"
#include "relatorio.h"
#include "teclas.h"
#include "texto.h"
#include "ui_UfrmMain.h"
#include "verificacao.h"

namespace {
const QString kSecao = QStringLiteral("TelaPrincipal");
const QString kFiltroXml = QStringLiteral("XML files (*.xml)");
const QString kTituloSalvar = QStringLiteral("Salvar no servidor");
const QString kErroAbrir = QStringLiteral("Ocorreu um erro ao abrir o arquivo. O mesmo pode ser inválido.?");
const QString kAlteradaAtivar = QStringLiteral("A Ura foi alterada. Selecione \"Salvar no servidor\" antes de ativar.");
constexpr int kLarguraColuna[] = {200, 300, 70, 50};
const char* const kTiposUra[] = {"", "chat", "chattdd"};

// Days since 1899-12-30 with the time as the fraction, as the document keeps dates.
double DataHora(const QDateTime& Momento) {
  static const QDate base(1899, 12, 30);
  return double(base.daysTo(Momento.date())) + Momento.time().msecsSinceStartOfDay() / 86400000.0;
}

// A date value the document cannot show as a date.
bool DataInvalida(double Valor) { return Valor != Valor || Valor < 0; }

// Characters of Texto that the 8-bit code page of the server cannot hold.
qsizetype ForaDoCodigoDePagina(const QString& Texto) { return ReduceToAnsi(Texto).count(u'?') - Texto.count(u'?'); }

// The description travels to the server through the 8-bit code page: a
// character it cannot hold is refused when typed or pasted, never turned
// into "?" behind the user's back. What a file already held stays.
class TFiltroCodigoDePagina : public QValidator {
 public:
  explicit TFiltroCodigoDePagina(QLineEdit* Campo) : QValidator(Campo) {
    connect(Campo, &QLineEdit::textChanged, this, [this](const QString& Texto) { FAceito = Texto; });
  }
  State validate(QString& Texto, int&) const override {
    return ForaDoCodigoDePagina(Texto) > ForaDoCodigoDePagina(FAceito) ? Invalid : Acceptable;
  }

 private:
  QString FAceito;  // the text before the change being validated
};
}  // namespace

TfrmMain::TfrmMain(const TLinhaComando& Inicio, QWidget* parent)
    : QMainWindow(parent), Sessao(std::make_unique<TSessaoServidor>(this)), ui(std::make_unique<Ui::TfrmMain>()) {
  Q_INIT_RESOURCE(recursos);
  ui->setupUi(this);
  edArquivoUra = ui->edArquivoUra;
  edArquivoMensagens = ui->edArquivoMensagens;
  edNomeDAC = ui->edNomeDAC;
  edDescricaoDAC = ui->edDescricaoDAC;
  cbMenuInicial = ui->cbMenuInicial;
  cbTipoUra = ui->cbTipoUra;
  cbTipoAtendimento = ui->cbTipoAtendimento;
  CheckBoxPriMsgComoOpcao = ui->CheckBoxPriMsgComoOpcao;
  edCriadoEm = ui->edCriadoEm;
  edCriadoPor = ui->edCriadoPor;
  edModificadoEm = ui->edModificadoEm;
  edModificadoPor = ui->edModificadoPor;
  edAtivadoEm = ui->edAtivadoEm;
  edAtivadoPor = ui->edAtivadoPor;
  btCriarMenu = ui->btCriarMenu;
  btEditarMenu = ui->btEditarMenu;
  btRemoverMenu = ui->btRemoverMenu;
  ListView1 = ui->ListView1;
  mnuNovo = ui->mnuNovo;
  mnuAbrir = ui->mnuAbrir;
  mnuAbrirDoServidor = ui->mnuAbrirDoServidor;
  mnuSalvar = ui->mnuSalvar;
  mnuSalvarComo = ui->mnuSalvarComo;
  mnuSalvarNoServidor = ui->mnuSalvarNoServidor;
  mnuFechar = ui->mnuFechar;
  mnuVisualizar = ui->mnuVisualizar;
  mnuVerificar = ui->mnuVerificar;
  mnuAtivarURA = ui->mnuAtivarURA;
  mnuSair = ui->mnuSair;
  mnuMensagensAbrir = ui->mnuMensagensAbrir;
  mnuMensagensEditar = ui->mnuMensagensEditar;
  mnuMensagensSalvarComo = ui->mnuMensagensSalvarComo;
  mnuMensagensSalvarNoServidor = ui->mnuMensagensSalvarNoServidor;
  mnuEnviarArquivoAudio = ui->mnuEnviarArquivoAudio;
  mnuConectar = ui->mnuConectar;
  mnuDesconectar = ui->mnuDesconectar;
  mnuVersao = ui->mnuVersao;
  mnuVersaoServidor = ui->mnuVersaoServidor;

  lbStatus = new QLabel(this);
  lbStatus->setObjectName(QStringLiteral("lbStatus"));
  statusBar()->addWidget(lbStatus, 1);

  const QIcon icone(QStringLiteral(":/app/ura.png"));
  setWindowIcon(icone);
  ui->imgCabecalho->setPixmap(icone.pixmap(40, 40));
  QPalette banda = ui->PanelTopo->palette();
  banda.setColor(QPalette::Window, QColor(0x1f, 0x4e, 0x79));
  banda.setColor(QPalette::WindowText, Qt::white);
  ui->PanelTopo->setPalette(banda);
  QFont titulo = ui->lbTituloTopo->font();
  titulo.setBold(true);
  titulo.setPointSizeF(titulo.pointSizeF() * 1.4);
  ui->lbTituloTopo->setFont(titulo);

  ListView1->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  ListView1->headerItem()->setTextAlignment(2, Qt::AlignCenter);
  ListView1->headerItem()->setTextAlignment(3, Qt::AlignCenter);
  ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
  // The selection stays visible without focus.
  QPalette lista = ListView1->palette();
  lista.setColor(QPalette::Inactive, QPalette::Highlight, lista.color(QPalette::Active, QPalette::Highlight));
  lista.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 lista.color(QPalette::Active, QPalette::HighlightedText));
  ListView1->setPalette(lista);
  ListView1->setAlternatingRowColors(true);
  // The description, not the counts, takes the width the window has to spare.
  ListView1->header()->setStretchLastSection(false);
  ListView1->header()->setSectionResizeMode(1, QHeaderView::Stretch);
  // Room for a few rows, and for the hint shown while no URA is open.
  ListView1->setMinimumHeight(ListView1->fontMetrics().lineSpacing() * 9);
  // Read-only fields are not stops of the keyboard's way through the header.
  for (QLineEdit* e : {edArquivoUra, edArquivoMensagens, edCriadoEm, edCriadoPor, edModificadoEm, edModificadoPor,
                       edAtivadoEm, edAtivadoPor})
    e->setFocusPolicy(Qt::ClickFocus);

  edNomeDAC->installEventFilter(this);
  // Pasted text obeys the same characters as typed text.
  edNomeDAC->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9 _-]*")), edNomeDAC));
  edDescricaoDAC->setValidator(new TFiltroCodigoDePagina(edDescricaoDAC));
  connect(edDescricaoDAC, &QLineEdit::inputRejected, this,
          [this] { SetStatusBar(QStringLiteral("A descrição não aceita este caractere: o servidor não o guarda.")); });
  setAcceptDrops(true);

  TimerMensagem.setInterval(500);
  TimerMensagem.setSingleShot(true);
  TimerAtivaSelUra.setInterval(100);
  TimerAtivaSelUra.setSingleShot(true);
  connect(&TimerMensagem, &QTimer::timeout, this,
          [this] { ExecutaComando(this, [this] { MostraMensagemPendente(); }); });
  connect(&TimerAtivaSelUra, &QTimer::timeout, this,
          [this] { ExecutaComando(this, [this] { AbreSelecaoServidor(); }); });
  LigaComandos();
  Edicao = std::make_unique<TEdicaoDocumento>(this);
  CriaComandosFluxo(*this);

  // Creation steps: version caption, mode and folders (decided before the
  // window by the start-up), settings, catalogue, state, "-A".
  mnuVersao->setText(QStringLiteral("Versão ") + kVersaoPrograma);
  mnuVersaoServidor->setVisible(false);
  setWindowTitle(QStringLiteral("Configurador de URA"));
  Sessao->InfoServidor.TipoUra = Ambiente().Local ? 3 : 1;
  Sessao->PastaUsuario = Ambiente().PastaUsuario;
  if (EhRorIROSonarea()) {
    dirArquivosMensagens = JuntaCaminho(Ambiente().PastaUsuario, QStringLiteral("mensagens"));
    nomeArquivoMensagensRORIRO = JuntaCaminho(dirArquivosMensagens, QStringLiteral("mensagens.xml"));
    AdaptaModoLocal();
  }
  ui->lbTituloTopo->setText(windowTitle());
  // Server mode starts from the server; local mode from its folder.
  FDica =
      new TDicaInicial(ListView1, EhRorIROSonarea() ? std::vector<QAction*>{mnuNovo, mnuAbrir}
                                                    : std::vector<QAction*>{mnuConectar, mnuAbrirDoServidor, mnuNovo});
  LeConfiguracao();
  if (EhRorIROSonarea()) CarregaListaDeMensagens();
  HabilitaMenus();
  AtualizaDadosTelaDAC();
  LigaTestarUra(*this);
  if (EhRorIROSonarea() && !Inicio.ArquivoInicial.isEmpty())
    AbrirArquivoRORIroLocal(JuntaCaminho(Ambiente().PastaUsuario, Inicio.ArquivoInicial));
}

TfrmMain::~TfrmMain() {
  TimerMensagem.stop();
  TimerAtivaSelUra.stop();
  // The session's window goes before the session: let it not call back.
  Sessao.reset();
}

// ---- Wiring ------------------------------------------------------------------------

void TfrmMain::LigaComandos() {
  auto liga = [this](QAction* Acao, void (TfrmMain::*Comando)()) {
    connect(Acao, &QAction::triggered, this,
            [this, Comando] { ExecutaComando(this, [this, Comando] { (this->*Comando)(); }); });
  };
  liga(mnuNovo, &TfrmMain::mnuNovoClick);
  liga(mnuAbrir, &TfrmMain::mnuAbrirClick);
  liga(mnuAbrirDoServidor, &TfrmMain::mnuAbrirDoServidorClick);
  liga(mnuSalvar, &TfrmMain::mnuSalvarClick);
  liga(mnuSalvarComo, &TfrmMain::mnuSalvarComoClick);
  liga(mnuSalvarNoServidor, &TfrmMain::mnuSalvarNoServidorClick);
  liga(mnuFechar, &TfrmMain::mnuFecharClick);
  liga(mnuVisualizar, &TfrmMain::mnuVisualizarClick);
  liga(mnuVerificar, &TfrmMain::mnuVerificarClick);
  liga(mnuAtivarURA, &TfrmMain::mnuAtivarURAClick);
  liga(mnuMensagensAbrir, &TfrmMain::mnuMensagensAbrirClick);
  liga(mnuMensagensEditar, &TfrmMain::mnuMensagensEditarClick);
  liga(mnuMensagensSalvarComo, &TfrmMain::mnuMensagensSalvarComoClick);
  liga(mnuMensagensSalvarNoServidor, &TfrmMain::mnuMensagensSalvarNoServidorClick);
  liga(mnuEnviarArquivoAudio, &TfrmMain::mnuEnviarArquivoAudioClick);
  liga(mnuConectar, &TfrmMain::mnuConectarClick);
  liga(mnuDesconectar, &TfrmMain::mnuDesconectarClick);
  connect(mnuSair, &QAction::triggered, this, &QWidget::close);

  auto ligaBotao = [this](QPushButton* Botao, void (TfrmMain::*Comando)()) {
    connect(Botao, &QPushButton::clicked, this,
            [this, Comando] { ExecutaComando(this, [this, Comando] { (this->*Comando)(); }); });
  };
  ligaBotao(btCriarMenu, &TfrmMain::btCriarMenuClick);
  ligaBotao(btEditarMenu, &TfrmMain::btEditarMenuClick);
  ligaBotao(btRemoverMenu, &TfrmMain::btRemoverMenuClick);
  connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* Item) {
    ExecutaComando(this, [this, Item] { EditaMenu(ListView1->indexOfTopLevelItem(Item)); });
  });
  // Keys of the menu list: F5 or Insert creates, Enter edits, Delete removes.
  auto atalho = [this](const QKeySequence& Tecla, void (TfrmMain::*Comando)()) {
    auto* s = new QShortcut(Tecla, ListView1, nullptr, nullptr, Qt::WidgetShortcut);
    connect(s, &QShortcut::activated, this, [this, Comando] {
      if (FDac) ExecutaComando(this, [this, Comando] { (this->*Comando)(); });
    });
  };
  atalho(QKeySequence(Qt::Key_F5), &TfrmMain::btCriarMenuClick);
  atalho(QKeySequence(Qt::Key_Insert), &TfrmMain::btCriarMenuClick);
  atalho(QKeySequence(Qt::Key_Return), &TfrmMain::btEditarMenuClick);
  atalho(QKeySequence(Qt::Key_Enter), &TfrmMain::btEditarMenuClick);
  atalho(QKeySequence(Qt::Key_Delete), &TfrmMain::btRemoverMenuClick);

  // The header fields write through to the document.
  connect(edNomeDAC, &QLineEdit::textChanged, this, [this](const QString& t) {
    if (FDac && !FAtualizando) {
      FDac->Nome = t;
      emit DocumentoAlterado();
    }
  });
  connect(edDescricaoDAC, &QLineEdit::textChanged, this, [this](const QString& t) {
    if (FDac && !FAtualizando) {
      FDac->Descricao = t;
      emit DocumentoAlterado();
    }
  });
  connect(cbMenuInicial, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (FDac && !FAtualizando && i >= 0) {
      FDac->MenuInicial = cbMenuInicial->itemText(i);
      emit DocumentoAlterado();
    }
  });
  connect(cbTipoUra, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (!FDac || FAtualizando || i < 0 || i > 2) return;
    FDac->TipoUra = QString::fromLatin1(kTiposUra[i]);
    HabilitaMenus();
    emit DocumentoAlterado();
  });
  connect(cbTipoAtendimento, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (FDac && !FAtualizando && i >= 0) {
      FDac->TipoAtendimento = cbTipoAtendimento->itemText(i);
      emit DocumentoAlterado();
    }
  });
  connect(CheckBoxPriMsgComoOpcao, &QCheckBox::toggled, this, [this](bool b) {
    if (FDac && !FAtualizando) {
      FDac->PriMsgEhOpcao = b;
      emit DocumentoAlterado();
    }
  });
}

void TfrmMain::AdaptaModoLocal() {
  FLocalAdaptado = true;
  setWindowTitle(QStringLiteral("Assistente de configuração de URA/DAC Sonarea"));
  ui->mnuFerramentas->menuAction()->setVisible(false);
  // The separators before the audio item and before "Ativar URA...".
  auto separadorAntes = [](QMenu* Menu, QAction* Acao) {
    const QList<QAction*> acoes = Menu->actions();
    const qsizetype i = acoes.indexOf(Acao);
    if (i > 0 && acoes[i - 1]->isSeparator()) acoes[i - 1]->setVisible(false);
  };
  separadorAntes(ui->mnuMensagens, mnuEnviarArquivoAudio);
  separadorAntes(ui->mnuArquivoURA, mnuAtivarURA);
  for (QAction* a : {mnuAbrirDoServidor, mnuSalvarNoServidor, mnuMensagensAbrir, mnuMensagensSalvarComo,
                     mnuMensagensSalvarNoServidor, mnuAtivarURA})
    a->setVisible(false);
  for (QWidget* w : std::initializer_list<QWidget*>{ui->lbTipoUra, cbTipoUra, ui->lbTipoAtendimento, cbTipoAtendimento,
                                                    CheckBoxPriMsgComoOpcao, ui->lbArquivoMensagens, edArquivoMensagens,
                                                    ui->lbAtivadoEm, edAtivadoEm, ui->lbAtivadoPor, edAtivadoPor})
    w->setVisible(false);
  mnuEnviarArquivoAudio->setText(QStringLiteral("Criar arquivo de áudio..."));
}

void TfrmMain::LeConfiguracao() {
  const TConfiguracao cfg(kSecao);
  resize(900, 590);
  LePosicao(this, cfg, TModoPosicao::Estado);
  for (int i = 0; i < 4; ++i)
    ListView1->setColumnWidth(i, cfg.LeInteiro(QStringLiteral("Coluna%1").arg(i), kLarguraColuna[i]));
}

void TfrmMain::SalvaConfiguracao() {
  TConfiguracao cfg(kSecao);
  GravaPosicao(this, cfg, TModoPosicao::Estado);
  for (int i = 0; i < 4; ++i) cfg.GravaInteiro(QStringLiteral("Coluna%1").arg(i), ListView1->columnWidth(i));
}

void TfrmMain::CarregaListaDeMensagens() {
  if (!QFileInfo(nomeArquivoMensagensRORIRO).isFile()) return;
  TXMLDocument doc;
  // A catalogue that cannot be read is passed over.
  XMLDac.LerXMLMensagens(doc, nullptr, nomeArquivoMensagensRORIRO);
  MarcaArquivosDaPasta(MenuUraInfoAuxiliar.ListaDeMensagens, dirArquivosMensagens);
}

// ---- State ---------------------------------------------------------------------------

void TfrmMain::ConteudoDac(QStringList* Lista) const {
  Lista->clear();
  if (!FDac) return;
  FDac->GetListConfig(Lista);
  // The fingerprint leaves out chat texts, menu descriptions, option kinds and
  // chat rules, list menus and some condition fields: an edit of only those
  // would be closed away without a question. The written file holds them all;
  // its scrambled audit block changes on every write and is left out.
  QStringList arquivo;
  XMLDac.DACToXMLStringList(FDac.get(), arquivo);
  bool auditoria = false;
  for (const QString& linha : arquivo) {
    const QString l = linha.trimmed();
    if (l == QLatin1String("<URAHeaderC>")) auditoria = true;
    if (!auditoria) Lista->append(linha);
    if (l == QLatin1String("</URAHeaderC>")) auditoria = false;
  }
}

bool TfrmMain::DacAlterado() const {
  if (!FDac) return false;
  QStringList atual;
  ConteudoDac(&atual);
  return atual != CfgInicialDac;
}

void TfrmMain::TiraSnapshot() {
  ConteudoDac(&CfgInicialDac);
  if (Edicao) Edicao->Salvo();
}

TContextoEditor TfrmMain::Contexto() {
  TContextoEditor c;
  c.Dac = FDac.get();
  c.TipoUraServidor = InfoServidor().TipoUra;
  c.VersaoServidor = InfoServidor().Versao;
  c.OndeUsadoMensagem = [dac = FDac.get()](QWidget* Pai, const QString& Mensagem, bool Chat) {
    MostraOndeUsadoMensagem(Pai, dac, Mensagem, Chat);
  };
  return c;
}

bool TfrmMain::ChecaForm(const QWidget* Janela) const {
  if (!Janela) return false;
  for (const QWidget* w : QApplication::topLevelWidgets())
    if (w == Janela) return true;
  return false;
}

void TfrmMain::SetStatusBar(const QString& Texto) {
  lbStatus->setText(Texto);
  if (ChecaForm(FfrmConectar)) FfrmConectar->SetLabel(Texto);
}

QString TfrmMain::TextoStatus() const { return lbStatus->text(); }

void TfrmMain::MyMessage(const QString& Texto, const QString& Titulo) {
  StrMensagem = Texto;
  StrTitulo = Titulo;
  TimerMensagem.start();
}

void TfrmMain::MostraMensagemPendente() {
  TimerMensagem.stop();
  // Taken before the box: a message that arrives while it is open is kept.
  const QString texto = StrMensagem;
  const QString titulo = StrTitulo;
  StrMensagem.clear();
  StrTitulo.clear();
  MostraMensagem(this, texto, titulo);
}

// ---- Enabling and showing ------------------------------------------------------------

void TfrmMain::DesabilitaMenus() {
  const bool conectado = Sessao->ClientManager->Connected();
  mnuNovo->setEnabled(true);
  mnuAbrir->setEnabled(true);
  mnuAbrirDoServidor->setEnabled(conectado);
  for (QAction* a :
       {mnuSalvar, mnuFechar, mnuSalvarComo, mnuVisualizar, mnuVerificar, mnuSalvarNoServidor, mnuAtivarURA})
    a->setEnabled(false);
  for (QWidget* w :
       std::initializer_list<QWidget*>{edNomeDAC, edDescricaoDAC, cbMenuInicial, cbTipoUra, cbTipoAtendimento,
                                       CheckBoxPriMsgComoOpcao, btCriarMenu, btEditarMenu, btRemoverMenu, ListView1})
    w->setEnabled(false);
  mnuEnviarArquivoAudio->setEnabled(conectado || EhRorIROSonarea());
}

void TfrmMain::HabilitaMenus() {
  const bool conectado = Sessao->ClientManager->Connected();
  mnuConectar->setEnabled(!conectado);
  mnuDesconectar->setEnabled(conectado);
  if (!FDac) {
    DesabilitaMenus();
  } else {
    const bool escrita = FDac->PermissaoW;
    mnuNovo->setEnabled(false);
    mnuAbrir->setEnabled(false);
    mnuAbrirDoServidor->setEnabled(false);
    mnuSalvar->setEnabled(FDac->Local || FDac->Novo);
    for (QAction* a : {mnuFechar, mnuSalvarComo, mnuVisualizar, mnuVerificar}) a->setEnabled(true);
    mnuSalvarNoServidor->setEnabled(conectado && escrita);
    for (QWidget* w :
         std::initializer_list<QWidget*>{edNomeDAC, edDescricaoDAC, cbMenuInicial, cbTipoUra, cbTipoAtendimento,
                                         CheckBoxPriMsgComoOpcao, btCriarMenu, btEditarMenu, btRemoverMenu, ListView1})
      w->setEnabled(true);
    edNomeDAC->setReadOnly(!FDac->Novo);
    mnuAtivarURA->setEnabled(conectado && escrita && !FDac->UraChat());
    mnuEnviarArquivoAudio->setEnabled((conectado && escrita) || EhRorIROSonarea());
    AplicaRegrasTipoUra();
  }
  const bool catalogo = MenuUraInfoAuxiliar.ListaDeMensagens.Count() > 0;
  mnuMensagensAbrir->setEnabled(true);
  mnuMensagensEditar->setEnabled(catalogo);
  mnuMensagensSalvarComo->setEnabled(catalogo);
  mnuMensagensSalvarNoServidor->setEnabled(catalogo && conectado);
  // The list is silver while there is nothing to show.
  QPalette pal = ListView1->palette();
  pal.setColor(QPalette::Base, FDac ? palette().color(QPalette::Active, QPalette::Base) : QColor(192, 192, 192));
  ListView1->setPalette(pal);
  FDica->Atualiza(!FDac);
}

void TfrmMain::AplicaRegrasTipoUra() {
  if (!FDac) return;
  cbTipoUra->setEnabled(FDac->ListaMenus->Count() == 0);
  cbTipoAtendimento->setEnabled(cbTipoUra->currentIndex() == 0);
  CheckBoxPriMsgComoOpcao->setEnabled(cbTipoUra->currentIndex() == 1);
}

void TfrmMain::AtualizaDadosTelaDAC() {
  FAtualizando = true;
  if (FDac) {
    edNomeDAC->setText(FDac->Nome);
    edDescricaoDAC->setText(FDac->Descricao);
    edArquivoUra->setText(!FDac->NomeArquivoLocal.isEmpty() ? FDac->NomeArquivoLocal : FDac->NomeArquivoServidor);
    edCriadoEm->setText(FDac->GetCriadoEmStr());
    edCriadoPor->setText(FDac->CriadoPor);
    edModificadoEm->setText(FDac->GetModificadoEmStr());
    edModificadoPor->setText(FDac->ModificadoPor);
    edAtivadoEm->setText(FDac->GetAtivadoEmStr());
    edAtivadoPor->setText(FDac->AtivadoPor);
    AcertaTipoAtendimento();
    cbTipoUra->setCurrentIndex(FDac->TipoUra == u"chat" ? 1 : FDac->TipoUra == u"chattdd" ? 2 : 0);
    CheckBoxPriMsgComoOpcao->setChecked(FDac->PriMsgEhOpcao);
    AplicaRegrasTipoUra();
  } else {
    for (QLineEdit* e : {edNomeDAC, edDescricaoDAC, edArquivoUra, edCriadoEm, edCriadoPor, edModificadoEm,
                         edModificadoPor, edAtivadoEm, edAtivadoPor})
      e->clear();
    cbTipoUra->setCurrentIndex(-1);
    cbTipoAtendimento->setCurrentIndex(-1);
    CheckBoxPriMsgComoOpcao->setChecked(false);
    CheckBoxPriMsgComoOpcao->setEnabled(false);
  }
  // The activation row is red only while a document shows a stale activation.
  const bool vermelho = FDac && (DataInvalida(FDac->ModificadoEm) || DataInvalida(FDac->AtivadoEm) ||
                                 FDac->ModificadoEm > FDac->AtivadoEm);
  for (QWidget* w : std::initializer_list<QWidget*>{ui->lbAtivadoEm, edAtivadoEm, ui->lbAtivadoPor, edAtivadoPor}) {
    QPalette pal = w->palette();
    const QColor cor = vermelho ? QColor(Qt::red) : palette().color(QPalette::Text);
    pal.setColor(QPalette::WindowText, cor);
    pal.setColor(QPalette::Text, cor);
    w->setPalette(pal);
  }
  FAtualizando = false;
  AtualizaListaMenus();
}

void TfrmMain::AcertaTipoAtendimento() {
  const bool antes = FAtualizando;
  FAtualizando = true;
  int atendimento = cbTipoAtendimento->findText(FDac->TipoAtendimento, Qt::MatchFixedString | Qt::MatchCaseSensitive);
  if (atendimento < 0 && !EhRorIROSonarea()) {
    atendimento = 0;
    FDac->TipoAtendimento = cbTipoAtendimento->itemText(0);
  }
  cbTipoAtendimento->setCurrentIndex(atendimento);
  FAtualizando = antes;
}

void TfrmMain::AtualizaListaMenus() {
  FAtualizando = true;
  const int selecionado = ListView1->currentItem() ? ListView1->indexOfTopLevelItem(ListView1->currentItem()) : -1;
  ListView1->clear();
  cbMenuInicial->clear();
  if (FDac) {
    QList<QTreeWidgetItem*> linhas;
    QStringList nomes;
    const auto& menus = FDac->ListaMenus->Items();
    linhas.reserve(static_cast<qsizetype>(menus.size()));
    for (const auto& m : menus) {
      auto* item = new QTreeWidgetItem({m->Nome, m->Descricao, QString::number(m->ListaCondicoes->Count()),
                                        QString::number(m->ListaOpcoes->Count())});
      item->setTextAlignment(2, Qt::AlignCenter);
      item->setTextAlignment(3, Qt::AlignCenter);
      linhas << item;
      nomes << m->Nome;
    }
    ListView1->addTopLevelItems(linhas);
    cbMenuInicial->addItems(nomes);
    const QString inicial = LowerAscii(FDac->MenuInicial);
    int escolhido = -1;
    for (qsizetype i = 0; i < nomes.size() && escolhido < 0; ++i)
      if (LowerAscii(nomes[i]) == inicial) escolhido = static_cast<int>(i);
    cbMenuInicial->setCurrentIndex(escolhido);
    const QString texto = escolhido >= 0 ? nomes[escolhido] : QString();
    if (texto != FDac->MenuInicial) FDac->MenuInicial = texto;
    if (selecionado >= 0 && selecionado < ListView1->topLevelItemCount())
      ListView1->setCurrentItem(ListView1->topLevelItem(selecionado));
    AplicaRegrasTipoUra();
  }
  FAtualizando = false;
  emit DocumentoAlterado();
}

// ---- Name field keyboard filter --------------------------------------------------------

bool TfrmMain::FiltraTeclaNome(const QString& Texto) const {
  return !Texto.isEmpty() && !TeclaNomeAceita(Texto.at(0), edNomeDAC->text());
}

bool TfrmMain::eventFilter(QObject* Objeto, QEvent* Evento) {
  if (Objeto == edNomeDAC && Evento->type() == QEvent::KeyPress) {
    const auto* tecla = static_cast<QKeyEvent*>(Evento);
    if (FiltraTeclaNome(tecla->text())) return true;
  }
  return QMainWindow::eventFilter(Objeto, Evento);
}

// ---- Opening -------------------------------------------------------------------------

namespace {
// Reads Caminho into a new document; null when it is no URA file, with the
// reason in Motivo when the file could not be taken as text at all (not a
// regular file, not UTF-8): the user must know why nothing was opened.
std::unique_ptr<TDAC> LeDocumento(TXMLDac& Xml, const QString& Caminho, bool Roriro, QString* Motivo) {
  if (!QFileInfo::exists(Caminho)) {
    *Motivo = QStringLiteral("O arquivo não existe: ") + Caminho;
    return nullptr;
  }
  auto dac = std::make_unique<TDAC>();
  // Set before the read: a local-mode file without audit block reads "<ERROR>".
  dac->RORIRO = Roriro;
  TXMLDocument doc;
  if (!Xml.LerXML(doc, dac.get(), Caminho)) {
    if (!doc.ErroSintaxe()) *Motivo = doc.Erro();
    return nullptr;
  }
  return dac;
}
}  // namespace

bool TfrmMain::AbrirArquivoRORIroLocal(const QString& Caminho) {
  QString motivo;
  std::unique_ptr<TDAC> dac = LeDocumento(XMLDac, Caminho, EhRorIROSonarea(), &motivo);
  if (!dac) {
    MostraErro(this, motivo.isEmpty() ? kErroAbrir : kErroAbrir + u'\r' + motivo, QStringLiteral("Abrir arquivo URA"));
    FDac.reset();
    HabilitaMenus();
    AtualizaDadosTelaDAC();
    return false;
  }
  dac->Local = true;
  dac->Novo = false;
  dac->NomeArquivoLocal = Caminho;
  FDac = std::move(dac);
  HabilitaMenus();
  AtualizaDadosTelaDAC();
  TiraSnapshot();
  return true;
}

void TfrmMain::mnuNovoClick() {
  if (FDac) return;
  FDac = std::make_unique<TDAC>();
  FDac->RORIRO = EhRorIROSonarea();
  FDac->VersaoXML = 2;
  // What the header rules store into the document goes in before the
  // snapshot, or a saved new document would still count as changed.
  AcertaTipoAtendimento();
  TiraSnapshot();
  HabilitaMenus();
  edNomeDAC->setFocus();
  emit DocumentoAlterado();
}

void TfrmMain::mnuAbrirClick() {
  if (FDac) return;
  if (EhRorIROSonarea()) {
    TfrmSelecionarUra dlg(true, this);
    dlg.edDiretorio->setText(Ambiente().PastaUsuario);
    dlg.CarregaDACs();
    if (ExecutaDialogo(&dlg) != QDialog::Accepted) return;
    const QString arquivo = dlg.ArquivoSelecionado();
    if (!arquivo.isEmpty()) AbrirArquivoRORIroLocal(JuntaCaminho(dlg.edDiretorio->text(), arquivo));
    return;
  }
  const QString caminho =
      Plataforma().AbrirArquivo(this, QStringLiteral("Abrir arquivo URA"), Ambiente().PastaUsuario, kFiltroXml);
  if (caminho.isEmpty() || !QFileInfo(caminho).isFile()) return;
  // Outside local mode the file's audit fields are the server's.
  if (AbrirArquivoRORIroLocal(caminho)) FDac->RORIRO = false;
}

void TfrmMain::AbreArquivoSolto(const QString& Caminho) {
  if (FDac) {
    mnuFecharClick();
    if (FDac) return;
  }
  if (AbrirArquivoRORIroLocal(Caminho) && !EhRorIROSonarea()) FDac->RORIRO = false;
}

void TfrmMain::mnuAbrirDoServidorClick() {
  if (FDac || !Sessao->ClientManager->Connected()) return;
  Sessao->SendStringListaDeUras();
}

void TfrmMain::AbreSelecaoUra() { TimerAtivaSelUra.start(); }

void TfrmMain::AbreSelecaoServidor() {
  TimerAtivaSelUra.stop();
  QString nome;
  {
    TfrmSelecionarUra dlg(false, this);
    for (const auto& d : Sessao->ListaDACsServidor) dlg.AdicionaDac(d->NomeArquivoServidor, *d);
    if (ExecutaDialogo(&dlg) == QDialog::Accepted) nome = dlg.ArquivoSelecionado();
  }
  Sessao->EscolheUraServidor(nome);
}

void TfrmMain::RecebeDac(std::unique_ptr<TDAC> Dac) {
  FDac = std::move(Dac);
  HabilitaMenus();
  AtualizaDadosTelaDAC();
  TiraSnapshot();
}

// ---- Saving --------------------------------------------------------------------------

bool TfrmMain::ChecaAntesDeSalvar() {
  if (!FDac) return false;
  if (TrimBlanks(FDac->Nome).isEmpty()) {
    MostraErro(this, QStringLiteral("Nome da URA inválido."), kTituloSalvar);
    edNomeDAC->setFocus();
    return false;
  }
  if (FDac->MenuInicial.isEmpty()) {
    MostraErro(this, QStringLiteral("O menu inicial deve ser definido."), kTituloSalvar);
    cbMenuInicial->setFocus();
    return false;
  }
  if (FDac->ListaMenus->Count() == 0) {
    MostraErro(this, QStringLiteral("Não há nenhum menu cadastrado."), kTituloSalvar);
    return false;
  }
  return true;
}

namespace {
// The save dialog, ".xml" appended unless the name already ends so (exact
// case), and the overwrite question. Empty when cancelled; Existia tells
// whether the file was there. AntesDaPergunta runs once a name is chosen.
QString PerguntaArquivoSalvar(QWidget* Pai, const QString& Titulo, const QString& Proposta, bool* Existia,
                              const std::function<void()>& AntesDaPergunta = {}) {
  QString caminho = Plataforma().SalvarArquivo(Pai, Titulo, Proposta, kFiltroXml);
  if (caminho.isEmpty()) return QString();
  if (QFileInfo(caminho).suffix() != u"xml") caminho += QStringLiteral(".xml");
  if (AntesDaPergunta) AntesDaPergunta();
  *Existia = QFileInfo::exists(caminho);
  if (*Existia &&
      !PerguntaSimNao(Pai, QStringLiteral("O arquivo já existe. Deseja sobrescrever?"), QStringLiteral("Salvar XML")))
    return QString();
  return caminho;
}
}  // namespace

QString TfrmMain::EscolheArquivoSalvar(bool PastaUsuario, bool NovoAntesDaPergunta) {
  QString proposta = JuntaCaminho(Ambiente().PastaUsuario, FDac->Nome + QStringLiteral(".xml"));
  if (!PastaUsuario && !FDac->NomeArquivoLocal.isEmpty()) proposta = FDac->NomeArquivoLocal;
  bool existia = false;
  const QString caminho = PerguntaArquivoSalvar(this, QStringLiteral("Salvar arquivo URA"), proposta, &existia, [&] {
    if (NovoAntesDaPergunta) FDac->Novo = true;
  });
  if (!caminho.isEmpty()) FDac->Novo = !existia;
  return caminho;
}

void TfrmMain::GravaDacLocal(const QString& Caminho) {
  QString erro;
  if (!SalvaDAC(FDac.get(), Caminho, Ambiente().NomeUsuario, DataHora(Plataforma().Agora()), &erro))
    throw EInOutError(erro.isEmpty() ? Caminho : erro);
  FDac->Local = true;
  FDac->NomeArquivoLocal = Caminho;
  edArquivoUra->setText(Caminho);
  AtualizaDadosTelaDAC();
  TiraSnapshot();
  HabilitaMenus();
  if (EhRorIROSonarea()) Sessao->ConectaNoRORIROSonarea();
}

void TfrmMain::mnuSalvarComoClick() {
  if (!ChecaAntesDeSalvar()) return;
  const QString caminho = EscolheArquivoSalvar(EhRorIROSonarea());
  if (!caminho.isEmpty()) GravaDacLocal(caminho);
}

void TfrmMain::mnuSalvarClick() {
  if (!ChecaAntesDeSalvar()) return;
  QString caminho = FDac->NomeArquivoLocal;
  if (!caminho.isEmpty()) {
    FDac->Novo = false;
  } else {
    // Without a file of its own the document counts as new even when the
    // overwrite question is then answered No.
    caminho = EscolheArquivoSalvar(true, true);
    if (caminho.isEmpty()) return;
  }
  GravaDacLocal(caminho);
}

std::vector<TAchado> TfrmMain::VerificaDac() const {
  if (!FDac) return {};
  // The catalogue when there is one; the server's audio files once logged in.
  const auto& catalogo = MenuUraInfoAuxiliar.ListaDeMensagens;
  if (catalogo.Count() == 0) return VerificaURA(*FDac);
  if (!Sessao->ClientManager->Logged || EhRorIROSonarea()) return VerificaURA(*FDac, &catalogo);
  const QStringList presentes = ArquivosPresentes(catalogo);
  return VerificaURA(*FDac, &catalogo, &presentes);
}

bool TfrmMain::ConfirmaVerificacao() {
  const int erros = ContaErros(VerificaDac());
  if (erros == 0) return true;
  return PerguntaSimNao(this, QStringLiteral("A URA tem %1 erro(s). Deseja continuar assim mesmo?").arg(erros),
                        QStringLiteral("Verificar URA"));
}

// The server keeps the file in the 8-bit code page: a character it lacks (an
// emoji that a file of local mode holds) would come back as "?", so the user
// is told which before anything goes.
bool TfrmMain::ConfirmaCaracteresDoServidor() {
  QStringList linhas;
  XMLDac.DACToXMLStringList(FDac.get(), linhas);
  QString perdidos;
  for (const QString& l : linhas) AcrescentaForaDaPagina(perdidos, l);
  if (perdidos.isEmpty()) return true;
  return PerguntaSimNao(
      this,
      QStringLiteral(
          "O servidor não guarda os caracteres %1, que serão gravados como \"?\". Deseja salvar assim mesmo?")
          .arg(perdidos),
      QStringLiteral("Salvar no servidor"));
}

void TfrmMain::mnuSalvarNoServidorClick() {
  if (!ChecaAntesDeSalvar() || !ConfirmaVerificacao() || !ConfirmaCaracteresDoServidor()) return;
  if (FDac->NomeArquivoServidor.isEmpty()) FDac->NomeArquivoServidor = FDac->Nome + QStringLiteral(".xml");
  Sessao->SalvarNoServidor();
}

void TfrmMain::mnuAtivarURAClick() {
  if (!FDac) return;
  if (DacAlterado()) {
    MostraInformacao(this, kAlteradaAtivar, QStringLiteral("Ativar"));
    return;
  }
  if (!ConfirmaVerificacao()) return;
  if (FDac->NomeArquivoServidor.isEmpty()) FDac->NomeArquivoServidor = FDac->Nome + QStringLiteral(".xml");
  Sessao->AtivarUra();
}

// ---- Closing -------------------------------------------------------------------------

void TfrmMain::FechaDocumento() {
  FDac.reset();
  CfgInicialDac.clear();
  HabilitaMenus();
  AtualizaDadosTelaDAC();
}

void TfrmMain::mnuFecharClick() {
  if (!FDac) return;
  if (!DacAlterado()) {
    FechaDocumento();
    return;
  }
  const TResposta r = PerguntaSimNaoCancelar(this, QStringLiteral("Salvar o arquivo atual?"), QStringLiteral("Salvar"));
  if (r == TResposta::Cancelar) return;
  if (r == TResposta::Sim) {
    QStringList antes;
    ConteudoDac(&antes);
    if (FDac->Novo)
      mnuSalvarComoClick();
    else if (FDac->Servidor && Sessao->ClientManager->Connected())
      mnuSalvarNoServidorClick();
    else
      mnuSalvarClick();
    // Saved only when the snapshot now holds what was there before the save.
    if (!FDac || CfgInicialDac != antes) return;
  }
  FechaDocumento();
}

void TfrmMain::closeEvent(QCloseEvent* Evento) {
  if (FDac && DacAlterado()) {
    MostraInformacao(this,
                     EhRorIROSonarea()
                         ? QStringLiteral("A Ura foi alterada. Selecione \"Salvar\" ou \"Fechar\" antes de encerrar.")
                         : QStringLiteral("A Ura foi alterada. Selecione \"Salvar no servidor\" antes de encerrar."),
                     QStringLiteral("Fechar"));
    Evento->ignore();
    return;
  }
  Sessao->ListaDACsServidor.clear();
  if (Sessao->ClientManager->Connected()) Sessao->ClientManager->Disconnect();
  if (Sessao->CMRORIROSonarea->Connected()) Sessao->CMRORIROSonarea->Disconnect();
  FDac.reset();
  CfgInicialDac.clear();
  SalvaConfiguracao();
  Evento->accept();
}

// ---- Connection ----------------------------------------------------------------------

void TfrmMain::mnuConectarClick() {
  mnuFecharClick();
  if (FDac) return;
  TfrmConectar dlg(this);
  dlg.LeConfiguracaoConexao();
  dlg.Desconectar = [this] { mnuDesconectarClick(); };
  dlg.Conectar = [this](const TCfgConexao& Cfg) {
    Sessao->CfgConexao = Cfg;
    Sessao->Conectar();
  };
  FfrmConectar = &dlg;
  ExecutaDialogo(&dlg);
  FfrmConectar = nullptr;
}

void TfrmMain::mnuDesconectarClick() {
  if (FDac && DacAlterado()) {
    MostraInformacao(this, kAlteradaAtivar, QStringLiteral("Ativar"));
    throw EAbort();
  }
  mnuFecharClick();
  if (FDac) return;
  if (Sessao->ClientManager->Connected() || Sessao->ClientManager->Connecting()) Sessao->Desconectar();
  HabilitaMenus();
}

void TfrmMain::MostraInfoConexao(const QString& Texto) {
  if (ChecaForm(FfrmConectar)) FfrmConectar->SetLabel(Texto);
}

void TfrmMain::HabilitaBotoesConexao() {
  if (ChecaForm(FfrmConectar)) FfrmConectar->HabilitaBotoes(true);
}

void TfrmMain::FechaFormLogin() {
  if (!ChecaForm(FfrmConectar)) return;
  FfrmConectar->hide();
  FfrmConectar->accept();
}

void TfrmMain::MensagemImediata(const QString& Texto, const QString& Titulo, bool Erro) {
  if (Erro)
    MostraErro(this, Texto, Titulo);
  else
    MostraMensagem(this, Texto, Titulo);
}

void TfrmMain::CursorOcupado(bool Ocupado) { Plataforma().CursorOcupado(Ocupado); }

void TfrmMain::MostraVersaoServidor(const QString& Versao) {
  FVersaoServidor = Versao;
  mnuVersaoServidor->setText(QStringLiteral("Versão do Servidor: ") + Versao);
  mnuVersaoServidor->setVisible(true);
  mnuVersao->setText(QStringLiteral("Versão do Configurador: ") + kVersaoPrograma);
}

// ---- Menus of the document -------------------------------------------------------------

namespace {
int LinhaSelecionada(const QTreeWidget* Lista) {
  QTreeWidgetItem* item = Lista->currentItem();
  return item && item->isSelected() ? Lista->indexOfTopLevelItem(item) : -1;
}
}  // namespace

void TfrmMain::btCriarMenuClick() {
  if (!FDac) return;
  if (!cbTipoUra->isHidden() && cbTipoUra->isEnabled()) {
    if (cbTipoUra->currentIndex() < 0) {
      MostraInformacao(this, QStringLiteral("O Tipo de URA deve ser definido antes de criar um menu."),
                       QStringLiteral("Fechar"));
      throw EAbort();
    }
    if (!PerguntaSimNao(
            this, QStringLiteral("Após a criação de menu o Tipo de URA não poderá ser alterado. Deseja continuar?"),
            QStringLiteral("Abrir mensagens XML")))
      return;
  }
  std::unique_ptr<TMenuUra> novo = CriaMenuNoEditor(this, Contexto(), FDac->ListaMenus.get());
  if (!novo) return;
  Edicao->CriaMenu(std::move(novo));
  ListView1->setCurrentItem(ListView1->topLevelItem(ListView1->topLevelItemCount() - 1));
}

bool TfrmMain::EditaMenu(int Indice) {
  if (!FDac) return false;
  TMenuUra* menu = FDac->ListaMenus->GetItem(Indice);
  if (!menu) return false;
  if (!Edicao->EditaMenu(Indice)) return false;
  ListView1->setCurrentItem(ListView1->topLevelItem(Indice));
  return true;
}

void TfrmMain::btEditarMenuClick() {
  if (!FDac) return;
  const int linha = LinhaSelecionada(ListView1);
  if (linha < 0) {
    MostraMensagem(this, QStringLiteral("Selecione um menu para editar"), QStringLiteral("Editar menu"));
    return;
  }
  EditaMenu(linha);
}

void TfrmMain::btRemoverMenuClick() {
  if (!FDac) return;
  const int linha = LinhaSelecionada(ListView1);
  if (linha < 0) {
    MostraMensagem(this, QStringLiteral("Selecione um menu para remover"), QStringLiteral("Editar menu"));
    return;
  }
  TMenuUra* menu = FDac->ListaMenus->GetItem(linha);
  if (!menu) return;
  const QString titulo = QStringLiteral("Remover menu");
  if (menu->Nome == FDac->MenuInicial) {
    MostraMensagem(this, QStringLiteral("O menu selecionado não pode ser removido por ser o menu inicial da URA."),
                   titulo);
    return;
  }
  if (FDac->ListaMenus->SearchMenuAcao(QStringLiteral("VAIPARA"), menu->Nome)) {
    MostraMensagem(
        this,
        QStringLiteral(
            "O menu selecionado não pode ser removido porque há uma ação em outro menu que encaminha para este."),
        titulo);
    return;
  }
  if (!PerguntaSimNao(this, QStringLiteral("Tem certeza que deseja remover este menu?"), titulo)) return;
  Edicao->RemoveMenu(linha);
}

// ---- Report and check ----------------------------------------------------------------

void TfrmMain::mnuVisualizarClick() {
  if (!FDac) return;
  const QString caminho = CaminhoRelatorio(Ambiente().PastaTemporaria, FDac->Nome);
  QString erro;
  if (!GravaHTML(*FDac, EhRorIROSonarea(), Plataforma().Agora(), caminho, &erro))
    throw EInOutError(erro.isEmpty() ? caminho : erro);
  Plataforma().AbrirComPrograma(caminho);
}

void TfrmMain::mnuVerificarClick() {
  if (!FDac) return;
  TfrmVerificarUra dlg(this);
  dlg.Verifica = [this] { return VerificaDac(); };
  dlg.AbreMenu = [this](int Indice) { return EditaMenu(Indice); };
  dlg.Atualiza();
  ExecutaDialogo(&dlg);
}

// ---- Message catalogue ---------------------------------------------------------------

void TfrmMain::MostraArquivoMensagens() {
  if (FDac && FDac->ArquivoMensagensServidor.isEmpty()) edArquivoMensagens->setText(FArquivoMensagensAberto);
}

void TfrmMain::mnuMensagensAbrirClick() {
  const QString titulo = QStringLiteral("Abrir mensagens XML");
  if (MenuUraInfoAuxiliar.ListaDeMensagens.Count() > 0 &&
      !PerguntaSimNao(this, QStringLiteral("O arquivo será mesclado com a lista atual. Deseja continuar?"), titulo))
    return;
  const QString caminho = Plataforma().AbrirArquivo(this, titulo, Ambiente().PastaUsuario, kFiltroXml);
  if (caminho.isEmpty() || !QFileInfo(caminho).isFile()) return;
  TXMLDocument doc;
  if (!XMLDac.LerXMLMensagens(doc, FDac.get(), caminho)) {
    MostraErro(this, kErroAbrir, titulo);
    return;
  }
  FArquivoMensagensAberto = caminho;
  if (FDac) {
    FDac->ArquivoMensagensLocal = caminho;
    MostraArquivoMensagens();
  }
  HabilitaMenus();
  if (MenuUraInfoAuxiliar.ListaDeMensagens.Count() > 0) mnuMensagensEditarClick();
}

void TfrmMain::mnuMensagensEditarClick() {
  if (EditaCatalogo(this, Contexto())) GuardaCatalogo();
}

void TfrmMain::GuardaCatalogo() {
  if (EhRorIROSonarea()) {
    QStringList linhas;
    MensagensToXMLStringList(false, linhas);
    QDir().mkpath(dirArquivosMensagens);
    QString erro;
    if (!SalvaLinhas(linhas, nomeArquivoMensagensRORIRO, &erro))
      throw EInOutError(erro.isEmpty() ? nomeArquivoMensagensRORIRO : erro);
    MarcaArquivosDaPasta(MenuUraInfoAuxiliar.ListaDeMensagens, dirArquivosMensagens);
  } else {
    Sessao->EnviaXmlMensagensParaServidor(QString());
  }
  HabilitaMenus();
}

void TfrmMain::mnuMensagensSalvarComoClick() {
  bool existia = false;
  const QString caminho =
      PerguntaArquivoSalvar(this, QStringLiteral("Salvar mensagens XML"),
                            JuntaCaminho(Ambiente().PastaUsuario, QStringLiteral("mensagens.xml")), &existia);
  if (caminho.isEmpty()) return;
  QStringList linhas;
  MensagensToXMLStringList(false, linhas);
  QString erro;
  if (!SalvaLinhas(linhas, caminho, &erro)) throw EInOutError(erro.isEmpty() ? caminho : erro);
}

void TfrmMain::mnuMensagensSalvarNoServidorClick() {
  if (!PerguntaSimNao(this, QStringLiteral("Salvar lista de mensagens no servidor?"),
                      QStringLiteral("Salvar mensagens XML")))
    return;
  TCursorOcupado ocupado;
  Sessao->EnviaXmlMensagensParaServidor(QString());
}

// ---- Audio -----------------------------------------------------------------------------

void TfrmMain::mnuEnviarArquivoAudioClick() {
  if (AbreEnvioAudio(this, Contexto(), Sessao.get(), dirArquivosMensagens)) GuardaCatalogo();
}

void TfrmMain::ProximoBlocoAudio() { AudioProximoBloco(); }

void TfrmMain::AudioOcioso() { AudioVoltaOcioso(); }

// ---- Drag and drop -------------------------------------------------------------------

namespace {
QString ArquivoUraSolto(const QMimeData* Dados) {
  if (!Dados || !Dados->hasUrls() || Dados->urls().size() != 1) return QString();
  const QUrl url = Dados->urls().first();
  if (!url.isLocalFile()) return QString();
  const QString caminho = url.toLocalFile();
  return caminho.toLower().endsWith(QStringLiteral(".xml")) && QFileInfo(caminho).isFile() ? caminho : QString();
}
}  // namespace

void TfrmMain::dragEnterEvent(QDragEnterEvent* Evento) {
  if (!ArquivoUraSolto(Evento->mimeData()).isEmpty()) Evento->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* Evento) {
  const QString caminho = ArquivoUraSolto(Evento->mimeData());
  if (caminho.isEmpty()) return;
  Evento->acceptProposedAction();
  ExecutaComando(this, [this, caminho] { AbreArquivoSolto(caminho); });
}
