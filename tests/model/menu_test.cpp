// Menus: deep copies, the action search and the change fingerprint.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "ajuda_teste.h"
#include "dac.h"
#include "menuura.h"

namespace {

TMUOpcao* AddOpcao(TMenuUra& m, const QString& valor) {
  auto o = std::make_unique<TMUOpcao>(m.DAC, QString());
  o->SetValor(valor);
  TMUOpcao* p = o.get();
  m.ListaOpcoes->Add(std::move(o));
  return p;
}

TMUCondicao* AddCondicao(TMenuUra& m) {
  auto c = std::make_unique<TMUCondicao>(m.DAC);
  TMUCondicao* p = c.get();
  m.ListaCondicoes->Add(std::move(c));
  return p;
}

// A menu with something in every part.
void PreencheMenu(TMenuUra& m) {
  m.Descricao = "Menu principal";
  m.SetTipoMenuOpcoesWA("LISTAWA");
  m.MenuOpcoesWA->Titulo->AddMensagemChat("Titulo");
  m.MenuOpcoesWA->Texto->AddMensagemChat("Texto");
  m.MenuOpcoesWA->Rodape->AddMensagemChat("Rodape");
  m.MenuOpcoesWA->TituloMenuOpcoes->AddMensagemChat("Opcoes");
  auto item = std::make_unique<TMUItemMenuOpcaoWA>(m.DAC);
  item->Resposta = "1";
  item->Titulo->AddMensagemChat("Vendas");
  item->Descricao->AddMensagemChat("Setor de vendas");
  m.MenuOpcoesWA->ListaItensMenuOpcao->Add(std::move(item));
  m.MensagemMenu->AddArquivo("bemvindo");
  m.MensagemMenu->AddMensagemChat("Oi");

  TMUCondicao* c = AddCondicao(m);
  c->SetDiasSemana("1-5");
  c->SetStrHoraIni("08:00");
  c->SetStrHoraFim("18:00");
  c->Mensagem->AddArquivo("horario");
  AddAcao(*c->ListaAcao, "VAIPARA", "Atendimento");
  auto cv = std::make_unique<TMUCondicaoVar>();
  cv->Variavel = "cliente";
  cv->Tipo = "EQ";
  cv->Valor = "vip";
  c->ListaCondicaoVar->Tipo = 1;
  c->ListaCondicaoVar->Add(std::move(cv));

  TMUOpcao* o = AddOpcao(m, "1");
  o->DigitoFinalizador = "#";
  o->Mensagem->AddArquivo("op1");
  o->Mensagem->AddMensagemChat("um");
  AddAcao(*o->ListaAcao, "DISCAF", "10")->Variavel = "2";
  TMUOpcao* o2 = AddOpcao(m, "2XX");
  o2->PodeMenosDigitos = true;
  o2->QtdeMinOpcaoValida = 1;
  AddAcao(*o2->ListaAcao, "DISCAOP");

  m.OpcaoInvalida->Tentativas = 2;
  m.OpcaoInvalida->Mensagem->AddArquivo("invalida");
  AddAcao(*m.OpcaoInvalida->ListaAcao, "OPCOES");
  m.OpcaoTimeout->Tentativas = 4;
  m.OpcaoTimeout->Tempo = 9;
  m.OpcaoTimeout->Mensagem->AddArquivo("timeout");
  AddAcao(*m.OpcaoTimeout->ListaAcao, "DESLIGA", "17");
  m.Final->Mensagem->AddArquivo("tchau");
  AddAcao(*m.Final->ListaAcao, "DESLIGA");
}

QString Msg(const TMUMensagem& m) {
  return m.ArquivosText() + "|" + m.MensagensChatText() + "|" + (m.PodeParar ? "1" : "0");
}
QString Acoes(const TMUListaAcao& l) {
  QString r = l.OpcaoAcao + "|";
  for (const auto& a : l.Items())
    r += a->Tipo + "," + a->ValorMenu + "," + a->ValorNumero + "," + a->OpcaoAcao + "," + a->ValorComando + "," +
         a->Variavel + ";";
  return r;
}

// Everything a menu holds, as one text.
QString Estado(const TMenuUra& m) {
  QString r = m.Nome + "|" + m.Descricao + "|" + m.GetTipoMenuOpcoesWA() + "|" + m.MenuOpcoesWA->Tipo + "|";
  const auto& wa = *m.MenuOpcoesWA;
  for (const TMUMensagem* t : {wa.Titulo.get(), wa.Texto.get(), wa.Rodape.get(), wa.TituloMenuOpcoes.get()})
    r += Msg(*t);
  for (const auto& i : wa.ListaItensMenuOpcao->Items()) r += i->Resposta + Msg(*i->Titulo) + Msg(*i->Descricao);
  r += "\nP:" + Msg(*m.MensagemMenu);
  for (const auto& c : m.ListaCondicoes->Items()) {
    r += "\nC:" + c->GetStrCondicao() + c->GetDiasSemana() + c->GetStrHoraIni() + c->GetStrHoraFim() +
         (c->Feriados ? "F" : "") + Msg(*c->Mensagem) + Acoes(*c->ListaAcao) +
         QString::number(c->ListaCondicaoVar->Tipo);
    for (const auto& v : c->ListaCondicaoVar->Items()) r += v->Variavel + v->Tipo + v->Valor;
  }
  for (const auto& o : m.ListaOpcoes->Items())
    r += "\nO:" + o->GetValor() + o->DigitoFinalizador + (o->PodeMenosDigitos ? "1" : "0") +
         QString::number(o->QtdeMinOpcaoValida) + QString::number(o->Tipo) + o->ComecaCom + o->Contem + o->TerminaCom +
         Msg(*o->Mensagem) + Acoes(*o->ListaAcao);
  r += "\nI:" + QString::number(m.OpcaoInvalida->Tentativas) + Msg(*m.OpcaoInvalida->Mensagem) +
       Acoes(*m.OpcaoInvalida->ListaAcao);
  r += "\nT:" + QString::number(m.OpcaoTimeout->Tentativas) + QString::number(m.OpcaoTimeout->Tempo) +
       Msg(*m.OpcaoTimeout->Mensagem) + Acoes(*m.OpcaoTimeout->ListaAcao);
  r += "\nF:" + Msg(*m.Final->Mensagem) + Acoes(*m.Final->ListaAcao);
  return r;
}

// Every object a menu owns, for the sharing check.
std::set<const void*> Objetos(const TMenuUra& m) {
  std::set<const void*> s;
  auto msg = [&](const TMUMensagem* p) { s.insert(p); };
  auto acoes = [&](const TMUListaAcao* l) {
    s.insert(l);
    for (const auto& a : l->Items()) s.insert(a.get());
  };
  const auto& wa = *m.MenuOpcoesWA;
  s.insert(&wa);
  for (const TMUMensagem* t : {wa.Titulo.get(), wa.Texto.get(), wa.Rodape.get(), wa.TituloMenuOpcoes.get()}) msg(t);
  s.insert(wa.ListaItensMenuOpcao.get());
  for (const auto& i : wa.ListaItensMenuOpcao->Items()) {
    s.insert(i.get());
    msg(i->Titulo.get());
    msg(i->Descricao.get());
  }
  msg(m.MensagemMenu.get());
  s.insert(m.ListaCondicoes.get());
  for (const auto& c : m.ListaCondicoes->Items()) {
    s.insert(c.get());
    msg(c->Mensagem.get());
    acoes(c->ListaAcao.get());
    s.insert(c->ListaCondicaoVar.get());
    for (const auto& v : c->ListaCondicaoVar->Items()) s.insert(v.get());
  }
  s.insert(m.ListaOpcoes.get());
  for (const auto& o : m.ListaOpcoes->Items()) {
    s.insert(o.get());
    msg(o->Mensagem.get());
    acoes(o->ListaAcao.get());
  }
  s.insert(m.OpcaoInvalida.get());
  msg(m.OpcaoInvalida->Mensagem.get());
  acoes(m.OpcaoInvalida->ListaAcao.get());
  s.insert(m.OpcaoTimeout.get());
  msg(m.OpcaoTimeout->Mensagem.get());
  acoes(m.OpcaoTimeout->ListaAcao.get());
  s.insert(m.Final.get());
  msg(m.Final->Mensagem.get());
  acoes(m.Final->ListaAcao.get());
  return s;
}

class Menu : public InfoAuxiliarLimpa {
 public:
  TDAC dac, outro;
};

TEST_F(Menu, Criacao) {
  dac.TipoUra = "chat";
  TMenuUra m(&dac, "Principal");
  EXPECT_EQ(m.DAC, &dac);
  EXPECT_EQ(m.Nome, "Principal");
  EXPECT_EQ(m.Descricao, "");
  EXPECT_EQ(m.GetTipoMenuOpcoesWA(), "");
  EXPECT_EQ(m.MenuOpcoesWA->Tipo, "");
  EXPECT_EQ(m.MenuOpcoesWA->DAC, &dac);
  EXPECT_EQ(m.ListaCondicoes->Count(), 0);
  EXPECT_EQ(m.ListaOpcoes->Count(), 0);
  EXPECT_EQ(m.OpcaoInvalida->Tentativas, 3);
  EXPECT_EQ(m.OpcaoTimeout->Tempo, 300);
  EXPECT_EQ(m.Final->DAC, &dac);
  EXPECT_EQ(m.GetTipoMenuOpcoesWAInt(), 0);
}

TEST_F(Menu, TipoDoMenuDeLista) {
  TMenuUra m(&dac, "M");
  m.SetTipoMenuOpcoesWA("BOTAOWA");
  EXPECT_EQ(m.MenuOpcoesWA->Tipo, "BOTAOWA");
  EXPECT_EQ(m.GetTipoMenuOpcoesWAInt(), 1);
  m.SetTipoMenuOpcoesWA("LISTAWA");
  EXPECT_EQ(m.GetTipoMenuOpcoesWAInt(), 2);
  m.SetTipoMenuOpcoesWA("OUTRO");
  EXPECT_EQ(m.MenuOpcoesWA->Tipo, "OUTRO");
  EXPECT_EQ(m.GetTipoMenuOpcoesWAInt(), 0);
  // The menu's own type decides when it is empty.
  m.SetTipoMenuOpcoesWA("");
  m.MenuOpcoesWA->Tipo = "LISTAWA";
  EXPECT_EQ(m.GetTipoMenuOpcoesWAInt(), 0);
}

TEST_F(Menu, CopyFromNaoCompartilhaNada) {
  dac.TipoUra = "chat";
  TMenuUra origem(&dac, "Principal");
  PreencheMenu(origem);
  TMenuUra copia(&outro, "Velho");
  AddOpcao(copia, "9");
  AddCondicao(copia);
  copia.CopyFrom(&origem);

  const QString antes = Estado(origem);
  EXPECT_EQ(Estado(copia), antes);
  EXPECT_EQ(copia.MenuOpcoesWA->GetMenuMensagem(), origem.MenuOpcoesWA->GetMenuMensagem());

  const auto objOrigem = Objetos(origem), objCopia = Objetos(copia);
  for (const void* p : objCopia) EXPECT_EQ(objOrigem.count(p), 0u) << "shared object";

  // Bound to the copy's document everywhere.
  EXPECT_EQ(copia.DAC, &outro);
  EXPECT_EQ(copia.MenuOpcoesWA->DAC, &outro);
  EXPECT_EQ(copia.MenuOpcoesWA->ListaItensMenuOpcao->GetItem(0)->DAC, &outro);
  for (const auto& c : copia.ListaCondicoes->Items()) {
    EXPECT_EQ(c->DAC, &outro);
    for (const auto& a : c->ListaAcao->Items()) EXPECT_EQ(a->DAC, &outro);
  }
  for (const auto& o : copia.ListaOpcoes->Items()) {
    EXPECT_EQ(o->DAC, &outro);
    EXPECT_EQ(o->ParentList, copia.ListaOpcoes.get());
    for (const auto& a : o->ListaAcao->Items()) EXPECT_EQ(a->DAC, &outro);
  }
  for (const TMUListaAcao* l :
       {copia.OpcaoInvalida->ListaAcao.get(), copia.OpcaoTimeout->ListaAcao.get(), copia.Final->ListaAcao.get()}) {
    EXPECT_EQ(l->DAC, &outro);
    for (const auto& a : l->Items()) EXPECT_EQ(a->DAC, &outro);
  }
  for (const auto& o : origem.ListaOpcoes->Items()) EXPECT_EQ(o->ParentList, origem.ListaOpcoes.get());

  // Change every part of the copy.
  copia.Nome = "Outro";
  copia.Descricao = "x";
  copia.SetTipoMenuOpcoesWA("BOTAOWA");
  copia.MenuOpcoesWA->Titulo->AddMensagemChat("t2");
  copia.MenuOpcoesWA->Texto->LimpaListaArquivos();
  copia.MenuOpcoesWA->Rodape->AddMensagemChat("r2");
  copia.MenuOpcoesWA->TituloMenuOpcoes->PodeParar = true;
  auto* item = copia.MenuOpcoesWA->ListaItensMenuOpcao->GetItem(0);
  item->Resposta = "9";
  item->Titulo->AddMensagemChat("t");
  item->Descricao->AddArquivo("d");
  copia.MensagemMenu->AddArquivo("novo");
  copia.MensagemMenu->AddMensagemChat("novo");
  auto* c = copia.ListaCondicoes->GetItem(0);
  c->SetDiasSemana("6,7");
  c->SetStrHoraIni("09:30");
  c->Feriados = true;
  c->Mensagem->AddArquivo("m");
  c->ListaAcao->GetItem(0)->ValorMenu = "Outro";
  AddAcao(*c->ListaAcao, "FINAL");
  c->ListaCondicaoVar->Tipo = 2;
  c->ListaCondicaoVar->GetItem(0)->Valor = "comum";
  c->ListaCondicaoVar->Add(std::make_unique<TMUCondicaoVar>());
  auto* o = copia.ListaOpcoes->GetItem(0);
  o->SetValor("5");
  o->DigitoFinalizador = "*";
  o->PodeMenosDigitos = true;
  o->QtdeMinOpcaoValida = 3;
  o->Tipo = 3;
  o->ComecaCom = "a";
  o->Contem = "b";
  o->TerminaCom = "c";
  o->Mensagem->AddMensagemChat("x");
  o->ListaAcao->GetItem(0)->Variavel = "0";
  o->ListaAcao->OpcaoAcao = "zz";
  copia.ListaOpcoes->DeleteOpcao(copia.ListaOpcoes->GetItem(1));
  copia.OpcaoInvalida->Tentativas = 8;
  copia.OpcaoInvalida->Mensagem->AddArquivo("i");
  copia.OpcaoInvalida->ListaAcao->GetItem(0)->Tipo = "FINAL";
  copia.OpcaoTimeout->Tentativas = 8;
  copia.OpcaoTimeout->Tempo = 8;
  copia.OpcaoTimeout->Mensagem->LimpaListaArquivos();
  copia.OpcaoTimeout->ListaAcao->ClearLista();
  copia.Final->Mensagem->AddArquivo("f");
  copia.Final->ListaAcao->GetItem(0)->ValorNumero = "1";
  AddCondicao(copia);
  AddOpcao(copia, "7");

  EXPECT_EQ(Estado(origem), antes);
}

TEST_F(Menu, CopyFromDeNadaOuDeSiMesmo) {
  TMenuUra m(&dac, "M");
  PreencheMenu(m);
  const QString antes = Estado(m);
  m.CopyFrom(nullptr);
  EXPECT_EQ(Estado(m), antes);
  m.CopyFrom(&m);
  EXPECT_EQ(Estado(m), antes);
}

TEST_F(Menu, CopiaDeMenuSemOpcoesEsvaziaAsListas) {
  TMenuUra vazio(&dac, "V"), m(&dac, "M");
  PreencheMenu(m);
  m.CopyFrom(&vazio);
  EXPECT_EQ(m.ListaOpcoes->Count(), 0);
  EXPECT_EQ(m.ListaCondicoes->Count(), 0);
  EXPECT_EQ(m.MenuOpcoesWA->ListaItensMenuOpcao->Count(), 0);
  EXPECT_EQ(m.GetTipoMenuOpcoesWA(), "");
  EXPECT_EQ(m.MensagemMenu->ArquivosCount(), 0);
  EXPECT_EQ(m.Final->ListaAcao->Count(), 0);
  EXPECT_EQ(m.OpcaoTimeout->Tentativas, 3);
}

// ---- Action search -----------------------------------------------------------------

TEST_F(Menu, TemAcaoEmCadaSecao) {
  using Poe = std::function<void(TMenuUra&)>;
  const std::pair<const char*, Poe> secoes[] = {
      {"opcao", [](TMenuUra& m) { AddAcao(*AddOpcao(m, "1")->ListaAcao, "VAIPARA", "M2"); }},
      {"condicao", [](TMenuUra& m) { AddAcao(*AddCondicao(m)->ListaAcao, "VAIPARA", "M2"); }},
      {"final", [](TMenuUra& m) { AddAcao(*m.Final->ListaAcao, "VAIPARA", "M2"); }},
  };
  for (const auto& [nome, poe] : secoes) {
    TMenuUra m(&dac, "M1");
    EXPECT_FALSE(m.TemAcao("VAIPARA", "M2"));
    poe(m);
    EXPECT_TRUE(m.TemAcao("VAIPARA", "M2")) << nome;
    EXPECT_FALSE(m.TemAcao("VAIPARA", "M3")) << nome;
    EXPECT_FALSE(m.TemAcao("DISCA", "M2")) << nome;
  }
}

TEST_F(Menu, TemAcaoIgnoraInvalidaETimeoutSemOpcoes) {
  for (bool timeout : {false, true}) {
    TMenuUra m(&dac, "M1");
    AddAcao(*(timeout ? m.OpcaoTimeout->ListaAcao : m.OpcaoInvalida->ListaAcao), "VAIPARA", "M2");
    EXPECT_FALSE(m.TemAcao("VAIPARA", "M2")) << timeout;
    TMUOpcao* o = AddOpcao(m, "1");
    EXPECT_TRUE(m.TemAcao("VAIPARA", "M2")) << timeout;
    m.ListaOpcoes->DeleteOpcao(o);
    EXPECT_FALSE(m.TemAcao("VAIPARA", "M2")) << timeout;
  }
}

TEST_F(Menu, SearchMenuAcaoDevolveOPrimeiroEmOrdem) {
  auto* lista = dac.ListaMenus.get();
  for (const char* n : {"A", "B", "C", "D"}) lista->Add(std::make_unique<TMenuUra>(&dac, n));
  AddAcao(*lista->GetItem(1)->OpcaoInvalida->ListaAcao, "VAIPARA", "D");  // B has no options
  AddAcao(*lista->GetItem(2)->Final->ListaAcao, "VAIPARA", "D");
  AddAcao(*lista->GetItem(3)->Final->ListaAcao, "VAIPARA", "D");
  EXPECT_EQ(lista->SearchMenuAcao("VAIPARA", "D"), lista->GetItem(2));
  AddOpcao(*lista->GetItem(1), "1");
  EXPECT_EQ(lista->SearchMenuAcao("VAIPARA", "D"), lista->GetItem(1));
  EXPECT_EQ(lista->SearchMenuAcao("VAIPARA", "A"), nullptr);
  EXPECT_EQ(lista->SearchMenuAcao("DISCA", "D"), nullptr);
}

// ---- Change fingerprint ----------------------------------------------------------------

class Impressao : public Menu {
 public:
  void SetUp() override {
    Menu::SetUp();
    dac.Nome = "N";
    dac.MenuInicial = "Principal";
    for (const char* n : {"Principal", "Atendimento"}) {
      auto m = std::make_unique<TMenuUra>(&dac, n);
      PreencheMenu(*m);
      // A condition with comparisons is described by them alone; this one
      // is described by its days and hours.
      m->ListaCondicoes->GetItem(0)->ListaCondicaoVar->ClearLista();
      dac.ListaMenus->Add(std::move(m));
    }
  }
  QStringList Config() const {
    QStringList l;
    dac.GetListConfig(&l);
    return l;
  }
  TMenuUra& M() { return *dac.ListaMenus->GetItem(0); }
};

TEST_F(Impressao, SemListaNaoFazNadaEComListaSubstitui) {
  dac.GetListConfig(nullptr);
  QStringList l{"lixo"};
  dac.GetListConfig(&l);
  EXPECT_EQ(l, Config());
  EXPECT_NE(l.first(), "lixo");
}

TEST_F(Impressao, LinhasExatasDeUmMenuSimples) {
  TDAC d;
  d.Nome = "N";
  d.Descricao = "D";
  d.MenuInicial = "M";
  d.TipoUra = "chat";
  d.TipoAtendimento = "Answer";
  d.PriMsgEhOpcao = true;
  auto m = std::make_unique<TMenuUra>(&d, "M");
  m->MensagemMenu->AddArquivo("a");
  m->MensagemMenu->AddArquivo("b");
  TMUOpcao* o = AddOpcao(*m, "1");
  o->DigitoFinalizador = "#";
  o->PodeMenosDigitos = true;
  o->QtdeMinOpcaoValida = 2;
  o->Mensagem->AddArquivo("op");
  AddAcao(*o->ListaAcao, "FINAL");
  AddAcao(*o->ListaAcao, "DISCA", "5");
  m->OpcaoInvalida->Tentativas = 4;
  m->OpcaoTimeout->Tempo = 7;
  m->OpcaoTimeout->Mensagem->AddArquivo("t");
  m->Final->Mensagem->AddArquivo("f");
  AddAcao(*m->Final->ListaAcao, "DESLIGA");
  d.ListaMenus->Add(std::move(m));
  QStringList l;
  d.GetListConfig(&l);
  EXPECT_EQ(l,
            (QStringList{"NDMchatAnswer1", "M", "a\r\nb\r\n", "1#12op\r\nVai para Final, neste menu; Transfere para: 5",
                         "4", "t\r\n37", "f\r\nEncerra a chamada"}));
}

TEST_F(Impressao, UmaLinhaPorParte) {
  // Header; per menu: name, 1 condition, prompt, 2 options, 3 fallbacks.
  EXPECT_EQ(Config().size(), 1 + 2 * (1 + 1 + 1 + 2 + 3));
}

TEST_F(Impressao, MudaExatamenteQuandoDeve) {
  struct Caso {
    const char* Nome;
    bool Muda;
    std::function<void(Impressao&)> Faz;
  };
  const Caso casos[] = {
      {"nome do documento", true, [](Impressao& t) { t.dac.Nome = "Z"; }},
      {"descricao do documento", true, [](Impressao& t) { t.dac.Descricao = "Z"; }},
      {"menu inicial", true, [](Impressao& t) { t.dac.MenuInicial = "Atendimento"; }},
      {"tipo de ura", true, [](Impressao& t) { t.dac.TipoUra = "chat"; }},
      {"tipo de atendimento", true, [](Impressao& t) { t.dac.TipoAtendimento = "Progress"; }},
      {"primeira mensagem", true, [](Impressao& t) { t.dac.PriMsgEhOpcao = true; }},
      {"nome do menu", true, [](Impressao& t) { t.M().Nome = "Outro"; }},
      {"ordem dos menus", true, [](Impressao& t) { t.dac.ListaMenus->Add(t.dac.ListaMenus->Delete(0)); }},
      {"dia da semana", true, [](Impressao& t) { t.M().ListaCondicoes->GetItem(0)->SetDiasSemana("1-4"); }},
      {"hora da condicao", true, [](Impressao& t) { t.M().ListaCondicoes->GetItem(0)->SetStrHoraFim("17:59"); }},
      {"comparacao da condicao", true,
       [](Impressao& t) {
         auto cv = std::make_unique<TMUCondicaoVar>();
         cv->Variavel = "x";
         cv->Tipo = "EQ";
         t.M().ListaCondicoes->GetItem(0)->ListaCondicaoVar->Add(std::move(cv));
       }},
      {"arquivo da condicao", true, [](Impressao& t) { t.M().ListaCondicoes->GetItem(0)->Mensagem->AddArquivo("x"); }},
      {"acao da condicao", true,
       [](Impressao& t) { t.M().ListaCondicoes->GetItem(0)->ListaAcao->GetItem(0)->Variavel = "3"; }},
      {"nova condicao", true, [](Impressao& t) { AddCondicao(t.M()); }},
      {"arquivo do menu", true, [](Impressao& t) { t.M().MensagemMenu->AddArquivo("x"); }},
      {"valor da opcao", true, [](Impressao& t) { t.M().ListaOpcoes->GetItem(0)->SetValor("3"); }},
      {"finalizador", true, [](Impressao& t) { t.M().ListaOpcoes->GetItem(0)->DigitoFinalizador = "*"; }},
      {"menos digitos", true, [](Impressao& t) { t.M().ListaOpcoes->GetItem(0)->PodeMenosDigitos = true; }},
      {"minimo de digitos", true, [](Impressao& t) { t.M().ListaOpcoes->GetItem(1)->QtdeMinOpcaoValida = 2; }},
      {"arquivo da opcao", true, [](Impressao& t) { t.M().ListaOpcoes->GetItem(0)->Mensagem->AddArquivo("y"); }},
      {"acao da opcao", true, [](Impressao& t) { AddAcao(*t.M().ListaOpcoes->GetItem(0)->ListaAcao, "FINAL"); }},
      {"ordem das opcoes", true, [](Impressao& t) { t.M().ListaOpcoes->DownItem(0); }},
      {"tentativas invalida", true, [](Impressao& t) { t.M().OpcaoInvalida->Tentativas = 5; }},
      {"arquivo invalida", true, [](Impressao& t) { t.M().OpcaoInvalida->Mensagem->AddArquivo("z"); }},
      {"acao invalida", true, [](Impressao& t) { t.M().OpcaoInvalida->ListaAcao->ClearLista(); }},
      {"tentativas timeout", true, [](Impressao& t) { t.M().OpcaoTimeout->Tentativas = 5; }},
      {"tempo timeout", true, [](Impressao& t) { t.M().OpcaoTimeout->Tempo = 10; }},
      {"arquivo timeout", true, [](Impressao& t) { t.M().OpcaoTimeout->Mensagem->LimpaListaArquivos(); }},
      {"acao timeout", true, [](Impressao& t) { t.M().OpcaoTimeout->ListaAcao->GetItem(0)->ValorNumero = "1"; }},
      {"arquivo final", true, [](Impressao& t) { t.M().Final->Mensagem->AddArquivo("w"); }},
      {"acao final", true, [](Impressao& t) { AddAcao(*t.M().Final->ListaAcao, "FINAL"); }},
      {"novo menu", true, [](Impressao& t) { t.dac.ListaMenus->Add(std::make_unique<TMenuUra>(&t.dac, "")); }},
      // Not part of the fingerprint.
      {"descricao do menu", false, [](Impressao& t) { t.M().Descricao = "outra"; }},
      {"chat do menu", false, [](Impressao& t) { t.M().MensagemMenu->AddMensagemChat("novo"); }},
      {"chat da condicao", false,
       [](Impressao& t) { t.M().ListaCondicoes->GetItem(0)->Mensagem->AddMensagemChat("c"); }},
      {"chat da opcao", false, [](Impressao& t) { t.M().ListaOpcoes->GetItem(0)->Mensagem->AddMensagemChat("o"); }},
      {"chat da invalida", false, [](Impressao& t) { t.M().OpcaoInvalida->Mensagem->AddMensagemChat("i"); }},
      {"chat do timeout", false, [](Impressao& t) { t.M().OpcaoTimeout->Mensagem->AddMensagemChat("t"); }},
      {"chat do final", false, [](Impressao& t) { t.M().Final->Mensagem->AddMensagemChat("f"); }},
      {"tipo da opcao", false, [](Impressao& t) { t.M().ListaOpcoes->GetItem(0)->Tipo = 2; }},
      {"regras de chat", false,
       [](Impressao& t) {
         auto* o = t.M().ListaOpcoes->GetItem(0);
         o->ComecaCom = "a";
         o->Contem = "b";
         o->TerminaCom = "c";
         o->IgnorarCase = true;
         o->QtdeMaxOpcaoValida = 9;
         o->TextoAlfaAdicional = "-";
       }},
      {"menu de lista", false,
       [](Impressao& t) {
         t.M().SetTipoMenuOpcoesWA("BOTAOWA");
         t.M().MenuOpcoesWA->Titulo->AddMensagemChat("novo");
         t.M().MenuOpcoesWA->ListaItensMenuOpcao->ClearLista();
       }},
      {"datas e usuarios", false,
       [](Impressao& t) {
         t.dac.CriadoEm = 45000;
         t.dac.ModificadoPor = "x";
         t.dac.NomeArquivoLocal = "c:/x.xml";
         t.dac.Servidor = true;
         t.dac.VersaoXML = 3;
       }},
  };
  for (const auto& c : casos) {
    TearDown();
    dac.Clear();
    SetUp();
    const QStringList antes = Config();
    c.Faz(*this);
    EXPECT_EQ(Config() != antes, c.Muda) << c.Nome;
  }
}

}  // namespace
