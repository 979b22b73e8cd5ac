// ura-server-sim, started as a separate process on a free port and driven
// over raw TCP with the program's own request texts; its replies are read
// with the program's packet parser and decoders.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QXmlStreamReader>
#include <functional>
#include <iostream>
#include <memory>

#include "PacketManagerParser.h"
#include "Requisicoes.h"
#include "SessaoServidor.h"
#include "codepage.h"
#include "simulador.h"

// Readable failure messages.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

constexpr int kDeadlineMs = kPrazoTesteMs;

const QString kUsuario = QStringLiteral("operador");
const QString kSenha = QStringLiteral("s3nha");

// One received packet: its bytes and the program's reading of them.
struct Pacote {
  QByteArray bytes;
  std::shared_ptr<TPacketManagerParser> parser;

  QString operator[](const QString& campo) const { return parser ? parser->GetFieldValue(campo) : QString(); }
  QString evento() const { return (*this)[QStringLiteral("Event")].toLower(); }
  bool resposta(const QString& valor, const QString& actionId) const {
    return parser && parser->GetPacketType() == QStringLiteral("Response") &&
           (*this)[QStringLiteral("Response")] == valor && (*this)[QStringLiteral("ActionID")] == actionId;
  }
  // The raw bytes of a field value, before any decoding.
  QByteArray bruto(const QByteArray& campo) const {
    for (const QByteArray& linha : bytes.split('\n'))
      if (linha.startsWith(campo + ": ")) return linha.mid(campo.size() + 2).chopped(1);
    return {};
  }
};

// A raw TCP client of the simulator.
class Cliente {
 public:
  explicit Cliente(quint16 porta) {
    socket_.connectToHost(QStringLiteral("127.0.0.1"), porta);
    conectado_ = Espera([this] { return socket_.state() == QAbstractSocket::ConnectedState; });
  }
  bool conectado() const { return conectado_; }

  // Text requests travel through the code page, as the program sends them.
  void envia(const QString& texto) { enviaBytes(EncodeAnsi(texto)); }
  void enviaBytes(const QByteArray& bytes) {
    socket_.write(bytes);
    socket_.flush();
  }

  // The next packet; an empty one (no parser) when none came in time.
  Pacote proximo() {
    std::optional<Pacote> p;
    Espera([&] {
      p = extrai();
      return p.has_value() || socket_.state() != QAbstractSocket::ConnectedState;
    });
    return p.value_or(Pacote{});
  }

  // Packets up to and including the first one that satisfies fim.
  QList<Pacote> ate(const std::function<bool(const Pacote&)>& fim) {
    QList<Pacote> lidos;
    for (;;) {
      Pacote p = proximo();
      if (!p.parser) {
        ADD_FAILURE() << "no packet arrived; " << lidos.size() << " read before";
        return lidos;
      }
      lidos.append(p);
      if (fim(p)) return lidos;
    }
  }

  bool entra(const QString& usuario = kUsuario, const QString& senha = kSenha) {
    envia(Requisicao::Login(usuario, senha));
    return proximo().resposta(QStringLiteral("Success"), QStringLiteral("LoginUsuario"));
  }

  static bool Espera(const std::function<bool()>& cond) { return EsperaAte(cond); }

 private:
  std::optional<Pacote> extrai() {
    buffer_ += socket_.readAll();
    const qsizetype fim = buffer_.indexOf("\r\n\r\n");
    if (fim < 0) return std::nullopt;
    Pacote p{buffer_.left(fim + 4), nullptr};
    buffer_.remove(0, fim + 4);
    p.parser = std::make_shared<TPacketManagerParser>(DecodeAnsi(p.bytes));
    return p;
  }

  QTcpSocket socket_;
  QByteArray buffer_;
  bool conectado_ = false;
};

bool EhEvento(const Pacote& p, const char* nome) { return p.evento() == QLatin1String(nome); }

// Element names, attributes and non-blank texts in document order: what a
// reader of the file gets out of it, whatever the indentation.
std::string Conteudo(const QByteArray& xml) {
  QXmlStreamReader r(xml);
  QStringList out;
  while (!r.atEnd()) {
    r.readNext();
    if (r.isStartElement()) {
      out << QStringLiteral("<") + r.name().toString();
      for (const QXmlStreamAttribute& a : r.attributes())
        out << a.name().toString() + QStringLiteral("=") + a.value().toString();
    } else if (r.isEndElement()) {
      out << QStringLiteral("/") + r.name().toString();
    } else if (r.isCharacters() && !r.isWhitespace()) {
      out << r.text().toString();
    }
  }
  if (r.hasError()) out << QStringLiteral("ERROR ") + r.errorString();
  return out.join(u'\n').toStdString();
}

