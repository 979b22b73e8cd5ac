// wav-check: one line per file, exit 1 when any file is refused.
#include <gtest/gtest.h>

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
  };
  for (const auto& c : casos) {
    const ResultadoTool r = RodaTool(QStringList{QStringLiteral("wav-check")} + c.Arquivos);
    EXPECT_EQ(r.Codigo, c.Codigo) << r.Erro.toStdString();
    EXPECT_EQ(r.Linhas(), c.Linhas);
  }
  EXPECT_EQ(RodaTool({QStringLiteral("wav-check")}).Codigo, 2);
}

}  // namespace
