// The "Testar URA" window on the examples: the keypad and the chat line, the
// call's path for the flow window, the audio it plays, the document it
// follows, the variables and the scenarios it saves.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTreeWidget>

#include "UTMenuUra.h"
#include "UTXMLDac.h"
#include "UfrmTestarUra.h"
#include "apoio.h"
#include "xmldocument.h"

namespace {

QString Exemplo(const QString& Nome) { return QStringLiteral(URA_EXAMPLES_DIR "/") + Nome; }

class TestarUraTest : public TesteJanela {
 protected:
  std::unique_ptr<TDAC> Le(const char* Nome) {
    auto dac = std::make_unique<TDAC>();
    TXMLDocument doc;
    TXMLDac xml;
    EXPECT_TRUE(xml.LerXML(doc, dac.get(), Exemplo(QString::fromLatin1(Nome))));
    return dac;
  }
  // A window on Dac whose audio goes to a scripted device.
  std::unique_ptr<TfrmTestarUra> Abre(TDAC*& Dac) {
    auto j = std::make_unique<TfrmTestarUra>([&Dac] { return Dac; });
    j->LocalizaAudio = [](const QString& Nome) {
      const QString arquivo = Exemplo(QStringLiteral("mensagens/") + Nome + QStringLiteral(".wav"));
      return QFileInfo::exists(arquivo) ? arquivo : QString();
    };
    j->FabricaDispositivo = [this] {
      auto d = std::make_unique<TDispositivoRoteirizado>();
      Dispositivo = d.get();
      return d;
    };
    Caminhos = std::make_unique<QSignalSpy>(j.get(), &TfrmTestarUra::CaminhoSimulado);
    j->Reiniciar();
    return j;
  }
  template <class T>
  static T* Filho(QWidget& J, const char* Nome) {
    return J.findChild<T*>(QString::fromLatin1(Nome));
  }
  QStringList UltimoCaminho() const { return Caminhos->last().first().toStringList(); }

