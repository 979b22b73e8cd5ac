#include "UfrmEnviarArquivo.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTimer>
#include <cstdio>

#include "EnvioAudio.h"
#include "PlayGraficoArq.h"
#include "SessaoServidor.h"
#include "UfrmConverterAudio.h"
#include "UfrmGravarAudio.h"
#include "ambiente.h"
#include "configuracao.h"
#include "conversaoaudio.h"
#include "converteTTSKR.h"
#include "infoauxiliar.h"
#include "plataforma.h"
#include "posicao.h"
#include "ui_UfrmEnviarArquivo.h"
#include "wave.h"

namespace {
const QString kSecao = QStringLiteral("TelaEnviarArquivo");
const QString kSemConexao = QStringLiteral("Sem conexão com o servidor");
}  // namespace

bool CopiaSubstituindo(const QString& Origem, const QString& Destino, const TRenomeia& Renomeia) {
  QFile origem(Origem);
  if (!origem.open(QIODevice::ReadOnly)) return false;
  QTemporaryFile copia(Destino + QStringLiteral(".XXXXXX"));
  if (!copia.open()) return false;
  while (!origem.atEnd()) {
    const QByteArray bloco = origem.read(64 * 1024);
    if (bloco.isEmpty() || copia.write(bloco) != bloco.size()) return false;
  }
  if (!copia.flush() || !copia.setPermissions(origem.permissions())) return false;
  copia.close();
  // std::rename replaces an existing target in one step.
  const auto renomeia = [](const QString& De, const QString& Para) {
    return std::rename(QFile::encodeName(De).constData(), QFile::encodeName(Para).constData()) == 0;
  };
  // Until here the old file stood untouched; the rename replaces it at once.
  if (!(Renomeia ? Renomeia : TRenomeia(renomeia))(copia.fileName(), Destino)) return false;
  copia.setAutoRemove(false);
  return true;
}

TfrmEnviarArquivo::TfrmEnviarArquivo(TSessaoServidor* Sessao, bool Local, QWidget* Pai)
    : QDialog(Pai), ui(std::make_unique<Ui::TfrmEnviarArquivo>()), FSessao(Sessao), FLocal(Local) {
  ui->setupUi(this);
  strSalvarMaiusculo = Local ? QStringLiteral("Salvar") : QStringLiteral("Enviar");
  strSalvarMinusculo = Local ? QStringLiteral("salvar") : QStringLiteral("enviar");
  strNomeSalvarArquivo = Local ? QStringLiteral("Salvar arquivo") : QStringLiteral("Enviar arquivo");
  setWindowTitle(Local ? QStringLiteral("Criar arquivo de áudio") : QStringLiteral("Enviar arquivo de áudio"));
  ui->btOk->setText(strSalvarMaiusculo);
  ui->btTTS->setVisible(TemTTS());

  adjustSize();
  TConfiguracao cfg(kSecao);
  LePosicao(this, cfg, TModoPosicao::Posicao);
  const QSize tela = Plataforma().TamanhoTela();
  const int leftPadrao = (tela.width() - width()) / 2, topPadrao = (tela.height() - height()) / 2;
  leftPlay = cfg.LeInteiro(QStringLiteral("LeftPlay"), leftPadrao);
  topPlay = cfg.LeInteiro(QStringLiteral("TopPlay"), topPadrao);
  leftTTS = AcertaLeft(cfg.LeInteiro(QStringLiteral("LeftTTS"), leftPadrao), width());
  topTTS = AcertaTop(cfg.LeInteiro(QStringLiteral("TopTTS"), topPadrao), height());

  connect(ui->SpeedButton1, &QToolButton::clicked, this, &TfrmEnviarArquivo::SpeedButton1Click);
  connect(ui->SpeedButtonPlay, &QToolButton::clicked, this, &TfrmEnviarArquivo::SpeedButtonPlayClick);
  connect(ui->btOk, &QPushButton::clicked, this, &TfrmEnviarArquivo::btOkClick);
  connect(ui->btSair, &QPushButton::clicked, this, &TfrmEnviarArquivo::btSairClick);
  connect(ui->btTTS, &QPushButton::clicked, this, &TfrmEnviarArquivo::btTTSClick);
  connect(ui->btGravar, &QPushButton::clicked, this, &TfrmEnviarArquivo::btGravarClick);
  if (FSessao) connect(FSessao, &TSessaoServidor::ConexaoEncerrada, this, &TfrmEnviarArquivo::SemConexao);
  connect(ui->cbNomeArquivo, &QComboBox::currentIndexChanged, this, [this](int i) {
    ui->SpeedButtonPlay->setEnabled(i >= 0 && FEstado == TEstado::Ocioso);
    if (i >= 0) ui->edNomeArquivo->setText(ui->cbNomeArquivo->itemText(i));
  });
}

