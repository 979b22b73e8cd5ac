#pragma once
// The hint shown over the empty menu list while no document is open: the
// commands that can start the work at that moment, as "Menu > Item" lines.
#include <QLabel>
#include <vector>

class QAbstractScrollArea;
class QAction;

class TDicaInicial : public QLabel {
 public:
  // Lies over Lista's viewport and follows its size. Comandos are the
  // candidates in the order they are named; only those visible and enabled
  // (their menu visible too) are named.
  TDicaInicial(QAbstractScrollArea* Lista, std::vector<QAction*> Comandos);

  // Shown (with the commands available now) while Mostrar holds.
  void Atualiza(bool Mostrar);

 protected:
  bool eventFilter(QObject* Objeto, QEvent* Evento) override;

 private:
  std::vector<QAction*> FComandos;
};
