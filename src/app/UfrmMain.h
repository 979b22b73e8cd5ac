#pragma once
// The main window: the one open URA document, its header and menu list, and
// every document command, locally and on the server. It is the session's
// window (IJanelaSessao); the protocol itself lives in TSessaoServidor.
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

#include "SessaoServidor.h"
#include "UTXMLDac.h"
#include "contexto.h"
#include "linhacomando.h"
#include "verificacao.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TDicaInicial;
class TfrmConectar;
class TEdicaoDocumento;

namespace Ui {
class TfrmMain;
}

// The program's version as the menus and the login show it.
inline const QString kVersaoPrograma = QStringLiteral("1.1.11.3");

class TfrmMain : public QMainWindow, public IJanelaSessao {
  Q_OBJECT
 public:
  // Creation reads the settings, loads the catalogue in local mode and opens
  // Inicio.ArquivoInicial (local mode only). Ambiente() must be decided first.
  explicit TfrmMain(const TLinhaComando& Inicio = TLinhaComando(), QWidget* parent = nullptr);
  ~TfrmMain() override;

  // ---- Controls (names as the program's forms use them) ----
  QLineEdit* edArquivoUra;
  QLineEdit* edArquivoMensagens;
  QLineEdit* edNomeDAC;
  QLineEdit* edDescricaoDAC;
  QComboBox* cbMenuInicial;
  QComboBox* cbTipoUra;
  QComboBox* cbTipoAtendimento;
  QCheckBox* CheckBoxPriMsgComoOpcao;
  QLineEdit* edCriadoEm;
  QLineEdit* edCriadoPor;
  QLineEdit* edModificadoEm;
  QLineEdit* edModificadoPor;
  QLineEdit* edAtivadoEm;
  QLineEdit* edAtivadoPor;
  QPushButton* btCriarMenu;
  QPushButton* btEditarMenu;
  QPushButton* btRemoverMenu;
  QTreeWidget* ListView1;
  QLabel* lbStatus;
  QAction* mnuNovo;
  QAction* mnuAbrir;
  QAction* mnuAbrirDoServidor;
  QAction* mnuSalvar;
  QAction* mnuSalvarComo;
  QAction* mnuSalvarNoServidor;
  QAction* mnuFechar;
  QAction* mnuVisualizar;
  QAction* mnuVerificar;
  QAction* mnuAtivarURA;
  QAction* mnuSair;
  QAction* mnuMensagensAbrir;
  QAction* mnuMensagensEditar;
  QAction* mnuMensagensSalvarComo;
  QAction* mnuMensagensSalvarNoServidor;
  QAction* mnuEnviarArquivoAudio;
  QAction* mnuConectar;
  QAction* mnuDesconectar;
  QAction* mnuVersao;
  QAction* mnuVersaoServidor;

  // ---- State ----
  // The session: connections, server information, connection settings,
  // text-to-speech settings and the server's URA list.
  std::unique_ptr<TSessaoServidor> Sessao;
  // Undo and redo, find, recovery, versions and comparison (edicao.h).
  std::unique_ptr<TEdicaoDocumento> Edicao;
  TXMLDac XMLDac;
  QStringList CfgInicialDac;  // the content snapshot
  QString StrMensagem;
  QString StrTitulo;
  QString dirArquivosMensagens;
  QString nomeArquivoMensagensRORIRO;
  QTimer TimerMensagem;
  QTimer TimerAtivaSelUra;

  TInfoServidor& InfoServidor() { return Sessao->InfoServidor; }
  bool EhRorIROSonarea() const { return Sessao->EhRorIROSonarea(); }
  // The open document differs from its snapshot.
  bool DacAlterado() const;
  // The content compared with the snapshot: the change fingerprint and the
  // document as it would be written.
  void ConteudoDac(QStringList* Lista) const;
  // What the editors opened from here need to know.
  TContextoEditor Contexto();

  // ---- Window operations ----
  void HabilitaMenus() override;
  void DesabilitaMenus();
  void AtualizaDadosTelaDAC();
  void AtualizaListaMenus();
  void SetStatusBar(const QString& Texto);
  QString TextoStatus() const;
  void MyMessage(const QString& Texto, const QString& Titulo);
  bool ChecaForm(const QWidget* Janela) const;
  bool AbrirArquivoRORIroLocal(const QString& Caminho);
  void TiraSnapshot();

