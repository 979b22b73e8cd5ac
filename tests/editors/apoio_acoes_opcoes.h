#pragma once
// What the action and option editor tests share: a document of a chosen kind,
// the context the editors get, and finding a dialog's controls by name.
#include <QDialog>
#include <QString>
#include <stdexcept>

#include "apoio.h"
#include "contexto.h"
#include "dac.h"

class TesteEditorAcoesOpcoes : public TesteJanela {
 protected:
  TDAC Dac;
  int TipoUraServidor = 1;

  TContextoEditor Ctx() {
    TContextoEditor c;
    c.Dac = &Dac;
    c.TipoUraServidor = TipoUraServidor;
    return c;
  }
};

// The control named Nome; a missing one fails the test.
template <class T>
T* Filho(const QWidget& Janela, const char* Nome) {
  T* w = Janela.findChild<T*>(QString::fromLatin1(Nome));
  if (!w) throw std::runtime_error(std::string("control not found: ") + Nome);
  return w;
}
