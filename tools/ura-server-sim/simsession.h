#pragma once
// The server side of one client connection: login state, pending uploads and
// the answer to every request of the configuration program.
#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>

#include "packet.h"
#include "simstore.h"

struct SimConfig {
  QString user = QStringLiteral("admin");
  QString password = QStringLiteral("admin");
  QString version = QStringLiteral("1.1.0.0");
  int uraType = 1;
  QString company;
  // --tts: announced as the text-to-speech service (with account tts/tts
  // when the lookup data names none).
  QString ttsUrl;
};

class SimSession {
 public:
  using Sink = std::function<void(const QByteArray&)>;

  // tag prefixes every log line of this client; sink receives every reply.
  SimSession(const SimStore& store, const SimConfig& config, QString tag, Sink sink);

  void handle(const Packet& request);

 private:
  // One file arriving in parts.
  struct Upload {
    bool active = false;
    bool refused = false;  // the start was refused: its parts are dropped quietly
    QString fileName;
    QByteArray data;
    QString fault;  // set once the upload went wrong; the end reports it
  };

  using Handler = void (SimSession::*)(const Packet&);
  static const QHash<QByteArray, Handler>& Handlers();

  void login(const Packet& p);
  void getInfoServer(const Packet& p);
  void readXmlMessages(const Packet& p);
  void listWavFiles(const Packet& p);
  void krdbCommand(const Packet& p);
  void listCommands(const Packet& p);
  void getTtsConfig(const Packet& p);
  void listXmlUra(const Packet& p);
  void readXmlUra(const Packet& p);
  void readXmlUraHeader(const Packet& p);
  void saveXmlUra(const Packet& p);
  void xmlFilePart(const Packet& p);
  void sendXmlFileComplete(const Packet& p);
  void activateXmlUra(const Packet& p);
  void saveXmlMessages(const Packet& p);
  void xmlMessageFilePart(const Packet& p);
  void sendXmlMessageFileComplete(const Packet& p);
  void saveWavFile(const Packet& p);
  void wavFilePart(const Packet& p);
  void sendWavFileComplete(const Packet& p);

  // Replies. actionId empty: no ActionID field.
  void send(const QList<Field>& fields);
  void event(const QByteArray& name, const QByteArray& actionId, QList<Field> fields = {});
  void success(const QByteArray& actionId, const QString& message = {});
  void error(const QByteArray& actionId, const QString& message, bool utf8 = true);
  void sendFile(const QByteArray& bytes, const QByteArray& actionId);
  // Sends a list as comma-joined chunks, one event each.
  void sendList(const QByteArray& eventName, const QByteArray& field, const QStringList& items,
                const QByteArray& actionId);
  QList<Field> headerFields(const QString& fileName) const;
  // Appends received bytes; records a fault instead when the file grows too big.
  static void Append(Upload& upload, const QByteArray& bytes);

  const SimStore& store_;
  const SimConfig& config_;
  QString tag_;
  Sink sink_;
  bool logged_ = false;
  QString userName_;
  Upload ura_, messages_, wav_;
};
