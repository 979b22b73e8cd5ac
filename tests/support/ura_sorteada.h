#pragma once
// Random URA documents and caller answers, from a seed (tests, benchmarks) or
// from a fuzzer's bytes. Names, keys and values come from small sets, so that
// jumps find their menus, options match answers and conditions use the
// variables the actions set. Header only: the fuzz targets and benchmarks use
// it without the rest of the test support.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "UTMenuUra.h"

class TSorteio {
 public:
  explicit TSorteio(unsigned Semente) : FRng(Semente) {}
  // Driven by the bytes; zeros once they run out.
  TSorteio(const uint8_t* Dados, size_t Tamanho) : FDados(Dados), FTamanho(Tamanho) {}

  int Entre(int A, int B) {
    if (B <= A) return A;
    const unsigned faixa = unsigned(B - A) + 1;
    if (!FDados) return A + int(std::uniform_int_distribution<unsigned>(0, faixa - 1)(FRng));
    unsigned v = 0;
    for (int i = 0; i < 2; ++i) v = v << 8 | (FPos < FTamanho ? FDados[FPos++] : 0u);
    return A + int(v % faixa);
  }
  bool Moeda(int UmEm = 2) { return Entre(1, UmEm) == 1; }
  QString Um(const QStringList& Lista) { return Lista[Entre(0, int(Lista.size()) - 1)]; }

 private:
  std::mt19937 FRng;
  const uint8_t* FDados = nullptr;
  size_t FTamanho = 0;
  size_t FPos = 0;
};

// The size of a random document: each count is drawn up to its maximum, or
// taken exactly when Exato is set (for benchmarks).
struct TFormaURA {
  int Menus = 6;
  int Condicoes = 3;
  int Opcoes = 4;
  int Acoes = 3;
  bool Exato = false;
  const char* TipoUra = nullptr;  // "", "chat", "chattdd"; null: drawn
};

namespace ura_sorteada {

inline const QStringList kVariaveis = {"a", "b", "${a}", "c"};
inline const QStringList kValores = {"", "1", "2", "10", "x", "${a}", "${b}1"};

template <class T>
const T& Um(TSorteio& S, const std::vector<T>& Lista) {
  return Lista[size_t(S.Entre(0, int(Lista.size()) - 1))];
}

inline QString NomeMenu(int N) { return QStringLiteral("M%1").arg(N); }

inline int Quantos(TSorteio& S, const TFormaURA& F, int Max) { return F.Exato ? Max : S.Entre(0, Max); }

inline void Mensagem(TSorteio& S, TMUMensagem& M, bool Chat) {
  for (int i = S.Entre(0, 2); i > 0; --i) {
    if (Chat)
      M.AddMensagemChat(S.Um({"Olá", "Valor: ${a}", "linha\nnova", "{a}"}));
    else
      M.AddArquivo(S.Um({"bemvindo", "menu", "{a}", "{b}", "Mensagem(c)"}));
  }
}

inline void Acoes(TSorteio& S, TMUListaAcao& L, int Menus, const TFormaURA& F) {
  static const QStringList codigos = {"VAIPARA", "VAIPARA", "VAIPARA",     "SETVAR", "SETVAR", "MENSAGEM", "COMANDO",
                                      "INICIO",  "OPCOES",  "INVALIDA",    "FINAL",  "DISCAF", "DISCA",    "DISCAOP",
                                      "DESLIGA", "DISCAS",  "FALADIGITOS", "MIDIA",  "",       "XYZ"};
  for (int i = Quantos(S, F, F.Acoes); i > 0; --i) {
    auto a = std::make_unique<TMUAcao>(L.DAC, S.Um(codigos));
    if (a->Tipo == u"VAIPARA") {
      a->ValorMenu = S.Moeda(8) ? QStringLiteral("Nenhum") : NomeMenu(S.Entre(0, Menus - 1));
      a->Variavel = S.Um({"", "0", "1", "2", "3", "4", "9"});
    } else if (a->Tipo == u"COMANDO") {
      a->ValorComando = QStringLiteral("consulta.sh ${a}");
      a->Variavel = S.Um(kVariaveis);
    } else if (a->Tipo == u"MENSAGEM") {
      a->ValorNumero = S.Um({"bemvindo,menu", "{b}", "Oi ${a}"});
      a->Variavel = S.Um(kVariaveis);
    } else {
      a->ValorNumero = S.Um(kValores);
      a->Variavel = S.Um(kVariaveis);
    }
    L.Add(std::move(a));
  }
}

inline std::unique_ptr<TMUCondicao> Condicao(TSorteio& S, TDAC* Dac, int Menus, const TFormaURA& F) {
  auto c = std::make_unique<TMUCondicao>(Dac);
  switch (S.Entre(0, 4)) {
    case 0:  // comparisons
      for (int k = S.Entre(1, 2); k > 0; --k) {
        auto cv = std::make_unique<TMUCondicaoVar>();
        cv->Variavel = S.Um(kVariaveis);
        cv->Tipo = S.Um({"EQ", "NEQ", "GT", "LTEQ", "SW", "IN", "XX"});
        cv->Valor = S.Um(kValores);
        c->ListaCondicaoVar->Add(std::move(cv));
      }
      c->ListaCondicaoVar->Tipo = S.Entre(0, 2);
      break;
    case 1:  // weekdays, holidays and a daily window
      c->SetDiasSemana(S.Um({"1-5", "6,7", "3", ""}));
      c->Feriados = S.Moeda();
      c->SetStrHoraIni(S.Um({"08:00", "22:00", ""}));
      c->SetStrHoraFim(S.Um({"18:00", "06:00", ""}));
      break;
    case 2:  // dates, with or without period times
      c->DiaIni = Um(S, std::vector<int>{-1, 1, 9, 25});
      c->MesIni = Um(S, std::vector<int>{-1, 12, 2});
      c->AnoIni = Um(S, std::vector<int>{-1, 2026});
      c->DiaFim = Um(S, std::vector<int>{-1, 10, 26});
      c->MesFim = c->MesIni;
      c->AnoFim = c->AnoIni;
      c->SetStrHoraIniPeriodo(S.Um({"", "10:00"}));
      c->SetStrHoraFimPeriodo(S.Um({"", "12:00"}));
      break;
    default: break;  // no restriction
  }
  Mensagem(S, *c->Mensagem, Dac->UraChat());
  Acoes(S, *c->ListaAcao, Menus, F);
  return c;
}

}  // namespace ura_sorteada

