#include "Requisicoes.h"

#include <QStringEncoder>

#include "codepage.h"
#include "texto.h"

namespace {
const QString kFim = QStringLiteral("\r\n\r\n");
const QString kFiltroPerfil = QStringLiteral(
    "PerfilConfiguracaoId = (SELECT PerfilConfiguracaoId FROM PerfilConfiguracao WHERE Status = 1 LIMIT 0,1)");
}  // namespace

namespace Requisicao {

QString Login(const QString& Usuario, const QString& Senha) {
  return QStringLiteral("Action: Login\r\nActionId: LoginUsuario\r\nUsername: ") + Usuario +
         QStringLiteral("\r\nPassword: ") + Senha + QStringLiteral("\r\nClientVersion: ") + kVersaoConfigurador + kFim;
}

QString GetInfoServer() { return QStringLiteral("Action: GetInfoServer\r\nActionId: GetInfoServer") + kFim; }

QString LeArquivoMensagens(const QString& Nome) {
  return QStringLiteral("Action: ReadXmlMessages\r\nActionId: LerXmlMensagens\r\nFilename: ") + Nome + kFim;
}

QString LeArquivoMensagensChat() {
  return QStringLiteral("Action: ReadXmlMessages\r\nActionId: LerXmlMensagensChat\r\nFilename: mensagenschat.xml") +
         kFim;
}

QString ListaArquivosWav() { return QStringLiteral("Action: ListWavFiles\r\nActionId: ListaArquivosWav") + kFim; }

QString ListaFilas() {
  return QStringLiteral(
             "Action: KRDBCommand\r\nActionId: KRDBListaFilas\r\nCommand: List\r\nTable: Fila\r\n"
             "Fields: FilaId, Nome, Tipo\r\nFilter: WHERE ") +
         kFiltroPerfil + QStringLiteral(" and Ativa = 1") + kFim;
}

QString ListaGrupos() {
  return QStringLiteral(
             "Action: KRDBCommand\r\nActionId: KRDBListaGrupos\r\nCommand: List\r\nTable: Grupo\r\n"
             "Fields: GrupoId, Nome\r\nFilter: WHERE ") +
         kFiltroPerfil + kFim;
}

QString ListaUras() {
  return QStringLiteral(
             "Action: KRDBCommand\r\nActionId: KRDBListaUras\r\nCommand: List\r\nTable: RotaDestino\r\n"
             "Fields: Numero\r\nFilter: WHERE Destino = 'u' AND ") +
         kFiltroPerfil + kFim;
}

QString ListaComandos() { return QStringLiteral("Action: ListCommands\r\nActionId: ListaComandos") + kFim; }
QString GetTTSConfig() { return QStringLiteral("Action: GetTTSConfig\r\nActionId: GetTTSConfig") + kFim; }
QString ListaDeUras() { return QStringLiteral("Action: ListXmlUra\r\nActionId: ListaUrasSelecionar") + kFim; }

QString LerXml(const QString& Nome) {
  return QStringLiteral("Action: ReadXmlUra\r\nActionId: LerXml\r\nFilename: ") + Nome + kFim;
}

QString SalvaXmlUra(const QString& NomeArquivo, const QString& NomeUra) {
  return QStringLiteral("Action: SaveXmlUra\r\nActionId: SaveXmlUra\r\nFileName: ") + NomeArquivo +
         QStringLiteral("\r\nUraName: ") + NomeUra + kFim;
}

QByteArray ParteXmlUra(const QString& NomeArquivo, const QByteArray& Parte) {
  return InicioParteXmlUra(NomeArquivo) + Parte + kFimParte;
}

QByteArray InicioParteXmlUra(const QString& NomeArquivo) {
  return EncodeAnsi(QStringLiteral("Action: XmlFilePart\r\nFileName: ") + NomeArquivo +
                    QStringLiteral("\r\nFilePart: "));
}

QString FimXmlUra(const QString& NomeArquivo) {
  return QStringLiteral("Action: SendXmlFileComplete\r\nActionId: SaveXmlUra\r\nFileName: ") + NomeArquivo + kFim;
}

QString LeCabecalhoXmlUra(const QString& NomeArquivo) {
  return QStringLiteral("Action: ReadXmlUraHeader\r\nFileName: ") + NomeArquivo + kFim;
}

QString AtivaXmlUra(const QString& NomeArquivo, const QString& NomeUra) {
  return QStringLiteral("Action: ActivateXmlUra\r\nActionId: ActivateXmlUra\r\nFileName: ") + NomeArquivo +
         QStringLiteral("\r\nUraName: ") + NomeUra + kFim;
}

QString SalvaXmlMensagens(const QString& Nome) {
  return QStringLiteral("Action: SaveXmlMessages\r\nActionId: SaveXmlMessages\r\nFileName: ") + Nome + kFim;
}

QByteArray ParteXmlMensagens(const QByteArray& Parte) {
  return QByteArrayLiteral("Action: XmlMessageFilePart\r\nFilePart: ") + Parte + QByteArrayLiteral("\r\n\r\n");
}

QString FimXmlMensagens() {
  return QStringLiteral("Action: SendXmlMessageFileComplete\r\nActionId: SaveXmlMessages") + kFim;
}

QString SalvaArquivoWav(const QString& NomeArquivo) {
  return QStringLiteral("Action: SaveWavFile\r\nActionId: SaveWavFile\r\nFileName: ") + NomeArquivo + kFim;
}

QString BlocoArquivoWav(const QByteArray& Bloco) {
  return QStringLiteral("Action: WavFilePart\r\nFilePart: ") + QString::fromLatin1(Bloco.toHex().toUpper()) + kFim;
}

QString FimArquivoWav(const QString& NomeArquivo) {
  return QStringLiteral("Action: SendWavFileComplete\r\nFileName: ") + NomeArquivo + kFim;
}

QString RecarregaContas(const QString& NomeArquivoDac) {
  return QStringLiteral(
             "Action: ReloadXmlAccounts\r\nUsername: supervisor\r\nSecret: cravino\r\nClientType: Talvora\r\n"
             "ClientName: Talvora\r\nDACFileName: ") +
         NomeArquivoDac + QStringLiteral("\r\nActionId: ReloadXmlAccounts") + kFim;
}

}  // namespace Requisicao

QList<QByteArray> MontaPartesArquivo(const QStringList& Linhas) {
  TPartesArquivo partes;
  std::string utf8;
  for (const QString& linha : Linhas) {
    utf8.clear();
    AcrescentaUtf8(utf8, linha);
    partes.Linha(QByteArrayView(utf8.data(), qsizetype(utf8.size())));
  }
  return partes.Partes();
}

void TPartesArquivo::Linha(QByteArrayView Utf8) {
  constexpr qsizetype kParte = 500;
  if (FParte.isEmpty()) {
    FParte.reserve(FInicio.size() + kParte + 512 + FFim.size());
    FParte += FInicio;
  }
  AcrescentaUtf8NaPagina(FParte, Utf8);
  FParte.append('\n');
  if (FParte.size() - FInicio.size() > kParte) Fecha();
}

void TPartesArquivo::Fecha() {
  FParte += FFim;
  FPartes.append(std::exchange(FParte, QByteArray()));
}

QList<QByteArray> TPartesArquivo::Partes() {
  if (!FParte.isEmpty()) Fecha();
  return std::exchange(FPartes, {});
}
