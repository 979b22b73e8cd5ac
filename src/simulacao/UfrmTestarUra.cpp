#include "UfrmTestarUra.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "UTMenuUra.h"
#include "ambiente.h"
#include "configuracao.h"
#include "erros.h"
#include "plataforma.h"
#include "posicao.h"
#include "ui_UfrmTestarUra.h"
#include "wave.h"

namespace {

const QString kSecao = QStringLiteral("TelaTestarUra");
const QString kTitulo = QStringLiteral("Salvar como cenário");
constexpr int kLarguraPasso[] = {70, 90, 120, 400};

// The colours of the conversation: what the URA says, what the caller says,
// and notes on where the call is.
const QColor kCorUra(0xE3, 0xEE, 0xFA);
const QColor kCorChamador(0xDC, 0xF5, 0xDC);
const QColor kCorNota(0xF2, 0xF2, 0xF2);

qint64 DuracaoWave(const QString& Caminho) {
  QFile f(Caminho);
  TFormatoWave formato;
  if (!f.open(QIODevice::ReadOnly) || !GetMyWaveFormatHeader(f, formato)) return 0;
  return formato.Duracao;
}

bool Aguarda(const TResultadoSimulacao& R) { return R.Fim.Motivo == MotivoFim::SemEntradas; }

}  // namespace

TfrmTestarUra::TfrmTestarUra(std::function<TDAC*()> Documento, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmTestarUra>()), FDocumento(std::move(Documento)) {
  ui->setupUi(this);
  setModal(false);
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
  ui->dtQuando->setDateTime(Plataforma().Agora());
  ui->tbVariaveis->horizontalHeader()->setStretchLastSection(true);
  ui->lvPassos->header()->setStretchLastSection(true);
  ui->edChat->installEventFilter(this);
  ui->lbEstado->installEventFilter(this);
  ui->pnRespostasLista->hide();

  for (QPushButton* b :
       {ui->btTecla0, ui->btTecla1, ui->btTecla2, ui->btTecla3, ui->btTecla4, ui->btTecla5, ui->btTecla6, ui->btTecla7,
        ui->btTecla8, ui->btTecla9, ui->btTeclaAsterisco, ui->btTeclaSustenido})
    connect(b, &QPushButton::clicked, this, [this, b] { Tecla(b->text().at(0)); });
  connect(ui->btEnviar, &QPushButton::clicked, this, [this] { EnviaTexto(ui->edChat->text()); });
  connect(ui->btSemResposta, &QPushButton::clicked, this, &TfrmTestarUra::SemResposta);
  connect(ui->btReiniciar, &QPushButton::clicked, this, &TfrmTestarUra::Reiniciar);
  connect(ui->btFechar, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui->btSalvarCenario, &QPushButton::clicked, this,
          [this] { ExecutaComando(this, [this] { SalvaCenario(); }); });
  connect(ui->btAdicionarVariavel, &QPushButton::clicked, this, &TfrmTestarUra::AdicionaVariavel);
  connect(ui->edValorVariavel, &QLineEdit::returnPressed, this, &TfrmTestarUra::AdicionaVariavel);
  connect(ui->btRemoverVariavel, &QPushButton::clicked, this, [this] {
    const int linha = ui->tbVariaveis->currentRow();
    if (linha < 0) return;
    ui->tbVariaveis->removeRow(linha);
    Atualiza();
  });
  connect(ui->tbVariaveis, &QTableWidget::itemChanged, this, [this] {
    if (!FPreenchendo) Atualiza();
  });
  connect(ui->dtQuando, &QDateTimeEdit::dateTimeChanged, this, &TfrmTestarUra::Atualiza);
  connect(ui->ckFeriado, &QCheckBox::toggled, this, &TfrmTestarUra::Atualiza);
  connect(ui->lvPassos, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* Item) {
    const int menu = Item->data(0, Qt::UserRole).toInt();
    if (menu >= 0) emit AbrirMenu(menu);
  });
  FTimerAudio.setInterval(100);
  connect(&FTimerAudio, &QTimer::timeout, this, &TfrmTestarUra::VerificaAudio);

  const TConfiguracao cfg(kSecao);
  LePosicao(this, cfg, TModoPosicao::PosicaoTamanho);
  // The first time, beside the window it was opened from.
  if (!cfg.Existe(QStringLiteral("Left")) && parentWidget()) {
    const QRect pai = parentWidget()->frameGeometry();
    move(AcertaLeft(pai.right() + 1, width()), AcertaTop(pai.top(), height()));
  }
  for (int i = 0; i < 4; ++i)
    ui->lvPassos->setColumnWidth(i, cfg.LeInteiro(QStringLiteral("Coluna%1").arg(i), kLarguraPasso[i]));
  Atualiza();
}

