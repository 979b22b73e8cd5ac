#include "menuura.h"

#include "dac.h"

TMenuUra::TMenuUra(TDAC* DAC, const QString& NomeMenu)
    : DAC(DAC),
      Nome(NomeMenu),
      MenuOpcoesWA(std::make_unique<TMUMenuOpcaoWA>(DAC, QString())),
      MensagemMenu(std::make_unique<TMUMensagem>()),
      ListaCondicoes(std::make_unique<TMUListaCondicao>()),
      ListaOpcoes(std::make_unique<TMUListaOpcao>()),
      OpcaoInvalida(std::make_unique<TMUOpcaoInvalida>(DAC)),
      OpcaoTimeout(std::make_unique<TMUOpcaoTimeout>(DAC)),
      Final(std::make_unique<TMUFinal>(DAC)) {}

void TMenuUra::SetTipoMenuOpcoesWA(const QString& Tipo) {
  FTipoMenuOpcoesWA = Tipo;
  MenuOpcoesWA->Tipo = Tipo;
}

int TMenuUra::GetTipoMenuOpcoesWAInt() const { return FTipoMenuOpcoesWA.isEmpty() ? 0 : MenuOpcoesWA->GetTipoInt(); }

void TMenuUra::CopyFrom(const TMenuUra* ptrMenuUra) {
  if (!ptrMenuUra || ptrMenuUra == this) return;
  Nome = ptrMenuUra->Nome;
  Descricao = ptrMenuUra->Descricao;
  SetTipoMenuOpcoesWA(ptrMenuUra->FTipoMenuOpcoesWA);
  MenuOpcoesWA->CopyFrom(ptrMenuUra->MenuOpcoesWA.get());
  MensagemMenu->CopyFrom(ptrMenuUra->MensagemMenu.get());
  ListaOpcoes->ClearLista();
  for (const auto& o : ptrMenuUra->ListaOpcoes->Items()) {
    auto copia = std::make_unique<TMUOpcao>(DAC, QString());
    copia->CopyFrom(o.get());
    ListaOpcoes->Add(std::move(copia));
  }
  ListaCondicoes->ClearLista();
  for (const auto& c : ptrMenuUra->ListaCondicoes->Items()) {
    auto copia = std::make_unique<TMUCondicao>(DAC);
    copia->CopyFrom(c.get());
    ListaCondicoes->Add(std::move(copia));
  }
  OpcaoInvalida->CopyFrom(ptrMenuUra->OpcaoInvalida.get());
  OpcaoTimeout->CopyFrom(ptrMenuUra->OpcaoTimeout.get());
  Final->CopyFrom(ptrMenuUra->Final.get());
}

bool TMenuUra::TemAcao(const QString& TipoAcao, const QString& ValorAcao) const {
  for (const auto& o : ListaOpcoes->Items())
    if (o->ListaAcao->TemAcao(TipoAcao, ValorAcao)) return true;
  // Invalid-option and timeout sections only apply to menus with options.
  if (ListaOpcoes->Count() > 0) {
    if (OpcaoInvalida->ListaAcao->TemAcao(TipoAcao, ValorAcao)) return true;
    if (OpcaoTimeout->ListaAcao->TemAcao(TipoAcao, ValorAcao)) return true;
  }
  for (const auto& c : ListaCondicoes->Items())
    if (c->ListaAcao->TemAcao(TipoAcao, ValorAcao)) return true;
  return Final->ListaAcao->TemAcao(TipoAcao, ValorAcao);
}

TMenuUra* TListaMenuUra::SearchMenu(const QString& NomeMenu) const {
  if (NomeMenu.isEmpty()) return nullptr;
  for (const auto& m : FLista)
    if (m->Nome == NomeMenu) return m.get();
  return nullptr;
}

TMenuUra* TListaMenuUra::SearchMenuAcao(const QString& TipoAcao, const QString& ValorAcao) const {
  for (const auto& m : FLista)
    if (m->TemAcao(TipoAcao, ValorAcao)) return m.get();
  return nullptr;
}

int TListaMenuUra::InsertMenu(int Index, std::unique_ptr<TMenuUra> Item) {
  if (!Item) return -1;
  const int i = std::clamp(Index, 0, Count());
  FLista.insert(FLista.begin() + i, std::move(Item));
  return i;
}

std::unique_ptr<TMenuUra> TListaMenuUra::ReplaceMenu(int Index, std::unique_ptr<TMenuUra> Item) {
  if (!Item || Index < 0 || Index >= Count()) return Item;
  std::swap(FLista[static_cast<size_t>(Index)], Item);
  return Item;
}
