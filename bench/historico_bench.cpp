// Undo and redo, the comparison and find on the 2,000-menu document.
//   historico_bench [benchmark options]
// Undo/redo of a menu edit: the step alone (swapping the menu in and out),
// and in the main window (the menu list shown again; with the time one
// recovery copy takes on the window's thread). Memory: what 100 menu
// edits keep in the undo stack, against the document itself (heap in use,
// glibc's mallinfo2). Comparison: a copy of the document with 10% of the
// menus changed and two moved, and the document with itself. Find: a text
// that occurs in 1 of 2,000 menus, and where a menu is used.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QUndoStack>

#include "UfrmMain.h"
#include "ambiente.h"
#include "busca.h"
#include "diferencas.h"
#include "documento_grande.h"
#include "edicao.h"
#include "passos.h"
#include "principal_qt.h"

namespace {

double MBEmUso() { return double(mallinfo2().uordblks) / (1024.0 * 1024.0); }

// A step that changes menu Indice's description, as the menu editor's OK does.
std::unique_ptr<TPassoUra> EdicaoDeMenu(TDAC& Dac, int Indice) {
  auto p = std::make_unique<TPassoUra>([&Dac] { return &Dac; }, QStringLiteral("Editar menu"), TCabecalhoUra::De(Dac));
  p->GuardaMenu(Indice);
  Dac.ListaMenus->GetItem(Indice)->Descricao += QStringLiteral(" revisto");
  p->Conclui(TCabecalhoUra::De(Dac));
  return p;
}

void BM_DesfazRefazPasso(benchmark::State& State) {
  TDAC& dac = Documento();
  QUndoStack pilha;
  pilha.push(EdicaoDeMenu(dac, kMenus / 2).release());
  for (auto _ : State) {
    pilha.undo();
    pilha.redo();
  }
  State.SetItemsProcessed(State.iterations() * 2);  // items/s: undos and redos
}
BENCHMARK(BM_DesfazRefazPasso)->Unit(benchmark::kMicrosecond);

void BM_DesfazRefazNaJanela(benchmark::State& State) {
  QTemporaryDir pasta;
  // The window's recovery copies and history go to the temporary folder.
  qputenv("XDG_DATA_HOME", pasta.path().toLocal8Bit());
  TAmbiente a;
  a.PastaUsuario = a.PastaConfiguracao = a.PastaTemporaria = pasta.path();
  DefineAmbiente(a);
  const QString arquivo = pasta.filePath(QStringLiteral("grande.xml"));
  SalvaDAC(&Documento(), arquivo, QStringLiteral("bench"), 0);
  TfrmMain w;
  w.show();
  w.AbrirArquivoRORIroLocal(arquivo);
  QUndoStack* pilha = w.Edicao->Pilha();
  pilha->push(EdicaoDeMenu(*w.DacAtual(), kMenus / 2).release());
  for (auto _ : State) {
    pilha->undo();
    QApplication::processEvents();  // the list painted
    pilha->redo();
    QApplication::processEvents();
  }
  State.SetItemsProcessed(State.iterations() * 2);
  // What the window's thread spends on one recovery copy (the change check
  // and the writer; the file is written on a thread of its own).
  State.counters["copia_recuperacao_ms"] = [&] {
    QElapsedTimer t;
    t.start();
    w.Edicao->GravaRecuperacao();
    const double ms = double(t.nsecsElapsed()) / 1e6;
    w.Edicao->Recuperacao().Espera();
    return ms;
  }();
  pilha->setIndex(0);
}
BENCHMARK(BM_DesfazRefazNaJanela)->Unit(benchmark::kMillisecond);

void BM_Memoria100Passos(benchmark::State& State) {
  for (auto _ : State) {
    const double antes = MBEmUso();
    TDAC dac;
    for (int n = 0; n < kMenus; ++n) dac.ListaMenus->Add(NovoMenu(&dac, n));
    const double documento = MBEmUso() - antes;
    QUndoStack pilha;
    pilha.setUndoLimit(100);
    const double antesPassos = MBEmUso();
    for (int n = 0; n < 150; ++n) pilha.push(EdicaoDeMenu(dac, (n * 37) % kMenus).release());
    State.counters["documento_MB"] = documento;
    State.counters["passos_MB"] = MBEmUso() - antesPassos;
    State.counters["passos"] = pilha.count();
  }
}
BENCHMARK(BM_Memoria100Passos)->Unit(benchmark::kMillisecond)->Iterations(1);

// A copy of the document with every tenth menu changed and two moved.
const TDAC& Alterado() {
  static TDAC* b = [] {
    auto* d = new TDAC;
    const TDAC& a = Documento();
    d->Nome = a.Nome;
    d->MenuInicial = a.MenuInicial;
    for (const auto& m : a.ListaMenus->Items()) d->ListaMenus->Add(CopiaMenu(d, *m));
    for (int i = 0; i < kMenus; i += 10) {
      TMenuUra& m = *d->ListaMenus->GetItem(i);
      m.Descricao += QStringLiteral(" revisto");
      m.ListaOpcoes->GetItem(3)->ListaAcao->GetItem(0)->SetValor(QStringLiteral("Menu7"));
      m.ListaCondicoes->UpItem(4);
    }
    d->ListaMenus->InsertMenu(5, d->ListaMenus->Delete(1500));
    d->ListaMenus->InsertMenu(1800, d->ListaMenus->Delete(20));
    return d;
  }();
  return *b;
}

void BM_Diferencas(benchmark::State& State) {
  const TDAC& a = Documento();
  const TDAC& b = State.range(0) ? Alterado() : a;
  int diferencas = 0;
  for (auto _ : State) {
    TDiferencas d(a, b);
    diferencas = d.Count();
    benchmark::DoNotOptimize(diferencas);
  }
  State.counters["diferencas"] = diferencas;
}
BENCHMARK(BM_Diferencas)->Arg(0)->Arg(1)->ArgNames({"alterado"})->Unit(benchmark::kMillisecond);

void BM_Localiza(benchmark::State& State) {
  const TDAC& dac = Documento();
  size_t lugares = 0;
  for (auto _ : State) {
    lugares = LocalizaTexto(dac, QStringLiteral("Menu número 1234"), &MenuUraInfoAuxiliar.ListaDeMensagens).size();
    benchmark::DoNotOptimize(lugares);
  }
  State.counters["lugares"] = double(lugares);
}
BENCHMARK(BM_Localiza)->Unit(benchmark::kMillisecond);

void BM_OndeUsado(benchmark::State& State) {
  const TDAC& dac = Documento();
  size_t lugares = 0;
  for (auto _ : State) {
    lugares = OndeUsadoMenu(dac, QStringLiteral("Menu1234")).size();
    benchmark::DoNotOptimize(lugares);
  }
  State.counters["lugares"] = double(lugares);
}
BENCHMARK(BM_OndeUsado)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RodaBenchmarksQt(argc, argv); }
