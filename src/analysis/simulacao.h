#pragma once
// The call and chat simulator: one call (or chat) played through a URA
// document, offline, on a chosen date and time with chosen answers, step by
// step as the server would run it.
//
//   TSimulacao sim(*Dac);                       // indexes the menus once
//   TCenario c;                                 // cenario.h: moment, answers...
//   c.Quando = Plataforma().Agora();
//   c.Entradas = {QStringLiteral("1"), std::nullopt};   // "1", then no answer
//   const TResultadoSimulacao r = sim.Executa(c);
//   r.Fim.Texto  // "Principal: Transfere para fila: 10 (Prioridade Média) [acao]"
//
// The run-time reading of every field follows the model (conditions:
// TMUCondicao::Atende; options: TMUListaOpcao::TrataOpcao; descriptions:
// GetStrAcao). Where the model leaves the run-time meaning open, the choices
// are written in docs/simulacao.md and kept in simulacao.cpp, under "Rules".
// A run is deterministic: the same document and scenario give the same steps.
// The document is only read; it must outlive the TSimulacao and not change
// while it is used (make a new one after a change).
#include <QHash>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <vector>

class TDAC;
class TMUAcao;
class TMUCondicao;
struct TCenario;

// The sections of a menu in the order a call runs them.
enum class TSecaoMenu { Inicio, Opcoes, Invalida, Timeout, Final };
// "Início", "Opções", "Opção inválida", "Timeout", "Final".
QString NomeSecaoMenu(TSecaoMenu Secao);

enum class TTipoPasso {
  Menu,      // a menu entered
  Condicao,  // a condition tested, with why it held or not
  Mensagem,  // a message played (audio names) or sent (chat texts)
  Espera,    // an answer awaited
  Resposta,  // the answer given
  Opcao,     // the option the answer chose
  Invalida,  // invalid answer n of N
  Timeout,   // no answer in time, n of N
  Acao,      // an action run
  Variavel,  // a variable set
  Fim,       // the end of the call
};
// "menu", "condicao", "mensagem", "espera", "resposta", "opcao", "invalida",
// "timeout", "acao", "variavel", "fim".
QString CodigoTipoPasso(TTipoPasso Tipo);

struct TPasso {
  TTipoPasso Tipo = TTipoPasso::Menu;
  int IndiceMenu = -1;  // in Dac.ListaMenus; -1 before any menu
  QString Menu;
  QString Secao;  // "Início, condição 2", "Opções", "Opção 9XXX", "Opção inválida", "Timeout", "Final"
  QString Texto;  // Portuguese, one line
  QStringList Mensagens;  // message steps: the audio names or the chat texts
  QString Resposta;       // answer steps: the keys or text given

  // "tipo: menu: seção: texto", empty parts left out.
  QString GetStrLinha() const;
};

// Why a call ended (TFimSimulacao::Motivo).
namespace MotivoFim {
inline const QString Acao = QStringLiteral("acao");                         // an action ended it
inline const QString SemEntradas = QStringLiteral("sem-entradas");          // answers ran out while one was awaited
inline const QString LimitePassos = QStringLiteral("limite-de-passos");     // the step bound was reached
inline const QString Laco = QStringLiteral("laco");                         // loops without awaiting an answer
inline const QString Encerrada = QStringLiteral("encerrada");               // a section ended without an action
inline const QString MenuInexistente = QStringLiteral("menu-inexistente");  // a jump to no menu
}  // namespace MotivoFim

struct TFimSimulacao {
  QString Motivo;
  int IndiceMenu = -1;
  QString Menu;
  QString Codigo;     // the action's code; empty when no action ended the call
  QString Valor;      // the action's value, references resolved (DISCAOP: the number typed)
  QString Descricao;  // the action's GetStrAcao, or what happened
  QString Texto;      // the whole end in one line: "menu: descrição [→ valor] [motivo]"
};

struct TResultadoSimulacao {
  std::vector<TPasso> Passos;  // the last one is the end
  QStringList Menus;           // menus entered, in order, repeats included
  QStringList Mensagens;       // every message played or sent, in order
  TFimSimulacao Fim;
  QHash<QString, QString> Variaveis;  // the call's variables at the end
  int RespostasUsadas = 0;            // answers of the scenario taken, timeouts included
  // The call awaits more keys of the scenario's last answer (which was marked
  // incomplete): the keys so far choose no option yet.
  bool AguardaMaisTeclas = false;

  // {"passos": [...], "menus": [...], "mensagens": [...], "variaveis": {...},
  //  "fim": {"motivo", "menu", "codigo", "valor", "descricao", "texto"}}
  QJsonObject ParaJson() const;
};

class TSimulacao {
 public:
  explicit TSimulacao(const TDAC& Dac);

  // Runs one call; a scenario without a moment runs now (system clock).
  TResultadoSimulacao Executa(const TCenario& Cenario) const;

  // Index of the first menu of that name; -1 for an empty or unknown name.
  int IndiceMenu(const QString& Nome) const;
  // The descriptions of a condition and of an action (for either value of
  // the document's RORIRO), kept from the first time they are asked for.
  QString DescricaoCondicao(const TMUCondicao& C) const;
  QString DescricaoAcao(const TMUAcao& A) const;

 private:
  const TDAC& FDac;
  QHash<QString, int> FIndice;
  mutable QHash<const TMUCondicao*, QString> FCondicoes;
  mutable QHash<const TMUAcao*, QString> FAcoes[2];
};

// The variable names a document uses: compared in conditions, set by actions,
// referenced as '${x}' in values and texts or '{X}' in audio entries; sorted,
// each once.
QStringList VariaveisDoDocumento(const TDAC& Dac);

// A path of sections that, once entered, runs for ever without awaiting an
// answer whatever the date, holidays and variables (found with the
// simulator's own rules; a loop that only some conditions close is not one).
struct TLacoSemEntrada {
  int IndiceMenu = -1;     // the lowest menu index on the cycle
  std::vector<int> Menus;  // the menus on the cycle, in order
  QString Caminho;         // "A (Final) → B (Final) → A (Final)"
};
std::vector<TLacoSemEntrada> LacosSemEntrada(const TDAC& Dac);

// The same search fed one menu at a time, in order from menu 0, so a caller
// that walks the document anyway adds each menu while it is at hand.
class TBuscaLacos {
 public:
  explicit TBuscaLacos(const TDAC& Dac);
  void AcrescentaMenu(int Menu);
  // The loops among the menus added so far (all of them, for the document's).
  std::vector<TLacoSemEntrada> Lacos() const;

 private:
  const TDAC& FDac;
  TSimulacao FSim;
  // Where each section may go next, every section's list one after another:
  // section k's are FSeguintes[FPrimeiro[k]] up to FSeguintes[FPrimeiro[k + 1]].
  std::vector<int> FSeguintes, FPrimeiro;
};
