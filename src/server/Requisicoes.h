#pragma once
// The exact text of every request the program sends to the server and to the
// local service. Kept apart from the session so each one can be checked.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

inline const QString kVersaoConfigurador = QStringLiteral("1.1.11.3");

namespace Requisicao {
QString Login(const QString& Usuario, const QString& Senha);
QString GetInfoServer();
QString LeArquivoMensagens(const QString& Nome);
QString LeArquivoMensagensChat();
QString ListaArquivosWav();
QString ListaFilas();
QString ListaGrupos();
QString ListaUras();
QString ListaComandos();
QString GetTTSConfig();
QString ListaDeUras();
QString LerXml(const QString& Nome);
QString SalvaXmlUra(const QString& NomeArquivo, const QString& NomeUra);
QByteArray ParteXmlUra(const QString& NomeArquivo, const QByteArray& Parte);
QString FimXmlUra(const QString& NomeArquivo);
QString LeCabecalhoXmlUra(const QString& NomeArquivo);
QString AtivaXmlUra(const QString& NomeArquivo, const QString& NomeUra);
QString SalvaXmlMensagens(const QString& Nome);
QByteArray ParteXmlMensagens(const QByteArray& Parte);
QString FimXmlMensagens();
QString SalvaArquivoWav(const QString& NomeArquivo);
QString BlocoArquivoWav(const QByteArray& Bloco);  // bytes as upper-case hex pairs
QString FimArquivoWav(const QString& NomeArquivo);
QString RecarregaContas(const QString& NomeArquivoDac);
}  // namespace Requisicao

// A file as the parts it travels in: each line reduced to the code page,
// encoded in UTF-8 and followed by a line feed; a part is cut whenever more
// than 500 bytes are buffered, so every part holds whole lines.
QList<QByteArray> MontaPartesArquivo(const QStringList& Linhas);
