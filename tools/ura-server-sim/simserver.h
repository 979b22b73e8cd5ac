#pragma once
// Listens on loopback as the telephony server and, optionally, as the local
// service. Each connection gets its own packet reader and session.
#include <QObject>
#include <QTcpServer>

#include "simsession.h"
#include "simstore.h"

class SimServer : public QObject {
  Q_OBJECT
 public:
  SimServer(SimStore store, SimConfig config, QObject* parent = nullptr);

  // Port 0 picks a free port; the ports chosen are then in serverPort()
  // and localServicePort(). On failure sets *error.
  bool listen(quint16 port, QString* error);
  bool listenLocalService(quint16 port, QString* error);
  quint16 serverPort() const { return server_.serverPort(); }
  quint16 localServicePort() const { return localService_.serverPort(); }

 private:
  // asServer: answer as the telephony server; otherwise only log (the local
  // service never answers).
  void accept(QTcpServer& listener, bool asServer);

  SimStore store_;
  SimConfig config_;
  QTcpServer server_;
  QTcpServer localService_;
  int nextClient_ = 1;
};
