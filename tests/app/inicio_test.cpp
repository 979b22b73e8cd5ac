// Start-up: the command line, the mode and folders it leads to, and the
// application-wide error handler.
#include <gtest/gtest.h>

#include <QDir>
#include <new>

#include "ambiente.h"
#include "apoio.h"
#include "erros.h"
#include "linhacomando.h"

namespace {

TEST(LinhaComando, SwitchesValuesAndTheirEdgeCases) {
  struct Caso {
    QStringList args;
    bool local;
    QString pasta, arquivo;
  } casos[] = {
      {{"-S"}, true, "", ""},
      {{"-durasdir", "-Acliente.xml", "-S"}, true, "urasdir", "cliente.xml"},
      {{"-d", "urasdir"}, false, "urasdir", ""},
      {{"-d", "-S"}, false, "-S", ""},  // the "-S" is the folder
      {{"-A", "x.xml"}, false, "", "x.xml"},
      {{"-s"}, false, "", ""},                  // case-sensitive
      {{"-dum", "-ddois"}, false, "dois", ""},  // the last value wins
      {{"-S", "-d"}, true, "", ""},             // a bare switch at the end has no value
      {{"-A", "-d", "p"}, false, "", "-d"},     // "p" is ignored
      {{"-d" + QString(150, u'x')}, false, QString(100, u'x'), ""},
      {{"outro", "--S"}, false, "", ""},
  };
  for (const Caso& c : casos) {
    const TLinhaComando r = LeLinhaComando(c.args);
    EXPECT_EQ(r.Local, c.local) << c.args.join(u' ').toStdString();
    EXPECT_EQ(r.PastaTrabalho, c.pasta) << c.args.join(u' ').toStdString();
    EXPECT_EQ(r.ArquivoInicial, c.arquivo) << c.args.join(u' ').toStdString();
  }
}

class InicioTest : public TesteJanela {};

TEST_F(InicioTest, ModeFoldersAndSettingsFileFollowTheCommandLineAndTheMonitor) {
  const QString programa = Plat.Caminho(QStringLiteral("programa"));
  const QString dados = Plat.Caminho(QStringLiteral("appdata"));
  QDir().mkpath(programa);
  P().Ambiente[QStringLiteral("APPDATA")] = dados;
  P().Ambiente[QStringLiteral("USERPROFILE")] = Plat.Caminho(QStringLiteral("perfil"));

  TLinhaComando r = IniciaAmbiente({QStringLiteral("-S")}, programa);
  EXPECT_TRUE(r.Local);
  EXPECT_TRUE(Ambiente().Local);
  EXPECT_EQ(Ambiente().PastaUsuario, programa);
  EXPECT_EQ(QDir::cleanPath(Ambiente().ArquivoConfiguracao()),
            QDir::cleanPath(dados + QStringLiteral("/RORIROSonarea/Talvora.ini")));

  r = IniciaAmbiente({QStringLiteral("-d"), QStringLiteral("-S")}, programa);
  EXPECT_FALSE(r.Local);
  EXPECT_EQ(Ambiente().PastaUsuario, Plat.Caminho(QStringLiteral("perfil")));
  EXPECT_EQ(QDir::cleanPath(Ambiente().ArquivoConfiguracao()),
            QDir::cleanPath(dados + QStringLiteral("/Talvora/CliCfgUra.ini")));

  for (const char* monitor : {"monitorRORIROSonarea.exe", "monitorRORIROSonarea"}) {
    const QString m = JuntaCaminho(programa, QString::fromLatin1(monitor));
    ASSERT_TRUE(GravaArquivo(m, "x"));
    r = IniciaAmbiente({QStringLiteral("-durasdir")}, programa);
    EXPECT_TRUE(r.Local) << monitor;
    EXPECT_EQ(Ambiente().PastaUsuario, QStringLiteral("urasdir")) << monitor;
    QFile::remove(m);
  }
}

TEST_F(InicioTest, ErrorHandlerPrefixesByKindAndStaysSilentForCancellation) {
  struct Caso {
    std::function<void()> lanca;
    QString texto;  // null: no box
  } casos[] = {
      {[] { throw EDivByZero(QStringLiteral("x")); }, QStringLiteral("Erro de divisão por zero\rx")},
      {[] { throw EInOutError(QStringLiteral("disco cheio")); },
       QStringLiteral("Erro de acesso à arquivo ou dispositivo\rdisco cheio")},
      {[] { throw std::overflow_error("grande"); }, QStringLiteral("Erro de overflow\rgrande")},
      {[] { throw std::domain_error("nan"); }, QStringLiteral("Erro de operação inválida\rnan")},
      {[] { throw std::bad_alloc(); }, QStringLiteral("Erro de memória\r")},
      {[] { throw std::runtime_error("outro"); }, QStringLiteral("Erro desconhecido\routro")},
      {[] { throw 42; }, QStringLiteral("Erro desconhecido\r")},
      {[] { throw EAbort(); }, QString()},
      {[] { throw ESocketError(QStringLiteral("10061")); }, QString()},
  };
  for (const Caso& c : casos) {
    P().Caixas.clear();
    ExecutaComando(nullptr, c.lanca);
    if (c.texto.isNull()) {
      EXPECT_TRUE(P().Caixas.empty());
    } else {
      ASSERT_EQ(P().Caixas.size(), 1u) << c.texto.toStdString();
      EXPECT_EQ(P().Caixas[0].Texto, c.texto);
      EXPECT_EQ(P().Caixas[0].Titulo, QStringLiteral("Erro"));
      EXPECT_EQ(P().Caixas[0].Tipo, TTipoMensagem::Erro);
    }
  }
}

}  // namespace
