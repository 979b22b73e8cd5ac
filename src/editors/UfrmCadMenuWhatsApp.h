#pragma once
// The chat list-menu editor: type, four texts and the items of a WhatsApp
// interactive menu. Works on a private copy (MenuOpcaoWA).
#include <QDialog>
#include <memory>

#include "contexto.h"

class TMUMenuOpcaoWA;

namespace Ui {
class TfrmCadMenuWhatsApp;
}

class TfrmCadMenuWhatsApp : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmCadMenuWhatsApp(const TContextoEditor& Ctx, QWidget* parent = nullptr);
  ~TfrmCadMenuWhatsApp() override;

  // The working copy; never null.
  std::unique_ptr<TMUMenuOpcaoWA> MenuOpcaoWA;

  // Copies Menu into the working copy and shows it (null: nothing happens).
  void CarregaMenuOpcaoWA(const TMUMenuOpcaoWA* Menu);

 protected:
  void done(int Resultado) override;

 private:
  void AtualizaListaOpcoesMenu();
  int LinhaAtual() const;
  void SelecionaLinha(int Linha);
  void AdicionaItem();
  void EditaItem();
  void RemoveItem();
  void MoveItem(int Sentido);
  void EditaOK();

  TContextoEditor FCtx;
  std::unique_ptr<Ui::TfrmCadMenuWhatsApp> ui;
};
