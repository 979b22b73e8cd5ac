#include "UfrmConverterAudio.h"

#include <QFileInfo>

#include "conversaoaudio.h"
#include "ui_UfrmConverterAudio.h"

TfrmConverterAudio::TfrmConverterAudio(QWidget* Pai)
    : QDialog(Pai), ui(std::make_unique<Ui::TfrmConverterAudio>()), FConversao(std::make_unique<TConversaoAudio>()) {
  ui->setupUi(this);
  connect(ui->btCancelar, &QPushButton::clicked, this, &TfrmConverterAudio::reject);
  connect(FConversao.get(), &TConversaoAudio::Progresso, this, [this](int p) {
    // Unknown duration: a busy bar.
    ui->ProgressBar1->setMaximum(p < 0 ? 0 : 100);
    ui->ProgressBar1->setValue(qMax(0, p));
  });
  connect(FConversao.get(), &TConversaoAudio::Terminou, this, &TfrmConverterAudio::Fim);
}

TfrmConverterAudio::~TfrmConverterAudio() = default;

void TfrmConverterAudio::Inicia(const QString& Origem, const QString& Destino) {
  ui->LabelArquivo->setText(QStringLiteral("Convertendo \"") + QFileInfo(Origem).fileName() +
                            QStringLiteral("\" para 8 kHz, 16 bits, mono..."));
  FTerminada = false;
  FEmCurso = true;
  FErro.clear();
  FConversao->Inicia(Origem, Destino);
}

void TfrmConverterAudio::reject() {
  if (!FEmCurso) {
    QDialog::reject();
    return;
  }
  FConversao->Cancela();
  ui->btCancelar->setEnabled(false);
  ui->LabelArquivo->setText(QStringLiteral("Cancelando..."));
}

void TfrmConverterAudio::Fim(bool Ok, const QString& Erro) {
  FTerminada = true;
  FEmCurso = false;
  if (!Ok && Erro != kConversaoCancelada) FErro = Erro;
  done(Ok ? QDialog::Accepted : QDialog::Rejected);
}
