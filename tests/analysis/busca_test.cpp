// Find and where-used over one small voice URA (and a chat one): which places
// each query gives, in document order; sections the server never runs are
// left out; renaming references changes exactly the places where-used lists.
#include "busca.h"

#include <gtest/gtest.h>

#include "UTKRDACFuncoes.h"
#include "UTMenuUra.h"

namespace {

void Acao(TMUListaAcao& L, const char* Tipo, const QString& Valor, const QString& Variavel = QString()) {
  auto a = std::make_unique<TMUAcao>(L.DAC, QString::fromLatin1(Tipo));
  a->SetValor(Valor);
  a->Variavel = Variavel;
  L.Add(std::move(a));
}

// "Principal" (initial): a condition, a prompt and two options going to
// "Vendas" and "Suporte", the invalid option to "Vendas". "Vendas": a message
// action and a jump to itself. "Suporte": no options, so its timeout (which
// goes to "Vendas") never runs.
struct Documento {
  TDAC Dac;
  TMUListaDescricaoMensagem Catalogo;

  Documento() {
    Dac.Nome = QStringLiteral("Atendimento");
    Dac.Descricao = QStringLiteral("Central de vendas");
    Dac.MenuInicial = QStringLiteral("Principal");
    auto principal = std::make_unique<TMenuUra>(&Dac, QStringLiteral("Principal"));
    principal->Descricao = QStringLiteral("Entrada");
    auto c = std::make_unique<TMUCondicao>(&Dac);
    c->SetDiasSemana(QStringLiteral("1-5"));
    Acao(*c->ListaAcao, "VAIPARA", QStringLiteral("Vendas"));
    principal->ListaCondicoes->Add(std::move(c));
    principal->MensagemMenu->AddArquivo(QStringLiteral("bemvindo"));
    for (const char* destino : {"Vendas", "Suporte"}) {
      auto o = std::make_unique<TMUOpcao>(&Dac, QString::number(principal->ListaOpcoes->Count() + 1));
      Acao(*o->ListaAcao, "VAIPARA", QString::fromLatin1(destino));
      principal->ListaOpcoes->Add(std::move(o));
    }
    Acao(*principal->OpcaoInvalida->ListaAcao, "VAIPARA", QStringLiteral("Vendas"));
    Acao(*principal->Final->ListaAcao, "DESLIGA", QString());
    Dac.ListaMenus->Add(std::move(principal));

    auto vendas = std::make_unique<TMenuUra>(&Dac, QStringLiteral("Vendas"));
    vendas->Descricao = QStringLiteral("Setor comercial");
    Acao(*vendas->Final->ListaAcao, "MENSAGEM", QStringLiteral("promo,bemvindo"), QStringLiteral("oferta"));
    Acao(*vendas->Final->ListaAcao, "VAIPARA", QStringLiteral("Vendas"));
    Dac.ListaMenus->Add(std::move(vendas));

    auto suporte = std::make_unique<TMenuUra>(&Dac, QStringLiteral("Suporte"));
    suporte->MensagemMenu->AddArquivo(QStringLiteral("promo"));
    Acao(*suporte->OpcaoTimeout->ListaAcao, "VAIPARA", QStringLiteral("Vendas"));
    Acao(*suporte->Final->ListaAcao, "SETVAR", QStringLiteral("vip"), QStringLiteral("cliente"));
    Dac.ListaMenus->Add(std::move(suporte));

    for (auto [arquivo, descricao] : {std::pair{"bemvindo", "Boas-vindas"}, std::pair{"promo", "Promoção de vendas"}}) {
      auto d = std::make_unique<TMUDescricaoMensagem>(QString::fromLatin1(arquivo));
      d->Descricao = QString::fromUtf8(descricao);
      Catalogo.Add(std::move(d));
    }
  }
};

// "menu | section | field" per place.
QStringList Resumo(const std::vector<TLugar>& Lugares) {
  QStringList r;
  for (const TLugar& l : Lugares) r << l.Menu + u'|' + l.Secao + u'|' + l.Campo;
  return r;
}

TEST(BuscaTest, FindListsEveryTextHoldingTheQuery) {
  Documento d;
  const struct {
    const char* procura;
    QStringList esperado;
  } casos[] = {
      {"VENDAS",
       {"||Descrição da URA", "Principal|Início, condição 1|Ação 1", "Principal|Opção 1|Ação 1",
        "Principal|Opção inválida|Ação 1", "Vendas||Nome", "Vendas|Final|Ação 2", "Suporte|Mensagem|Mensagem"}},
      {"boas", {"Principal|Mensagem|Mensagem"}},
      {"Seg à", {"Principal|Início, condição 1|Condição"}},
      {"vip", {"Suporte|Final|Ação 1"}},
      {"client", {"Suporte|Final|Ação 1"}},
      {"2", {"Principal|Opção 2|Opção"}},
      {"comercial", {"Vendas||Descrição"}},
      {"  ", {}},
      {"nada disso", {}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.procura);
    EXPECT_EQ(Resumo(LocalizaTexto(d.Dac, QString::fromUtf8(c.procura), &d.Catalogo)), c.esperado);
  }
  // Without the catalogue its descriptions are not searched.
  EXPECT_TRUE(LocalizaTexto(d.Dac, QStringLiteral("boas")).empty());
  const std::vector<TLugar> achados = LocalizaTexto(d.Dac, QStringLiteral("bemvindo"), &d.Catalogo);
  ASSERT_FALSE(achados.empty());
  EXPECT_EQ(achados.front().IndiceMenu, 0);
  EXPECT_EQ(achados.front().Texto, QStringLiteral("bemvindo (Boas-vindas)"));
}

TEST(BuscaTest, WhereUsedListsTheLivePlacesOnly) {
  Documento d;
  const struct {
    std::vector<TLugar> (*busca)(const TDAC&, const QString&);
    const char* chave;
    QStringList esperado;
  } casos[] = {
      {OndeUsadoMenu,
       "Vendas",
       {"Principal|Início, condição 1|Ação 1", "Principal|Opção 1|Ação 1", "Principal|Opção inválida|Ação 1",
        "Vendas|Final|Ação 2"}},
      {OndeUsadoMenu, "Principal", {"||Menu inicial"}},
      {OndeUsadoMenu, "Suporte", {"Principal|Opção 2|Ação 1"}},
      {OndeUsadoMenu, "vendas", {}},
      {OndeUsadoMenu, "", {}},
      {OndeUsadoMensagem, "bemvindo", {"Principal|Mensagem|Mensagem", "Vendas|Final|Ação 1"}},
      {OndeUsadoMensagem, "promo", {"Vendas|Final|Ação 1", "Suporte|Mensagem|Mensagem"}},
      {OndeUsadoMensagem, "promo,bemvindo", {}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.chave);
    EXPECT_EQ(Resumo(c.busca(d.Dac, QString::fromLatin1(c.chave))), c.esperado);
  }
}

TEST(BuscaTest, RenamingReferencesChangesWhatWhereUsedListed) {
  Documento d;
  EXPECT_EQ(TrocaReferenciasMenu(d.Dac, QStringLiteral("Vendas"), QStringLiteral("Comercial")), 4);
  EXPECT_TRUE(OndeUsadoMenu(d.Dac, QStringLiteral("Vendas")).empty());
  EXPECT_EQ(OndeUsadoMenu(d.Dac, QStringLiteral("Comercial")).size(), 4u);
  // The section that never runs keeps its value.
  EXPECT_EQ(d.Dac.ListaMenus->GetItem(2)->OpcaoTimeout->ListaAcao->GetItem(0)->ValorMenu, QStringLiteral("Vendas"));
  EXPECT_EQ(TrocaReferenciasMenu(d.Dac, QStringLiteral("Principal"), QStringLiteral("Inicio")), 1);
  EXPECT_EQ(d.Dac.MenuInicial, QStringLiteral("Inicio"));
}

TEST(BuscaTest, ChatTextsAreFoundInMessagesAndInMessageActions) {
  TDAC dac;
  dac.TipoUra = QStringLiteral("chat");
  auto m = std::make_unique<TMenuUra>(&dac, QStringLiteral("M"));
  m->MensagemMenu->AddMensagemChat(QStringLiteral("Bom dia\r\nTudo bem?"));
  m->MensagemMenu->AddMensagemChat(QStringLiteral("Bom dia"));
  Acao(*m->Final->ListaAcao, "MENSAGEM", QStringLiteral("Olá\nBom dia"));
  Acao(*m->Final->ListaAcao, "MENSAGEM", QStringLiteral("Bom dia!"));
  dac.ListaMenus->Add(std::move(m));
  EXPECT_EQ(Resumo(OndeUsadoTextoChat(dac, QStringLiteral("Bom dia"))),
            (QStringList{"M|Mensagem|Mensagem", "M|Final|Ação 1"}));
  EXPECT_EQ(Resumo(OndeUsadoTextoChat(dac, encodeCRLF(QStringLiteral("Bom dia\r\nTudo bem?")))),
            QStringList{"M|Mensagem|Mensagem"});
  const std::vector<TLugar> achados = LocalizaTexto(dac, QStringLiteral("tudo"));
  ASSERT_EQ(achados.size(), 1u);
  EXPECT_EQ(achados[0].Texto, QStringLiteral("Bom dia↩Tudo bem?"));
}

}  // namespace
