// The catalogue editor, the audio window and the player, as the main window
// opens them.
#include <QDialog>
#include <QPointer>

#include "PlayGraficoArq.h"
#include "UfrmEditaLista.h"
#include "UfrmEnviarArquivo.h"
#include "edicao.h"
#include "editores.h"
#include "infoauxiliar.h"
#include "inicio.h"
#include "plataforma.h"

namespace {
// Created once and kept for the whole run; made when the audio window first
// needs it, so that a machine without a volume control is not told so at start.
std::unique_ptr<TfrmPlayGraficoArq>& Player() {
  static std::unique_ptr<TfrmPlayGraficoArq> p;
  return p;
}
bool FPlayerPermitido = false;

TfrmPlayGraficoArq* PlayerCriado() {
  if (FPlayerPermitido && !Player()) Player() = std::make_unique<TfrmPlayGraficoArq>();
  return Player().get();
}
// The audio window while it is open: the server's block requests go to it.
QPointer<TfrmEnviarArquivo>& JanelaAudio() {
  static QPointer<TfrmEnviarArquivo> j;
  return j;
}
}  // namespace

void IniciaJanelasFixas(QWidget*) { FPlayerPermitido = true; }

void TerminaJanelasFixas() {
  Player().reset();
  FPlayerPermitido = false;
}

bool EditaCatalogo(QWidget* Pai, const TContextoEditor& Ctx) {
  TfrmEditarLista dlg(Ctx, Pai);
  dlg.Carrega(MenuUraInfoAuxiliar.ListaDeMensagens);
  DefineOndeUsadoCatalogo(dlg, Ctx.Dac);
  return ExecutaDialogo(&dlg) == QDialog::Accepted;
}

bool AbreEnvioAudio(QWidget* Pai, const TContextoEditor& Ctx, TSessaoServidor* Sessao, const QString& PastaMensagens) {
  TfrmEnviarArquivo dlg(Ctx.Local() ? nullptr : Sessao, Ctx.Local(), Pai);
  dlg.DefinePastaMensagens(PastaMensagens);
  dlg.DefinePlayer(PlayerCriado());
  JanelaAudio() = &dlg;
  const int r = ExecutaDialogo(&dlg);
  JanelaAudio() = nullptr;
  return r == QDialog::Accepted;
}

void AudioProximoBloco() {
  if (JanelaAudio()) JanelaAudio()->EnviaBlocoArquivo();
}

void AudioVoltaOcioso() {
  if (JanelaAudio()) JanelaAudio()->ErroEnvioArquivo();
}
