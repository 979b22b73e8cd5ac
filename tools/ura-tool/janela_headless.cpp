#include "janela_headless.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>

#include "saida.h"

bool TJanelaHeadless::Espera(double Segundos, const std::function<bool()>& Pronto) {
  const QDeadlineTimer prazo{std::chrono::milliseconds(qint64(Segundos * 1000))};
  while (!Falha && !Pronto()) {
    if (prazo.hasExpired()) {
      Falhou(QStringLiteral("o servidor não respondeu em %1 segundo(s)").arg(QString::number(Segundos)));
      break;
    }
    QEventLoop loop;
    QTimer limite;
    limite.setSingleShot(true);
    QObject::connect(&limite, &QTimer::timeout, &loop, &QEventLoop::quit);
    // Some steps reach the window through no call at all (a catalogue that
    // completes): look again at short intervals as well.
    limite.start(std::chrono::milliseconds(std::min<qint64>(prazo.remainingTime(), 20)));
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
void TJanelaHeadless::HabilitaBotoesConexao() { Falhou(!FInfoConexao.isEmpty() ? FInfoConexao : FUltimoStatus); }

void TJanelaHeadless::FechaFormLogin() {
  Logado = true;
  Acorda();
}

void TJanelaHeadless::MensagemAdiada(const QString& Texto, const QString&) {
  if (!Mensagem)
    Mensagem = Texto;
  else
    MensagensSeguintes.append(Texto);
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
