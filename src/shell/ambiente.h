#pragma once
// The process-wide values decided once at start: the mode, the user name and
// the folders, and the settings file they lead to.
#include <QString>

struct TAmbiente {
  bool Local = false;
  QString NomeUsuario;
  QString PastaPrograma;
  QString PastaUsuario;
  QString PastaConfiguracao;
  QString NomeArquivoConfiguracao = QStringLiteral("CliCfgUra.ini");
  QString PastaTemporaria;

  // The settings file: its name in the settings folder.
  QString ArquivoConfiguracao() const;
};

const TAmbiente& Ambiente();
void DefineAmbiente(const TAmbiente& A);

// Builds the values from the platform's environment (LeInformacoesUsuario and
// the local-mode adaptation of the start-up): user folder USERPROFILE, then
// HOME, then the program folder; settings folder APPDATA, XDG_CONFIG_HOME or
// ~/.config, LOCALAPPDATA, XDG_DATA_HOME or ~/.local/share, then the user
// folder itself, with "Talvora" (server mode) or "RORIROSonarea" (local mode)
// appended and created; temporary folder TEMP, TMPDIR, then /tmp. In local
// mode the user folder becomes PastaTrabalho ("-d") or the program folder.
TAmbiente LeInformacoesUsuario(bool Local, const QString& PastaPrograma, const QString& PastaTrabalho = QString());

// Joins folder and name with one separator.
QString JuntaCaminho(const QString& Pasta, const QString& Nome);
