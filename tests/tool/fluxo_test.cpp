// graph (DOT, SVG, PNG) and report --fluxo; without --fluxo the report is
// the library's page, byte for byte.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "UTXMLDac.h"
#include "ferramenta.h"
#include "relatorio.h"

namespace {

class FluxoToolTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(pasta.isValid()); }
  QString Arquivo(const QString& Nome) const { return pasta.filePath(Nome); }
  QTemporaryDir pasta;
};

const QString kVoz = Exemplo(QStringLiteral("atendimento-voz.xml"));

TEST_F(FluxoToolTest, GraphWritesDotSvgAndPng) {
  const ResultadoTool dot = RodaTool({QStringLiteral("graph"), kVoz});
  ASSERT_EQ(dot.Codigo, 0) << dot.Erro.toStdString();
  EXPECT_TRUE(dot.Saida.startsWith(QStringLiteral("digraph \"atendimento-voz\" {")));
  EXPECT_TRUE(dot.Saida.contains(QStringLiteral("rankdir=LR")));
  EXPECT_TRUE(dot.Saida.contains(QStringLiteral("label=\"Principal\\nMenu principal\\n5 opções\"")));

  const QString svg = Arquivo(QStringLiteral("fluxo.svg"));
  ASSERT_EQ(RodaTool({QStringLiteral("graph"), kVoz, QStringLiteral("--format"), QStringLiteral("svg"),
                      QStringLiteral("--out"), svg})
                .Codigo,
            0);
  QXmlStreamReader xml(LeArquivo(svg));
  while (!xml.atEnd() && !xml.isStartElement()) xml.readNext();
  EXPECT_EQ(xml.name(), u"svg");

  const QString png = Arquivo(QStringLiteral("fluxo.png"));
  ASSERT_EQ(RodaTool({QStringLiteral("graph"), kVoz, QStringLiteral("--format=png"), QStringLiteral("--out"), png,
                      QStringLiteral("--layout"), QStringLiteral("sfdp")})
                .Codigo,
            0);
  EXPECT_TRUE(LeArquivo(png).startsWith("\x89PNG"));

  struct Falha {
    QStringList Args;
    int Codigo;
  };
  const Falha falhas[] = {
      {{QStringLiteral("--format"), QStringLiteral("gif")}, 2},
      {{QStringLiteral("--layout"), QStringLiteral("circo")}, 2},
      {{QStringLiteral("--out"), Arquivo(QStringLiteral("nao-existe/fluxo.dot"))}, 1},
  };
  for (const Falha& f : falhas) {
    const ResultadoTool r = RodaTool(QStringList{QStringLiteral("graph"), kVoz} + f.Args);
    EXPECT_EQ(r.Codigo, f.Codigo) << f.Args.join(u' ').toStdString();
    EXPECT_FALSE(r.Erro.isEmpty());
  }
  EXPECT_EQ(RodaTool({QStringLiteral("graph"), Arquivo(QStringLiteral("sumido.xml"))}).Codigo, 1);
}

// The issue time of a page, which the tool takes from the clock.
QDateTime Emissao(const QByteArray& Pagina) {
  const QRegularExpression r(QStringLiteral("Emitido em</td>\r\n.*:&nbsp;(\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d)</td>"));
  return QDateTime::fromString(r.match(QString::fromLatin1(Pagina)).captured(1), QStringLiteral("dd/MM/yyyy HH:mm"));
}

TEST_F(FluxoToolTest, ReportWithFluxoIsThePageWithTheSvgAtTheTopOfTheBody) {
  const QString simples = Arquivo(QStringLiteral("simples.html")), fluxo = Arquivo(QStringLiteral("fluxo.html"));
  ASSERT_EQ(RodaTool({QStringLiteral("report"), kVoz, QStringLiteral("-o"), simples}).Codigo, 0);
  const ResultadoTool r =
      RodaTool({QStringLiteral("report"), kVoz, QStringLiteral("-o"), fluxo, QStringLiteral("--fluxo")});
  ASSERT_EQ(r.Codigo, 0) << r.Erro.toStdString();
  const QByteArray paginaSimples = LeArquivo(simples), paginaFluxo = LeArquivo(fluxo);

  // Without --fluxo: exactly the library's page for the same issue time.
  TDAC dac;
  TXMLDocument doc;
  ASSERT_TRUE(TXMLDac().LerXML(doc, &dac, kVoz));
  const QDateTime emissao = Emissao(paginaSimples);
  ASSERT_TRUE(emissao.isValid());
  const QString esperada = Arquivo(QStringLiteral("esperada.html"));
  ASSERT_TRUE(GravaRelatorio(MontaHTML(dac, false, emissao), esperada));
  EXPECT_EQ(paginaSimples, LeArquivo(esperada));

  // With it: the same page once the figure is taken out.
  const QByteArray corpo = "<body bgcolor=\"#FFFFFF\" text=\"#000000\">\r\n<div style=\"overflow-x: auto\">\r\n<svg ";
  const qsizetype inicio = paginaFluxo.indexOf(corpo);
  ASSERT_GE(inicio, 0);
  const qsizetype fim = paginaFluxo.indexOf("</svg>\r\n</div>\r\n", inicio);
  ASSERT_GT(fim, inicio);
  const QByteArray figura = paginaFluxo.mid(inicio, fim - inicio);
  EXPECT_TRUE(figura.contains("<a xlink:href=\"#Principal\""));  // to the menu's row below
  EXPECT_FALSE(figura.contains("<?xml"));
  QByteArray semFigura = paginaFluxo;
  semFigura.remove(inicio + corpo.indexOf("<div"), fim + 16 - (inicio + corpo.indexOf("<div")));
  ASSERT_TRUE(GravaRelatorio(MontaHTML(dac, false, Emissao(paginaFluxo)), esperada));
  EXPECT_EQ(semFigura, LeArquivo(esperada));
}

}  // namespace
