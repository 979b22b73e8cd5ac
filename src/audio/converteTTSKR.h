#pragma once
// "Converte texto para áudio": the client of the text-to-speech service. It
// logs in, submits the text, polls the conversion and downloads the WAV file,
// one step per timer tick; every request is asynchronous and the next tick
// waits for it, so the window never freezes. Use: set the tts... fields,
// StartConversion(), show modally, read ttskrResultado.
#include <QDialog>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

namespace Ui {
class TfrmConverteTTSKR;
}
class QNetworkReply;

class TfrmConverteTTSKR : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmConverteTTSKR(QWidget* Pai = nullptr);
  ~TfrmConverteTTSKR() override;

  int cStatus = 0;
  int contador = 0;
  int tempoStatus = 0;
  QString idRequisicao;
  QString urlArquivoWav;
  QString chaveConversao;
  std::function<void(const QString&)> OnTTSKRLog;
  QString ttskrMsgConverte;
  QString ttskrFormatoArquivo = QStringLiteral("wav");
  QString ttskrArquivoSaida;
  QString ttskrURL;
  QString ttskrMsgRetorno;
  QString ttskrUserAgent = QStringLiteral("TTS KR 1.0.0.1");
  QString ttskrNomeCliente;
  QString ttskrUsername;
  QString ttskrPassword;
  QString ttskrLocutora;
  int ttskrNBits = 16;
  int ttskrNChannels = 1;
  int ttsKRFrameRate = 8000;
  bool ttskrResultado = false;
  bool ttskrModoJSON = true;

  bool StartConversion();
  // One tick of the conversion (the timer's handler).
  void TimerTick();
  void Button1Click();
  void Loga(const QString& Texto);
  // True while a request is on its way.
  bool Ocupado() const { return !FResposta.isNull(); }
  QString TextoStatus() const;
  // The tick period (1000 ms); tests shorten it.
  void DefineIntervalo(int Ms) { Timer1.setInterval(Ms); }

 protected:
  void done(int r) override;

 private:
  using TTrataResposta = void (TfrmConverteTTSKR::*)(QNetworkReply*);
  void EnviaJson(const QByteArray& Corpo, TTrataResposta Trata, const QString& PrefixoFalha);
  void Acompanha(QNetworkReply* R, TTrataResposta Trata, const QString& PrefixoFalha);
  bool LeJson(QNetworkReply* R, const QString& PrefixoFalha, QJsonObject& Obj, bool& EhJson);
  void FimTick();
  void Termina(const QString& Mensagem);
  void MostraStatus(const QString& Texto);
  void RespostaLogin(QNetworkReply* R);
  void RespostaConversao(QNetworkReply* R);
  void RespostaStatus(QNetworkReply* R);
  void RespostaDownload(QNetworkReply* R);
  void GravaArquivoSaida(const QByteArray& Dados);

  std::unique_ptr<Ui::TfrmConverteTTSKR> ui;
  QNetworkAccessManager IdHTTP1;
  QTimer Timer1;
  QPointer<QNetworkReply> FResposta;
  bool FFechado = false;
};
