#include "versao.h"

#include "texto.h"

namespace {
// Takes the leading component off v and returns it as a number.
long long Componente(QString& v) {
  const qsizetype p = v.indexOf(u'.');
  const QString c = p < 0 ? v : v.left(p);
  v = p < 0 ? QString() : v.mid(p + 1);
  return StrToIntDef(c, 0);
}
}  // namespace

int CompareVersao(const QString& a, const QString& b) {
  QString va = a, vb = b;
  while (!va.isEmpty()) {
    const long long d = Componente(va) - Componente(vb);
    if (d != 0) return d > 0 ? 1 : -1;
  }
  return 0;
}
