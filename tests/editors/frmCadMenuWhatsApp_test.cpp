#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "UfrmCadItemMenuWhatsApp.h"
#include "UfrmCadMensagem.h"
#include "UfrmCadMenuWhatsApp.h"
#include "apoio.h"
#include "dac.h"
#include "mensagem.h"
#include "secoes.h"

namespace {
class MenuWhatsAppTeste : public TesteJanela {
 protected:
  TDAC Dac;
  TContextoEditor Ctx;
  MenuWhatsAppTeste() {
    Dac.TipoUra = QStringLiteral("chat");
    Ctx.Dac = &Dac;
  }

  // A list menu with items titled by Titulos (answers "1", "2", ...).
  std::unique_ptr<TMUMenuOpcaoWA> Menu(const QString& Tipo, const QStringList& Titulos) {
    auto m = std::make_unique<TMUMenuOpcaoWA>(&Dac, Tipo);
    for (const QString& t : Titulos) {
      auto item = std::make_unique<TMUItemMenuOpcaoWA>(&Dac);
      item->Titulo->AddMensagemChat(t);
      item->Resposta = QString::number(m->ListaItensMenuOpcao->Count() + 1);
      m->ListaItensMenuOpcao->Add(std::move(item));
    }
    return m;
  }
  static QStringList Titulos(const TMUMenuOpcaoWA& M) {
    QStringList r;
    for (const auto& i : M.ListaItensMenuOpcao->Items()) r << i->Titulo->GetStrMensagem();
    return r;
  }
  template <class T>
  static T* W(QWidget* Janela, const char* Nome) {
    T* w = Janela->findChild<T*>(QString::fromLatin1(Nome));
    EXPECT_NE(w, nullptr) << Nome;
    return w;
  }
  static void Clica(QWidget* Janela, const char* Nome) { W<QAbstractButton>(Janela, Nome)->click(); }
  static void Seleciona(QWidget* Janela, int Linha) {
    auto* lista = W<QTreeWidget>(Janela, "ListViewOpcoes");
    lista->setCurrentItem(lista->topLevelItem(Linha));
  }
};

TEST_F(MenuWhatsAppTeste, UnknownTypeMustBeChosenAndNoItemsAsks) {
  const auto origem = Menu(QStringLiteral("OUTRO"), {});
  TfrmCadMenuWhatsApp dlg(Ctx);
  dlg.CarregaMenuOpcaoWA(origem.get());
  auto* tipo = W<QComboBox>(&dlg, "cbTipoMenu");
  EXPECT_EQ(tipo->currentIndex(), -1);
  Clica(&dlg, "btOK");
  EXPECT_EQ(P().Textos(), QStringList{QStringLiteral("Selecione o tipo de menu de opções")});
  EXPECT_EQ(P().Caixas.back().Tipo, TTipoMensagem::Erro);
  EXPECT_EQ(P().Caixas.back().Titulo, QStringLiteral("Cadastro de menu WhatsApp"));
  EXPECT_NE(dlg.result(), QDialog::Accepted);

  tipo->setCurrentIndex(1);
  EXPECT_EQ(dlg.MenuOpcaoWA->Tipo, QStringLiteral("LISTAWA"));
  P().Respostas = {TResposta::Nao};
  Clica(&dlg, "btOK");
  EXPECT_EQ(P().UltimoTexto(), QStringLiteral("Nenhum item foi informado na lista de opções. Confirma?"));
  EXPECT_EQ(P().Caixas.back().Tipo, TTipoMensagem::SimNao);
  EXPECT_NE(dlg.result(), QDialog::Accepted);
  tipo->setCurrentIndex(0);
  Clica(&dlg, "btOK");  // answered Yes
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.MenuOpcaoWA->Tipo, QStringLiteral("BOTAOWA"));
  EXPECT_EQ(origem->Tipo, QStringLiteral("OUTRO"));
}