  // ---- Commands ----
  void mnuNovoClick();
  void mnuAbrirClick();
  void mnuAbrirDoServidorClick();
  void mnuSalvarClick();
  void mnuSalvarComoClick();
  void mnuSalvarNoServidorClick();
  void mnuFecharClick();
  void mnuVisualizarClick();
  void mnuVerificarClick();
  void mnuAtivarURAClick();
  void mnuMensagensAbrirClick();
  void mnuMensagensEditarClick();
  void mnuMensagensSalvarComoClick();
  void mnuMensagensSalvarNoServidorClick();
  void mnuEnviarArquivoAudioClick();
  void mnuConectarClick();
  void mnuDesconectarClick();
  void btCriarMenuClick();
  void btEditarMenuClick();
  void btRemoverMenuClick();
  // Opens the menu of that index in the menu editor; true on OK.
  bool EditaMenu(int Indice);
  // Opens a URA file dropped on the window or named on the command line.
  void AbreArquivoSolto(const QString& Caminho);

  // ---- IJanelaSessao ----
  void MostraStatus(const QString& Texto) override { SetStatusBar(Texto); }
  void MostraInfoConexao(const QString& Texto) override;
  void HabilitaBotoesConexao() override;
  void FechaFormLogin() override;
  void MensagemAdiada(const QString& Texto, const QString& Titulo) override { MyMessage(Texto, Titulo); }
  void MensagemImediata(const QString& Texto, const QString& Titulo, bool Erro) override;
  void CursorOcupado(bool Ocupado) override;
  void MostraVersaoServidor(const QString& Versao) override;
  void AbreSelecaoUra() override;
  TDAC* DacAtual() override { return FDac.get(); }
  void RecebeDac(std::unique_ptr<TDAC> Dac) override;
  void MostraDac() override { AtualizaDadosTelaDAC(); }
  void RenovaSnapshot() override { TiraSnapshot(); }
  void ProximoBlocoAudio() override;
  void AudioOcioso() override;

 signals:
  // The open document changed here: opened, created, closed, a header field
  // edited or the menu list rebuilt. Windows that follow the document ask for
  // it again (DacAtual()) instead of keeping pointers into it.
  void DocumentoAlterado();

 protected:
  void closeEvent(QCloseEvent* Evento) override;
  void dragEnterEvent(QDragEnterEvent* Evento) override;
  void dropEvent(QDropEvent* Evento) override;
  bool eventFilter(QObject* Objeto, QEvent* Evento) override;

 private:
  void LeConfiguracao();
  void SalvaConfiguracao();
  void AdaptaModoLocal();
  void LigaComandos();
  void CarregaListaDeMensagens();
  // After the catalogue changed: its local file in local mode, the server otherwise.
  void GuardaCatalogo();
  // The three checks every save starts with; false after their error box.
  bool ChecaAntesDeSalvar();
  // Asks for a file name to save to; empty when cancelled. Sets Novo as the
  // overwrite question decides; NovoAntesDaPergunta marks it Novo first.
  QString EscolheArquivoSalvar(bool PastaUsuario, bool NovoAntesDaPergunta = false);
  void GravaDacLocal(const QString& Caminho);
  std::vector<TAchado> VerificaDac() const;
  // Before the server gets the URA: with errors found, asks once whether to go on.
  bool ConfirmaVerificacao();
  bool ConfirmaCaracteresDoServidor();
  void FechaDocumento();
  void AbreSelecaoServidor();
  void MostraMensagemPendente();
  void AplicaRegrasTipoUra();
  // "Tipo de atendimento" shows the document's; outside local mode an
  // unknown one becomes the first item, stored into the document.
  void AcertaTipoAtendimento();
  // The name field's keyboard filter; true when the character is discarded.
  bool FiltraTeclaNome(const QString& Texto) const;
  // The "Arquivo de mensagens" field follows the catalogue last opened.
  void MostraArquivoMensagens();

  std::unique_ptr<Ui::TfrmMain> ui;
  std::unique_ptr<TDAC> FDac;
  QPointer<TfrmConectar> FfrmConectar;
  TDicaInicial* FDica = nullptr;  // owned by the list's viewport
  QString FArquivoMensagensAberto;
  bool FAtualizando = false;  // the fields are being filled from the document
  bool FLocalAdaptado = false;
  QString FVersaoServidor;
};
