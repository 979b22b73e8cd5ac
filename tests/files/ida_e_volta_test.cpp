// A save reads back as what was read: files with tabs, line feeds and
// carriage returns in attribute values and texts, and random documents.
#include <random>

#include "apoio.h"
#include "uraxml_apoio.h"

namespace {

class IdaEVolta : public UraXmlTeste {
 protected:
  // Reads Texto, writes it, reads that back and writes again.
  void DuasGravacoes(const QString& Texto, TDAC& Primeiro, TDAC& Segundo, QString& Gravacao1, QString& Gravacao2) {
    ASSERT_TRUE(Ler(Texto, Primeiro));
    Gravacao1 = Escreve(Primeiro);
    ASSERT_TRUE(Ler(Gravacao1, Segundo));
    Gravacao2 = Escreve(Segundo);
  }
};

QString Dados(const QString& Nome) { return QString::fromUtf8(LeArquivo(QStringLiteral(URA_DADOS_TESTE "/") + Nome)); }

TEST_F(IdaEVolta, FilesWithBreaksInValuesSaveUnchanged) {
  for (const QString& nome : {QStringLiteral("tab-no-nome-do-menu.xml"), QStringLiteral("quebras-de-linha.xml")}) {
    SCOPED_TRACE(nome.toStdString());
    TDAC lido, relido;
    QString g1, g2;
    DuasGravacoes(Dados(nome), lido, relido, g1, g2);
    EXPECT_EQ(g1.toStdString(), g2.toStdString());
    EXPECT_EQ(Linhas(ConteudoCompleto(lido)), Linhas(ConteudoCompleto(relido)));
  }
}

TEST_F(IdaEVolta, ATabInAMenuNameKeepsItsGoToTargets) {
  TDAC lido, relido;
  QString g1, g2;
  DuasGravacoes(Dados(QStringLiteral("tab-no-nome-do-menu.xml")), lido, relido, g1, g2);
  const QString nome = QStringLiteral("M\t1");
  EXPECT_EQ(relido.MenuInicial, nome);
  ASSERT_EQ(relido.ListaMenus->Count(), 1);
  EXPECT_EQ(relido.ListaMenus->GetItem(0)->Nome, nome);
  EXPECT_EQ(relido.ListaMenus->GetItem(0)->Final->ListaAcao->GetItem(0)->GetValor(), nome);
  EXPECT_TRUE(g1.contains(QStringLiteral("<Menu Nome=\"M&#x9;1\">"))) << g1.toStdString();
}

// Hour 0 is a set hour: start and end times at midnight are written and read.
TEST_F(IdaEVolta, MidnightTimesSurviveWriteAndRead) {
  const struct {
    const char *Ini, *Fim, *Horario;
  } casos[] = {{"22:00", "00:30", "Das 22:00 às 00:30"},
               {"00:00", "06:00", "Das 00:00 às 06:00"},
               {"23:59", "00:00", "Das 23:59 às 00:00"}};
  for (const auto& c : casos) {
    TDAC dac;
    auto menu = std::make_unique<TMenuUra>(&dac, QStringLiteral("M"));
    auto cond = std::make_unique<TMUCondicao>(&dac);
    cond->SetStrHoraIni(QString::fromLatin1(c.Ini));
    cond->SetStrHoraFim(QString::fromLatin1(c.Fim));
    cond->SetStrHoraIniPeriodo(QString::fromLatin1(c.Fim));
    cond->SetStrHoraFimPeriodo(QString::fromLatin1(c.Ini));
    menu->ListaCondicoes->Add(std::move(cond));
    dac.ListaMenus->Add(std::move(menu));
    TDAC lido;
    ASSERT_TRUE(Ler(Escreve(dac), lido));
    const TMUCondicao* relida = lido.ListaMenus->GetItem(0)->ListaCondicoes->GetItem(0);
    EXPECT_EQ(relida->GetStrHorario(), QString::fromUtf8(c.Horario));
    EXPECT_EQ(relida->GetStrHoraIniPeriodo(), QString::fromLatin1(c.Fim));
    EXPECT_EQ(relida->GetStrHoraFimPeriodo(), QString::fromLatin1(c.Ini));
  }
}

// A file saved by an earlier version: its scrambled audit fields read back
// only while the key bytes, seeds and chaining stay the same.
TEST_F(IdaEVolta, StoredScrambledHeaderReadsBack) {
  TDAC dac;
  dac.RORIRO = true;
  ASSERT_TRUE(Xml.LerXML(Doc, &dac, QStringLiteral(URA_DADOS_TESTE "/cabecalho-embaralhado.xml")));
  EXPECT_EQ(dac.GetCriadoEmStr(), QStringLiteral("09/12/2026 17:45"));
  EXPECT_EQ(dac.CriadoPor, QStringLiteral("operador"));
  EXPECT_EQ(dac.GetModificadoEmStr(), QStringLiteral("09/12/2026 17:45"));
  EXPECT_EQ(dac.ModificadoPor, QStringLiteral("Ação"));
}

// Random documents whose texts hold markup characters, blanks at the ends,
// line breaks of every kind, accents and characters beyond the BMP.
class Aleatorio {
 public:
  explicit Aleatorio(unsigned Semente) : Rng(Semente) {}

