#include "cenafluxo.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPainter>
#include <QPainterPathStroker>
#include <QStyleOptionGraphicsItem>
#include <algorithm>
#include <cmath>

namespace {

const QColor kCorDestaque(0xFF, 0x8C, 0x00);
constexpr qreal kMargemDestaque = 4;
// Below this scale the labels are too small to read and are not drawn.
constexpr qreal kMenorEscalaTexto = 0.3;

// Scene units are Graphviz's points, so the font's pixel size is the point
// size Graphviz measured the labels with.
QFont Fonte(double Tamanho) {
  QFont f(kFonteGrafo);
  f.setPixelSize(int(std::lround(Tamanho)));
  return f;
}
const QFont& FonteNo() {
  static const QFont f = Fonte(kTamanhoFonteNo);
  return f;
}
const QFont& FonteAresta() {
  static const QFont f = Fonte(kTamanhoFonteAresta);
  return f;
}
// Measuring is the costly part of making thousands of edges.
const QFontMetricsF& MedidasAresta() {
  static const QFontMetricsF m(FonteAresta());
  return m;
}

// Lines of text centred on a point, shrunk to fit Largura when they are wider.
void EscreveCentrado(QPainter* P, const QStringList& Linhas, const QFont& F, QPointF Centro, qreal Largura) {
  const QFontMetricsF m(F);
  qreal larguraTexto = 0;
  for (const QString& l : Linhas) larguraTexto = std::max(larguraTexto, m.horizontalAdvance(l));
  const qreal escala = (Largura > 0 && larguraTexto > Largura) ? Largura / larguraTexto : 1.0;
  const qreal altura = m.lineSpacing() * Linhas.size();
  P->save();
  P->setFont(F);
  P->translate(Centro);
  P->scale(escala, escala);
  qreal y = -altura / 2 + m.ascent();
  for (const QString& l : Linhas) {
    P->drawText(QPointF(-m.horizontalAdvance(l) / 2, y), l);
    y += m.lineSpacing();
  }
  P->restore();
}

QPainterPath Contorno(TFormaNo Forma, const QRectF& R) {
  QPainterPath p;
  switch (Forma) {
    case TFormaNo::Caixa: p.addRect(R); break;
    case TFormaNo::CaixaArredondada: p.addRoundedRect(R, 6, 6); break;
    case TFormaNo::Elipse: p.addEllipse(R); break;
    case TFormaNo::Octogono: {
      const qreal d = R.height() * 0.29;
      p.addPolygon(QPolygonF({QPointF(R.left() + d, R.top()), QPointF(R.right() - d, R.top()),
                              QPointF(R.right(), R.top() + d), QPointF(R.right(), R.bottom() - d),
                              QPointF(R.right() - d, R.bottom()), QPointF(R.left() + d, R.bottom()),
                              QPointF(R.left(), R.bottom() - d), QPointF(R.left(), R.top() + d)}));
      p.closeSubpath();
      break;
    }
  }
  return p;
}

}  // namespace

TItemNo::TItemNo(const TNoGrafo& No, const TDesenhoNo& Desenho, int Indice) : FNo(No), FIndice(Indice) {
  FCaixa = QRectF(QPointF(-Desenho.Tamanho.width() / 2, -Desenho.Tamanho.height() / 2), Desenho.Tamanho);
  FContorno = Contorno(No.Forma, FCaixa);
  setPos(Desenho.Centro);
  setToolTip(No.Dica);
  setFlag(ItemIsSelectable);
  setZValue(1);
}

void TItemNo::SetDestaque(bool Destaque) {
  if (Destaque == FDestaque) return;
  FDestaque = Destaque;
  update();
}

QRectF TItemNo::boundingRect() const {
  return FCaixa.adjusted(-kMargemDestaque, -kMargemDestaque, kMargemDestaque, kMargemDestaque);
}

QPainterPath TItemNo::shape() const { return FContorno; }

void TItemNo::paint(QPainter* P, const QStyleOptionGraphicsItem* Opcao, QWidget*) {
  P->setRenderHint(QPainter::Antialiasing);
  if (FDestaque) {
    P->setPen(QPen(kCorDestaque, 2 * kMargemDestaque));
    P->setBrush(Qt::NoBrush);
    P->drawPath(FContorno);
  }
  QPen borda(QColor(FNo.CorBorda), FNo.Espessura);
  if (FNo.Tracejado) borda.setStyle(Qt::DashLine);
  P->setPen(borda);
  P->setBrush(QColor(FNo.CorFundo));
  P->drawPath(FContorno);
  if (FNo.BordaDupla) {
    P->setBrush(Qt::NoBrush);
    P->drawPath(Contorno(FNo.Forma, FCaixa.adjusted(4, 4, -4, -4)));
  }
  if (isSelected()) {
    P->setPen(QPen(QColor(0x1F, 0x4E, 0x79), 1.5, Qt::DotLine));
    P->setBrush(Qt::NoBrush);
    P->drawRect(boundingRect().adjusted(1, 1, -1, -1));
  }
  if (Opcao->levelOfDetailFromTransform(P->worldTransform()) < kMenorEscalaTexto) return;
  P->setPen(QColor(FNo.CorTexto));
  EscreveCentrado(P, FNo.Rotulo.split(u'\n'), FonteNo(), QPointF(0, 0), FCaixa.width() - 12);
}