// A URA file of many indented lines, accents and multi-line texts whose
// continuation lines start with blanks that belong to the text.
QByteArray UraGrande(const QString& nome, int menus) {
  QStringList l{QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>"),
                QStringLiteral("<URA Nome=\"%1\" Descricao=\"Atenção\" MenuInicial=\"M0\" TipoUra=\"\">").arg(nome)};
  for (int i = 0; i < menus; ++i) {
    l << QStringLiteral("  <Menu Nome=\"M%1\">").arg(i)
      << QStringLiteral("    <Descricao>Opção %1 do menu; ligação é grátis").arg(i)
      << QStringLiteral("      continua com recuo %1</Descricao>").arg(i) << QString() << QStringLiteral("    <Final>")
      << QStringLiteral("      <Acao><Tipo>5</Tipo><Valor>M%1</Valor></Acao>").arg(i + 1)
      << QStringLiteral("    </Final>") << QStringLiteral("  </Menu>");
  }
  l << QStringLiteral("</URA>");
  return (l.join(u'\n') + u'\n').toUtf8();
}

class SimuladorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    atendimento_ = UraGrande(QStringLiteral("Atendimento Geral"), 40);
    Grava("atendimento.xml", atendimento_);
    Grava("vendas.xml",
          "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<URA Nome=\"Chat Vendas\" TipoUra=\"chat\">\n</URA>\n");
    Grava("outro.xml", "<?xml version=\"1.0\"?>\n<Config/>\n");
    Grava("mensagens.xml",
          "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<MensagensSonarea>\n  <Msg><Arquivo>bomdia</Arquivo>"
          "<Descricao>Bom dia</Descricao></Msg>\n</MensagensSonarea>\n");
    Grava("bomdia.wav", "RIFF");
    Grava("sim-headers.json", QStringLiteral(R"({
      "atendimento.xml": {"CriadoEm": "01/02/2024 10:00", "CriadoPor": "joão",
                          "ModificadoEm": "03/02/2024 11:30", "ModificadoPor": "ana"},
      "vendas.xml": {"PermissaoWrite": 0}})")
                                  .toUtf8());
    Grava("sim-lookup.json", QStringLiteral(R"({
      "Filas": [{"FilaId": 7, "Nome": "Recepção", "Tipo": "v"}, {"FilaId": "8", "Nome": "Chat", "Tipo": "c"}],
      "Grupos": [{"GrupoId": "3", "Nome": "Vendas"}],
      "Uras": ["5000", "atendimento.xml"],
      "Comandos": ["consultaSaldo", "abreChamado"],
      "TTS": {"Usuario": "tts", "Endereco": "http://127.0.0.1:9/tts", "Bits": 16, "Locutor": "voz"}})")
                                 .toUtf8());

    ASSERT_TRUE(
        sim_.Inicia({"--user", kUsuario, "--password", kSenha, "--version", "1.2.0.0", "--company", "Empresa X"}))
        << sim_.Erro().toStdString();
  }

  void TearDown() override {
    sim_.Para();
    if (HasFailure()) std::cerr << "simulator log:\n" << sim_.Log().toStdString();
  }

  void Grava(const char* nome, const QByteArray& bytes) { ASSERT_TRUE(sim_.Grava(QString::fromLatin1(nome), bytes)); }
  QByteArray Le(const QString& nome) const { return sim_.Le(nome); }
  QJsonObject Cabecalho(const QString& nome) const {
    return QJsonDocument::fromJson(Le(QStringLiteral("sim-headers.json"))).object().value(nome).toObject();
  }

  std::unique_ptr<Cliente> Conecta(bool login = true) {
    auto c = std::make_unique<Cliente>(sim_.Porta());
    EXPECT_TRUE(c->conectado());
    if (login) {
      EXPECT_TRUE(c->entra());
    }
    return c;
  }

  Simulador sim_;
  QByteArray atendimento_;
};

