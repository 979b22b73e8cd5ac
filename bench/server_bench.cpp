// A 10 MB URA file on the server link: received as "xmlfilepart" packets
// (through a loopback socket into the connection's framing, the packet
// parser and the session's receiver, and without the socket), and sent in
// parts. The reference is a plain scan of the same bytes for "\r\n\r\n".
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "Requisicoes.h"
#include "SessaoServidor.h"
#include "UTMenuUra.h"
#include "UTXMLDac.h"
#include "codepage.h"
#include "comum.h"

namespace {

constexpr qsizetype kTamanhoArquivo = 10 * 1000 * 1000;
constexpr qsizetype kTamanhoParte = 4096;

struct Dados {
  QStringList Linhas;                        // the writer's lines
  QByteArray LinhasUtf8;                     // the same, as the writer hands them over: UTF-8, each followed by LF
  QByteArray Fluxo;                          // every "xmlfilepart" packet, back to back
  std::vector<QByteArrayView> PacotesBytes;  // the same packets as the connection cuts them
  QList<QString> Pacotes;                    // and as text, as it hands over those it must
  qsizetype LinhasArquivo = 0;
};

Dados* G = nullptr;

// Menus of a chat URA with accents, a multi-line text, options with actions
// and fallbacks, until the file reaches Tamanho bytes.
void GeraLinhas(qsizetype Tamanho, QStringList& Linhas) {
  TDAC dac;
  dac.Nome = QStringLiteral("Central de relacionamento");
  dac.TipoUra = QStringLiteral("chat");
  dac.MenuInicial = QStringLiteral("Entrada0");
  TXMLDac xml;
  int lote = 200;
  for (int n = 0;; ++n) {
    auto m = std::make_unique<TMenuUra>(&dac, QStringLiteral("Entrada%1").arg(n));
    m->Descricao = QStringLiteral("Atendimento nº %1 — opções de cobrança e negociação").arg(n);
    m->MensagemMenu->AddMensagemChat(
        QStringLiteral("Olá! Escolha uma opção:\n1 - Segunda via\n2 - Falar com atendente"));
    for (int o = 1; o <= 4; ++o) {
      auto op = std::make_unique<TMUOpcao>(&dac, 2, QStringLiteral("opção %1").arg(o));
      auto a = std::make_unique<TMUAcao>(&dac, o % 2 ? QStringLiteral("VAIPARA") : QStringLiteral("DISCAF"));
      a->SetValor(o % 2 ? QStringLiteral("Entrada%1").arg(n + 1) : QString::number(100 + o));
      op->ListaAcao->Add(std::move(a));
      op->ListaAcao->OpcaoAcao = op->GetValor();
      m->ListaOpcoes->Add(std::move(op));
    }
    m->OpcaoInvalida->Mensagem->AddMensagemChat(QStringLiteral("Não entendi, pode repetir?"));
    m->Final->ListaAcao->Add(std::make_unique<TMUAcao>(&dac, QStringLiteral("DESLIGA")));
    dac.ListaMenus->Add(std::move(m));
    if ((n + 1) % lote) continue;
    xml.DACToXMLStringList(&dac, Linhas);
    qsizetype bytes = 0;
    for (const QString& l : Linhas) bytes += l.toUtf8().size() + 1;
    if (bytes >= Tamanho) return;
    // Grow the batch towards the size still missing.
    lote = qMax<int>(50, int(double(n + 1) * (double(Tamanho) / double(bytes) - 1.0)) + 1);
  }
}

// The packets a server sends for the file: UTF-8, each line feed written
// "<#10>", parts cut between lines once they hold kTamanhoParte bytes.
void MontaFluxo(Dados& D) {
  QByteArray parte;
  auto fecha = [&] {
    D.Fluxo += "Event: xmlfilepart\r\nActionID: LerXml\r\nFilePart: " + parte + "\r\n\r\n";
    parte.clear();
  };
  for (const QString& l : D.Linhas) {
    parte += l.toUtf8();
    parte += "<#10>";
    if (parte.size() >= kTamanhoParte) fecha();
  }
  if (!parte.isEmpty()) fecha();
  for (qsizetype i = 0, fim; (fim = D.Fluxo.indexOf("\r\n\r\n", i)) >= 0; i = fim + 4) {
    D.PacotesBytes.push_back(QByteArrayView(D.Fluxo).sliced(i, fim + 4 - i));
    D.Pacotes << DecodeAnsi(D.PacotesBytes.back());
  }
  D.LinhasArquivo = D.Linhas.size();
  for (const QString& l : D.Linhas) D.LinhasUtf8 += l.toUtf8() + '\n';
}

// ---- reference -------------------------------------------------------------

// The reference: every byte looked at once, as a framer must at least do.
void BM_ReferenciaVarredura(benchmark::State& state) {
  const char* p = G->Fluxo.constData();
  const qsizetype n = G->Fluxo.size();
  for (auto _ : state) {
    qsizetype pacotes = 0;
    for (qsizetype i = 3; i < n; ++i)
      if (p[i] == '\n' && p[i - 1] == '\r' && p[i - 2] == '\n' && p[i - 3] == '\r') ++pacotes;
    benchmark::DoNotOptimize(pacotes);
  }
  state.SetBytesProcessed(state.iterations() * n);
}
BENCHMARK(BM_ReferenciaVarredura)->Unit(benchmark::kMillisecond);

// The same search through the C library, which skips to each carriage return.
void BM_VarreduraMemchr(benchmark::State& state) {
  const std::string_view fluxo(G->Fluxo.constData(), size_t(G->Fluxo.size()));
  for (auto _ : state) {
    size_t pacotes = 0;
    for (size_t i = 0; (i = fluxo.find("\r\n\r\n", i)) != std::string_view::npos; i += 4) ++pacotes;
    benchmark::DoNotOptimize(pacotes);
  }
  state.SetBytesProcessed(state.iterations() * G->Fluxo.size());
}
BENCHMARK(BM_VarreduraMemchr)->Unit(benchmark::kMillisecond);

// ---- receiving ---------------------------------------------------------------

// Empties the receiver outside the timed region. glibc merges the freed lines
// lazily, at the next allocation of a few kilobytes; one made here takes
// that work, so the next round is not charged with freeing the previous file.
void EsvaziaReceptor(TSessaoServidor& Sessao) {
  Sessao.XMLDocument1.Reset();
  void* p = std::malloc(64 * 1024 - 64);
  benchmark::DoNotOptimize(p);
  std::free(p);
}

// Connects Cliente to Servidor on loopback; the server's end, or null.
QTcpSocket* Liga(QTcpServer& Servidor, TClientManager& Cliente) {
  if (!Servidor.listen(QHostAddress::LocalHost, 0)) return nullptr;
  Cliente.Connect(QStringLiteral("127.0.0.1"), Servidor.serverPort());
  for (int i = 0; i < 1000 && !(Servidor.hasPendingConnections() && Cliente.Connected()); ++i)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return Cliente.Connected() ? Servidor.nextPendingConnection() : nullptr;
}

// Times Recebe, which hands the whole file to the session's receiver.
void MedeRecepcao(benchmark::State& state, TSessaoServidor& Sessao, const std::function<void()>& Recebe) {
  // One untimed round first: the first file also pays for growing the heap.
  Recebe();
  EsvaziaReceptor(Sessao);
  for (auto _ : state) {
    Recebe();
    state.PauseTiming();
    if (Sessao.XMLDocument1.LineCount() != G->LinhasArquivo) state.SkipWithError("lines lost");
    EsvaziaReceptor(Sessao);
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * G->Fluxo.size());
}

// The parser and the receiver: packets already cut by the connection and
// handed over as it does (bytes first, as text when declined).
void BM_RecebePacotes(benchmark::State& state) {
  TJanelaSessaoMuda janela;
  TSessaoServidor sessao(&janela);
  TClientManager* cm = sessao.ClientManager.get();
  MedeRecepcao(state, sessao, [&] {
    for (const QByteArrayView& p : G->PacotesBytes)
      if (!sessao.OnClientManagerPacketBytes(cm, p)) sessao.OnClientManagerPacket(cm, DecodeAnsi(p));
  });
}
BENCHMARK(BM_RecebePacotes)->Unit(benchmark::kMillisecond)->MinTime(2);

// The same packets all through the text road (the parser's lines), which
// parts that must be decoded take.
void BM_RecebePacotesComoTexto(benchmark::State& state) {
  TJanelaSessaoMuda janela;
  TSessaoServidor sessao(&janela);
  MedeRecepcao(state, sessao, [&] {
    for (const QString& p : G->Pacotes) sessao.OnClientManagerPacket(sessao.ClientManager.get(), p);
  });
}
BENCHMARK(BM_RecebePacotesComoTexto)->Unit(benchmark::kMillisecond)->MinTime(2);

// The whole road: bytes over a loopback socket into the session's own
// connection, its framing, the parser and the receiver.
void BM_RecebeViaSocket(benchmark::State& state) {
  QTcpServer servidor;
  TJanelaSessaoMuda janela;
  TSessaoServidor sessao(&janela);
  QTcpSocket* par = Liga(servidor, *sessao.ClientManager);
  if (!par) return state.SkipWithError("no loopback connection");
  MedeRecepcao(state, sessao, [&] {
    par->write(G->Fluxo);
    while (sessao.XMLDocument1.LineCount() < G->LinhasArquivo) QCoreApplication::processEvents();
  });
}
BENCHMARK(BM_RecebeViaSocket)->Unit(benchmark::kMillisecond)->MinTime(2);

// The socket and the connection's framing alone: packets counted, not read.
void BM_EnquadraViaSocket(benchmark::State& state) {
  QTcpServer servidor;
  TClientManager cliente;
  qsizetype pacotes = 0;
  cliente.OnPacket = [&pacotes](TClientManager*, const QString&) { ++pacotes; };
  QTcpSocket* par = Liga(servidor, cliente);
  if (!par) return state.SkipWithError("no loopback connection");
  const auto recebe = [&] {
    pacotes = 0;
    par->write(G->Fluxo);
    while (pacotes < G->Pacotes.size()) QCoreApplication::processEvents();
  };
  recebe();
  for (auto _ : state) recebe();
  state.SetBytesProcessed(state.iterations() * G->Fluxo.size());
}
BENCHMARK(BM_EnquadraViaSocket)->Unit(benchmark::kMillisecond)->MinTime(2);

// Decoding of the part values alone (UTF-8 through the code page and back).
void BM_DecodificaPartes(benchmark::State& state) {
  QList<QString> valores;
  for (const QString& p : G->Pacotes) valores << TPacketManagerParser(p).GetFieldValue(QStringLiteral("FilePart"));
  for (auto _ : state)
    for (const QString& v : valores) benchmark::DoNotOptimize(DecodificaParteArquivo(v));
  state.SetBytesProcessed(state.iterations() * G->Fluxo.size());
}
BENCHMARK(BM_DecodificaPartes)->Unit(benchmark::kMillisecond);

// ---- sending ---------------------------------------------------------------------

// The road of "Salvar no servidor": the writer's lines, as it makes them,
// cut into parts, each part made a request.
void BM_EnviaPartes(benchmark::State& state) {
  const QString nome = QStringLiteral("relacionamento.xml");
  // Where each line ends, as the writer knows it.
  std::vector<QByteArrayView> linhas;
  const QByteArrayView todas(G->LinhasUtf8);
  for (qsizetype i = 0, fim; i < todas.size(); i = fim + 1) {
    fim = todas.indexOf('\n', i);
    linhas.push_back(todas.sliced(i, fim - i));
  }
  for (auto _ : state) {
    TPartesArquivo montador(Requisicao::InicioParteXmlUra(nome), Requisicao::kFimParte);
    for (const QByteArrayView& l : linhas) montador.Linha(l);
    qsizetype total = 0;
    for (const QByteArray& pedido : montador.Partes()) total += pedido.size();
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(state.iterations() * G->Fluxo.size());
}
BENCHMARK(BM_EnviaPartes)->Unit(benchmark::kMillisecond);

// The same from a list of lines (the catalogues' road).
void BM_EnviaPartesDeLista(benchmark::State& state) {
  const QString nome = QStringLiteral("relacionamento.xml");
  for (auto _ : state) {
    qsizetype total = 0;
    for (const QByteArray& parte : MontaPartesArquivo(G->Linhas)) total += Requisicao::ParteXmlUra(nome, parte).size();
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(state.iterations() * G->Fluxo.size());
}
BENCHMARK(BM_EnviaPartesDeLista)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  FixaAlocador();
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  Dados dados;
  GeraLinhas(kTamanhoArquivo, dados.Linhas);
  MontaFluxo(dados);
  G = &dados;
  qsizetype bytesArquivo = 0;
  for (const QString& l : dados.Linhas) bytesArquivo += l.toUtf8().size() + 1;
  std::printf("file: %lld lines, %.1f MB; %.1f MB on the wire in %lld packets\n",
              static_cast<long long>(dados.Linhas.size()), double(bytesArquivo) / 1e6, double(dados.Fluxo.size()) / 1e6,
              static_cast<long long>(dados.Pacotes.size()));

  TRelator relator;
  benchmark::RunSpecifiedBenchmarks(&relator);
  benchmark::Shutdown();

  relator.ImprimeRazoes("BM_ReferenciaVarredura");
  return 0;
}
