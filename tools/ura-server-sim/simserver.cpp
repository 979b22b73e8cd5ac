#include "simserver.h"

#include <QTcpSocket>

#include <memory>

#include "simlog.h"

namespace {

constexpr qint64 kReadChunk = qint64(1) << 20;

bool Listen(QTcpServer& listener, quint16 port, QString* error) {
  if (listener.listen(QHostAddress::LocalHost, port)) return true;
  *error = QStringLiteral("porta %1: %2").arg(port).arg(listener.errorString());
  return false;
}

}  // namespace

SimServer::SimServer(SimStore store, SimConfig config, QObject* parent)
    : QObject(parent), store_(std::move(store)), config_(std::move(config)) {
  connect(&server_, &QTcpServer::newConnection, this, [this] { accept(server_, true); });
  connect(&localService_, &QTcpServer::newConnection, this, [this] { accept(localService_, false); });
}

bool SimServer::listen(quint16 port, QString* error) { return Listen(server_, port, error); }

bool SimServer::listenLocalService(quint16 port, QString* error) { return Listen(localService_, port, error); }

void SimServer::accept(QTcpServer& listener, bool asServer) {
  while (QTcpSocket* socket = listener.nextPendingConnection()) {
    const QString tag = (asServer ? QStringLiteral("[%1]") : QStringLiteral("[local %1]")).arg(nextClient_++);
    SimLog(QStringLiteral("%1 conectado de %2:%3").arg(tag, socket->peerAddress().toString()).arg(socket->peerPort()));

    // Reader and session live as long as the socket: both die with it.
    auto reader = std::make_shared<PacketReader>();
    std::shared_ptr<SimSession> session;
    if (asServer)
      session = std::make_shared<SimSession>(store_, config_, tag, [socket](const QByteArray& bytes) {
        if (socket->state() == QAbstractSocket::ConnectedState) socket->write(bytes);
      });

    connect(socket, &QTcpSocket::readyRead, socket, [socket, reader, session, tag] {
      while (socket->bytesAvailable() > 0 && socket->state() == QAbstractSocket::ConnectedState) {
        reader->append(socket->read(kReadChunk));
        while (const std::optional<QByteArray> raw = reader->next()) {
          const Packet packet(*raw);
          if (session)
            session->handle(packet);
          else
            SimLog(tag + QStringLiteral(" <- ") + DescribeFields(packet.fields()));
        }
        if (reader->pending() > kMaxClientBytes) {
          SimLog(tag + QStringLiteral(" !! pacote sem fim acima do limite; cliente desconectado"));
          socket->abort();
          return;
        }
      }
    });
    connect(socket, &QTcpSocket::disconnected, socket, [socket, tag] {
      SimLog(tag + QStringLiteral(" desconectado"));
      socket->deleteLater();
    });
  }
}
