#include "comandos_simulacao.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "UTMenuUra.h"
#include "UfrmFluxo.h"
#include "UfrmMain.h"
#include "UfrmTestarUra.h"
#include "erros.h"

void LigaTestarUra(TfrmMain& Janela) {
  auto* acao = new QAction(QStringLiteral("Testar URA..."), &Janela);
  acao->setObjectName(QStringLiteral("mnuTestarUra"));
  acao->setShortcut(QKeySequence(Qt::Key_F9));
  auto* ferramentas = Janela.findChild<QMenu*>(QStringLiteral("mnuFerramentas"));
  if (ferramentas) {
    ferramentas->addSeparator();
    ferramentas->addAction(acao);
    // Local mode hides the menu for its connection commands; the simulator
    // belongs to both modes, so only those are hidden.
    if (!ferramentas->menuAction()->isVisible()) {
      ferramentas->menuAction()->setVisible(true);
      Janela.mnuConectar->setVisible(false);
      Janela.mnuDesconectar->setVisible(false);
    }
  }
  acao->setEnabled(Janela.DacAtual() != nullptr);
  QObject::connect(&Janela, &TfrmMain::DocumentoAlterado, acao,
                   [&Janela, acao] { acao->setEnabled(Janela.DacAtual() != nullptr); });
  QObject::connect(acao, &QAction::triggered, &Janela,
                   [&Janela] { ExecutaComando(&Janela, [&Janela] { AbreTestarUra(Janela); }); });
}

TfrmTestarUra* JanelaTestarUra(const TfrmMain& Janela) {
  return Janela.findChild<TfrmTestarUra*>(QString(), Qt::FindDirectChildrenOnly);
}

TfrmTestarUra* AbreTestarUra(TfrmMain& Janela) {
  if (TfrmTestarUra* aberta = JanelaTestarUra(Janela)) {
    aberta->show();
    aberta->raise();
    aberta->activateWindow();
    return aberta;
  }
  auto* janela = new TfrmTestarUra([&Janela] { return Janela.DacAtual(); }, &Janela);
  janela->setAttribute(Qt::WA_DeleteOnClose);
  janela->LocalizaAudio = [&Janela](const QString& Nome) { return ArquivoDeAudio(Janela, Nome); };
  QObject::connect(&Janela, &TfrmMain::DocumentoAlterado, janela, &TfrmTestarUra::DocumentoAlterado);
  QObject::connect(janela, &TfrmTestarUra::AbrirMenu, &Janela,
                   [&Janela](int Indice) { ExecutaComando(&Janela, [&Janela, Indice] { Janela.EditaMenu(Indice); }); });
  // The flow window, when open, follows the simulated call step by step.
  QObject::connect(janela, &TfrmTestarUra::CaminhoSimulado, &Janela, [&Janela](const QStringList& Menus) {
    if (auto* fluxo = Janela.findChild<TfrmFluxo*>()) fluxo->DestacaCaminho(Menus);
  });
  janela->show();
  janela->Reiniciar();
  return janela;
}

QString ArquivoDeAudio(TfrmMain& Janela, const QString& Nome) {
  // A name is a file of the folder, never a path.
  if (Nome.isEmpty() || Nome.contains(u'/') || Nome.contains(u'\\') || Nome.startsWith(u'.')) return QString();
  QStringList pastas;
  if (!Janela.dirArquivosMensagens.isEmpty()) pastas << Janela.dirArquivosMensagens;
  const TDAC* dac = Janela.DacAtual();
  if (dac && !dac->ArquivoMensagensLocal.isEmpty()) pastas << QFileInfo(dac->ArquivoMensagensLocal).absolutePath();
  for (const QString& pasta : pastas)
    for (const QString& arquivo : {Nome + QStringLiteral(".wav"), Nome + QStringLiteral(".WAV"), Nome}) {
      const QFileInfo info(QDir(pasta).filePath(arquivo));
      if (info.isFile() && info.suffix().compare(QStringLiteral("wav"), Qt::CaseInsensitive) == 0)
        return info.absoluteFilePath();
    }
  return QString();
}
