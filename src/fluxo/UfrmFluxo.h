#pragma once
// "Fluxo da URA": the open document's flow drawn as a graph that follows the
// document. Graphviz lays it out on another thread; the window stays
// responsive, shows progress when that takes long, and may be closed at any
// time. A double click on a menu asks for it to be opened in the menu editor.
#include <QFutureWatcher>
#include <QGraphicsScene>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "cenafluxo.h"
#include "fluxo.h"
#include "grafo.h"

class QCompleter;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStringListModel;
class TDAC;
class TVisaoFluxo;

namespace Ui {
class TfrmFluxo;
}

class TfrmFluxo : public QWidget {
  Q_OBJECT
 public:
  // Documento gives the open document (null when none). It is called each
  // time the window needs the document; no pointer into it is kept.
  explicit TfrmFluxo(std::function<TDAC*()> Documento, QWidget* parent = nullptr);
  ~TfrmFluxo() override;

  QLineEdit* edProcurar;
  QPushButton* btAjustar;
  QPushButton* btExportar;
  QPushButton* btFechar;
  TVisaoFluxo* gvFluxo;
  QLabel* lbStatus;
  QProgressBar* pbDesenho;

  // Starts a layout off the window's thread (Graphviz's by default); tests
  // put one of their own here to decide when it ends.
  std::function<QFuture<TDesenhoGrafo>(TGrafo)> Desenhista;

  // A layout is under way.
  bool Desenhando() const { return FVigia.isRunning(); }
  // The items on show, one per node and per drawn edge.
  const TItensFluxo& Itens() const { return FItens; }
  // The flow on show; null before the first drawing and without a document.
  const TFluxo* Fluxo() const { return FMostrada ? &FMostrada->Fluxo : nullptr; }
  const TGrafo* Grafo() const { return FMostrada ? &FMostrada->Grafo : nullptr; }

  // Centres and selects the first menu whose name is Texto, or else the first
  // whose name contains it (letter case ignored). False when there is none.
  bool ProcuraMenu(const QString& Texto);
  // Saves the drawing as SVG when the name ends in ".svg", as PNG otherwise;
  // shows an error box and returns false when the file cannot be written.
  bool ExportaImagem(const QString& Arquivo);
  // Asks where to save the drawing, then saves it.
  void Exporta();

 public slots:
  // Builds the flow of the document again and lays it out.
  void Atualiza();
  // The document changed: Atualiza once the burst of changes is over (later,
  // when the window is hidden).
  void DocumentoMudou();
  // Highlights these menus and the edges between consecutive ones; an empty
  // list removes the highlight.
  void DestacaCaminho(const QStringList& Menus);

 signals:
  // The menu of this index in the document's ListaMenus should be edited.
  void AbrirMenu(int IndiceMenu);
  // The scene shows the document as it was last built (or is empty).
  void DesenhoAtualizado();

 protected:
  void showEvent(QShowEvent* Evento) override;
  void closeEvent(QCloseEvent* Evento) override;

 private:
  // A flow and the graph drawn from it; shared by the layout under way and
  // the scene once it is done.
  struct TVersao {
    TFluxo Fluxo;
    TGrafo Grafo;
  };

  void IniciaDesenho();
  void DesenhoPronto();
  void MostraProgresso();
  // The view of a new drawing: all of it, or its start when that is too small.
  void PrimeiraVista();
  void AplicaDestaque();
  // The index in the document's ListaMenus of a menu on show; -1 when gone.
  int IndiceAtual(const TNoFluxo& Menu) const;
  void EsvaziaCena(const QString& Status);
  QString Resumo() const;

  std::unique_ptr<Ui::TfrmFluxo> ui;
  std::function<TDAC*()> FDocumento;
  QGraphicsScene FCena;
  TItensFluxo FItens;
  std::shared_ptr<const TVersao> FAtual;      // the document as last built
  std::shared_ptr<const TVersao> FEmDesenho;  // being laid out
  std::shared_ptr<const TVersao> FMostrada;   // on show
  QFutureWatcher<TDesenhoGrafo> FVigia;
  bool FPendente = false;  // the document changed during the layout
  bool FSujo = false;      // changed while hidden
  bool FAjustar = false;   // fit the drawing to the view when shown
  QTimer FTimerMudanca;
  QTimer FTimerProgresso;
  QStringList FCaminho;
  QStringListModel* FNomes;
};