// Fills an empty document: voice or chat, menus "M0"... with "M0" initial.
inline void SorteiaURA(TSorteio& S, TDAC& Dac, const TFormaURA& F = {}) {
  using namespace ura_sorteada;
  Dac.TipoUra = F.TipoUra ? QString::fromLatin1(F.TipoUra) : S.Um({"", "", "chat", "chattdd"});
  const bool chat = Dac.UraChat();
  const int menus = F.Exato ? F.Menus : S.Entre(1, F.Menus);
  Dac.MenuInicial = S.Moeda(20) ? QStringLiteral("Nenhum") : NomeMenu(0);
  for (int n = 0; n < menus; ++n) {
    auto m = std::make_unique<TMenuUra>(&Dac, NomeMenu(n));
    for (int i = Quantos(S, F, F.Condicoes); i > 0; --i) m->ListaCondicoes->Add(Condicao(S, &Dac, menus, F));
    Mensagem(S, *m->MensagemMenu, chat);
    for (int i = Quantos(S, F, F.Opcoes); i > 0; --i) {
      const int tipo = chat ? S.Entre(1, 4) : 0;
      auto o = std::make_unique<TMUOpcao>(
          &Dac, tipo, chat ? S.Um({"1", "12", "sim", "NaE", ""}) : S.Um({"1", "2", "9XXX", "[3-5]", "0.", "*", "1X"}));
      o->IgnorarCase = S.Moeda();
      o->DigitoFinalizador = S.Moeda(3) ? QStringLiteral("#") : QString();
      o->PodeMenosDigitos = S.Moeda(4);
      o->QtdeMinOpcaoValida = S.Entre(0, 2);
      o->QtdeMaxOpcaoValida = S.Entre(0, 12);
      Mensagem(S, *o->Mensagem, chat);
      Acoes(S, *o->ListaAcao, menus, F);
      m->ListaOpcoes->Add(std::move(o));
    }
    for (TMUListaAcao* l : {m->OpcaoInvalida->ListaAcao.get(), m->OpcaoTimeout->ListaAcao.get()})
      Acoes(S, *l, menus, F);
    m->OpcaoInvalida->Tentativas = S.Entre(0, 3);
    m->OpcaoTimeout->Tentativas = S.Entre(0, 3);
    Mensagem(S, *m->OpcaoInvalida->Mensagem, chat);
    Mensagem(S, *m->OpcaoTimeout->Mensagem, chat);
    Mensagem(S, *m->Final->Mensagem, chat);
    Acoes(S, *m->Final->ListaAcao, menus, F);
    if (chat && S.Moeda(3)) {
      m->SetTipoMenuOpcoesWA(QStringLiteral("LISTAWA"));
      auto item = std::make_unique<TMUItemMenuOpcaoWA>(&Dac);
      item->Resposta = QStringLiteral("1");
      item->Titulo->AddMensagemChat(QStringLiteral("Um ${a}"));
      m->MenuOpcoesWA->ListaItensMenuOpcao->Add(std::move(item));
    }
    Dac.ListaMenus->Add(std::move(m));
  }
}

// Up to Max answers: keys (voice) or texts (chat), some of them timeouts.
inline std::vector<std::optional<QString>> SorteiaEntradas(TSorteio& S, bool Chat, int Max) {
  std::vector<std::optional<QString>> r;
  for (int i = S.Entre(0, Max); i > 0; --i) {
    if (S.Moeda(6))
      r.push_back(std::nullopt);
    else
      r.push_back(Chat ? S.Um({"1", "sim", "SIM", "12", "a b", "x"})
                       : S.Um({"1", "2", "3", "9123", "3#", "0", "01", "*", "7", "12#"}));
  }
  return r;
}
