// The main window: settings, enabling, header rules and the document commands.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <functional>

#include "configuracao.h"
#include "erros.h"
#include "janela.h"
#include "menuura.h"

namespace {

TEST_F(JanelaTest, MaximizedWindowWritesOnlyTheStateAndKeepsItsColumnsNextTime) {
  {
    auto w = Cria();
    w->ListView1->setColumnWidth(1, 333);
    w->setWindowState(Qt::WindowMaximized);
    w->close();
  }
  TConfiguracao cfg(QStringLiteral("TelaPrincipal"));
  EXPECT_EQ(cfg.LeInteiro(QStringLiteral("WindowState"), -1), 2);
  EXPECT_FALSE(cfg.Existe(QStringLiteral("Height")));
  EXPECT_FALSE(cfg.Existe(QStringLiteral("Top")));
  EXPECT_EQ(cfg.LeInteiro(QStringLiteral("Coluna1"), -1), 333);
  cfg.GravaInteiro(QStringLiteral("Height"), 300);  // ignored while maximized
  auto w = Cria();
  EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
  EXPECT_EQ(w->height(), 590);
  EXPECT_EQ(w->ListView1->columnWidth(1), 333);
}

TEST_F(JanelaTest, StoredPlaceIsCorrectedToTheScreen) {
  P().Tela = QSize(1000, 800);
  {
    TConfiguracao cfg(QStringLiteral("TelaPrincipal"));
    cfg.GravaInteiro(QStringLiteral("Top"), -50);
    cfg.GravaInteiro(QStringLiteral("Left"), 5000);
  }
  auto w = Cria();
  EXPECT_EQ(w->y(), 0);
  EXPECT_EQ(w->x(), 1000 - 900);
  EXPECT_EQ(w->ListView1->columnWidth(0), 200);
}

TEST_F(JanelaTest, EnablingFollowsTheDocumentState) {
  auto w = Cria();
  struct Estado {
    const char* nome;
    std::function<void()> passo;
    bool novo, abrir, salvar, fechar, salvarServidor, lista, nomeSomenteLeitura;
  } estados[] = {
      {"nenhum", [] {}, true, true, false, false, false, false, true},
      {"novo", [&] { w->mnuNovoClick(); }, false, false, true, true, false, true, false},
      {"fechado", [&] { w->mnuFecharClick(); }, true, true, false, false, false, false, false},
      {"aberto", [&] { w->AbrirArquivoRORIroLocal(Plat.Caminho(QStringLiteral("teste.xml"))); }, false, false, true,
       true, false, true, true},
  };
  ASSERT_TRUE(GravaArquivo(Plat.Caminho(QStringLiteral("teste.xml")), kUraTeste));
  for (const Estado& e : estados) {
    e.passo();
    SCOPED_TRACE(e.nome);
    EXPECT_EQ(w->mnuNovo->isEnabled(), e.novo);
    EXPECT_EQ(w->mnuAbrir->isEnabled(), e.abrir);
    EXPECT_EQ(w->mnuSalvar->isEnabled(), e.salvar);
    EXPECT_EQ(w->mnuFechar->isEnabled(), e.fechar);
    EXPECT_EQ(w->mnuSalvarNoServidor->isEnabled(), e.salvarServidor);
    EXPECT_EQ(w->ListView1->isEnabled(), e.lista);
    if (e.lista) {
      EXPECT_EQ(w->edNomeDAC->isReadOnly(), e.nomeSomenteLeitura);
    }
  }
  EXPECT_FALSE(w->mnuAbrirDoServidor->isEnabled());  // not connected
  EXPECT_TRUE(w->mnuConectar->isEnabled());
  EXPECT_FALSE(w->mnuDesconectar->isEnabled());
  EXPECT_FALSE(w->mnuAtivarURA->isEnabled());
}

TEST_F(JanelaTest, NameFieldFilterAndLength) {
  auto w = Cria();
  w->mnuNovoClick();
  // Typed one by one, as the keyboard sends them ("á" has no key of its own).
  for (const QChar c : QStringLiteral(" ab.c á  d_-9")) {
    QKeyEvent tecla(QEvent::KeyPress, c == u' ' ? Qt::Key_Space : Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w->edNomeDAC, &tecla);
  }
  EXPECT_EQ(w->edNomeDAC->text(), QStringLiteral("abc d_-9"));
  EXPECT_EQ(w->DacAtual()->Nome, QStringLiteral("abc d_-9"));
  QTest::keyClicks(w->edNomeDAC, QString(40, u'x'));
  EXPECT_EQ(w->edNomeDAC->text().size(), 28);
}

TEST_F(JanelaTest, HeaderShowsTypesAndFixesTheInitialMenu) {
  QByteArray chat = kUraTeste;
  chat.replace("TipoUra=\"\"", "TipoUra=\"chat\"").replace("MenuInicial=\"Inicio\"", "MenuInicial=\"inicio\"");
  auto w = CriaComUra(chat);
  EXPECT_EQ(w->cbTipoUra->currentText(), QStringLiteral("Chat"));
  EXPECT_FALSE(w->cbTipoUra->isEnabled());  // it has menus
  EXPECT_FALSE(w->cbTipoAtendimento->isEnabled());
  EXPECT_TRUE(w->CheckBoxPriMsgComoOpcao->isEnabled());
  EXPECT_EQ(w->DacAtual()->MenuInicial, QStringLiteral("Inicio"));  // the list's spelling
  EXPECT_EQ(w->ListView1->topLevelItemCount(), 3);
  EXPECT_EQ(w->ListView1->topLevelItem(1)->text(1), QStringLiteral("Destino"));

  w->DacAtual()->MenuInicial = QStringLiteral("Sumiu");
  w->AtualizaListaMenus();
  EXPECT_EQ(w->cbMenuInicial->currentIndex(), -1);
  EXPECT_TRUE(w->DacAtual()->MenuInicial.isEmpty());
}

TEST_F(JanelaTest, RemovalRefusalsThenRemovalReopensTheUraType) {
  auto w = CriaComUra();
  const QString titulo = QStringLiteral("Remover menu");
  w->btRemoverMenuClick();
  EXPECT_EQ(P().UltimoTexto(), QStringLiteral("Selecione um menu para remover"));
  Seleciona(*w, 0);
  w->btRemoverMenuClick();
  EXPECT_EQ(P().UltimoTexto(),
            QStringLiteral("O menu selecionado não pode ser removido por ser o menu inicial da URA."));
  Seleciona(*w, 1);
  w->btRemoverMenuClick();
  EXPECT_EQ(P().UltimoTexto(),
            QStringLiteral(
                "O menu selecionado não pode ser removido porque há uma ação em outro menu que encaminha para este."));
  EXPECT_EQ(P().Caixas.back().Titulo, titulo);
  EXPECT_EQ(w->DacAtual()->ListaMenus->Count(), 3);

  P().Respostas = {TResposta::Nao};
  Seleciona(*w, 2);
  w->btRemoverMenuClick();
  EXPECT_EQ(w->DacAtual()->ListaMenus->Count(), 3);
  Seleciona(*w, 2);
  w->btRemoverMenuClick();  // default answer: Yes
  EXPECT_EQ(w->DacAtual()->ListaMenus->Count(), 2);
  EXPECT_EQ(w->ListView1->topLevelItemCount(), 2);

  // Without menus the URA type may change again.
  w->DacAtual()->ListaMenus->ClearLista();
  w->AtualizaListaMenus();
  EXPECT_TRUE(w->cbTipoUra->isEnabled());
}

TEST_F(JanelaTest, SaveChecksRefuseInOrder) {
  auto w = Cria();
  w->mnuNovoClick();
  const QString titulo = QStringLiteral("Salvar no servidor");
  struct Caso {
    QString nome, inicial;
    bool comMenu;
    QString erro;
  } casos[] = {
      {"  ", "", false, "Nome da URA inválido."},
      {"ura", "", true, "O menu inicial deve ser definido."},
      {"ura", "Inicio", false, "Não há nenhum menu cadastrado."},
  };
  for (const Caso& c : casos) {
    TDAC* dac = w->DacAtual();
    dac->Nome = c.nome;
    dac->MenuInicial = c.inicial;
    dac->ListaMenus->ClearLista();
    if (c.comMenu) dac->ListaMenus->Add(std::make_unique<TMenuUra>(dac, QStringLiteral("Inicio")));
    for (auto comando :
         {&TfrmMain::mnuSalvarClick, &TfrmMain::mnuSalvarComoClick, &TfrmMain::mnuSalvarNoServidorClick}) {
      P().Caixas.clear();
      ((*w).*comando)();
      ASSERT_EQ(P().Caixas.size(), 1u) << c.erro.toStdString();
      EXPECT_EQ(P().Caixas[0].Texto, c.erro);
      EXPECT_EQ(P().Caixas[0].Titulo, titulo);
    }
  }
  EXPECT_TRUE(P().Dialogos.isEmpty());  // no file dialog was shown
}

TEST_F(JanelaTest, SaveAsAppendsXmlAndAsksBeforeOverwriting) {
  auto w = CriaComUra();
  const QString base = Plat.Caminho(QStringLiteral("copia.XML"));
  P().Arquivos = {base};
  w->mnuSalvarComoClick();
  EXPECT_TRUE(QFileInfo::exists(base + QStringLiteral(".xml")));
  EXPECT_EQ(w->DacAtual()->NomeArquivoLocal, base + QStringLiteral(".xml"));
  EXPECT_TRUE(w->DacAtual()->Novo);  // a name that did not exist
  EXPECT_FALSE(w->DacAlterado());

  // An existing file: No keeps it as it was.
  w->DacAtual()->Descricao = QStringLiteral("outra");
  const QByteArray antes = LeArquivo(base + QStringLiteral(".xml"));
  P().Arquivos = {base + QStringLiteral(".xml")};
  P().Respostas = {TResposta::Nao};
  w->mnuSalvarComoClick();
  EXPECT_EQ(P().UltimoTexto(), QStringLiteral("O arquivo já existe. Deseja sobrescrever?"));
  EXPECT_EQ(LeArquivo(base + QStringLiteral(".xml")), antes);
  EXPECT_TRUE(w->DacAlterado());

  // "Salvar" writes to the file it has, without a dialog, and closing then asks nothing.
  P().Dialogos.clear();
  w->mnuSalvarClick();
  EXPECT_TRUE(P().Dialogos.isEmpty());
  EXPECT_FALSE(w->DacAtual()->Novo);
  EXPECT_TRUE(LeArquivo(base + QStringLiteral(".xml")).contains("outra"));
  P().Caixas.clear();
  w->mnuFecharClick();
  EXPECT_EQ(w->DacAtual(), nullptr);
  EXPECT_TRUE(P().Caixas.empty());
}

TEST_F(JanelaTest, LocalSaveStampsTheAuditFields) {
  auto w = CriaComUra(kUraTeste, true);
  w->DacAtual()->Novo = true;
  P().Arquivos = {Plat.Caminho(QStringLiteral("nova.xml"))};
  w->mnuSalvarComoClick();
  const TDAC* dac = w->DacAtual();
  EXPECT_EQ(dac->CriadoPor, Ambiente().NomeUsuario);
  EXPECT_EQ(dac->ModificadoPor, Ambiente().NomeUsuario);
  EXPECT_EQ(dac->GetModificadoEmStr(), QStringLiteral("09/12/2026 10:00"));
  EXPECT_EQ(w->edModificadoEm->text(), QStringLiteral("09/12/2026 10:00"));
}

TEST_F(JanelaTest, CloseQuestionsOfAChangedDocument) {
  struct Caso {
    const char* nome;
    bool novo;
    std::deque<TResposta> respostas;
    bool arquivo;  // the save dialog gets a name
    bool aberto;
  } casos[] = {
      {"cancelar", false, {TResposta::Cancelar}, false, true},
      {"nao", false, {TResposta::Nao}, false, false},
      {"sim salva", false, {TResposta::Sim}, false, false},
      {"novo sim e cancela o arquivo", true, {TResposta::Sim}, false, true},
      {"novo sim com arquivo", true, {TResposta::Sim}, true, false},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    auto w = CriaComUra();
    w->DacAtual()->Descricao = QStringLiteral("mudou");
    if (c.novo) {
      w->DacAtual()->Novo = true;
      w->DacAtual()->NomeArquivoLocal.clear();
    }
    P().Caixas.clear();
    P().Respostas = c.respostas;
    P().Arquivos.clear();
    if (c.arquivo) P().Arquivos = {Plat.Caminho(QStringLiteral("fechar.xml"))};
    w->mnuFecharClick();
    ASSERT_FALSE(P().Caixas.empty());
    EXPECT_EQ(P().Caixas[0].Texto, QStringLiteral("Salvar o arquivo atual?"));
    EXPECT_EQ(P().Caixas[0].Tipo, TTipoMensagem::SimNaoCancelar);
    EXPECT_EQ(w->DacAtual() != nullptr, c.aberto);
  }
}

TEST_F(JanelaTest, ChangedDocumentKeepsTheWindowOpenAndCancelsConnecting) {
  auto w = CriaComUra();
  w->DacAtual()->Descricao = QStringLiteral("mudou");
  QCloseEvent fechar;
  QApplication::sendEvent(w.get(), &fechar);
  EXPECT_FALSE(fechar.isAccepted());
  EXPECT_EQ(P().UltimoTexto(),
            QStringLiteral("A Ura foi alterada. Selecione \"Salvar no servidor\" antes de encerrar."));

  P().Respostas = {TResposta::Cancelar};
  w->mnuConectarClick();
  EXPECT_NE(w->DacAtual(), nullptr);
  EXPECT_TRUE(P().DialogosModais.isEmpty());

  P().Respostas = {TResposta::Nao};
  w->mnuAtivarURAClick();
  EXPECT_EQ(P().UltimoTexto(), QStringLiteral("A Ura foi alterada. Selecione \"Salvar no servidor\" antes de ativar."));
}

TEST_F(JanelaTest, DeferredMessagesShowOnlyTheLast) {
  auto w = Cria();
  w->MyMessage(QStringLiteral("primeira"), QStringLiteral("A"));
  w->MyMessage(QStringLiteral("segunda"), QStringLiteral("B"));
  EXPECT_TRUE(P().Caixas.empty());  // never inside the network event
  ASSERT_TRUE(EsperaAte([&] { return !P().Caixas.empty(); }));
  QTest::qWait(700);  // a second box would have come by now
  ASSERT_EQ(P().Caixas.size(), 1u);
  EXPECT_EQ(P().Caixas[0].Texto, QStringLiteral("segunda"));
  EXPECT_EQ(P().Caixas[0].Titulo, QStringLiteral("B"));
  EXPECT_EQ(P().Caixas[0].Tipo, TTipoMensagem::Simples);
}

TEST_F(JanelaTest, OpeningAFileThatIsNoUraLeavesNoDocument) {
  auto w = Cria();
  const QString ruim = Plat.Caminho(QStringLiteral("ruim.xml"));
  ASSERT_TRUE(GravaArquivo(ruim, "<MensagensSonarea/>"));
  P().Arquivos = {ruim};
  w->mnuAbrirClick();
  EXPECT_EQ(w->DacAtual(), nullptr);
  EXPECT_EQ(P().UltimoTexto(), QStringLiteral("Ocorreu um erro ao abrir o arquivo. O mesmo pode ser inválido.?"));
  EXPECT_EQ(P().Caixas.back().Titulo, QStringLiteral("Abrir arquivo URA"));

  // A file in another encoding is refused, and the box says why.
  ASSERT_TRUE(GravaArquivo(ruim, "<URA Nome=\"caf\xe9\"/>"));
  P().Arquivos = {ruim};
  w->mnuAbrirClick();
  EXPECT_EQ(w->DacAtual(), nullptr);
  EXPECT_TRUE(P().UltimoTexto().startsWith(QStringLiteral("Ocorreu um erro ao abrir o arquivo.")));
  EXPECT_TRUE(P().UltimoTexto().contains(QStringLiteral("UTF-8"))) << P().UltimoTexto().toStdString();
}

TEST_F(JanelaTest, LocalModeOpensTheStartFileAndHidesServerCommands) {
  ASSERT_TRUE(GravaArquivo(Plat.Caminho(QStringLiteral("cliente.xml")), kUraTeste));
  TLinhaComando inicio;
  inicio.Local = true;
  inicio.ArquivoInicial = QStringLiteral("cliente.xml");
  auto w = Cria(true, inicio);
  ASSERT_NE(w->DacAtual(), nullptr);
  EXPECT_TRUE(w->DacAtual()->RORIRO);
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Assistente de configuração de URA/DAC Sonarea"));
  EXPECT_FALSE(w->mnuAbrirDoServidor->isVisible());
  EXPECT_TRUE(w->cbTipoUra->isHidden());
  EXPECT_EQ(w->mnuEnviarArquivoAudio->text(), QStringLiteral("Criar arquivo de áudio..."));
  EXPECT_TRUE(w->mnuEnviarArquivoAudio->isEnabled());

  // Without the monitor or "-S" the start file is not opened.
  auto s = Cria(false, inicio);
  EXPECT_EQ(s->DacAtual(), nullptr);
}

TEST_F(JanelaTest, CreatingAMenuAsksForTheUraTypeFirst) {
  auto w = Cria();
  w->mnuNovoClick();
  EXPECT_THROW(w->btCriarMenuClick(), EAbort);  // silently cancelled after the box
  EXPECT_EQ(P().UltimoTexto(), QStringLiteral("O Tipo de URA deve ser definido antes de criar um menu."));
  EXPECT_TRUE(P().DialogosModais.isEmpty());

  w->cbTipoUra->setCurrentIndex(1);
  EXPECT_EQ(w->DacAtual()->TipoUra, QStringLiteral("chat"));
  P().Respostas = {TResposta::Nao};
  w->btCriarMenuClick();
  EXPECT_TRUE(P().DialogosModais.isEmpty());
  w->btCriarMenuClick();  // Yes; the editor is cancelled
  EXPECT_EQ(P().DialogosModais, QStringList{QStringLiteral("TfrmMenuUra")});
  EXPECT_EQ(w->DacAtual()->ListaMenus->Count(), 0);
}

TEST_F(JanelaTest, ActivationRowTurnsRedWhenModifiedAfterActivation) {
  auto w = CriaComUra();
  struct Caso {
    double modificado, ativado;
    bool vermelho;
  } casos[] = {{46000.5, 46000.0, true}, {46000.0, 46000.5, false}, {46000.0, 46000.0, false}, {-1, 46000, true}};
  for (const Caso& c : casos) {
    w->DacAtual()->ModificadoEm = c.modificado;
    w->DacAtual()->AtivadoEm = c.ativado;
    w->AtualizaDadosTelaDAC();
    EXPECT_EQ(w->edAtivadoEm->palette().color(QPalette::Text) == QColor(Qt::red), c.vermelho) << c.modificado;
  }
}

}  // namespace

