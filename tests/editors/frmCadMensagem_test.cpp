// Message editor and chat text editor: the available list (filter, colours,
// sorting kept in the settings), the selection, and the chat catalogue texts.
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "UfrmCadMensagem.h"
#include "UfrmCadMensagemChat.h"
#include "apoio_acoes_opcoes.h"
#include "configuracao.h"
#include "mensagem.h"

// Readable failures.
static void PrintTo(const QString& Texto, std::ostream* os) { *os << '"' << Texto.toStdString() << '"'; }

namespace {
class TesteMensagem : public TesteEditorAcoesOpcoes {
 protected:
  void SetUp() override {
    const std::pair<const char*, bool> arquivos[] = {{"bemvindo", true}, {"aguarde", false}, {"menu", true}};
    const char* descricoes[] = {"Boas-vindas", "Aguarde um instante", "Menu principal"};
    for (int i = 0; i < 3; ++i) {
      auto e = std::make_unique<TMUDescricaoMensagem>(QString::fromLatin1(arquivos[i].first));
      e->Descricao = QString::fromUtf8(descricoes[i]);
      e->ArquivoExiste = arquivos[i].second;
      MenuUraInfoAuxiliar.ListaDeMensagens.Add(std::move(e));
    }
    MenuUraInfoAuxiliar.ListaDePlayList.Add(QStringLiteral("saudacao"));
  }