TfrmTestarUra::~TfrmTestarUra() = default;

void TfrmTestarUra::done(int Resultado) {
  ParaAudio();
  TConfiguracao cfg(kSecao);
  GravaPosicao(this, cfg, TModoPosicao::PosicaoTamanho);
  for (int i = 0; i < 4; ++i) cfg.GravaInteiro(QStringLiteral("Coluna%1").arg(i), ui->lvPassos->columnWidth(i));
  emit CaminhoSimulado({});
  QDialog::done(Resultado);
}

bool TfrmTestarUra::eventFilter(QObject* Objeto, QEvent* Evento) {
  // Enter in the chat line sends the answer instead of closing the window.
  if (Objeto == ui->edChat && Evento->type() == QEvent::KeyPress) {
    const int tecla = static_cast<QKeyEvent*>(Evento)->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
      EnviaTexto(ui->edChat->text());
      return true;
    }
  }
  if (Objeto == ui->lbEstado && Evento->type() == QEvent::Resize) AjustaAlturaEstado();
  return QDialog::eventFilter(Objeto, Evento);
}

// The splitter does not pass a wrapped label's height for its width up to
// the window, so a long state line took its second line from the keypad.
// Asking for that height as a minimum makes the window grow instead.
void TfrmTestarUra::MostraEstado(const QString& Texto) {
  ui->lbEstado->setText(Texto);
  AjustaAlturaEstado();
}

void TfrmTestarUra::AjustaAlturaEstado() {
  QLabel* l = ui->lbEstado;
  const int antes = l->minimumHeight();
  l->setMinimumHeight(0);  // the label's height for a width counts its minimum in
  const int altura = l->heightForWidth(l->width());
  l->setMinimumHeight(altura > 0 ? altura : antes);
}

void TfrmTestarUra::DocumentoAlterado() { Atualiza(); }

// ---- The caller's moves --------------------------------------------------------------

void TfrmTestarUra::Tecla(QChar Tecla) {
  if (!Aguarda(FResultado) || FChat) return;
  FTeclas += Tecla;
  Roda(true);
}

void TfrmTestarUra::EnviaTexto(const QString& Texto) {
  if (Texto.isEmpty()) return;
  ui->edChat->clear();
  Responde(Texto);
}

void TfrmTestarUra::SemResposta() {
  // Keys typed so far end when no more come in time.
  if (!FTeclas.isEmpty()) {
    FRespostas.push_back(FTeclas);
    FTeclas.clear();
    Roda(true);
    return;
  }
  Responde(std::nullopt);
}

void TfrmTestarUra::Responde(const std::optional<QString>& Resposta) {
  if (!Aguarda(FResultado)) return;
  FRespostas.push_back(Resposta);
  Roda(true);
}

void TfrmTestarUra::Reiniciar() {
  ParaAudio();
  FRespostas.clear();
  FTeclas.clear();
  FResultado = TResultadoSimulacao();
  emit CaminhoSimulado({});
  Roda(true);
}

void TfrmTestarUra::Atualiza() { Roda(false); }

TCenario TfrmTestarUra::Cenario() const {
  TCenario c;
  c.Quando = ui->dtQuando->dateTime();
  c.Feriado = ui->ckFeriado->isChecked();
  for (int i = 0; i < ui->tbVariaveis->rowCount(); ++i) {
    const QTableWidgetItem* nome = ui->tbVariaveis->item(i, 0);
    const QTableWidgetItem* valor = ui->tbVariaveis->item(i, 1);
    if (nome && !nome->text().trimmed().isEmpty())
      c.Variaveis.insert(nome->text().trimmed(), valor ? valor->text() : QString());
  }
  c.Entradas = FRespostas;
  if (const TDAC* dac = FDocumento ? FDocumento() : nullptr) c.ServicoLocal = dac->RORIRO;
  c.Nome = ui->edNomeCenario->text().trimmed();
  if (c.Nome.isEmpty()) {
    QStringList respostas;
    for (const auto& r : FRespostas) respostas << (r ? *r : QStringLiteral("sem resposta"));
    c.Nome = QStringLiteral("Chamada de ") + TextoDataHoraCenario(c.Quando) +
             (respostas.isEmpty() ? QString() : QStringLiteral(": ") + respostas.join(QStringLiteral(", ")));
  }
  return c;
}

