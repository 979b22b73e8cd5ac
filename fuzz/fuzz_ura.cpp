// A URA file read, written, read and written again: the two writes must be
// equal, and so must the two documents' fingerprints.
#include <QStringList>
#include <cstdlib>

#include "UTMenuUra.h"
#include "UTXMLDac.h"
#include "infoauxiliar.h"
#include "xmldocument.h"

namespace {

QByteArray Bytes(const QStringList& Linhas) {
  return (Linhas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Dados, size_t Tamanho) {
  // The lookup lists only grow while files are read.
  MenuUraInfoAuxiliar.Clear();
  TXMLDac xml;
  TXMLDocument doc;
  TDAC dac;
  if (!doc.LoadFromData(QByteArray(reinterpret_cast<const char*>(Dados), qsizetype(Tamanho))) ||
      !xml.CarregaDACdoXml(doc, &dac))
    return 0;
  QStringList primeira, segunda, config1, config2;
  xml.DACToXMLStringList(&dac, primeira);

  TXMLDocument doc2;
  TDAC dac2;
  if (!doc2.LoadFromData(Bytes(primeira)) || !xml.CarregaDACdoXml(doc2, &dac2)) std::abort();
  xml.DACToXMLStringList(&dac2, segunda);
  if (primeira != segunda) std::abort();

  TXMLDocument doc3;
  TDAC dac3;
  if (!doc3.LoadFromData(Bytes(segunda)) || !xml.CarregaDACdoXml(doc3, &dac3)) std::abort();
  dac2.GetListConfig(&config1);
  dac3.GetListConfig(&config2);
  if (config1 != config2) std::abort();
  return 0;
}
