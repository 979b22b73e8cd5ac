// The menu editor and the list-menu editors, filled from examples/.
#include <QDir>
#include <map>

#include "UTXMLDac.h"
#include "UfrmCadItemMenuWhatsApp.h"
#include "UfrmCadMenuWhatsApp.h"
#include "UfrmMenuUra.h"
#include "telas.h"

namespace {
std::unique_ptr<QWidget> EditorDeMenu(const QString& Arquivo, const QString& Menu) {
  TContextoEditor ctx;
  ctx.Dac = DocumentoExemplo(Arquivo);
  auto janela = std::make_unique<TfrmMenuUra>(ctx);
  janela->LeConfiguracao();
  janela->lstMenuUra = ctx.Dac->ListaMenus.get();
  janela->CarregaMenu(ctx.Dac->ListaMenus->SearchMenu(Menu));
  return janela;
}

TMUMenuOpcaoWA* MenuWhatsApp(TContextoEditor& Ctx) {
  Ctx.Dac = DocumentoExemplo(QStringLiteral("atendimento-chat.xml"));
  return Ctx.Dac->ListaMenus->SearchMenu(QStringLiteral("Inicio"))->MenuOpcoesWA.get();
}

const bool registradas[] = {
    RegistraTela(QStringLiteral("frmMenuUra"),
                 [] { return EditorDeMenu(QStringLiteral("atendimento-voz.xml"), QStringLiteral("Principal")); }),
    RegistraTela(QStringLiteral("frmMenuUraChat"),
                 [] { return EditorDeMenu(QStringLiteral("atendimento-chat.xml"), QStringLiteral("Inicio")); }),
    RegistraTela(QStringLiteral("frmCadMenuWhatsApp"),
                 [] {
                   TContextoEditor ctx;
                   const TMUMenuOpcaoWA* menu = MenuWhatsApp(ctx);
                   auto janela = std::make_unique<TfrmCadMenuWhatsApp>(ctx);
                   janela->CarregaMenuOpcaoWA(menu);
                   return std::unique_ptr<QWidget>(std::move(janela));
                 }),
    RegistraTela(QStringLiteral("frmCadItemMenuWhatsApp"),
                 [] {
                   TContextoEditor ctx;
                   const TMUMenuOpcaoWA* menu = MenuWhatsApp(ctx);
                   auto janela = std::make_unique<TfrmCadItemMenuWhatsApp>(ctx);
                   janela->CarregaItemMenuWA(menu->ListaItensMenuOpcao->GetItem(0));
                   return std::unique_ptr<QWidget>(std::move(janela));
                 }),
};
}  // namespace
