// Conversion of prompts of any format into 8 kHz, 16-bit, mono WAV files:
// files made here (in code, and with sox for the compressed formats) come
// out accepted by the upload check, as long as before and at the same pitch.
#include <gtest/gtest.h>

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

#include "apoio.h"
#include "conversaoaudio.h"
#include "ondas.h"
#include "wave.h"

namespace {

// Before anything of Qt Multimedia runs in this process.
const bool kBackend = [] {
  EscolheBackendAudio();
  return true;
}();

// Ms milliseconds of a Hz tone as a WAV file of any rate, channel count and
// depth (8 bits: unsigned), with Extra chunks before "data".
QByteArray WaveDeTom(int Taxa, int Canais, int Bits, int Hz, int Ms, const QByteArray& Extra = {}) {
  const QByteArray mono = Tom(Hz, Ms, Taxa);
  QByteArray dados;
  for (qsizetype i = 0; i < mono.size(); i += 2) {
    const qint16 v = qFromLittleEndian<qint16>(mono.constData() + i);
    for (int c = 0; c < Canais; ++c) dados += Bits == 8 ? QByteArray(1, char(quint8((v >> 8) + 128))) : mono.mid(i, 2);
  }
  return Riff(Fmt(1, quint16(Canais), quint32(Taxa), quint16(Bits)) + Extra + Bloco("data", dados));
}

// The samples of an 8 kHz, 16-bit, mono file with a 44-byte header.
QByteArray AmostrasDe(const QString& Caminho) { return LeArquivo(Caminho).mid(44); }

class Conversao : public ::testing::Test {
 protected:
  QString Caminho(const QString& Nome) const { return FPasta.filePath(Nome); }
  // Out of a WAV made here, through sox; empty when sox cannot write Formato.
  QString PorSox(const QString& Wav, const QString& Formato) {
    const QString sox = QStandardPaths::findExecutable(QStringLiteral("sox"));
    const QString saida = Caminho(QStringLiteral("tom.") + Formato);
    if (sox.isEmpty() || QProcess::execute(sox, {Wav, saida}) != 0 || !QFile::exists(saida)) return {};
    return saida;
  }
  QTemporaryDir FPasta;
};

TEST_F(Conversao, QualquerFormatoViraUmWaveQueOServidorAceita) {
  const QString base = Caminho(QStringLiteral("base.wav"));
  GravaArquivo(base, WaveDeTom(44100, 2, 16, 1000, 5000));
  const struct {
    const char* Caso;
    QByteArray Wav;       // made here, or
    const char* Formato;  // made by sox from the 44.1 kHz stereo file
  } casos[] = {
      {"44,1 kHz estéreo", WaveDeTom(44100, 2, 16, 1000, 5000), nullptr},
      {"16 kHz mono", WaveDeTom(16000, 1, 16, 1000, 5000), nullptr},
      {"8 bits", WaveDeTom(8000, 1, 8, 1000, 5000), nullptr},
      {"LIST antes de data", WaveDeTom(8000, 1, 16, 1000, 5000, Bloco("LIST", QByteArray("INFOISFT\4\0\0\0sox\0", 16))),
       nullptr},
      {"FLAC", {}, "flac"},
      {"OGG", {}, "ogg"},
      {"MP3", {}, "mp3"},
  };
  for (const auto& c : casos) {
    QString origem = Caminho(QStringLiteral("origem.wav"));
    if (c.Formato) {
      origem = PorSox(base, QString::fromLatin1(c.Formato));
      // The set-up installs sox with these formats: a missing one is a broken machine, not a pass.
      if (origem.isEmpty()) {
        ADD_FAILURE() << c.Caso << ": sox could not write it (sox and libsox-fmt-mp3 are needed)";
        continue;
      }
    } else {
      GravaArquivo(origem, c.Wav);
      EXPECT_FALSE(ArquivoWaveValido(origem)) << c.Caso;
    }
    const QString destino = Caminho(QStringLiteral("convertido.wav"));
    QList<int> progresso;
    ASSERT_EQ(ConverteAudio(origem, destino, [&](int p) { progresso << p; }), QString()) << c.Caso;
    EXPECT_EQ(DiagnosticaWave(destino), TDiagnosticoWave::Valido) << c.Caso;
    const QByteArray amostras = AmostrasDe(destino);
    EXPECT_EQ(LeArquivo(destino).size(), 44 + amostras.size()) << c.Caso;
    EXPECT_NEAR(amostras.size() / 16.0, 5000, 50) << c.Caso;  // milliseconds, within 1%
    EXPECT_NEAR(Frequencia(amostras), 1000, 20) << c.Caso;    // the tone keeps its pitch
    ASSERT_FALSE(progresso.isEmpty()) << c.Caso;
    EXPECT_EQ(progresso.last(), 100) << c.Caso;
    EXPECT_TRUE(std::is_sorted(progresso.begin(), progresso.end())) << c.Caso;
  }
}

TEST_F(Conversao, FalhasNaoDeixamArquivo) {
  const QString texto = Caminho(QStringLiteral("nao-e-audio.mp3"));
  GravaArquivo(texto, QByteArray(4000, 'x'));
  const QString vazio = Caminho(QStringLiteral("vazio.wav"));
  GravaArquivo(vazio, Riff(Fmt(1, 2, 44100, 16) + Bloco("data", {})));
  // A chunk of odd size without its pad byte: "data" is never found.
  const QString torto = Caminho(QStringLiteral("torto.wav"));
  GravaArquivo(torto, Riff(Fmt(1, 1, 8000, 16) + Bloco("LIST", "INFOISFT\4") + Bloco("data", Padrao(50))));
  for (const QString& origem : {Caminho(QStringLiteral("nao-existe.ogg")), texto, vazio, torto}) {
    const QString destino = Caminho(QStringLiteral("saida.wav"));
    EXPECT_FALSE(ConverteAudio(origem, destino).isEmpty()) << origem.toStdString();
    EXPECT_FALSE(QFile::exists(destino)) << origem.toStdString();
  }
  EXPECT_TRUE(ConverteAudio(Caminho(QStringLiteral("nao-existe.ogg")), Caminho(QStringLiteral("s.wav")))
                  .startsWith(QStringLiteral("Arquivo não encontrado")));
}

TEST_F(Conversao, NumThreadQueSeCancela) {
  const QString origem = Caminho(QStringLiteral("longo.wav"));
  GravaArquivo(origem, WaveDeTom(44100, 2, 16, 440, 20000));
  const QString destino = Caminho(QStringLiteral("saida.wav"));
  for (bool cancela : {false, true}) {
    TConversaoAudio c;
    QSignalSpy fim(&c, &TConversaoAudio::Terminou);
    c.Inicia(origem, destino);
    if (cancela) c.Cancela();
    ASSERT_TRUE(EsperaAte([&] { return !fim.isEmpty(); }));
    EXPECT_EQ(fim.first().at(0).toBool(), !cancela);
    EXPECT_EQ(fim.first().at(1).toString(), cancela ? kConversaoCancelada : QString());
    EXPECT_EQ(QFile::exists(destino), !cancela);
    QFile::remove(destino);
  }
}

}  // namespace