namespace {

TEST_F(JanelaTest, HtmlViewWritesTheReportAndOpensIt) {
  auto w = CriaComUra();
  w->mnuVisualizarClick();
  const QString pagina = Plat.Caminho(QStringLiteral("teste.html"));
  EXPECT_EQ(P().Abertos, QStringList{pagina});
  EXPECT_TRUE(LeArquivo(pagina).contains("<tr id=\"Alvo\""));
}

}  // namespace

TEST_F(JanelaTest, EditsTheFingerprintLeavesOutStillCountAsChanges) {
  const std::pair<const char*, std::function<void(TMenuUra&)>> mudancas[] = {
      {"descricao do menu", [](TMenuUra& m) { m.Descricao = QStringLiteral("outra"); }},
      {"texto de chat", [](TMenuUra& m) { m.MensagemMenu->AddMensagemChat(QStringLiteral("Olá")); }},
  };
  for (const auto& [nome, muda] : mudancas) {
    SCOPED_TRACE(nome);
    auto w = CriaComUra();
    ASSERT_GT(w->DacAtual()->ListaMenus->Count(), 0);
    muda(*w->DacAtual()->ListaMenus->Items().front());
    P().Caixas.clear();
    P().Respostas = {TResposta::Cancelar};
    w->mnuFecharClick();
    ASSERT_FALSE(P().Caixas.empty());
    EXPECT_EQ(P().Caixas[0].Texto, QStringLiteral("Salvar o arquivo atual?"));
    EXPECT_NE(w->DacAtual(), nullptr);
  }
}

