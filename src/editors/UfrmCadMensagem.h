#pragma once
// Message editor: picks catalogue entries (voice) or chat texts (chat) into a
// message, in order. Works on a private copy; the caller takes Mensagem on OK.
#include <QDialog>
#include <QStringList>
#include <memory>
#include <vector>

#include "contexto.h"

class TMUMensagem;
class QTreeWidget;
namespace Ui {
class TfrmCadMensagem;
}

class TfrmCadMensagem : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmCadMensagem(const TContextoEditor& Ctx, QWidget* parent = nullptr);
  ~TfrmCadMensagem() override;

  // The result, rebuilt from the selection after every change.
  std::unique_ptr<TMUMensagem> Mensagem;
  // The selected entries in order: file references (voice) or catalogue texts
  // in stored form (chat).
  QStringList listaMsgSelecionada;
  bool EhUraChat = false;
  bool EhUraChatTDD = false;
  // Set before CarregaListaMensagens to leave out the play-list variables.
  bool SohArquivos = false;
  int ColunaSort = -1;  // -1: catalogue order
  bool SortDescendente = false;
  int indiceEditarMsg = -1;
  int topTelaCadMensagemChat = 0;
  int leftTelaCadMensagemChat = 0;

  // Fills the available list under the current filter.
  void CarregaListaMensagens();
  // Copies the message (null: none) and fills the selection from it.
  void CarregaMensagem(const TMUMensagem* ptrMensagem);

 protected:
  void done(int r) override;
  void showEvent(QShowEvent* ev) override;
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  // A column width kept in the settings.
  struct TColunaCfg {
    QTreeWidget* Lista;
    int Coluna;
    const char* Chave;
  };
  std::vector<TColunaCfg> Colunas() const;
  void AtualizaMensagem();
  void AdicionaSelecionados();
  void RemoveSelecionado();
  void MoveSelecionado(int Delta);
  void OrdenaDisponiveis();
  void ClicaColuna(int Coluna);
  void ClicaDisponivel();
  void AbreMensagemChat(int Indice);
  QString TextoExibicao(const QString& Armazenado) const;
  void GravaConfiguracao();

  std::unique_ptr<Ui::TfrmCadMensagem> ui;
  TContextoEditor FCtx;
  int FAlturaLista = -1;  // stored list height, applied when first shown
};
