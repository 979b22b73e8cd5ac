#include "ambiente.h"

#include <QDir>

#include "plataforma.h"

namespace {
TAmbiente& Atual() {
  static TAmbiente a;
  return a;
}

QString PrimeiraVariavel(std::initializer_list<const char*> Nomes) {
  for (const char* nome : Nomes) {
    const QString v = Plataforma().Variavel(QString::fromLatin1(nome));
    if (!v.isEmpty()) return v;
  }
  return QString();
}
}  // namespace

QString JuntaCaminho(const QString& Pasta, const QString& Nome) {
  if (Pasta.isEmpty()) return Nome;
  if (Pasta.endsWith(u'/') || Pasta.endsWith(u'\\')) return Pasta + Nome;
  return Pasta + u'/' + Nome;
}

QString TAmbiente::ArquivoConfiguracao() const { return JuntaCaminho(PastaConfiguracao, NomeArquivoConfiguracao); }

const TAmbiente& Ambiente() { return Atual(); }
void DefineAmbiente(const TAmbiente& A) { Atual() = A; }

TAmbiente LeInformacoesUsuario(bool Local, const QString& PastaPrograma, const QString& PastaTrabalho) {
  TAmbiente a;
  a.Local = Local;
  a.PastaPrograma = PastaPrograma;
  a.NomeUsuario = Plataforma().NomeLogin();
  if (a.NomeUsuario.isEmpty()) a.NomeUsuario = Plataforma().Variavel(QStringLiteral("USERNAME"));

  const QString home = PrimeiraVariavel({"HOME"});
  a.PastaUsuario = PrimeiraVariavel({"USERPROFILE", "HOME"});
  if (a.PastaUsuario.isEmpty()) a.PastaUsuario = PastaPrograma;

  QString base = PrimeiraVariavel({"APPDATA", "XDG_CONFIG_HOME"});
  if (base.isEmpty() && !home.isEmpty()) base = JuntaCaminho(home, QStringLiteral(".config"));
  if (base.isEmpty()) base = PrimeiraVariavel({"LOCALAPPDATA", "XDG_DATA_HOME"});
  if (base.isEmpty()) {
    a.PastaConfiguracao = a.PastaUsuario;
  } else {
    // A folder that cannot be created is not reported: reads then give defaults.
    a.PastaConfiguracao = JuntaCaminho(base, Local ? QStringLiteral("RORIROSonarea") : QStringLiteral("Talvora"));
    QDir().mkpath(a.PastaConfiguracao);
  }

  a.PastaTemporaria = PrimeiraVariavel({"TEMP", "TMPDIR"});
  if (a.PastaTemporaria.isEmpty()) a.PastaTemporaria = QStringLiteral("/tmp");

  if (Local) {
    a.NomeArquivoConfiguracao = QStringLiteral("Talvora.ini");
    a.PastaUsuario = PastaTrabalho.isEmpty() ? PastaPrograma : PastaTrabalho;
  }
  return a;
}
