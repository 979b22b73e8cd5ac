#include "converteTTSKR.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <utility>
#include <vector>

#include "codepage.h"
#include "ui_converteTTSKR.h"

namespace {

// JSON text with the members in the order given (the service reads them in
// that order; QJsonObject would sort them).
class TJsonOrdenado {
 public:
  TJsonOrdenado& Texto(const QString& Nome, const QString& Valor) {
    FMembros.emplace_back(Nome, Escapa(Valor));
    return *this;
  }
  TJsonOrdenado& Numero(const QString& Nome, int Valor) {
    FMembros.emplace_back(Nome, QString::number(Valor));
    return *this;
  }
  QByteArray Utf8() const {
    QString s = QStringLiteral("{");
    for (size_t i = 0; i < FMembros.size(); ++i) {
      if (i) s += u',';
      s += Escapa(FMembros[i].first) + u':' + FMembros[i].second;
    }
    return (s + u'}').toUtf8();
  }

 private:
  static QString Escapa(const QString& V) {
    QString s = QStringLiteral("\"");
    for (const QChar c : V) {
      switch (c.unicode()) {
        case u'"': s += QStringLiteral("\\\""); break;
        case u'\\': s += QStringLiteral("\\\\"); break;
        case u'\n': s += QStringLiteral("\\n"); break;
        case u'\r': s += QStringLiteral("\\r"); break;
        case u'\t': s += QStringLiteral("\\t"); break;
        default:
          if (c.unicode() < 0x20)
            s += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
          else
            s += c;
      }
    }
    return s + u'"';
  }
  std::vector<std::pair<QString, QString>> FMembros;
};

// The media type of a reply, lower-cased, without parameters ("; charset=").
QString TipoConteudo(QNetworkReply* R) {
  return R->header(QNetworkRequest::ContentTypeHeader).toString().section(u';', 0, 0).trimmed().toLower();
}

const QString kJson = QStringLiteral("application/json");

}  // namespace

TfrmConverteTTSKR::TfrmConverteTTSKR(QWidget* Pai) : QDialog(Pai), ui(std::make_unique<Ui::TfrmConverteTTSKR>()) {
  ui->setupUi(this);
  Timer1.setInterval(1000);
  connect(&Timer1, &QTimer::timeout, this, &TfrmConverteTTSKR::TimerTick);
  connect(ui->Button1, &QPushButton::clicked, this, &TfrmConverteTTSKR::Button1Click);
}

TfrmConverteTTSKR::~TfrmConverteTTSKR() {
  if (FResposta) FResposta->abort();
}

QString TfrmConverteTTSKR::TextoStatus() const { return ui->LabelStatus->text(); }

void TfrmConverteTTSKR::Loga(const QString& Texto) {
  if (OnTTSKRLog) OnTTSKRLog(Texto);
}

void TfrmConverteTTSKR::MostraStatus(const QString& Texto) { ui->LabelStatus->setText(Texto); }

bool TfrmConverteTTSKR::StartConversion() {
  if (ttskrArquivoSaida.isEmpty()) {
    ttskrMsgRetorno = QStringLiteral("Arquivo de saída não informado");
    return false;
  }
  if (ttskrURL.isEmpty()) {
    ttskrMsgRetorno = QStringLiteral("URL para conversão não informada");
    return false;
  }
  if (ttskrMsgConverte.isEmpty()) {
    ttskrMsgRetorno = QStringLiteral("Texto para conversão não informado");
    return false;
  }
  ui->LabelURL->setText(ttskrURL);
  Timer1.start();
  return true;
}

void TfrmConverteTTSKR::Button1Click() {
  Timer1.stop();
  // done() rather than close(): it also ends a request on its way, shown or not.
  done(ttskrResultado ? QDialog::Accepted : QDialog::Rejected);
}

void TfrmConverteTTSKR::done(int r) {
  FFechado = true;
  Timer1.stop();
  // A reply after the user closed the window must not write the file.
  if (FResposta) FResposta->abort();
  QDialog::done(r);
}

void TfrmConverteTTSKR::Termina(const QString& Mensagem) {
  ttskrMsgRetorno = Mensagem;
  cStatus = -1;
}

// The end of a tick: the timer runs again unless the conversion ended.
void TfrmConverteTTSKR::FimTick() {
  if (cStatus >= 0) {
    if (!FFechado) Timer1.start();
  } else {
    MostraStatus(ttskrMsgRetorno);
  }
}

