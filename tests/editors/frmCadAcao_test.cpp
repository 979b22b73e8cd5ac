#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "UfrmCadAcao.h"
#include "UfrmCadMensagem.h"
#include "acao.h"
#include "apoio_acoes_opcoes.h"
#include "mensagem.h"
#include "menuura.h"

namespace {

class TfrmCadAcaoTeste : public TesteEditorAcoesOpcoes {
 protected:
  QComboBox* Tipo(TfrmCadAcao& f) { return Filho<QComboBox>(f, "cbAcao"); }
  QComboBox* Valor(TfrmCadAcao& f) { return Filho<QComboBox>(f, "cbValorAcao"); }
  QComboBox* Segundo(TfrmCadAcao& f) { return Filho<QComboBox>(f, "cbVariavelComando"); }
  void Escolhe(TfrmCadAcao& f, const QString& Codigo) {
    Tipo(f)->setCurrentIndex(static_cast<int>(f.ListaAcoes.indexOf(Codigo)));
  }
  // Loads an action of the given type and values.
  void Carrega(TfrmCadAcao& f, const QString& Codigo, const QString& Numero, const QString& Variavel = QString()) {
    TMUAcao a(&Dac, Codigo);
    a.ValorNumero = Numero;
    a.Variavel = Variavel;
    f.CarregaAcao(&a);
  }
};

struct TCasoLista {
  const char* TipoUra;
  int TipoUraServidor;
  QStringList Codigos;
};

TEST_F(TfrmCadAcaoTeste, TypeListFollowsKindOfUraModeAndServerType) {
  const QStringList comuns{"", "INICIO", "OPCOES", "INVALIDA", "FINAL", "VAIPARA"};
  const TCasoLista casos[] = {
      {"", 1,
       comuns + QStringList{"DISCA", "DISCAF", "DISCAG", "DISCAR", "DISCAU", "DISCAC", "DISCAS", "FALADIGITOS",
                            "FALANUMERO", "DESLIGA", "DESLIGAFH", "COMANDO", "SETVAR", "MENSAGEM"}},
      {"", 2,
       comuns + QStringList{"DISCA", "DISCAF", "DISCAG", "DISCAR", "DISCAU", "DESLIGA", "DESLIGAFH", "COMANDO",
                            "SETVAR", "MENSAGEM"}},
      {"", 3, comuns + QStringList{"DISCA", "DESLIGA", "SETVAR", "MENSAGEM"}},
      {"chat", 1,
       comuns + QStringList{"DISCAF", "DISCAU", "DESLIGA", "DESLIGAFH", "COMANDO", "SETVAR", "MENSAGEM", "MIDIA"}},
      {"chattdd", 1,
       comuns + QStringList{"DISCAF", "DISCAU", "DESLIGA", "DESLIGAFH", "COMANDO", "SETVAR", "MENSAGEM", "MIDIA"}},
      {"chat", 3, comuns + QStringList{"DESLIGA", "SETVAR", "MENSAGEM", "MIDIA"}},
  };
  for (const TCasoLista& c : casos) {
    SCOPED_TRACE(std::string(c.TipoUra) + " / " + std::to_string(c.TipoUraServidor));
    Dac.TipoUra = QString::fromLatin1(c.TipoUra);
    TipoUraServidor = c.TipoUraServidor;
    TfrmCadAcao f(Ctx());
    EXPECT_EQ(f.ListaAcoes, c.Codigos);
    ASSERT_EQ(Tipo(f)->count(), c.Codigos.size());
    const int msg = static_cast<int>(c.Codigos.indexOf("MENSAGEM"));
    EXPECT_EQ(Tipo(f)->itemText(msg), Dac.UraChat() ? "Envia mensagem" : "Atribui mensagem à variável");
  }
}

TEST_F(TfrmCadAcaoTeste, TransferToOptionOfferedOnlyForOptionValuesWithX) {
  TfrmCadAcao f(Ctx());
  f.Acao->OpcaoAcao = "1XX";
  f.CarregaAcao(nullptr);
  ASSERT_EQ(f.ListaAcoes.value(5), "DISCAOP");
  EXPECT_EQ(Tipo(f)->itemText(4), "Vai para Final do menu atual");
  EXPECT_EQ(Tipo(f)->itemText(5), "Transfere para opção informada");
  // A later load for a list without "X" (lower case does not count) drops it again.
  TMUAcao outra(&Dac, "DISCAOP");
  outra.OpcaoAcao = "1xx";
  f.CarregaAcao(&outra);
  EXPECT_FALSE(f.ListaAcoes.contains("DISCAOP"));
  EXPECT_EQ(Tipo(f)->count(), f.ListaAcoes.size());
  EXPECT_EQ(Tipo(f)->currentIndex(), -1);  // the code is not offered
}

TEST_F(TfrmCadAcaoTeste, SwitchingTypeShowsTheValuesTheActionHolds) {
  TfrmCadAcao f(Ctx());
  Carrega(f, "DISCA", "123");
  EXPECT_EQ(Valor(f)->currentText(), "123");
  Escolhe(f, "DISCAR");
  EXPECT_EQ(f.Acao->Tipo, "DISCAR");
  EXPECT_EQ(Valor(f)->currentText(), "123");
  EXPECT_EQ(Filho<QLabel>(f, "LabelValorAcao")->text(), "Ramal");
  Escolhe(f, "INICIO");
  EXPECT_FALSE(Valor(f)->isEnabled());
  EXPECT_TRUE(Filho<QLabel>(f, "LabelValorAcao")->isHidden());
  // In a local-service document every transfer is a typed number, even with groups known.
  MenuUraInfoAuxiliar.ListaDeGrupos.Add(std::make_unique<TMUGrupo>("3"));
  Dac.RORIRO = true;
  TfrmCadAcao local(Ctx());
  Carrega(local, "DISCAG", "55");
  EXPECT_TRUE(Valor(local)->isEditable() && Valor(local)->isEnabled());
  EXPECT_EQ(Filho<QLabel>(local, "LabelValorAcao")->text(), "Número");
}

TEST_F(TfrmCadAcaoTeste, GoToMenuLeavesOutTheCurrentMenuAndRefusesAMissingOne) {
  TListaMenuUra menus;
  for (const char* n : {"Principal", "Vendas", "Suporte"}) menus.Add(std::make_unique<TMenuUra>(&Dac, n));
  TfrmCadAcao f(Ctx());
  f.lstMenuUra = &menus;
  f.strMenuAtual = "Vendas";
  TMUAcao a(&Dac, "VAIPARA");
  a.ValorMenu = "Vendas";
  a.Variavel = "3";
  f.CarregaAcao(&a);
  EXPECT_EQ(Valor(f)->count(), 2);
  EXPECT_EQ(Valor(f)->findText("Vendas"), -1);
  EXPECT_EQ(Valor(f)->currentIndex(), -1);
  EXPECT_EQ(Segundo(f)->currentText(), "Timeout");
  Filho<QPushButton>(f, "btOK")->click();
  EXPECT_EQ(P().UltimoTexto(), "Informe o menu para onde será encaminhada a chamada");
  EXPECT_EQ(P().Caixas.back().Titulo, "Cadastro de ação");
  EXPECT_EQ(P().Caixas.back().Tipo, TTipoMensagem::Erro);
  EXPECT_NE(f.result(), QDialog::Accepted);

  Valor(f)->setCurrentIndex(Valor(f)->findText("Suporte"));
  Segundo(f)->setCurrentIndex(4);
  Filho<QPushButton>(f, "btOK")->click();
  EXPECT_EQ(f.result(), QDialog::Accepted);
  EXPECT_EQ(f.Acao->ValorMenu, "Suporte");
  EXPECT_EQ(f.Acao->Variavel, "4");
}

TEST_F(TfrmCadAcaoTeste, QueueListStoresIdsAndVariablesAndRefusesTheSeparator) {
  auto fila = std::make_unique<TMUFila>("12");
  fila->NomeFila = "Vendas";
  MenuUraInfoAuxiliar.ListaDeFilasVoz.Add(std::move(fila));
  MenuUraInfoAuxiliar.ListaDeFilasVoz.Add(std::make_unique<TMUFila>("7"));
  MenuUraInfoAuxiliar.ListaDeVariaveis.Add("cliente");
  TfrmCadAcao f(Ctx());
  Carrega(f, "DISCAF", "7", "2");
  QComboBox* v = Valor(f);
  EXPECT_FALSE(v->isEditable());
  EXPECT_EQ(v->currentText(), "7");
  EXPECT_EQ(Segundo(f)->currentText(), "Alta");
  EXPECT_EQ(Filho<QLabel>(f, "Label1")->text(), "Prioridade");

  v->setCurrentIndex(v->findText("--- Variáveis ---"));
  EXPECT_EQ(v->currentIndex(), -1);
  EXPECT_EQ(f.Acao->ValorNumero, "7");
  v->setCurrentIndex(v->findText("12 - Vendas"));
  EXPECT_EQ(f.Acao->ValorNumero, "12");
  v->setCurrentIndex(v->findText("${cliente}"));
  EXPECT_EQ(f.Acao->ValorNumero, "${cliente}");
  Segundo(f)->setCurrentIndex(1);
  EXPECT_EQ(f.Acao->Variavel, "1");
}

// The second combo of a go-to or a queue transfer shows a number; only the
// user's choice writes it, so what was stored (or nothing) survives OK.
struct TCasoSegundo {
  const char* Caso;
  const char* Tipo;
  const char* Guardado;  // nullptr: a new action, its type chosen in the editor
  int Escolha;           // -1: the second combo left alone
  const char* Esperado;
  const char* Descricao;
};

TEST_F(TfrmCadAcaoTeste, SecondComboIsWrittenOnlyWhenChosen) {
  auto fila = std::make_unique<TMUFila>("12");
  fila->NomeFila = "Vendas";
  MenuUraInfoAuxiliar.ListaDeFilasVoz.Add(std::move(fila));
  TListaMenuUra menus;
  menus.Add(std::make_unique<TMenuUra>(&Dac, "Suporte"));
  const TCasoSegundo casos[] = {
      {"new queue transfer", "DISCAF", nullptr, -1, "", "Transfere para fila: 12 - Vendas"},
      {"new queue transfer, priority chosen", "DISCAF", nullptr, 1, "1",
       "Transfere para fila: 12 - Vendas (Prioridade Média)"},
      {"stored empty priority", "DISCAF", "", -1, "", "Transfere para fila: 12 - Vendas"},
      {"stored priority that is no number", "DISCAF", "alta", -1, "alta", "Transfere para fila: 12 - Vendas"},
      {"stored priority changed", "DISCAF", "alta", 2, "2", "Transfere para fila: 12 - Vendas (Prioridade alta)"},
      {"new go-to", "VAIPARA", nullptr, -1, "", "Vai para o menu: Suporte"},
      {"stored section that is no number", "VAIPARA", "x", -1, "x", "Vai para o menu: Suporte"},
      {"stored section changed", "VAIPARA", "", 3, "3", "Vai para o menu: Suporte (Timeout)"},
  };
  for (const TCasoSegundo& c : casos) {
    SCOPED_TRACE(c.Caso);
    TfrmCadAcao f(Ctx());
    f.lstMenuUra = &menus;
    const QString tipo = QString::fromLatin1(c.Tipo);
    if (c.Guardado) {
      TMUAcao a(&Dac, tipo);
      a.SetValor(tipo == u"VAIPARA" ? QStringLiteral("Suporte") : QStringLiteral("12"));
      a.Variavel = QString::fromLatin1(c.Guardado);
      f.CarregaAcao(&a);
    } else {
      f.CarregaAcao(nullptr);
      Escolhe(f, tipo);
      Valor(f)->setCurrentIndex(0);
    }
    if (c.Escolha >= 0) Segundo(f)->setCurrentIndex(c.Escolha);
    Filho<QPushButton>(f, "btOK")->click();
    ASSERT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(f.Acao->Variavel, QString::fromLatin1(c.Esperado));
    EXPECT_EQ(f.Acao->GetStrAcao(), QString::fromUtf8(c.Descricao));
  }
}

TEST_F(TfrmCadAcaoTeste, GroupAndUraListsStoreTheChosenEntry) {
  auto grupo = std::make_unique<TMUGrupo>("3");
  grupo->NomeGrupo = "Suporte";
  MenuUraInfoAuxiliar.ListaDeGrupos.Add(std::move(grupo));
  MenuUraInfoAuxiliar.ListaDeGrupos.Add(std::make_unique<TMUGrupo>("5"));
  MenuUraInfoAuxiliar.ListaDeUrasChat << "vendas"
                                      << "cobranca";
  TfrmCadAcao grupos(Ctx());
  Carrega(grupos, "DISCAG", "5");
  EXPECT_FALSE(Valor(grupos)->isEditable());
  EXPECT_EQ(Valor(grupos)->currentText(), "5");
  EXPECT_EQ(Filho<QLabel>(grupos, "LabelValorAcao")->text(), "Grupo");
  Valor(grupos)->setCurrentIndex(Valor(grupos)->findText("3 - Suporte"));
  Filho<QPushButton>(grupos, "btOK")->click();
  EXPECT_EQ(grupos.Acao->ValorNumero, "3");

  // Only chat URAs choose the URA from a list; a voice URA types it.
  TfrmCadAcao voz(Ctx());
  Carrega(voz, "DISCAU", "outra");
  EXPECT_TRUE(Valor(voz)->isEditable());
  EXPECT_EQ(Valor(voz)->currentText(), "outra");
  Dac.TipoUra = "chat";
  TfrmCadAcao chat(Ctx());
  Carrega(chat, "DISCAU", "cobranca");
  EXPECT_FALSE(Valor(chat)->isEditable());
  EXPECT_EQ(Valor(chat)->count(), 2);
  EXPECT_EQ(Valor(chat)->currentText(), "cobranca");
  EXPECT_EQ(Filho<QLabel>(chat, "LabelValorAcao")->text(), "Ura");
  Valor(chat)->setCurrentIndex(0);
  Filho<QPushButton>(chat, "btOK")->click();
  EXPECT_EQ(chat.Acao->ValorNumero, "vendas");
}

struct TCasoComando {
  const char* Comando;
  const char* Variavel;
  const char* Erro;  // empty: accepted
};

TEST_F(TfrmCadAcaoTeste, CommandChecksTheCommandBeforeItsVariable) {
  const TCasoComando casos[] = {
      {"", "9x", "Informe o nome do comando a ser executado"},
      {"   ", "", "Informe o nome do comando a ser executado"},
      {"/opt/backup.sh", "9x", "Comando inválido"},
      {"backup.sh; ls", "", "Comando inválido"},
      {"backup.sh", "9x", "Nome da variável deve iniciar com letra"},
      {"backup.sh", "", ""},
      {"backup.sh a", "retorno", ""},
  };
  for (const TCasoComando& c : casos) {
    SCOPED_TRACE(std::string(c.Comando) + " / " + c.Variavel);
    P().Caixas.clear();
    TfrmCadAcao f(Ctx());
    TMUAcao a(&Dac, "COMANDO");
    a.ValorComando = QString::fromUtf8(c.Comando);
    a.Variavel = QString::fromUtf8(c.Variavel);
    f.CarregaAcao(&a);
    Filho<QPushButton>(f, "btOK")->click();
    EXPECT_EQ(P().UltimoTexto(), QString::fromUtf8(c.Erro));
    EXPECT_EQ(f.result() == QDialog::Accepted, !*c.Erro);
  }
  // Only an accepted, named result variable is offered to later actions.
  EXPECT_EQ(MenuUraInfoAuxiliar.ListaDeVariaveis.Lista(), QStringList{"retorno"});
}

struct TCasoOK {
  const char* Tipo;
  const char* Numero;
  const char* Variavel;
  const char* Erro;  // empty: accepted
};

TEST_F(TfrmCadAcaoTeste, OkChecksEachType) {
  const TCasoOK casos[] = {
      {"DESLIGA", "abc", "", "O código para encerrar a chamada deve ser um valor numérico"},
      {"DESLIGA", "-1", "", "O código para encerrar a chamada deve ser um valor numérico"},
      {"DESLIGA", "", "", ""},
      {"DESLIGA", "5", "", ""},
      {"DISCA", "  ", "", "Informe o número para onde será encaminhada a chamada"},
      {"DISCAR", "201", "", ""},
      {"DISCAU", "", "", "Informe o nome da URA para onde será encaminhada a chamada"},
      {"DISCAS", "", "", "Informe o nome do contexto a ser executado"},
      {"FALANUMERO", "", "", "Informe o número a ser falado"},
      {"SETVAR", "1", "", "Nome da variável não está definido"},
      {"SETVAR", "1", "9abc", "Nome da variável deve iniciar com letra"},
      {"SETVAR", "1", "novaVar", ""},
      {"COMANDO", "", "", "Informe o nome do comando a ser executado"},
      {"MENSAGEM", "", "saudacao", "Nenhum arquivo foi adicionado à variável"},
      {"INICIO", "", "", ""},
  };
  for (const TCasoOK& c : casos) {
    SCOPED_TRACE(std::string(c.Tipo) + " '" + c.Numero + "' '" + c.Variavel + "'");
    P().Caixas.clear();
    TfrmCadAcao f(Ctx());
    Carrega(f, c.Tipo, c.Numero, c.Variavel);
    Filho<QPushButton>(f, "btOK")->click();
    const QString erro = QString::fromUtf8(c.Erro);
    EXPECT_EQ(f.result() == QDialog::Accepted, erro.isEmpty());
    EXPECT_EQ(P().UltimoTexto(), erro);
    // A refusal keeps what was entered; the hang-up code survives its disabled field.
    EXPECT_EQ(f.Acao->ValorNumero, QString::fromLatin1(c.Numero));
  }
  // An accepted SETVAR offers its variable to later actions.
  EXPECT_GE(MenuUraInfoAuxiliar.ListaDeVariaveis.IndexOf("novaVar"), 0);
}

TEST_F(TfrmCadAcaoTeste, MessageButtonEditsChatTextAndVoiceFileList) {
  Dac.TipoUra = "chat";
  TfrmCadAcao chat(Ctx());
  Carrega(chat, "MENSAGEM", "Oi");
  EXPECT_FALSE(Filho<QToolButton>(chat, "btMsg")->isHidden());
  P().Usuario.push_back([](QDialog* d) {
    auto* m = qobject_cast<TfrmCadMensagem*>(d);
    if (!m || m->Mensagem->GetMensagemChat(0, "\n") != "Oi") return int(QDialog::Rejected);
    m->Mensagem->CopyFrom(nullptr);
    m->Mensagem->AddMensagemChat("Bom dia\r\nCliente");
    m->Mensagem->AddMensagemChat("Tchau");
    return int(QDialog::Accepted);
  });
  Filho<QToolButton>(chat, "btMsg")->click();
  EXPECT_EQ(chat.Acao->ValorNumero, "Bom dia\nCliente\nTchau");
  EXPECT_EQ(Valor(chat)->currentText(), chat.Acao->GetStrAcaoMensagem());

  Dac.TipoUra.clear();
  TfrmCadAcao voz(Ctx());
  Carrega(voz, "MENSAGEM", "a,b", "saudacao");
  bool sohArquivos = false;
  P().Usuario.push_back([&](QDialog* d) {
    auto* m = qobject_cast<TfrmCadMensagem*>(d);
    sohArquivos = m && m->SohArquivos && m->Mensagem->ArquivosCount() == 2;
    if (m) m->Mensagem->AddArquivo("c");
    return int(QDialog::Accepted);
  });
  Filho<QToolButton>(voz, "btMsg")->click();
  EXPECT_TRUE(sohArquivos);
  EXPECT_EQ(voz.Acao->ValorNumero, "a,b,c");
  Filho<QPushButton>(voz, "btOK")->click();
  EXPECT_EQ(voz.result(), QDialog::Accepted);
  EXPECT_GE(MenuUraInfoAuxiliar.ListaDePlayList.IndexOf("saudacao"), 0);
}

}  // namespace
