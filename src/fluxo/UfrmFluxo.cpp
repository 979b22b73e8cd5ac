#include "UfrmFluxo.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QCompleter>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QStringListModel>
#include <QSvgGenerator>
#include <algorithm>

#include "UTMenuUra.h"
#include "ambiente.h"
#include "configuracao.h"
#include "erros.h"
#include "fluxo_grafo.h"
#include "plataforma.h"
#include "posicao.h"
#include "ui_UfrmFluxo.h"
#include "visaofluxo.h"

namespace {
const QString kSecao = QStringLiteral("TelaFluxo");
const QString kTitulo = QStringLiteral("Fluxo da URA");
const QString kTituloExportar = QStringLiteral("Exportar imagem");
// Changes come in bursts (a name typed key by key); one drawing after them.
constexpr int kEsperaMudancaMs = 300;
// A layout that takes longer than this shows its progress.
constexpr int kEsperaProgressoMs = 500;
// Below this scale a whole drawing cannot be read; it opens at its start.
constexpr qreal kMenorEscalaInicial = 0.4;
// The largest side of an exported PNG, in pixels.
constexpr qreal kMaiorLadoPng = 16000;
}  // namespace

TfrmFluxo::TfrmFluxo(std::function<TDAC*()> Documento, QWidget* parent)
    : QWidget(parent, Qt::Window),
      Desenhista([](TGrafo G) { return DesenhaGrafoEmSegundoPlano(std::move(G)); }),
      ui(std::make_unique<Ui::TfrmFluxo>()),
      FDocumento(std::move(Documento)) {
  ui->setupUi(this);
  edProcurar = ui->edProcurar;
  btAjustar = ui->btAjustar;
  btExportar = ui->btExportar;
  btFechar = ui->btFechar;
  gvFluxo = ui->gvFluxo;
  lbStatus = ui->lbStatus;
  pbDesenho = ui->pbDesenho;
  pbDesenho->hide();
  gvFluxo->setScene(&FCena);

  FNomes = new QStringListModel(this);
  auto* completar = new QCompleter(FNomes, this);
  completar->setCaseSensitivity(Qt::CaseInsensitive);
  completar->setFilterMode(Qt::MatchContains);
  edProcurar->setCompleter(completar);

  FTimerMudanca.setSingleShot(true);
  FTimerMudanca.setInterval(kEsperaMudancaMs);
  FTimerProgresso.setSingleShot(true);
  FTimerProgresso.setInterval(kEsperaProgressoMs);
  connect(&FTimerMudanca, &QTimer::timeout, this, &TfrmFluxo::Atualiza);
  connect(&FTimerProgresso, &QTimer::timeout, this, &TfrmFluxo::MostraProgresso);
  connect(&FVigia, &QFutureWatcher<TDesenhoGrafo>::finished, this, &TfrmFluxo::DesenhoPronto);

  connect(edProcurar, &QLineEdit::returnPressed, this, [this] { ProcuraMenu(edProcurar->text()); });
  connect(completar, qOverload<const QString&>(&QCompleter::activated), this,
          [this](const QString& Nome) { ProcuraMenu(Nome); });
  connect(btAjustar, &QPushButton::clicked, gvFluxo, &TVisaoFluxo::Ajusta);
  connect(btExportar, &QPushButton::clicked, this, [this] { ExecutaComando(this, [this] { Exporta(); }); });
  connect(btFechar, &QPushButton::clicked, this, &QWidget::close);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this), &QShortcut::activated, gvFluxo,
          &TVisaoFluxo::Ajusta);
  // Escape in the search box drops its suggestions first.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this, completar] {
    if (completar->popup()->isVisible())
      completar->popup()->hide();
    else
      close();
  });
  connect(gvFluxo, &TVisaoFluxo::NoDuploClique, this, [this](int No) {
    if (!FMostrada || No < 0 || No >= FMostrada->Fluxo.Menus) return;
    const int indice = IndiceAtual(FMostrada->Fluxo.Nos[size_t(No)]);
    if (indice >= 0) emit AbrirMenu(indice);
  });

  LePosicao(this, TConfiguracao(kSecao), TModoPosicao::PosicaoTamanho);
  Atualiza();
}

