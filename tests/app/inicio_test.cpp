// Start-up: the command line, the mode and folders it leads to, and the
// application-wide error handler.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QTranslator>
#include <new>

#include "ambiente.h"
#include "aplicacao.h"
#include "erros.h"
#include "janela.h"
#include "linhacomando.h"

namespace {

TEST(LinhaComando, SwitchesValuesAndTheirEdgeCases) {
  struct Caso {
    QStringList args;
    bool local;
    QString pasta, arquivo, aberto = {};
    bool ajuda = false, versao = false;
  } casos[] = {
      {{"-S"}, true, "", ""},
      {{"-durasdir", "-Acliente.xml", "-S"}, true, "urasdir", "cliente.xml"},
      {{"-d", "urasdir"}, false, "urasdir", ""},
      {{"-d", "-S"}, false, "-S", ""},  // the "-S" is the folder
      {{"-A", "x.xml"}, false, "", "x.xml"},
      {{"-s"}, false, "", ""},                    // case-sensitive
      {{"-dum", "-ddois"}, false, "dois", ""},    // the last value wins
      {{"-S", "-d"}, true, "", ""},               // a bare switch at the end has no value
      {{"-A", "-d", "p"}, false, "", "-d", "p"},  // "p" is a file handed over
      {{"-d" + QString(150, u'x')}, false, QString(100, u'x'), ""},
      {{"outro", "--S"}, false, "", "", "outro"},  // a path without a switch: a file handed over
      {{"/uras/a.xml", "-d", "b.xml"}, false, "b.xml", "", "/uras/a.xml"},
      {{"-h"}, false, "", "", "", true},
      {{"-S", "--help"}, true, "", "", "", true},
      {{"--version"}, false, "", "", "", false, true},
      {{"-A", "--help"}, false, "", "--help"},  // a value, not a switch
  };
  for (const Caso& c : casos) {
    const TLinhaComando r = LeLinhaComando(c.args);
    EXPECT_EQ(r.Local, c.local) << c.args.join(u' ').toStdString();
    EXPECT_EQ(r.PastaTrabalho, c.pasta) << c.args.join(u' ').toStdString();
    EXPECT_EQ(r.ArquivoInicial, c.arquivo) << c.args.join(u' ').toStdString();
    EXPECT_EQ(r.ArquivoAberto, c.aberto) << c.args.join(u' ').toStdString();
    EXPECT_EQ(r.Ajuda, c.ajuda) << c.args.join(u' ').toStdString();
    EXPECT_EQ(r.Versao, c.versao) << c.args.join(u' ').toStdString();
  }
  EXPECT_TRUE(TextoAjuda().contains(QStringLiteral("-S")));
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

TEST_F(JanelaTest, AFileHandedOverOpensInLocalModeInItsFolder) {
  const QString pasta = Plat.Caminho(QStringLiteral("uras"));
  QDir().mkpath(pasta);
  ASSERT_TRUE(GravaArquivo(pasta + QStringLiteral("/cliente.xml"), kUraTeste));
  P().Ambiente[QStringLiteral("APPDATA")] = Plat.Caminho(QStringLiteral("appdata"));

  const TLinhaComando r = IniciaAmbiente({pasta + QStringLiteral("/cliente.xml")}, Plat.Caminho(QStringLiteral("p")));
  EXPECT_TRUE(r.Local);
  EXPECT_EQ(Ambiente().PastaUsuario, pasta);
  EXPECT_EQ(r.ArquivoInicial, QStringLiteral("cliente.xml"));
  TfrmMain w(r);
  ASSERT_NE(w.DacAtual(), nullptr);
  EXPECT_EQ(w.DacAtual()->NomeArquivoLocal, pasta + QStringLiteral("/cliente.xml"));
  EXPECT_TRUE(w.DacAtual()->RORIRO);
  EXPECT_TRUE(P().Caixas.empty());

  // A file that is not there: the usual box, and why.
  const TLinhaComando falta = IniciaAmbiente({pasta + QStringLiteral("/falta.xml")}, Plat.Caminho(QStringLiteral("p")));
  TfrmMain v(falta);
  EXPECT_EQ(v.DacAtual(), nullptr);
  ASSERT_EQ(P().Caixas.size(), 1u);
  EXPECT_EQ(P().Caixas[0].Titulo, QStringLiteral("Abrir arquivo URA"));
  EXPECT_TRUE(P().Caixas[0].Texto.startsWith(QStringLiteral("Ocorreu um erro ao abrir o arquivo.")));
  EXPECT_TRUE(P().Caixas[0].Texto.contains(QStringLiteral("falta.xml")));
}

TEST(Aplicacao, CaptionsAsGivenAndQtSpeaksPortuguese) {
  const bool traduzido = PreparaAplicacao();
  // Qt appends a display name to every caption; none is set.
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
  EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("configurador-ura"));
  EXPECT_TRUE(traduzido) << "no qtbase_pt_BR.qm or qtbase_pt.qm in the Qt translations folder";
  QDialogButtonBox botoes(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  EXPECT_EQ(botoes.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancelar"));
  // The other tests of this program keep Qt's own texts.
  for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(t);
    delete t;
  }
}

}  // namespace
