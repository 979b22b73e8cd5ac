#include "usuario.h"

#include <QByteArray>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>

#include <vector>
#endif

QString NomeUsuarioSistema() {
#ifndef _WIN32
  long tamanho = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(tamanho > 0 ? static_cast<size_t>(tamanho) : 16384);
  passwd registro{};
  passwd* resultado = nullptr;
  if (getpwuid_r(geteuid(), &registro, buffer.data(), buffer.size(), &resultado) == 0 && resultado &&
      resultado->pw_name && *resultado->pw_name)
    return QString::fromLocal8Bit(resultado->pw_name);
#endif
  for (const char* variavel : {"USERNAME", "USER", "LOGNAME"}) {
    const QString valor = qEnvironmentVariable(variavel);
    if (!valor.isEmpty()) return valor;
  }
  return QStringLiteral("usuario");
}