TEST_F(SimuladorTest, RefusesBadLoginEarlyRequestsAndUnknownActions) {
  auto c = Conecta(false);

  c->envia(Requisicao::ListaDeUras());
  Pacote p = c->proximo();
  EXPECT_TRUE(p.resposta(QStringLiteral("Error"), QStringLiteral("ListaUrasSelecionar"))) << p.bytes.toStdString();
  EXPECT_FALSE(p[QStringLiteral("Message")].isEmpty());

  c->envia(Requisicao::Login(kUsuario, QStringLiteral("errada")));
  p = c->proximo();
  EXPECT_TRUE(p.resposta(QStringLiteral("Error"), QStringLiteral("LoginUsuario"))) << p.bytes.toStdString();
  // The program shows a login refusal as received: it comes in the code page.
  EXPECT_EQ(p.bruto("Message"), EncodeAnsi(QStringLiteral("Usuário ou senha inválidos")));
  EXPECT_EQ(p[QStringLiteral("Message")], QStringLiteral("Usuário ou senha inválidos"));

  // A refused login leaves the client logged out.
  c->envia(Requisicao::LerXml(QStringLiteral("atendimento.xml")));
  EXPECT_TRUE(c->proximo().resposta(QStringLiteral("Error"), QStringLiteral("LerXml")));

  ASSERT_TRUE(c->entra());
  c->envia(QStringLiteral("Action: ApagaTudo\r\nActionId: Teste1\r\n\r\n"));
  p = c->proximo();
  EXPECT_TRUE(p.resposta(QStringLiteral("Error"), QStringLiteral("Teste1"))) << p.bytes.toStdString();
  EXPECT_TRUE(GetUtf8ToAnsiMessage(p[QStringLiteral("Message")]).contains(QStringLiteral("ApagaTudo")));

  // Login state belongs to the connection.
  auto outro = Conecta(false);
  outro->envia(Requisicao::GetInfoServer());
  EXPECT_TRUE(outro->proximo().resposta(QStringLiteral("Error"), QStringLiteral("GetInfoServer")));
}

TEST_F(SimuladorTest, SurvivesGarbageAndKeepsAnswering) {
  auto c = Conecta();
  QByteArray lixo(4096, '\0');
  for (int i = 0; i < lixo.size(); ++i) lixo[i] = static_cast<char>((i * 151 + 7) % 256);
  c->enviaBytes(lixo + "\r\n\r\n");
  c->enviaBytes("\r\n\r\nsem dois pontos\r\n\r\n");
  c->envia(Requisicao::GetInfoServer());
  const QList<Pacote> lidos = c->ate([](const Pacote& p) { return EhEvento(p, "infoservura"); });
  ASSERT_FALSE(lidos.isEmpty());
  EXPECT_EQ(lidos.last()[QStringLiteral("Version")], QStringLiteral("1.2.0.0"));
  EXPECT_EQ(lidos.last()[QStringLiteral("EmpresaOndaris")], QStringLiteral("Empresa X"));
  for (qsizetype i = 0; i + 1 < lidos.size(); ++i)
    EXPECT_EQ(lidos[i][QStringLiteral("Response")], QStringLiteral("Error")) << lidos[i].bytes.toStdString();
}

// Packets of very many header lines are refused after a bounded number of
// fields, and their log line stays short; the connection keeps working.
TEST_F(SimuladorTest, RefusesPacketsOfTooManyFields) {
  auto c = Conecta();
  sim_.Log();
  const struct {
    int Linhas;
    bool Aceito;
  } casos[] = {{990, true}, {1001, false}, {2'000'000, false}};
  for (const auto& caso : casos) {
    QByteArray muitas = "Action: GetInfoServer\r\nActionId: Muitos\r\n";
    for (int i = 2; i < caso.Linhas; ++i) muitas += "a:\r\n";
    c->enviaBytes(muitas + "\r\n");
    const Pacote p = c->proximo();
    ASSERT_TRUE(p.parser) << caso.Linhas;
    EXPECT_EQ(p.resposta(QStringLiteral("Error"), QStringLiteral("Muitos")), !caso.Aceito) << p.bytes.toStdString();
    if (caso.Aceito) {
      EXPECT_TRUE(EhEvento(p, "infoservura")) << p.bytes.toStdString();
    }
  }
  for (const QString& linha : sim_.Log().split(u'\n')) EXPECT_LT(linha.size(), 5000);
}

