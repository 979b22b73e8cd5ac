// Messages: audio entries, variable references, chat texts and descriptions.
#include <gtest/gtest.h>

#include "ajuda_teste.h"
#include "mensagem.h"

namespace {

const QString kSeta = QString(QChar(0x21A9));

QStringList Arquivos(const TMUMensagem& m, bool original = true) {
  QStringList r;
  for (int i = 0; i < m.ArquivosCount(); ++i) r << m.GetArquivo(i, original);
  return r;
}

TEST(Mensagem, ReferenciaDeVariavelNaEntradaENaSaida) {
  TMUMensagem m;
  m.AddArquivo("Mensagem(saudacao)");
  EXPECT_EQ(m.GetArquivo(0, true), "{saudacao}");
  EXPECT_EQ(m.GetArquivo(0, false), "Mensagem(saudacao)");
}

TEST(Mensagem, UltimoCaractereEhTomadoComoParentese) {
  TMUMensagem m;
  m.AddArquivo("Mensagem(x");
  m.AddArquivo("Mensagem(");
  m.AddArquivo("Mensagem()");
  m.AddArquivo("Mensagem(ab]");
  EXPECT_EQ(Arquivos(m), (QStringList{"{}", "{}", "{}", "{ab}"}));
  EXPECT_EQ(m.GetArquivo(0, false), "Mensagem()");
  EXPECT_EQ(m.GetArquivo(3, false), "Mensagem(ab)");
}

TEST(Mensagem, PrefixoEhSensivelACaixaENomeVazioEhIgnorado) {
  TMUMensagem m;
  m.AddArquivo("");
  EXPECT_EQ(m.ArquivosCount(), 0);
  m.AddArquivo("mensagem(x)");
  m.AddArquivo(" Mensagem(x)");
  m.AddArquivo("bemvindo");
  EXPECT_EQ(Arquivos(m), (QStringList{"mensagem(x)", " Mensagem(x)", "bemvindo"}));
}

TEST(Mensagem, GetArquivoSoConverteChavesCompletas) {
  TMUMensagem m;
  m.SetListaArquivos({"{abc", "abc}", "{}", "{", "}", "x{y}"});
  EXPECT_EQ(Arquivos(m, false), (QStringList{"{abc", "abc}", "Mensagem()", "{", "}", "x{y}"}));
  EXPECT_EQ(m.GetArquivo(-1, true), "");
  EXPECT_EQ(m.GetArquivo(6, false), "");
}

TEST(Mensagem, TextosDeChatGuardamQuebrasEscapadas) {
  TMUMensagem m;
  EXPECT_EQ(m.AddMensagemChat(""), "");
  EXPECT_EQ(m.MensagensChatCount(), 0);
  EXPECT_EQ(m.AddMensagemChat("a\r\nb"), "a&#xD;&#xA;b");
  EXPECT_EQ(m.AddMensagemChat("\n\r"), "&#xA;&#xD;");
  EXPECT_EQ(m.GetMensagemChat(0, kSeta), "a" + kSeta + "b");
  EXPECT_EQ(m.GetMensagemChat(0, ""), "a&#xD;&#xA;b");
  EXPECT_EQ(m.GetMensagemChat(1, "<br>"), "<br>");
  EXPECT_EQ(m.GetMensagemChat(2, kSeta), "");
  EXPECT_EQ(m.GetMensagemChat(-1, kSeta), "");
  // The audio entries are a separate list.
  EXPECT_EQ(m.ArquivosCount(), 0);
}

TEST(Mensagem, TextosComoUmTexto) {
  TMUMensagem m;
  EXPECT_EQ(m.ArquivosText(), "");
  EXPECT_EQ(m.MensagensChatText(), "");
  m.AddArquivo("a");
  m.AddArquivo("Mensagem(v)");
  m.AddMensagemChat("x\ny");
  EXPECT_EQ(m.ArquivosText(), "a\r\n{v}\r\n");
  EXPECT_EQ(m.MensagensChatText(), "x&#xA;y\r\n");
}

TEST(Mensagem, LimpaListaArquivosEsvaziaAsDuasListas) {
  TMUMensagem m;
  m.AddArquivo("a");
  m.AddMensagemChat("b");
  m.LimpaListaArquivos();
  EXPECT_EQ(m.ArquivosCount(), 0);
  EXPECT_EQ(m.MensagensChatCount(), 0);
}

TEST(Mensagem, SetListaArquivosTrocaSoOsArquivos) {
  TMUMensagem m;
  m.AddArquivo("velho");
  m.AddMensagemChat("chat");
  m.SetListaArquivos({"a", "{b}"});
  EXPECT_EQ(Arquivos(m), (QStringList{"a", "{b}"}));
  EXPECT_EQ(m.MensagensChatCount(), 1);
}

TEST(MensagemSeparador, PecasAparadasMenosAUltima) {
  TMUMensagem m;
  m.AddArquivo("velho");
  m.SetListaArquivosSeparador(",", " a , ,b ");
  EXPECT_EQ(Arquivos(m), (QStringList{"a", "b "}));
  m.SetListaArquivosSeparador(",", "a, ");
  EXPECT_EQ(Arquivos(m), (QStringList{"a", " "}));
  m.SetListaArquivosSeparador(",", "a,");
  EXPECT_EQ(Arquivos(m), (QStringList{"a"}));
  m.SetListaArquivosSeparador(",", ",,,");
  EXPECT_EQ(m.ArquivosCount(), 0);
  m.SetListaArquivosSeparador(",", "");
  EXPECT_EQ(m.ArquivosCount(), 0);
  m.SetListaArquivosSeparador(",", "\t x\r\n,y");
  EXPECT_EQ(Arquivos(m), (QStringList{"x", "y"}));
}

TEST(MensagemSeparador, SeparadorVazioGuardaOTextoInteiro) {
  TMUMensagem m;
  m.SetListaArquivosSeparador("", " a,b ");
  EXPECT_EQ(Arquivos(m), (QStringList{" a,b "}));
}

TEST(MensagemSeparador, SeparadorDeVariosCaracteresCortaAposOPrimeiro) {
  // Only the separator's first character is cut, so the rest of it starts
  // the next piece.
  TMUMensagem m;
  m.SetListaArquivosSeparador(";;", "a;;b;;c");
  EXPECT_EQ(Arquivos(m), (QStringList{"a", ";b", ";c"}));
  m.SetListaArquivosSeparador(", ", "a, b");
  EXPECT_EQ(Arquivos(m), (QStringList{"a", " b"}));
}

TEST(MensagemSeparador, JuncaoEIdaEVolta) {
  TMUMensagem m;
  EXPECT_EQ(m.GetListaArquivosSeparador(","), "");
  m.SetListaArquivos({"a", "{b}", "c"});
  EXPECT_EQ(m.GetListaArquivosSeparador(","), "a,{b},c");
  EXPECT_EQ(m.GetListaArquivosSeparador(""), "a{b}c");
  TMUMensagem copia;
  copia.SetListaArquivosSeparador(",", m.GetListaArquivosSeparador(","));
  EXPECT_EQ(Arquivos(copia), Arquivos(m));
}

TEST(Mensagem, GetStrMensagemChat) {
  TMUMensagem m;
  EXPECT_EQ(m.GetStrMensagemChat(",", "/"), "");
  m.AddArquivo("audio");  // not part of the chat text
  m.AddMensagemChat("a\r\nb");
  m.AddMensagemChat("c");
  EXPECT_EQ(m.GetStrMensagemChat("", "/"), "a/b c");
  EXPECT_EQ(m.GetStrMensagemChat(" | ", "\n"), "a\nb | c");
  EXPECT_EQ(m.GetStrMensagemChat("\n", ""), "ab\nc");
}

class MensagemDescricao : public InfoAuxiliarLimpa {};

TEST_F(MensagemDescricao, ArquivosReferenciasEChat) {
  AddMensagemCatalogo("bemvindo", "Boas-vindas");
  TMUMensagem m;
  m.AddArquivo("bemvindo");
  m.AddArquivo("{cliente}");
  m.AddMensagemChat("Oi");
  EXPECT_EQ(m.GetStrMensagem(), "Boas-vindas, Mensagem(cliente)" + kSeta + "Oi");
}

TEST_F(MensagemDescricao, SemDescricaoNoCatalogoMostraONome) {
  AddMensagemCatalogo("semdesc", "");
  TMUMensagem m;
  m.AddArquivo("semdesc");
  m.AddArquivo("fora");
  EXPECT_EQ(m.GetStrMensagem(), "semdesc, fora");
}

TEST_F(MensagemDescricao, SoChatNaoComecaComSeta) {
  TMUMensagem m;
  EXPECT_EQ(m.GetStrMensagem(), "");
  m.AddMensagemChat("a\r\nb");
  m.AddMensagemChat("c\rd");
  EXPECT_EQ(m.GetStrMensagem(), "a" + kSeta + "b" + kSeta + "cd");
}

// Appended after text already there, through an appender that marks what it
// is given: the separators follow only what this message appended, and only
// the message's own texts go through the appender.
TEST_F(MensagemDescricao, AcrescentaAposTextoPassandoSoOsTextosPeloAcrescentador) {
  AddMensagemCatalogo("bemvindo", "Boas & vindas");
  const auto marca = [](QString& r, QStringView t) { r += u'[' + t.toString() + u']'; };
  QString r = "célula:";
  TMUMensagem m;
  m.AcrescentaStrMensagem(r, marca, "<br>");
  EXPECT_EQ(r, "célula:");
  m.AddArquivo("bemvindo");
  m.AddArquivo("{cli}");
  m.AddMensagemChat("a\nb");
  m.AddMensagemChat("c");
  m.AcrescentaStrMensagem(r, marca, "<br>");
  EXPECT_EQ(r, "célula:[Boas & vindas], [Mensagem(][cli][)]" + kSeta + "[a]<br>[b]" + kSeta + "[c]");
  TMUMensagem soChat;
  soChat.AddMensagemChat("x");
  soChat.AcrescentaStrMensagem(r, marca, "<br>");
  EXPECT_TRUE(r.endsWith("[c][x]")) << r.toStdString();
  // Without an appender, as GetStrMensagem.
  QString simples = "#";
  m.AcrescentaStrMensagem(simples, nullptr, "/");
  EXPECT_EQ(simples, "#Boas & vindas, Mensagem(cli)" + kSeta + "a/b" + kSeta + "c");
}

TEST(Mensagem, CopyFromCopiaTudoEDeNadaEsvazia) {
  TMUMensagem origem;
  origem.AddArquivo("a");
  origem.AddMensagemChat("b");
  origem.PodeParar = true;
  TMUMensagem copia;
  copia.AddArquivo("x");
  copia.CopyFrom(&origem);
  EXPECT_EQ(Arquivos(copia), (QStringList{"a"}));
  EXPECT_EQ(copia.GetMensagemChat(0, ""), "b");
  EXPECT_TRUE(copia.PodeParar);
  // Independent afterwards.
  origem.AddArquivo("c");
  copia.AddMensagemChat("d");
  EXPECT_EQ(copia.ArquivosCount(), 1);
  EXPECT_EQ(origem.MensagensChatCount(), 1);

  copia.CopyFrom(nullptr);
  EXPECT_EQ(copia.ArquivosCount(), 0);
  EXPECT_EQ(copia.MensagensChatCount(), 0);
  EXPECT_FALSE(copia.PodeParar);
}

}  // namespace
