#pragma once
// A graph to draw, and its drawing as Graphviz lays it out, in-process.
// Only grafo_graphviz.cpp sees Graphviz: the rest of the program describes
// the graph with these types and gets positions and curves back.
//
// Graphviz is not thread-safe: every call below takes one process-wide lock
// and uses the layouts' own Graphviz context, kept for the process, so they
// may be called from any thread, one at a time. Coordinates are points (1/72 inch) with y growing
// downwards, as on a screen.
#include <QByteArray>
#include <QFuture>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

enum class TFormaNo { Caixa, CaixaArredondada, Elipse, Octogono };

struct TNoGrafo {
  QString Rotulo;  // lines separated by '\n'
  QString Dica;    // tooltip
  QString Link;    // link target of the node in SVG; empty for none
  TFormaNo Forma = TFormaNo::CaixaArredondada;
  QString CorBorda = QStringLiteral("#404040");  // "#RRGGBB"
  QString CorFundo = QStringLiteral("#FFFFFF");
  QString CorTexto = QStringLiteral("#000000");
  double Espessura = 1;  // of the border, in points
  bool Tracejado = false;
  bool BordaDupla = false;
  bool Apartado = false;  // drawn apart from the rest, in a group of its own
};

struct TArestaGrafo {
  int Origem = -1;  // node indices
  int Destino = -1;
  QString Rotulo;  // lines separated by '\n'
  QString Dica;
  QString Cor = QStringLiteral("#404040");
  bool Tracejada = false;
};

struct TGrafo {
  QString Nome;
  QString TituloApartados;  // caption of the group of the nodes drawn apart
  std::vector<TNoGrafo> Nos;
  std::vector<TArestaGrafo> Arestas;
};

// The font of the labels; the window draws with the same one.
inline const QString kFonteGrafo = QStringLiteral("DejaVu Sans");
inline constexpr double kTamanhoFonteNo = 10;     // points
inline constexpr double kTamanhoFonteAresta = 9;  // points

// Which layout: dot (ranks left to right) reads best; sfdp (force-directed)
// stays fast on graphs too large for dot. sfdp lays the graph out without the
// edge labels, which would cost it most of its time: each label is then put
// at the middle of its edge, and pictures rendered by Graphviz carry it as the
// edge's tooltip only.
enum class TMotorDesenho { Automatico, Dot, Sfdp };

struct TDesenhoNo {
  QPointF Centro;
  QSizeF Tamanho;
};

struct TDesenhoAresta {
  // A cubic Bézier path: the start point, then three points per segment.
  std::vector<QPointF> Curva;
  bool TemSeta = false;
  QPointF PontaSeta;  // the arrow runs from the last point of Curva to here
  bool TemRotulo = false;
  QPointF CentroRotulo;
};

struct TDesenhoGrafo {
  bool Ok = false;
  QString Erro;   // Graphviz's complaint when not Ok
  QString Motor;  // "dot" or "sfdp"
  QRectF Limites;
  QRectF LimitesApartados;              // the group of nodes drawn apart; empty when none is drawn
  std::vector<TDesenhoNo> Nos;          // one per node of the graph, same order
  std::vector<TDesenhoAresta> Arestas;  // one per edge, same order
};

// The engine Automatico stands for with this graph.
TMotorDesenho MotorPara(const TGrafo& G);

// Lays the graph out.
TDesenhoGrafo DesenhaGrafo(const TGrafo& G, TMotorDesenho Motor = TMotorDesenho::Automatico);

// The graph in Graphviz's DOT language, not laid out (dot, sfdp and the other
// Graphviz tools read it).
QByteArray DotDoGrafo(const TGrafo& G, TMotorDesenho Motor = TMotorDesenho::Automatico);

// Lays the graph out and renders it in a Graphviz output format ("svg",
// "png"). Empty, with the reason in *Erro, when Graphviz fails.
QByteArray RenderizaGrafo(const TGrafo& G, const QString& Formato, QString* Erro = nullptr,
                          TMotorDesenho Motor = TMotorDesenho::Automatico);

// DesenhaGrafo on a thread of its own, so that a window never waits for it.
// Layouts run one after the other, in the order asked for; one whose future
// is cancelled before it starts is skipped.
QFuture<TDesenhoGrafo> DesenhaGrafoEmSegundoPlano(TGrafo G, TMotorDesenho Motor = TMotorDesenho::Automatico);
