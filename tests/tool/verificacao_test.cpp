// ura-tool check: the hand-written URAs of tests/tool/verificacao (NAME.xml,
// with the expected output in NAME.txt) cover every finding code; the examples
// give no error; the JSON form and the exit codes.
#include "verificacao.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include "ferramenta.h"

namespace {

QString Caso(const QString& Nome) { return QStringLiteral(URA_CHECK_DIR "/") + Nome; }

QStringList OpcoesComuns() {
  return {QStringLiteral("--catalogue"), Caso(QStringLiteral("catalogo.xml")), QStringLiteral("--wav-list"),
          Caso(QStringLiteral("servidor.txt"))};
}

TEST(VerificacaoTest, EachCaseGivesItsFindingsAndEveryCodeHasACase) {
  static const QRegularExpression codigo(QStringLiteral("\\[([a-z-]+)\\]$"));
  QSet<QString> cobertos;
  const QStringList casos = QDir(QStringLiteral(URA_CHECK_DIR)).entryList({QStringLiteral("*.xml")}, QDir::Files);
  for (const QString& xml : casos) {
    if (xml == u"catalogo.xml") continue;
    SCOPED_TRACE(xml.toStdString());
    const QString esperado = QString::fromUtf8(SemCR(LeArquivo(Caso(xml.chopped(4) + QStringLiteral(".txt")))));
    ASSERT_FALSE(esperado.isEmpty());
    const ResultadoTool r = RodaTool(QStringList{QStringLiteral("check"), Caso(xml)} + OpcoesComuns());
    EXPECT_EQ(r.Saida.toStdString(), esperado.toStdString());
    const bool semErros = esperado.trimmed().split(u'\n').last().startsWith(u"0 erro(s)");
    EXPECT_EQ(r.Codigo, semErros ? 0 : 1);
    EXPECT_TRUE(r.Erro.isEmpty());
    for (const QString& linha : r.Linhas()) {
      const auto m = codigo.match(linha);
      if (m.hasMatch()) cobertos.insert(m.captured(1));
    }
  }
  const QStringList todos = CodigosVerificacao();
  EXPECT_EQ(cobertos, QSet<QString>(todos.cbegin(), todos.cend()));
}

TEST(VerificacaoTest, ExamplesHaveNoFinding) {
  // The server's examples, and those of local mode read as the local service's.
  const std::pair<const char*, const char*> exemplos[] = {
      {"atendimento-voz.xml", "mensagens/mensagens.xml"},
      {"atendimento-chat.xml", "mensagens/mensagens.xml"},
      {"local/atendimento-voz.xml", "local/mensagens/mensagens.xml"},
      {"local/atendimento-chat.xml", "local/mensagens/mensagens.xml"},
  };
  for (const auto& [nome, catalogo] : exemplos) {
    const QString arquivo = QString::fromLatin1(nome);
    QStringList argumentos{QStringLiteral("check"), Exemplo(arquivo), QStringLiteral("--catalogue"),
                           Exemplo(QString::fromLatin1(catalogo))};
    if (arquivo.startsWith(u"local/")) argumentos << QStringLiteral("--local-service");
    const ResultadoTool r = RodaTool(argumentos);
    EXPECT_EQ(r.Codigo, 0) << nome;
    EXPECT_EQ(r.Linhas(), QStringList{QStringLiteral("0 erro(s), 0 aviso(s)")}) << nome;
  }
}

TEST(VerificacaoTest, JsonCarriesTheSameFindings) {
  const QString arquivo = Caso(QStringLiteral("acao-sem-valor.xml"));
  const ResultadoTool texto = RodaTool({QStringLiteral("check"), arquivo});
  const ResultadoTool json = RodaTool({QStringLiteral("check"), arquivo, QStringLiteral("--json")});
  EXPECT_EQ(json.Codigo, 1);
  const QJsonObject raiz = QJsonDocument::fromJson(json.Saida.toUtf8()).object();
  EXPECT_EQ(raiz.value(QStringLiteral("erros")).toInt(), 3);
  EXPECT_EQ(raiz.value(QStringLiteral("avisos")).toInt(), 2);
  const QJsonArray achados = raiz.value(QStringLiteral("achados")).toArray();
  ASSERT_EQ(achados.size() + 1, texto.Linhas().size());
  const QJsonObject ultimo = achados.last().toObject();
  EXPECT_EQ(ultimo.value(QStringLiteral("gravidade")).toString(), u"erro");
  EXPECT_EQ(ultimo.value(QStringLiteral("menu")).toString(), u"N");
  EXPECT_EQ(ultimo.value(QStringLiteral("indiceMenu")).toInt(), 1);
  EXPECT_EQ(ultimo.value(QStringLiteral("secao")).toString(), u"Final");
  EXPECT_EQ(ultimo.value(QStringLiteral("codigo")).toString(), u"acao-sem-valor");
}

TEST(VerificacaoTest, WrongLinesAndMissingFiles) {
  const QString arquivo = Caso(QStringLiteral("menu-vazio.xml"));
  EXPECT_EQ(RodaTool({QStringLiteral("check")}).Codigo, 2);
  EXPECT_EQ(RodaTool({QStringLiteral("check"), arquivo, QStringLiteral("--wav-list")}).Codigo, 2);
  EXPECT_EQ(RodaTool({QStringLiteral("check"), arquivo, QStringLiteral("--xyz")}).Codigo, 2);
  const ResultadoTool semLista = RodaTool(
      {QStringLiteral("check"), arquivo, QStringLiteral("--wav-list"), Caso(QStringLiteral("nao-existe.txt"))});
  EXPECT_EQ(semLista.Codigo, 1);
  EXPECT_TRUE(semLista.Erro.contains(QStringLiteral("nao-existe.txt"))) << semLista.Erro.toStdString();
  EXPECT_TRUE(semLista.Saida.isEmpty());
}

}  // namespace
