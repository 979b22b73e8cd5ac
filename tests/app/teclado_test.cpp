// The keyboard: editing keys in every filtered field, the focus after "Novo"
// and choosing a URA with the arrows and Enter.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>
#include <functional>

#include "UfrmCadMensagemChat.h"
#include "UfrmCadOpcao.h"
#include "UfrmMenuUra.h"
#include "UfrmSelecionarUra.h"
#include "janela.h"

namespace {

// A key as X11 delivers it: Delete comes with the text "\x7f", Backspace "\b".
void Tecla(QWidget* Campo, Qt::Key Codigo, const char* Texto) {
  QKeyEvent tecla(QEvent::KeyPress, Codigo, Qt::NoModifier, QString::fromLatin1(Texto));
  QApplication::sendEvent(Campo, &tecla);
}

TEST_F(JanelaTest, DeleteAndBackspaceWorkInEveryFilteredField) {
  auto w = Cria();
  w->mnuNovoClick();
  TContextoEditor ctx = w->Contexto();
  TfrmMenuUra menu(ctx);
  TfrmCadOpcao opcao(ctx);
  TDAC tdd;
  tdd.TipoUra = QStringLiteral("chattdd");
  TContextoEditor ctxTdd = ctx;
  ctxTdd.Dac = &tdd;
  TfrmCadMensagemChat chat(ctxTdd);

  auto linha = [](QLineEdit* e) {
    return std::pair<QWidget*, std::function<QString(const QString&)>>(e, [e](const QString& Texto) {
      if (!Texto.isNull()) {
        e->setText(Texto);
        e->setCursorPosition(1);
      }
      return e->text();
    });
  };
  auto* memo = chat.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
  ASSERT_NE(memo, nullptr);
  const struct {
    const char* nome;
    std::pair<QWidget*, std::function<QString(const QString&)>> campo;
    QString texto, depoisDelete, depoisBackspace;
  } casos[] = {
      {"Nome da URA", linha(w->edNomeDAC), "abcd", "acd", "cd"},
      {"nome do menu", linha(menu.findChild<QLineEdit*>(QStringLiteral("edNomeMenu"))), "abcd", "acd", "cd"},
      {"dígitos da opção", linha(opcao.findChild<QLineEdit*>(QStringLiteral("edOpcao"))), "1234", "134", "34"},
      {"texto de chat TDD",
       {memo,
        [memo](const QString& Texto) {
          if (!Texto.isNull()) {
            memo->setPlainText(Texto);
            QTextCursor c = memo->textCursor();
            c.setPosition(1);
            memo->setTextCursor(c);
          }
          return memo->toPlainText();
        }},
       "ABCD",
       "ACD",
       "CD"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    ASSERT_NE(c.campo.first, nullptr);
    c.campo.second(c.texto);
    Tecla(c.campo.first, Qt::Key_Delete, "\x7f");
    EXPECT_EQ(c.campo.second(QString()), c.depoisDelete);
    Tecla(c.campo.first, Qt::Key_Backspace, "\b");
    EXPECT_EQ(c.campo.second(QString()), c.depoisBackspace);
  }
  EXPECT_EQ(w->DacAtual()->Nome, QStringLiteral("cd"));
}

TEST_F(JanelaTest, NewDocumentFocusesTheNameInBothModes) {
  for (bool local : {false, true}) {
    SCOPED_TRACE(local ? "local" : "servidor");
    auto w = Cria(local);
    w->show();
    w->mnuNovoClick();
    EXPECT_EQ(w->focusWidget(), w->edNomeDAC);
  }
}

TEST_F(JanelaTest, ArrowsAndEnterChooseAUra) {
  TDAC a, b;
  a.Nome = QStringLiteral("primeira");
  b.Nome = QStringLiteral("segunda");
  struct Caso {
    const char* nome;
    int descidas;
    QString escolhido;
  } casos[] = {{"foco", 0, "a.xml"}, {"uma seta", 1, "b.xml"}, {"além do fim", 3, "b.xml"}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    TfrmSelecionarUra d(false);
    d.AdicionaDac(QStringLiteral("a.xml"), a);
    d.AdicionaDac(QStringLiteral("b.xml"), b);
    d.show();
    QApplication::setActiveWindow(&d);
    d.ListViewUras->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < c.descidas; ++i) QTest::keyClick(d.ListViewUras, Qt::Key_Down);
    EXPECT_EQ(d.ArquivoSelecionado(), c.escolhido);
    QTest::keyClick(d.ListViewUras, Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.ArquivoSelecionado(), c.escolhido);
  }
}

}  // namespace
