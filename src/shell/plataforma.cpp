#include "plataforma.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

#include "usuario.h"

namespace {
std::unique_ptr<IPlataforma>& Atual() {
  static std::unique_ptr<IPlataforma> p = std::make_unique<TPlataformaQt>();
  return p;
}
}  // namespace

IPlataforma& Plataforma() { return *Atual(); }

std::unique_ptr<IPlataforma> DefinePlataforma(std::unique_ptr<IPlataforma> P) {
  std::unique_ptr<IPlataforma> anterior = std::move(Atual());
  Atual() = P ? std::move(P) : std::make_unique<TPlataformaQt>();
  return anterior;
}

void MostraInformacao(QWidget* Pai, const QString& Texto, const QString& Titulo) {
  Plataforma().Mensagem(Pai, TTipoMensagem::Informacao, Texto, Titulo);
}
void MostraErro(QWidget* Pai, const QString& Texto, const QString& Titulo) {
  Plataforma().Mensagem(Pai, TTipoMensagem::Erro, Texto, Titulo);
}
void MostraMensagem(QWidget* Pai, const QString& Texto, const QString& Titulo) {
  Plataforma().Mensagem(Pai, TTipoMensagem::Simples, Texto, Titulo);
}
bool PerguntaSimNao(QWidget* Pai, const QString& Texto, const QString& Titulo) {
  return Plataforma().Mensagem(Pai, TTipoMensagem::SimNao, Texto, Titulo) == TResposta::Sim;
}
TResposta PerguntaSimNaoCancelar(QWidget* Pai, const QString& Texto, const QString& Titulo) {
  return Plataforma().Mensagem(Pai, TTipoMensagem::SimNaoCancelar, Texto, Titulo);
}

int ExecutaDialogo(QDialog* Dialogo) { return Plataforma().ExecutaDialogo(Dialogo); }

// ---- Qt ----

TResposta TPlataformaQt::Mensagem(QWidget* Pai, TTipoMensagem Tipo, const QString& Texto, const QString& Titulo) {
  QMessageBox caixa(Pai);
  caixa.setWindowTitle(Titulo);
  // The texts use "\r" as a line break.
  QString texto = Texto;
  texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  caixa.setText(texto);
  switch (Tipo) {
    case TTipoMensagem::Informacao: caixa.setIcon(QMessageBox::Information); break;
    case TTipoMensagem::Erro: caixa.setIcon(QMessageBox::Critical); break;
    case TTipoMensagem::Simples: caixa.setIcon(QMessageBox::NoIcon); break;
    case TTipoMensagem::SimNao:
    case TTipoMensagem::SimNaoCancelar: caixa.setIcon(QMessageBox::Question); break;
  }
  if (Tipo == TTipoMensagem::SimNao || Tipo == TTipoMensagem::SimNaoCancelar) {
    QMessageBox::StandardButtons botoes = QMessageBox::Yes | QMessageBox::No;
    if (Tipo == TTipoMensagem::SimNaoCancelar) botoes |= QMessageBox::Cancel;
    caixa.setStandardButtons(botoes);
    caixa.setDefaultButton(QMessageBox::Yes);
    caixa.button(QMessageBox::Yes)->setText(QStringLiteral("&Sim"));
    caixa.button(QMessageBox::No)->setText(QStringLiteral("&Não"));
    if (Tipo == TTipoMensagem::SimNaoCancelar) caixa.button(QMessageBox::Cancel)->setText(QStringLiteral("Cancelar"));
  } else {
    caixa.setStandardButtons(QMessageBox::Ok);
  }
  // The busy pointer must not hide the box.
  QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
  const int r = caixa.exec();
  QGuiApplication::restoreOverrideCursor();
  switch (r) {
    case QMessageBox::Yes: return TResposta::Sim;
    case QMessageBox::No: return TResposta::Nao;
    case QMessageBox::Cancel: return TResposta::Cancelar;
    default:
      return Tipo == TTipoMensagem::SimNaoCancelar ? TResposta::Cancelar
             : Tipo == TTipoMensagem::SimNao       ? TResposta::Nao
                                                   : TResposta::Ok;
  }
}

