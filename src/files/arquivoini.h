#pragma once
// INI files in their plain layout: "[Section]" lines and "key=value" lines.
// A value is everything after the first "=" up to the end of its line, kept
// exactly (no quoting, no escaping, no comment after it, blanks kept), so a
// password holding ";", ",", quotes or trailing blanks reads back as typed.
// Section and key names are matched ignoring the case of A to Z. Lines it
// does not change (comments, other sections, unknown keys) are written back
// as they were. Written in UTF-8; a file that is not UTF-8 is read through
// the 8-bit code page, as older programs wrote it.
#include <QByteArray>
#include <QString>
#include <vector>

class TArquivoIni {
 public:
  TArquivoIni() = default;
  // A missing or unreadable file reads as an empty one.
  static TArquivoIni Carrega(const QString& Caminho);
  static TArquivoIni DeBytes(const QByteArray& Bytes);

  QByteArray Bytes() const;
  // Replaces the file at once (a failed write leaves the old file whole).
  bool Salva(const QString& Caminho, QString* Erro = nullptr) const;

  // A null text when the section or the key is missing.
  QString Valor(const QString& Secao, const QString& Chave) const;
  // A line break cannot be held by the layout: it is left out of the value.
  void DefineValor(const QString& Secao, const QString& Chave, const QString& Valor);

 private:
  struct TLinha {
    QString Texto;  // the whole line as read or written
    QString Chave;  // empty on lines that hold no key
    qsizetype InicioValor = -1;
  };
  struct TSecao {
    QString Nome;  // null for the lines before the first section
    std::vector<TLinha> Linhas;
  };
  TSecao* Secao(const QString& Nome);
  const TSecao* Secao(const QString& Nome) const;

  std::vector<TSecao> FSecoes;
  QString FQuebra = QStringLiteral("\n");
  bool FBom = false;
};
