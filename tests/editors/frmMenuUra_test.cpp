#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "UfrmCadAcoes.h"
#include "UfrmCadCondicao.h"
#include "UfrmCadMensagem.h"
#include "UfrmCadMenuWhatsApp.h"
#include "UfrmCadOpcao.h"
#include "UfrmMenuUra.h"
#include "apoio.h"
#include "configuracao.h"
#include "dac.h"
#include "menuura.h"

namespace {
const QString kTitulo = QStringLiteral("Cadastro de menu");
const QString kFinal =
    QStringLiteral("A acão final não foi informada. A chamada será encerrada ao final deste menu. Confirma?");
const QString kInvalida = QStringLiteral(
    "A acão de Opção Inválida não foi informada. A chamada será encerrada após exceder as tentativas. Confirma?");
const QString kTimeout = QStringLiteral(
    "A acão de Timeout não foi informada. A chamada será encerrada após exceder as tentativas. Confirma?");
const QString kInvalido = QStringLiteral("Menu inválido. Não há nenhuma mensagem ou ação cadastrada.");
const QString kDuplicado = QStringLiteral("Já existe um menu cadastrado com este nome");

// Types Texto key by key (QTest::keyClicks only knows ASCII).
void Digita(QWidget* W, const QString& Texto) {
  for (QChar c : Texto) {
    const auto tecla = c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, W, tecla, QString(c), Qt::NoModifier);
  }
}

void AddAcao(TMUListaAcao& Lista, const QString& Tipo) { Lista.Add(std::make_unique<TMUAcao>(Lista.DAC, Tipo)); }

class MenuUraTeste : public TesteJanela {
 protected:
  TDAC Dac;
  std::unique_ptr<TfrmMenuUra> Janela;

  TMenuUra* NovoMenu(const QString& Nome) {
    auto m = std::make_unique<TMenuUra>(&Dac, Nome);
    TMenuUra* p = m.get();
    Dac.ListaMenus->Add(std::move(m));
    return p;
  }
  void Abre(const TMenuUra* Menu) {
    TContextoEditor ctx;
    ctx.Dac = &Dac;
    Janela = std::make_unique<TfrmMenuUra>(ctx);
    Janela->LeConfiguracao();
    Janela->lstMenuUra = Dac.ListaMenus.get();
    if (Menu)
      Janela->CarregaMenu(Menu);
    else
      Janela->RefreshTelaMenu();
  }
  template <class T>
  T* W(const char* Nome) {
    T* w = Janela->findChild<T*>(QString::fromLatin1(Nome));
    EXPECT_NE(w, nullptr) << Nome;
    return w;
  }
  void Clica(const char* Nome) { W<QAbstractButton>(Nome)->click(); }
  QTreeWidget* Lista(const char* Nome) { return W<QTreeWidget>(Nome); }
  void Seleciona(const char* Nome, int Linha) { Lista(Nome)->setCurrentItem(Lista(Nome)->topLevelItem(Linha)); }
};

// The OK sequence: refusals and confirmations in their order.
struct TCasoOK {
  const char* Caso;
  std::function<void(TMenuUra&)> Prepara;  // the loaded menu ("Atual")
  QString NomeDigitado;
  std::vector<TResposta> Respostas;
  QStringList CaixasEsperadas;
  bool Aceito;
};

