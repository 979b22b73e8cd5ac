// The diff command: what differs between two URAs, by meaning.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <exception>

#include "UTMenuUra.h"
#include "comandos.h"
#include "diferencas.h"
#include "documentos.h"
#include "saida.h"

namespace {

const QString kOpcaoJson = QStringLiteral("--json");
const QString kOpcaoCatalogo = QStringLiteral("--catalogue");
const QString kOpcaoServicoLocal = QStringLiteral("--local-service");
// As diff(1): 0 equal, 1 different, 2 trouble.
constexpr int kSaidaProblema = 2;

QString EmJson(const QString& A, const QString& B, const TDiferencas& D) {
  QJsonArray lista;
  for (const TDiferenca& d : D.Lista())
    lista.append(QJsonObject{{QStringLiteral("tipo"), d.GetStrTipo()},
                             {QStringLiteral("menu"), d.Menu},
                             {QStringLiteral("indiceA"), d.IndiceA},
                             {QStringLiteral("indiceB"), d.IndiceB},
                             {QStringLiteral("secao"), d.Secao},
                             {QStringLiteral("item"), d.Item},
                             {QStringLiteral("antes"), d.Antes},
                             {QStringLiteral("depois"), d.Depois}});
  const QJsonObject raiz{{QStringLiteral("a"), A},
                         {QStringLiteral("b"), B},
                         {QStringLiteral("iguais"), D.Vazia()},
                         {QStringLiteral("diferencas"), lista}};
  return QString::fromUtf8(QJsonDocument(raiz).toJson(QJsonDocument::Indented));
}

}  // namespace

Comando ComandoDiff() {
  return Comando{QStringLiteral("diff"),
                 QStringLiteral("Mostra o que difere entre duas URAs, pelo significado"),
                 QStringLiteral("A B"),
                 2,
                 2,
                 {OpcaoComando{kOpcaoCatalogo, QStringLiteral("CAT.xml"),
                               QStringLiteral("Catálogo de mensagens, para descrever os arquivos de áudio "
                                              "(pode ser repetida)")},
                  OpcaoComando{kOpcaoJson, QString(), QStringLiteral("Escreve o resultado em JSON")},
                  OpcaoComando{kOpcaoServicoLocal, QString(),
                               QStringLiteral("Lê os arquivos como documentos do serviço local (RORIRO)")}},
                 QStringLiteral("Uma linha por diferença, de A para B:\n"
                                "  URA: campo: alterado: \"antes\" -> \"depois\"\n"
                                "  Menu NOME: seção: item: tipo: \"antes\" -> \"depois\"\n"
                                "tipo é \"adicionado\", \"removido\", \"alterado\" ou \"movido\"; os menus se "
                                "correspondem\npelo nome. Datas e usuários da auditoria não são comparados.\n"
                                "Saída, como diff(1): 0 iguais (nada escrito), 1 diferentes, 2 arquivo ilegível\n"
                                "ou linha de comando errada.\n"),
                 ExecutaDiff};
}

int ExecutaDiff(const Argumentos& A) {
  const QString arquivoA = A.Posicionais.at(0);
  const QString arquivoB = A.Posicionais.at(1);
  TDAC a, b;
  try {
    for (const QString& cat : A.Valores(kOpcaoCatalogo)) CarregaCatalogo(cat);
    a.RORIRO = b.RORIRO = A.Tem(kOpcaoServicoLocal);
    CarregaURA(arquivoA, a);
    CarregaURA(arquivoB, b);
  } catch (const FalhaComando& f) {
    // Not a usage error, though it shares diff's exit code 2: no usage text.
    EscreveErro(QStringLiteral("ura-tool: ") + f.Mensagem + u'\n');
    return kSaidaProblema;
  } catch (const std::exception& e) {
    EscreveErro(QStringLiteral("ura-tool: erro inesperado: ") + QString::fromLocal8Bit(e.what()) + u'\n');
    return kSaidaProblema;
  }
  const TDiferencas d(a, b);
  if (A.Tem(kOpcaoJson))
    EscreveSaida(EmJson(arquivoA, arquivoB, d));
  else
    EscreveLinhas(d.Linhas());
  return d.Vazia() ? SAIDA_OK : 1;
}
