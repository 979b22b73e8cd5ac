// The message catalogues: read from a file's bytes and as text received in
// parts, then written by both writers.
#include <QStringList>

#include "UTXMLDac.h"
#include "infoauxiliar.h"
#include "xmldocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Dados, size_t Tamanho) {
  MenuUraInfoAuxiliar.Clear();
  const QByteArray bytes(reinterpret_cast<const char*>(Dados), qsizetype(Tamanho));
  TXMLDac xml;

  TXMLDocument arquivo;
  if (arquivo.LoadFromData(bytes)) xml.CarregaMensagensDoXml(arquivo, nullptr);

  // The server path: lines collected while inactive, parsed on activation.
  TXMLDocument partes;
  for (const QString& linha : QString::fromUtf8(bytes).split(u'\n')) partes.AddLine(linha);
  xml.CarregaMensagensDoXml(partes, nullptr);

  QStringList linhas;
  MensagensToXMLStringList(false, linhas);
  MensagensToXMLStringList(true, linhas);
  TXMLDocument gerado;
  GeraXMLMensagens(gerado, QStringLiteral("mensagenschat.xml"));
  GeraXMLMensagens(gerado, QString());
  return 0;
}
