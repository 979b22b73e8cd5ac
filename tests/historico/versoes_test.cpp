// The user data folder and the version history on disk: where each URA's
// versions go, their order, two saves in one second, the limit; and the
// recovery copies: written whole, told apart from a live program's.
#include "versoes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "apoio.h"
#include "dac.h"
#include "recuperacao.h"

namespace {

TEST(VersoesTest, UserDataFolderFollowsTheEnvironmentInOrder) {
  TPlataformaDeTeste plat;
  const struct {
    std::vector<std::pair<const char*, const char*>> variaveis;
    QString esperado;
  } casos[] = {
      {{{"XDG_DATA_HOME", "/x"}, {"HOME", "/h"}, {"LOCALAPPDATA", "/l"}}, QStringLiteral("/x/configurador-ura")},
      {{{"HOME", "/h"}, {"LOCALAPPDATA", "/l"}}, QStringLiteral("/h/.local/share/configurador-ura")},
      {{{"LOCALAPPDATA", "/l"}, {"APPDATA", "/a"}}, QStringLiteral("/l/configurador-ura")},
      {{{"APPDATA", "/a"}}, QStringLiteral("/a/configurador-ura")},
      {{}, plat.Pasta() + QStringLiteral("/configurador-ura")},  // the settings folder
  };
  for (const auto& c : casos) {
    plat.P().Ambiente.clear();
    for (const auto& [nome, valor] : c.variaveis)
      plat.P().Ambiente[QString::fromLatin1(nome)] = QString::fromLatin1(valor);
    EXPECT_EQ(PastaDadosUsuario(), c.esperado);
  }
}

TEST(VersoesTest, NewestFirstTwoInOneSecondAndTheLimit) {
  QTemporaryDir pasta;
  THistoricoVersoes h(pasta.path());
  const QDateTime t0(QDate(2026, 12, 9), QTime(10, 0));
  ASSERT_TRUE(h.Guarda(QStringLiteral("loja"), "v1", t0, QStringLiteral("ana"), 30));
  ASSERT_TRUE(h.Guarda(QStringLiteral("loja"), "v2", t0.addSecs(5), QStringLiteral("bia"), 30));
  ASSERT_TRUE(h.Guarda(QStringLiteral("loja"), "v3", t0.addSecs(5), QStringLiteral("caio"), 30));
  ASSERT_TRUE(h.Guarda(QStringLiteral("outra"), "x", t0, QStringLiteral("ana"), 30));
  std::vector<TVersaoUra> v = h.Lista(QStringLiteral("loja"));
  ASSERT_EQ(v.size(), 3u);
  EXPECT_EQ(LeArquivo(v[0].Arquivo), QByteArray("v3"));
  EXPECT_EQ(LeArquivo(v[1].Arquivo), QByteArray("v2"));
  EXPECT_EQ(v[2].Usuario, QStringLiteral("ana"));
  EXPECT_EQ(v[2].Quando, t0);
  EXPECT_EQ(v[0].Tamanho, 2);
  EXPECT_EQ(QFileInfo(v[2].Arquivo).fileName(), QStringLiteral("2026-12-09_10-00-00.xml"));

  ASSERT_TRUE(h.Guarda(QStringLiteral("loja"), "v4", t0.addSecs(60), QStringLiteral("ana"), 2));
  v = h.Lista(QStringLiteral("loja"));
  ASSERT_EQ(v.size(), 2u);
  EXPECT_EQ(LeArquivo(v[0].Arquivo), QByteArray("v4"));
  EXPECT_EQ(QDir(h.PastaDaUra(QStringLiteral("loja"))).entryList(QDir::Files).size(), 4);  // .xml and .json
  EXPECT_EQ(h.Lista(QStringLiteral("outra")).size(), 1u);
  ASSERT_TRUE(h.Guarda(QStringLiteral("loja"), "v5", t0.addSecs(90), QStringLiteral("ana"), 0));  // none kept
  EXPECT_EQ(h.Lista(QStringLiteral("loja")).size(), 2u);
}

TEST(VersoesTest, FolderNamesKeepOnlySafeCharacters) {
  THistoricoVersoes h(QStringLiteral("/h"));
  const std::pair<const char*, const char*> casos[] = {
      {"Loja 1_a-b", "/h/Loja 1_a-b"}, {"../x", "/h/___x"}, {"a/b\\c:d", "/h/a_b_c_d"}, {"", "/h/sem-nome"}};
  for (const auto& [nome, pasta] : casos) EXPECT_EQ(h.PastaDaUra(QString::fromUtf8(nome)), QString::fromUtf8(pasta));
}

TEST(RecuperacaoTest, CopiesAreWrittenWholeAndOnlyDeadProgramsLeaveLeftOvers) {
  QTemporaryDir pasta;
  TOrigemUra origem;
  origem.NomeUra = QStringLiteral("loja");
  origem.DoServidor = true;
  origem.Servidor = QStringLiteral("10.0.0.1:5042");
  origem.ArquivoServidor = QStringLiteral("loja.xml");
  origem.Quando = QDateTime(QDate(2026, 12, 9), QTime(8, 5));
  {
    TRecuperacao viva(pasta.path());
    viva.Grava({QStringLiteral("<URA>"), QStringLiteral("</URA>")}, origem);
    viva.Espera();
    EXPECT_EQ(LeArquivo(viva.ArquivoXml()), QByteArray("<URA>\r\n</URA>\r\n"));
    TRecuperacao outra(pasta.path());
    EXPECT_TRUE(outra.Sobras().empty());  // its program still runs
    viva.Remove();
    viva.Espera();
    EXPECT_FALSE(QFile::exists(viva.ArquivoXml()));
    viva.Grava({QStringLiteral("<URA/>")}, origem);
  }  // ends as if killed after the write: no removal, the lock goes
  TRecuperacao depois(pasta.path());
  const std::vector<TSobraRecuperacao> sobras = depois.Sobras();
  ASSERT_EQ(sobras.size(), 1u);
  EXPECT_EQ(sobras[0].Origem.Descricao(), QStringLiteral("\"loja.xml\" do servidor 10.0.0.1:5042 (09/12/2026 08:05)"));
  TDAC dac;
  sobras[0].Origem.AplicaEm(dac);
  EXPECT_TRUE(dac.Servidor);
  EXPECT_EQ(dac.NomeArquivoServidor, QStringLiteral("loja.xml"));
  // Held by this object now: a third program does not see it.
  EXPECT_TRUE(TRecuperacao(pasta.path()).Sobras().empty());
  ASSERT_TRUE(TRecuperacao::Descarta(sobras[0]));
  EXPECT_TRUE(QFile::exists(pasta.filePath(QStringLiteral("descartados/") + QFileInfo(sobras[0].Xml).fileName())));
  EXPECT_TRUE(depois.Sobras().empty());
}

}  // namespace
