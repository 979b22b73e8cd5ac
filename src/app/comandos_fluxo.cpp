#include "comandos_fluxo.h"

#include <QAction>
#include <QMenu>

#include "UfrmFluxo.h"
#include "UfrmMain.h"
#include "UfrmTestarUra.h"
#include "comandos_simulacao.h"
#include "erros.h"

TfrmFluxo* JanelaFluxo(TfrmMain& Main) {
  if (auto* janela = Main.findChild<TfrmFluxo*>()) return janela;
  auto* janela = new TfrmFluxo([&Main] { return Main.DacAtual(); }, &Main);
  QObject::connect(&Main, &TfrmMain::DocumentoAlterado, janela, &TfrmFluxo::DocumentoMudou);
  // The editor's OK changes the document, which redraws the flow; the user
  // comes back to the flow window.
  QObject::connect(janela, &TfrmFluxo::AbrirMenu, &Main, [&Main, janela](int Indice) {
    ExecutaComando(&Main, [&Main, Indice] { Main.EditaMenu(Indice); });
    janela->raise();
    janela->activateWindow();
  });
  // A call already being simulated shows at once.
  if (TfrmTestarUra* simulador = JanelaTestarUra(Main)) janela->DestacaCaminho(simulador->Resultado().Menus);
  return janela;
}

void CriaComandosFluxo(TfrmMain& Main) {
  auto* acao = new QAction(QStringLiteral("Fluxo da URA"), &Main);
  acao->setObjectName(QStringLiteral("mnuFluxo"));
  acao->setShortcut(QKeySequence(Qt::Key_F8));
  if (auto* ferramentas = Main.findChild<QMenu*>(QStringLiteral("mnuFerramentas"))) ferramentas->addAction(acao);
  // Also on the window itself: F8 works where "Ferramentas" is hidden (local mode).
  Main.addAction(acao);
  QObject::connect(acao, &QAction::triggered, &Main, [&Main] {
    TfrmFluxo* janela = JanelaFluxo(Main);
    janela->show();
    janela->raise();
    janela->activateWindow();
  });
}
