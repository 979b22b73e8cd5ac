// "Testar URA..." in the main window: the command in both modes, one window
// that follows the open document and opens menus in the menu editor, and the
// audio files it finds in the catalogue's folder.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>

#include "UfrmMenuUra.h"
#include "UfrmTestarUra.h"
#include "comandos_simulacao.h"
#include "janela.h"
#include "menuura.h"

namespace {

TEST_F(JanelaTest, TestarUraIsInFerramentasInBothModes) {
  for (bool local : {false, true}) {
    auto w = Cria(local);
    auto* acao = w->findChild<QAction*>(QStringLiteral("mnuTestarUra"));
    ASSERT_NE(acao, nullptr);
    EXPECT_EQ(acao->shortcut(), QKeySequence(Qt::Key_F9));
    EXPECT_FALSE(acao->isEnabled());  // no document yet
    auto* ferramentas = w->findChild<QMenu*>(QStringLiteral("mnuFerramentas"));
    EXPECT_TRUE(ferramentas->actions().contains(acao));
    EXPECT_TRUE(ferramentas->menuAction()->isVisible());
    // Local mode keeps its connection commands hidden.
    EXPECT_EQ(w->mnuConectar->isVisible(), !local);
    EXPECT_EQ(w->mnuDesconectar->isVisible(), !local);
    w->mnuNovoClick();
    EXPECT_TRUE(acao->isEnabled());
  }
}

TEST_F(JanelaTest, TestarUraFollowsTheDocumentAndOpensItsMenus) {
  auto w = CriaComUra(kUraTeste, true);
  w->findChild<QAction*>(QStringLiteral("mnuTestarUra"))->trigger();
  TfrmTestarUra* j = JanelaTestarUra(*w);
  ASSERT_NE(j, nullptr);
  EXPECT_TRUE(j->isVisible());
  EXPECT_EQ(j->Resultado().Menus, (QStringList{"Inicio", "Alvo"}));
  EXPECT_EQ(AbreTestarUra(*w), j);  // one window

  // A step's menu opens in the menu editor; its change reaches the window.
  P().Usuario.push_back([](QDialog* d) {
    auto* e = qobject_cast<TfrmMenuUra*>(d);
    if (!e || e->MenuUra->Nome != u"Inicio") return int(QDialog::Rejected);
    e->MenuUra->Final->ListaAcao->GetItem(0)->ValorMenu = QStringLiteral("Solto");
    return int(QDialog::Accepted);
  });
  emit j->AbrirMenu(0);
  EXPECT_EQ(P().DialogosModais, QStringList{QStringLiteral("TfrmMenuUra")});
  EXPECT_EQ(j->Resultado().Menus, (QStringList{"Inicio", "Solto"}));

  // Closing the document leaves the window without a call, and the command off.
  P().Respostas = {TResposta::Nao};
  w->mnuFecharClick();
  ASSERT_EQ(w->DacAtual(), nullptr);
  EXPECT_EQ(j->findChild<QLabel*>(QStringLiteral("lbEstado"))->text(), u"Nenhuma URA aberta.");
  EXPECT_FALSE(w->findChild<QAction*>(QStringLiteral("mnuTestarUra"))->isEnabled());
}

TEST_F(JanelaTest, AudioIsLookedUpOnlyInTheCatalogueFolder) {
  auto w = CriaComUra(kUraTeste, true);
  ASSERT_TRUE(QDir().mkpath(w->dirArquivosMensagens));
  const QString wav = QDir(w->dirArquivosMensagens).filePath(QStringLiteral("bemvindo.wav"));
  ASSERT_TRUE(GravaArquivo(wav, "RIFF"));
  ASSERT_TRUE(GravaArquivo(Plat.Caminho(QStringLiteral("fora.wav")), "RIFF"));
  EXPECT_EQ(ArquivoDeAudio(*w, QStringLiteral("bemvindo")), QFileInfo(wav).absoluteFilePath());
  for (const char* nome : {"nada", "../fora", "", ".", "bemvindo.txt"})
    EXPECT_TRUE(ArquivoDeAudio(*w, QString::fromLatin1(nome)).isEmpty()) << nome;
}

}  // namespace
