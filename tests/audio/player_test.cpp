// The waveform player: ruler, drawing, marks by pixel value, and the
// commands against a scripted device.
#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "PlayGraficoArq.h"
#include "apoio.h"
#include "ondas.h"

namespace {

constexpr int W = TGraficoOnda::W;

TFormatoWave FormatoDe(qint32 DuracaoMs) {
  TFormatoWave f;
  f.NumberOfChannels = 1;
  f.SignificantBits = 16;
  f.SampleRate = 8000;
  f.Average = 16000;
  f.DataSize = DuracaoMs * 16;
  f.Duracao = DuracaoMs;
  return f;
}

struct CasoRegua {
  const char* Nome;
  qint32 Duracao;
  QStringList Rotulos;
  QString Total;
};

TEST(Regua, RotulosEPosicoes) {
  const CasoRegua casos[] = {
      {"10 s",
       10000,
       {"00:01", "00:02", "00:03", "00:04", "00:05", "00:06", "00:07", "00:08", "00:09", "00:10"},
       "00:10"},
      {"17 s", 17000, {"00:02", "00:04", "00:06", "00:08", "00:10", "00:12", "00:14", "00:16"}, "00:17"},
      {"menos de 1 s", 800, {}, "00:00"},
      {"1 h 2 min",
       3720000,
       {"03:39", "07:18", "10:57", "14:36", "18:15", "21:54", "25:33", "29:12", "32:51", "36:30", "40:09", "43:48",
        "47:27", "51:06", "54:45", "58:24"},
       "01:02:00"},
  };
  for (const CasoRegua& c : casos) {
    TGraficoOnda g;
    g.Monta(FormatoDe(c.Duracao));
    QStringList rotulos;
    for (int n = 1; n <= TGraficoOnda::NumRotulos; ++n)
      if (g.RotuloVisivel[n]) rotulos << TextoRotulo(g.ValorX[n]);
    EXPECT_EQ(rotulos, c.Rotulos) << c.Nome;
    EXPECT_EQ(TextoTempo(c.Duracao), c.Total) << c.Nome;
    EXPECT_EQ(g.ImagemRegua().pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu) << c.Nome;
  }
  // 10 s: label n's tick at trunc(722 n / 10) + 1, drawn white on gray.
  TGraficoOnda g;
  g.Monta(FormatoDe(10000));
  for (int n = 1; n <= 10; ++n) {
    EXPECT_EQ(g.PosicaoX[n], W * n / 10 + 1) << n;
    if (n < 10) {
      EXPECT_EQ(g.ImagemRegua().pixel(g.PosicaoX[n], 4) & 0xFFFFFF, 0xFFFFFFu) << n;
    }
  }
  EXPECT_EQ(g.ImagemRegua().pixel(5, 4) & 0xFFFFFF, 0x808080u);
}

TEST(Onda, ExtremosDeUmCanalPorProfundidade) {
  // The loudest and softest samples, then silence: the same picture at 16
  // bits (scale 65536) and at 8 bits (unsigned, scale 256).
  const struct {
    int Bits;
    QByteArray Amostras;
  } casos[] = {{16, Amostras({32767, -32768, 0})}, {8, QByteArray("\xFF\x00\x80", 3)}};
  for (const auto& c : casos) {
    TGraficoOnda g;
    TFormatoWave f = FormatoDe(0);
    f.SignificantBits = c.Bits;
    f.DataSize = qint32(c.Amostras.size());  // three frames: fewer than W, one column each
    g.Monta(f);
    g.TrataBufferTela(c.Amostras.constData(), c.Amostras.size());
    EXPECT_EQ(g.InfoTelaPay.cx, 3) << c.Bits;
    // Column 0: the line from y = 1 to the zero line (end not painted).
    EXPECT_EQ(g.Pixel(0, 1), CorOnda::Onda) << c.Bits;
    EXPECT_EQ(g.Pixel(0, 46), CorOnda::Onda) << c.Bits;
    EXPECT_EQ(g.Pixel(0, 0), CorOnda::Fundo) << c.Bits;
    EXPECT_EQ(g.Pixel(0, 47), CorOnda::LinhaZero) << c.Bits;
    // Column 1: the softest maps to y = 94, below the image; the line ends on the last row.
    EXPECT_EQ(g.Pixel(1, 93), CorOnda::Onda) << c.Bits;
    EXPECT_EQ(g.Pixel(1, 46), CorOnda::Fundo) << c.Bits;
    // Column 2: silence, one point on the zero line; the rest stays black.
    EXPECT_EQ(g.Pixel(2, 47), CorOnda::Onda) << c.Bits;
    EXPECT_EQ(g.Pixel(3, 47), CorOnda::LinhaZero) << c.Bits;
    EXPECT_EQ(g.Pixel(3, 46), CorOnda::Fundo) << c.Bits;
  }
}

TEST(Onda, MarcasReversiveisPorValorExato) {
  const struct {
    const char* Nome;
    void (TGraficoOnda::*Marca)(bool, int);
    quint32 Antes;
    quint32 Ligada;  // = Antes when the mark leaves it alone
    quint32 Desligada;
  } casos[] = {
      {"play sobre preto", &TGraficoOnda::KRLineToPlay, 0x000000, 0x007DE0, 0x000000},
      {"play sobre verde", &TGraficoOnda::KRLineToPlay, 0x00FF45, 0x007DC0, 0x00FF40},
      {"play sobre branco", &TGraficoOnda::KRLineToPlay, 0xFFFFFF, 0x007DD0, 0xFFFFFF},
      {"play sobre verde escuro", &TGraficoOnda::KRLineToPlay, 0x008200, 0x007DB0, 0x008200},
      {"play deixa o vermelho", &TGraficoOnda::KRLineToPlay, 0x0000FF, 0x0000FF, 0x0000FF},
      {"cursor sobre preto", &TGraficoOnda::KRLineToCursor, 0x000000, 0x00FFFF, 0x000000},
      {"cursor sobre verde", &TGraficoOnda::KRLineToCursor, 0x00FF40, 0x01000F, 0x00FF40},
      {"cursor sobre branco", &TGraficoOnda::KRLineToCursor, 0xFFFFFF, 0x01001F, 0xFFFFFF},
      {"cursor sobre verde escuro", &TGraficoOnda::KRLineToCursor, 0x008200, 0x01002F, 0x008200},
      {"cursor deixa 0x00FF41", &TGraficoOnda::KRLineToCursor, 0x00FF41, 0x00FF41, 0x00FF41},
      {"seleção sobre preto", &TGraficoOnda::KRLineTo, 0x000000, 0xFFFFFF, 0x000000},
      {"seleção sobre verde", &TGraficoOnda::KRLineTo, 0x00FF4A, 0x008200, 0x00FF40},
      {"seleção deixa 0x00FF4B", &TGraficoOnda::KRLineTo, 0x00FF4B, 0x00FF4B, 0x00FF4B},
  };
  for (const auto& c : casos) {
    TGraficoOnda g;
    for (int y = 0; y < TGraficoOnda::H; ++y) g.DefinePixel(10, y, c.Antes);
    (g.*c.Marca)(true, 10);
    EXPECT_EQ(g.Pixel(10, 0), c.Ligada) << c.Nome;
    (g.*c.Marca)(false, 10);
    EXPECT_EQ(g.Pixel(10, 0), c.Desligada) << c.Nome;
    // The point cursor is dotted: odd rows are left alone.
    if (c.Marca == &TGraficoOnda::KRLineToCursor) {
      (g.*c.Marca)(true, 10);
      EXPECT_EQ(g.Pixel(10, 1), c.Antes) << c.Nome;
    }
  }
}

// ---- the window, with a scripted device ----

class Player : public TesteJanela {
 protected:
  void SetUp() override {
    Janela = std::make_unique<TfrmPlayGraficoArq>(nullptr, [this] {
      auto d = std::make_unique<TDispositivoRoteirizado>();
      d->TemVolume = TemVolume;
      Disp = d.get();
      return d;
    });
  }
  // A 10-second file.
  QString Arquivo10s() {
    const QString c = Plat.Caminho(QStringLiteral("m.wav"));
    GravaArquivo(c, MontaWave8kMono(Padrao(80000)));
    return c;
  }
  QString Painel(const char* Nome) { return Janela->findChild<QLabel*>(QString::fromLatin1(Nome))->text(); }
  bool Ativo(const char* Nome) { return Janela->findChild<QToolButton*>(QString::fromLatin1(Nome))->isEnabled(); }

