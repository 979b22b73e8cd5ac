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
  // Checked before opening: opening a FIFO waits for a writer.
  if (!info.isFile()) FalhaArquivo(Arquivo, QStringLiteral("não é um arquivo comum"));
  QFile f(Arquivo);
  if (!f.open(QIODevice::ReadOnly))
    FalhaArquivo(Arquivo, QStringLiteral("não pode ser lido (") + f.errorString() + u')');
}

// The reader only says no; the document it loaded tells the user why.
[[noreturn]] void FalhaLeitura(const QString& Arquivo, const TXMLDocument& Doc, const QStringList& Raizes,
                               const QString& TipoEsperado) {
  if (!Doc.HasContent()) {
    if (!Doc.ErroSintaxe() && !Doc.Erro().isEmpty()) FalhaArquivo(Arquivo, Doc.Erro());
    QString problema = QStringLiteral("não é um XML bem formado");
    if (!Doc.Erro().isEmpty()) problema += QStringLiteral(" (") + Doc.Erro() + u')';
    FalhaArquivo(Arquivo, problema);
  }
  const QString raiz = FromUtf8(Doc.Root().name());
  if (!Raizes.contains(raiz))
    FalhaArquivo(Arquivo, QStringLiteral("não é ") + TipoEsperado + QStringLiteral(" (elemento raiz <") + raiz +
                              QStringLiteral(">)"));
  FalhaArquivo(Arquivo, QStringLiteral("ocorreu um erro ao ler o arquivo; o mesmo pode ser inválido"));
}

}  // namespace

void CarregaURA(const QString& Arquivo, TDAC& Dac) {
  VerificaLegivel(Arquivo);
  TXMLDocument doc;
  TXMLDac xml;
  if (!xml.LerXML(doc, &Dac, Arquivo))
    FalhaLeitura(Arquivo, doc, {QStringLiteral("URA")}, QStringLiteral("um arquivo URA"));
}

void CarregaCatalogo(const QString& Arquivo) {
  VerificaLegivel(Arquivo);
  TXMLDocument doc;
  TXMLDac xml;
  TDAC naoUsado;
  if (!xml.LerXMLMensagens(doc, &naoUsado, Arquivo))
    FalhaLeitura(Arquivo, doc, {QStringLiteral("MensagensSonarea"), QStringLiteral("MensagensChat")},
                 QStringLiteral("um catálogo de mensagens"));
}