TEST_F(MenuUraTeste, OKRefusesAndConfirmsInOrder) {
  const auto finalComMensagem = [](TMenuUra& m) { m.Final->Mensagem->AddArquivo(QStringLiteral("bemvindo")); };
  const auto comOpcao = [](TMenuUra& m) { m.ListaOpcoes->Add(std::make_unique<TMUOpcao>(m.DAC, QStringLiteral("1"))); };
  const auto tudoComAcao = [&](TMenuUra& m) {
    comOpcao(m);
    AddAcao(*m.Final->ListaAcao, QStringLiteral("DESLIGA"));
    AddAcao(*m.OpcaoInvalida->ListaAcao, QStringLiteral("DESLIGA"));
    AddAcao(*m.OpcaoTimeout->ListaAcao, QStringLiteral("DESLIGA"));
  };
  const std::vector<TCasoOK> casos = {
      {"empty name", finalComMensagem, "", {}, {"Informe o nome do menu"}, false},
      {"blank name", finalComMensagem, "   ", {}, {"Informe o nome do menu"}, false},
      {"another menu's name", finalComMensagem, "Outro", {}, {kDuplicado}, false},
      {"same name in other case", finalComMensagem, "outro", {TResposta::Sim}, {kFinal}, true},
      {"own name kept", finalComMensagem, "Atual", {TResposta::Sim}, {kFinal}, true},
      {"nothing in the menu", nullptr, "Atual", {}, {kInvalido}, false},
      {"only a final action needs no question",
       [](TMenuUra& m) { AddAcao(*m.Final->ListaAcao, "DESLIGA"); },
       "Atual",
       {},
       {},
       true},
      {"final question answered No", finalComMensagem, "Atual", {TResposta::Nao}, {kFinal}, false},
      {"chat text in the menu message",
       [](TMenuUra& m) { m.MensagemMenu->AddMensagemChat(QStringLiteral("Oi")); },
       "Atual",
       {TResposta::Sim},
       {kFinal},
       true},
      {"options without fallback actions", comOpcao, "Atual", {}, {kFinal, kInvalida, kTimeout}, true},
      {"invalid-option question answered No",
       comOpcao,
       "Atual",
       {TResposta::Sim, TResposta::Nao},
       {kFinal, kInvalida},
       false},
      {"timeout question answered No",
       comOpcao,
       "Atual",
       {TResposta::Sim, TResposta::Sim, TResposta::Nao},
       {kFinal, kInvalida, kTimeout},
       false},
      {"every action present", tudoComAcao, "Atual", {}, {}, true},
      {"only the invalid-option section has an action",
       [&](TMenuUra& m) {
         comOpcao(m);
         AddAcao(*m.OpcaoInvalida->ListaAcao, QStringLiteral("DESLIGA"));
       },
       "Atual",
       {},
       {kFinal, kTimeout},
       true},
      {"only the timeout section has an action",
       [&](TMenuUra& m) {
         comOpcao(m);
         AddAcao(*m.Final->ListaAcao, QStringLiteral("DESLIGA"));
         AddAcao(*m.OpcaoTimeout->ListaAcao, QStringLiteral("DESLIGA"));
       },
       "Atual",
       {},
       {kInvalida},
       true},
  };
  for (const TCasoOK& c : casos) {
    SCOPED_TRACE(c.Caso);
    Dac.ListaMenus->ClearLista();
    NovoMenu(QStringLiteral("Outro"));
    TMenuUra* atual = NovoMenu(QStringLiteral("Atual"));
    if (c.Prepara) c.Prepara(*atual);
    Abre(atual);
    P().Caixas.clear();
    P().Respostas.assign(c.Respostas.begin(), c.Respostas.end());
    W<QLineEdit>("edNomeMenu")->setText(c.NomeDigitado);
    Clica("btOK");
    EXPECT_EQ(P().Textos(), c.CaixasEsperadas);
    for (const auto& caixa : P().Caixas) {
      EXPECT_EQ(caixa.Titulo, kTitulo);
      EXPECT_EQ(caixa.Tipo,
                caixa.Texto.endsWith(QStringLiteral("Confirma?")) ? TTipoMensagem::SimNao : TTipoMensagem::Erro);
    }
    EXPECT_EQ(Janela->result() == QDialog::Accepted, c.Aceito);
    // A refusal stores nothing; OK stores the trimmed name.
    EXPECT_EQ(Janela->MenuUra->Nome, c.Aceito ? c.NomeDigitado.trimmed() : QStringLiteral("Atual"));
  }
}

TEST_F(MenuUraTeste, StoresTrimmedTextsAndDefaultsForBadNumbers) {
  TMenuUra* m = NovoMenu(QStringLiteral("M"));
  AddAcao(*m->Final->ListaAcao, QStringLiteral("DESLIGA"));
  m->OpcaoInvalida->Tentativas = 12;
  m->OpcaoTimeout->Tentativas = 4;
  Abre(m);
  auto* tentInvalida = W<QComboBox>("cbTentativasOpcaoInvalida");
  EXPECT_EQ(tentInvalida->currentIndex(), -1);  // 12 is not offered
  EXPECT_EQ(W<QComboBox>("cbTentativasTimeout")->currentText(), QStringLiteral("4"));
  EXPECT_EQ(W<QComboBox>("cbTempoTimeout")->currentText(), QStringLiteral("5"));
  W<QLineEdit>("edNomeMenu")->setText(QStringLiteral("  Novo nome "));
  W<QLineEdit>("edDescricao")->setText(QStringLiteral("  texto  "));
  W<QComboBox>("cbTempoTimeout")->setEditText(QStringLiteral("abc"));
  Clica("btOK");
  ASSERT_EQ(Janela->result(), QDialog::Accepted);
  EXPECT_EQ(Janela->MenuUra->Nome, QStringLiteral("Novo nome"));
  EXPECT_EQ(Janela->MenuUra->Descricao, QStringLiteral("texto"));
  EXPECT_EQ(Janela->MenuUra->OpcaoInvalida->Tentativas, 3);
  EXPECT_EQ(Janela->MenuUra->OpcaoTimeout->Tentativas, 4);
  EXPECT_EQ(Janela->MenuUra->OpcaoTimeout->Tempo, 5);
}