// ---- Running and showing ------------------------------------------------------------

void TfrmTestarUra::Roda(bool Toca) {
  const TDAC* dac = FDocumento ? FDocumento() : nullptr;
  const qsizetype antes = FResultado.Mensagens.size();
  if (!dac) {
    ParaAudio();
    FResultado = TResultadoSimulacao();
    FTeclas.clear();
    ui->lvConversa->clear();
    ui->lvPassos->clear();
    MostraEstado(QStringLiteral("Nenhuma URA aberta."));
    ui->lbTeclas->clear();
    ui->pgEntrada->setEnabled(false);
    ui->btSemResposta->setEnabled(false);
    ui->btSalvarCenario->setEnabled(false);
    ui->pnRespostasLista->hide();
    emit CaminhoSimulado({});
    return;
  }
  TCenario c = Cenario();
  if (!FTeclas.isEmpty()) {
    c.Entradas.push_back(FTeclas);
    c.UltimaIncompleta = true;
  }
  FResultado = TSimulacao(*dac).Executa(c);
  // Keys that chose something (or nothing possible) make a whole answer.
  if (!FTeclas.isEmpty() && !FResultado.AguardaMaisTeclas) {
    FRespostas.push_back(FTeclas);
    FTeclas.clear();
  }
  FChat = dac->UraChat();
  OfereceVariaveis(dac);
  MostraConversa();
  MostraPassos();
  MostraEntrada(dac);
  if (Toca && !FChat) TocaNovas(FResultado.Mensagens.mid(antes));
  emit CaminhoSimulado(FResultado.Menus);
}

QListWidgetItem* TfrmTestarUra::Fala(const QString& Texto, Qt::Alignment Lado, const QColor& Fundo) {
  auto* item = new QListWidgetItem(Texto, ui->lvConversa);
  item->setTextAlignment(Lado | Qt::AlignVCenter);
  item->setBackground(Fundo);
  return item;
}

void TfrmTestarUra::MostraConversa() {
  ui->lvConversa->clear();
  const TMUListaDescricaoMensagem& catalogo = MenuUraInfoAuxiliar.ListaDeMensagens;
  const TPasso* pendente =
      FResultado.AguardaMaisTeclas && FResultado.Passos.size() >= 2 ? &FResultado.Passos.end()[-2] : nullptr;
  for (const TPasso& p : FResultado.Passos) {
    switch (p.Tipo) {
      case TTipoPasso::Menu:
        Fala(QStringLiteral("— ") + p.Menu + QStringLiteral(" —"), Qt::AlignHCenter, kCorNota);
        break;
      case TTipoPasso::Mensagem:
        for (const QString& m : p.Mensagens) {
          if (FChat) {
            Fala(QString(m).replace(QStringLiteral("↩ "), QStringLiteral("\n")), Qt::AlignLeft, kCorUra);
            continue;
          }
          const QString descricao = catalogo.GetDescricao(m);
          const bool temArquivo = LocalizaAudio && !LocalizaAudio(m).isEmpty();
          Fala(QStringLiteral("♪ ") + m + (descricao.isEmpty() ? QString() : QStringLiteral(" — ") + descricao) +
                   (temArquivo ? QString() : QStringLiteral(" (áudio não encontrado)")),
               Qt::AlignLeft, kCorUra);
        }
        break;
      case TTipoPasso::Resposta:
        // Keys still being typed end in "…".
        Fala((FChat ? QString() : QStringLiteral("☎ ")) + p.Resposta +
                 (&p == pendente ? QStringLiteral("…") : QString()),
             Qt::AlignRight, kCorChamador);
        break;
      case TTipoPasso::Timeout:
        if (p.Texto.startsWith(QStringLiteral("Sem resposta")))
          Fala(QStringLiteral("(sem resposta)"), Qt::AlignRight, kCorChamador);
        Fala(p.Texto, Qt::AlignHCenter, kCorNota);
        break;
      case TTipoPasso::Invalida: Fala(p.Texto, Qt::AlignHCenter, kCorNota); break;
      case TTipoPasso::Acao:
        if (p.Texto.startsWith(QStringLiteral("Fala")) || p.Texto.startsWith(QStringLiteral("Mídia")))
          Fala(QStringLiteral("♪ ") + p.Texto, Qt::AlignLeft, kCorUra);
        break;
      case TTipoPasso::Fim:
        if (!Aguarda(FResultado)) {
          QListWidgetItem* fim = Fala(QStringLiteral("Fim: ") + FResultado.Fim.Texto, Qt::AlignHCenter, kCorNota);
          QFont negrito = fim->font();
          negrito.setBold(true);
          fim->setFont(negrito);
        }
        break;
      default: break;
    }
  }
  ui->lvConversa->scrollToBottom();
}

