#pragma once
// The flow of a URA as a graph: one node per menu, one per distinct end of a
// call (a transfer, a hang-up, a command) and one per missing menu that some
// action jumps to; one edge per way a menu is left.
//
//   TFluxo fluxo(*Dac);               // runs the URA check itself
//   TFluxo fluxo(*Dac, &catalogo);    // ... checking audio against the catalogue
//   TFluxo fluxo(*Dac, achados);      // findings already at hand
//
// Menu nodes come first, in the order of Dac.ListaMenus (node i is menu i);
// ends and missing menus follow in the order they are first met. Edges come
// in document order: per menu its conditions, options, invalid option,
// timeout and final section. Only the actions that run count: the first action
// that leaves its section decides where the edge goes, the ones after it never
// run. The invalid-option and timeout sections of a menu without options never
// run and give no edge. The model is a snapshot: it keeps no pointer into the
// document.
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

#include "verificacao.h"

class TDAC;
class TMUListaDescricaoMensagem;

enum class TTipoNoFluxo {
  Menu,
  Fim,          // where the call leaves the URA: transfer, hang-up, command
  Inexistente,  // a menu some action jumps to that the document lacks
};

// The section of a menu an edge leaves from.
enum class TSaidaFluxo { Condicao, Opcao, Invalida, Timeout, Final };

struct TNoFluxo {
  TTipoNoFluxo Tipo = TTipoNoFluxo::Menu;
  // Menu: its name. Fim: the end's description ("Transfere para fila: 10 -
  // Vendas"). Inexistente: the name the actions use (may be empty).
  QString Nome;
  QString Descricao;       // menus only
  int IndiceMenu = -1;     // in ListaMenus; menus only
  QString Acao;            // ends: the action code ("DISCAF", "DESLIGA", ...)
  bool Inicial = false;    // the initial menu (or the missing one it names)
  bool Alcancavel = true;  // false: no path of go-to actions leads here from the initial menu
  int Condicoes = 0;
  int Opcoes = 0;
  std::vector<TAchado> Achados;  // the check's findings about this menu

  int Erros() const { return ContaErros(Achados); }
  int Avisos() const { return ContaAvisos(Achados); }
};

struct TArestaFluxo {
  int Origem = -1;  // node indices
  int Destino = -1;
  TSaidaFluxo Saida = TSaidaFluxo::Final;
  int Indice = -1;  // index of the condition or option; -1 for the other sections
  // The way out: the condition's description (or "Condição N" when it has
  // none), the option's short value, "Opção inválida (3x)", "Timeout (3x)",
  // "Final"; followed by " » " and the section entered when it is not Início
  // of another menu ("1 » Opções").
  QString Rotulo;
  QString Acao;           // the code of the action that leaves
  int SecaoDestino = -1;  // menus: 0 Início, 1 Opções, 2 Opção inválida, 3 Timeout, 4 Final; -1 for ends

  bool Laco() const { return Origem == Destino; }
};

class TFluxo {
 public:
  // Runs the check; the audio entries are looked up in Catalogo when it is
  // given and not empty.
  explicit TFluxo(const TDAC& Dac, const TMUListaDescricaoMensagem* Catalogo = nullptr);
  TFluxo(const TDAC& Dac, const std::vector<TAchado>& Achados);

  QString NomeUra;  // the document's Nome
  std::vector<TNoFluxo> Nos;
  std::vector<TArestaFluxo> Arestas;
  std::vector<TAchado> AchadosDocumento;  // findings about the document itself
  int Menus = 0;                          // nodes 0 .. Menus-1 are the menus

  // The node a go-to action with this menu name reaches: the first menu of
  // that name; -1 when there is none.
  int NoDoMenu(const QString& Nome) const;

  // The name of a section of a menu by its number (0 "Início" .. 4 "Final").
  static QString NomeSecao(int Secao);

 private:
  void Monta(const TDAC& Dac, const std::vector<TAchado>& Achados);

  QHash<QString, int> FIndice;  // menu name -> node of its first menu
};
