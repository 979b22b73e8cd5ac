#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <vector>

#include "ClientManager.h"
#include "codepage.h"

namespace {

// Runs the event loop until Cond holds; false after a generous deadline.
bool WaitFor(const std::function<bool()>& Cond) {
  QDeadlineTimer deadline(10000);
  while (!Cond()) {
    if (deadline.hasExpired()) return false;
    QEventLoop loop;
    QTimer::singleShot(5, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return true;
}

const QString kA = QStringLiteral("Event: A\r\n\r\n");
const QString kB = QStringLiteral("Response: Success\r\nActionID: B\r\n\r\n");

quint16 ClosedPort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();  // closed again when probe goes
}

class ClientManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    client.OnPacket = [this](TClientManager* sender, const QString& packet) {
      EXPECT_EQ(sender, &client);
      packets << packet;
      if (onPacket) onPacket(packet);
    };
    client.OnConnect = [this](TClientManager*) { ++connects; };
    client.OnDisconnect = [this](TClientManager*) { ++disconnects; };
    client.OnError = [this](TClientManager*, int code) {
      EXPECT_FALSE(client.Connected());
      EXPECT_FALSE(client.Connecting());
      errors.push_back(code);
      if (onError) onError(code);
    };
  }

  // Connects the client; returns the server's end of the connection.
  QTcpSocket* Open() {
    client.Connect(QStringLiteral("127.0.0.1"), server.serverPort());
    if (!WaitFor([&] { return client.Connected() && server.hasPendingConnections(); })) return nullptr;
    return server.nextPendingConnection();
  }

  // Writes Text and waits until the client holds it as unread text, so that
  // the next write arrives in a later read.
  bool Feed(QTcpSocket* peer, const QString& Text) {
    const QString expected = client.LinhaRecebida() + Text;
    peer->write(EncodeAnsi(Text));
    peer->flush();
    return WaitFor([&] { return client.LinhaRecebida() == expected; });
  }

  bool Received(QTcpSocket* peer, QByteArray* got, qsizetype Size) {
    return WaitFor([&] {
      *got += peer->readAll();
      return got->size() >= Size;
    });
  }

  QTcpServer server;
  TClientManager client;
  QStringList packets;
  int connects = 0, disconnects = 0;
  std::vector<int> errors;
  std::function<void(const QString&)> onPacket;
  std::function<void(int)> onError;
};

