// Catalogue list editor: only "Alterar" followed by OK changes a description.
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "UfrmEditaLista.h"
#include "apoio_acoes_opcoes.h"

namespace {
class TesteEditarLista : public TesteEditorAcoesOpcoes {
 protected:
  TMUListaDescricaoMensagem& Catalogo = MenuUraInfoAuxiliar.ListaDeMensagens;
  void SetUp() override {
    for (const char* nome : {"a", "b", "c"}) {
      auto e = std::make_unique<TMUDescricaoMensagem>(QString::fromLatin1(nome));
      e->Descricao = QStringLiteral("antes ") + QString::fromLatin1(nome);
      Catalogo.Add(std::move(e));
    }
  }
  QStringList Descricoes() const {
    QStringList r;
    for (const auto& e : Catalogo.Items()) r << e->Descricao;
    return r;
  }
};

TEST_F(TesteEditarLista, OnlyChangedRowsReachTheCatalogueAndOnlyOnOk) {
  for (bool ok : {false, true}) {
    TfrmEditarLista dlg(Ctx());
    dlg.Carrega(Catalogo);
    auto* lista = Filho<QTreeWidget>(dlg, "ListViewArquivos");
    auto* descricao = Filho<QLineEdit>(dlg, "edDescricao");
    ASSERT_EQ(lista->topLevelItemCount(), 3);
    lista->setCurrentItem(lista->topLevelItem(0));
    EXPECT_EQ(Filho<QLineEdit>(dlg, "edNomeArquivo")->text(), QStringLiteral("a"));
    EXPECT_EQ(descricao->text(), QStringLiteral("antes a"));
    descricao->setText(QString());  // an empty description is allowed
    Filho<QPushButton>(dlg, "btAlterar")->click();
    lista->setCurrentItem(lista->topLevelItem(1));
    descricao->setText(QStringLiteral(" nova b "));
    Filho<QPushButton>(dlg, "btAlterar")->click();
    lista->setCurrentItem(lista->topLevelItem(2));
    descricao->setText(QStringLiteral("digitada sem Alterar"));
    lista->setCurrentItem(lista->topLevelItem(1));  // another row: the typed text goes
    EXPECT_EQ(descricao->text(), QStringLiteral(" nova b "));
    lista->setCurrentItem(lista->topLevelItem(2));
    descricao->setText(QStringLiteral("digitada sem Alterar"));
    Filho<QPushButton>(dlg, ok ? "btOK" : "btCancelar")->click();
    EXPECT_EQ(Descricoes(),
              ok ? QStringList({"", " nova b ", "antes c"}) : QStringList({"antes a", "antes b", "antes c"}));
  }
}

TEST_F(TesteEditarLista, CatalogueEmptiedWhileOpenIsNotWrittenTo) {
  TfrmEditarLista dlg(Ctx());
  dlg.Carrega(Catalogo);
  auto* lista = Filho<QTreeWidget>(dlg, "ListViewArquivos");
  lista->setCurrentItem(lista->topLevelItem(0));
  Filho<QLineEdit>(dlg, "edDescricao")->setText(QStringLiteral("nova"));
  Filho<QPushButton>(dlg, "btAlterar")->click();
  // Detached rather than destroyed, so a write to it would show.
  const std::unique_ptr<TMUDescricaoMensagem> fora = Catalogo.DeleteItem(0);
  Filho<QPushButton>(dlg, "btOK")->click();
  EXPECT_EQ(fora->Descricao, QStringLiteral("antes a"));
  EXPECT_EQ(Descricoes(), (QStringList{"antes b", "antes c"}));
}

TEST_F(TesteEditarLista, EmptyCatalogueOpensEmptyAndAcceptsOk) {
  Catalogo.ClearLista();
  TfrmEditarLista dlg(Ctx());
  dlg.Carrega(Catalogo);
  EXPECT_EQ(Filho<QTreeWidget>(dlg, "ListViewArquivos")->topLevelItemCount(), 0);
  Filho<QPushButton>(dlg, "btAlterar")->click();  // nothing selected: nothing happens
  Filho<QPushButton>(dlg, "btOK")->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}
}  // namespace
