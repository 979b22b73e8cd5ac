// The recorder against a scripted device: the template, the take's length,
// the light, play/pause/stop and the end of playback.
#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "UfrmGravarAudio.h"
#include "apoio.h"
#include "wave.h"

namespace {

class Gravador : public TesteJanela {
 protected:
  void SetUp() override {
    Janela = std::make_unique<TfrmGravarAudio>(nullptr, [this] {
      auto d = std::make_unique<TDispositivoRoteirizado>();
      Disp = d.get();
      return d;
    });
    Alvo = Plat.Caminho(QStringLiteral("take.wav"));
  }
  QPushButton* Botao(const char* Nome) { return Janela->findChild<QPushButton*>(QString::fromLatin1(Nome)); }
  QString Rotulo(const char* Nome) { return Janela->findChild<QLabel*>(QString::fromLatin1(Nome))->text(); }
  // Which of "Gravar", "Parar", "Tocar" are enabled, and the captions.
  QString Estado() {
    QStringList s;
    for (const char* n : {"btGravar", "btParar", "btTocar"})
      s << (Botao(n)->isEnabled() ? Botao(n)->text() : QStringLiteral("-"));
    return s.join(u'|');
  }

  TDispositivoRoteirizado* Disp = nullptr;
  std::unique_ptr<TfrmGravarAudio> Janela;
  QString Alvo;
};

TEST_F(Gravador, ModeloSubstituiOQueHaviaNoAlvo) {
  GravaArquivo(Alvo, QByteArray(5000, 'x'));
  EXPECT_EQ(Estado(), QStringLiteral("-|-|-"));
  ASSERT_TRUE(Janela->SetarNomeArquivo(Alvo));
  EXPECT_EQ(LeArquivo(Alvo), ModeloWaveGravacao());
  EXPECT_EQ(Estado(), QStringLiteral("Gravar|-|-"));
  // A new target drops the old one's file.
  const QString outro = Plat.Caminho(QStringLiteral("outro.wav"));
  ASSERT_TRUE(Janela->SetarNomeArquivo(outro));
  EXPECT_FALSE(QFile::exists(Alvo));
  EXPECT_FALSE(Janela->SetarNomeArquivo(Plat.Caminho(QStringLiteral("nao/existe/x.wav"))));
  EXPECT_EQ(P().Caixas.back().Titulo, QStringLiteral("Erro"));
}

TEST_F(Gravador, DuracaoDaGravacaoEmMinutosESegundos) {
  const struct {
    qint64 Ms;
    const char* Texto;
  } casos[] = {{125900, "02:05"}, {3665000, "61:05"}, {999, "00:00"}};
  for (const auto& c : casos) {
    ASSERT_TRUE(Janela->SetarNomeArquivo(Alvo));
    Janela->btGravarClick();
    EXPECT_EQ(Estado(), QStringLiteral("Gravando...|Parar|-"));
    Disp->PosicaoAtual = c.Ms;
    Disp->Gravacao = QByteArray(int(c.Ms / 1000) * 2, '\0');
    Janela->btPararClick();
    EXPECT_EQ(Rotulo("LabelFim"), QString::fromLatin1(c.Texto));
    EXPECT_EQ(Janela->duracaoArquivo, c.Ms);
    EXPECT_EQ(Estado(), QStringLiteral("Gravar|-|Tocar"));
    EXPECT_TRUE(Janela->ArquivoGravado);
    // Under a second the scripted take holds no samples: an empty data chunk.
    EXPECT_EQ(ArquivoWaveValido(Alvo), c.Ms >= 1000);
  }
}

TEST_F(Gravador, LuzPiscaVermelhaSeisDecimosECinzaQuatro) {
  ASSERT_TRUE(Janela->SetarNomeArquivo(Alvo));
  Janela->btGravarClick();
  auto* luz = Janela->findChild<QFrame*>(QStringLiteral("Shape2"));
  QString cores;
  for (int tick = 0; tick < 10; ++tick) {
    Janela->Timer1Timer();
    cores += luz->styleSheet().contains(QStringLiteral("#ff0000")) ? u'V' : u'c';
  }
  EXPECT_EQ(cores, QStringLiteral("VVVVVccccV"));
}

TEST_F(Gravador, TocarPausarEFimDaReproducao) {
  ASSERT_TRUE(Janela->SetarNomeArquivo(Alvo));
  Janela->btGravarClick();
  Disp->PosicaoAtual = 3000;
  Janela->btPararClick();
  Janela->btTocarClick();
  EXPECT_EQ(Estado(), QStringLiteral("-|Parar|Pausar"));
  Disp->PosicaoAtual = 1500;
  Janela->Timer1Timer();
  EXPECT_EQ(Janela->findChild<QFrame*>(QStringLiteral("Shape1"))->width(), 137);
  Janela->btTocarClick();
  EXPECT_EQ(Estado(), QStringLiteral("-|Parar|Tocar"));
  EXPECT_EQ(Disp->Chamadas.last(), QStringLiteral("Pausa"));
  Janela->btTocarClick();
  Disp->PosicaoAtual = 3000;
  Janela->Timer1Timer();  // the end of the take stops by itself
  EXPECT_EQ(Estado(), QStringLiteral("Gravar|-|Tocar"));
  EXPECT_EQ(Rotulo("LabelPosicao"), QStringLiteral("00:00"));
  EXPECT_EQ(Disp->Chamadas.last(), QStringLiteral("Posiciona 0"));
}

TEST_F(Gravador, TomadaDeDuracaoZeroNaoDivideENaoTrava) {
  ASSERT_TRUE(Janela->SetarNomeArquivo(Alvo));
  Janela->btGravarClick();
  Janela->btPararClick();
  ASSERT_EQ(Janela->duracaoArquivo, 0);
  Janela->btTocarClick();
  Janela->Timer1Timer();
  EXPECT_EQ(Estado(), QStringLiteral("Gravar|-|Tocar"));
  EXPECT_EQ(Janela->findChild<QFrame*>(QStringLiteral("Shape1"))->width(), 0);
}

TEST_F(Gravador, DispositivoQueNaoAbreMostraOErroEPermiteTentarDeNovo) {
  ASSERT_TRUE(Janela->SetarNomeArquivo(Alvo));
  Janela->btGravarClick();  // makes the device
  Janela->btPararClick();
  Disp->FalhaAbrir = true;
  Janela->btGravarClick();
  EXPECT_EQ(P().UltimoTexto(), Disp->TextoErro);
  EXPECT_EQ(Estado(), QStringLiteral("Gravar|-|-"));
  EXPECT_EQ(Janela->duracaoArquivo, 0);
}

}  // namespace
