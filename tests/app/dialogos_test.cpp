// The connection dialog and the URA selection.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "UfrmConectar.h"
#include "UfrmSelecionarUra.h"
#include "configuracao.h"
#include "erros.h"
#include "janela.h"

namespace {

class DialogosTest : public TesteJanela {};

TEST_F(DialogosTest, ConnectionSettingsPasswordAndPort) {
  {
    TfrmConectar d;
    d.LeConfiguracaoConexao();
    EXPECT_EQ(d.lbEdPorta->text(), QStringLiteral("5042"));
    EXPECT_EQ(d.CampoInicial(), d.lbedIP);
  }
  {
    TConfiguracao cfg(QStringLiteral("Conexao"));
    cfg.GravaTexto(QStringLiteral("IP"), QStringLiteral("10.0.0.1"));
    cfg.GravaTexto(QStringLiteral("Usuario"), QStringLiteral("ana"));
    cfg.GravaTexto(QStringLiteral("Senha"), QStringLiteral("segredo"));
    cfg.GravaBool(QStringLiteral("SalvarSenha"), false);
  }
  TfrmConectar d;
  d.LeConfiguracaoConexao();
  EXPECT_TRUE(d.lbedSenha->text().isEmpty());
  EXPECT_EQ(d.CampoInicial(), d.lbedSenha);
  EXPECT_FALSE(d.ComboBoxConexao->isEnabled());

  struct Caso {
    QString porta;
    int esperada;
  } casos[] = {{"abc", 5038}, {"6000", 6000}, {"", 5038}, {"70000", 5038}};
  for (const Caso& c : casos) {
    d.lbEdPorta->setText(c.porta);
    EXPECT_EQ(d.LeCampos().Porta, c.esperada) << c.porta.toStdString();
  }

  // "Conectar": settings written, the main window asked to disconnect, then to connect.
  QStringList passos;
  TCfgConexao usada;
  d.Desconectar = [&] { passos << QStringLiteral("desconectar"); };
  d.Conectar = [&](const TCfgConexao& c) {
    passos << QStringLiteral("conectar");
    usada = c;
  };
  d.lbEdPorta->setText(QStringLiteral("abc"));
  d.lbedSenha->setText(QStringLiteral("nova"));
  d.CheckBox1->setChecked(true);
  d.btConectar->click();
  EXPECT_EQ(passos, (QStringList{QStringLiteral("desconectar"), QStringLiteral("conectar")}));
  EXPECT_EQ(usada.Porta, 5038);
  EXPECT_FALSE(d.btConectar->isEnabled());
  TConfiguracao cfg(QStringLiteral("Conexao"));
  EXPECT_EQ(cfg.LeTexto(QStringLiteral("Porta")), QStringLiteral("abc"));
  EXPECT_EQ(cfg.LeTexto(QStringLiteral("Senha")), QStringLiteral("nova"));

  // A cancelled disconnection stops the connection.
  passos.clear();
  d.HabilitaBotoes(true);
  d.Desconectar = [] { throw EAbort(); };
  d.btConectar->click();
  EXPECT_TRUE(passos.isEmpty());
  EXPECT_TRUE(d.btConectar->isEnabled());
}

TEST_F(DialogosTest, ConnectingWithoutSaveNeverWritesThePassword) {
  {
    TConfiguracao cfg(QStringLiteral("Conexao"));
    cfg.GravaTexto(QStringLiteral("Senha"), QStringLiteral("antiga"));
    cfg.GravaBool(QStringLiteral("SalvarSenha"), true);
  }
  TfrmConectar d;
  d.LeConfiguracaoConexao();
  ASSERT_EQ(d.lbedSenha->text(), QStringLiteral("antiga"));
  d.CheckBox1->setChecked(false);
  d.lbedSenha->setText(QStringLiteral("s3gr3d0"));
  TCfgConexao usada;
  d.Conectar = [&](const TCfgConexao& c) { usada = c; };
  d.btConectar->click();
  EXPECT_EQ(usada.Senha, QStringLiteral("s3gr3d0"));  // used to log in, not kept
  const QByteArray arquivo = LeArquivo(Ambiente().ArquivoConfiguracao());
  EXPECT_FALSE(arquivo.contains("s3gr3d0"));
  EXPECT_FALSE(arquivo.contains("antiga"));
  EXPECT_TRUE(arquivo.contains("\nSenha=\n"));
  EXPECT_TRUE(arquivo.contains("\nSalvarSenha=0\n"));
}

TEST_F(DialogosTest, InformationLineColourAndShortening) {
  TfrmConectar d;
  d.show();
  d.SetLabel(QStringLiteral("Erro 10061: Conexão encerrada pelo servidor"));
  EXPECT_EQ(d.LabelInfo->palette().color(QPalette::WindowText), QColor(Qt::red));
  d.SetLabel(QStringLiteral("Conectando ao Servidor (10.0.0.1)"));
  EXPECT_EQ(d.LabelInfo->palette().color(QPalette::WindowText), QColor(Qt::blue));
  EXPECT_EQ(d.LabelInfo->text(), QStringLiteral("Conectando ao Servidor (10.0.0.1)"));

  const QString longo = QStringLiteral("erro ") + QString(400, u'x');
  d.SetLabel(longo);
  EXPECT_EQ(d.LabelInfo->palette().color(QPalette::WindowText), QColor(Qt::red));  // case ignored
  EXPECT_TRUE(d.LabelInfo->text().endsWith(QStringLiteral("...")));
  EXPECT_LT(d.LabelInfo->text().size(), longo.size());
  EXPECT_LE(d.LabelInfo->fontMetrics().horizontalAdvance(d.LabelInfo->text().chopped(3)),
            d.LabelInfo->contentsRect().width());
  // Never below 20 characters before the dots.
  d.LabelInfo->setMinimumWidth(10);
  d.LabelInfo->setFixedWidth(10);
  d.SetLabel(QString(50, u'W'));
  EXPECT_EQ(d.LabelInfo->text(), QString(18, u'W') + QStringLiteral("..."));
}

TEST_F(DialogosTest, LocalFolderListsUraFilesInAnyCase) {
  const QString pasta = Plat.Caminho(QStringLiteral("uras"));
  QDir().mkpath(pasta);
  ASSERT_TRUE(GravaArquivo(pasta + QStringLiteral("/a.xml"), kUraTeste));
  QByteArray b = kUraTeste;
  b.replace("Nome=\"teste\"", "Nome=\"outra\"");
  ASSERT_TRUE(GravaArquivo(pasta + QStringLiteral("/b.XML"), b));
  ASSERT_TRUE(GravaArquivo(pasta + QStringLiteral("/c.txt"), kUraTeste));
  ASSERT_TRUE(GravaArquivo(pasta + QStringLiteral("/d.xml"), "<MensagensSonarea/>"));
  ASSERT_TRUE(GravaArquivo(pasta + QStringLiteral("/e.xml"), "nem xml"));

  TfrmSelecionarUra d(true);
  EXPECT_FALSE(d.PanelDiretorio->isHidden());
  d.edDiretorio->setText(pasta);
  d.CarregaDACs();
  ASSERT_EQ(d.ListViewUras->topLevelItemCount(), 2);
  EXPECT_EQ(d.ListViewUras->topLevelItem(0)->text(0), QStringLiteral("a.xml"));
  EXPECT_EQ(d.ListViewUras->topLevelItem(1)->text(0), QStringLiteral("b.XML"));
  EXPECT_EQ(d.ListViewUras->topLevelItem(1)->text(1), QStringLiteral("outra"));
  EXPECT_TRUE(d.ArquivoSelecionado().isEmpty());

  // "..." chooses another folder; cancelling it keeps the list.
  P().Arquivos = {QString()};
  d.btSelDir->click();
  EXPECT_EQ(d.ListViewUras->topLevelItemCount(), 2);
  P().Arquivos = {Plat.Caminho(QStringLiteral("vazia"))};
  QDir().mkpath(Plat.Caminho(QStringLiteral("vazia")));
  d.btSelDir->click();
  EXPECT_EQ(P().Dialogos.last(), QStringLiteral("Selecione a pasta"));
  EXPECT_EQ(d.ListViewUras->topLevelItemCount(), 0);
  EXPECT_TRUE(d.edDiretorio->text().endsWith(u'/'));

  TfrmSelecionarUra servidor(false);
  EXPECT_TRUE(servidor.PanelDiretorio->isHidden());
  EXPECT_EQ(servidor.ListViewUras->headerItem()->text(7), QStringLiteral("Ativado em"));
}

TEST_F(DialogosTest, LocalOpenGoesThroughTheSelection) {
  ASSERT_TRUE(GravaArquivo(Plat.Caminho(QStringLiteral("a.xml")), kUraTeste));
  TAmbiente a = Ambiente();
  a.Local = true;
  DefineAmbiente(a);
  TfrmMain w;
  P().Usuario.push_back([](QDialog* d) {
    auto* s = qobject_cast<TfrmSelecionarUra*>(d);
    if (!s || s->ListViewUras->topLevelItemCount() != 1) return int(QDialog::Rejected);
    s->ListViewUras->setCurrentItem(s->ListViewUras->topLevelItem(0));
    return int(QDialog::Accepted);
  });
  w.mnuAbrirClick();
  ASSERT_NE(w.DacAtual(), nullptr);
  EXPECT_EQ(w.DacAtual()->Nome, QStringLiteral("teste"));
  EXPECT_EQ(w.edArquivoUra->text(), Plat.Caminho(QStringLiteral("a.xml")));
}

}  // namespace
