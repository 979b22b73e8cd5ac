#include "aplicacao.h"

#include <QLibraryInfo>
#include <QPointer>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include "erros.h"

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv) { PreparaAplicacao(); }

namespace {
class TGuardaTamanho : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* Objeto, QEvent* Evento) override {
    if (Evento->type() == QEvent::Resize && Objeto->isWidgetType()) {
      auto* janela = static_cast<QWidget*>(Objeto);
      const QSize minimo = janela->minimumSize();
      if (janela->isWindow() && !(janela->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) &&
          (janela->width() < minimo.width() || janela->height() < minimo.height())) {
        // After the event: the resize that caused it must finish first.
        QTimer::singleShot(0, janela, [janela] { janela->resize(janela->size().expandedTo(janela->minimumSize())); });
      }
    }
    return QObject::eventFilter(Objeto, Evento);
  }
};
}  // namespace

void GuardaTamanhoMinimo() {
  QCoreApplication* app = QCoreApplication::instance();
  // Found by name: the filter has no meta-object of its own to be found by type.
  const QString nome = QStringLiteral("GuardaTamanhoMinimo");
  if (!app || app->findChild<QObject*>(nome, Qt::FindDirectChildrenOnly)) return;
  auto* guarda = new TGuardaTamanho(app);
  guarda->setObjectName(nome);
  app->installEventFilter(guarda);
}

bool PreparaAplicacao() {
  GuardaTamanhoMinimo();
  QCoreApplication::setApplicationName(QStringLiteral("configurador-ura"));
  QCoreApplication::setApplicationVersion(QStringLiteral("1.1.11.3"));
  QCoreApplication::setOrganizationName(QStringLiteral("Talvora"));
  // The desktop entry of the same name gives the window its icon and name.
  QGuiApplication::setDesktopFileName(QStringLiteral("configurador-ura"));

  const QString pasta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const char* nome : {"qtbase_pt_BR", "qtbase_pt"}) {
    auto* traducao = new QTranslator(QCoreApplication::instance());
    if (traducao->load(QString::fromLatin1(nome), pasta) && QCoreApplication::installTranslator(traducao)) return true;
    delete traducao;
  }
  return false;
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
