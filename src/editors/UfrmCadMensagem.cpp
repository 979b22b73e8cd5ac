#include "UfrmCadMensagem.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>

#include "UTKRDACFuncoes.h"
#include "UfrmCadMensagemChat.h"
#include "configuracao.h"
#include "dac.h"
#include "infoauxiliar.h"
#include "mensagem.h"
#include "plataforma.h"
#include "posicao.h"
#include "ui_UfrmCadMensagem.h"

namespace {
const QString kSecao = QStringLiteral("TelaCadMensagem");
const QString kQuebraExibida = QStringLiteral("\u21A9");
// Item data of a chat row: the text's catalogue index. A voice row needs only
// its caption, so it keeps no pointer that the catalogue could outlive.
constexpr int kPapelIndice = Qt::UserRole;
constexpr int kLarguraColunaChat = 20;
constexpr int kAlturaChat = 200;
constexpr int kLarguraChat = 570;

bool Combina(const QString& FiltroMaiusculo, const QString& Texto) {
  return FiltroMaiusculo.isEmpty() || Texto.toUpper().contains(FiltroMaiusculo);
}

TListaTextoOrdenada& CatalogoChat(bool TDD) {
  return TDD ? MenuUraInfoAuxiliar.ListaDeMensagensChatTDD : MenuUraInfoAuxiliar.ListaDeMensagensChat;
}
}  // namespace

