// Options of a menu: key patterns (voice) and text rules (chat).
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

#include "UTMenuUra.h"

namespace {

std::string S(const QString& s) { return s.toStdString(); }
QString Q(const char* s) { return QString::fromUtf8(s); }

std::unique_ptr<TMUOpcao> Voz(TDAC* dac, const char* valor) { return std::make_unique<TMUOpcao>(dac, Q(valor)); }

std::unique_ptr<TMUOpcao> Chat(TDAC* dac, int tipo, const char* valor) {
  return std::make_unique<TMUOpcao>(dac, tipo, Q(valor));
}

class OpcaoVoz : public ::testing::Test {
 protected:
  TDAC dac;
  std::string Real(const char* v) { return S(TMUOpcao(&dac, Q(v)).GetValorReal()); }
  bool Valida(const char* v) { return TMUOpcao(&dac, Q(v)).OpcaoValida(); }
  std::string Desc(const char* v) { return S(TMUOpcao(&dac, Q(v)).GetStrOpcao()); }
  int Trata(const char* v, const char* entrada, bool final) {
    return TMUOpcao(&dac, Q(v)).TrataOpcao(Q(entrada), final);
  }
};

class OpcaoChat : public ::testing::Test {
 protected:
  OpcaoChat() { dac.TipoUra = "chat"; }
  TDAC dac;
};

// ------------------------------------------------- real value and checks

TEST_F(OpcaoVoz, ValorRealDosExemplos) {
  EXPECT_EQ(Real("9XXX"), "9XXX");
  EXPECT_EQ(Real("[2-9]XXXXXXX"), "YXXXXXXX");
  EXPECT_EQ(Real("1[35]X"), "1XX");
  EXPECT_EQ(Real("12[3-4]"), "12Y");
  EXPECT_EQ(Real("0800."), "0800X");
  EXPECT_EQ(Real("[13-5]X"), "");
}

TEST_F(OpcaoVoz, ValorRealTrocaCoringasPorX) {
  EXPECT_EQ(Real("ZN."), "XXX");
  EXPECT_EQ(Real("*#Z"), "*#X");
  EXPECT_EQ(Real(""), "");
}

TEST_F(OpcaoVoz, ValorRealDeGrupos) {
  // First thing written or last thing of the pattern: "Y"; in the middle: "X".
  EXPECT_EQ(Real("[1-2][3-4]"), "YY");
  EXPECT_EQ(Real("[1-2][3-4]5"), "YX5");
  EXPECT_EQ(Real("1[3-4]X"), "1XX");
  EXPECT_EQ(Real("[135]"), "Y");
  // A group without "-" only needs one character.
  EXPECT_EQ(Real("1[ab]2"), "1X2");
  // Range groups need digits, strictly increasing, exactly five characters.
  EXPECT_EQ(Real("1[3-1]X"), "1");
  EXPECT_EQ(Real("1[2-2]X"), "1");
  EXPECT_EQ(Real("1[a-b]X"), "1");
  EXPECT_EQ(Real("1[-]X"), "1");
  // Empty group and "[" without "]" end the reduction.
  EXPECT_EQ(Real("1[]2"), "1");
  EXPECT_EQ(Real("12[1-3"), "12");
  EXPECT_EQ(Real("[1-3"), "");
  // A lone "]" is copied.
  EXPECT_EQ(Real("1]2"), "1]2");
}

TEST_F(OpcaoVoz, OpcaoValidaDosExemplos) {
  EXPECT_TRUE(Valida("1XXX"));
  EXPECT_TRUE(Valida("XXX1"));
  EXPECT_TRUE(Valida("[1-3]XX"));
  EXPECT_TRUE(Valida("0800."));
  EXPECT_FALSE(Valida("1X1"));
  EXPECT_FALSE(Valida("X1X"));
  EXPECT_FALSE(Valida("."));
  EXPECT_FALSE(Valida("1.2"));
  EXPECT_FALSE(Valida("[3-1]X"));
}

TEST_F(OpcaoVoz, OpcaoValidaOutrosCasos) {
  EXPECT_TRUE(Valida("1"));
  EXPECT_TRUE(Valida("X"));
  EXPECT_TRUE(Valida("*#0"));
  EXPECT_TRUE(Valida("ZN"));
  EXPECT_TRUE(Valida("XX*#"));
  EXPECT_TRUE(Valida("[135]"));
  EXPECT_TRUE(Valida("9[1-35]X"));
  // The bracket check accepts equal ends and mixed groups.
  EXPECT_TRUE(Valida("[2-2]X"));
  EXPECT_TRUE(Valida("[13-5]X"));
  EXPECT_TRUE(Valida("1[2-3]"));
  EXPECT_FALSE(Valida(""));
  EXPECT_FALSE(Valida("XXX.."));
  EXPECT_FALSE(Valida(".X"));
  EXPECT_FALSE(Valida("1[ab]"));
  EXPECT_FALSE(Valida("1[2-3"));
  EXPECT_FALSE(Valida("1x"));
  EXPECT_FALSE(Valida("1-2"));
  EXPECT_FALSE(Valida("1]"));
  EXPECT_FALSE(Valida("1[]"));
  EXPECT_FALSE(Valida("1Y"));
}

TEST_F(OpcaoVoz, OpcaoValidaRecusaPrimeiroCaractereQueNaoEhTecla) {
  // Only the first character: the walk from the second one never saw it.
  EXPECT_FALSE(Valida("[1"));
  EXPECT_FALSE(Valida("[12"));
  EXPECT_FALSE(Valida("]1"));
  EXPECT_FALSE(Valida("-1"));
  EXPECT_FALSE(Valida("a1"));
  EXPECT_FALSE(Valida("Y"));
  EXPECT_FALSE(Valida("[]"));
  EXPECT_FALSE(Valida("[3-1]"));
  EXPECT_FALSE(Valida("[a]X"));
  EXPECT_TRUE(Valida("[1-3]"));
  EXPECT_TRUE(Valida("#1"));
  EXPECT_TRUE(Valida("N1"));
}

TEST_F(OpcaoVoz, OpcaoValidaSoTestaPadroesDeTecla) {
  for (int tipo : {1, 2, 3, 4, 7, -1}) {
    TMUOpcao o(&dac, tipo, QString());
    EXPECT_TRUE(o.OpcaoValida()) << tipo;
  }
}

TEST(OpcaoColchetes, ColchetesValidos) {
  EXPECT_TRUE(TMUOpcao::ColchetesValidos("[1-5]"));
  EXPECT_TRUE(TMUOpcao::ColchetesValidos("[135]"));
  EXPECT_TRUE(TMUOpcao::ColchetesValidos("[7]"));
  EXPECT_TRUE(TMUOpcao::ColchetesValidos("[1-1]"));
  EXPECT_TRUE(TMUOpcao::ColchetesValidos("[13-5]"));
  EXPECT_TRUE(TMUOpcao::ColchetesValidos("[1-35-7]"));
  EXPECT_FALSE(TMUOpcao::ColchetesValidos(""));
  EXPECT_FALSE(TMUOpcao::ColchetesValidos("[]"));
  EXPECT_FALSE(TMUOpcao::ColchetesValidos("[1"));
  EXPECT_FALSE(TMUOpcao::ColchetesValidos("1]"));
  EXPECT_FALSE(TMUOpcao::ColchetesValidos("(1)"));
  EXPECT_FALSE(TMUOpcao::ColchetesValidos("[5-1]"));
  EXPECT_FALSE(TMUOpcao::ColchetesValidos("[1-]"));
  EXPECT_FALSE(TMUOpcao::ColchetesValidos("[-1]"));
  EXPECT_FALSE(TMUOpcao::ColchetesValidos("[1-2-3]"));
  EXPECT_FALSE(TMUOpcao::ColchetesValidos("[a]"));
  EXPECT_FALSE(TMUOpcao::ColchetesValidos("[1X]"));
  EXPECT_FALSE(TMUOpcao::ColchetesValidos("[[1]"));
}

TEST_F(OpcaoVoz, PodeFinalizadorEQtdeMinima) {
  EXPECT_TRUE(TMUOpcao(&dac, "XX").PodeFinalizador());
  EXPECT_FALSE(TMUOpcao(&dac, "1X").PodeFinalizador());
  EXPECT_FALSE(TMUOpcao(&dac, "XXX.").PodeFinalizador());
  EXPECT_FALSE(TMUOpcao(&dac, "X").PodeFinalizador());
  EXPECT_FALSE(TMUOpcao(&dac, "XX1").PodeFinalizador());
  EXPECT_FALSE(TMUOpcao(&dac, "").PodeFinalizador());
  EXPECT_TRUE(TMUOpcao(&dac, "[2-9]XX").PodeFinalizador());
  EXPECT_TRUE(TMUOpcao(&dac, "ZN").PodeFinalizador());

  EXPECT_EQ(TMUOpcao(&dac, "12XX").QtdeMinimaValida(), 2);
  EXPECT_EQ(TMUOpcao(&dac, "XXXX").QtdeMinimaValida(), 1);
  EXPECT_EQ(TMUOpcao(&dac, "1X2XX").QtdeMinimaValida(), 3);
  EXPECT_EQ(TMUOpcao(&dac, "1X").QtdeMinimaValida(), 0);
  EXPECT_EQ(TMUOpcao(&dac, "0800.").QtdeMinimaValida(), 0);
}

TEST_F(OpcaoVoz, ElementosDoPadrao) {
  TMUOpcao o(&dac, "1[2-4]X");
  const auto& l = o.ListaDetalhada();
  ASSERT_EQ(l.size(), 3u);
  EXPECT_EQ(l[0].Valor, QChar(u'1'));
  EXPECT_TRUE(l[1].Valor.isNull());
  EXPECT_EQ(l[1].ValorIni, QChar(u'2'));
  EXPECT_EQ(l[1].ValorFim, QChar(u'4'));
  EXPECT_EQ(l[2].Valor, QChar(u'X'));
  EXPECT_TRUE(l[0].ValorIni.isNull());

  // Other groups give no element; a "[" without "]" is skipped alone.
  EXPECT_EQ(TMUOpcao(&dac, "[135]X").ListaDetalhada().size(), 1u);
  EXPECT_EQ(TMUOpcao(&dac, "1[3-3]X").ListaDetalhada().size(), 2u);
  TMUOpcao aberto(&dac, "[1-3");
  ASSERT_EQ(aberto.ListaDetalhada().size(), 3u);
  EXPECT_EQ(aberto.ListaDetalhada()[1].Valor, QChar(u'-'));
  EXPECT_EQ(TMUOpcao(&dac, "1]").ListaDetalhada().size(), 2u);
  EXPECT_TRUE(TMUOpcao(&dac, "").ListaDetalhada().empty());
}

TEST_F(OpcaoVoz, SetValorRefazElementosEPassaValorAsAcoes) {
  TMUOpcao o(&dac, "9XXX");
  EXPECT_EQ(S(o.ListaAcao->OpcaoAcao), "");  // the constructor does not hand it over
  EXPECT_EQ(o.ListaDetalhada().size(), 4u);
  o.SetValor("1[2-3]");
  EXPECT_EQ(S(o.GetValor()), "1[2-3]");
  EXPECT_EQ(S(o.ListaAcao->OpcaoAcao), "1[2-3]");
  EXPECT_EQ(o.ListaDetalhada().size(), 2u);
  EXPECT_EQ(o.TrataOpcao("13", false), OPCAO_CONFERE);
  o.SetValor("");
  EXPECT_TRUE(o.ListaDetalhada().empty());
  EXPECT_EQ(S(o.ListaAcao->OpcaoAcao), "");
}

TEST_F(OpcaoVoz, ConstrutoresDeixamValoresVazios) {
  TMUOpcao o(&dac, 3, "Na");
  EXPECT_EQ(o.Tipo, 3);
  EXPECT_EQ(S(o.GetValor()), "Na");
  EXPECT_EQ(o.DAC, &dac);
  EXPECT_FALSE(o.PodeMenosDigitos);
  EXPECT_EQ(o.QtdeMinOpcaoValida, 0);
  EXPECT_EQ(o.QtdeMaxOpcaoValida, 0);
  EXPECT_TRUE(o.DigitoFinalizador.isEmpty());
  EXPECT_FALSE(o.IgnorarCase);
  EXPECT_TRUE(o.ComecaCom.isEmpty() && o.TerminaCom.isEmpty() && o.Contem.isEmpty());
  EXPECT_TRUE(o.TextoAlfaAdicional.isEmpty());
  EXPECT_EQ(o.ParentList, nullptr);
  ASSERT_NE(o.Mensagem, nullptr);
  ASSERT_NE(o.ListaAcao, nullptr);
  EXPECT_EQ(o.ListaAcao->Count(), 0);
  EXPECT_EQ(o.Mensagem->ArquivosCount(), 0);
  EXPECT_EQ(TMUOpcao(&dac, "1").Tipo, 0);
}

TEST(OpcaoTeclas, IsValidKeyEmVoz) {
  TDAC dac;
  TMUOpcao o(&dac, "");
  for (char16_t c : u"0123456789*#-.NXZ[]") {
    if (c) {
      EXPECT_TRUE(o.IsValidKey(QChar(c))) << char(c);
    }
  }
  for (char16_t c : u"aAxYzn ,/()+\u00e9") {
    if (c) {
      EXPECT_FALSE(o.IsValidKey(QChar(c))) << int(c);
    }
  }
  TMUOpcao semDac(nullptr, "");
  EXPECT_TRUE(semDac.IsValidKey(u'5'));
  EXPECT_FALSE(semDac.IsValidKey(u'a'));
}

TEST(OpcaoTeclas, IsValidKeyEmChatAceitaTudo) {
  for (const char* tipo : {"chat", "chattdd"}) {
    TDAC dac;
    dac.TipoUra = tipo;
    TMUOpcao o(&dac, 2, "");
    for (char16_t c : u"aY ,\u00e9?5") {
      if (c) {
        EXPECT_TRUE(o.IsValidKey(QChar(c))) << tipo;
      }
    }
  }
}

// ------------------------------------------------------ voice descriptions

TEST_F(OpcaoVoz, DescricoesDosExemplos) {
  EXPECT_EQ(Desc("1"), "Dígito 1");
  EXPECT_EQ(Desc("12"), "Opção 12");
  EXPECT_EQ(Desc("X"), "1 dígito");
  EXPECT_EQ(Desc("XXXX"), "4 dígitos");
  EXPECT_EQ(Desc("9XXX"), "4 dígitos, iniciando com 9");
  EXPECT_EQ(Desc("XX99"), "4 dígitos, terminando com 99");
  EXPECT_EQ(Desc("[1-5]"), "Dígitos 1 à 5");
  EXPECT_EQ(Desc("[135]"), "Dígitos 1, 3 ou 5");
  EXPECT_EQ(Desc("[2-9]XXXXXXX"), "8 dígitos, iniciando com 2 à 9");
  EXPECT_EQ(Desc("9."), "2 dígitos, no mínimo, iniciando com 9");
  EXPECT_EQ(Desc("[1-3]X23"), "4 dígitos, iniciando com 1 à 3, terminando com 23");
  EXPECT_EQ(Desc("12[3-4]"), "3 dígitos, iniciando com 12, terminando com 3 à 4");
}

TEST_F(OpcaoVoz, DescricoesDeOutrosPadroes) {
  EXPECT_EQ(Desc(""), "");
  EXPECT_EQ(Desc("[13-5]X"), "");
  EXPECT_EQ(Desc("*"), "Dígito *");
  EXPECT_EQ(Desc("Z"), "1 dígito");
  EXPECT_EQ(Desc("."), "1 dígito");
  EXPECT_EQ(Desc("*#"), "Opção *#");
  EXPECT_EQ(Desc("1X"), "2 dígitos, iniciando com 1");
  EXPECT_EQ(Desc("0800."), "5 dígitos, no mínimo, iniciando com 0800");
  EXPECT_EQ(Desc("[1-5]."), "2 dígitos, no mínimo, iniciando com 1 à 5");
  EXPECT_EQ(Desc("XX1#"), "4 dígitos, terminando com 1#");
  EXPECT_EQ(Desc("X.1"), "3 dígitos, terminando com 1");
  EXPECT_EQ(Desc("[7]"), "Dígitos 7");
  EXPECT_EQ(Desc("[1-2][3-4]"), "2 dígitos, iniciando com 1 à 2, terminando com 3 à 4");
  EXPECT_EQ(Desc("[13][57]"), "2 dígitos, iniciando com 1 ou 3, terminando com 5 ou 7");
  EXPECT_EQ(Desc("9[1-3]X5"), "4 dígitos, iniciando com 9, terminando com 5");
}

TEST_F(OpcaoVoz, DescricoesComFinalizador) {
  TMUOpcao o(&dac, "XXXX");
  o.DigitoFinalizador = "#";
  EXPECT_EQ(S(o.GetStrOpcao()), "Até 4 dígitos, podendo ser finalizado com #");

  TMUOpcao m(&dac, "XXXX");
  m.PodeMenosDigitos = true;
  m.QtdeMinOpcaoValida = 2;
  EXPECT_EQ(S(m.GetStrOpcao()), "Até 4 dígitos, sendo válida somente se contiver, pelo menos, 2 dígitos");
  m.QtdeMinOpcaoValida = 1;
  EXPECT_EQ(S(m.GetStrOpcao()), "Até 4 dígitos, sendo válida somente se contiver, pelo menos, 1 dígito");
  m.QtdeMinOpcaoValida = 0;  // a minimum of 0 is no minimum
  EXPECT_EQ(S(m.GetStrOpcao()), "4 dígitos");

  TMUOpcao ambos(&dac, "9XXX");
  ambos.DigitoFinalizador = "*";
  ambos.PodeMenosDigitos = true;
  ambos.QtdeMinOpcaoValida = 3;
  EXPECT_EQ(S(ambos.GetStrOpcao()),
            "Até 4 dígitos, iniciando com 9, podendo ser finalizado com *, sendo válida somente "
            "se contiver, pelo menos, 3 dígitos");

  // Without a finaliser allowed the settings are not described.
  TMUOpcao semFinal(&dac, "XX1");
  semFinal.DigitoFinalizador = "#";
  semFinal.PodeMenosDigitos = true;
  semFinal.QtdeMinOpcaoValida = 1;
  EXPECT_EQ(S(semFinal.GetStrOpcao()), "3 dígitos, terminando com 1");
}

TEST(OpcaoColchetes, DescricaoDeGrupos) {
  EXPECT_EQ(S(TMUOpcao::GetStrColchetes("[1-5]")), "1 à 5");
  EXPECT_EQ(S(TMUOpcao::GetStrColchetes("[13]")), "1 ou 3");
  EXPECT_EQ(S(TMUOpcao::GetStrColchetes("[135]")), "1, 3 ou 5");
  EXPECT_EQ(S(TMUOpcao::GetStrColchetes("[1357]")), "1, 3, 5 ou 7");
  EXPECT_EQ(S(TMUOpcao::GetStrColchetes("[7]")), "7");
  EXPECT_EQ(S(TMUOpcao::GetStrColchetes("")), "");
  EXPECT_EQ(S(TMUOpcao::GetStrColchetes("[]")), "");
  EXPECT_EQ(S(TMUOpcao::GetStrColchetes("[")), "");
}

TEST_F(OpcaoVoz, DescricaoValorEhOPadrao) { EXPECT_EQ(S(TMUOpcao(&dac, "[1-3]X.").GetDescricaoValor()), "[1-3]X."); }

// ------------------------------------------------------- chat descriptions

TEST_F(OpcaoChat, CaracteresEspecificos) {
  EXPECT_EQ(S(Chat(&dac, 1, "")->GetStrOpcao()), "");
  EXPECT_EQ(S(Chat(&dac, 1, "5")->GetStrOpcao()), "Dígito \"5\"");
  EXPECT_EQ(S(Chat(&dac, 1, "b")->GetStrOpcao()), "Letra \"b\"");
  EXPECT_EQ(S(Chat(&dac, 1, "?")->GetStrOpcao()), "Caractere \"?\"");
  EXPECT_EQ(S(Chat(&dac, 1, "é")->GetStrOpcao()), "Caractere \"é\"");
  EXPECT_EQ(S(Chat(&dac, 1, "1a#")->GetStrOpcao()), "Dígito \"1\" ou Letra \"a\" ou Caractere \"#\"");
  EXPECT_EQ(S(Chat(&dac, 1, "a1")->GetStrOpcao()), "Dígito \"1\" ou Letra \"a\"");
  EXPECT_EQ(S(Chat(&dac, 1, "12ab")->GetStrOpcao()), "Dígitos \"1\", \"2\" ou Letras \"a\", \"b\"");
  EXPECT_EQ(S(Chat(&dac, 1, "?!")->GetStrOpcao()), "Caracteres \"?\", \"!\"");
  EXPECT_EQ(S(Chat(&dac, 1, "x?Y")->GetStrOpcao()), "Letras \"x\", \"Y\" ou Caractere \"?\"");
  EXPECT_EQ(S(Chat(&dac, 1, "11")->GetStrOpcao()), "Dígitos \"1\", \"1\"");
}

TEST_F(OpcaoChat, TextoEspecifico) {
  EXPECT_EQ(S(Chat(&dac, 2, "")->GetStrOpcao()), "");
  auto o = Chat(&dac, 2, "Sim");
  EXPECT_EQ(S(o->GetStrOpcao()), "Opção \"Sim\"");
  o->IgnorarCase = true;
  EXPECT_EQ(S(o->GetStrOpcao()), "Opção \"Sim\", ignorando case-sensitive");
  auto n = Chat(&dac, 2, "Não");
  EXPECT_EQ(S(n->GetStrOpcao()), "Opção \"Não\"");
  n->IgnorarCase = true;
  EXPECT_EQ(S(n->GetStrOpcao()), "Opção \"Não\", ignorando case-sensitive (exceto caracteres especiais ou acentuação)");
}

TEST_F(OpcaoChat, TextoLivre) {
  auto o = Chat(&dac, 3, "");
  EXPECT_EQ(S(o->GetStrOpcao()), "Texto livre.");
  o->QtdeMinOpcaoValida = 2;
  o->QtdeMaxOpcaoValida = 10;
  o->ComecaCom = "ab";
  o->IgnorarCase = true;
  EXPECT_EQ(S(o->GetStrOpcao()),
            "Texto livre, com tamanho mínimo de 2 e tamanho máximo de 10 caracteres, começando com "
            "\"ab\", ignorando case-sensitive.");

  auto t = Chat(&dac, 3, "");
  t->QtdeMinOpcaoValida = 1;
  EXPECT_EQ(S(t->GetStrOpcao()), "Texto livre, com tamanho mínimo de 1 caractere.");
  t->QtdeMinOpcaoValida = 3;
  t->IgnorarCase = true;  // nothing to compare: no case clause
  EXPECT_EQ(S(t->GetStrOpcao()), "Texto livre, com tamanho mínimo de 3 caracteres.");
  t->QtdeMinOpcaoValida = 0;
  t->QtdeMaxOpcaoValida = 1;  // a maximum alone counts for the case clause
  EXPECT_EQ(S(t->GetStrOpcao()), "Texto livre, com tamanho máximo de 1 caractere, ignorando case-sensitive.");
}

TEST_F(OpcaoChat, TextoLivreComecoFimConteudo) {
  auto o = Chat(&dac, 3, "");
  o->TerminaCom = "x";
  EXPECT_EQ(S(o->GetStrOpcao()), "Texto livre, terminando com \"x\".");
  o->ComecaCom = "a";
  EXPECT_EQ(S(o->GetStrOpcao()), "Texto livre, começando com \"a\" e terminando com \"x\".");
  o->Contem = "meio";
  EXPECT_EQ(S(o->GetStrOpcao()), "Texto livre, começando com \"a\" e terminando com \"x\", contento o texto \"meio\".");
  o->IgnorarCase = true;
  o->Contem = "ção";
  EXPECT_EQ(S(o->GetStrOpcao()),
            "Texto livre, começando com \"a\" e terminando com \"x\", contento o texto \"ção\", "
            "ignorando case-sensitive (exceto caracteres especiais ou acentuação).");
}

TEST_F(OpcaoChat, TextoAlfanumericoClasses) {
  auto o = Chat(&dac, 4, "NAaE");
  EXPECT_EQ(S(o->GetStrOpcao()),
            "Texto alfanumérico. Pode ser composto por dígitos, letras maiúsculas e letras minúsculas e espaço");
  EXPECT_EQ(S(Chat(&dac, 4, "")->GetStrOpcao()), "Texto alfanumérico.");
  EXPECT_EQ(S(Chat(&dac, 4, "N")->GetStrOpcao()), "Texto alfanumérico. Pode ser composto apenas por dígitos");
  EXPECT_EQ(S(Chat(&dac, 4, "aA")->GetStrOpcao()),
            "Texto alfanumérico. Pode ser composto por letras maiúsculas e letras minúsculas");
  EXPECT_EQ(S(Chat(&dac, 4, "aN")->GetStrOpcao()),
            "Texto alfanumérico. Pode ser composto por dígitos e letras minúsculas");
  EXPECT_EQ(S(Chat(&dac, 4, "EN")->GetStrOpcao()), "Texto alfanumérico. Pode ser composto apenas por dígitos e espaço");
  EXPECT_EQ(S(Chat(&dac, 4, "E")->GetStrOpcao()), "Texto alfanumérico. Pode ser composto apenas por espaço");
  auto m = Chat(&dac, 4, "A");
  m->QtdeMinOpcaoValida = 1;
  m->QtdeMaxOpcaoValida = 5;
  EXPECT_EQ(S(m->GetStrOpcao()),
            "Texto alfanumérico, com tamanho mínimo de 1 e tamanho máximo de 5 caracteres. Pode ser "
            "composto apenas por letras maiúsculas");
}

TEST_F(OpcaoChat, TextoAlfanumericoOutrosCaracteres) {
  auto o = Chat(&dac, 4, "O");
  o->TextoAlfaAdicional = "-.";
  EXPECT_EQ(S(o->GetStrOpcao()), "Texto alfanumérico. Pode ser composto pelos caracteres \"-\", \".\"");
  o->TextoAlfaAdicional = "ab";
  EXPECT_EQ(S(o->GetStrOpcao()), "Texto alfanumérico. Pode ser composto pelas letras \"a\", \"b\"");
  o->TextoAlfaAdicional = "7";
  EXPECT_EQ(S(o->GetStrOpcao()), "Texto alfanumérico. Pode ser composto pelo dígito \"7\"");
  o->TextoAlfaAdicional = "12x";
  EXPECT_EQ(S(o->GetStrOpcao()), "Texto alfanumérico. Pode ser composto pelos dígitos \"1\", \"2\" e a letra \"x\"");
  o->TextoAlfaAdicional = "x_";
  EXPECT_EQ(S(o->GetStrOpcao()), "Texto alfanumérico. Pode ser composto pela letra \"x\" e o caractere \"_\"");
  o->TextoAlfaAdicional = "";
  EXPECT_EQ(S(o->GetStrOpcao()), "Texto alfanumérico.");

  auto n = Chat(&dac, 4, "NO");
  n->TextoAlfaAdicional = "1x-";
  EXPECT_EQ(S(n->GetStrOpcao()),
            "Texto alfanumérico. Pode ser composto apenas por dígitos, além do dígito \"1\", a letra "
            "\"x\" e o caractere \"-\"");
  n->TextoAlfaAdicional = "-/";
  EXPECT_EQ(S(n->GetStrOpcao()),
            "Texto alfanumérico. Pode ser composto apenas por dígitos, além dos caracteres \"-\", \"/\"");

  // Without "O" the extra characters are not described.
  auto sem = Chat(&dac, 4, "N");
  sem->TextoAlfaAdicional = "-";
  EXPECT_EQ(S(sem->GetStrOpcao()), "Texto alfanumérico. Pode ser composto apenas por dígitos");
}

TEST_F(OpcaoChat, DescricaoCurtaDoValor) {
  EXPECT_EQ(S(Chat(&dac, 1, "abc")->GetDescricaoValor()), "Letras(abc)");
  EXPECT_EQ(S(Chat(&dac, 1, "a")->GetDescricaoValor()), "Letra(a)");
  EXPECT_EQ(S(Chat(&dac, 1, "7")->GetDescricaoValor()), "Dígito(7)");
  EXPECT_EQ(S(Chat(&dac, 1, "12")->GetDescricaoValor()), "Dígitos(12)");
  EXPECT_EQ(S(Chat(&dac, 1, "#")->GetDescricaoValor()), "Caractere(#)");
  EXPECT_EQ(S(Chat(&dac, 1, "1a")->GetDescricaoValor()), "Caracteres(1a)");
  EXPECT_EQ(S(Chat(&dac, 1, "é")->GetDescricaoValor()), "Caractere(é)");
  EXPECT_EQ(S(Chat(&dac, 1, "")->GetDescricaoValor()), "");
  EXPECT_EQ(S(Chat(&dac, 2, "Sim")->GetDescricaoValor()), "Sim");
  EXPECT_EQ(S(Chat(&dac, 3, "x")->GetDescricaoValor()), "Texto(Livre)");
  EXPECT_EQ(S(Chat(&dac, 4, "N")->GetDescricaoValor()), "Texto(Alfanumérico)");
  EXPECT_EQ(S(Chat(&dac, 9, "v")->GetDescricaoValor()), "v");
}

TEST_F(OpcaoChat, TiposDesconhecidosNaoTemDescricao) {
  for (int tipo : {5, 99, -1}) EXPECT_EQ(S(Chat(&dac, tipo, "1")->GetStrOpcao()), "") << tipo;
}

TEST(OpcaoTexto, AcentuacaoOuEspeciais) {
  EXPECT_FALSE(TMUOpcao::TemAcentuacaoOuCaracteresEspeciais(""));
  EXPECT_FALSE(TMUOpcao::TemAcentuacaoOuCaracteresEspeciais("abc ~!\x7f"));
  EXPECT_TRUE(TMUOpcao::TemAcentuacaoOuCaracteresEspeciais(Q("ação")));
  EXPECT_TRUE(TMUOpcao::TemAcentuacaoOuCaracteresEspeciais(QString(QChar(0x80))));
}

// ----------------------------------------- configuration key and duplicates

TEST_F(OpcaoChat, ChaveDeConfiguracao) {
  EXPECT_EQ(S(Voz(&dac, "9XXX")->GetStrOpcaoCfg()), "0;9XXX");
  EXPECT_EQ(S(Chat(&dac, 1, "ab")->GetStrOpcaoCfg()), "1;ab");
  auto s = Chat(&dac, 2, "Sim");
  EXPECT_EQ(S(s->GetStrOpcaoCfg()), "2;Sim;0");
  s->IgnorarCase = true;
  EXPECT_EQ(S(s->GetStrOpcaoCfg()), "2;sim;1");
  // Only A-Z are folded.
  auto sao = Chat(&dac, 2, "SÃO");
  sao->IgnorarCase = true;
  EXPECT_EQ(S(sao->GetStrOpcaoCfg()), "2;sÃo;1");

  auto l = Chat(&dac, 3, "ignorado");
  l->ComecaCom = "Ab";
  l->Contem = "Meio";
  l->TerminaCom = "Fim";
  EXPECT_EQ(S(l->GetStrOpcaoCfg()), "3;Ab;Meio;Fim;0");
  l->IgnorarCase = true;
  EXPECT_EQ(S(l->GetStrOpcaoCfg()), "3;ab;meio;fim;1");

  auto a = Chat(&dac, 4, "NA");
  a->ComecaCom = "Ab";
  a->Contem = "Meio";
  a->TerminaCom = "Fim";
  a->TextoAlfaAdicional = "XY";
  a->IgnorarCase = true;
  EXPECT_EQ(S(a->GetStrOpcaoCfg()), "4;ab;meio;fim;XY;1");
}

TEST_F(OpcaoChat, DuplicadasPelaChave) {
  TMUListaOpcao lista;
  auto sim = Chat(&dac, 2, "Sim");
  sim->IgnorarCase = true;
  TMUOpcao* pSim = sim.get();
  lista.Add(std::move(sim));
  auto outro = Chat(&dac, 2, "sim");
  outro->IgnorarCase = true;
  EXPECT_EQ(S(outro->GetStrOpcaoCfg()), S(pSim->GetStrOpcaoCfg()));
  EXPECT_EQ(lista.SearchOpcaoPtr(outro.get()), pSim);
  // Same text without ignoring case is a different option.
  outro->IgnorarCase = false;
  EXPECT_EQ(lista.SearchOpcaoPtr(outro.get()), nullptr);
  // The option finds itself.
  EXPECT_EQ(lista.SearchOpcaoPtr(pSim), pSim);
  EXPECT_EQ(lista.SearchOpcaoPtr(nullptr), nullptr);

  // Lengths and class letters are not part of the key.
  auto l1 = Chat(&dac, 4, "N");
  l1->QtdeMinOpcaoValida = 1;
  l1->ComecaCom = "x";
  TMUOpcao* p1 = l1.get();
  lista.Add(std::move(l1));
  auto l2 = Chat(&dac, 4, "Aa");
  l2->QtdeMaxOpcaoValida = 9;
  l2->ComecaCom = "x";
  EXPECT_EQ(lista.SearchOpcaoPtr(l2.get()), p1);
  // A different kind with the same fields is not.
  auto l3 = Chat(&dac, 3, "");
  l3->ComecaCom = "x";
  EXPECT_EQ(lista.SearchOpcaoPtr(l3.get()), nullptr);
}

TEST_F(OpcaoVoz, SearchOpcaoPorValor) {
  TMUListaOpcao lista;
  lista.Add(Voz(&dac, "1"));
  lista.Add(Voz(&dac, "9XXX"));
  lista.Add(Voz(&dac, "9XXX"));
  EXPECT_EQ(lista.SearchOpcao(""), nullptr);
  EXPECT_EQ(lista.SearchOpcao("9XXX"), lista.GetItem(1));
  EXPECT_EQ(lista.SearchOpcao("9xxx"), nullptr);
  EXPECT_EQ(lista.SearchOpcao("2"), nullptr);
  TMUListaOpcao vazia;
  EXPECT_EQ(vazia.SearchOpcao("1"), nullptr);
  TMUListaOpcao comVazia;
  comVazia.Add(Voz(&dac, ""));
  EXPECT_EQ(comVazia.SearchOpcao(""), nullptr);
}

// ------------------------------------------------------ matching one option

TEST_F(OpcaoVoz, TrataPadraoDosExemplos) {
  EXPECT_EQ(Trata("9XXX", "9", false), OPCAO_INDEFINIDA);
  EXPECT_EQ(Trata("9XXX", "9123", false), OPCAO_CONFERE);
  EXPECT_EQ(Trata("9XXX", "8123", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(Trata("9XXX", "91234", false), OPCAO_NAO_CONFERE);

  TMUOpcao f(&dac, "9XXX");
  f.DigitoFinalizador = "#";
  EXPECT_EQ(f.TrataOpcao("9123#", false), OPCAO_FINALIZADA);
  f.PodeMenosDigitos = true;
  f.QtdeMinOpcaoValida = 2;
  EXPECT_EQ(f.TrataOpcao("91#", false), OPCAO_FINALIZADA);
  EXPECT_EQ(f.TrataOpcao("91", true), OPCAO_CONFERE);

  EXPECT_EQ(Trata("0800.", "0800", false), OPCAO_INDEFINIDA);
  EXPECT_EQ(Trata("0800.", "0800", true), OPCAO_NAO_CONFERE);
  EXPECT_EQ(Trata("0800.", "08001", false), OPCAO_INDEFINIDA);
  EXPECT_EQ(Trata("0800.", "08001", true), OPCAO_CONFERE);
  EXPECT_EQ(Trata("0800.", "08001234", false), OPCAO_INDEFINIDA);
  EXPECT_EQ(Trata("0800.", "08001234", true), OPCAO_CONFERE);
}

TEST_F(OpcaoVoz, TrataPadraoCoringasEFaixas) {
  EXPECT_EQ(Trata("Z", "0", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(Trata("Z", "1", false), OPCAO_CONFERE);
  EXPECT_EQ(Trata("N", "1", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(Trata("N", "2", false), OPCAO_CONFERE);
  EXPECT_EQ(Trata("X", "*", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(Trata("X", "9", false), OPCAO_CONFERE);
  EXPECT_EQ(Trata("[2-4]X", "31", false), OPCAO_CONFERE);
  EXPECT_EQ(Trata("[2-4]X", "21", false), OPCAO_CONFERE);
  EXPECT_EQ(Trata("[2-4]X", "41", false), OPCAO_CONFERE);
  EXPECT_EQ(Trata("[2-4]X", "51", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(Trata("[2-4]X", "11", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(Trata("*#", "*#", false), OPCAO_CONFERE);
  EXPECT_EQ(Trata("*#", "#*", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(Trata("1.", "1*", true), OPCAO_CONFERE);
  // A literal failure does not stop the walk but spoils the result.
  EXPECT_EQ(Trata("12X", "2", false), OPCAO_NAO_CONFERE);
  // A wildcard failure stops the walk: the keys left over refuse the option.
  EXPECT_EQ(Trata("9XXX", "9a", false), OPCAO_NAO_CONFERE);
  // ... except before a final ".", where more keys may still come.
  EXPECT_EQ(Trata("X.", "a", false), OPCAO_INDEFINIDA);
  EXPECT_EQ(Trata("X.", "a", true), OPCAO_NAO_CONFERE);
}

TEST_F(OpcaoVoz, TrataPadraoSemElementosOuSemEntrada) {
  EXPECT_EQ(Trata("9XXX", "", true), OPCAO_INDEFINIDA);
  EXPECT_EQ(Trata("", "1", true), OPCAO_INDEFINIDA);
  // Groups of single digits give no element.
  EXPECT_EQ(Trata("[135]", "1", true), OPCAO_INDEFINIDA);
}

TEST_F(OpcaoVoz, TrataPadraoEntradaCurta) {
  EXPECT_EQ(Trata("9XXX", "9", true), OPCAO_NAO_CONFERE);
  EXPECT_EQ(Trata("9XXX", "8", false), OPCAO_NAO_CONFERE);
  TMUOpcao o(&dac, "9XXX");
  o.PodeMenosDigitos = true;
  o.QtdeMinOpcaoValida = 3;
  EXPECT_EQ(o.TrataOpcao("91", true), OPCAO_NAO_CONFERE);
  EXPECT_EQ(o.TrataOpcao("912", true), OPCAO_CONFERE);
  EXPECT_EQ(o.TrataOpcao("812", true), OPCAO_NAO_CONFERE);
  EXPECT_EQ(o.TrataOpcao("912", false), OPCAO_INDEFINIDA);
  EXPECT_EQ(o.TrataOpcao("9123", true), OPCAO_CONFERE);
}

TEST_F(OpcaoVoz, TrataPadraoFinalizador) {
  TMUOpcao o(&dac, "9XXX");
  o.DigitoFinalizador = "#";
  EXPECT_EQ(o.TrataOpcao("9123", false), OPCAO_CONFERE);
  EXPECT_EQ(o.TrataOpcao("9123#", true), OPCAO_FINALIZADA);
  EXPECT_EQ(o.TrataOpcao("8123#", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(o.TrataOpcao("91#", false), OPCAO_NAO_CONFERE);  // fewer keys not allowed
  EXPECT_EQ(o.TrataOpcao("91234#", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(o.TrataOpcao("#", false), OPCAO_NAO_CONFERE);
  o.PodeMenosDigitos = true;
  o.QtdeMinOpcaoValida = 3;
  EXPECT_EQ(o.TrataOpcao("91#", false), OPCAO_NAO_CONFERE);  // below the minimum
  EXPECT_EQ(o.TrataOpcao("912#", false), OPCAO_FINALIZADA);
  o.QtdeMinOpcaoValida = 0;
  EXPECT_EQ(o.TrataOpcao("#", false), OPCAO_FINALIZADA);

  // The finaliser is only looked at when the pattern allows one.
  TMUOpcao p(&dac, "1X");
  p.DigitoFinalizador = "#";
  EXPECT_EQ(p.TrataOpcao("1#", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(p.TrataOpcao("1", false), OPCAO_INDEFINIDA);
  TMUOpcao q(&dac, "1#");  // "#" as a plain key
  q.DigitoFinalizador = "#";
  EXPECT_EQ(q.TrataOpcao("1#", false), OPCAO_CONFERE);
}

TEST_F(OpcaoChat, TrataCaracteres) {
  auto o = Chat(&dac, 1, "abc");
  EXPECT_EQ(o->TrataOpcao("a", false), OPCAO_CONFERE);
  EXPECT_EQ(o->TrataOpcao("c", true), OPCAO_CONFERE);
  EXPECT_EQ(o->TrataOpcao("A", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(o->TrataOpcao("ab", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(o->TrataOpcao("", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(o->TrataOpcao("d", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(Chat(&dac, 1, "")->TrataOpcao("a", false), OPCAO_NAO_CONFERE);
}

TEST_F(OpcaoChat, TrataTextoEspecifico) {
  auto o = Chat(&dac, 2, "Sim");
  EXPECT_EQ(o->TrataOpcao("Sim", false), OPCAO_CONFERE);
  EXPECT_EQ(o->TrataOpcao("SIM", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(o->TrataOpcao("Sim ", false), OPCAO_NAO_CONFERE);
  o->IgnorarCase = true;
  EXPECT_EQ(o->TrataOpcao("SIM", false), OPCAO_CONFERE);
  auto n = Chat(&dac, 2, "não");
  n->IgnorarCase = true;
  EXPECT_EQ(n->TrataOpcao("NãO", false), OPCAO_CONFERE);
  EXPECT_EQ(n->TrataOpcao("NÃO", false), OPCAO_NAO_CONFERE);  // only A-Z fold
  EXPECT_EQ(Chat(&dac, 2, "")->TrataOpcao("", false), OPCAO_CONFERE);
}

TEST_F(OpcaoChat, TrataTextoLivre) {
  auto o = Chat(&dac, 3, "");
  EXPECT_EQ(o->TrataOpcao("", false), OPCAO_CONFERE);
  EXPECT_EQ(o->TrataOpcao("qualquer coisa", false), OPCAO_CONFERE);
  o->QtdeMinOpcaoValida = 2;
  o->QtdeMaxOpcaoValida = 4;
  EXPECT_EQ(o->TrataOpcao("a", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(o->TrataOpcao("ab", false), OPCAO_CONFERE);
  EXPECT_EQ(o->TrataOpcao("abcd", false), OPCAO_CONFERE);
  EXPECT_EQ(o->TrataOpcao("abcde", false), OPCAO_NAO_CONFERE);
  o->ComecaCom = "Pe";
  o->TerminaCom = "o";
  EXPECT_EQ(o->TrataOpcao("Pedo", false), OPCAO_CONFERE);
  EXPECT_EQ(o->TrataOpcao("pedo", false), OPCAO_NAO_CONFERE);
  o->IgnorarCase = true;
  EXPECT_EQ(o->TrataOpcao("PEDO", false), OPCAO_CONFERE);
  EXPECT_EQ(o->TrataOpcao("PEDA", false), OPCAO_NAO_CONFERE);
}

TEST_F(OpcaoChat, TrataTextoAlfanumerico) {
  auto o = Chat(&dac, 4, "N");
  EXPECT_EQ(o->TrataOpcao("123", false), OPCAO_CONFERE);
  EXPECT_EQ(o->TrataOpcao("12a", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(o->TrataOpcao("", false), OPCAO_CONFERE);
  o->QtdeMinOpcaoValida = 1;
  EXPECT_EQ(o->TrataOpcao("", false), OPCAO_NAO_CONFERE);
  o->Contem = "9";
  EXPECT_EQ(o->TrataOpcao("123", false), OPCAO_NAO_CONFERE);
  EXPECT_EQ(o->TrataOpcao("193", false), OPCAO_CONFERE);
  // Without class letters nothing passes.
  EXPECT_EQ(Chat(&dac, 4, "")->TrataOpcao("", false), OPCAO_NAO_CONFERE);
}

TEST_F(OpcaoChat, TrataOutrosTipos) {
  for (int tipo : {5, 6, 100}) {
    auto o = Chat(&dac, tipo, "abc");
    EXPECT_EQ(o->TrataOpcao("abc", true), OPCAO_NAO_CONFERE) << tipo;
    EXPECT_EQ(o->TrataOpcao("", false), OPCAO_NAO_CONFERE) << tipo;
  }
}

TEST_F(OpcaoChat, TamanhoValido) {
  auto o = Chat(&dac, 3, "");
  EXPECT_TRUE(o->TamanhoOpcaoValido(""));
  EXPECT_TRUE(o->TamanhoOpcaoValido(QString(1000, u'a')));
  o->QtdeMinOpcaoValida = 3;
  EXPECT_FALSE(o->TamanhoOpcaoValido("ab"));
  EXPECT_TRUE(o->TamanhoOpcaoValido("abc"));
  o->QtdeMaxOpcaoValida = 3;
  EXPECT_TRUE(o->TamanhoOpcaoValido("abc"));
  EXPECT_FALSE(o->TamanhoOpcaoValido("abcd"));
  o->QtdeMaxOpcaoValida = 2;  // maximum below the minimum: nothing fits
  EXPECT_FALSE(o->TamanhoOpcaoValido("ab"));
  EXPECT_FALSE(o->TamanhoOpcaoValido("abc"));
}

TEST_F(OpcaoChat, ComecaContemTermina) {
  auto o = Chat(&dac, 3, "");
  EXPECT_TRUE(o->ComecaTerminaOpcaoValido(""));
  o->ComecaCom = "ab";
  EXPECT_FALSE(o->ComecaTerminaOpcaoValido("a"));
  EXPECT_TRUE(o->ComecaTerminaOpcaoValido("abc"));
  EXPECT_FALSE(o->ComecaTerminaOpcaoValido("ABc"));
  o->IgnorarCase = true;
  EXPECT_TRUE(o->ComecaTerminaOpcaoValido("ABc"));
  o->ComecaCom = "Éb";
  EXPECT_FALSE(o->ComecaTerminaOpcaoValido("ébc"));  // accents keep their case
  EXPECT_TRUE(o->ComecaTerminaOpcaoValido("ÉBc"));
  o->ComecaCom.clear();
  o->Contem = "mei";
  EXPECT_TRUE(o->ComecaTerminaOpcaoValido("no MEIo"));
  EXPECT_FALSE(o->ComecaTerminaOpcaoValido("me"));
  o->TerminaCom = "Fim";
  EXPECT_TRUE(o->ComecaTerminaOpcaoValido("meio e fim"));
  EXPECT_FALSE(o->ComecaTerminaOpcaoValido("fim e meio"));
  o->IgnorarCase = false;
  EXPECT_FALSE(o->ComecaTerminaOpcaoValido("meio e fim"));
}

TEST_F(OpcaoChat, ClassesDeCaracteres) {
  auto o = Chat(&dac, 4, "");
  EXPECT_FALSE(o->AlfanumericoOpcaoValido(""));
  o->SetValor("aA");
  EXPECT_TRUE(o->AlfanumericoOpcaoValido(""));
  EXPECT_TRUE(o->AlfanumericoOpcaoValido("abXY"));
  EXPECT_FALSE(o->AlfanumericoOpcaoValido("ab1"));
  EXPECT_FALSE(o->AlfanumericoOpcaoValido("ab cd"));
  EXPECT_FALSE(o->AlfanumericoOpcaoValido("ç"));  // not an ASCII letter
  o->SetValor("a");
  EXPECT_FALSE(o->AlfanumericoOpcaoValido("A"));
  o->SetValor("A");
  EXPECT_FALSE(o->AlfanumericoOpcaoValido("a"));
  o->SetValor("E");
  EXPECT_TRUE(o->AlfanumericoOpcaoValido("  "));
  // Extra characters need "O" and are looked up case-sensitively.
  o->SetValor("N");
  o->TextoAlfaAdicional = "x- ç";
  EXPECT_FALSE(o->AlfanumericoOpcaoValido("1x"));
  o->SetValor("NO");
  EXPECT_TRUE(o->AlfanumericoOpcaoValido("1x-ç"));
  EXPECT_FALSE(o->AlfanumericoOpcaoValido("1X"));
  EXPECT_FALSE(o->AlfanumericoOpcaoValido("1 2"));  // the blank needs "E"
  o->SetValor("O");
  o->TextoAlfaAdicional = "7Q";
  EXPECT_TRUE(o->AlfanumericoOpcaoValido("7Q"));
  EXPECT_FALSE(o->AlfanumericoOpcaoValido("8"));
  EXPECT_FALSE(o->AlfanumericoOpcaoValido("q"));
}

// ------------------------------------------------------ matching a list

TEST_F(OpcaoVoz, TrataListaUltimaQueConfereVence) {
  TMUListaOpcao lista;
  lista.Add(Voz(&dac, "1X"));
  lista.Add(Voz(&dac, "XX"));
  lista.Add(Voz(&dac, "2X"));
  TMUOpcao* o = nullptr;
  EXPECT_EQ(lista.TrataOpcao("12", false, &o), OPCAO_CONFERE);
  EXPECT_EQ(o, lista.GetItem(1));
  EXPECT_EQ(lista.TrataOpcao("25", false, &o), OPCAO_CONFERE);
  EXPECT_EQ(o, lista.GetItem(2));
}

TEST_F(OpcaoVoz, TrataListaIndefinidaENenhuma) {
  TMUListaOpcao lista;
  lista.Add(Voz(&dac, "1"));
  lista.Add(Voz(&dac, "1X"));
  lista.Add(Voz(&dac, "9XXX"));
  TMUOpcao* o = lista.GetItem(0);
  // An option that matches beats a later one that is still undecided.
  EXPECT_EQ(lista.TrataOpcao("1", false, &o), OPCAO_CONFERE);
  EXPECT_EQ(o, lista.GetItem(0));
  EXPECT_EQ(lista.TrataOpcao("9", false, &o), OPCAO_INDEFINIDA);
  EXPECT_EQ(o, nullptr);
  o = lista.GetItem(0);
  EXPECT_EQ(lista.TrataOpcao("7", false, &o), OPCAO_NAO_CONFERE);
  EXPECT_EQ(o, nullptr);
  EXPECT_EQ(lista.TrataOpcao("9", false, nullptr), OPCAO_INDEFINIDA);

  TMUListaOpcao vazia;
  o = lista.GetItem(0);
  EXPECT_EQ(vazia.TrataOpcao("1", true, &o), OPCAO_NAO_CONFERE);
  EXPECT_EQ(o, nullptr);
}

TEST_F(OpcaoVoz, TrataListaFinalizadaVence) {
  TMUListaOpcao lista;
  auto a = Voz(&dac, "XXXX");
  a->DigitoFinalizador = "#";
  a->PodeMenosDigitos = true;
  lista.Add(std::move(a));
  lista.Add(Voz(&dac, "9XXX"));
  TMUOpcao* o = nullptr;
  EXPECT_EQ(lista.TrataOpcao("91#", false, &o), OPCAO_FINALIZADA);
  EXPECT_EQ(o, lista.GetItem(0));
  EXPECT_EQ(lista.TrataOpcao("9123", false, &o), OPCAO_CONFERE);
  EXPECT_EQ(o, lista.GetItem(1));
}

TEST_F(OpcaoChat, TrataListaChat) {
  TMUListaOpcao lista;
  lista.Add(Chat(&dac, 1, "12"));
  auto s = Chat(&dac, 2, "sim");
  s->IgnorarCase = true;
  lista.Add(std::move(s));
  lista.Add(Chat(&dac, 3, ""));  // accepts anything: wins whenever it is last
  TMUOpcao* o = nullptr;
  EXPECT_EQ(lista.TrataOpcao("SIM", true, &o), OPCAO_CONFERE);
  EXPECT_EQ(o, lista.GetItem(2));
  lista.DownItem(1);  // "sim" is now last
  EXPECT_EQ(lista.TrataOpcao("SIM", true, &o), OPCAO_CONFERE);
  EXPECT_EQ(S(o->GetValor()), "sim");
}

// ------------------------------------------------ ItemIndex through copies

TEST_F(OpcaoVoz, IndiceNaLista) {
  TMUOpcao solta(&dac, "1");
  EXPECT_EQ(solta.GetItemIndex(), -1);
  TMUListaOpcao lista;
  for (const char* v : {"1", "2", "3"}) {
    const int indice = lista.Add(Voz(&dac, v));
    EXPECT_EQ(indice, lista.Count() - 1);
  }
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(lista.GetItem(i)->ParentList, &lista);
    EXPECT_EQ(lista.GetItem(i)->GetItemIndex(), i);
  }
  TMUOpcao* terceira = lista.GetItem(2);
  lista.UpItem(2);
  EXPECT_EQ(terceira->GetItemIndex(), 1);
  EXPECT_EQ(lista.Add(nullptr), -1);
}

TEST_F(OpcaoVoz, CopiaDeTrabalhoInformaIndiceDaOrigem) {
  TMUListaOpcao lista;
  lista.Add(Voz(&dac, "1"));
  lista.Add(Voz(&dac, "2"));
  lista.Add(Voz(&dac, "3"));

  TMUOpcao copia(&dac, "");
  copia.CopyFrom(lista.GetItem(1));
  EXPECT_EQ(copia.ParentList, &lista);
  EXPECT_EQ(copia.GetItemIndex(), 1);

  // A copy of the copy still reports the original's index.
  TMUOpcao copia2(&dac, "");
  copia2.CopyFrom(&copia);
  EXPECT_EQ(copia2.GetItemIndex(), 1);

  // The editor's duplicate test: the copy finds its own source.
  EXPECT_EQ(lista.SearchOpcao(copia.GetValor())->GetItemIndex(), copia.GetItemIndex());
  EXPECT_EQ(lista.SearchOpcaoPtr(&copia)->GetItemIndex(), copia.GetItemIndex());
  // A working copy edited into another option's value is a duplicate of it.
  copia.SetValor("3");
  EXPECT_NE(lista.SearchOpcao(copia.GetValor())->GetItemIndex(), copia.GetItemIndex());

  // Copying back on OK keeps the option's own index.
  lista.GetItem(1)->CopyFrom(&copia);
  EXPECT_EQ(lista.GetItem(1)->GetItemIndex(), 1);
  EXPECT_EQ(S(lista.GetItem(1)->GetValor()), "3");

  // A new option (no list) has no index, even after copying one without a list.
  TMUOpcao nova(&dac, "4");
  TMUOpcao copiaNova(&dac, "");
  copiaNova.CopyFrom(&nova);
  EXPECT_EQ(copiaNova.ParentList, nullptr);
  EXPECT_EQ(copiaNova.GetItemIndex(), -1);
  // ... also after having been a copy of a listed option.
  copia2.CopyFrom(&nova);
  EXPECT_EQ(copia2.GetItemIndex(), -1);
}

TEST_F(OpcaoVoz, CopiaAdicionadaAOutraListaTemIndiceProprio) {
  TMUListaOpcao origem, destino;
  origem.Add(Voz(&dac, "1"));
  origem.Add(Voz(&dac, "2"));
  destino.Add(Voz(&dac, "9"));
  auto c = Voz(&dac, "");
  c->CopyFrom(origem.GetItem(1));
  EXPECT_EQ(c->GetItemIndex(), 1);
  TMUOpcao* p = c.get();
  destino.Add(std::move(c));
  EXPECT_EQ(p->ParentList, &destino);
  EXPECT_EQ(p->GetItemIndex(), 1);
  destino.UpItem(1);
  EXPECT_EQ(p->GetItemIndex(), 0);
}

TEST_F(OpcaoVoz, CopiaDeOrigemRemovidaNaoApontaForaDaLista) {
  TMUListaOpcao lista;
  lista.Add(Voz(&dac, "1"));
  lista.Add(Voz(&dac, "2"));
  TMUOpcao copia(&dac, "");
  copia.CopyFrom(lista.GetItem(1));
  lista.DeleteOpcao(lista.GetItem(1));
  EXPECT_EQ(copia.GetItemIndex(), -1);
}

TEST_F(OpcaoChat, CopyFromCopiaTudo) {
  auto src = Chat(&dac, 4, "NAO");
  src->SetValor("NaO");
  src->PodeMenosDigitos = true;
  src->QtdeMinOpcaoValida = 2;
  src->DigitoFinalizador = "#";
  src->IgnorarCase = true;
  src->TextoAlfaAdicional = "-";
  src->QtdeMaxOpcaoValida = 7;
  src->ComecaCom = "a";
  src->TerminaCom = "z";
  src->Contem = "m";
  src->Mensagem->AddArquivo("bemvindo");
  src->ListaAcao->Add(std::make_unique<TMUAcao>(&dac, "VAIPARA"));
  src->ListaAcao->GetItem(0)->ValorMenu = "Menu2";

  TDAC outro;
  TMUOpcao dst(&outro, "lixo");
  dst.CopyFrom(src.get());
  EXPECT_EQ(dst.DAC, &outro);
  EXPECT_EQ(S(dst.GetValor()), "NaO");
  EXPECT_EQ(dst.Tipo, 4);
  EXPECT_TRUE(dst.PodeMenosDigitos);
  EXPECT_EQ(dst.QtdeMinOpcaoValida, 2);
  EXPECT_EQ(S(dst.DigitoFinalizador), "#");
  EXPECT_TRUE(dst.IgnorarCase);
  EXPECT_EQ(S(dst.TextoAlfaAdicional), "-");
  EXPECT_EQ(dst.QtdeMaxOpcaoValida, 7);
  EXPECT_EQ(S(dst.ComecaCom), "a");
  EXPECT_EQ(S(dst.TerminaCom), "z");
  EXPECT_EQ(S(dst.Contem), "m");
  EXPECT_EQ(S(dst.GetStrOpcao()), S(src->GetStrOpcao()));
  EXPECT_EQ(S(dst.GetStrOpcaoCfg()), S(src->GetStrOpcaoCfg()));
  EXPECT_EQ(dst.ListaDetalhada().size(), src->ListaDetalhada().size());
  ASSERT_EQ(dst.Mensagem->ArquivosCount(), 1);
  EXPECT_EQ(S(dst.Mensagem->ArquivosText()), S(src->Mensagem->ArquivosText()));
  ASSERT_EQ(dst.ListaAcao->Count(), 1);
  EXPECT_EQ(S(dst.ListaAcao->GetItem(0)->ValorMenu), "Menu2");
  EXPECT_EQ(dst.ListaAcao->GetItem(0)->DAC, &outro);
  EXPECT_EQ(S(dst.ListaAcao->OpcaoAcao), S(src->ListaAcao->OpcaoAcao));
  EXPECT_EQ(S(dst.GetStrAcao()), S(src->GetStrAcao()));
  EXPECT_EQ(S(dst.GetStrMensagem()), S(src->GetStrMensagem()));
  EXPECT_EQ(S(dst.GetStrMensagem()), S(dst.Mensagem->GetStrMensagem()));
  EXPECT_EQ(S(dst.GetStrAcao()), S(dst.ListaAcao->GetStrAcao()));

  // Deep: changing the copy leaves the source alone.
  dst.ListaAcao->GetItem(0)->ValorMenu = "Outro";
  dst.Mensagem->AddArquivo("tchau");
  EXPECT_EQ(S(src->ListaAcao->GetItem(0)->ValorMenu), "Menu2");
  EXPECT_EQ(src->Mensagem->ArquivosCount(), 1);
}

TEST_F(OpcaoVoz, CopyFromElementosEAcoes) {
  TMUOpcao src(&dac, "9XXX");
  TMUOpcao dst(&dac, "1");
  dst.CopyFrom(&src);
  EXPECT_EQ(dst.ListaDetalhada().size(), 4u);
  EXPECT_EQ(dst.TrataOpcao("9123", false), OPCAO_CONFERE);
  // The action list is copied with its own option value (empty here).
  EXPECT_EQ(S(dst.ListaAcao->OpcaoAcao), "");
  src.SetValor("9XX");
  dst.CopyFrom(&src);
  EXPECT_EQ(S(dst.ListaAcao->OpcaoAcao), "9XX");
}

TEST_F(OpcaoVoz, CopyFromNuloOuSiMesmoNaoMudaNada) {
  TMUListaOpcao lista;
  lista.Add(Voz(&dac, "1"));
  auto o = Voz(&dac, "9XXX");
  o->DigitoFinalizador = "#";
  o->Mensagem->AddArquivo("a");
  o->ListaAcao->Add(std::make_unique<TMUAcao>(&dac, "DESLIGA"));
  TMUOpcao* p = o.get();
  lista.Add(std::move(o));
  p->CopyFrom(nullptr);
  EXPECT_EQ(S(p->GetValor()), "9XXX");
  EXPECT_EQ(S(p->DigitoFinalizador), "#");
  EXPECT_EQ(p->ParentList, &lista);
  EXPECT_EQ(p->GetItemIndex(), 1);
  EXPECT_EQ(p->ListaAcao->Count(), 1);
  EXPECT_EQ(p->Mensagem->ArquivosCount(), 1);
  p->CopyFrom(p);
  EXPECT_EQ(S(p->GetValor()), "9XXX");
  EXPECT_EQ(p->ListaAcao->Count(), 1);
  EXPECT_EQ(p->Mensagem->ArquivosCount(), 1);
  EXPECT_EQ(p->GetItemIndex(), 1);
}

TEST_F(OpcaoVoz, CopyFromCriaMensagemEAcoesQueFaltam) {
  TMUOpcao src(&dac, "1");
  src.Mensagem->AddArquivo("a");
  TMUOpcao dst(&dac, "");
  dst.Mensagem.reset();
  dst.ListaAcao.reset();
  dst.CopyFrom(&src);
  ASSERT_NE(dst.Mensagem, nullptr);
  ASSERT_NE(dst.ListaAcao, nullptr);
  EXPECT_EQ(dst.Mensagem->ArquivosCount(), 1);
  EXPECT_EQ(S(dst.ListaAcao->OpcaoAcao), "");  // the source list's value
  // A source without them leaves both empty.
  TMUOpcao vazio(&dac, "2");
  vazio.Mensagem.reset();
  vazio.ListaAcao.reset();
  EXPECT_EQ(S(vazio.GetStrMensagem()), "");
  EXPECT_EQ(S(vazio.GetStrAcao()), "");
  vazio.SetValor("3");
  dst.CopyFrom(&vazio);
  EXPECT_EQ(dst.Mensagem->ArquivosCount(), 0);
  EXPECT_EQ(dst.ListaAcao->Count(), 0);
  EXPECT_EQ(S(dst.GetValor()), "3");
}

// ------------------------------------------- robustness on any pattern

namespace {

QString PadraoAleatorio(std::mt19937& rng) {
  static const char16_t alfabeto[] = u"0123456789*#XZN[]-.[]-xYaE O\u00e9\u0000";
  std::uniform_int_distribution<int> tam(0, 24);
  std::uniform_int_distribution<int> letra(0, int(std::size(alfabeto)) - 1);
  QString s;
  const int n = tam(rng);
  for (int i = 0; i < n; ++i) s += QChar(alfabeto[letra(rng)]);
  return s;
}

bool SoTeclasDeVoz(const QString& s) {
  for (QChar c : s)
    if (!QStringLiteral("0123456789*#XZN[]-.").contains(c)) return false;
  return true;
}

}  // namespace

TEST(OpcaoRobustez, PadroesAleatorios) {
  std::mt19937 rng(20240611);
  TDAC voz;
  TDAC chat;
  chat.TipoUra = "chat";
  const int tipos[] = {0, 1, 2, 3, 4, 5, -1, 1000};
  for (int rodada = 0; rodada < 4000; ++rodada) {
    const QString padrao = PadraoAleatorio(rng);
    const QString entrada = PadraoAleatorio(rng);
    const int tipo = tipos[rodada % std::size(tipos)];
    TMUOpcao o(rodada % 2 ? &chat : &voz, tipo, padrao);
    o.DigitoFinalizador = (rodada % 3 == 0) ? QStringLiteral("#") : QString();
    o.PodeMenosDigitos = rodada % 5 == 0;
    o.QtdeMinOpcaoValida = rodada % 7 - 2;
    o.QtdeMaxOpcaoValida = rodada % 11 - 3;
    o.IgnorarCase = rodada % 2 == 0;
    o.ComecaCom = rodada % 4 == 0 ? padrao.left(2) : QString();
    o.TerminaCom = rodada % 6 == 0 ? padrao.right(2) : QString();
    o.Contem = rodada % 8 == 0 ? padrao.mid(1, 2) : QString();
    o.TextoAlfaAdicional = entrada.left(3);
    SCOPED_TRACE(S(padrao) + " / " + S(entrada));

    const QString real = o.GetValorReal();
    EXPECT_LE(real.size(), padrao.size());
    EXPECT_FALSE(real.contains(u'Z') || real.contains(u'N') || real.contains(u'.'));
    EXPECT_LE(o.ListaDetalhada().size(), size_t(padrao.size()));
    if (o.PodeFinalizador()) {
      EXPECT_GE(o.QtdeMinimaValida(), 1);
    } else {
      EXPECT_EQ(o.QtdeMinimaValida(), 0);
    }
    if (tipo == 0) {
      EXPECT_EQ(o.GetStrOpcao().isEmpty(), real.isEmpty());
      if (o.OpcaoValida()) {
        EXPECT_TRUE(SoTeclasDeVoz(padrao));
        EXPECT_FALSE(padrao.isEmpty());
      }
    } else {
      EXPECT_TRUE(o.OpcaoValida());
    }
    (void)o.GetDescricaoValor();
    (void)o.GetStrOpcaoCfg();
    (void)o.IsValidKey(padrao.isEmpty() ? QChar(u'1') : padrao.at(0));
    for (bool final : {false, true}) {
      const int r = o.TrataOpcao(entrada, final);
      EXPECT_GE(r, OPCAO_NAO_CONFERE);
      EXPECT_LE(r, OPCAO_INDEFINIDA);
      if (tipo > 0) {
        EXPECT_NE(r, OPCAO_INDEFINIDA);
      }
    }
    TMUOpcao copia(&voz, "");
    copia.CopyFrom(&o);
    EXPECT_EQ(S(copia.GetStrOpcao()), S(o.GetStrOpcao()));
    EXPECT_EQ(copia.TrataOpcao(entrada, true), o.TrataOpcao(entrada, true));
  }
}

TEST(OpcaoRobustez, ListaAleatoriaConsistente) {
  std::mt19937 rng(7);
  TDAC dac;
  for (int rodada = 0; rodada < 300; ++rodada) {
    TMUListaOpcao lista;
    const int n = rodada % 6;
    for (int i = 0; i < n; ++i) lista.Add(std::make_unique<TMUOpcao>(&dac, PadraoAleatorio(rng)));
    const QString entrada = PadraoAleatorio(rng);
    for (bool final : {false, true}) {
      TMUOpcao* vencedora = nullptr;
      const int r = lista.TrataOpcao(entrada, final, &vencedora);
      if (r == OPCAO_CONFERE || r == OPCAO_FINALIZADA) {
        ASSERT_NE(vencedora, nullptr);
        EXPECT_EQ(vencedora->TrataOpcao(entrada, final), r);
        for (int i = vencedora->GetItemIndex() + 1; i < lista.Count(); ++i) {
          const int depois = lista.GetItem(i)->TrataOpcao(entrada, final);
          EXPECT_NE(depois, OPCAO_CONFERE);
          EXPECT_NE(depois, OPCAO_FINALIZADA);
        }
      } else {
        EXPECT_EQ(vencedora, nullptr);
      }
    }
  }
}

TEST(OpcaoRobustez, TextosEnormes) {
  TDAC dac;
  const auto inicio = std::chrono::steady_clock::now();
  const int n = 200000;
  const QString pedacos[] = {QStringLiteral("["),     QStringLiteral("]"),     QStringLiteral("[1"),
                             QStringLiteral("[1-2]"), QStringLiteral("[135]"), QStringLiteral("X"),
                             QStringLiteral("-"),     QStringLiteral(".")};
  for (const QString& p : pedacos) {
    const QString padrao = p.repeated(n / p.size());
    for (int tipo = 0; tipo <= 4; ++tipo) {
      TMUOpcao o(&dac, tipo, padrao);
      o.DigitoFinalizador = "#";
      o.ComecaCom = padrao.left(100);
      o.Contem = padrao.mid(5, 100);
      o.TerminaCom = padrao.right(100);
      o.TextoAlfaAdicional = padrao;
      (void)o.GetValorReal();
      (void)o.OpcaoValida();
      (void)o.PodeFinalizador();
      (void)o.QtdeMinimaValida();
      (void)o.GetStrOpcao();
      (void)o.GetDescricaoValor();
      (void)o.GetStrOpcaoCfg();
      (void)o.TrataOpcao(padrao, false);
      (void)o.TrataOpcao(QString(n, u'5') + u'#', true);
    }
  }
  TMUOpcao x(&dac, QString(n, u'X'));
  EXPECT_EQ(S(x.GetStrOpcao()), "200000 dígitos");
  EXPECT_EQ(x.TrataOpcao(QString(n, u'5'), false), OPCAO_CONFERE);
  TMUOpcao faixas(&dac, QStringLiteral("[1-2]").repeated(1000));
  EXPECT_EQ(faixas.ListaDetalhada().size(), 1000u);
  EXPECT_EQ(S(faixas.GetValorReal()), "Y" + std::string(998, 'X') + "Y");
  EXPECT_EQ(S(TMUOpcao(&dac, QString(n, u'[')).GetValorReal()), "");
  EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(60));
}

TEST(OpcaoRobustez, PadroesEstranhos) {
  TDAC dac;
  // A literal "Y" makes the real value look like a group without one.
  for (const char* v : {"Y", "Y1", "1Y", "YX", "XY", "][", "[]]", "[[1-2]]", "[1-2]]", "]]X", "[-", "-]", "[1-2]-",
                        "Y[1-2]", "[1-2]Y"}) {
    TMUOpcao o(&dac, Q(v));
    SCOPED_TRACE(v);
    (void)o.GetStrOpcao();
    (void)o.OpcaoValida();
    (void)o.TrataOpcao(Q(v), true);
    (void)o.TrataOpcao("1", false);
  }
  EXPECT_EQ(S(TMUOpcao(&dac, "[1-2]]").GetStrOpcao()), "2 dígitos, iniciando com 1 à 2");
}

}  // namespace
