#pragma once
// The session's window for the command line. It records what the commands
// wait for (login, the URA list, a received document, a deferred message)
// and any failure (login refused, connection lost, socket error, error box),
// and runs the event loop until one of them arrives or the time is up.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "SessaoServidor.h"

class QEventLoop;

class TJanelaHeadless : public IJanelaSessao {
 public:
  explicit TJanelaHeadless(bool Verbose) : FVerbose(Verbose) {}

  // The document DacAtual hands to the session; a received one replaces it.
  std::unique_ptr<TDAC> Documento;

  bool Logado = false;              // the login succeeded
  bool SelecaoAberta = false;       // the URA list is complete
  bool DacRecebido = false;         // a URA file arrived and was read
  std::optional<QString> Mensagem;  // the deferred message, as the window would show it
  QStringList MensagensSeguintes;   // deferred messages after the first
  std::optional<QString> Falha;     // the first failure, as the window would show it

  // Runs events until Pronto holds or a failure arrives; when Segundos pass
  // first, that is the failure. True when Pronto holds without a failure.
  bool Espera(double Segundos, const std::function<bool()>& Pronto);

  void MostraStatus(const QString& Texto) override;
  void MostraInfoConexao(const QString& Texto) override;
  void HabilitaBotoesConexao() override;
  void FechaFormLogin() override;
  void MensagemAdiada(const QString& Texto, const QString& Titulo) override;
  void MensagemImediata(const QString& Texto, const QString& Titulo, bool Erro) override;
  void CursorOcupado(bool) override {}
  void AbreSelecaoUra() override;
  TDAC* DacAtual() override { return Documento.get(); }
  void RecebeDac(std::unique_ptr<TDAC> Dac) override;

 private:
  void Falhou(const QString& Texto);
  // Something changed: let Espera look again.
  void Acorda();

  bool FVerbose;
  QString FUltimoStatus;
  QString FInfoConexao;
  QEventLoop* FLoop = nullptr;
};
