// The flow of a URA: model, graph, Graphviz layout and the window's scene,
// for the voice example and for URAs of 200 and 2,000 menus. Two shapes: a
// tree of menus as URAs are built (options lead to sub-menus, queues or back,
// fallbacks to a queue and a hang-up), and a dense one where every menu has
// 5 conditions and 10 options jumping anywhere.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGraphicsScene>

#include "UTMenuUra.h"
#include "UTXMLDac.h"
#include "cenafluxo.h"
#include "fluxo.h"
#include "fluxo_grafo.h"
#include "grafo.h"
#include "principal_qt.h"

namespace {

void Acao(TMUListaAcao& L, const QString& Tipo, const QString& Valor, const QString& Variavel = QString()) {
  auto a = std::make_unique<TMUAcao>(L.DAC, Tipo);
  a->SetValor(Valor);
  a->Variavel = Variavel;
  L.Add(std::move(a));
}

QString Nome(int I) { return QStringLiteral("Menu%1").arg(I); }

void MontaArvore(TDAC& Dac, int Menus) {
  Dac.MenuInicial = Nome(0);
  for (int i = 0; i < Menus; ++i) {
    auto m = std::make_unique<TMenuUra>(&Dac, Nome(i));
    m->Descricao = QStringLiteral("Atendimento do grupo %1").arg(i);
    if (i == 0) {
      auto c = std::make_unique<TMUCondicao>(&Dac);
      c->Feriados = true;
      Acao(*c->ListaAcao, QStringLiteral("DESLIGA"), QString());
      m->ListaCondicoes->Add(std::move(c));
    }
    for (int k = 1; k <= 4; ++k) {
      auto o = std::make_unique<TMUOpcao>(&Dac, QString::number(k));
      const int filho = 4 * i + k;
      if (filho < Menus)
        Acao(*o->ListaAcao, QStringLiteral("VAIPARA"), Nome(filho));
      else
        Acao(*o->ListaAcao, QStringLiteral("DISCAF"), QString::number(i % 30), QStringLiteral("1"));
      m->ListaOpcoes->Add(std::move(o));
    }
    if (i > 0) {
      auto volta = std::make_unique<TMUOpcao>(&Dac, QStringLiteral("9"));
      Acao(*volta->ListaAcao, QStringLiteral("VAIPARA"), Nome((i - 1) / 4), QStringLiteral("1"));
      m->ListaOpcoes->Add(std::move(volta));
    }
    Acao(*m->OpcaoInvalida->ListaAcao, QStringLiteral("DISCAF"), QStringLiteral("99"));
    Acao(*m->OpcaoTimeout->ListaAcao, QStringLiteral("DESLIGA"), QString());
    Dac.ListaMenus->Add(std::move(m));
  }
}

void MontaDenso(TDAC& Dac, int Menus) {
  Dac.MenuInicial = Nome(0);
  for (int i = 0; i < Menus; ++i) {
    auto m = std::make_unique<TMenuUra>(&Dac, Nome(i));
    for (int c = 0; c < 5; ++c) {
      auto cond = std::make_unique<TMUCondicao>(&Dac);
      cond->SetDiasSemana(QStringLiteral("1-5"));
      cond->SetStrHoraIni(QStringLiteral("%1:00").arg(8 + c));
      Acao(*cond->ListaAcao, QStringLiteral("VAIPARA"), Nome((i * 7 + c + 1) % Menus));
      m->ListaCondicoes->Add(std::move(cond));
    }
    for (int k = 0; k < 10; ++k) {
      auto o = std::make_unique<TMUOpcao>(&Dac, QString::number(k));
      if (k % 3 == 2)
        Acao(*o->ListaAcao, QStringLiteral("DISCAF"), QString::number((i + k) % 100), QStringLiteral("1"));
      else
        Acao(*o->ListaAcao, QStringLiteral("VAIPARA"), Nome((i * 11 + k + 1) % Menus));
      m->ListaOpcoes->Add(std::move(o));
    }
    Acao(*m->OpcaoInvalida->ListaAcao, QStringLiteral("DESLIGA"), QString::number(i % 100));
    Acao(*m->OpcaoTimeout->ListaAcao, QStringLiteral("VAIPARA"), Nome((i * 13 + 1) % Menus));
    Acao(*m->Final->ListaAcao, QStringLiteral("VAIPARA"), Nome((i * 19 + 1) % Menus));
    Dac.ListaMenus->Add(std::move(m));
  }
}

// 0: the voice example; otherwise a tree (Denso 0) or dense URA of that many menus.
std::unique_ptr<TDAC> Documento(int Menus, bool Denso) {
  auto dac = std::make_unique<TDAC>();
  dac->Nome = QStringLiteral("bench");
  if (Menus == 0) {
    TXMLDac xml;
    TXMLDocument doc;
    xml.LerXML(doc, dac.get(), QStringLiteral(URA_EXAMPLES_DIR "/atendimento-voz.xml"));
  } else if (Denso) {
    MontaDenso(*dac, Menus);
  } else {
    MontaArvore(*dac, Menus);
  }
  return dac;
}

void Contadores(benchmark::State& State, const TGrafo& G, const QString& Motor) {
  State.counters["nos"] = double(G.Nos.size());
  State.counters["arestas"] = double(G.Arestas.size());
  State.SetLabel(Motor.toStdString());
}

// Document to graph: the check, the flow model and the styled graph.
void BM_Grafo(benchmark::State& State) {
  const auto dac = Documento(int(State.range(0)), State.range(1) != 0);
  TGrafo g;
  for (auto _ : State) {
    g = GrafoDoFluxo(TFluxo(*dac));
    benchmark::DoNotOptimize(g.Nos.data());
  }
  Contadores(State, g, QString());
}

// Graphviz's layout, with the engine chosen by size (range 2: 1 forces dot).
void BM_Layout(benchmark::State& State) {
  const auto dac = Documento(int(State.range(0)), State.range(1) != 0);
  const TGrafo g = GrafoDoFluxo(TFluxo(*dac));
  const TMotorDesenho motor = State.range(2) ? TMotorDesenho::Dot : TMotorDesenho::Automatico;
  QString usado;
  for (auto _ : State) {
    const TDesenhoGrafo d = DesenhaGrafo(g, motor);
    usado = d.Motor;
    benchmark::DoNotOptimize(d.Nos.data());
  }
  Contadores(State, g, usado);
}

// What the window does once the layout is back: the items of the scene.
void BM_Cena(benchmark::State& State) {
  const auto dac = Documento(int(State.range(0)), State.range(1) != 0);
  const TGrafo g = GrafoDoFluxo(TFluxo(*dac));
  const TDesenhoGrafo d = DesenhaGrafo(g);
  QGraphicsScene cena;
  for (auto _ : State) {
    const TItensFluxo itens = MontaCena(cena, g, d);
    // The scene polishes its new items when the window's event loop runs;
    // left undone, the next clear would pay for it at every item removed.
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(itens.Nos.data());
  }
  Contadores(State, g, d.Motor);
}

}  // namespace

// Arguments: menus (0 = the voice example), dense (0/1).
BENCHMARK(BM_Grafo)->Args({0, 0})->Args({200, 0})->Args({2000, 0})->Args({200, 1})->Args({2000, 1})->Unit(
    benchmark::kMillisecond);
BENCHMARK(BM_Layout)
    ->Args({0, 0, 0})
    ->Args({200, 0, 0})
    ->Args({200, 0, 1})
    ->Args({2000, 0, 0})
    ->Args({200, 1, 0})
    ->Args({2000, 1, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_Cena)->Args({0, 0})->Args({200, 0})->Args({2000, 0})->Args({2000, 1})->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RodaBenchmarksQt(argc, argv); }
