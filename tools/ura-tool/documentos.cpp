#include "documentos.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "UTMenuUra.h"
#include "UTXMLDac.h"
#include "comandos.h"
#include "textoxml.h"
#include "xmldocument.h"

namespace {

void VerificaLegivel(const QString& Arquivo) {
  const QFileInfo info(Arquivo);
  if (!info.exists()) FalhaArquivo(Arquivo, QStringLiteral("arquivo não encontrado"));
  if (info.isDir()) FalhaArquivo(Arquivo, QStringLiteral("é uma pasta, não um arquivo"));
  QFile f(Arquivo);
  if (!f.open(QIODevice::ReadOnly))
    FalhaArquivo(Arquivo, QStringLiteral("não pode ser lido (") + f.errorString() + u')');
}

// The reader only says no; loading the file once more tells the user why.
[[noreturn]] void FalhaLeitura(const QString& Arquivo, const QStringList& Raizes,
                               const QString& TipoEsperado) {
  TXMLDocument doc;
  if (!doc.LoadFromFile(Arquivo)) {
    QString problema = QStringLiteral("não é um XML bem formado");
    if (!doc.Erro().isEmpty()) problema += QStringLiteral(" (") + doc.Erro() + u')';
    FalhaArquivo(Arquivo, problema);
  }
  const QString raiz = FromUtf8(doc.Root().name());
  if (!Raizes.contains(raiz))
    FalhaArquivo(Arquivo, QStringLiteral("não é ") + TipoEsperado +
                              (raiz.isEmpty() ? QStringLiteral(" (sem elemento raiz)")
                                              : QStringLiteral(" (elemento raiz <") + raiz +
                                                    QStringLiteral(">)")));
  FalhaArquivo(Arquivo,
               QStringLiteral("ocorreu um erro ao ler o arquivo; o mesmo pode ser inválido"));
}

}  // namespace

void CarregaURA(const QString& Arquivo, TDAC& Dac) {
  VerificaLegivel(Arquivo);
  TXMLDocument doc;
  TXMLDac xml;
  if (!xml.LerXML(doc, &Dac, Arquivo))
    FalhaLeitura(Arquivo, {QStringLiteral("URA")}, QStringLiteral("um arquivo URA"));
}

void CarregaCatalogo(const QString& Arquivo) {
  VerificaLegivel(Arquivo);
  TXMLDocument doc;
  TXMLDac xml;
  TDAC naoUsado;
  if (!xml.LerXMLMensagens(doc, &naoUsado, Arquivo))
    FalhaLeitura(Arquivo, {QStringLiteral("MensagensSonarea"), QStringLiteral("MensagensChat")},
                 QStringLiteral("um catálogo de mensagens"));
}

QString NomeUsuario() {
  for (const char* variavel : {"USERNAME", "USER", "LOGNAME"}) {
    const QString nome = qEnvironmentVariable(variavel).trimmed();
    if (!nome.isEmpty()) return nome;
  }
  return QStringLiteral("usuario");
}
