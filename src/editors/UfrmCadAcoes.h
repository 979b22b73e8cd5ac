#pragma once
// Action list editor: shows an action list, adds, edits, removes and reorders
// its actions on a working copy. The caller copies ListaAcoes back on OK.
#include <QDialog>
#include <QString>
#include <memory>

#include "contexto.h"

class TListaMenuUra;
class TMUAcao;
class TMUListaAcao;
class QTreeWidgetItem;

namespace Ui {
class TfrmCadAcoes;
}

class TfrmCadAcoes : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmCadAcoes(const TContextoEditor& Ctx, QWidget* parent = nullptr);
  ~TfrmCadAcoes() override;

  // Working copy of the list, bound to the open document. Never null.
  std::unique_ptr<TMUListaAcao> ListaAcoes;
  TListaMenuUra* lstMenuUra = nullptr;  // not owned; passed on to the action editor
  QString strMenuAtual;
  // First action that leaves the running sequence; -1 when there is none.
  int indexUltimaAcao = -1;

  // Copies the given list (null: none) into the working list and refreshes the rows.
  void CarregaAcoes(const TMUListaAcao* ListaAcoesOrigem);
  // Rebuilds the rows from the working list.
  void AtualizaLista();

 protected:
  void done(int r) override;

 private:
  void Adicionar();
  void Editar();
  void Remover();
  void Move(bool ParaCima);
  int IndiceSelecionado() const;
  void Seleciona(int Index);

  std::unique_ptr<Ui::TfrmCadAcoes> ui;
  TContextoEditor FCtx;
};
