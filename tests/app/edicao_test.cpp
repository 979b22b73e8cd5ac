// Undo and redo, renaming references, find and where-used, the version
// history and the comparison, played through the main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

#include "UfrmCadMensagem.h"
#include "UfrmComparacao.h"
#include "UfrmEditaLista.h"
#include "UfrmLocalizar.h"
#include "UfrmMenuUra.h"
#include "UfrmVersoes.h"
#include "configuracao.h"
#include "edicao.h"
#include "janela.h"
#include "menuura.h"
#include "simulador.h"

namespace {

// The open document as the writer puts it in a file.
QString Texto(TfrmMain& W) {
  QStringList linhas;
  W.XMLDac.DACToXMLStringList(W.DacAtual(), linhas);
  return linhas.join(u'\n');
}

// The next menu editor gets Muda applied to its working copy and closes with OK.
void NoEditor(TPlataformaRoteirizada& P, std::function<void(TMenuUra&)> Muda) {
  P.Usuario.push_back([Muda = std::move(Muda)](QDialog* d) {
    auto* e = qobject_cast<TfrmMenuUra*>(d);
    if (!e) return int(QDialog::Rejected);
    Muda(*e->MenuUra);
    return int(QDialog::Accepted);
  });
}

void AcaoFinal(TMenuUra& M, const char* Tipo, const QString& Valor = QString()) {
  auto a = std::make_unique<TMUAcao>(M.DAC, QString::fromLatin1(Tipo));
  a->SetValor(Valor);
  M.Final->ListaAcao->Add(std::move(a));
}

// "menu | section | field" per place.
QStringList Resumo(const std::vector<TLugar>& Lugares) {
  QStringList r;
  for (const TLugar& l : Lugares) r << l.Menu + u'|' + l.Secao + u'|' + l.Campo;
  return r;
}

TEST_F(JanelaTest, EveryChangeIsAStepAndUndoingThemAllGivesTheFileBack) {
  auto w = CriaComUra();
  const QStringList barra = [&] {
    QStringList t;
    for (QAction* a : w->menuBar()->actions()) t << a->text();
    return t;
  }();
  EXPECT_EQ(barra.mid(0, 3), (QStringList{"Arquivo URA", "Editar", "Mensagens"}));
  TEdicaoDocumento& e = *w->Edicao;
  EXPECT_EQ(e.mnuDesfazer->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
  EXPECT_EQ(e.mnuRefazer->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                                            QKeySequence(QStringLiteral("Ctrl+Y"))}));
  EXPECT_FALSE(e.mnuDesfazer->isEnabled());

  const struct {
    const char* passo;
    std::function<void()> faz;
  } passos[] = {
      // Typed key by key: one step.
      {"Alterar descrição da URA", [&] { QTest::keyClicks(w->edDescricaoDAC, QStringLiteral(" nova")); }},
      {"Criar menu Novo",
       [&] {
         NoEditor(P(), [](TMenuUra& m) {
           m.Nome = QStringLiteral("Novo");
           AcaoFinal(m, "DESLIGA");
         });
         w->btCriarMenuClick();
       }},
      {"Editar menu Solto",
       [&] {
         NoEditor(P(), [](TMenuUra& m) { m.Descricao = QStringLiteral("Mudou"); });
         Seleciona(*w, 2);
         w->btEditarMenuClick();
       }},
      {"Remover menu Solto",
       [&] {
         Seleciona(*w, 2);
         w->btRemoverMenuClick();
       }},
      {"Editar menu Destino",  // renamed, and the reference with it (answered Yes)
       [&] {
         NoEditor(P(), [](TMenuUra& m) { m.Nome = QStringLiteral("Destino"); });
         w->EditaMenu(1);
       }},
      {"Alterar menu inicial", [&] { w->cbMenuInicial->setCurrentIndex(2); }},
  };
  std::vector<QString> textos{Texto(*w)};
  for (const auto& p : passos) {
    SCOPED_TRACE(p.passo);
    p.faz();
    EXPECT_EQ(e.mnuDesfazer->text(), QStringLiteral("Desfazer ") + QString::fromUtf8(p.passo));
    EXPECT_TRUE(w->DacAlterado());
    EXPECT_FALSE(e.Pilha()->isClean());
    textos.push_back(Texto(*w));
    EXPECT_NE(textos.back(), textos[textos.size() - 2]);
  }
  EXPECT_EQ(e.Pilha()->count(), 6);
  EXPECT_EQ(w->DacAtual()->ListaMenus->GetItem(0)->Final->ListaAcao->GetItem(0)->ValorMenu, QStringLiteral("Destino"));

