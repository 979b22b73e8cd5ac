#pragma once
// The view of the flow: the wheel zooms around the mouse, dragging pans, a
// double click on a node reports the node.
#include <QGraphicsView>

class TVisaoFluxo : public QGraphicsView {
  Q_OBJECT
 public:
  explicit TVisaoFluxo(QWidget* parent = nullptr);

  // The drawing's bounds, which Ajusta fits into the view.
  void SetLimites(const QRectF& Limites) { FLimites = Limites; }
  const QRectF& Limites() const { return FLimites; }
  // The whole drawing in the view (never enlarged beyond its natural size).
  void Ajusta();
  // Brings the item to the middle of the view, also near the drawing's edges.
  void Centraliza(const QGraphicsItem* Item);
  // Multiplies the zoom by Fator, within sensible limits.
  void Amplia(qreal Fator);
  qreal Escala() const { return transform().m11(); }

 signals:
  void NoDuploClique(int Indice);

 protected:
  void wheelEvent(QWheelEvent* Evento) override;
  void mouseDoubleClickEvent(QMouseEvent* Evento) override;

 private:
  QRectF FLimites;
};
