#pragma once
// What the option editors share: opening the message and action list editors
// on a working option's parts, and the duplicate check against the menu.
#include <QString>
#include <functional>

#include "contexto.h"

class QLineEdit;
class QWidget;
class TListaMenuUra;
class TMUListaAcao;
class TMUListaOpcao;
class TMUMensagem;
class TMUOpcao;

// Opens the message editor on Mensagem; on OK Mensagem takes the result.
// Returns whether it did.
bool EditaMensagem(const TContextoEditor& Ctx, QWidget* Pai, TMUMensagem& Mensagem, bool SohArquivos = false);

// Opens the action list editor on Lista; on OK Lista takes the result.
bool EditaAcoes(const TContextoEditor& Ctx, QWidget* Pai, TListaMenuUra* lstMenuUra, const QString& strMenuAtual,
                TMUListaAcao& Lista);

// Whether the list holds, at a position other than ItemIndexAtual, an option
// for which Igual holds.
bool OpcaoRepetida(const TMUListaOpcao* Lista, int ItemIndexAtual, const std::function<bool(const TMUOpcao&)>& Igual);

// Shows a description in a read-only field from its beginning.
void MostraNoCampo(QLineEdit* Campo, const QString& Texto);

// The placement and settings of a dialog with a remembered place ("Top", "Left").
void LeLugarJanela(QWidget* Janela, const QString& Secao);
void GravaLugarJanela(const QWidget* Janela, const QString& Secao);
