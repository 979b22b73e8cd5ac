// The "Fluxo da URA" window on the voice example: it draws the document and
// follows it, finds menus, highlights a simulated call's path, reports double
// clicks on menus and exports the drawing.
#include <QAbstractItemView>
#include <QCompleter>
#include <QGraphicsView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "UTXMLDac.h"
#include "UfrmFluxo.h"
#include "apoio.h"
#include "visaofluxo.h"

namespace {

class FluxoJanelaTest : public TesteJanela {
 protected:
  void SetUp() override {
    Dac = std::make_unique<TDAC>();
    TXMLDocument doc;
    ASSERT_TRUE(TXMLDac().LerXML(doc, Dac.get(), QStringLiteral(URA_EXAMPLES_DIR "/atendimento-voz.xml")));
    Janela = std::make_unique<TfrmFluxo>([this] { return Dac.get(); });
    Janela->show();
    ASSERT_TRUE(Pronta());
  }

  bool Pronta() {
    return EsperaAte([this] { return !Janela->Desenhando() && Janela->Fluxo() && !Janela->Itens().Nos.empty(); });
  }
  int No(const QString& Menu) const { return Janela->Fluxo()->NoDoMenu(Menu); }
  QPoint NaTela(int No) const {
    return Janela->gvFluxo->mapFromScene(Janela->Itens().Nos[size_t(No)]->sceneBoundingRect().center());
  }
  // The menus and edges (origin -> target menu or end) highlighted now.
  QStringList Destacados() const {
    const TFluxo& f = *Janela->Fluxo();
    QStringList r;
    for (const TItemNo* n : Janela->Itens().Nos)
      if (n->Destaque()) r << f.Nos[size_t(n->Indice())].Nome;
    for (const TItemAresta* a : Janela->Itens().Arestas)
      if (a->Destaque()) r << f.Nos[size_t(a->Origem())].Nome + QStringLiteral("->") + f.Nos[size_t(a->Destino())].Nome;
    return r;
  }

