// The simulator on any document and any answers (both drawn from the bytes):
// a call always ends, within its step bound, with a known reason and the same
// way twice; the loop search runs on the same document.
#include <QSet>
#include <cstdlib>

#include "cenario.h"
#include "simulacao.h"
#include "ura_sorteada.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Dados, size_t Tamanho) {
  TSorteio s(Dados, Tamanho);
  TDAC dac;
  SorteiaURA(s, dac);
  TCenario c;
  c.Quando = QDateTime(QDate(2026, s.Entre(1, 12), s.Entre(1, 28)), QTime(s.Entre(0, 23), s.Entre(0, 59)));
  c.Feriado = s.Moeda();
  c.Entradas = SorteiaEntradas(s, dac.UraChat(), 12);
  c.UltimaIncompleta = s.Moeda(3);
  c.LimitePassos = s.Entre(1, 300);

  const TSimulacao sim(dac);
  const TResultadoSimulacao r = sim.Executa(c);
  static const QSet<QString> motivos = {MotivoFim::Acao, MotivoFim::SemEntradas, MotivoFim::LimitePassos,
                                        MotivoFim::Laco, MotivoFim::Encerrada,   MotivoFim::MenuInexistente};
  if (r.Passos.empty() || int(r.Passos.size()) > c.LimitePassos || r.Passos.back().Tipo != TTipoPasso::Fim ||
      !motivos.contains(r.Fim.Motivo) || size_t(r.RespostasUsadas) > c.Entradas.size())
    std::abort();
  const TResultadoSimulacao r2 = sim.Executa(c);
  if (r2.Passos.size() != r.Passos.size() || r2.Fim.Texto != r.Fim.Texto || r2.Mensagens != r.Mensagens) std::abort();
  r.ParaJson();
  for (const TLacoSemEntrada& l : LacosSemEntrada(dac))
    if (l.Menus.empty() || l.IndiceMenu < 0 || l.IndiceMenu >= dac.ListaMenus->Count()) std::abort();
  return 0;
}
