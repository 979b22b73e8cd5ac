#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <vector>

#include "UTMenuUra.h"

// Readable failure messages.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class CondicaoTest : public ::testing::Test {
 protected:
  TDAC dac;
  TMUCondicao c{&dac};

  void Dias(std::initializer_list<int> dias) {
    for (int d : dias) c.SetaDiaDaSemana(d, true);
  }
  void Data(int d, int m, int a, int df = -1, int mf = -1, int af = -1) {
    c.DiaIni = d, c.MesIni = m, c.AnoIni = a;
    c.DiaFim = df, c.MesFim = mf, c.AnoFim = af;
  }
  void AddVar(const QString& var, const QString& tipo, const QString& valor) {
    auto v = std::make_unique<TMUCondicaoVar>();
    v->Variavel = var, v->Tipo = tipo, v->Valor = valor;
    c.ListaCondicaoVar->Add(std::move(v));
  }
};

// ---- weekday string ----

TEST_F(CondicaoTest, WeekdayStringRoundTripsEveryCombination) {
  for (int mask = 0; mask < 128; ++mask) {
    TMUCondicao a(&dac), b(&dac);
    for (int d = 1; d <= 7; ++d) a.SetaDiaDaSemana(d, mask & (1 << (d - 1)));
    b.SetaDiaDaSemana(2, true);  // must be cleared by the read
    b.SetDiasSemana(a.GetDiasSemana());
    for (int d = 1; d <= 7; ++d) EXPECT_EQ(a.DiaSemanaIsSet(d), b.DiaSemanaIsSet(d)) << mask;
  }
}

TEST_F(CondicaoTest, WeekdayStringAndDescriptionGroupRuns) {
  struct {
    std::vector<int> dias;
    const char* texto;
    const char* descricao;
  } casos[] = {
      {{}, "", ""},
      {{1, 2, 3, 4, 5}, "1-5", "Seg à Sex"},
      {{1, 3, 5}, "1,3,5", "Seg, Qua, Sex"},
      {{6, 7}, "6,7", "Sab, Dom"},
      {{1, 7}, "1,7", "Seg, Dom"},
      {{1, 2, 3, 5, 7}, "1-3,5,7", "Seg à Qua, Sex, Dom"},
      {{1, 2, 4, 5, 6}, "1,2,4-6", "Seg, Ter, Qui à Sab"},
  };
  for (const auto& k : casos) {
    TMUCondicao x(&dac);
    for (int d : k.dias) x.SetaDiaDaSemana(d, true);
    EXPECT_EQ(x.GetDiasSemana(), QString::fromUtf8(k.texto));
    EXPECT_EQ(x.GetStrDiasSemana(), QString::fromUtf8(k.descricao));
  }
}

TEST_F(CondicaoTest, WeekdayStringReadsMalformedInputSafely) {
  const struct {
    QString entrada;
    const char* dias;
  } casos[] = {
      {"5-9", "5-7"},
      {"3-1", "3"},
      {"0-3", ""},
      {"8", ""},
      {"7,1", "1,7"},
      {" 2 , 4 ,6", "2,4,6"},
      {"abc,x-y,-3", ""},
      {"1-x", "1"},
      {"1--3", "1"},
      {"99999999999,2-99999999999", "2"},
      {"2-0000000007", "2-7"},
      {"2-00000000007", "2"},  // only ten characters after '-'
      {",,,", ""},
      {"", ""},
  };
  for (const auto& k : casos) {
    c.SetDiasSemana(k.entrada);
    EXPECT_EQ(c.GetDiasSemana(), QString::fromUtf8(k.dias)) << k.entrada.toStdString();
  }
  c.SetDiasSemana(QString(200000, u',') + QStringLiteral("4") + QString(100000, u'-'));
  EXPECT_EQ(c.GetDiasSemana(), "4");
  c.SetDiasSemana(QStringLiteral("1-7,").repeated(50000));
  EXPECT_EQ(c.GetDiasSemana(), "1-7");
}

TEST_F(CondicaoTest, WeekdayIndexesOutsideOneToSevenAreIgnored) {
  for (int d : {INT_MIN, -1, 0, 8, INT_MAX}) {
    c.SetaDiaDaSemana(d, true);
    EXPECT_FALSE(c.DiaSemanaIsSet(d));
  }
  EXPECT_EQ(c.GetDiasSemana(), "");
}

// ---- time texts ----