TEST_F(ClientManagerTest, PacketsAreCutAtEachEmptyLine) {
  QTcpSocket* peer = Open();
  ASSERT_NE(peer, nullptr);
  EXPECT_EQ(connects, 1);
  EXPECT_FALSE(client.Connecting());

  peer->write(EncodeAnsi(kA + kB));
  ASSERT_TRUE(WaitFor([&] { return packets.size() == 2; }));
  EXPECT_EQ(packets, (QStringList{kA, kB}));

  // One packet over three reads: nothing until the last.
  ASSERT_TRUE(Feed(peer, QStringLiteral("Response: Suc")));
  ASSERT_TRUE(Feed(peer, QStringLiteral("cess\r\nActionID: B\r\n")));
  EXPECT_EQ(packets.size(), 2);
  peer->write("\r\nEvent: ");
  ASSERT_TRUE(WaitFor([&] { return packets.size() == 3; }));
  EXPECT_EQ(packets.last(), kB);
  EXPECT_EQ(client.LinhaRecebida(), "Event: ");

  // The terminator split after each of its first three characters; every
  // round starts with "Event: " already held.
  for (int cut = 1; cut <= 3; ++cut) {
    const QString text = QString::number(cut) + QStringLiteral("\r\n\r\n");
    const qsizetype at = text.size() - 4 + cut;
    ASSERT_TRUE(Feed(peer, text.left(at)));
    EXPECT_EQ(packets.size(), 2 + cut) << cut;
    peer->write(EncodeAnsi(text.mid(at) + QStringLiteral("Event: ")));
    ASSERT_TRUE(WaitFor([&] { return packets.size() == 3 + cut; })) << cut;
    EXPECT_EQ(packets.last(), QStringLiteral("Event: ") + text) << cut;
    ASSERT_TRUE(WaitFor([&] { return client.LinhaRecebida() == "Event: "; }));
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(ClientManagerTest, TextTravelsThroughTheCodePage) {
  QTcpSocket* peer = Open();
  ASSERT_NE(peer, nullptr);
  peer->write("Message: a\xE7\xE3o \x80\x81\r\n\r\n");
  ASSERT_TRUE(WaitFor([&] { return packets.size() == 1; }));
  EXPECT_EQ(packets[0], QString::fromUtf8("Message: ação €\u0081\r\n\r\n"));

  client.SendString(QString::fromUtf8("Ação €"));
  client.SendAnsiString(QByteArray("\xC3\xA7"));
  QByteArray got;
  ASSERT_TRUE(Received(peer, &got, 8));
  EXPECT_EQ(got, QByteArray("A\xE7\xE3o \x80\xC3\xA7"));
}

TEST_F(ClientManagerTest, LeftoverTextDoesNotReachTheNextConnection) {
  QTcpSocket* peer = Open();
  ASSERT_NE(peer, nullptr);
  ASSERT_TRUE(Feed(peer, QStringLiteral("Event: cortado\r\n")));
  peer->disconnectFromHost();
  ASSERT_TRUE(WaitFor([&] { return disconnects == 1; }));

  peer = Open();
  ASSERT_NE(peer, nullptr);
  EXPECT_EQ(client.LinhaRecebida(), "");
  peer->write(EncodeAnsi(kB));
  ASSERT_TRUE(WaitFor([&] { return packets.size() == 1; }));
  EXPECT_EQ(packets[0], kB);
}

TEST_F(ClientManagerTest, HugePacketIsHeldUntilItsTerminator) {
  QTcpSocket* peer = Open();
  ASSERT_NE(peer, nullptr);
  const QByteArray chunk(64 * 1024, 'x');
  const int chunks = 96;  // 6 MB in many reads
  peer->write("Message: ");
  for (int i = 0; i < chunks; ++i) peer->write(chunk);
  const qsizetype total = 9 + qsizetype(chunks) * chunk.size();
  ASSERT_TRUE(WaitFor([&] { return client.LinhaRecebida().size() == total; }));
  EXPECT_TRUE(packets.isEmpty());

  peer->write("\r\n\r\nEvent: ");
  ASSERT_TRUE(WaitFor([&] { return packets.size() == 1; }));
  EXPECT_EQ(packets[0].size(), total + 4);
  EXPECT_TRUE(packets[0].endsWith(QStringLiteral("xx\r\n\r\n")));
  EXPECT_EQ(client.LinhaRecebida(), "Event: ");
  EXPECT_TRUE(errors.empty());
}

TEST_F(ClientManagerTest, UnterminatedTextBeyondTheLimitDropsTheConnection) {
  client.MaxPendingChars = 1000;
  QTcpSocket* peer = Open();
  ASSERT_NE(peer, nullptr);
  // Complete packets are not limited, only the unterminated tail.
  const QString big = QStringLiteral("Message: ") + QString(1500, u'y') + QStringLiteral("\r\n\r\n");
  peer->write(EncodeAnsi(big + QStringLiteral("Event: ")));
  ASSERT_TRUE(WaitFor([&] { return packets.size() == 1; }));
  EXPECT_EQ(packets[0], big);

  peer->write(QByteArray(2000, 'z'));
  ASSERT_TRUE(WaitFor([&] { return !errors.empty(); }));
  EXPECT_EQ(errors, std::vector<int>{kErroBufferCheio});
  EXPECT_EQ(client.LinhaRecebida(), "");
  // The peer sees the close; the client reports no disconnection besides.
  ASSERT_TRUE(WaitFor([&] { return peer->state() == QAbstractSocket::UnconnectedState; }));
  EXPECT_EQ(disconnects, 0);
  EXPECT_EQ(packets.size(), 1);
}

TEST_F(ClientManagerTest, PacketCallbackRunsToTheEndBeforeTheNextPacket) {
  QTcpSocket* peer = Open();
  ASSERT_NE(peer, nullptr);
  bool inside = false, nested = false;
  onPacket = [&](const QString& packet) {
    nested = nested || inside;
    if (packet != kA) return;
    inside = true;
    // More text reaches the client's socket while the owner processes events
    // in the callback; Qt raises no further readyRead for it.
    peer->write(EncodeAnsi(kB));
    auto* socket = client.findChild<QTcpSocket*>();
    EXPECT_TRUE(WaitFor([&] { return socket->bytesAvailable() == kB.size(); }));
    inside = false;
  };
  peer->write(EncodeAnsi(kA));
  ASSERT_TRUE(WaitFor([&] { return packets.size() == 2; }));
  EXPECT_FALSE(nested);
  EXPECT_EQ(packets, (QStringList{kA, kB}));
}

TEST_F(ClientManagerTest, CallbackMayDisconnectAndReconnect) {
  QTcpSocket* peer = Open();
  ASSERT_NE(peer, nullptr);
  onPacket = [&](const QString&) {
    client.Disconnect();
    client.Connect(QStringLiteral("127.0.0.1"), server.serverPort());
  };
  peer->write(EncodeAnsi(kA + kB));
  ASSERT_TRUE(WaitFor([&] { return client.Connected() && server.hasPendingConnections(); }));
  // The second packet belonged to the closed connection.
  EXPECT_EQ(packets, QStringList{kA});
  EXPECT_EQ(disconnects, 1);
  EXPECT_EQ(connects, 2);

  onPacket = nullptr;
  peer = server.nextPendingConnection();
  peer->write(EncodeAnsi(kB));
  ASSERT_TRUE(WaitFor([&] { return packets.size() == 2; }));
  EXPECT_EQ(packets.last(), kB);
  EXPECT_TRUE(errors.empty());
}

TEST_F(ClientManagerTest, SendingWhileIdleSendsNothing) {
  client.SendString(QStringLiteral("perdido"));
  client.SendAnsiString(QByteArray("perdido"));
  EXPECT_FALSE(client.Connected());
  QTcpSocket* peer = Open();
  ASSERT_NE(peer, nullptr);
  client.SendString(QStringLiteral("ok"));
  QByteArray got;
  ASSERT_TRUE(Received(peer, &got, 2));
  EXPECT_EQ(got, "ok");
  EXPECT_TRUE(errors.empty());
}

TEST_F(ClientManagerTest, ConnectWhileConnectedChangesNothing) {
  QTcpServer other;
  ASSERT_TRUE(other.listen(QHostAddress::LocalHost, 0));
  QTcpSocket* peer = Open();
  ASSERT_NE(peer, nullptr);
  EXPECT_EQ(client.Connect(QStringLiteral("127.0.0.1"), other.serverPort()), 0);
  EXPECT_TRUE(client.Connected());
  EXPECT_FALSE(client.Connecting());

  // A round trip on the old connection lets any queued work run.
  client.SendString(QStringLiteral("ping"));
  QByteArray got;
  ASSERT_TRUE(Received(peer, &got, 4));
  peer->write(EncodeAnsi(kA));
  ASSERT_TRUE(WaitFor([&] { return packets.size() == 1; }));
  EXPECT_TRUE(client.Connected());
  EXPECT_EQ(connects, 1);
  EXPECT_FALSE(other.hasPendingConnections());
}

TEST_F(ClientManagerTest, RefusedConnectionReportsErro10061) {
  client.Connect(QStringLiteral("127.0.0.1"), ClosedPort());
  // The outcome is never reported inside Connect.
  EXPECT_TRUE(client.Connecting());
  EXPECT_TRUE(errors.empty());
  ASSERT_TRUE(WaitFor([&] { return !errors.empty(); }));
  EXPECT_EQ(errors, std::vector<int>{10061});
  EXPECT_EQ(GetStrErroSocket(errors[0]), QString::fromUtf8("Erro 10061: Conexão encerrada pelo servidor"));
  // Codes without a message of their own share the generic one.
  EXPECT_EQ(GetStrErroSocket(10022), QString::fromUtf8("Erro 10022: Conexão encerrada pelo servidor"));
  EXPECT_EQ(GetStrErroSocket(10048), QString::fromUtf8("Erro 10048: Enreceço IP já está sendo usado"));
  EXPECT_EQ(connects + disconnects, 0);
}

TEST_F(ClientManagerTest, ErrorCallbackMayReconnect) {
  onError = [&](int) { client.Connect(QStringLiteral("127.0.0.1"), server.serverPort()); };
  client.Connect(QStringLiteral("127.0.0.1"), ClosedPort());
  ASSERT_TRUE(WaitFor([&] { return client.Connected(); }));
  EXPECT_EQ(errors, std::vector<int>{10061});
  EXPECT_EQ(connects, 1);
}

TEST_F(ClientManagerTest, PeerCloseIsADisconnectionNotAnError) {
  QTcpSocket* peer = Open();
  ASSERT_NE(peer, nullptr);
  client.Logged = true;
  peer->disconnectFromHost();
  ASSERT_TRUE(WaitFor([&] { return disconnects == 1; }));
  EXPECT_FALSE(client.Connected());
  EXPECT_FALSE(client.Connecting());
  EXPECT_TRUE(client.Logged);  // the owner's to clear
  EXPECT_TRUE(errors.empty());
}

TEST_F(ClientManagerTest, DisconnectFlushesThenReportsOnce) {
  QTcpSocket* peer = Open();
  ASSERT_NE(peer, nullptr);
  // More than the kernel takes at once, so the close has to wait for the peer.
  const QByteArray bulk(8 * 1024 * 1024, 'b');
  client.SendAnsiString(bulk);
  client.SendString(QStringLiteral("Action: Logoff\r\n\r\n"));
  client.Disconnect();
  QByteArray got;
  ASSERT_TRUE(Received(peer, &got, bulk.size() + 18));
  EXPECT_TRUE(got.endsWith("bAction: Logoff\r\n\r\n"));
  ASSERT_TRUE(WaitFor([&] { return peer->state() == QAbstractSocket::UnconnectedState; }));
  EXPECT_EQ(disconnects, 1);
  EXPECT_FALSE(client.Connected());
}

TEST_F(ClientManagerTest, TextUnreadWhenTheCallbackDisconnectsIsDropped) {
  QTcpSocket* peer = Open();
  ASSERT_NE(peer, nullptr);
  const QByteArray bulk(8 * 1024 * 1024, 'b');
  onPacket = [&](const QString&) {
    peer->write(EncodeAnsi(kB));
    auto* socket = client.findChild<QTcpSocket*>();
    EXPECT_TRUE(WaitFor([&] { return socket->bytesAvailable() == kB.size(); }));
    // Still flushing when the callback returns.
    client.SendAnsiString(bulk);
    client.Disconnect();
  };
  peer->write(EncodeAnsi(kA));
  QByteArray got;
  ASSERT_TRUE(Received(peer, &got, bulk.size()));
  ASSERT_TRUE(WaitFor([&] { return disconnects == 1; }));
  EXPECT_EQ(packets, QStringList{kA});
}

TEST_F(ClientManagerTest, DisconnectWhileConnectingDropsTheAttemptSilently) {
  client.Connect(QStringLiteral("127.0.0.1"), ClosedPort());
  client.Disconnect();
  EXPECT_FALSE(client.Connecting());
  // Another client's full round trip gives the dropped attempt time to show.
  TClientManager second;
  bool delivered = false;
  second.OnPacket = [&](TClientManager*, const QString&) { delivered = true; };
  second.Connect(QStringLiteral("127.0.0.1"), server.serverPort());
  ASSERT_TRUE(WaitFor([&] { return second.Connected() && server.hasPendingConnections(); }));
  QTcpSocket* peer = server.nextPendingConnection();
  peer->write(EncodeAnsi(kA));
  ASSERT_TRUE(WaitFor([&] { return delivered; }));
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(connects + disconnects, 0);
  EXPECT_FALSE(client.Connecting());
}

}  // namespace

// The limit itself is allowed; one character more is not. Packets that a
// read completes are cut before the tail is measured.
TEST(ClientManagerLimite, PendingTextOfExactlyTheLimitIsKept) {
  const struct {
    QString Texto;
    bool Erro;
  } casos[] = {
      {QString(1000, u'a'), false},
      {QString(1001, u'a'), true},
      {QStringLiteral("E: 1\r\n\r\n") + QString(1000, u'b'), false},
      {QString(997, u'c') + QStringLiteral("\r\n\r"), false},
  };
  for (const auto& c : casos) {
    TClientManager cm;
    cm.MaxPendingChars = 1000;
    std::vector<int> erros;
    cm.OnError = [&erros](TClientManager*, int Codigo) { erros.push_back(Codigo); };
    cm.RecebeTexto(c.Texto);
    EXPECT_EQ(erros, c.Erro ? std::vector<int>{kErroBufferCheio} : std::vector<int>{}) << c.Texto.size();
    EXPECT_EQ(cm.LinhaRecebida().size(), c.Erro ? 0 : 1000) << c.Texto.size();
  }
}

// A packet the bytes handler takes never becomes text; one it declines
// arrives as text, in order with the others.
TEST(ClientManagerBytes, DeclinedPacketsArriveAsText) {
  TClientManager cm;
  QStringList comoTexto;
  QList<QByteArray> comoBytes;
  cm.OnPacket = [&](TClientManager*, const QString& p) { comoTexto << p; };
  cm.OnPacketBytes = [&](TClientManager*, QByteArrayView p) {
    comoBytes << p.toByteArray();
    return p.startsWith("Event: parte");
  };
  cm.RecebeBytes("Event: parte\r\nFilePart: a\xE7\r\n\r\nEvent: outro\r\n\r\nEvent: parte 2\r\n\r\nEvent: ");
  EXPECT_EQ(comoBytes, (QList<QByteArray>{"Event: parte\r\nFilePart: a\xE7\r\n\r\n", "Event: outro\r\n\r\n",
                                          "Event: parte 2\r\n\r\n"}));
  EXPECT_EQ(comoTexto, QStringList{QStringLiteral("Event: outro\r\n\r\n")});
  EXPECT_EQ(cm.LinhaRecebida(), QStringLiteral("Event: "));
}
