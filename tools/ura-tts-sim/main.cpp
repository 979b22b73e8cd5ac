// ura-tts-sim: a small HTTP/1.1 text-to-speech service on loopback for the
// configurator's "Texto para áudio (TTS)". Every request but the download is
// a POST with a JSON body; the reply is JSON. Prints "LISTENING
// 127.0.0.1:PORT" first, then one line per request.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <cmath>
#include <cstdio>

#include "wave.h"

namespace {

void Log(const QString& Linha) {
  std::fputs((Linha + u'\n').toUtf8().constData(), stdout);
  std::fflush(stdout);
}

struct TConfig {
  QString Usuario, Senha;
  int AtrasoMs = 0;
  QString TipoErrado;  // login, add, status or download
  bool ErroConversao = false;
  bool UrlImediata = false;
  QString Voz;
};

struct TTarefa {
  QByteArray Wav;
  int Consultas = 0;
};

// 8 kHz, 16-bit, mono speech from espeak-ng through sox, or a tone.
QByteArray Sintetiza(const QString& Texto, const QString& Voz, const QString& Pasta) {
  const QString espeak = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
  const QString sox = QStandardPaths::findExecutable(QStringLiteral("sox"));
  if (!espeak.isEmpty() && !sox.isEmpty()) {
    const QString fala = QDir(Pasta).filePath(QStringLiteral("fala.wav"));
    const QString cru = QDir(Pasta).filePath(QStringLiteral("fala.raw"));
    QFile::remove(cru);
    if (QProcess::execute(espeak, {QStringLiteral("-v"), Voz, QStringLiteral("-w"), fala, Texto}) == 0 &&
        QProcess::execute(
            sox, {fala, QStringLiteral("-t"), QStringLiteral("raw"), QStringLiteral("-r"), QStringLiteral("8000"),
                  QStringLiteral("-e"), QStringLiteral("signed-integer"), QStringLiteral("-b"), QStringLiteral("16"),
                  QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-L"), cru}) == 0) {
      QFile f(cru);
      if (f.open(QIODevice::ReadOnly)) {
        const QByteArray amostras = f.readAll();
        if (!amostras.isEmpty()) return MontaWave8kMono(amostras);
      }
    }
  }
  // A 440 Hz tone, 80 ms per character (at least a second).
  const int n = qMax(8000, int(Texto.size()) * 640);
  QByteArray amostras(n * 2, Qt::Uninitialized);
  for (int i = 0; i < n; ++i)
    qToLittleEndian<qint16>(qint16(8000 * std::sin(2 * M_PI * 440 * i / 8000.0)), amostras.data() + 2 * i);
  return MontaWave8kMono(amostras);
}

class TServico : public QObject {
 public:
  TServico(TConfig C) : FConfig(std::move(C)) {
    connect(&FServidor, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* s = FServidor.nextPendingConnection()) {
        connect(s, &QTcpSocket::readyRead, this, [this, s] { Le(s); });
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
      }
    });
  }
  bool Escuta(quint16 Porta) { return FServidor.listen(QHostAddress::LocalHost, Porta); }
  quint16 Porta() const { return FServidor.serverPort(); }
  QString ErroServidor() const { return FServidor.errorString(); }

 private:
  void Le(QTcpSocket* S) {
    QByteArray& b = FEntrada[S];
    b += S->readAll();
    for (;;) {
      const qsizetype fim = b.indexOf("\r\n\r\n");
      if (fim < 0) return;
      const QList<QByteArray> linhas = b.left(fim).split('\n');
      qsizetype tamanho = 0;
      QByteArray cookie;
      for (const QByteArray& l : linhas.mid(1)) {
        const qsizetype dp = l.indexOf(':');
        if (dp < 0) continue;
        const QByteArray nome = l.left(dp).trimmed().toLower(), valor = l.mid(dp + 1).trimmed();
        if (nome == "content-length") tamanho = valor.toLongLong();
        if (nome == "cookie") cookie = valor;
      }
      if (b.size() < fim + 4 + tamanho) return;
      const QList<QByteArray> inicio = linhas.first().trimmed().split(' ');
      const QByteArray corpo = b.mid(fim + 4, tamanho);
      b.remove(0, fim + 4 + tamanho);
      if (inicio.size() < 2) return Responde(S, "400 Bad Request", "text/plain", "pedido inválido");
      Atende(S, inicio[0], inicio[1], cookie, corpo);
    }
  }

  void Atende(QTcpSocket* S, const QByteArray& Metodo, const QByteArray& Caminho, const QByteArray& Cookie,
              const QByteArray& Corpo) {
    if (Metodo == "GET") {
      const QByteArray chave = QString::fromLatin1(Caminho).section(u'/', -1).section(u'.', 0, 0).toLatin1();
      Log(QStringLiteral("<- GET ") + QString::fromUtf8(Caminho));
      if (!FTarefas.contains(chave)) return Responde(S, "404 Not Found", "text/plain", "não encontrado");
      return Responde(S, "200 OK", FConfig.TipoErrado == u"download" ? "audio/wav" : "audio/x-wav",
                      FTarefas[chave].Wav);
    }
    const QJsonObject o = QJsonDocument::fromJson(Corpo).object();
    const QString acao = o.value(u"action").toString();
    Log(QStringLiteral("<- POST ") + QString::fromUtf8(Corpo) +
        (Cookie.isEmpty() ? QString() : QStringLiteral(" cookie")));
    QJsonObject r{{QStringLiteral("result"), QStringLiteral("OK")}, {QStringLiteral("msgResult"), QString()}};
    auto falha = [&r](const QString& Msg) {
      r[QStringLiteral("result")] = QStringLiteral("FAIL");
      r[QStringLiteral("msgResult")] = Msg;
    };
    QByteArray cabecalhoExtra;
    if (acao == u"login") {
      if (o.value(u"username").toString() != FConfig.Usuario) {
        falha(QStringLiteral("Usuário inválido"));
      } else {
        FIdLogin = QString::number(QRandomGenerator::global()->generate64(), 16);
        FSessao = QByteArray::number(QRandomGenerator::global()->generate64(), 16);
        r[QStringLiteral("id")] = FIdLogin;
        cabecalhoExtra = "Set-Cookie: sessao=" + FSessao + "; Path=/\r\n";
      }
    } else if (Cookie != "sessao=" + FSessao || FSessao.isEmpty()) {
      falha(QStringLiteral("Sessão inválida"));
    } else if (o.value(u"id").toString() != Chave()) {
      falha(QStringLiteral("Chave de acesso inválida"));
    } else if (acao == u"add") {
      const QByteArray chave = QByteArray::number(++FProxima);
      TTarefa t;
      t.Wav = Sintetiza(o.value(u"msg").toString(), FConfig.Voz, FPasta.path());
      FTarefas.insert(chave, t);
      r[QStringLiteral("key")] = QString::fromLatin1(chave);
      r[QStringLiteral("url")] = FConfig.UrlImediata ? Url(chave) : QString();
    } else if (acao == u"status") {
      const QByteArray chave = o.value(u"key").toString().toLatin1();
      if (!FTarefas.contains(chave)) {
        falha(QStringLiteral("Conversão desconhecida"));
      } else if (FConfig.ErroConversao) {
        r[QStringLiteral("status")] = QStringLiteral("ERROR");
        r[QStringLiteral("msgResult")] = QStringLiteral("Falha na conversão");
      } else {
        const int n = ++FTarefas[chave].Consultas;
        r[QStringLiteral("status")] = n == 1   ? QStringLiteral("WAITING")
                                      : n == 2 ? QStringLiteral("DOING")
                                               : QStringLiteral("OK");
        r[QStringLiteral("url")] = n >= 3 ? Url(chave) : QString();
      }
    } else {
      falha(QStringLiteral("Ação desconhecida"));
    }
    const bool errado = FConfig.TipoErrado == acao;
    Responde(S, "200 OK", errado ? "text/html" : "application/json", QJsonDocument(r).toJson(QJsonDocument::Compact),
             cabecalhoExtra);
  }

  QString Chave() const {
    return QString::fromLatin1(
        QCryptographicHash::hash((FIdLogin + FConfig.Senha).toLatin1(), QCryptographicHash::Md5).toHex());
  }
  QString Url(const QByteArray& Chave) const {
    return QStringLiteral("http://127.0.0.1:%1/audio/%2.wav").arg(Porta()).arg(QString::fromLatin1(Chave));
  }

  void Responde(QTcpSocket* S, const QByteArray& Status, const QByteArray& Tipo, const QByteArray& Corpo,
                const QByteArray& Extra = {}) {
    const QByteArray r = "HTTP/1.1 " + Status + "\r\nContent-Type: " + Tipo +
                         "\r\nContent-Length: " + QByteArray::number(Corpo.size()) + "\r\n" + Extra + "\r\n" + Corpo;
    Log(QStringLiteral("-> ") + QString::fromLatin1(Status) + u' ' + QString::fromLatin1(Tipo) + u' ' +
        (Tipo.startsWith("audio") ? QString::number(Corpo.size()) + QStringLiteral(" bytes")
                                  : QString::fromUtf8(Corpo)));
    QPointer<QTcpSocket> s(S);
    QTimer::singleShot(FConfig.AtrasoMs, this, [s, r] {
      if (s) s->write(r);
    });
  }

  TConfig FConfig;
  QTcpServer FServidor;
  QTemporaryDir FPasta;
  QHash<QTcpSocket*, QByteArray> FEntrada;
  QHash<QByteArray, TTarefa> FTarefas;
  QString FIdLogin;
  QByteArray FSessao;
  int FProxima = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCommandLineParser p;
  p.setApplicationDescription(QStringLiteral(
      "Serviço de texto para áudio de teste (HTTP/1.1 em 127.0.0.1): login, add, status e download.\n"
      "A conversão responde WAITING, DOING e então OK com a url do arquivo WAV (8 kHz, 16 bits, mono)."));
  p.addHelpOption();
  const QCommandLineOption porta("port", "Porta (0: uma porta livre).", "porta", "0");
  const QCommandLineOption usuario("user", "Usuário aceito no login.", "usuario", "tts");
  const QCommandLineOption senha("password", "Senha da conta (entra na chave MD5).", "senha", "tts");
  const QCommandLineOption lento("slow", "Atrasa cada resposta em MS milissegundos.", "ms", "0");
  const QCommandLineOption tipo(
      "wrong-type", "Responde com o tipo de conteúdo errado no passo: login, add, status ou download.", "passo");
  const QCommandLineOption erro("error", "A consulta de status responde ERROR.");
  const QCommandLineOption imediata("url-at-once", "A conversão já responde com a url.");
  const QCommandLineOption voz("voice", "Voz do espeak-ng.", "voz", "pt-br");
  p.addOptions({porta, usuario, senha, lento, tipo, erro, imediata, voz});
  p.process(app);

  TConfig c;
  c.Usuario = p.value(usuario);
  c.Senha = p.value(senha);
  c.AtrasoMs = p.value(lento).toInt();
  c.TipoErrado = p.value(tipo);
  c.ErroConversao = p.isSet(erro);
  c.UrlImediata = p.isSet(imediata);
  c.Voz = p.value(voz);
  TServico s(c);
  if (!s.Escuta(quint16(p.value(porta).toUInt()))) {
    std::fprintf(stderr, "ura-tts-sim: %s\n", s.ErroServidor().toLocal8Bit().constData());
    return 1;
  }
  Log(QStringLiteral("LISTENING 127.0.0.1:%1").arg(s.Porta()));
  return app.exec();
}
