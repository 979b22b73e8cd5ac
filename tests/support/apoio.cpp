#include "apoio.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

bool EsperaAte(const std::function<bool()>& Cond, int PrazoMs) {
  QDeadlineTimer prazo(PrazoMs);
  while (!Cond()) {
    if (prazo.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

QByteArray LeArquivo(const QString& Caminho) {
  QFile f(Caminho);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool GravaArquivo(const QString& Caminho, const QByteArray& Bytes) {
  QFile f(Caminho);
  return f.open(QIODevice::WriteOnly) && f.write(Bytes) == Bytes.size();
}

TPlataformaDeTeste::TPlataformaDeTeste(bool Local) : FAmbienteAnterior(Ambiente()) {
  auto roteiro = std::make_unique<TPlataformaRoteirizada>();
  FRoteiro = roteiro.get();
  FAnterior = DefinePlataforma(std::move(roteiro));
  TAmbiente a;
  a.Local = Local;
  a.NomeUsuario = FRoteiro->Login;
  a.PastaPrograma = FPasta.path();
  a.PastaUsuario = FPasta.path();
  a.PastaConfiguracao = FPasta.path();
  a.PastaTemporaria = FPasta.path();
  a.NomeArquivoConfiguracao = Local ? QStringLiteral("Talvora.ini") : QStringLiteral("CliCfgUra.ini");
  DefineAmbiente(a);
}

TPlataformaDeTeste::~TPlataformaDeTeste() {
  DefineAmbiente(FAmbienteAnterior);
  DefinePlataforma(std::move(FAnterior));
}
