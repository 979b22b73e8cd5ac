#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <vector>

#include "UfrmCadOpcaoChat.h"
#include "apoio_acoes_opcoes.h"
#include "opcao.h"

namespace {

class TfrmCadOpcaoChatTeste : public TesteEditorAcoesOpcoes {
 protected:
  void SetUp() override { Dac.TipoUra = "chat"; }
  static QComboBox* Tipo(TfrmCadOpcaoChat& f) { return Filho<QComboBox>(f, "cbTipoOpcao"); }
  static QLineEdit* Ed(TfrmCadOpcaoChat& f, const char* Nome) { return Filho<QLineEdit>(f, Nome); }
  static QCheckBox* Caixa(TfrmCadOpcaoChat& f, const char* Nome) { return Filho<QCheckBox>(f, Nome); }
};

TEST_F(TfrmCadOpcaoChatTeste, NothingButTheTypeIsEditableUntilATypeIsChosen) {
  TfrmCadOpcaoChat f(Ctx());
  EXPECT_EQ(Tipo(f)->currentIndex(), -1);
  EXPECT_FALSE(Ed(f, "edValor")->isEnabled());
  EXPECT_FALSE(Ed(f, "edTamMinimo")->isEnabled());
  EXPECT_FALSE(Caixa(f, "CheckBoxIgnorarCase")->isEnabled());
  Tipo(f)->setCurrentIndex(3);
  EXPECT_FALSE(Ed(f, "edValor")->isEnabled());
  EXPECT_TRUE(Ed(f, "edComecaCom")->isEnabled());
  EXPECT_FALSE(Ed(f, "edOutrosCaracteres")->isEnabled());
  Caixa(f, "CheckBoxOutros")->setChecked(true);
  EXPECT_TRUE(Ed(f, "edOutrosCaracteres")->isEnabled());
}

TEST_F(TfrmCadOpcaoChatTeste, SwitchingTypesKeepsWhatWasTypedForEach) {
  TfrmCadOpcaoChat f(Ctx());
  Tipo(f)->setCurrentIndex(0);
  Ed(f, "edValor")->setText("abc");
  Tipo(f)->setCurrentIndex(1);
  EXPECT_EQ(Ed(f, "edValor")->text(), "");
  Ed(f, "edValor")->setText("sim");
  Tipo(f)->setCurrentIndex(2);
  EXPECT_EQ(Ed(f, "edValor")->text(), "");
  EXPECT_EQ(f.Opcao->Tipo, 3);
  Tipo(f)->setCurrentIndex(0);
  EXPECT_EQ(Ed(f, "edValor")->text(), "abc");
  EXPECT_EQ(f.Opcao->GetValor(), "abc");
  Tipo(f)->setCurrentIndex(1);
  EXPECT_EQ(Ed(f, "edValor")->text(), "sim");
}

struct TCasoChat {
  const char* Nome;
  std::function<void(TfrmCadOpcaoChat&)> Preenche;
  const char* Erro;  // empty: accepted
};

TEST_F(TfrmCadOpcaoChatTeste, ChecksRefuseBadOptionsInOrder) {
  auto tipo = [](int t, const char* Valor = "") {
    return [=](TfrmCadOpcaoChat& f) {
      Tipo(f)->setCurrentIndex(t);
      Ed(f, "edValor")->setText(QString::fromUtf8(Valor));
    };
  };
  auto alfa = [](std::vector<const char*> Caixas, const char* Outros, const char* Comeca, const char* Contem,
                 const char* Minimo) {
    return [=](TfrmCadOpcaoChat& f) {
      Tipo(f)->setCurrentIndex(3);
      for (const char* c : Caixas) Caixa(f, c)->setChecked(true);
      Ed(f, "edOutrosCaracteres")->setText(QString::fromUtf8(Outros));
      Ed(f, "edComecaCom")->setText(QString::fromUtf8(Comeca));
      Ed(f, "edContem")->setText(QString::fromUtf8(Contem));
      Ed(f, "edTamMinimo")->setText(QString::fromUtf8(Minimo));
    };
  };
  const TCasoChat casos[] = {
      {"no type", [](TfrmCadOpcaoChat&) {}, "Tipo de opção inválida"},
      {"no other characters", alfa({"CheckBoxOutros"}, "", "", "", ""), "Informe os outros caracteres permitidos"},
      {"repeated chars", tipo(0, "aba"), "Valor não pode ter caracteres repetidos"},
      {"specific text may repeat", tipo(1, "aba"), ""},
      {"empty value", tipo(1), "Valor dever ser informado"},
      {"space alone", alfa({"CheckBoxEspaco"}, "", "", "", ""),
       "Selecione pelo menos um tipo de caracteres aceitos no texto"},
      {"digit in others", alfa({"CheckBoxDigitos", "CheckBoxOutros"}, "5-", "", "", ""),
       "Caractere \"5\" já está selecionado com a opção \"Dígitos\""},
      {"blank in others", alfa({"CheckBoxOutros"}, "- ", "", "", ""), "Caractere \" \" não permitido"},
      {"repeated others", alfa({"CheckBoxOutros"}, "-+-", "", "", ""),
       "\"Outros caracteres\" não pode ter caracteres repetidos"},
      {"upper case not accepted", alfa({"CheckBoxMinusculas"}, "", "Ab", "", ""),
       "Existem caracteres inválidos na opção \"Texto deve começar com\""},
      {"others accepted", alfa({"CheckBoxMinusculas", "CheckBoxOutros"}, "A-", "Ab-", "", ""), ""},
      {"minimum below contained text", alfa({"CheckBoxMinusculas"}, "", "", "abcd", "2"),
       "O tamanho mínimo do texto tem que ser maior ou igual à 4"},
      {"minimum not a number", alfa({"CheckBoxMinusculas"}, "", "", "", "x"), "Tamanho mínimo inválido"},
      {"negative minimum", alfa({"CheckBoxMinusculas"}, "", "", "", "-3"), "Tamanho mínimo inválido"},
      {"free text whose maximum is below its minimum",
       [&](TfrmCadOpcaoChat& f) {
         Tipo(f)->setCurrentIndex(2);
         Ed(f, "edTamMinimo")->setText("3");
         Ed(f, "edTamMaximo")->setText("2");
       },
       "O tamanho máximo do texto é menor que o tamanho mínimo: nenhum texto é aceito"},
      {"free text with no maximum",
       [&](TfrmCadOpcaoChat& f) {
         Tipo(f)->setCurrentIndex(2);
         Ed(f, "edTamMinimo")->setText("3");
       },
       ""},
      {"ignore case without both cases",
       [&](TfrmCadOpcaoChat& f) {
         alfa({"CheckBoxMinusculas"}, "", "", "", "")(f);
         Caixa(f, "CheckBoxIgnorarCase")->setChecked(true);
       },
       "A opção ignorar case-sensitive só poderá estar selecionada se o texto aceitar lletras maiúsculas e minúsculas"},
  };
  for (const TCasoChat& c : casos) {
    SCOPED_TRACE(c.Nome);
    P().Caixas.clear();
    TfrmCadOpcaoChat f(Ctx());
    c.Preenche(f);
    Filho<QPushButton>(f, "btOK")->click();
    const QString erro = QString::fromUtf8(c.Erro);
    EXPECT_EQ(P().UltimoTexto(), erro);
    EXPECT_EQ(f.result() == QDialog::Accepted, erro.isEmpty());
    if (!erro.isEmpty() && !P().Caixas.empty()) {
      EXPECT_EQ(P().Caixas.back().Titulo, "Cadastro de opções");
    }
  }
}

TEST_F(TfrmCadOpcaoChatTeste, LoadRestoresTheControlsAndOkRebuildsTheSameOption) {
  TMUOpcao original(&Dac, 4, "NaO");
  original.TextoAlfaAdicional = "-";
  original.QtdeMinOpcaoValida = 3;
  original.ComecaCom = "a-";
  original.Mensagem->AddMensagemChat("Ok");
  TMUListaOpcao opcoes;
  auto copia = std::make_unique<TMUOpcao>(&Dac, 4, "NaO");
  copia->CopyFrom(&original);
  opcoes.Add(std::move(copia));

  TfrmCadOpcaoChat f(Ctx());
  f.lstOpcoes = &opcoes;
  f.CarregaOpcao(opcoes.GetItem(0));
  EXPECT_EQ(Tipo(f)->currentIndex(), 3);
  EXPECT_TRUE(Caixa(f, "CheckBoxDigitos")->isChecked());
  EXPECT_FALSE(Caixa(f, "CheckBoxMaiusculas")->isChecked());
  EXPECT_TRUE(Caixa(f, "CheckBoxOutros")->isChecked());
  EXPECT_EQ(Ed(f, "edOutrosCaracteres")->text(), "-");
  EXPECT_EQ(Ed(f, "edTamMinimo")->text(), "3");
  EXPECT_EQ(Ed(f, "edComecaCom")->text(), "a-");
  EXPECT_EQ(Ed(f, "edMensagem")->text(), "Ok");

  // "Testar" tries an answer without changing the option beyond the rebuild.
  Ed(f, "edValorOpcao")->setText("a-12");
  Filho<QPushButton>(f, "btTestar")->click();
  EXPECT_EQ(Filho<QLabel>(f, "LabelResultado")->text(), "Opção válida");
  Ed(f, "edValorOpcao")->setText("b");
  Filho<QPushButton>(f, "btTestar")->click();
  EXPECT_EQ(Filho<QLabel>(f, "LabelResultado")->text(), "Opção inválida");
  EXPECT_EQ(f.Opcao->GetStrOpcaoCfg(), original.GetStrOpcaoCfg());

  Filho<QPushButton>(f, "btOK")->click();
  EXPECT_EQ(f.result(), QDialog::Accepted);

  // The same rule as a new option is a duplicate.
  TfrmCadOpcaoChat nova(Ctx());
  nova.lstOpcoes = &opcoes;
  nova.CarregaOpcao(&original);
  nova.ItemIndexOpcaoAtual = -1;
  Filho<QPushButton>(nova, "btOK")->click();
  EXPECT_EQ(P().UltimoTexto(), "Opção já cadastrada");
  EXPECT_NE(nova.result(), QDialog::Accepted);
}

}  // namespace