TfrmEnviarArquivo::~TfrmEnviarArquivo() {
  if (FPlayer) FPlayer->OnPlayGraficoClose = nullptr;
}

void TfrmEnviarArquivo::DefinePlayer(TfrmPlayGraficoArq* Player) {
  if (FPlayer) FPlayer->OnPlayGraficoClose = nullptr;
  FPlayer = Player;
  if (FPlayer) FPlayer->OnPlayGraficoClose = [this](int Left, int Top) { PlayGraficoClose(Left, Top); };
}

void TfrmEnviarArquivo::PlayGraficoClose(int Left, int Top) {
  leftPlay = Left;
  topPlay = Top;
}

bool TfrmEnviarArquivo::ArquivoWaveValido(const QString& Caminho) { return ::ArquivoWaveValido(Caminho); }
bool TfrmEnviarArquivo::NomeArquivoValido(const QString& Nome) { return ::NomeArquivoValido(Nome); }

bool TfrmEnviarArquivo::TemTTS() const { return FSessao && FSessao->bTemTTS; }
bool TfrmEnviarArquivo::Enviando() const { return FEstado == TEstado::Enviando; }

void TfrmEnviarArquivo::AtualizaLista(int Selecionado) {
  QSignalBlocker b(ui->cbNomeArquivo);
  ui->cbNomeArquivo->clear();
  for (const QString& c : listaArquivos) ui->cbNomeArquivo->addItem(QFileInfo(c).fileName());
  ui->cbNomeArquivo->setCurrentIndex(listaArquivos.isEmpty() ? -1
                                                             : qBound(0, Selecionado, int(listaArquivos.size()) - 1));
  const int i = ui->cbNomeArquivo->currentIndex();
  if (i >= 0) ui->edNomeArquivo->setText(ui->cbNomeArquivo->itemText(i));
  ui->SpeedButtonPlay->setEnabled(i >= 0 && FEstado == TEstado::Ocioso);
}

void TfrmEnviarArquivo::SpeedButton1Click() {
  QStringList outros;
  for (const QString& e : ExtensoesConvertiveis()) outros << QStringLiteral("*.") + e;
  const QStringList escolhidos = Plataforma().AbrirArquivos(
      this, windowTitle(), QString(),
      QStringLiteral("WAV files (*.wav);;Arquivos de áudio (*.wav ") + outros.join(u' ') + QStringLiteral(")"));
  if (escolhidos.isEmpty()) return;
  listaArquivos.clear();
  for (const QString& c : escolhidos) {
    const QFileInfo fi(c);
    const QString ext = fi.suffix().toLower();
    const bool wav = ext == u"wav";
    if ((!wav && !ExtensoesConvertiveis().contains(ext)) || !fi.exists()) continue;
    if (wav && ::ArquivoWaveValido(c)) {
      listaArquivos << c;
      continue;
    }
    // Refused, or not WAV at all: a converted copy may take its place.
    const QString motivo = wav ? TextoWaveInvalido(fi.fileName())
                               : QStringLiteral("Arquivo \"") + fi.fileName() + QStringLiteral("\" não é WAV.");
    if (!PerguntaSimNao(this, motivo + QStringLiteral("\rConverter para 8 kHz, 16 bits, mono?"), strNomeSalvarArquivo))
      continue;
    const QString convertido = Converte(c);
    if (!convertido.isEmpty()) listaArquivos << convertido;
  }
  AtualizaLista(0);
}

