#pragma once
// Reading and writing of URA files and message catalogues.
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <memory>
#include <pugixml.hpp>

#include "UTMenuUra.h"
#include "infoauxiliar.h"
#include "xmldocument.h"

// Where the writer's lines go, one at a time, in UTF-8 and without a
// terminator; a line's bytes are valid only during the call.
class TDestinoLinhas {
 public:
  virtual ~TDestinoLinhas() = default;
  virtual void Linha(QByteArrayView Utf8) = 0;
};

// A read refreshes the process-wide lookup lists (variables, playlists, chat
// texts) from the document it reads. Those lists belong to the open document:
// while one of these is alive, a read of another document (to compare it, or
// one that fails) leaves them as they were; Solta() keeps what was read, for
// a document that becomes the open one.
class TGuardaListasLeitura {
 public:
  TGuardaListasLeitura();
  ~TGuardaListasLeitura();
  TGuardaListasLeitura(const TGuardaListasLeitura&) = delete;
  TGuardaListasLeitura& operator=(const TGuardaListasLeitura&) = delete;
  void Solta() { FAtivo = false; }

 private:
  bool FAtivo = true;
  TListaTextoOrdenada FVariaveis, FPlayList, FChat, FChatTDD;
};

class TXMLDac {
 public:
  // Loads NomeArquivo into XMLDocument1 and, when DAC is given, fills it.
  bool LerXML(TXMLDocument& XMLDocument1, TDAC* DAC, const QString& NomeArquivo);
  // Fills DAC from the document already loaded in XMLDocument1.
  bool CarregaDACdoXml(TXMLDocument& XMLDocument1, TDAC* DAC);
  // Builds one menu from a Menu element; the caller appends it.
  std::unique_ptr<TMenuUra> CarregaMenuXML(TDAC* DAC, const pugi::xml_node& Menu);
  void LeNodeMensagemChat(const pugi::xml_node& Elemento, TMUMensagem* Mensagem, QString& Texto);

  // The URA file as lines without terminators; the document is not changed.
  void DACToXMLStringList(const TDAC* DacAtual, QStringList& listaStr) const;
  // The same lines handed to Destino as they are made, none of them kept.
  void DACToXML(const TDAC* DacAtual, TDestinoLinhas& Destino) const;

  // Message catalogue and chat text catalogue (merged into the lookup lists).
  bool LerXMLMensagens(TXMLDocument& XMLDocument1, TDAC* DAC, const QString& NomeArquivo);
  bool CarregaMensagensDoXml(TXMLDocument& XMLDocument1, TDAC* DAC);
};

// Catalogue writers. GeraXMLMensagens replaces the content of XMLDocument1
// with the chat text catalogue when NomeArquivo is "mensagenschat.xml" and
// with the message catalogue otherwise; the caller saves it.
void GeraXMLMensagens(TXMLDocument& XMLDocument1, const QString& NomeArquivo);
void MensagensToXMLStringList(bool tipoChat, QStringList& listaStr);

// Writes lines as UTF-8 without byte-order mark, each followed by CR LF,
// atomically. False (and Erro set) when the file cannot be written.
bool SalvaLinhas(const QStringList& Linhas, const QString& NomeArquivo, QString* Erro = nullptr);
// "Salvar": stamps the audit fields of a local-service document (creation
// only when Novo), writes the URA file and returns the result of the write.
bool SalvaDAC(TDAC* DAC, const QString& NomeArquivo, const QString& Usuario, double Agora, QString* Erro = nullptr);
