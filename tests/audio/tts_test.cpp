// The text-to-speech client against ura-tts-sim: each error path and the
// whole conversion down to a playable file.
#include <gtest/gtest.h>

#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

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

// A text-to-speech service that answers each step ("login", "add",
// "status", "GET") as the test says: a reply, or the connection dropped.
class ServicoRoteirizado {
 public:
  struct Resposta {
    QByteArray Tipo = "application/json";
    QByteArray Corpo;
    bool Fecha = false;
  };
  QHash<QString, Resposta> Passos{
      {QStringLiteral("login"), {"application/json", R"({"result":"OK","id":"1"})"}},
      {QStringLiteral("add"), {"application/json", R"({"result":"OK","key":"k"})"}},
      {QStringLiteral("status"), {"application/json", R"({"result":"OK","status":"WAITING"})"}},
      {QStringLiteral("GET"), {"audio/x-wav", MontaWave8kMono(QByteArray(1600, '\1'))}}};
  QStringList Pedidos;  // the steps asked, in order

  bool Inicia() {
    QObject::connect(&FServidor, &QTcpServer::newConnection, &FServidor, [this] {
      while (QTcpSocket* s = FServidor.nextPendingConnection()) {
        auto entrada = std::make_shared<QByteArray>();
        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, entrada] { Le(s, *entrada); });
      }
    });
    return FServidor.listen(QHostAddress::LocalHost, 0);
  }
  QString Url() const { return QStringLiteral("http://127.0.0.1:%1/tts").arg(FServidor.serverPort()); }
  // The conversion answers at once with the address of the audio.
  void UrlImediata() {
    Passos[QStringLiteral("add")].Corpo = R"({"result":"OK","key":"k","url":")" + Url().toLatin1() + R"(/k.wav"})";
  }

 private:
  void Le(QTcpSocket* S, QByteArray& B) {
    B += S->readAll();
    for (;;) {
      const qsizetype fim = B.indexOf("\r\n\r\n");
      if (fim < 0) return;
      const QList<QByteArray> linhas = B.left(fim).split('\n');
      qsizetype tamanho = 0;
      for (const QByteArray& l : linhas)
        if (l.toLower().startsWith("content-length:")) tamanho = l.mid(15).trimmed().toLongLong();
      if (B.size() < fim + 4 + tamanho) return;
      const QByteArray corpo = B.mid(fim + 4, tamanho);
      const bool get = linhas.first().startsWith("GET");
      B.remove(0, fim + 4 + tamanho);
      const QString passo =
          get ? QStringLiteral("GET") : QJsonDocument::fromJson(corpo).object().value(u"action").toString();
      Pedidos << passo;
      const Resposta r = Passos.value(passo);
      if (r.Fecha) {
        S->abort();
        return;
      }
      S->write("HTTP/1.1 200 OK\r\nContent-Type: " + r.Tipo +
               "\r\nContent-Length: " + QByteArray::number(r.Corpo.size()) + "\r\n\r\n" + r.Corpo);
    }
  }
  QTcpServer FServidor;
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

TEST_F(TTS, RespostasQueTerminamComErro) {
  const QByteArray json = "application/json";
  const struct {
    const char* Passo;
    ServicoRoteirizado::Resposta Resposta;
    bool UrlImediata;
    const char* Mensagem;  // ending in "- ": the request's own failure follows
    const char* Saida = "saida.wav";
  } casos[] = {
      {"add", {json, R"({"result":"OK","key":""})"}, false, "ERRO 04 - Não recebeu ID da conversão"},
      {"add", {json, {}, true}, false, "ERRO 06 - "},
      {"status",
       {json, R"({"result":"OK","status":"OK","url":""})"},
       false,
       "ERRO 07 - Arquivo para download não foi informado"},
      {"status", {json, R"({"result":"FAIL","msgResult":"Sem saldo"})"}, false, "ERRO 09 - Sem saldo"},
      {"status", {json, {}, true}, false, "ERRO 10 - "},
      {"GET", {"audio/x-wav", {}, true}, true, "ERRO 12 - "},
      {"", {}, true, "ERRO 11 - Não conseguiu criar o arquivo local", "nao-existe/saida.wav"},
  };
  for (const auto& c : casos) {
    ServicoRoteirizado s;
    ASSERT_TRUE(s.Inicia());
    if (c.UrlImediata) s.UrlImediata();
    if (*c.Passo) s.Passos[QString::fromLatin1(c.Passo)] = c.Resposta;
    TfrmConverteTTSKR j;
    Prepara(j, s.Url());
    j.ttskrArquivoSaida = Plat.Caminho(QString::fromLatin1(c.Saida));
    ASSERT_TRUE(j.StartConversion());
    ASSERT_TRUE(EsperaAte([&] { return j.cStatus < 0; })) << c.Mensagem;
    const QString esperada = QString::fromUtf8(c.Mensagem);
    if (esperada.endsWith(QStringLiteral("- ")))
      EXPECT_TRUE(j.ttskrMsgRetorno.startsWith(esperada)) << j.ttskrMsgRetorno.toStdString();
    else
      EXPECT_EQ(j.ttskrMsgRetorno, esperada);
    EXPECT_EQ(j.TextoStatus(), j.ttskrMsgRetorno);
    EXPECT_FALSE(j.ttskrResultado) << c.Mensagem;
    EXPECT_FALSE(QFile::exists(j.ttskrArquivoSaida)) << c.Mensagem;
  }
}

TEST_F(TTS, UmaConsultaDeStatusACadaTresTiques) {
  ServicoRoteirizado s;
  ASSERT_TRUE(s.Inicia());
  TfrmConverteTTSKR j;
  Prepara(j, s.Url());
  j.DefineIntervalo(24 * 3600 * 1000);  // the test ticks by hand
  ASSERT_TRUE(j.StartConversion());
  const auto tique = [&] {
    j.TimerTick();
    EXPECT_TRUE(EsperaAte([&] { return !j.Ocupado(); }));
    return int(s.Pedidos.count(QStringLiteral("status")));
  };
  tique();  // login
  tique();  // conversion, no address yet
  ASSERT_EQ(j.cStatus, 2);
  QList<int> consultas;
  for (int i = 0; i < 7; ++i) consultas << tique();
  EXPECT_EQ(consultas, (QList<int>{1, 1, 1, 2, 2, 2, 3}));
  EXPECT_EQ(j.contador, 3);
  EXPECT_EQ(j.TextoStatus(), QStringLiteral("Aguardando conversão..."));
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
