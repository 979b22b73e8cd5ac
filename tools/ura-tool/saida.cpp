#include "saida.h"

#include <cstdio>

namespace {
void Escreve(std::FILE* f, const QString& Texto) {
  const QByteArray bytes = Texto.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), f);
  std::fflush(f);
}
}  // namespace

void EscreveSaida(const QString& Texto) { Escreve(stdout, Texto); }
void EscreveErro(const QString& Texto) { Escreve(stderr, Texto); }

void EscreveLinhas(const QStringList& Linhas) {
  QString texto;
  for (const QString& l : Linhas) {
    texto += l;
    texto += u'\n';
  }
  EscreveSaida(texto);
}
