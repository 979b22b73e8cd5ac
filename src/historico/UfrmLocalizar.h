#pragma once
// Places in the open document, in a list: what a search finds ("Localizar",
// searched again as the user types and whenever the document changes), or
// where a menu or a message is used ("Onde é usado"). Activating a row (a
// double click or Enter) asks for its menu to be opened. The window never
// keeps the document: it asks Documento for it each time.
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "busca.h"

class QLabel;
class QLineEdit;
class QTreeWidget;
class TDAC;

namespace Ui {
class TfrmLocalizar;
}

class TfrmLocalizar : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmLocalizar(std::function<TDAC*()> Documento, QWidget* parent = nullptr);
  ~TfrmLocalizar() override;

  QLineEdit* edProcura;
  QTreeWidget* lvLugares;
  QLabel* lbResumo;

  // Where-used form: the places Consulta gives, about what Titulo names
  // ('Onde é usado: menu "Vendas"'); the search field is hidden. Without
  // AbreMenus nobody opens menus from here: the hint about it goes.
  void MostraOndeUsado(const QString& Titulo, std::function<std::vector<TLugar>(const TDAC&)> Consulta,
                       bool AbreMenus = true);
  const std::vector<TLugar>& Lugares() const { return FLugares; }
  // Asks for the menu of that row (nothing for the document's own fields).
  void AbreLugar(int Linha);

 public slots:
  // Searches the document again.
  void Atualiza();
  // The document changed: searches again once the change is over.
  void DocumentoMudou() { FDigitacao.start(); }

 signals:
  void AbrirMenu(int IndiceMenu);

 protected:
  void done(int Resultado) override;

 private:
  std::unique_ptr<Ui::TfrmLocalizar> ui;
  std::function<TDAC*()> FDocumento;
  std::function<std::vector<TLugar>(const TDAC&)> FConsulta;  // where used; empty: find
  std::vector<TLugar> FLugares;
  QTimer FDigitacao;  // a search while typing waits for a pause
};
