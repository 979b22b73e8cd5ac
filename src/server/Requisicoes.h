#pragma once
// The exact text of every request the program sends to the server and to the
// local service. Kept apart from the session so each one can be checked.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "UTXMLDac.h"

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
// What comes before and after the part in ParteXmlUra.
QByteArray InicioParteXmlUra(const QString& NomeArquivo);
inline constexpr char kFimParte[] = "\r\n\r\n";
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

// The same parts made from the writer's lines as they come (UTF-8). Given
// Inicio and Fim, each part is made inside the request that carries it,
// Inicio before and Fim after it, sparing a copy of the whole file.
class TPartesArquivo : public TDestinoLinhas {
 public:
  explicit TPartesArquivo(const QByteArray& Inicio = QByteArray(), const QByteArray& Fim = QByteArray())
      : FInicio(Inicio), FFim(Fim) {}
  void Linha(QByteArrayView Utf8) override;
  // The parts (or requests), the last one closed.
  QList<QByteArray> Partes();

 private:
  void Fecha();

  QByteArray FInicio, FFim;
  QList<QByteArray> FPartes;
  QByteArray FParte;
};
