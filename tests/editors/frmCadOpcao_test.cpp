#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "UfrmCadAcoes.h"
#include "UfrmCadOpcao.h"
#include "apoio_acoes_opcoes.h"
#include "opcao.h"

namespace {

class TfrmCadOpcaoTeste : public TesteEditorAcoesOpcoes {
 protected:
  static QLineEdit* Padrao(TfrmCadOpcao& f) { return Filho<QLineEdit>(f, "edOpcao"); }
  static QComboBox* Minimo(TfrmCadOpcao& f) { return Filho<QComboBox>(f, "cbDigitosMinimo"); }
  static QStringList Itens(QComboBox* cb) {
    QStringList r;
    for (int i = 0; i < cb->count(); ++i) r << cb->itemText(i);
    return r;
  }
};

TEST_F(TfrmCadOpcaoTeste, KeyFilterUppercasesWildcardsAndDropsOtherKeys) {
  TfrmCadOpcao f(Ctx());
  QTest::keyClicks(Padrao(f), "1xa z?n#");
  EXPECT_EQ(Padrao(f)->text(), "1XZN#");
  EXPECT_EQ(f.Opcao->GetValor(), "1XZN#");
  EXPECT_EQ(f.Opcao->ListaAcao->OpcaoAcao, "1XZN#");
}

TEST_F(TfrmCadOpcaoTeste, EndKeyAndDigitCountFollowThePattern) {
  TfrmCadOpcao f(Ctx());
  Padrao(f)->setText("123");
  EXPECT_FALSE(Filho<QComboBox>(f, "cbFinalizador")->isEnabled());
  EXPECT_FALSE(Filho<QCheckBox>(f, "CheckBoxPodeMenos")->isEnabled());
  EXPECT_FALSE(Minimo(f)->isEnabled());

  Padrao(f)->setText("XXXX");
  EXPECT_TRUE(Minimo(f)->isEnabled());
  EXPECT_EQ(Itens(Minimo(f)), (QStringList{"1", "2", "3"}));
  Minimo(f)->setCurrentIndex(2);
  EXPECT_EQ(f.Opcao->QtdeMinOpcaoValida, 3);
  Padrao(f)->setText("XXX");
  EXPECT_EQ(Itens(Minimo(f)), (QStringList{"1", "2"}));
  EXPECT_EQ(Minimo(f)->currentText(), "2");
  EXPECT_EQ(f.Opcao->QtdeMinOpcaoValida, 2);  // what is stored is what is shown

  Filho<QComboBox>(f, "cbFinalizador")->setCurrentIndex(Filho<QComboBox>(f, "cbFinalizador")->findText("#"));
  Filho<QCheckBox>(f, "CheckBoxPodeMenos")->setChecked(true);
  EXPECT_EQ(f.Opcao->DigitoFinalizador, "#");
  EXPECT_TRUE(f.Opcao->PodeMenosDigitos);
  EXPECT_EQ(Filho<QPlainTextEdit>(f, "MemoDescricaoOpcao")->toPlainText(), f.Opcao->GetStrOpcao());
}

TEST_F(TfrmCadOpcaoTeste, InvalidPatternIsShownInRedAndStillAccepted) {
  TfrmCadOpcao f(Ctx());
  auto* memo = Filho<QPlainTextEdit>(f, "MemoDescricaoOpcao");
  Padrao(f)->setText("1X1");
  EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(Qt::red));
  Filho<QPushButton>(f, "btOK")->click();
  EXPECT_EQ(f.result(), QDialog::Accepted);
  Padrao(f)->setText("9XXX");
  EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(TfrmCadOpcaoTeste, OkRefusesBlankAndDuplicatePatterns) {
  TMUListaOpcao opcoes;
  opcoes.Add(std::make_unique<TMUOpcao>(&Dac, "1"));
  opcoes.Add(std::make_unique<TMUOpcao>(&Dac, "2"));
  TfrmCadOpcao nova(Ctx());
  nova.lstOpcoes = &opcoes;
  Filho<QPushButton>(nova, "btOK")->click();
  EXPECT_EQ(P().UltimoTexto(), "Opção inválida");
  Padrao(nova)->setText("2");
  Filho<QPushButton>(nova, "btOK")->click();
  EXPECT_EQ(P().UltimoTexto(), "Opção já cadastrada");
  EXPECT_EQ(P().Caixas.back().Titulo, "Cadastro de opções");
  EXPECT_NE(nova.result(), QDialog::Accepted);

  // Saving an existing option unchanged is fine.
  TfrmCadOpcao existente(Ctx());
  existente.lstOpcoes = &opcoes;
  existente.CarregaOpcao(opcoes.GetItem(1));
  EXPECT_EQ(existente.ItemIndexOpcaoAtual, 1);
  Filho<QPushButton>(existente, "btOK")->click();
  EXPECT_EQ(existente.result(), QDialog::Accepted);
  EXPECT_EQ(P().Caixas.size(), 2u);
}

TEST_F(TfrmCadOpcaoTeste, LoadShowsTheOptionAndCancelLeavesItUntouched) {
  TMUOpcao original(&Dac, "0XXXX");
  original.DigitoFinalizador = "*";
  original.PodeMenosDigitos = true;
  original.QtdeMinOpcaoValida = 3;
  original.ListaAcao->Add(std::make_unique<TMUAcao>(&Dac, "DESLIGA"));
  TfrmCadOpcao f(Ctx());
  f.CarregaOpcao(&original);
  EXPECT_EQ(Padrao(f)->text(), "0XXXX");
  EXPECT_EQ(Filho<QComboBox>(f, "cbFinalizador")->currentText(), "*");
  EXPECT_TRUE(Filho<QCheckBox>(f, "CheckBoxPodeMenos")->isChecked());
  EXPECT_EQ(Minimo(f)->currentText(), "3");
  EXPECT_EQ(f.Opcao->QtdeMinOpcaoValida, 3);
  EXPECT_EQ(Filho<QLineEdit>(f, "edAcao")->text(), original.GetStrAcao());

  // The action list editor gets the option value; its result reaches only the working copy.
  QString opcaoAcao;
  P().Usuario.push_back([&](QDialog* d) {
    auto* a = qobject_cast<TfrmCadAcoes*>(d);
    if (!a) return int(QDialog::Rejected);
    opcaoAcao = a->ListaAcoes->OpcaoAcao;
    a->ListaAcoes->Add(std::make_unique<TMUAcao>(&Dac, "FINAL"));
    return int(QDialog::Accepted);
  });
  Padrao(f)->setText("0XXX");
  Filho<QToolButton>(f, "btAcao")->click();
  EXPECT_EQ(opcaoAcao, "0XXX");
  EXPECT_EQ(f.Opcao->ListaAcao->Count(), 2);
  EXPECT_EQ(Filho<QLineEdit>(f, "edAcao")->text(), f.Opcao->GetStrAcao());
  f.reject();
  EXPECT_EQ(original.GetValor(), "0XXXX");
  EXPECT_EQ(original.QtdeMinOpcaoValida, 3);
  EXPECT_EQ(original.ListaAcao->Count(), 1);
}

}  // namespace
