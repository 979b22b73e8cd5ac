// The commands that work with the server: list, pull, push and activate.
// Each logs in through the session protocol with a window that has no screen.
#include <functional>

#include "SessaoServidor.h"
#include "UTMenuUra.h"
#include "UTXMLDac.h"
#include "comandos.h"
#include "documentos.h"
#include "janela_headless.h"
#include "saida.h"

namespace {

const QString kSucessoSalvar = QStringLiteral("Arquivo salvo com sucesso.");
const QString kSucessoAtivar = QStringLiteral("Ura ativada com sucesso.");

int InteiroOpcao(const Argumentos& A, const QString& Opcao, int Padrao, int Minimo, int Maximo) {
  if (!A.Tem(Opcao)) return Padrao;
  bool ok = false;
  const int valor = A.Valor(Opcao).toInt(&ok);
  if (!ok || valor < Minimo || valor > Maximo)
    FalhaUso(QStringLiteral("valor inválido para ") + Opcao + QStringLiteral(": ") + A.Valor(Opcao) +
             QStringLiteral(" (de %1 a %2)").arg(Minimo).arg(Maximo));
  return valor;
}

// Seconds, fractions allowed ("0.5").
double SegundosOpcao(const Argumentos& A, const QString& Opcao, double Padrao) {
  if (!A.Tem(Opcao)) return Padrao;
  bool ok = false;
  const double valor = A.Valor(Opcao).toDouble(&ok);
  if (!ok || !(valor >= 0.1 && valor <= 86400))
    FalhaUso(QStringLiteral("valor inválido para ") + Opcao + QStringLiteral(": ") + A.Valor(Opcao) +
             QStringLiteral(" (de 0.1 a 86400)"));
  return valor;
}

// One command's session: the options of the connection, the window and the
// session, and the time limit of every wait.
class ConexaoServidor {
 public:
  explicit ConexaoServidor(const Argumentos& A) : FJanela(A.Tem(QStringLiteral("--verbose"))), FSessao(&FJanela) {
    TCfgConexao& cfg = FSessao.CfgConexao;
    cfg.Ip = A.Tem(QStringLiteral("--host")) ? A.Valor(QStringLiteral("--host")) : QStringLiteral("127.0.0.1");
    if (cfg.Ip.isEmpty()) FalhaUso(QStringLiteral("--host vazio"));
    cfg.Porta = InteiroOpcao(A, QStringLiteral("--port"), 5042, 1, 65535);
    cfg.Usuario = A.Valor(QStringLiteral("--user"));
    cfg.Senha = A.Valor(QStringLiteral("--password"));
    FSegundos = SegundosOpcao(A, QStringLiteral("--timeout"), 30);
  }

  TJanelaHeadless& Janela() { return FJanela; }
  TSessaoServidor& Sessao() { return FSessao; }

  // Connects, logs in and, as a person at the window would, lets the
  // downloads the login starts finish before acting.
  void Entra() {
    FSessao.Conectar();
    Espera([this] { return FJanela.Logado && FSessao.DownloadsDoLoginConcluidos(); });
  }

  // A failure or the end of the time limit ends the command.
  void Espera(const std::function<bool()>& Pronto) {
    if (!FJanela.Espera(FSegundos, Pronto)) throw FalhaComando{SAIDA_ERRO_SERVIDOR, *FJanela.Falha};
  }

  // Waits for the deferred message that ends an operation, then for
  // Restante (what follows it); exit 0 only on the success text, which is
  // the command's result, and no later message.
  int EsperaResultado(const QString& Sucesso, const std::function<bool()>& Restante = {}) {
    Espera([this] { return FJanela.Mensagem.has_value(); });
    if (*FJanela.Mensagem != Sucesso) throw FalhaComando{SAIDA_ERRO_SERVIDOR, *FJanela.Mensagem};
    if (Restante) Espera(Restante);
    if (!FJanela.MensagensSeguintes.isEmpty())
      throw FalhaComando{SAIDA_ERRO_SERVIDOR, FJanela.MensagensSeguintes.first()};
    EscreveLinhas({Sucesso});
    return SAIDA_OK;
  }

 private:
  // The window outlives the session, which calls it until destroyed.
  TJanelaHeadless FJanela;
  TSessaoServidor FSessao;
  double FSegundos = 30;
};

}  // namespace

int ExecutaList(const Argumentos& A) {
  ConexaoServidor c(A);
  c.Entra();
  c.Sessao().SendStringListaDeUras();
  c.Espera([&c] { return c.Janela().SelecaoAberta; });
  QStringList linhas;
  for (const auto& d : c.Sessao().ListaDACsServidor)
    linhas << QStringList{d->NomeArquivoServidor,
                          d->Nome,
                          TipoUraTexto(d->TipoUra),
                          d->GetCriadoEmStr(),
                          d->CriadoPor,
                          d->GetModificadoEmStr(),
                          d->ModificadoPor,
                          d->GetAtivadoEmStr(),
                          d->AtivadoPor}
                  .join(QStringLiteral(" | "));
  c.Sessao().EscolheUraServidor(QString());
  EscreveLinhas(linhas);
  return SAIDA_OK;
}

int ExecutaPull(const Argumentos& A) {
  ConexaoServidor c(A);
  c.Entra();
  TJanelaHeadless& janela = c.Janela();
  c.Sessao().EscolheUraServidor(A.Posicionais.first());
  // Only an error reply to the download comes as a deferred message.
  c.Espera([&janela] { return janela.DacRecebido || janela.Mensagem.has_value(); });
  if (!janela.DacRecebido) throw FalhaComando{SAIDA_ERRO_SERVIDOR, *janela.Mensagem};
  QStringList linhas;
  TXMLDac().DACToXMLStringList(janela.Documento.get(), linhas);
  const QString saida = A.Valor(QStringLiteral("-o"));
  QString erro;
  if (!SalvaLinhas(linhas, saida, &erro)) FalhaGravacao(saida, erro);
  return SAIDA_OK;
}

int ExecutaPush(const Argumentos& A) {
  ConexaoServidor c(A);
  // A file that cannot be read fails before anything is sent.
  CarregaURA(A.Posicionais.first(), *std::make_unique<TDAC>());
  c.Entra();
  // Opened again after the login, as in the window: connecting empties the
  // chat text lists that reading the file fills and that go with the URA.
  auto dac = std::make_unique<TDAC>();
  CarregaURA(A.Posicionais.first(), *dac);
  dac->NomeArquivoServidor =
      A.Tem(QStringLiteral("--name")) ? A.Valor(QStringLiteral("--name")) : dac->Nome + QStringLiteral(".xml");
  c.Janela().Documento = std::move(dac);
  c.Sessao().SalvarNoServidor();
  // The chat catalogue that follows the file must arrive too; the window
  // would show its refusal.
  return c.EsperaResultado(kSucessoSalvar, [&c] { return c.Sessao().EnviosConcluidos(); });
}

int ExecutaActivate(const Argumentos& A) {
  ConexaoServidor c(A);
  // Activation needs only the header: the file name and the URA name.
  auto dac = std::make_unique<TDAC>();
  dac->NomeArquivoServidor = A.Posicionais.first();
  dac->Nome = A.Valor(QStringLiteral("--ura-name"));
  c.Janela().Documento = std::move(dac);
  c.Entra();
  c.Sessao().AtivarUra();
  return c.EsperaResultado(kSucessoAtivar);
}
