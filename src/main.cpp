// The configuration program: start-up in the order the program needs it.
#include <QDir>
#include <QFont>
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
  const int r = app.exec();
  TerminaJanelasFixas();
  return r;
}
