#pragma once
// What every editor needs to know about where it works, handed down from the
// main window through each editor to the editors it opens (never read from a
// global window).
#include <QString>
#include <functional>

class QWidget;
class TDAC;

struct TContextoEditor {
  // The open document: its kind of URA, and the document new objects belong to.
  TDAC* Dac = nullptr;
  // InfoServidor.TipoUra of the main window: 3 is local mode, 1 at start.
  int TipoUraServidor = 1;
  // InfoServidor.Versao: the server's version, empty when not known.
  QString VersaoServidor;
  // Shows where an audio message (its file name) or a chat text (stored form)
  // is used in the open document; empty where nobody offers it.
  std::function<void(QWidget* Pai, const QString& Mensagem, bool Chat)> OndeUsadoMensagem;

  bool Local() const { return TipoUraServidor == 3; }
};
