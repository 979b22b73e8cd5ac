#pragma once
// Action editor: one action's type code and the values that type needs.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <memory>

#include "contexto.h"

class TListaMenuUra;
class TMUAcao;
class TMUListaFilas;

namespace Ui {
class TfrmCadAcao;
}

class TfrmCadAcao : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmCadAcao(const TContextoEditor& Ctx, QWidget* parent = nullptr);
  ~TfrmCadAcao() override;

  bool EhUraChat = false;
  bool EhUraChatTDD = false;
  // The working action, bound to the open document. Never null.
  std::unique_ptr<TMUAcao> Acao;
  // Type codes and captions of cbAcao's entries, index for index.
  QStringList ListaAcoes;
  QStringList ListaDescricaoAcoes;
  TMUListaFilas* ListaDeFilas = nullptr;  // not owned: the channel's queue list
  QStringList ListaDeUras;                // chat URAs only
  TListaMenuUra* lstMenuUra = nullptr;    // not owned
  QString strMenuAtual;

  // Copies the given action (null: none) into the working action, offers
  // "DISCAOP" when the working action's option value holds an "X", selects
  // the type and lays out the value controls.
  void CarregaAcao(const TMUAcao* AcaoOrigem);

 protected:
  void done(int r) override;

 private:
  void MontaListaAcoes();
  void RecarregaItensAcao();
  void Atualiza();
  void cbAcaoChange(int Index);
  void cbValorAcaoChange();
  void cbVariavelComandoChange();
  void btMsgClick();
  bool Verifica();
  QString DescricaoArquivos(const QString& Arquivos) const;

  std::unique_ptr<Ui::TfrmCadAcao> ui;
  TContextoEditor FCtx;
  bool FAtualizando = false;  // controls being laid out: their signals store nothing
};
