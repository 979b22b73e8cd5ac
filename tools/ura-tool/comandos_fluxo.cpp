// graph: the flow of a URA file as DOT, SVG or PNG; and the flow drawn at the
// top of the HTML report (report --fluxo).
#include <QSaveFile>
#include <cstdio>

#include "UTMenuUra.h"
#include "comandos.h"
#include "documentos.h"
#include "fluxo.h"
#include "fluxo_grafo.h"
#include "grafo.h"
#include "infoauxiliar.h"

namespace {

const QString kOpcaoFormato = QStringLiteral("--format");
const QString kOpcaoSaida = QStringLiteral("--out");
const QString kOpcaoMotor = QStringLiteral("--layout");
const QString kOpcaoCatalogo = QStringLiteral("--catalogue");

TMotorDesenho Motor(const Argumentos& A) {
  const QString motor = A.Valor(kOpcaoMotor);
  if (motor.isEmpty()) return TMotorDesenho::Automatico;
  if (motor == u"dot") return TMotorDesenho::Dot;
  if (motor == u"sfdp") return TMotorDesenho::Sfdp;
  FalhaUso(QStringLiteral("--layout deve ser dot ou sfdp: ") + motor);
}

// The flow with the check's findings; audio entries are checked against the
// catalogue when one was loaded.
TGrafo GrafoDe(const TDAC& Dac, bool LinksParaMenus) {
  return GrafoDoFluxo(TFluxo(Dac, &MenuUraInfoAuxiliar.ListaDeMensagens), LinksParaMenus);
}

void Grava(const QString& Arquivo, const QByteArray& Bytes) {
  if (Arquivo.isEmpty()) {
    std::fwrite(Bytes.constData(), 1, size_t(Bytes.size()), stdout);
    std::fflush(stdout);
    return;
  }
  QSaveFile f(Arquivo);
  if (!f.open(QIODevice::WriteOnly) || f.write(Bytes) != Bytes.size() || !f.commit())
    FalhaGravacao(Arquivo, f.errorString());
}

}  // namespace

Comando ComandoGraph() {
  return Comando{
      QStringLiteral("graph"),
      QStringLiteral("Desenha o fluxo de um arquivo URA: menus, saídas e destinos"),
      QStringLiteral("ARQUIVO"),
      1,
      1,
      {OpcaoComando{kOpcaoFormato, QStringLiteral("FORMATO"), QStringLiteral("dot (texto DOT, o padrão), svg ou png")},
       OpcaoComando{kOpcaoSaida, QStringLiteral("SAIDA"),
                    QStringLiteral("Arquivo gravado (substituído quando existe); sem ela, a saída padrão")},
       OpcaoComando{kOpcaoMotor, QStringLiteral("MOTOR"),
                    QStringLiteral("dot (camadas da esquerda para a direita) ou sfdp (por forças); sem ela, dot "
                                   "até um certo tamanho e sfdp acima dele")},
       OpcaoComando{kOpcaoCatalogo, QStringLiteral("CAT.xml"),
                    QStringLiteral("Carrega antes o catálogo de mensagens CAT.xml, para verificar os áudios")}},
      QStringLiteral("Um nó por menu, um por destino final (fila, grupo, ramal, número, URA, contexto,\n"
                     "desligamento, comando) e um, em vermelho, por menu inexistente; uma seta por\n"
                     "saída do menu (condição, opção, opção inválida, timeout, final). Menus com\n"
                     "erros da verificação ficam em vermelho, com avisos em amarelo; menus que\n"
                     "nenhum caminho alcança ficam tracejados, à parte.\n"),
      ExecutaGraph};
}

int ExecutaGraph(const Argumentos& A) {
  const QString formato = A.Tem(kOpcaoFormato) ? A.Valor(kOpcaoFormato) : QStringLiteral("dot");
  if (formato != u"dot" && formato != u"svg" && formato != u"png")
    FalhaUso(QStringLiteral("--format deve ser dot, svg ou png: ") + formato);
  const TMotorDesenho motor = Motor(A);
  for (const QString& arquivo : A.Valores(kOpcaoCatalogo)) CarregaCatalogo(arquivo);
  TDAC dac;
  CarregaURA(A.Posicionais.first(), dac);
  const TGrafo grafo = GrafoDe(dac, false);
  QByteArray bytes;
  if (formato == u"dot") {
    bytes = DotDoGrafo(grafo, motor);
  } else {
    QString erro;
    bytes = RenderizaGrafo(grafo, formato, &erro, motor);
    if (bytes.isEmpty()) FalhaArquivo(A.Posicionais.first(), erro);
  }
  Grava(A.Valor(kOpcaoSaida), bytes);
  return SAIDA_OK;
}

void InsereFluxoNoRelatorio(const TDAC& Dac, const QString& Arquivo, QStringList& Linhas) {
  QString erro;
  const QByteArray svg = RenderizaGrafo(GrafoDe(Dac, true), QStringLiteral("svg"), &erro);
  if (svg.isEmpty()) FalhaArquivo(Arquivo, erro);
  // Inline, the picture needs neither the XML prologue nor the doctype.
  QStringList figura = QString::fromUtf8(svg.mid(svg.indexOf("<svg"))).split(u'\n');
  while (!figura.isEmpty() && figura.last().trimmed().isEmpty()) figura.removeLast();
  figura.prepend(QStringLiteral("<div style=\"overflow-x: auto\">"));
  figura.append(QStringLiteral("</div>"));
  qsizetype corpo = 0;
  while (corpo < Linhas.size() && !Linhas[corpo].startsWith(QStringLiteral("<body"))) ++corpo;
  const qsizetype depois = corpo < Linhas.size() ? corpo + 1 : 0;
  for (qsizetype i = 0; i < figura.size(); ++i) Linhas.insert(depois + i, figura[i]);
}
