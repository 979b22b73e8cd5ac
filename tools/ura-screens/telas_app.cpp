// The main window (server and local mode), the connection dialog, the URA
// selection and the URA check, filled from examples/.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "UTXMLDac.h"
#include "UfrmConectar.h"
#include "UfrmMain.h"
#include "UfrmSelecionarUra.h"
#include "UfrmVerificarUra.h"
#include "ambiente.h"
#include "telas.h"

namespace {
// Settings go to a folder of their own, never to the current one.
void DefinePastas(bool Local) {
  static QTemporaryDir pasta;
  TAmbiente a;
  a.Local = Local;
  a.NomeUsuario = QStringLiteral("ana");
  a.PastaPrograma = a.PastaConfiguracao = a.PastaTemporaria = pasta.path();
  a.PastaUsuario = Local ? PastaExemplos() : pasta.path();
  a.NomeArquivoConfiguracao = Local ? QStringLiteral("Talvora.ini") : QStringLiteral("CliCfgUra.ini");
  DefineAmbiente(a);
}

std::unique_ptr<TfrmMain> Principal(bool Local) {
  DefinePastas(Local);
  TLinhaComando inicio;
  inicio.Local = Local;
  inicio.ArquivoInicial = QStringLiteral("atendimento-voz.xml");
  auto w = std::make_unique<TfrmMain>(inicio);
  if (!Local) {
    w->AbrirArquivoRORIroLocal(QDir(PastaExemplos()).filePath(QStringLiteral("atendimento-voz.xml")));
    // As it arrives from the server.
    w->DacAtual()->Local = false;
    w->DacAtual()->Servidor = true;
    w->DacAtual()->NomeArquivoLocal.clear();
    w->DacAtual()->NomeArquivoServidor = QStringLiteral("atendimento-voz.xml");
    w->DacAtual()->SetCriadoEmStr(QStringLiteral("02/12/2026 09:15"));
    w->DacAtual()->CriadoPor = QStringLiteral("ana");
    w->DacAtual()->SetModificadoEmStr(QStringLiteral("08/12/2026 17:40"));
    w->DacAtual()->ModificadoPor = QStringLiteral("bruno");
    w->DacAtual()->SetAtivadoEmStr(QStringLiteral("05/12/2026 08:00"));
    w->DacAtual()->AtivadoPor = QStringLiteral("ana");
    w->AtualizaDadosTelaDAC();
    w->SetStatusBar(QStringLiteral("Conectado à URA (IP: 10.0.0.5). "));
  }
  w->ListView1->setCurrentItem(w->ListView1->topLevelItem(1));
  return w;
}

// A server list as the server sends it: headers only.
std::unique_ptr<TDAC> Cabecalho(const QString& Arquivo, const QString& Nome, const QString& Tipo, const QString& Criado,
                                const QString& Modificado, const QString& Ativado) {
  auto d = std::make_unique<TDAC>();
  d->NomeArquivoServidor = Arquivo;
  d->Nome = Nome;
  d->TipoUra = Tipo;
  d->SetCriadoEmStr(Criado);
  d->CriadoPor = QStringLiteral("ana");
  d->SetModificadoEmStr(Modificado);
  d->ModificadoPor = QStringLiteral("bruno");
  d->SetAtivadoEmStr(Ativado);
  d->AtivadoPor = Ativado.isEmpty() ? QString() : QStringLiteral("ana");
  return d;
}

const bool registradas[] = {
    RegistraTela(QStringLiteral("frmMain"), [] { return std::unique_ptr<QWidget>(Principal(false)); }),
    RegistraTela(QStringLiteral("frmMainLocal"), [] { return std::unique_ptr<QWidget>(Principal(true)); }),
    // The first start: no document yet, the hint over the empty list.
    RegistraTela(QStringLiteral("frmMainInicio"),
                 [] {
                   DefinePastas(false);
                   return std::unique_ptr<QWidget>(std::make_unique<TfrmMain>());
                 }),
    RegistraTela(QStringLiteral("frmConectar"),
                 [] {
                   DefinePastas(false);
                   auto d = std::make_unique<TfrmConectar>();
                   d->LeConfiguracaoConexao();
                   d->lbedIP->setText(QStringLiteral("10.0.0.5"));
                   d->lbedUsuario->setText(QStringLiteral("ana"));
                   d->lbedSenha->setText(QStringLiteral("segredo"));
                   d->SetLabel(QStringLiteral("Conectando ao Servidor (10.0.0.5)"));
                   return std::unique_ptr<QWidget>(std::move(d));
                 }),
    RegistraTela(
        QStringLiteral("frmSelecionarUra"),
        [] {
          DefinePastas(false);
          auto d = std::make_unique<TfrmSelecionarUra>(false);
          const std::unique_ptr<TDAC> uras[] = {
              Cabecalho("atendimento-voz.xml", "atendimento-voz", "", "02/12/2026 09:15", "08/12/2026 17:40",
                        "05/12/2026 08:00"),
              Cabecalho("atendimento-chat.xml", "atendimento-chat", "chat", "01/12/2026 14:02", "01/12/2026 14:30", ""),
              Cabecalho("surdos.xml", "surdos", "chattdd", "20/11/2026 10:00", "20/11/2026 10:00", "21/11/2026 09:00")};
          for (const auto& u : uras) d->AdicionaDac(u->NomeArquivoServidor, *u);
          d->ListViewUras->setCurrentItem(d->ListViewUras->topLevelItem(0));
          return std::unique_ptr<QWidget>(std::move(d));
        }),
    RegistraTela(QStringLiteral("frmSelecionarUraLocal"),
                 [] {
                   DefinePastas(true);
                   auto d = std::make_unique<TfrmSelecionarUra>(true);
                   d->edDiretorio->setText(PastaExemplos());
                   d->CarregaDACs();
                   return std::unique_ptr<QWidget>(std::move(d));
                 }),
    RegistraTela(QStringLiteral("frmVerificarUra"),
                 [] {
                   DefinePastas(false);
                   static TDAC dac;
                   TXMLDocument doc;
                   TXMLDac().LerXML(doc, &dac, QDir(PastaExemplos()).filePath(QStringLiteral("atendimento-voz.xml")));
                   // A few faults, so that the list shows both kinds.
                   dac.ListaMenus->SearchMenu(QStringLiteral("Principal"))->OpcaoTimeout->Tentativas = 0;
                   dac.ListaMenus->Add(std::make_unique<TMenuUra>(&dac, QStringLiteral("Rascunho")));
                   dac.MenuInicial = QStringLiteral("Entrada");
                   auto d = std::make_unique<TfrmVerificarUra>();
                   d->Verifica = [] { return VerificaURA(dac); };
                   d->Atualiza();
                   return std::unique_ptr<QWidget>(std::move(d));
                 }),
};
}  // namespace