TEST_F(CondicaoTest, TimeTextParsingKeepsOutOfRangeParts) {
  c.SetStrHoraIni("25:00");
  EXPECT_EQ(c.HoraIni, -1);
  EXPECT_EQ(c.MinutoIni, 0);
  c.SetStrHoraIni("9");
  EXPECT_EQ(c.HoraIni, 9);
  EXPECT_EQ(c.MinutoIni, 0);
  c.MinutoIni = -1;
  EXPECT_EQ(c.GetStrHoraIni(), "09:00");
  EXPECT_EQ(c.GetValorHoraIni(), 900);

  const struct {
    QString texto;
    int hora, minuto;
  } casos[] = {
      {" 7 : 45 ", 7, 45},   {"23:59", 23, 59},       {"0:0", 0, 0},
      {"24:60", 5, 30},      {"-1:-1", 5, 30},        {"ab:cd", 5, 30},
      {"", 5, 30},           {"10:20:30", 10, 30},    {"12:    30", 12, 3},  // the minute is read from five characters
      {"12:345678", 12, 30}, {"99999999999:1", 5, 1},
  };
  for (const auto& k : casos) {
    c.HoraFim = 5, c.MinutoFim = 30;
    c.SetStrHoraFim(k.texto);
    EXPECT_EQ(c.HoraFim, k.hora) << k.texto.toStdString();
    EXPECT_EQ(c.MinutoFim, k.minuto) << k.texto.toStdString();
  }
}

TEST_F(CondicaoTest, EachTimeTextWritesItsOwnPair) {
  c.SetStrHoraIniPeriodo("6:05");
  c.SetStrHoraFimPeriodo("22");
  EXPECT_EQ(c.HoraIniPeriodo, 6);
  EXPECT_EQ(c.MinutoIniPeriodo, 5);
  EXPECT_EQ(c.HoraFimPeriodo, 22);
  EXPECT_EQ(c.MinutoFimPeriodo, -1);
  EXPECT_EQ(c.HoraIni, -1);
  EXPECT_EQ(c.HoraFim, -1);
  EXPECT_EQ(c.GetStrHoraIniPeriodo(), "06:05");
  EXPECT_EQ(c.GetStrHoraFimPeriodo(), "22:00");
  EXPECT_EQ(c.GetValorHoraIniPeriodo(), 605);
  EXPECT_EQ(c.GetValorHoraFimPeriodo(), 2200);
  EXPECT_EQ(c.GetStrHoraFim(), "");
  EXPECT_EQ(c.GetValorHoraFim(), -1);
  c.HoraIni = INT_MAX;  // a damaged file must not overflow the value
  EXPECT_GT(c.GetValorHoraIni(), 0);
}

// ---- dates ----

TEST_F(CondicaoTest, DateKindsTextsAndValues) {
  const struct {
    int d, m, a, tipo;
    const char* texto;
    int valor;
  } casos[] = {
      {-1, -1, -1, 0, "", 0},          {5, -1, -1, 1, "5", 5},
      {5, 3, -1, 2, "05/03", 305},     {5, 3, 2024, 3, "05/03/2024", 20240305},
      {-1, 3, -1, 4, "3", 3},          {-1, 3, 2024, 5, "03/2024", 202403},
      {-1, -1, 2024, 6, "2024", 2024}, {-1, -1, 999, 6, "0999", 999},
      {0, 3, 2024, 0, "", 0},          {5, -1, 2024, 0, "", 0},
      {-2, 3, -1, 0, "", 0},           {-1, 0, -1, 0, "", 0},
  };
  for (const auto& k : casos) {
    Data(k.d, k.m, k.a, k.d, k.m, k.a);
    EXPECT_EQ(c.GetCondicaoDataInicial(), k.tipo) << k.texto;
    EXPECT_EQ(c.GetCondicaoDataFinal(), k.tipo) << k.texto;
    EXPECT_EQ(c.GetStrDataIni(), k.texto);
    EXPECT_EQ(c.GetStrDataFim(), k.texto);
    if (k.tipo) {
      EXPECT_EQ(c.GetValorDataInicial(), k.valor) << k.texto;
    }
  }
  Data(INT_MAX, INT_MAX, INT_MAX, 1, 1, 1);  // absurd parts: no crash
  EXPECT_EQ(c.GetCondicaoDataInicial(), 3);
  EXPECT_FALSE(c.GetStrCondicao().isEmpty());
}

// ---- condition descriptions ----

