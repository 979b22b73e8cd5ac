// Graphviz in-process: the DOT text read back by Graphviz's own parser, the
// layout's positions, the rendered SVG and PNG, the engine for large graphs,
// and how a flow becomes a graph.
#include <gtest/gtest.h>
#include <gvc.h>

#include <QXmlStreamReader>
#include <memory>

#include "UTMenuUra.h"
#include "ajuda_teste.h"
#include "fluxo_grafo.h"
#include "grafo.h"

namespace {

// Labels that Graphviz would read as escapes, quotes, markup or non-ASCII text.
TGrafo GrafoDeTeste() {
  TGrafo g;
  g.Nome = QStringLiteral("teste \"aspas\"");
  for (const char* r : {"Início\nsegunda linha", "barra \\N e \\n", "<b>não é HTML</b>", "{a|b} ; x=1"}) {
    TNoGrafo n;
    n.Rotulo = QString::fromUtf8(r);
    n.Dica = n.Rotulo;
    g.Nos.push_back(n);
  }
  g.Nos[3].Forma = TFormaNo::Octogono;
  g.Arestas = {{0, 1, QStringLiteral("1 » Opções"), {}, QStringLiteral("#C00000"), false},
               {1, 2, QStringLiteral("\"x\""), {}, QStringLiteral("#000000"), true},
               {2, 2, QStringLiteral("laço"), {}, QStringLiteral("#000000"), false},
               {0, 3, {}, {}, QStringLiteral("#000000"), false},
               {0, 3, QStringLiteral("paralela"), {}, QStringLiteral("#000000"), false}};
  return g;
}

// Graphviz's parser on the text; null when it does not parse.
std::unique_ptr<Agraph_t, int (*)(Agraph_t*)> LeDot(const QByteArray& Dot) {
  return {agmemread(Dot.constData()), agclose};
}

QString Atributo(void* Objeto, const char* Nome) { return QString::fromUtf8(agget(Objeto, const_cast<char*>(Nome))); }

TEST(GrafoTest, DotTextIsReadBackByGraphvizWithEveryLabel) {
  const TGrafo g = GrafoDeTeste();
  const QByteArray dot = DotDoGrafo(g, TMotorDesenho::Dot);
  auto lido = LeDot(dot);
  ASSERT_TRUE(lido) << dot.toStdString();
  EXPECT_EQ(agnnodes(lido.get()), int(g.Nos.size()));
  EXPECT_EQ(agnedges(lido.get()), int(g.Arestas.size()));
  EXPECT_EQ(Atributo(lido.get(), "rankdir"), QStringLiteral("LR"));
  EXPECT_EQ(Atributo(lido.get(), "layout"), QStringLiteral("dot"));
  for (size_t i = 0; i < g.Nos.size(); ++i) {
    const QByteArray id = "n" + QByteArray::number(qulonglong(i));
    Agnode_t* n = agnode(lido.get(), const_cast<char*>(id.constData()), 0);
    ASSERT_TRUE(n) << id.toStdString();
    // Escape strings: backslashes doubled, line breaks as "\n".
    QString esperado = g.Nos[i].Rotulo;
    esperado.replace(u'\\', QStringLiteral("\\\\")).replace(u'\n', QStringLiteral("\\n"));
    EXPECT_EQ(Atributo(n, "label"), esperado);
  }
  EXPECT_EQ(Atributo(LeDot(DotDoGrafo(g, TMotorDesenho::Sfdp)).get(), "layout"), QStringLiteral("sfdp"));
}

TEST(GrafoTest, LayoutPlacesEveryNodeAndJoinsEveryEdgeToItsNodes) {
  const TGrafo g = GrafoDeTeste();
  for (TMotorDesenho motor : {TMotorDesenho::Dot, TMotorDesenho::Sfdp}) {
    const TDesenhoGrafo d = DesenhaGrafo(g, motor);
    SCOPED_TRACE(d.Motor.toStdString());
    ASSERT_TRUE(d.Ok) << d.Erro.toStdString();
    ASSERT_EQ(d.Nos.size(), g.Nos.size());
    ASSERT_EQ(d.Arestas.size(), g.Arestas.size());
    for (const TDesenhoNo& n : d.Nos) {
      EXPECT_TRUE(d.Limites.contains(n.Centro));
      EXPECT_GT(n.Tamanho.width(), 20);
    }
    auto caixa = [&](int No) {
      const TDesenhoNo& n = d.Nos[size_t(No)];
      return QRectF(n.Centro - QPointF(n.Tamanho.width(), n.Tamanho.height()) / 2, n.Tamanho).adjusted(-3, -3, 3, 3);
    };
    for (size_t i = 0; i < g.Arestas.size(); ++i) {
      const TDesenhoAresta& a = d.Arestas[i];
      ASSERT_GE(a.Curva.size(), 2u);
      EXPECT_TRUE(caixa(g.Arestas[i].Origem).contains(a.Curva.front())) << i;
      EXPECT_TRUE(a.TemSeta);
      EXPECT_TRUE(caixa(g.Arestas[i].Destino).contains(a.PontaSeta)) << i;
      EXPECT_EQ(a.TemRotulo, !g.Arestas[i].Rotulo.isEmpty()) << i;
    }
  }
  // Left to right: the first node of the chain is left of the second.
  const TDesenhoGrafo dot = DesenhaGrafo(g);
  EXPECT_EQ(dot.Motor, QStringLiteral("dot"));
  EXPECT_LT(dot.Nos[0].Centro.x(), dot.Nos[1].Centro.x());
}

TEST(GrafoTest, LargeGraphsGoToTheFastEngineWithLabelsInTheMiddle) {
  EXPECT_EQ(MotorPara(GrafoDeTeste()), TMotorDesenho::Dot);
  TGrafo g;
  g.Nos.resize(3000);
  for (int i = 1; i < 3000; ++i)
    g.Arestas.push_back({i - 1, i, QStringLiteral("x"), {}, QStringLiteral("#000000"), false});
  EXPECT_EQ(MotorPara(g), TMotorDesenho::Sfdp);
  auto lido = LeDot(DotDoGrafo(g));
  ASSERT_TRUE(lido);
  EXPECT_EQ(Atributo(lido.get(), "layout"), QStringLiteral("sfdp"));
  // The text for Graphviz's tools keeps the labels.
  EXPECT_EQ(Atributo(agfstedge(lido.get(), agfstnode(lido.get())), "label"), QStringLiteral("x"));

  const TDesenhoGrafo d = DesenhaGrafo(GrafoDeTeste(), TMotorDesenho::Sfdp);
  ASSERT_TRUE(d.Ok);
  const TDesenhoAresta& a = d.Arestas[0];
  EXPECT_EQ(a.CentroRotulo, (a.Curva.front() + a.PontaSeta) / 2);
}

TEST(GrafoTest, RendersSvgAndPngInTheBackgroundToo) {
  const TGrafo g = GrafoDeTeste();
  QString erro;
  const QByteArray svg = RenderizaGrafo(g, QStringLiteral("svg"), &erro);
  ASSERT_FALSE(svg.isEmpty()) << erro.toStdString();
  QXmlStreamReader xml(svg);
  int nos = 0;
  while (!xml.atEnd())
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.attributes().value(QStringLiteral("class")) == u"node")
      ++nos;
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(nos, int(g.Nos.size()));
  EXPECT_TRUE(svg.contains("Início")) << "text stays UTF-8";

