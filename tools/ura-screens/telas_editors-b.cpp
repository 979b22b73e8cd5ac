// The action and option editors, filled from examples/.
#include <QDir>
#include <QLineEdit>
#include <map>

#include "UTXMLDac.h"
#include "UfrmCadAcao.h"
#include "UfrmCadAcoes.h"
#include "UfrmCadOpcao.h"
#include "UfrmCadOpcaoChat.h"
#include "infoauxiliar.h"
#include "menuura.h"
#include "telas.h"

namespace {

TContextoEditor Contexto(const QString& Arquivo) {
  TContextoEditor ctx;
  ctx.Dac = DocumentoExemplo(Arquivo);
  return ctx;
}

TMUOpcao* OpcaoExemplo(const TContextoEditor& Ctx, const QString& Menu, int Indice) {
  return Ctx.Dac->ListaMenus->SearchMenu(Menu)->ListaOpcoes->GetItem(Indice);
}

// Queues and variables as the server would report them.
void FilasDeExemplo(TMUListaFilas& Filas) {
  const char* filas[][2] = {{"40", "Financeiro"}, {"41", "Comercial"}, {"51", "Suporte técnico"}};
  for (const auto& f : filas) {
    auto fila = std::make_unique<TMUFila>(QString::fromUtf8(f[0]));
    fila->NomeFila = QString::fromUtf8(f[1]);
    Filas.Add(std::move(fila));
  }
  MenuUraInfoAuxiliar.ListaDeVariaveis.Add(QStringLiteral("servico"));
}

std::unique_ptr<QWidget> EditorDeAcao(const QString& Arquivo, const QString& Menu, int Opcao, int Acao) {
  const TContextoEditor ctx = Contexto(Arquivo);
  FilasDeExemplo(ctx.Dac->UraChat() ? MenuUraInfoAuxiliar.ListaDeFilasChat : MenuUraInfoAuxiliar.ListaDeFilasVoz);
  const TMUOpcao* opcao = OpcaoExemplo(ctx, Menu, Opcao);
  auto janela = std::make_unique<TfrmCadAcao>(ctx);
  janela->lstMenuUra = ctx.Dac->ListaMenus.get();
  janela->strMenuAtual = Menu;
  janela->CarregaAcao(opcao->ListaAcao->GetItem(Acao));
  janela->Acao->OpcaoAcao = opcao->ListaAcao->OpcaoAcao;
  return janela;
}

template <class TEditor>
std::unique_ptr<QWidget> EditorDeOpcao(const QString& Arquivo, const QString& Menu, int Opcao) {
  const TContextoEditor ctx = Contexto(Arquivo);
  auto janela = std::make_unique<TEditor>(ctx);
  janela->lstMenuUra = ctx.Dac->ListaMenus.get();
  janela->strMenuAtual = Menu;
  janela->CarregaOpcao(OpcaoExemplo(ctx, Menu, Opcao));
  return janela;
}

const bool registradas[] = {
    RegistraTela(QStringLiteral("frmCadAcoes"),
                 [] {
                   const TContextoEditor ctx = Contexto(QStringLiteral("atendimento-voz.xml"));
                   auto janela = std::make_unique<TfrmCadAcoes>(ctx);
                   janela->lstMenuUra = ctx.Dac->ListaMenus.get();
                   janela->strMenuAtual = QStringLiteral("Servicos");
                   janela->CarregaAcoes(OpcaoExemplo(ctx, QStringLiteral("Servicos"), 1)->ListaAcao.get());
                   return std::unique_ptr<QWidget>(std::move(janela));
                 }),
    RegistraTela(QStringLiteral("frmCadAcao"),
                 [] { return EditorDeAcao(QStringLiteral("atendimento-voz.xml"), QStringLiteral("Servicos"), 0, 1); }),
    RegistraTela(QStringLiteral("frmCadAcaoChat"),
                 [] { return EditorDeAcao(QStringLiteral("atendimento-chat.xml"), QStringLiteral("Suporte"), 0, 1); }),
    RegistraTela(QStringLiteral("frmCadOpcao"),
                 [] {
                   auto janela = EditorDeOpcao<TfrmCadOpcao>(QStringLiteral("atendimento-voz.xml"),
                                                             QStringLiteral("Servicos"), 1);
                   // A pattern that shows the end key and the digit count.
                   if (auto* ed = janela->findChild<QLineEdit*>(QStringLiteral("edOpcao")))
                     ed->setText(QStringLiteral("4XXXX"));
                   return janela;
                 }),
    RegistraTela(QStringLiteral("frmCadOpcaoChat"),
                 [] {
                   return EditorDeOpcao<TfrmCadOpcaoChat>(QStringLiteral("atendimento-chat.xml"),
                                                          QStringLiteral("Suporte"), 0);
                 }),
};

}  // namespace
