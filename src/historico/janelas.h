#pragma once
// What the windows of the history share: the place, size and column widths
// of a window with one list, in the window's own section of the settings.
#include <QString>
#include <initializer_list>

class QTreeWidget;
class QWidget;

void LeJanelaComLista(QWidget* Janela, QTreeWidget* Lista, const QString& Secao, std::initializer_list<int> Larguras);
void GravaJanelaComLista(const QWidget* Janela, const QTreeWidget* Lista, const QString& Secao);
