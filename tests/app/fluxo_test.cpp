// "Fluxo da URA" from the main window: F8 shows the open document's flow; a
// double click on a menu opens it in the menu editor, and the drawing follows
// the change made there.
#include <QAction>
#include <QTest>

#include "UfrmFluxo.h"
#include "UfrmMenuUra.h"
#include "UfrmTestarUra.h"
#include "comandos_simulacao.h"
#include "janela.h"
#include "visaofluxo.h"

namespace {

TEST_F(JanelaTest, DoubleClickOnAMenuOfTheFlowOpensItInTheEditor) {
  auto w = CriaComUra();
  auto* comando = w->findChild<QAction*>(QStringLiteral("mnuFluxo"));
  ASSERT_TRUE(comando);
  EXPECT_EQ(comando->shortcut(), QKeySequence(Qt::Key_F8));
  EXPECT_EQ(comando->text(), QStringLiteral("Fluxo da URA"));
  comando->trigger();
  auto* fluxo = w->findChild<TfrmFluxo*>();
  ASSERT_TRUE(fluxo && fluxo->isVisible());
  ASSERT_TRUE(EsperaAte([&] { return !fluxo->Desenhando() && !fluxo->Itens().Nos.empty(); }));

  QString editado;
  P().Usuario.push_back([&](QDialog* d) {
    auto* e = qobject_cast<TfrmMenuUra*>(d);
    if (!e) return int(QDialog::Rejected);
    editado = e->MenuUra->Nome;
    e->MenuUra->Descricao = QStringLiteral("Destino revisto");
    return int(QDialog::Accepted);
  });
  fluxo->gvFluxo->Ajusta();
  const TItemNo* alvo = fluxo->Itens().Nos[1];
  QTest::mouseDClick(fluxo->gvFluxo->viewport(), Qt::LeftButton, {},
                     fluxo->gvFluxo->mapFromScene(alvo->sceneBoundingRect().center()));
  EXPECT_EQ(P().DialogosModais, QStringList{QStringLiteral("TfrmMenuUra")});
  EXPECT_EQ(editado, QStringLiteral("Alvo"));
  EXPECT_EQ(w->DacAtual()->ListaMenus->GetItem(1)->Descricao, QStringLiteral("Destino revisto"));
  EXPECT_TRUE(EsperaAte([&] {
    return !fluxo->Desenhando() && fluxo->Grafo() && fluxo->Grafo()->Nos[1].Rotulo.contains(u"Destino revisto");
  }));

  // The same window comes back with the next F8.
  fluxo->close();
  comando->trigger();
  EXPECT_EQ(w->findChildren<TfrmFluxo*>().size(), 1);
  EXPECT_TRUE(fluxo->isVisible());
}

// The simulated call lights its path on the flow, whichever window opens first.
TEST_F(JanelaTest, TheSimulatedCallIsHighlightedOnTheFlow) {
  auto w = CriaComUra();
  const auto destacados = [&](TfrmFluxo* f) {
    QStringList r;
    for (const TItemNo* n : f->Itens().Nos)
      if (n->Destaque()) r << f->Fluxo()->Nos[size_t(n->Indice())].Nome;
    for (const TItemAresta* a : f->Itens().Arestas)
      if (a->Destaque())
        r << f->Fluxo()->Nos[size_t(a->Origem())].Nome + u'>' + f->Fluxo()->Nos[size_t(a->Destino())].Nome;
    return r;
  };
  const QStringList caminho{"Inicio", "Alvo", "Inicio>Alvo"};
  for (bool fluxoPrimeiro : {true, false}) {
    SCOPED_TRACE(fluxoPrimeiro);
    auto* comandoFluxo = w->findChild<QAction*>(QStringLiteral("mnuFluxo"));
    auto* comandoTestar = w->findChild<QAction*>(QStringLiteral("mnuTestarUra"));
    if (fluxoPrimeiro) comandoFluxo->trigger();
    comandoTestar->trigger();
    if (!fluxoPrimeiro) comandoFluxo->trigger();
    auto* fluxo = w->findChild<TfrmFluxo*>();
    TfrmTestarUra* simulador = JanelaTestarUra(*w);
    ASSERT_TRUE(fluxo && simulador);
    ASSERT_TRUE(EsperaAte([&] { return !fluxo->Desenhando() && fluxo->Fluxo() && !fluxo->Itens().Nos.empty(); }));
    EXPECT_EQ(destacados(fluxo), caminho);
    // Closing the simulator takes the path away.
    simulador->close();
    EXPECT_TRUE(destacados(fluxo).isEmpty());
    fluxo->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

}  // namespace
