// Condition editor and variable-test editor: year list from the clock, month
// enabling year, loading, OK checks, variable tests and cancelled sub-editors.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "UfrmCadCondicao.h"
#include "UfrmCadCondicaoVar.h"
#include "UfrmCadMensagem.h"
#include "apoio_acoes_opcoes.h"
#include "condicao.h"

namespace {
using TesteCondicao = TesteEditorAcoesOpcoes;

QStringList Anos(int De, int Ate) {
  QStringList r;
  for (int a = De; De <= Ate ? a <= Ate : a >= Ate; a += De <= Ate ? 1 : -1) r << QString::number(a);
  return r;
}

QStringList Itens(const QComboBox* Combo) {
  QStringList r;
  for (int i = 0; i < Combo->count(); ++i) r << Combo->itemText(i);
  return r;
}

TEST_F(TesteCondicao, YearListAroundTheClocksYear) {
  struct Caso {
    int Ano;
    QStringList Lista;
  } casos[] = {
      {2021,
       QStringList{""} + Anos(2021, 2026) + QStringList{""} + Anos(2020, 2000) + QStringList{""} + Anos(2029, 2027)},
      {2023, QStringList{""} + Anos(2023, 2028) + QStringList{""} + Anos(2022, 2000) + QStringList{"", "2029"}},
      {2026, QStringList{""} + Anos(2026, 2031) + QStringList{""} + Anos(2025, 2000) + QStringList{""}},
      {2000, QStringList{""} + Anos(2000, 2005) + QStringList{"", ""} + Anos(2029, 2006)},
  };
  for (const Caso& c : casos) {
    P().Relogio = QDateTime(QDate(c.Ano, 6, 1), QTime(12, 0));
    TfrmCadCondicao dlg(Ctx());
    for (const char* nome : {"ComboBoxAnoDtIni", "ComboBoxAnoDtFim"}) {
      auto* ano = Filho<QComboBox>(dlg, nome);
      EXPECT_EQ(Itens(ano), c.Lista) << c.Ano;
      EXPECT_FALSE(ano->isEnabled());
      EXPECT_EQ(ano->currentIndex(), 0);
    }
  }
}

TEST_F(TesteCondicao, MonthEnablesYearAndClearingItRemovesTheYear) {
  TfrmCadCondicao dlg(Ctx());
  auto* mes = Filho<QComboBox>(dlg, "ComboBoxMesDtFim");
  auto* ano = Filho<QComboBox>(dlg, "ComboBoxAnoDtFim");
  mes->setCurrentIndex(mes->findText(QStringLiteral("03")));
  ASSERT_TRUE(ano->isEnabled());
  ano->setCurrentIndex(ano->findText(QStringLiteral("2027")));
  EXPECT_EQ(dlg.Condicao->AnoFim, 2027);
  EXPECT_EQ(dlg.Condicao->MesFim, 3);
  mes->setCurrentIndex(0);
  EXPECT_FALSE(ano->isEnabled());
  EXPECT_EQ(dlg.Condicao->AnoFim, -1);
  EXPECT_EQ(dlg.Condicao->AnoIni, -1);
}

TEST_F(TesteCondicao, EachDayAndTimeComboWritesItsOwnField) {
  const std::pair<const char*, qint32 TMUCondicao::*> combos[] = {
      {"ComboBoxDiaDtIni", &TMUCondicao::DiaIni},
      {"ComboBoxDiaDtFim", &TMUCondicao::DiaFim},
      {"ComboBoxHoraIniPeriodo", &TMUCondicao::HoraIniPeriodo},
      {"ComboBoxMinutoIniPeriodo", &TMUCondicao::MinutoIniPeriodo},
      {"ComboBoxHoraFimPeriodo", &TMUCondicao::HoraFimPeriodo},
      {"ComboBoxMinutoFimPeriodo", &TMUCondicao::MinutoFimPeriodo},
      {"ComboBoxHoraIni", &TMUCondicao::HoraIni},
      {"ComboBoxMinutoIni", &TMUCondicao::MinutoIni},
      {"ComboBoxHoraFim", &TMUCondicao::HoraFim},
      {"ComboBoxMinutoFim", &TMUCondicao::MinutoFim},
  };
  for (const auto& [nome, campo] : combos) {
    SCOPED_TRACE(nome);
    TfrmCadCondicao dlg(Ctx());
    const TMUCondicao antes(&Dac);
    auto* combo = Filho<QComboBox>(dlg, nome);
    combo->setCurrentIndex(combo->findText(QStringLiteral("17")));
    EXPECT_EQ(dlg.Condicao.get()->*campo, 17);
    // No other field moved.
    for (const auto& [outro, outroCampo] : combos) {
      if (outroCampo != campo) {
        EXPECT_EQ(dlg.Condicao.get()->*outroCampo, antes.*outroCampo) << outro;
      }
    }
    EXPECT_EQ(Filho<QPlainTextEdit>(dlg, "MemoDescricaoCondicao")->toPlainText(), dlg.Condicao->GetStrCondicao());
    combo->setCurrentIndex(0);
    EXPECT_EQ(dlg.Condicao.get()->*campo, -1);
  }
}

TEST_F(TesteCondicao, LoadingShowsStoredValuesAndKeepsAYearWithoutMonth) {
  TMUCondicao origem(&Dac);
  origem.DiaIni = 5;
  origem.AnoFim = 2027;  // a condition on one year alone
  origem.SetaDiaDaSemana(7, true);
  origem.Feriados = true;
  origem.Mensagem->AddArquivo(QStringLiteral("bemvindo"));
  TfrmCadCondicao dlg(Ctx());
  dlg.CarregaCondicao(&origem);
  EXPECT_EQ(Filho<QComboBox>(dlg, "ComboBoxDiaDtIni")->currentText(), QStringLiteral("05"));
  EXPECT_EQ(Filho<QComboBox>(dlg, "ComboBoxMesDtIni")->currentIndex(), -1);
  EXPECT_FALSE(Filho<QComboBox>(dlg, "ComboBoxAnoDtIni")->isEnabled());
  EXPECT_EQ(Filho<QComboBox>(dlg, "ComboBoxAnoDtFim")->currentText(), QStringLiteral("2027"));
  EXPECT_FALSE(Filho<QComboBox>(dlg, "ComboBoxAnoDtFim")->isEnabled());
  EXPECT_TRUE(Filho<QCheckBox>(dlg, "CheckBoxDom")->isChecked());
  EXPECT_TRUE(Filho<QCheckBox>(dlg, "CheckBoxFeriados")->isChecked());
  EXPECT_EQ(Filho<QLineEdit>(dlg, "edMensagem")->text(), origem.GetStrMensagem());
  EXPECT_EQ(Filho<QPlainTextEdit>(dlg, "MemoDescricaoCondicao")->toPlainText(), origem.GetStrCondicao());
  dlg.accept();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.Condicao->AnoFim, 2027);
  auto* mes = Filho<QComboBox>(dlg, "ComboBoxMesDtFim");
  mes->setCurrentIndex(1);
  mes->setCurrentIndex(0);
  EXPECT_EQ(dlg.Condicao->AnoFim, -1);
}

