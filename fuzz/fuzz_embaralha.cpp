// The audit field scrambler: unscrambling a scrambled text gives it back for
// every text in its domain (characters up to U+00FF, fewer than 256 of them),
// and any value unscrambles without harm.
#include <QString>
#include <cstdlib>

#include "UTKRDACFuncoes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Dados, size_t Tamanho) {
  const QString erro = QStringLiteral("<ERROR>");
  DescriptografaSenha(QString::fromLatin1(reinterpret_cast<const char*>(Dados), qsizetype(Tamanho)), erro);
  uint8_t buffer[16];
  MyHexToBin(QString::fromLatin1(reinterpret_cast<const char*>(Dados), qsizetype(Tamanho)), buffer, sizeof buffer);

  if (Tamanho < 3) return 0;
  const int chave = Dados[0] << 8 | Dados[1];
  const int minimo = Dados[2] % 64;
  const QString texto =
      QString::fromLatin1(reinterpret_cast<const char*>(Dados + 3), qsizetype(std::min<size_t>(Tamanho - 3, 255)));
  const QString embaralhado = CriptografaSenha(chave, minimo, texto);
  if (DescriptografaSenha(embaralhado, erro) != texto) std::abort();
  return 0;
}
