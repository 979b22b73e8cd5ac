#include "ClientManager.h"

#include <QTcpSocket>

#include "codepage.h"

int WinsockErrorCode(QAbstractSocket::SocketError Error, bool Connecting) {
  switch (Error) {
    case QAbstractSocket::ConnectionRefusedError: return 10061;
    case QAbstractSocket::RemoteHostClosedError: return Connecting ? 10053 : 10054;
    case QAbstractSocket::SocketTimeoutError: return 10060;
    case QAbstractSocket::HostNotFoundError:
    case QAbstractSocket::NetworkError: return 10065;
    case QAbstractSocket::SocketAccessError: return 10013;
    case QAbstractSocket::AddressInUseError: return 10048;
    case QAbstractSocket::UnsupportedSocketOperationError: return 10047;
    default: return 10054;
  }
}

QString GetStrErroSocket(int Code) {
  const char* suffix;
  switch (Code) {
    case 10013: suffix = ": Permissão negada para acesso ao socket"; break;
    case 10014: suffix = ": Endereço IP inválido"; break;
    case 10039: suffix = ": Endereço IP não está especificado"; break;
    case 10047: suffix = ": Operação já está sendo executada"; break;
    case 10048: suffix = ": Enreceço IP já está sendo usado"; break;
    case 10053: suffix = ": Conexão abortada pelo servidor"; break;
    case 10060: suffix = ": IP do servidor inexistente"; break;
    case 10064: suffix = ": Servidor não está ativo"; break;
    case 10065: suffix = ": Servidor não encontrado"; break;
    default: suffix = ": Conexão encerrada pelo servidor"; break;
  }
  return QStringLiteral("Erro ") + QString::number(Code) + QString::fromUtf8(suffix);
}

namespace {

// Position of the next "\r\n\r\n" from From, or -1. Carriage returns are
// looked for one byte at a time (memchr), a search many times faster than
// one for the whole terminator; inside a packet they end lines only.
qsizetype IndexOfTerminator(const QByteArray& Bytes, qsizetype From) {
  const char* p = Bytes.constData();
  const qsizetype n = Bytes.size();
  for (qsizetype cr = Bytes.indexOf('\r', From); cr >= 0 && cr + 3 < n; cr = Bytes.indexOf('\r', cr + 1))
    if (p[cr + 1] == '\n' && p[cr + 2] == '\r' && p[cr + 3] == '\n') return cr;
  return -1;
}

}  // namespace

TClientManager::TClientManager(QObject* parent) : QObject(parent), ClientSocket(std::make_unique<QTcpSocket>(this)) {
  connect(ClientSocket.get(), &QTcpSocket::connected, this, &TClientManager::SocketConnected);
  connect(ClientSocket.get(), &QTcpSocket::disconnected, this, &TClientManager::SocketDisconnected);
  connect(ClientSocket.get(), &QTcpSocket::errorOccurred, this, &TClientManager::SocketError);
  connect(ClientSocket.get(), &QTcpSocket::readyRead, this, &TClientManager::SocketReadyRead);
}

TClientManager::~TClientManager() {
  // The owner may be half destroyed already: no callbacks from here on.
  ClientSocket->disconnect(this);
  ClientSocket->abort();
}

int TClientManager::Connect(const QString& Host, quint16 Port) {
  if (FConnected) return 0;
  // A previous attempt is dropped; it never was open, so nothing is raised.
  if (ClientSocket->state() != QAbstractSocket::UnconnectedState) ClientSocket->abort();
  // Leftovers of an earlier connection must not prefix the next one's packets.
  ResetBuffer();
  FConnecting = true;
  FPendingHost = Host;
  FPendingPort = Port;
  // Opened from the event loop: the outcome is never reported inside this
  // call, and Qt cannot reopen a socket from inside its own signals, where a
  // callback may call us.
  if (!FPendingOpen) {
    FPendingOpen = true;
    QMetaObject::invokeMethod(this, &TClientManager::OpenPending, Qt::QueuedConnection);
  }
  return 0;
}

void TClientManager::OpenPending() {
  if (!FPendingOpen) return;
  FPendingOpen = false;
  ClientSocket->connectToHost(FPendingHost, FPendingPort);
}

