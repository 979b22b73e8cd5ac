#include "UfrmConectar.h"

#include <QFontMetrics>

#include "configuracao.h"
#include "erros.h"
#include "texto.h"
#include "ui_UfrmConectar.h"

namespace {
const QString kSecao = QStringLiteral("Conexao");
constexpr int kPortaSemNumero = 5038;
}  // namespace

TfrmConectar::TfrmConectar(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfrmConectar>()) {
  ui->setupUi(this);
  ComboBoxConexao = ui->ComboBoxConexao;
  lbedIP = ui->lbedIP;
  lbEdPorta = ui->lbEdPorta;
  lbedUsuario = ui->lbedUsuario;
  lbedSenha = ui->lbedSenha;
  CheckBox1 = ui->CheckBox1;
  btConectar = ui->btConectar;
  btCancelar = ui->btCancelar;
  LabelInfo = ui->LabelInfo;
  // Fixed border, only the close button.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  // The password shows as "*".
  lbedSenha->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
  // The line keeps its width whatever it shows, so long texts are cut rather
  // than widening the dialog.
  LabelInfo->setMinimumWidth(320);
  LabelInfo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  connect(btConectar, &QPushButton::clicked, this, [this] { ExecutaComando(this, [this] { btConectarClick(); }); });
  connect(btCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmConectar::~TfrmConectar() = default;

void TfrmConectar::LeConfiguracaoConexao() {
  const TConfiguracao cfg(kSecao);
  lbedIP->setText(cfg.LeTexto(QStringLiteral("IP")));
  lbEdPorta->setText(cfg.LeTexto(QStringLiteral("Porta"), QStringLiteral("5042")));
  lbedUsuario->setText(cfg.LeTexto(QStringLiteral("Usuario")));
  const bool salvar = cfg.LeBool(QStringLiteral("SalvarSenha"), false);
  CheckBox1->setChecked(salvar);
  lbedSenha->setText(salvar ? cfg.LeTexto(QStringLiteral("Senha")) : QString());
}

void TfrmConectar::SalvaConfiguracaoConexao() {
  TConfiguracao cfg(kSecao);
  cfg.GravaTexto(QStringLiteral("IP"), lbedIP->text());
  cfg.GravaTexto(QStringLiteral("Porta"), lbEdPorta->text());
  cfg.GravaTexto(QStringLiteral("Usuario"), lbedUsuario->text());
  cfg.GravaBool(QStringLiteral("SalvarSenha"), CheckBox1->isChecked());
  cfg.GravaTexto(QStringLiteral("Senha"), CheckBox1->isChecked() ? lbedSenha->text() : QString());
}

void TfrmConectar::SetLabel(const QString& Texto) {
  QPalette pal = LabelInfo->palette();
  pal.setColor(QPalette::WindowText, UpperAscii(Texto.left(4)) == u"ERRO" ? Qt::red : Qt::blue);
  LabelInfo->setPalette(pal);
  const QFontMetrics fm(LabelInfo->font());
  const int largura = qMax(LabelInfo->contentsRect().width(), LabelInfo->minimumWidth());
  QString t = Texto;
  if (fm.horizontalAdvance(t) > largura) {
    while (fm.horizontalAdvance(t) > largura && t.size() > 20) t.chop(1);
    t = t.left(t.size() - 2) + QStringLiteral("...");
  }
  LabelInfo->setText(t);
  LabelInfo->repaint();
}

void TfrmConectar::HabilitaBotoes(bool Habilitar) {
  btConectar->setEnabled(Habilitar);
  btCancelar->setEnabled(Habilitar);
}

TCfgConexao TfrmConectar::LeCampos() const {
  TCfgConexao c;
  c.Ip = lbedIP->text();
  c.Porta = StrToIntDef(lbEdPorta->text(), kPortaSemNumero);
  // A number no TCP port can have is as unusable as text.
  if (c.Porta <= 0 || c.Porta > 65535) c.Porta = kPortaSemNumero;
  c.Usuario = lbedUsuario->text();
  c.Senha = lbedSenha->text();
  c.SalvarSenha = CheckBox1->isChecked();
  return c;
}

QWidget* TfrmConectar::CampoInicial() const {
  for (QLineEdit* campo : {lbedIP, lbEdPorta, lbedUsuario, lbedSenha})
    if (campo->text().isEmpty()) return campo;
  return btConectar;
}

void TfrmConectar::btConectarClick() {
  SalvaConfiguracaoConexao();
  if (Desconectar) Desconectar();  // may abandon the whole action
  HabilitaBotoes(false);
  if (Conectar) Conectar(LeCampos());
}

void TfrmConectar::showEvent(QShowEvent* Evento) {
  QDialog::showEvent(Evento);
  if (parentWidget()) {
    const QRect dono = parentWidget()->window()->frameGeometry();
    move(dono.center() - rect().center());
  }
  CampoInicial()->setFocus();
}