  // Each undo gives the file of the step before, byte for byte; the screen follows.
  for (size_t i = textos.size() - 1; i > 0; --i) {
    e.mnuDesfazer->trigger();
    EXPECT_EQ(Texto(*w), textos[i - 1]) << i;
    EXPECT_EQ(w->DacAlterado(), i > 1) << i;
    EXPECT_EQ(e.Pilha()->isClean(), i == 1) << i;
  }
  EXPECT_EQ(w->edDescricaoDAC->text(), QStringLiteral("Teste"));
  EXPECT_EQ(w->ListView1->topLevelItemCount(), 3);
  EXPECT_EQ(w->cbMenuInicial->currentText(), QStringLiteral("Inicio"));
  EXPECT_EQ(e.mnuRefazer->text(), QStringLiteral("Refazer Alterar descrição da URA"));
  for (size_t i = 1; i < textos.size(); ++i) {
    e.mnuRefazer->trigger();
    EXPECT_EQ(Texto(*w), textos[i]) << i;
  }
  // Back at the saved state the document closes without a question.
  e.Pilha()->setIndex(0);
  P().Caixas.clear();
  w->mnuFecharClick();
  EXPECT_TRUE(P().Caixas.empty());
  EXPECT_EQ(w->DacAtual(), nullptr);
  EXPECT_EQ(e.Pilha()->count(), 0);
}

TEST_F(JanelaTest, RenamingAMenuAsksBeforeUpdatingWhatLeadsToIt) {
  const struct {
    int indice;
    const char* novo;
    TResposta resposta;
    const char* pergunta;
    const char* inicial;  // MenuInicial afterwards
    const char* destino;  // the target of Inicio's final action afterwards
  } casos[] = {
      {1, "Destino", TResposta::Sim,
       "O menu \"Alvo\" é usado em 1 lugar(es). Atualizar as referências para \"Destino\"?", "Inicio", "Destino"},
      {1, "Destino", TResposta::Nao,
       "O menu \"Alvo\" é usado em 1 lugar(es). Atualizar as referências para \"Destino\"?", "Inicio", "Alvo"},
      {0, "Entrada", TResposta::Sim,
       "O menu \"Inicio\" é usado em 1 lugar(es). Atualizar as referências para \"Entrada\"?", "Entrada", "Alvo"},
      // The window's own rule: an initial menu that is gone empties the field.
      {0, "Entrada", TResposta::Nao,
       "O menu \"Inicio\" é usado em 1 lugar(es). Atualizar as referências para \"Entrada\"?", "", "Alvo"},
      {2, "Livre", TResposta::Sim, nullptr, "Inicio", "Alvo"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.novo + std::to_string(int(c.resposta)));
    auto w = CriaComUra();
    const QString original = Texto(*w);
    P().Caixas.clear();
    P().Respostas = {c.resposta};
    NoEditor(P(), [&c](TMenuUra& m) { m.Nome = QString::fromLatin1(c.novo); });
    ASSERT_TRUE(w->EditaMenu(c.indice));
    EXPECT_EQ(P().Textos(), c.pergunta ? QStringList{QString::fromUtf8(c.pergunta)} : QStringList());
    const TDAC& dac = *w->DacAtual();
    EXPECT_EQ(dac.MenuInicial, QString::fromLatin1(c.inicial));
    EXPECT_EQ(dac.ListaMenus->GetItem(0)->Final->ListaAcao->GetItem(0)->ValorMenu, QString::fromLatin1(c.destino));
    // One step, undone at once.
    EXPECT_EQ(w->Edicao->Pilha()->count(), 1);
    w->Edicao->mnuDesfazer->trigger();
    EXPECT_EQ(Texto(*w), original);
  }
}

TEST_F(JanelaTest, OkWithoutAChangeIsNoStep) {
  auto w = CriaComUra();
  NoEditor(P(), [](TMenuUra&) {});
  EXPECT_TRUE(w->EditaMenu(1));
  EXPECT_EQ(w->Edicao->Pilha()->count(), 0);
  EXPECT_FALSE(w->DacAlterado());
}

