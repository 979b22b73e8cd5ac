#include "edicao.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QUndoStack>
#include <algorithm>

#include "UTKRDACFuncoes.h"
#include "UfrmComparacao.h"
#include "UfrmEditaLista.h"
#include "UfrmLocalizar.h"
#include "UfrmMain.h"
#include "UfrmVersoes.h"
#include "ambiente.h"
#include "busca.h"
#include "diferencas.h"
#include "editores.h"
#include "erros.h"
#include "plataforma.h"

namespace {
const QString kFiltroXml = QStringLiteral("XML files (*.xml)");
const QString kErroAbrir = QStringLiteral("Ocorreu um erro ao abrir o arquivo. O mesmo pode ser inválido.?");
const QString kTituloRecuperar = QStringLiteral("Recuperar alterações");
// 100 steps of menu edits on a 2,000-menu URA stay far below 200 MB; a
// restored version holds a whole document, and is one step of the hundred.
constexpr int kLimitePassos = 100;
// The first copy after a change waits this long (or the whole interval, when shorter).
constexpr qint64 kPrimeiraCopiaMs = 2000;

int LinhaSelecionada(const QTreeWidget* Lista) {
  QTreeWidgetItem* item = Lista->currentItem();
  return item && item->isSelected() ? Lista->indexOfTopLevelItem(item) : -1;
}

QByteArray LeBytes(const QString& Caminho) {
  QFile f(Caminho);
  return QFileInfo(Caminho).isFile() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEdicaoDocumento::TEdicaoDocumento(TfrmMain* Janela)
    : W(Janela),
      FPilha(std::make_unique<QUndoStack>()),
      FVersoes(JuntaCaminho(PastaDadosUsuario(), QStringLiteral("historico"))),
      FRecuperacao(std::make_unique<TRecuperacao>(JuntaCaminho(PastaDadosUsuario(), QStringLiteral("recuperacao")))) {
  FPilha->setUndoLimit(kLimitePassos);
  FTimerRecuperacao.setSingleShot(true);
  connect(&FTimerRecuperacao, &QTimer::timeout, this, [this] { ExecutaComando(W, [this] { GravaRecuperacao(); }); });
  connect(W, &TfrmMain::DocumentoAlterado, this, &TEdicaoDocumento::DocumentoAlterado);
  connect(FPilha.get(), &QUndoStack::indexChanged, this, &TEdicaoDocumento::PilhaMudou);
  CriaComandos();
  // Left-overs of a killed program are asked about once the window is up.
  QTimer::singleShot(0, this, [this] { ExecutaComando(W, [this] { VerificaRecuperacao(); }); });
  // Test-only path (the recovery test kills the program): types this text
  // into the open document's description as soon as the window runs.
  // Nothing happens unless the variable is set.
  const QString descricao = qEnvironmentVariable("CONFIGURADOR_URA_TESTE_DESCRICAO");
  if (!descricao.isEmpty())
    QTimer::singleShot(0, this, [this, descricao] {
      if (Dac()) W->edDescricaoDAC->setText(descricao);
    });
}

TEdicaoDocumento::~TEdicaoDocumento() {
  // The stack empties itself as it goes; the window is going too.
  FPilha->disconnect(this);
  // A normal end ("Sair") leaves no recovery copy behind.
  if (FCopiaGravada) FRecuperacao->Remove();
}

TDAC* TEdicaoDocumento::Dac() const { return W->DacAtual(); }

TfrmLocalizar* TEdicaoDocumento::JanelaLocalizar() const { return FLocalizar; }

TfrmComparacao* TEdicaoDocumento::JanelaComparacao() const { return FComparacao; }

// ---- Commands ----------------------------------------------------------------------

void TEdicaoDocumento::CriaComandos() {
  auto liga = [this](QAction* Acao, void (TEdicaoDocumento::*Comando)()) {
    connect(Acao, &QAction::triggered, this,
            [this, Comando] { ExecutaComando(W, [this, Comando] { (this->*Comando)(); }); });
  };
  QMenuBar* barra = W->menuBar();
  auto* editar = new QMenu(QStringLiteral("Editar"), barra);
  editar->setObjectName(QStringLiteral("mnuEditar"));
  const auto* mensagens = W->findChild<QMenu*>(QStringLiteral("mnuMensagens"));
  barra->insertMenu(mensagens ? mensagens->menuAction() : nullptr, editar);
  mnuDesfazer = FPilha->createUndoAction(editar, QStringLiteral("Desfazer"));
  mnuDesfazer->setObjectName(QStringLiteral("mnuDesfazer"));
  mnuDesfazer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  mnuRefazer = FPilha->createRedoAction(editar, QStringLiteral("Refazer"));
  mnuRefazer->setObjectName(QStringLiteral("mnuRefazer"));
  mnuRefazer->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  editar->addAction(mnuDesfazer);
  editar->addAction(mnuRefazer);
  editar->addSeparator();
  mnuLocalizar = editar->addAction(QStringLiteral("Localizar..."));
  mnuLocalizar->setObjectName(QStringLiteral("mnuLocalizar"));
  mnuLocalizar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  liga(mnuLocalizar, &TEdicaoDocumento::Localizar);
  mnuOndeUsado = editar->addAction(QStringLiteral("Onde é usado"));
  mnuOndeUsado->setObjectName(QStringLiteral("mnuOndeUsado"));
  liga(mnuOndeUsado, &TEdicaoDocumento::OndeUsadoMenuSelecionado);

  // "Arquivo URA": after "Verificar URA...".
  auto* arquivo = W->findChild<QMenu*>(QStringLiteral("mnuArquivoURA"));
  mnuVersoes = new QAction(QStringLiteral("Versões anteriores..."), arquivo);
  mnuVersoes->setObjectName(QStringLiteral("mnuVersoes"));
  liga(mnuVersoes, &TEdicaoDocumento::AbreVersoes);
  auto* comparar = new QMenu(QStringLiteral("Comparar com"), arquivo);
  comparar->setObjectName(QStringLiteral("mnuComparar"));
  mnuCompararArquivo = comparar->addAction(QStringLiteral("Arquivo..."));
  mnuCompararArquivo->setObjectName(QStringLiteral("mnuCompararArquivo"));
  liga(mnuCompararArquivo, &TEdicaoDocumento::CompararComArquivo);
  mnuCompararVersao = comparar->addAction(QStringLiteral("Versão anterior..."));
  mnuCompararVersao->setObjectName(QStringLiteral("mnuCompararVersao"));
  liga(mnuCompararVersao, &TEdicaoDocumento::AbreVersoes);
  mnuCompararServidor = comparar->addAction(QStringLiteral("Cópia do servidor"));
  mnuCompararServidor->setObjectName(QStringLiteral("mnuCompararServidor"));
  liga(mnuCompararServidor, &TEdicaoDocumento::CompararComServidor);
  if (arquivo) {
    const QList<QAction*> acoes = arquivo->actions();
    const qsizetype i = acoes.indexOf(W->mnuVerificar);
    QAction* depois = i >= 0 && i + 1 < acoes.size() ? acoes[i + 1] : nullptr;
    arquivo->insertAction(depois, mnuVersoes);
    arquivo->insertMenu(depois, comparar);
  }

  // The menu list's own menu.
  W->ListView1->setContextMenuPolicy(Qt::ActionsContextMenu);
  const struct {
    const char* texto;
    QPushButton* botao;
  } botoes[] = {{"Criar menu", W->btCriarMenu}, {"Editar menu", W->btEditarMenu}, {"Remover menu", W->btRemoverMenu}};
  for (const auto& b : botoes) {
    auto* acao = new QAction(QString::fromUtf8(b.texto), W->ListView1);
    connect(acao, &QAction::triggered, b.botao, &QPushButton::click);
    W->ListView1->addAction(acao);
  }
  auto* separador = new QAction(W->ListView1);
  separador->setSeparator(true);
  W->ListView1->addAction(separador);
  auto* ondeUsado = new QAction(QStringLiteral("Onde é usado"), W->ListView1);
  ondeUsado->setObjectName(QStringLiteral("mnuListaOndeUsado"));
  liga(ondeUsado, &TEdicaoDocumento::OndeUsadoMenuSelecionado);
  W->ListView1->addAction(ondeUsado);

  const auto habilita = [this, comparar] {
    const bool documento = Dac() != nullptr;
    for (QAction* a : {mnuLocalizar, mnuOndeUsado, mnuVersoes}) a->setEnabled(documento);
    comparar->setEnabled(documento);
    mnuCompararServidor->setEnabled(documento && W->Sessao->ClientManager->Logged);
    mnuCompararServidor->setVisible(!W->EhRorIROSonarea());
  };
  connect(W, &TfrmMain::DocumentoAlterado, this, habilita);
  if (arquivo) connect(arquivo, &QMenu::aboutToShow, this, habilita);
  connect(editar, &QMenu::aboutToShow, this, habilita);
  habilita();
}

void TEdicaoDocumento::Localizar() {
  if (!Dac()) return;
  if (!FLocalizar) {
    FLocalizar = new TfrmLocalizar([w = W] { return w->DacAtual(); }, W);
    connect(W, &TfrmMain::DocumentoAlterado, FLocalizar, &TfrmLocalizar::DocumentoMudou);
    connect(FLocalizar, &TfrmLocalizar::AbrirMenu, this,
            [this](int Indice) { ExecutaComando(W, [this, Indice] { W->EditaMenu(Indice); }); });
  }
  FLocalizar->show();
  FLocalizar->raise();
  FLocalizar->activateWindow();
  FLocalizar->edProcura->setFocus();
  FLocalizar->edProcura->selectAll();
}

void TEdicaoDocumento::OndeUsadoMenuSelecionado() {
  const TDAC* dac = Dac();
  if (!dac) return;
  const TMenuUra* menu = dac->ListaMenus->GetItem(LinhaSelecionada(W->ListView1));
  if (!menu) {
    MostraMensagem(W, QStringLiteral("Selecione um menu para ver onde é usado"), QStringLiteral("Onde é usado"));
    return;
  }
  const QString nome = menu->Nome;
  auto* janela = new TfrmLocalizar([w = W] { return w->DacAtual(); }, W);
  janela->setAttribute(Qt::WA_DeleteOnClose);
  connect(W, &TfrmMain::DocumentoAlterado, janela, &TfrmLocalizar::DocumentoMudou);
  connect(janela, &TfrmLocalizar::AbrirMenu, this,
          [this](int Indice) { ExecutaComando(W, [this, Indice] { W->EditaMenu(Indice); }); });
  janela->MostraOndeUsado(QStringLiteral("menu \"%1\"").arg(nome),
                          [nome](const TDAC& D) { return OndeUsadoMenu(D, nome); });
  janela->show();
}

std::unique_ptr<TDAC> TEdicaoDocumento::LeOutro(const QString& Arquivo, QString* Motivo, bool Restaurar) const {
  auto outro = std::make_unique<TDAC>();
  // Read as the open document is, so that the descriptions agree.
  if (const TDAC* dac = Dac()) outro->RORIRO = dac->RORIRO;
  TXMLDocument doc;
  // Only a restored version becomes the open document's content.
  TGuardaListasLeitura listas;
  if (W->XMLDac.LerXML(doc, outro.get(), Arquivo)) {
    if (Restaurar) listas.Solta();
    return outro;
  }
  *Motivo = doc.ErroSintaxe() ? QString() : doc.Erro();
  return nullptr;
}

TfrmComparacao* TEdicaoDocumento::MostraComparacao(std::unique_ptr<TDAC> Outro, const QString& Descricao) {
  if (FComparacao) FComparacao->close();
  auto* janela = new TfrmComparacao([w = W] { return w->DacAtual(); }, std::move(Outro), Descricao, W);
  janela->setAttribute(Qt::WA_DeleteOnClose);
  connect(W, &TfrmMain::DocumentoAlterado, janela, &TfrmComparacao::DocumentoMudou);
  connect(janela, &TfrmComparacao::AbrirMenu, this,
          [this](int Indice) { ExecutaComando(W, [this, Indice] { W->EditaMenu(Indice); }); });
  janela->show();
  FComparacao = janela;
  return janela;
}

void TEdicaoDocumento::CompararComArquivo() {
  if (!Dac()) return;
  const QString titulo = QStringLiteral("Comparar com arquivo");
  const QString caminho = Plataforma().AbrirArquivo(W, titulo, Ambiente().PastaUsuario, kFiltroXml);
  if (caminho.isEmpty()) return;
  QString motivo;
  std::unique_ptr<TDAC> outro = LeOutro(caminho, &motivo);
  if (!outro) {
    MostraErro(W, motivo.isEmpty() ? kErroAbrir : kErroAbrir + u'\r' + motivo, titulo);
    return;
  }
  MostraComparacao(std::move(outro), QStringLiteral("o arquivo \"%1\"").arg(caminho));
}

void TEdicaoDocumento::CompararComServidor() {
  const TDAC* dac = Dac();
  if (!dac) return;
  if (!W->Sessao->ClientManager->Logged) {
    MostraInformacao(W, QStringLiteral("Conecte-se ao servidor para comparar com a cópia dele."),
                     QStringLiteral("Comparar com o servidor"));
    return;
  }
  const QString nome =
      dac->NomeArquivoServidor.isEmpty() ? dac->Nome + QStringLiteral(".xml") : dac->NomeArquivoServidor;
  W->Sessao->LeUraParaComparar(nome, [this, nome](std::unique_ptr<TDAC> Copia) {
    MostraComparacao(std::move(Copia), QStringLiteral("a cópia de \"%1\" no servidor").arg(nome));
  });
}

void TEdicaoDocumento::AbreVersoes() {
  const TDAC* dac = Dac();
  if (!dac) return;
  TfrmVersoes dlg(dac->Nome, FVersoes.Lista(dac->Nome), W);
  if (ExecutaDialogo(&dlg) != QDialog::Accepted || !dlg.VersaoEscolhida()) return;
  const TVersaoUra versao = *dlg.VersaoEscolhida();
  if (dlg.Escolha() == TfrmVersoes::TEscolha::Restaurar) {
    RestauraVersao(versao.Arquivo);
    return;
  }
  QString motivo;
  std::unique_ptr<TDAC> outro = LeOutro(versao.Arquivo, &motivo);
  if (!outro) {
    MostraErro(W, kErroAbrir, QStringLiteral("Versões anteriores"));
    return;
  }
  MostraComparacao(std::move(outro),
                   QStringLiteral("a versão de %1").arg(versao.Quando.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))));
}

