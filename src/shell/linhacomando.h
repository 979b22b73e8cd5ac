#pragma once
// The start-up decisions taken before the main window reads its settings:
// the command line ("-S", "-d", "-A"), the monitor program that selects local
// mode, and the process-wide folders that follow from the mode.
#include <QString>
#include <QStringList>

struct TLinhaComando {
  bool Local = false;      // "-S"
  QString PastaTrabalho;   // "-d"
  QString ArquivoInicial;  // "-A", relative to the working folder
  // A path without a switch, as the desktop hands a file over.
  QString ArquivoAberto;
  bool Ajuda = false;   // "-h", "--help"
  bool Versao = false;  // "--version"
};

// What "--help" prints.
QString TextoAjuda();

// Reads the arguments (without the program's own name) from the first to the
// last; comparisons are case-sensitive.
TLinhaComando LeLinhaComando(const QStringList& Argumentos);

// The monitor program of the local service beside the executable; the name
// without ".exe" counts too.
bool ExisteMonitor(const QString& PastaPrograma);

// Reads the command line, decides the mode (command line or monitor) and
// installs the folders (DefineAmbiente). Returns what was read, with Local
// set to the mode decided. A file handed over (ArquivoAberto) is opened in
// local mode with its folder as the working folder, as "-S -d FOLDER -A NAME".
TLinhaComando IniciaAmbiente(const QStringList& Argumentos, const QString& PastaPrograma);