QString TfrmEnviarArquivo::Converte(const QString& Origem) {
  const QString nome = QFileInfo(Origem).fileName();
  if (!FConvertidos)
    FConvertidos =
        std::make_unique<QTemporaryDir>(JuntaCaminho(Ambiente().PastaTemporaria, QStringLiteral("conversao-XXXXXX")));
  // A folder per copy: two sources of one name keep it both.
  const QString pasta = JuntaCaminho(FConvertidos->path(), QString::number(++FConversoes));
  if (!FConvertidos->isValid() || !QDir().mkpath(pasta)) {
    MostraMensagem(this,
                   QStringLiteral("Não conseguiu converter o arquivo \"") + nome +
                       QStringLiteral("\": a pasta temporária não pode ser criada."),
                   strNomeSalvarArquivo);
    return {};
  }
  const QString destino = JuntaCaminho(pasta, QFileInfo(Origem).completeBaseName() + QStringLiteral(".wav"));
  TfrmConverterAudio dlg(this);
  dlg.Inicia(Origem, destino);
  const int r = ExecutaDialogo(&dlg);
  if (!dlg.Erro().isEmpty()) {
    MostraMensagem(this,
                   QStringLiteral("Não conseguiu converter o arquivo \"") + nome + QStringLiteral("\": ") + dlg.Erro(),
                   strNomeSalvarArquivo);
    return {};
  }
  if (r != QDialog::Accepted || !dlg.Terminada()) return {};  // cancelled
  if (!::ArquivoWaveValido(destino)) {
    MostraMensagem(this, TextoWaveInvalido(QFileInfo(destino).fileName()), strNomeSalvarArquivo);
    return {};
  }
  return destino;
}

void TfrmEnviarArquivo::SpeedButtonPlayClick() {
  const int i = ui->cbNomeArquivo->currentIndex();
  if (!FPlayer || i < 0 || i >= listaArquivos.size() || !QFileInfo::exists(listaArquivos[i])) return;
  if (FPlayer->PlayFile(listaArquivos[i])) ExecutaDialogo(FPlayer);
}

void TfrmEnviarArquivo::btOkClick() {
  const QString titulo = strNomeSalvarArquivo;
  const int i = ui->cbNomeArquivo->currentIndex();
  if (ui->cbNomeArquivo->currentText().trimmed().isEmpty() || i < 0 || i >= listaArquivos.size()) {
    MostraMensagem(this, QStringLiteral("Não há arquivo selecionado para ") + strSalvarMinusculo + u'.', titulo);
    return;
  }
  QString nome = ui->edNomeArquivo->text();
  if (nome.trimmed().isEmpty()) {
    MostraMensagem(this, QStringLiteral("Informe o nome do arquivo."), titulo);
    return;
  }
  if (!::NomeArquivoValido(nome)) {
    MostraMensagem(this,
                   QStringLiteral("Nome do arquivo inválido. Deve conter apenas letras e/ou dígitos, além de \"-\", "
                                  "\".\" e \"_\"."),
                   titulo);
    return;
  }
  if (ui->edDescricao->text().trimmed().isEmpty()) {
    MostraMensagem(this, QStringLiteral("Informe uma descrição para o arquivo."), titulo);
    return;
  }
  const QString ext = QFileInfo(nome).suffix();
  if (!ext.isEmpty() && ext != u"wav") {
    MostraMensagem(this, QStringLiteral("Extensão do arquivo inválida."), titulo);
    return;
  }
  if (ext.isEmpty()) {
    // "msg." becomes "msg.wav", not "msg..wav" (which the name rule refuses).
    nome += nome.endsWith(u'.') ? QStringLiteral("wav") : QStringLiteral(".wav");
    ui->edNomeArquivo->setText(nome);
  }
  NomeArquivoEnviar = listaArquivos[i];
  FNomeEnvio = nome;

  if (Local()) {
    const QString destino = JuntaCaminho(FPastaMensagens, nome);
    if (QFileInfo::exists(destino) &&
        !PerguntaSimNao(this, QStringLiteral("Já existe um arquivo com o mesmo nome. Deseja sobrescrever?"), titulo))
      return;
    if (FPastaMensagens.isEmpty() || !QDir().mkpath(FPastaMensagens) ||
        !CopiaSubstituindo(NomeArquivoEnviar, destino)) {
      MostraMensagem(this, QStringLiteral("Não conseguiu salvar o arquivo."), titulo);
      return;
    }
    ArquivoSalvoOuEnviado(nome);
    ArquivoEnviado = true;
    return;
  }

  if (!FSessao) return;
  // Requests are not sent without a connection: nothing would answer.
  if (!FSessao->ClientManager->Connected()) {
    MostraMensagem(this, kSemConexao, titulo);
    return;
  }
  for (QWidget* w :
       std::initializer_list<QWidget*>{ui->cbNomeArquivo, ui->edNomeArquivo, ui->btOk, ui->SpeedButtonPlay, ui->btTTS})
    w->setEnabled(false);
  FEstado = TEstado::AguardandoServidor;
  FSessao->IniciaEnvioAudio(nome);
}

