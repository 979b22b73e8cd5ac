// The text-to-speech client against ura-tts-sim: each error path and the
// whole conversion down to a playable file.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

#include "apoio.h"
#include "converteTTSKR.h"
#include "wave.h"

namespace {

// ura-tts-sim as a child process on a free port.
class ServicoTTS {
 public:
  ~ServicoTTS() {
    if (FProcesso.state() != QProcess::NotRunning) {
      FProcesso.kill();
      FProcesso.waitForFinished(kPrazoTesteMs);
    }
  }
  bool Inicia(const QStringList& Opcoes) {
    FProcesso.start(QStringLiteral(URA_TTS_SIM_PATH),
                    QStringList{QStringLiteral("--port"), QStringLiteral("0")} + Opcoes);
    if (!FProcesso.waitForStarted(kPrazoTesteMs) ||
        !EsperaAte([this] { return FProcesso.canReadLine() || FProcesso.state() == QProcess::NotRunning; }))
      return false;
    const auto m =
        QRegularExpression(QStringLiteral("LISTENING 127.0.0.1:(\\d+)")).match(QString::fromUtf8(FProcesso.readLine()));
    FPorta = m.hasMatch() ? m.captured(1).toInt() : 0;
    return FPorta != 0;
  }
  QString Url() const { return QStringLiteral("http://127.0.0.1:%1/tts").arg(FPorta); }
  // The requests logged so far that contain Texto.
  int Pedidos(const QString& Texto) {
    while (FProcesso.waitForReadyRead(0)) {
    }
    FLog += QString::fromUtf8(FProcesso.readAllStandardOutput());
    int n = 0;
    for (const QString& l : FLog.split(u'\n'))
      if (l.startsWith(QStringLiteral("<- ")) && l.contains(Texto)) ++n;
    return n;
  }

