#pragma once
// Small pieces the menu editor and the list-menu editors share: opening the
// message and action-list editors on a part of the working copy, the section
// button pictures, and in-place refresh of report rows.
#include <QIcon>
#include <QString>
#include <QStringList>
#include <functional>

#include "contexto.h"

class QLineEdit;
class QTreeWidget;
class QWidget;
class TListaMenuUra;
class TMUListaAcao;
class TMUMensagem;

// Opens the message editor on Mensagem; on OK Mensagem takes the result.
// True when it did.
bool EditaMensagemCom(const TContextoEditor& Ctx, QWidget* Pai, TMUMensagem& Mensagem);
// Opens the action list editor on Lista; on OK Lista takes the result.
bool EditaAcoesCom(const TContextoEditor& Ctx, QWidget* Pai, TListaMenuUra* lstMenuUra, const QString& strMenuAtual,
                   TMUListaAcao& Lista);

// Shows Texto in a read-only field from its beginning (not scrolled to the end).
void MostraTexto(QLineEdit* Campo, const QString& Texto);

enum class TIconeSecao { Adicionar, Remover, Subir, Descer, Mensagem, Acao };
QIcon IconeSecao(TIconeSecao Tipo);

// Rewrites the rows of Lista in place: row i is reused when it exists, rows
// are appended as needed and surplus rows deleted from the end.
void AtualizaLinhas(QTreeWidget* Lista, int Quantidade, const std::function<QStringList(int)>& Textos);
// The selected row, or -1.
int LinhaSelecionada(const QTreeWidget* Lista);
// Selects row Linha and scrolls it into view.
void SelecionaLinha(QTreeWidget* Lista, int Linha);

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
