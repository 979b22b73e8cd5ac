#pragma once
#include <QString>

// The login name of the user running the process, from the operating
// system's account database; USERNAME, USER and LOGNAME only when that
// lookup fails, and "usuario" when nothing names the user.
QString NomeUsuarioSistema();
