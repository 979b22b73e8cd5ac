#pragma once
// Shared pieces of the URA file tests: a fixture that isolates the
// process-wide lookup lists, and a document that uses every part of the format.
#include <gtest/gtest.h>
#include <QStringList>
#include <QTemporaryDir>
#include <string>

#include "UTMenuUra.h"
#include "UTXMLDac.h"

class UraXmlTeste : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Reads Xml (a whole file) into Dac the way the server road does.
  bool Ler(const QString& Xml, TDAC& Dac);
  // The text form of a document's file.
  QString Escreve(const TDAC& Dac) const;
  QString Caminho(const QString& Nome) const { return Dir.path() + u'/' + Nome; }

  QTemporaryDir Dir;
  TXMLDocument Doc;
  TXMLDac Xml;
};

// A file with the declaration and a URA root around Corpo.
QString ArquivoUra(const QString& Corpo, const QString& Atributos = QString());

// A voice or chat document with conditions, options, fallbacks, list menus,
// play list references and messages holding both audio entries and chat
// texts; every value survives a write and read back.
void MontaDacRico(TDAC& Dac, const QString& TipoUra);

// The fingerprint plus everything it leaves out: chat texts, descriptions,
// option rules, list menus, action fields and variable lists.
QStringList ConteudoCompleto(const TDAC& Dac);

// Lists compared as one text, so that a failure shows readable lines.
inline std::string Linhas(const QStringList& Lista) { return Lista.join(u'\n').toStdString(); }
