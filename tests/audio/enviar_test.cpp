// The audio upload window: the checks of "Enviar", blocks against
// ura-server-sim, the local copy, the catalogue entry and closing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "SessaoServidor.h"
#include "UfrmConverterAudio.h"
#include "UfrmEnviarArquivo.h"
#include "UfrmGravarAudio.h"
#include "configuracao.h"
#include "converteTTSKR.h"
#include "infoauxiliar.h"
#include "ondas.h"
#include "simulador.h"
#include "wave.h"

namespace {

// The main window's part: every "wavfilesendpart" goes to the open upload window.
class JanelaPrincipal : public TJanelaSessaoMuda {
 public:
  TfrmEnviarArquivo* Envio = nullptr;
  int Ociosos = 0;
  void ProximoBlocoAudio() override {
    if (Envio) Envio->EnviaBlocoArquivo();
  }
  void AudioOcioso() override {
    ++Ociosos;
    if (Envio) Envio->ErroEnvioArquivo();
  }
};

class Envio : public TesteJanela {
 protected:
  // A valid file of Bytes bytes in all (44 of header).
  QString ArquivoValido(const QString& Nome, int Bytes = 600) {
    const QString c = Plat.Caminho(Nome);
    GravaArquivo(c, MontaWave8kMono(Padrao((Bytes - 44) / 2)));
    return c;
  }
  void Escolhe(TfrmEnviarArquivo& J, const QStringList& Arquivos) {
    P().Arquivos.push_back(Arquivos.join(u'\n'));
    J.SpeedButton1Click();
  }
  // ura-server-sim started and the session logged in.
  static bool Entra(Simulador& Sim, TSessaoServidor& Sessao) {
    if (!Sim.Inicia()) return false;
    Sessao.CfgConexao.Ip = QStringLiteral("127.0.0.1");
    Sessao.CfgConexao.Porta = Sim.Porta();
    Sessao.CfgConexao.Usuario = QStringLiteral("admin");
    Sessao.CfgConexao.Senha = QStringLiteral("admin");
    Sessao.Conectar();
    return EsperaAte([&] { return Sessao.ClientManager->Logged; });
  }
  // "Enviar" of a 4000-byte file, up to its first block (the transfer is running).
  void ComecaEnvio(TfrmEnviarArquivo& J, Simulador& Sim) {
    Escolhe(J, {ArquivoValido(QStringLiteral("grande.wav"), 4000)});
    Campo(J, "edDescricao")->setText(QStringLiteral("d"));
    J.btOkClick();
    ASSERT_TRUE(EsperaAte([&] { return Sim.Pedidos(QStringLiteral("SaveWavFile")).size() == 1; }));
    J.EnviaBlocoArquivo();  // the first block opens the file
    ASSERT_TRUE(J.Enviando());
  }
  static QLineEdit* Campo(TfrmEnviarArquivo& J, const char* Nome) {
    return J.findChild<QLineEdit*>(QString::fromLatin1(Nome));
  }
};

TEST_F(Envio, EscolhaDeArquivosRecusaOsInvalidos) {
  TfrmEnviarArquivo j(nullptr, true);
  const QString ruim = Plat.Caminho(QStringLiteral("ruim.wav"));
  GravaArquivo(ruim, Riff(Fmt(1, 2, 8000, 16) + Bloco("data", Padrao(8))));
  const QString texto = Plat.Caminho(QStringLiteral("leia.txt"));
  GravaArquivo(texto, "x");
  P().Respostas.push_back(TResposta::Nao);  // no conversion
  Escolhe(j, {ArquivoValido(QStringLiteral("a.wav")), ruim, texto, ArquivoValido(QStringLiteral("b.wav"))});
  EXPECT_EQ(j.listaArquivos.size(), 2);
  EXPECT_EQ(P().Textos(), QStringList{TextoWaveInvalido(QStringLiteral("ruim.wav")) +
                                      QStringLiteral("\rConverter para 8 kHz, 16 bits, mono?")});
  EXPECT_TRUE(P().DialogosModais.isEmpty());
  EXPECT_EQ(P().Caixas.back().Titulo, QStringLiteral("Salvar arquivo"));
  EXPECT_EQ(Campo(j, "edNomeArquivo")->text(), QStringLiteral("a.wav"));
}

TEST_F(Envio, ArquivoRecusadoOuQueNaoEWavPodeSerConvertido) {
  auto j = std::make_unique<TfrmEnviarArquivo>(nullptr, true);
  QByteArray estereo;  // a second of 44.1 kHz stereo
  for (int i = 0; i < 44100; ++i) estereo += U16(quint16(qint16(i % 100 < 50 ? 9000 : -9000))).repeated(2);
  const QString estudio = Plat.Caminho(QStringLiteral("estudio.wav"));
  GravaArquivo(estudio, Riff(Fmt(1, 2, 44100, 16) + Bloco("data", estereo)));
  const QString quebrado = Plat.Caminho(QStringLiteral("quebrado.mp3"));
  GravaArquivo(quebrado, QByteArray(4000, 'x'));
  const QString outro = Plat.Caminho(QStringLiteral("outro.wav"));
  QFile::copy(estudio, outro);
  // The first two conversions run to their end; the third is cancelled.
  const auto ateOFim = [](QDialog* d) {
    auto* c = qobject_cast<TfrmConverterAudio*>(d);
    EXPECT_TRUE(EsperaAte([c] { return c->Terminada(); }));
    return c->result();
  };
  P().Usuario = {ateOFim, ateOFim};
  Escolhe(*j, {estudio, quebrado, outro});
  const QString pergunta = QStringLiteral("\rConverter para 8 kHz, 16 bits, mono?");
  const QStringList textos = P().Textos();
  ASSERT_EQ(textos.size(), 4);
  EXPECT_EQ(textos[0], TextoWaveInvalido(QStringLiteral("estudio.wav")) + pergunta);
  EXPECT_EQ(textos[1], QStringLiteral("Arquivo \"quebrado.mp3\" não é WAV.") + pergunta);
  EXPECT_TRUE(textos[2].startsWith(QStringLiteral("Não conseguiu converter o arquivo \"quebrado.mp3\": ")));
  EXPECT_EQ(textos[3], TextoWaveInvalido(QStringLiteral("outro.wav")) + pergunta);
  EXPECT_EQ(P().DialogosModais, QStringList(3, QStringLiteral("TfrmConverterAudio")));
  // The converted copy waits under the source's name, in a folder of the window's.
  ASSERT_EQ(j->listaArquivos.size(), 1);
  const QString copia = j->listaArquivos[0];
  EXPECT_NE(copia, estudio);
  EXPECT_EQ(QFileInfo(copia).fileName(), QStringLiteral("estudio.wav"));
  EXPECT_TRUE(copia.startsWith(Plat.Pasta()));
  EXPECT_TRUE(ArquivoWaveValido(copia));
  EXPECT_EQ(Campo(*j, "edNomeArquivo")->text(), QStringLiteral("estudio.wav"));
  j.reset();
  EXPECT_FALSE(QFile::exists(copia));
}

TEST_F(Envio, RegrasDoNomeEDaDescricao) {
  const struct {
    const char* Nome;
    const char* Descricao;
    const char* Mensagem;  // empty: accepted
    const char* NomeFinal;
  } casos[] = {
      {"", "d", "Informe o nome do arquivo.", ""},
      {".msg", "d", "Nome do arquivo inválido. Deve conter apenas letras e/ou dígitos, além de \"-\", \".\" e \"_\".",
       ""},
      {"mensagem 1", "d",
       "Nome do arquivo inválido. Deve conter apenas letras e/ou dígitos, além de \"-\", \".\" e \"_\".", ""},
      {"msg", "", "Informe uma descrição para o arquivo.", ""},
      {"msg.WAV", "d", "Extensão do arquivo inválida.", ""},
      {"Msg_2", "d", "", "Msg_2.wav"},
      {"msg.", "d", "", "msg.wav"},
  };
  for (const auto& c : casos) {
    TfrmEnviarArquivo j(nullptr, true);
    j.DefinePastaMensagens(Plat.Caminho(QStringLiteral("msgs")));
    Escolhe(j, {ArquivoValido(QStringLiteral("x.wav"))});
    Campo(j, "edNomeArquivo")->setText(QString::fromUtf8(c.Nome));
    Campo(j, "edDescricao")->setText(QString::fromUtf8(c.Descricao));
    P().Caixas.clear();
    j.btOkClick();
    if (*c.Mensagem) {
      EXPECT_EQ(P().Textos(), QStringList{QString::fromUtf8(c.Mensagem)}) << c.Nome;
      EXPECT_FALSE(j.ArquivoEnviado) << c.Nome;
    } else {
      EXPECT_TRUE(P().Caixas.empty()) << c.Nome;
      EXPECT_TRUE(QFile::exists(Plat.Caminho(QStringLiteral("msgs/")) + QString::fromUtf8(c.NomeFinal))) << c.Nome;
    }
  }
  TfrmEnviarArquivo vazio(nullptr, false);
  vazio.btOkClick();
  EXPECT_EQ(P().UltimoTexto(), QStringLiteral("Não há arquivo selecionado para enviar."));
}

TEST_F(Envio, CopiaLocalPerguntaAntesDeSobrescrever) {
  const QString pasta = Plat.Caminho(QStringLiteral("msgs"));
  QDir().mkpath(pasta);
  GravaArquivo(pasta + QStringLiteral("/boas-vindas.wav"), "antigo");
  for (TResposta r : {TResposta::Nao, TResposta::Sim}) {
    TfrmEnviarArquivo j(nullptr, true);
    j.DefinePastaMensagens(pasta);
    const QString origem = ArquivoValido(QStringLiteral("nova.wav"));
    Escolhe(j, {origem});
    Campo(j, "edNomeArquivo")->setText(QStringLiteral("boas-vindas"));
    Campo(j, "edDescricao")->setText(QStringLiteral("Bem-vindo"));
    P().Respostas.push_back(r);
    j.btOkClick();
    EXPECT_EQ(P().UltimoTexto(), QStringLiteral("Já existe um arquivo com o mesmo nome. Deseja sobrescrever?"));
    const bool sim = r == TResposta::Sim;
    EXPECT_EQ(LeArquivo(pasta + QStringLiteral("/boas-vindas.wav")), sim ? LeArquivo(origem) : QByteArray("antigo"));
    EXPECT_EQ(j.ArquivoEnviado, sim);
    const TMUDescricaoMensagem* m = MenuUraInfoAuxiliar.ListaDeMensagens.SearchItem(QStringLiteral("boas-vindas"));
    ASSERT_EQ(m != nullptr, sim);
    if (sim) {
      EXPECT_EQ(m->Descricao, QStringLiteral("Bem-vindo"));
    }
    j.btSairClick();
    EXPECT_EQ(j.result(), sim ? QDialog::Accepted : QDialog::Rejected);
  }
}

TEST_F(Envio, CopiaLocalSubstituiOAntigoSoComACopiaInteira) {
  const QString pasta = Plat.Caminho(QStringLiteral("msgs"));
  const QString destino = pasta + QStringLiteral("/m.wav");
  const QString origem = ArquivoValido(QStringLiteral("nova.wav"));
  const struct {
    const char* Caso;
    const char* Antes;  // nullptr: no old file
    bool RenomeiaFalha;
    bool Ok;
  } casos[] = {{"sem arquivo antigo", nullptr, false, true},
               {"substitui o antigo", "antigo", false, true},
               {"a troca falha", "antigo", true, false}};
  for (const auto& c : casos) {
    QDir(pasta).removeRecursively();
    QDir().mkpath(pasta);
    if (c.Antes) GravaArquivo(destino, c.Antes);
    const TRenomeia falha = [](const QString&, const QString&) { return false; };
    EXPECT_EQ(CopiaSubstituindo(origem, destino, c.RenomeiaFalha ? falha : TRenomeia()), c.Ok) << c.Caso;
    EXPECT_EQ(LeArquivo(destino), c.Ok ? LeArquivo(origem) : QByteArray(c.Antes)) << c.Caso;
    // Nothing of the copy is left beside it.
    EXPECT_EQ(QDir(pasta).entryList(QDir::Files), QStringList{QStringLiteral("m.wav")}) << c.Caso;
  }
}

TEST_F(Envio, BlocosDe250ParaOServidorEDepoisOFim) {
  Simulador sim;
  JanelaPrincipal principal;
  TSessaoServidor sessao(&principal);
  ASSERT_TRUE(Entra(sim, sessao));

  auto existente = std::make_unique<TMUDescricaoMensagem>(QStringLiteral("boas-vindas"));
  existente->Descricao = QStringLiteral("antiga");
  MenuUraInfoAuxiliar.ListaDeMensagens.Add(std::move(existente));
  TfrmEnviarArquivo j(&sessao, false);
  principal.Envio = &j;
  const QString origem = ArquivoValido(QStringLiteral("origem.wav"), 600);
  Escolhe(j, {origem, ArquivoValido(QStringLiteral("outro.wav"))});
  Campo(j, "edNomeArquivo")->setText(QStringLiteral("boas-vindas.wav"));
  Campo(j, "edDescricao")->setText(QStringLiteral("Bem-vindo"));
  j.btOkClick();
  ASSERT_TRUE(EsperaAte([&] { return P().UltimoTexto() == QStringLiteral("Arquivo enviado com sucesso."); }));
  // The server's answer to the end, success or not, then the file it kept.
  ASSERT_TRUE(EsperaAte([&] { return !sim.Respostas(QStringLiteral("Response: ")).filter(u"SaveWavFile").isEmpty(); }));
  EXPECT_EQ(sim.Le(QStringLiteral("boas-vindas.wav")), LeArquivo(origem));
  // The log counts the hexadecimal digits: two per byte.
  QList<int> blocos;
  for (const QString& l : sim.Pedidos(QStringLiteral("WavFilePart")))
    blocos << QRegularExpression(QStringLiteral("\\((\\d+) bytes\\)")).match(l).captured(1).toInt() / 2;
  EXPECT_EQ(blocos, (QList<int>{250, 250, 100}));
  EXPECT_EQ(sim.Pedidos(QStringLiteral("SendWavFileComplete")).size(), 1);
  EXPECT_EQ(MenuUraInfoAuxiliar.ListaDeMensagens.SearchItem(QStringLiteral("boas-vindas"))->Descricao,
            QStringLiteral("Bem-vindo"));
  EXPECT_EQ(MenuUraInfoAuxiliar.ListaDeMensagens.Count(), 1);
  // The sent file left the waiting list; the other one is selected.
  EXPECT_EQ(j.listaArquivos, QStringList{Plat.Caminho(QStringLiteral("outro.wav"))});
  EXPECT_EQ(Campo(j, "edNomeArquivo")->text(), QStringLiteral("outro.wav"));
  EXPECT_FALSE(j.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->isVisible());
  // Closing with a file still waiting asks first.
  P().Respostas.push_back(TResposta::Nao);
  j.btSairClick();
  EXPECT_EQ(P().UltimoTexto(), QStringLiteral("Existem arquivos para enviar. Deseja sair?"));
  P().Respostas.push_back(TResposta::Sim);
  j.btSairClick();
  EXPECT_EQ(j.result(), QDialog::Accepted);
  principal.Envio = nullptr;
}

TEST_F(Envio, CancelarInterrompeEOPedidoSeguinteDoServidorNaoReabre) {
  Simulador sim;
  JanelaPrincipal principal;
  TSessaoServidor sessao(&principal);
  ASSERT_TRUE(Entra(sim, sessao));
  TfrmEnviarArquivo j(&sessao, false);
  ASSERT_NO_FATAL_FAILURE(ComecaEnvio(j, sim));
  EXPECT_EQ(j.findChild<QPushButton*>(QStringLiteral("btSair"))->text(), QStringLiteral("Cancelar"));
  j.btSairClick();
  EXPECT_FALSE(j.Enviando());
  EXPECT_EQ(j.result(), 0);  // still open
  const int partes = int(sim.Pedidos(QStringLiteral("WavFilePart")).size());
  j.EnviaBlocoArquivo();
  EXPECT_FALSE(j.Enviando());
  EXPECT_EQ(sim.Pedidos(QStringLiteral("WavFilePart")).size(), partes);
  EXPECT_TRUE(j.findChild<QPushButton*>(QStringLiteral("btOk"))->isEnabled());
}

TEST_F(Envio, SemConexaoAJanelaDizEVoltaAoRepouso) {
  const auto ociosa = [](TfrmEnviarArquivo& j) {
    return !j.Enviando() && j.findChild<QPushButton*>(QStringLiteral("btOk"))->isEnabled() &&
           j.findChild<QComboBox*>(QStringLiteral("cbNomeArquivo"))->isEnabled() &&
           Campo(j, "edNomeArquivo")->isEnabled() &&
           j.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->isHidden() &&
           j.findChild<QPushButton*>(QStringLiteral("btSair"))->text() == QStringLiteral("Sair");
  };
  // "Enviar" before any connection: nothing would answer the request.
  JanelaPrincipal principal;
  TSessaoServidor desligada(&principal);
  TfrmEnviarArquivo antes(&desligada, false);
  Escolhe(antes, {ArquivoValido(QStringLiteral("a.wav"))});
  Campo(antes, "edDescricao")->setText(QStringLiteral("d"));
  antes.btOkClick();
  EXPECT_EQ(P().UltimoTexto(), QStringLiteral("Sem conexão com o servidor"));
  EXPECT_EQ(P().Caixas.back().Titulo, QStringLiteral("Enviar arquivo"));
  EXPECT_TRUE(ociosa(antes));

  // The connection drops in the middle of a transfer.
  Simulador sim;
  TSessaoServidor sessao(&principal);
  ASSERT_TRUE(Entra(sim, sessao));
  TfrmEnviarArquivo j(&sessao, false);
  ASSERT_NO_FATAL_FAILURE(ComecaEnvio(j, sim));
  P().Caixas.clear();
  sim.Para();
  ASSERT_TRUE(EsperaAte([&] { return !P().Caixas.empty(); }));
  EXPECT_EQ(P().Textos(), QStringList{QStringLiteral("Sem conexão com o servidor")});
  EXPECT_TRUE(ociosa(j));
  EXPECT_FALSE(j.ArquivoEnviado);
}

TEST_F(Envio, TextoParaAudioEntregaAoClienteOsDadosDoServidor) {
  JanelaPrincipal principal;
  TSessaoServidor sessao(&principal);
  sessao.bTemTTS = true;
  TCfgTTSServidor& cfg = sessao.CfgTTSServ;
  cfg = {QStringLiteral("conta"),
         QStringLiteral("segredo"),
         QStringLiteral("Empresa X"),
         QStringLiteral("http://tts.invalid/api"),
         8,
         1,
         8000,
         QStringLiteral("mp3"),
         QStringLiteral("voz")};
  TfrmEnviarArquivo j(&sessao, false);
  Campo(j, "edDescricao")->setText(QStringLiteral("Bem-Vindo À CENTRAL"));
  // Each run: the format, what the service returns, the waiting list after.
  const struct {
    const char* Formato;
    QByteArray Resultado;
    QStringList Espera;
  } casos[] = {{"mp3", "ID3", {}},
               {"wav", MontaWave8kMono(Padrao(800)), {Plat.Caminho(QStringLiteral("20261209100000.wav"))}}};
  for (const auto& c : casos) {
    cfg.formato = QString::fromLatin1(c.Formato);
    P().Usuario.push_back([&](QDialog* d) {
      auto* t = qobject_cast<TfrmConverteTTSKR*>(d);
      EXPECT_EQ(t->ttskrMsgConverte, QStringLiteral("bem-vindo à central"));
      EXPECT_EQ(t->ttskrArquivoSaida, Plat.Caminho(QStringLiteral("20261209100000.") + cfg.formato));
      const QStringList dados{
          t->ttskrURL,       t->ttskrUsername,    t->ttskrPassword,       t->ttskrLocutora,
          t->ttskrUserAgent, t->ttskrNomeCliente, t->ttskrFormatoArquivo, QString::number(t->ttskrNBits)};
      EXPECT_EQ(dados,
                (QStringList{cfg.EnderecoServ, cfg.Login, cfg.Senha, cfg.Locutor,
                             QStringLiteral("Parlino Versão 1.0.0.1"), cfg.Empresa, cfg.formato, QStringLiteral("8")}));
      EXPECT_TRUE(t->ttskrModoJSON);
      GravaArquivo(t->ttskrArquivoSaida, c.Resultado);
      t->ttskrResultado = true;
      return int(QDialog::Accepted);
    });
    j.btTTSClick();
    EXPECT_EQ(j.listaArquivos, c.Espera) << c.Formato;
    EXPECT_TRUE(P().Caixas.empty()) << c.Formato;
  }
  EXPECT_EQ(Campo(j, "edNomeArquivo")->text(), QStringLiteral("20261209100000.wav"));
}

TEST_F(Envio, GravarETextoParaAudioPerguntamAntesDeSubstituirAEspera) {
  JanelaPrincipal principal;
  TSessaoServidor sessao(&principal);
  sessao.bTemTTS = true;
  sessao.CfgTTSServ.Login = QStringLiteral("conta");
  sessao.CfgTTSServ.EnderecoServ = QStringLiteral("http://tts.invalid/api");
  const struct {
    void (TfrmEnviarArquivo::*Comando)();
    const char* Janela;
  } casos[] = {{&TfrmEnviarArquivo::btGravarClick, "TfrmGravarAudio"},
               {&TfrmEnviarArquivo::btTTSClick, "TfrmConverteTTSKR"}};
  for (const auto& c : casos) {
    for (TResposta r : {TResposta::Nao, TResposta::Sim}) {
      TfrmEnviarArquivo j(&sessao, false);
      Escolhe(j, {ArquivoValido(QStringLiteral("a.wav"))});
      Campo(j, "edDescricao")->setText(QStringLiteral("d"));
      P().DialogosModais.clear();
      P().Respostas.push_back(r);
      (j.*c.Comando)();
      EXPECT_EQ(P().Textos(), QStringList{QStringLiteral("Existem arquivos para enviar. Deseja continuar?")})
          << c.Janela;
      EXPECT_EQ(P().DialogosModais, r == TResposta::Sim ? QStringList{QString::fromLatin1(c.Janela)} : QStringList{});
      // Cancelled in the dialog: the waiting file stays.
      EXPECT_EQ(j.listaArquivos.size(), 1) << c.Janela;
      P().Caixas.clear();
    }
  }
}

TEST_F(Envio, FecharGravaAsPosicoesQueAProximaJanelaLe) {
  {
    TfrmEnviarArquivo j(nullptr, true);
    j.move(30, 40);
    j.PlayGraficoClose(11, 22);
    j.leftTTS = 55;
    j.topTTS = 66;
    j.btSairClick();
  }
  const TConfiguracao cfg(QStringLiteral("TelaEnviarArquivo"));
  QList<int> gravado;
  for (const char* chave : {"Left", "Top", "LeftPlay", "TopPlay", "LeftTTS", "TopTTS"})
    gravado << cfg.LeInteiro(QString::fromLatin1(chave), -1);
  EXPECT_EQ(gravado, (QList<int>{30, 40, 11, 22, 55, 66}));
  TfrmEnviarArquivo k(nullptr, true);
  EXPECT_EQ(k.pos(), QPoint(30, 40));
  EXPECT_EQ(QList<int>({k.leftPlay, k.topPlay, k.leftTTS, k.topTTS}), (QList<int>{11, 22, 55, 66}));
}

TEST_F(Envio, GravacaoSubstituiAListaEOTemporarioSaiQuandoCancelada) {
  TfrmEnviarArquivo j(nullptr, true);
  // Cancelled; an empty take (no sample); a take kept.
  for (int amostras : {-1, 0, 800}) {
    const bool fica = amostras > 0;
    QString alvo;
    P().Usuario.push_back([&](QDialog* d) {
      auto* g = qobject_cast<TfrmGravarAudio*>(d);
      alvo = g->NomeArquivoGravar;
      EXPECT_EQ(LeArquivo(alvo), ModeloWaveGravacao());
      GravaArquivo(alvo, MontaWave8kMono(Padrao(qMax(0, amostras))));
      g->ArquivoGravado = true;
      return amostras < 0 ? int(QDialog::Rejected) : int(QDialog::Accepted);
    });
    j.btGravarClick();
    EXPECT_EQ(alvo, Plat.Caminho(QStringLiteral("20261209100000.wav")));
    EXPECT_EQ(QFile::exists(alvo), fica);
    EXPECT_EQ(j.listaArquivos, fica ? QStringList{alvo} : QStringList{});
    EXPECT_EQ(P().Caixas.size(), amostras == 0 ? 1u : 0u);
    P().Caixas.clear();
  }
}

}  // namespace
