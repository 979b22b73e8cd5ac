#include "xmldocument.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "texto.h"

namespace {

// Default parsing (entities and character references decoded, CR LF folded)
// plus whitespace-only text kept when it is an element's only content, so a
// value such as a single blank survives; whitespace between elements still
// never becomes a node.
constexpr unsigned kOpcoesLeitura = pugi::parse_default | pugi::parse_ws_pcdata_single;

class TEscritorString : public pugi::xml_writer {
 public:
  std::string Dados;
  void write(const void* data, size_t size) override { Dados.append(static_cast<const char*>(data), size); }
};

// The file's bytes are UTF-8 unless a byte-order mark or the first
// characters say UTF-16 or UTF-32, or the declaration names Latin-1: those
// the parser converts itself.
bool LidoComoUtf8(const char* p, qsizetype n) {
  if (n >= 2) {
    const auto b0 = static_cast<unsigned char>(p[0]), b1 = static_cast<unsigned char>(p[1]);
    if (b0 == 0 || b1 == 0 || (b0 == 0xFE && b1 == 0xFF) || (b0 == 0xFF && b1 == 0xFE)) return false;
  }
  const QByteArrayView inicio(p, std::min<qsizetype>(n, 200));
  if (!inicio.startsWith("<?xml")) return true;
  const qsizetype fim = inicio.indexOf("?>");
  const QByteArray declaracao = inicio.first(fim < 0 ? inicio.size() : fim).toByteArray().toLower();
  return !declaracao.contains("latin1") && !declaracao.contains("iso-8859-1");
}

// Offset of the first byte that breaks UTF-8 (overlong forms, surrogates and
// code points above U+10FFFF included); -1 when the text is valid.
qsizetype ErroUtf8(const char* Dados, qsizetype n) {
  if (!LidoComoUtf8(Dados, n)) return -1;
  const auto* p = reinterpret_cast<const unsigned char*>(Dados);
  for (qsizetype i = PulaAscii(p, 0, n); i < n; i = PulaAscii(p, i, n)) {
    char32_t cp;
    const int tamanho = SequenciaUtf8(p + i, n - i, cp);
    if (tamanho == 0) return i;
    i += tamanho;
  }
  return -1;
}

int Linha(const char* Dados, qsizetype Posicao) {
  return 1 + static_cast<int>(std::count(Dados, Dados + Posicao, '\n'));
}

}  // namespace

bool TXMLDocument::Parse(QByteArrayView Dados, pugi::xml_encoding Codificacao) {
  FErro.clear();
  FErroSintaxe = false;
  const pugi::xml_parse_result r =
      FDoc.load_buffer(Dados.constData(), static_cast<size_t>(Dados.size()), kOpcoesLeitura, Codificacao);
  return r ? true : Falha(r);
}

bool TXMLDocument::Falha(const pugi::xml_parse_result& Resultado) {
  FErro = QString::fromUtf8(Resultado.description()) + QStringLiteral(" (posição %1)").arg(Resultado.offset);
  FErroSintaxe = true;
  FDoc.reset();
  return false;
}

bool TXMLDocument::Activate() {
  // The lines joined by LF: the buffer without its last LF.
  FActive = Parse(QByteArrayView(FTexto.data(), qsizetype(FTexto.size()) - (FLinhas > 0 ? 1 : 0)));
  return FActive;
}

void TXMLDocument::AddLine(QStringView Linha) {
  AcrescentaUtf8(FTexto, Linha);
  FTexto += '\n';
  ++FLinhas;
}

void TXMLDocument::AddLineUtf8(QByteArrayView Linha) {
  FTexto.append(Linha.data(), size_t(Linha.size()));
  FTexto += '\n';
  ++FLinhas;
}

QStringList TXMLDocument::Lines() const {
  if (FLinhas == 0) return {};
  return QString::fromUtf8(FTexto.data(), qsizetype(FTexto.size()) - 1).split(u'\n');
}

void TXMLDocument::Reset() {
  FActive = false;
  ClearLines();
  FDoc.reset();
  FErro.clear();
  FErroSintaxe = false;
}

bool TXMLDocument::LoadFromFile(const QString& NomeArquivo) {
  Reset();
  // A device or a FIFO would be read without end, or block forever.
  const QFileInfo info(NomeArquivo);
  if (info.exists() && !info.isFile()) {
    FErro = QStringLiteral("não é um arquivo comum");
    return false;
  }
  QFile f(NomeArquivo);
  if (!f.open(QIODevice::ReadOnly)) {
    FErro = f.errorString();
    return false;
  }
  if (f.isSequential()) {
    FErro = QStringLiteral("não é um arquivo comum");
    return false;
  }
  // Read straight into a buffer the tree takes over, sparing a copy of the
  // whole file.
  const qint64 tamanho = f.size();
  void* buffer = pugi::get_memory_allocation_function()(static_cast<size_t>(std::max<qint64>(tamanho, 1)));
  if (!buffer) {
    FErro = QStringLiteral("Memória insuficiente");
    return false;
  }
  if (f.read(static_cast<char*>(buffer), tamanho) != tamanho) {
    pugi::get_memory_deallocation_function()(buffer);
    FErro = f.errorString();
    return false;
  }
  if (!Utf8Valido(static_cast<const char*>(buffer), tamanho)) {
    pugi::get_memory_deallocation_function()(buffer);
    return false;
  }
  const pugi::xml_parse_result r =
      FDoc.load_buffer_inplace_own(buffer, static_cast<size_t>(tamanho), kOpcoesLeitura, pugi::encoding_auto);
  if (!r) return Falha(r);
  FActive = true;
  return true;
}

bool TXMLDocument::Utf8Valido(const char* Dados, qsizetype Tamanho) {
  // Text that is not UTF-8 would come back as replacement characters and a
  // save would write them over the original text.
  const qsizetype erro = ErroUtf8(Dados, Tamanho);
  if (erro < 0) return true;
  FErro = QStringLiteral("o arquivo não está em UTF-8 (caractere inválido na linha %1)").arg(Linha(Dados, erro));
  return false;
}

bool TXMLDocument::LoadFromData(const QByteArray& Dados) {
  Reset();
  if (!Utf8Valido(Dados.constData(), Dados.size())) return false;
  FActive = Parse(Dados, pugi::encoding_auto);
  return FActive;
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
  // The serialiser writes a CR of element text raw, and a parser reads it
  // back as a line feed; attribute values it escapes itself.
  for (size_t i = saida.Dados.find('\r'); i != std::string::npos; i = saida.Dados.find('\r', i))
    saida.Dados.replace(i, 1, "&#xD;");

  QSaveFile f(NomeArquivo);
  if (!f.open(QIODevice::WriteOnly) ||
      f.write(saida.Dados.data(), static_cast<qint64>(saida.Dados.size())) != static_cast<qint64>(saida.Dados.size()) ||
      !f.commit()) {
    if (Erro) *Erro = f.errorString();
    return false;
  }
  return true;
}
