// The simulator against scenario files (both examples and hand-made URAs in
// cenarios/: every action code, every section jump, attempts, timeouts,
// variables, loops, the step bound), the loops the check reports, and a
// property test over random documents and answers.
#include "simulacao.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>

#include "UTMenuUra.h"
#include "UTXMLDac.h"
#include "apoio.h"
#include "cenario.h"
#include "ura_sorteada.h"
#include "xmldocument.h"

namespace {

QString Cenarios(const QString& Nome) { return QStringLiteral(URA_CENARIOS_DIR "/") + Nome; }
QString Exemplo(const QString& Nome) { return QStringLiteral(URA_EXAMPLES_DIR "/") + Nome; }

std::unique_ptr<TDAC> LeURA(const QString& Arquivo) {
  auto dac = std::make_unique<TDAC>();
  TXMLDocument doc;
  TXMLDac xml;
  EXPECT_TRUE(xml.LerXML(doc, dac.get(), Arquivo)) << Arquivo.toStdString();
  return dac;
}

std::vector<TCenario> LeArquivoCenarios(const QString& Arquivo) {
  std::vector<TCenario> cenarios;
  QString erro;
  EXPECT_TRUE(LeCenarios(LeArquivo(Arquivo), cenarios, &erro)) << Arquivo.toStdString() << ": " << erro.toStdString();
  return cenarios;
}

// Every scenario of the file passes; scenarios without a moment run on a
// Wednesday morning, so that no test depends on the day it runs.
void RodaArquivo(const QString& Ura, const QString& Json) {
  TInfoAuxiliarLimpa limpa;
  const auto dac = LeURA(Ura);
  const TSimulacao sim(*dac);
  const auto cenarios = LeArquivoCenarios(Json);
  EXPECT_FALSE(cenarios.empty());
  for (TCenario c : cenarios) {
    if (!c.Quando.isValid()) c.Quando = QDateTime(QDate(2026, 12, 9), QTime(10, 0));
    const TResultadoSimulacao r = sim.Executa(c);
    const QStringList falhas = c.Confere(r);
    EXPECT_TRUE(falhas.isEmpty()) << Json.toStdString() << ": " << c.Nome.toStdString() << ": "
                                  << falhas.join(QStringLiteral("; ")).toStdString();
    ASSERT_FALSE(r.Passos.empty());
    EXPECT_EQ(r.Passos.back().Tipo, TTipoPasso::Fim);
    EXPECT_LE(int(r.Passos.size()), c.LimitePassos);
  }
}

TEST(SimulacaoTest, ExampleScenariosPass) {
  RodaArquivo(Exemplo(QStringLiteral("atendimento-voz.xml")), Exemplo(QStringLiteral("cenarios-voz.json")));
  RodaArquivo(Exemplo(QStringLiteral("atendimento-chat.xml")), Exemplo(QStringLiteral("cenarios-chat.json")));
}

TEST(SimulacaoTest, HandMadeScenariosPass) {
  const QStringList urAs = QDir(Cenarios(QString())).entryList({QStringLiteral("*.xml")}, QDir::Files);
  ASSERT_GE(urAs.size(), 4);
  for (const QString& xml : urAs) {
    SCOPED_TRACE(xml.toStdString());
    RodaArquivo(Cenarios(xml), Cenarios(xml.chopped(4) + QStringLiteral(".json")));
  }
}

// A failed expectation says what was wrong; a scenario file with a mistake is
// refused with the scenario and member named.
TEST(SimulacaoTest, ExpectationsAndScenarioFilesSayWhatIsWrong) {
  const auto dac = LeURA(Exemplo(QStringLiteral("atendimento-voz.xml")));
  TCenario c;
  c.Quando = QDateTime(QDate(2026, 12, 9), QTime(10, 0));
  c.Entradas = {QStringLiteral("1")};
  c.Espera.Codigo = QStringLiteral("DESLIGA");
  c.Espera.Fim = QStringLiteral("fila: 99");
  c.Espera.Menus = {QStringLiteral("Principal"), QStringLiteral("Inicio")};
  c.Espera.Mensagens = {QStringLiteral("menu_principal"), QStringLiteral("bemvindo")};
  const QStringList falhas = c.Confere(TSimulacao(*dac).Executa(c));
  ASSERT_EQ(falhas.size(), 4) << falhas.join(u'\n').toStdString();
  EXPECT_TRUE(falhas[0].contains(QStringLiteral("\"fila: 99\""))) << falhas[0].toStdString();
  EXPECT_TRUE(falhas[1].contains(QStringLiteral("\"DISCAF\""))) << falhas[1].toStdString();
  EXPECT_TRUE(falhas[2].contains(QStringLiteral("\"Inicio\""))) << falhas[2].toStdString();
  EXPECT_TRUE(falhas[3].contains(QStringLiteral("\"bemvindo\""))) << falhas[3].toStdString();

  const struct {
    const char* Json;
    const char* Erro;
  } errados[] = {
      {"{}", "lista de cenários"},
      {"[1", "JSON inválido"},
      {R"([{"nome": "a"}, {"entradas": []}])", "cenário 2: \"nome\""},
      {R"([{"nome": "a", "quando": "2026-12-09"}])", "\"quando\""},
      {R"([{"nome": "a", "entradas": [true]}])", "entrada"},
      {R"([{"nome": "a", "espera": {"fin": "x"}}])", "\"fin\""},
      {R"([{"nome": "a", "limite": 0}])", "\"limite\""},
      {R"([{"nome": "a", "variaveis": {"x": []}}])", "\"x\""},
  };
  for (const auto& e : errados) {
    std::vector<TCenario> lidos;
    QString erro;
    EXPECT_FALSE(LeCenarios(QByteArray(e.Json), lidos, &erro)) << e.Json;
    EXPECT_TRUE(erro.contains(QString::fromUtf8(e.Erro))) << e.Json << " -> " << erro.toStdString();
  }
}

// Written and read back, a scenario is the same; appending keeps the others.
TEST(SimulacaoTest, ScenariosAreAppendedToTheirFile) {
  TPlataformaDeTeste plat;
  TCenario c;
  c.Nome = QStringLiteral("ida e volta");
  c.Quando = QDateTime(QDate(2026, 1, 2), QTime(3, 4));
  c.Feriado = true;
  c.Variaveis = {{QStringLiteral("x"), QStringLiteral("1")}};
  c.Entradas = {QStringLiteral("12"), std::nullopt};
  c.LimitePassos = 50;
  c.ServicoLocal = true;
  c.Espera.Fim = QStringLiteral("fim");
  c.Espera.Codigo = QString();
  c.Espera.Menus = {QStringLiteral("A")};
  const QString arquivo = plat.Caminho(QStringLiteral("cenarios.json"));
  QString erro;
  ASSERT_TRUE(AcrescentaCenario(arquivo, c, &erro)) << erro.toStdString();
  ASSERT_TRUE(AcrescentaCenario(arquivo, c, &erro)) << erro.toStdString();
  const auto lidos = LeArquivoCenarios(arquivo);
  ASSERT_EQ(lidos.size(), 2u);
  EXPECT_EQ(lidos[1].ParaJson(), c.ParaJson());
  EXPECT_EQ(lidos[1].Entradas, c.Entradas);
  EXPECT_EQ(lidos[1].Espera.Codigo, std::optional<QString>(QString()));

  ASSERT_TRUE(GravaArquivo(arquivo, "não é JSON"));
  EXPECT_FALSE(AcrescentaCenario(arquivo, c, &erro));
  EXPECT_EQ(LeArquivo(arquivo), QByteArray("não é JSON"));  // nothing lost
}

// The finaliser key is not part of the number DISCAOP dials; keys typed so
// far that choose nothing yet leave the call awaiting more.
TEST(SimulacaoTest, TypedNumberAndKeysStillComing) {
  TDAC dac;
  dac.MenuInicial = QStringLiteral("M");
  auto m = std::make_unique<TMenuUra>(&dac, QStringLiteral("M"));
  auto o = std::make_unique<TMUOpcao>(&dac, QStringLiteral("9XXX"));
  o->DigitoFinalizador = QStringLiteral("#");
  o->PodeMenosDigitos = true;
  o->QtdeMinOpcaoValida = 2;
  o->ListaAcao->Add(std::make_unique<TMUAcao>(&dac, QStringLiteral("DISCAOP")));
  m->ListaOpcoes->Add(std::move(o));
  dac.ListaMenus->Add(std::move(m));
  const TSimulacao sim(dac);

  TCenario c;
  c.Entradas = {QStringLiteral("91#")};
  TResultadoSimulacao r = sim.Executa(c);
  EXPECT_EQ(r.Fim.Codigo, u"DISCAOP");
  EXPECT_EQ(r.Fim.Valor, u"91");

  c.Entradas = {QStringLiteral("91")};
  c.UltimaIncompleta = true;
  r = sim.Executa(c);
  EXPECT_TRUE(r.AguardaMaisTeclas);
  EXPECT_EQ(r.Fim.Motivo, MotivoFim::SemEntradas);
  c.UltimaIncompleta = false;  // the keys are all there is: fewer digits are allowed
  r = sim.Executa(c);
  EXPECT_FALSE(r.AguardaMaisTeclas);
  EXPECT_EQ(r.Fim.Valor, u"91");
}

TEST(SimulacaoTest, LoopsThatNeedNoAnswerAreFoundWithoutRunning) {
  const auto dac = LeURA(Cenarios(QStringLiteral("lacos.xml")));
  const std::vector<TLacoSemEntrada> lacos = LacosSemEntrada(*dac);
  QStringList caminhos;
  for (const TLacoSemEntrada& l : lacos) {
    caminhos << l.Caminho;
    EXPECT_EQ(l.IndiceMenu, *std::min_element(l.Menus.begin(), l.Menus.end()));
  }
  // K's condition may end the call and H awaits answers: neither is reported.
  EXPECT_EQ(caminhos, QStringList({QStringLiteral("A (Final) → B (Final) → A (Final)"),
                                   QStringLiteral("G: Início → Opções → Final → Início")}));
  EXPECT_TRUE(LacosSemEntrada(*LeURA(Exemplo(QStringLiteral("atendimento-voz.xml")))).empty());
}

TEST(SimulacaoTest, VariablesADocumentUses) {
  TInfoAuxiliarLimpa limpa;
  EXPECT_EQ(VariaveisDoDocumento(*LeURA(Exemplo(QStringLiteral("atendimento-voz.xml")))),
            (QStringList{"CALLERID", "consumo", "periodo", "saudacao", "servico"}));
  EXPECT_EQ(VariaveisDoDocumento(*LeURA(Cenarios(QStringLiteral("acoes.xml")))),
            (QStringList{"CALLERID", "conta", "fila", "lista", "ret", "vazia", "x"}));
}

// Any document and answers: the call ends, within the bound, the same way
// twice, and what it reports is consistent.
TEST(SimulacaoTest, RandomDocumentsAlwaysEndWithinTheBound) {
  TInfoAuxiliarLimpa limpa;
  TSorteio s(20261209);
  const QStringList motivos = {MotivoFim::Acao, MotivoFim::SemEntradas, MotivoFim::LimitePassos,
                               MotivoFim::Laco, MotivoFim::Encerrada,   MotivoFim::MenuInexistente};
  QSet<QString> vistos;
  for (int n = 0; n < 1500; ++n) {
    TDAC dac;
    SorteiaURA(s, dac);
    TCenario c;
    c.Quando = QDateTime(QDate(2026, 12, s.Entre(1, 31)), QTime(s.Entre(0, 23), s.Entre(0, 59)));
    c.Feriado = s.Moeda();
    if (s.Moeda()) c.Variaveis.insert(QStringLiteral("a"), s.Um({"1", "10", "x"}));
    c.Entradas = SorteiaEntradas(s, dac.UraChat(), 8);
    c.UltimaIncompleta = s.Moeda(4);
    c.LimitePassos = s.Moeda(3) ? s.Entre(1, 40) : kLimitePassosPadrao;

    const TSimulacao sim(dac);
    const TResultadoSimulacao r = sim.Executa(c);
    ASSERT_FALSE(r.Passos.empty());
    ASSERT_LE(int(r.Passos.size()), c.LimitePassos);
    EXPECT_EQ(r.Passos.back().Tipo, TTipoPasso::Fim);
    EXPECT_EQ(r.Passos.back().Texto, r.Fim.Texto);
    ASSERT_TRUE(motivos.contains(r.Fim.Motivo)) << r.Fim.Texto.toStdString();
    vistos.insert(r.Fim.Motivo);
    EXPECT_LE(size_t(r.RespostasUsadas), c.Entradas.size());
    if (r.Fim.Motivo != MotivoFim::Acao && r.Fim.Motivo != MotivoFim::MenuInexistente) {
      EXPECT_TRUE(r.Fim.Codigo.isEmpty()) << r.Fim.Texto.toStdString();
    }
    for (const TPasso& p : r.Passos)
      if (p.Tipo == TTipoPasso::Menu) {
        EXPECT_EQ(p.Menu, dac.ListaMenus->GetItem(p.IndiceMenu)->Nome);
      }

    const TResultadoSimulacao r2 = sim.Executa(c);
    ASSERT_EQ(r2.Passos.size(), r.Passos.size());
    for (size_t i = 0; i < r.Passos.size(); ++i) ASSERT_EQ(r2.Passos[i].GetStrLinha(), r.Passos[i].GetStrLinha());
    EXPECT_EQ(r2.Mensagens, r.Mensagens);
  }
  // The random documents reach every kind of end.
  EXPECT_EQ(vistos, QSet<QString>(motivos.cbegin(), motivos.cend()));
}

}  // namespace
