#pragma once
// Variable-test editor: one comparison of a call variable with a value.
// The caller fills the variable names (CarregaVariaveis), optionally loads a
// test (CarregaCondicaoVar), and on OK reads Variavel(), TipoComp(), Valor().
#include <QDialog>
#include <QStringList>
#include <memory>

#include "contexto.h"

class TMUCondicaoVar;
namespace Ui {
class TfrmCadCondicaoVar;
}

class TfrmCadCondicaoVar : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmCadCondicaoVar(const TContextoEditor& Ctx, QWidget* parent = nullptr);
  ~TfrmCadCondicaoVar() override;

  // Operator codes and their captions, index for index.
  QStringList ListaTipoComp;
  QStringList ListaDescricaoTipo;

  void CarregaVariaveis(const QStringList& Variaveis);
  void CarregaCondicaoVar(const TMUCondicaoVar* Teste);

  QString Variavel() const;
  // The code at the selected operator; empty with none selected.
  QString TipoComp() const;
  QString Valor() const;

 public slots:
  void accept() override;

 private:
  std::unique_ptr<Ui::TfrmCadCondicaoVar> ui;
};