// ---- Steps -------------------------------------------------------------------------

std::unique_ptr<TPassoUra> TEdicaoDocumento::NovoPasso(const QString& Texto) {
  return std::make_unique<TPassoUra>([w = W] { return w->DacAtual(); }, Texto, FCabecalho);
}

void TEdicaoDocumento::Conclui(std::unique_ptr<TPassoUra> Passo) {
  TDAC* dac = Dac();
  FOperando = true;
  W->AtualizaDadosTelaDAC();
  FOperando = false;
  // The rebuilt list may have changed the header (an initial menu that is gone).
  FCabecalho = TCabecalhoUra::De(*dac);
  Passo->Conclui(FCabecalho);
  if (!Passo->Vazio()) {
    FEmpilhando = true;
    FPilha->push(Passo.release());
    FEmpilhando = false;
  }
  AgendaRecuperacao();
}

void TEdicaoDocumento::CriaMenu(std::unique_ptr<TMenuUra> Menu) {
  TDAC* dac = Dac();
  if (!dac || !Menu) return;
  auto passo = NovoPasso(QStringLiteral("Criar menu ") + Menu->Nome);
  passo->MenuInserido(dac->ListaMenus->Add(std::move(Menu)));
  Conclui(std::move(passo));
}

bool TEdicaoDocumento::EditaMenu(int Indice) {
  TDAC* dac = Dac();
  TMenuUra* menu = dac ? dac->ListaMenus->GetItem(Indice) : nullptr;
  if (!menu) return false;
  std::unique_ptr<TMenuUra> antes = CopiaMenu(dac, *menu);
  if (!EditaMenuNoEditor(W, W->Contexto(), dac->ListaMenus.get(), menu)) return false;
  auto passo = NovoPasso(QStringLiteral("Editar menu ") + menu->Nome);
  // OK without a change is no step.
  if (antes->Nome != menu->Nome || !MesmoSignificado(*antes, *menu)) {
    const QString antigo = antes->Nome, novo = menu->Nome;
    passo->GuardaCopia(Indice, std::move(antes));
    // Another menu may still carry the old name: then the references are its.
    const std::vector<TLugar> lugares =
        antigo != novo && !dac->ListaMenus->SearchMenu(antigo) ? OndeUsadoMenu(*dac, antigo) : std::vector<TLugar>();
    if (!lugares.empty() &&
        PerguntaSimNao(W,
                       QStringLiteral("O menu \"%1\" é usado em %2 lugar(es). Atualizar as referências para \"%3\"?")
                           .arg(antigo)
                           .arg(lugares.size())
                           .arg(novo),
                       QStringLiteral("Editar menu"))) {
      for (const TLugar& l : lugares)
        if (l.IndiceMenu >= 0) passo->GuardaMenu(l.IndiceMenu);
      TrocaReferenciasMenu(*dac, antigo, novo);
    }
  }
  Conclui(std::move(passo));
  return true;
}

