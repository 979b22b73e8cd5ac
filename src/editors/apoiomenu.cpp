#include "apoiomenu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QTreeWidget>

namespace {
// A plus or minus sign drawn at button size: the styles offer no such picture.
QIcon Sinal(bool Mais) {
  QPixmap pix(16, 16);
  pix.fill(Qt::transparent);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Mais ? QColor(0x2e, 0x8b, 0x2e) : QColor(0xc0, 0x30, 0x30), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(3, 8, 13, 8);
  if (Mais) p.drawLine(8, 3, 8, 13);
  return QIcon(pix);
}

class TFiltroEnter : public QObject {
 public:
  TFiltroEnter(QTreeWidget* Lista, std::function<void(int)> Edita)
      : QObject(Lista), FLista(Lista), FEdita(std::move(Edita)) {}

 protected:
  bool eventFilter(QObject* Objeto, QEvent* Evento) override {
    if (Evento->type() == QEvent::KeyPress) {
      const auto* tecla = static_cast<QKeyEvent*>(Evento);
      const bool enter = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
      const int linha = LinhaSelecionada(FLista);
      if (enter && (tecla->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && linha >= 0) {
        FEdita(linha);
        return true;
      }
    }
    return QObject::eventFilter(Objeto, Evento);
  }

 private:
  QTreeWidget* FLista;
  std::function<void(int)> FEdita;
};
}  // namespace

QIcon IconeSecao(TIconeSecao Tipo) {
  QStyle* s = QApplication::style();
  switch (Tipo) {
    case TIconeSecao::Adicionar: return Sinal(true);
    case TIconeSecao::Remover: return Sinal(false);
    case TIconeSecao::Subir: return s->standardIcon(QStyle::SP_ArrowUp);
    case TIconeSecao::Descer: return s->standardIcon(QStyle::SP_ArrowDown);
    case TIconeSecao::Mensagem: return s->standardIcon(QStyle::SP_FileDialogContentsView);
    case TIconeSecao::Acao: return s->standardIcon(QStyle::SP_CommandLink);
  }
  return {};
}

void AtualizaLinhas(QTreeWidget* Lista, int Quantidade, const std::function<QStringList(int)>& Textos) {
  for (int i = 0; i < Quantidade; ++i) {
    QTreeWidgetItem* linha = Lista->topLevelItem(i);
    if (!linha) linha = new QTreeWidgetItem(Lista);
    const QStringList textos = Textos(i);
    for (int c = 0; c < textos.size(); ++c) linha->setText(c, textos[c]);
  }
  while (Lista->topLevelItemCount() > Quantidade) delete Lista->takeTopLevelItem(Lista->topLevelItemCount() - 1);
}

int LinhaSelecionada(const QTreeWidget* Lista) {
  const QList<QTreeWidgetItem*> sel = Lista->selectedItems();
  return sel.isEmpty() ? -1 : Lista->indexOfTopLevelItem(sel.first());
}

void SelecionaLinha(QTreeWidget* Lista, int Linha) {
  QTreeWidgetItem* item = Lista->topLevelItem(Linha);
  if (!item) return;
  Lista->setCurrentItem(item);
  item->setSelected(true);
  Lista->scrollToItem(item);
}

void EnterEditaLinha(QTreeWidget* Lista, std::function<void(int)> Edita) {
  Lista->installEventFilter(new TFiltroEnter(Lista, std::move(Edita)));
}
