#pragma once
// Small pieces the menu editor and the list-menu editors share: the section
// button pictures, in-place refresh of report rows and Enter on a row (opening
// the message and action-list editors is in USubEditores.h).
#include <QIcon>
#include <QString>
#include <QStringList>
#include <functional>

#include "contexto.h"

class QTreeWidget;
class QWidget;

enum class TIconeSecao { Adicionar, Remover, Subir, Descer, Mensagem, Acao };
QIcon IconeSecao(TIconeSecao Tipo);

// Rewrites the rows of Lista in place: row i is reused when it exists, rows
// are appended as needed and surplus rows deleted from the end.
void AtualizaLinhas(QTreeWidget* Lista, int Quantidade, const std::function<QStringList(int)>& Textos);
// The selected row, or -1.
int LinhaSelecionada(const QTreeWidget* Lista);
// Selects row Linha and scrolls it into view.
void SelecionaLinha(QTreeWidget* Lista, int Linha);
// Enter on a list with a selected row edits that row (Edita gets the row)
// instead of pressing the dialog's default button; with no row selected
// Enter keeps its usual meaning.
void EnterEditaLinha(QTreeWidget* Lista, std::function<void(int)> Edita);

// Moves the item of row Linha one place up (Sentido -1) or down (+1) in a
// list with UpItem/DownItem; returns its new row, or -1 when nothing moved
// (no row, first row up, last row down).
template <class TLista>
int MoveItemLista(TLista& Lista, int Linha, int Sentido) {
  const int destino = Linha + Sentido;
  if (Linha < 0 || destino < 0 || destino >= Lista.Count()) return -1;
  if (Sentido < 0)
    Lista.UpItem(Linha);
  else
    Lista.DownItem(Linha);
  return destino;
}