void TEdicaoDocumento::RemoveMenu(int Indice) {
  TDAC* dac = Dac();
  const TMenuUra* menu = dac ? dac->ListaMenus->GetItem(Indice) : nullptr;
  if (!menu) return;
  auto passo = NovoPasso(QStringLiteral("Remover menu ") + menu->Nome);
  passo->MenuRemovido(Indice, dac->ListaMenus->Delete(Indice));
  Conclui(std::move(passo));
}

bool TEdicaoDocumento::RestauraVersao(const QString& Arquivo) {
  TDAC* dac = Dac();
  if (!dac) return false;
  QString motivo;
  std::unique_ptr<TDAC> versao = LeOutro(Arquivo, &motivo, true);
  if (!versao) {
    MostraErro(W, kErroAbrir, QStringLiteral("Versões anteriores"));
    return false;
  }
  // Only the menus that differ are replaced: the step keeps what it
  // replaced, and a version close to the document costs little memory.
  auto passo = NovoPasso(QStringLiteral("Restaurar versão"));
  TListaMenuUra& menus = *dac->ListaMenus;
  const TListaMenuUra& antigos = *versao->ListaMenus;
  for (int i = 0; i < std::min(menus.Count(), antigos.Count()); ++i) {
    TMenuUra* m = menus.GetItem(i);
    const TMenuUra* v = antigos.GetItem(i);
    if (m->Nome == v->Nome && MesmoSignificado(*m, *v)) continue;
    passo->GuardaMenu(i);
    m->CopyFrom(v);
  }
  for (int i = menus.Count() - 1; i >= antigos.Count(); --i) passo->MenuRemovido(i, menus.Delete(i));
  for (int i = menus.Count(); i < antigos.Count(); ++i)
    passo->MenuInserido(menus.Add(CopiaMenu(dac, *antigos.GetItem(i))));
  TCabecalhoUra::De(*versao).Aplica(*dac);
  Conclui(std::move(passo));
  W->HabilitaMenus();
  return true;
}

