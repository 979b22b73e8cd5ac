// Option patterns: checking any pattern, and matching any entry against it,
// for key patterns and for every chat option kind.
#include <QString>

#include "opcao.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Dados, size_t Tamanho) {
  if (Tamanho < 2) return 0;
  const int tipo = Dados[0] % 5;
  const bool final = Dados[1] & 1;
  const QString resto = QString::fromUtf8(reinterpret_cast<const char*>(Dados + 2), qsizetype(Tamanho - 2));
  // Pattern, entry and the chat rule texts, separated by line feeds.
  const QStringList partes = resto.split(u'\n');
  auto parte = [&partes](int i) { return i < partes.size() ? partes[i] : QString(); };

  TMUOpcao op(nullptr, tipo, parte(0));
  op.IgnorarCase = Dados[1] & 2;
  op.ComecaCom = parte(2);
  op.Contem = parte(3);
  op.TerminaCom = parte(4);
  op.TextoAlfaAdicional = parte(5);
  op.QtdeMinOpcaoValida = Dados[1] >> 4;
  op.QtdeMaxOpcaoValida = Dados[1] >> 2 & 0x1F;
  op.OpcaoValida();
  op.PodeFinalizador();
  op.QtdeMinimaValida();
  op.GetValorReal();
  op.GetStrOpcao();
  op.GetStrOpcaoCfg();
  op.GetDescricaoValor();
  TMUOpcao::ColchetesValidos(parte(0));
  TMUOpcao::GetStrColchetes(parte(0));
  op.TrataOpcao(parte(1), final);
  op.TamanhoOpcaoValido(parte(1));
  op.ComecaTerminaOpcaoValido(parte(1));
  op.AlfanumericoOpcaoValido(parte(1));
  TMUOpcao::TemAcentuacaoOuCaracteresEspeciais(parte(1));
  return 0;
}
