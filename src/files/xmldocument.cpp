#include "xmldocument.h"

#include <QFile>
#include <QSaveFile>
#include <string>

namespace {

// Default parsing (entities and character references decoded, CR LF folded)
// plus whitespace-only text kept when it is an element's only content, so a
// value such as a single blank survives; whitespace between elements still
// never becomes a node.
constexpr unsigned kOpcoesLeitura = pugi::parse_default | pugi::parse_ws_pcdata_single;

class TEscritorString : public pugi::xml_writer {
 public:
  std::string Dados;
  void write(const void* data, size_t size) override {
    Dados.append(static_cast<const char*>(data), size);
  }
};

}  // namespace

bool TXMLDocument::Parse(const QByteArray& Dados, pugi::xml_encoding Codificacao) {
  FErro.clear();
  const pugi::xml_parse_result r =
      FDoc.load_buffer(Dados.constData(), static_cast<size_t>(Dados.size()), kOpcoesLeitura, Codificacao);
  return r ? true : Falha(r);
}

bool TXMLDocument::Falha(const pugi::xml_parse_result& Resultado) {
  FErro = QString::fromUtf8(Resultado.description()) + QStringLiteral(" (posição %1)").arg(Resultado.offset);
  FDoc.reset();
  return false;
}

bool TXMLDocument::Activate() {
  FActive = Parse(Text.join(u'\n').toUtf8());
  return FActive;
}

void TXMLDocument::Reset() {
  FActive = false;
  Text.clear();
  FDoc.reset();
  FErro.clear();
}

bool TXMLDocument::LoadFromFile(const QString& NomeArquivo) {
  Reset();
  QFile f(NomeArquivo);
  if (!f.open(QIODevice::ReadOnly)) {
    FErro = f.errorString();
    return false;
  }
  if (f.isSequential() || f.size() <= 0) {  // size unknown: read what comes
    const QByteArray dados = f.readAll();
    if (f.error() != QFileDevice::NoError) {
      FErro = f.errorString();
      return false;
    }
    FActive = Parse(dados, pugi::encoding_auto);
    return FActive;
  }
  // Large files: read straight into a buffer the tree takes over, sparing a
  // copy of the whole file.
  const qint64 tamanho = f.size();
  void* buffer = pugi::get_memory_allocation_function()(static_cast<size_t>(tamanho));
  if (!buffer) {
    FErro = QStringLiteral("Memória insuficiente");
    return false;
  }
  if (f.read(static_cast<char*>(buffer), tamanho) != tamanho) {
    pugi::get_memory_deallocation_function()(buffer);
    FErro = f.errorString();
    return false;
  }
  const pugi::xml_parse_result r =
      FDoc.load_buffer_inplace_own(buffer, static_cast<size_t>(tamanho), kOpcoesLeitura, pugi::encoding_auto);
  if (!r) return Falha(r);
  FActive = true;
  return true;
}

bool TXMLDocument::LoadFromString(const QString& Xml) {
  Reset();
  // The text is already Unicode: any encoding its declaration names is moot.
  FActive = Parse(Xml.toUtf8());
  return FActive;
}

bool TXMLDocument::SaveToFile(const QString& NomeArquivo, QString* Erro) const {
  TEscritorString saida;
  saida.Dados = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
  // Our own declaration replaces any declaration node of the tree.
  for (pugi::xml_node n = FDoc.first_child(); n; n = n.next_sibling()) {
    if (n.type() == pugi::node_declaration) continue;
    n.print(saida, "  ", pugi::format_default, pugi::encoding_utf8);
  }

  QSaveFile f(NomeArquivo);
  if (!f.open(QIODevice::WriteOnly) ||
      f.write(saida.Dados.data(), static_cast<qint64>(saida.Dados.size())) !=
          static_cast<qint64>(saida.Dados.size()) ||
      !f.commit()) {
    if (Erro) *Erro = f.errorString();
    return false;
  }
  return true;
}