TEST_F(MenuUraTeste, ANameLongerThanTheFieldSurvivesOK) {
  const QString longo = QStringLiteral("Um nome de menu com mais de trinta letras");
  TMenuUra* m = NovoMenu(longo);
  AddAcao(*m->Final->ListaAcao, QStringLiteral("DESLIGA"));
  Abre(m);
  EXPECT_EQ(W<QLineEdit>("edNomeMenu")->text(), longo);
  Clica("btOK");
  ASSERT_EQ(Janela->result(), QDialog::Accepted);
  EXPECT_EQ(Janela->MenuUra->Nome, longo);
  // A new menu's name still stops at 30 characters.
  Abre(nullptr);
  W<QLineEdit>("edNomeMenu")->setText(longo);
  EXPECT_EQ(W<QLineEdit>("edNomeMenu")->text(), longo.left(30));
}

TEST_F(MenuUraTeste, NameKeyFilter) {
  const struct {
    const char* Digitado;
    const char* Esperado;
  } casos[] = {
      {" a", "a"},               // no leading blank
      {"a  b", "a b"},           // no two blanks in a row
      {"Menu_1-x", "Menu_1-x"},  // letters, digits, "-" and "_"
      {"ação!", "ao"},           // no accents, no punctuation
  };
  Abre(nullptr);
  auto* nome = W<QLineEdit>("edNomeMenu");
  for (const auto& c : casos) {
    nome->clear();
    Digita(nome, QString::fromUtf8(c.Digitado));
    EXPECT_EQ(nome->text(), QString::fromUtf8(c.Esperado)) << c.Digitado;
  }
  QTest::keyClick(nome, Qt::Key_Backspace);
  EXPECT_EQ(nome->text(), QStringLiteral("a"));
  // A composed character (dead key) comes through the input method.
  for (const char* composto : {"ã", "b"}) {
    QInputMethodEvent ev;
    ev.setCommitString(QString::fromUtf8(composto));
    QCoreApplication::sendEvent(nome, &ev);
  }
  EXPECT_EQ(nome->text(), QStringLiteral("ab"));
}

TEST_F(MenuUraTeste, KindOfUraChoosesControlsAndOptionEditor) {
  const struct {
    const char* TipoUra;
    bool Chat, TDD;
    const char* Editor;
  } casos[] = {
      {"", false, false, "TfrmCadOpcao"},
      {"chat", true, false, "TfrmCadOpcaoChat"},
      {"chattdd", true, true, "TfrmCadOpcaoChat"},
      {"Chat", false, false, "TfrmCadOpcao"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.TipoUra);
    Dac.TipoUra = QString::fromLatin1(c.TipoUra);
    Abre(nullptr);
    EXPECT_EQ(Janela->EhUraChat, c.Chat);
    EXPECT_EQ(Janela->EhUraChatTDD, c.TDD);
    const bool tipoVisivel = c.Chat && !c.TDD;
    EXPECT_EQ(!W<QComboBox>("cbTipoMenuOpcoes")->isHidden(), tipoVisivel);
    EXPECT_EQ(!W<QWidget>("LabelTipoMenuOpcoes")->isHidden(), tipoVisivel);
    EXPECT_EQ(!W<QWidget>("LabelMsgMenu")->isHidden(), !tipoVisivel);
    P().DialogosModais.clear();
    Clica("btAddOpcao");
    EXPECT_EQ(P().DialogosModais, QStringList{QString::fromLatin1(c.Editor)});
  }
}

TEST_F(MenuUraTeste, FallbackControlsFollowTheFirstOption) {
  Abre(nullptr);
  auto* cb = W<QComboBox>("cbTentativasTimeout");
  auto* bt = W<QToolButton>("btAcaoOpcaoInvalida");
  EXPECT_FALSE(cb->isEnabled());
  EXPECT_FALSE(bt->isEnabled());
  P().Usuario.push_back([](QDialog* d) {
    qobject_cast<TfrmCadOpcao*>(d)->Opcao->SetValor(QStringLiteral("1"));
    return int(QDialog::Accepted);
  });
  Clica("btAddOpcao");
  ASSERT_EQ(Janela->MenuUra->ListaOpcoes->Count(), 1);
  EXPECT_EQ(Lista("ListViewOpcoes")->topLevelItemCount(), 1);
  EXPECT_TRUE(cb->isEnabled());
  EXPECT_TRUE(bt->isEnabled());
  Seleciona("ListViewOpcoes", 0);
  Clica("btRemoveOpcao");
  EXPECT_EQ(P().Caixas.back().Titulo, QStringLiteral("Remover opçao"));
  EXPECT_EQ(Janela->MenuUra->ListaOpcoes->Count(), 0);
  EXPECT_FALSE(cb->isEnabled());
  EXPECT_FALSE(bt->isEnabled());
}

