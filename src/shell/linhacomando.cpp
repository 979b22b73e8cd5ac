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
    } else if (arg == u"-h" || arg == u"--help") {
      r.Ajuda = true;
    } else if (arg == u"--version") {
      r.Versao = true;
    } else if (!arg.isEmpty() && !arg.startsWith(u'-')) {
      r.ArquivoAberto = arg;
    }
  }
  return r;
}

QString TextoAjuda() {
  return QStringLiteral(
      "Uso: configurador-ura [-S] [-d PASTA] [-A ARQUIVO]\n"
      "     configurador-ura ARQUIVO.xml\n"
      "\n"
      "Assistente de configuração das URAs de voz e de chat do servidor de telefonia:\n"
      "menus, condições, mensagens, opções e ações de cada URA, gravadas em XML no disco\n"
      "ou no servidor, com relatório em HTML, verificação e arquivos de áudio.\n"
      "\n"
      "Opções:\n"
      "  -S           modo local: as URAs e o catálogo de mensagens ficam numa pasta\n"
      "               local em vez do servidor\n"
      "  -d PASTA     pasta de trabalho do modo local (sem ela, a pasta do programa)\n"
      "  -A ARQUIVO   arquivo URA da pasta de trabalho aberto ao iniciar (modo local)\n"
      "  ARQUIVO.xml  abre este arquivo URA no modo local, com a pasta dele como pasta\n"
      "               de trabalho (como -S -d PASTA -A ARQUIVO)\n"
      "  -h, --help   mostra esta ajuda e sai\n"
      "  --version    mostra a versão e sai\n");
}

bool ExisteMonitor(const QString& PastaPrograma) {
  for (const char* nome : {"monitorRORIROSonarea.exe", "monitorRORIROSonarea"})
    if (QFileInfo(JuntaCaminho(PastaPrograma, QString::fromLatin1(nome))).isFile()) return true;
  return false;
}

TLinhaComando IniciaAmbiente(const QStringList& Argumentos, const QString& PastaPrograma) {
  TLinhaComando r = LeLinhaComando(Argumentos);
  if (!r.ArquivoAberto.isEmpty()) {
    const QFileInfo arquivo(r.ArquivoAberto);
    r.Local = true;
    r.PastaTrabalho = arquivo.absolutePath();
    r.ArquivoInicial = arquivo.fileName();
  }
  r.Local = r.Local || ExisteMonitor(PastaPrograma);
  DefineAmbiente(LeInformacoesUsuario(r.Local, PastaPrograma, r.PastaTrabalho));
  return r;
}