TEST_F(SimuladorTest, AnswersLookupRequestsFromTheJsonFile) {
  auto c = Conecta();
  c->envia(Requisicao::ListaFilas());
  QList<Pacote> filas = c->ate([](const Pacote& p) { return EhEvento(p, "krdbcomplete"); });
  ASSERT_EQ(filas.size(), 3);
  EXPECT_EQ(filas[0][QStringLiteral("KRDBActionID")], QStringLiteral("KRDBListaFilas"));
  EXPECT_EQ(filas[0][QStringLiteral("FilaId")], QStringLiteral("7"));
  EXPECT_EQ(filas[0][QStringLiteral("Nome")], QStringLiteral("Recepção"));
  EXPECT_EQ(filas[1][QStringLiteral("Tipo")], QStringLiteral("c"));

  c->envia(Requisicao::ListaUras());
  QList<Pacote> uras = c->ate([](const Pacote& p) { return EhEvento(p, "krdbcomplete"); });
  ASSERT_EQ(uras.size(), 3);
  EXPECT_EQ(uras[1][QStringLiteral("Numero")], QStringLiteral("atendimento.xml"));

  c->envia(Requisicao::ListaComandos());
  QList<Pacote> comandos = c->ate([](const Pacote& p) { return EhEvento(p, "listcommandscomplete"); });
  ASSERT_EQ(comandos.size(), 2);
  EXPECT_EQ(comandos[0][QStringLiteral("Commands")], QStringLiteral("consultaSaldo,abreChamado"));

  c->envia(Requisicao::GetTTSConfig());
  const Pacote tts = c->proximo();
  EXPECT_EQ(tts.evento(), QStringLiteral("ttsconfig"));
  EXPECT_EQ(tts[QStringLiteral("Endereco")], QStringLiteral("http://127.0.0.1:9/tts"));
  EXPECT_EQ(tts[QStringLiteral("Bits")], QStringLiteral("16"));
  EXPECT_EQ(tts[QStringLiteral("Locutor")], QStringLiteral("voz"));

  c->envia(Requisicao::ListaArquivosWav());
  QList<Pacote> wavs = c->ate([](const Pacote& p) { return EhEvento(p, "listwavfilescomplete"); });
  ASSERT_EQ(wavs.size(), 2);
  EXPECT_EQ(wavs[0][QStringLiteral("Files")], QStringLiteral("bomdia"));
}

TEST_F(SimuladorTest, ListsUraHeadersThenComplete) {
  auto c = Conecta();
  c->envia(Requisicao::ListaDeUras());
  const QList<Pacote> lidos = c->ate([](const Pacote& p) { return EhEvento(p, "listxmluracomplete"); });
  // Catalogues and XML files of another root are not URA files.
  ASSERT_EQ(lidos.size(), 3);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(lidos[i].evento(), QStringLiteral("xmlfileheader"));
    EXPECT_EQ(lidos[i][QStringLiteral("ActionID")], QStringLiteral("ListaUrasSelecionar"));
  }
  const Pacote& a = lidos[0];
  EXPECT_EQ(a[QStringLiteral("NomeArquivo")], QStringLiteral("atendimento.xml"));
  EXPECT_EQ(a[QStringLiteral("NomeUra")], QStringLiteral("Atendimento Geral"));
  EXPECT_EQ(a[QStringLiteral("CriadoEm")], QStringLiteral("01/02/2024 10:00"));
  EXPECT_EQ(a[QStringLiteral("CriadoPor")], QStringLiteral("joão"));
  EXPECT_EQ(a[QStringLiteral("ModificadoPor")], QStringLiteral("ana"));
  EXPECT_EQ(a[QStringLiteral("AtivadoEm")], QStringLiteral(""));
  EXPECT_EQ(a[QStringLiteral("PermissaoWrite")], QStringLiteral("1"));
  const Pacote& v = lidos[1];
  EXPECT_EQ(v[QStringLiteral("NomeArquivo")], QStringLiteral("vendas.xml"));
  EXPECT_EQ(v[QStringLiteral("NomeUra")], QStringLiteral("Chat Vendas"));
  EXPECT_EQ(v[QStringLiteral("TipoUra")], QStringLiteral("chat"));
  EXPECT_EQ(v[QStringLiteral("PermissaoWrite")], QStringLiteral("0"));
}

