#include "visaofluxo.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "cenafluxo.h"

namespace {
constexpr qreal kMenorEscala = 0.02;
constexpr qreal kMaiorEscala = 8;
}  // namespace

TVisaoFluxo::TVisaoFluxo(QWidget* parent) : QGraphicsView(parent) {
  setDragMode(ScrollHandDrag);
  setTransformationAnchor(AnchorUnderMouse);
  setResizeAnchor(AnchorViewCenter);
  setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  setBackgroundBrush(Qt::white);
}

void TVisaoFluxo::Ajusta() {
  if (!scene() || FLimites.isEmpty()) return;
  fitInView(FLimites, Qt::KeepAspectRatio);
  if (Escala() > 1) setTransform(QTransform());
  centerOn(FLimites.center());
}

void TVisaoFluxo::Centraliza(const QGraphicsItem* Item) {
  if (!scene() || !Item) return;
  // The view scrolls only within the scene's rectangle: it grows, when
  // needed, by half a view around the item.
  const QRectF visivel = mapToScene(viewport()->rect()).boundingRect();
  const qreal dx = visivel.width() / 2, dy = visivel.height() / 2;
  const QRectF folga = Item->sceneBoundingRect().adjusted(-dx, -dy, dx, dy);
  if (!scene()->sceneRect().contains(folga)) scene()->setSceneRect(scene()->sceneRect().united(folga));
  centerOn(Item);
}

void TVisaoFluxo::Amplia(qreal Fator) {
  const qreal nova = std::clamp(Escala() * Fator, kMenorEscala, kMaiorEscala);
  if (Escala() > 0) scale(nova / Escala(), nova / Escala());
}

void TVisaoFluxo::wheelEvent(QWheelEvent* Evento) {
  const int passos = Evento->angleDelta().y();
  if (passos == 0) return QGraphicsView::wheelEvent(Evento);
  Amplia(std::pow(1.0015, passos));
  Evento->accept();
}

void TVisaoFluxo::mouseDoubleClickEvent(QMouseEvent* Evento) {
  for (QGraphicsItem* item : items(Evento->position().toPoint()))
    if (auto* no = dynamic_cast<TItemNo*>(item)) {
      emit NoDuploClique(no->Indice());
      Evento->accept();
      return;
    }
  QGraphicsView::mouseDoubleClickEvent(Evento);
}
