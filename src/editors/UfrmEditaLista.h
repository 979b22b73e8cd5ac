#pragma once
// Catalogue list editor: changes the descriptions of the message catalogue.
// Usage: construct, then Carrega(MenuUraInfoAuxiliar.ListaDeMensagens) (or
// AdicionaMensagem per entry, in catalogue order), then show modally. Only OK
// writes the descriptions back into the entries. With Carrega, entries that
// left the list while the dialog was open are skipped; with AdicionaMensagem
// the entries must outlive the dialog.
#include <QDialog>
#include <functional>
#include <memory>

#include "contexto.h"

class TMUDescricaoMensagem;
class TMUListaDescricaoMensagem;
namespace Ui {
class TfrmEditarLista;
}

class TfrmEditarLista : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmEditarLista(const TContextoEditor& Ctx, QWidget* parent = nullptr);
  ~TfrmEditarLista() override;

  // Appends one row holding the entry (not owned).
  void AdicionaMensagem(TMUDescricaoMensagem* Item);
  // One row per entry of the catalogue, in order.
  void Carrega(TMUListaDescricaoMensagem& Lista);
  // Offers "Onde é usado" in the list's context menu: Mostra gets the
  // selected row's file name.
  void DefineOndeUsado(std::function<void(const QString& Arquivo)> Mostra);

 public slots:
  void accept() override;

 protected:
  void done(int r) override;

 private:
  void SelecionaLinha();
  void Alterar();

  std::unique_ptr<Ui::TfrmEditarLista> ui;
  TMUListaDescricaoMensagem* FLista = nullptr;  // not owned
};
