// Actions: descriptions, the value mapping, validations and the action list.
#include <gtest/gtest.h>

#include "acao.h"
#include "ajuda_teste.h"
#include "dac.h"

namespace {

const QString kSeta = QString(QChar(0x21A9));

class Acao : public InfoAuxiliarLimpa {
 protected:
  TMUAcao Nova(const QString& tipo, const QString& numero = {}, const QString& variavel = {}) {
    TMUAcao a(&dac, tipo);
    a.ValorNumero = numero;
    a.Variavel = variavel;
    return a;
  }
  TDAC dac;
};

struct LinhaDescricao {
  const char* Tipo;
  const char* ValorNumero;
  const char* ValorMenu;
  const char* ValorComando;
  const char* Variavel;
  const char* Normal;
  const char* Roriro;
};

TEST_F(Acao, DescricoesNasDuasColunas) {
  const LinhaDescricao tabela[] = {
      {"OPCOES", "9", "", "", "", "Vai para Opções, neste menu", "Vai para Opções, neste menu"},
      {"INVALIDA", "", "", "", "", "Vai para Opção inválida, no menu atual", "Vai para Opção inválida, no menu atual"},
      {"FINAL", "", "", "", "", "Vai para Final, neste menu", "Vai para Final, neste menu"},
      {"INICIO", "", "", "", "", "Vai para Início, neste menu", "Vai para Início, neste menu"},
      {"VAIPARA", "x", "Principal", "", "2", "Vai para o menu: Principal (Opção inválida)",
       "Vai para o menu: Principal (Opção inválida)"},
      {"DISCA", "3030", "", "", "", "Transfere para: 3030", "Transfere para: 3030"},
      {"DISCAG", "5", "", "", "", "Transfere para grupo: 5", "Transfere para: 5"},
      {"DISCAR", "200", "", "", "", "Transfere para ramal: 200", "Transfere para: 200"},
      {"DISCAU", "ura2", "", "", "", "Transfere para URA: ura2", "Sem ação"},
      {"DISCAC", "ctx", "", "", "", "Transfere para contexto: ctx", "Sem ação"},
      {"DISCAS", "ctx", "", "", "", "Executa o contexto e retorna: ctx", "Sem ação"},
      {"FALADIGITOS", "123", "", "", "", "Fala dígitos: 123", "Sem ação"},
      {"FALANUMERO", "42", "", "", "", "Fala número: 42", "Sem ação"},
      {"DISCAOP", "", "", "", "", "Transfere para opção informada", "Transfere para opção informada"},
      {"DESLIGA", "17", "", "", "", "Encerra a chamada (Código 17)", "Encerra a chamada"},
      {"DESLIGA", "", "", "", "", "Encerra a chamada", "Encerra a chamada"},
      {"DESLIGAFH", "", "", "", "", "Encerra a chamada", "Encerra a chamada (fora de horário)"},
      {"COMANDO", "", "", "teste.sh a", "ret", "ret=Comando(teste.sh a)", "Sem ação"},
      {"COMANDO", "", "", "x.sh", "", "Comando(x.sh)", "Sem ação"},
      {"SETVAR", "1", "", "", "v", "Variável(v=1)", "Variável(v=1)"},
      {"MIDIA", "foto.png", "", "", "", "Mídia(foto.png)", "Mídia(foto.png)"},
      {"", "1", "", "", "", "", ""},
      {"XYZ", "1", "", "", "", "", ""},
      {"disca", "1", "", "", "", "", ""},
      {"DISCA ", "1", "", "", "", "", ""},
  };
  for (bool roriro : {false, true}) {
    dac.RORIRO = roriro;
    for (const auto& l : tabela) {
      TMUAcao a = Nova(l.Tipo, l.ValorNumero, l.Variavel);
      a.ValorMenu = l.ValorMenu;
      a.ValorComando = l.ValorComando;
      EXPECT_EQ(a.GetStrAcao(), QString::fromUtf8(roriro ? l.Roriro : l.Normal)) << l.Tipo << " RORIRO=" << roriro;
    }
  }
}

// The codes after which a section's actions go on; every other code, an
// unknown one or a near miss included, ends the sequence.
TEST(AcaoSequencia, SoOsCodigosQueNaoSaemContinuam) {
  for (const char* tipo : {"COMANDO", "SETVAR", "DISCAS", "MENSAGEM", "MIDIA", "FALADIGITOS", "FALANUMERO", "FALAHORA"})
    EXPECT_TRUE(TMUAcao::ContinuaSequencia(tipo)) << tipo;
  for (const char* tipo :
       {"", "VAIPARA", "OPCOES", "INICIO", "FINAL", "INVALIDA", "DISCA", "DISCAF", "DISCAG", "DISCAR", "DISCAU",
        "DISCAC", "DISCAOP", "DESLIGA", "DESLIGAFH", "comando", "SETVAR ", "MIDIAS", "FAL"})
    EXPECT_FALSE(TMUAcao::ContinuaSequencia(tipo)) << tipo;
}

// Every code is found by its exact name only: the same size and first and
// last letters with another middle, another case or blanks give Outro.
TEST(AcaoSequencia, CodigoSoPeloNomeExato) {
  const char* const nomes[] = {"OPCOES",  "INVALIDA", "FINAL",     "INICIO",  "VAIPARA", "DISCA",       "DISCAF",
                               "DISCAG",  "DISCAR",   "DISCAU",    "DISCAC",  "DISCAS",  "FALADIGITOS", "FALANUMERO",
                               "DISCAOP", "DESLIGA",  "DESLIGAFH", "COMANDO", "SETVAR",  "MENSAGEM",    "MIDIA"};
  for (int i = 0; i < int(std::size(nomes)); ++i)
    EXPECT_EQ(CodigoAcao(QString::fromLatin1(nomes[i])), TCodigoAcao(i)) << nomes[i];
  for (const char* outro : {"", "X", "DISXAF", "DESCAF", "OPCIES", "FINIL", "FALANUMARO", "MENSAGEN", "discaf",
                            "Discaf", " DISCA", "DISCA ", "DISCAFF", "VAIPARA\n", "MIDIAS"})
    EXPECT_EQ(CodigoAcao(QString::fromLatin1(outro)), TCodigoAcao::Outro) << outro;
}

TEST_F(Acao, DISCAFComFilaConhecidaOuNao) {
  AddFila(MenuUraInfoAuxiliar.ListaDeFilasVoz, "10", "Vendas");
  EXPECT_EQ(Nova("DISCAF", "10", "1").GetStrAcao(), "Transfere para fila: 10 - Vendas (Prioridade Média)");
  EXPECT_EQ(Nova("DISCAF", "11", "1").GetStrAcao(), "Transfere para fila: 11 (Prioridade Média)");
  EXPECT_EQ(Nova("DISCAF", "10", "0").GetStrAcao(), "Transfere para fila: 10 - Vendas (Prioridade Baixa)");
  EXPECT_EQ(Nova("DISCAF", "10", "2").GetStrAcao(), "Transfere para fila: 10 - Vendas (Prioridade alta)");
  for (const char* v : {"", "3", "01", "-1"})
    EXPECT_EQ(Nova("DISCAF", "10", v).GetStrAcao(), "Transfere para fila: 10 - Vendas") << v;
  EXPECT_EQ(Nova("DISCAF", "", "1").GetStrAcao(), "Transfere para fila:  (Prioridade Média)");
  dac.RORIRO = true;
  EXPECT_EQ(Nova("DISCAF", "10", "1").GetStrAcao(), "Transfere para: 10");
}

TEST_F(Acao, DISCAFFilaSemNomeNaLista) {
  AddFila(MenuUraInfoAuxiliar.ListaDeFilasVoz, "10", "");
  EXPECT_EQ(Nova("DISCAF", "10").GetStrAcao(), "Transfere para fila: 10 - ");
}

TEST_F(Acao, DISCAFUsaAListaDeFilasDoTipoDeUra) {
  AddFila(MenuUraInfoAuxiliar.ListaDeFilasVoz, "10", "Voz");
  AddFila(MenuUraInfoAuxiliar.ListaDeFilasChat, "10", "Chat");
  AddFila(MenuUraInfoAuxiliar.ListaDeFilasChat, "20", "SoChat");
  EXPECT_EQ(Nova("DISCAF", "10").GetStrAcao(), "Transfere para fila: 10 - Voz");
  EXPECT_EQ(Nova("DISCAF", "20").GetStrAcao(), "Transfere para fila: 20");
  for (const char* tipo : {"chat", "chattdd"}) {
    dac.TipoUra = tipo;
    EXPECT_EQ(Nova("DISCAF", "10").GetStrAcao(), "Transfere para fila: 10 - Chat") << tipo;
    EXPECT_EQ(Nova("DISCAF", "20", "2").GetStrAcao(), "Transfere para fila: 20 - SoChat (Prioridade alta)");
  }
}

TEST_F(Acao, VAIPARASufixosDeSecao) {
  const std::pair<const char*, const char*> casos[] = {
      {"", ""},  {"0", ""},  {"1", " (Opções)"}, {"2", " (Opção inválida)"}, {"3", " (Timeout)"}, {"4", " (Final)"},
      {"5", ""}, {"03", ""}, {" 3", ""}};
  for (const auto& [variavel, sufixo] : casos) {
    TMUAcao a = Nova("VAIPARA", "ignorado", variavel);
    a.ValorMenu = "Principal";
    EXPECT_EQ(a.GetStrAcao(), "Vai para o menu: Principal" + QString::fromUtf8(sufixo)) << variavel;
    EXPECT_EQ(a.GetStrAcaoVaiPara(), "Principal" + QString::fromUtf8(sufixo)) << variavel;
  }
}

TEST_F(Acao, GetStrAcaoVaiParaSoParaVAIPARA) {
  TMUAcao a = Nova("DISCA", "1", "3");
  a.ValorMenu = "Principal";
  EXPECT_EQ(a.GetStrAcaoVaiPara(), "");
}

TEST_F(Acao, MensagemDeVozUsaOCatalogo) {
  AddMensagemCatalogo("bemvindo", "Boas-vindas");
  AddMensagemCatalogo("branco", "  ");
  EXPECT_EQ(Nova("MENSAGEM", "bemvindo,outro", "v").GetStrAcao(), "Mensagem(v=\"Boas-vindas, outro\")");
  EXPECT_EQ(Nova("MENSAGEM", "branco", "v").GetStrAcao(), "Mensagem(v=\"branco\")");
  // An empty first piece adds no separator, also after the text before it.
  EXPECT_EQ(Nova("MENSAGEM", ",bemvindo,,x,", "v").GetStrAcao(), "Mensagem(v=\"Boas-vindas, , x\")");
  EXPECT_EQ(Nova("MENSAGEM", "", "").GetStrAcao(), "Mensagem(=\"\")");
  // The chat form is empty in a voice URA.
  EXPECT_EQ(Nova("MENSAGEM", "bemvindo", "v").GetStrAcaoMensagem(), "");
  dac.RORIRO = true;
  EXPECT_EQ(Nova("MENSAGEM", "bemvindo", "v").GetStrAcao(), "Mensagem(v=\"Boas-vindas\")");
}

TEST_F(Acao, MensagemDeChatComQuebras) {
  AddMensagemCatalogo("Olá", "não usar");
  dac.TipoUra = "chat";
  TMUAcao a = Nova("MENSAGEM", QString::fromUtf8("Olá\nTudo bem?"), "v");
  EXPECT_EQ(a.GetStrAcaoMensagem(), QString::fromUtf8("Olá") + kSeta + "Tudo bem?");
  EXPECT_EQ(a.GetStrAcao(), QString::fromUtf8("Mensagem(\"Olá") + kSeta + "Tudo bem?\")");
  EXPECT_EQ(Nova("MENSAGEM", "a\r\nb\r").GetStrAcaoMensagem(), "a" + kSeta + "b");
  EXPECT_EQ(Nova("MENSAGEM", "").GetStrAcao(), "Mensagem(\"\")");
  EXPECT_EQ(Nova("SETVAR", "a\nb", "v").GetStrAcaoMensagem(), "");
  dac.TipoUra = "chattdd";
  EXPECT_EQ(Nova("MENSAGEM", "x").GetStrAcao(), "Mensagem(\"x\")");
}

TEST_F(Acao, CriacaoECopia) {
  TMUAcao a(&dac, "SETVAR");
  EXPECT_EQ(a.DAC, &dac);
  EXPECT_EQ(a.Tipo, "SETVAR");
  for (const QString* s : {&a.ValorMenu, &a.ValorNumero, &a.OpcaoAcao, &a.ValorComando, &a.Variavel})
    EXPECT_TRUE(s->isEmpty());

  TDAC outro;
  TMUAcao origem(&outro, "COMANDO");
  origem.ValorMenu = "m";
  origem.ValorNumero = "n";
  origem.OpcaoAcao = "1X";
  origem.ValorComando = "c.sh";
  origem.Variavel = "v";
  a.CopyFrom(&origem);
  EXPECT_EQ(a.DAC, &dac);
  EXPECT_EQ(a.Tipo, "COMANDO");
  EXPECT_EQ(a.ValorMenu, "m");
  EXPECT_EQ(a.ValorNumero, "n");
  EXPECT_EQ(a.OpcaoAcao, "1X");
  EXPECT_EQ(a.ValorComando, "c.sh");
  EXPECT_EQ(a.Variavel, "v");
  a.CopyFrom(nullptr);
  EXPECT_EQ(a.Tipo, "COMANDO");
  EXPECT_EQ(a.ValorComando, "c.sh");
}

TEST_F(Acao, ValorSegueOTipo) {
  struct {
    const char* Tipo;
    QString TMUAcao::*Campo;
  } casos[] = {{"VAIPARA", &TMUAcao::ValorMenu},  {"COMANDO", &TMUAcao::ValorComando},
               {"SETVAR", &TMUAcao::ValorNumero}, {"DISCAF", &TMUAcao::ValorNumero},
               {"", &TMUAcao::ValorNumero},       {"QUALQUER", &TMUAcao::ValorNumero},
               {"vaipara", &TMUAcao::ValorNumero}};
  for (const auto& c : casos) {
    TMUAcao a(&dac, c.Tipo);
    a.ValorMenu = "menu";
    a.ValorComando = "cmd";
    a.ValorNumero = "num";
    EXPECT_EQ(a.GetValor(), a.*c.Campo) << c.Tipo;
    a.SetValor("novo");
    EXPECT_EQ(a.*c.Campo, "novo") << c.Tipo;
    // Only that field is written.
    int iguais = (a.ValorMenu == "novo") + (a.ValorComando == "novo") + (a.ValorNumero == "novo");
    EXPECT_EQ(iguais, 1) << c.Tipo;
  }
}

// ---- Validations ----------------------------------------------------------------

const QString kLetras = QString::fromUtf8("Nome da variável deve conter apenas letras e números");
const QString kIniciar = QString::fromUtf8("Nome da variável deve iniciar com letra");
const QString kIndefinida = QString::fromUtf8("Nome da variável não está definido");
const QString kSemArquivo = QString::fromUtf8("Nenhum arquivo foi adicionado à variável");

TEST_F(Acao, VariavelValidaEmSETVAR) {
  const std::pair<const char*, const QString*> casos[] = {
      {"", &kIndefinida}, {"nome-x", &kLetras}, {"ação", &kLetras}, {"a b", &kLetras}, {"1-x", &kLetras},
      {"_ç", &kLetras},   {"1abc", &kIniciar},  {"(x", &kIniciar},  {")x", &kIniciar}, {"{x}", &kIniciar},
      {"}x", &kIniciar},  {"_x", &kIniciar},    {"9", &kIniciar}};
  for (const auto& [nome, erro] : casos)
    EXPECT_EQ(Nova("SETVAR", "1", QString::fromUtf8(nome)).VariavelValida(), *erro) << nome;
  for (const char* nome : {"${x}", "Abc_1", "$", "x", "Z9_(){}$"})
    EXPECT_EQ(Nova("SETVAR", "1", nome).VariavelValida(), "") << nome;
}

TEST_F(Acao, SublinhadoInicialSoEmUraDeChat) {
  EXPECT_EQ(Nova("SETVAR", "", "_x").VariavelValida(), kIniciar);
  EXPECT_EQ(Nova("COMANDO", "", "_x").VariavelValida(), kIniciar);
  for (const char* tipo : {"chat", "chattdd"}) {
    dac.TipoUra = tipo;
    EXPECT_EQ(Nova("SETVAR", "", "_x").VariavelValida(), "") << tipo;
    EXPECT_EQ(Nova("COMANDO", "", "_x").VariavelValida(), "") << tipo;
    EXPECT_EQ(Nova("SETVAR", "", "1x").VariavelValida(), kIniciar) << tipo;
  }
}

TEST_F(Acao, VariavelValidaEmCOMANDOEOutros) {
  EXPECT_EQ(Nova("COMANDO").VariavelValida(), "");
  EXPECT_EQ(Nova("COMANDO", "", "r-1").VariavelValida(), kLetras);
  EXPECT_EQ(Nova("COMANDO", "", "1r").VariavelValida(), kIniciar);
  EXPECT_EQ(Nova("COMANDO", "", "ret").VariavelValida(), "");
  for (const char* tipo : {"DISCA", "MENSAGEM", "", "setvar"}) {
    EXPECT_EQ(Nova(tipo, "", "1-x").VariavelValida(), "") << tipo;
    EXPECT_EQ(Nova(tipo).VariavelValida(), "") << tipo;
  }
}

TEST_F(Acao, MensagemValida) {
  EXPECT_EQ(Nova("MENSAGEM", "a", "").MensagemValida(), kIndefinida);
  EXPECT_EQ(Nova("MENSAGEM", "a", "x-y").MensagemValida(), kLetras);
  EXPECT_EQ(Nova("MENSAGEM", "a", "1x").MensagemValida(), kIniciar);
  EXPECT_EQ(Nova("MENSAGEM", "", "1x").MensagemValida(), kIniciar);
  EXPECT_EQ(Nova("MENSAGEM", "", "x").MensagemValida(), kSemArquivo);
  EXPECT_EQ(Nova("MENSAGEM", "a,b", "x").MensagemValida(), "");
  EXPECT_EQ(Nova("MENSAGEM", "a", "$x").MensagemValida(), "");
  // The code is not looked at.
  EXPECT_EQ(Nova("", "a", "x").MensagemValida(), "");
  EXPECT_EQ(Nova("DISCA", "", "x").MensagemValida(), kSemArquivo);
  // "_" is refused also in a chat URA.
  dac.TipoUra = "chat";
  EXPECT_EQ(Nova("MENSAGEM", "a", "_x").MensagemValida(), kIniciar);
}

TEST_F(Acao, ComandoValido) {
  auto cmd = [&](const QString& linha, const char* tipo = "COMANDO") {
    TMUAcao a(&dac, tipo);
    a.ValorComando = linha;
    return a.ComandoValido();
  };
  for (const char* ok : {"backup.sh", "  backup.sh  p1 ", "a.sh \"x;y\"", "a.sh", "a.sh /tmp/x", "\tbackup.sh",
                         "backup.sh\t", "x.sh \"a b\" c", "x.sh \"\"", "x.sh \"a;\"\"b\""})
    EXPECT_EQ(cmd(ok), "") << ok;
  for (const char* ruim : {"backup.SH", "/opt/backup.sh", ".sh", "a.sh; ls", "a.sh \"x", "   ", "", "a.sh ;", ";a.sh",
                           "\"a.sh\"", "a.shx", "dir/a.sh x", "a.sh \"x\" \"", "a.sh\"\""})
    EXPECT_EQ(cmd(ruim), QString::fromUtf8("Comando inválido")) << ruim;
  // Only COMANDO actions are accepted.
  EXPECT_EQ(cmd("backup.sh", "SETVAR"), QString::fromUtf8("Comando inválido"));
  TMUAcao a(&dac, "COMANDO");
  a.ValorNumero = "backup.sh";
  EXPECT_EQ(a.ComandoValido(), QString::fromUtf8("Comando inválido"));
}

// ---- The action list ------------------------------------------------------------

TEST_F(Acao, DescricaoDaListaSeparaTodas) {
  TMUListaAcao l(&dac);
  EXPECT_EQ(l.GetStrAcao(), "");
  AddAcao(l, "DISCA", "A");
  EXPECT_EQ(l.GetStrAcao(), "Transfere para: A");
  AddAcao(l, "", "B");
  AddAcao(l, "DISCA", "C");
  EXPECT_EQ(l.GetStrAcao(), "Transfere para: A; ; Transfere para: C");
  TMUListaAcao l2(&dac);
  AddAcao(l2, "XYZ");
  AddAcao(l2, "FINAL");
  EXPECT_EQ(l2.GetStrAcao(), "; Vai para Final, neste menu");
}

TEST_F(Acao, TemAcaoComparaTipoEValor) {
  TMUListaAcao l(&dac);
  EXPECT_FALSE(l.TemAcao("VAIPARA", "M2"));
  TMUAcao* vai = AddAcao(l, "VAIPARA", "M2");
  vai->ValorNumero = "N";
  AddAcao(l, "COMANDO", "x.sh");
  AddAcao(l, "FINAL");
  EXPECT_TRUE(l.TemAcao("VAIPARA", "M2"));
  EXPECT_FALSE(l.TemAcao("VAIPARA", "N"));
  EXPECT_FALSE(l.TemAcao("VAIPARA", "m2"));
  EXPECT_FALSE(l.TemAcao("vaipara", "M2"));
  EXPECT_FALSE(l.TemAcao("DISCA", "M2"));
  EXPECT_TRUE(l.TemAcao("COMANDO", "x.sh"));
  EXPECT_TRUE(l.TemAcao("FINAL", ""));
  EXPECT_FALSE(l.TemAcao("FINAL", "x"));
}

TEST_F(Acao, CopyFromDaListaNaoCompartilhaNadaERevinculaODAC) {
  TDAC outro;
  outro.RORIRO = true;
  TMUListaAcao origem(&outro);
  origem.OpcaoAcao = "1X";
  AddAcao(origem, "DISCAU", "ura");
  AddAcao(origem, "VAIPARA", "M")->Variavel = "4";
  TMUListaAcao copia(&dac);
  AddAcao(copia, "FINAL");
  copia.CopyFrom(&origem);

  ASSERT_EQ(copia.Count(), 2);
  EXPECT_EQ(copia.OpcaoAcao, "1X");
  for (int i = 0; i < copia.Count(); ++i) {
    EXPECT_EQ(copia.GetItem(i)->DAC, &dac);
    EXPECT_NE(copia.GetItem(i), origem.GetItem(i));
  }
  // Described by the target's document, which is not RORIRO.
  EXPECT_EQ(copia.GetStrAcao(), "Transfere para URA: ura; Vai para o menu: M (Final)");
  EXPECT_EQ(origem.GetStrAcao(), "Sem ação; Vai para o menu: M (Final)");

  copia.GetItem(0)->ValorNumero = "mudou";
  copia.GetItem(1)->Tipo = "FINAL";
  AddAcao(copia, "DISCA");
  EXPECT_EQ(origem.Count(), 2);
  EXPECT_EQ(origem.GetItem(0)->ValorNumero, "ura");
  EXPECT_EQ(origem.GetItem(1)->Tipo, "VAIPARA");

  copia.CopyFrom(nullptr);
  EXPECT_EQ(copia.Count(), 0);
  EXPECT_EQ(copia.OpcaoAcao, "");
}

TEST_F(Acao, CopyFromDaListaParaSiMesmaNaoPerdeNada) {
  TMUListaAcao l(&dac);
  l.OpcaoAcao = "2";
  AddAcao(l, "DISCA", "1");
  l.CopyFrom(&l);
  ASSERT_EQ(l.Count(), 1);
  EXPECT_EQ(l.GetItem(0)->ValorNumero, "1");
  EXPECT_EQ(l.OpcaoAcao, "2");
}

TEST_F(Acao, ListaReordenaEPercorre) {
  TMUListaAcao l(&dac);
  EXPECT_EQ(l.DAC, &dac);
  EXPECT_EQ(l.OpcaoAcao, "");
  AddAcao(l, "DISCA", "1");
  AddAcao(l, "DISCA", "2");
  l.DownItem(0);
  EXPECT_EQ(l.GetStrAcao(), "Transfere para: 2; Transfere para: 1");
  l.First();
  EXPECT_EQ(l.GetAndNext()->ValorNumero, "2");
  EXPECT_TRUE(l.DeleteAcao(l.GetItem(0)));
  EXPECT_EQ(l.GetStrAcao(), "Transfere para: 1");
}

}  // namespace