TfrmCadMensagem::TfrmCadMensagem(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent),
      Mensagem(std::make_unique<TMUMensagem>()),
      ui(std::make_unique<Ui::TfrmCadMensagem>()),
      FCtx(Ctx) {
  ui->setupUi(this);
  // Neither list may be squeezed away, by the user or by a small window.
  ui->Splitter1->setChildrenCollapsible(false);
  EhUraChat = FCtx.Dac && FCtx.Dac->UraChat();
  EhUraChatTDD = FCtx.Dac && FCtx.Dac->TipoUra == QLatin1String("chattdd");

  QStyle* estilo = QApplication::style();
  ui->btAddArquivo->setIcon(estilo->standardIcon(QStyle::SP_DialogApplyButton));
  ui->btRemoveArquivo->setIcon(estilo->standardIcon(QStyle::SP_TrashIcon));
  ui->btUpCondicao->setIcon(estilo->standardIcon(QStyle::SP_ArrowUp));
  ui->btDownCondicao->setIcon(estilo->standardIcon(QStyle::SP_ArrowDown));
  // At least what their controls need, so a small window squeezes none.
  ui->PanelDisponiveis->setMinimumHeight(std::max(170, ui->PanelDisponiveis->minimumSizeHint().height()));
  ui->PanelSelecionados->setMinimumHeight(std::max(195, ui->PanelSelecionados->minimumSizeHint().height()));

  ui->btAdicionarMsgChat->setVisible(EhUraChat);
  if (EhUraChat) {
    ui->LabelDisponiveis->setText(QStringLiteral("Mensagens disponíveis"));
    ui->LabelSelecionados->setText(QStringLiteral("Mensagens selecionadas"));
    for (QTreeWidget* lista : {ui->ListViewDisponiveis, ui->ListViewSelecionados}) {
      lista->setHeaderLabels({QString(), QStringLiteral("Mensagem")});
      lista->header()->setSectionResizeMode(0, QHeaderView::Fixed);
      lista->setColumnWidth(0, kLarguraColunaChat);
    }
    ui->Memo1->setFixedHeight(150);
  } else {
    ui->Memo1->setFixedHeight(ui->Memo1->fontMetrics().lineSpacing() * 3 + 12);
  }
  for (QTreeWidget* lista : {ui->ListViewDisponiveis, ui->ListViewSelecionados})
    lista->header()->setStretchLastSection(false);
  ui->ListViewDisponiveis->header()->setSectionsClickable(true);
  ui->ListViewDisponiveis->viewport()->installEventFilter(this);
  ui->edFiltro->installEventFilter(this);

  connect(ui->edFiltro, &QLineEdit::textChanged, this, &TfrmCadMensagem::CarregaListaMensagens);
  connect(ui->ListViewDisponiveis->header(), &QHeaderView::sectionClicked, this, &TfrmCadMensagem::ClicaColuna);
  connect(ui->ListViewDisponiveis, &QTreeWidget::itemDoubleClicked, this, [this] {
    indiceEditarMsg = -1;
    AdicionaSelecionados();
  });
  connect(ui->ListViewDisponiveis, &QTreeWidget::itemClicked, this, &TfrmCadMensagem::ClicaDisponivel);
  if (FCtx.OndeUsadoMensagem) {
    QTreeWidget* lista = ui->ListViewDisponiveis;
    auto* acao = new QAction(QStringLiteral("Onde é usado"), lista);
    acao->setObjectName(QStringLiteral("mnuOndeUsado"));
    connect(acao, &QAction::triggered, this, [this, lista] {
      const QTreeWidgetItem* linha = lista->currentItem();
      if (!linha || !linha->isSelected()) return;
      if (EhUraChat) {
        const int indice = linha->data(0, kPapelIndice).toInt();
        FCtx.OndeUsadoMensagem(this, CatalogoChat(EhUraChatTDD)[indice], true);
      } else if (!linha->font(0).bold()) {  // a playlist variable is no file
        FCtx.OndeUsadoMensagem(this, linha->text(0), false);
      }
    });
    lista->addAction(acao);
    lista->setContextMenuPolicy(Qt::ActionsContextMenu);
  }
  connect(ui->ListViewSelecionados, &QTreeWidget::itemDoubleClicked, this, &TfrmCadMensagem::RemoveSelecionado);
  connect(ui->btAddArquivo, &QPushButton::clicked, this, &TfrmCadMensagem::AdicionaSelecionados);
  connect(ui->btRemoveArquivo, &QPushButton::clicked, this, &TfrmCadMensagem::RemoveSelecionado);
  connect(ui->btUpCondicao, &QPushButton::clicked, this, [this] { MoveSelecionado(-1); });
  connect(ui->btDownCondicao, &QPushButton::clicked, this, [this] { MoveSelecionado(1); });
  // Pressing the button forgets the text chosen for changing: it always creates.
  connect(ui->btAdicionarMsgChat, &QPushButton::pressed, this, [this] { indiceEditarMsg = -1; });
  connect(ui->btAdicionarMsgChat, &QPushButton::clicked, this, [this] { AbreMensagemChat(-1); });

  // Settings.
  const TConfiguracao cfg(kSecao);
  resize(900, 590);
  LePosicao(this, cfg, TModoPosicao::Estado);
  const QSize tela = Plataforma().TamanhoTela();
  topTelaCadMensagemChat = AcertaTop(
      cfg.LeInteiro(QStringLiteral("TopTelaCadMensagemChat"), (tela.height() - kAlturaChat) / 2), kAlturaChat);
  leftTelaCadMensagemChat = AcertaLeft(
      cfg.LeInteiro(QStringLiteral("LeftTelaCadMensagemChat"), (tela.width() - kLarguraChat) / 2), kLarguraChat);
  FAlturaLista = cfg.LeInteiro(QStringLiteral("LVDHeight"), 155);
  ColunaSort = cfg.LeInteiro(QStringLiteral("ColunaSort"), -1);
  if (ColunaSort > 1) ColunaSort = -1;
  SortDescendente = cfg.LeBool(QStringLiteral("SortDescendente"), false);
  for (const TColunaCfg& c : Colunas())
    c.Lista->setColumnWidth(c.Coluna, cfg.LeInteiro(QString::fromLatin1(c.Chave), c.Coluna == 0 ? 100 : 400));
  AtualizaMensagem();
}