TEST_F(MenuWhatsAppTeste, ItemsMoveOnlyWithinTheList) {
  const struct {
    int Linha;
    const char* Botao;
    QStringList Esperado;
    int Selecao;
  } casos[] = {
      {0, "btDownItem", {"B", "A", "C"}, 1},   {0, "btUpItem", {"A", "B", "C"}, 0},
      {2, "btDownItem", {"A", "B", "C"}, 2},   {2, "btUpItem", {"A", "C", "B"}, 1},
      {-1, "btDownItem", {"A", "B", "C"}, -1},
  };
  const auto origem = Menu(QStringLiteral("BOTAOWA"), {"A", "B", "C"});
  for (const auto& c : casos) {
    SCOPED_TRACE(c.Botao + std::to_string(c.Linha));
    TfrmCadMenuWhatsApp dlg(Ctx);
    dlg.CarregaMenuOpcaoWA(origem.get());
    Seleciona(&dlg, c.Linha);
    Clica(&dlg, c.Botao);
    EXPECT_EQ(Titulos(*dlg.MenuOpcaoWA), c.Esperado);
    auto* lista = W<QTreeWidget>(&dlg, "ListViewOpcoes");
    EXPECT_EQ(lista->topLevelItem(0)->text(0), c.Esperado[0]);
    EXPECT_EQ(lista->currentIndex().row(), c.Selecao);
  }
  EXPECT_EQ(Titulos(*origem), (QStringList{"A", "B", "C"}));
}

TEST_F(MenuWhatsAppTeste, AddEditRemoveThroughTheItemEditor) {
  const auto origem = Menu(QStringLiteral("LISTAWA"), {"Vendas"});
  TfrmCadMenuWhatsApp dlg(Ctx);
  dlg.CarregaMenuOpcaoWA(origem.get());
  P().Usuario.push_back([](QDialog* d) {
    auto* item = qobject_cast<TfrmCadItemMenuWhatsApp*>(d);
    EXPECT_TRUE(W<QLineEdit>(d, "edMsgOpcao")->text().isEmpty());
    item->itemMenuWA->Titulo->AddMensagemChat(QStringLiteral("Suporte"));
    item->itemMenuWA->Resposta = QStringLiteral("2");
    return int(QDialog::Accepted);
  });
  Clica(&dlg, "btAdicionar");
  Clica(&dlg, "btEditar");  // no selection: nothing opens
  EXPECT_EQ(P().DialogosModais.size(), 1);
  Seleciona(&dlg, 0);
  P().Usuario.push_back([](QDialog* d) {
    EXPECT_EQ(W<QLineEdit>(d, "edMsgOpcao")->text(), QStringLiteral("Vendas"));
    W<QLineEdit>(d, "edResposta")->setText(QStringLiteral("V"));
    return int(QDialog::Rejected);
  });
  Clica(&dlg, "btEditar");
  auto* lista = W<QTreeWidget>(&dlg, "ListViewOpcoes");
  ASSERT_EQ(lista->topLevelItemCount(), 2);
  EXPECT_EQ(lista->topLevelItem(0)->text(1), QStringLiteral("1"));  // cancelled edit
  EXPECT_EQ(lista->topLevelItem(1)->text(0), QStringLiteral("Suporte"));
  EXPECT_EQ(lista->topLevelItem(1)->text(1), QStringLiteral("2"));

  Seleciona(&dlg, 1);
  Clica(&dlg, "btRemover");
  EXPECT_EQ(P().UltimoTexto(), QStringLiteral("Tem certeza que deseja remover o item \"Suporte\"?"));
  EXPECT_EQ(P().Caixas.back().Titulo, QStringLiteral("Remover item do menu"));
  EXPECT_EQ(Titulos(*dlg.MenuOpcaoWA), QStringList{QStringLiteral("Vendas")});
  EXPECT_EQ(origem->ListaItensMenuOpcao->Count(), 1);
}

TEST_F(MenuWhatsAppTeste, ItemNeedsATitleNotADescription) {
  TfrmCadItemMenuWhatsApp dlg(Ctx);
  dlg.CarregaItemMenuWA(nullptr);
  EXPECT_TRUE(W<QToolButton>(&dlg, "SpeedButton2")->isHidden());
  W<QLineEdit>(&dlg, "edResposta")->setText(QStringLiteral("7"));
  Clica(&dlg, "btOK");
  EXPECT_EQ(P().Textos(), QStringList{QStringLiteral("Informe o nome da opção do menu")});
  EXPECT_EQ(P().Caixas.back().Titulo, QStringLiteral("Cadastro de item do menu WhatsApp"));
  EXPECT_NE(dlg.result(), QDialog::Accepted);
  EXPECT_TRUE(dlg.itemMenuWA->Resposta.isEmpty());

  P().Usuario.push_back([](QDialog* d) {
    qobject_cast<TfrmCadMensagem*>(d)->Mensagem->AddMensagemChat(QStringLiteral("Outro"));
    return int(QDialog::Accepted);
  });
  Clica(&dlg, "btMsgOpcaoInvalida");
  EXPECT_EQ(W<QLineEdit>(&dlg, "edMsgOpcao")->text(), QStringLiteral("Outro"));
  Clica(&dlg, "btOK");
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.itemMenuWA->Resposta, QStringLiteral("7"));
}
}  // namespace