TEST_F(TesteCondicao, OkNeedsAnActionOrAMessage) {
  struct Caso {
    bool Segunda;
    bool ComMensagem;
    const char* Erro;
  } casos[] = {
      {true, false, "Não há uma ação ou mensagem para esta condição"},
      {false, false, "Não há condição, ação ou mensagem informada"},
      {false, true, ""},  // a message without any criterion is accepted
      {true, true, ""},
  };
  for (const Caso& c : casos) {
    P().Caixas.clear();
    TfrmCadCondicao dlg(Ctx());
    Filho<QCheckBox>(dlg, "CheckBoxSeg")->setChecked(c.Segunda);
    if (c.ComMensagem) dlg.Condicao->Mensagem->AddArquivo(QStringLiteral("bemvindo"));
    Filho<QPushButton>(dlg, "btOK")->click();
    EXPECT_EQ(P().UltimoTexto(), QString::fromUtf8(c.Erro));
    EXPECT_EQ(dlg.result(), *c.Erro ? QDialog::Rejected : QDialog::Accepted);
    if (*c.Erro) {
      EXPECT_EQ(P().Caixas.back().Titulo, QStringLiteral("Cadastro de condições"));
    }
  }
}

// Plays the user in the variable-test editor.
std::function<int(QDialog*)> PreencheTeste(const QString& Variavel, int Operador, const QString& Valor) {
  return [=](QDialog* d) {
    Filho<QComboBox>(*d, "cbVariavel")->setEditText(Variavel);
    Filho<QComboBox>(*d, "cbTipoComparacao")->setCurrentIndex(Operador);
    Filho<QComboBox>(*d, "cbValorVariavel")->setEditText(Valor);
    Filho<QPushButton>(*d, "btOK")->click();
    return d->result();
  };
}

