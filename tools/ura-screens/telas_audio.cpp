// The audio windows: upload, text to speech, player (with the example
// message's waveform) and recorder.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>

#include "PlayGraficoArq.h"
#include "SessaoServidor.h"
#include "UfrmConverterAudio.h"
#include "UfrmEnviarArquivo.h"
#include "UfrmGravarAudio.h"
#include "converteTTSKR.h"
#include "plataforma.h"
#include "telas.h"

namespace {

QString MensagemExemplo() { return QDir(PastaExemplos()).filePath(QStringLiteral("mensagens/bemvindo.wav")); }

QString PastaTemporaria() {
  static QTemporaryDir pasta;
  return pasta.path();
}

// A session that offers text to speech, for the upload window's button.
TSessaoServidor& SessaoComTTS() {
  static TJanelaSessaoMuda janela;
  static TSessaoServidor sessao(&janela);
  sessao.bTemTTS = true;
  return sessao;
}

const bool r1 = RegistraTela(QStringLiteral("frmEnviarArquivo"), [] {
  auto j = std::make_unique<TfrmEnviarArquivo>(&SessaoComTTS(), false);
  auto& p = static_cast<TPlataformaRoteirizada&>(Plataforma());
  p.Arquivos.push_back(MensagemExemplo());
  j->SpeedButton1Click();
  j->findChild<QLineEdit*>(QStringLiteral("edDescricao"))->setText(QStringLiteral("Boas-vindas"));
  return std::unique_ptr<QWidget>(std::move(j));
});

const bool r2 = RegistraTela(QStringLiteral("frmConverteTTSKR"), [] {
  auto j = std::make_unique<TfrmConverteTTSKR>();
  j->ttskrURL = QStringLiteral("http://tts.exemplo.com.br/api/v1");
  j->ttskrArquivoSaida = QDir(PastaTemporaria()).filePath(QStringLiteral("20261209100000.wav"));
  j->ttskrMsgConverte = QStringLiteral("boas-vindas");
  j->DefineIntervalo(24 * 3600 * 1000);  // the picture shows the start, nothing is sent
  j->StartConversion();
  return std::unique_ptr<QWidget>(std::move(j));
});

const bool r3 = RegistraTela(QStringLiteral("frmPlayGraficoArq"), [] {
  auto j = std::make_unique<TfrmPlayGraficoArq>(nullptr, [] { return std::make_unique<TDispositivoRoteirizado>(); });
  j->PlayFile(MensagemExemplo());
  // A stretch selected and the play cursor inside it.
  j->MouseDownEm(180, false);
  j->MouseMoveEm(420);
  j->MouseUpEm(420, false);
  j->sbPlayClick(false);
  return std::unique_ptr<QWidget>(std::move(j));
});

const bool r4 = RegistraTela(QStringLiteral("frmGravarAudio"), [] {
  auto j = std::make_unique<TfrmGravarAudio>(nullptr, [] { return std::make_unique<TDispositivoRoteirizado>(); });
  j->SetarNomeArquivo(QDir(PastaTemporaria()).filePath(QStringLiteral("20261209100000.wav")));
  return std::unique_ptr<QWidget>(std::move(j));
});

// A conversion under way (drawn as it shows, without a conversion running).
const bool r5 = RegistraTela(QStringLiteral("frmConverterAudio"), [] {
  auto j = std::make_unique<TfrmConverterAudio>();
  j->findChild<QLabel*>(QStringLiteral("LabelArquivo"))
      ->setText(QStringLiteral("Convertendo \"boas-vindas-estudio.mp3\" para 8 kHz, 16 bits, mono..."));
  j->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->setValue(40);
  return std::unique_ptr<QWidget>(std::move(j));
});

}  // namespace
