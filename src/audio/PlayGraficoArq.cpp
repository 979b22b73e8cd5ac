#include "PlayGraficoArq.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QStyle>

#include "plataforma.h"
#include "ui_PlayGraficoArq.h"

namespace {
constexpr int W = TGraficoOnda::W;
constexpr int H = TGraficoOnda::H;
const QString kTituloErro = QStringLiteral("Erro");
}  // namespace

TfrmPlayGraficoArq::TfrmPlayGraficoArq(QWidget* Pai, TFabricaDispositivo Fabrica)
    : QDialog(Pai, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                       Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::TfrmPlayGraficoArq>()),
      FFabrica(Fabrica ? std::move(Fabrica) : TFabricaDispositivo(CriaDispositivoAudioQt)) {
  ui->setupUi(this);
  // The separator, the ruler image and its labels sit at computed pixel
  // places over the images, so they are made here rather than laid out.
  auto* sep = new QFrame(ui->ImageDireito);
  sep->setObjectName(QStringLiteral("PanelSeparador"));
  sep->setGeometry(0, H / 2, W, 2);
  sep->setStyleSheet(QStringLiteral("background: #808080;"));
  sep->hide();
  QPalette pal = ui->PanelEscalaTempo->palette();
  pal.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
  ui->PanelEscalaTempo->setPalette(pal);
  auto* regua = new QLabel(ui->PanelEscalaTempo);
  regua->setObjectName(QStringLiteral("ImageTempo"));
  regua->setGeometry(0, 0, W, TGraficoOnda::HRegua);
  for (int n = 0; n <= TGraficoOnda::NumRotulos; ++n) {
    auto* l = new QLabel(ui->PanelEscalaTempo);
    l->setObjectName(QStringLiteral("lbTempo%1").arg(n));
    QFont f(QStringLiteral("Arial Narrow"));
    f.setPointSize(8);
    l->setFont(f);
    l->move(n == 0 ? 2 : 0, TGraficoOnda::HRegua);
    l->setVisible(n == 0);
    l->installEventFilter(this);
    FRotulos[n] = l;
  }
  FRotulos[0]->setText(QStringLiteral("m:s"));
  regua->installEventFilter(this);
  ui->PanelEscalaTempo->installEventFilter(this);
  ui->ImageDireito->installEventFilter(this);
  ui->ImageDireito->setMouseTracking(false);

  const struct {
    QToolButton* b;
    QStyle::StandardPixmap p;
  } icones[] = {{ui->sbPlay, QStyle::SP_MediaPlay},         {ui->sbPause, QStyle::SP_MediaPause},
                {ui->sbStop, QStyle::SP_MediaStop},         {ui->sbPlayLoop, QStyle::SP_BrowserReload},
                {ui->sbBack, QStyle::SP_MediaSeekBackward}, {ui->sbStep, QStyle::SP_MediaSeekForward}};
  for (const auto& i : icones) i.b->setIcon(style()->standardIcon(i.p));

  connect(ui->sbPlay, &QToolButton::clicked, this, [this] { sbPlayClick(false); });
  connect(ui->sbPlayLoop, &QToolButton::clicked, this, [this] { sbPlayClick(true); });
  connect(ui->sbPause, &QToolButton::clicked, this, &TfrmPlayGraficoArq::sbPauseClick);
  connect(ui->sbStop, &QToolButton::clicked, this, &TfrmPlayGraficoArq::sbStopClick);
  connect(ui->sbBack, &QToolButton::clicked, this, &TfrmPlayGraficoArq::sbBackClick);
  connect(ui->sbStep, &QToolButton::clicked, this, &TfrmPlayGraficoArq::sbStepClick);
  connect(ui->ScrollBarVolume, &QScrollBar::valueChanged, this, &TfrmPlayGraficoArq::ScrollBarVolumeChange);
  TimerProgresso.setInterval(10);
  connect(&TimerProgresso, &QTimer::timeout, this, &TfrmPlayGraficoArq::TimerProgressoTimer);

  for (QLabel* p : {ui->PanelTempoPlay, ui->PanelTempoTotal, ui->PanelSelIni, ui->PanelSelFim, ui->PanelSelTam})
    p->setText(TextoTempo(0));
  AtualizaImagens();
  GetVolume();
}