TEST_F(MenuUraTeste, ConditionsMoveAndRemoveWithAQuestion) {
  TMenuUra* m = NovoMenu(QStringLiteral("M"));
  for (int h : {8, 9, 10}) {
    auto c = std::make_unique<TMUCondicao>(&Dac);
    c->HoraIni = h;
    c->MinutoIni = 0;
    m->ListaCondicoes->Add(std::move(c));
  }
  Abre(m);
  const auto horas = [&] {
    QList<int> r;
    for (const auto& c : Janela->MenuUra->ListaCondicoes->Items()) r << c->HoraIni;
    return r;
  };
  Seleciona("ListViewCondicoes", 0);
  Clica("btUpCondicao");
  EXPECT_EQ(horas(), (QList<int>{8, 9, 10}));
  Clica("btDownCondicao");
  EXPECT_EQ(horas(), (QList<int>{9, 8, 10}));
  EXPECT_EQ(Lista("ListViewCondicoes")->currentIndex().row(), 1);
  Seleciona("ListViewCondicoes", 2);
  Clica("btDownCondicao");
  EXPECT_EQ(horas(), (QList<int>{9, 8, 10}));

  const QString descricao = Janela->MenuUra->ListaCondicoes->GetItem(2)->GetStrCondicao();
  P().Respostas = {TResposta::Nao};
  Clica("btRemoveCondicao");
  EXPECT_EQ(horas().size(), 3);
  Clica("btRemoveCondicao");
  EXPECT_EQ(P().UltimoTexto(), QStringLiteral("Remover a condição \"%1\"?").arg(descricao));
  EXPECT_EQ(P().Caixas.back().Titulo, QStringLiteral("Remover condição"));
  EXPECT_EQ(horas(), (QList<int>{9, 8}));
  EXPECT_EQ(Lista("ListViewCondicoes")->topLevelItemCount(), 2);
  EXPECT_EQ(m->ListaCondicoes->Count(), 3);  // the document's menu is untouched
}

TEST_F(MenuUraTeste, CancelAfterSubEditorsLeavesTheMenuUnchanged) {
  TMenuUra* m = NovoMenu(QStringLiteral("M"));
  m->ListaCondicoes->Add(std::make_unique<TMUCondicao>(&Dac));
  m->ListaOpcoes->Add(std::make_unique<TMUOpcao>(&Dac, QStringLiteral("1")));
  QStringList antes;
  Dac.GetListConfig(&antes);
  Abre(m);
  QStringList menusVistos;
  // Add and edit a condition, edit the option, change the final actions, remove the condition.
  P().Usuario.push_back([&](QDialog* d) {
    auto* c = qobject_cast<TfrmCadCondicao*>(d);
    menusVistos << c->strMenuAtual;
    c->Condicao->HoraIni = 7;
    return int(QDialog::Accepted);
  });
  P().Usuario.push_back([&](QDialog* d) {
    auto* c = qobject_cast<TfrmCadCondicao*>(d);
    menusVistos << c->strMenuAtual;
    EXPECT_EQ(c->Condicao->HoraIni, 7);  // loaded from the row clicked
    c->Condicao->MinutoIni = 15;
    return int(QDialog::Accepted);
  });
  P().Usuario.push_back([](QDialog* d) {
    qobject_cast<TfrmCadOpcao*>(d)->Opcao->SetValor(QStringLiteral("2"));
    return int(QDialog::Accepted);
  });
  P().Usuario.push_back([&](QDialog* d) {
    auto* a = qobject_cast<TfrmCadAcoes*>(d);
    menusVistos << a->strMenuAtual;
    AddAcao(*a->ListaAcoes, QStringLiteral("DESLIGA"));
    return int(QDialog::Accepted);
  });
  Clica("btAddCondicao");
  emit Lista("ListViewCondicoes")->itemDoubleClicked(Lista("ListViewCondicoes")->topLevelItem(1), 0);
  emit Lista("ListViewOpcoes")->itemDoubleClicked(Lista("ListViewOpcoes")->topLevelItem(0), 0);
  W<QLineEdit>("edNomeMenu")->setText(QStringLiteral("Digitado"));
  Clica("SpeedButton12");
  Seleciona("ListViewCondicoes", 0);
  Clica("btRemoveCondicao");

  EXPECT_EQ(menusVistos, (QStringList{QString(), QStringLiteral("M"), QStringLiteral("M")}));
  EXPECT_EQ(Janela->MenuUra->ListaCondicoes->GetItem(0)->HoraIni, 7);
  EXPECT_EQ(Janela->MenuUra->ListaCondicoes->GetItem(0)->MinutoIni, 15);
  EXPECT_EQ(Janela->MenuUra->ListaOpcoes->GetItem(0)->GetValor(), QStringLiteral("2"));
  EXPECT_EQ(Janela->MenuUra->Final->ListaAcao->Count(), 1);
  EXPECT_FALSE(W<QLineEdit>("edAcaoFinal")->text().isEmpty());
  Clica("btCancelar");
  EXPECT_EQ(Janela->result(), QDialog::Rejected);
  QStringList depois;
  Dac.GetListConfig(&depois);
  EXPECT_EQ(depois, antes);
}

