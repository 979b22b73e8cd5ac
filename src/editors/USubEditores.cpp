#include "USubEditores.h"

#include <QDialog>
#include <QLineEdit>

#include "UfrmCadAcoes.h"
#include "UfrmCadMensagem.h"
#include "acao.h"
#include "configuracao.h"
#include "mensagem.h"
#include "opcao.h"
#include "plataforma.h"
#include "posicao.h"

bool EditaMensagem(const TContextoEditor& Ctx, QWidget* Pai, TMUMensagem& Mensagem, bool SohArquivos) {
  TfrmCadMensagem dlg(Ctx, Pai);
  dlg.SohArquivos = SohArquivos;
  dlg.CarregaListaMensagens();
  dlg.CarregaMensagem(&Mensagem);
  if (ExecutaDialogo(&dlg) != QDialog::Accepted) return false;
  Mensagem.CopyFrom(dlg.Mensagem.get());
  return true;
}

bool EditaAcoes(const TContextoEditor& Ctx, QWidget* Pai, TListaMenuUra* lstMenuUra, const QString& strMenuAtual,
                TMUListaAcao& Lista) {
  TfrmCadAcoes dlg(Ctx, Pai);
  dlg.lstMenuUra = lstMenuUra;
  dlg.strMenuAtual = strMenuAtual;
  dlg.CarregaAcoes(&Lista);
  if (ExecutaDialogo(&dlg) != QDialog::Accepted) return false;
  Lista.CopyFrom(dlg.ListaAcoes.get());
  return true;
}

bool OpcaoRepetida(const TMUListaOpcao* Lista, int ItemIndexAtual, const std::function<bool(const TMUOpcao&)>& Igual) {
  if (!Lista) return false;
  for (int i = 0; i < Lista->Count(); ++i)
    if (i != ItemIndexAtual && Igual(*Lista->GetItem(i))) return true;
  return false;
}

void LeLugarJanela(QWidget* Janela, const QString& Secao) {
  Janela->adjustSize();
  LePosicao(Janela, TConfiguracao(Secao), TModoPosicao::Posicao);
}

void GravaLugarJanela(const QWidget* Janela, const QString& Secao) {
  TConfiguracao cfg(Secao);
  GravaPosicao(Janela, cfg, TModoPosicao::Posicao);
}

void MostraNoCampo(QLineEdit* Campo, const QString& Texto) {
  Campo->setText(Texto);
  Campo->setCursorPosition(0);
}
