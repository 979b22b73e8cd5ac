// INI files: values exactly as typed, everything else kept as it was.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "arquivoini.h"

namespace {

const QString kSenhas[] = {
    QStringLiteral("a,b;c\"é x "),     QStringLiteral(" x=y\\z "),
    QStringLiteral("\"entre aspas\""), QStringLiteral(";começa"),
    QStringLiteral("#tambem"),         QStringLiteral("[colchete]"),
    QStringLiteral("ação ✓ 😀"),        QString(),
};

TEST(ArquivoIni, ValuesGoOutAndComeBackExactlyAsTyped) {
  for (const QString& senha : kSenhas) {
    SCOPED_TRACE(senha.toStdString());
    TArquivoIni ini;
    ini.DefineValor(QStringLiteral("Conexao"), QStringLiteral("Senha"), senha);
    ini.DefineValor(QStringLiteral("Conexao"), QStringLiteral("IP"), QStringLiteral("a, b"));
    const QByteArray bytes = ini.Bytes();
    EXPECT_EQ(bytes, QByteArray("[Conexao]\nSenha=") + senha.toUtf8() + "\nIP=a, b\n");
    const TArquivoIni lido = TArquivoIni::DeBytes(bytes);
    EXPECT_EQ(lido.Valor(QStringLiteral("Conexao"), QStringLiteral("Senha")), senha);
    EXPECT_FALSE(lido.Valor(QStringLiteral("Conexao"), QStringLiteral("Senha")).isNull());
    EXPECT_EQ(lido.Valor(QStringLiteral("Conexao"), QStringLiteral("IP")), QStringLiteral("a, b"));
  }
}

TEST(ArquivoIni, ReadingTheLayout) {
  const QByteArray arquivo =
      "; comentario\r\n"
      "[Conexao]\r\n"
      "IP=a, b\r\n"
      "porta = 5042\r\n"
      "Senha=x;y ; z\r\n"
      "Vazio=\r\n"
      "semigual\r\n"
      "\r\n"
      "[ Outra ]\r\n"
      "IP=10.0.0.1\r\n";
  const TArquivoIni ini = TArquivoIni::DeBytes(arquivo);
  struct Caso {
    const char *secao, *chave;
    QString valor;
  } casos[] = {
      {"Conexao", "IP", QStringLiteral("a, b")},
      {"CONEXAO", "Porta", QStringLiteral(" 5042")},  // names ignore case and blanks around them
      {"Conexao", "Senha", QStringLiteral("x;y ; z")},
      {"Conexao", "Vazio", QStringLiteral("")},
      {"Conexao", "semigual", QString()},
      {"Conexao", "Falta", QString()},
      {"Outra", "IP", QStringLiteral("10.0.0.1")},
      {"Nenhuma", "IP", QString()},
  };
  for (const Caso& c : casos) {
    const QString v = ini.Valor(QString::fromLatin1(c.secao), QString::fromLatin1(c.chave));
    EXPECT_EQ(v, c.valor) << c.secao << "/" << c.chave;
    EXPECT_EQ(v.isNull(), c.valor.isNull()) << c.secao << "/" << c.chave;
  }
  // Unchanged, it writes back the very same bytes.
  EXPECT_EQ(ini.Bytes(), arquivo);
}

TEST(ArquivoIni, ChangingAKeyKeepsEveryOtherLine) {
  const QByteArray antes =
      "\xEF\xBB\xBF; mantido\r\n"
      "[TelaPrincipal]\r\n"
      "Height=590\r\n"
      "Desconhecida=é;x\r\n"
      "\r\n"
      "[Conexao]\r\n"
      "Senha=a,b;c\"\xC3\xA9 x \r\n";
  TArquivoIni ini = TArquivoIni::DeBytes(antes);
  ini.DefineValor(QStringLiteral("telaprincipal"), QStringLiteral("HEIGHT"), QStringLiteral("600"));
  ini.DefineValor(QStringLiteral("TelaPrincipal"), QStringLiteral("Width"), QStringLiteral("900"));
  ini.DefineValor(QStringLiteral("Nova"), QStringLiteral("K"), QStringLiteral("linha\r\nquebrada"));
  EXPECT_EQ(ini.Bytes(), QByteArray("\xEF\xBB\xBF; mantido\r\n"
                                    "[TelaPrincipal]\r\n"
                                    "Height=600\r\n"
                                    "Desconhecida=é;x\r\n"
                                    "Width=900\r\n"
                                    "\r\n"
                                    "[Conexao]\r\n"
                                    "Senha=a,b;c\"\xC3\xA9 x \r\n"
                                    "\r\n"
                                    "[Nova]\r\n"
                                    "K=linhaquebrada\r\n"));
}

TEST(ArquivoIni, AFileInTheOldCodePageIsReadAndTheFileIsReplacedWhole) {
  const TArquivoIni antigo = TArquivoIni::DeBytes("[Conexao]\nUsuario=Jos\xE9\n");
  EXPECT_EQ(antigo.Valor(QStringLiteral("Conexao"), QStringLiteral("Usuario")), QStringLiteral("José"));

  QTemporaryDir pasta;
  const QString caminho = pasta.filePath(QStringLiteral("x.ini"));
  EXPECT_TRUE(TArquivoIni::Carrega(caminho).Bytes().isEmpty());  // a missing file is an empty one
  ASSERT_TRUE(antigo.Salva(caminho));
  EXPECT_EQ(TArquivoIni::Carrega(caminho).Bytes(), QByteArray("[Conexao]\nUsuario=Jos\xC3\xA9\n"));
  QString erro;
  EXPECT_FALSE(antigo.Salva(pasta.filePath(QStringLiteral("nao/existe/x.ini")), &erro));
  EXPECT_FALSE(erro.isEmpty());
}

}  // namespace