  static QStringList Coluna(const QTreeWidget* Lista, int Coluna) {
    QStringList r;
    for (int i = 0; i < Lista->topLevelItemCount(); ++i) r << Lista->topLevelItem(i)->text(Coluna);
    return r;
  }
};

TEST_F(TesteMensagem, FilterMatchesDescriptionOrNameIgnoringCaseAndHidesVariablesForFilesOnly) {
  struct Caso {
    const char* Filtro;
    bool SohArquivos;
    QStringList Linhas;
  } casos[] = {
      {"", false, {"bemvindo", "aguarde", "menu", "Mensagem(saudacao)"}},
      {"", true, {"bemvindo", "aguarde", "menu"}},
      {"INSTANTE", false, {"aguarde"}},  // description only
      {"mEnU", false, {"menu"}},         // name and description
      {"sauda", false, {"Mensagem(saudacao)"}},
      {"mensagem(", false, {}},  // variables are matched by their bare name
  };
  for (const Caso& c : casos) {
    TfrmCadMensagem dlg(Ctx());
    dlg.SohArquivos = c.SohArquivos;
    Filho<QLineEdit>(dlg, "edFiltro")->setText(QString::fromLatin1(c.Filtro));
    dlg.CarregaListaMensagens();
    EXPECT_EQ(Coluna(Filho<QTreeWidget>(dlg, "ListViewDisponiveis"), 0), c.Linhas) << c.Filtro;
  }
}

TEST_F(TesteMensagem, MissingFileIsRedAndVariableRowBold) {
  TfrmCadMensagem dlg(Ctx());
  dlg.CarregaListaMensagens();
  auto* lista = Filho<QTreeWidget>(dlg, "ListViewDisponiveis");
  EXPECT_NE(lista->topLevelItem(0)->foreground(1).color(), QColor(Qt::red));
  EXPECT_EQ(lista->topLevelItem(1)->foreground(1).color(), QColor(Qt::red));
  EXPECT_FALSE(lista->topLevelItem(1)->font(0).bold());
  EXPECT_TRUE(lista->topLevelItem(3)->font(0).bold());
}

TEST_F(TesteMensagem, AddAppendsSelectedRowsInListOrderAndReorderStopsAtTheEnds) {
  TfrmCadMensagem dlg(Ctx());
  dlg.CarregaListaMensagens();
  auto* disp = Filho<QTreeWidget>(dlg, "ListViewDisponiveis");
  for (int i : {3, 0, 2}) disp->topLevelItem(i)->setSelected(true);
  Filho<QPushButton>(dlg, "btAddArquivo")->click();
  Filho<QPushButton>(dlg, "btAddArquivo")->click();
  const QStringList tres{"bemvindo", "menu", "Mensagem(saudacao)"};
  EXPECT_EQ(dlg.listaMsgSelecionada, tres + tres);
  EXPECT_EQ(dlg.Mensagem->GetListaArquivosSeparador(QStringLiteral(",")),
            QStringLiteral("bemvindo,menu,{saudacao},bemvindo,menu,{saudacao}"));

  auto* sel = Filho<QTreeWidget>(dlg, "ListViewSelecionados");
  EXPECT_EQ(sel->topLevelItem(0)->text(1), QStringLiteral("Boas-vindas"));
  sel->setCurrentItem(sel->topLevelItem(0));
  Filho<QPushButton>(dlg, "btUpCondicao")->click();
  sel->setCurrentItem(sel->topLevelItem(5));
  Filho<QPushButton>(dlg, "btDownCondicao")->click();
  EXPECT_EQ(dlg.listaMsgSelecionada, tres + tres);
  sel->setCurrentItem(sel->topLevelItem(1));
  Filho<QPushButton>(dlg, "btUpCondicao")->click();
  EXPECT_EQ(dlg.listaMsgSelecionada.mid(0, 2), (QStringList{"menu", "bemvindo"}));
  EXPECT_EQ(sel->currentItem(), sel->topLevelItem(0));
  Filho<QPushButton>(dlg, "btRemoveArquivo")->click();
  EXPECT_EQ(dlg.listaMsgSelecionada.size(), 5);
  EXPECT_EQ(dlg.listaMsgSelecionada.front(), QStringLiteral("bemvindo"));
}

TEST_F(TesteMensagem, SortingDirectionFollowsHeaderClicksAndIsKeptInTheSettings) {
  {
    TfrmCadMensagem dlg(Ctx());
    dlg.SohArquivos = true;
    dlg.CarregaListaMensagens();
    auto* lista = Filho<QTreeWidget>(dlg, "ListViewDisponiveis");
    emit lista->header()->sectionClicked(1);
    EXPECT_EQ(Coluna(lista, 1).first(), QStringLiteral("Aguarde um instante"));
    emit lista->header()->sectionClicked(1);  // same column: reversed
    EXPECT_EQ(Coluna(lista, 1).last(), QStringLiteral("Aguarde um instante"));
    emit lista->header()->sectionClicked(0);  // other column: direction kept
    EXPECT_EQ(Coluna(lista, 0).first(), QStringLiteral("menu"));
    dlg.reject();
  }
  const TConfiguracao cfg(QStringLiteral("TelaCadMensagem"));
  EXPECT_EQ(cfg.LeInteiro(QStringLiteral("ColunaSort"), -1), 0);
  EXPECT_TRUE(cfg.LeBool(QStringLiteral("SortDescendente"), false));
  TfrmCadMensagem outro(Ctx());
  outro.SohArquivos = true;
  outro.CarregaListaMensagens();
  EXPECT_EQ(Coluna(Filho<QTreeWidget>(outro, "ListViewDisponiveis"), 0).first(), QStringLiteral("menu"));
}

TEST_F(TesteMensagem, ChatLineBreaksShowAsArrowOrBlankAndAsRealBreaksBelow) {
  MenuUraInfoAuxiliar.ListaDeMensagensChat.Add(QStringLiteral("Linha 1&#xD;&#xA;Linha 2"));
  MenuUraInfoAuxiliar.ListaDeMensagensChatTDD.Add(QStringLiteral("LINHA 1&#xD;&#xA;LINHA 2"));
  for (const char* tipo : {"chat", "chattdd"}) {
    Dac.TipoUra = QString::fromLatin1(tipo);
    const bool tdd = Dac.TipoUra == QLatin1String("chattdd");
    TfrmCadMensagem dlg(Ctx());
    dlg.CarregaListaMensagens();
    auto* disp = Filho<QTreeWidget>(dlg, "ListViewDisponiveis");
    ASSERT_EQ(disp->topLevelItemCount(), 1) << tipo;
    disp->topLevelItem(0)->setSelected(true);
    Filho<QPushButton>(dlg, "btAddArquivo")->click();
    const QString quebra = tdd ? QStringLiteral(" ") : QStringLiteral("\u21A9");
    const QString linha = tdd ? QStringLiteral("LINHA 1%1LINHA 2") : QStringLiteral("Linha 1%1Linha 2");
    EXPECT_EQ(disp->topLevelItem(0)->text(1), linha.arg(quebra)) << tipo;
    EXPECT_EQ(Filho<QTreeWidget>(dlg, "ListViewSelecionados")->topLevelItem(0)->text(1), linha.arg(quebra));
    EXPECT_EQ(Filho<QPlainTextEdit>(dlg, "Memo1")->toPlainText(), linha.arg(tdd ? quebra : QStringLiteral("\n")));
    EXPECT_EQ(dlg.Mensagem->MensagensChatCount(), 1);
  }
}

// Plays the user in the chat text editor: types (or pastes) Texto and presses OK.
std::function<int(QDialog*)> EscreveTexto(const QString& Texto, bool Cola) {
  return [Texto, Cola](QDialog* d) {
    auto* memo = Filho<QPlainTextEdit>(*d, "Memo1");
    memo->clear();
    if (Cola) {
      QApplication::clipboard()->setText(Texto);
      memo->paste();
    } else {
      QTest::keyClicks(memo, Texto);
    }
    Filho<QPushButton>(*d, "btOK")->click();
    return d->result();
  };
}

TEST_F(TesteMensagem, TddTextTypedIsUpperCasedWhilePastedLowerCaseIsRefused) {
  Dac.TipoUra = QStringLiteral("chattdd");
  struct Caso {
    QString Texto;
    bool Cola;
    QString Erro;
    QString Guardado;
  } casos[] = {
      {"ola, tudo bem?", false, "", "OLA, TUDO BEM?"},
      {"ola", true, "Existem caracteres não permitidos para mensagem TDD", ""},
      {"AVISO É", true, "Existem caracteres não permitidos para mensagem TDD", ""},
      {"   ", true, "Mensagem inválida", ""},
      {"OLA, TUDO BEM?", true, "Mensagem já existe", ""},
  };
  for (const Caso& c : casos) {
    P().Caixas.clear();
    TfrmCadMensagem dlg(Ctx());
    P().Usuario.push_back(EscreveTexto(c.Texto, c.Cola));
    Filho<QPushButton>(dlg, "btAdicionarMsgChat")->click();
    EXPECT_EQ(P().UltimoTexto(), c.Erro) << c.Texto.toStdString();
    if (!c.Guardado.isEmpty()) {
      EXPECT_GE(MenuUraInfoAuxiliar.ListaDeMensagensChatTDD.IndexOf(c.Guardado), 0);
    } else {
      EXPECT_EQ(P().Caixas.back().Titulo, QStringLiteral("Cadastro de mensagem de Chat"));
    }
  }
  EXPECT_EQ(MenuUraInfoAuxiliar.ListaDeMensagensChatTDD.Count(), 1);
  EXPECT_EQ(MenuUraInfoAuxiliar.ListaDeMensagensChat.Count(), 0);
}

TEST_F(TesteMensagem, SecondClickEditsTheTextAndCancelKeepsNewTextsButNotTheMessage) {
  Dac.TipoUra = QStringLiteral("chat");
  MenuUraInfoAuxiliar.ListaDeMensagensChat.Add(QStringLiteral("Bom dia"));
  MenuUraInfoAuxiliar.ListaDeMensagensChat.Add(QStringLiteral("Oi&#xD;&#xA;tudo bem"));
  TMUMensagem original;
  original.AddMensagemChat(QStringLiteral("Bom dia"));
  TfrmCadMensagem dlg(Ctx());
  dlg.CarregaListaMensagens();
  dlg.CarregaMensagem(&original);
  dlg.show();
  auto* disp = Filho<QTreeWidget>(dlg, "ListViewDisponiveis");

  // The edited text comes with its line break; unchanged it is accepted.
  QString mostrado;
  P().Usuario.push_back([&mostrado](QDialog* d) {
    mostrado = Filho<QPlainTextEdit>(*d, "Memo1")->toPlainText();
    Filho<QPushButton>(*d, "btOK")->click();
    return d->result();
  });
  const QPoint ponto = disp->visualItemRect(disp->topLevelItem(1)).center();
  QTest::mouseClick(disp->viewport(), Qt::LeftButton, {}, ponto);
  EXPECT_EQ(dlg.indiceEditarMsg, 1);
  EXPECT_TRUE(P().DialogosModais.isEmpty());
  QTest::mouseClick(disp->viewport(), Qt::LeftButton, {}, ponto, 1000);
  EXPECT_EQ(mostrado, QStringLiteral("Oi\ntudo bem"));
  EXPECT_EQ(dlg.indiceEditarMsg, -1);
  EXPECT_TRUE(P().Caixas.empty()) << P().UltimoTexto().toStdString();

  // Changing one text into another's is refused, and both stay.
  P().Usuario.push_back([](QDialog* d) {
    Filho<QPlainTextEdit>(*d, "Memo1")->setPlainText(QStringLiteral("Bom dia"));
    Filho<QPushButton>(*d, "btOK")->click();
    return d->result();
  });
  QTest::mouseClick(disp->viewport(), Qt::LeftButton, {}, ponto, 1000);
  QTest::mouseClick(disp->viewport(), Qt::LeftButton, {}, ponto, 1000);
  EXPECT_EQ(P().UltimoTexto(), QStringLiteral("Mensagem já existe"));
  EXPECT_EQ(MenuUraInfoAuxiliar.ListaDeMensagensChat.Count(), 2);
  EXPECT_GE(MenuUraInfoAuxiliar.ListaDeMensagensChat.IndexOf(QStringLiteral("Oi&#xD;&#xA;tudo bem")), 0);
  P().Caixas.clear();

  // Case differs only: the catalogue would silently drop it, so it is refused.
  P().Usuario.push_back(EscreveTexto(QStringLiteral("BOM DIA"), false));
  P().Usuario.push_back(EscreveTexto(QStringLiteral("Novo texto"), false));
  Filho<QPushButton>(dlg, "btAdicionarMsgChat")->click();
  EXPECT_EQ(P().UltimoTexto(), QStringLiteral("Mensagem já existe"));
  Filho<QPushButton>(dlg, "btAdicionarMsgChat")->click();
  EXPECT_EQ(Coluna(disp, 1).size(), 3);
  disp->topLevelItem(2)->setSelected(true);
  Filho<QPushButton>(dlg, "btAddArquivo")->click();
  EXPECT_EQ(dlg.Mensagem->MensagensChatCount(), 2);
  dlg.reject();
  EXPECT_GE(MenuUraInfoAuxiliar.ListaDeMensagensChat.IndexOf(QStringLiteral("Novo texto")), 0);
  EXPECT_EQ(original.MensagensChatText(), QStringLiteral("Bom dia\r\n"));
}
}  // namespace
