// The flow model over hand-made URAs: every way out of a menu, loops, ends
// merged by target, missing menus, unreachable menus and the check's findings.
#include "fluxo.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "UTMenuUra.h"
#include "ajuda_teste.h"

namespace {

// A menu written on one line: its name, then sections separated by " / ",
// each a key and its actions: "cF" a holiday condition, "c" a condition with
// nothing set, "oVALOR" an option, "i" invalid option, "t" timeout, "f"
// final. Actions are separated by "; ", their fields by "|": code, value,
// Variavel.
void AddMenu(TDAC& Dac, const QString& Linha) {
  const QStringList partes = Linha.split(QStringLiteral(" / "));
  auto m = std::make_unique<TMenuUra>(&Dac, partes.first());
  for (const QString& secao : partes.mid(1)) {
    const qsizetype dois = secao.indexOf(QStringLiteral(": "));
    const QString chave = secao.left(dois);
    TMUListaAcao* acoes = nullptr;
    if (chave.startsWith(u'c')) {
      auto c = std::make_unique<TMUCondicao>(&Dac);
      c->Feriados = chave == u"cF";
      acoes = c->ListaAcao.get();
      m->ListaCondicoes->Add(std::move(c));
    } else if (chave.startsWith(u'o')) {
      auto o = std::make_unique<TMUOpcao>(&Dac, chave.mid(1));
      acoes = o->ListaAcao.get();
      m->ListaOpcoes->Add(std::move(o));
    } else {
      acoes = chave == u"i"   ? m->OpcaoInvalida->ListaAcao.get()
              : chave == u"t" ? m->OpcaoTimeout->ListaAcao.get()
                              : m->Final->ListaAcao.get();
    }
    for (const QString& a : secao.mid(dois + 2).split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
      const QStringList campos = a.split(u'|');
      AddAcao(*acoes, campos.value(0), campos.value(1))->Variavel = campos.value(2);
    }
  }
  Dac.ListaMenus->Add(std::move(m));
}

QString NomeNo(const TFluxo& F, int No) {
  const TNoFluxo& n = F.Nos[size_t(No)];
  return n.Tipo == TTipoNoFluxo::Inexistente ? u'?' + n.Nome : n.Nome;
}

// Nodes that are more than a plain reachable menu, then the edges.
QStringList Listagem(const TFluxo& F) {
  QStringList linhas;
  for (int i = 0; i < int(F.Nos.size()); ++i) {
    const TNoFluxo& n = F.Nos[size_t(i)];
    if (n.Inicial) linhas << QStringLiteral("inicial ") + NomeNo(F, i);
    if (!n.Alcancavel) linhas << QStringLiteral("inalcançável ") + NomeNo(F, i);
    if (n.Tipo == TTipoNoFluxo::Fim) linhas << QStringLiteral("fim ") + n.Acao + QStringLiteral(": ") + n.Nome;
  }
  for (const TArestaFluxo& a : F.Arestas)
    linhas << NomeNo(F, a.Origem) + QStringLiteral(" -[") + a.Rotulo + QStringLiteral("]-> ") + NomeNo(F, a.Destino);
  return linhas;
}

struct Caso {
  const char* Nome;
  QString MenuInicial;
  QStringList Menus;
  QStringList Esperado;
};

TEST(FluxoTest, EdgesNodesAndMarksOfHandMadeUras) {
  const Caso casos[] = {
      {"every way out and every end",
       "A",
       {"A / cF: DESLIGA|17 / c: SETVAR|x|1; VAIPARA|B / o1: VAIPARA|B|1 / o2: DISCAF|10|2 / o3: DISCAF|10|0 / "
        "o4: DISCA|5551234 / o5: DISCAG|7 / o6: DISCAR|200 / o7: DISCAU|Outra / o8: DISCAC|ctx / o9XXX: DISCAOP / "
        "o*: COMANDO|x.sh|r / o#: COMANDO|y.sh; VAIPARA|B / o0: |nada / i: OPCOES / t: DESLIGAFH / f: INICIO",
        "B / o1: VAIPARA|A|4 / o2: INVALIDA / i: DESLIGA; DISCA|1 / t: MENSAGEM|m|v; VAIPARA|B|3 / f: FINAL"},
       {"inicial A",
        "fim DESLIGA: Encerra a chamada (Código 17)",
        "fim DISCAF: Transfere para fila: 10",
        "fim DISCA: Transfere para: 5551234",
        "fim DISCAG: Transfere para grupo: 7",
        "fim DISCAR: Transfere para ramal: 200",
        "fim DISCAU: Transfere para URA: Outra",
        "fim DISCAC: Transfere para contexto: ctx",
        "fim DISCAOP: Transfere para opção informada",
        "fim COMANDO: r=Comando(x.sh)",
        "fim DESLIGAFH: Encerra a chamada (fora de horário)",
        "fim DESLIGA: Encerra a chamada",
        "A -[Feriados]-> Encerra a chamada (Código 17)",
        "A -[Condição 2]-> B",
        "A -[1 » Opções]-> B",
        "A -[2]-> Transfere para fila: 10",
        "A -[3]-> Transfere para fila: 10",
        "A -[4]-> Transfere para: 5551234",
        "A -[5]-> Transfere para grupo: 7",
        "A -[6]-> Transfere para ramal: 200",
        "A -[7]-> Transfere para URA: Outra",
        "A -[8]-> Transfere para contexto: ctx",
        "A -[9XXX]-> Transfere para opção informada",
        "A -[*]-> r=Comando(x.sh)",
        "A -[#]-> B",
        "A -[Opção inválida (3x) » Opções]-> A",
        "A -[Timeout (3x)]-> Encerra a chamada (fora de horário)",
        "A -[Final » Início]-> A",
        "B -[1 » Final]-> A",
        "B -[2 » Opção inválida]-> B",
        "B -[Opção inválida (3x)]-> Encerra a chamada",
        "B -[Timeout (3x) » Timeout]-> B",
        "B -[Final » Final]-> B"}},
      {"missing menus, repeated names, sections that never run",
       "Nada",
       {"A / o1: VAIPARA|Nada / o2: VAIPARA|Nada|2 / o3: VAIPARA| / o4: VAIPARA|D", "D / f: VAIPARA|D",
        "D / i: DESLIGA / t: DESLIGA / f: VAIPARA|Fim", "E / f: "},
       {"inicial ?Nada", "A -[1]-> ?Nada", "A -[2 » Opção inválida]-> ?Nada", "A -[3]-> ?", "A -[4]-> D",
        "D -[Final » Início]-> D", "D -[Final]-> ?Fim"}},
      {"unreachable menus",
       "A",
       {"A / f: VAIPARA|B", "B / f: DESLIGA", "C / f: VAIPARA|B", "D"},
       {"inicial A", "inalcançável C", "inalcançável D", "fim DESLIGA: Encerra a chamada", "A -[Final]-> B",
        "B -[Final]-> Encerra a chamada", "C -[Final]-> B"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Nome);
    TDAC dac;
    dac.MenuInicial = c.MenuInicial;
    for (const QString& m : c.Menus) AddMenu(dac, m);
    const TFluxo fluxo(dac);
    EXPECT_EQ(Listagem(fluxo), c.Esperado);
    EXPECT_EQ(fluxo.Menus, dac.ListaMenus->Count());
    for (int i = 0; i < fluxo.Menus; ++i) EXPECT_EQ(fluxo.Nos[size_t(i)].IndiceMenu, i);
  }
}

TEST(FluxoTest, FindingsAndCountsGoToTheirMenus) {
  TDAC dac;
  dac.MenuInicial = QStringLiteral("Sumido");
  AddMenu(dac, QStringLiteral("A / c: VAIPARA|B / cF: DESLIGA / o1: VAIPARA|Nada / f: DESLIGA"));
  AddMenu(dac, QStringLiteral("B / f: DESLIGA"));
  const TFluxo fluxo(dac);

  const TNoFluxo& a = fluxo.Nos[0];
  EXPECT_EQ(a.Condicoes, 2);
  EXPECT_EQ(a.Opcoes, 1);
  EXPECT_GE(a.Erros(), 1);
  for (const TAchado& f : a.Achados) EXPECT_EQ(f.IndiceMenu, 0);
  EXPECT_TRUE(std::any_of(a.Achados.begin(), a.Achados.end(),
                          [](const TAchado& f) { return f.Codigo == u"vaipara-inexistente"; }));
  EXPECT_TRUE(fluxo.Nos[1].Achados.empty());
  // Without an initial menu to start from, no menu counts as unreachable.
  EXPECT_TRUE(a.Alcancavel && fluxo.Nos[1].Alcancavel);
  ASSERT_EQ(fluxo.AchadosDocumento.size(), 1u);
  EXPECT_EQ(fluxo.AchadosDocumento[0].Codigo, QStringLiteral("menu-inicial-inexistente"));
  EXPECT_EQ(fluxo.NoDoMenu(QStringLiteral("B")), 1);
  EXPECT_EQ(fluxo.NoDoMenu(QString()), -1);

  // Findings handed in are used as they are.
  TAchado dado;
  dado.IndiceMenu = 1;
  dado.Gravidade = TGravidade::Aviso;
  const TFluxo comDados(dac, {dado});
  EXPECT_TRUE(comDados.Nos[0].Achados.empty());
  EXPECT_EQ(comDados.Nos[1].Avisos(), 1);
}

}  // namespace