void TfrmEnviarArquivo::EnviaBlocoArquivo() {
  // After a cancel or an error the server may still ask: nothing is sent.
  if (FEstado == TEstado::Ocioso || !FSessao) return;
  if (!FEnvio) {
    FEnvio = TEnvioAudio::DoArquivo(FNomeEnvio, NomeArquivoEnviar);
    if (!FEnvio) {
      EstadoOcioso();
      MostraMensagem(this, QStringLiteral("Não conseguiu abrir o arquivo para ") + strSalvarMinusculo + u'.',
                     strNomeSalvarArquivo);
      return;
    }
    ui->ProgressBar1->setMaximum(int(qMin<qint64>(FEnvio->Tamanho(), INT_MAX)));
    ui->ProgressBar1->setValue(0);
    ui->ProgressBar1->show();
    ui->btSair->setText(QStringLiteral("Cancelar"));
    FEstado = TEstado::Enviando;
  }
  if (!FEnvio->ProximoBloco(*FSessao)) {
    // A file that cannot be read to its end is never reported as sent.
    EstadoOcioso();
    MostraMensagem(this, QStringLiteral("Não conseguiu ler o arquivo para ") + strSalvarMinusculo + u'.',
                   strNomeSalvarArquivo);
    return;
  }
  ui->ProgressBar1->setValue(int(qMin<qint64>(FEnvio->Posicao(), INT_MAX)));
  if (!FEnvio->Finalizado()) return;
  ArquivoEnviado = true;
  ArquivoSalvoOuEnviado(FNomeEnvio);
  EstadoOcioso();
  MostraMensagem(this, QStringLiteral("Arquivo enviado com sucesso."), strNomeSalvarArquivo);
}

void TfrmEnviarArquivo::ErroEnvioArquivo() { EstadoOcioso(); }

void TfrmEnviarArquivo::SemConexao() {
  if (FEstado == TEstado::Ocioso) return;
  EstadoOcioso();
  // Said after the network event that brought the news, never inside it.
  QTimer::singleShot(0, this, [this] { MostraMensagem(this, kSemConexao, strNomeSalvarArquivo); });
}

void TfrmEnviarArquivo::EstadoOcioso() {
  FEnvio.reset();
  FEstado = TEstado::Ocioso;
  ui->ProgressBar1->hide();
  ui->btSair->setText(QStringLiteral("Sair"));
  ui->btOk->setEnabled(true);
  ui->cbNomeArquivo->setEnabled(true);
  ui->edNomeArquivo->setEnabled(true);
  ui->SpeedButtonPlay->setEnabled(ui->cbNomeArquivo->currentIndex() >= 0);
  ui->btTTS->setEnabled(TemTTS());
}

void TfrmEnviarArquivo::ArquivoSalvoOuEnviado(const QString& Nome) {
  if (Nome.isEmpty()) return;
  QString arquivo = Nome;
  if (arquivo.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive)) arquivo.chop(4);
  TMUDescricaoMensagem* m = MenuUraInfoAuxiliar.ListaDeMensagens.SearchItem(arquivo);
  if (!m) {
    auto novo = std::make_unique<TMUDescricaoMensagem>(arquivo);
    m = novo.get();
    MenuUraInfoAuxiliar.ListaDeMensagens.Add(std::move(novo));
  }
  m->Descricao = ui->edDescricao->text();

  int i = int(listaArquivos.indexOf(NomeArquivoEnviar));
  if (i < 0) i = ui->cbNomeArquivo->currentIndex();
  if (i >= 0 && i < listaArquivos.size()) listaArquivos.removeAt(i);
  AtualizaLista(qMin(i, int(listaArquivos.size()) - 1));
  ui->cbNomeArquivo->setEnabled(true);
  ui->edDescricao->setEnabled(true);
  ui->edDescricao->clear();
  ui->edDescricao->setFocus();
}

bool TfrmEnviarArquivo::PerguntaArquivosEsperando(const QString& Final) {
  if (listaArquivos.isEmpty()) return true;
  return PerguntaSimNao(this, QStringLiteral("Existem arquivos para ") + strSalvarMinusculo + u'.' + u' ' + Final,
                        strNomeSalvarArquivo);
}

QString TfrmEnviarArquivo::ArquivoTemporario(const QString& Extensao) const {
  return JuntaCaminho(Ambiente().PastaTemporaria,
                      Plataforma().Agora().toString(QStringLiteral("yyyyMMddhhmmss")) + u'.' + Extensao);
}