TEST_F(JanelaTest, FindAndWhereUsedListPlacesAndOpenTheirMenus) {
  auto w = CriaComUra();
  w->Edicao->mnuLocalizar->trigger();
  TfrmLocalizar* f = w->Edicao->JanelaLocalizar();
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->isVisible());
  f->edProcura->setText(QStringLiteral("alvo"));
  f->Atualiza();
  EXPECT_EQ(Resumo(f->Lugares()), (QStringList{"Inicio|Final|Ação 1", "Alvo||Nome"}));
  QString aberto;
  NoEditor(P(), [&](TMenuUra& m) {
    aberto = m.Nome;
    m.Descricao = QStringLiteral("Alvo revisto");
  });
  f->AbreLugar(1);
  EXPECT_EQ(aberto, QStringLiteral("Alvo"));
  // The window searches again after the change.
  ASSERT_TRUE(EsperaAte([&] { return f->Lugares().size() == 3; }));

  Seleciona(*w, 1);
  auto* ondeUsado = w->ListView1->findChild<QAction*>(QStringLiteral("mnuListaOndeUsado"));
  ASSERT_NE(ondeUsado, nullptr);
  ondeUsado->trigger();
  auto* janela = w->findChild<TfrmLocalizar*>(QStringLiteral("frmOndeUsado"));
  ASSERT_NE(janela, nullptr);
  EXPECT_EQ(janela->windowTitle(), QStringLiteral("Onde é usado: menu \"Alvo\""));
  EXPECT_EQ(Resumo(janela->Lugares()), QStringList{"Inicio|Final|Ação 1"});
  EXPECT_FALSE(janela->edProcura->isVisible());
}

TEST_F(JanelaTest, CatalogueListShowsWhereAnAudioMessageIsPlayed) {
  QByteArray ura = kUraTeste;
  ura.replace("<Descricao>Destino</Descricao>",
              "<Descricao>Destino</Descricao><Final><Mensagem><Arquivo>bemvindo</Arquivo></Mensagem></Final>");
  auto w = CriaComUra(ura);
  auto entrada = std::make_unique<TMUDescricaoMensagem>(QStringLiteral("bemvindo"));
  MenuUraInfoAuxiliar.ListaDeMensagens.Add(std::move(entrada));
  QStringList lugares;
  P().Usuario.push_back([](QDialog* d) {
    auto* lista = d->findChild<QTreeWidget*>(QStringLiteral("ListViewArquivos"));
    auto* acao = d->findChild<QAction*>(QStringLiteral("mnuOndeUsado"));
    if (!lista || !acao) return int(QDialog::Rejected);
    lista->setCurrentItem(lista->topLevelItem(0));
    acao->trigger();  // the list of places, played next
    return int(QDialog::Rejected);
  });
  P().Usuario.push_back([&](QDialog* d) {
    if (auto* l = qobject_cast<TfrmLocalizar*>(d)) lugares = Resumo(l->Lugares());
    return int(QDialog::Rejected);
  });
  w->mnuMensagensEditarClick();
  EXPECT_EQ(lugares, QStringList{"Alvo|Final|Mensagem"});
}

// The message editor's list of what can be chosen tells where each entry is
// used: a chat text in a chat URA, an audio file in a voice URA.
TEST_F(JanelaTest, MessageEditorShowsWhereAnEntryIsUsed) {
  struct Caso {
    const char* TipoUra;
    const char* Mensagem;
  };
  for (const Caso& c :
       {Caso{"chat", "<MensagemChat>Olá&#xA;de novo</MensagemChat>"}, Caso{"", "<Arquivo>bemvindo</Arquivo>"}}) {
    SCOPED_TRACE(c.TipoUra);
    QByteArray ura = kUraTeste;
    ura.replace("TipoUra=\"\"", QByteArray("TipoUra=\"") + c.TipoUra + '"');
    ura.replace("<Descricao>Destino</Descricao>",
                QByteArray("<Descricao>Destino</Descricao><Final><Mensagem>") + c.Mensagem + "</Mensagem></Final>");
    auto w = CriaComUra(ura);
    MenuUraInfoAuxiliar.ListaDeMensagens.Add(std::make_unique<TMUDescricaoMensagem>(QStringLiteral("bemvindo")));
    TfrmCadMensagem editor(w->Contexto(), w.get());
    editor.CarregaListaMensagens();
    auto* lista = editor.findChild<QTreeWidget*>(QStringLiteral("ListViewDisponiveis"));
    auto* acao = editor.findChild<QAction*>(QStringLiteral("mnuOndeUsado"));
    ASSERT_TRUE(lista && acao);
    ASSERT_GE(lista->topLevelItemCount(), 1);
    lista->setCurrentItem(lista->topLevelItem(0));
    QStringList lugares;
    P().Usuario.push_back([&](QDialog* d) {
      if (auto* l = qobject_cast<TfrmLocalizar*>(d)) lugares = Resumo(l->Lugares());
      return int(QDialog::Rejected);
    });
    acao->trigger();
    EXPECT_EQ(lugares, QStringList{"Alvo|Final|Mensagem"});
  }
}

