#include "janela_headless.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <chrono>

#include "saida.h"

bool TJanelaHeadless::Espera(int Segundos, const std::function<bool()>& Pronto) {
  const QDeadlineTimer prazo{std::chrono::seconds(Segundos)};
  while (!Falha && !Pronto()) {
    if (prazo.hasExpired()) {
      Falhou(QStringLiteral("o servidor não respondeu em %1 segundo(s)").arg(Segundos));
      break;
    }
    QEventLoop loop;
    QTimer limite;
    limite.setSingleShot(true);
    QObject::connect(&limite, &QTimer::timeout, &loop, &QEventLoop::quit);
    limite.start(std::chrono::milliseconds(prazo.remainingTime()));
    FLoop = &loop;
    loop.exec();
    FLoop = nullptr;
  }
  return !Falha && Pronto();
}

void TJanelaHeadless::MostraStatus(const QString& Texto) {
  FUltimoStatus = Texto;
  if (FVerbose) EscreveErro(Texto + u'\n');
}

void TJanelaHeadless::MostraInfoConexao(const QString& Texto) { FInfoConexao = Texto; }

// Called on a refused login, a lost connection and a socket error, each
// after the status bar got the text that tells the user why.
void TJanelaHeadless::HabilitaBotoesConexao() {
  Falhou(!FInfoConexao.isEmpty() ? FInfoConexao : FUltimoStatus);
}

void TJanelaHeadless::FechaFormLogin() {
  Logado = true;
  Acorda();
}

void TJanelaHeadless::MensagemAdiada(const QString& Texto, const QString&) {
  if (!Mensagem) Mensagem = Texto;
  Acorda();
}

void TJanelaHeadless::MensagemImediata(const QString& Texto, const QString&, bool) { Falhou(Texto); }

void TJanelaHeadless::AbreSelecaoUra() {
  SelecaoAberta = true;
  Acorda();
}

void TJanelaHeadless::RecebeDac(std::unique_ptr<TDAC> Dac) {
  Documento = std::move(Dac);
  DacRecebido = true;
  Acorda();
}

void TJanelaHeadless::Falhou(const QString& Texto) {
  if (!Falha) Falha = Texto.isEmpty() ? QStringLiteral("o servidor encerrou a sessão") : Texto;
  Acorda();
}

void TJanelaHeadless::Acorda() {
  if (FLoop) FLoop->quit();
}
