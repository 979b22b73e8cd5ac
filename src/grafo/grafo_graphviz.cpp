// The one place that talks to Graphviz (cgraph + gvc).
#include <gvc.h>
#include <stdio.h>

#include <QMutex>
#include <QMutexLocker>
#include <memory>

#include "grafo.h"

namespace {

// Graphviz keeps global state (errors, the string pool, the layout in
// progress): one call at a time in the whole process.
QMutex& TravaGraphviz() {
  static QMutex trava;
  return trava;
}

// The layouts' own Graphviz context, made on first use and kept for the
// process, used only under the lock. One context, not one per call: the
// text layout plugin remembers the last font by a pointer into the context,
// which freeing the context would leave dangling for the next one (Graphviz
// 2.42 reads it after it is freed).
GVC_t* Contexto() {
  static GVC_t* const contexto = gvContext();
  return contexto;
}

// Graphviz asks for char* but copies what it is given.
char* C(const char* Texto) { return const_cast<char*>(Texto); }

QByteArray Utf8(const QString& Texto) { return Texto.toUtf8(); }

// Labels and tooltips are Graphviz escape strings: a backslash starts an
// escape ("\N" the node's name, "\n" a line break), so the text's own
// backslashes are doubled and its line breaks become "\n".
QByteArray Escapado(const QString& Texto) {
  QString t = Texto;
  t.replace(u'\\', QStringLiteral("\\\\"));
  t.remove(u'\r');
  t.replace(u'\n', QStringLiteral("\\n"));
  return t.toUtf8();
}

const char* NomeMotor(TMotorDesenho M) { return M == TMotorDesenho::Sfdp ? "sfdp" : "dot"; }

const char* Forma(TFormaNo F) {
  switch (F) {
    case TFormaNo::Caixa:
    case TFormaNo::CaixaArredondada: return "box";
    case TFormaNo::Elipse: return "ellipse";
    case TFormaNo::Octogono: return "octagon";
  }
  return "box";
}

QByteArray Estilo(const TNoGrafo& N) {
  QByteArray s = "filled";
  if (N.Forma == TFormaNo::CaixaArredondada) s += ",rounded";
  if (N.Tracejado) s += ",dashed";
  return s;
}

QString ErroGraphviz;

int GuardaErro(char* Mensagem) {
  ErroGraphviz += QString::fromUtf8(Mensagem).trimmed();
  return 0;
}

// A graph built in Graphviz, freed with everything it holds. The caller holds
// the lock for the whole life of the object.
class TGrafoGraphviz {
 public:
  // Para: what the graph is made for. sfdp spends most of its time placing
  // edge labels (40 s instead of 2 s for 2,000 menus with 36,000 edges), so
  // its layouts go without them: the labels are then put at the middle of
  // their edges, and rendered pictures show them as tooltips only.
  enum class TPara { Texto, Desenho };
  TGrafoGraphviz(const TGrafo& G, TMotorDesenho Motor, TPara Para)
      : FMotor(Motor == TMotorDesenho::Automatico ? MotorPara(G) : Motor) {
    ErroGraphviz.clear();
    agseterr(AGERR);  // warnings (fonts, sizes) are not failures
    agseterrf(GuardaErro);
    FGvc = Contexto();
    FRotulosNoMeio = Para == TPara::Desenho && FMotor == TMotorDesenho::Sfdp;
    Monta(G);
  }
  ~TGrafoGraphviz() {
    if (FDisposto) gvFreeLayout(FGvc, FGrafo);
    if (FGrafo) agclose(FGrafo);
    agseterrf(nullptr);
  }
  TGrafoGraphviz(const TGrafoGraphviz&) = delete;
  TGrafoGraphviz& operator=(const TGrafoGraphviz&) = delete;

  TMotorDesenho Motor() const { return FMotor; }

  bool Dispoe(QString* Erro) {
    if (gvLayout(FGvc, FGrafo, NomeMotor(FMotor)) != 0) {
      if (Erro)
        *Erro = ErroGraphviz.isEmpty() ? QStringLiteral("o Graphviz não conseguiu dispor o grafo") : ErroGraphviz;
      return false;
    }
    FDisposto = true;
    return true;
  }

  QByteArray Renderiza(const QString& Formato, QString* Erro) {
    char* dados = nullptr;
    unsigned int tamanho = 0;
    if (gvRenderData(FGvc, FGrafo, Utf8(Formato).constData(), &dados, &tamanho) != 0 || !dados) {
      if (Erro)
        *Erro = ErroGraphviz.isEmpty() ? QStringLiteral("o Graphviz não gera o formato ") + Formato : ErroGraphviz;
      if (dados) gvFreeRenderData(dados);
      return {};
    }
    QByteArray r(dados, qsizetype(tamanho));
    gvFreeRenderData(dados);
    return r;
  }

  QByteArray Dot() {
    char* texto = nullptr;
    size_t tamanho = 0;
    FILE* f = open_memstream(&texto, &tamanho);
    if (!f) return {};
    agwrite(FGrafo, f);
    fclose(f);
    QByteArray r(texto, qsizetype(tamanho));
    free(texto);
    return r;
  }

