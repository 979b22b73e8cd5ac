#pragma once
// What the main window gains to change a live URA without fear: undo and
// redo of every change made there ("Editar" menu), find (Ctrl+F) and
// where-used, renaming the references of a renamed menu, crash recovery, the
// version history kept at every save, and the comparison with a file, a
// previous version or the server's copy.
//
// The main window creates one at start and calls it for the changes it
// makes to the menu list (CriaMenu, EditaMenu, RemoveMenu) and after each
// content snapshot (Salvo). Header fields are followed through the window's
// DocumentoAlterado signal: a field that differs from the last known value
// becomes an undo step. Undo and redo may replace menus of the open document
// with other objects; the window and the windows opened here ask for the
// document again after each change.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "passos.h"
#include "recuperacao.h"
#include "versoes.h"

class QAction;
class QMenu;
class QUndoStack;
class TfrmComparacao;
class TfrmEditarLista;
class TfrmLocalizar;
class TfrmMain;

class TEdicaoDocumento : public QObject {
  Q_OBJECT
 public:
  explicit TEdicaoDocumento(TfrmMain* Janela);
  ~TEdicaoDocumento() override;

  QUndoStack* Pilha() const { return FPilha.get(); }
  QAction* mnuDesfazer;
  QAction* mnuRefazer;
  QAction* mnuLocalizar;
  QAction* mnuOndeUsado;
  QAction* mnuVersoes;
  QAction* mnuCompararArquivo;
  QAction* mnuCompararVersao;
  QAction* mnuCompararServidor;

  // ---- Changes of the menu list, each one undo step ----
  // Appends the new menu ("Criar menu").
  void CriaMenu(std::unique_ptr<TMenuUra> Menu);
  // The menu editor on menu Indice; on OK, and when the name changed while
  // other places lead to the old one, asks whether to point them at the new
  // name (one step). True on OK.
  bool EditaMenu(int Indice);
  // Takes menu Indice out ("Remover menu"; the checks are the window's).
  void RemoveMenu(int Indice);
  // Restores a previous version's content into the open document (a step;
  // nothing is saved).
  bool RestauraVersao(const QString& Arquivo);

  // The window took a content snapshot (opened, created or saved): the undo
  // stack is clean there, the recovery copy goes, and a save keeps the
  // previous content in the version history.
  void Salvo();

  // ---- Commands ----
  void Localizar();
  void OndeUsadoMenuSelecionado();
  void AbreVersoes();
  void CompararComArquivo();
  void CompararComServidor();
  // The comparison window on Outro (what the open document is compared with).
  TfrmComparacao* MostraComparacao(std::unique_ptr<TDAC> Outro, const QString& Descricao);

  // ---- Crash recovery ----
  // Left-over copies of programs that were killed: one question; "Sim"
  // opens the first now and each next one when the open document is
  // closed, "Não" moves them to "descartados".
  void VerificaRecuperacao();
  // Writes the recovery copy now when the document has unsaved changes.
  void GravaRecuperacao();
  TRecuperacao& Recuperacao() { return *FRecuperacao; }
  THistoricoVersoes& Versoes() { return FVersoes; }
  TfrmLocalizar* JanelaLocalizar() const;
  TfrmComparacao* JanelaComparacao() const;

 private:
  void CriaComandos();
  // Catches up with the window's document; true when it is another one.
  bool Sincroniza();
  void DocumentoAlterado();
  void PilhaMudou();
  std::unique_ptr<TPassoUra> NovoPasso(const QString& Texto);
  // Rebuilds the list, takes the header after the change and pushes.
  void Conclui(std::unique_ptr<TPassoUra> Passo);
  void AgendaRecuperacao();
  void AbreProximaRecuperada();
  std::unique_ptr<TDAC> LeOutro(const QString& Arquivo, QString* Motivo, bool Restaurar = false) const;
  QByteArray TextoAtual() const;
  // The open document as the window has it, or null.
  TDAC* Dac() const;

  TfrmMain* W;
  std::unique_ptr<QUndoStack> FPilha;
  const TDAC* FDacConhecido = nullptr;
  TCabecalhoUra FCabecalho;
  bool FOperando = false;    // a change of ours is under way: the window's signals are ours
  bool FEmpilhando = false;  // push() runs: the window already shows the change
  // Version history: the content last opened or saved, and its snapshot.
  THistoricoVersoes FVersoes;
  QByteArray FTextoSalvo;
  QStringList FConteudoSalvo;
  bool FForcaVersao = false;  // a recovered document: its next save keeps the file it replaces
  // Recovery.
  std::unique_ptr<TRecuperacao> FRecuperacao;
  QTimer FTimerRecuperacao;
  QElapsedTimer FUltimaRecuperacao;
  bool FCopiaGravada = false;
  std::vector<TSobraRecuperacao> FRecuperadas;  // waiting to be opened
  QPointer<TfrmLocalizar> FLocalizar;
  QPointer<TfrmComparacao> FComparacao;
};

// The catalogue list editor's "Onde é usado": the places of Dac (when a
// document is open) that play the selected audio message, in a modal list.
// Where an audio message (file name) or a chat text (stored form) is used in
// Dac, in a modal list over Pai.
void MostraOndeUsadoMensagem(QWidget* Pai, TDAC* Dac, const QString& Mensagem, bool Chat);
void DefineOndeUsadoCatalogo(TfrmEditarLista& Dialogo, TDAC* Dac);