TEST_F(SimuladorTest, ReadsUraAsLinePartsThenComplete) {
  auto c = Conecta();
  c->envia(Requisicao::LerXml(QStringLiteral("atendimento.xml")));
  const QList<Pacote> lidos = c->ate([](const Pacote& p) { return EhEvento(p, "readxmluracomplete"); });
  ASSERT_GE(lidos.size(), 4) << "a file of this size comes in several parts";

  QByteArray bruto;
  QStringList linhas;  // as the program collects them
  for (qsizetype i = 0; i + 1 < lidos.size(); ++i) {
    const Pacote& p = lidos[i];
    ASSERT_EQ(p.evento(), QStringLiteral("xmlfilepart"));
    const QByteArray parte = p.bytes.mid(p.bytes.indexOf("FilePart: ") + 10).chopped(4);
    EXPECT_TRUE(parte.endsWith("<#10>")) << "a part ends a line";
    EXPECT_FALSE(parte.contains('\n') || parte.contains('\r'));
    bruto += parte;
    linhas += DecodificaParteArquivo(p[QStringLiteral("FilePart")]).split(QStringLiteral("<#10>"));
    linhas.removeLast();
  }
  EXPECT_EQ(bruto.replace("<#10>", "\n"), atendimento_);
  // The program trims each value; what it rebuilds must still be the same document.
  EXPECT_EQ(Conteudo(linhas.join(u'\n').toUtf8()), Conteudo(atendimento_));

  const Pacote& fim = lidos.last();
  EXPECT_EQ(fim[QStringLiteral("Filename")], QStringLiteral("atendimento.xml"));
  EXPECT_EQ(fim[QStringLiteral("PermissaoWrite")], QStringLiteral("1"));

  c->envia(Requisicao::LerXml(QStringLiteral("nao-existe.xml")));
  EXPECT_TRUE(c->proximo().resposta(QStringLiteral("Error"), QStringLiteral("LerXml")));
  c->envia(Requisicao::LerXml(QStringLiteral("../atendimento.xml")));
  EXPECT_TRUE(c->proximo().resposta(QStringLiteral("Error"), QStringLiteral("LerXml")));
}

TEST_F(SimuladorTest, SavesUraInPartsAndKeepsHeaderData) {
  auto c = Conecta();
  const QByteArray novo = UraGrande(QStringLiteral("Nova"), 12);
  QStringList linhas = QString::fromUtf8(novo).split(u'\n');
  linhas.removeLast();  // after the final line feed
  const QList<QByteArray> partes = MontaPartesArquivo(linhas);
  ASSERT_GT(partes.size(), 2);

  const auto salva = [&](const QString& arquivo, const QString& nomeUra) {
    c->envia(Requisicao::SalvaXmlUra(arquivo, nomeUra));
    const Pacote inicio = c->proximo();
    if (inicio.evento() != QStringLiteral("xmlfilestartsend")) return inicio;
    for (const QByteArray& parte : partes) c->enviaBytes(Requisicao::ParteXmlUra(arquivo, parte));
    c->envia(Requisicao::FimXmlUra(arquivo));
    return c->proximo();
  };

  Pacote p = salva(QStringLiteral("nova.xml"), QStringLiteral("Nova"));
  EXPECT_TRUE(p.resposta(QStringLiteral("Success"), QStringLiteral("SaveXmlUra"))) << p.bytes.toStdString();
  EXPECT_EQ(Le(QStringLiteral("nova.xml")), novo);
  QJsonObject h = Cabecalho(QStringLiteral("nova.xml"));
  EXPECT_EQ(h.value("CriadoPor").toString(), kUsuario);
  EXPECT_EQ(h.value("ModificadoPor").toString(), kUsuario);
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d$"))
                  .match(h.value("CriadoEm").toString())
                  .hasMatch())
      << h.value("CriadoEm").toString().toStdString();

  // Header refresh after the save, as the program asks for it.
  c->envia(Requisicao::LeCabecalhoXmlUra(QStringLiteral("nova.xml")));
  p = c->proximo();
  EXPECT_EQ(p.evento(), QStringLiteral("xmlfileheader"));
  ASSERT_TRUE(p.parser);
  EXPECT_FALSE(p.parser->HasField(QStringLiteral("ActionID")));
  EXPECT_EQ(p[QStringLiteral("NomeUra")], QStringLiteral("Nova"));
  EXPECT_EQ(p[QStringLiteral("ModificadoEm")], h.value("ModificadoEm").toString());

  // Saving over an existing file keeps who created it.
  p = salva(QStringLiteral("atendimento.xml"), QStringLiteral("Nova"));
  EXPECT_TRUE(p.resposta(QStringLiteral("Success"), QStringLiteral("SaveXmlUra")));
  h = Cabecalho(QStringLiteral("atendimento.xml"));
  EXPECT_EQ(h.value("CriadoPor").toString(), QStringLiteral("joão"));
  EXPECT_EQ(h.value("CriadoEm").toString(), QStringLiteral("01/02/2024 10:00"));
  EXPECT_EQ(h.value("ModificadoPor").toString(), kUsuario);

  c->envia(Requisicao::AtivaXmlUra(QStringLiteral("nova.xml"), QStringLiteral("Nova")));
  EXPECT_TRUE(c->proximo().resposta(QStringLiteral("Success"), QStringLiteral("ActivateXmlUra")));
  EXPECT_EQ(Cabecalho(QStringLiteral("nova.xml")).value("AtivadoPor").toString(), kUsuario);
  c->envia(Requisicao::AtivaXmlUra(QStringLiteral("sumiu.xml"), QStringLiteral("X")));
  EXPECT_TRUE(c->proximo().resposta(QStringLiteral("Error"), QStringLiteral("ActivateXmlUra")));

  // A file without write permission is refused before any part is asked for.
  const QByteArray vendas = Le(QStringLiteral("vendas.xml"));
  p = salva(QStringLiteral("vendas.xml"), QStringLiteral("Chat Vendas"));
  EXPECT_TRUE(p.resposta(QStringLiteral("Error"), QStringLiteral("SaveXmlUra"))) << p.bytes.toStdString();
  EXPECT_EQ(Le(QStringLiteral("vendas.xml")), vendas);
}

