#include "UfrmGravarAudio.h"

#include <QFile>
#include <QFileInfo>

#include "plataforma.h"
#include "ui_UfrmGravarAudio.h"
#include "wave.h"

namespace {
constexpr int kLarguraTrilha = 274;
const QString kTituloErro = QStringLiteral("Erro");
}  // namespace

QString TextoTempoGravacao(qint64 Ms) {
  return QStringLiteral("%1:%2").arg(Ms / 60000, 2, 10, QChar(u'0')).arg((Ms % 60000) / 1000, 2, 10, QChar(u'0'));
}

TfrmGravarAudio::TfrmGravarAudio(QWidget* Pai, TFabricaDispositivo Fabrica)
    : QDialog(Pai),
      ui(std::make_unique<Ui::TfrmGravarAudio>()),
      FFabrica(Fabrica ? std::move(Fabrica) : TFabricaDispositivo(CriaDispositivoAudioQt)) {
  ui->setupUi(this);
  ui->Shape2->setStyleSheet(QStringLiteral("#Shape2 { background: #c0c0c0; border: 1px solid #808080; }"));
  // 0xD78D13 fill and 0xAC720F border, written 0xBBGGRR.
  ui->Shape1->setStyleSheet(QStringLiteral("#Shape1 { background: #138dd7; border: 1px solid #0f72ac; }"));
  ui->btTocar->setProperty("tag", 0);
  Timer1.setInterval(100);
  connect(&Timer1, &QTimer::timeout, this, &TfrmGravarAudio::Timer1Timer);
  connect(ui->btGravar, &QPushButton::clicked, this, &TfrmGravarAudio::btGravarClick);
  connect(ui->btParar, &QPushButton::clicked, this, &TfrmGravarAudio::btPararClick);
  connect(ui->btTocar, &QPushButton::clicked, this, &TfrmGravarAudio::btTocarClick);
  connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui->BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmGravarAudio::~TfrmGravarAudio() = default;

IDispositivoAudio& TfrmGravarAudio::Dispositivo() {
  if (!FDispositivo) FDispositivo = FFabrica();
  return *FDispositivo;
}

bool TfrmGravarAudio::SetarNomeArquivo(const QString& Caminho) {
  if (!NomeArquivoGravar.isEmpty() && QFile::exists(NomeArquivoGravar)) QFile::remove(NomeArquivoGravar);
  NomeArquivoGravar = Caminho;
  if (QFile::exists(Caminho)) QFile::remove(Caminho);
  ui->edArquivoSaida->setText(QFileInfo(Caminho).fileName());
  QFile f(Caminho);
  const QByteArray modelo = ModeloWaveGravacao();
  if (!f.open(QIODevice::WriteOnly) || f.write(modelo) != modelo.size()) {
    MostraErro(this,
               QStringLiteral("Não conseguiu gravar o arquivo ") + Caminho + QStringLiteral(": ") + f.errorString(),
               kTituloErro);
    return false;
  }
  ui->btGravar->setEnabled(true);
  return true;
}

void TfrmGravarAudio::LarguraBarra(int Largura) {
  ui->Shape1->setGeometry(0, 0, qBound(0, Largura, kLarguraTrilha), ui->Shape2->height());
}

void TfrmGravarAudio::MostraLuz(bool Vermelha) {
  const QString cor = Vermelha ? QStringLiteral("#ff0000") : QStringLiteral("#808080");
  ui->Shape2->setStyleSheet(QStringLiteral("#Shape2 { background: %1; border: 1px solid %1; }").arg(cor));
  ui->LabelPosicao->setStyleSheet(Vermelha ? QStringLiteral("color: #ff0000;") : QString());
}

void TfrmGravarAudio::btGravarClick() {
  LarguraBarra(0);
  ui->LabelFim->setText(QStringLiteral("00:00"));
  ui->LabelPosicao->setText(QStringLiteral("00:00"));
  duracaoArquivo = 0;
  if (ui->btTocar->isEnabled()) {
    Dispositivo().Para();
    Dispositivo().Fecha();
  }
  ui->btTocar->setEnabled(false);
  if (!Dispositivo().Abre(NomeArquivoGravar) || !Dispositivo().Grava()) {
    const QString erro = Dispositivo().Erro();
    Timer1.stop();
    Dispositivo().Fecha();
    ui->btParar->setEnabled(false);
    ui->btGravar->setText(QStringLiteral("Gravar"));
    MostraLuz(false);
    MostraErro(this, erro, kTituloErro);
    return;
  }
  ui->btParar->setEnabled(true);
  ui->btGravar->setText(QStringLiteral("Gravando..."));
  contaPiscar = 10;
  MostraLuz(true);
  Timer1.start();
}

void TfrmGravarAudio::Timer1Timer() {
  const qint64 p = Dispositivo().Posicao();
  ui->LabelPosicao->setText(TextoTempoGravacao(p));
  if (ui->btGravar->isEnabled()) {
    if (--contaPiscar < 1) {
      contaPiscar = 10;
      MostraLuz(true);
    } else if (contaPiscar < 5) {
      MostraLuz(false);
    }
    return;
  }
  // An empty take has nothing to play: it ends at once.
  LarguraBarra(duracaoArquivo > 0 ? int(p * kLarguraTrilha / duracaoArquivo) : 0);
  if (p >= duracaoArquivo) btPararClick();
}

void TfrmGravarAudio::btPararClick() {
  Timer1.stop();
  Dispositivo().Para();
  if (ui->btGravar->isEnabled()) {
    duracaoArquivo = Dispositivo().Posicao();
    ui->btGravar->setText(QStringLiteral("Gravar"));
    ui->btParar->setEnabled(false);
    ui->btTocar->setEnabled(true);
    ui->LabelFim->setText(TextoTempoGravacao(duracaoArquivo));
    MostraLuz(false);
    // Only a take that reached the file counts as recorded.
    if (Dispositivo().Salva())
      ArquivoGravado = true;
    else
      MostraErro(this, Dispositivo().Erro(), kTituloErro);
  } else {
    ui->btGravar->setEnabled(true);
    ui->btParar->setEnabled(false);
    ui->btTocar->setEnabled(true);
  }
  Dispositivo().Posiciona(0);
  ui->LabelPosicao->setText(QStringLiteral("00:00"));
  LarguraBarra(0);
  ui->btTocar->setText(QStringLiteral("Tocar"));
  ui->btTocar->setProperty("tag", 0);
}

void TfrmGravarAudio::btTocarClick() {
  if (ui->btTocar->property("tag").toInt() == 1) {
    ui->btTocar->setText(QStringLiteral("Tocar"));
    ui->btTocar->setProperty("tag", 0);
    Dispositivo().Pausa();
    return;
  }
  LarguraBarra(0);
  ui->LabelFim->setText(TextoTempoGravacao(duracaoArquivo));
  if (!Dispositivo().Toca()) {
    MostraErro(this, Dispositivo().Erro(), kTituloErro);
    return;
  }
  ui->btGravar->setEnabled(false);
  ui->btParar->setEnabled(true);
  Timer1.start();
  ui->btTocar->setText(QStringLiteral("Pausar"));
  ui->btTocar->setProperty("tag", 1);
}

void TfrmGravarAudio::done(int r) {
  Timer1.stop();
  if (FDispositivo) FDispositivo->Fecha();
  QDialog::done(r);
}
