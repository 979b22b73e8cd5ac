#pragma once
// The differences between another version of a URA (a file, a previous
// version, the server's copy) and the open document, grouped by menu and
// coloured by kind (added green, removed red, changed amber, moved blue).
// Activating a row of a menu that is in the open document asks for that menu
// to be opened. The window keeps the other document and asks Documento for
// the open one each time, comparing again when it changes.
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

#include "diferencas.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class TDAC;

namespace Ui {
class TfrmComparacao;
}

class TfrmComparacao : public QDialog {
  Q_OBJECT
 public:
  // Outro is what the open document is compared with ("Antes"); Descricao
  // names it for the user.
  TfrmComparacao(std::function<TDAC*()> Documento, std::unique_ptr<TDAC> Outro, const QString& Descricao,
                 QWidget* parent = nullptr);
  ~TfrmComparacao() override;

  QTreeWidget* lvDiferencas;
  QLabel* lbResumo;

  const TDiferencas& Diferencas() const { return FDiferencas; }
  // Asks for the menu of the row's group, when the open document has it.
  void AbreLinha(const QTreeWidgetItem* Item);

 public slots:
  void Atualiza();
  void DocumentoMudou() { FMudanca.start(); }

 signals:
  void AbrirMenu(int IndiceMenu);

 protected:
  void done(int Resultado) override;

 private:
  std::unique_ptr<Ui::TfrmComparacao> ui;
  std::function<TDAC*()> FDocumento;
  std::unique_ptr<TDAC> FOutro;
  TDiferencas FDiferencas;
  QTimer FMudanca;  // many changes in a row compare once
};
