#include "linhacomando.h"

#include <QFileInfo>

#include "ambiente.h"

TLinhaComando LeLinhaComando(const QStringList& Argumentos) {
  TLinhaComando r;
  QString* pendente = nullptr;  // the value a bare "-d" or "-A" waits for
  for (const QString& arg : Argumentos) {
    if (pendente) {
      *pendente = arg;
      pendente = nullptr;
      continue;
    }
    if (arg == u"-S") {
      r.Local = true;
    } else if (arg.startsWith(u"-d") || arg.startsWith(u"-A")) {
      QString& destino = arg.startsWith(u"-d") ? r.PastaTrabalho : r.ArquivoInicial;
      if (arg.size() == 2)
        pendente = &destino;
      else
        destino = arg.mid(2, 100);
    }
  }
  return r;
}

bool ExisteMonitor(const QString& PastaPrograma) {
  for (const char* nome : {"monitorRORIROSonarea.exe", "monitorRORIROSonarea"})
    if (QFileInfo(JuntaCaminho(PastaPrograma, QString::fromLatin1(nome))).isFile()) return true;
  return false;
}

TLinhaComando IniciaAmbiente(const QStringList& Argumentos, const QString& PastaPrograma) {
  TLinhaComando r = LeLinhaComando(Argumentos);
  r.Local = r.Local || ExisteMonitor(PastaPrograma);
  DefineAmbiente(LeInformacoesUsuario(r.Local, PastaPrograma, r.PastaTrabalho));
  return r;
}
