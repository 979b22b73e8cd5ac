// The configuration program: start-up in the order the program needs it.
#include <QDir>
#include <QTimer>
#include <cstdio>

#include "UfrmMain.h"
#include "aplicacao.h"
#include "inicio.h"

int main(int argc, char** argv) {
  // "--help" and "--version" answer without a window (and without a display).
  QStringList argumentos;
  for (int i = 1; i < argc; ++i) argumentos << QString::fromLocal8Bit(argv[i]);
  const TLinhaComando pedido = LeLinhaComando(argumentos);
  if (pedido.Ajuda || pedido.Versao) {
    const QString texto = pedido.Ajuda ? TextoAjuda() : QStringLiteral("configurador-ura ") + kVersaoPrograma + u'\n';
    std::fputs(texto.toLocal8Bit().constData(), stdout);
    return 0;
  }
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
