#pragma once
// What the windows ask of the platform: message boxes, file and folder
// dialogs, the busy pointer, the clock, the screen, the environment and the
// desktop's programs. The program installs the Qt implementation; tests and
// the screen renderer install TPlataformaRoteirizada.
#include <QDateTime>
#include <QMap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QDialog;
class QWidget;

// The five kinds of message box.
enum class TTipoMensagem { Informacao, Erro, Simples, SimNao, SimNaoCancelar };
enum class TResposta { Ok, Sim, Nao, Cancelar };

class IPlataforma {
 public:
  virtual ~IPlataforma() = default;

  virtual TResposta Mensagem(QWidget* Pai, TTipoMensagem Tipo, const QString& Texto, const QString& Titulo) = 0;
  // File dialogs; Filtro in Qt's form ("Arquivos XML (*.xml);;Todos (*)").
  // An empty result means cancelled.
  virtual QString AbrirArquivo(QWidget* Pai, const QString& Titulo, const QString& Pasta, const QString& Filtro) = 0;
  virtual QString SalvarArquivo(QWidget* Pai, const QString& Titulo, const QString& Caminho, const QString& Filtro) = 0;
  virtual QString EscolherPasta(QWidget* Pai, const QString& Titulo, const QString& Pasta) = 0;
  // Open dialog that takes several files; empty when cancelled. By default
  // one AbrirArquivo answer, several names separated by line breaks.
  virtual QStringList AbrirArquivos(QWidget* Pai, const QString& Titulo, const QString& Pasta, const QString& Filtro);
  // Busy pointer; calls nest.
  virtual void CursorOcupado(bool Ocupado) = 0;
  virtual QDateTime Agora() = 0;
  virtual QSize TamanhoTela() = 0;
  virtual QString Variavel(const QString& Nome) = 0;
  virtual QString NomeLogin() = 0;
  // Opens a file with the program the desktop associates with it.
  virtual bool AbrirComPrograma(const QString& Caminho) = 0;
  // Shows a dialog modally and returns its result (QDialog::Accepted or
  // Rejected). Every modal window opened from another goes through here, so
  // tests can play the part of the user in it.
  virtual int ExecutaDialogo(QDialog* Dialogo) = 0;
};

// Plataforma().ExecutaDialogo(Dialogo).
int ExecutaDialogo(QDialog* Dialogo);

// The installed platform (the Qt one until something else is installed).
IPlataforma& Plataforma();
// Installs P and returns the one it replaces (so a test can put it back).
std::unique_ptr<IPlataforma> DefinePlataforma(std::unique_ptr<IPlataforma> P);

// Shorthands for the boxes the windows show.
void MostraInformacao(QWidget* Pai, const QString& Texto, const QString& Titulo);
void MostraErro(QWidget* Pai, const QString& Texto, const QString& Titulo);
void MostraMensagem(QWidget* Pai, const QString& Texto, const QString& Titulo);
bool PerguntaSimNao(QWidget* Pai, const QString& Texto, const QString& Titulo);
TResposta PerguntaSimNaoCancelar(QWidget* Pai, const QString& Texto, const QString& Titulo);

// Busy pointer for a scope.
class TCursorOcupado {
 public:
  TCursorOcupado() { Plataforma().CursorOcupado(true); }
  ~TCursorOcupado() { Plataforma().CursorOcupado(false); }
  TCursorOcupado(const TCursorOcupado&) = delete;
  TCursorOcupado& operator=(const TCursorOcupado&) = delete;
};

class TPlataformaQt : public IPlataforma {
 public:
  TResposta Mensagem(QWidget* Pai, TTipoMensagem Tipo, const QString& Texto, const QString& Titulo) override;
  QString AbrirArquivo(QWidget* Pai, const QString& Titulo, const QString& Pasta, const QString& Filtro) override;
  QString SalvarArquivo(QWidget* Pai, const QString& Titulo, const QString& Caminho, const QString& Filtro) override;
  QString EscolherPasta(QWidget* Pai, const QString& Titulo, const QString& Pasta) override;
  QStringList AbrirArquivos(QWidget* Pai, const QString& Titulo, const QString& Pasta, const QString& Filtro) override;
  void CursorOcupado(bool Ocupado) override;
  QDateTime Agora() override;
  QSize TamanhoTela() override;
  QString Variavel(const QString& Nome) override;
  QString NomeLogin() override;
  bool AbrirComPrograma(const QString& Caminho) override;
  int ExecutaDialogo(QDialog* Dialogo) override;
};

// Scripted platform: records every box and answers from queues. With an
// empty queue a question is answered RespostaPadrao and a dialog cancelled.
class TPlataformaRoteirizada : public IPlataforma {
 public:
  struct TCaixa {
    TTipoMensagem Tipo;
    QString Texto;
    QString Titulo;
  };
  std::vector<TCaixa> Caixas;
  std::deque<TResposta> Respostas;
  TResposta RespostaPadrao = TResposta::Sim;
  std::deque<QString> Arquivos;  // answers of the file and folder dialogs
  QStringList Dialogos;          // titles of the file and folder dialogs shown
  QStringList Abertos;           // files opened with the desktop's program
  bool AbrirFunciona = true;
  int NivelCursor = 0;
  QDateTime Relogio = QDateTime(QDate(2026, 12, 9), QTime(10, 0));
  QSize Tela = QSize(1280, 1024);
  QMap<QString, QString> Ambiente;
  QString Login = QStringLiteral("operador");
  // Plays the user in dialogs opened through ExecutaDialogo, in order: each
  // gets the dialog (already set up by its caller) and returns its result.
  // With an empty queue a dialog is cancelled.
  std::deque<std::function<int(QDialog*)>> Usuario;
  QStringList DialogosModais;  // class names of the dialogs opened that way

  TResposta Mensagem(QWidget* Pai, TTipoMensagem Tipo, const QString& Texto, const QString& Titulo) override;
  QString AbrirArquivo(QWidget* Pai, const QString& Titulo, const QString& Pasta, const QString& Filtro) override;
  QString SalvarArquivo(QWidget* Pai, const QString& Titulo, const QString& Caminho, const QString& Filtro) override;
  QString EscolherPasta(QWidget* Pai, const QString& Titulo, const QString& Pasta) override;
  void CursorOcupado(bool Ocupado) override { NivelCursor += Ocupado ? 1 : -1; }
  QDateTime Agora() override { return Relogio; }
  QSize TamanhoTela() override { return Tela; }
  QString Variavel(const QString& Nome) override { return Ambiente.value(Nome); }
  QString NomeLogin() override { return Login; }
  bool AbrirComPrograma(const QString& Caminho) override;
  int ExecutaDialogo(QDialog* Dialogo) override;

  // The texts of the boxes shown so far, in order.
  QStringList Textos() const;
  // The last box's text, or empty.
  QString UltimoTexto() const { return Caixas.empty() ? QString() : Caixas.back().Texto; }

 private:
  QString ProximoArquivo(const QString& Titulo);
};
