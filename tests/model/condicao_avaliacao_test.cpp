// Whether a condition holds for a call: each kind of date, period times,
// weekdays with holidays, daily windows (over midnight too), comparisons.
#include <gtest/gtest.h>

#include <QHash>
#include <functional>

#include "condicao.h"

namespace {

struct Caso {
  const char* Nome;
  std::function<void(TMUCondicao&)> Monta;
  const char* Quando;  // "dd/MM/yyyy HH:mm"; 09/12/2026 is a Wednesday
  bool Feriado;
  bool Vale;
};

void Data(TMUCondicao& C, int D, int M, int A, int DF = -1, int MF = -1, int AF = -1) {
  C.DiaIni = D, C.MesIni = M, C.AnoIni = A, C.DiaFim = DF, C.MesFim = MF, C.AnoFim = AF;
}

void Periodo(TMUCondicao& C, const char* Ini, const char* Fim) {
  C.SetStrHoraIniPeriodo(QString::fromLatin1(Ini));
  C.SetStrHoraFimPeriodo(QString::fromLatin1(Fim));
}

void Janela(TMUCondicao& C, const char* Dias, const char* Ini, const char* Fim) {
  C.SetDiasSemana(QString::fromLatin1(Dias));
  C.SetStrHoraIni(QString::fromLatin1(Ini));
  C.SetStrHoraFim(QString::fromLatin1(Fim));
}

void Compara(TMUCondicao& C, int Tipo, std::initializer_list<std::array<const char*, 3>> Comparacoes) {
  for (const auto& [var, op, valor] : Comparacoes) {
    auto cv = std::make_unique<TMUCondicaoVar>();
    cv->Variavel = QString::fromLatin1(var);
    cv->Tipo = QString::fromLatin1(op);
    cv->Valor = QString::fromLatin1(valor);
    C.ListaCondicaoVar->Add(std::move(cv));
  }
  C.ListaCondicaoVar->Tipo = Tipo;
}

const QHash<QString, QString> kVariaveis = {{"saldo", "9"}, {"nome", "Ana Maria"}, {"plano", "b"}};

const Caso kCasos[] = {
    {"sem restrição", [](TMUCondicao&) {}, "09/12/2026 03:00", false, true},
    {"dia do ano", [](TMUCondicao& c) { Data(c, 25, 12, -1); }, "25/12/2030 10:00", false, true},
    {"outro dia do ano", [](TMUCondicao& c) { Data(c, 25, 12, -1); }, "24/12/2026 10:00", false, false},
    {"dia do mês", [](TMUCondicao& c) { Data(c, 9, -1, -1); }, "09/01/2027 10:00", false, true},
    {"dia exato", [](TMUCondicao& c) { Data(c, 9, 12, 2025); }, "09/12/2026 10:00", false, false},
    {"intervalo de dias, fim incluído", [](TMUCondicao& c) { Data(c, 24, 12, 2026, 26, 12, 2026); }, "26/12/2026 23:59",
     false, true},
    {"depois do intervalo", [](TMUCondicao& c) { Data(c, 24, 12, 2026, 26, 12, 2026); }, "27/12/2026 00:00", false,
     false},
    {"fim anterior: só o dia inicial", [](TMUCondicao& c) { Data(c, 25, -1, -1, 5, -1, -1); }, "03/12/2026 10:00",
     false, false},
    {"meses que passam do fim do ano", [](TMUCondicao& c) { Data(c, -1, 11, -1, -1, 2, -1); }, "15/01/2027 10:00",
     false, true},
    {"fora dos meses", [](TMUCondicao& c) { Data(c, -1, 11, -1, -1, 2, -1); }, "15/03/2027 10:00", false, false},
    {"mês de um ano", [](TMUCondicao& c) { Data(c, -1, 12, 2026); }, "31/12/2026 10:00", false, true},
    {"anos", [](TMUCondicao& c) { Data(c, -1, -1, 2024, -1, -1, 2025); }, "09/12/2026 10:00", false, false},
    {"dia com período das 10 às 12", [](TMUCondicao& c) { Data(c, 9, -1, -1), Periodo(c, "10:00", "12:00"); },
     "09/12/2026 11:59", false, true},
    {"período: 12:00 já está fora", [](TMUCondicao& c) { Data(c, 9, -1, -1), Periodo(c, "10:00", "12:00"); },
     "09/12/2026 12:00", false, false},
    {"período sem fim vai até a meia-noite", [](TMUCondicao& c) { Data(c, 9, -1, -1), Periodo(c, "12:00", ""); },
     "09/12/2026 23:59", false, true},
    {"intervalo com período: começa às 18:00",
     [](TMUCondicao& c) { Data(c, 24, 12, -1, 26, 12, -1), Periodo(c, "18:00", "08:00"); }, "24/12/2026 17:59", false,
     false},
    {"intervalo com período: no meio",
     [](TMUCondicao& c) { Data(c, 24, 12, -1, 26, 12, -1), Periodo(c, "18:00", "08:00"); }, "25/12/2026 03:00", false,
     true},
    {"intervalo com período: termina às 08:00",
     [](TMUCondicao& c) { Data(c, 24, 12, -1, 26, 12, -1), Periodo(c, "18:00", "08:00"); }, "26/12/2026 08:00", false,
     false},
    {"com período os dias da semana não contam",
     [](TMUCondicao& c) { Data(c, 9, -1, -1), Periodo(c, "10:00", ""), c.SetDiasSemana("6,7"); }, "09/12/2026 10:00",
     false, true},
    {"dias úteis em horário comercial", [](TMUCondicao& c) { Janela(c, "1-5", "08:00", "18:00"); }, "09/12/2026 17:59",
     false, true},
    {"18:00 já está fora", [](TMUCondicao& c) { Janela(c, "1-5", "08:00", "18:00"); }, "09/12/2026 18:00", false,
     false},
    {"sábado fora dos dias úteis", [](TMUCondicao& c) { Janela(c, "1-5", "08:00", "18:00"); }, "12/12/2026 10:00",
     false, false},
    {"feriado em dia útil ainda é dia útil", [](TMUCondicao& c) { Janela(c, "1-5", "", ""); }, "09/12/2026 10:00", true,
     true},
    {"fim de semana e feriados: feriado", [](TMUCondicao& c) { c.SetDiasSemana("6,7"), c.Feriados = true; },
     "09/12/2026 10:00", true, true},
    {"fim de semana e feriados: dia comum", [](TMUCondicao& c) { c.SetDiasSemana("6,7"), c.Feriados = true; },
     "09/12/2026 10:00", false, false},
    {"só feriados", [](TMUCondicao& c) { c.Feriados = true; }, "13/12/2026 10:00", false, false},
    {"janela pela meia-noite: 05:59", [](TMUCondicao& c) { Janela(c, "", "22:00", "06:00"); }, "09/12/2026 05:59",
     false, true},
    {"janela pela meia-noite: 06:00", [](TMUCondicao& c) { Janela(c, "", "22:00", "06:00"); }, "09/12/2026 06:00",
     false, false},
    {"a partir das 08:00", [](TMUCondicao& c) { Janela(c, "", "08:00", ""); }, "09/12/2026 07:59", false, false},
    {"número comparado como número",
     [](TMUCondicao& c) {
       Compara(c, 1, {{"saldo", "LT", "10"}});
     },
     "09/12/2026 10:00", false, true},
    {"texto comparado como texto",
     [](TMUCondicao& c) {
       Compara(c, 1, {{"plano", "GT", "a"}});
     },
     "09/12/2026 10:00", false, true},
    {"igual distingue maiúsculas",
     [](TMUCondicao& c) {
       Compara(c, 1, {{"nome", "EQ", "ana maria"}});
     },
     "09/12/2026 10:00", false, false},
    {"começa, termina, contém",
     [](TMUCondicao& c) {
       Compara(c, 1, {{"nome", "SW", "Ana"}, {"nome", "EW", "ria"}, {"nome", "IN", "a M"}});
     },
     "09/12/2026 10:00", false, true},
    {"E com uma falsa",
     [](TMUCondicao& c) {
       Compara(c, 1, {{"saldo", "GTEQ", "9"}, {"x", "NEQ", ""}});
     },
     "09/12/2026 10:00", false, false},
    {"OU com uma verdadeira",
     [](TMUCondicao& c) {
       Compara(c, 2, {{"saldo", "GTEQ", "9"}, {"x", "NEQ", ""}});
     },
     "09/12/2026 10:00", false, true},
    {"operador desconhecido",
     [](TMUCondicao& c) {
       Compara(c, 1, {{"saldo", "XX", "9"}});
     },
     "09/12/2026 10:00", false, false},
    {"comparações sem combinação contam as datas",
     [](TMUCondicao& c) {
       Compara(c, 0, {{"saldo", "EQ", "0"}}), Data(c, 9, 12, -1);
     },
     "09/12/2026 10:00", false, true},
};

TEST(CondicaoAvaliacaoTest, EachPartHoldsAsItsDescriptionSays) {
  for (const Caso& k : kCasos) {
    TMUCondicao c(nullptr);
    k.Monta(c);
    const QDateTime quando = QDateTime::fromString(QString::fromLatin1(k.Quando), QStringLiteral("dd/MM/yyyy HH:mm"));
    ASSERT_TRUE(quando.isValid()) << k.Nome;
    TMomentoChamada m{quando.date(), quando.time(), k.Feriado, [](const QString& v) { return kVariaveis.value(v); }};
    QString motivo;
    EXPECT_EQ(c.Atende(m, &motivo), k.Vale)
        << k.Nome << " (" << c.GetStrCondicao().toStdString() << "): " << motivo.toStdString();
    EXPECT_FALSE(motivo.isEmpty()) << k.Nome;
    // A condition that holds always says so, and holds at any moment.
    if (c.SempreAtende()) {
      EXPECT_TRUE(c.GetStrCondicao().isEmpty()) << k.Nome;
    }
  }
}

TEST(CondicaoAvaliacaoTest, TheReasonNamesTheCallsFact) {
  TMUCondicao c(nullptr);
  Janela(c, "1-5", "08:00", "18:00");
  TMomentoChamada m{QDate(2026, 12, 12), QTime(10, 0), false, {}};
  QString motivo;
  EXPECT_FALSE(c.Atende(m, &motivo));
  EXPECT_EQ(motivo, u"dia Sab");
  m.Data = QDate(2026, 12, 9);
  m.Hora = QTime(19, 5);
  EXPECT_FALSE(c.Atende(m, &motivo));
  EXPECT_EQ(motivo, u"hora 19:05");
  Compara(c, 1, {{"saldo", "EQ", "1"}});
  EXPECT_FALSE(c.Atende(m, &motivo));  // no variables at all: saldo reads as ""
  EXPECT_EQ(motivo, u"saldo = \"\"");
}

}  // namespace
