#include "aplicacao.h"

#include "erros.h"

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("configurador-ura"));
  setApplicationDisplayName(QStringLiteral("Configurador de URA"));
  setApplicationVersion(QStringLiteral("1.1.11.3"));
  setOrganizationName(QStringLiteral("Talvora"));
}

bool TAplicacao::notify(QObject* Receptor, QEvent* Evento) {
  try {
    return QApplication::notify(Receptor, Evento);
  } catch (const std::exception& e) {
    AppException(activeWindow(), e);
  } catch (...) {
    AppExceptionDesconhecida(activeWindow());
  }
  return false;
}

bool TemTela() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
  // A platform chosen by the caller (offscreen, xcb, wayland...) is trusted.
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
  return true;
#endif
}
