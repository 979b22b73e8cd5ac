#pragma once
// The connection dialog: server address, port, user and password, kept in
// the "Conexao" section; it stays open showing the progress until the login
// succeeds or the user cancels.
#include <QDialog>
#include <functional>
#include <memory>

#include "SessaoServidor.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class TfrmConectar;
}

class TfrmConectar : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmConectar(QWidget* parent = nullptr);
  ~TfrmConectar() override;

  QComboBox* ComboBoxConexao;
  QLineEdit* lbedIP;
  QLineEdit* lbEdPorta;
  QLineEdit* lbedUsuario;
  QLineEdit* lbedSenha;
  QCheckBox* CheckBox1;
  QPushButton* btConectar;
  QPushButton* btCancelar;
  QLabel* LabelInfo;

  // What "Conectar" asks of the main window: its "Desconectar do servidor"
  // (which may abandon the action with EAbort) and the connection itself.
  std::function<void()> Desconectar;
  std::function<void(const TCfgConexao&)> Conectar;

  void LeConfiguracaoConexao();
  void SalvaConfiguracaoConexao();
  // The information line: red for errors, shortened to fit, shown at once.
  void SetLabel(const QString& Texto);
  void HabilitaBotoes(bool Habilitar);
  // The fields as a connection; a port that is not a number gives 5038.
  TCfgConexao LeCampos() const;
  // The first empty field among address, port, user and password, else "Conectar".
  QWidget* CampoInicial() const;
  void btConectarClick();

 protected:
  void showEvent(QShowEvent* Evento) override;

 private:
  std::unique_ptr<Ui::TfrmConectar> ui;
};
