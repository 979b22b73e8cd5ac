// wav-check: the audio upload's format check, for files about to be sent.
#include <QFileInfo>

#include "comandos.h"
#include "saida.h"
#include "wave.h"

namespace {

int ExecutaWavCheck(const Argumentos& A) {
  int codigo = SAIDA_OK;
  for (const QString& arquivo : A.Posicionais) {
    const bool ok = ArquivoWaveValido(arquivo);
    EscreveSaida(arquivo + QStringLiteral(": ") +
                 (ok ? QStringLiteral("ok") : TextoWaveInvalido(QFileInfo(arquivo).fileName())) + u'\n');
    if (!ok) codigo = SAIDA_ERRO_ARQUIVO;
  }
  return codigo;
}

}  // namespace

Comando ComandoWavCheck() {
  return Comando{QStringLiteral("wav-check"),
                 QStringLiteral("Confere se arquivos WAV podem ser enviados (8 kHz, 16 bits, mono, PCM)"),
                 QStringLiteral("ARQUIVO..."),
                 1,
                 -1,
                 {},
                 QStringLiteral("Escreve, por arquivo, \"ARQUIVO: ok\" ou \"ARQUIVO: \" e o motivo da recusa;\n"
                                "sai com 1 quando algum arquivo é recusado.\n"),
                 ExecutaWavCheck};
}
