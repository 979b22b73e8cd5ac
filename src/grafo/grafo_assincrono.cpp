#include <QPromise>
#include <QThreadPool>
#include <memory>

#include "grafo.h"

namespace {
// One thread: Graphviz lays out one graph at a time anyway.
QThreadPool& Fila() {
  static QThreadPool fila;
  fila.setMaxThreadCount(1);
  return fila;
}
}  // namespace

QFuture<TDesenhoGrafo> DesenhaGrafoEmSegundoPlano(TGrafo G, TMotorDesenho Motor) {
  auto promessa = std::make_shared<QPromise<TDesenhoGrafo>>();
  QFuture<TDesenhoGrafo> futuro = promessa->future();
  promessa->start();
  Fila().start([promessa, G = std::move(G), Motor] {
    // Nobody waits for a layout whose future was cancelled while queued.
    if (!promessa->isCanceled()) promessa->addResult(DesenhaGrafo(G, Motor));
    promessa->finish();
  });
  return futuro;
}