TEST_F(CondicaoTest, DescribesWeekdaysHolidaysAndDailyWindow) {
  EXPECT_EQ(c.GetStrCondicao(), "");
  c.Feriados = true;
  EXPECT_EQ(c.GetStrCondicao(), "Feriados");
  Dias({6, 7});
  EXPECT_EQ(c.GetStrCondicao(), "Sab, Dom e Feriados");
  c.Feriados = false;
  c.SetDiasSemana("1-5");
  c.HoraIni = 8, c.MinutoIni = 0, c.HoraFim = 18, c.MinutoFim = 0;
  EXPECT_EQ(c.GetStrCondicao(), "Seg à Sex; Das 08:00 às 18:00");
  c.HoraFim = -1;
  EXPECT_EQ(c.GetStrCondicao(), "Seg à Sex; A partir das 08:00");
  c.HoraFim = 8, c.MinutoIni = -1;  // same value as 08:00
  EXPECT_EQ(c.GetStrCondicao(), "Seg à Sex; A partir das 08:00");
  c.SetDiasSemana("");
  c.MinutoFim = 30;
  EXPECT_EQ(c.GetStrCondicao(), "Das 08:00 às 08:30");
}

TEST_F(CondicaoTest, DescribesDayDatesRangesAndPeriods) {
  const struct {
    int d, m, a, df, mf, af, hi, mi, hf, mfim;
    const char* texto;
  } casos[] = {
      {24, 12, 2024, -1, -1, -1, -1, -1, -1, -1, "No dia 24/12/2024; Seg à Sex"},
      {24, 12, 2024, 26, 12, 2024, -1, -1, -1, -1, "Do dia 24/12/2024 ao dia 26/12/2024; Seg à Sex"},
      {24, 12, 2024, 26, 12, -1, -1, -1, -1, -1, "No dia 24/12/2024; Seg à Sex"},  // kinds differ
      {24, 12, -1, 26, 12, -1, 18, 0, 8, 0, "Do dia 24/12 as 18:00 até o dia 26/12 as 08:00"},
      {24, 12, -1, 26, 12, -1, 18, 0, -1, -1, "A partir do dia 24/12 as 18:00"},
      {25, -1, -1, -1, -1, -1, 10, 0, 12, 0, "No dia 25 das 10:00 as 12:00"},
      {25, -1, -1, -1, -1, -1, 12, 0, 10, 0, "A partir do dia 25 as 12:00"},
      {25, -1, -1, -1, -1, -1, 10, 30, 10, 15, "A partir do dia 25 as 10:30"},
      {25, -1, -1, -1, -1, -1, 10, -1, 10, 30, "No dia 25 das 10:00 as 10:30"},
      {25, -1, -1, -1, -1, -1, 9, 0, -1, -1, "A partir do dia 25 as 09:00"},
      {25, -1, -1, 5, -1, -1, -1, -1, -1, -1, "No dia 25; Seg à Sex"},
      {0, -1, -1, -1, -1, -1, 9, 0, 10, 0, "Seg à Sex"},  // no date: period ignored
  };
  for (const auto& k : casos) {
    TMUCondicao x(&dac);
    x.SetDiasSemana("1-5");
    x.DiaIni = k.d, x.MesIni = k.m, x.AnoIni = k.a, x.DiaFim = k.df, x.MesFim = k.mf, x.AnoFim = k.af;
    x.HoraIniPeriodo = k.hi, x.MinutoIniPeriodo = k.mi, x.HoraFimPeriodo = k.hf, x.MinutoFimPeriodo = k.mfim;
    const bool periodo = k.hi >= 0 && k.d > 0;
    // Weekdays are only described when no period is; the daily window likewise.
    x.HoraIni = 7, x.MinutoIni = 0;
    const QString esperado = QString::fromUtf8(k.texto) + (periodo ? "" : "; A partir das 07:00");
    EXPECT_EQ(x.GetStrCondicao(), esperado);
  }
}

TEST_F(CondicaoTest, DescribesMonthAndYearDates) {
  const struct {
    int m, a, mf, af;
    const char* texto;
  } casos[] = {
      {11, -1, 2, -1, "Do mês 11 ao mês 2"},
      {3, -1, 3, -1, "No mês 3"},
      {3, -1, -1, -1, "No mês 3"},
      {3, 2024, 1, 2025, "Do mês 03/2024 ao mês 01/2025"},
      {5, 2024, 3, 2024, "No mês 05/2024"},
      {-1, 2024, -1, 2024, "No ano 2024"},
      {-1, 2024, -1, 2026, "Do ano 2024 ao ano 2026"},
      {-1, 2026, -1, 2024, "No ano 2026"},
  };
  for (const auto& k : casos) {
    Data(-1, k.m, k.a, -1, k.mf, k.af);
    EXPECT_EQ(c.GetStrCondicao(), QString::fromUtf8(k.texto));
  }
  Dias({6, 7});
  c.HoraIni = 8, c.MinutoIni = 0, c.HoraFim = 12, c.MinutoFim = 0;
  EXPECT_EQ(c.GetStrCondicao(), "No ano 2026; Sab, Dom; Das 08:00 às 12:00");
}