void TfrmConverteTTSKR::TimerTick() {
  Timer1.stop();
  if (Ocupado()) return;  // the reply's handler ends this tick
  switch (cStatus) {
    case 0:
      cStatus = 1;
      MostraStatus(QStringLiteral("Conectando..."));
      Loga(QStringLiteral("Conectando..."));
      Loga(QStringLiteral("EnviaRequisicaoLogin"));
      EnviaJson(TJsonOrdenado()
                    .Texto(QStringLiteral("action"), QStringLiteral("login"))
                    .Texto(QStringLiteral("username"), ttskrUsername)
                    .Utf8(),
                &TfrmConverteTTSKR::RespostaLogin, QStringLiteral("ERRO 03 - "));
      return;
    case 1:
      Loga(QStringLiteral("EnviaRequisicaoConversao"));
      EnviaJson(TJsonOrdenado()
                    .Texto(QStringLiteral("action"), QStringLiteral("add"))
                    .Texto(QStringLiteral("format"), QStringLiteral("wav"))
                    .Numero(QStringLiteral("nbits"), ttskrNBits)
                    .Numero(QStringLiteral("nchannels"), ttskrNChannels)
                    .Numero(QStringLiteral("framerate"), ttsKRFrameRate)
                    .Texto(QStringLiteral("msg"), ttskrMsgConverte)
                    .Texto(QStringLiteral("id"), idRequisicao)
                    .Texto(QStringLiteral("speaker"), ttskrLocutora)
                    .Utf8(),
                &TfrmConverteTTSKR::RespostaConversao, QStringLiteral("ERRO 06 - "));
      return;
    case 2:
      Loga(QStringLiteral("cStatus = 2"));
      if (++tempoStatus >= 3) {
        tempoStatus = 0;
        ++contador;
        Loga(QStringLiteral("EnviaRequisicaoStatus ") + QString::number(contador));
        EnviaJson(TJsonOrdenado()
                      .Texto(QStringLiteral("action"), QStringLiteral("status"))
                      .Texto(QStringLiteral("id"), idRequisicao)
                      .Texto(QStringLiteral("key"), chaveConversao)
                      .Utf8(),
                  &TfrmConverteTTSKR::RespostaStatus, QStringLiteral("ERRO 10 - "));
        return;
      }
      break;
    case 3: {
      Loga(QStringLiteral("cStatus = 3"));
      Loga(QStringLiteral("DownloadDoArquivo"));
      QNetworkRequest req{QUrl(urlArquivoWav)};
      req.setHeader(QNetworkRequest::UserAgentHeader, ttskrUserAgent);
      Acompanha(IdHTTP1.get(req), &TfrmConverteTTSKR::RespostaDownload, QStringLiteral("ERRO 12 - "));
      return;
    }
    default: break;
  }
  FimTick();
}

void TfrmConverteTTSKR::EnviaJson(const QByteArray& Corpo, TTrataResposta Trata, const QString& PrefixoFalha) {
  QNetworkRequest req{QUrl(ttskrURL)};
  req.setHeader(QNetworkRequest::ContentTypeHeader, kJson);
  req.setRawHeader("Content-Encoding", "utf-8");
  req.setHeader(QNetworkRequest::UserAgentHeader, ttskrUserAgent);
  Acompanha(IdHTTP1.post(req, Corpo), Trata, PrefixoFalha);
}

