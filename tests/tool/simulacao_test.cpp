// ura-tool simulate and test: the text and JSON forms of a call, the scenario
// runs, and the exit codes.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "ferramenta.h"

namespace {

const QString kVoz = Exemplo(QStringLiteral("atendimento-voz.xml"));
const QString kChat = Exemplo(QStringLiteral("atendimento-chat.xml"));

QStringList Simula(const QString& Arquivo, const QStringList& Resto) {
  return QStringList{QStringLiteral("simulate"), Arquivo, QStringLiteral("--at"), QStringLiteral("09/12/2026 10:00")} +
         Resto;
}

TEST(SimulacaoToolTest, TextOutputIsOneLinePerStepThenTheEnd) {
  const ResultadoTool r = RodaTool(Simula(kVoz, {QStringLiteral("--entrada"), QStringLiteral("1")}));
  ASSERT_EQ(r.Codigo, 0) << r.Erro.toStdString();
  const QStringList linhas = r.Linhas();
  ASSERT_GE(linhas.size(), 5);
  EXPECT_EQ(linhas.first(), u"menu: Inicio: Entra no menu");
  EXPECT_TRUE(linhas.contains(QStringLiteral("resposta: Principal: Opções: Digita: 1")));
  EXPECT_EQ(linhas.last(), u"Fim: Principal: Transfere para fila: 10 (Prioridade Média) [acao]");
}

TEST(SimulacaoToolTest, JsonCarriesStepsMenusMessagesAndTheEnd) {
  struct Caso {
    QString Arquivo;
    QStringList Args;
    QStringList Menus;
    QString Codigo, Valor, Motivo;
  };
  const std::vector<Caso> casos{
      {kVoz,
       {QStringLiteral("--entrada"), QStringLiteral("9123")},
       {QStringLiteral("Inicio"), QStringLiteral("Principal")},
       QStringLiteral("DISCAOP"),
       QStringLiteral("9123"),
       QStringLiteral("acao")},
      {kVoz,
       {QStringLiteral("--feriado")},
       {QStringLiteral("Inicio"), QStringLiteral("ForaDeHorario")},
       QStringLiteral("DESLIGA"),
       QStringLiteral("16"),
       QStringLiteral("acao")},
      {kVoz,
       {QStringLiteral("--entrada"), QStringLiteral("-")},
       {QStringLiteral("Inicio"), QStringLiteral("Principal")},
       QString(),
       QString(),
       QStringLiteral("sem-entradas")},
      {kChat,
       {QStringLiteral("--var"), QStringLiteral("cliente_vip=1"), QStringLiteral("--var"), QStringLiteral("x=a=b")},
       {QStringLiteral("Inicio")},
       QStringLiteral("DISCAF"),
       QStringLiteral("60"),
       QStringLiteral("acao")},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Args.join(u' ').toStdString());
    const ResultadoTool r = RodaTool(Simula(c.Arquivo, c.Args + QStringList{QStringLiteral("--json")}));
    ASSERT_EQ(r.Codigo, 0) << r.Erro.toStdString();
    const QJsonObject raiz = QJsonDocument::fromJson(r.Saida.toUtf8()).object();
    const QJsonObject fim = raiz.value(QStringLiteral("fim")).toObject();
    EXPECT_EQ(fim.value(QStringLiteral("codigo")).toString(), c.Codigo);
    EXPECT_EQ(fim.value(QStringLiteral("valor")).toString(), c.Valor);
    EXPECT_EQ(fim.value(QStringLiteral("motivo")).toString(), c.Motivo);
    EXPECT_FALSE(fim.value(QStringLiteral("descricao")).toString().isEmpty());
    QStringList menus;
    for (const QJsonValue& m : raiz.value(QStringLiteral("menus")).toArray()) menus << m.toString();
    EXPECT_EQ(menus, c.Menus);
    const QJsonArray passos = raiz.value(QStringLiteral("passos")).toArray();
    ASSERT_FALSE(passos.isEmpty());
    for (const QJsonValue& p : passos)
      for (const char* chave : {"tipo", "menu", "texto"})
        ASSERT_TRUE(p.toObject().contains(QString::fromLatin1(chave)));
    EXPECT_EQ(passos.last().toObject().value(QStringLiteral("tipo")).toString(), u"fim");
  }
  // A chat's messages are its texts, line breaks included.
  const ResultadoTool chat =
      RodaTool(Simula(kChat, {QStringLiteral("--entrada"), QStringLiteral("1"), QStringLiteral("--json")}));
  const QJsonArray mensagens =
      QJsonDocument::fromJson(chat.Saida.toUtf8()).object().value(QStringLiteral("mensagens")).toArray();
  ASSERT_FALSE(mensagens.isEmpty());
  EXPECT_EQ(mensagens.first().toString(), QString::fromUtf8("Olá! 😀\nBem-vindo ao atendimento da Loja Exemplo."));
}

