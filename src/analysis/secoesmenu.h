#pragma once
// The sections of a menu in the order the server runs them, each with its
// message and action list, and the names the windows and the tools give them
// ("Início, condição 2", "Mensagem", "Opção 9XXX", "Opção inválida",
// "Timeout", "Final", "Menu de lista", "Menu de lista, item 1").
#include <QString>

#include "menuura.h"

enum class TTipoSecao { Condicao, Mensagem, MenuLista, ItemMenuLista, Opcao, OpcaoInvalida, Timeout, Final };

struct TParteMenu {
  TTipoSecao Tipo = TTipoSecao::Final;
  // Condition, option or list-menu item index; for MenuLista which of its four
  // texts (0 header, 1 main text, 2 footer, 3 options title); -1 otherwise.
  int Indice = -1;
  // The section's parts, reached through the model's owning pointers: a
  // caller that holds the document writable may change them.
  TMUMensagem* Mensagem = nullptr;
  TMUListaAcao* Acoes = nullptr;  // null for the prompt and the list-menu texts
  // False where the server never runs the section: the invalid-option and
  // timeout sections of a menu without options, a list menu without a kind.
  bool Ativa = true;
};

QString NomeSecaoCondicao(int Indice);
QString NomeSecaoOpcao(const TMUOpcao& Opcao, int Indice);
QString NomeSecao(const TMenuUra& Menu, const TParteMenu& Secao);

// Calls Faz(const TParteMenu&) for every section of M, in order; a list-menu
// item gives two calls (its title, then its description).
template <class F>
void ParaCadaSecao(const TMenuUra& M, F&& Faz) {
  auto secao = [&Faz](TTipoSecao Tipo, int Indice, TMUMensagem* Mensagem, TMUListaAcao* Acoes, bool Ativa) {
    Faz(TParteMenu{Tipo, Indice, Mensagem, Acoes, Ativa});
  };
  for (int i = 0; i < M.ListaCondicoes->Count(); ++i) {
    const TMUCondicao* c = M.ListaCondicoes->GetItem(i);
    secao(TTipoSecao::Condicao, i, c->Mensagem.get(), c->ListaAcao.get(), true);
  }
  secao(TTipoSecao::Mensagem, -1, M.MensagemMenu.get(), nullptr, true);
  const TMUMenuOpcaoWA& lista = *M.MenuOpcoesWA;
  const bool comLista = !M.GetTipoMenuOpcoesWA().isEmpty();
  TMUMensagem* textos[] = {lista.Titulo.get(), lista.Texto.get(), lista.Rodape.get(), lista.TituloMenuOpcoes.get()};
  for (int i = 0; i < 4; ++i) secao(TTipoSecao::MenuLista, i, textos[i], nullptr, comLista);
  for (int i = 0; i < lista.ListaItensMenuOpcao->Count(); ++i) {
    const TMUItemMenuOpcaoWA* item = lista.ListaItensMenuOpcao->GetItem(i);
    secao(TTipoSecao::ItemMenuLista, i, item->Titulo.get(), nullptr, comLista);
    secao(TTipoSecao::ItemMenuLista, i, item->Descricao.get(), nullptr, comLista);
  }
  for (int i = 0; i < M.ListaOpcoes->Count(); ++i) {
    const TMUOpcao* o = M.ListaOpcoes->GetItem(i);
    secao(TTipoSecao::Opcao, i, o->Mensagem.get(), o->ListaAcao.get(), true);
  }
  const bool temOpcoes = M.ListaOpcoes->Count() > 0;
  secao(TTipoSecao::OpcaoInvalida, -1, M.OpcaoInvalida->Mensagem.get(), M.OpcaoInvalida->ListaAcao.get(), temOpcoes);
  secao(TTipoSecao::Timeout, -1, M.OpcaoTimeout->Mensagem.get(), M.OpcaoTimeout->ListaAcao.get(), temOpcoes);
  secao(TTipoSecao::Final, -1, M.Final->Mensagem.get(), M.Final->ListaAcao.get(), true);
}
