// Renders every registered window, filled from examples/, into PNG files:
//   ura-screens [--out FOLDER] [NAME...]
// Runs offscreen; message boxes and dialogs are answered by the scripted
// platform, so nothing waits on a person.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <map>

#include "UTMenuUra.h"
#include "UTXMLDac.h"
#include "ambiente.h"
#include "infoauxiliar.h"
#include "plataforma.h"
#include "telas.h"
#include "xmldocument.h"

namespace {
std::vector<TTela>& Registro() {
  static std::vector<TTela> r;
  return r;
}
}  // namespace

bool RegistraTela(const QString& Nome, std::function<std::unique_ptr<QWidget>()> Cria) {
  Registro().push_back({Nome, std::move(Cria)});
  return true;
}

const std::vector<TTela>& Telas() { return Registro(); }

QString PastaExemplos() { return QStringLiteral(URA_EXAMPLES_DIR); }

TDAC* DocumentoExemplo(const QString& Arquivo) {
  static std::map<QString, std::unique_ptr<TDAC>> documentos;
  auto& dac = documentos[Arquivo];
  const QDir exemplos(PastaExemplos());
  if (!dac) {
    dac = std::make_unique<TDAC>();
    TXMLDocument doc;
    TXMLDac().LerXML(doc, dac.get(), exemplos.filePath(Arquivo));
  }
  TXMLDac leitor;
  for (const char* nome : {"mensagens/mensagens.xml", "mensagens/mensagenschat.xml"}) {
    TXMLDocument catalogo;
    leitor.LerXMLMensagens(catalogo, dac.get(), exemplos.filePath(QString::fromLatin1(nome)));
  }
  return dac.get();
}

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
  DefinePlataforma(std::make_unique<TPlataformaRoteirizada>());
  // Windows write their settings when they close: keep them out of the user's files.
  QTemporaryDir pastaTemporaria;
  TAmbiente ambiente;
  ambiente.NomeUsuario = QStringLiteral("operador");
  ambiente.PastaPrograma = ambiente.PastaUsuario = ambiente.PastaConfiguracao = ambiente.PastaTemporaria =
      pastaTemporaria.path();
  DefineAmbiente(ambiente);

  QString saida = QStringLiteral("docs/screens");
  QStringList nomes;
  const QStringList args = app.arguments().mid(1);
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--out") && i + 1 < args.size())
      saida = args[++i];
    else
      nomes << args[i];
  }
  QDir().mkpath(saida);
  QTextStream out(stdout);
  int gravadas = 0;
  for (const TTela& tela : Telas()) {
    if (!nomes.isEmpty() && !nomes.contains(tela.Nome)) continue;
    MenuUraInfoAuxiliar.Clear();
    std::unique_ptr<QWidget> janela = tela.Cria();
    if (!janela) continue;
    janela->show();
    // Let layouts and timers settle before the picture is taken.
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    const QString arquivo = QDir(saida).filePath(tela.Nome + QStringLiteral(".png"));
    if (janela->grab().save(arquivo)) {
      out << arquivo << '\n';
      ++gravadas;
    } else {
      QTextStream(stderr) << "ura-screens: " << arquivo << ": não foi possível gravar\n";
    }
    janela->close();
  }
  out << gravadas << " telas\n";
  return gravadas > 0 || Telas().empty() ? 0 : 1;
}