TfrmFluxo::~TfrmFluxo() {
  // Open when the main window goes: its place is kept all the same.
  if (isVisible()) {
    TConfiguracao cfg(kSecao);
    GravaPosicao(this, cfg, TModoPosicao::PosicaoTamanho);
  }
  // A layout still running finishes on its own; nobody waits for it.
  FVigia.disconnect(this);
  FVigia.future().cancel();
}

void TfrmFluxo::showEvent(QShowEvent* Evento) {
  QWidget::showEvent(Evento);
  if (FSujo) Atualiza();
  // A drawing that came while the window was hidden is fitted once the view
  // has its size.
  if (FAjustar && FMostrada) QTimer::singleShot(0, this, &TfrmFluxo::PrimeiraVista);
  FAjustar = false;
}

void TfrmFluxo::closeEvent(QCloseEvent* Evento) {
  TConfiguracao cfg(kSecao);
  GravaPosicao(this, cfg, TModoPosicao::PosicaoTamanho);
  if (FVigia.isRunning()) {
    // The layout under way is of no use once the window is gone: a queued one
    // is skipped, and the drawing is made again when the window comes back.
    FVigia.future().cancel();
    FPendente = false;
    FSujo = true;
  }
  QWidget::closeEvent(Evento);
}

void TfrmFluxo::DocumentoMudou() {
  if (!isVisible()) {
    FSujo = true;
    return;
  }
  FTimerMudanca.start();
}

void TfrmFluxo::EsvaziaCena(const QString& Status) {
  FCena.clear();
  gvFluxo->SetLimites(QRectF());
  FItens = {};
  FMostrada.reset();
  FNomes->setStringList({});
  btExportar->setEnabled(false);
  lbStatus->setText(Status);
}

void TfrmFluxo::Atualiza() {
  FTimerMudanca.stop();
  FSujo = false;
  const TDAC* dac = FDocumento ? FDocumento() : nullptr;
  if (!dac) {
    FAtual.reset();
    FPendente = false;
    FVigia.future().cancel();
    setWindowTitle(kTitulo);
    EsvaziaCena(QStringLiteral("Nenhuma URA aberta."));
    emit DesenhoAtualizado();
    return;
  }
  TFluxo fluxo(*dac, &MenuUraInfoAuxiliar.ListaDeMensagens);
  TGrafo grafo = GrafoDoFluxo(fluxo);
  FAtual = std::make_shared<const TVersao>(TVersao{std::move(fluxo), std::move(grafo)});
  setWindowTitle(kTitulo + QStringLiteral(" - ") + dac->Nome);
  if (FVigia.isRunning()) {
    FPendente = true;
    return;
  }
  IniciaDesenho();
}

void TfrmFluxo::IniciaDesenho() {
  FPendente = false;
  FEmDesenho = FAtual;
  FVigia.setFuture(Desenhista(FEmDesenho->Grafo));
  FTimerProgresso.start();
}

void TfrmFluxo::MostraProgresso() {
  if (!FVigia.isRunning() || !FEmDesenho) return;
  pbDesenho->show();
  lbStatus->setText(QStringLiteral("Desenhando o fluxo de %1 menus e %2 saídas...")
                        .arg(FEmDesenho->Fluxo.Menus)
                        .arg(FEmDesenho->Fluxo.Arestas.size()));
}

QString TfrmFluxo::Resumo() const {
  const TFluxo& f = FMostrada->Fluxo;
  int erros = ContaErros(f.AchadosDocumento), avisos = ContaAvisos(f.AchadosDocumento);
  for (const TNoFluxo& n : f.Nos) {
    erros += n.Erros();
    avisos += n.Avisos();
  }
  return QStringLiteral("%1 menus, %2 destinos, %3 saídas; %4 erro(s), %5 aviso(s).")
      .arg(f.Menus)
      .arg(f.Nos.size() - size_t(f.Menus))
      .arg(f.Arestas.size())
      .arg(erros)
      .arg(avisos);
}

