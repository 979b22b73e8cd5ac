#pragma once
// Console output in UTF-8, whatever the locale says.
#include <QString>
#include <QStringList>

void EscreveSaida(const QString& Texto);  // stdout, as is
void EscreveErro(const QString& Texto);   // stderr, as is
// Each line followed by a line feed.
void EscreveLinhas(const QStringList& Linhas);
