// Every window shrunk as far as it lets itself be: its controls stay whole,
// inside the window, none squeezed below the size it needs.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSplitter>
#include <QTextEdit>
#include <QTreeWidget>
#include <QWindow>
#include <functional>

#include "PlayGraficoArq.h"
#include "UfrmCadAcao.h"
#include "UfrmCadAcoes.h"
#include "UfrmCadCondicao.h"
#include "UfrmCadCondicaoVar.h"
#include "UfrmCadItemMenuWhatsApp.h"
#include "UfrmCadMensagem.h"
#include "UfrmCadMensagemChat.h"
#include "UfrmCadMenuWhatsApp.h"
#include "UfrmCadOpcao.h"
#include "UfrmCadOpcaoChat.h"
#include "UfrmComparacao.h"
#include "UfrmConectar.h"
#include "UfrmConverterAudio.h"
#include "UfrmEditaLista.h"
#include "UfrmEnviarArquivo.h"
#include "UfrmFluxo.h"
#include "UfrmGravarAudio.h"
#include "UfrmLocalizar.h"
#include "UfrmMenuUra.h"
#include "UfrmSelecionarUra.h"
#include "UfrmTestarUra.h"
#include "UfrmVerificarUra.h"
#include "UfrmVersoes.h"
#include "aplicacao.h"
#include "configuracao.h"
#include "converteTTSKR.h"
#include "dispositivoaudio.h"
#include "janela.h"

