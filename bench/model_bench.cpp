// Cost of the model operations that walk a whole large document: the change
// fingerprint, the deep copy an editor takes of a menu, and the descriptions
// the menu list, the editors and the report show.
#include <benchmark/benchmark.h>

#include <QStringList>
#include <QTemporaryDir>

#include "UTMenuUra.h"
#include "UTXMLDac.h"
#include "comum.h"
#include "documento_grande.h"
#include "verificacao.h"

namespace {

void BM_GetListConfig(benchmark::State& state) {
  const TDAC& dac = Documento();
  QStringList lista;
  for (auto _ : state) {
    dac.GetListConfig(&lista);
    benchmark::DoNotOptimize(lista.size());
  }
  state.counters["linhas"] = double(lista.size());
}
BENCHMARK(BM_GetListConfig)->Unit(benchmark::kMillisecond);

void BM_CopyFromMenu(benchmark::State& state) {
  TDAC& dac = Documento();
  const TMenuUra* origem = dac.ListaMenus->GetItem(kMenus / 2);
  TMenuUra copia(&dac, QString());
  for (auto _ : state) {
    copia.CopyFrom(origem);
    benchmark::DoNotOptimize(copia.ListaOpcoes->Count());
  }
}
BENCHMARK(BM_CopyFromMenu)->Unit(benchmark::kMicrosecond);

void BM_DescricoesDeTodosOsMenus(benchmark::State& state) {
  const TDAC& dac = Documento();
  for (auto _ : state) {
    qsizetype total = 0;
    for (const auto& m : dac.ListaMenus->Items()) {
      for (const auto& c : m->ListaCondicoes->Items())
        total += c->GetStrCondicao().size() + c->GetStrMensagem().size() + c->GetStrAcao().size();
      total += m->MensagemMenu->GetStrMensagem().size();
      for (const auto& o : m->ListaOpcoes->Items())
        total += o->GetStrOpcao().size() + o->GetDescricaoValor().size() + o->GetStrMensagem().size() +
                 o->GetStrAcao().size();
      total += m->OpcaoInvalida->GetStrMensagem().size() + m->OpcaoInvalida->GetStrAcao().size();
      total += m->OpcaoTimeout->GetStrMensagem().size() + m->OpcaoTimeout->GetStrAcao().size();
      total += m->Final->GetStrMensagem().size() + m->Final->GetStrAcao().size();
      total += m->MenuOpcoesWA->GetMenuMensagem().size();
    }
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_DescricoesDeTodosOsMenus)->Unit(benchmark::kMillisecond);

// The whole URA check of a document, with the catalogue and a server list of
// every file.
void VerificaComListas(benchmark::State& state, const TDAC& dac) {
  QStringList servidor;
  for (int i = 0; i < kCatalogo; ++i) servidor << QStringLiteral("msg%1").arg(i);
  size_t achados = 0;
  for (auto _ : state) {
    achados = VerificaURA(dac, &MenuUraInfoAuxiliar.ListaDeMensagens, &servidor).size();
    benchmark::DoNotOptimize(achados);
  }
  state.counters["achados"] = double(achados);
}

void BM_VerificaURA(benchmark::State& state) { VerificaComListas(state, Documento()); }
BENCHMARK(BM_VerificaURA)->Unit(benchmark::kMillisecond);

// The same check on the document saved and read back: the reader shares the
// short texts (codes, numbers) that a document built in code holds one copy
// each of, so a check of a real file touches less memory.
void BM_VerificaURALida(benchmark::State& state) {
  QTemporaryDir pasta;
  const QString arquivo = pasta.filePath(QStringLiteral("grande.xml"));
  TDAC lido;
  TXMLDac xml;
  TXMLDocument doc;
  if (!SalvaDAC(&Documento(), arquivo, QString(), 0) || !xml.LerXML(doc, &lido, arquivo)) {
    state.SkipWithError("could not save and read the document");
    return;
  }
  VerificaComListas(state, lido);
}
BENCHMARK(BM_VerificaURALida)->Unit(benchmark::kMillisecond);

// The reference: one plain pass over the document, every menu, section and
// action looked at, every value's length read.
void BM_PercorreDocumento(benchmark::State& state) {
  const TDAC& dac = Documento();
  const auto acoes = [](const TMUListaAcao& l) {
    qsizetype n = 0;
    for (const auto& a : l.Items()) n += a->Tipo.size() + a->GetValor().size() + a->Variavel.size();
    return n;
  };
  for (auto _ : state) {
    qsizetype total = 0;
    for (const auto& m : dac.ListaMenus->Items()) {
      total += m->Nome.size() + m->MensagemMenu->ArquivosCount();
      for (const auto& c : m->ListaCondicoes->Items()) total += c->Mensagem->ArquivosCount() + acoes(*c->ListaAcao);
      for (const auto& o : m->ListaOpcoes->Items())
        total += o->GetValor().size() + o->Mensagem->ArquivosCount() + acoes(*o->ListaAcao);
      total += acoes(*m->OpcaoInvalida->ListaAcao) + acoes(*m->OpcaoTimeout->ListaAcao) + acoes(*m->Final->ListaAcao);
    }
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_PercorreDocumento)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  FixaAlocador();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TRelator relator;
  benchmark::RunSpecifiedBenchmarks(&relator);
  benchmark::Shutdown();
  relator.ImprimeRazoes("BM_PercorreDocumento");
  return 0;
}