  TDesenhoGrafo Desenho() const;

 private:
  void Monta(const TGrafo& G);

  TMotorDesenho FMotor;
  GVC_t* FGvc = nullptr;
  Agraph_t* FGrafo = nullptr;
  Agraph_t* FApartados = nullptr;
  std::vector<Agnode_t*> FNos;
  std::vector<Agedge_t*> FArestas;
  std::vector<bool> FTemRotulo;
  bool FRotulosNoMeio = false;
  bool FDisposto = false;
};

void TGrafoGraphviz::Monta(const TGrafo& G) {
  const QByteArray nome = G.Nome.isEmpty() ? QByteArray("URA") : Utf8(G.Nome);
  FGrafo = agopen(C(nome.constData()), Agdirected, nullptr);
  const bool dot = FMotor == TMotorDesenho::Dot;
  auto grafo = [&](const char* Nome, const char* Valor) { agattr(FGrafo, AGRAPH, C(Nome), C(Valor)); };
  grafo("layout", NomeMotor(FMotor));
  grafo("charset", "UTF-8");
  grafo("fontname", kFonteGrafo.toUtf8().constData());
  grafo("fontsize", QByteArray::number(kTamanhoFonteNo).constData());
  grafo("label", "");
  grafo("style", "");
  grafo("color", "");
  grafo("fontcolor", "");
  if (dot) {
    grafo("rankdir", "LR");
    grafo("nodesep", "0.25");
    grafo("ranksep", "0.4");
    // Large graphs would spend minutes improving crossings and positions.
    grafo("mclimit", "0.5");
    grafo("nslimit", "2");
    grafo("nslimit1", "2");
  } else {
    grafo("overlap", "prism");
    grafo("sep", "+6");
    grafo("esep", "+4");
    grafo("splines", "false");
  }

  const QByteArray tamNo = QByteArray::number(kTamanhoFonteNo), tamAresta = QByteArray::number(kTamanhoFonteAresta);
  auto no = [&](const char* Nome, const char* Padrao) { return agattr(FGrafo, AGNODE, C(Nome), C(Padrao)); };
  Agsym_t* nRotulo = no("label", "\\N");
  Agsym_t* nForma = no("shape", "box");
  Agsym_t* nEstilo = no("style", "filled");
  Agsym_t* nCor = no("color", "black");
  Agsym_t* nFundo = no("fillcolor", "white");
  Agsym_t* nTexto = no("fontcolor", "black");
  Agsym_t* nEspessura = no("penwidth", "1");
  Agsym_t* nPeriferias = no("peripheries", "1");
  Agsym_t* nDica = no("tooltip", "");
  Agsym_t* nLink = no("URL", "");
  no("fontname", kFonteGrafo.toUtf8().constData());
  no("fontsize", tamNo.constData());
  no("margin", "0.12,0.06");

  auto aresta = [&](const char* Nome, const char* Padrao) { return agattr(FGrafo, AGEDGE, C(Nome), C(Padrao)); };
  Agsym_t* eRotulo = aresta("label", "");
  Agsym_t* eCor = aresta("color", "black");
  Agsym_t* eTextoCor = aresta("fontcolor", "black");
  Agsym_t* eEstilo = aresta("style", "solid");
  Agsym_t* eDica = aresta("tooltip", "");
  aresta("fontname", kFonteGrafo.toUtf8().constData());
  aresta("fontsize", tamAresta.constData());
  aresta("arrowsize", "0.7");

  bool temApartados = false;
  for (const TNoGrafo& n : G.Nos) temApartados |= n.Apartado;
  if (temApartados && dot) {
    FApartados = agsubg(FGrafo, C("cluster_apartados"), 1);
    agsafeset(FApartados, C("label"), C(Escapado(G.TituloApartados).constData()), C(""));
    agsafeset(FApartados, C("style"), C("dashed"), C(""));
    agsafeset(FApartados, C("color"), C("#909090"), C(""));
    agsafeset(FApartados, C("fontcolor"), C("#606060"), C(""));
  }

  FNos.reserve(G.Nos.size());
  for (size_t i = 0; i < G.Nos.size(); ++i) {
    const TNoGrafo& n = G.Nos[i];
    const QByteArray id = "n" + QByteArray::number(qulonglong(i));
    Agnode_t* v = agnode(FGrafo, C(id.constData()), 1);
    agxset(v, nRotulo, C(Escapado(n.Rotulo).constData()));
    agxset(v, nForma, C(Forma(n.Forma)));
    agxset(v, nEstilo, C(Estilo(n).constData()));
    agxset(v, nCor, C(Utf8(n.CorBorda).constData()));
    agxset(v, nFundo, C(Utf8(n.CorFundo).constData()));
    agxset(v, nTexto, C(Utf8(n.CorTexto).constData()));
    agxset(v, nEspessura, C(QByteArray::number(n.Espessura).constData()));
    if (n.BordaDupla) agxset(v, nPeriferias, C("2"));
    if (!n.Dica.isEmpty()) agxset(v, nDica, C(Escapado(n.Dica).constData()));
    if (!n.Link.isEmpty()) agxset(v, nLink, C(Escapado(n.Link).constData()));
    if (n.Apartado && FApartados) agsubnode(FApartados, v, 1);
    FNos.push_back(v);
  }
  FArestas.reserve(G.Arestas.size());
  for (const TArestaGrafo& a : G.Arestas) {
    Agedge_t* e = nullptr;
    if (a.Origem >= 0 && a.Destino >= 0 && size_t(a.Origem) < FNos.size() && size_t(a.Destino) < FNos.size()) {
      e = agedge(FGrafo, FNos[size_t(a.Origem)], FNos[size_t(a.Destino)], nullptr, 1);
      if (!a.Rotulo.isEmpty() && !FRotulosNoMeio) agxset(e, eRotulo, C(Escapado(a.Rotulo).constData()));
      agxset(e, eCor, C(Utf8(a.Cor).constData()));
      agxset(e, eTextoCor, C(Utf8(a.Cor).constData()));
      if (a.Tracejada) agxset(e, eEstilo, C("dashed"));
      const QString dica = a.Dica.isEmpty() && FRotulosNoMeio ? a.Rotulo : a.Dica;
      if (!dica.isEmpty()) agxset(e, eDica, C(Escapado(dica).constData()));
    }
    FArestas.push_back(e);
    FTemRotulo.push_back(!a.Rotulo.isEmpty());
  }
}

TDesenhoGrafo TGrafoGraphviz::Desenho() const {
  TDesenhoGrafo d;
  d.Ok = true;
  d.Motor = QString::fromLatin1(NomeMotor(FMotor));
  const boxf bb = GD_bb(FGrafo);
  const double topo = bb.UR.y;
  auto ponto = [topo](pointf P) { return QPointF(P.x, topo - P.y); };
  d.Limites = QRectF(QPointF(bb.LL.x, 0), QPointF(bb.UR.x, topo - bb.LL.y));
  if (FApartados) {
    const boxf c = GD_bb(FApartados);
    if (c.UR.x > c.LL.x) d.LimitesApartados = QRectF(ponto(c.LL), ponto(c.UR)).normalized();
  }
  d.Nos.reserve(FNos.size());
  for (Agnode_t* v : FNos) {
    TDesenhoNo n;
    n.Centro = ponto(ND_coord(v));
    n.Tamanho = QSizeF(ND_width(v) * 72.0, ND_height(v) * 72.0);
    d.Nos.push_back(n);
  }
  d.Arestas.reserve(FArestas.size());
  for (Agedge_t* e : FArestas) {
    TDesenhoAresta a;
    const splines* s = e ? ED_spl(e) : nullptr;
    if (s && s->size > 0) {
      // Several pieces only when the edge is split (concentrated edges).
      for (int b = 0; b < s->size; ++b) {
        const bezier& z = s->list[b];
        for (int i = (b == 0 || z.size == 0) ? 0 : 1; i < z.size; ++i) a.Curva.push_back(ponto(z.list[i]));
        if (z.eflag) {
          a.TemSeta = true;
          a.PontaSeta = ponto(z.ep);
        }
      }
    }
    const textlabel_t* r = e ? ED_label(e) : nullptr;
    if (r && r->set) {
      a.TemRotulo = true;
      a.CentroRotulo = ponto(r->pos);
    } else if (FRotulosNoMeio && FTemRotulo[d.Arestas.size()] && !a.Curva.empty()) {
      a.TemRotulo = true;
      a.CentroRotulo = (a.Curva.front() + (a.TemSeta ? a.PontaSeta : a.Curva.back())) / 2;
    }
    d.Arestas.push_back(std::move(a));
  }
  return d;
}

}  // namespace