TEST_F(CondicaoTest, ComparisonsOverrideDatesOnlyWithACombination) {
  Data(24, 12, 2024);
  AddVar("x", "EQ", "1");
  AddVar("y", "IN", "ab");
  EXPECT_EQ(c.GetStrCondicao(), "No dia 24/12/2024");
  c.ListaCondicaoVar->Tipo = 2;
  EXPECT_EQ(c.GetStrCondicao(), "(\"x\" igual à \"1\") ou (\"y\" contém \"ab\")");
  c.ListaCondicaoVar->ClearLista();
  EXPECT_EQ(c.GetStrCondicao(), "No dia 24/12/2024");
}

// ---- comparisons ----

TEST(CondicaoVarTest, OperatorTextsAndDescription) {
  const struct {
    const char* codigo;
    const char* texto;
  } casos[] = {
      {"EQ", "igual à"},
      {"NEQ", "diferente de"},
      {"GT", "maior que"},
      {"LT", "menor que"},
      {"GTEQ", "maior ou igual à"},
      {"LTEQ", "menor ou igual à"},
      {"SW", "começa com"},
      {"EW", "termina com"},
      {"IN", "contém"},
      {"eq", ""},
      {"", ""},
  };
  TMUCondicaoVar v;
  for (const auto& k : casos) {
    v.Tipo = k.codigo;
    EXPECT_EQ(v.GetStrTipo(), QString::fromUtf8(k.texto)) << k.codigo;
  }
  v.Variavel = "cidade", v.Tipo = "EQ", v.Valor = "SP";
  EXPECT_EQ(v.GetStrCondicaoVar(), "\"cidade\" igual à \"SP\"");
  v.Valor.clear();
  EXPECT_EQ(v.GetStrCondicaoVar(), "\"cidade\" igual à \"\"");
  v.Variavel.clear();
  EXPECT_EQ(v.GetStrCondicaoVar(), "");
}

TEST_F(CondicaoTest, ComparisonListJoinsByCombination) {
  TMUListaCondicaoVar& l = *c.ListaCondicaoVar;
  AddVar("a", "GT", "1");
  l.Tipo = 1;
  EXPECT_EQ(l.GetStrCondicaoVar(), "\"a\" maior que \"1\"");
  AddVar("b", "LT", "9");
  EXPECT_EQ(l.GetStrCondicaoVar(), "(\"a\" maior que \"1\") e (\"b\" menor que \"9\")");
  l.Tipo = 7;
  EXPECT_EQ(l.GetStrCondicaoVar(), "(\"a\" maior que \"1\") ou (\"b\" menor que \"9\")");
  for (int t : {0, -1, INT_MIN}) {
    l.Tipo = t;
    EXPECT_EQ(l.GetStrCondicaoVar(), "");
  }
}

TEST_F(CondicaoTest, ComparisonListCopy) {
  TMUListaCondicaoVar& l = *c.ListaCondicaoVar;
  AddVar("a", "SW", "x");
  l.Tipo = 2;
  TMUListaCondicaoVar copia;
  copia.Add(std::make_unique<TMUCondicaoVar>());
  copia.CopyFrom(&l);
  ASSERT_EQ(copia.Count(), 1);
  EXPECT_EQ(copia.Tipo, 2);
  EXPECT_NE(copia.GetItem(0), l.GetItem(0));
  EXPECT_EQ(copia.GetStrCondicaoVar(), l.GetStrCondicaoVar());
  l.CopyFrom(&l);  // onto itself: kept
  EXPECT_EQ(l.Count(), 1);
  copia.CopyFrom(nullptr);
  EXPECT_EQ(copia.Count(), 0);
  EXPECT_EQ(copia.Tipo, 2);
}

// ---- construction and copy ----

TEST_F(CondicaoTest, NewConditionIsUnset) {
  EXPECT_EQ(c.DAC, &dac);
  EXPECT_FALSE(c.Feriados);
  for (int v : {c.DiaIni, c.MesIni, c.AnoIni, c.DiaFim, c.MesFim, c.AnoFim, c.HoraIni, c.MinutoIni, c.HoraFim,
                c.MinutoFim, c.HoraIniPeriodo, c.MinutoIniPeriodo, c.HoraFimPeriodo, c.MinutoFimPeriodo})
    EXPECT_EQ(v, -1);
  EXPECT_EQ(c.GetDiasSemana(), "");
  ASSERT_TRUE(c.Mensagem && c.ListaAcao && c.ListaCondicaoVar);
  EXPECT_EQ(c.ListaAcao->DAC, &dac);
  EXPECT_EQ(c.ListaAcao->Count(), 0);
  EXPECT_EQ(c.ListaCondicaoVar->Count(), 0);
  EXPECT_EQ(c.ListaCondicaoVar->Tipo, 0);
  EXPECT_EQ(c.Mensagem->ArquivosCount(), 0);
}