  bool TemVolume = true;
  TDispositivoRoteirizado* Disp = nullptr;
  std::unique_ptr<TfrmPlayGraficoArq> Janela;
};

TEST_F(Player, CarregaDesenhaETocaOArquivoInteiro) {
  ASSERT_TRUE(Janela->PlayFile(Arquivo10s()));
  EXPECT_EQ(Disp->Chamadas, (QStringList{QStringLiteral("Abre ") + Janela->NomeArquivoWav,
                                         QStringLiteral("Posiciona 1"), QStringLiteral("Toca")}));
  EXPECT_EQ(Painel("PanelTempoTotal"), QStringLiteral("00:10"));
  EXPECT_EQ(Janela->Grafico.InfoTelaPay.cx, W);
  EXPECT_EQ(Janela->Grafico.Pixel(0, 0), 0x007DE0u);  // play cursor at column 0
  EXPECT_EQ(P().NivelCursor, 0);
  // Playing once: of the two play buttons only "play once" is enabled.
  EXPECT_TRUE(Ativo("sbPlay") && !Ativo("sbPlayLoop") && Ativo("sbStop"));
  // The position advances: the cursor follows; the end stops playback.
  Disp->PosicaoAtual = 5000;
  Janela->TimerProgressoTimer();
  EXPECT_EQ(Janela->XAtual, W / 2);
  EXPECT_EQ(Painel("PanelTempoPlay"), QStringLiteral("00:05"));
  Disp->PosicaoAtual = 10001;
  Janela->TimerProgressoTimer();
  EXPECT_FALSE(Janela->LiveAudioPlayer1Actived);
  EXPECT_TRUE(Disp->Chamadas.endsWith(QStringLiteral("Fecha")));
  EXPECT_TRUE(Ativo("sbPlay") && Ativo("sbPlayLoop") && !Ativo("sbStop"));
}

TEST_F(Player, ArquivoQueNaoAbreOuCabecalhoRecusado) {
  EXPECT_FALSE(Janela->PlayFile(Plat.Caminho(QStringLiteral("nao-existe.wav"))));
  EXPECT_EQ(P().UltimoTexto(), QStringLiteral("Não conseguiu abrir arquivo local"));
  EXPECT_EQ(P().Caixas.back().Titulo, QStringLiteral("Erro"));
  const QString lista = Plat.Caminho(QStringLiteral("lista.wav"));
  GravaArquivo(lista, Riff(Fmt(1, 1, 8000, 16) + Bloco("LIST", "INFO") + Bloco("data", Padrao(10))));
  const size_t caixas = P().Caixas.size();
  // No box for a refused header: the window is shown with nothing on it.
  EXPECT_TRUE(Janela->PlayFile(lista));
  EXPECT_EQ(P().Caixas.size(), caixas);
  EXPECT_FALSE(Janela->PlayerAtivado);
  EXPECT_EQ(Janela->Grafico.Pixel(10, 10), CorOnda::Fundo);
  EXPECT_EQ(P().NivelCursor, 0);
  EXPECT_FALSE(Disp->Chamadas.join(u' ').contains(QStringLiteral("Abre")));  // nothing reached the device
}

TEST_F(Player, SemDispositivoDeAudioUmaCaixaClara) {
  Disp->FalhaAbrir = true;
  EXPECT_FALSE(Janela->PlayFile(Arquivo10s()));
  EXPECT_EQ(P().UltimoTexto(), Disp->TextoErro);
  EXPECT_EQ(P().Caixas.back().Tipo, TTipoMensagem::Erro);
  EXPECT_FALSE(Janela->LiveAudioPlayer1Actived);
  EXPECT_TRUE(Ativo("sbPlay") && !Ativo("sbStop"));
}

TEST_F(Player, ClickSemArrastarMarcaUmPontoETocaDaliAteOFim) {
  ASSERT_TRUE(Janela->PlayFile(Arquivo10s()));
  Janela->sbStopClick();
  Janela->MouseDownEm(361, false);
  Janela->MouseUpEm(361, false);
  EXPECT_EQ(Janela->Grafico.Pixel(361, 0), CorOnda::Cursor);
  EXPECT_EQ(Painel("PanelSelTam"), QStringLiteral("00:00"));
  EXPECT_EQ(Painel("PanelSelIni"), QStringLiteral("00:05"));
  Janela->sbPlayClick(false);
  EXPECT_EQ(Disp->Chamadas.mid(Disp->Chamadas.size() - 2),
            (QStringList{QStringLiteral("Posiciona %1").arg(Janela->Grafico.TempoDaColuna(361) + 1),
                         QStringLiteral("Toca")}));
}

TEST_F(Player, TrechoUmaVezParaNoFimEmLaçoRecomeca) {
  ASSERT_TRUE(Janela->PlayFile(Arquivo10s()));
  Janela->MouseDownEm(100, false);
  Janela->MouseMoveEm(200);
  Janela->MouseUpEm(200, false);
  EXPECT_EQ(Janela->Grafico.Pixel(150, 0), CorOnda::FundoSelecionado);
  EXPECT_EQ(Janela->Grafico.Pixel(99, 0), CorOnda::Fundo);
  const int fimMs = Janela->Grafico.TempoDaColuna(200);
  for (bool laco : {false, true}) {
    Janela->sbPlayClick(laco);
    EXPECT_EQ(Janela->XAtual, 100);
    Disp->PosicaoAtual = fimMs + 20;
    Janela->TimerProgressoTimer();
    if (laco) {
      EXPECT_TRUE(Janela->LiveAudioPlayer1Actived);
      EXPECT_EQ(Janela->XAtual, 100);
      EXPECT_EQ(Disp->Chamadas.mid(Disp->Chamadas.size() - 2),
                (QStringList{QStringLiteral("Posiciona %1").arg(Janela->Grafico.TempoDaColuna(100) + 1),
                             QStringLiteral("Toca")}));
    } else {
      EXPECT_FALSE(Janela->LiveAudioPlayer1Actived);
    }
  }
}

TEST_F(Player, PausaEContinuaComOsBotoesQueHabilitam) {
  ASSERT_TRUE(Janela->PlayFile(Arquivo10s()));
  auto* pausa = Janela->findChild<QToolButton*>(QStringLiteral("sbPause"));
  Disp->PosicaoAtual = 3000;
  Janela->TimerProgressoTimer();
  const int antes = Janela->XAtual;
  QTest::mouseClick(pausa, Qt::LeftButton);
  EXPECT_EQ(Disp->Chamadas.last(), QStringLiteral("Pausa"));
  EXPECT_TRUE(Janela->LiveAudioPlayer1Paused);
  EXPECT_EQ(pausa->toolTip(), QStringLiteral("Continuar"));
  // Paused: back and forward are off, the cursor stays, stop still works.
  EXPECT_TRUE(!Ativo("sbBack") && !Ativo("sbStep") && Ativo("sbStop") && Ativo("sbPause"));
  Disp->PosicaoAtual = 6000;
  Janela->TimerProgressoTimer();
  EXPECT_EQ(Janela->XAtual, antes);
  QTest::mouseClick(pausa, Qt::LeftButton);
  EXPECT_EQ(Disp->Chamadas.last(), QStringLiteral("Toca"));
  EXPECT_FALSE(Janela->LiveAudioPlayer1Paused);
  EXPECT_EQ(pausa->toolTip(), QStringLiteral("Pausar"));
  EXPECT_TRUE(Ativo("sbBack") && Ativo("sbStep"));
  Janela->TimerProgressoTimer();
  EXPECT_EQ(Janela->XAtual, W * 6 / 10);
}

TEST_F(Player, TamanhoDaSelecaoEmSegundosInteirosAoSoltar) {
  ASSERT_TRUE(Janela->PlayFile(Arquivo10s()));
  // Columns at 1.9 s and 3.1 s: 1.2 s apart, but seconds 1 to 3 once released.
  const int ini = Janela->Grafico.ColunaDoTempo(1900), fim = Janela->Grafico.ColunaDoTempo(3100);
  Janela->MouseDownEm(ini, false);
  Janela->MouseMoveEm(fim);
  EXPECT_EQ(Painel("PanelSelTam"), QStringLiteral("00:01"));
  Janela->MouseUpEm(fim, false);
  EXPECT_EQ(Painel("PanelSelIni"), QStringLiteral("00:01"));
  EXPECT_EQ(Painel("PanelSelFim"), QStringLiteral("00:03"));
  EXPECT_EQ(Painel("PanelSelTam"), QStringLiteral("00:02"));
}

TEST_F(Player, DuploCliqueNaReguaTrocaAUnidadeEMantemASelecao) {
  ASSERT_TRUE(Janela->PlayFile(Arquivo10s()));
  Janela->MouseDownEm(100, false);
  Janela->MouseMoveEm(200);
  Janela->MouseUpEm(200, false);
  auto* regua = Janela->findChild<QWidget*>(QStringLiteral("PanelEscalaTempo"));
  for (const char* unidade : {"h:m:s", "m:s"}) {
    QTest::mouseDClick(regua, Qt::LeftButton, {}, QPoint(300, 20));
    EXPECT_EQ(Janela->RotuloTempo(0)->text(), QString::fromLatin1(unidade));
    EXPECT_EQ(Janela->RotuloTempo(0)->font().pointSize(), Janela->MostrarHora ? 7 : 8);
    // The selection is redrawn where it was, with its panels.
    EXPECT_EQ(Janela->XDragIni, 100);
    EXPECT_EQ(Janela->XDragFim, 200);
    EXPECT_EQ(Janela->Grafico.Pixel(150, 0), CorOnda::FundoSelecionado);
    EXPECT_EQ(Painel("PanelSelFim"), TextoTempo(Janela->Grafico.TempoDaColuna(200)));
  }
}

TEST_F(Player, VoltarAvancarESoltarForaDaImagem) {
  ASSERT_TRUE(Janela->PlayFile(Arquivo10s()));
  Janela->MouseDownEm(5, false);
  Janela->MouseUpEm(5, false);
  Janela->sbPlayClick(false);
  Janela->sbBackClick();
  EXPECT_EQ(Janela->XAtual, 0);
  // Forward past a selected stretch wraps to its start.
  Janela->MouseDownEm(300, false);
  Janela->MouseMoveEm(310);
  Janela->MouseUpEm(310, false);
  Janela->sbPlayClick(false);
  Disp->PosicaoAtual = Janela->Grafico.TempoDaColuna(305) + 5;
  Janela->TimerProgressoTimer();
  ASSERT_EQ(Janela->XAtual, 305);
  Janela->sbStepClick();
  EXPECT_EQ(Janela->XAtual, 300);
  // A release beyond the image ends the selection at the last column.
  Janela->MouseDownEm(700, false);
  Janela->MouseUpEm(W + 50, true);
  EXPECT_EQ(Janela->XDragFim, W - 1);
  EXPECT_EQ(Janela->Grafico.Pixel(W - 1, 0), CorOnda::FundoSelecionado);
}

TEST_F(Player, Volume) {
  auto* barra = Janela->findChild<QScrollBar*>(QStringLiteral("ScrollBarVolume"));
  const struct {
    int Posicao;
    quint32 Volume;
    const char* Percentual;
  } casos[] = {{65535, 0x00000000u, "0%"}, {32768, 0x7FFF7FFFu, "49%"}, {0, 0xFFFFFFFFu, "100%"}};
  for (const auto& c : casos) {
    barra->setValue(c.Posicao);
    EXPECT_EQ(Disp->VolumeAtual, c.Volume) << c.Posicao;
    EXPECT_EQ(Painel("LabelPercent"), QString::fromLatin1(c.Percentual));
  }
  EXPECT_TRUE(P().Caixas.empty());
}

TEST_F(Player, SemControleDeVolumeAvisaAoLerEAoGravar) {
  TemVolume = false;
  TfrmPlayGraficoArq j(nullptr, [] {
    auto d = std::make_unique<TDispositivoRoteirizado>();
    d->TemVolume = false;
    return d;
  });
  EXPECT_EQ(P().Textos(), QStringList(2, QStringLiteral("Controle de volume não suportado")));
  EXPECT_EQ(j.findChild<QLabel*>(QStringLiteral("LabelPercent"))->text(), QStringLiteral("0%"));
}

TEST_F(Player, FecharParaEInformaAPosicao) {
  ASSERT_TRUE(Janela->PlayFile(Arquivo10s()));
  QPoint informado(-1, -1);
  Janela->OnPlayGraficoClose = [&](int l, int t) { informado = QPoint(l, t); };
  Janela->move(30, 40);
  Janela->reject();
  EXPECT_EQ(informado, QPoint(30, 40));
  EXPECT_FALSE(Janela->LiveAudioPlayer1Actived);
  EXPECT_FALSE(Disp->Aberto());
}

}  // namespace
