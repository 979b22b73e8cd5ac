// The message catalogue and the lookup lists.
#include <gtest/gtest.h>

#include <QSet>
#include <random>

#include "ajuda_teste.h"
#include "infoauxiliar.h"
#include "texto.h"

namespace {

class InfoAuxiliar : public InfoAuxiliarLimpa {
 protected:
  TMUListaDescricaoMensagem& Catalogo() { return MenuUraInfoAuxiliar.ListaDeMensagens; }
};

TEST_F(InfoAuxiliar, DescricaoDeListaDeArquivos) {
  AddMensagemCatalogo("a", "  ");
  AddMensagemCatalogo("c", " Cê ");
  AddMensagemCatalogo("d", "");
  AddMensagemCatalogo("d", "segundo");
  const std::pair<const char*, const char*> casos[] = {
      {"a,b", "a, b"}, {"", ""},       {"c", " Cê "}, {"a,b,c,", "a, b,  Cê "}, {"a,,b", "a, , b"}, {",a", "a"},
      {",,a", "a"},    {"a,,", "a, "}, {",", ""},     {" c,c ", " c, c "},  // pieces are not trimmed
      {"d", "d"},  // the first entry decides, and its description is empty
      {"C", "C"},
  };
  for (const auto& [arquivos, esperado] : casos)
    EXPECT_EQ(Catalogo().GetDescricaoArquivos(QString::fromUtf8(arquivos)), QString::fromUtf8(esperado)) << arquivos;
}

TEST_F(InfoAuxiliar, GetDescricaoESearchItem) {
  AddMensagemCatalogo("", "sem nome");
  AddMensagemCatalogo("x", "");
  AddMensagemCatalogo("x", "Xis");
  EXPECT_EQ(Catalogo().GetDescricao(""), "sem nome");
  EXPECT_EQ(Catalogo().SearchItem(""), nullptr);
  EXPECT_EQ(Catalogo().GetDescricao("x"), "");
  EXPECT_EQ(Catalogo().SearchItem("x"), Catalogo().GetItem(1));
  EXPECT_EQ(Catalogo().GetDescricao("X"), "");
  EXPECT_EQ(Catalogo().GetDescricao("y"), "");
  TMUDescricaoMensagem nova("arq");
  EXPECT_EQ(nova.Arquivo, "arq");
  EXPECT_EQ(nova.Descricao, "");
  EXPECT_FALSE(nova.ArquivoExiste);
}

TEST_F(InfoAuxiliar, NomesDeFilas) {
  TMUFila f("10");
  EXPECT_EQ(f.GetStrNomeFila(), "10");
  f.NomeFila = "Vendas";
  EXPECT_EQ(f.GetStrNomeFila(), "10 - Vendas");
  f.NomeFila = "10";
  EXPECT_EQ(f.GetStrNomeFila(), "10");

  TMUListaFilas l;
  AddFila(l, "10", "");
  AddFila(l, "20", "Suporte");
  AddFila(l, "20", "Outra");
  AddFila(l, "", "Vazia");
  EXPECT_EQ(l.GetStrNomeFila("10"), "10 - ");
  EXPECT_EQ(l.GetStrNomeFila("20"), "20 - Suporte");
  EXPECT_EQ(l.GetStrNomeFila("30"), "30");
  EXPECT_EQ(l.GetStrNomeFila(""), "");
  EXPECT_EQ(l.GetNomeFila("20"), "Suporte");
  EXPECT_EQ(l.GetNomeFila("30"), "");
  EXPECT_EQ(l.GetNomeFila(""), "");
  EXPECT_EQ(l.SearchItem(""), nullptr);
  EXPECT_EQ(l.SearchItem("20"), l.GetItem(1));
}

TEST_F(InfoAuxiliar, NomesDeGrupos) {
  TMUGrupo g("7");
  EXPECT_EQ(g.GetStrNomeGrupo(), "7");
  g.NomeGrupo = "Atendimento";
  EXPECT_EQ(g.GetStrNomeGrupo(), "7 - Atendimento");
  g.NomeGrupo = "7";
  EXPECT_EQ(g.GetStrNomeGrupo(), "7");

  TMUListaGrupos l;
  l.Add(std::make_unique<TMUGrupo>("7"));
  auto g2 = std::make_unique<TMUGrupo>("8");
  g2->NomeGrupo = "Oito";
  l.Add(std::move(g2));
  EXPECT_EQ(l.GetStrNomeGrupo("7"), "7 - ");
  EXPECT_EQ(l.GetStrNomeGrupo("8"), "8 - Oito");
  EXPECT_EQ(l.GetStrNomeGrupo("9"), "9");
  EXPECT_EQ(l.GetNomeGrupo("8"), "Oito");
  EXPECT_EQ(l.SearchItem(""), nullptr);
}

TEST_F(InfoAuxiliar, ListaOrdenadaIgnoraRepetidosSemCaixa) {
  auto& l = MenuUraInfoAuxiliar.ListaDeVariaveis;
  EXPECT_GE(l.Add("Saldo"), 0);
  EXPECT_EQ(l.Add("saldo"), -1);
  EXPECT_EQ(l.Add("SALDO"), -1);
  ASSERT_EQ(l.Count(), 1);
  EXPECT_EQ(l[0], "Saldo");
  l.Add("conta");
  l.Add("Banco");
  l.Add("agencia");
  EXPECT_EQ(l.Lista(), (QStringList{"agencia", "Banco", "conta", "Saldo"}));
  EXPECT_EQ(l.IndexOf("BANCO"), 1);
  EXPECT_EQ(l.IndexOf("banc"), -1);
}

TEST_F(InfoAuxiliar, SoLetrasASCIISaoDobradas) {
  auto& l = MenuUraInfoAuxiliar.ListaDeComandos;
  l.Add(QString::fromUtf8("ação"));
  EXPECT_GE(l.Add(QString::fromUtf8("AÇÃO")), 0);
  EXPECT_EQ(l.Add(QString::fromUtf8("AçãO")), -1);
  EXPECT_GE(l.Add(QString::fromUtf8("É")), 0);
  EXPECT_GE(l.Add(QString::fromUtf8("é")), 0);
  EXPECT_EQ(l.Count(), 4);
  EXPECT_EQ(l.IndexOf(QString::fromUtf8("Ação")), l.IndexOf(QString::fromUtf8("ação")));
  EXPECT_EQ(l.IndexOf(QString::fromUtf8("aÇão")), -1);
}

TEST_F(InfoAuxiliar, ListaOrdenadaContinuaOrdenada) {
  std::mt19937 rng(1234);
  TListaTextoOrdenada* listas[] = {&MenuUraInfoAuxiliar.ListaDeVariaveis, &MenuUraInfoAuxiliar.ListaDeComandos,
                                   &MenuUraInfoAuxiliar.ListaDePlayList, &MenuUraInfoAuxiliar.ListaDeMensagensChat,
                                   &MenuUraInfoAuxiliar.ListaDeMensagensChatTDD};
  const QString letras = QStringLiteral("aAbBcC_9");
  for (TListaTextoOrdenada* l : listas) {
    QSet<QString> distintas;
    for (int i = 0; i < 400; ++i) {
      QString s;
      const int n = 1 + int(rng() % 3);
      for (int k = 0; k < n; ++k) s += letras.at(int(rng() % letras.size()));
      l->Add(s);
      distintas.insert(LowerAscii(s));
    }
    ASSERT_EQ(l->Count(), distintas.size());
    for (int i = 1; i < l->Count(); ++i)
      EXPECT_LT(LowerAscii((*l)[i - 1]), LowerAscii((*l)[i])) << (*l)[i].toStdString();
  }
}

TEST_F(InfoAuxiliar, ListasDeUraAceitamRepetidos) {
  MenuUraInfoAuxiliar.ListaDeUrasVoz << "b"
                                     << "a"
                                     << "b";
  EXPECT_EQ(MenuUraInfoAuxiliar.ListaDeUrasVoz, (QStringList{"b", "a", "b"}));
}

TEST_F(InfoAuxiliar, ClearEsvaziaAsOnzeListas) {
  auto& i = MenuUraInfoAuxiliar;
  AddFila(i.ListaDeFilasVoz, "1", "a");
  AddFila(i.ListaDeFilasChat, "2", "b");
  AddMensagemCatalogo("m", "d");
  i.ListaDeGrupos.Add(std::make_unique<TMUGrupo>("g"));
  i.ListaDeUrasVoz << "u";
  i.ListaDeUrasChat << "c";
  i.ListaDeVariaveis.Add("v");
  i.ListaDeComandos.Add("c.sh");
  i.ListaDePlayList.Add("p");
  i.ListaDeMensagensChat.Add("oi");
  i.ListaDeMensagensChatTDD.Add("oi");
  i.Clear();
  EXPECT_EQ(i.ListaDeFilasVoz.Count() + i.ListaDeFilasChat.Count() + i.ListaDeMensagens.Count() +
                i.ListaDeGrupos.Count() + i.ListaDeUrasVoz.size() + i.ListaDeUrasChat.size() +
                i.ListaDeVariaveis.Count() + i.ListaDeComandos.Count() + i.ListaDePlayList.Count() +
                i.ListaDeMensagensChat.Count() + i.ListaDeMensagensChatTDD.Count(),
            0);
  // Usable again after the Clear.
  EXPECT_GE(i.ListaDeVariaveis.Add("v"), 0);
}

// The index answers every look-up as the list search does: first entry of a
// name, empty names, unknown names; an inner index changes nothing and the
// lists search again once the outer one is gone.
TEST_F(InfoAuxiliar, IndiceRespondeComoABusca) {
  AddMensagemCatalogo("", "sem nome");
  AddMensagemCatalogo("a", "Primeiro");
  AddMensagemCatalogo("a", "Segundo");
  AddMensagemCatalogo("b", " ");
  auto& voz = MenuUraInfoAuxiliar.ListaDeFilasVoz;
  auto& chat = MenuUraInfoAuxiliar.ListaDeFilasChat;
  AddFila(voz, "10", "Vendas");
  AddFila(voz, "10", "Outra");
  AddFila(voz, "", "Vazia");
  AddFila(chat, "10", "Chat");
  const QString nomes[] = {"", "a", "b", "A", "x", "10", "a,b,,x", ",a,"};
  const auto respostas = [&] {
    QStringList r;
    for (const QString& n : nomes)
      r << n + u'|' + Catalogo().GetDescricao(n) + u'|' + Catalogo().GetDescricaoArquivos(n) + u'|' +
               QString::number(Catalogo().IndexOf(Catalogo().SearchItem(n))) + u'|' + voz.GetStrNomeFila(n) + u'|' +
               QString::number(voz.IndexOf(voz.SearchItem(n))) + u'|' + chat.GetStrNomeFila(n);
    return r;
  };
  const QStringList busca = respostas();
  ASSERT_EQ(busca[1], "a|Primeiro|Primeiro|1|a|-1|a");
  {
    const TIndiceInfoAuxiliar indice;
    EXPECT_EQ(respostas(), busca);
    {
      const TIndiceInfoAuxiliar interno;
      EXPECT_EQ(respostas(), busca);
    }
    EXPECT_EQ(respostas(), busca);
  }
  AddMensagemCatalogo("x", "Novo");
  EXPECT_EQ(Catalogo().GetDescricao("x"), "Novo");
}

}  // namespace
