#include "janelas.h"

#include <QTreeWidget>

#include "configuracao.h"
#include "posicao.h"

namespace {
QString Coluna(int I) { return QStringLiteral("Coluna%1").arg(I); }
}  // namespace

void LeJanelaComLista(QWidget* Janela, QTreeWidget* Lista, const QString& Secao, std::initializer_list<int> Larguras) {
  const TConfiguracao cfg(Secao);
  LePosicao(Janela, cfg, TModoPosicao::PosicaoTamanho);
  int i = 0;
  for (const int largura : Larguras) {
    Lista->setColumnWidth(i, cfg.LeInteiro(Coluna(i), largura));
    ++i;
  }
}

void GravaJanelaComLista(const QWidget* Janela, const QTreeWidget* Lista, const QString& Secao) {
  TConfiguracao cfg(Secao);
  GravaPosicao(Janela, cfg, TModoPosicao::PosicaoTamanho);
  // The last column stretches: its width is the window's, not the user's.
  for (int i = 0; i + 1 < Lista->columnCount(); ++i) cfg.GravaInteiro(Coluna(i), Lista->columnWidth(i));
}
