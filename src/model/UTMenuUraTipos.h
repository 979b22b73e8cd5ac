#pragma once
#include <QChar>

// One element of a key pattern: a literal or wildcard key, or a range of
// digits (recognised by a null Valor).
struct TMUOpcaoDetalhada {
  bool EhRange = false;
  QChar Valor;
  QChar ValorIni;
  QChar ValorFim;
};
