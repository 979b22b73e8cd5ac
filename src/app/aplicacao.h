#pragma once
// The application object: whatever an event handler lets escape ends in
// AppException (a box with the prefix of its kind) and the program goes on.
#include <QApplication>

class TAplicacao : public QApplication {
 public:
  TAplicacao(int& argc, char** argv);
  bool notify(QObject* Receptor, QEvent* Evento) override;
};

// What the program sets on the running application before its first window:
// its names, with no display name (Qt would append it to every caption, and
// the windows show their captions exactly as given), and Qt's own texts in
// Portuguese (standard buttons, file and folder dialogs). True when Qt's
// Portuguese translation was found.
bool PreparaAplicacao();

// Every window that is made smaller than its minimum size (its layout's
// need) grows back to it: window managers that ignore the minimum, or none
// at all, would otherwise squeeze its controls away. Installed once.
void GuardaTamanhoMinimo();

// True when a windowing system is there to show the program on.
bool TemTela();
