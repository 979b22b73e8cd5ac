// Settings file layout, window placement and the folders decided at start.
#include <gtest/gtest.h>

#include <QDir>
#include <QWidget>

#include "ambiente.h"
#include "apoio.h"
#include "configuracao.h"
#include "posicao.h"

namespace {

class ShellTest : public TesteJanela {};

TEST_F(ShellTest, SettingsWriteDecimalAndOneZeroAndUnreadableValuesGiveTheDefault) {
  {
    TConfiguracao cfg(QStringLiteral("Conexao"));
    cfg.GravaTexto(QStringLiteral("IP"), QStringLiteral("10.0.0.1"));
    cfg.GravaInteiro(QStringLiteral("Porta"), 5042);
    cfg.GravaBool(QStringLiteral("SalvarSenha"), true);
    cfg.GravaBool(QStringLiteral("Outro"), false);
  }
  const QString texto = QString::fromUtf8(LeArquivo(Ambiente().ArquivoConfiguracao()));
  EXPECT_TRUE(texto.contains(QStringLiteral("[Conexao]")));
  EXPECT_TRUE(texto.contains(QStringLiteral("Porta=5042")));
  EXPECT_TRUE(texto.contains(QStringLiteral("SalvarSenha=1")));
  EXPECT_TRUE(texto.contains(QStringLiteral("Outro=0")));

  ASSERT_TRUE(GravaArquivo(Ambiente().ArquivoConfiguracao(),
                           "[TelaPrincipal]\r\nHeight=abc\r\nWidth=700\r\nSalvar=7\r\nVazio=\r\n"));
  TConfiguracao cfg(QStringLiteral("TelaPrincipal"));
  EXPECT_EQ(cfg.LeInteiro(QStringLiteral("Height"), 590), 590);
  EXPECT_EQ(cfg.LeInteiro(QStringLiteral("Width"), 900), 700);
  EXPECT_EQ(cfg.LeInteiro(QStringLiteral("Vazio"), 3), 3);
  EXPECT_TRUE(cfg.LeBool(QStringLiteral("Salvar"), false));  // any nonzero integer
  EXPECT_EQ(cfg.LeInteiro(QStringLiteral("Falta"), -1), -1);
  EXPECT_EQ(TConfiguracao(QStringLiteral("OutraSecao")).LeInteiro(QStringLiteral("Width"), 12), 12);
}

TEST_F(ShellTest, SettingsKeepOtherSectionsAndValuesExactlyAsTyped) {
  const QString arquivo = Ambiente().ArquivoConfiguracao();
  const QByteArray outra = "[Outra]\nSenha=a,b;c\"\xC3\xA9 x \nIP=a, b\n";
  ASSERT_TRUE(GravaArquivo(arquivo, outra));
  {
    TConfiguracao tela(QStringLiteral("TelaPrincipal"));
    tela.GravaInteiro(QStringLiteral("Height"), 600);
    // Another user of the file sees the write before it reaches the disk.
    EXPECT_EQ(TConfiguracao(QStringLiteral("TelaPrincipal")).LeInteiro(QStringLiteral("Height"), 0), 600);
    EXPECT_EQ(LeArquivo(arquivo), outra);
  }
  EXPECT_EQ(LeArquivo(arquivo), outra + "\n[TelaPrincipal]\nHeight=600\n");
  {
    const TConfiguracao lida(QStringLiteral("Outra"));
    EXPECT_EQ(lida.LeTexto(QStringLiteral("Senha")), QStringLiteral("a,b;c\"é x "));
    EXPECT_EQ(lida.LeTexto(QStringLiteral("IP")), QStringLiteral("a, b"));
  }

  for (const QString& valor : {QStringLiteral("x=\\y;z, \"w\" "), QStringLiteral("ção ✓")}) {
    TConfiguracao(QStringLiteral("Conexao")).GravaTexto(QStringLiteral("Senha"), valor);
    EXPECT_EQ(TConfiguracao(QStringLiteral("Conexao")).LeTexto(QStringLiteral("Senha")), valor);
    EXPECT_TRUE(QString::fromUtf8(LeArquivo(arquivo)).contains(QStringLiteral("\nSenha=") + valor + u'\n'));
  }
}

TEST_F(ShellTest, StoredPlaceOfAWindowWiderThanTall) {
  P().Tela = QSize(1000, 800);
  struct Caso {
    const char* nome;
    QByteArray ini;
    QSize tamanho;
    QPoint pos;
    bool maximizada;
  } casos[] = {
      {"centrada", "", QSize(300, 200), QPoint(350, 300), false},
      {"tamanho guardado", "Width=640\nHeight=480\n", QSize(640, 480), QPoint(180, 160), false},
      {"estado 1 e normal", "WindowState=1\nWidth=640\nHeight=480\nTop=10\nLeft=20\n", QSize(640, 480), QPoint(20, 10),
       false},
      {"alem da tela", "Top=5000\nLeft=5000\n", QSize(300, 200), QPoint(1000 - 300, 800 - 200), false},
      {"negativos", "Top=-5\nLeft=-7\n", QSize(300, 200), QPoint(0, 0), false},
      {"maximizada", "WindowState=2\nWidth=640\nHeight=480\n", QSize(300, 200), QPoint(0, 0), true},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    ASSERT_TRUE(GravaArquivo(Ambiente().ArquivoConfiguracao(), "[Tela]\n" + c.ini));
    QWidget janela;
    janela.resize(300, 200);
    LePosicao(&janela, TConfiguracao(QStringLiteral("Tela")), TModoPosicao::Estado);
    EXPECT_EQ(bool(janela.windowState() & Qt::WindowMaximized), c.maximizada);
    EXPECT_EQ(janela.size(), c.tamanho);
    if (!c.maximizada) {
      EXPECT_EQ(janela.pos(), c.pos);
    }
  }
}

TEST_F(ShellTest, PlacementCorrectsOffScreenValues) {
  P().Tela = QSize(1000, 800);
  struct Caso {
    int valor, tamanho, top, left;
  } casos[] = {{-50, 100, 0, 0}, {0, 100, 0, 0}, {800, 100, 800, 800}, {801, 100, 700, 801}, {1001, 100, 700, 900}};
  for (const Caso& c : casos) {
    EXPECT_EQ(AcertaTop(c.valor, c.tamanho), c.top) << c.valor;
    EXPECT_EQ(AcertaLeft(c.valor, c.tamanho), c.left) << c.valor;
  }
}

TEST_F(ShellTest, WindowStateTwoMaximisesAndSkipsTheStoredSize) {
  P().Tela = QSize(1000, 800);
  QWidget janela;
  janela.resize(300, 200);
  {
    TConfiguracao cfg(QStringLiteral("Tela"));
    LePosicao(&janela, cfg, TModoPosicao::Estado);
  }
  EXPECT_EQ(janela.pos(), QPoint(350, 300));  // centred, truncated

  janela.setWindowState(Qt::WindowMaximized);
  {
    TConfiguracao cfg(QStringLiteral("Tela"));
    GravaPosicao(&janela, cfg, TModoPosicao::Estado);
  }
  TConfiguracao cfg(QStringLiteral("Tela"));
  EXPECT_EQ(cfg.LeInteiro(QStringLiteral("WindowState"), -1), 2);
  EXPECT_FALSE(cfg.Existe(QStringLiteral("Height")));
  EXPECT_FALSE(cfg.Existe(QStringLiteral("Top")));

  cfg.GravaInteiro(QStringLiteral("Height"), 444);
  QWidget outra;
  outra.resize(300, 200);
  LePosicao(&outra, cfg, TModoPosicao::Estado);
  EXPECT_TRUE(outra.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(outra.height(), 200);
}

TEST_F(ShellTest, FoldersFallBackInOrderAndLocalModeUsesTheWorkingFolder) {
  const QString base = Plat.Pasta();
  P().Ambiente = {{QStringLiteral("HOME"), base + QStringLiteral("/home")}};
  TAmbiente a = LeInformacoesUsuario(false, QStringLiteral("/prog"));
  EXPECT_EQ(a.NomeUsuario, QStringLiteral("operador"));
  EXPECT_EQ(a.PastaUsuario, base + QStringLiteral("/home"));
  EXPECT_EQ(a.PastaConfiguracao, base + QStringLiteral("/home/.config/Talvora"));
  EXPECT_TRUE(QDir(a.PastaConfiguracao).exists());
  EXPECT_EQ(a.ArquivoConfiguracao(), base + QStringLiteral("/home/.config/Talvora/CliCfgUra.ini"));
  EXPECT_EQ(a.PastaTemporaria, QStringLiteral("/tmp"));

  P().Ambiente = {{QStringLiteral("USERPROFILE"), QStringLiteral("/perfil")},
                  {QStringLiteral("HOME"), QStringLiteral("/home/x")},
                  {QStringLiteral("APPDATA"), base + QStringLiteral("/appdata")},
                  {QStringLiteral("TEMP"), QStringLiteral("/t1")},
                  {QStringLiteral("TMPDIR"), QStringLiteral("/t2")}};
  a = LeInformacoesUsuario(true, QStringLiteral("/prog"), QStringLiteral("urasdir"));
  EXPECT_EQ(a.PastaUsuario, QStringLiteral("urasdir"));
  EXPECT_EQ(a.ArquivoConfiguracao(), base + QStringLiteral("/appdata/RORIROSonarea/Talvora.ini"));
  EXPECT_EQ(a.PastaTemporaria, QStringLiteral("/t1"));
  EXPECT_EQ(LeInformacoesUsuario(true, QStringLiteral("/prog")).PastaUsuario, QStringLiteral("/prog"));

  // Only LOCALAPPDATA names a folder.
  P().Ambiente = {{QStringLiteral("LOCALAPPDATA"), base + QStringLiteral("/local")}};
  a = LeInformacoesUsuario(false, QStringLiteral("/prog"));
  EXPECT_EQ(a.PastaConfiguracao, base + QStringLiteral("/local/Talvora"));
  EXPECT_TRUE(QDir(a.PastaConfiguracao).exists());

  P().Ambiente.clear();
  P().Login.clear();
  P().Ambiente[QStringLiteral("USERNAME")] = QStringLiteral("joao");
  a = LeInformacoesUsuario(false, QStringLiteral("/prog"));
  EXPECT_EQ(a.NomeUsuario, QStringLiteral("joao"));
  EXPECT_EQ(a.PastaUsuario, QStringLiteral("/prog"));
  EXPECT_EQ(a.PastaConfiguracao, QStringLiteral("/prog"));  // no folder variable at all
}

}  // namespace
