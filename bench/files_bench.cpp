// Cost of reading and writing a large URA file (2,000 menus, each with 5
// conditions, 10 options and 3 actions per section) and of its HTML report,
// each compared with a plain pugixml parse of the same file.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

#include "UTMenuUra.h"
#include "UTXMLDac.h"
#include "comum.h"
#include "infoauxiliar.h"
#include "relatorio.h"

namespace {

constexpr int kMenus = 2000;
constexpr int kCondicoes = 5;
constexpr int kOpcoes = 10;
constexpr int kAcoes = 3;

QTemporaryDir* Pasta = nullptr;
QString ArquivoUra;

void EncheAcoes(TMUListaAcao& l, int semente) {
  static const char* const tipos[] = {"VAIPARA", "DISCAF", "SETVAR", "MENSAGEM", "DESLIGA", "COMANDO"};
  for (int i = 0; i < kAcoes; ++i) {
    const int k = (semente + i) % 6;
    auto a = std::make_unique<TMUAcao>(l.DAC, QString::fromLatin1(tipos[k]));
    a->SetValor(k == 0   ? QStringLiteral("Menu%1").arg((semente + 1) % kMenus)
                : k == 3 ? QStringLiteral("msg%1,msg%2").arg(semente % 500).arg((semente + 7) % 500)
                : k == 5 ? QStringLiteral("script%1.sh \"arg\"").arg(semente % 50)
                         : QString::number(semente % 100));
    a->Variavel = k == 1 ? QStringLiteral("1") : QStringLiteral("var%1").arg((semente + i) % 40);
    l.Add(std::move(a));
  }
}

void EncheMensagem(TMUMensagem& m, int semente) {
  m.AddArquivo(QStringLiteral("msg%1").arg(semente % 500));
  m.AddArquivo(QStringLiteral("Mensagem(var%1)").arg(semente % 10));
  if (semente % 4 == 0) m.AddMensagemChat(QStringLiteral("Olá, opção %1\nsegunda linha €").arg(semente));
}

void MontaDocumento(TDAC& dac) {
  dac.Nome = QStringLiteral("Grande");
  dac.MenuInicial = QStringLiteral("Menu0");
  dac.TipoAtendimento = QStringLiteral("Answer");
  dac.VersaoXML = 2;
  for (int n = 0; n < kMenus; ++n) {
    auto m = std::make_unique<TMenuUra>(&dac, QStringLiteral("Menu%1").arg(n));
    m->Descricao = QStringLiteral("Menu número %1 & cia").arg(n);
    EncheMensagem(*m->MensagemMenu, n);
    for (int c = 0; c < kCondicoes; ++c) {
      auto cond = std::make_unique<TMUCondicao>(&dac);
      cond->SetDiasSemana(c % 2 ? QStringLiteral("1-5") : QStringLiteral("6,7"));
      cond->SetStrHoraIni(QStringLiteral("%1:00").arg(8 + c));
      cond->SetStrHoraFim(QStringLiteral("%1:30").arg(12 + c));
      cond->DiaIni = c + 1;
      cond->MesIni = 12;
      cond->Feriados = c == 4;
      if (c == 3) {
        cond->ListaCondicaoVar->Tipo = 2;
        auto v = std::make_unique<TMUCondicaoVar>();
        v->Variavel = QStringLiteral("var%1").arg(n % 40);
        v->Tipo = QStringLiteral("EQ");
        v->Valor = QString::number(n);
        cond->ListaCondicaoVar->Add(std::move(v));
      }
      EncheMensagem(*cond->Mensagem, n + c);
      EncheAcoes(*cond->ListaAcao, n * 7 + c);
      m->ListaCondicoes->Add(std::move(cond));
    }
    for (int o = 0; o < kOpcoes; ++o) {
      auto op = std::make_unique<TMUOpcao>(&dac, o % 4, o < 9 ? QString::number(o + 1) : QStringLiteral("9[0-5]XX"));
      op->ComecaCom = QStringLiteral("a");
      EncheMensagem(*op->Mensagem, n + o);
      EncheAcoes(*op->ListaAcao, n * 11 + o);
      op->ListaAcao->OpcaoAcao = op->GetValor();
      m->ListaOpcoes->Add(std::move(op));
    }
    EncheMensagem(*m->OpcaoInvalida->Mensagem, n);
    EncheAcoes(*m->OpcaoInvalida->ListaAcao, n * 13);
    EncheMensagem(*m->OpcaoTimeout->Mensagem, n + 1);
    EncheAcoes(*m->OpcaoTimeout->ListaAcao, n * 17);
    EncheMensagem(*m->Final->Mensagem, n + 2);
    EncheAcoes(*m->Final->ListaAcao, n * 19);
    dac.ListaMenus->Add(std::move(m));
  }
}

void BM_PugixmlParse(benchmark::State& state) {
  const QByteArray caminho = ArquivoUra.toLocal8Bit();
  for (auto _ : state) {
    pugi::xml_document doc;
    const bool ok = doc.load_file(caminho.constData());
    benchmark::DoNotOptimize(ok);
  }
}
BENCHMARK(BM_PugixmlParse)->Unit(benchmark::kMillisecond);

void BM_LerXML(benchmark::State& state) {
  TXMLDac xml;
  TXMLDocument doc;
  for (auto _ : state) {
    TDAC dac;
    if (!xml.LerXML(doc, &dac, ArquivoUra)) state.SkipWithError("LerXML failed");
    benchmark::DoNotOptimize(dac.ListaMenus->Count());
  }
}
BENCHMARK(BM_LerXML)->Unit(benchmark::kMillisecond);

void BM_EscreveESalva(benchmark::State& state) {
  TDAC dac;
  MontaDocumento(dac);
  const QString destino = Pasta->filePath(QStringLiteral("escrita.xml"));
  // What "Salvar" does (the document is no local-service one: no stamps).
  for (auto _ : state)
    if (!SalvaDAC(&dac, destino, QString(), 0)) state.SkipWithError("SalvaDAC failed");
}
BENCHMARK(BM_EscreveESalva)->Unit(benchmark::kMillisecond);

// The file as a list of lines (the change check of the main window).
void BM_EscreveLinhas(benchmark::State& state) {
  TDAC dac;
  MontaDocumento(dac);
  TXMLDac xml;
  for (auto _ : state) {
    QStringList linhas;
    xml.DACToXMLStringList(&dac, linhas);
    benchmark::DoNotOptimize(linhas.size());
  }
}
BENCHMARK(BM_EscreveLinhas)->Unit(benchmark::kMillisecond);

void BM_Relatorio(benchmark::State& state) {
  TDAC dac;
  MontaDocumento(dac);
  const QString destino = Pasta->filePath(QStringLiteral("relatorio.html"));
  const QDateTime emissao = QDateTime::currentDateTime();
  for (auto _ : state) {
    if (!GravaHTML(dac, false, emissao, destino)) state.SkipWithError("GravaHTML failed");
  }
}
BENCHMARK(BM_Relatorio)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  FixaAlocador();
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  QTemporaryDir pasta;
  Pasta = &pasta;
  ArquivoUra = pasta.filePath(QStringLiteral("grande.xml"));
  {
    TDAC dac;
    MontaDocumento(dac);
    if (!SalvaDAC(&dac, ArquivoUra, QStringLiteral("bench"), DataHoraAtual())) {
      std::fprintf(stderr, "could not write %s\n", qPrintable(ArquivoUra));
      return 1;
    }
  }
  std::printf("URA file: %lld bytes\n", static_cast<long long>(QFileInfo(ArquivoUra).size()));

  TRelator relator;
  benchmark::RunSpecifiedBenchmarks(&relator);
  benchmark::Shutdown();
  MenuUraInfoAuxiliar.Clear();

  relator.ImprimeRazoes("BM_PugixmlParse");
  return 0;
}
