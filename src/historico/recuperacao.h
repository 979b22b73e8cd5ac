#pragma once
// Crash recovery: while a document has unsaved changes the program keeps a
// copy of it, with where it came from, in the "recuperacao" folder of the
// user data folder: <session>.xml (the URA file as the writer makes it) and
// <session>.json (its origin and when). Each running program holds a lock
// file <session>.lock, so that what another running program keeps is never
// taken for left-overs; a program that was killed leaves its files and a
// stale lock behind. Files are written on a thread of their own, in order.
#include <QDateTime>
#include <QJsonObject>
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <memory>
#include <vector>

class TDAC;

// Where an unsaved document came from.
struct TOrigemUra {
  QString NomeUra;
  QString ArquivoLocal;     // its local file, when it has one
  QString Servidor;         // "address:port" of the server it came from, when it did
  QString ArquivoServidor;  // its file name there
  bool DoServidor = false;
  bool Local = true;
  bool RORIRO = false;
  bool Novo = true;
  bool PermissaoW = true;
  QDateTime Quando;  // when the copy was written

  static TOrigemUra De(const TDAC& Dac, const QString& Servidor, const QDateTime& Quando);
  // Gives the document the origin's names and flags.
  void AplicaEm(TDAC& Dac) const;
  // For the question at start: 'the local file /a/b.xml (09/12/2026 10:00)'.
  QString Descricao() const;
  QJsonObject ParaJson() const;
  static TOrigemUra DeJson(const QJsonObject& J);
};

// Files left by a program that did not end normally; the lock is held here
// while the object lives.
struct TSobraRecuperacao {
  QString Xml;
  QString Json;
  TOrigemUra Origem;
  std::shared_ptr<QLockFile> Trava;
};

class TRecuperacao {
 public:
  // Pasta: the "recuperacao" folder (created when needed).
  explicit TRecuperacao(const QString& Pasta);
  // Waits for the writes under way.
  ~TRecuperacao();
  TRecuperacao(const TRecuperacao&) = delete;
  TRecuperacao& operator=(const TRecuperacao&) = delete;

  // Writes the document's lines and origin as this session's copy, on the
  // writing thread, replacing the previous copy whole.
  void Grava(const QStringList& Linhas, const TOrigemUra& Origem);
  // The same for a document of its own (a copy nothing else touches): the
  // writer runs on the writing thread too.
  void Grava(std::shared_ptr<const TDAC> Documento, const TOrigemUra& Origem);
  // Removes this session's copy (after the writes before it).
  void Remove();
  // Waits until every write and removal asked for is done.
  void Espera();

  QString ArquivoXml() const;  // this session's copy
  const QString& Pasta() const { return FPasta; }

  // The copies of sessions that are not running any more (their lock is
  // stale or missing), oldest first; each comes locked by this object.
  std::vector<TSobraRecuperacao> Sobras() const;
  // Moves the files to "descartados" (never deletes them).
  static bool Descarta(const TSobraRecuperacao& Sobra);
  // Removes the files (their content now lives in this session).
  static void Adota(const TSobraRecuperacao& Sobra);

 private:
  QString FPasta;
  QString FSessao;
  std::unique_ptr<QLockFile> FTrava;
  QThreadPool FEscrita;  // one thread: writes and removals happen in order
};

// Seconds between two copies of the same document ("Recuperacao", "Intervalo", 60).
int IntervaloRecuperacao();