void TfrmTestarUra::MostraPassos() {
  ui->lvPassos->clear();
  QList<QTreeWidgetItem*> linhas;
  for (const TPasso& p : FResultado.Passos) {
    auto* item = new QTreeWidgetItem({CodigoTipoPasso(p.Tipo), p.Menu, p.Secao, p.Texto});
    item->setData(0, Qt::UserRole, p.IndiceMenu);
    item->setToolTip(3, p.Texto);
    linhas << item;
  }
  ui->lvPassos->addTopLevelItems(linhas);
  ui->lvPassos->scrollToBottom();
}

void TfrmTestarUra::MostraEntrada(const TDAC* Dac) {
  const bool aguarda = Aguarda(FResultado);
  ui->pgEntrada->setCurrentWidget(FChat ? ui->pgChat : ui->pgTeclado);
  ui->pgEntrada->setEnabled(aguarda);
  ui->btSemResposta->setEnabled(aguarda);
  ui->btSalvarCenario->setEnabled(true);
  ui->lbTeclas->setText(FTeclas.isEmpty() ? QString() : QStringLiteral("Teclas: ") + FTeclas);
  const TFimSimulacao& fim = FResultado.Fim;
  if (FResultado.AguardaMaisTeclas)
    MostraEstado(QStringLiteral("Digitando em ") + fim.Menu +
                 QStringLiteral(": tecle mais ou \"Sem resposta\" para terminar a digitação."));
  else if (aguarda)
    MostraEstado(QStringLiteral("Aguardando a resposta em ") + fim.Menu + u'.');
  else
    MostraEstado(QStringLiteral("Chamada encerrada: ") + fim.Texto);
  MostraRespostasLista(Dac);
}

// The answers of a chat list menu as buttons, while the call awaits one.
void TfrmTestarUra::MostraRespostasLista(const TDAC* Dac) {
  // The button clicked may be one of them: it goes once its signal is over.
  for (const QPointer<QPushButton>& b : FBotoesLista)
    if (b) {
      ui->pnRespostasLista->layout()->removeWidget(b);
      b->hide();
      b->deleteLater();
    }
  FBotoesLista.clear();
  const TMenuUra* menu = Dac->ListaMenus->GetItem(FResultado.Fim.IndiceMenu);
  const bool mostra = FChat && Aguarda(FResultado) && !FResultado.AguardaMaisTeclas && menu &&
                      Dac->TipoUra != u"chattdd" && !menu->GetTipoMenuOpcoesWA().isEmpty() &&
                      menu->MenuOpcoesWA->ListaItensMenuOpcao->Count() > 0;
  ui->pnRespostasLista->setVisible(mostra);
  if (!mostra) return;
  for (const auto& item : menu->MenuOpcoesWA->ListaItensMenuOpcao->Items()) {
    const QString titulo = item->Titulo->GetStrMensagem();
    auto* b = new QPushButton(titulo.isEmpty() ? item->Resposta : titulo, ui->pnRespostasLista);
    b->setAutoDefault(false);
    b->setToolTip(QStringLiteral("Responde \"") + item->Resposta + u'"');
    const QString resposta = item->Resposta;
    connect(b, &QPushButton::clicked, this, [this, resposta] { EnviaTexto(resposta); });
    ui->pnRespostasLista->layout()->addWidget(b);
    FBotoesLista.emplace_back(b);
  }
}

// ---- Variables ---------------------------------------------------------------------------