 private:
  QProcess FProcesso;
  int FPorta = 0;
  QString FLog;
};

class TTS : public TesteJanela {
 protected:
  void Prepara(TfrmConverteTTSKR& J, const QString& Url, const QString& Usuario = QStringLiteral("tts")) {
    J.DefineIntervalo(10);
    J.ttskrMsgConverte = QStringLiteral("bem-vindo à central");
    J.ttskrURL = Url;
    J.ttskrArquivoSaida = Plat.Caminho(QStringLiteral("saida.wav"));
    J.ttskrUsername = Usuario;
    J.ttskrPassword = QStringLiteral("tts");
    J.ttskrLocutora = QStringLiteral("pt-br");
    J.OnTTSKRLog = [this](const QString& l) { Log << l; };
  }
  QStringList Log;
};

TEST_F(TTS, InicioSemDadosNaoEnviaNada) {
  const struct {
    const char* Arquivo;
    const char* Url;
    const char* Texto;
    const char* Mensagem;
  } casos[] = {{"", "http://x", "t", "Arquivo de saída não informado"},
               {"a.wav", "", "t", "URL para conversão não informada"},
               {"a.wav", "http://x", "", "Texto para conversão não informado"}};
  for (const auto& c : casos) {
    TfrmConverteTTSKR j;
    j.ttskrArquivoSaida = QString::fromUtf8(c.Arquivo);
    j.ttskrURL = QString::fromUtf8(c.Url);
    j.ttskrMsgConverte = QString::fromUtf8(c.Texto);
    EXPECT_FALSE(j.StartConversion());
    EXPECT_EQ(j.ttskrMsgRetorno, QString::fromUtf8(c.Mensagem));
    EXPECT_EQ(j.TextoStatus(), QStringLiteral("Iniciando..."));
  }
}

TEST_F(TTS, CaminhosDeErro) {
  const struct {
    QStringList Opcoes;
    const char* Usuario;
    const char* Mensagem;
  } casos[] = {
      {{QStringLiteral("--wrong-type"), QStringLiteral("login")}, "tts", "ERRO 01 - Resposta inválida no login"},
      {{}, "outro", "ERRO 02 - Usuário inválido"},
      {{QStringLiteral("--password"), QStringLiteral("diferente")}, "tts", "ERRO 05 - Chave de acesso inválida"},
      {{QStringLiteral("--error")}, "tts", "ERRO 08 - Falha na conversão"},
  };
  for (const auto& c : casos) {
    ServicoTTS s;
    ASSERT_TRUE(s.Inicia(c.Opcoes));
    TfrmConverteTTSKR j;
    Prepara(j, s.Url(), QString::fromUtf8(c.Usuario));
    ASSERT_TRUE(j.StartConversion());
    ASSERT_TRUE(EsperaAte([&] { return j.cStatus < 0; })) << c.Mensagem;
    EXPECT_EQ(j.ttskrMsgRetorno, QString::fromUtf8(c.Mensagem));
    EXPECT_EQ(j.TextoStatus(), j.ttskrMsgRetorno);
    EXPECT_FALSE(j.ttskrResultado);
    EXPECT_FALSE(QFile::exists(j.ttskrArquivoSaida));
  }
  // Nobody listening: the request's own failure.
  TfrmConverteTTSKR j;
  Prepara(j, QStringLiteral("http://127.0.0.1:1/tts"));
  ASSERT_TRUE(j.StartConversion());
  ASSERT_TRUE(EsperaAte([&] { return j.cStatus < 0; }));
  EXPECT_TRUE(j.ttskrMsgRetorno.startsWith(QStringLiteral("ERRO 03 - "))) << j.ttskrMsgRetorno.toStdString();
}

TEST_F(TTS, ConversaoCompletaConsultaADownloadGravaUmWaveValido) {
  for (bool imediata : {false, true}) {
    ServicoTTS s;
    ASSERT_TRUE(s.Inicia(imediata ? QStringList{QStringLiteral("--url-at-once")} : QStringList{}));
    TfrmConverteTTSKR j;
    Prepara(j, s.Url());
    ASSERT_TRUE(j.StartConversion());
    ASSERT_TRUE(EsperaAte([&] { return j.cStatus < 0; }));
    EXPECT_EQ(j.ttskrMsgRetorno, QStringLiteral("Download efetuado com sucesso."));
    EXPECT_TRUE(j.ttskrResultado);
    EXPECT_TRUE(ArquivoWaveValido(j.ttskrArquivoSaida));
    // WAITING, DOING, OK: three status requests, none with the url at once.
    EXPECT_EQ(s.Pedidos(QStringLiteral("\"action\":\"status\"")), imediata ? 0 : 3);
    EXPECT_EQ(j.contador, imediata ? 0 : 3);
    // The session cookie of the login came back with every later request.
    EXPECT_EQ(s.Pedidos(QStringLiteral(" cookie")), imediata ? 1 : 4);
    EXPECT_TRUE(Log.contains(QStringLiteral("cStatus = 3")));
    EXPECT_TRUE(Log.contains(QStringLiteral("DownloadDoArquivo")));
  }
}

TEST_F(TTS, DownloadDeOutroTipoRepeteAteCancelar) {
  ServicoTTS s;
  ASSERT_TRUE(s.Inicia({QStringLiteral("--wrong-type"), QStringLiteral("download"), QStringLiteral("--url-at-once")}));
  TfrmConverteTTSKR j;
  Prepara(j, s.Url());
  ASSERT_TRUE(j.StartConversion());
  ASSERT_TRUE(EsperaAte([&] { return s.Pedidos(QStringLiteral("GET")) >= 3; }));
  EXPECT_EQ(j.cStatus, 3);
  j.Button1Click();
  EXPECT_FALSE(j.ttskrResultado);
  EXPECT_FALSE(QFile::exists(j.ttskrArquivoSaida));
  // A request already on its way may still be logged; after that, silence.
  EsperaAte([] { return false; }, 300);
  const int antes = s.Pedidos(QStringLiteral("GET"));
  EsperaAte([] { return false; }, 300);
  EXPECT_EQ(s.Pedidos(QStringLiteral("GET")), antes);
}

}  // namespace
