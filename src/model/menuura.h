#pragma once
#include <QString>
#include <memory>

#include "condicao.h"
#include "listas.h"
#include "mensagem.h"
#include "opcao.h"
#include "secoes.h"

class TDAC;

class TMenuUra {
 public:
  TMenuUra(TDAC* DAC, const QString& NomeMenu);

  TDAC* DAC;  // not owned
  QString Nome;
  QString Descricao;
  std::unique_ptr<TMUMenuOpcaoWA> MenuOpcoesWA;
  std::unique_ptr<TMUMensagem> MensagemMenu;
  std::unique_ptr<TMUListaCondicao> ListaCondicoes;
  std::unique_ptr<TMUListaOpcao> ListaOpcoes;
  std::unique_ptr<TMUOpcaoInvalida> OpcaoInvalida;
  std::unique_ptr<TMUOpcaoTimeout> OpcaoTimeout;
  std::unique_ptr<TMUFinal> Final;

  const QString& GetTipoMenuOpcoesWA() const { return FTipoMenuOpcoesWA; }
  // Also writes the type into MenuOpcoesWA.
  void SetTipoMenuOpcoesWA(const QString& Tipo);
  int GetTipoMenuOpcoesWAInt() const;

  // Deep copy: the result shares no object with the source.
  void CopyFrom(const TMenuUra* ptrMenuUra);
  bool TemAcao(const QString& TipoAcao, const QString& ValorAcao) const;

 private:
  QString FTipoMenuOpcoesWA;
};

class TListaMenuUra : public TListaBase<TMenuUra> {
 public:
  bool DeleteMenu(TMenuUra* Item) { return DestroiItem(Item); }
  TMenuUra* SearchMenu(const QString& NomeMenu) const;
  TMenuUra* SearchMenuAcao(const QString& TipoAcao, const QString& ValorAcao) const;
  // Puts the menu at Index (clamped to 0..Count), taking ownership; returns
  // the index it got, -1 for a null menu. Undoing a removal needs it.
  int InsertMenu(int Index, std::unique_ptr<TMenuUra> Item);
  // Puts Item in the place of the menu at Index and hands that one back;
  // out of range (or a null Item) changes nothing and returns Item.
  std::unique_ptr<TMenuUra> ReplaceMenu(int Index, std::unique_ptr<TMenuUra> Item);
};
