// Simulated calls over a 2,000-menu voice URA (each menu with 5 conditions,
// 10 options and 3 actions per section; options lead to random menus, some
// transfer or hang up) with 10,000 random answer sequences: calls per second,
// and the steps an average call takes.
#include <benchmark/benchmark.h>

#include "cenario.h"
#include "simulacao.h"
#include "ura_sorteada.h"

namespace {

constexpr int kMenus = 2000;
constexpr int kChamadas = 10000;

QString MenuAleatorio(TSorteio& S) { return QStringLiteral("M%1").arg(S.Entre(0, kMenus - 1)); }

// Three actions: a variable, a message variable and where the call goes.
void Acoes(TSorteio& S, TMUListaAcao& L, int Saida) {
  auto setvar = std::make_unique<TMUAcao>(L.DAC, QStringLiteral("SETVAR"));
  setvar->Variavel = QStringLiteral("passo");
  setvar->ValorNumero = QString::number(S.Entre(0, 9));
  L.Add(std::move(setvar));
  auto mensagem = std::make_unique<TMUAcao>(L.DAC, QStringLiteral("MENSAGEM"));
  mensagem->Variavel = QStringLiteral("saudacao");
  mensagem->ValorNumero = QStringLiteral("bemvindo,menu%1").arg(S.Entre(0, 99));
  L.Add(std::move(mensagem));
  // Saida in 10: 0 hangs up, 1 transfers, anything else goes to another menu.
  auto ultima = std::make_unique<TMUAcao>(L.DAC, Saida == 0   ? QStringLiteral("DESLIGA")
                                                 : Saida == 1 ? QStringLiteral("DISCAF")
                                                              : QStringLiteral("VAIPARA"));
  if (ultima->Tipo == u"VAIPARA") {
    ultima->ValorMenu = MenuAleatorio(S);
    ultima->Variavel = QStringLiteral("1");
  } else {
    ultima->ValorNumero = QStringLiteral("${fila}");
  }
  L.Add(std::move(ultima));
}

void Mensagem(TSorteio& S, TMUMensagem& M) {
  M.AddArquivo(QStringLiteral("{saudacao}"));
  M.AddArquivo(QStringLiteral("menu%1").arg(S.Entre(0, 99)));
}

std::unique_ptr<TDAC> Documento() {
  TSorteio s(20261209);
  auto dac = std::make_unique<TDAC>();
  dac->MenuInicial = QStringLiteral("M0");
  for (int n = 0; n < kMenus; ++n) {
    auto m = std::make_unique<TMenuUra>(dac.get(), QStringLiteral("M%1").arg(n));
    for (int c = 0; c < 5; ++c) {  // night, weekend, holiday or a variable: most calls pass them
      auto cond = std::make_unique<TMUCondicao>(dac.get());
      cond->SetDiasSemana(c % 2 ? QStringLiteral("6,7") : QStringLiteral("1-5"));
      cond->SetStrHoraIni(QStringLiteral("%1:00").arg(20 + c % 3));
      cond->SetStrHoraFim(QStringLiteral("06:00"));
      cond->Feriados = c == 4;
      Mensagem(s, *cond->Mensagem);
      Acoes(s, *cond->ListaAcao, s.Entre(0, 9));
      m->ListaCondicoes->Add(std::move(cond));
    }
    Mensagem(s, *m->MensagemMenu);
    for (int o = 0; o < 10; ++o) {
      auto op = std::make_unique<TMUOpcao>(dac.get(), o < 9 ? QString::number(o + 1) : QStringLiteral("9[0-5]XX"));
      Mensagem(s, *op->Mensagem);
      Acoes(s, *op->ListaAcao, s.Entre(0, 9));
      m->ListaOpcoes->Add(std::move(op));
    }
    Mensagem(s, *m->OpcaoInvalida->Mensagem);
    Acoes(s, *m->OpcaoInvalida->ListaAcao, 2);
    Mensagem(s, *m->OpcaoTimeout->Mensagem);
    Acoes(s, *m->OpcaoTimeout->ListaAcao, 0);
    Acoes(s, *m->Final->ListaAcao, 1);
    dac->ListaMenus->Add(std::move(m));
  }
  return dac;
}

std::vector<TCenario> Chamadas() {
  TSorteio s(42);
  std::vector<TCenario> cenarios;
  for (int i = 0; i < kChamadas; ++i) {
    TCenario c;
    c.Quando = QDateTime(QDate(2026, 12, s.Entre(1, 31)), QTime(s.Entre(0, 23), s.Entre(0, 59)));
    c.Feriado = s.Moeda(20);
    c.Variaveis.insert(QStringLiteral("fila"), QStringLiteral("10"));
    for (int k = s.Entre(1, 8); k > 0; --k)
      c.Entradas.push_back(
          s.Moeda(10) ? std::nullopt
                      : std::optional<QString>(s.Um({"1", "2", "3", "4", "5", "6", "7", "8", "9", "9123", "0", "*"})));
    cenarios.push_back(std::move(c));
  }
  return cenarios;
}

void BM_ChamadasSimuladas(benchmark::State& State) {
  static const std::unique_ptr<TDAC> dac = Documento();
  static const std::vector<TCenario> cenarios = Chamadas();
  const TSimulacao sim(*dac);
  double passos = 0;
  for (auto _ : State) {
    for (const TCenario& c : cenarios) {
      const TResultadoSimulacao r = sim.Executa(c);
      passos += double(r.Passos.size());
      benchmark::DoNotOptimize(r.Fim.Motivo);
    }
  }
  const double chamadas = double(State.iterations()) * kChamadas;
  State.counters["chamadas/s"] = benchmark::Counter(chamadas, benchmark::Counter::kIsRate);
  State.counters["passos/chamada"] = passos / chamadas;
}
BENCHMARK(BM_ChamadasSimuladas)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
