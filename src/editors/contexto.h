#pragma once
// What every editor needs to know about where it works, handed down from the
// main window through each editor to the editors it opens (never read from a
// global window).
#include <QString>

class TDAC;

struct TContextoEditor {
  // The open document: its kind of URA, and the document new objects belong to.
  TDAC* Dac = nullptr;
  // InfoServidor.TipoUra of the main window: 3 is local mode, 1 at start.
  int TipoUraServidor = 1;
  // InfoServidor.Versao: the server's version, empty when not known.
  QString VersaoServidor;

  bool Local() const { return TipoUraServidor == 3; }
};
