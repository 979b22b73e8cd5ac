// Cost of the model operations that walk a whole large document: the change
// fingerprint, the deep copy an editor takes of a menu, and the descriptions
// the menu list, the editors and the report show.
#include <benchmark/benchmark.h>

#include <QStringList>

#include "UTMenuUra.h"
#include "comum.h"
#include "verificacao.h"

namespace {

constexpr int kMenus = 2000;
constexpr int kCondicoes = 5;
constexpr int kOpcoes = 10;
constexpr int kAcoes = 3;
constexpr int kCatalogo = 500;

void EncheAcoes(TMUListaAcao& l, int semente) {
  static const char* const tipos[] = {"VAIPARA", "DISCAF", "SETVAR", "MENSAGEM", "DESLIGA", "COMANDO"};
  for (int i = 0; i < kAcoes; ++i) {
    const int k = (semente + i) % 6;
    auto a = std::make_unique<TMUAcao>(l.DAC, tipos[k]);
    a->SetValor(k == 0   ? QStringLiteral("Menu%1").arg((semente + 1) % kMenus)
                : k == 3 ? QStringLiteral("msg%1,msg%2").arg(semente % kCatalogo).arg((semente + 7) % kCatalogo)
                : k == 5 ? QStringLiteral("script%1.sh arg").arg(semente % 50)
                         : QString::number(semente % 100));
    a->Variavel = k == 1 ? QStringLiteral("1") : QStringLiteral("var%1").arg(i);
    l.Add(std::move(a));
  }
}

void EncheMensagem(TMUMensagem& m, int semente) {
  m.AddArquivo(QStringLiteral("msg%1").arg(semente % kCatalogo));
  m.AddArquivo(QStringLiteral("Mensagem(var%1)").arg(semente % 10));
  m.AddMensagemChat(QStringLiteral("Texto %1\nsegunda linha").arg(semente));
}

std::unique_ptr<TMenuUra> NovoMenu(TDAC* dac, int n) {
  auto m = std::make_unique<TMenuUra>(dac, QStringLiteral("Menu%1").arg(n));
  m->Descricao = QStringLiteral("Menu número %1").arg(n);
  EncheMensagem(*m->MensagemMenu, n);
  for (int c = 0; c < kCondicoes; ++c) {
    auto cond = std::make_unique<TMUCondicao>(dac);
    cond->SetDiasSemana(c % 2 ? QStringLiteral("1-5") : QStringLiteral("6,7"));
    cond->SetStrHoraIni(QStringLiteral("%1:00").arg(8 + c));
    cond->SetStrHoraFim(QStringLiteral("%1:30").arg(12 + c));
    cond->Feriados = c == 4;
    EncheMensagem(*cond->Mensagem, n + c);
    EncheAcoes(*cond->ListaAcao, n * 7 + c);
    m->ListaCondicoes->Add(std::move(cond));
  }
  for (int o = 0; o < kOpcoes; ++o) {
    auto op = std::make_unique<TMUOpcao>(dac, QString());
    op->SetValor(o < 9 ? QString::number(o + 1) : QStringLiteral("9[0-5]XX"));
    op->DigitoFinalizador = QStringLiteral("#");
    EncheMensagem(*op->Mensagem, n + o);
    EncheAcoes(*op->ListaAcao, n * 11 + o);
    m->ListaOpcoes->Add(std::move(op));
  }
  EncheMensagem(*m->OpcaoInvalida->Mensagem, n);
  EncheAcoes(*m->OpcaoInvalida->ListaAcao, n + 1);
  EncheMensagem(*m->OpcaoTimeout->Mensagem, n);
  EncheAcoes(*m->OpcaoTimeout->ListaAcao, n + 2);
  EncheMensagem(*m->Final->Mensagem, n);
  EncheAcoes(*m->Final->ListaAcao, n + 3);
  m->SetTipoMenuOpcoesWA(QStringLiteral("LISTAWA"));
  m->MenuOpcoesWA->Titulo->AddMensagemChat(QStringLiteral("Olá"));
  m->MenuOpcoesWA->Texto->AddMensagemChat(QStringLiteral("Escolha uma opção"));
  for (int i = 0; i < 3; ++i) {
    auto item = std::make_unique<TMUItemMenuOpcaoWA>(dac);
    item->Resposta = QString::number(i + 1);
    item->Titulo->AddMensagemChat(QStringLiteral("Item %1").arg(i + 1));
    m->MenuOpcoesWA->ListaItensMenuOpcao->Add(std::move(item));
  }
  return m;
}

// Built once: the catalogue and queues the descriptions look up, and the document.
TDAC& Documento() {
  static TDAC* dac = [] {
    for (int i = 0; i < kCatalogo; ++i) {
      auto d = std::make_unique<TMUDescricaoMensagem>(QStringLiteral("msg%1").arg(i));
      d->Descricao = QStringLiteral("Mensagem gravada %1").arg(i);
      MenuUraInfoAuxiliar.ListaDeMensagens.Add(std::move(d));
    }
    for (int i = 0; i < 100; ++i) {
      auto f = std::make_unique<TMUFila>(QString::number(i));
      f->NomeFila = QStringLiteral("Fila %1").arg(i);
      MenuUraInfoAuxiliar.ListaDeFilasVoz.Add(std::move(f));
    }
    auto* d = new TDAC;
    d->Nome = QStringLiteral("Grande");
    d->MenuInicial = QStringLiteral("Menu0");
    for (int n = 0; n < kMenus; ++n) d->ListaMenus->Add(NovoMenu(d, n));
    return d;
  }();
  return *dac;
}

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

// The whole URA check, with the catalogue and a server list of every file.
void BM_VerificaURA(benchmark::State& state) {
  const TDAC& dac = Documento();
  const QStringList servidor = [] {
    QStringList l;
    for (int i = 0; i < kCatalogo; ++i) l << QStringLiteral("msg%1").arg(i);
    return l;
  }();
  size_t achados = 0;
  for (auto _ : state) {
    achados = VerificaURA(dac, &MenuUraInfoAuxiliar.ListaDeMensagens, &servidor).size();
    benchmark::DoNotOptimize(achados);
  }
  state.counters["achados"] = double(achados);
}
BENCHMARK(BM_VerificaURA)->Unit(benchmark::kMillisecond);

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
  relator.ImprimeRazoes("BM_PercorreDocumento", "ms");
  return 0;
}
