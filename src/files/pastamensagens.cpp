#include "pastamensagens.h"

#include <QDir>
#include <QSet>

#include "infoauxiliar.h"

void MarcaArquivosDaPasta(TMUListaDescricaoMensagem& Catalogo, const QString& Pasta) {
  QSet<QString> presentes;
  if (!Pasta.isEmpty()) {
    // One listing for the whole catalogue; name filters ignore case.
    const QStringList arquivos = QDir(Pasta).entryList({QStringLiteral("*.wav")}, QDir::Files);
    for (const QString& arquivo : arquivos) presentes.insert(arquivo.chopped(4));
  }
  for (const auto& entrada : Catalogo.Items()) entrada->ArquivoExiste = presentes.contains(entrada->Arquivo);
}