TfrmPlayGraficoArq::~TfrmPlayGraficoArq() = default;

IDispositivoAudio& TfrmPlayGraficoArq::Dispositivo() {
  if (!FDispositivo) FDispositivo = FFabrica();
  return *FDispositivo;
}

void TfrmPlayGraficoArq::AtualizaImagens() {
  ui->ImageDireito->setPixmap(QPixmap::fromImage(Grafico.Imagem()));
  if (auto* r = findChild<QLabel*>(QStringLiteral("ImageTempo")))
    r->setPixmap(QPixmap::fromImage(Grafico.ImagemRegua()));
}

void TfrmPlayGraficoArq::MostraTempoPanel(QLabel* Painel, qint64 Ms) {
  const QString t = TextoTempo(Ms);
  if (Painel->text() != t) Painel->setText(t);
}

void TfrmPlayGraficoArq::IniciaTelaGrafica() {
  Plataforma().CursorOcupado(true);
  FCursorOcupado = true;
  Grafico.Limpa();
  for (int n = 1; n <= TGraficoOnda::NumRotulos; ++n) FRotulos[n]->hide();
  ui->PanelTempoPlay->setText(QStringLiteral("00:00"));
  for (QLabel* p : {ui->PanelTempoTotal, ui->PanelSelIni, ui->PanelSelFim}) MostraTempoPanel(p, 0);
  // The marks of an earlier file mean nothing on the cleared display.
  PlayerAtivado = false;
  AtualizaImagens();
  repaint();
}

void TfrmPlayGraficoArq::CursorNormal() {
  if (!FCursorOcupado) return;
  FCursorOcupado = false;
  Plataforma().CursorOcupado(false);
}

bool TfrmPlayGraficoArq::PlayFile(const QString& Caminho) {
  NomeArquivo = Caminho;
  IniciaTelaGrafica();
  if (LiveAudioPlayer1Actived) LiveAudioPlayer1Deactive();
  FHPlay.close();
  NomeArquivoWav = Caminho;
  FHPlay.setFileName(Caminho);
  if (!FHPlay.open(QIODevice::ReadOnly)) {
    CursorNormal();
    MostraErro(this, QStringLiteral("Não conseguiu abrir arquivo local"), kTituloErro);
    return false;
  }
  TFormatoWave f;
  const qint32 cabecalho = GetMyWaveFormatHeader(FHPlay, f);
  Grafico.Formato = f;
  if (cabecalho == 0) {
    // Shown all the same, with the cleared display: nothing plays.
    CursorNormal();
    return true;
  }
  MontaTelaGraficaNew();
  Grafico.DesenhaArquivo(FHPlay);
  AtualizaImagens();
  TimerProgresso.start();
  return IniciaPlay(false);
}

void TfrmPlayGraficoArq::MontaTelaGraficaNew() {
  TimerProgresso.stop();
  XDragIni = XDragIniPlay = XDragFim = XDragFimPlay = 0;
  Grafico.Monta(Grafico.Formato);
  const bool stereo = Grafico.InfoTelaPay.lStereo;
  if (auto* sep = findChild<QFrame*>(QStringLiteral("PanelSeparador"))) sep->setVisible(stereo);
  for (QWidget* w : std::initializer_list<QWidget*>{ui->CheckBoxVolL, ui->CheckBoxVolR, ui->LabelL, ui->LabelR})
    w->setEnabled(stereo);
  ui->CheckBoxVolL->setChecked(true);
  ui->CheckBoxVolR->setChecked(true);
  MostraReguaTempo();
  ui->PanelTempoPlay->setText(QStringLiteral("00:00"));
  MostraTempoPanel(ui->PanelTempoTotal, FormatoWave().Duracao);
  MostraTempoPanel(ui->PanelSelIni, 0);
  MostraTempoPanel(ui->PanelSelFim, 0);
  PlayerAtivado = true;
  XAtual = 0;
  MouseDown = false;
  PlayLoop = false;
  if (FormatoWave().Duracao > 0) TimerProgresso.start();
  CursorNormal();
}

