#pragma once
// The kinds of error a command may let escape, and the application-wide
// handler that reports them (AppException).
#include <QString>
#include <exception>
#include <stdexcept>

class QWidget;

// The silent cancellation: abandons the current action without a message.
class EAbort : public std::exception {
 public:
  const char* what() const noexcept override { return "Operation aborted"; }
};

// A file or device could not be read or written.
class EInOutError : public std::runtime_error {
 public:
  explicit EInOutError(const QString& Mensagem) : std::runtime_error(Mensagem.toStdString()) {}
};

class EDivByZero : public std::runtime_error {
 public:
  explicit EDivByZero(const QString& Mensagem) : std::runtime_error(Mensagem.toStdString()) {}
};

// A socket error raised by a connection: reported by the connection itself.
class ESocketError : public std::runtime_error {
 public:
  explicit ESocketError(const QString& Mensagem) : std::runtime_error(Mensagem.toStdString()) {}
};

// The prefix the handler puts before the error's own message; a null text
// when nothing is to be shown (the silent cancellation, socket errors).
QString PrefixoErro(const std::exception& Erro);

// Shows the "Erro" box for Erro (or nothing, as PrefixoErro says).
void AppException(QWidget* Pai, const std::exception& Erro);
// For something that is not a std::exception.
void AppExceptionDesconhecida(QWidget* Pai);

// Runs Comando and hands whatever it lets escape to AppException, so that a
// failing command never ends the program.
template <typename F>
void ExecutaComando(QWidget* Pai, F&& Comando) {
  try {
    Comando();
  } catch (const std::exception& e) {
    AppException(Pai, e);
  } catch (...) {
    AppExceptionDesconhecida(Pai);
  }
}
