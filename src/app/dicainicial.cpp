#include "dicainicial.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QEvent>
#include <QMenu>

namespace {
// "Arquivo URA > Novo": the menu that holds the command, then the command.
QString Caminho(const QAction* Comando) {
  for (const QObject* o : Comando->associatedObjects())
    if (const auto* menu = qobject_cast<const QMenu*>(o))
      return menu->title().remove(u'&') + QStringLiteral(" > ") + Comando->text().remove(u'&');
  return Comando->text().remove(u'&');
}

bool Disponivel(const QAction* Comando) {
  if (!Comando->isVisible() || !Comando->isEnabled()) return false;
  for (const QObject* o : Comando->associatedObjects())
    if (const auto* menu = qobject_cast<const QMenu*>(o))
      if (!menu->menuAction()->isVisible()) return false;
  return true;
}
}  // namespace

TDicaInicial::TDicaInicial(QAbstractScrollArea* Lista, std::vector<QAction*> Comandos)
    : QLabel(Lista->viewport()), FComandos(std::move(Comandos)) {
  setObjectName(QStringLiteral("lbDicaInicial"));
  setAlignment(Qt::AlignCenter);
  setWordWrap(true);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  // Legible although the empty list it lies on is disabled.
  setStyleSheet(QStringLiteral("QLabel { color: #303030; }"));
  setGeometry(Lista->viewport()->rect());
  Lista->viewport()->installEventFilter(this);
}

void TDicaInicial::Atualiza(bool Mostrar) {
  QStringList linhas;
  if (Mostrar)
    for (const QAction* c : FComandos)
      if (Disponivel(c)) linhas << Caminho(c);
  setVisible(!linhas.isEmpty());
  if (linhas.isEmpty()) return;
  setText(QStringLiteral("Nenhuma URA aberta.\n\nPara começar, use:\n") + linhas.join(u'\n'));
}

bool TDicaInicial::eventFilter(QObject* Objeto, QEvent* Evento) {
  if (Objeto == parent() && Evento->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return QLabel::eventFilter(Objeto, Evento);
}
