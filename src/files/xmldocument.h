#pragma once
// The XML document the program passes around: a pugixml document that also
// acts as the receiver of files that arrive in parts. While inactive it only
// collects text lines; activating it parses them.
#include <QString>
#include <QStringList>
#include <pugixml.hpp>
#include <string>

class TXMLDocument {
 public:
  bool Active() const { return FActive; }
  // Parses the collected lines (joined with LF). False, and inactive, when
  // they are not well-formed XML.
  bool Activate();
  // Keeps the parsed tree's memory but marks the document inactive.
  void Deactivate() { FActive = false; }
  // Inactive, normal options, text and tree emptied.
  void Reset();
  // The receiver's lines, kept until Reset, ClearLines or a load, in one
  // buffer in UTF-8, the form the parser takes (a file arrives as up to a
  // million of them).
  void AddLine(QStringView Linha);
  // A line already in valid UTF-8, taken as it is.
  void AddLineUtf8(QByteArrayView Linha);
  qsizetype LineCount() const { return FLinhas; }
  // The collected lines (each line feed inside a line also cuts it).
  QStringList Lines() const;
  void ClearLines() {
    std::string().swap(FTexto);  // a whole file's memory is given back
    FLinhas = 0;
  }

  // Replace any earlier content (tree and collected text) with the file or
  // text and activate the document; false when the file is missing,
  // unreadable or the XML not well-formed.
  bool LoadFromFile(const QString& NomeArquivo);
  bool LoadFromString(const QString& Xml);
  // The bytes of a file, checked and parsed as LoadFromFile does.
  bool LoadFromData(const QByteArray& Dados);
  // Writes the tree as UTF-8 (declaration version 1.0, encoding utf-8),
  // atomically: a failed write leaves an existing file untouched.
  bool SaveToFile(const QString& NomeArquivo, QString* Erro = nullptr) const;

  // The tree; empty until loaded or activated.
  pugi::xml_document& Doc() { return FDoc; }
  const pugi::xml_document& Doc() const { return FDoc; }
  pugi::xml_node Root() const { return FDoc.document_element(); }
  bool HasContent() const { return !FDoc.document_element().empty(); }
  // Why the last load failed, for messages.
  const QString& Erro() const { return FErro; }
  // The last load failed because the text is not well-formed XML (rather
  // than unreadable, not a regular file or not UTF-8).
  bool ErroSintaxe() const { return FErroSintaxe; }

 private:
  // Files may carry a byte-order mark; text we hand over is always UTF-8.
  bool Parse(QByteArrayView Dados, pugi::xml_encoding Codificacao = pugi::encoding_utf8);
  // False, with the reason in FErro, when the bytes are not UTF-8 (and no
  // other encoding is declared).
  bool Utf8Valido(const char* Dados, qsizetype Tamanho);
  // Records a parse error and empties the tree; always false.
  bool Falha(const pugi::xml_parse_result& Resultado);

  pugi::xml_document FDoc;
  std::string FTexto;  // every collected line followed by LF
  qsizetype FLinhas = 0;
  bool FActive = false;
  QString FErro;
  bool FErroSintaxe = false;
};
