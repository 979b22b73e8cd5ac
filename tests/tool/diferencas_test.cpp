// ura-tool diff: the pairs of tests/tool/diferencas (NAME.a.xml, NAME.b.xml,
// the expected lines in NAME.txt), the way back, JSON, and the exit codes of
// diff(1).
#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "ferramenta.h"

namespace {

QString Caso(const QString& Nome) { return QStringLiteral(URA_DIFF_DIR "/") + Nome; }

QStringList Casos() {
  QStringList nomes;
  for (const QString& a : QDir(QStringLiteral(URA_DIFF_DIR)).entryList({QStringLiteral("*.a.xml")}, QDir::Files))
    nomes << a.chopped(6);
  return nomes;
}

TEST(DiferencasTest, EachPairGivesItsLinesAndExitCode) {
  ASSERT_GE(Casos().size(), 4);
  for (const QString& nome : Casos()) {
    SCOPED_TRACE(nome.toStdString());
    const QString esperado = QString::fromUtf8(LeArquivo(Caso(nome + QStringLiteral(".txt"))));
    const ResultadoTool r = RodaTool(
        {QStringLiteral("diff"), Caso(nome + QStringLiteral(".a.xml")), Caso(nome + QStringLiteral(".b.xml"))});
    EXPECT_EQ(r.Saida.toStdString(), esperado.toStdString());
    EXPECT_EQ(r.Codigo, esperado.isEmpty() ? 0 : 1);
    EXPECT_TRUE(r.Erro.isEmpty());
  }
}

TEST(DiferencasTest, TheWayBackSwapsAddedAndRemoved) {
  const ResultadoTool r =
      RodaTool({QStringLiteral("diff"), Caso(QStringLiteral("menus.b.xml")), Caso(QStringLiteral("menus.a.xml"))});
  EXPECT_EQ(r.Codigo, 1);
  EXPECT_TRUE(r.Linhas().contains(QStringLiteral("Menu Antigo: adicionado: \"Sai\"")));
  EXPECT_TRUE(r.Linhas().contains(QStringLiteral("Menu Novo: removido: \"Novo menu\"")));
  EXPECT_TRUE(r.Linhas().contains(QStringLiteral("URA: Menu inicial: alterado: \"Vendas\" -> \"Principal\"")));
}

TEST(DiferencasTest, ExamplesEqualThemselves) {
  for (const char* nome : {"atendimento-voz.xml", "atendimento-chat.xml"}) {
    const QString arquivo = Exemplo(QString::fromLatin1(nome));
    const ResultadoTool r = RodaTool({QStringLiteral("diff"), arquivo, arquivo});
    EXPECT_EQ(r.Codigo, 0) << nome;
    EXPECT_TRUE(r.Saida.isEmpty()) << nome;
  }
}

TEST(DiferencasTest, JsonCarriesTheSameDifferences) {
  const QString a = Caso(QStringLiteral("secoes.a.xml")), b = Caso(QStringLiteral("secoes.b.xml"));
  const ResultadoTool texto = RodaTool({QStringLiteral("diff"), a, b});
  const ResultadoTool json = RodaTool({QStringLiteral("diff"), a, b, QStringLiteral("--json")});
  EXPECT_EQ(json.Codigo, 1);
  const QJsonObject raiz = QJsonDocument::fromJson(json.Saida.toUtf8()).object();
  EXPECT_FALSE(raiz.value(QStringLiteral("iguais")).toBool(true));
  const QJsonArray lista = raiz.value(QStringLiteral("diferencas")).toArray();
  ASSERT_EQ(lista.size(), texto.Linhas().size());
  const QJsonObject primeira = lista.first().toObject();
  EXPECT_EQ(primeira.value(QStringLiteral("tipo")).toString(), QStringLiteral("alterado"));
  EXPECT_EQ(primeira.value(QStringLiteral("menu")).toString(), QStringLiteral("M"));
  EXPECT_EQ(primeira.value(QStringLiteral("indiceB")).toInt(), 0);
  EXPECT_EQ(primeira.value(QStringLiteral("secao")).toString(), QStringLiteral("Início"));
  EXPECT_EQ(primeira.value(QStringLiteral("depois")).toString(), QStringLiteral("Seg à Sex; Das 09:00 às 18:00"));
}

TEST(DiferencasTest, TroubleExitsTwoWithoutTheUsage) {
  QTemporaryDir pasta;
  const QString naoUra = GravaArquivo(pasta, QStringLiteral("x.xml"), "<?xml version=\"1.0\"?><Outra/>");
  const QString valido = Caso(QStringLiteral("menus.a.xml"));
  const struct {
    QStringList args;
    bool uso;
  } casos[] = {
      {{QStringLiteral("diff"), valido, pasta.filePath(QStringLiteral("falta.xml"))}, false},
      {{QStringLiteral("diff"), naoUra, valido}, false},
      {{QStringLiteral("diff"), valido}, true},
      {{QStringLiteral("diff"), valido, valido, QStringLiteral("--nada")}, true},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.args.join(u' ').toStdString());
    const ResultadoTool r = RodaTool(c.args);
    EXPECT_EQ(r.Codigo, 2);
    EXPECT_TRUE(r.Saida.isEmpty());
    EXPECT_EQ(r.Erro.contains(QStringLiteral("Uso: ura-tool diff")), c.uso);
  }
}

}  // namespace
