// The message, chat text, catalogue list and condition editors, filled from
// the bundled examples.
#include <QDir>
#include <map>

#include "UTMenuUra.h"
#include "UTXMLDac.h"
#include "UfrmCadCondicao.h"
#include "UfrmCadCondicaoVar.h"
#include "UfrmCadMensagem.h"
#include "UfrmCadMensagemChat.h"
#include "UfrmEditaLista.h"
#include "telas.h"
#include "xmldocument.h"

namespace {
// The first half of the audio files of the catalogue counts as present on the server, so both row colours show.
void MarcaCatalogos() {
  const auto& itens = MenuUraInfoAuxiliar.ListaDeMensagens.Items();
  for (size_t i = 0; i < itens.size() / 2; ++i) itens[i]->ArquivoExiste = true;
  MenuUraInfoAuxiliar.ListaDePlayList.Add(QStringLiteral("saudacao"));
  MenuUraInfoAuxiliar.ListaDeVariaveis.Add(QStringLiteral("cidade"));
}

TContextoEditor Contexto(const QString& Arquivo) {
  TContextoEditor ctx;
  ctx.Dac = DocumentoExemplo(Arquivo);
  MarcaCatalogos();
  return ctx;
}

const QString kVoz = QStringLiteral("atendimento-voz.xml");
const QString kChat = QStringLiteral("atendimento-chat.xml");

const bool registradas[] = {
    RegistraTela(QStringLiteral("frmCadMensagem"),
                 [] {
                   auto janela = std::make_unique<TfrmCadMensagem>(Contexto(kVoz));
                   janela->CarregaListaMensagens();
                   TMUMensagem mensagem;
                   for (const char* a : {"bemvindo", "horario_comercial", "Mensagem(saudacao)"})
                     mensagem.AddArquivo(QString::fromLatin1(a));
                   janela->CarregaMensagem(&mensagem);
                   return std::unique_ptr<QWidget>(std::move(janela));
                 }),
    RegistraTela(QStringLiteral("frmCadMensagemChat"),
                 [] {
                   auto janela = std::make_unique<TfrmCadMensagemChat>(Contexto(kChat));
                   janela->SetTexto(QStringLiteral("Vou transferir você para um atendente.\r\nAguarde um instante."));
                   return std::unique_ptr<QWidget>(std::move(janela));
                 }),
    RegistraTela(QStringLiteral("frmEditarLista"),
                 [] {
                   auto janela = std::make_unique<TfrmEditarLista>(Contexto(kVoz));
                   janela->Carrega(MenuUraInfoAuxiliar.ListaDeMensagens);
                   return std::unique_ptr<QWidget>(std::move(janela));
                 }),
    RegistraTela(QStringLiteral("frmCadCondicao"),
                 [] {
                   const TContextoEditor ctx = Contexto(kVoz);
                   auto janela = std::make_unique<TfrmCadCondicao>(ctx);
                   TMenuUra* inicio = ctx.Dac->ProcuraMenu(QStringLiteral("Inicio"));
                   TMUCondicao condicao(ctx.Dac);
                   if (inicio) condicao.CopyFrom(inicio->ListaCondicoes->GetItem(2));
                   condicao.DiaIni = 24;
                   condicao.MesIni = 12;
                   condicao.AnoIni = 2026;
                   condicao.HoraIniPeriodo = 18;
                   auto teste = std::make_unique<TMUCondicaoVar>();
                   teste->Variavel = QStringLiteral("cidade");
                   teste->Tipo = QStringLiteral("EQ");
                   teste->Valor = QStringLiteral("SP");
                   condicao.ListaCondicaoVar->Add(std::move(teste));
                   condicao.ListaCondicaoVar->Tipo = 1;
                   janela->lstMenuUra = ctx.Dac->ListaMenus.get();
                   janela->strMenuAtual = QStringLiteral("Inicio");
                   janela->CarregaCondicao(&condicao);
                   return std::unique_ptr<QWidget>(std::move(janela));
                 }),
    RegistraTela(QStringLiteral("frmCadCondicaoVar"),
                 [] {
                   auto janela = std::make_unique<TfrmCadCondicaoVar>(Contexto(kVoz));
                   janela->CarregaVariaveis(MenuUraInfoAuxiliar.ListaDeVariaveis.Lista());
                   TMUCondicaoVar teste;
                   teste.Variavel = QStringLiteral("cidade");
                   teste.Tipo = QStringLiteral("SW");
                   teste.Valor = QStringLiteral("São");
                   janela->CarregaCondicaoVar(&teste);
                   return std::unique_ptr<QWidget>(std::move(janela));
                 }),
};
}  // namespace
