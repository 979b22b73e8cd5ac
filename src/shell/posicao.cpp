#include "posicao.h"

#include <QWidget>

#include "configuracao.h"
#include "plataforma.h"

int AcertaTop(int Top, int Altura) {
  const int tela = Plataforma().TamanhoTela().height();
  if (Top < 0) return 0;
  if (Top > tela) return tela - Altura;
  return Top;
}

int AcertaLeft(int Left, int Largura) {
  const int tela = Plataforma().TamanhoTela().width();
  if (Left < 0) return 0;
  if (Left > tela) return tela - Largura;
  return Left;
}

void LePosicao(QWidget* Janela, const TConfiguracao& Cfg, TModoPosicao Modo, const QString& ChaveTop,
               const QString& ChaveLeft) {
  if (Modo == TModoPosicao::Estado && Cfg.LeInteiro(QStringLiteral("WindowState"), 0) == 2) {
    Janela->setWindowState(Janela->windowState() | Qt::WindowMaximized);
    return;
  }
  if (Modo != TModoPosicao::Posicao) {
    Janela->resize(Cfg.LeInteiro(QStringLiteral("Width"), Janela->width()),
                   Cfg.LeInteiro(QStringLiteral("Height"), Janela->height()));
  }
  const QSize tela = Plataforma().TamanhoTela();
  const int top = Cfg.LeInteiro(ChaveTop, (tela.height() - Janela->height()) / 2);
  const int left = Cfg.LeInteiro(ChaveLeft, (tela.width() - Janela->width()) / 2);
  Janela->move(AcertaLeft(left, Janela->width()), AcertaTop(top, Janela->height()));
}

void GravaPosicao(const QWidget* Janela, TConfiguracao& Cfg, TModoPosicao Modo, const QString& ChaveTop,
                  const QString& ChaveLeft) {
  if (Modo == TModoPosicao::Estado) {
    if (Janela->isMaximized()) {
      Cfg.GravaInteiro(QStringLiteral("WindowState"), 2);
      return;
    }
    Cfg.GravaInteiro(QStringLiteral("WindowState"), 0);
  }
  if (Modo != TModoPosicao::Posicao) {
    Cfg.GravaInteiro(QStringLiteral("Height"), Janela->height());
    Cfg.GravaInteiro(QStringLiteral("Width"), Janela->width());
  }
  Cfg.GravaInteiro(ChaveTop, Janela->y());
  Cfg.GravaInteiro(ChaveLeft, Janela->x());
}
