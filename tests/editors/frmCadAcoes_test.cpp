#include <QComboBox>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "UfrmCadAcao.h"
#include "UfrmCadAcoes.h"
#include "acao.h"
#include "apoio_acoes_opcoes.h"
#include "configuracao.h"

namespace {

class TfrmCadAcoesTeste : public TesteEditorAcoesOpcoes {
 protected:
  TMUListaAcao Lista{&Dac};

  void Monta(const QStringList& Codigos) {
    Lista.ClearLista();
    for (const QString& c : Codigos) Lista.Add(std::make_unique<TMUAcao>(&Dac, c));
  }
  static QStringList Codigos(const TMUListaAcao& l) {
    QStringList r;
    for (const auto& a : l.Items()) r << a->Tipo;
    return r;
  }
  static QTreeWidget* Linhas(TfrmCadAcoes& f) { return Filho<QTreeWidget>(f, "ListViewAcoes"); }
  static void SelecionaLinha(TfrmCadAcoes& f, int i) { Linhas(f)->setCurrentItem(Linhas(f)->topLevelItem(i)); }
  static void Clica(TfrmCadAcoes& f, const char* Botao) { Filho<QAbstractButton>(f, Botao)->click(); }
};

struct TCasoCinza {
  QStringList Codigos;
  int Ultima;
};

TEST_F(TfrmCadAcoesTeste, RowsAfterTheFirstLeavingActionAreGrey) {
  const TCasoCinza casos[] = {
      {{"SETVAR", "FALADIGITOS", "DISCAF", "DESLIGA"}, 2},
      {{"DESLIGA", "SETVAR"}, 0},
      {{"COMANDO", "MENSAGEM", "MIDIA", "DISCAS", "FALANUMERO"}, -1},
      {{"SETVAR", "", "SETVAR"}, 1},
  };
  for (const TCasoCinza& c : casos) {
    SCOPED_TRACE(c.Codigos.join(',').toStdString());
    Monta(c.Codigos);
    TfrmCadAcoes f(Ctx());
    f.CarregaAcoes(&Lista);
    EXPECT_EQ(f.indexUltimaAcao, c.Ultima);
    const QColor normal = Linhas(f)->topLevelItem(0)->foreground(0).color();
    for (int i = 0; i < c.Codigos.size(); ++i) {
      const QTreeWidgetItem* linha = Linhas(f)->topLevelItem(i);
      EXPECT_EQ(linha->text(0), Lista.GetItem(i)->GetStrAcao());
      EXPECT_EQ(linha->foreground(0).color() != normal, c.Ultima >= 0 && i > c.Ultima) << "row " << i;
    }
  }
}

TEST_F(TfrmCadAcoesTeste, CancelLeavesTheCallersListAsItWas) {
  Monta({"SETVAR", "DESLIGA"});
  Lista.OpcaoAcao = "1";
  TfrmCadAcoes f(Ctx());
  f.CarregaAcoes(&Lista);
  EXPECT_EQ(f.ListaAcoes->OpcaoAcao, "1");
  // Add an action through the action editor, as a user would.
  P().Usuario.push_back([](QDialog* d) {
    auto* a = qobject_cast<TfrmCadAcao*>(d);
    if (!a) return int(QDialog::Rejected);
    QComboBox* tipo = Filho<QComboBox>(*a, "cbAcao");
    tipo->setCurrentIndex(tipo->findText("Vai para Opções, no menu atual"));
    Filho<QPushButton>(*a, "btOK")->click();
    return a->result();
  });
  Clica(f, "btAdicionarVar");
  Clica(f, "btEditarVar");  // a cancelled editor changes nothing
  SelecionaLinha(f, 0);
  P().Respostas = {TResposta::Nao, TResposta::Sim};
  Clica(f, "btRemoverVar");
  Clica(f, "btRemoverVar");
  EXPECT_EQ(P().UltimoTexto(), "Tem certeza que deseja remover a ação \"Variável(=)\"?");
  EXPECT_EQ(P().Caixas.back().Titulo, "Remover ação");
  EXPECT_EQ(P().Caixas.size(), 2u);
  EXPECT_EQ(Codigos(*f.ListaAcoes), (QStringList{"DESLIGA", "OPCOES"}));
  EXPECT_EQ(Linhas(f)->topLevelItemCount(), 2);
  f.reject();
  EXPECT_EQ(Codigos(Lista), (QStringList{"SETVAR", "DESLIGA"}));
}

TEST_F(TfrmCadAcoesTeste, MovingKeepsTheMovedRowSelectedAndStopsAtTheEnds) {
  Monta({"SETVAR", "COMANDO", "DESLIGA"});
  TfrmCadAcoes f(Ctx());
  f.CarregaAcoes(&Lista);
  SelecionaLinha(f, 0);
  Clica(f, "btUpCondicao");
  EXPECT_EQ(Codigos(*f.ListaAcoes), (QStringList{"SETVAR", "COMANDO", "DESLIGA"}));
  Clica(f, "btDownCondicao");
  Clica(f, "btDownCondicao");
  EXPECT_EQ(Codigos(*f.ListaAcoes), (QStringList{"COMANDO", "DESLIGA", "SETVAR"}));
  EXPECT_EQ(Linhas(f)->indexOfTopLevelItem(Linhas(f)->currentItem()), 2);
  // Down on the last row and up on the first change nothing and keep the row selected.
  for (const auto& [linha, botao] : {std::pair{2, "btDownCondicao"}, std::pair{0, "btUpCondicao"}}) {
    SelecionaLinha(f, linha);
    Clica(f, botao);
    EXPECT_EQ(Codigos(*f.ListaAcoes), (QStringList{"COMANDO", "DESLIGA", "SETVAR"}));
    QTreeWidgetItem* atual = Linhas(f)->currentItem();
    ASSERT_NE(atual, nullptr) << botao;
    EXPECT_EQ(Linhas(f)->indexOfTopLevelItem(atual), linha) << botao;
    EXPECT_TRUE(atual->isSelected()) << botao;
  }
  EXPECT_EQ(f.indexUltimaAcao, 1);
}

TEST_F(TfrmCadAcoesTeste, EditingOffersTransferToOptionByTheListsOptionValue) {
  // Read from a file, the action itself carries no option value.
  Monta({"DISCAOP"});
  Lista.OpcaoAcao = "9X";
  TfrmCadAcoes f(Ctx());
  f.CarregaAcoes(&Lista);
  SelecionaLinha(f, 0);
  QString escolhido;
  P().Usuario.push_back([&](QDialog* d) {
    auto* a = qobject_cast<TfrmCadAcao*>(d);
    if (!a) return int(QDialog::Rejected);
    escolhido = Filho<QComboBox>(*a, "cbAcao")->currentText();
    Filho<QComboBox>(*a, "cbAcao")->setCurrentIndex(static_cast<int>(a->ListaAcoes.indexOf("FINAL")));
    a->accept();
    return int(QDialog::Accepted);
  });
  Clica(f, "btEditarVar");
  EXPECT_EQ(escolhido, "Transfere para opção informada");
  EXPECT_EQ(f.ListaAcoes->GetItem(0)->Tipo, "FINAL");
  EXPECT_EQ(f.ListaAcoes->GetItem(0)->OpcaoAcao, "9X");
  EXPECT_EQ(Linhas(f)->topLevelItem(0)->text(0), "Vai para Final, neste menu");
}

TEST_F(TfrmCadAcoesTeste, ColumnWidthIsKeptInTheSettings) {
  {
    TfrmCadAcoes f(Ctx());
    EXPECT_EQ(Linhas(f)->columnWidth(0), 550);
    Linhas(f)->setColumnWidth(0, 320);
    f.reject();
  }
  EXPECT_EQ(TConfiguracao("TelaCadAcoes").LeInteiro("lvaColuna0", 0), 320);
  TfrmCadAcoes f(Ctx());
  EXPECT_EQ(Linhas(f)->columnWidth(0), 320);
}

}  // namespace