TEST_F(CondicaoTest, CopyFromIsDeepAndBoundToTheTarget) {
  c.Feriados = true;
  c.SetDiasSemana("1,3-5");
  Data(1, 2, 2023, 3, 4, 2025);
  c.SetStrHoraIni("1:02"), c.SetStrHoraFim("3:04");
  c.SetStrHoraIniPeriodo("5:06"), c.SetStrHoraFimPeriodo("7:08");
  AddVar("v", "NEQ", "0");
  c.ListaCondicaoVar->Tipo = 1;
  c.ListaAcao->Add(std::make_unique<TMUAcao>(&dac, "FINAL"));
  c.Mensagem->AddArquivo("bomdia");

  TDAC outro;
  TMUCondicao alvo(&outro);
  alvo.SetDiasSemana("7");  // the target's own content is replaced, not merged
  alvo.ListaCondicaoVar->Add(std::make_unique<TMUCondicaoVar>());
  alvo.ListaAcao.reset();  // missing children are recreated
  alvo.Mensagem.reset();

  alvo.CopyFrom(&c);
  EXPECT_TRUE(alvo.Feriados);
  EXPECT_EQ(alvo.GetDiasSemana(), "1,3-5");
  EXPECT_EQ(alvo.GetStrDataIni() + alvo.GetStrDataFim(), "01/02/202303/04/2025");
  EXPECT_EQ(alvo.GetStrHoraIni() + alvo.GetStrHoraFim() + alvo.GetStrHoraIniPeriodo() + alvo.GetStrHoraFimPeriodo(),
            "01:0203:0405:0607:08");
  EXPECT_EQ(alvo.GetStrCondicao(), "\"v\" diferente de \"0\"");
  EXPECT_EQ(alvo.ListaCondicaoVar->Count(), 1);
  ASSERT_TRUE(alvo.ListaAcao && alvo.Mensagem);
  EXPECT_EQ(alvo.DAC, &outro);
  EXPECT_EQ(alvo.ListaAcao->DAC, &outro);
  ASSERT_EQ(alvo.ListaAcao->Count(), 1);
  EXPECT_EQ(alvo.ListaAcao->GetItem(0)->DAC, &outro);
  EXPECT_FALSE(alvo.GetStrAcao().isEmpty());
  EXPECT_EQ(alvo.GetStrAcao(), c.ListaAcao->GetStrAcao());
  EXPECT_FALSE(alvo.GetStrMensagem().isEmpty());
  EXPECT_EQ(alvo.GetStrMensagem(), c.Mensagem->GetStrMensagem());

  // Nothing is shared: changing the source leaves the copy alone.
  c.ListaCondicaoVar->GetItem(0)->Valor = "9";
  c.ListaAcao->GetItem(0)->Tipo = "OPCOES";
  c.Mensagem->AddArquivo("boatarde");
  c.SetaDiaDaSemana(7, true);
  EXPECT_EQ(alvo.ListaCondicaoVar->GetItem(0)->Valor, "0");
  EXPECT_EQ(alvo.ListaAcao->GetItem(0)->Tipo, "FINAL");
  EXPECT_EQ(alvo.Mensagem->ArquivosCount(), 1);
  EXPECT_FALSE(alvo.DiaSemanaIsSet(7));

  const QString antes = alvo.GetStrCondicao() + alvo.GetDiasSemana();
  alvo.CopyFrom(nullptr);
  alvo.CopyFrom(&alvo);
  EXPECT_EQ(alvo.GetStrCondicao() + alvo.GetDiasSemana(), antes);
  EXPECT_EQ(alvo.ListaAcao->Count(), 1);
  EXPECT_EQ(alvo.Mensagem->ArquivosCount(), 1);
}

TEST_F(CondicaoTest, MissingChildrenDoNotCrashDescriptions) {
  Data(5, -1, -1);
  c.ListaCondicaoVar.reset();
  c.ListaAcao.reset();
  c.Mensagem.reset();
  EXPECT_EQ(c.GetStrCondicao(), "No dia 5");
  EXPECT_EQ(c.GetStrAcao(), "");
  EXPECT_EQ(c.GetStrMensagem(), "");
}

}  // namespace
