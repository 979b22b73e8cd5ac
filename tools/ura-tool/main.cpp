// ura-tool: the configurator's URA file commands for administrators and
// scripts, without a window.
#include <QCoreApplication>
#include <exception>

#include "comandos.h"
#include "saida.h"

namespace {

int ErroDeUso(const QString& Problema, const QString& Uso) {
  EscreveErro(QStringLiteral("ura-tool: ") + Problema + QStringLiteral("\n\n") + Uso);
  return SAIDA_ERRO_USO;
}

int Executa(const QStringList& Args) {
  if (Args.isEmpty()) return ErroDeUso(QStringLiteral("falta o comando"), UsoGeral());
  const QString& nome = Args.first();
  if (nome == u"--help" || nome == u"-h") {
    EscreveSaida(UsoGeral());
    return SAIDA_OK;
  }
  const Comando* comando = ProcuraComando(nome);
  if (!comando) return ErroDeUso(QStringLiteral("comando desconhecido: ") + nome, UsoGeral());

  try {
    bool ajuda = false;
    const Argumentos args = InterpretaArgumentos(*comando, Args.mid(1), &ajuda);
    if (ajuda) {
      EscreveSaida(UsoComando(*comando));
      return SAIDA_OK;
    }
    return comando->Executa(args);
  } catch (const FalhaComando& f) {
    if (f.Codigo == SAIDA_ERRO_USO) return ErroDeUso(f.Mensagem, UsoComando(*comando));
    EscreveErro(QStringLiteral("ura-tool: ") + f.Mensagem + u'\n');
    return f.Codigo;
  } catch (const std::exception& e) {
    EscreveErro(QStringLiteral("ura-tool: erro inesperado: ") + QString::fromLocal8Bit(e.what()) + u'\n');
    return SAIDA_ERRO_ARQUIVO;
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("ura-tool"));
  QStringList args = QCoreApplication::arguments();
  if (!args.isEmpty()) args.removeFirst();
  return Executa(args);
}