TfrmCadMensagem::~TfrmCadMensagem() = default;

std::vector<TfrmCadMensagem::TColunaCfg> TfrmCadMensagem::Colunas() const {
  QTreeWidget* disp = ui->ListViewDisponiveis;
  QTreeWidget* sel = ui->ListViewSelecionados;
  // The chat lists' first column has a fixed width.
  if (EhUraChat) return {{disp, 1, "lvDispCol2Ura"}, {sel, 1, "lvSelCol2Ura"}};
  return {{disp, 0, "lvDispCol"}, {sel, 0, "lvSelCol"}, {disp, 1, "lvDispCol2"}, {sel, 1, "lvSelCol2"}};
}

void TfrmCadMensagem::GravaConfiguracao() {
  TConfiguracao cfg(kSecao);
  GravaPosicao(this, cfg, TModoPosicao::Estado);
  cfg.GravaInteiro(QStringLiteral("TopTelaCadMensagemChat"), topTelaCadMensagemChat);
  cfg.GravaInteiro(QStringLiteral("LeftTelaCadMensagemChat"), leftTelaCadMensagemChat);
  // Never shown: the list has no height of its own yet.
  cfg.GravaInteiro(QStringLiteral("LVDHeight"), FAlturaLista >= 0 ? FAlturaLista : ui->ListViewDisponiveis->height());
  cfg.GravaInteiro(QStringLiteral("ColunaSort"), ColunaSort);
  cfg.GravaBool(QStringLiteral("SortDescendente"), SortDescendente);
  for (const TColunaCfg& c : Colunas()) cfg.GravaInteiro(QString::fromLatin1(c.Chave), c.Lista->columnWidth(c.Coluna));
}

void TfrmCadMensagem::showEvent(QShowEvent* ev) {
  QDialog::showEvent(ev);
  if (FAlturaLista < 0) return;
  // The splitter knows its own height only now; the available list gets its
  // stored height, the selected area the rest.
  const int extra = ui->PanelDisponiveis->height() - ui->ListViewDisponiveis->height();
  const int topo = std::max(FAlturaLista + extra, ui->PanelDisponiveis->minimumHeight());
  ui->Splitter1->setSizes({topo, std::max(ui->Splitter1->height() - topo, ui->PanelSelecionados->minimumHeight())});
  FAlturaLista = -1;
}

void TfrmCadMensagem::done(int r) {
  GravaConfiguracao();
  QDialog::done(r);
}

QString TfrmCadMensagem::TextoExibicao(const QString& Armazenado) const {
  return decodeCRLFTo(Armazenado, EhUraChatTDD ? QStringLiteral(" ") : kQuebraExibida);
}

void TfrmCadMensagem::CarregaListaMensagens() {
  QTreeWidget* lista = ui->ListViewDisponiveis;
  lista->clear();
  const QString filtro = ui->edFiltro->text().toUpper();
  QList<QTreeWidgetItem*> linhas;
  if (EhUraChat) {
    const TListaTextoOrdenada& catalogo = CatalogoChat(EhUraChatTDD);
    for (int i = 0; i < catalogo.Count(); ++i) {
      const QString exibido = TextoExibicao(catalogo[i]);
      if (!Combina(filtro, exibido)) continue;
      auto* item = new QTreeWidgetItem(QStringList{QString(), exibido});
      item->setData(0, kPapelIndice, i);
      linhas << item;
    }
  } else {
    for (const auto& entrada : MenuUraInfoAuxiliar.ListaDeMensagens.Items()) {
      if (!Combina(filtro, entrada->Descricao) && !Combina(filtro, entrada->Arquivo)) continue;
      auto* item = new QTreeWidgetItem(QStringList{entrada->Arquivo, entrada->Descricao});
      if (!entrada->ArquivoExiste) {
        for (int c = 0; c < 2; ++c) item->setForeground(c, Qt::red);
      }
      linhas << item;
    }
    if (!SohArquivos) {
      for (const QString& nome : MenuUraInfoAuxiliar.ListaDePlayList.Lista()) {
        if (!Combina(filtro, nome)) continue;
        auto* item = new QTreeWidgetItem(QStringList{QStringLiteral("Mensagem(") + nome + u')', QString()});
        QFont negrito = item->font(0);
        negrito.setBold(true);
        for (int c = 0; c < 2; ++c) item->setFont(c, negrito);
        linhas << item;
      }
    }
  }
  lista->addTopLevelItems(linhas);
  if (ColunaSort >= 0) OrdenaDisponiveis();
}

