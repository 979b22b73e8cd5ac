// The WAV check of the upload, the server file name rule, the player's
// header reading and the recorder's template.
#include <gtest/gtest.h>

#include <QBuffer>

#include "ondas.h"
#include "wave.h"

namespace {

bool Valido(const QByteArray& Bytes) {
  QBuffer b;
  b.setData(Bytes);
  b.open(QIODevice::ReadOnly);
  return ArquivoWaveValido(b);
}

TEST(ChecagemWave, AceitaSo8kHz16BitsMonoPcmComFmtEFactAntesDosDados) {
  const QByteArray dados = Bloco("data", Padrao(100));
  const QByteArray fmt = Fmt(1, 1, 8000, 16);
  struct Caso {
    const char* Nome;
    QByteArray Bytes;
    bool Esperado;
  } casos[] = {
      {"correto", Riff(fmt + dados), true},
      {"com fact antes dos dados", Riff(fmt + Bloco("fact", U32(100)) + dados), true},
      {"fact antes do fmt", Riff(Bloco("fact", U32(100)) + fmt + dados), true},
      {"fmt de 40 bytes", Riff(Fmt(1, 1, 8000, 16, 24) + dados), true},
      {"fmt enorme (300 bytes) lido sem transbordar", Riff(Fmt(1, 1, 8000, 16, 284) + dados), true},
      {"16 kHz", Riff(Fmt(1, 1, 16000, 16) + dados), false},
      {"estéreo", Riff(Fmt(1, 2, 8000, 16) + dados), false},
      {"8 bits", Riff(Fmt(1, 1, 8000, 8) + dados), false},
      {"ponto flutuante", Riff(Fmt(3, 1, 8000, 16) + dados), false},
      {"LIST antes dos dados", Riff(fmt + Bloco("LIST", "INFOISFT" + U32(2) + "x\0") + dados), false},
      {"dados de tamanho 0", Riff(fmt + Bloco("data", {})), false},
      {"termina depois do fmt", Riff(fmt), false},
      {"dados sem fmt", Riff(dados), false},
      {"fmt menor que 16", Riff(Bloco("fmt ", U16(1) + U16(1) + U32(8000)) + dados), false},
      {"fmt cortado", Riff(fmt).left(30), false},
      {"sem RIFF", "RIFX" + Riff(fmt + dados).mid(4), false},
      {"sem WAVE", Riff(fmt + dados).replace(8, 4, "AVI "), false},
      {"vazio", QByteArray(), false},
  };
  for (const Caso& c : casos) EXPECT_EQ(Valido(c.Bytes), c.Esperado) << c.Nome;
}

TEST(ChecagemWave, TextoDaRecusa) {
  EXPECT_EQ(TextoWaveInvalido(QStringLiteral("a.wav")),
            QStringLiteral("Arquivo \"a.wav\" inválido. O formato do arquivo deve ser 8KHz, 16 bits, mono."));
}

TEST(NomeArquivoServidor, Regra) {
  const struct {
    const char* Nome;
    bool Valido;
  } casos[] = {{".msg", false},       {"-msg", false},       {"_msg", false}, {"msg..wav", false},
               {"mensagem 1", false}, {"ação", false},       {"a/b", false},  {"msg-1.wav", true},
               {"Msg_2", true},       {"boas-vindas", true}, {"m.s.g", true}};
  for (const auto& c : casos) EXPECT_EQ(NomeArquivoValido(QString::fromUtf8(c.Nome)), c.Valido) << c.Nome;
}

struct CasoCabecalho {
  const char* Nome;
  QByteArray Bytes;
  qint32 Cabecalho;  // 0: refused
  qint32 Duracao;
};

TEST(CabecalhoPlayer, TamanhoEDuracao) {
  const QByteArray dados = Bloco("data", Padrao(8000));  // one second
  QByteArray soRiff = Riff(Fmt(1, 1, 8000, 16) + dados);
  soRiff.replace(8, 4, "XXXX");
  QByteArray soWave = Riff(Fmt(1, 1, 8000, 16) + dados);
  soWave.replace(0, 4, "XXXX");
  QByteArray nenhum = soRiff;
  nenhum.replace(0, 4, "XXXX");
  // 125 bytes a second: the divisor (Average div 1000) would be 0.
  QByteArray lento = Riff(Fmt(1, 1, 8000, 16) + dados);
  lento.replace(28, 4, U32(125));
  const CasoCabecalho casos[] = {
      {"simples", Riff(Fmt(1, 1, 8000, 16) + dados), 44, 1000},
      {"com fact", Riff(Fmt(1, 1, 8000, 16) + Bloco("fact", U32(8000)) + dados), 56, 1000},
      {"fmt de 300 bytes", Riff(Fmt(1, 1, 8000, 16, 284) + dados), 328, 1000},
      {"só RIFF", soRiff, 44, 1000},
      {"só WAVE", soWave, 44, 1000},
      {"nem RIFF nem WAVE", nenhum, 0, 0},
      {"LIST antes dos dados", Riff(Fmt(1, 1, 8000, 16) + Bloco("LIST", "INFO") + dados), 0, 0},
      {"estéreo 16 kHz", Riff(Fmt(1, 2, 16000, 16) + dados), 44, 250},
      {"média abaixo de 1000", lento, 44, 1000},
  };
  for (const CasoCabecalho& c : casos) {
    QBuffer b;
    b.setData(c.Bytes);
    b.open(QIODevice::ReadOnly);
    TFormatoWave f;
    EXPECT_EQ(GetMyWaveFormatHeader(b, f), c.Cabecalho) << c.Nome;
    EXPECT_EQ(f.HeaderSise, c.Cabecalho) << c.Nome;
    if (c.Cabecalho) {
      EXPECT_EQ(f.Duracao, c.Duracao) << c.Nome;
    }
  }
}

TEST(ModeloGravacao, OsQuarentaEOitoBytes) {
  const QByteArray esperado = QByteArray::fromHex(
      "52494646 34000000 57415645 666d7420 10000000 0100 0100 401f0000 803e0000 0200 1000 64617461 01000000 8000 0d0a"
      "");
  ASSERT_EQ(esperado.size(), 48);
  EXPECT_EQ(ModeloWaveGravacao().toHex(), esperado.toHex());
  EXPECT_TRUE(Valido(MontaWave8kMono(Padrao(10))));
}

}  // namespace
