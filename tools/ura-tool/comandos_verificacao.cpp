// The check command: what would break a URA before it goes to the server.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "UTMenuUra.h"
#include "comandos.h"
#include "documentos.h"
#include "saida.h"
#include "verificacao.h"

namespace {

const QString kOpcaoCatalogo = QStringLiteral("--catalogue");
const QString kOpcaoListaWav = QStringLiteral("--wav-list");
const QString kOpcaoJson = QStringLiteral("--json");
const QString kOpcaoServicoLocal = QStringLiteral("--local-service");

// The audio files present on the server: names separated by line breaks or
// commas (as the server lists them); a final ".wav" is dropped, since the
// catalogue and the URA name the files without it.
QStringList LeListaWav(const QString& Arquivo) {
  QFile f(Arquivo);
  if (!f.exists()) FalhaArquivo(Arquivo, QStringLiteral("arquivo não encontrado"));
  if (!f.open(QIODevice::ReadOnly))
    FalhaArquivo(Arquivo, QStringLiteral("não pode ser lido (") + f.errorString() + u')');
  static const QRegularExpression separadores(QStringLiteral("[\\r\\n,]"));
  QStringList nomes;
  for (QString nome : QString::fromUtf8(f.readAll()).split(separadores)) {
    nome = nome.trimmed();
    if (nome.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive)) nome.chop(4);
    if (!nome.isEmpty()) nomes << nome;
  }
  return nomes;
}

QString Contagem(const std::vector<TAchado>& Achados) {
  return QString::number(ContaErros(Achados)) + QStringLiteral(" erro(s), ") + QString::number(ContaAvisos(Achados)) +
         QStringLiteral(" aviso(s)");
}

QString EmJson(const QString& Arquivo, const std::vector<TAchado>& Achados) {
  QJsonArray lista;
  for (const TAchado& a : Achados)
    lista.append(QJsonObject{{QStringLiteral("gravidade"), a.GetStrGravidade()},
                             {QStringLiteral("indiceMenu"), a.IndiceMenu},
                             {QStringLiteral("menu"), a.Menu},
                             {QStringLiteral("secao"), a.Secao},
                             {QStringLiteral("codigo"), a.Codigo},
                             {QStringLiteral("texto"), a.Texto}});
  const QJsonObject raiz{{QStringLiteral("arquivo"), Arquivo},
                         {QStringLiteral("erros"), ContaErros(Achados)},
                         {QStringLiteral("avisos"), ContaAvisos(Achados)},
                         {QStringLiteral("achados"), lista}};
  return QString::fromUtf8(QJsonDocument(raiz).toJson(QJsonDocument::Indented));
}

}  // namespace

Comando ComandoCheck() {
  return Comando{QStringLiteral("check"),
                 QStringLiteral("Verifica o que impediria uma URA de funcionar antes de ativá-la"),
                 QStringLiteral("ARQUIVO"),
                 1,
                 1,
                 {OpcaoComando{kOpcaoCatalogo, QStringLiteral("CAT.xml"),
                               QStringLiteral("Catálogo de mensagens: avisa dos arquivos de áudio que não "
                                              "estão nele (pode ser repetida)")},
                  OpcaoComando{kOpcaoListaWav, QStringLiteral("LISTA"),
                               QStringLiteral("Arquivos de áudio presentes no servidor, um por linha ou "
                                              "separados por vírgula: avisa dos que faltam")},
                  OpcaoComando{kOpcaoJson, QString(), QStringLiteral("Escreve o resultado em JSON")},
                  OpcaoComando{kOpcaoServicoLocal, QString(),
                               QStringLiteral("Lê o arquivo como documento do serviço local (RORIRO): "
                                              "só as ações do serviço local valem")}},
                 QStringLiteral("Uma linha por achado, na ordem do documento:\n"
                                "  gravidade: menu: seção: texto [código]\n"
                                "gravidade é \"erro\" ou \"aviso\"; menu e seção faltam quando o achado é do\n"
                                "documento ou do menu inteiro. A última linha conta: \"N erro(s), M aviso(s)\".\n"
                                "Saída: 0 sem erros (avisos não contam); 1 com erros ou arquivo ilegível;\n"
                                "2 linha de comando errada.\n"),
                 ExecutaCheck};
}

int ExecutaCheck(const Argumentos& A) {
  const QString arquivo = A.Posicionais.first();
  for (const QString& cat : A.Valores(kOpcaoCatalogo)) CarregaCatalogo(cat);
  QStringList presentes;
  if (A.Tem(kOpcaoListaWav)) presentes = LeListaWav(A.Valor(kOpcaoListaWav));
  TDAC dac;
  dac.RORIRO = A.Tem(kOpcaoServicoLocal);
  CarregaURA(arquivo, dac);

  const std::vector<TAchado> achados =
      VerificaURA(dac, A.Tem(kOpcaoCatalogo) ? &MenuUraInfoAuxiliar.ListaDeMensagens : nullptr,
                  A.Tem(kOpcaoListaWav) ? &presentes : nullptr);
  if (A.Tem(kOpcaoJson)) {
    EscreveSaida(EmJson(arquivo, achados));
  } else {
    QStringList linhas;
    for (const TAchado& a : achados) linhas << a.GetStrLinha();
    linhas << Contagem(achados);
    EscreveLinhas(linhas);
  }
  return ContaErros(achados) > 0 ? 1 : SAIDA_OK;
}