// ---- Following the window ----------------------------------------------------------

bool TEdicaoDocumento::Sincroniza() {
  const TDAC* dac = Dac();
  if (dac == FDacConhecido) return false;
  FDacConhecido = dac;
  FEmpilhando = true;
  FPilha->clear();
  FEmpilhando = false;
  FCabecalho = dac ? TCabecalhoUra::De(*dac) : TCabecalhoUra();
  FConteudoSalvo.clear();
  FForcaVersao = false;
  FTextoSalvo.clear();
  if (dac && !dac->Novo) {
    // What this document replaces at its first save: its file as it was read.
    FTextoSalvo = dac->Local ? LeBytes(dac->NomeArquivoLocal) : QByteArray();
    if (FTextoSalvo.isEmpty()) FTextoSalvo = TextoAtual();
  }
  // The previous document's recovery copy goes with it.
  FTimerRecuperacao.stop();
  FUltimaRecuperacao.invalidate();
  if (FCopiaGravada) FRecuperacao->Remove();
  FCopiaGravada = false;
  if (!dac && !FRecuperadas.empty())
    QTimer::singleShot(0, this, [this] { ExecutaComando(W, [this] { AbreProximaRecuperada(); }); });
  return true;
}

void TEdicaoDocumento::DocumentoAlterado() {
  if (Sincroniza() || FOperando) return;
  const TDAC* dac = Dac();
  if (!dac) return;
  const TCabecalhoUra agora = TCabecalhoUra::De(*dac);
  if (!(agora == FCabecalho)) {
    auto passo = NovoPasso(TCabecalhoUra::NomePasso(FCabecalho.CampoDiferente(agora)));
    passo->Conclui(agora);
    FCabecalho = agora;
    FEmpilhando = true;
    FPilha->push(passo.release());
    FEmpilhando = false;
  }
  AgendaRecuperacao();
}

