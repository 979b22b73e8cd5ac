#pragma once
// Loading of the tool's input files; a failure ends the command with exit
// code 1 and one line that names the file and the problem.
#include <QString>

class TDAC;

// Reads a URA file into Dac (whose RORIRO flag the caller has already set).
void CarregaURA(const QString& Arquivo, TDAC& Dac);
// Merges a message or chat text catalogue into MenuUraInfoAuxiliar.
void CarregaCatalogo(const QString& Arquivo);
