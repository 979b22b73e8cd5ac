#pragma once
// Digit option editor (voice URAs): the key pattern, the end key, the minimum
// digit count, the option's message and actions, on a working option.
#include <QDialog>
#include <QString>
#include <memory>

#include "contexto.h"

class TListaMenuUra;
class TMUListaOpcao;
class TMUOpcao;

namespace Ui {
class TfrmCadOpcao;
}

class TfrmCadOpcao : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmCadOpcao(const TContextoEditor& Ctx, QWidget* parent = nullptr);
  ~TfrmCadOpcao() override;

  // The working option, with its own message and action list. Never null.
  std::unique_ptr<TMUOpcao> Opcao;
  TMUListaOpcao* lstOpcoes = nullptr;   // not owned: the menu's options, for the duplicate check
  int ItemIndexOpcaoAtual = -1;         // position of the edited option, -1 for a new one
  TListaMenuUra* lstMenuUra = nullptr;  // not owned
  QString strMenuAtual;
  bool EhUraChat = false;
  bool EhUraChatTDD = false;

  // Copies the option (null: nothing happens) into the working option and
  // shows it.
  void CarregaOpcao(const TMUOpcao* OpcaoOrigem);

 protected:
  void done(int r) override;

 private:
  void edOpcaoChange();
  void AtualizaDescricao();
  void btMsgClick();
  void btAcaoClick();
  bool Verifica();

  std::unique_ptr<Ui::TfrmCadOpcao> ui;
  TContextoEditor FCtx;
};
