// The local-mode examples, copied as ./scripts/run copies them: the program
// opens them with their audit block, finds no fault in them, and takes the
// prompts in the message folder as present.
#include <QDir>
#include <QFile>

#include "infoauxiliar.h"
#include "janela.h"
#include "linhacomando.h"
#include "verificacao.h"

namespace {

void CopiaPasta(const QString& Origem, const QString& Destino) {
  QDir().mkpath(Destino);
  const QDir origem(Origem);
  for (const QString& nome : origem.entryList(QDir::Files)) QFile::copy(origem.filePath(nome), Destino + u'/' + nome);
  for (const QString& pasta : origem.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    CopiaPasta(origem.filePath(pasta), Destino + u'/' + pasta);
}

TEST_F(JanelaTest, LocalExamplesOpenCleanWithTheirPromptsPresent) {
  CopiaPasta(QStringLiteral(URA_EXAMPLES_DIR "/local"), Plat.Pasta());
  // One prompt missing, one with its extension in capitals.
  const QDir mensagens(Plat.Caminho(QStringLiteral("mensagens")));
  ASSERT_TRUE(QFile::remove(mensagens.filePath(QStringLiteral("aguarde.wav"))));
  ASSERT_TRUE(QFile::rename(mensagens.filePath(QStringLiteral("bemvindo.wav")),
                            mensagens.filePath(QStringLiteral("bemvindo.WAV"))));
  for (const char* arquivo : {"atendimento-voz.xml", "atendimento-chat.xml"}) {
    SCOPED_TRACE(arquivo);
    MenuUraInfoAuxiliar.Clear();
    TLinhaComando inicio;
    inicio.Local = true;
    inicio.ArquivoInicial = QString::fromLatin1(arquivo);
    auto w = Cria(true, inicio);
    const TDAC* dac = w->DacAtual();
    ASSERT_NE(dac, nullptr);
    EXPECT_EQ(dac->CriadoPor, QStringLiteral("exemplo"));
    EXPECT_EQ(dac->ModificadoPor, QStringLiteral("exemplo"));
    EXPECT_GT(dac->CriadoEm, 0);
    const auto& catalogo = MenuUraInfoAuxiliar.ListaDeMensagens;
    EXPECT_EQ(catalogo.Count(), 9);
    for (const auto& entrada : catalogo.Items())
      EXPECT_EQ(entrada->ArquivoExiste, entrada->Arquivo != u"aguarde") << entrada->Arquivo.toStdString();
    // Every action is one the local service offers.
    for (const TAchado& a : VerificaURA(*dac, &catalogo)) ADD_FAILURE() << a.GetStrLinha().toStdString();
  }
}

}  // namespace
