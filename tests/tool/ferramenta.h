#pragma once
#include "apoio.h"
// Runs ura-tool as a child process and handles the files of a test.
#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct ResultadoTool {
  int Codigo = -1;             // exit code; -1 when the tool crashed or hung
  QString Saida;               // stdout, decoded as UTF-8
  QString Erro;                // stderr, decoded as UTF-8
  QStringList Linhas() const;  // stdout split at LF, without the last empty piece
};

// The environment of every run: a C locale, so that the output is checked
// to be UTF-8 whatever the locale says.
QProcessEnvironment AmbienteTool();
ResultadoTool RodaTool(const QStringList& Args, const QProcessEnvironment& Ambiente = AmbienteTool());

QString Exemplo(const QString& Nome);  // path of a file of examples/
QString GravaArquivo(const QTemporaryDir& Pasta, const QString& Nome, const QByteArray& Conteudo);
QByteArray SemCR(QByteArray Texto);

// Small documents written by the tests.
extern const char* const kUraVozPequena;
extern const char* const kUraChatPequena;
extern const char* const kCatalogoPequeno;