void TfrmEnviarArquivo::SubstituiEspera(const QString& Arquivo, bool CopiaNome) {
  const QString nomeAntes = ui->edNomeArquivo->text();
  listaArquivos = QStringList{Arquivo};
  AtualizaLista(0);
  if (!CopiaNome) ui->edNomeArquivo->setText(nomeAntes);
}

void TfrmEnviarArquivo::btTTSClick() {
  if (!TemTTS()) return;
  if (!PerguntaArquivosEsperando(QStringLiteral("Deseja continuar?"))) return;
  if (ui->edDescricao->text().trimmed().isEmpty()) {
    MostraMensagem(this, QStringLiteral("Informe uma descrição para o arquivo."), strNomeSalvarArquivo);
    return;
  }
  const TCfgTTSServidor& cfg = FSessao->CfgTTSServ;
  const QString saida = ArquivoTemporario(cfg.formato);
  TfrmConverteTTSKR tts(this);
  tts.ttskrMsgConverte = ui->edDescricao->text().toLower();
  tts.ttskrURL = cfg.EnderecoServ;
  tts.ttskrArquivoSaida = saida;
  tts.ttskrModoJSON = true;
  tts.ttskrUsername = cfg.Login;
  tts.ttskrPassword = cfg.Senha;
  tts.ttskrLocutora = cfg.Locutor;
  tts.ttskrUserAgent = QStringLiteral("Parlino Versão 1.0.0.1");
  tts.ttskrNomeCliente = cfg.Empresa;
  tts.ttskrFormatoArquivo = cfg.formato;
  tts.ttskrNBits = cfg.Bits;
  tts.StartConversion();
  tts.move(leftTTS, topTTS);
  ExecutaDialogo(&tts);
  leftTTS = tts.x();
  topTTS = tts.y();
  const QFileInfo fi(saida);
  if (!tts.ttskrResultado || fi.suffix().toLower() != u"wav" || !fi.exists()) return;
  if (::ArquivoWaveValido(saida))
    SubstituiEspera(saida, true);
  else
    MostraMensagem(this, TextoWaveInvalido(fi.fileName()), strNomeSalvarArquivo);
}

void TfrmEnviarArquivo::btGravarClick() {
  if (!PerguntaArquivosEsperando(QStringLiteral("Deseja continuar?"))) return;
  const QString alvo = ArquivoTemporario(QStringLiteral("wav"));
  TfrmGravarAudio gravador(this, FFabrica);
  if (!gravador.SetarNomeArquivo(alvo)) return;
  const int r = ExecutaDialogo(&gravador);
  if (r == QDialog::Accepted && gravador.ArquivoGravado) {
    // A take too short to hold a sample would be refused by the server.
    if (::ArquivoWaveValido(alvo)) {
      SubstituiEspera(alvo, ui->edNomeArquivo->text().isEmpty());
      return;
    }
    MostraMensagem(this, TextoWaveInvalido(QFileInfo(alvo).fileName()), strNomeSalvarArquivo);
  }
  if (QFileInfo::exists(alvo)) QFile::remove(alvo);
}

void TfrmEnviarArquivo::btSairClick() {
  if (Enviando()) {
    EstadoOcioso();
    return;
  }
  close();
}

void TfrmEnviarArquivo::reject() { btSairClick(); }

bool TfrmEnviarArquivo::PodeFechar() { return FFechado || PerguntaArquivosEsperando(QStringLiteral("Deseja sair?")); }

void TfrmEnviarArquivo::Fecha() {
  if (FFechado) return;
  FFechado = true;
  if (FPlayer) FPlayer->OnPlayGraficoClose = nullptr;
  TConfiguracao cfg(kSecao);
  GravaPosicao(this, cfg, TModoPosicao::Posicao);
  cfg.GravaInteiro(QStringLiteral("TopPlay"), topPlay);
  cfg.GravaInteiro(QStringLiteral("LeftPlay"), leftPlay);
  cfg.GravaInteiro(QStringLiteral("TopTTS"), topTTS);
  cfg.GravaInteiro(QStringLiteral("LeftTTS"), leftTTS);
  FEnvio.reset();
  FEstado = TEstado::Ocioso;
  done(ArquivoEnviado ? QDialog::Accepted : QDialog::Rejected);
}

void TfrmEnviarArquivo::closeEvent(QCloseEvent* E) {
  if (!PodeFechar()) {
    E->ignore();
    return;
  }
  Fecha();
  E->accept();
}
