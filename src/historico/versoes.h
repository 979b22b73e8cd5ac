#pragma once
// The user data folder, and in it the previous contents of each URA:
// historico/<URA name>/<yyyy-MM-dd_HH-mm-ss>.xml (the content as it was
// before a save replaced it) with a small .json beside it saying who saved.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

// The program's folder for the user's data: XDG_DATA_HOME, else
// HOME/.local/share, else LOCALAPPDATA or APPDATA, else the settings folder,
// followed by "configurador-ura". Asked of the platform every time.
QString PastaDadosUsuario();

struct TVersaoUra {
  QString Arquivo;     // the .xml in the history folder
  QDateTime Quando;    // when a save replaced it
  QString Usuario;     // who saved then
  qint64 Tamanho = 0;  // bytes
};

class THistoricoVersoes {
 public:
  // Pasta: the "historico" folder.
  explicit THistoricoVersoes(const QString& Pasta) : FPasta(Pasta) {}

  // Keeps Conteudo as the newest version of the URA named NomeUra and drops
  // the oldest beyond Maximo (0 keeps none). False when it cannot be written.
  bool Guarda(const QString& NomeUra, const QByteArray& Conteudo, const QDateTime& Quando, const QString& Usuario,
              int Maximo);
  // The versions of NomeUra, newest first.
  std::vector<TVersaoUra> Lista(const QString& NomeUra) const;
  // The folder of one URA: its name with anything but letters, digits, blank,
  // "-" and "_" replaced by "_" ("sem-nome" when empty).
  QString PastaDaUra(const QString& NomeUra) const;

 private:
  QString FPasta;
};

// The settings of the history (section "Historico" of the settings file).
int MaximoVersoes();  // "Versoes", 30
