#include "passos.h"

#include "UTMenuUra.h"

TCabecalhoUra TCabecalhoUra::De(const TDAC& Dac) {
  return TCabecalhoUra{Dac.Nome, Dac.Descricao, Dac.MenuInicial, Dac.TipoAtendimento, Dac.TipoUra, Dac.PriMsgEhOpcao};
}

void TCabecalhoUra::Aplica(TDAC& Dac) const {
  Dac.Nome = Nome;
  Dac.Descricao = Descricao;
  Dac.MenuInicial = MenuInicial;
  Dac.TipoAtendimento = TipoAtendimento;
  Dac.TipoUra = TipoUra;
  Dac.PriMsgEhOpcao = PriMsgEhOpcao;
}

int TCabecalhoUra::CampoDiferente(const TCabecalhoUra& Outro) const {
  const bool diferente[] = {Nome != Outro.Nome,
                            Descricao != Outro.Descricao,
                            MenuInicial != Outro.MenuInicial,
                            TipoAtendimento != Outro.TipoAtendimento,
                            TipoUra != Outro.TipoUra,
                            PriMsgEhOpcao != Outro.PriMsgEhOpcao};
  for (int i = 0; i < 6; ++i)
    if (diferente[i]) return i;
  return -1;
}

QString TCabecalhoUra::NomePasso(int Campo) {
  static const char* const nomes[] = {"Alterar nome da URA",  "Alterar descrição da URA",
                                      "Alterar menu inicial", "Alterar tipo de atendimento",
                                      "Alterar tipo de URA",  "Alterar primeira mensagem no menu inicial"};
  return Campo >= 0 && Campo < 6 ? QString::fromUtf8(nomes[Campo]) : QStringLiteral("Alterar URA");
}

std::unique_ptr<TMenuUra> CopiaMenu(TDAC* Dac, const TMenuUra& Menu) {
  auto copia = std::make_unique<TMenuUra>(Dac, QString());
  copia->CopyFrom(&Menu);
  return copia;
}

std::unique_ptr<TDAC> CopiaDocumento(const TDAC& Dac) {
  auto copia = std::make_unique<TDAC>();
  TCabecalhoUra::De(Dac).Aplica(*copia);
  copia->VersaoXML = Dac.VersaoXML;
  copia->RORIRO = Dac.RORIRO;
  copia->CriadoEm = Dac.CriadoEm;
  copia->CriadoPor = Dac.CriadoPor;
  copia->ModificadoEm = Dac.ModificadoEm;
  copia->ModificadoPor = Dac.ModificadoPor;
  for (const auto& m : Dac.ListaMenus->Items()) copia->ListaMenus->Add(CopiaMenu(copia.get(), *m));
  return copia;
}

TPassoUra::TPassoUra(std::function<TDAC*()> Documento, const QString& Texto, const TCabecalhoUra& Antes)
    : QUndoCommand(Texto), FDocumento(std::move(Documento)), FAntes(Antes), FDepois(Antes) {}

TPassoUra::~TPassoUra() = default;

void TPassoUra::GuardaMenu(int Indice) {
  TDAC* dac = FDocumento();
  const TMenuUra* menu = dac ? dac->ListaMenus->GetItem(Indice) : nullptr;
  if (menu) GuardaCopia(Indice, CopiaMenu(dac, *menu));
}

void TPassoUra::GuardaCopia(int Indice, std::unique_ptr<TMenuUra> Copia) {
  for (const TAlteracao& a : FAlteracoes)
    if (a.Operacao == TOperacao::Troca && a.Indice == Indice) return;
  if (Copia) FAlteracoes.push_back({TOperacao::Troca, Indice, std::move(Copia)});
}

void TPassoUra::MenuInserido(int Indice) { FAlteracoes.push_back({TOperacao::Insere, Indice, nullptr}); }

void TPassoUra::MenuRemovido(int Indice, std::unique_ptr<TMenuUra> Menu) {
  if (Menu) FAlteracoes.push_back({TOperacao::Remove, Indice, std::move(Menu)});
}

void TPassoUra::Conclui(const TCabecalhoUra& Depois) { FDepois = Depois; }

bool TPassoUra::Vazio() const { return FAlteracoes.empty() && FAntes == FDepois; }

void TPassoUra::Aplica(TAlteracao& A, bool Desfazendo) {
  TListaMenuUra& lista = *FDocumento()->ListaMenus;
  // Undoing an insertion takes the menu out, as redoing a removal does.
  const bool tira = (A.Operacao == TOperacao::Insere) == Desfazendo;
  switch (A.Operacao) {
    case TOperacao::Troca: A.Menu = lista.ReplaceMenu(A.Indice, std::move(A.Menu)); break;
    case TOperacao::Insere:
    case TOperacao::Remove:
      if (tira)
        A.Menu = lista.Delete(A.Indice);
      else
        lista.InsertMenu(A.Indice, std::move(A.Menu));
      break;
  }
}

void TPassoUra::undo() {
  TDAC* dac = FDocumento();
  if (!dac) return;
  for (auto it = FAlteracoes.rbegin(); it != FAlteracoes.rend(); ++it) Aplica(*it, true);
  FAntes.Aplica(*dac);
}

void TPassoUra::redo() {
  if (FPrimeiraVez) {
    FPrimeiraVez = false;
    return;
  }
  TDAC* dac = FDocumento();
  if (!dac) return;
  for (TAlteracao& a : FAlteracoes) Aplica(a, false);
  FDepois.Aplica(*dac);
}

int TPassoUra::id() const { return FAlteracoes.empty() ? 1000 + FAntes.CampoDiferente(FDepois) : -1; }

bool TPassoUra::mergeWith(const QUndoCommand* Outro) {
  const auto* outro = dynamic_cast<const TPassoUra*>(Outro);
  if (!outro || !FAlteracoes.empty() || !outro->FAlteracoes.empty() || outro->id() != id()) return false;
  FDepois = outro->FDepois;
  // Typed back to what it was: the step does nothing any more.
  if (FDepois == FAntes) setObsolete(true);
  return true;
}
