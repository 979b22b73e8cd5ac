// The program's start and the opening of a large URA.
//   app_bench [benchmark options]
// Start: the program started as a process (offscreen, local mode, the voice
// example open) until its main window has been shown, against this binary
// started as a minimal Qt window (one label, so that both load the fonts). Open: a 2,000-menu URA read and listed by
// the main window, against the read alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include "UTXMLDac.h"
#include "UfrmMain.h"
#include "ambiente.h"
#include "infoauxiliar.h"
#include "principal_qt.h"

#ifndef URA_PROGRAMA
#error "URA_PROGRAMA must name the configurador-ura binary"
#endif

namespace {

QTemporaryDir& Pasta() {
  static QTemporaryDir p;
  return p;
}

QString CopiaExemplos() {
  const QString destino = Pasta().filePath(QStringLiteral("exemplos"));
  if (QDir(destino).exists()) return destino;
  QDir().mkpath(destino + QStringLiteral("/mensagens"));
  const QString origem = QStringLiteral(URA_EXAMPLES_DIR);
  for (const QString& n : QDir(origem).entryList(QDir::Files)) QFile::copy(origem + u'/' + n, destino + u'/' + n);
  for (const QString& n : QDir(origem + QStringLiteral("/mensagens")).entryList(QDir::Files))
    QFile::copy(origem + QStringLiteral("/mensagens/") + n, destino + QStringLiteral("/mensagens/") + n);
  return destino;
}

void Roda(benchmark::State& State, const QString& Programa, const QStringList& Args) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("CONFIGURADOR_URA_SAIR_AO_MOSTRAR"), QStringLiteral("1"));
  env.insert(QStringLiteral("APPDATA"), Pasta().filePath(QStringLiteral("appdata")));
  for (auto _ : State) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(Programa, Args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
      State.SkipWithError("the program did not start and end");
      return;
    }
  }
}

void BM_InicioPrograma(benchmark::State& State) {
  Roda(State, QStringLiteral(URA_PROGRAMA),
       {QStringLiteral("-S"), QStringLiteral("-d"), CopiaExemplos(), QStringLiteral("-Aatendimento-voz.xml")});
}
BENCHMARK(BM_InicioPrograma)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

void BM_InicioJanelaMinima(benchmark::State& State) {
  Roda(State, QCoreApplication::applicationFilePath(), {QStringLiteral("--janela-minima")});
}
BENCHMARK(BM_InicioJanelaMinima)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

// A URA of N menus: the example's menus again and again under new names.
QString UraGrande(int Menus) {
  const QString caminho = Pasta().filePath(QStringLiteral("grande%1.xml").arg(Menus));
  if (QFile::exists(caminho)) return caminho;
  QByteArray xml =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<URA Nome=\"grande\" Descricao=\"bench\" MenuInicial=\"M0\" "
      "TipoAtendimento=\"Answer\" TipoUra=\"\" VersaoXML=\"2\">\n";
  for (int i = 0; i < Menus; ++i) {
    xml +=
        QStringLiteral(
            "  <Menu Nome=\"M%1\">\n    <Descricao>Menu %1</Descricao>\n    <Condicoes>\n      <Condicao>\n"
            "        <HoraIni>08:00</HoraIni>\n        <HoraFim>18:00</HoraFim>\n        <DiasSemana>1-5</DiasSemana>\n"
            "        <Acao>\n          <Tipo>VAIPARA</Tipo>\n          <Valor>M%2</Valor>\n          "
            "<Variavel></Variavel>\n"
            "        </Acao>\n      </Condicao>\n    </Condicoes>\n    <OpcoesMenu>\n      <Mensagem>\n"
            "        <Arquivo>menu_principal</Arquivo>\n      </Mensagem>\n      <Opcoes>\n"
            "        <Opcao>\n          <Valor>1</Valor>\n          <Tipo>0</Tipo>\n          <Acao>\n"
            "            <Tipo>VAIPARA</Tipo>\n            <Valor>M%2</Valor>\n            <Variavel></Variavel>\n"
            "          </Acao>\n        </Opcao>\n      </Opcoes>\n    </OpcoesMenu>\n  </Menu>\n")
            .arg(i)
            .arg((i + 1) % Menus)
            .toUtf8();
  }
  xml += "</URA>\n";
  QFile f(caminho);
  if (f.open(QIODevice::WriteOnly)) f.write(xml);
  return caminho;
}

void PreparaAmbiente() {
  TAmbiente a;
  a.PastaUsuario = a.PastaConfiguracao = a.PastaTemporaria = Pasta().path();
  DefineAmbiente(a);
}

void BM_LeituraUra2000(benchmark::State& State) {
  const QString caminho = UraGrande(2000);
  TXMLDac xml;
  for (auto _ : State) {
    TXMLDocument doc;
    TDAC dac;
    benchmark::DoNotOptimize(xml.LerXML(doc, &dac, caminho));
  }
}
BENCHMARK(BM_LeituraUra2000)->Unit(benchmark::kMillisecond);

void BM_AbreUra2000NaJanela(benchmark::State& State) {
  PreparaAmbiente();
  const QString caminho = UraGrande(2000);
  TfrmMain w;
  w.show();
  for (auto _ : State) {
    w.AbrirArquivoRORIroLocal(caminho);
    QApplication::processEvents();  // the list painted
    State.PauseTiming();
    w.mnuFecharClick();
    State.ResumeTiming();
  }
}
BENCHMARK(BM_AbreUra2000NaJanela)->Unit(benchmark::kMillisecond);

void BM_ListaMenus2000(benchmark::State& State) {
  PreparaAmbiente();
  TfrmMain w;
  w.show();
  w.AbrirArquivoRORIroLocal(UraGrande(2000));
  for (auto _ : State) {
    w.AtualizaListaMenus();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_ListaMenus2000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && QByteArray(argv[1]) == "--janela-minima") {
    QApplication app(argc, argv);
    // One line of text: a window that shows anything loads the fonts too.
    QLabel w(QStringLiteral("Configurador de URA"));
    w.resize(900, 590);
    w.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
  }
  return RodaBenchmarksQt(argc, argv);
}
