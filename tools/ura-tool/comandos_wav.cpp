// wav-check: the audio upload's format check, for files about to be sent;
// wav-convert: any audio file made into one that passes it.
#include <QFileInfo>
#include <QLoggingCategory>

#include "comandos.h"
#include "conversaoaudio.h"
#include "saida.h"
#include "wave.h"

namespace {

int ExecutaWavCheck(const Argumentos& A) {
  int codigo = SAIDA_OK;
  for (const QString& arquivo : A.Posicionais) {
    const TDiagnosticoWave d = DiagnosticaWave(arquivo);
    QString texto = QStringLiteral("ok");
    if (d == TDiagnosticoWave::NaoEncontrado) texto = QStringLiteral("não encontrado");
    if (d == TDiagnosticoWave::NaoEhWave) texto = QStringLiteral("não é um arquivo WAV");
    if (d == TDiagnosticoWave::FormatoInvalido) texto = TextoWaveInvalido(QFileInfo(arquivo).fileName());
    EscreveSaida(arquivo + QStringLiteral(": ") + texto + u'\n');
    if (d != TDiagnosticoWave::Valido) codigo = SAIDA_ERRO_ARQUIVO;
  }
  return codigo;
}

int ExecutaWavConvert(const Argumentos& A) {
  const QString& entrada = A.Posicionais[0];
  const QString& saida = A.Posicionais[1];
  if (!QFileInfo(entrada).isFile()) FalhaArquivo(entrada, QStringLiteral("não encontrado"));
  // The decoder's own chatter is no business of the caller's.
  QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
  const QString erro = ConverteAudio(entrada, saida);
  if (!erro.isEmpty()) FalhaArquivo(entrada, erro);
  EscreveSaida(entrada + QStringLiteral(" -> ") + saida + QStringLiteral(": ok\n"));
  return SAIDA_OK;
}

}  // namespace

Comando ComandoWavCheck() {
  return Comando{QStringLiteral("wav-check"),
                 QStringLiteral("Confere se arquivos WAV podem ser enviados (8 kHz, 16 bits, mono, PCM)"),
                 QStringLiteral("ARQUIVO..."),
                 1,
                 -1,
                 {},
                 QStringLiteral("Escreve, por arquivo, \"ARQUIVO: ok\" ou \"ARQUIVO: \" e o motivo da recusa\n"
                                "(\"não encontrado\", \"não é um arquivo WAV\" ou o formato errado);\n"
                                "sai com 1 quando algum arquivo é recusado. wav-convert converte os recusados.\n"),
                 ExecutaWavCheck};
}

Comando ComandoWavConvert() {
  return Comando{QStringLiteral("wav-convert"),
                 QStringLiteral("Converte um arquivo de áudio (WAV, MP3, OGG, FLAC...) para WAV 8 kHz, 16 bits, mono"),
                 QStringLiteral("ENTRADA SAIDA"),
                 2,
                 2,
                 {},
                 QStringLiteral("Grava SAIDA (cabeçalho canônico de 44 bytes) só quando a conversão termina,\n"
                                "e escreve \"ENTRADA -> SAIDA: ok\"; sai com 1 quando ENTRADA não pode ser\n"
                                "lida ou convertida.\n"),
                 ExecutaWavConvert};
}