void TClientManager::Disconnect() {
  ResetBuffer();
  FPendingOpen = false;
  if (FConnected) {
    // Graceful, so text sent just before still leaves.
    ClientSocket->disconnectFromHost();
    return;
  }
  FConnecting = false;
  if (ClientSocket->state() != QAbstractSocket::UnconnectedState) ClientSocket->abort();
}

void TClientManager::SendString(const QString& Text) {
  if (FConnected) ClientSocket->write(EncodeAnsi(Text));
}

void TClientManager::SendAnsiString(const QByteArray& Bytes) {
  if (FConnected) ClientSocket->write(Bytes);
}

QString TClientManager::LinhaRecebida() const { return DecodeAnsi(QByteArrayView(FBuffer).sliced(FHead)); }

void TClientManager::SocketConnected() {
  FConnected = true;
  FConnecting = false;
  if (OnConnect) OnConnect(this);
}

void TClientManager::SocketDisconnected() {
  // While idle this is the tail of a connection already reported by an error.
  if (!FConnected) return;
  FConnected = false;
  FConnecting = false;
  if (OnDisconnect) OnDisconnect(this);
}

void TClientManager::SocketError(QAbstractSocket::SocketError Error) {
  // The peer closing an open connection is an ordinary disconnection, and
  // Qt raises disconnected() right after.
  if (Error == QAbstractSocket::RemoteHostClosedError && FConnected) return;
  // Nothing is expected of a socket the owner has let go.
  if (!FConnected && !FConnecting) return;
  RaiseError(WinsockErrorCode(Error, !FConnected));
}

void TClientManager::RaiseError(int Code) {
  FConnected = false;
  FConnecting = false;
  ResetBuffer();
  // Closed here so the state matches idle; the disconnected() this may raise
  // is dropped by SocketDisconnected.
  if (ClientSocket->state() != QAbstractSocket::UnconnectedState) ClientSocket->abort();
  if (OnError) OnError(this, Code);
}

void TClientManager::SocketReadyRead() {
  // Qt does not raise readyRead again for text that arrived while a packet
  // callback processed events inside this one, so drain the socket here;
  // a connection the callback closed is not read any further.
  do {
    // Read straight behind the pending bytes: no buffer of its own per read.
    const qsizetype antes = FBuffer.size();
    FBuffer.resize(antes + qsizetype(ClientSocket->bytesAvailable()));
    const qint64 lidos = ClientSocket->read(FBuffer.data() + antes, FBuffer.size() - antes);
    FBuffer.resize(antes + qsizetype(qMax<qint64>(0, lidos)));
    DeliverPackets();
  } while (FConnected && ClientSocket->state() == QAbstractSocket::ConnectedState &&
           ClientSocket->bytesAvailable() > 0);
}

void TClientManager::DeliverPackets() {
  // Should a callback that processes events bring us back here, the loop
  // further up the stack delivers the new text after the current packet.
  if (FDelivering) return;
  FDelivering = true;
  // Re-read the members on every turn: the callback may connect, disconnect
  // or receive more text.
  for (;;) {
    const qsizetype at = IndexOfTerminator(FBuffer, FScan);
    if (at < 0) break;
    const qsizetype end = at + 4;
    const QByteArrayView bytes = QByteArrayView(FBuffer).sliced(FHead, end - FHead);
    FHead = FScan = end;
    if (OnPacketBytes && OnPacketBytes(this, bytes)) continue;
    const QString packet = DecodeAnsi(bytes);
    if (OnPacket) OnPacket(this, packet);
  }
  FDelivering = false;
  FBuffer.remove(0, FHead);
  FHead = 0;
  // A terminator may straddle the next read: rescan only its last 3 chars.
  FScan = qMax<qsizetype>(0, FBuffer.size() - 3);
  if (FBuffer.size() > MaxPendingChars) RaiseError(kErroBufferCheio);
}

void TClientManager::RecebeBytes(const QByteArray& Bytes) {
  FBuffer += Bytes;  // shares Bytes when nothing is pending
  DeliverPackets();
}

void TClientManager::ResetBuffer() {
  FBuffer.clear();
  FHead = 0;
  FScan = 0;
}
