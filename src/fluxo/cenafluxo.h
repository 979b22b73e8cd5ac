#pragma once
// The laid-out flow as items of a QGraphicsScene: one item per node and one
// per edge, drawn from the graph's description and Graphviz's positions.
#include <QGraphicsItem>
#include <QPainterPath>
#include <vector>

#include "grafo.h"

class QGraphicsScene;

class TItemNo : public QGraphicsItem {
 public:
  TItemNo(const TNoGrafo& No, const TDesenhoNo& Desenho, int Indice);

  int Indice() const { return FIndice; }
  void SetDestaque(bool Destaque);
  bool Destaque() const { return FDestaque; }

  QRectF boundingRect() const override;
  QPainterPath shape() const override;
  void paint(QPainter* Pintor, const QStyleOptionGraphicsItem* Opcao, QWidget* Widget) override;

 private:
  TNoGrafo FNo;
  QRectF FCaixa;  // in the item's coordinates, centred on 0,0
  QPainterPath FContorno;
  int FIndice;
  bool FDestaque = false;
};

class TItemAresta : public QGraphicsItem {
 public:
  TItemAresta(const TArestaGrafo& Aresta, const TDesenhoAresta& Desenho, int Indice);

  int Indice() const { return FIndice; }
  int Origem() const { return FOrigem; }
  int Destino() const { return FDestino; }
  void SetDestaque(bool Destaque);
  bool Destaque() const { return FDestaque; }

  QRectF boundingRect() const override;
  QPainterPath shape() const override;
  void paint(QPainter* Pintor, const QStyleOptionGraphicsItem* Opcao, QWidget* Widget) override;

 private:
  QPainterPath FCaminho;
  QPolygonF FSeta;
  QString FRotulo;
  QRectF FCaixaRotulo;
  QColor FCor;
  bool FTracejada;
  int FIndice, FOrigem, FDestino;
  bool FDestaque = false;
};

// Fills the scene (emptied first) and returns the items, one per node and one
// per edge of the graph, in the graph's order.
struct TItensFluxo {
  std::vector<TItemNo*> Nos;
  std::vector<TItemAresta*> Arestas;
};
TItensFluxo MontaCena(QGraphicsScene& Cena, const TGrafo& G, const TDesenhoGrafo& D);
