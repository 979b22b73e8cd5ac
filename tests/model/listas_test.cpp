// The common list shape: ownership, reordering, the cursor and the searches.
#include <gtest/gtest.h>

#include <limits>

#include "acao.h"
#include "dac.h"
#include "infoauxiliar.h"
#include "listas.h"
#include "menuura.h"
#include "secoes.h"

namespace {

struct Contado {
  explicit Contado(int v, int* destruidos) : Valor(v), Destruidos(destruidos) {}
  ~Contado() { ++*Destruidos; }
  int Valor;
  int* Destruidos;
};

class ListaContada : public TListaBase<Contado> {
  URA_LISTA_COM_CURSOR(TListaBase<Contado>)
 public:
  bool DeleteItem(Contado* Item) { return DestroiItem(Item); }
};

class Listas : public ::testing::Test {
 protected:
  void Enche(ListaContada& l, int n) {
    for (int i = 0; i < n; ++i) EXPECT_EQ(l.Add(std::make_unique<Contado>(i, &destruidos)), i);
  }
  static std::vector<int> Valores(const ListaContada& l) {
    std::vector<int> r;
    for (int i = 0; i < l.Count(); ++i) r.push_back(l.GetItem(i)->Valor);
    return r;
  }
  int destruidos = 0;
};

TEST_F(Listas, RemocaoPorIndiceEntregaOItemSemDestruir) {
  ListaContada l;
  Enche(l, 3);
  std::unique_ptr<Contado> tirado = l.Delete(1);
  ASSERT_NE(tirado, nullptr);
  EXPECT_EQ(tirado->Valor, 1);
  EXPECT_EQ(destruidos, 0);
  EXPECT_EQ(Valores(l), (std::vector<int>{0, 2}));
  // The caller owns it now: clearing the list does not touch it.
  l.ClearLista();
  EXPECT_EQ(destruidos, 2);
  EXPECT_EQ(tirado->Valor, 1);
  tirado.reset();
  EXPECT_EQ(destruidos, 3);
}

TEST_F(Listas, RemocaoPorIndiceForaDaFaixa) {
  ListaContada l;
  Enche(l, 2);
  EXPECT_EQ(l.Delete(-1), nullptr);
  EXPECT_EQ(l.Delete(2), nullptr);
  EXPECT_EQ(l.Count(), 2);
  EXPECT_EQ(destruidos, 0);
}

TEST_F(Listas, RemocaoPorItemDestroiSoQuandoEstaNaLista) {
  ListaContada l, outra;
  Enche(l, 3);
  Contado* meio = l.GetItem(1);
  EXPECT_TRUE(l.DeleteItem(meio));
  EXPECT_EQ(destruidos, 1);
  EXPECT_EQ(Valores(l), (std::vector<int>{0, 2}));

  outra.Add(std::make_unique<Contado>(9, &destruidos));
  EXPECT_FALSE(l.DeleteItem(outra.GetItem(0)));
  EXPECT_FALSE(l.DeleteItem(nullptr));
  EXPECT_EQ(destruidos, 1);
  EXPECT_EQ(l.Count(), 2);
  EXPECT_EQ(outra.Count(), 1);
}

TEST_F(Listas, ClearListaEDestrutorDestroemTudo) {
  {
    ListaContada l;
    Enche(l, 4);
    l.ClearLista();
    EXPECT_EQ(destruidos, 4);
    EXPECT_EQ(l.Count(), 0);
    Enche(l, 2);
  }
  EXPECT_EQ(destruidos, 6);
}

TEST_F(Listas, AddDeNadaNaoCresce) {
  ListaContada l;
  EXPECT_EQ(l.Add(nullptr), -1);
  EXPECT_EQ(l.Count(), 0);
}

TEST_F(Listas, GetItemForaDaFaixa) {
  ListaContada l;
  EXPECT_EQ(l.GetItem(0), nullptr);
  Enche(l, 2);
  EXPECT_EQ(l.GetItem(2), nullptr);  // Count
  EXPECT_EQ(l.GetItem(-1), nullptr);
  EXPECT_EQ(l.GetItem(std::numeric_limits<int>::min()), nullptr);
  EXPECT_EQ(l.GetItem(std::numeric_limits<int>::max()), nullptr);
  EXPECT_EQ(l.GetItem(1)->Valor, 1);
}

TEST_F(Listas, UpEDownNasPontas) {
  ListaContada l;
  Enche(l, 3);
  l.UpItem(0);
  l.UpItem(-1);
  l.UpItem(3);
  l.DownItem(2);
  l.DownItem(3);
  l.DownItem(-1);
  EXPECT_EQ(Valores(l), (std::vector<int>{0, 1, 2}));
  l.UpItem(2);
  EXPECT_EQ(Valores(l), (std::vector<int>{0, 2, 1}));
  l.DownItem(0);
  EXPECT_EQ(Valores(l), (std::vector<int>{2, 0, 1}));
  l.UpItem(1);
  EXPECT_EQ(Valores(l), (std::vector<int>{0, 2, 1}));
  EXPECT_EQ(destruidos, 0);
}

TEST_F(Listas, Cursor) {
  ListaContada l;
  l.First();
  EXPECT_EQ(l.GetAndNext(), nullptr);
  Enche(l, 3);
  l.First();
  std::vector<int> vistos;
  while (Contado* c = l.GetAndNext()) vistos.push_back(c->Valor);
  EXPECT_EQ(vistos, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(l.GetAndNext(), nullptr);  // stays at the end
  l.First();
  EXPECT_EQ(l.GetAndNext()->Valor, 0);
}

// Removing while walking: the item just returned, the one the cursor points
// at, one before or after it. Every item left is still visited once.
TEST_F(Listas, RemovingAroundTheCursorVisitsEveryOtherItemOnce) {
  const struct {
    int Lidos;    // items returned before the removal
    int Remover;  // index removed
  } casos[] = {{1, 0}, {2, 1}, {2, 2}, {2, 0}, {2, 3}, {4, 3}, {0, 0}};
  for (const auto& c : casos) {
    ListaContada l;
    Enche(l, 4);
    l.First();
    std::vector<int> vistos;
    for (int i = 0; i < c.Lidos; ++i) vistos.push_back(l.GetAndNext()->Valor);
    const int removido = l.GetItem(c.Remover)->Valor;
    ASSERT_TRUE(l.DeleteItem(l.GetItem(c.Remover)));
    while (Contado* x = l.GetAndNext()) vistos.push_back(x->Valor);
    std::vector<int> esperado;
    for (int v = 0; v < 4; ++v)
      if (v != removido || v < c.Lidos) esperado.push_back(v);
    EXPECT_EQ(vistos, esperado) << c.Lidos << " " << c.Remover;
  }
}

// ---- The same rules on the model's own lists --------------------------------

TEST(ListasDoModelo, AcaoTiradaPorIndiceContinuaUtilizavel) {
  TDAC dac;
  TMUListaAcao lista(&dac);
  for (const char* t : {"INICIO", "FINAL", "DESLIGA"}) lista.Add(std::make_unique<TMUAcao>(&dac, t));
  std::unique_ptr<TMUAcao> a = lista.Delete(1);
  lista.ClearLista();
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->Tipo, "FINAL");
  EXPECT_EQ(a->GetStrAcao(), "Vai para Final, neste menu");
}

TEST(ListasDoModelo, RemocaoDeMenuPorItem) {
  TDAC dac;
  auto* lista = dac.ListaMenus.get();
  lista->Add(std::make_unique<TMenuUra>(&dac, "A"));
  lista->Add(std::make_unique<TMenuUra>(&dac, "B"));
  TMenuUra estranho(&dac, "B");
  EXPECT_FALSE(lista->DeleteMenu(&estranho));
  EXPECT_EQ(lista->Count(), 2);
  EXPECT_TRUE(lista->DeleteMenu(lista->SearchMenu("A")));
  EXPECT_EQ(lista->Count(), 1);
  EXPECT_EQ(lista->GetItem(0)->Nome, "B");
  std::unique_ptr<TMenuUra> b = lista->Delete(0);
  EXPECT_EQ(b->Nome, "B");
  EXPECT_EQ(lista->SearchMenu("B"), nullptr);
}

TEST(ListasDoModelo, ItensDoMenuDeListaPorIndiceEPorItem) {
  TDAC dac;
  TMUListaItemMenuOpcaoWA l(&dac);
  for (const char* r : {"1", "2", "3"}) {
    auto i = std::make_unique<TMUItemMenuOpcaoWA>(&dac);
    i->Resposta = r;
    l.Add(std::move(i));
  }
  EXPECT_TRUE(l.DeleteItem(l.GetItem(0)));
  std::unique_ptr<TMUItemMenuOpcaoWA> tres = l.Delete(1);
  ASSERT_NE(tres, nullptr);
  EXPECT_EQ(tres->Resposta, "3");
  ASSERT_EQ(l.Count(), 1);
  EXPECT_EQ(l.GetItem(0)->Resposta, "2");
  l.First();
  EXPECT_EQ(l.GetAndNext()->Resposta, "2");
  EXPECT_EQ(l.GetAndNext(), nullptr);
}

TEST(ListasDoModelo, CatalogoRemovePorIndiceEPorMensagem) {
  TMUListaDescricaoMensagem l;
  l.Add(std::make_unique<TMUDescricaoMensagem>("a"));
  l.Add(std::make_unique<TMUDescricaoMensagem>("b"));
  l.Add(std::make_unique<TMUDescricaoMensagem>("c"));
  std::unique_ptr<TMUDescricaoMensagem> a = l.DeleteItem(0);
  EXPECT_EQ(a->Arquivo, "a");
  EXPECT_EQ(l.SearchItem("a"), nullptr);
  EXPECT_FALSE(l.DeleteMensagem(a.get()));
  EXPECT_TRUE(l.DeleteMensagem(l.SearchItem("c")));
  ASSERT_EQ(l.Count(), 1);
  EXPECT_EQ(l.GetItem(0)->Arquivo, "b");
}

TEST(ListasDoModelo, FilasEGruposRemovemPorItem) {
  TMUListaFilas filas;
  filas.Add(std::make_unique<TMUFila>("1"));
  filas.Add(std::make_unique<TMUFila>("2"));
  EXPECT_TRUE(filas.DeleteFila(filas.SearchItem("1")));
  EXPECT_EQ(filas.Count(), 1);
  EXPECT_EQ(filas.SearchItem("1"), nullptr);
  TMUListaGrupos grupos;
  grupos.Add(std::make_unique<TMUGrupo>("g"));
  TMUGrupo fora("g");
  EXPECT_FALSE(grupos.DeleteGrupo(&fora));
  EXPECT_TRUE(grupos.DeleteGrupo(grupos.SearchItem("g")));
  EXPECT_EQ(grupos.Count(), 0);
}

}  // namespace
