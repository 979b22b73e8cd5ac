#pragma once
// The application object: whatever an event handler lets escape ends in
// AppException (a box with the prefix of its kind) and the program goes on.
#include <QApplication>

class TAplicacao : public QApplication {
 public:
  TAplicacao(int& argc, char** argv);
  bool notify(QObject* Receptor, QEvent* Evento) override;
};

// True when a windowing system is there to show the program on.
bool TemTela();
