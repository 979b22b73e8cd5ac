#pragma once
// The served folder: URA files, message catalogues, audio files and the two
// JSON files of the simulator (lookup data and per-URA header data). Every
// read goes to the disk, so files edited while the simulator runs are seen.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

inline constexpr char kLookupFile[] = "sim-lookup.json";
inline constexpr char kHeadersFile[] = "sim-headers.json";
inline constexpr char kMessagesFile[] = "mensagens.xml";
inline constexpr char kChatMessagesFile[] = "mensagenschat.xml";

// Audit data of one URA file, as the header events carry it.
struct UraHeader {
  QString criadoEm, criadoPor, modificadoEm, modificadoPor, ativadoEm, ativadoPor;
  int permissaoWrite = 1;
};

struct Queue {
  QString filaId, nome, tipo;
};
struct Group {
  QString grupoId, nome;
};

struct LookupData {
  QList<Queue> filas;
  QList<Group> grupos;
  QStringList uras;
  QStringList comandos;
  QList<QPair<QString, QString>> tts;  // protocol field name, value
};

// The attributes of a URA file's root element.
struct UraIdentity {
  QString nome, tipoUra;
};

class SimStore {
 public:
  explicit SimStore(QString dir) : dir_(std::move(dir)) {}

  const QString& dir() const { return dir_; }

  LookupData lookup() const;
  UraHeader header(const QString& fileName) const;

  // URA files in name order, catalogues excluded.
  QStringList uraFiles() const;
  // Audio file names without ".wav", in name order.
  QStringList wavNames() const;
  // Root attributes, or nothing when the file is absent or not a URA file.
  std::optional<UraIdentity> uraIdentity(const QString& fileName) const;

  bool exists(const QString& fileName) const;
  std::optional<QByteArray> read(const QString& fileName) const;
  // Replaces the file in one step; on failure sets *error.
  bool write(const QString& fileName, const QByteArray& bytes, QString* error) const;

  // Writes an uploaded URA file and records its creation (when new) and
  // modification by user. A header file that cannot be updated is only
  // logged: the URA file itself is saved.
  bool saveUra(const QString& fileName, const QByteArray& bytes, const QString& user, QString* error) const;
  // Records the activation of an existing URA file by user.
  void activateUra(const QString& fileName, const QString& user) const;

  // Plain file name: not empty, no folder parts, no "..", no leading ".".
  static bool IsPlainName(const QString& name);
  // A plain name ending in ".xml" that is not a catalogue.
  static bool IsUraFileName(const QString& name);
  static bool IsWavFileName(const QString& name);
  // The catalogue a request names ("" is the audio catalogue), or nothing.
  static std::optional<QString> CatalogueName(const QString& requested);
  // Current local time as the header fields show it.
  static QString Now();

 private:
  QString path(const QString& fileName) const;
  void updateHeader(const QString& fileName, const std::function<void(UraHeader&)>& change) const;

  QString dir_;
};

// Whether bytes are a well-formed XML document whose root element is rootName.
bool IsXmlWithRoot(const QByteArray& bytes, const QString& rootName, QString* why);
