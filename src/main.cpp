// The configuration program: start-up in the order the program needs it.
#include <QDir>
#include <QTimer>
#include <cstdio>

#include "UfrmMain.h"
#include "aplicacao.h"
#include "inicio.h"

int main(int argc, char** argv) {
  if (!TemTela()) {
    std::fputs("configurador-ura: nenhuma tela disponível (DISPLAY vazio); use xvfb-run ou uma sessão gráfica.\n",
               stderr);
    return 1;
  }
  TAplicacao app(argc, argv);
  // The lookup lists exist before any window (process-wide instance).
  const TLinhaComando inicio = IniciaAmbiente(app.arguments().mid(1), QCoreApplication::applicationDirPath());
  TfrmMain frmMain(inicio);
  IniciaJanelasFixas(&frmMain);
  frmMain.show();
  // Start-up measurement (bench/app_bench): end once the window is shown.
  if (!qEnvironmentVariableIsEmpty("CONFIGURADOR_URA_SAIR_AO_MOSTRAR"))
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
  const int r = app.exec();
  TerminaJanelasFixas();
  return r;
}