TEST(SimulacaoToolTest, TestRunsEveryScenarioAndFailsWhenOneFails) {
  for (const auto& [ura, cenarios] :
       {std::pair{kVoz, QStringLiteral("cenarios-voz.json")}, std::pair{kChat, QStringLiteral("cenarios-chat.json")}}) {
    const ResultadoTool r = RodaTool({QStringLiteral("test"), ura, Exemplo(cenarios)});
    EXPECT_EQ(r.Codigo, 0) << r.Saida.toStdString();
    EXPECT_TRUE(r.Linhas().last().endsWith(QStringLiteral(" passed, 0 failed"))) << r.Saida.toStdString();
  }
  QTemporaryDir pasta;
  const QString arquivo = GravaArquivo(pasta, QStringLiteral("c.json"), R"([
    {"nome": "passa", "quando": "09/12/2026 10:00", "entradas": ["1"], "espera": {"codigo": "DISCAF"}},
    {"nome": "falha", "quando": "09/12/2026 10:00", "entradas": ["2"], "espera": {"fim": "fila: 99"}},
    {"nome": "local", "servicoLocal": true, "quando": "09/12/2026 10:00", "entradas": ["1"],
     "espera": {"fim": "Principal: Transfere para: 10 [acao]"}}])");
  const ResultadoTool r = RodaTool({QStringLiteral("test"), kVoz, arquivo});
  EXPECT_EQ(r.Codigo, 1);
  ASSERT_EQ(r.Linhas().size(), 4);
  EXPECT_EQ(r.Linhas()[0], u"ok passa");
  EXPECT_TRUE(r.Linhas()[1].startsWith(QStringLiteral("FALHOU falha: o fim não contém \"fila: 99\"")))
      << r.Linhas()[1].toStdString();
  EXPECT_EQ(r.Linhas()[2], u"ok local");  // described as the local service does
  EXPECT_EQ(r.Linhas()[3], u"2 passed, 1 failed");
}

TEST(SimulacaoToolTest, ExitCodes) {
  QTemporaryDir pasta;
  const QString ruim = GravaArquivo(pasta, QStringLiteral("ruim.json"), R"([{"nome": "x", "entradas": [{}]}])");
  const struct {
    QStringList Args;
    int Codigo;
    const char* Erro;  // part of stderr
  } casos[] = {
      {{QStringLiteral("simulate"), pasta.filePath(QStringLiteral("nada.xml"))}, 1, "arquivo não encontrado"},
      {{QStringLiteral("simulate"), kVoz, QStringLiteral("--at"), QStringLiteral("2026-12-09")}, 2, "dd/mm/aaaa"},
      {{QStringLiteral("simulate"), kVoz, QStringLiteral("--var"), QStringLiteral("semigual")}, 2, "NOME=VALOR"},
      {{QStringLiteral("simulate")}, 2, "faltam argumentos"},
      {{QStringLiteral("test"), kVoz}, 2, "faltam argumentos"},
      {{QStringLiteral("test"), kVoz, pasta.filePath(QStringLiteral("nada.json"))}, 1, "arquivo não encontrado"},
      {{QStringLiteral("test"), kVoz, ruim}, 1, "cenário 1: cada entrada"},
  };
  for (const auto& c : casos) {
    const ResultadoTool r = RodaTool(c.Args);
    EXPECT_EQ(r.Codigo, c.Codigo) << c.Args.join(u' ').toStdString();
    EXPECT_TRUE(r.Erro.contains(QString::fromUtf8(c.Erro))) << r.Erro.toStdString();
    EXPECT_TRUE(r.Saida.isEmpty()) << r.Saida.toStdString();
  }
  for (const char* comando : {"simulate", "test"}) {
    const ResultadoTool ajuda = RodaTool({QString::fromLatin1(comando), QStringLiteral("--help")});
    EXPECT_EQ(ajuda.Codigo, 0);
    EXPECT_TRUE(ajuda.Saida.startsWith(QStringLiteral("Uso: ura-tool ") + QString::fromLatin1(comando)));
  }
}

}  // namespace
