// The message catalogue ("mensagens.xml") and the chat text catalogue
// ("mensagenschat.xml"): reading them into the lookup lists and writing them.
#include <QFileInfo>
#include <cstring>
#include <exception>

#include "UTKRDACFuncoes.h"
#include "UTXMLDac.h"
#include "infoauxiliar.h"
#include "texto.h"
#include "textoxml.h"

namespace {

const char kDeclaracao[] = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
const char kRaizMensagens[] = "MensagensSonarea";
const char kRaizChat[] = "MensagensChat";
const char kNomeArquivoChat[] = "mensagenschat.xml";

// Text of the child element Nome (entities decoded); empty when absent.
QString TextoFilho(const pugi::xml_node& No, const char* Nome) { return FromUtf8(No.child(Nome).text().get()); }

void AdicionaFilhoTexto(pugi::xml_node& Pai, const char* Nome, const QString& Texto) {
  const QByteArray utf8 = ToUtf8(Texto);
  Pai.append_child(Nome).text().set(utf8.constData());
}

// Chat texts are kept with their line breaks encoded; blank ones are skipped.
void AdicionaTextoChat(TListaTextoOrdenada& Lista, const pugi::xml_node& Item) {
  const QString texto = encodeCRLF(TextoFilho(Item, "Descricao"));
  if (!TrimBlanks(texto).isEmpty()) Lista.Add(texto);
}

void CarregaCatalogoMensagens(const pugi::xml_node& Raiz) {
  TMUListaDescricaoMensagem& lista = MenuUraInfoAuxiliar.ListaDeMensagens;
  for (pugi::xml_node msg = Raiz.child("Msg"); msg; msg = msg.next_sibling("Msg")) {
    const QString arquivo = TextoFilho(msg, "Arquivo");
    const QString nome = TrimBlanks(arquivo);
    if (nome.isEmpty()) continue;
    TMUDescricaoMensagem* item = lista.SearchItem(nome);
    if (!item) {
      auto novo = std::make_unique<TMUDescricaoMensagem>(arquivo);
      item = novo.get();
      lista.Add(std::move(novo));
    }
    item->Descricao = TextoFilho(msg, "Descricao");
  }
}

void CarregaCatalogoChat(const pugi::xml_node& Raiz) {
  for (pugi::xml_node item = Raiz.first_child(); item; item = item.next_sibling()) {
    if (item.type() != pugi::node_element) continue;
    const char* nome = item.name();
    if (std::strcmp(nome, "MsgChat") == 0)
      AdicionaTextoChat(MenuUraInfoAuxiliar.ListaDeMensagensChat, item);
    else if (std::strcmp(nome, "MsgChatTDD") == 0)
      AdicionaTextoChat(MenuUraInfoAuxiliar.ListaDeMensagensChatTDD, item);
  }
}

void AdicionaLinhasChat(const TListaTextoOrdenada& Lista, const QString& Tag, QStringList& listaStr) {
  for (const QString& texto : Lista.Lista()) {
    listaStr.append(QStringLiteral("  <") + Tag + u'>');
    listaStr.append(QStringLiteral("     <Descricao>") + UTF16ToUnicodedEscaped(decodeCRLF(texto)) +
                    QStringLiteral("</Descricao>"));
    listaStr.append(QStringLiteral("  </") + Tag + u'>');
  }
}

void AdicionaItensChat(pugi::xml_node& Raiz, const TListaTextoOrdenada& Lista, const char* Tag) {
  for (const QString& texto : Lista.Lista()) {
    pugi::xml_node item = Raiz.append_child(Tag);
    AdicionaFilhoTexto(item, "Descricao", decodeCRLF(texto));
  }
}

// Leaves the document inactive and without collected text, however the
// merge ended.
struct DesativaAoSair {
  TXMLDocument& Doc;
  ~DesativaAoSair() {
    Doc.Deactivate();
    Doc.ClearLines();
  }
};

}  // namespace

