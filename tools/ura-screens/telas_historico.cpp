// The comparison and find windows on the voice example.
#include <QDir>
#include <QLineEdit>

#include "UTXMLDac.h"
#include "UfrmComparacao.h"
#include "UfrmLocalizar.h"
#include "telas.h"

namespace {

// The voice example as it was before a few edits: another description, a
// menu that was removed since, other actions and a message of "Principal",
// and the menus in another order.
std::unique_ptr<TDAC> VersaoAnterior() {
  auto dac = std::make_unique<TDAC>();
  TXMLDocument doc;
  TXMLDac().LerXML(doc, dac.get(), QDir(PastaExemplos()).filePath(QStringLiteral("atendimento-voz.xml")));
  dac->Descricao = QStringLiteral("Atendimento por telefone");
  TListaMenuUra& menus = *dac->ListaMenus;
  if (TMenuUra* principal = menus.SearchMenu(QStringLiteral("Principal"))) {
    principal->MensagemMenu->LimpaListaArquivos();
    principal->MensagemMenu->AddArquivo(QStringLiteral("menu_principal"));
    if (TMUOpcao* o = principal->ListaOpcoes->GetItem(0)) o->ListaAcao->GetItem(0)->SetValor(QStringLiteral("20"));
    principal->OpcaoTimeout->Tempo = 5;
  }
  auto antigo = std::make_unique<TMenuUra>(dac.get(), QStringLiteral("Pesquisa"));
  antigo->Descricao = QStringLiteral("Pesquisa de satisfação");
  menus.Add(std::move(antigo));
  menus.InsertMenu(0, menus.Delete(menus.Count() - 2));
  return dac;
}

const bool comparacao = RegistraTela(QStringLiteral("frmComparacao"), []() -> std::unique_ptr<QWidget> {
  TDAC* dac = DocumentoExemplo(QStringLiteral("atendimento-voz.xml"));
  auto w = std::make_unique<TfrmComparacao>([dac] { return dac; }, VersaoAnterior(),
                                            QStringLiteral("a versão de 08/12/2026 17:40:12"));
  w->resize(980, 460);
  return w;
});

const bool localizar = RegistraTela(QStringLiteral("frmLocalizar"), []() -> std::unique_ptr<QWidget> {
  TDAC* dac = DocumentoExemplo(QStringLiteral("atendimento-voz.xml"));
  auto w = std::make_unique<TfrmLocalizar>([dac] { return dac; });
  w->edProcura->setText(QStringLiteral("principal"));
  w->Atualiza();
  w->resize(860, 380);
  return w;
});

}  // namespace
