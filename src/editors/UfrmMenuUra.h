#pragma once
// The menu editor: every section of one menu on one screen. Works on a
// private copy (MenuUra); the caller takes it back only after OK.
#include <QDialog>
#include <QString>
#include <memory>

#include "contexto.h"

class TMenuUra;
class TListaMenuUra;

namespace Ui {
class TfrmMenuUra;
}

class TfrmMenuUra : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmMenuUra(const TContextoEditor& Ctx, QWidget* parent = nullptr);
  ~TfrmMenuUra() override;

  // Fixed at creation from the open document's kind of URA.
  bool EhUraChat = false;
  bool EhUraChatTDD = false;
  // The working copy; never null.
  std::unique_ptr<TMenuUra> MenuUra;
  // The document's menu list (not owned): duplicate names, "Vai para menu...".
  TListaMenuUra* lstMenuUra = nullptr;
  // The name the menu had when loaded; empty for a new menu.
  QString strMenuAtual;

  // Window settings; the caller calls it after creation.
  void LeConfiguracao();
  // Copies Menu (null: nothing) into a fresh working copy and shows it.
  void CarregaMenu(const TMenuUra* Menu);
  void RefreshTelaMenu();

 protected:
  void done(int Resultado) override;
  bool eventFilter(QObject* Objeto, QEvent* Evento) override;
  void showEvent(QShowEvent* Evento) override;

 private:
  void SalvaConfiguracao();
  void AplicaInicioHeight();
  void RefreshCondicoesTelaMenu();
  void RefreshOpcoesTelaMenu();
  void MostraMensagemMenu();
  bool EhMenuWhatsApp() const;

  void AdicionaCondicao();
  void EditaCondicao(int Linha);
  void RemoveCondicao();
  void MoveCondicao(int Sentido);
  void AdicionaOpcao();
  void EditaOpcao(int Linha);
  void RemoveOpcao();
  void EditaMensagemMenu();
  void EditaOK();

  TContextoEditor FCtx;
  std::unique_ptr<Ui::TfrmMenuUra> ui;
  // Height of the conditions area: applied when the window is first laid out
  // (a splitter that was never shown scales what it is given).
  int FInicioHeight = 115;
  bool FInicioAplicado = false;
};