  EXPECT_TRUE(RenderizaGrafo(g, QStringLiteral("png")).startsWith("\x89PNG\r\n\x1a\n"));
  EXPECT_TRUE(RenderizaGrafo(g, QStringLiteral("formato-inexistente"), &erro).isEmpty());
  EXPECT_FALSE(erro.isEmpty());

  QFuture<TDesenhoGrafo> futuro = DesenhaGrafoEmSegundoPlano(g);
  futuro.waitForFinished();
  ASSERT_EQ(futuro.resultCount(), 1);
  EXPECT_TRUE(futuro.result().Ok);
  EXPECT_EQ(futuro.result().Nos.size(), g.Nos.size());
}

class GrafoFluxoTest : public InfoAuxiliarLimpa {};

TEST_F(GrafoFluxoTest, FlowBecomesStyledGraphWithParallelWaysOnOneEdge) {
  TDAC dac;
  dac.MenuInicial = QStringLiteral("A");
  auto a = std::make_unique<TMenuUra>(&dac, QStringLiteral("A"));
  a->Descricao = QStringLiteral("Entrada");
  for (const char* v : {"1", "2", "3", "4", "5"}) {
    auto o = std::make_unique<TMUOpcao>(&dac, QString::fromLatin1(v));
    AddAcao(*o->ListaAcao, QStringLiteral("DESLIGA"));
    a->ListaOpcoes->Add(std::move(o));
  }
  AddAcao(*a->Final->ListaAcao, QStringLiteral("VAIPARA"), QStringLiteral("Nada"));
  dac.ListaMenus->Add(std::move(a));
  dac.ListaMenus->Add(std::make_unique<TMenuUra>(&dac, QStringLiteral("Solto")));

  const TFluxo fluxo(dac);
  const TGrafo g = GrafoDoFluxo(fluxo, true);
  ASSERT_EQ(g.Nos.size(), fluxo.Nos.size());
  // A: initial, with an error (the jump to "Nada"); Solto: unreachable, apart.
  EXPECT_TRUE(g.Nos[0].BordaDupla);
  EXPECT_EQ(g.Nos[0].CorBorda, QStringLiteral("#C00000"));
  EXPECT_TRUE(g.Nos[0].Rotulo.startsWith(QStringLiteral("A\n(menu inicial)\nEntrada\n5 opções\n")));
  EXPECT_EQ(g.Nos[0].Link, QStringLiteral("#A"));
  // The tooltip: name, description and every finding with its section.
  const QStringList dica = g.Nos[0].Dica.split(u'\n');
  ASSERT_EQ(dica.size(), 2 + qsizetype(fluxo.Nos[0].Achados.size()));
  EXPECT_EQ(dica.mid(0, 2), (QStringList{"A", "Entrada"}));
  EXPECT_TRUE(dica.contains(QStringLiteral("erro: Final: Ação 1: O menu \"Nada\" não existe")))
      << g.Nos[0].Dica.toStdString();
  EXPECT_TRUE(g.Nos[1].Apartado && g.Nos[1].Tracejado);
  EXPECT_FALSE(g.Nos[0].Apartado);
  EXPECT_EQ(g.Nos[2].Rotulo, QStringLiteral("Encerra a chamada"));
  EXPECT_EQ(g.Nos[3].Rotulo, QStringLiteral("Menu inexistente\nNada"));
  EXPECT_TRUE(GrafoDoFluxo(fluxo).Nos[0].Link.isEmpty());

  // Five ways to the hang-up make one edge: four written, the rest counted.
  ASSERT_EQ(fluxo.Arestas.size(), 6u);
  ASSERT_EQ(g.Arestas.size(), 2u);
  EXPECT_EQ(g.Arestas[0].Rotulo, QStringLiteral("1\n2\n3\n4\n(+1)"));
  EXPECT_EQ(g.Arestas[0].Dica, QStringLiteral("1\n2\n3\n4\n5"));
  EXPECT_EQ(g.Arestas[1].Destino, 3);
}

TEST(GrafoTest, TextIsWrappedAtBlanksAndCut) {
  EXPECT_EQ(QuebraTexto(QStringLiteral("Do dia 24/12 as 18:00 até o dia 26/12 as 08:00"), 20, 3),
            QStringLiteral("Do dia 24/12 as\n18:00 até o dia\n26/12 as 08:00"));
  EXPECT_EQ(QuebraTexto(QStringLiteral("a b c d e f"), 3, 2), QStringLiteral("a b\nc d..."));
  EXPECT_EQ(QuebraTexto(QStringLiteral("palavra-longa-demais"), 5, 2), QStringLiteral("palavra-longa-demais"));
}

}  // namespace
