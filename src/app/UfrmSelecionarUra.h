#pragma once
// Picks one URA file: from the server's list, or from a local folder that
// the user may change.
#include <QDialog>
#include <memory>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QWidget;
class TDAC;

namespace Ui {
class TfrmSelecionarUra;
}

// The platform's folder chooser; the folder with a trailing separator, or
// empty when cancelled.
QString BrowseDialog(QWidget* Pai, const QString& Titulo, const QString& Pasta = QString());

class TfrmSelecionarUra : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmSelecionarUra(bool Local, QWidget* parent = nullptr);
  ~TfrmSelecionarUra() override;

  QWidget* PanelDiretorio;
  QLineEdit* edDiretorio;
  QPushButton* btSelDir;
  QTreeWidget* ListViewUras;
  QPushButton* btOK;
  QPushButton* btCancelar;

  // Fills the list with the URA files of the folder in edDiretorio.
  void CarregaDACs();
  // One row for a document: file name, then the header values under their captions.
  void AdicionaDac(const QString& Arquivo, const TDAC& Dac);
  void btSelDirClick();
  // The selected row's file name, or empty.
  QString ArquivoSelecionado() const;

  void done(int Resultado) override;

 protected:
  void showEvent(QShowEvent* Evento) override;

 private:
  void LeConfiguracao();
  void SalvaConfiguracao();

  std::unique_ptr<Ui::TfrmSelecionarUra> ui;
  bool FLocal;
  QList<int> FColunasPadrao;  // widths not in the settings yet
};