TEST_F(TesteCondicao, VariableTestsAddEditRemoveAndTheEmptyTypeHidesThem) {
  TfrmCadCondicao dlg(Ctx());
  auto* tipo = Filho<QComboBox>(dlg, "ComboBoxTipoComparacao");
  auto* linhas = Filho<QTreeWidget>(dlg, "ListViewVariaveis");
  EXPECT_FALSE(Filho<QPushButton>(dlg, "btAdicionarVar")->isEnabled());
  tipo->setCurrentIndex(2);
  P().Usuario.push_back(PreencheTeste(QStringLiteral("cidade"), 6, QStringLiteral("São")));
  P().Usuario.push_back(PreencheTeste(QStringLiteral("$saldo"), 0, QString()));
  Filho<QPushButton>(dlg, "btAdicionarVar")->click();
  Filho<QPushButton>(dlg, "btAdicionarVar")->click();
  ASSERT_EQ(linhas->topLevelItemCount(), 2);
  EXPECT_EQ(linhas->topLevelItem(0)->text(1), QStringLiteral("começa com"));
  EXPECT_EQ(dlg.Condicao->ListaCondicaoVar->Tipo, 2);
  EXPECT_GE(MenuUraInfoAuxiliar.ListaDeVariaveis.IndexOf(QStringLiteral("$saldo")), 0);

  // Editing overwrites in place; Cancel in the sub-editor changes nothing.
  linhas->setCurrentItem(linhas->topLevelItem(1));
  P().Usuario.push_back(PreencheTeste(QStringLiteral("saldo"), 2, QStringLiteral("10")));
  Filho<QPushButton>(dlg, "btEditarVar")->click();
  Filho<QPushButton>(dlg, "btEditarVar")->click();
  const TMUCondicaoVar* segundo = dlg.Condicao->ListaCondicaoVar->GetItem(1);
  EXPECT_EQ(segundo->GetStrCondicaoVar(), QStringLiteral("\"saldo\" maior que \"10\""));

  linhas->setCurrentItem(linhas->topLevelItem(0));
  P().Respostas.push_back(TResposta::Nao);
  Filho<QPushButton>(dlg, "btRemoverVar")->click();
  EXPECT_EQ(P().UltimoTexto(),
            QStringLiteral("Tem certeza que deseja remover a condição (\"cidade\" começa com \"São\")?"));
  EXPECT_EQ(dlg.Condicao->ListaCondicaoVar->Count(), 2);
  tipo->setCurrentIndex(0);
  EXPECT_EQ(linhas->topLevelItemCount(), 0);
  EXPECT_FALSE(Filho<QPushButton>(dlg, "btRemoverVar")->isEnabled());
  EXPECT_EQ(dlg.Condicao->ListaCondicaoVar->Count(), 2);
  tipo->setCurrentIndex(1);
  linhas->setCurrentItem(linhas->topLevelItem(0));
  P().Respostas.push_back(TResposta::Sim);
  Filho<QPushButton>(dlg, "btRemoverVar")->click();
  EXPECT_EQ(dlg.Condicao->ListaCondicaoVar->Count(), 1);
  EXPECT_EQ(Filho<QPlainTextEdit>(dlg, "MemoDescricaoCondicao")->toPlainText(), segundo->GetStrCondicaoVar());
}

