#pragma once
// The placement rule every window with a remembered place follows.
#include <QString>

class QWidget;
class TConfiguracao;

// A negative value becomes 0; one beyond the screen becomes screen − size.
int AcertaTop(int Top, int Altura);
int AcertaLeft(int Left, int Largura);

enum class TModoPosicao {
  Posicao,         // "Top", "Left"
  PosicaoTamanho,  // also "Height", "Width"
  Estado           // "WindowState" first; 2 = maximized, nothing else read
};

// Applies the stored (or centred) place to Janela. Height and width defaults
// are the window's current size.
void LePosicao(QWidget* Janela, const TConfiguracao& Cfg, TModoPosicao Modo,
               const QString& ChaveTop = QStringLiteral("Top"), const QString& ChaveLeft = QStringLiteral("Left"));
void GravaPosicao(const QWidget* Janela, TConfiguracao& Cfg, TModoPosicao Modo,
                  const QString& ChaveTop = QStringLiteral("Top"), const QString& ChaveLeft = QStringLiteral("Left"));
