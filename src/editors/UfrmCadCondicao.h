#pragma once
// Condition editor: edits one condition of a menu's first section on a
// private working copy; the caller copies Condicao back on OK.
#include <QDialog>
#include <QString>
#include <memory>

#include "contexto.h"

class QComboBox;
class TListaMenuUra;
class TMUCondicao;
class TMUCondicaoVar;
namespace Ui {
class TfrmCadCondicao;
}

class TfrmCadCondicao : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmCadCondicao(const TContextoEditor& Ctx, QWidget* parent = nullptr);
  ~TfrmCadCondicao() override;

  std::unique_ptr<TMUCondicao> Condicao;  // working copy
  TListaMenuUra* lstMenuUra = nullptr;    // not owned; handed to the action editor
  QString strMenuAtual;

  // Loads an existing condition (null: nothing).
  void CarregaCondicao(const TMUCondicao* ptrCondicao);

  // The year list both year combos offer, for the given current year.
  static QStringList ListaDeAnos(int AnoAtual);

 public slots:
  void accept() override;

 protected:
  void done(int r) override;

 private:
  void PreencheCombos();
  void ConectaCombos();
  void MudaMes(QComboBox* Mes, QComboBox* Ano, bool Inicial);
  void TipoComparacaoMudou();
  void AtualizaItemsVariaveis();
  void AtualizaMemo();
  void MostraMensagemAcao();
  void AdicionarVariavel();
  void EditarVariavel();
  void RemoverVariavel();
  bool EditaCondicaoVar(TMUCondicaoVar& Teste, bool Novo);
  void EditarMensagem();
  void EditarAcao();

  std::unique_ptr<Ui::TfrmCadCondicao> ui;
  TContextoEditor FCtx;
  bool FCarregando = false;
};