void TfrmConverteTTSKR::Acompanha(QNetworkReply* R, TTrataResposta Trata, const QString& PrefixoFalha) {
  FResposta = R;
  connect(R, &QNetworkReply::requestSent, this, [this] {
    Loga(QStringLiteral("IdHTTP1Connected"));
    if (cStatus == 1) MostraStatus(QStringLiteral("Aguardando conversão..."));
  });
  connect(R, &QNetworkReply::metaDataChanged, this, [this, R] {
    Loga(QStringLiteral("IdHTTP1Status - ") + R->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    const QString tipo = TipoConteudo(R);
    const qint64 total = R->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    Loga(QStringLiteral("IdHTTP1WorkBegin - %1 - %2").arg(total).arg(tipo));
    if (cStatus == 3 && tipo.contains(QStringLiteral("audio"))) {
      MostraStatus(QStringLiteral("Baixando arquivo de áudio..."));
      ui->ProgressBar1->setMaximum(int(qMin<qint64>(total, INT_MAX)));
      ui->ProgressBar1->setValue(0);
      ui->ProgressBar1->show();
    }
  });
  connect(R, &QNetworkReply::downloadProgress, this, [this](qint64 Recebidos, qint64) {
    Loga(QStringLiteral("IdHTTP1Work - ") + QString::number(Recebidos));
    if (ui->ProgressBar1->isVisible()) ui->ProgressBar1->setValue(int(qMin<qint64>(Recebidos, INT_MAX)));
  });
  connect(R, &QNetworkReply::finished, this, [this, R, Trata, PrefixoFalha] {
    R->deleteLater();
    FResposta.clear();
    Loga(QStringLiteral("IdHTTP1WorkEnd"));
    Loga(QStringLiteral("IdHTTP1Disconnected"));
    if (FFechado) return;
    if (R->error() != QNetworkReply::NoError) {
      Termina(PrefixoFalha + R->errorString());
      ui->ProgressBar1->hide();
    } else {
      (this->*Trata)(R);
    }
    Loga(QStringLiteral("cStatus=") + QString::number(cStatus));
    FimTick();
  });
}

// The reply as a JSON object, or false (with the failure ending the
// conversion) when its body is not one. *Json is false for another type.
bool TfrmConverteTTSKR::LeJson(QNetworkReply* R, const QString& PrefixoFalha, QJsonObject& Obj, bool& EhJson) {
  const QByteArray corpo = R->readAll();
  Loga(QStringLiteral("sResponse=") + QString::fromUtf8(corpo));
  EhJson = TipoConteudo(R) == kJson;
  if (!EhJson) return true;
  QJsonParseError erro{};
  const QJsonDocument doc = QJsonDocument::fromJson(corpo, &erro);
  if (!doc.isObject()) {
    Termina(PrefixoFalha + (erro.error != QJsonParseError::NoError
                                ? erro.errorString()
                                : QStringLiteral("a resposta não é um objeto JSON")));
    return false;
  }
  Obj = doc.object();
  return true;
}

void TfrmConverteTTSKR::RespostaLogin(QNetworkReply* R) {
  QJsonObject o;
  bool json = false;
  if (!LeJson(R, QStringLiteral("ERRO 03 - "), o, json)) return;
  if (!json) return Termina(QStringLiteral("ERRO 01 - Resposta inválida no login"));
  if (o.value(u"result").toString() != u"OK")
    return Termina(QStringLiteral("ERRO 02 - ") + o.value(u"msgResult").toString());
  const QString id = o.value(u"id").toString();
  if (id.isEmpty()) return Termina(QStringLiteral("ERRO 01 - Não recebeu ID de login"));
  idRequisicao =
      QString::fromLatin1(QCryptographicHash::hash(EncodeAnsi(id + ttskrPassword), QCryptographicHash::Md5).toHex());
  cStatus = 1;
}

void TfrmConverteTTSKR::RespostaConversao(QNetworkReply* R) {
  QJsonObject o;
  bool json = false;
  if (!LeJson(R, QStringLiteral("ERRO 06 - "), o, json) || !json) return;
  if (o.value(u"result").toString() != u"OK")
    return Termina(QStringLiteral("ERRO 05 - ") + o.value(u"msgResult").toString());
  const QString chave = o.value(u"key").toString();
  if (chave.isEmpty()) return Termina(QStringLiteral("ERRO 04 - Não recebeu ID da conversão"));
  chaveConversao = chave;
  const QString url = o.value(u"url").toString();
  if (!url.isEmpty()) {
    urlArquivoWav = url;
    cStatus = 3;
  } else {
    cStatus = 2;
    tempoStatus = 3;
    contador = 0;
  }
}

void TfrmConverteTTSKR::RespostaStatus(QNetworkReply* R) {
  QJsonObject o;
  bool json = false;
  if (!LeJson(R, QStringLiteral("ERRO 10 - "), o, json) || !json) return;
  if (o.value(u"result").toString() != u"OK")
    return Termina(QStringLiteral("ERRO 09 - ") + o.value(u"msgResult").toString());
  const QString status = o.value(u"status").toString();
  if (status == u"ERROR") {
    Termina(QStringLiteral("ERRO 08 - ") + o.value(u"msgResult").toString());
  } else if (status == u"WAITING") {
    MostraStatus(QStringLiteral("Aguardando conversão..."));
  } else if (status == u"DOING") {
    MostraStatus(QStringLiteral("Convertendo texto para áudio..."));
  } else if (status == u"OK") {
    // The body was decoded from UTF-8 already.
    urlArquivoWav = o.value(u"url").toString();
    Loga(QStringLiteral("URL=") + urlArquivoWav);
    if (urlArquivoWav.isEmpty()) return Termina(QStringLiteral("ERRO 07 - Arquivo para download não foi informado"));
    MostraStatus(QStringLiteral("Iniciando download do arquivo..."));
    cStatus = 3;
  }
}

void TfrmConverteTTSKR::RespostaDownload(QNetworkReply* R) {
  const QByteArray corpo = R->readAll();
  if (TipoConteudo(R) != u"audio/x-wav") return;  // asked again at the next tick
  Loga(QStringLiteral("TamResp=") + QString::number(corpo.size()));
  ttskrMsgRetorno = QStringLiteral("Download efetuado com sucesso.");
  ui->Button1->setText(QStringLiteral("OK"));
  ui->ProgressBar1->hide();
  cStatus = -1;
  GravaArquivoSaida(corpo);
}

void TfrmConverteTTSKR::GravaArquivoSaida(const QByteArray& Dados) {
  QFile f(ttskrArquivoSaida);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    ttskrMsgRetorno = QStringLiteral("ERRO 11 - Não conseguiu criar o arquivo local");
    return;
  }
  for (qsizetype a = 0; a < Dados.size(); a += 4096) {
    const qsizetype n = qMin<qsizetype>(4096, Dados.size() - a);
    if (f.write(Dados.constData() + a, n) != n) {
      ttskrMsgRetorno = QStringLiteral("ERRO 11 - Não conseguiu escrever no arquivo local");
      return;
    }
  }
  if (!f.flush()) {
    ttskrMsgRetorno = QStringLiteral("ERRO 11 - Não conseguiu escrever no arquivo local");
    return;
  }
  ttskrResultado = true;
}