TMotorDesenho MotorPara(const TGrafo& G) {
  // Measured with the flow benchmark: beyond this dot takes seconds.
  constexpr size_t kLimiteDot = 1200;
  return G.Nos.size() + G.Arestas.size() <= kLimiteDot ? TMotorDesenho::Dot : TMotorDesenho::Sfdp;
}

TDesenhoGrafo DesenhaGrafo(const TGrafo& G, TMotorDesenho Motor) {
  QMutexLocker trava(&TravaGraphviz());
  TGrafoGraphviz g(G, Motor, TGrafoGraphviz::TPara::Desenho);
  TDesenhoGrafo d;
  if (!g.Dispoe(&d.Erro)) {
    d.Motor = QString::fromLatin1(NomeMotor(g.Motor()));
    return d;
  }
  return g.Desenho();
}

QByteArray DotDoGrafo(const TGrafo& G, TMotorDesenho Motor) {
  QMutexLocker trava(&TravaGraphviz());
  TGrafoGraphviz g(G, Motor, TGrafoGraphviz::TPara::Texto);
  return g.Dot();
}

QByteArray RenderizaGrafo(const TGrafo& G, const QString& Formato, QString* Erro, TMotorDesenho Motor) {
  QMutexLocker trava(&TravaGraphviz());
  TGrafoGraphviz g(G, Motor, TGrafoGraphviz::TPara::Desenho);
  if (!g.Dispoe(Erro)) return {};
  return g.Renderiza(Formato, Erro);
}