TEST_F(MenuUraTeste, ListMenuAndMessageStayBothInTheWorkingCopy) {
  Dac.TipoUra = QStringLiteral("chat");
  TMenuUra* m = NovoMenu(QStringLiteral("M"));
  m->MensagemMenu->AddMensagemChat(QStringLiteral("Bem-vindo"));
  AddAcao(*m->Final->ListaAcao, QStringLiteral("DESLIGA"));
  Abre(m);
  auto* tipo = W<QComboBox>("cbTipoMenuOpcoes");
  auto* msg = W<QPlainTextEdit>("edMsgMenu");
  EXPECT_EQ(tipo->currentIndex(), 0);
  EXPECT_EQ(msg->toPlainText(), QStringLiteral("Bem-vindo"));
  tipo->setCurrentIndex(1);
  P().Usuario.push_back([](QDialog* d) {
    auto* wa = qobject_cast<TfrmCadMenuWhatsApp*>(d);
    wa->MenuOpcaoWA->Tipo = QStringLiteral("BOTAOWA");
    wa->MenuOpcaoWA->Titulo->AddMensagemChat(QStringLiteral("Escolha"));
    return int(QDialog::Accepted);
  });
  Clica("btMsgMenu");
  EXPECT_EQ(msg->toPlainText(), QStringLiteral("Escolha"));
  tipo->setCurrentIndex(0);
  EXPECT_EQ(msg->toPlainText(), QStringLiteral("Bem-vindo"));
  tipo->setCurrentIndex(1);
  Clica("btOK");
  ASSERT_EQ(Janela->result(), QDialog::Accepted);
  EXPECT_EQ(Janela->MenuUra->GetTipoMenuOpcoesWA(), QStringLiteral("BOTAOWA"));
  EXPECT_EQ(Janela->MenuUra->MensagemMenu->MensagensChatCount(), 1);
  EXPECT_EQ(P().DialogosModais, QStringList{QStringLiteral("TfrmCadMenuWhatsApp")});
}

TEST_F(MenuUraTeste, SettingsAreReadAndWrittenBack) {
  {
    TConfiguracao cfg(QStringLiteral("TelaMenuUra"));
    cfg.GravaInteiro(QStringLiteral("CondicaoCol1"), 123);
    cfg.GravaInteiro(QStringLiteral("InicioHeight"), 140);
  }
  Abre(nullptr);
  EXPECT_EQ(Lista("ListViewCondicoes")->columnWidth(1), 123);
  EXPECT_EQ(Lista("ListViewOpcoes")->columnWidth(0), 70);
  Lista("ListViewOpcoes")->setColumnWidth(1, 222);
  Janela->show();
  auto* divisor = W<QSplitter>("Splitter1");
  EXPECT_EQ(divisor->sizes().value(0), 140);
  divisor->setSizes({160, divisor->height() - 160 - divisor->handleWidth()});
  Clica("btCancelar");
  const TConfiguracao cfg(QStringLiteral("TelaMenuUra"));
  EXPECT_EQ(cfg.LeInteiro(QStringLiteral("OpcaoCol1"), 0), 222);
  EXPECT_EQ(cfg.LeInteiro(QStringLiteral("CondicaoCol0"), 0), 200);
  EXPECT_EQ(cfg.LeInteiro(QStringLiteral("InicioHeight"), 0), 160);
  EXPECT_EQ(cfg.LeInteiro(QStringLiteral("Width"), 0), 990);
}
}  // namespace