void TEdicaoDocumento::PilhaMudou() {
  const TDAC* dac = Dac();
  if (FEmpilhando || !dac) return;
  // An undo or a redo: the window shows the document again.
  FOperando = true;
  W->AtualizaDadosTelaDAC();
  W->HabilitaMenus();
  FOperando = false;
  FCabecalho = TCabecalhoUra::De(*dac);
  AgendaRecuperacao();
}

QByteArray TEdicaoDocumento::TextoAtual() const {
  QStringList linhas;
  W->XMLDac.DACToXMLStringList(Dac(), linhas);
  linhas << QString();
  return linhas.join(QStringLiteral("\r\n")).toUtf8();
}

void TEdicaoDocumento::Salvo() {
  Sincroniza();
  const TDAC* dac = Dac();
  if (!dac) return;
  FPilha->setClean();
  FTimerRecuperacao.stop();
  if (FCopiaGravada) FRecuperacao->Remove();
  FCopiaGravada = false;
  // The first snapshot of a document is its opening; a later one with
  // another content is a save: what it replaced goes to the history.
  if (!FConteudoSalvo.isEmpty() && (FForcaVersao || W->CfgInicialDac != FConteudoSalvo)) {
    if (!FTextoSalvo.isEmpty() &&
        !FVersoes.Guarda(dac->Nome, FTextoSalvo, Plataforma().Agora(), Ambiente().NomeUsuario, MaximoVersoes()))
      W->SetStatusBar(QStringLiteral("Não foi possível guardar a versão anterior em ") +
                      FVersoes.PastaDaUra(dac->Nome));
    // A local save just wrote the file: its bytes are the new content.
    const QByteArray gravado = dac->Local && !dac->Servidor ? LeBytes(dac->NomeArquivoLocal) : QByteArray();
    FTextoSalvo = gravado.isEmpty() ? TextoAtual() : gravado;
  }
  FConteudoSalvo = W->CfgInicialDac;
  FForcaVersao = false;
}

