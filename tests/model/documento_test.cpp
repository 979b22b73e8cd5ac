// The document: defaults, Clear, the date-time texts and the menu lookups.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cmath>
#include <limits>

#include "dac.h"
#include "menuura.h"

namespace {

TMenuUra* AddMenu(TDAC& dac, const QString& nome) {
  auto m = std::make_unique<TMenuUra>(&dac, nome);
  TMenuUra* p = m.get();
  dac.ListaMenus->Add(std::move(m));
  return p;
}

TEST(Documento, NovoDocumentoTemOsValoresIniciais) {
  TDAC dac;
  EXPECT_TRUE(dac.Nome.isEmpty());
  EXPECT_TRUE(dac.TipoUra.isEmpty());
  EXPECT_TRUE(dac.MenuInicial.isEmpty());
  EXPECT_EQ(dac.VersaoXML, 0);
  EXPECT_EQ(dac.CriadoEm, 0);
  EXPECT_EQ(dac.ModificadoEm, 0);
  EXPECT_EQ(dac.AtivadoEm, 0);
  EXPECT_FALSE(dac.PriMsgEhOpcao);
  EXPECT_FALSE(dac.Servidor);
  EXPECT_TRUE(dac.Local);
  EXPECT_FALSE(dac.RORIRO);
  EXPECT_TRUE(dac.Novo);
  EXPECT_TRUE(dac.PermissaoW);
  ASSERT_NE(dac.ListaMenus, nullptr);
  EXPECT_EQ(dac.ListaMenus->Count(), 0);
  EXPECT_FALSE(dac.UraChat());
  EXPECT_EQ(dac.GetCriadoEmStr(), "");
}

TEST(Documento, UraChatSomenteParaChatEChattdd) {
  TDAC dac;
  for (const char* tipo : {"chat", "chattdd"}) {
    dac.TipoUra = tipo;
    EXPECT_TRUE(dac.UraChat()) << tipo;
  }
  for (const char* tipo : {"", "Chat", "CHATTDD", "chat ", "voz", "chattd"}) {
    dac.TipoUra = tipo;
    EXPECT_FALSE(dac.UraChat()) << tipo;
  }
}

TEST(Documento, ClearMantemVersaoDatasUsuariosEIdentidade) {
  TDAC dac;
  dac.Nome = "N";
  dac.Descricao = "D";
  dac.MenuInicial = "M";
  dac.TipoAtendimento = "Answer";
  dac.TipoUra = "chat";
  dac.NomeArquivoServidor = "a";
  dac.NomeArquivoLocal = "b";
  dac.ArquivoMensagensServidor = "c";
  dac.ArquivoMensagensLocal = "d";
  dac.VersaoXML = 2;
  dac.PriMsgEhOpcao = true;
  dac.CriadoEm = 45000.5;
  dac.CriadoPor = "ana";
  dac.ModificadoEm = 45001.25;
  dac.ModificadoPor = "bia";
  dac.AtivadoEm = 45002;
  dac.AtivadoPor = "caio";
  dac.Servidor = true;
  dac.Local = false;
  dac.RORIRO = true;
  dac.Novo = false;
  dac.PermissaoW = false;
  AddMenu(dac, "M");
  AddMenu(dac, "N");

  dac.Clear();

  for (const QString* s :
       {&dac.Nome, &dac.Descricao, &dac.MenuInicial, &dac.TipoAtendimento, &dac.TipoUra, &dac.NomeArquivoServidor,
        &dac.NomeArquivoLocal, &dac.ArquivoMensagensServidor, &dac.ArquivoMensagensLocal})
    EXPECT_TRUE(s->isEmpty()) << s->toStdString();
  EXPECT_FALSE(dac.PriMsgEhOpcao);
  EXPECT_FALSE(dac.Servidor);
  EXPECT_TRUE(dac.Local);
  EXPECT_TRUE(dac.Novo);
  EXPECT_EQ(dac.ListaMenus->Count(), 0);
  // Kept as they were.
  EXPECT_EQ(dac.VersaoXML, 2);
  EXPECT_EQ(dac.CriadoEm, 45000.5);
  EXPECT_EQ(dac.CriadoPor, "ana");
  EXPECT_EQ(dac.ModificadoEm, 45001.25);
  EXPECT_EQ(dac.ModificadoPor, "bia");
  EXPECT_EQ(dac.AtivadoEm, 45002);
  EXPECT_EQ(dac.AtivadoPor, "caio");
  EXPECT_TRUE(dac.RORIRO);
  EXPECT_FALSE(dac.PermissaoW);
}

// ---- Date-time texts -------------------------------------------------------

TEST(DataHora, LeituraDosValoresEspeciais) {
  TDAC dac;
  dac.CriadoEm = 0;
  EXPECT_EQ(dac.GetCriadoEmStr(), "");
  dac.CriadoEm = -1;
  EXPECT_EQ(dac.GetCriadoEmStr(), "<ERROR>");
  dac.CriadoEm = 45000.5;
  EXPECT_EQ(dac.GetCriadoEmStr(), "15/03/2023 12:00");
  for (double v : {-0.5, -2.0, -1.0000001, -45000.5}) {
    dac.CriadoEm = v;
    EXPECT_EQ(dac.GetCriadoEmStr(), "") << v;
  }
}

TEST(DataHora, OsTresCamposUsamAMesmaRegra) {
  TDAC dac;
  dac.ModificadoEm = 45000.75;
  dac.AtivadoEm = -1;
  EXPECT_EQ(dac.GetModificadoEmStr(), "15/03/2023 18:00");
  EXPECT_EQ(dac.GetAtivadoEmStr(), "<ERROR>");
  dac.SetModificadoEmStr("01/01/2000 08:30");
  dac.SetAtivadoEmStr("x");
  EXPECT_EQ(dac.GetModificadoEmStr(), "01/01/2000 08:30");
  EXPECT_EQ(dac.AtivadoEm, 0);
  EXPECT_EQ(dac.CriadoEm, 0);
}

TEST(DataHora, TextoQueNaoEhDataGuardaZero) {
  TDAC dac;
  for (const char* t : {"abc", "", "  ", "15/03", "32/01/2023 10:00", "29/02/2023 10:00", "15/13/2023 10:00",
                        "15/03/2023 24:00", "15/03/2023 12:60", "15-03-2023 12:00", "15/03/2023 12:00 x"}) {
    dac.CriadoEm = 45000.5;
    dac.SetCriadoEmStr(t);
    EXPECT_EQ(dac.CriadoEm, 0) << t;
    EXPECT_EQ(dac.GetCriadoEmStr(), "") << t;
  }
}

TEST(DataHora, TextoValidoEhLidoComoDataLocal) {
  TDAC dac;
  dac.SetCriadoEmStr("15/03/2023 12:00");
  EXPECT_DOUBLE_EQ(dac.CriadoEm, 45000.5);
  dac.SetCriadoEmStr("29/02/2024 23:59");
  EXPECT_EQ(dac.GetCriadoEmStr(), "29/02/2024 23:59");
  // A date alone is midnight of that day.
  dac.SetCriadoEmStr("15/03/2023");
  EXPECT_DOUBLE_EQ(dac.CriadoEm, 45000.0);
}

TEST(DataHora, IdaEVoltaNoMesmoMinuto) {
  TDAC dac;
  const QRegularExpression formato(QStringLiteral(R"(^\d\d/\d\d/\d{4} \d\d:\d\d$)"));
  // Spread over two centuries, with odd fractions and values close to midnight.
  for (double v = 2.0; v < 80000.0; v += 97.3137) {
    for (double frac : {0.0, 0.3333333, 0.99930, 0.999999, 0.9999999999, 1e-9}) {
      dac.CriadoEm = std::floor(v) + frac;
      const QString texto = dac.GetCriadoEmStr();
      ASSERT_TRUE(formato.match(texto).hasMatch()) << texto.toStdString();
      dac.SetCriadoEmStr(texto);
      EXPECT_EQ(dac.GetCriadoEmStr(), texto) << std::floor(v) + frac;
      // Within one minute of the original value.
      EXPECT_LT(std::fabs(dac.CriadoEm - (std::floor(v) + frac)), 1.0 / 1440 + 1e-9);
    }
  }
}

TEST(DataHora, ValoresPertoDaMeiaNoite) {
  TDAC dac;
  dac.CriadoEm = 45000.0 + 59.0 / 86400;  // 00:00:59
  EXPECT_EQ(dac.GetCriadoEmStr(), "15/03/2023 00:00");
  dac.CriadoEm = 45000.0 + 86399.0 / 86400;  // 23:59:59
  EXPECT_EQ(dac.GetCriadoEmStr(), "15/03/2023 23:59");
  // Less than a millisecond before midnight reads as the next day.
  dac.CriadoEm = 45001.0 - 1e-10;
  const QString t = dac.GetCriadoEmStr();
  EXPECT_TRUE(t == "16/03/2023 00:00" || t == "15/03/2023 23:59") << t.toStdString();
}

TEST(DataHora, ValoresEnormesENaoNumerosNaoQuebram) {
  TDAC dac;
  for (double v : {1e300, 1e18, 2958465.9999999, 2958466.0, 1e7, std::numeric_limits<double>::max(),
                   std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                   std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::denorm_min()}) {
    dac.CriadoEm = v;
    const QString t = dac.GetCriadoEmStr();
    EXPECT_NE(t, "<ERROR>") << v;
    dac.SetCriadoEmStr(t);  // whatever it reads, it parses back without trouble
  }
  dac.CriadoEm = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(dac.GetCriadoEmStr(), "");
  dac.CriadoEm = -std::numeric_limits<double>::infinity();
  EXPECT_EQ(dac.GetCriadoEmStr(), "");
  dac.SetCriadoEmStr("99/99/99999999999999999999 99:99");
  EXPECT_EQ(dac.CriadoEm, 0);
}

// ---- Menu lookups ------------------------------------------------------------

TEST(DocumentoMenus, ProcuraMenuAchaNomeVazioSearchMenuNao) {
  TDAC dac;
  AddMenu(dac, "A");
  TMenuUra* vazio = AddMenu(dac, "");
  EXPECT_EQ(dac.ProcuraMenu(""), vazio);
  EXPECT_EQ(dac.ListaMenus->SearchMenu(""), nullptr);
}

TEST(DocumentoMenus, NomesRepetidosDevolvemOPrimeiro) {
  TDAC dac;
  TMenuUra* primeiro = AddMenu(dac, "X");
  AddMenu(dac, "Y");
  AddMenu(dac, "X");
  EXPECT_EQ(dac.ProcuraMenu("X"), primeiro);
  EXPECT_EQ(dac.ListaMenus->SearchMenu("X"), primeiro);
}

TEST(DocumentoMenus, BuscaExataSensivelACaixa) {
  TDAC dac;
  AddMenu(dac, "Principal");
  EXPECT_EQ(dac.ProcuraMenu("principal"), nullptr);
  EXPECT_EQ(dac.ProcuraMenu("Principal "), nullptr);
  EXPECT_EQ(dac.ListaMenus->SearchMenu("PRINCIPAL"), nullptr);
  EXPECT_EQ(dac.ProcuraMenu("Nenhum"), nullptr);
}

TEST(DocumentoMenus, PtrMenuInicial) {
  TDAC dac;
  EXPECT_EQ(dac.PtrMenuInicial(), nullptr);
  AddMenu(dac, "A");
  TMenuUra* b = AddMenu(dac, "B");
  dac.MenuInicial = "B";
  EXPECT_EQ(dac.PtrMenuInicial(), b);
  dac.MenuInicial = "C";
  EXPECT_EQ(dac.PtrMenuInicial(), nullptr);
  // An empty start menu follows ProcuraMenu: it finds a menu with no name.
  dac.MenuInicial = "";
  EXPECT_EQ(dac.PtrMenuInicial(), nullptr);
  TMenuUra* semNome = AddMenu(dac, "");
  EXPECT_EQ(dac.PtrMenuInicial(), semNome);
}

}  // namespace