namespace {

// The controls a user works with (their inner parts are theirs to lay out).
bool EhControle(const QWidget* W) {
  if (const auto* l = qobject_cast<const QLabel*>(W)) return !l->wordWrap() && !l->text().isEmpty();
  return qobject_cast<const QLineEdit*>(W) || qobject_cast<const QComboBox*>(W) ||
         qobject_cast<const QAbstractButton*>(W) || qobject_cast<const QAbstractItemView*>(W) ||
         qobject_cast<const QPlainTextEdit*>(W) || qobject_cast<const QTextEdit*>(W) ||
         qobject_cast<const QAbstractSlider*>(W) || qobject_cast<const QProgressBar*>(W) ||
         qobject_cast<const QAbstractSpinBox*>(W);
}

bool DentroDeControle(const QWidget* W, const QWidget* Janela) {
  for (const QWidget* p = W->parentWidget(); p && p != Janela; p = p->parentWidget())
    if (EhControle(p) || qobject_cast<const QAbstractScrollArea*>(p)) return true;
  return false;
}

// Placed by hand on a drawing of its own (the player's ruler), not laid out.
bool PosicaoFixa(const QWidget* W) {
  const QWidget* p = W->parentWidget();
  return p && !p->layout() && !qobject_cast<const QSplitter*>(p) && !qobject_cast<const QMainWindow*>(p);
}

// What a layout must leave a control (the rule Qt's layouts follow): the
// minimum hint, or the whole hint when it may not shrink, within its maximum;
// an explicit minimum instead; nothing when it asked to be ignored.
QSize Minimo(const QWidget* W) {
  const QSizePolicy p = W->sizePolicy();
  auto lado = [](QSizePolicy::Policy Politica, int Dica, int DicaMinima) {
    if (Politica == QSizePolicy::Ignored) return 0;
    return (Politica & QSizePolicy::ShrinkFlag) ? DicaMinima : qMax(Dica, DicaMinima);
  };
  QSize m(lado(p.horizontalPolicy(), W->sizeHint().width(), W->minimumSizeHint().width()),
          lado(p.verticalPolicy(), W->sizeHint().height(), W->minimumSizeHint().height()));
  m = m.boundedTo(W->maximumSize());
  if (W->minimumWidth() > 0) m.setWidth(W->minimumWidth());
  if (W->minimumHeight() > 0) m.setHeight(W->minimumHeight());
  return m;
}

class TamanhoTest : public JanelaTest {
 protected:
  TDAC Dac;
  TContextoEditor Ctx() {
    TContextoEditor c;
    c.Dac = &Dac;
    return c;
  }
  static std::unique_ptr<IDispositivoAudio> Dispositivo() { return std::make_unique<TDispositivoRoteirizado>(); }
};

TEST_F(TamanhoTest, EveryWindowKeepsItsControlsUsableAtItsSmallestSize) {
  const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> janelas[] = {
      {"principal", [&] { return std::unique_ptr<QWidget>(CriaComUra()); }},
      {"principal local", [&] { return std::unique_ptr<QWidget>(Cria(true)); }},
      {"conectar", [] { return std::make_unique<TfrmConectar>(); }},
      {"selecionar", [] { return std::make_unique<TfrmSelecionarUra>(false); }},
      {"selecionar local", [] { return std::make_unique<TfrmSelecionarUra>(true); }},
      {"verificar", [] { return std::make_unique<TfrmVerificarUra>(); }},
      {"menu",
       [&] {
         {
           // Opened last time at the size of the report.
           TConfiguracao cfg(QStringLiteral("TelaMenuUra"));
           cfg.GravaInteiro(QStringLiteral("Width"), 450);
           cfg.GravaInteiro(QStringLiteral("Height"), 330);
         }
         auto e = std::make_unique<TfrmMenuUra>(Ctx());
         e->LeConfiguracao();
         return e;
       }},
      {"ação", [&] { return std::make_unique<TfrmCadAcao>(Ctx()); }},
      {"ações", [&] { return std::make_unique<TfrmCadAcoes>(Ctx()); }},
      {"condição", [&] { return std::make_unique<TfrmCadCondicao>(Ctx()); }},
      {"variável", [&] { return std::make_unique<TfrmCadCondicaoVar>(Ctx()); }},
      {"item de lista", [&] { return std::make_unique<TfrmCadItemMenuWhatsApp>(Ctx()); }},
      {"mensagem", [&] { return std::make_unique<TfrmCadMensagem>(Ctx()); }},
      {"mensagem de chat", [&] { return std::make_unique<TfrmCadMensagemChat>(Ctx()); }},
      {"menu de lista", [&] { return std::make_unique<TfrmCadMenuWhatsApp>(Ctx()); }},
      {"opção", [&] { return std::make_unique<TfrmCadOpcao>(Ctx()); }},
      {"opção de chat", [&] { return std::make_unique<TfrmCadOpcaoChat>(Ctx()); }},
      {"lista", [&] { return std::make_unique<TfrmEditarLista>(Ctx()); }},
      {"envio de áudio", [] { return std::make_unique<TfrmEnviarArquivo>(nullptr, true); }},
      {"gravador", [] { return std::make_unique<TfrmGravarAudio>(nullptr, &TamanhoTest::Dispositivo); }},
      {"texto para áudio", [] { return std::make_unique<TfrmConverteTTSKR>(); }},
      {"player", [] { return std::make_unique<TfrmPlayGraficoArq>(nullptr, &TamanhoTest::Dispositivo); }},
      {"fluxo", [&] { return std::make_unique<TfrmFluxo>([&] { return &Dac; }); }},
      {"testar", [&] { return std::make_unique<TfrmTestarUra>([&] { return &Dac; }); }},
      {"comparação",
       [&] {
         return std::make_unique<TfrmComparacao>([&] { return &Dac; }, std::make_unique<TDAC>(),
                                                 QStringLiteral("o arquivo"));
       }},
      {"localizar", [&] { return std::make_unique<TfrmLocalizar>([&] { return &Dac; }); }},
      {"versões", [] { return std::make_unique<TfrmVersoes>(QStringLiteral("teste"), std::vector<TVersaoUra>{}); }},
      {"conversão", [] { return std::make_unique<TfrmConverterAudio>(); }},
  };
  for (const auto& [nome, cria] : janelas) {
    SCOPED_TRACE(nome);
    std::unique_ptr<QWidget> w = cria();
    w->show();
    // As far as a window manager would shrink it, then the size of the report.
    for (const QSize tamanho : {QSize(1, 1), QSize(450, 330)}) {
      w->resize(tamanho);
      QCoreApplication::processEvents();
      const QRect janela = w->rect();
      for (QWidget* c : w->findChildren<QWidget*>()) {
        if (!EhControle(c) || !c->isVisibleTo(w.get()) || DentroDeControle(c, w.get()) || PosicaoFixa(c)) continue;
        const QString qual = c->metaObject()->className() + (u' ' + c->objectName());
        const QRect r(c->mapTo(w.get(), QPoint(0, 0)), c->size());
        EXPECT_TRUE(janela.contains(r)) << qual.toStdString() << " outside the window";
        EXPECT_GE(c->width(), Minimo(c).width()) << qual.toStdString();
        EXPECT_GE(c->height(), Minimo(c).height()) << qual.toStdString();
      }
    }
  }
}

TEST_F(JanelaTest, TheDescriptionColumnTakesTheWidth) {
  auto w = CriaComUra();
  w->show();
  w->resize(1600, 700);
  QCoreApplication::processEvents();
  EXPECT_EQ(w->ListView1->columnWidth(3), 50);
  EXPECT_GT(w->ListView1->columnWidth(1), 300);
  int soma = 0;
  for (int i = 0; i < 4; ++i) soma += w->ListView1->columnWidth(i);
  EXPECT_GE(soma, w->ListView1->viewport()->width() - 1);
}

TEST_F(JanelaTest, AWindowForcedBelowItsMinimumGrowsBack) {
  GuardaTamanhoMinimo();
  auto w = Cria();
  w->show();
  QCoreApplication::processEvents();
  const QSize minimo = w->minimumSize();
  ASSERT_GT(minimo.width(), 250);
  // What a display without a window manager lets a resize request do.
  w->windowHandle()->resize(250, 180);
  ASSERT_TRUE(EsperaAte([&] { return w->width() >= minimo.width() && w->height() >= minimo.height(); }, 5000))
      << w->width() << "x" << w->height();
}

}  // namespace