TItemAresta::TItemAresta(const TArestaGrafo& Aresta, const TDesenhoAresta& Desenho, int Indice)
    : FRotulo(Aresta.Rotulo),
      FCor(Aresta.Cor),
      FTracejada(Aresta.Tracejada),
      FIndice(Indice),
      FOrigem(Aresta.Origem),
      FDestino(Aresta.Destino) {
  const auto& c = Desenho.Curva;
  if (!c.empty()) {
    FCaminho.moveTo(c[0]);
    size_t i = 1;
    for (; i + 2 < c.size(); i += 3) FCaminho.cubicTo(c[i], c[i + 1], c[i + 2]);
    for (; i < c.size(); ++i) FCaminho.lineTo(c[i]);
  }
  if (Desenho.TemSeta && !c.empty()) {
    // A triangle from the end of the curve to the tip.
    const QPointF base = c.back(), ponta = Desenho.PontaSeta;
    const QPointF d = ponta - base;
    const QPointF lado(-d.y() * 0.35, d.x() * 0.35);
    if (!d.isNull()) FSeta = QPolygonF({ponta, base + lado, base - lado});
  }
  if (Desenho.TemRotulo && !FRotulo.isEmpty()) {
    const QFontMetricsF& m = MedidasAresta();
    qreal largura = 0;
    const QStringList linhas = FRotulo.split(u'\n');
    for (const QString& l : linhas) largura = std::max(largura, m.horizontalAdvance(l));
    const QSizeF tamanho(largura + 4, m.lineSpacing() * linhas.size() + 2);
    FCaixaRotulo = QRectF(Desenho.CentroRotulo - QPointF(tamanho.width() / 2, tamanho.height() / 2), tamanho);
  }
  setToolTip(Aresta.Dica);
}

void TItemAresta::SetDestaque(bool Destaque) {
  if (Destaque == FDestaque) return;
  FDestaque = Destaque;
  setZValue(Destaque ? 0.5 : 0);
  update();
}

QRectF TItemAresta::boundingRect() const {
  return FCaminho.boundingRect()
      .united(FSeta.boundingRect())
      .united(FCaixaRotulo)
      .adjusted(-kMargemDestaque, -kMargemDestaque, kMargemDestaque, kMargemDestaque);
}

QPainterPath TItemAresta::shape() const {
  QPainterPathStroker tracado;
  tracado.setWidth(6);
  QPainterPath p = tracado.createStroke(FCaminho);
  p.addPolygon(FSeta);
  if (!FCaixaRotulo.isEmpty()) p.addRect(FCaixaRotulo);
  return p;
}

void TItemAresta::paint(QPainter* P, const QStyleOptionGraphicsItem* Opcao, QWidget*) {
  P->setRenderHint(QPainter::Antialiasing);
  P->setBrush(Qt::NoBrush);
  if (FDestaque) {
    P->setPen(QPen(kCorDestaque, 5, Qt::SolidLine, Qt::RoundCap));
    P->drawPath(FCaminho);
  }
  QPen linha(FCor, FDestaque ? 1.8 : 1);
  if (FTracejada) linha.setStyle(Qt::DashLine);
  P->setPen(linha);
  P->drawPath(FCaminho);
  P->setPen(QPen(FCor, 1));
  P->setBrush(FDestaque ? kCorDestaque : FCor);
  P->drawPolygon(FSeta);
  if (FCaixaRotulo.isEmpty() || Opcao->levelOfDetailFromTransform(P->worldTransform()) < kMenorEscalaTexto) return;
  // A light background keeps a label readable where lines cross it.
  P->setPen(Qt::NoPen);
  P->setBrush(QColor(255, 255, 255, FDestaque ? 235 : 190));
  P->drawRoundedRect(FCaixaRotulo, 2, 2);
  P->setPen(FDestaque ? QColor(0x80, 0x40, 0x00) : FCor);
  EscreveCentrado(P, FRotulo.split(u'\n'), FonteAresta(), FCaixaRotulo.center(), 0);
}

TItensFluxo MontaCena(QGraphicsScene& Cena, const TGrafo& G, const TDesenhoGrafo& D) {
  Cena.clear();
  TItensFluxo itens;
  if (!D.LimitesApartados.isEmpty()) {
    auto* grupo = Cena.addRect(D.LimitesApartados, QPen(QColor(0x90, 0x90, 0x90), 1, Qt::DashLine));
    grupo->setZValue(-1);
    auto* titulo = Cena.addSimpleText(G.TituloApartados, FonteNo());
    titulo->setBrush(QColor(0x60, 0x60, 0x60));
    titulo->setPos(D.LimitesApartados.left() + 6, D.LimitesApartados.top() + 4);
    titulo->setZValue(-1);
  }
  const size_t nos = std::min(G.Nos.size(), D.Nos.size());
  for (size_t i = 0; i < nos; ++i) {
    auto* item = new TItemNo(G.Nos[i], D.Nos[i], int(i));
    Cena.addItem(item);
    itens.Nos.push_back(item);
  }
  const size_t arestas = std::min(G.Arestas.size(), D.Arestas.size());
  for (size_t i = 0; i < arestas; ++i) {
    auto* item = new TItemAresta(G.Arestas[i], D.Arestas[i], int(i));
    Cena.addItem(item);
    itens.Arestas.push_back(item);
  }
  Cena.setSceneRect(D.Limites.adjusted(-20, -20, 20, 20));
  return itens;
}
