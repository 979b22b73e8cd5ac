#include "EnvioAudio.h"

#include "SessaoServidor.h"

TEnvioAudio::TEnvioAudio(const QString& NomeArquivo, const QByteArray& Dados)
    : FNomeArquivo(NomeArquivo), FDados(Dados) {}

bool TEnvioAudio::ProximoBloco(TSessaoServidor& Sessao) {
  if (FFinalizado) return false;
  if (FPosicao >= FDados.size()) {
    FFinalizado = true;
    Sessao.FinalizaEnvioAudio(FNomeArquivo);
    return true;
  }
  const qsizetype n = qMin(kTamanhoBloco, FDados.size() - FPosicao);
  Sessao.EnviaBlocoAudio(FDados.mid(FPosicao, n));
  FPosicao += n;
  return true;
}
