// One whole session against ura-server-sim, played through the windows:
// connect, log in, open from the server, edit a menu in the menu editor,
// save on the server, activate, disconnect.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "UfrmConectar.h"
#include "UfrmMenuUra.h"
#include "UfrmSelecionarUra.h"
#include "janela.h"
#include "menuura.h"
#include "simulador.h"

namespace {

QByteArray Exemplo(const char* Nome) {
  return LeArquivo(QStringLiteral(URA_EXAMPLES_DIR "/") + QString::fromLatin1(Nome));
}

TEST_F(JanelaTest, WholeSessionAgainstTheSimulator) {
  Simulador sim;
  ASSERT_TRUE(sim.Grava(QStringLiteral("atendimento-voz.xml"), Exemplo("atendimento-voz.xml")));
  ASSERT_TRUE(sim.Grava(QStringLiteral("mensagens.xml"), Exemplo("mensagens/mensagens.xml")));
  ASSERT_TRUE(sim.Inicia(
      {QStringLiteral("--user"), QStringLiteral("ana"), QStringLiteral("--password"), QStringLiteral("s3nha")}))
      << sim.Erro().toStdString();
  auto w = Cria();

  // Connect and log in through the connection dialog.
  P().Usuario.push_back([&](QDialog* d) {
    auto* c = qobject_cast<TfrmConectar*>(d);
    if (!c) return int(QDialog::Rejected);
    c->lbedIP->setText(QStringLiteral("127.0.0.1"));
    c->lbEdPorta->setText(QString::number(sim.Porta()));
    c->lbedUsuario->setText(QStringLiteral("ana"));
    c->lbedSenha->setText(QStringLiteral("s3nha"));
    c->btConectar->click();
    EsperaAte([&] { return w->Sessao->ClientManager->Logged && c->isHidden(); });
    return c->result();
  });
  w->mnuConectarClick();
  ASSERT_TRUE(w->Sessao->ClientManager->Logged);
  EXPECT_EQ(w->TextoStatus(), QStringLiteral("Conectado à URA (IP: 127.0.0.1). "));
  ASSERT_TRUE(EsperaAte([&] { return w->mnuVersaoServidor->isVisible(); }));
  EXPECT_TRUE(w->mnuAbrirDoServidor->isEnabled());
  EXPECT_FALSE(w->mnuConectar->isEnabled());

  // Open from the server: the selection lists the file.
  P().Usuario.push_back([](QDialog* d) {
    auto* s = qobject_cast<TfrmSelecionarUra*>(d);
    if (!s) return int(QDialog::Rejected);
    const auto achados = s->ListViewUras->findItems(QStringLiteral("atendimento-voz.xml"), Qt::MatchExactly, 0);
    if (achados.size() != 1) return int(QDialog::Rejected);
    s->ListViewUras->setCurrentItem(achados[0]);
    return int(QDialog::Accepted);
  });
  w->mnuAbrirDoServidorClick();
  ASSERT_TRUE(EsperaAte([&] { return w->DacAtual() != nullptr; }));
  EXPECT_TRUE(w->DacAtual()->Servidor);
  EXPECT_EQ(w->DacAtual()->NomeArquivoServidor, QStringLiteral("atendimento-voz.xml"));
  EXPECT_FALSE(w->DacAlterado());
  EXPECT_TRUE(w->mnuSalvarNoServidor->isEnabled());

  // Edit "Principal" in the menu editor.
  const auto linhas = w->ListView1->findItems(QStringLiteral("Principal"), Qt::MatchExactly, 0);
  ASSERT_EQ(linhas.size(), 1);
  w->ListView1->setCurrentItem(linhas[0]);
  P().Usuario.push_back([](QDialog* d) {
    auto* e = qobject_cast<TfrmMenuUra*>(d);
    if (!e || e->MenuUra->Nome != u"Principal") return int(QDialog::Rejected);
    e->MenuUra->Descricao = QStringLiteral("Menu principal revisto");
    e->MenuUra->OpcaoInvalida->Tentativas = 7;
    return int(QDialog::Accepted);
  });
  w->btEditarMenuClick();
  EXPECT_EQ(w->ListView1->currentItem()->text(1), QStringLiteral("Menu principal revisto"));
  EXPECT_TRUE(w->DacAlterado());

  // Save on the server: stored, confirmed, snapshot renewed.
  w->mnuSalvarNoServidorClick();
  ASSERT_TRUE(EsperaAte([&] { return !w->DacAlterado(); }));
  EXPECT_TRUE(sim.Le(QStringLiteral("atendimento-voz.xml")).contains("Menu principal revisto"));
  ASSERT_TRUE(EsperaAte([&] { return P().Textos().contains(QStringLiteral("Arquivo salvo com sucesso.")); }));

  // Activate.
  w->mnuAtivarURAClick();
  ASSERT_TRUE(EsperaAte([&] { return P().Textos().contains(QStringLiteral("Ura ativada com sucesso.")); }));
  EXPECT_EQ(sim.Pedidos(QStringLiteral("ActivateXmlUra")).size(), 1);
  EXPECT_TRUE(sim.Le(QStringLiteral("sim-headers.json")).contains("\"AtivadoPor\": \"ana\""));

  // Disconnect: the unchanged document closes without a question.
  const size_t caixas = P().Caixas.size();
  w->mnuDesconectarClick();
  EXPECT_EQ(w->DacAtual(), nullptr);
  ASSERT_TRUE(EsperaAte([&] { return !w->Sessao->ClientManager->Connected(); }));
  ASSERT_TRUE(EsperaAte([&] { return w->TextoStatus() == QStringLiteral("Desconectado do Ondaris"); }));
  EXPECT_EQ(P().Caixas.size(), caixas);
  EXPECT_TRUE(w->mnuConectar->isEnabled());
}

TEST_F(JanelaTest, ChatUrasAreNeverActivatedAndANewOneSavedOnTheServerClosesQuietly) {
  Simulador sim;
  ASSERT_TRUE(sim.Inicia()) << sim.Erro().toStdString();
  auto w = Cria();
  w->Sessao->CfgConexao.Ip = QStringLiteral("127.0.0.1");
  w->Sessao->CfgConexao.Porta = sim.Porta();
  w->Sessao->CfgConexao.Usuario = QStringLiteral("admin");
  w->Sessao->CfgConexao.Senha = QStringLiteral("admin");
  w->Sessao->Conectar();
  ASSERT_TRUE(EsperaAte([&] { return w->Sessao->ClientManager->Logged; }));
  auto* dica = w->ListView1->viewport()->findChild<QLabel*>(QStringLiteral("lbDicaInicial"));
  ASSERT_NE(dica, nullptr);
  EXPECT_TRUE(dica->text().contains(QStringLiteral("Arquivo URA > Abrir do servidor")));
  EXPECT_FALSE(dica->text().contains(QStringLiteral("Conectar")));

  w->mnuNovoClick();
  ASSERT_TRUE(w->DacAtual()->PermissaoW);
  const struct {
    int tipo;
    bool ativar;
  } tipos[] = {{0, true}, {1, false}, {2, false}, {0, true}, {1, false}};
  for (const auto& t : tipos) {
    w->cbTipoUra->setCurrentIndex(t.tipo);
    EXPECT_EQ(w->mnuAtivarURA->isEnabled(), t.ativar) << t.tipo;
  }

  TDAC* dac = w->DacAtual();
  dac->ListaMenus->Add(std::make_unique<TMenuUra>(dac, QStringLiteral("Inicio")));
  w->AtualizaListaMenus();
  w->cbMenuInicial->setCurrentIndex(0);
  w->edNomeDAC->setText(QStringLiteral("conversa"));
  EXPECT_FALSE(w->mnuAtivarURA->isEnabled());
  w->mnuSalvarNoServidorClick();
  ASSERT_TRUE(EsperaAte([&] { return P().Textos().contains(QStringLiteral("Arquivo salvo com sucesso.")); }));
  // The server's header of the saved file arrives last.
  ASSERT_TRUE(EsperaAte([&] { return !w->DacAtual()->Novo; }));
  EXPECT_FALSE(w->DacAlterado());
  EXPECT_FALSE(w->mnuAtivarURA->isEnabled());
  const size_t caixas = P().Caixas.size();
  w->mnuFecharClick();
  EXPECT_EQ(w->DacAtual(), nullptr);
  EXPECT_EQ(P().Caixas.size(), caixas);
}

}  // namespace
