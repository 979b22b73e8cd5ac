// Fallback sections (invalid option, timeout, final) and the chat list menu.
#include <gtest/gtest.h>

#include "ajuda_teste.h"
#include "dac.h"
#include "secoes.h"

namespace {

const QString kSeta = QString(QChar(0x21A9));
const QString kQuebra = kSeta + " ";

TEST(Secoes, ValoresIniciais) {
  TDAC voz;
  TMUOpcaoInvalida inv(&voz);
  EXPECT_EQ(inv.Tentativas, 3);
  EXPECT_EQ(inv.ListaAcao->Count(), 0);
  EXPECT_EQ(inv.ListaAcao->DAC, &voz);
  EXPECT_EQ(inv.Mensagem->ArquivosCount(), 0);
  TMUOpcaoTimeout tmo(&voz);
  EXPECT_EQ(tmo.Tentativas, 3);
  EXPECT_EQ(tmo.Tempo, 5);
  EXPECT_EQ(tmo.ListaAcao->DAC, &voz);
  TMUFinal fin(&voz);
  EXPECT_EQ(fin.ListaAcao->DAC, &voz);
  EXPECT_EQ(fin.GetStrAcao(), "");
  EXPECT_EQ(fin.GetStrMensagem(), "");
}

TEST(Secoes, TempoDoTimeoutDecididoNaCriacao) {
  TDAC dac;
  for (const char* tipo : {"chat", "chattdd"}) {
    dac.TipoUra = tipo;
    EXPECT_EQ(TMUOpcaoTimeout(&dac).Tempo, 300) << tipo;
  }
  dac.TipoUra = "Chat";
  EXPECT_EQ(TMUOpcaoTimeout(&dac).Tempo, 5);

  dac.TipoUra = "";
  TMUOpcaoTimeout voz(&dac);
  dac.TipoUra = "chat";
  TMUOpcaoTimeout chat(&dac);
  dac.TipoUra = "";
  EXPECT_EQ(voz.Tempo, 5);
  EXPECT_EQ(chat.Tempo, 300);
}

class SecoesCopia : public InfoAuxiliarLimpa {};

TEST_F(SecoesCopia, CopyFromDasTresSecoes) {
  TDAC chat, voz;
  chat.TipoUra = "chat";

  TMUOpcaoTimeout origem(&chat);
  origem.Tentativas = 7;
  origem.Mensagem->AddArquivo("a");
  origem.Mensagem->AddMensagemChat("oi");
  AddAcao(*origem.ListaAcao, "DISCA", "1");
  TMUOpcaoTimeout alvo(&voz);
  AddAcao(*alvo.ListaAcao, "FINAL");
  alvo.Mensagem->AddArquivo("velho");
  alvo.CopyFrom(&origem);
  EXPECT_EQ(alvo.Tentativas, 7);
  EXPECT_EQ(alvo.Tempo, 300);  // copied, not decided by the target's document
  EXPECT_EQ(alvo.DAC, &voz);
  EXPECT_EQ(alvo.ListaAcao->DAC, &voz);
  EXPECT_EQ(alvo.GetStrAcao(), "Transfere para: 1");
  EXPECT_EQ(alvo.GetStrMensagem(), "a" + kSeta + "oi");
  ASSERT_EQ(alvo.ListaAcao->Count(), 1);
  EXPECT_EQ(alvo.ListaAcao->GetItem(0)->DAC, &voz);
  EXPECT_NE(alvo.ListaAcao->GetItem(0), origem.ListaAcao->GetItem(0));
  alvo.ListaAcao->GetItem(0)->ValorNumero = "2";
  alvo.Mensagem->AddArquivo("b");
  EXPECT_EQ(origem.GetStrAcao(), "Transfere para: 1");
  EXPECT_EQ(origem.Mensagem->ArquivosCount(), 1);

  TMUOpcaoInvalida inv(&chat), invAlvo(&voz);
  inv.Tentativas = 0;
  AddAcao(*inv.ListaAcao, "DESLIGA", "9");
  invAlvo.CopyFrom(&inv);
  EXPECT_EQ(invAlvo.Tentativas, 0);
  EXPECT_EQ(invAlvo.GetStrAcao(), "Encerra a chamada (Código 9)");
  EXPECT_EQ(invAlvo.ListaAcao->GetItem(0)->DAC, &voz);

  TMUFinal fin(&chat), finAlvo(&voz);
  fin.Mensagem->AddArquivo("tchau");
  AddAcao(*fin.ListaAcao, "INICIO");
  finAlvo.CopyFrom(&fin);
  EXPECT_EQ(finAlvo.GetStrMensagem(), "tchau");
  EXPECT_EQ(finAlvo.GetStrAcao(), QString::fromUtf8("Vai para Início, neste menu"));
}

TEST_F(SecoesCopia, CopyFromDeNadaNaoMuda) {
  TDAC dac;
  TMUOpcaoTimeout tmo(&dac);
  tmo.Tentativas = 9;
  tmo.Tempo = 60;
  AddAcao(*tmo.ListaAcao, "FINAL");
  tmo.Mensagem->AddArquivo("a");
  tmo.CopyFrom(nullptr);
  EXPECT_EQ(tmo.Tentativas, 9);
  EXPECT_EQ(tmo.Tempo, 60);
  EXPECT_EQ(tmo.ListaAcao->Count(), 1);
  EXPECT_EQ(tmo.Mensagem->ArquivosCount(), 1);
  TMUOpcaoInvalida inv(&dac);
  inv.Tentativas = 1;
  inv.CopyFrom(nullptr);
  EXPECT_EQ(inv.Tentativas, 1);
  TMUFinal fin(&dac);
  AddAcao(*fin.ListaAcao, "FINAL");
  fin.CopyFrom(nullptr);
  EXPECT_EQ(fin.ListaAcao->Count(), 1);
  // A copy from itself keeps everything.
  tmo.CopyFrom(&tmo);
  EXPECT_EQ(tmo.ListaAcao->Count(), 1);
  EXPECT_EQ(tmo.Mensagem->ArquivosCount(), 1);
}

// ---- The chat list menu ------------------------------------------------------------

class MenuLista : public InfoAuxiliarLimpa {
 protected:
  TMUItemMenuOpcaoWA* AddItem(TMUMenuOpcaoWA& m, const QString& resposta, const QString& titulo) {
    auto i = std::make_unique<TMUItemMenuOpcaoWA>(m.DAC);
    i->Resposta = resposta;
    if (!titulo.isEmpty()) i->Titulo->AddMensagemChat(titulo);
    TMUItemMenuOpcaoWA* p = i.get();
    m.ListaItensMenuOpcao->Add(std::move(i));
    return p;
  }
  void Preenche(TMUMenuOpcaoWA& m) {
    m.Titulo->AddMensagemChat(QString::fromUtf8("Olá"));
    m.Texto->AddMensagemChat("Escolha");
    m.TituloMenuOpcoes->AddMensagemChat("Menu");
    AddItem(m, "1", "Vendas")->Descricao->AddMensagemChat("nao aparece");
    AddItem(m, "2", "Suporte");
  }
  TDAC dac;
};

TEST_F(MenuLista, PreviaDeLista) {
  for (const char* tipo : {"LISTAWA", "BOTAOWA"}) {
    TMUMenuOpcaoWA m(&dac, tipo);
    Preenche(m);
    EXPECT_EQ(m.GetMenuMensagem(), QString::fromUtf8("Olá") + kQuebra + "Escolha" + kQuebra + "Menu" + kQuebra +
                                       "1 - Vendas " + kQuebra + "2 - Suporte ")
        << tipo;
  }
}

TEST_F(MenuLista, PreviaDeTipoVazioOuDesconhecido) {
  for (const char* tipo : {"", "listawa", "OUTRO"}) {
    TMUMenuOpcaoWA m(&dac, tipo);
    Preenche(m);
    EXPECT_EQ(m.GetMenuMensagem(),
              QString::fromUtf8("Olá") + kQuebra + "Escolha" + kQuebra + "Menu" + kQuebra + "|1 - Vendas||2 - Suporte|")
        << tipo;
  }
}

TEST_F(MenuLista, PreviaSemTextosOuSemItens) {
  TMUMenuOpcaoWA m(&dac, "LISTAWA");
  EXPECT_EQ(m.GetMenuMensagem(), "");
  AddItem(m, "", "A");
  AddItem(m, "2", "");
  // No texts: the items start the preview; an item without answer has no prefix.
  EXPECT_EQ(m.GetMenuMensagem(), "A " + kQuebra + "2 -  ");
  TMUMenuOpcaoWA so(&dac, "BOTAOWA");
  so.Rodape->AddMensagemChat("fim\nlinha");
  EXPECT_EQ(so.GetMenuMensagem(), "fim" + kSeta + "linha");
  so.Texto->AddMensagemChat("meio");
  EXPECT_EQ(so.GetMenuMensagem(), "meio" + kQuebra + "fim" + kSeta + "linha");
}

TEST_F(MenuLista, TipoInt) {
  TMUMenuOpcaoWA m(&dac, "BOTAOWA");
  EXPECT_EQ(m.GetTipoInt(), 1);
  m.Tipo = "LISTAWA";
  EXPECT_EQ(m.GetTipoInt(), 2);
  for (const char* t : {"", "botaowa", "LISTA", "LISTAWA "}) {
    m.Tipo = t;
    EXPECT_EQ(m.GetTipoInt(), 0) << t;
  }
  EXPECT_EQ(TMUMenuOpcaoWA::GetTipoIntToStr(1), "BOTAOWA");
  EXPECT_EQ(TMUMenuOpcaoWA::GetTipoIntToStr(2), "LISTAWA");
  for (int t : {0, 3, -1, 100}) EXPECT_EQ(TMUMenuOpcaoWA::GetTipoIntToStr(t), "") << t;
}

TEST_F(MenuLista, ClearMantemOTipo) {
  TMUMenuOpcaoWA m(&dac, "LISTAWA");
  Preenche(m);
  m.Rodape->AddMensagemChat("r");
  m.Clear();
  EXPECT_EQ(m.Tipo, "LISTAWA");
  EXPECT_EQ(m.ListaItensMenuOpcao->Count(), 0);
  for (const TMUMensagem* t : {m.Titulo.get(), m.Texto.get(), m.Rodape.get(), m.TituloMenuOpcoes.get()})
    EXPECT_EQ(t->MensagensChatCount(), 0);
  EXPECT_EQ(m.GetMenuMensagem(), "");
}

TEST_F(MenuLista, CopyFromProfunda) {
  TDAC outro;
  TMUMenuOpcaoWA origem(&outro, "BOTAOWA");
  Preenche(origem);
  origem.Rodape->AddMensagemChat("rodape");
  TMUMenuOpcaoWA copia(&dac, "LISTAWA");
  AddItem(copia, "9", "velho");
  copia.CopyFrom(&origem);
  EXPECT_EQ(copia.Tipo, "BOTAOWA");
  EXPECT_EQ(copia.GetMenuMensagem(), origem.GetMenuMensagem());
  ASSERT_EQ(copia.ListaItensMenuOpcao->Count(), 2);
  EXPECT_EQ(copia.ListaItensMenuOpcao->DAC, &dac);
  for (int i = 0; i < 2; ++i) {
    const auto* c = copia.ListaItensMenuOpcao->GetItem(i);
    const auto* o = origem.ListaItensMenuOpcao->GetItem(i);
    EXPECT_NE(c, o);
    EXPECT_EQ(c->DAC, &dac);
    EXPECT_EQ(c->Resposta, o->Resposta);
    EXPECT_EQ(c->Descricao->GetStrMensagemChat("", ""), o->Descricao->GetStrMensagemChat("", ""));
  }
  const QString antes = origem.GetMenuMensagem();
  copia.Titulo->AddMensagemChat("x");
  copia.Rodape->LimpaListaArquivos();
  copia.ListaItensMenuOpcao->GetItem(0)->Resposta = "7";
  copia.ListaItensMenuOpcao->GetItem(0)->Titulo->AddMensagemChat("y");
  copia.ListaItensMenuOpcao->GetItem(1)->Descricao->AddMensagemChat("z");
  copia.ListaItensMenuOpcao->ClearLista();
  EXPECT_EQ(origem.GetMenuMensagem(), antes);
  EXPECT_EQ(origem.ListaItensMenuOpcao->Count(), 2);
  EXPECT_EQ(origem.ListaItensMenuOpcao->GetItem(1)->Descricao->MensagensChatCount(), 0);

  copia.CopyFrom(nullptr);
  EXPECT_EQ(copia.Tipo, "BOTAOWA");
}

TEST_F(MenuLista, ListaDeItensCopyFrom) {
  TMUListaItemMenuOpcaoWA origem(&dac), alvo(&dac);
  for (const char* r : {"a", "b"}) {
    auto i = std::make_unique<TMUItemMenuOpcaoWA>(&dac);
    i->Resposta = r;
    origem.Add(std::move(i));
  }
  alvo.Add(std::make_unique<TMUItemMenuOpcaoWA>(&dac));
  alvo.CopyFrom(&origem);
  ASSERT_EQ(alvo.Count(), 2);
  EXPECT_EQ(alvo.GetItem(1)->Resposta, "b");
  alvo.CopyFrom(nullptr);
  EXPECT_EQ(alvo.Count(), 0);

  TMUItemMenuOpcaoWA item(&dac);
  item.Resposta = "r";
  item.Titulo->AddMensagemChat("t");
  item.CopyFrom(nullptr);
  EXPECT_EQ(item.Resposta, "r");
  EXPECT_EQ(item.Titulo->MensagensChatCount(), 1);
}

}  // namespace