// ---- Recovery ----------------------------------------------------------------------

void TEdicaoDocumento::AgendaRecuperacao() {
  if (!Dac()) return;
  // Undone back to what was saved: nothing left to recover.
  if (FPilha->isClean()) {
    FTimerRecuperacao.stop();
    if (FCopiaGravada) FRecuperacao->Remove();
    FCopiaGravada = false;
    return;
  }
  if (FTimerRecuperacao.isActive()) return;
  const qint64 intervalo = qint64(IntervaloRecuperacao()) * 1000;
  qint64 espera = std::min(kPrimeiraCopiaMs, intervalo);
  if (FUltimaRecuperacao.isValid()) espera = std::max(espera, intervalo - FUltimaRecuperacao.elapsed());
  FTimerRecuperacao.start(static_cast<int>(std::max<qint64>(0, espera)));
}

void TEdicaoDocumento::GravaRecuperacao() {
  const TDAC* dac = Dac();
  // Every change made here is a step: a clean stack is the saved content.
  if (!dac || FPilha->isClean()) {
    if (FCopiaGravada) FRecuperacao->Remove();
    FCopiaGravada = false;
    return;
  }
  const TCfgConexao& cfg = W->Sessao->CfgConexao;
  const QString servidor = dac->Servidor ? QStringLiteral("%1:%2").arg(cfg.Ip).arg(cfg.Porta) : QString();
  // A copy here (quick), the writer and the disk on the writing thread.
  FRecuperacao->Grava(std::shared_ptr<const TDAC>(CopiaDocumento(*dac)),
                      TOrigemUra::De(*dac, servidor, Plataforma().Agora()));
  FCopiaGravada = true;
  FUltimaRecuperacao.start();
}

