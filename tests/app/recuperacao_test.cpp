// Crash recovery: left-over copies asked about at start (kept, discarded,
// or left alone while their program still runs), and the real thing: the
// program changes a document, is killed, and the next start gets it back.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QLineEdit>
#include <QProcess>

#include "configuracao.h"
#include "edicao.h"
#include "janela.h"

namespace {

const QString kPergunta = QStringLiteral("Há alterações não salvas de ");

class RecuperacaoTest : public JanelaTest {
 protected:
  QString Pasta() const { return JuntaCaminho(PastaDadosUsuario(), QStringLiteral("recuperacao")); }
  QString Origem() const { return Plat.Caminho(QStringLiteral("teste.xml")); }

  // What a killed program leaves: the URA with another description and its
  // origin, without a live lock.
  void DeixaSobra(const QString& Nome, const QString& Descricao, int Minuto) {
    ASSERT_TRUE(QDir().mkpath(Pasta()));
    ASSERT_TRUE(GravaArquivo(Origem(), kUraTeste));
    QByteArray xml = kUraTeste;
    xml.replace("Descricao=\"Teste\"", "Descricao=\"" + Descricao.toUtf8() + '"');
    TOrigemUra o;
    o.NomeUra = QStringLiteral("teste");
    o.ArquivoLocal = Origem();
    o.Novo = false;
    o.Quando = QDateTime(QDate(2026, 12, 9), QTime(9, Minuto));
    ASSERT_TRUE(GravaArquivo(QDir(Pasta()).filePath(Nome + QStringLiteral(".xml")), xml));
    ASSERT_TRUE(
        GravaArquivo(QDir(Pasta()).filePath(Nome + QStringLiteral(".json")), QJsonDocument(o.ParaJson()).toJson()));
  }
  bool Existe(const QString& Nome) const { return QFile::exists(QDir(Pasta()).filePath(Nome)); }
};

TEST_F(RecuperacaoTest, NoMovesLeftOversAsideWithoutDeletingThem) {
  DeixaSobra(QStringLiteral("111-1"), QStringLiteral("Recuperada"), 30);
  P().Respostas = {TResposta::Nao};
  auto w = Cria();
  ASSERT_TRUE(EsperaAte([&] { return !P().Caixas.empty(); }));
  EXPECT_EQ(P().Caixas[0].Texto,
            kPergunta + u'"' + Origem() + QStringLiteral("\" (09/12/2026 09:30). Deseja recuperá-las?"));
  EXPECT_EQ(P().Caixas[0].Titulo, QStringLiteral("Recuperar alterações"));
  EXPECT_EQ(P().Caixas[0].Tipo, TTipoMensagem::SimNao);
  EXPECT_EQ(w->DacAtual(), nullptr);
  EXPECT_FALSE(Existe(QStringLiteral("111-1.xml")));
  EXPECT_TRUE(Existe(QStringLiteral("descartados/111-1.xml")));
  EXPECT_TRUE(Existe(QStringLiteral("descartados/111-1.json")));
  // Asked once: the next start finds nothing.
  auto outra = Cria();
  QCoreApplication::processEvents();
  EXPECT_EQ(P().Caixas.size(), 1u);
}

TEST_F(RecuperacaoTest, YesOpensEachAsAChangedDocumentOfItsOrigin) {
  DeixaSobra(QStringLiteral("111-1"), QStringLiteral("Primeira"), 10);
  DeixaSobra(QStringLiteral("222-1"), QStringLiteral("Segunda"), 20);
  auto w = Cria();
  ASSERT_TRUE(EsperaAte([&] { return w->DacAtual() != nullptr; }));
  ASSERT_EQ(P().Caixas.size(), 1u);  // one question for both
  EXPECT_TRUE(P().Caixas[0].Texto.contains(QStringLiteral("(09/12/2026 09:10), \"")));
  TDAC* dac = w->DacAtual();
  EXPECT_EQ(dac->Descricao, QStringLiteral("Primeira"));  // the oldest first
  EXPECT_EQ(dac->NomeArquivoLocal, Origem());
  EXPECT_FALSE(dac->Novo);
  EXPECT_TRUE(w->DacAlterado());
  EXPECT_EQ(LeArquivo(Origem()), kUraTeste);
  // This session keeps its own copy; the left-over it came from is gone.
  w->Edicao->Recuperacao().Espera();
  EXPECT_TRUE(QFile::exists(w->Edicao->Recuperacao().ArquivoXml()));
  EXPECT_EQ(QDir(Pasta()).entryList({QStringLiteral("*.xml")}, QDir::Files).size(), 2);

  // Saved: the file it replaced goes to the history, the copy goes.
  w->mnuSalvarClick();
  const std::vector<TVersaoUra> versoes = w->Edicao->Versoes().Lista(QStringLiteral("teste"));
  ASSERT_EQ(versoes.size(), 1u);
  EXPECT_EQ(LeArquivo(versoes[0].Arquivo), kUraTeste);
  w->Edicao->Recuperacao().Espera();
  EXPECT_FALSE(QFile::exists(w->Edicao->Recuperacao().ArquivoXml()));

  // Closed: the second one opens.
  w->mnuFecharClick();
  ASSERT_TRUE(EsperaAte([&] { return w->DacAtual() != nullptr; }));
  EXPECT_EQ(w->DacAtual()->Descricao, QStringLiteral("Segunda"));
  EXPECT_TRUE(w->DacAlterado());
}

TEST_F(RecuperacaoTest, TheCopyOfAProgramStillRunningIsLeftAlone) {
  TRecuperacao outra(Pasta());
  outra.Grava({QStringLiteral("<URA/>")}, TOrigemUra());
  outra.Espera();
  auto w = Cria();
  QCoreApplication::processEvents();
  EXPECT_TRUE(P().Caixas.empty());
  EXPECT_TRUE(QFile::exists(outra.ArquivoXml()));
}

TEST_F(RecuperacaoTest, CopiesFollowChangesAndGoWithTheDocument) {
  TConfiguracao(QStringLiteral("Recuperacao")).GravaInteiro(QStringLiteral("Intervalo"), 0);
  auto w = CriaComUra();
  TRecuperacao& r = w->Edicao->Recuperacao();
  const struct {
    const char* passo;
    std::function<void()> faz;
    bool copia;
  } passos[] = {
      {"alterada", [&] { w->edDescricaoDAC->setText(QStringLiteral("Outra")); }, true},
      {"desfeita", [&] { w->Edicao->mnuDesfazer->trigger(); }, false},
      {"refeita", [&] { w->Edicao->mnuRefazer->trigger(); }, true},
      {"salva", [&] { w->mnuSalvarClick(); }, false},
      {"alterada de novo", [&] { w->edDescricaoDAC->setText(QStringLiteral("Mais uma")); }, true},
      {"fechada sem salvar",
       [&] {
         P().Respostas = {TResposta::Nao};
         w->mnuFecharClick();
       },
       false},
  };
  for (const auto& p : passos) {
    SCOPED_TRACE(p.passo);
    p.faz();
    // The copy's timer (interval 0) runs on the event loop.
    EXPECT_TRUE(EsperaAte([&] {
      r.Espera();
      return QFile::exists(r.ArquivoXml()) == p.copia;
    }));
  }
}

TEST_F(RecuperacaoTest, AKilledProgramsChangeIsRecoveredAtTheNextStart) {
  QTemporaryDir raiz;
  const QString uras = raiz.filePath(QStringLiteral("uras"));
  const QString dados = raiz.filePath(QStringLiteral("dados"));
  const QString config = raiz.filePath(QStringLiteral("config"));
  ASSERT_TRUE(QDir().mkpath(uras) && QDir().mkpath(config + QStringLiteral("/RORIROSonarea")));
  ASSERT_TRUE(GravaArquivo(uras + QStringLiteral("/teste.xml"), kUraTeste));
  // A copy as soon as the document changes.
  ASSERT_TRUE(GravaArquivo(config + QStringLiteral("/RORIROSonarea/Talvora.ini"), "[Recuperacao]\nIntervalo=0\n"));
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* v : {"APPDATA", "LOCALAPPDATA", "USERPROFILE", "TEMP"}) env.remove(QString::fromLatin1(v));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("HOME"), raiz.filePath(QStringLiteral("home")));
  env.insert(QStringLiteral("XDG_DATA_HOME"), dados);
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
  env.insert(QStringLiteral("TMPDIR"), raiz.path());
  env.insert(QStringLiteral("CONFIGURADOR_URA_TESTE_DESCRICAO"), QStringLiteral("Alterada antes da queda"));
  QProcess programa;
  programa.setProcessEnvironment(env);
  programa.start(QStringLiteral(URA_PROGRAMA),
                 {QStringLiteral("-S"), QStringLiteral("-d"), uras, QStringLiteral("-Ateste.xml")});
  ASSERT_TRUE(programa.waitForStarted(kPrazoTesteMs));
  const QDir pasta(dados + QStringLiteral("/configurador-ura/recuperacao"));
  // The copy is complete once its origin is there (it is written second).
  ASSERT_TRUE(EsperaAte([&] {
    return !pasta.entryList({QStringLiteral("*.json")}, QDir::Files).isEmpty() ||
           programa.state() == QProcess::NotRunning;
  })) << programa.readAllStandardError().toStdString();
  ASSERT_EQ(programa.state(), QProcess::Running) << programa.readAllStandardError().toStdString();
  programa.kill();  // SIGKILL: nothing of the program runs any more
  ASSERT_TRUE(programa.waitForFinished(kPrazoTesteMs));
  EXPECT_EQ(programa.exitStatus(), QProcess::CrashExit);
  const QStringList copias = pasta.entryList({QStringLiteral("*.xml")}, QDir::Files);
  ASSERT_EQ(copias.size(), 1);
  EXPECT_TRUE(LeArquivo(pasta.filePath(copias[0])).contains("Alterada antes da queda"));

  // The next start (this process, its question answered Yes).
  P().Ambiente[QStringLiteral("XDG_DATA_HOME")] = dados;
  auto w = Cria(true);
  ASSERT_TRUE(EsperaAte([&] { return w->DacAtual() != nullptr; }));
  ASSERT_FALSE(P().Caixas.empty());
  EXPECT_TRUE(P().Caixas[0].Texto.startsWith(kPergunta + u'"' + uras + QStringLiteral("/teste.xml\" (")))
      << P().Caixas[0].Texto.toStdString();
  EXPECT_EQ(w->DacAtual()->Descricao, QStringLiteral("Alterada antes da queda"));
  EXPECT_EQ(w->DacAtual()->NomeArquivoLocal, uras + QStringLiteral("/teste.xml"));
  EXPECT_TRUE(w->DacAtual()->RORIRO);  // a document of local mode
  EXPECT_TRUE(w->DacAlterado());
  EXPECT_EQ(LeArquivo(uras + QStringLiteral("/teste.xml")), kUraTeste);
  EXPECT_FALSE(pasta.exists(copias[0]));
}

}  // namespace