void TfrmFluxo::DesenhoPronto() {
  FTimerProgresso.stop();
  pbDesenho->hide();
  if (FPendente) {
    IniciaDesenho();  // the document changed meanwhile: its drawing replaces this one
    return;
  }
  const QFuture<TDesenhoGrafo> futuro = FVigia.future();
  if (futuro.isCanceled() || futuro.resultCount() == 0) return;
  const TDesenhoGrafo desenho = futuro.result();
  if (!desenho.Ok) {
    EsvaziaCena(QStringLiteral("Não foi possível desenhar o fluxo: ") + desenho.Erro);
    emit DesenhoAtualizado();
    return;
  }
  // After an edit the view stays where the user left it.
  const bool primeiro = !FMostrada;
  const QPointF centro = gvFluxo->mapToScene(gvFluxo->viewport()->rect().center());
  FMostrada = std::move(FEmDesenho);
  FItens = MontaCena(FCena, FMostrada->Grafo, desenho);
  gvFluxo->SetLimites(FCena.sceneRect());
  if (!primeiro)
    gvFluxo->centerOn(centro);
  else if (isVisible())
    PrimeiraVista();
  else
    FAjustar = true;
  QStringList nomes;
  for (int i = 0; i < FMostrada->Fluxo.Menus; ++i) nomes << FMostrada->Fluxo.Nos[size_t(i)].Nome;
  FNomes->setStringList(nomes);
  btExportar->setEnabled(true);
  AplicaDestaque();
  lbStatus->setText(Resumo());
  emit DesenhoAtualizado();
}

void TfrmFluxo::PrimeiraVista() {
  gvFluxo->Ajusta();
  if (gvFluxo->Escala() >= kMenorEscalaInicial || !FMostrada) return;
  // Too large to be read whole: the start of the flow at its natural size.
  gvFluxo->Amplia(1.0 / gvFluxo->Escala());
  const TFluxo& f = FMostrada->Fluxo;
  for (size_t i = 0; i < f.Nos.size() && i < FItens.Nos.size(); ++i)
    if (f.Nos[i].Inicial) return gvFluxo->Centraliza(FItens.Nos[i]);
}

void TfrmFluxo::DestacaCaminho(const QStringList& Menus) {
  FCaminho = Menus;
  AplicaDestaque();
}

void TfrmFluxo::AplicaDestaque() {
  if (!FMostrada) return;
  const TFluxo& f = FMostrada->Fluxo;
  std::vector<int> nos;
  for (const QString& m : FCaminho) nos.push_back(f.NoDoMenu(m));
  std::vector<bool> noDestacado(FItens.Nos.size(), false);
  QSet<std::pair<int, int>> passos;
  for (size_t i = 0; i < nos.size(); ++i) {
    if (nos[i] >= 0 && size_t(nos[i]) < noDestacado.size()) noDestacado[size_t(nos[i])] = true;
    if (i > 0 && nos[i - 1] >= 0 && nos[i] >= 0) passos.insert({nos[i - 1], nos[i]});
  }
  for (TItemNo* n : FItens.Nos) n->SetDestaque(noDestacado[size_t(n->Indice())]);
  for (TItemAresta* a : FItens.Arestas) a->SetDestaque(passos.contains({a->Origem(), a->Destino()}));
  // The call's current menu stays in sight.
  if (!nos.empty() && nos.back() >= 0 && size_t(nos.back()) < FItens.Nos.size())
    gvFluxo->ensureVisible(FItens.Nos[size_t(nos.back())], 40, 40);
}