  QString Texto() {
    static const QStringList pecas = {QStringLiteral("a"),  QStringLiteral("Z"),    QStringLiteral("7"),
                                      QStringLiteral(" "),  QStringLiteral("\t"),   QStringLiteral("\n"),
                                      QStringLiteral("\r"), QStringLiteral("\r\n"), QStringLiteral("&"),
                                      QStringLiteral("<"),  QStringLiteral(">"),    QStringLiteral("\""),
                                      QStringLiteral("'"),  QStringLiteral("ção"),  QStringLiteral("€"),
                                      QStringLiteral("😀"),  QStringLiteral("&#xA;")};
    QString s;
    for (int n = Entre(0, 8); n > 0; --n) s += pecas[Entre(0, int(pecas.size()) - 1)];
    return s;
  }

  void Monta(TDAC& Dac) {
    Dac.Nome = Texto();
    Dac.Descricao = Texto();
    Dac.TipoAtendimento = Texto();
    for (int i = Entre(1, 3); i > 0; --i) {
      auto m = std::make_unique<TMenuUra>(&Dac, Texto() + QString::number(i));
      m->Descricao = Texto();
      m->OpcaoTimeout->Tempo = 5;
      auto c = std::make_unique<TMUCondicao>(&Dac);
      auto v = std::make_unique<TMUCondicaoVar>();
      v->Variavel = Texto();
      v->Tipo = QStringLiteral("=");
      v->Valor = Texto();
      c->ListaCondicaoVar->Add(std::move(v));
      c->ListaCondicaoVar->Tipo = Entre(1, 2);
      m->ListaCondicoes->Add(std::move(c));
      auto o = std::make_unique<TMUOpcao>(&Dac, 3, QStringLiteral("x"));
      o->ComecaCom = Texto();
      o->Contem = Texto();
      o->TerminaCom = Texto();
      o->TextoAlfaAdicional = Texto();
      m->ListaOpcoes->Add(std::move(o));
      auto a = std::make_unique<TMUAcao>(&Dac, QStringLiteral("VAIPARA"));
      a->SetValor(m->Nome);
      a->Variavel = Texto();
      m->Final->ListaAcao->Add(std::move(a));
      Dac.ListaMenus->Add(std::move(m));
    }
    Dac.MenuInicial = Dac.ListaMenus->GetItem(0)->Nome;
  }

 private:
  int Entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(Rng); }
  std::mt19937 Rng;
};

TEST_F(IdaEVolta, RandomDocumentsReadBackEqual) {
  for (unsigned semente = 1; semente <= 300; ++semente) {
    SCOPED_TRACE(semente);
    TDAC original;
    Aleatorio(semente).Monta(original);
    const QString g1 = Escreve(original);
    TDAC lido;
    ASSERT_TRUE(Ler(g1, lido));
    EXPECT_EQ(Escreve(lido).toStdString(), g1.toStdString());
    EXPECT_EQ(Linhas(ConteudoCompleto(lido)), Linhas(ConteudoCompleto(original)));
    if (HasFailure()) break;
  }
}

}  // namespace