TEST_F(TesteCondicao, VariableTestChecksInOrder) {
  struct Caso {
    const char* Variavel;
    int Operador;
    const char* Valor;
    const char* Erro;
  } casos[] = {
      {"", 0, "", "Informe o nome da variável a ser comparada"},
      {"a-b", 0, "", "O nome da variável deve conter apenas letras e números"},
      {"1abc", 0, "", "O nome da variável deve iniciar com letra"},
      {"_abc", 0, "", "O nome da variável deve iniciar com letra"},
      {"abc", 2, "", "O valor para comparação não foi informado"},
      {"abc", 1, "", ""},
      {"${abc}", 7, "x", ""},
  };
  for (const Caso& c : casos) {
    P().Caixas.clear();
    TfrmCadCondicaoVar dlg(Ctx());
    EXPECT_EQ(PreencheTeste(QString::fromUtf8(c.Variavel), c.Operador, QString::fromUtf8(c.Valor))(&dlg),
              *c.Erro ? QDialog::Rejected : QDialog::Accepted)
        << c.Variavel;
    EXPECT_EQ(P().UltimoTexto(), QString::fromUtf8(c.Erro)) << c.Variavel;
  }
  // A stored operator it does not offer opens unselected and is kept.
  TMUCondicaoVar contem;
  contem.Variavel = QStringLiteral("v");
  contem.Tipo = QStringLiteral("IN");
  TfrmCadCondicaoVar dlg(Ctx());
  dlg.CarregaCondicaoVar(&contem);
  EXPECT_TRUE(dlg.TipoComp().isEmpty());
}

TEST_F(TesteCondicao, CancelledSubEditorsAndCancelLeaveEverythingAsItWas) {
  TMUCondicao origem(&Dac);
  origem.Mensagem->AddArquivo(QStringLiteral("bemvindo"));
  TfrmCadCondicao dlg(Ctx());
  dlg.CarregaCondicao(&origem);
  P().Usuario.push_back([](QDialog* d) {
    auto* m = qobject_cast<TfrmCadMensagem*>(d);
    m->CarregaMensagem(nullptr);
    return int(QDialog::Rejected);
  });
  Filho<QPushButton>(dlg, "btMsg")->click();
  Filho<QPushButton>(dlg, "btAcao")->click();  // empty queue: cancelled
  EXPECT_EQ(P().DialogosModais, (QStringList{"TfrmCadMensagem", "TfrmCadAcoes"}));
  EXPECT_EQ(dlg.Condicao->Mensagem->ArquivosText(), QStringLiteral("bemvindo\r\n"));
  P().Usuario.push_back([](QDialog* d) {
    qobject_cast<TfrmCadMensagem*>(d)->CarregaMensagem(nullptr);
    return int(QDialog::Accepted);
  });
  Filho<QPushButton>(dlg, "btMsg")->click();
  EXPECT_EQ(dlg.Condicao->Mensagem->ArquivosCount(), 0);
  Filho<QComboBox>(dlg, "ComboBoxHoraFim")->setCurrentIndex(3);
  dlg.reject();
  EXPECT_EQ(origem.Mensagem->ArquivosText(), QStringLiteral("bemvindo\r\n"));
  EXPECT_EQ(origem.HoraFim, -1);
}
}  // namespace