void TEdicaoDocumento::VerificaRecuperacao() {
  std::vector<TSobraRecuperacao> sobras = FRecuperacao->Sobras();
  if (sobras.empty()) return;
  QStringList origens;
  for (const TSobraRecuperacao& s : sobras) origens << s.Origem.Descricao();
  const QString pergunta = QStringLiteral("Há alterações não salvas de ") + origens.join(QStringLiteral(", ")) +
                           QStringLiteral(". Deseja recuperá-las?");
  if (!PerguntaSimNao(W, pergunta, kTituloRecuperar)) {
    for (const TSobraRecuperacao& s : sobras)
      if (!TRecuperacao::Descarta(s))
        MostraErro(W, QStringLiteral("Não foi possível mover ") + s.Xml + QStringLiteral(" para descartados."),
                   kTituloRecuperar);
    return;
  }
  FRecuperadas = std::move(sobras);
  AbreProximaRecuperada();
}

void TEdicaoDocumento::AbreProximaRecuperada() {
  if (FRecuperadas.empty()) return;
  // One document at a time: an unchanged one makes room, a changed one waits for "Fechar".
  if (Dac()) {
    if (W->DacAlterado()) return;
    W->mnuFecharClick();
    if (Dac()) return;
  }
  const TSobraRecuperacao sobra = std::move(FRecuperadas.front());
  FRecuperadas.erase(FRecuperadas.begin());
  auto dac = std::make_unique<TDAC>();
  dac->RORIRO = sobra.Origem.RORIRO;  // the reader needs it first
  TXMLDocument doc;
  if (!W->XMLDac.LerXML(doc, dac.get(), sobra.Xml)) {
    MostraErro(W, kErroAbrir + u'\r' + sobra.Xml, kTituloRecuperar);
    TRecuperacao::Descarta(sobra);
    AbreProximaRecuperada();
    return;
  }
  sobra.Origem.AplicaEm(*dac);
  const QByteArray original = LeBytes(sobra.Origem.ArquivoLocal);
  W->RecebeDac(std::move(dac));
  // Changed against where it came from, whose content the next save keeps;
  // no undo leads back to a saved state.
  W->CfgInicialDac.clear();
  FPilha->resetClean();
  FForcaVersao = true;
  if (!original.isEmpty()) FTextoSalvo = original;
  W->HabilitaMenus();
  W->SetStatusBar(QStringLiteral("Alterações recuperadas: ") + sobra.Origem.Descricao());
  // This session's copy is written before the left-over goes.
  GravaRecuperacao();
  FRecuperacao->Espera();
  TRecuperacao::Adota(sobra);
}

void MostraOndeUsadoMensagem(QWidget* Pai, TDAC* Dac, const QString& Mensagem, bool Chat) {
  if (!Dac) return;
  TfrmLocalizar janela([Dac] { return Dac; }, Pai);
  // A chat text's line breaks as blanks, so the title stays one line.
  janela.MostraOndeUsado(
      QStringLiteral("mensagem \"%1\"").arg(Chat ? decodeCRLFTo(Mensagem, QStringLiteral(" ")) : Mensagem),
      [Mensagem, Chat](const TDAC& D) {
        return Chat ? OndeUsadoTextoChat(D, Mensagem) : OndeUsadoMensagem(D, Mensagem);
      },
      false);
  ExecutaDialogo(&janela);
}

void DefineOndeUsadoCatalogo(TfrmEditarLista& Dialogo, TDAC* Dac) {
  if (!Dac) return;
  Dialogo.DefineOndeUsado(
      [&Dialogo, Dac](const QString& Arquivo) { MostraOndeUsadoMensagem(&Dialogo, Dac, Arquivo, false); });
}
