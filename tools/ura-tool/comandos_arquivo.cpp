// The commands that work on local files: describe, fingerprint, match,
// normalize, report and catalogue.
#include <QDateTime>
#include <QFileInfo>

#include "UTMenuUra.h"
#include "UTXMLDac.h"
#include "comandos.h"
#include "documentos.h"
#include "relatorio.h"
#include "saida.h"
#include "usuario.h"

namespace {

const QString kOpcaoSaida = QStringLiteral("-o");
const QString kOpcaoCatalogo = QStringLiteral("--catalogue");
const QString kOpcaoServicoLocal = QStringLiteral("--local-service");

QString Campos(const QStringList& Campos) { return Campos.join(QStringLiteral(" | ")); }

void CarregaCatalogos(const Argumentos& A) {
  for (const QString& arquivo : A.Valores(kOpcaoCatalogo)) CarregaCatalogo(arquivo);
}

// Actions and descriptions depend on RORIRO, so it is set before reading.
void CarregaDocumento(const Argumentos& A, TDAC& Dac) {
  Dac.RORIRO = A.Tem(kOpcaoServicoLocal);
  CarregaURA(A.Posicionais.first(), Dac);
}

QStringList DescreveMenu(const TMenuUra& M) {
  QStringList linhas;
  linhas << QStringLiteral("Menu: ") + Campos({M.Nome, M.Descricao});
  for (const auto& c : M.ListaCondicoes->Items())
    linhas << QStringLiteral("  Condicao: ") + Campos({c->GetStrCondicao(), c->GetStrMensagem(), c->GetStrAcao()});
  linhas << QStringLiteral("  Mensagem: ") + M.MensagemMenu->GetStrMensagem();
  if (!M.GetTipoMenuOpcoesWA().isEmpty()) linhas << QStringLiteral("  MenuLista: ") + M.MenuOpcoesWA->GetMenuMensagem();
  for (const auto& o : M.ListaOpcoes->Items())
    linhas << QStringLiteral("  Opcao: ") +
                  Campos({o->GetDescricaoValor(), o->GetStrOpcao(), o->GetStrMensagem(), o->GetStrAcao()});
  const TMUOpcaoInvalida& inv = *M.OpcaoInvalida;
  linhas << QStringLiteral("  OpcaoInvalida: ") +
                Campos({QString::number(inv.Tentativas), inv.GetStrMensagem(), inv.GetStrAcao()});
  const TMUOpcaoTimeout& tmo = *M.OpcaoTimeout;
  linhas << QStringLiteral("  Timeout: ") + Campos({QString::number(tmo.Tentativas), QString::number(tmo.Tempo),
                                                    tmo.GetStrMensagem(), tmo.GetStrAcao()});
  linhas << QStringLiteral("  Final: ") + Campos({M.Final->GetStrMensagem(), M.Final->GetStrAcao()});
  return linhas;
}

}  // namespace

int ExecutaDescribe(const Argumentos& A) {
  CarregaCatalogos(A);
  TDAC dac;
  CarregaDocumento(A, dac);

  QStringList linhas;
  linhas << QStringLiteral("URA: ") + Campos({dac.Nome, dac.Descricao, dac.TipoUra, dac.MenuInicial,
                                              dac.TipoAtendimento, QString::number(dac.VersaoXML)});
  linhas << QStringLiteral("Auditoria: ") + Campos({dac.GetCriadoEmStr(), dac.CriadoPor, dac.GetModificadoEmStr(),
                                                    dac.ModificadoPor, dac.GetAtivadoEmStr(), dac.AtivadoPor});
  for (const auto& m : dac.ListaMenus->Items()) linhas << DescreveMenu(*m);
  EscreveLinhas(linhas);
  return SAIDA_OK;
}

int ExecutaFingerprint(const Argumentos& A) {
  TDAC dac;
  CarregaDocumento(A, dac);
  QStringList linhas;
  dac.GetListConfig(&linhas);
  EscreveLinhas(linhas);
  return SAIDA_OK;
}

int ExecutaMatch(const Argumentos& A) {
  TDAC dac;
  CarregaURA(A.Posicionais[0], dac);
  const QString& nomeMenu = A.Posicionais[1];
  const TMenuUra* menu = dac.ProcuraMenu(nomeMenu);
  if (!menu) FalhaArquivo(A.Posicionais[0], QStringLiteral("não há menu chamado \"") + nomeMenu + u'"');

  TMUOpcao* opcao = nullptr;
  const int resultado = menu->ListaOpcoes->TrataOpcao(A.Posicionais[2], A.Tem(QStringLiteral("--final")), &opcao);
  QStringList campos{QString::number(resultado)};
  if (opcao) campos << opcao->GetValor();
  EscreveLinhas({Campos(campos)});
  return SAIDA_OK;
}

int ExecutaNormalize(const Argumentos& A) {
  TDAC dac;
  CarregaDocumento(A, dac);
  const QString saida = A.Valor(kOpcaoSaida);
  // The creation stamp belongs to the first save of a file.
  dac.Novo = !QFileInfo::exists(saida);
  QString erro;
  if (!SalvaDAC(&dac, saida, NomeUsuarioSistema(), DataHoraAtual(), &erro)) FalhaGravacao(saida, erro);
  return SAIDA_OK;
}

int ExecutaReport(const Argumentos& A) {
  CarregaCatalogos(A);
  TDAC dac;
  CarregaURA(A.Posicionais.first(), dac);
  const bool modoLocal = A.Tem(QStringLiteral("--local-mode"));
  const QDateTime emissao = QDateTime::currentDateTime();
  const QString saida = A.Valor(kOpcaoSaida);
  QString erro;
  bool gravou;
  if (A.Tem(QStringLiteral("--fluxo"))) {
    // The picture goes between the page's lines, so this page is a list first.
    QStringList linhas = MontaHTML(dac, modoLocal, emissao);
    InsereFluxoNoRelatorio(dac, A.Posicionais.first(), linhas);
    gravou = GravaRelatorio(linhas, saida, &erro);
  } else {
    gravou = GravaHTML(dac, modoLocal, emissao, saida, &erro);
  }
  if (!gravou) FalhaGravacao(saida, erro);
  return SAIDA_OK;
}

int ExecutaCatalogue(const Argumentos& A) {
  for (const QString& arquivo : A.Posicionais) CarregaCatalogo(arquivo);
  QStringList linhas;
  MensagensToXMLStringList(A.Tem(QStringLiteral("--chat")), linhas);
  const QString saida = A.Valor(kOpcaoSaida);
  QString erro;
  if (!SalvaLinhas(linhas, saida, &erro)) FalhaGravacao(saida, erro);
  return SAIDA_OK;
}
