#include "teclas.h"

#include "texto.h"

bool EhTeclaDeControle(QChar c) { return c.unicode() < 32 || c.unicode() == 127; }

bool TeclaNomeAceita(QChar c, const QString& Atual) {
  if (EhTeclaDeControle(c) || IsAsciiLetter(c) || IsAsciiDigit(c) || c == u'-' || c == u'_') return true;
  if (c == u' ') return !Atual.isEmpty() && !Atual.endsWith(u' ');
  return false;
}