TEST_F(SimuladorTest, RefusesMalformedUploads) {
  auto c = Conecta();
  const QString arquivo = QStringLiteral("atendimento.xml");

  c->envia(Requisicao::FimXmlUra(arquivo));
  EXPECT_TRUE(c->proximo().resposta(QStringLiteral("Error"), QStringLiteral("SaveXmlUra")));

  const auto envia = [&](const QByteArray& conteudo) {
    c->envia(Requisicao::SalvaXmlUra(arquivo, QStringLiteral("X")));
    EXPECT_EQ(c->proximo().evento(), QStringLiteral("xmlfilestartsend"));
    c->enviaBytes(Requisicao::ParteXmlUra(arquivo, conteudo));
    c->envia(Requisicao::FimXmlUra(arquivo));
    return c->proximo();
  };
  Pacote p = envia("<?xml version=\"1.0\"?>\n<URA Nome=\"X\">\n<Menu>\n</URA>\n");
  EXPECT_TRUE(p.resposta(QStringLiteral("Error"), QStringLiteral("SaveXmlUra"))) << p.bytes.toStdString();
  EXPECT_FALSE(GetUtf8ToAnsiMessage(p[QStringLiteral("Message")]).isEmpty());
  p = envia("<?xml version=\"1.0\"?>\n<MensagensSonarea/>\n");
  EXPECT_TRUE(p.resposta(QStringLiteral("Error"), QStringLiteral("SaveXmlUra")));
  EXPECT_EQ(Le(arquivo), atendimento_);

  c->envia(Requisicao::SalvaXmlMensagens(QString()));
  c->enviaBytes(Requisicao::ParteXmlMensagens("<?xml version=\"1.0\"?>\n<URA/>\n"));
  c->envia(Requisicao::FimXmlMensagens());
  EXPECT_TRUE(c->proximo().resposta(QStringLiteral("Error"), QStringLiteral("SaveXmlMessages")));
  EXPECT_TRUE(Le(QStringLiteral("mensagens.xml")).contains("bomdia"));
}