TEST_F(JanelaTest, SavesKeepWhatTheyReplaceAndAVersionCanBeRestoredOrCompared) {
  auto w = CriaComUra();
  TEdicaoDocumento& e = *w->Edicao;
  const QString arquivo = Plat.Caminho(QStringLiteral("teste.xml"));
  w->mnuSalvarClick();  // nothing changed: nothing to keep
  EXPECT_TRUE(e.Versoes().Lista(QStringLiteral("teste")).empty());

  w->edDescricaoDAC->setText(QStringLiteral("Primeira"));
  w->mnuSalvarClick();
  const QByteArray primeira = LeArquivo(arquivo);
  P().Relogio = P().Relogio.addSecs(60);
  w->edDescricaoDAC->setText(QStringLiteral("Segunda"));
  w->mnuSalvarClick();
  std::vector<TVersaoUra> versoes = e.Versoes().Lista(QStringLiteral("teste"));
  ASSERT_EQ(versoes.size(), 2u);
  EXPECT_EQ(LeArquivo(versoes[0].Arquivo), primeira);
  EXPECT_EQ(LeArquivo(versoes[1].Arquivo), kUraTeste);  // the file as it was opened
  EXPECT_EQ(versoes[0].Quando, P().Relogio);
  EXPECT_EQ(versoes[1].Usuario, QStringLiteral("operador"));

  // "Restaurar" the oldest: the document changes, the file does not; undo goes back.
  const QByteArray noDisco = LeArquivo(arquivo);
  P().Usuario.push_back([](QDialog* d) {
    auto* v = qobject_cast<TfrmVersoes*>(d);
    if (!v || v->lvVersoes->topLevelItemCount() != 2) return int(QDialog::Rejected);
    v->lvVersoes->setCurrentItem(v->lvVersoes->topLevelItem(1));
    v->btRestaurar->click();
    return v->result();
  });
  e.mnuVersoes->trigger();
  EXPECT_EQ(w->DacAtual()->Descricao, QStringLiteral("Teste"));
  EXPECT_TRUE(w->DacAlterado());
  EXPECT_EQ(LeArquivo(arquivo), noDisco);
  EXPECT_EQ(e.mnuDesfazer->text(), QStringLiteral("Desfazer Restaurar versão"));
  e.mnuDesfazer->trigger();
  EXPECT_EQ(w->DacAtual()->Descricao, QStringLiteral("Segunda"));
  EXPECT_FALSE(w->DacAlterado());

  // "Comparar" the newest: its description differs from the open document's.
  P().Usuario.push_back([](QDialog* d) {
    auto* v = qobject_cast<TfrmVersoes*>(d);
    if (!v) return int(QDialog::Rejected);
    v->btComparar->click();
    return v->result();
  });
  e.mnuCompararVersao->trigger();
  ASSERT_NE(e.JanelaComparacao(), nullptr);
  EXPECT_EQ(e.JanelaComparacao()->Diferencas().Linhas(),
            QStringList{"URA: Descrição: alterado: \"Primeira\" -> \"Segunda\""});

  // Only the newest N are kept.
  TConfiguracao(QStringLiteral("Historico")).GravaInteiro(QStringLiteral("Versoes"), 1);
  P().Relogio = P().Relogio.addSecs(60);
  w->edDescricaoDAC->setText(QStringLiteral("Terceira"));
  w->mnuSalvarClick();
  versoes = e.Versoes().Lista(QStringLiteral("teste"));
  ASSERT_EQ(versoes.size(), 1u);
  EXPECT_EQ(versoes[0].Quando, P().Relogio);
}

