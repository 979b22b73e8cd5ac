#include "erros.h"

#include <filesystem>
#include <ios>
#include <new>

#include "plataforma.h"

QString PrefixoErro(const std::exception& Erro) {
  // In the order the kinds are tested.
  if (dynamic_cast<const EDivByZero*>(&Erro)) return QStringLiteral("Erro de divisão por zero\r");
  if (dynamic_cast<const EInOutError*>(&Erro) || dynamic_cast<const std::ios_base::failure*>(&Erro) ||
      dynamic_cast<const std::filesystem::filesystem_error*>(&Erro))
    return QStringLiteral("Erro de acesso à arquivo ou dispositivo\r");
  if (dynamic_cast<const std::overflow_error*>(&Erro)) return QStringLiteral("Erro de overflow\r");
  if (dynamic_cast<const std::domain_error*>(&Erro)) return QStringLiteral("Erro de operação inválida\r");
  if (dynamic_cast<const std::bad_alloc*>(&Erro)) return QStringLiteral("Erro de memória\r");
  if (dynamic_cast<const ESocketError*>(&Erro) || dynamic_cast<const EAbort*>(&Erro)) return QString();
  return QStringLiteral("Erro desconhecido\r");
}

void AppException(QWidget* Pai, const std::exception& Erro) {
  const QString prefixo = PrefixoErro(Erro);
  if (prefixo.isNull()) return;
  // The memory prefix stands alone: bad_alloc's own text says nothing to the user.
  const QString mensagem = dynamic_cast<const std::bad_alloc*>(&Erro) ? QString() : QString::fromUtf8(Erro.what());
  MostraErro(Pai, prefixo + mensagem, QStringLiteral("Erro"));
}

void AppExceptionDesconhecida(QWidget* Pai) {
  MostraErro(Pai, QStringLiteral("Erro desconhecido\r"), QStringLiteral("Erro"));
}