  std::unique_ptr<TDAC> Dac;
  std::unique_ptr<TfrmFluxo> Janela;
};

TEST_F(FluxoJanelaTest, DrawsTheDocumentAndFollowsIt) {
  EXPECT_EQ(Janela->Itens().Nos.size(), Janela->Fluxo()->Nos.size());
  EXPECT_EQ(Janela->Itens().Arestas.size(), Janela->Grafo()->Arestas.size());
  EXPECT_TRUE(Janela->lbStatus->text().startsWith(QStringLiteral("4 menus, ")))
      << Janela->lbStatus->text().toStdString();
  EXPECT_TRUE(Janela->windowTitle().endsWith(QStringLiteral("atendimento-voz")));
  EXPECT_TRUE(Janela->btExportar->isEnabled());

  Dac->ListaMenus->Add(std::make_unique<TMenuUra>(Dac.get(), QStringLiteral("Novo")));
  Janela->DocumentoMudou();
  ASSERT_TRUE(EsperaAte(
      [this] { return Janela->Fluxo()->Menus == 5 && Janela->Itens().Nos.size() == Janela->Fluxo()->Nos.size(); }));

  // Closed, the window lets changes wait until it is shown again.
  Janela->close();
  Dac->ListaMenus->Add(std::make_unique<TMenuUra>(Dac.get(), QStringLiteral("Outro")));
  Janela->DocumentoMudou();
  QTest::qWait(400);
  EXPECT_EQ(Janela->Fluxo()->Menus, 5);
  Janela->show();
  ASSERT_TRUE(EsperaAte([this] { return Janela->Fluxo() && Janela->Fluxo()->Menus == 6 && !Janela->Desenhando(); }));

  Dac.reset();
  Janela->Atualiza();
  EXPECT_EQ(Janela->Fluxo(), nullptr);
  EXPECT_TRUE(Janela->Itens().Nos.empty());
  EXPECT_EQ(Janela->lbStatus->text(), QStringLiteral("Nenhuma URA aberta."));
  EXPECT_FALSE(Janela->btExportar->isEnabled());
}

TEST_F(FluxoJanelaTest, SearchSelectsAndCentresTheMenu) {
  Janela->gvFluxo->Amplia(0.5);
  ASSERT_TRUE(Janela->ProcuraMenu(QStringLiteral("servi")));
  const TItemNo* servicos = Janela->Itens().Nos[size_t(No(QStringLiteral("Servicos")))];
  EXPECT_TRUE(servicos->isSelected());
  // Shown at its natural size, in the middle of the view.
  EXPECT_EQ(Janela->gvFluxo->Escala(), 1.0);
  const QPoint centro = Janela->gvFluxo->viewport()->rect().center();
  EXPECT_LT((NaTela(servicos->Indice()) - centro).manhattanLength(), 30);

  EXPECT_FALSE(Janela->ProcuraMenu(QStringLiteral("xyz")));
  EXPECT_EQ(Janela->lbStatus->text(), QStringLiteral("Nenhum menu com \"xyz\"."));
}

TEST_F(FluxoJanelaTest, HighlightsTheMenusOfAPathAndTheEdgesBetweenThem) {
  Janela->DestacaCaminho({QStringLiteral("Inicio"), QStringLiteral("Principal"), QStringLiteral("Servicos"),
                          QStringLiteral("Principal"), QStringLiteral("Sumido")});
  EXPECT_EQ(Destacados(), (QStringList{"Inicio", "Principal", "Servicos", "Inicio->Principal", "Principal->Servicos",
                                       "Servicos->Principal"}));
  // The highlight survives a new drawing of the document.
  Janela->Atualiza();
  ASSERT_TRUE(Pronta());
  EXPECT_EQ(Destacados().size(), 6);
  Janela->DestacaCaminho({});
  EXPECT_TRUE(Destacados().isEmpty());
}

TEST_F(FluxoJanelaTest, DoubleClickOnAMenuAsksForThatMenu) {
  QSignalSpy pedidos(Janela.get(), &TfrmFluxo::AbrirMenu);
  Janela->gvFluxo->Ajusta();
  QTest::mouseDClick(Janela->gvFluxo->viewport(), Qt::LeftButton, {}, NaTela(No(QStringLiteral("Servicos"))));
  ASSERT_EQ(pedidos.size(), 1);
  EXPECT_EQ(pedidos[0][0].toInt(), 2);
  // Ends are no menus.
  QTest::mouseDClick(Janela->gvFluxo->viewport(), Qt::LeftButton, {}, NaTela(Janela->Fluxo()->Menus));
  EXPECT_EQ(pedidos.size(), 1);

  // Before the drawing catches up with a change, the menu is found by name;
  // one no longer in the document is not asked for.
  Dac->ListaMenus->DeleteMenu(Dac->ListaMenus->GetItem(0));
  QTest::mouseDClick(Janela->gvFluxo->viewport(), Qt::LeftButton, {}, NaTela(No(QStringLiteral("Servicos"))));
  ASSERT_EQ(pedidos.size(), 2);
  EXPECT_EQ(pedidos[1][0].toInt(), 1);
  QTest::mouseDClick(Janela->gvFluxo->viewport(), Qt::LeftButton, {}, NaTela(No(QStringLiteral("Inicio"))));
  EXPECT_EQ(pedidos.size(), 2);
}

TEST_F(FluxoJanelaTest, TooltipsWheelZoomAndCtrl0ToFit) {
  const TItemNo* servicos = Janela->Itens().Nos[size_t(No(QStringLiteral("Servicos")))];
  EXPECT_EQ(servicos->toolTip(), QStringLiteral("Servicos\nSegunda via, consumo e religação"));

  Janela->gvFluxo->Ajusta();
  const qreal ajustada = Janela->gvFluxo->Escala();
  auto roda = [this](int Angulo) {
    const QPointF meio = Janela->gvFluxo->viewport()->rect().center();
    QWheelEvent e(meio, Janela->gvFluxo->viewport()->mapToGlobal(meio), {}, {0, Angulo}, Qt::NoButton, {},
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(Janela->gvFluxo->viewport(), &e);
  };
  roda(240);
  EXPECT_GT(Janela->gvFluxo->Escala(), ajustada * 1.2);
  roda(-480);
  EXPECT_LT(Janela->gvFluxo->Escala(), ajustada);

  Janela->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Janela.get()));
  QTest::keyClick(Janela->gvFluxo, Qt::Key_0, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(Janela->gvFluxo->Escala(), ajustada);

  // Escape drops the search box's suggestions, then closes the window.
  QTest::keyClicks(Janela->edProcurar, QStringLiteral("ser"));
  ASSERT_TRUE(EsperaAte([this] { return Janela->edProcurar->completer()->popup()->isVisible(); }));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(Janela->edProcurar->completer()->popup()->isVisible());
  EXPECT_TRUE(Janela->isVisible());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(Janela->isVisible());
}

// A layout that takes long shows progress; the window closes meanwhile, and
// draws the document afresh when it comes back.
TEST_F(FluxoJanelaTest, SlowLayoutShowsProgressAndTheWindowClosesMeanwhile) {
  bool aberto = false;
  TfrmFluxo janela([&] { return aberto ? Dac.get() : nullptr; });
  std::vector<std::shared_ptr<QPromise<TDesenhoGrafo>>> desenhos;
  std::vector<TGrafo> grafos;
  janela.Desenhista = [&](TGrafo G) {
    desenhos.push_back(std::make_shared<QPromise<TDesenhoGrafo>>());
    desenhos.back()->start();
    grafos.push_back(std::move(G));
    return desenhos.back()->future();
  };
  janela.show();
  aberto = true;
  janela.Atualiza();
  ASSERT_EQ(desenhos.size(), 1u);
  EXPECT_FALSE(janela.pbDesenho->isVisible());
  ASSERT_TRUE(EsperaAte([&] { return janela.pbDesenho->isVisible(); }));
  EXPECT_TRUE(janela.lbStatus->text().startsWith(QStringLiteral("Desenhando o fluxo de 4 menus")));

  janela.btFechar->click();
  EXPECT_FALSE(janela.isVisible());
  EXPECT_TRUE(desenhos[0]->isCanceled());
  desenhos[0]->finish();
  QTest::qWait(50);
  EXPECT_EQ(janela.Fluxo(), nullptr);

  janela.show();
  ASSERT_EQ(desenhos.size(), 2u);
  desenhos[1]->addResult(DesenhaGrafo(grafos[1]));
  desenhos[1]->finish();
  ASSERT_TRUE(EsperaAte([&] { return janela.Fluxo() && !janela.Itens().Nos.empty(); }));
  EXPECT_FALSE(janela.pbDesenho->isVisible());
  EXPECT_TRUE(janela.lbStatus->text().startsWith(QStringLiteral("4 menus, ")));
}

TEST_F(FluxoJanelaTest, ExportsPngAndSvg) {
  const QString png = Plat.Caminho(QStringLiteral("fluxo.png"));
  ASSERT_TRUE(Janela->ExportaImagem(png));
  const QImage imagem(png);
  EXPECT_GT(imagem.width(), imagem.height());
  EXPECT_GT(imagem.width(), 400);

  // The name the user gives gets ".png" when it has no known extension.
  P().Arquivos.push_back(Plat.Caminho(QStringLiteral("figura")));
  Janela->Exporta();
  EXPECT_FALSE(QImage(Plat.Caminho(QStringLiteral("figura.png"))).isNull());

  const QString svg = Plat.Caminho(QStringLiteral("fluxo.SVG"));
  ASSERT_TRUE(Janela->ExportaImagem(svg));
  const QByteArray texto = LeArquivo(svg);
  EXPECT_TRUE(texto.contains("<svg"));
  EXPECT_TRUE(texto.contains("Principal"));
  EXPECT_TRUE(P().Caixas.empty());

  EXPECT_FALSE(Janela->ExportaImagem(Plat.Caminho(QStringLiteral("nao-existe/fluxo.png"))));
  ASSERT_EQ(P().Caixas.size(), 1u);
  EXPECT_EQ(P().Caixas[0].Titulo, QStringLiteral("Exportar imagem"));
}

}  // namespace