bool TXMLDac::LerXMLMensagens(TXMLDocument& XMLDocument1, TDAC* DAC, const QString& NomeArquivo) {
  if (NomeArquivo.isEmpty() || !QFileInfo(NomeArquivo).isFile()) return false;
  try {
    XMLDocument1.Reset();
    // A failed load leaves the document empty, with the reason in Erro().
    if (!XMLDocument1.LoadFromFile(NomeArquivo)) return false;
    return CarregaMensagensDoXml(XMLDocument1, DAC);
  } catch (const std::exception&) {
    XMLDocument1.Reset();
    return false;
  }
}

bool TXMLDac::CarregaMensagensDoXml(TXMLDocument& XMLDocument1, TDAC* /*DAC*/) {
  // Text received in parts is only parsed on activation; an inactive
  // document without text holds nothing (a tree left from an earlier
  // activation is stale).
  if (!XMLDocument1.Active() && XMLDocument1.LineCount() == 0) return false;
  if (XMLDocument1.Active() && !XMLDocument1.HasContent()) return false;

  DesativaAoSair limpa{XMLDocument1};
  if (!XMLDocument1.Active() && !XMLDocument1.Activate()) return false;
  if (!XMLDocument1.HasContent()) return false;
  const pugi::xml_node raiz = XMLDocument1.Root();
  if (std::strcmp(raiz.name(), kRaizMensagens) == 0) {
    CarregaCatalogoMensagens(raiz);
    return true;
  }
  if (std::strcmp(raiz.name(), kRaizChat) == 0) {
    CarregaCatalogoChat(raiz);
    return true;
  }
  return false;
}

void GeraXMLMensagens(TXMLDocument& XMLDocument1, const QString& NomeArquivo) {
  const bool chat = NomeArquivo == QLatin1String(kNomeArquivoChat);
  const char* nomeRaiz = chat ? kRaizChat : kRaizMensagens;
  XMLDocument1.Reset();
  // Loading the bare declaration and root activates the document with
  // version "1.0" and encoding "utf-8".
  XMLDocument1.LoadFromString(QLatin1String(kDeclaracao) + u'<' + QLatin1String(nomeRaiz) + QStringLiteral("/>"));
  pugi::xml_node raiz = XMLDocument1.Root();
  if (!raiz) raiz = XMLDocument1.Doc().append_child(nomeRaiz);

  if (chat) {
    AdicionaItensChat(raiz, MenuUraInfoAuxiliar.ListaDeMensagensChat, "MsgChat");
    AdicionaItensChat(raiz, MenuUraInfoAuxiliar.ListaDeMensagensChatTDD, "MsgChatTDD");
    return;
  }
  for (const auto& m : MenuUraInfoAuxiliar.ListaDeMensagens.Items()) {
    pugi::xml_node msg = raiz.append_child("Msg");
    AdicionaFilhoTexto(msg, "Arquivo", m->Arquivo);
    AdicionaFilhoTexto(msg, "Descricao", m->Descricao);
  }
}

void MensagensToXMLStringList(bool tipoChat, QStringList& listaStr) {
  listaStr.clear();
  listaStr.append(QLatin1String(kDeclaracao));
  if (tipoChat) {
    listaStr.append(QStringLiteral("<MensagensChat>"));
    AdicionaLinhasChat(MenuUraInfoAuxiliar.ListaDeMensagensChat, QStringLiteral("MsgChat"), listaStr);
    AdicionaLinhasChat(MenuUraInfoAuxiliar.ListaDeMensagensChatTDD, QStringLiteral("MsgChatTDD"), listaStr);
    listaStr.append(QStringLiteral("</MensagensChat>"));
    return;
  }
  listaStr.append(QStringLiteral("<MensagensSonarea>"));
  for (const auto& m : MenuUraInfoAuxiliar.ListaDeMensagens.Items()) {
    listaStr.append(QStringLiteral("  <Msg>"));
    listaStr.append(QStringLiteral("    <Arquivo>") + EscapaTextoPlano(m->Arquivo) + QStringLiteral("</Arquivo>"));
    listaStr.append(QStringLiteral("    <Descricao>") + EscapaTextoPlano(m->Descricao) +
                    QStringLiteral("</Descricao>"));
    listaStr.append(QStringLiteral("  </Msg>"));
  }
  listaStr.append(QStringLiteral("</MensagensSonarea>"));
}
