#pragma once
// TCP client of the server link: one connection, text through the 8-bit code
// page, received text cut into packets at each "\r\n\r\n".
#include <QAbstractSocket>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "PacketManagerParser.h"
#include "codepage.h"

class QTcpSocket;

// Windows Sockets number of a socket error. A remote close counts as an
// aborted connection (10053) while connecting and as a reset (10054) after.
int WinsockErrorCode(QAbstractSocket::SocketError Error, bool Connecting);
// "Erro " + code + the Portuguese reason shown to the user.
QString GetStrErroSocket(int Code);

// Code raised when the peer sends more unterminated text than MaxPendingChars.
constexpr int kErroBufferCheio = 10055;

class TClientManager : public QObject {
  Q_OBJECT
 public:
  using TPacketEvent = std::function<void(TClientManager* Sender, const QString& Packet)>;
  using TPacketBytesEvent = std::function<bool(TClientManager* Sender, QByteArrayView Packet)>;
  using TNotifyEvent = std::function<void(TClientManager* Sender)>;
  using TErrorEvent = std::function<void(TClientManager* Sender, int Code)>;

  explicit TClientManager(QObject* parent = nullptr);
  // Closes the connection without calling any callback.
  ~TClientManager() override;

  // All callbacks run on the thread of the event loop. The packet callback may
  // send, connect, disconnect or process events; packets of one connection
  // are always delivered one at a time and in order. The object must not be
  // deleted from inside a callback (use deleteLater).
  TPacketEvent OnPacket;
  // Optional, asked first with each packet's bytes: true when it has dealt
  // with the packet, which then is neither turned into text nor handed to
  // OnPacket. The bytes live only during the call, which must not process
  // events. For packets too many to turn into text (a file's parts).
  TPacketBytesEvent OnPacketBytes;
  TNotifyEvent OnConnect;
  TNotifyEvent OnDisconnect;
  TErrorEvent OnError;

  bool Logged = false;  // set and cleared by the owner only
  int Tag = 0;
  // Unterminated text beyond this many characters drops the connection with
  // kErroBufferCheio instead of growing without bound.
  qsizetype MaxPendingChars = 64 * 1024 * 1024;

  // Starts an attempt unless already connected; the outcome arrives later as
  // OnConnect or OnError. A call while an attempt is under way restarts it
  // with the new target. Empties the received text. Always 0.
  int Connect(const QString& Host, quint16 Port);
  // Connected: a graceful close, OnDisconnect follows. Connecting: the
  // attempt is dropped silently. Unread received text is discarded.
  void Disconnect();
  // Both do nothing unless connected; no terminator is added.
  void SendString(const QString& Text);
  void SendAnsiString(const QByteArray& Bytes);

  bool Connected() const { return FConnected; }
  bool Connecting() const { return FConnecting; }
  // Received text not yet cut into packets.
  QString LinhaRecebida() const;
  // Where every read from the socket goes: appends the bytes and delivers
  // the packets they complete, each turned into text through the code page.
  // RecebeTexto takes text already turned. Public so that framing can be
  // driven without a connection (fuzzing).
  void RecebeBytes(const QByteArray& Bytes);
  void RecebeTexto(const QString& Texto) { RecebeBytes(EncodeAnsi(Texto)); }

 private:
  void OpenPending();
  void SocketConnected();
  void SocketDisconnected();
  void SocketError(QAbstractSocket::SocketError Error);
  void SocketReadyRead();
  void DeliverPackets();
  void RaiseError(int Code);
  void ResetBuffer();

  std::unique_ptr<QTcpSocket> ClientSocket;
  bool FConnected = false;
  bool FConnecting = false;

  // A Connect waiting for the event loop to open the socket.
  bool FPendingOpen = false;
  QString FPendingHost;
  quint16 FPendingPort = 0;

  // Received bytes live in FBuffer from FHead on (one character each in the
  // code page, so the terminator and the limit count alike); FScan is where
  // the search for the next terminator resumes, so a long packet arriving in
  // many small reads is scanned once.
  QByteArray FBuffer;
  qsizetype FHead = 0;
  qsizetype FScan = 0;
  bool FDelivering = false;
};
