#pragma once
// Searching a URA document: every text that holds a given piece ("find"),
// and every place that leads to a menu or plays a message ("where used").
// The document is only read, except by TrocaReferenciasMenu.
//
//   LocalizaTexto(Dac, "vendas", &MenuUraInfoAuxiliar.ListaDeMensagens);
//   OndeUsadoMenu(Dac, "Servicos");          // go-to actions and the initial menu
//   TrocaReferenciasMenu(Dac, "Servicos", "Atendimento");
//
// Places come in document order: the document's own fields first, then each
// menu in list order with its sections in the order the server runs them.
#include <QString>
#include <vector>

class TDAC;
class TMUListaDescricaoMensagem;

struct TLugar {
  int IndiceMenu = -1;  // index in Dac.ListaMenus; -1 for the document's own fields
  QString Menu;         // the menu's name; empty with IndiceMenu -1
  QString Secao;        // as the URA check names sections; empty for the menu or document itself
  QString Campo;        // "Nome", "Descrição", "Mensagem", "Ação 2", "Opção", "Condição", "Menu inicial"...
  QString Texto;        // what was found there, as the windows show it
};

// Every text of the document that contains Procura, ignoring case: the URA's
// name and description, menu names and descriptions, messages (audio names,
// their catalogue descriptions when Catalogo is given, and chat texts), the
// conditions, option values and chat rules, action values and variables, and
// the answers of list-menu items. Blank Procura finds nothing.
std::vector<TLugar> LocalizaTexto(const TDAC& Dac, const QString& Procura,
                                  const TMUListaDescricaoMensagem* Catalogo = nullptr);

// Every place that sends callers to the menu named NomeMenu: the initial menu
// and the "VAIPARA" actions of every section the server runs.
std::vector<TLugar> OndeUsadoMenu(const TDAC& Dac, const QString& NomeMenu);
// Every message entry and voice "MENSAGEM" action that plays the audio message Arquivo.
std::vector<TLugar> OndeUsadoMensagem(const TDAC& Dac, const QString& Arquivo);
// Every chat text (stored form, line breaks escaped) equal to Texto, and the
// chat "MENSAGEM" actions that send it.
std::vector<TLugar> OndeUsadoTextoChat(const TDAC& Dac, const QString& Texto);

// Points every place OndeUsadoMenu finds for Antigo at Novo; returns how many.
int TrocaReferenciasMenu(TDAC& Dac, const QString& Antigo, const QString& Novo);
