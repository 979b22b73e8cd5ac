#pragma once
// Chat option editor: the typed text rule of an option, its message and
// actions, on a working option; "Testar" tries an answer against it.
#include <QDialog>
#include <QString>
#include <memory>

#include "contexto.h"

class TListaMenuUra;
class TMUListaOpcao;
class TMUOpcao;
class QLineEdit;

namespace Ui {
class TfrmCadOpcaoChat;
}

class TfrmCadOpcaoChat : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmCadOpcaoChat(const TContextoEditor& Ctx, QWidget* parent = nullptr);
  ~TfrmCadOpcaoChat() override;

  // The working option, with its own message and action list. Never null.
  std::unique_ptr<TMUOpcao> Opcao;
  TMUListaOpcao* lstOpcoes = nullptr;  // not owned
  int ItemIndexOpcaoAtual = -1;
  TListaMenuUra* lstMenuUra = nullptr;  // not owned
  QString strMenuAtual;
  bool EhUraChat = false;
  bool EhUraChatTDD = false;
  bool carregandoOpcao = false;
  // Last values typed for "Caracteres específicos" and "Texto específico".
  QString valorAtualOpcChar;
  QString valorAtualTextoEspecifico;

  // Copies the option (null: none) into the working option and shows it.
  void CarregaOpcao(const TMUOpcao* OpcaoOrigem);

 protected:
  void done(int r) override;

 private:
  void HabilitaComponentes();
  void cbTipoOpcaoChange(int Index);
  void AtualizaOpcao();
  void AtualizaDescricao();
  bool VerificaOpcao();
  bool Recusa(const QString& Texto, QWidget* Foco);
  void btTestarClick();
  void btMsgClick();
  void btAcaoClick();

  std::unique_ptr<Ui::TfrmCadOpcaoChat> ui;
  TContextoEditor FCtx;
};
