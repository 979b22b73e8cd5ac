// wav-check: one line per file, exit 1 when any file is refused;
// wav-convert: a refused file made into one that passes.
#include <gtest/gtest.h>

#include <QtEndian>

#include "ferramenta.h"
#include "wave.h"

namespace {

TEST(WavCheck, UmaLinhaPorArquivoESaida1QuandoAlgumERecusado) {
  QTemporaryDir pasta;
  const QString bom = GravaArquivo(pasta, QStringLiteral("bom.wav"), MontaWave8kMono(QByteArray(200, '\1')));
  QByteArray estereo = MontaWave8kMono(QByteArray(200, '\1'));
  estereo[22] = 2;
  const QString ruim = GravaArquivo(pasta, QStringLiteral("ruim.wav"), estereo);
  const QString vazio = GravaArquivo(pasta, QStringLiteral("vazio.wav"), MontaWave8kMono({}));
  const QString texto = GravaArquivo(pasta, QStringLiteral("texto.wav"), "RIFF....AVI LIST");
  const QString falta = pasta.filePath(QStringLiteral("falta.wav"));
  const struct {
    QStringList Arquivos;
    int Codigo;
    QStringList Linhas;
  } casos[] = {
      {{bom}, 0, {bom + QStringLiteral(": ok")}},
      {{bom, ruim, vazio},
       1,
       {bom + QStringLiteral(": ok"), ruim + QStringLiteral(": ") + TextoWaveInvalido(QStringLiteral("ruim.wav")),
        vazio + QStringLiteral(": ") + TextoWaveInvalido(QStringLiteral("vazio.wav"))}},
      {{falta, texto},
       1,
       {falta + QStringLiteral(": não encontrado"), texto + QStringLiteral(": não é um arquivo WAV")}},
  };
  for (const auto& c : casos) {
    const ResultadoTool r = RodaTool(QStringList{QStringLiteral("wav-check")} + c.Arquivos);
    EXPECT_EQ(r.Codigo, c.Codigo) << r.Erro.toStdString();
    EXPECT_EQ(r.Linhas(), c.Linhas);
  }
  EXPECT_EQ(RodaTool({QStringLiteral("wav-check")}).Codigo, 2);
}

}  // namespace

namespace {

TEST(WavConvert, ConverteOQueOCheckRecusaEFalhaComMotivo) {
  QTemporaryDir pasta;
  // Half a second of 16 kHz mono: refused, then converted.
  QByteArray amostras;
  for (int i = 0; i < 8000; ++i) amostras += QByteArray::fromRawData(i % 32 < 16 ? "\x00\x30" : "\x00\xD0", 2);
  QByteArray w16 = MontaWave8kMono(amostras);
  qToLittleEndian<quint32>(16000, w16.data() + 24);
  qToLittleEndian<quint32>(32000, w16.data() + 28);
  const QString entrada = GravaArquivo(pasta, QStringLiteral("16k.wav"), w16);
  const QString saida = pasta.filePath(QStringLiteral("8k.wav"));
  const ResultadoTool r = RodaTool({QStringLiteral("wav-convert"), entrada, saida});
  EXPECT_EQ(r.Codigo, 0) << r.Erro.toStdString();
  EXPECT_EQ(r.Linhas(), QStringList{entrada + QStringLiteral(" -> ") + saida + QStringLiteral(": ok")});
  EXPECT_TRUE(ArquivoWaveValido(saida));
  EXPECT_NEAR(LeArquivo(saida).size() - 44, 8000, 80);  // half a second at 8 kHz, within 1%
  EXPECT_EQ(RodaTool({QStringLiteral("wav-check"), saida}).Codigo, 0);

  const QString falta = pasta.filePath(QStringLiteral("falta.mp3"));
  const ResultadoTool semArquivo = RodaTool({QStringLiteral("wav-convert"), falta, saida});
  EXPECT_EQ(semArquivo.Codigo, 1);
  EXPECT_TRUE(semArquivo.Erro.contains(falta + QStringLiteral(": não encontrado"))) << semArquivo.Erro.toStdString();
  const QString lixo = GravaArquivo(pasta, QStringLiteral("lixo.mp3"), QByteArray(2000, 'x'));
  const ResultadoTool invalido =
      RodaTool({QStringLiteral("wav-convert"), lixo, pasta.filePath(QStringLiteral("n.wav"))});
  EXPECT_EQ(invalido.Codigo, 1);
  EXPECT_FALSE(QFile::exists(pasta.filePath(QStringLiteral("n.wav"))));
  EXPECT_EQ(RodaTool({QStringLiteral("wav-convert"), entrada}).Codigo, 2);
}

}  // namespace
