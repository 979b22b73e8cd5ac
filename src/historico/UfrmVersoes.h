#pragma once
// The previous versions of one URA (date, who, size), newest first. The
// dialog closes with OK when the user chose "Comparar" or "Restaurar" for the
// selected version; the caller does the rest.
#include <QDialog>
#include <memory>
#include <vector>

#include "versoes.h"

class QPushButton;
class QTreeWidget;

namespace Ui {
class TfrmVersoes;
}

class TfrmVersoes : public QDialog {
  Q_OBJECT
 public:
  enum class TEscolha { Nenhuma, Comparar, Restaurar };

  TfrmVersoes(const QString& NomeUra, std::vector<TVersaoUra> Versoes, QWidget* parent = nullptr);
  ~TfrmVersoes() override;

  QTreeWidget* lvVersoes;
  QPushButton* btComparar;
  QPushButton* btRestaurar;

  TEscolha Escolha() const { return FEscolha; }
  // The selected version's file; empty without a selection.
  QString ArquivoEscolhido() const;
  // The selected version; null without a selection.
  const TVersaoUra* VersaoEscolhida() const;
  void Escolhe(TEscolha Escolha);

 protected:
  void done(int Resultado) override;

 private:
  void HabilitaBotoes();

  std::unique_ptr<Ui::TfrmVersoes> ui;
  std::vector<TVersaoUra> FVersoes;
  TEscolha FEscolha = TEscolha::Nenhuma;
};