TEST_F(SimuladorTest, SavesAndReadsBothCatalogues) {
  auto c = Conecta();
  const QByteArray chat =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<MensagensChat>\n  <MsgChat><Descricao>Olá!</Descricao></MsgChat>\n"
      "</MensagensChat>\n";
  c->envia(Requisicao::SalvaXmlMensagens(QStringLiteral("mensagenschat.xml")));
  c->enviaBytes(Requisicao::ParteXmlMensagens(chat));
  c->envia(Requisicao::FimXmlMensagens());
  EXPECT_TRUE(c->proximo().resposta(QStringLiteral("Success"), QStringLiteral("SaveXmlMessages")));
  EXPECT_EQ(Le(QStringLiteral("mensagenschat.xml")), chat);

  c->envia(Requisicao::LeArquivoMensagensChat());
  QList<Pacote> lidos = c->ate([](const Pacote& p) { return EhEvento(p, "readxmlmessagescomplete"); });
  ASSERT_EQ(lidos.size(), 3);
  EXPECT_TRUE(lidos[0].resposta(QStringLiteral("Success"), QStringLiteral("LerXmlMensagensChat")));
  EXPECT_TRUE(DecodificaParteArquivo(lidos[1][QStringLiteral("FilePart")]).contains(QStringLiteral("Olá!")));
  EXPECT_EQ(lidos[2][QStringLiteral("ActionID")], QStringLiteral("LerXmlMensagensChat"));

  // An empty name is the audio catalogue.
  c->envia(Requisicao::LeArquivoMensagens(QString()));
  lidos = c->ate([](const Pacote& p) { return EhEvento(p, "readxmlmessagescomplete"); });
  ASSERT_EQ(lidos.size(), 3);
  EXPECT_TRUE(lidos[0].resposta(QStringLiteral("Success"), QStringLiteral("LerXmlMensagens")));
  EXPECT_TRUE(lidos[1][QStringLiteral("FilePart")].contains(QStringLiteral("<Arquivo>bomdia</Arquivo>")));
  EXPECT_EQ(lidos[2][QStringLiteral("ActionID")], QStringLiteral("LerXmlMensagens"));
}

TEST_F(SimuladorTest, UploadsAudioInHexBlocks) {
  auto c = Conecta();
  QByteArray audio(600, '\0');
  for (int i = 0; i < audio.size(); ++i) audio[i] = static_cast<char>(i * 37 % 256);

  c->envia(Requisicao::SalvaArquivoWav(QStringLiteral("saudacao.wav")));
  EXPECT_EQ(c->proximo().evento(), QStringLiteral("wavfilesendpart"));
  for (qsizetype i = 0; i < audio.size(); i += 250) {
    c->envia(Requisicao::BlocoArquivoWav(audio.mid(i, 250)));
    EXPECT_EQ(c->proximo().evento(), QStringLiteral("wavfilesendpart"));
  }
  c->envia(Requisicao::FimArquivoWav(QStringLiteral("saudacao.wav")));
  EXPECT_TRUE(c->proximo().resposta(QStringLiteral("Success"), QStringLiteral("SaveWavFile")));
  EXPECT_EQ(Le(QStringLiteral("saudacao.wav")), audio);

  c->envia(Requisicao::ListaArquivosWav());
  const QList<Pacote> lista = c->ate([](const Pacote& p) { return EhEvento(p, "listwavfilescomplete"); });
  EXPECT_EQ(lista.first()[QStringLiteral("Files")], QStringLiteral("bomdia,saudacao"));

  c->envia(Requisicao::SalvaArquivoWav(QStringLiteral("ruim.wav")));
  EXPECT_EQ(c->proximo().evento(), QStringLiteral("wavfilesendpart"));
  c->envia(QStringLiteral("Action: WavFilePart\r\nFilePart: 4G1\r\n\r\n"));
  EXPECT_TRUE(c->proximo().resposta(QStringLiteral("Error"), QStringLiteral("SaveWavFile")));
  c->envia(Requisicao::FimArquivoWav(QStringLiteral("ruim.wav")));
  EXPECT_TRUE(c->proximo().resposta(QStringLiteral("Error"), QStringLiteral("SaveWavFile")));
  EXPECT_FALSE(QFile::exists(sim_.Caminho(QStringLiteral("ruim.wav"))));

  c->envia(Requisicao::SalvaArquivoWav(QStringLiteral("../fora.wav")));
  EXPECT_TRUE(c->proximo().resposta(QStringLiteral("Error"), QStringLiteral("SaveWavFile")));
}

}  // namespace
