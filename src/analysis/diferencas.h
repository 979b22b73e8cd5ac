#pragma once
// The differences between two URA documents by meaning, not by text: the
// document's fields; menus added, removed, changed or moved (matched by
// name); and in a changed menu, each section's conditions, options,
// messages, fallback values and actions added, removed, changed or moved,
// with the model's own descriptions before and after.
//
//   TDiferencas d(Antigo, Novo);
//   if (d.Vazia()) ...;                     // the same URA
//   for (const TDiferenca& x : d.Lista()) x.GetStrLinha();
//
// Items of a list are matched by what identifies them (an option by its
// configuration key, a condition by when it applies, an action by its code,
// value and variable); what is left unmatched on both sides is paired in
// order as changed. An item whose place among the matched ones changed is
// reported as moved. Audit fields (dates, users) and the file names are not
// compared. The order: the document's fields, removed menus, then the menus
// of B in order, each with its own differences.
#include <QString>
#include <QStringList>
#include <vector>

class TDAC;
class TMenuUra;

enum class TTipoDiferenca { Adicionado, Removido, Alterado, Movido };

struct TDiferenca {
  TTipoDiferenca Tipo = TTipoDiferenca::Alterado;
  QString Menu;      // the menu's name; empty for the document's own fields
  int IndiceA = -1;  // the menu's index in A; -1 when it is not there (or for the document)
  int IndiceB = -1;  // the same in B
  QString Secao;   // "Início", "Início, condição 2", "Mensagem", "Opções", "Opção 9XXX", "Opção inválida"...
  QString Item;    // "Condição 2", "Opção 9XXX", "Ação 1", "Mensagem", "Tentativas", "Descrição"...
  QString Antes;   // in A (empty when added); for a move, "posição N"
  QString Depois;  // in B (empty when removed)

  // "adicionado", "removido", "alterado" or "movido".
  QString GetStrTipo() const;
  // One line: 'Menu Principal: Opção 1: Ação 1: alterado: "antes" -> "depois"';
  // the document's own fields begin with "URA".
  QString GetStrLinha() const;
};

class TDiferencas {
 public:
  TDiferencas() = default;
  TDiferencas(const TDAC& A, const TDAC& B) { Compara(A, B); }

  // Replaces the list with the differences from A to B.
  void Compara(const TDAC& A, const TDAC& B);

  const std::vector<TDiferenca>& Lista() const { return FLista; }
  bool Vazia() const { return FLista.empty(); }
  int Count() const { return static_cast<int>(FLista.size()); }
  QStringList Linhas() const;

 private:
  std::vector<TDiferenca> FLista;
};

// Two menus that TDiferencas would find nothing different in (their names aside).
bool MesmoSignificado(const TMenuUra& A, const TMenuUra& B);
