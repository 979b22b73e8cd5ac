#pragma once
// The windows ura-screens renders. Each group of windows registers its own
// in a file of its own here (telas_<grupo>.cpp):
//   static const bool registrada = RegistraTela("frmCadAcao", [] { ...; return janela; });
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

struct TTela {
  QString Nome;  // file name of the picture, without ".png"
  std::function<std::unique_ptr<QWidget>()> Cria;
};

bool RegistraTela(const QString& Nome, std::function<std::unique_ptr<QWidget>()> Cria);
const std::vector<TTela>& Telas();

// The bundled examples (URA files and catalogues) the windows are filled from.
QString PastaExemplos();

class TDAC;
// The example URA file Arquivo, read once and kept for the whole run (windows
// keep pointers to it), with both catalogues of examples/mensagens/ read again
// into the lookup lists, which are emptied before every window.
TDAC* DocumentoExemplo(const QString& Arquivo);