void TfrmCadMensagem::OrdenaDisponiveis() {
  QTreeWidget* lista = ui->ListViewDisponiveis;
  QList<QTreeWidgetItem*> linhas;
  while (lista->topLevelItemCount() > 0) linhas << lista->takeTopLevelItem(0);
  const int coluna = ColunaSort;
  const bool desc = SortDescendente;
  std::stable_sort(linhas.begin(), linhas.end(), [coluna, desc](QTreeWidgetItem* a, QTreeWidgetItem* b) {
    const int c = QString::localeAwareCompare(a->text(coluna), b->text(coluna));
    return desc ? c > 0 : c < 0;
  });
  lista->addTopLevelItems(linhas);
  lista->header()->setSortIndicatorShown(true);
  lista->header()->setSortIndicator(coluna, desc ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void TfrmCadMensagem::ClicaColuna(int Coluna) {
  if (Coluna == ColunaSort) SortDescendente = !SortDescendente;
  ColunaSort = Coluna;
  OrdenaDisponiveis();
}

void TfrmCadMensagem::CarregaMensagem(const TMUMensagem* ptrMensagem) {
  Mensagem->CopyFrom(ptrMensagem);
  listaMsgSelecionada.clear();
  if (EhUraChat) {
    for (int i = 0; i < Mensagem->MensagensChatCount(); ++i) listaMsgSelecionada << Mensagem->GetMensagemChat(i, {});
  } else {
    for (int i = 0; i < Mensagem->ArquivosCount(); ++i) listaMsgSelecionada << Mensagem->GetArquivo(i, false);
  }
  AtualizaMensagem();
}

void TfrmCadMensagem::AtualizaMensagem() {
  Mensagem->LimpaListaArquivos();
  QTreeWidget* lista = ui->ListViewSelecionados;
  lista->clear();
  QList<QTreeWidgetItem*> linhas;
  for (const QString& entrada : listaMsgSelecionada) {
    if (EhUraChat) {
      linhas << new QTreeWidgetItem(QStringList{QString(), TextoExibicao(entrada)});
      Mensagem->AddMensagemChat(entrada);
    } else {
      linhas << new QTreeWidgetItem(QStringList{entrada, MenuUraInfoAuxiliar.ListaDeMensagens.GetDescricao(entrada)});
      Mensagem->AddArquivo(entrada);
    }
  }
  lista->addTopLevelItems(linhas);
  if (!EhUraChat)
    ui->Memo1->setPlainText(Mensagem->GetStrMensagem());
  else if (EhUraChatTDD)
    ui->Memo1->setPlainText(Mensagem->GetStrMensagemChat(QStringLiteral(" "), QStringLiteral(" ")));
  else
    ui->Memo1->setPlainText(Mensagem->GetStrMensagemChat(QStringLiteral("\n"), QStringLiteral("\n")));
}

void TfrmCadMensagem::AdicionaSelecionados() {
  QTreeWidget* lista = ui->ListViewDisponiveis;
  bool adicionou = false;
  for (int i = 0; i < lista->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = lista->topLevelItem(i);
    if (!item->isSelected()) continue;
    if (EhUraChat) {
      const int indice = item->data(0, kPapelIndice).toInt();
      const TListaTextoOrdenada& catalogo = CatalogoChat(EhUraChatTDD);
      // An empty text would show as a row the message does not hold.
      if (indice < 0 || indice >= catalogo.Count() || catalogo[indice].isEmpty()) continue;
      listaMsgSelecionada << catalogo[indice];
    } else {
      listaMsgSelecionada << item->text(0);
    }
    adicionou = true;
  }
  if (adicionou) AtualizaMensagem();
}

void TfrmCadMensagem::RemoveSelecionado() {
  QTreeWidget* lista = ui->ListViewSelecionados;
  for (int i = 0; i < lista->topLevelItemCount(); ++i) {
    if (!lista->topLevelItem(i)->isSelected()) continue;
    listaMsgSelecionada.removeAt(i);
    AtualizaMensagem();
    return;
  }
}

void TfrmCadMensagem::MoveSelecionado(int Delta) {
  QTreeWidget* lista = ui->ListViewSelecionados;
  const int de = lista->indexOfTopLevelItem(lista->currentItem());
  const int para = de + Delta;
  if (de < 0 || !lista->currentItem()->isSelected() || para < 0 || para >= listaMsgSelecionada.size()) return;
  listaMsgSelecionada.swapItemsAt(de, para);
  AtualizaMensagem();
  QTreeWidgetItem* movido = lista->topLevelItem(para);
  lista->setCurrentItem(movido);
  lista->scrollToItem(movido);
  lista->setFocus();
}

void TfrmCadMensagem::ClicaDisponivel() {
  if (!EhUraChat) return;
  const QList<QTreeWidgetItem*> selecionados = ui->ListViewDisponiveis->selectedItems();
  if (selecionados.size() != 1) {
    indiceEditarMsg = -1;
    return;
  }
  const int indice = selecionados.front()->data(0, kPapelIndice).toInt();
  if (indice != indiceEditarMsg) {
    indiceEditarMsg = indice;
    return;
  }
  AbreMensagemChat(indice);
  indiceEditarMsg = -1;
}

bool TfrmCadMensagem::eventFilter(QObject* obj, QEvent* ev) {
  // A click on the empty part of the list selects nothing: forget the chosen text.
  if (obj == ui->ListViewDisponiveis->viewport() && ev->type() == QEvent::MouseButtonRelease) {
    const auto* me = static_cast<QMouseEvent*>(ev);
    if (!ui->ListViewDisponiveis->itemAt(me->position().toPoint())) indiceEditarMsg = -1;
  }
  // Enter in the filter, typed to narrow the list, must not close the dialog
  // with OK: it goes on to the rows it left.
  if (obj == ui->edFiltro && ev->type() == QEvent::KeyPress) {
    const int tecla = static_cast<QKeyEvent*>(ev)->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
      QTreeWidget* lista = ui->ListViewDisponiveis;
      if (lista->topLevelItemCount() > 0) {
        if (!lista->currentItem()) lista->setCurrentItem(lista->topLevelItem(0));
        lista->setFocus();
      }
      return true;
    }
  }
  return QDialog::eventFilter(obj, ev);
}

void TfrmCadMensagem::AbreMensagemChat(int Indice) {
  TfrmCadMensagemChat dlg(FCtx, this);
  dlg.EhUraChatTDD = EhUraChatTDD;
  dlg.move(leftTelaCadMensagemChat, topTelaCadMensagemChat);
  const TListaTextoOrdenada& catalogo = CatalogoChat(EhUraChatTDD);
  if (Indice >= 0 && Indice < catalogo.Count()) {
    dlg.SetTexto(EhUraChatTDD ? decodeCRLF(catalogo[Indice]) : decodeCRLFTo(catalogo[Indice], QStringLiteral("\r\n")));
    dlg.indiceMsg = Indice;
  }
  if (ExecutaDialogo(&dlg) == QDialog::Accepted) CarregaListaMensagens();
  topTelaCadMensagemChat = dlg.y();
  leftTelaCadMensagemChat = dlg.x();
}