int TfrmFluxo::IndiceAtual(const TNoFluxo& Menu) const {
  // The drawing may lag behind the document (a menu removed or moved since):
  // the menu is the one of that name in the document now.
  const TDAC* dac = FDocumento ? FDocumento() : nullptr;
  if (!dac) return -1;
  const TListaMenuUra& menus = *dac->ListaMenus;
  if (Menu.IndiceMenu < menus.Count() && menus.GetItem(Menu.IndiceMenu)->Nome == Menu.Nome) return Menu.IndiceMenu;
  const TMenuUra* m = menus.SearchMenu(Menu.Nome);
  return m ? menus.IndexOf(m) : -1;
}

bool TfrmFluxo::ProcuraMenu(const QString& Texto) {
  const QString procurado = Texto.trimmed();
  if (!FMostrada || procurado.isEmpty()) return false;
  const TFluxo& f = FMostrada->Fluxo;
  int achado = f.NoDoMenu(procurado);
  for (int i = 0; achado < 0 && i < f.Menus; ++i)
    if (f.Nos[size_t(i)].Nome.contains(procurado, Qt::CaseInsensitive)) achado = i;
  if (achado < 0 || size_t(achado) >= FItens.Nos.size()) {
    lbStatus->setText(QStringLiteral("Nenhum menu com \"") + procurado + QStringLiteral("\"."));
    return false;
  }
  TItemNo* item = FItens.Nos[size_t(achado)];
  FCena.clearSelection();
  item->setSelected(true);
  // At its natural size the menu can be read and, in all but the smallest
  // drawings, brought to the middle of the view.
  if (gvFluxo->Escala() < 1) gvFluxo->Amplia(1.0 / gvFluxo->Escala());
  gvFluxo->Centraliza(item);
  lbStatus->setText(QStringLiteral("Menu ") + f.Nos[size_t(achado)].Nome);
  return true;
}

bool TfrmFluxo::ExportaImagem(const QString& Arquivo) {
  if (!FMostrada) return false;
  const QRectF origem = gvFluxo->Limites();
  bool ok = false;
  if (QFileInfo(Arquivo).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
    QSvgGenerator svg;
    svg.setFileName(Arquivo);
    svg.setSize(origem.size().toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), origem.size()));
    svg.setTitle(windowTitle());
    QPainter p;
    if (p.begin(&svg)) {
      FCena.render(&p, QRectF(QPointF(0, 0), origem.size()), origem);
      ok = p.end();
    }
    ok = ok && QFileInfo(Arquivo).size() > 0;
  } else {
    const qreal escala = std::min<qreal>(2.0, kMaiorLadoPng / std::max(origem.width(), origem.height()));
    QImage imagem((origem.size() * escala).toSize(), QImage::Format_ARGB32_Premultiplied);
    if (!imagem.isNull()) {
      imagem.fill(Qt::white);
      QPainter p(&imagem);
      p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
      FCena.render(&p, QRectF(imagem.rect()), origem);
      p.end();
      ok = imagem.save(Arquivo, "PNG");
    }
  }
  if (!ok) MostraErro(this, QStringLiteral("Não foi possível gravar a imagem ") + Arquivo, kTituloExportar);
  return ok;
}

void TfrmFluxo::Exporta() {
  if (!FMostrada) return;
  const TDAC* dac = FDocumento ? FDocumento() : nullptr;
  const QString nome = (dac && !dac->Nome.isEmpty()) ? dac->Nome : QStringLiteral("fluxo");
  QString arquivo = Plataforma().SalvarArquivo(this, kTituloExportar,
                                               JuntaCaminho(Ambiente().PastaUsuario, nome + QStringLiteral(".png")),
                                               QStringLiteral("Imagem PNG (*.png);;Imagem SVG (*.svg)"));
  if (arquivo.isEmpty()) return;
  const QString sufixo = QFileInfo(arquivo).suffix().toLower();
  if (sufixo != u"png" && sufixo != u"svg") arquivo += QStringLiteral(".png");
  ExportaImagem(arquivo);
}