void TfrmPlayGraficoArq::MostraReguaTempo() {
  QFont f0 = FRotulos[0]->font();
  f0.setPointSize(MostrarHora ? 7 : 8);
  FRotulos[0]->setFont(f0);
  FRotulos[0]->setText(MostrarHora ? QStringLiteral("h:m:s") : QStringLiteral("m:s"));
  FRotulos[0]->adjustSize();
  FRotulos[0]->show();
  for (int n = 1; n <= TGraficoOnda::NumRotulos; ++n) {
    QLabel* l = FRotulos[n];
    if (!Grafico.RotuloVisivel[n]) {
      l->hide();
      continue;
    }
    l->setText(TextoRotulo(Grafico.ValorX[n]));
    l->adjustSize();
    l->move(Grafico.PosicaoX[n] - l->width() / 2, TGraficoOnda::HRegua);
    l->show();
  }
}

QLabel* TfrmPlayGraficoArq::RotuloTempo(int n) const { return FRotulos.at(n); }

void TfrmPlayGraficoArq::HabilitaBotoes(bool Play, bool Loop, bool Outros) {
  ui->sbPlay->setEnabled(Play);
  ui->sbPlayLoop->setEnabled(Loop);
  for (QToolButton* b : {ui->sbPause, ui->sbStop, ui->sbBack, ui->sbStep}) b->setEnabled(Outros);
}

void TfrmPlayGraficoArq::sbPlayClick(bool Loop) { IniciaPlay(Loop); }

bool TfrmPlayGraficoArq::IniciaPlay(bool Loop) {
  TimerProgresso.stop();
  PlayLoop = Loop;
  LiveAudioPlayer1Paused = false;
  ui->sbPause->setToolTip(QStringLiteral("Pausar"));
  Grafico.KRLineToPlay(false, XAtual);
  XDragFimPlay = XDragFim;
  if (XDragIniPlay != XDragIni) {
    XAtual = XDragIniPlay;
    XDragIniPlay = XDragIni;
  } else {
    XAtual = XDragIni;
  }
  Grafico.KRLineToPlay(true, XAtual);
  AtualizaImagens();
  const int inicio = Grafico.TempoDaColuna(XAtual);
  mPlayerPosition = inicio;
  if (!LiveAudioPlayer1Actived) {
    Stoping = false;
    if (!Dispositivo().Abre(NomeArquivoWav)) {
      HabilitaBotoes(true, true, false);
      MostraErro(this, Dispositivo().Erro(), kTituloErro);
      return false;
    }
    LiveAudioPlayer1Actived = true;
    HabilitaBotoes(true, true, true);
  }
  Dispositivo().Posiciona(inicio + 1);
  if (!Dispositivo().Toca()) {
    const QString erro = Dispositivo().Erro();
    LiveAudioPlayer1Deactive();
    HabilitaBotoes(true, true, false);
    MostraErro(this, erro, kTituloErro);
    return false;
  }
  HabilitaBotoes(!Loop, Loop, true);
  TimerProgresso.start();
  return true;
}

void TfrmPlayGraficoArq::TimerProgressoTimer() {
  if (!LiveAudioPlayer1Actived || LiveAudioPlayer1Paused || Stoping) return;
  const qint64 p = Dispositivo().Posicao();
  mPlayerPosition = p;
  const int x = Grafico.ColunaDoTempo(p);
  const bool trecho = XDragIni != XDragFim;
  if (x != XAtual) {
    Grafico.KRLineToPlay(false, XAtual);
    if (trecho && XDragIni <= XAtual && XAtual <= XDragFim) Grafico.KRLineTo(true, XAtual);
    XAtual = x;
    Grafico.KRLineToPlay(true, x);
    AtualizaImagens();
  }
  const bool fim = p > FormatoWave().Duracao || (!trecho && XAtual >= W) ||
                   (trecho && XAtual >= XDragFim && !MouseDown && XDragFim == XDragFimPlay);
  if (fim) {
    if (PlayLoop)
      IniciaPlay(true);
    else
      sbStopClick();
  }
  MostraTempoPanel(ui->PanelTempoPlay, mPlayerPosition);
}

