// "Fluxo da URA" with the voice example, laid out before the picture is taken.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include "UfrmFluxo.h"
#include "telas.h"

namespace {
const bool registrada = RegistraTela(QStringLiteral("frmFluxo"), [] {
  TDAC* dac = DocumentoExemplo(QStringLiteral("atendimento-voz.xml"));
  auto janela = std::make_unique<TfrmFluxo>([dac] { return dac; });
  janela->resize(1100, 560);
  QElapsedTimer prazo;
  prazo.start();
  while ((janela->Desenhando() || !janela->Fluxo()) && prazo.elapsed() < 30000) {
    QCoreApplication::processEvents();
    QThread::msleep(10);
  }
  return std::unique_ptr<QWidget>(std::move(janela));
});
}  // namespace
