#pragma once
// The commands of ura-tool. Each command is one entry of the table returned
// by TabelaComandos(): its name, help texts, options and handler.
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

class TDAC;

// Exit codes of the tool.
enum : int {
  SAIDA_OK = 0,
  SAIDA_ERRO_ARQUIVO = 1,   // an input cannot be read, or an output cannot be written
  SAIDA_ERRO_SERVIDOR = 1,  // the server refused, failed, or did not answer in time
  SAIDA_ERRO_USO = 2,       // wrong command line
};

// Ends a command with an exit code and one line for stderr.
struct FalhaComando {
  int Codigo;
  QString Mensagem;
};
[[noreturn]] void FalhaArquivo(const QString& Arquivo, const QString& Problema);
[[noreturn]] void FalhaUso(const QString& Problema);
// Erro: the writer's reason, may be empty.
[[noreturn]] void FalhaGravacao(const QString& Arquivo, const QString& Erro);

// One option of a command: a flag, or an option followed by a value.
struct OpcaoComando {
  QString Nome;   // as typed: "-o", "--catalogue"
  QString Valor;  // name of the value in the help ("SAIDA.xml"); empty for a flag
  QString Ajuda;
  bool Obrigatoria = false;
  bool TemValor() const { return !Valor.isEmpty(); }
};

// A parsed command line.
class Argumentos {
 public:
  QStringList Posicionais;
  bool Tem(const QString& Opcao) const { return FValores.contains(Opcao); }
  // The last value given to Opcao; empty when it was not given.
  QString Valor(const QString& Opcao) const;
  QStringList Valores(const QString& Opcao) const { return FValores.value(Opcao); }
  void Adiciona(const QString& Opcao, const QString& Valor);
  void AdicionaFlag(const QString& Opcao) { FValores[Opcao]; }

 private:
  QHash<QString, QStringList> FValores;
};

struct Comando {
  QString Nome;
  QString Resumo;       // one line, for the list of commands
  QString Posicionais;  // as in the usage line: "ARQUIVO MENU ENTRADA"
  int MinPosicionais = 0;
  int MaxPosicionais = 0;  // -1: no limit
  std::vector<OpcaoComando> Opcoes;
  QString Detalhes;  // further help lines, may be empty
  int (*Executa)(const Argumentos&) = nullptr;
};

const std::vector<Comando>& TabelaComandos();
const Comando* ProcuraComando(const QString& Nome);

// Help texts (each ends with a line break).
QString UsoGeral();
QString UsoComando(const Comando& C);

// Parses the arguments after the command name. Sets *Ajuda and returns early
// when --help is asked for; throws FalhaComando (usage) on a wrong line.
Argumentos InterpretaArgumentos(const Comando& C, const QStringList& Args, bool* Ajuda);

// Handlers of the file commands.
int ExecutaDescribe(const Argumentos& A);
int ExecutaFingerprint(const Argumentos& A);
int ExecutaMatch(const Argumentos& A);
int ExecutaNormalize(const Argumentos& A);
int ExecutaReport(const Argumentos& A);
int ExecutaCatalogue(const Argumentos& A);

// The check command (its table entry and handler).
Comando ComandoCheck();
int ExecutaCheck(const Argumentos& A);

// Handlers of the server commands.
int ExecutaList(const Argumentos& A);
int ExecutaPull(const Argumentos& A);
int ExecutaPush(const Argumentos& A);
int ExecutaActivate(const Argumentos& A);

// wav-check and wav-convert (comandos_wav.cpp).
Comando ComandoWavCheck();
Comando ComandoWavConvert();

// simulate and test (comandos_simulacao.cpp).
std::vector<Comando> ComandosSimulacao();

// diff (comandos_diferencas.cpp).
Comando ComandoDiff();
int ExecutaDiff(const Argumentos& A);

// graph, and the flow at the top of the report (comandos_fluxo.cpp).
Comando ComandoGraph();
int ExecutaGraph(const Argumentos& A);
// Inserts the flow of Dac, drawn in SVG, right after the page's <body> line.
void InsereFluxoNoRelatorio(const TDAC& Dac, const QString& Arquivo, QStringList& Linhas);
