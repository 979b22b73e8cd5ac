// The URA check in the main window: the question before the server gets the
// URA, and the findings window that opens a menu in the menu editor.
#include <gtest/gtest.h>

#include "UfrmMenuUra.h"
#include "UfrmVerificarUra.h"
#include "janela.h"
#include "menuura.h"

namespace {

QByteArray UraComDesvioPerdido() {
  QByteArray ura = kUraTeste;
  ura.replace("<Valor>Alvo</Valor>", "<Valor>Nenhum</Valor>");
  return ura;
}

TEST_F(JanelaTest, ServerCommandsAskOnceWhenTheCheckFindsErrors) {
  auto w = CriaComUra(UraComDesvioPerdido());
  const QString pergunta = QStringLiteral("A URA tem 1 erro(s). Deseja continuar assim mesmo?");
  for (auto comando : {&TfrmMain::mnuSalvarNoServidorClick, &TfrmMain::mnuAtivarURAClick}) {
    P().Caixas.clear();
    P().Respostas = {TResposta::Nao};
    ((*w).*comando)();
    ASSERT_EQ(P().Caixas.size(), 1u);
    EXPECT_EQ(P().Caixas[0].Texto, pergunta);
    EXPECT_EQ(P().Caixas[0].Tipo, TTipoMensagem::SimNao);
    EXPECT_TRUE(w->DacAtual()->NomeArquivoServidor.isEmpty());  // nothing went out
  }
  P().Caixas.clear();
  w->mnuAtivarURAClick();  // Yes
  EXPECT_EQ(w->DacAtual()->NomeArquivoServidor, QStringLiteral("teste.xml"));

  // A URA without errors goes on without the question.
  auto limpa = CriaComUra();
  P().Caixas.clear();
  limpa->mnuAtivarURAClick();
  EXPECT_TRUE(P().Caixas.empty());
  EXPECT_EQ(limpa->DacAtual()->NomeArquivoServidor, QStringLiteral("teste.xml"));
}

// A file of local mode may hold what the server's code page cannot: the user
// is asked before it turns into "?".
TEST_F(JanelaTest, SavingOnTheServerNamesTheCharactersItWouldLose) {
  QByteArray ura = kUraTeste;
  ura.replace("Descricao=\"Teste\"", "Descricao=\"Olá 😀 → fim\"");
  auto w = CriaComUra(ura);
  const QString pergunta = QStringLiteral(
      "O servidor não guarda os caracteres 😀→, que serão gravados como \"?\". Deseja salvar assim mesmo?");
  for (const TResposta r : {TResposta::Nao, TResposta::Sim}) {
    P().Caixas.clear();
    P().Respostas = {r};
    w->mnuSalvarNoServidorClick();
    ASSERT_EQ(P().Caixas.size(), 1u);
    EXPECT_EQ(P().Caixas[0].Texto, pergunta);
    EXPECT_EQ(w->DacAtual()->NomeArquivoServidor.isEmpty(), r == TResposta::Nao);
  }
  // What the page holds asks nothing.
  auto limpa = CriaComUra();
  P().Caixas.clear();
  limpa->mnuSalvarNoServidorClick();
  EXPECT_TRUE(P().Caixas.empty());
  EXPECT_EQ(limpa->DacAtual()->NomeArquivoServidor, QStringLiteral("teste.xml"));
}

TEST_F(JanelaTest, FindingOpensItsMenuAndTheListIsCheckedAgain) {
  auto w = CriaComUra(UraComDesvioPerdido());
  std::vector<QString> codigosAntes, codigosDepois;
  P().Usuario.push_back([&](QDialog* d) {
    auto* v = qobject_cast<TfrmVerificarUra*>(d);
    if (!v) return int(QDialog::Rejected);
    int linha = -1;
    for (size_t i = 0; i < v->Achados().size(); ++i) {
      codigosAntes.push_back(v->Achados()[i].Codigo);
      if (v->Achados()[i].Codigo == u"vaipara-inexistente") linha = static_cast<int>(i);
    }
    v->AbreAchado(linha);  // the menu editor, played next
    for (const TAchado& a : v->Achados()) codigosDepois.push_back(a.Codigo);
    return int(QDialog::Accepted);
  });
  P().Usuario.push_back([](QDialog* d) {
    auto* e = qobject_cast<TfrmMenuUra*>(d);
    if (!e || e->MenuUra->Nome != u"Inicio") return int(QDialog::Rejected);
    e->MenuUra->Final->ListaAcao->ClearLista();
    return int(QDialog::Accepted);
  });
  w->mnuVerificarClick();
  EXPECT_EQ(P().DialogosModais, (QStringList{QStringLiteral("TfrmVerificarUra"), QStringLiteral("TfrmMenuUra")}));
  EXPECT_NE(std::find(codigosAntes.begin(), codigosAntes.end(), QStringLiteral("vaipara-inexistente")),
            codigosAntes.end());
  EXPECT_EQ(std::find(codigosDepois.begin(), codigosDepois.end(), QStringLiteral("vaipara-inexistente")),
            codigosDepois.end());
  EXPECT_EQ(w->DacAtual()->ListaMenus->GetItem(0)->Final->ListaAcao->Count(), 0);
  EXPECT_TRUE(w->DacAlterado());
}

}  // namespace
