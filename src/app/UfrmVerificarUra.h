#pragma once
// The findings of the URA check in a list; a double click opens the menu a
// finding belongs to in the menu editor, and the list is checked again.
#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "verificacao.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace Ui {
class TfrmVerificarUra;
}

class TfrmVerificarUra : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmVerificarUra(QWidget* parent = nullptr);
  ~TfrmVerificarUra() override;

  QTreeWidget* lvAchados;
  QLabel* lbResumo;

  // Runs the check on the open document.
  std::function<std::vector<TAchado>()> Verifica;
  // Opens the menu of that index for editing; true when it was changed.
  std::function<bool(int)> AbreMenu;

  const std::vector<TAchado>& Achados() const { return FAchados; }
  // Checks again and fills the list.
  void Atualiza();
  // The double click on a row.
  void AbreAchado(int Linha);

  void done(int Resultado) override;

 private:
  std::unique_ptr<Ui::TfrmVerificarUra> ui;
  std::vector<TAchado> FAchados;
};
