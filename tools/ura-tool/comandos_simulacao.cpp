// The simulator commands: simulate (one call, step by step) and test (a file
// of scenarios against a URA).
#include <QFile>
#include <QJsonDocument>

#include "UTMenuUra.h"
#include "cenario.h"
#include "comandos.h"
#include "documentos.h"
#include "saida.h"
#include "simulacao.h"

namespace {

const QString kOpcaoQuando = QStringLiteral("--at");
const QString kOpcaoFeriado = QStringLiteral("--feriado");
const QString kOpcaoVariavel = QStringLiteral("--var");
const QString kOpcaoEntrada = QStringLiteral("--entrada");
const QString kOpcaoJson = QStringLiteral("--json");
const QString kOpcaoServicoLocal = QStringLiteral("--local-service");

const OpcaoComando kServicoLocal{kOpcaoServicoLocal, QString(),
                                 QStringLiteral("Lê o arquivo como documento do serviço local (RORIRO); no test, "
                                                "vale para todos os cenários, além dos marcados com "
                                                "\"servicoLocal\"")};

void CarregaDocumento(const Argumentos& A, TDAC& Dac) {
  Dac.RORIRO = A.Tem(kOpcaoServicoLocal);
  CarregaURA(A.Posicionais.first(), Dac);
}

TCenario CenarioDaLinha(const Argumentos& A) {
  TCenario c;
  if (A.Tem(kOpcaoQuando)) {
    c.Quando = LeDataHoraCenario(A.Valor(kOpcaoQuando));
    if (!c.Quando.isValid())
      FalhaUso(QStringLiteral("data e hora inválidas em ") + kOpcaoQuando + QStringLiteral(": \"") +
               A.Valor(kOpcaoQuando) + QStringLiteral("\" (use \"dd/mm/aaaa hh:mm\")"));
  }
  c.Feriado = A.Tem(kOpcaoFeriado);
  for (const QString& v : A.Valores(kOpcaoVariavel)) {
    const qsizetype igual = v.indexOf(u'=');
    if (igual <= 0) FalhaUso(QStringLiteral("use ") + kOpcaoVariavel + QStringLiteral(" NOME=VALOR: \"") + v + u'"');
    c.Variaveis.insert(v.left(igual), v.mid(igual + 1));
  }
  for (const QString& e : A.Valores(kOpcaoEntrada))
    c.Entradas.push_back(e == u"-" ? std::nullopt : std::optional<QString>(e));
  return c;
}

int ExecutaSimulate(const Argumentos& A) {
  const TCenario cenario = CenarioDaLinha(A);
  TDAC dac;
  CarregaDocumento(A, dac);
  const TResultadoSimulacao r = TSimulacao(dac).Executa(cenario);
  if (A.Tem(kOpcaoJson)) {
    EscreveSaida(QString::fromUtf8(QJsonDocument(r.ParaJson()).toJson(QJsonDocument::Indented)));
    return SAIDA_OK;
  }
  QStringList linhas;
  for (size_t i = 0; i + 1 < r.Passos.size(); ++i) linhas << r.Passos[i].GetStrLinha();
  linhas << QStringLiteral("Fim: ") + r.Fim.Texto;
  EscreveLinhas(linhas);
  return SAIDA_OK;
}

int ExecutaTest(const Argumentos& A) {
  TDAC dac;
  CarregaDocumento(A, dac);
  const QString arquivo = A.Posicionais[1];
  QFile f(arquivo);
  if (!f.open(QIODevice::ReadOnly))
    FalhaArquivo(arquivo, f.exists() ? QStringLiteral("não pode ser lido (") + f.errorString() + u')'
                                     : QStringLiteral("arquivo não encontrado"));
  std::vector<TCenario> cenarios;
  QString erro;
  if (!LeCenarios(f.readAll(), cenarios, &erro)) FalhaArquivo(arquivo, erro);

  const TSimulacao sim(dac);
  QStringList linhas;
  int falhas = 0;
  const bool servicoLocal = dac.RORIRO;
  for (const TCenario& c : cenarios) {
    dac.RORIRO = servicoLocal || c.ServicoLocal;  // descriptions follow it as the call runs
    const QStringList problemas = c.Confere(sim.Executa(c));
    falhas += !problemas.isEmpty();
    linhas << (problemas.isEmpty()
                   ? QStringLiteral("ok ") + c.Nome
                   : QStringLiteral("FALHOU ") + c.Nome + QStringLiteral(": ") + problemas.join(QStringLiteral("; ")));
  }
  linhas << QStringLiteral("%1 passed, %2 failed").arg(cenarios.size() - size_t(falhas)).arg(falhas);
  EscreveLinhas(linhas);
  return falhas > 0 ? 1 : SAIDA_OK;
}

}  // namespace

std::vector<Comando> ComandosSimulacao() {
  return {
      Comando{QStringLiteral("simulate"),
              QStringLiteral("Simula uma chamada ou um chat na URA, passo a passo"),
              QStringLiteral("ARQUIVO"),
              1,
              1,
              {OpcaoComando{kOpcaoQuando, QStringLiteral("\"dd/mm/aaaa hh:mm\""),
                            QStringLiteral("Data e hora da chamada (padrão: agora)")},
               OpcaoComando{kOpcaoFeriado, QString(), QStringLiteral("O dia é feriado")},
               OpcaoComando{kOpcaoVariavel, QStringLiteral("NOME=VALOR"),
                            QStringLiteral("Variável da chamada (pode ser repetida); também o resultado de um "
                                           "comando que grava nela")},
               OpcaoComando{kOpcaoEntrada, QStringLiteral("VALOR"),
                            QStringLiteral("Uma resposta, na ordem (pode ser repetida): as teclas (\"1\", "
                                           "\"9123\", \"3#\") ou o texto do chat; \"-\" é sem resposta (timeout)")},
               OpcaoComando{kOpcaoJson, QString(), QStringLiteral("Escreve o resultado em JSON")}, kServicoLocal},
              QStringLiteral("Uma linha por passo (tipo: menu: seção: texto); a última é \"Fim: \" e o fim da\n"
                             "chamada: menu: descrição [→ valor] [motivo]. Motivos: acao, sem-entradas (as\n"
                             "respostas acabaram), limite-de-passos, laco (repete-se sem esperar resposta),\n"
                             "encerrada (uma seção terminou sem ação), menu-inexistente.\n"
                             "Saída: 0 quando a simulação rodou; 1 arquivo ilegível; 2 linha de comando errada.\n"),
              ExecutaSimulate},
      Comando{QStringLiteral("test"),
              QStringLiteral("Roda os cenários de um arquivo JSON na URA e confere o que esperam"),
              QStringLiteral("ARQUIVO CENARIOS.json"),
              2,
              2,
              {kServicoLocal},
              QStringLiteral("Uma linha por cenário (\"ok NOME\" ou \"FALHOU NOME: ...\") e por fim\n"
                             "\"N passed, M failed\". Saída: 0 quando todos passam; 1 quando algum falha ou um\n"
                             "arquivo não pode ser lido; 2 linha de comando errada.\n"),
              ExecutaTest},
  };
}