QString TPlataformaQt::AbrirArquivo(QWidget* Pai, const QString& Titulo, const QString& Pasta, const QString& Filtro) {
  return QFileDialog::getOpenFileName(Pai, Titulo, Pasta, Filtro);
}

QStringList IPlataforma::AbrirArquivos(QWidget* Pai, const QString& Titulo, const QString& Pasta,
                                       const QString& Filtro) {
  return AbrirArquivo(Pai, Titulo, Pasta, Filtro).split(u'\n', Qt::SkipEmptyParts);
}

QStringList TPlataformaQt::AbrirArquivos(QWidget* Pai, const QString& Titulo, const QString& Pasta,
                                         const QString& Filtro) {
  return QFileDialog::getOpenFileNames(Pai, Titulo, Pasta, Filtro);
}

QString TPlataformaQt::SalvarArquivo(QWidget* Pai, const QString& Titulo, const QString& Caminho,
                                     const QString& Filtro) {
  return QFileDialog::getSaveFileName(Pai, Titulo, Caminho, Filtro);
}

QString TPlataformaQt::EscolherPasta(QWidget* Pai, const QString& Titulo, const QString& Pasta) {
  return QFileDialog::getExistingDirectory(Pai, Titulo, Pasta);
}

void TPlataformaQt::CursorOcupado(bool Ocupado) {
  if (Ocupado)
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  else if (QGuiApplication::overrideCursor())
    QGuiApplication::restoreOverrideCursor();
}

QDateTime TPlataformaQt::Agora() { return QDateTime::currentDateTime(); }

QSize TPlataformaQt::TamanhoTela() {
  const QScreen* tela = QGuiApplication::primaryScreen();
  return tela ? tela->geometry().size() : QSize(1024, 768);
}

QString TPlataformaQt::Variavel(const QString& Nome) { return qEnvironmentVariable(Nome.toLocal8Bit().constData()); }

QString TPlataformaQt::NomeLogin() { return NomeUsuarioSistema(); }

bool TPlataformaQt::AbrirComPrograma(const QString& Caminho) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(Caminho));
}

int TPlataformaQt::ExecutaDialogo(QDialog* Dialogo) { return Dialogo->exec(); }

// ---- scripted ----

TResposta TPlataformaRoteirizada::Mensagem(QWidget*, TTipoMensagem Tipo, const QString& Texto, const QString& Titulo) {
  Caixas.push_back({Tipo, Texto, Titulo});
  if (Tipo != TTipoMensagem::SimNao && Tipo != TTipoMensagem::SimNaoCancelar) return TResposta::Ok;
  if (Respostas.empty()) return RespostaPadrao;
  const TResposta r = Respostas.front();
  Respostas.pop_front();
  return r;
}

QString TPlataformaRoteirizada::ProximoArquivo(const QString& Titulo) {
  Dialogos << Titulo;
  if (Arquivos.empty()) return QString();
  QString r = Arquivos.front();
  Arquivos.pop_front();
  return r;
}

QString TPlataformaRoteirizada::AbrirArquivo(QWidget*, const QString& Titulo, const QString&, const QString&) {
  return ProximoArquivo(Titulo);
}
QString TPlataformaRoteirizada::SalvarArquivo(QWidget*, const QString& Titulo, const QString&, const QString&) {
  return ProximoArquivo(Titulo);
}
QString TPlataformaRoteirizada::EscolherPasta(QWidget*, const QString& Titulo, const QString&) {
  return ProximoArquivo(Titulo);
}

bool TPlataformaRoteirizada::AbrirComPrograma(const QString& Caminho) {
  Abertos << Caminho;
  return AbrirFunciona;
}

QStringList TPlataformaRoteirizada::Textos() const {
  QStringList r;
  for (const TCaixa& c : Caixas) r << c.Texto;
  return r;
}

int TPlataformaRoteirizada::ExecutaDialogo(QDialog* Dialogo) {
  DialogosModais << QString::fromLatin1(Dialogo->metaObject()->className());
  if (Usuario.empty()) return QDialog::Rejected;
  std::function<int(QDialog*)> passo = std::move(Usuario.front());
  Usuario.pop_front();
  return passo(Dialogo);
}
