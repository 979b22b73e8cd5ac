// The keyboard in the editors: Enter on a selected row edits it, Enter in the
// message filter goes on to the list; neither presses the default OK.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "UfrmCadAcoes.h"
#include "UfrmCadCondicao.h"
#include "UfrmCadMensagem.h"
#include "UfrmCadMenuWhatsApp.h"
#include "UfrmMenuUra.h"
#include "apoio_acoes_opcoes.h"
#include "menuura.h"

namespace {

struct TCasoEnter {
  const char* Caso;
  // Builds the dialog with one row in the list named Lista.
  std::function<std::unique_ptr<QDialog>(TDAC&, const TContextoEditor&)> Cria;
  const char* Lista;
  bool Seleciona;
  QStringList Abertos;  // the editors Enter opens
  bool Aceito;          // whether Enter closed the dialog with OK
};

std::unique_ptr<QDialog> EditorDeMenu(TDAC& Dac, const TContextoEditor& Ctx) {
  TMenuUra menu(&Dac, QStringLiteral("M"));
  menu.ListaCondicoes->Add(std::make_unique<TMUCondicao>(&Dac));
  menu.ListaOpcoes->Add(std::make_unique<TMUOpcao>(&Dac, QStringLiteral("1")));
  auto f = std::make_unique<TfrmMenuUra>(Ctx);
  f->CarregaMenu(&menu);
  return f;
}

TEST_F(TesteEditorAcoesOpcoes, EnterOnASelectedRowEditsItInsteadOfPressingOK) {
  const auto acoes = [](TDAC& Dac, const TContextoEditor& Ctx) {
    TMUListaAcao lista(&Dac);
    lista.Add(std::make_unique<TMUAcao>(&Dac, QStringLiteral("DESLIGA")));
    auto f = std::make_unique<TfrmCadAcoes>(Ctx);
    f->CarregaAcoes(&lista);
    return std::unique_ptr<QDialog>(std::move(f));
  };
  const auto condicao = [](TDAC& Dac, const TContextoEditor& Ctx) {
    TMUCondicao c(&Dac);
    c.ListaCondicaoVar->Tipo = 1;
    auto teste = std::make_unique<TMUCondicaoVar>();
    teste->Variavel = QStringLiteral("x");
    teste->Tipo = QStringLiteral("EQ");
    c.ListaCondicaoVar->Add(std::move(teste));
    auto f = std::make_unique<TfrmCadCondicao>(Ctx);
    f->CarregaCondicao(&c);
    return std::unique_ptr<QDialog>(std::move(f));
  };
  const auto listaWhatsApp = [](TDAC& Dac, const TContextoEditor& Ctx) {
    TMUMenuOpcaoWA menu(&Dac, QStringLiteral("BOTAOWA"));
    menu.ListaItensMenuOpcao->Add(std::make_unique<TMUItemMenuOpcaoWA>(&Dac));
    auto f = std::make_unique<TfrmCadMenuWhatsApp>(Ctx);
    f->CarregaMenuOpcaoWA(&menu);
    return std::unique_ptr<QDialog>(std::move(f));
  };
  const TCasoEnter casos[] = {
      {"menu conditions", EditorDeMenu, "ListViewCondicoes", true, {"TfrmCadCondicao"}, false},
      {"menu options", EditorDeMenu, "ListViewOpcoes", true, {"TfrmCadOpcao"}, false},
      {"actions", acoes, "ListViewAcoes", true, {"TfrmCadAcao"}, false},
      {"variable tests", condicao, "ListViewVariaveis", true, {"TfrmCadCondicaoVar"}, false},
      {"list menu items", listaWhatsApp, "ListViewOpcoes", true, {"TfrmCadItemMenuWhatsApp"}, false},
      {"no row selected: OK as usual", acoes, "ListViewAcoes", false, {}, true},
  };
  for (const TCasoEnter& c : casos) {
    SCOPED_TRACE(c.Caso);
    P().DialogosModais.clear();
    std::unique_ptr<QDialog> f = c.Cria(Dac, Ctx());
    f->show();
    auto* lista = Filho<QTreeWidget>(*f, c.Lista);
    ASSERT_EQ(lista->topLevelItemCount(), 1);
    if (c.Seleciona) lista->setCurrentItem(lista->topLevelItem(0));
    QTest::keyClick(lista, Qt::Key_Return);
    EXPECT_EQ(P().DialogosModais, c.Abertos);
    EXPECT_EQ(f->result() == QDialog::Accepted, c.Aceito);
    EXPECT_EQ(f->isVisible(), !c.Aceito);
  }
}

TEST_F(TesteEditorAcoesOpcoes, EnterInTheMessageFilterGoesToTheListInsteadOfClosing) {
  for (const char* nome : {"bemvindo", "aguarde"})
    MenuUraInfoAuxiliar.ListaDeMensagens.Add(std::make_unique<TMUDescricaoMensagem>(QString::fromLatin1(nome)));
  TfrmCadMensagem f(Ctx());
  f.CarregaListaMensagens();
  f.show();
  auto* filtro = Filho<QLineEdit>(f, "edFiltro");
  QTest::keyClicks(filtro, "agu");
  for (const auto tecla : {Qt::Key_Return, Qt::Key_Enter}) {
    QTest::keyClick(filtro, tecla);
    EXPECT_TRUE(f.isVisible());
    EXPECT_NE(f.result(), QDialog::Accepted);
  }
  const QTreeWidgetItem* atual = Filho<QTreeWidget>(f, "ListViewDisponiveis")->currentItem();
  ASSERT_NE(atual, nullptr);
  EXPECT_EQ(atual->text(0), QStringLiteral("aguarde"));
}

}  // namespace