void TfrmPlayGraficoArq::sbPauseClick() {
  const bool estavaPausado = LiveAudioPlayer1Paused;
  ui->sbBack->setEnabled(estavaPausado);
  ui->sbStep->setEnabled(estavaPausado);
  LiveAudioPlayer1Paused = !LiveAudioPlayer1Paused;
  if (LiveAudioPlayer1Paused) {
    Dispositivo().Pausa();
    ui->sbPause->setToolTip(QStringLiteral("Continuar"));
  } else {
    Dispositivo().Toca();
    ui->sbPause->setToolTip(QStringLiteral("Pausar"));
  }
}

void TfrmPlayGraficoArq::LiveAudioPlayer1Deactive() {
  HabilitaBotoes(false, false, false);
  Stoping = true;
  LiveAudioPlayer1Paused = false;
  LiveAudioPlayer1Actived = false;
  if (FDispositivo) FDispositivo->Fecha();
  HabilitaBotoes(true, true, true);
}

void TfrmPlayGraficoArq::sbStopClick() {
  Grafico.KRLineToPlay(false, XAtual);
  AtualizaImagens();
  LiveAudioPlayer1Deactive();
  HabilitaBotoes(true, true, false);
  XDragIniPlay = XDragIni;
  MostraTempoPanel(ui->PanelTempoPlay, Grafico.TempoDaColuna(XDragIni));
}

void TfrmPlayGraficoArq::Desloca(int Delta) {
  if (!ui->sbPlay->isEnabled() && !ui->sbStop->isEnabled()) return;
  TimerProgresso.stop();
  const bool trecho = XDragIni != XDragFim;
  int x = XAtual + Delta;
  if (Delta < 0) {
    x = qMax(x, 0);
    if (trecho) x = qMax(x, XDragIni);
  } else {
    x = qMin(x, W);
    if (trecho && x > XDragFim) x = XDragIni;
  }
  if (x != XAtual) {
    Grafico.KRLineToPlay(false, XAtual);
    XAtual = x;
    Grafico.KRLineToPlay(true, x);
    AtualizaImagens();
    XDragIniPlay = x;
    if (LiveAudioPlayer1Actived) IniciaPlay(PlayLoop);
  }
  TimerProgresso.start();
}

void TfrmPlayGraficoArq::sbBackClick() { Desloca(-(W / 50)); }
void TfrmPlayGraficoArq::sbStepClick() { Desloca(W / 50); }

void TfrmPlayGraficoArq::MostraSelecao(bool Soltou) {
  const int a = Grafico.TempoDaColuna(XDragIni);
  const int b = Grafico.TempoDaColuna(XDragFim);
  MostraTempoPanel(ui->PanelSelIni, a);
  if (!LiveAudioPlayer1Actived) MostraTempoPanel(ui->PanelTempoPlay, a);
  MostraTempoPanel(ui->PanelSelFim, b);
  MostraTempoPanel(ui->PanelSelTam, Soltou ? (b / 1000 - a / 1000) * 1000 : b - a);
}

void TfrmPlayGraficoArq::MouseDownEm(int X, bool Shift) {
  if (!PlayerAtivado) return;
  TimerProgresso.stop();
  if (!Shift) {
    if (XDragIni == XDragFim)
      Grafico.KRLineToCursor(false, XDragFim);
    else
      Grafico.KRFillRect(false, XDragIni, XDragFim);
    XDragIni = XDragFim = XDragIniPlay = X;
    MostraTempoPanel(ui->PanelSelIni, Grafico.TempoDaColuna(X));
    if (!LiveAudioPlayer1Actived) MostraTempoPanel(ui->PanelTempoPlay, Grafico.TempoDaColuna(X));
    AtualizaImagens();
  }
  MouseDown = true;
  TimerProgresso.start();
}