TEST_F(JanelaTest, ComparisonWithAFileGroupsByMenuAndFollowsTheDocument) {
  const char* kVariavel = "<Final><Acao><Tipo>SETVAR</Tipo><Valor>1</Valor><Variavel>%1</Variavel></Acao></Final>";
  QByteArray aberta = kUraTeste;
  aberta.replace("<Descricao>Destino</Descricao>",
                 "<Descricao>Destino</Descricao>" + QString::fromLatin1(kVariavel).arg("daAberta").toUtf8());
  auto w = CriaComUra(aberta);
  QByteArray outra = aberta;
  outra.replace("<Descricao>Sem uso</Descricao>", "<Descricao>Antiga</Descricao>");
  outra.replace("<Menu Nome=\"Alvo\">", "<Menu Nome=\"Velho\"><Descricao>Sai</Descricao>" +
                                            QString::fromLatin1(kVariavel).arg("daOutra").toUtf8() +
                                            "</Menu><Menu Nome=\"Alvo\">");
  const QString caminho = Plat.Caminho(QStringLiteral("outra.xml"));
  ASSERT_TRUE(GravaArquivo(caminho, outra));
  P().Arquivos.push_back(caminho);
  w->Edicao->mnuCompararArquivo->trigger();
  TfrmComparacao* c = w->Edicao->JanelaComparacao();
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->Diferencas().Linhas(), (QStringList{"Menu Velho: removido: \"Sai\"",
                                                   "Menu Solto: Descrição: alterado: \"Antiga\" -> \"Sem uso\""}));
  // The editors go on offering the open document's variables, not the other's.
  EXPECT_EQ(MenuUraInfoAuxiliar.ListaDeVariaveis.Lista(), QStringList{"daAberta"});
  ASSERT_EQ(c->lvDiferencas->topLevelItemCount(), 2);
  const QTreeWidgetItem* velho = c->lvDiferencas->topLevelItem(0);
  EXPECT_EQ(velho->text(0), QStringLiteral("Menu Velho"));
  EXPECT_EQ(velho->text(1), QStringLiteral("removido"));
  EXPECT_EQ(velho->foreground(0).color(), QColor(0xc6, 0x28, 0x28));
  const QTreeWidgetItem* solto = c->lvDiferencas->topLevelItem(1);
  ASSERT_EQ(solto->childCount(), 1);
  EXPECT_EQ(solto->child(0)->text(0), QStringLiteral("Descrição"));

  // A menu that is gone opens nothing; one that is there opens in the editor.
  c->AbreLinha(velho);
  EXPECT_TRUE(P().DialogosModais.isEmpty());
  QString aberto;
  NoEditor(P(), [&](TMenuUra& m) { aberto = m.Nome; });
  c->AbreLinha(solto->child(0));
  EXPECT_EQ(aberto, QStringLiteral("Solto"));

  w->edDescricaoDAC->setText(QStringLiteral("Outra"));
  ASSERT_TRUE(EsperaAte([&] { return c->Diferencas().Count() == 3; }));
  EXPECT_EQ(c->lbResumo->text(), QStringLiteral("3 diferença(s)."));
}

}  // namespace

namespace {

TEST_F(JanelaTest, TheServersCopyIsComparedAndASaveThereKeepsWhatItReplaced) {
  const QByteArray voz = LeArquivo(QStringLiteral(URA_EXAMPLES_DIR "/atendimento-voz.xml"));
  Simulador sim;
  ASSERT_TRUE(sim.Grava(QStringLiteral("atendimento-voz.xml"), voz));
  ASSERT_TRUE(sim.Inicia(
      {QStringLiteral("--user"), QStringLiteral("ana"), QStringLiteral("--password"), QStringLiteral("s3nha")}))
      << sim.Erro().toStdString();
  auto w = Cria();
  w->Sessao->CfgConexao =
      TCfgConexao{QStringLiteral("127.0.0.1"), sim.Porta(), QStringLiteral("ana"), QStringLiteral("s3nha"), false};
  w->Sessao->Conectar();
  ASSERT_TRUE(EsperaAte([&] { return w->Sessao->DownloadsDoLoginConcluidos(); }));
  w->Sessao->EscolheUraServidor(QStringLiteral("atendimento-voz.xml"));
  ASSERT_TRUE(EsperaAte([&] { return w->DacAtual() != nullptr; }));
  w->edDescricaoDAC->setText(QStringLiteral("Revista"));

  w->Edicao->mnuCompararServidor->trigger();
  ASSERT_TRUE(EsperaAte([&] { return w->Edicao->JanelaComparacao() != nullptr; }));
  EXPECT_EQ(w->Edicao->JanelaComparacao()->Diferencas().Linhas(),
            QStringList{"URA: Descrição: alterado: \"Central de atendimento por telefone\" -> \"Revista\""});
  EXPECT_EQ(w->DacAtual()->Descricao, QStringLiteral("Revista"));  // the open document stays open

  w->mnuSalvarNoServidorClick();
  ASSERT_TRUE(EsperaAte([&] { return !w->DacAlterado(); }));
  const std::vector<TVersaoUra> versoes = w->Edicao->Versoes().Lista(w->DacAtual()->Nome);
  ASSERT_EQ(versoes.size(), 1u);
  EXPECT_TRUE(LeArquivo(versoes[0].Arquivo).contains("Descricao=\"Central de atendimento por telefone\""));
}

}  // namespace