void TfrmTestarUra::AdicionaVariavel() {
  const QString nome = ui->cbVariavel->currentText().trimmed();
  if (nome.isEmpty()) return;
  FPreenchendo = true;
  int linha = 0;
  while (linha < ui->tbVariaveis->rowCount() && ui->tbVariaveis->item(linha, 0)->text() != nome) ++linha;
  if (linha == ui->tbVariaveis->rowCount()) {
    ui->tbVariaveis->insertRow(linha);
    ui->tbVariaveis->setItem(linha, 0, new QTableWidgetItem(nome));
  }
  ui->tbVariaveis->setItem(linha, 1, new QTableWidgetItem(ui->edValorVariavel->text()));
  FPreenchendo = false;
  ui->edValorVariavel->clear();
  Atualiza();
}

void TfrmTestarUra::OfereceVariaveis(const TDAC* Dac) {
  QStringList nomes = VariaveisDoDocumento(*Dac);
  for (const QString& n : MenuUraInfoAuxiliar.ListaDeVariaveis.Lista())
    if (!nomes.contains(n)) nomes << n;
  nomes.sort(Qt::CaseInsensitive);
  QStringList atuais;
  for (int i = 0; i < ui->cbVariavel->count(); ++i) atuais << ui->cbVariavel->itemText(i);
  if (atuais == nomes) return;
  const QString texto = ui->cbVariavel->currentText();
  ui->cbVariavel->clear();
  ui->cbVariavel->addItems(nomes);
  ui->cbVariavel->setCurrentText(texto);
}

// ---- Scenario ----------------------------------------------------------------------------

bool TfrmTestarUra::SalvaCenario() {
  const TDAC* dac = FDocumento ? FDocumento() : nullptr;
  if (!dac) return false;
  TConfiguracao cfg(kSecao);
  QString padrao = cfg.LeTexto(QStringLiteral("ArquivoCenarios"));
  if (padrao.isEmpty()) {
    const QString pasta =
        dac->NomeArquivoLocal.isEmpty() ? Ambiente().PastaUsuario : QFileInfo(dac->NomeArquivoLocal).absolutePath();
    padrao = QDir(pasta).filePath(QStringLiteral("cenarios.json"));
  }
  QString arquivo = Plataforma().SalvarArquivo(this, kTitulo, padrao, QStringLiteral("Cenários (*.json);;Todos (*)"));
  if (arquivo.isEmpty()) return false;
  if (!arquivo.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)) arquivo += QStringLiteral(".json");
  // The call as it stands: answers given, without keys still being typed.
  TCenario c = Cenario();
  c.Espera = EsperaDoFim(TSimulacao(*dac).Executa(c));
  QString erro;
  if (!AcrescentaCenario(arquivo, c, &erro)) {
    MostraErro(this,
               QStringLiteral("Não foi possível acrescentar o cenário a ") + arquivo + QStringLiteral(": ") + erro,
               kTitulo);
    return false;
  }
  cfg.GravaTexto(QStringLiteral("ArquivoCenarios"), arquivo);
  MostraInformacao(this, QStringLiteral("Cenário \"") + c.Nome + QStringLiteral("\" acrescentado a ") + arquivo + u'.',
                   kTitulo);
  return true;
}

// ---- Audio ---------------------------------------------------------------------------------

// New voice messages interrupt what is playing, as a caller's key does.
void TfrmTestarUra::TocaNovas(const QStringList& Mensagens) {
  ParaAudio();
  if (!LocalizaAudio) return;
  for (const QString& m : Mensagens) {
    const QString arquivo = LocalizaAudio(m);
    if (!arquivo.isEmpty()) FFila << arquivo;
  }
  ProximoAudio();
}

void TfrmTestarUra::ProximoAudio() {
  while (!FFila.isEmpty()) {
    if (!FDispositivo && FabricaDispositivo) FDispositivo = FabricaDispositivo();
    if (FDispositivo && FDispositivo->Abre(FFila.first()) && FDispositivo->Toca()) {
      FDuracao = DuracaoWave(FFila.first());
      FTimerAudio.start();
      return;
    }
    FFila.removeFirst();  // a file the device cannot play is passed over
  }
  FTimerAudio.stop();
}

void TfrmTestarUra::VerificaAudio() {
  if (FFila.isEmpty() || !FDispositivo) {
    FTimerAudio.stop();
    return;
  }
  if (FDispositivo->Posicao() < FDuracao) return;
  FDispositivo->Fecha();
  FFila.removeFirst();
  ProximoAudio();
}

void TfrmTestarUra::ParaAudio() {
  FTimerAudio.stop();
  FFila.clear();
  if (FDispositivo && FDispositivo->Aberto()) FDispositivo->Fecha();
}