void TfrmPlayGraficoArq::MouseMoveEm(int X) {
  if (!PlayerAtivado || !MouseDown || X < 0 || X >= W) return;
  if (X < XDragIni) {
    XDragIni = XDragIniPlay = X;
  } else {
    if (X < XDragFim) Grafico.KRFillRect(false, X, XDragFim);
    XDragFim = X;
  }
  MostraSelecao(false);
  Grafico.KRFillRect(true, XDragIni, XDragFim);
  AtualizaImagens();
}

void TfrmPlayGraficoArq::MouseUpEm(int X, bool Shift) {
  if (!PlayerAtivado) {
    MouseDown = false;
    return;
  }
  // A release outside the image counts at its nearest column.
  X = qBound(0, X, W - 1);
  if (X < XDragIni) {
    Grafico.KRLineToCursor(false, XDragIni);
    XDragIni = XDragIniPlay = X;
  } else {
    if (X < XDragFim) Grafico.KRFillRect(false, X, XDragFim);
    if (Shift) XDragFim = X;
  }
  MostraSelecao(true);
  if (XDragIni == XDragFim) {
    Grafico.KRLineToCursor(true, XDragFim);
  } else {
    Grafico.KRLineToCursor(false, XDragIni);
    Grafico.KRFillRect(true, XDragIni, XDragFim);
  }
  AtualizaImagens();
  MouseDown = false;
}

void TfrmPlayGraficoArq::PanelEscalaTempoDblClick() {
  MostrarHora = !MostrarHora;
  MostraReguaTempo();
  MouseUpEm(XDragFim, XDragIni != XDragFim);
}

bool TfrmPlayGraficoArq::eventFilter(QObject* O, QEvent* E) {
  if (O == ui->ImageDireito) {
    if (E->type() == QEvent::MouseButtonPress || E->type() == QEvent::MouseMove ||
        E->type() == QEvent::MouseButtonRelease) {
      auto* m = static_cast<QMouseEvent*>(E);
      const int x = int(m->position().x());
      const bool shift = m->modifiers() & Qt::ShiftModifier;
      if (E->type() == QEvent::MouseButtonPress)
        MouseDownEm(x, shift);
      else if (E->type() == QEvent::MouseMove)
        MouseMoveEm(x);
      else
        MouseUpEm(x, shift);
      return true;
    }
  } else if (E->type() == QEvent::MouseButtonDblClick) {
    PanelEscalaTempoDblClick();
    return true;
  }
  return QDialog::eventFilter(O, E);
}

void TfrmPlayGraficoArq::GetVolume() {
  quint32 esquerdo = 0;
  if (Dispositivo().SuportaVolume())
    esquerdo = Dispositivo().Volume() & 0xFFFF;
  else
    MostraMensagem(this, QStringLiteral("Controle de volume não suportado"), windowTitle());
  ui->ScrollBarVolume->setValue(int(65535 - esquerdo));
}

void TfrmPlayGraficoArq::SetVolume(quint32 Volume) {
  if (Dispositivo().SuportaVolume())
    Dispositivo().DefineVolume(Volume);
  else
    MostraMensagem(this, QStringLiteral("Controle de volume não suportado"), windowTitle());
}

void TfrmPlayGraficoArq::ScrollBarVolumeChange(int Posicao) {
  const quint32 nivel = quint32(65535 - Posicao);
  ui->LabelPercent->setText(QString::number(nivel * 100 / 65535) + u'%');
  SetVolume(nivel | (nivel << 16));
}

void TfrmPlayGraficoArq::done(int r) {
  if (LiveAudioPlayer1Actived) sbStopClick();
  TimerProgresso.stop();
  if (OnPlayGraficoClose) OnPlayGraficoClose(x(), y());
  FHPlay.close();
  QDialog::done(r);
}
