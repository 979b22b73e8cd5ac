#pragma once
#include <QString>
#include <QStringList>

// A message: audio entries (catalogue names or '{X}' variable references) and
// chat texts kept with CR/LF escaped as "&#xD;"/"&#xA;".
class TMUMensagem {
 public:
  bool PodeParar = false;

  void AddArquivo(const QString& NomeArquivo);
  QString GetArquivo(int Indice, bool bOriginal) const;
  QString AddMensagemChat(const QString& Mensagem);
  QString GetMensagemChat(int Indice, const QString& novaLinha) const;
  QString ArquivosText() const;
  void AcrescentaArquivosText(QString& r) const;  // the same, appended to r
  QString MensagensChatText() const;
  int ArquivosCount() const { return static_cast<int>(FLista.size()); }
  const QStringList& Arquivos() const { return FLista; }  // the entries as stored
  int MensagensChatCount() const { return static_cast<int>(FListaChat.size()); }
  void LimpaListaArquivos();
  void SetListaArquivos(const QStringList& Lista);
  void SetListaArquivosSeparador(const QString& Separador, const QString& Texto);
  QString GetListaArquivosSeparador(const QString& Separador) const;
  QString GetStrMensagem() const;
  // The same description for a page, appended to r: every text taken from
  // the message is appended through Acrescenta (which escapes it; the
  // separators do not go through it), and a line break inside a chat text
  // is written as novaLinha instead of "↩". A null Acrescenta appends as
  // GetStrMensagem does.
  void AcrescentaStrMensagem(QString& r, void (*Acrescenta)(QString&, QStringView), const QString& novaLinha) const;
  QString GetStrMensagemChat(const QString& separador, const QString& novaLinha) const;
  // A null source empties both lists and clears PodeParar.
  void CopyFrom(const TMUMensagem* ptrMensagem);

 private:
  QStringList FLista;
  QStringList FListaChat;
};