namespace {

TEST_F(JanelaTest, LocalModeReadsAFileWithoutAuditBlockAsTampered) {
  for (bool local : {true, false}) {
    SCOPED_TRACE(local ? "local" : "servidor");
    auto w = CriaComUra(kUraTeste, local);
    const QString esperado = local ? QStringLiteral("<ERROR>") : QString();
    EXPECT_EQ(w->edCriadoEm->text(), esperado);
    EXPECT_EQ(w->edCriadoPor->text(), esperado);
    EXPECT_EQ(w->edModificadoEm->text(), esperado);
    EXPECT_EQ(w->edModificadoPor->text(), esperado);
  }
}

TEST_F(JanelaTest, SaveWithoutALocalNameMarksTheDocumentNewBeforeAsking) {
  struct Caso {
    TResposta resposta;
    bool novo, gravado;
  } casos[] = {{TResposta::Nao, true, false}, {TResposta::Sim, false, true}};
  const QString existente = Plat.Caminho(QStringLiteral("existente.xml"));
  for (const Caso& c : casos) {
    ASSERT_TRUE(GravaArquivo(existente, "antigo"));
    auto w = CriaComUra();
    w->DacAtual()->NomeArquivoLocal.clear();
    w->DacAtual()->Novo = false;
    P().Arquivos = {existente};
    P().Respostas = {c.resposta};
    w->mnuSalvarClick();
    EXPECT_EQ(P().UltimoTexto(), QStringLiteral("O arquivo já existe. Deseja sobrescrever?"));
    EXPECT_EQ(w->DacAtual()->Novo, c.novo);
    EXPECT_EQ(LeArquivo(existente) != "antigo", c.gravado);
  }
}

TEST_F(JanelaTest, DescriptionRefusesWhatTheServerCannotHoldAndKeepsWhatTheFileHad) {
  auto w = Cria();
  w->mnuNovoClick();
  auto digita = [&](const QString& Texto) {
    QKeyEvent tecla(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, Texto);
    QApplication::sendEvent(w->edDescricaoDAC, &tecla);
  };
  digita(QStringLiteral("é"));
  digita(QStringLiteral("😀"));
  digita(QStringLiteral("→"));
  digita(QStringLiteral("ç"));
  EXPECT_EQ(w->edDescricaoDAC->text(), QStringLiteral("éç"));
  EXPECT_EQ(w->DacAtual()->Descricao, QStringLiteral("éç"));
  EXPECT_EQ(w->TextoStatus(), QStringLiteral("A descrição não aceita este caractere: o servidor não o guarda."));

  // A description read from a file keeps its characters when edited.
  QByteArray arquivo = kUraTeste;
  arquivo.replace("Descricao=\"Teste\"", "Descricao=\"Olá 😀\"");
  auto v = CriaComUra(arquivo);
  v->edDescricaoDAC->end(false);
  QKeyEvent tecla(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  QApplication::sendEvent(v->edDescricaoDAC, &tecla);
  EXPECT_EQ(v->DacAtual()->Descricao, QStringLiteral("Olá 😀x"));
  v->mnuSalvarClick();
  EXPECT_TRUE(QString::fromUtf8(LeArquivo(Plat.Caminho(QStringLiteral("teste.xml")))).contains(u"Olá 😀x"));
}

TEST_F(JanelaTest, HintOverTheEmptyListNamesWhatCanBeDoneNow) {
  struct Caso {
    bool local;
    QStringList nomeados, ausentes;
  } casos[] = {
      {false,
       {"Ferramentas > Conectar no servidor...", "Arquivo URA > Novo"},
       {"Abrir do servidor", "Abrir...", "Salvar"}},
      {true, {"Arquivo URA > Novo", "Arquivo URA > Abrir..."}, {"Conectar", "servidor"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.local ? "local" : "servidor");
    auto w = Cria(c.local);
    auto* dica = w->ListView1->viewport()->findChild<QLabel*>(QStringLiteral("lbDicaInicial"));
    ASSERT_NE(dica, nullptr);
    EXPECT_FALSE(dica->isHidden());
    for (const QString& n : c.nomeados) EXPECT_TRUE(dica->text().contains(n)) << n.toStdString();
    for (const QString& n : c.ausentes) EXPECT_FALSE(dica->text().contains(n)) << n.toStdString();
    w->mnuNovoClick();
    EXPECT_TRUE(dica->isHidden());
    w->mnuFecharClick();
    EXPECT_FALSE(dica->isHidden());
  }
}

TEST_F(JanelaTest, ActivationRowIsNotRedWithoutADocument) {
  auto w = CriaComUra();
  w->DacAtual()->ModificadoEm = 46000.5;
  w->DacAtual()->AtivadoEm = 46000.0;
  w->AtualizaDadosTelaDAC();
  ASSERT_EQ(w->edAtivadoEm->palette().color(QPalette::Text), QColor(Qt::red));
  w->mnuFecharClick();
  ASSERT_EQ(w->DacAtual(), nullptr);
  for (QWidget* c : std::initializer_list<QWidget*>{w->edAtivadoEm, w->edAtivadoPor})
    EXPECT_NE(c->palette().color(QPalette::Text), QColor(Qt::red));
  for (const char* rotulo : {"lbAtivadoEm", "lbAtivadoPor"})
    EXPECT_NE(w->findChild<QLabel*>(QString::fromLatin1(rotulo))->palette().color(QPalette::WindowText),
              QColor(Qt::red))
        << rotulo;
}

}  // namespace
