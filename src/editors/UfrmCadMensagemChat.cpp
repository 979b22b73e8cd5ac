#include "UfrmCadMensagemChat.h"

#include <QKeyEvent>
#include <QTextCursor>
#include <algorithm>

#include "UTKRDACFuncoes.h"
#include "dac.h"
#include "infoauxiliar.h"
#include "plataforma.h"
#include "ui_UfrmCadMensagemChat.h"

namespace {
constexpr int kTamanhoMaximo = 512;
const QString kTitulo = QStringLiteral("Cadastro de mensagem de Chat");
const QString kCaracteresTDD = QStringLiteral("EA SIUDRJNFCKTZLWHYPQOBGMXV3-87$4',!:(5\")2=6019?+^./;\r\n");
}  // namespace

TfrmCadMensagemChat::TfrmCadMensagemChat(const TContextoEditor& Ctx, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmCadMensagemChat>()) {
  ui->setupUi(this);
  EhUraChatTDD = Ctx.Dac && Ctx.Dac->TipoUra == QLatin1String("chattdd");
  resize(570, 200);
  ui->Memo1->installEventFilter(this);
  connect(ui->Memo1, &QPlainTextEdit::textChanged, this, &TfrmCadMensagemChat::LimitaTamanho);
}

TfrmCadMensagemChat::~TfrmCadMensagemChat() = default;

bool TfrmCadMensagemChat::TextoTDDValido(const QString& Texto) {
  return std::all_of(Texto.begin(), Texto.end(), [](QChar c) { return kCaracteresTDD.contains(c); });
}

void TfrmCadMensagemChat::SetTexto(const QString& Texto) {
  QString t = Texto;
  t.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
  ui->Memo1->setPlainText(t);
}

QString TfrmCadMensagemChat::Texto() const {
  // Stored texts carry CR LF line breaks, as the files and the server expect.
  QString t = ui->Memo1->toPlainText();
  t.replace(u'\n', QLatin1String("\r\n"));
  return t;
}

bool TfrmCadMensagemChat::eventFilter(QObject* obj, QEvent* ev) {
  // In a TDD URA letters typed on the keyboard arrive upper-cased; pasted
  // text is left as it is and refused by OK.
  if (obj == ui->Memo1 && EhUraChatTDD && ev->type() == QEvent::KeyPress) {
    const auto* ke = static_cast<QKeyEvent*>(ev);
    const QString texto = ke->text();
    if (texto.size() == 1 && texto[0] >= u'a' && texto[0] <= u'z' &&
        !(ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
      ui->Memo1->insertPlainText(texto.toUpper());
      return true;
    }
  }
  return QDialog::eventFilter(obj, ev);
}

void TfrmCadMensagemChat::LimitaTamanho() {
  const QString texto = ui->Memo1->toPlainText();
  if (texto.size() <= kTamanhoMaximo) return;
  QSignalBlocker bloqueio(ui->Memo1);
  ui->Memo1->setPlainText(texto.left(kTamanhoMaximo));
  ui->Memo1->moveCursor(QTextCursor::End);
}

void TfrmCadMensagemChat::accept() {
  const QString texto = Texto();
  if (texto.trimmed().isEmpty()) {
    MostraErro(this, QStringLiteral("Mensagem inválida"), kTitulo);
    return;
  }
  if (EhUraChatTDD && !TextoTDDValido(texto)) {
    MostraErro(this, QStringLiteral("Existem caracteres não permitidos para mensagem TDD"), kTitulo);
    return;
  }
  TListaTextoOrdenada& catalogo =
      EhUraChatTDD ? MenuUraInfoAuxiliar.ListaDeMensagensChatTDD : MenuUraInfoAuxiliar.ListaDeMensagensChat;
  // Compared in stored form, and without regard to case like the catalogue
  // itself, which would otherwise drop the text silently.
  const QString armazenado = encodeCRLF(texto);
  const int existente = catalogo.IndexOf(armazenado);
  if (existente >= 0 && existente != indiceMsg) {
    MostraErro(this, QStringLiteral("Mensagem já existe"), kTitulo);
    return;
  }
  if (indiceMsg >= 0) catalogo.Delete(indiceMsg);
  catalogo.Add(armazenado);
  QDialog::accept();
}