  TDispositivoRoteirizado* Dispositivo = nullptr;
  std::unique_ptr<QSignalSpy> Caminhos;
};

TEST_F(TestarUraTest, KeypadPlaysAVoiceCallAndItsAudio) {
  auto dac = Le("atendimento-voz.xml");
  TDAC* atual = dac.get();
  auto j = Abre(atual);
  EXPECT_EQ(Filho<QStackedWidget>(*j, "pgEntrada")->currentWidget()->objectName(), u"pgTeclado");
  EXPECT_TRUE(Filho<QWidget>(*j, "pgEntrada")->isEnabled());
  EXPECT_EQ(Filho<QLabel>(*j, "lbEstado")->text(), u"Aguardando a resposta em Principal.");
  EXPECT_EQ(UltimoCaminho(), (QStringList{"Inicio", "Principal"}));
  // The greeting plays: the three files of the prompt, one after the other.
  ASSERT_NE(Dispositivo, nullptr);
  EXPECT_EQ(j->FilaAudio().size(), 3);
  EXPECT_TRUE(Dispositivo->Chamadas.first().endsWith(QStringLiteral("bemvindo.wav")));
  Dispositivo->PosicaoAtual = 1'000'000;
  ASSERT_TRUE(EsperaAte([&] { return j->FilaAudio().size() == 2; }));
  EXPECT_TRUE(Dispositivo->ArquivoAberto.endsWith(QStringLiteral("horario_comercial.wav")));

  // "9" may begin "9XXX": the call waits for more keys; a key interrupts the audio.
  QTest::mouseClick(Filho<QPushButton>(*j, "btTecla9"), Qt::LeftButton);
  EXPECT_TRUE(j->Resultado().AguardaMaisTeclas);
  EXPECT_TRUE(j->Respostas().empty());
  EXPECT_EQ(Filho<QLabel>(*j, "lbTeclas")->text(), u"Teclas: 9");
  EXPECT_TRUE(j->FilaAudio().isEmpty());
  for (const char* b : {"btTecla1", "btTecla2", "btTecla3"})
    QTest::mouseClick(Filho<QPushButton>(*j, b), Qt::LeftButton);
  ASSERT_EQ(j->Respostas().size(), 1u);
  EXPECT_EQ(*j->Respostas()[0], u"9123");
  EXPECT_EQ(j->Resultado().Fim.Codigo, u"DISCAOP");
  EXPECT_FALSE(Filho<QWidget>(*j, "pgEntrada")->isEnabled());
  auto* conversa = Filho<QListWidget>(*j, "lvConversa");
  EXPECT_TRUE(conversa->item(conversa->count() - 1)->text().startsWith(QStringLiteral("Fim: Principal:")));

  // "Sem resposta" ends keys being typed; with none it is a timeout.
  j->Reiniciar();
  EXPECT_EQ(Caminhos->at(Caminhos->size() - 2).first().toStringList(), QStringList());
  j->Tecla(u'9');
  j->SemResposta();  // "9" alone chooses nothing: invalid
  j->SemResposta();  // timeout
  ASSERT_EQ(j->Respostas().size(), 2u);
  EXPECT_EQ(j->Respostas()[0], std::optional<QString>(QStringLiteral("9")));
  EXPECT_EQ(j->Respostas()[1], std::nullopt);
  QStringList tipos;
  for (const TPasso& p : j->Resultado().Passos) tipos << CodigoTipoPasso(p.Tipo);
  EXPECT_TRUE(tipos.contains(QStringLiteral("invalida")));
  EXPECT_TRUE(tipos.contains(QStringLiteral("timeout")));

  // A double click on a step asks for its menu; closing clears the path.
  QSignalSpy abrir(j.get(), &TfrmTestarUra::AbrirMenu);
  auto* passos = Filho<QTreeWidget>(*j, "lvPassos");
  emit passos->itemDoubleClicked(passos->topLevelItem(passos->topLevelItemCount() - 1), 0);
  ASSERT_EQ(abrir.size(), 1);
  EXPECT_EQ(abrir.first().first().toInt(), 1);  // Principal
  j->reject();
  EXPECT_EQ(UltimoCaminho(), QStringList());
}

TEST_F(TestarUraTest, ChatLineListButtonsAndVariables) {
  auto dac = Le("atendimento-chat.xml");
  TDAC* atual = dac.get();
  auto j = Abre(atual);
  j->show();
  EXPECT_EQ(Filho<QStackedWidget>(*j, "pgEntrada")->currentWidget()->objectName(), u"pgChat");
  EXPECT_EQ(Dispositivo, nullptr);  // a chat plays no audio
  // The list menu's items answer with their replies.
  auto* lista = Filho<QWidget>(*j, "pnRespostasLista");
  EXPECT_TRUE(lista->isVisible());
  QPushButton* vendas = nullptr;
  for (QPushButton* b : lista->findChildren<QPushButton*>())
    if (b->text() == u"Vendas") vendas = b;
  ASSERT_NE(vendas, nullptr);
  QTest::mouseClick(vendas, Qt::LeftButton);
  EXPECT_EQ(j->Resultado().Fim.Texto, u"Vendas: Transfere para fila: 51 (Prioridade Média) [acao]");

  // Enter in the chat line answers and keeps the window open.
  j->Reiniciar();
  auto* linha = Filho<QLineEdit>(*j, "edChat");
  linha->setText(QStringLiteral("2"));
  QTest::keyClick(linha, Qt::Key_Return);
  EXPECT_TRUE(j->isVisible());
  EXPECT_EQ(UltimoCaminho(), (QStringList{"Inicio", "Suporte"}));
  EXPECT_TRUE(linha->text().isEmpty());

  // The document's variables are offered; a variable set here changes the call.
  auto* nomes = Filho<QComboBox>(*j, "cbVariavel");
  EXPECT_GE(nomes->findText(QStringLiteral("cliente_vip")), 0);
  EXPECT_GE(nomes->findText(QStringLiteral("situacao")), 0);
  nomes->setCurrentText(QStringLiteral("cliente_vip"));
  Filho<QLineEdit>(*j, "edValorVariavel")->setText(QStringLiteral("1"));
  QTest::mouseClick(Filho<QPushButton>(*j, "btAdicionarVariavel"), Qt::LeftButton);
  EXPECT_EQ(j->Cenario().Variaveis.value(QStringLiteral("cliente_vip")), u"1");
  EXPECT_EQ(j->Resultado().Fim.Codigo, u"DISCAF");
  EXPECT_EQ(j->Resultado().Fim.Valor, u"60");
}

TEST_F(TestarUraTest, FollowsTheDocumentWithTheSameAnswers) {
  auto dac = Le("atendimento-voz.xml");
  TDAC* atual = dac.get();
  auto j = Abre(atual);
  j->Tecla(u'1');
  EXPECT_EQ(j->Resultado().Fim.Valor, u"10");
  // The option's queue is changed: the same answer now goes there.
  dac->ProcuraMenu(QStringLiteral("Principal"))->ListaOpcoes->GetItem(0)->ListaAcao->GetItem(0)->ValorNumero =
      QStringLiteral("11");
  j->DocumentoAlterado();
  EXPECT_EQ(j->Resultado().Fim.Valor, u"11");
  EXPECT_EQ(j->Respostas().size(), 1u);
  // A replaced document is asked for again; no document, no call.
  auto outro = Le("atendimento-voz.xml");
  atual = outro.get();
  dac.reset();
  j->DocumentoAlterado();
  EXPECT_EQ(j->Resultado().Fim.Valor, u"10");
  atual = nullptr;
  outro.reset();
  j->DocumentoAlterado();
  EXPECT_EQ(Filho<QLabel>(*j, "lbEstado")->text(), u"Nenhuma URA aberta.");
  EXPECT_EQ(UltimoCaminho(), QStringList());
  EXPECT_FALSE(Filho<QWidget>(*j, "btSalvarCenario")->isEnabled());
}

TEST_F(TestarUraTest, SavedScenariosRepeatTheCall) {
  auto dac = Le("atendimento-voz.xml");
  TDAC* atual = dac.get();
  auto j = Abre(atual);
  j->Tecla(u'3');
  j->Tecla(u'*');  // Serviços, then back to Principal: awaiting again
  const QString arquivo = Plat.Caminho(QStringLiteral("meus-cenarios"));
  P().Arquivos = {arquivo, QString()};
  ASSERT_TRUE(j->SalvaCenario());
  EXPECT_FALSE(j->SalvaCenario());  // cancelled
  Filho<QLineEdit>(*j, "edNomeCenario")->setText(QStringLiteral("Segundo"));
  dac->RORIRO = true;  // the local service's descriptions: the scenario says so
  P().Arquivos = {arquivo + QStringLiteral(".json")};
  ASSERT_TRUE(j->SalvaCenario());
  EXPECT_EQ(P().Caixas.back().Tipo, TTipoMensagem::Informacao);

  std::vector<TCenario> lidos;
  QString erro;
  ASSERT_TRUE(LeCenarios(LeArquivo(arquivo + QStringLiteral(".json")), lidos, &erro)) << erro.toStdString();
  ASSERT_EQ(lidos.size(), 2u);
  EXPECT_EQ(lidos[0].Nome, u"Chamada de 09/12/2026 10:00: 3, *");
  EXPECT_EQ(lidos[1].Nome, u"Segundo");
  EXPECT_FALSE(lidos[0].ServicoLocal);
  EXPECT_TRUE(lidos[1].ServicoLocal);
  dac->RORIRO = false;
  EXPECT_EQ(*lidos[0].Espera.Fim, j->Resultado().Fim.Texto);
  // The saved call passes against the document, and fails once it changes.
  const TSimulacao sim(*dac);
  EXPECT_TRUE(lidos[0].Confere(sim.Executa(lidos[0])).isEmpty());
  dac->ProcuraMenu(QStringLiteral("Servicos"))->ListaOpcoes->GetItem(3)->ListaAcao->GetItem(0)->Tipo =
      QStringLiteral("DESLIGA");
  EXPECT_FALSE(lidos[0].Confere(TSimulacao(*dac).Executa(lidos[0])).isEmpty());
}

}  // namespace
