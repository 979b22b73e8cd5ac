#pragma once
// WAV files of the audio messages: the upload check (8 kHz, 16-bit, mono PCM),
// the server file name rule, the player's header reading and the recorder's
// template. Free of widgets so the command-line tool can use it.
#include <QByteArray>
#include <QString>

class QIODevice;

// The facts of a loaded WAV file, as the player reads its header.
struct TFormatoWave {
  qint32 FileSize = 0;
  qint32 CompressionCode = 0;
  qint32 NumberOfChannels = 0;
  qint32 SampleRate = 0;
  qint32 Average = 0;
  qint32 BlockAlign = 0;
  qint32 SignificantBits = 0;
  qint32 DataSize = 0;
  qint32 Duracao = 0;  // milliseconds
  qint32 HeaderSise = 0;
  qint32 OffSetPosition = 0;
  qint32 Position = 0;
  qint32 FilePosition = 0;
  bool RecebendoArq = false;
  qint32 OffsetSampleRate = 0;
};

// True for a RIFF/WAVE file whose chunks before "data" are only "fmt " and
// "fact", in 8 kHz, 16-bit, mono PCM, with a non-empty "data" chunk.
bool ArquivoWaveValido(const QString& Caminho);
bool ArquivoWaveValido(QIODevice& Arquivo);

// The box text for a refused file (file name without its folder).
QString TextoWaveInvalido(const QString& NomeArquivo);

// Server file names: ASCII letters, digits, ".", "-", "_"; no "..", and not
// starting with ".", "-" or "_".
bool NomeArquivoValido(const QString& Nome);

// Reads the header from the start of Arquivo into Formato. Returns the bytes
// before the first sample (also in HeaderSise), 0 when the header is refused.
// A "fmt " chunk of any size is read without overrun (its first 16 bytes
// count); an Average below 1000 gives the duration from DataSize and the
// sample format instead of a division by zero.
qint32 GetMyWaveFormatHeader(QIODevice& Arquivo, TFormatoWave& Formato);

// The 48 bytes the recorder writes before a take.
QByteArray ModeloWaveGravacao();

// A complete 8 kHz, 16-bit, mono PCM file holding Amostras (little-endian
// 16-bit samples).
QByteArray MontaWave8kMono(const QByteArray& Amostras);
// The canonical 44-byte header of such a file with TamanhoDados sample bytes.
QByteArray CabecalhoWave8kMono(quint32 TamanhoDados);

// Why a file would be refused, for messages that say more than the check.
enum class TDiagnosticoWave {
  Valido,
  NaoEncontrado,    // no file at the path
  NaoEhWave,        // unreadable, or not RIFF/WAVE
  FormatoInvalido,  // RIFF/WAVE that the check refuses
};
TDiagnosticoWave DiagnosticaWave(const QString& Caminho);
