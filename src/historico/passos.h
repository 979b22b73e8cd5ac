#pragma once
// The steps of a URA document's undo history. A step is built while the
// change is made: it is told, before or after each change to the menu list,
// what was there, and holds the header before and after. Pushing it changes
// nothing (the document already holds the change); undo() puts back what was
// there, redo() makes the change again. Steps swap whole menus in and out of
// the list, so undo and redo cost no copy and a menu object may be replaced
// by another: nothing outside the document should keep menu pointers across
// them.
//
//   auto passo = std::make_unique<TPassoUra>(Documento, "Editar menu A", TCabecalhoUra::De(*dac));
//   passo->GuardaMenu(i);          // before changing menu i in place
//   ... change menu i ...
//   passo->Conclui(TCabecalhoUra::De(*dac));
//   pilha.push(passo.release());
#include <QString>
#include <QUndoCommand>
#include <functional>
#include <memory>
#include <vector>

class TDAC;
class TMenuUra;

// The document fields the main window edits.
struct TCabecalhoUra {
  QString Nome;
  QString Descricao;
  QString MenuInicial;
  QString TipoAtendimento;
  QString TipoUra;
  bool PriMsgEhOpcao = false;

  static TCabecalhoUra De(const TDAC& Dac);
  void Aplica(TDAC& Dac) const;
  bool operator==(const TCabecalhoUra&) const = default;
  // The first field (in the order above, 0 to 5) that differs; -1 when none.
  int CampoDiferente(const TCabecalhoUra& Outro) const;
  // What a step that changes field Campo is called: "Alterar descrição da URA"...
  static QString NomePasso(int Campo);
};

// A deep copy of Menu bound to Dac.
std::unique_ptr<TMenuUra> CopiaMenu(TDAC* Dac, const TMenuUra& Menu);
// A deep copy of everything the writer writes of Dac (header, audit fields,
// menus), sharing nothing with it: another thread may write it out.
std::unique_ptr<TDAC> CopiaDocumento(const TDAC& Dac);

class TPassoUra : public QUndoCommand {
 public:
  TPassoUra(std::function<TDAC*()> Documento, const QString& Texto, const TCabecalhoUra& Antes);
  ~TPassoUra() override;

  // Before menu Indice is changed in place: keeps a copy (once per menu).
  void GuardaMenu(int Indice);
  // The same with a copy the caller took before the change.
  void GuardaCopia(int Indice, std::unique_ptr<TMenuUra> Copia);
  // After a menu was put at Indice.
  void MenuInserido(int Indice);
  // After the menu at Indice was taken out of the list: the step keeps it.
  void MenuRemovido(int Indice, std::unique_ptr<TMenuUra> Menu);
  // The header after the change; call once, before pushing.
  void Conclui(const TCabecalhoUra& Depois);
  // Nothing changed: not worth pushing.
  bool Vazio() const;

  void undo() override;
  void redo() override;
  // Steps that only change one header field merge with the next such step of
  // the same field (typing a name is one step).
  int id() const override;
  bool mergeWith(const QUndoCommand* Outro) override;

 private:
  enum class TOperacao { Troca, Insere, Remove };
  struct TAlteracao {
    TOperacao Operacao;
    int Indice;
    std::unique_ptr<TMenuUra> Menu;  // what is not in the document now
  };
  void Aplica(TAlteracao& A, bool Desfazendo);

  std::function<TDAC*()> FDocumento;
  TCabecalhoUra FAntes;
  TCabecalhoUra FDepois;
  std::vector<TAlteracao> FAlteracoes;
  bool FPrimeiraVez = true;  // push() calls redo(): the change is already made
};
