#pragma once
// The HTML report of a URA document.
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "UTMenuUra.h"

// The page's lines (without terminators). ModoLocal selects the local-mode
// title and drops the activation row; Emissao is the issue time shown.
QStringList MontaHTML(const TDAC& DAC, bool ModoLocal, const QDateTime& Emissao);
// The text of an action cell: go-to actions become links to the menu's row.
QString GetStrLinkAcao(const TMUListaAcao* ptrListaAcao);
// <PastaTemp>/<Nome>.html, with every character a file name cannot hold (and
// "..") replaced so that the page never lands outside PastaTemp.
QString CaminhoRelatorio(const QString& PastaTemp, const QString& Nome);
// Writes the lines, each ended by CR LF, in the 8-bit code page.
bool GravaRelatorio(const QStringList& Linhas, const QString& NomeArquivo, QString* Erro = nullptr);
// The page of MontaHTML written as GravaRelatorio writes it, without the list
// of lines in between.
bool GravaHTML(const TDAC& DAC, bool ModoLocal, const QDateTime& Emissao, const QString& NomeArquivo,
               QString* Erro = nullptr);
