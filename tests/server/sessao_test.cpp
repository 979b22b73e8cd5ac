// The session with the server: the exact requests, the file parts in both
// directions, the dispatch of events and responses, and whole conversations
// with ura-server-sim and with small scripted servers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <cstring>
#include <iostream>
#include <memory>
#include <vector>

#include "EnvioAudio.h"
#include "Requisicoes.h"
#include "SessaoServidor.h"
#include "UTMenuUra.h"
#include "UTXMLDac.h"
#include "codepage.h"
#include "simulador.h"
#include "versao.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// ---- a window that records everything the session shows --------------------

struct Caixa {
  QString Texto;
  QString Titulo;
  bool Erro = false;
  bool operator==(const Caixa&) const = default;
};

void PrintTo(const Caixa& c, std::ostream* os) {
  *os << '{' << c.Titulo.toStdString() << " | " << c.Texto.toStdString() << (c.Erro ? " | erro" : "") << '}';
}

class JanelaGravadora : public IJanelaSessao {
 public:
  QStringList Status, InfoConexao, Versoes;
  std::vector<Caixa> Adiadas, Imediatas;
  std::vector<bool> Cursor;
  int Menus = 0, Botoes = 0, FechaLogin = 0, Selecoes = 0, Mostras = 0, Snapshots = 0, Ociosos = 0, Recebidos = 0;
  std::unique_ptr<TDAC> Dac;
  TSessaoServidor* Sessao = nullptr;
  // The open audio window's upload; null when the window is closed.
  TEnvioAudio* Audio = nullptr;

  void MostraStatus(const QString& Texto) override { Status << Texto; }
  void MostraInfoConexao(const QString& Texto) override { InfoConexao << Texto; }
  void HabilitaBotoesConexao() override { ++Botoes; }
  void FechaFormLogin() override { ++FechaLogin; }
  void MensagemAdiada(const QString& Texto, const QString& Titulo) override { Adiadas.push_back({Texto, Titulo}); }
  void MensagemImediata(const QString& Texto, const QString& Titulo, bool Erro) override {
    Imediatas.push_back({Texto, Titulo, Erro});
  }
  void CursorOcupado(bool Ocupado) override { Cursor.push_back(Ocupado); }
  void HabilitaMenus() override { ++Menus; }
  void MostraVersaoServidor(const QString& Versao) override { Versoes << Versao; }
  void AbreSelecaoUra() override { ++Selecoes; }
  TDAC* DacAtual() override { return Dac.get(); }
  void RecebeDac(std::unique_ptr<TDAC> Novo) override {
    Dac = std::move(Novo);
    ++Recebidos;
  }
  void MostraDac() override { ++Mostras; }
  void RenovaSnapshot() override { ++Snapshots; }
  void ProximoBlocoAudio() override {
    if (Audio && Sessao) Audio->ProximoBloco(*Sessao);
  }
  void AudioOcioso() override { ++Ociosos; }

  bool CursorNormal() const { return !Cursor.empty() && !Cursor.back(); }
};

// ---- documents and catalogues ------------------------------------------------

// A voice URA of Menus menus chained by option 1, each playing "bomdia".
std::unique_ptr<TDAC> NovoDac(const QString& Nome, const QString& Arquivo, int Menus) {
  auto d = std::make_unique<TDAC>();
  d->Nome = Nome;
  d->Descricao = QStringLiteral("Horário de atendimento, ligação grátis €");
  d->MenuInicial = QStringLiteral("M0");
  d->NomeArquivoServidor = Arquivo;
  for (int i = 0; i < Menus; ++i) {
    auto m = std::make_unique<TMenuUra>(d.get(), QStringLiteral("M%1").arg(i));
    m->Descricao = QStringLiteral("Opção %1 <principal> & \"aspas\"").arg(i);
    m->OpcaoTimeout->Tempo = 5;
    m->MensagemMenu->AddArquivo(QStringLiteral("bomdia"));
    auto o = std::make_unique<TMUOpcao>(d.get(), 0, QStringLiteral("1"));
    auto a = std::make_unique<TMUAcao>(d.get(), QStringLiteral("VAIPARA"));
    a->SetValor(QStringLiteral("M%1").arg(i + 1));
    o->ListaAcao->Add(std::move(a));
    o->ListaAcao->OpcaoAcao = o->GetValor();
    m->ListaOpcoes->Add(std::move(o));
    m->Final->ListaAcao->Add(std::make_unique<TMUAcao>(d.get(), QStringLiteral("DESLIGA")));
    d->ListaMenus->Add(std::move(m));
  }
  return d;
}

QStringList LinhasDoDac(const TDAC& Dac) {
  QStringList linhas;
  TXMLDac().DACToXMLStringList(&Dac, linhas);
  return linhas;
}

QStringList Impressao(const TDAC& Dac) {
  QStringList l;
  Dac.GetListConfig(&l);
  return l;
}

// A document read from the server: its identity flags, its file and its content.
void ConfereDocumentoDoServidor(const TDAC& Dac, const QString& Arquivo, bool PermissaoW, const TDAC& Original) {
  EXPECT_TRUE(Dac.Servidor);
  EXPECT_FALSE(Dac.Local);
  EXPECT_FALSE(Dac.RORIRO);
  EXPECT_FALSE(Dac.Novo);
  EXPECT_EQ(Dac.PermissaoW, PermissaoW);
  EXPECT_EQ(Dac.NomeArquivoServidor, Arquivo);
  EXPECT_EQ(Impressao(Dac), Impressao(Original));
}

// The catalogue entries as "file|description|exists".
QStringList Catalogo() {
  QStringList out;
  for (const auto& m : MenuUraInfoAuxiliar.ListaDeMensagens.Items())
    out << m->Arquivo + u'|' + m->Descricao + u'|' + (m->ArquivoExiste ? u'1' : u'0');
  return out;
}

void AdicionaMensagem(const QString& Arquivo, const QString& Descricao) {
  auto m = std::make_unique<TMUDescricaoMensagem>(Arquivo);
  m->Descricao = Descricao;
  MenuUraInfoAuxiliar.ListaDeMensagens.Add(std::move(m));
}

// A packet of "Name: value" lines.
QString Pacote(std::initializer_list<std::pair<const char*, QString>> Campos) {
  QString p;
  for (const auto& [nome, valor] : Campos)
    p += QString::fromUtf8(nome) + QStringLiteral(": ") + valor + QStringLiteral("\r\n");
  return p + QStringLiteral("\r\n");
}

QString Evento(const QString& Nome, std::initializer_list<std::pair<const char*, QString>> Campos = {}) {
  return QStringLiteral("Event: ") + Nome + QStringLiteral("\r\n") + Pacote(Campos);
}

// A value the server sent as UTF-8, as it arrives through the code page.
QString ComoRecebido(const QString& Texto) { return DecodeAnsi(Texto.toUtf8()); }

QByteArray Linhas99(int Quantas) {
  QByteArray out;
  for (int i = 0; i < Quantas; ++i) out += QByteArray(99, char('a' + i % 26)) + '\n';
  return out;
}

// ---- requests ------------------------------------------------------------------

TEST(Requisicoes, TextoExatoDeCadaPedido) {
  const QString arq = QStringLiteral("atendimento.xml");
  const QString ura = QStringLiteral("Atendimento");
  EXPECT_EQ(Requisicao::Login(QStringLiteral("operador"), QStringLiteral(" s3nh@ ção ")),
            QStringLiteral("Action: Login\r\nActionId: LoginUsuario\r\nUsername: operador\r\nPassword:  s3nh@ ção \r\n"
                           "ClientVersion: 1.1.11.3\r\n\r\n"));
  EXPECT_EQ(Requisicao::GetInfoServer(), QStringLiteral("Action: GetInfoServer\r\nActionId: GetInfoServer\r\n\r\n"));
  EXPECT_EQ(Requisicao::LeArquivoMensagens(QString()),
            QStringLiteral("Action: ReadXmlMessages\r\nActionId: LerXmlMensagens\r\nFilename: \r\n\r\n"));
  EXPECT_EQ(Requisicao::LeArquivoMensagensChat(),
            QStringLiteral(
                "Action: ReadXmlMessages\r\nActionId: LerXmlMensagensChat\r\nFilename: mensagenschat.xml\r\n\r\n"));
  EXPECT_EQ(Requisicao::ListaArquivosWav(),
            QStringLiteral("Action: ListWavFiles\r\nActionId: ListaArquivosWav\r\n\r\n"));
  EXPECT_EQ(
      Requisicao::ListaFilas(),
      QStringLiteral("Action: KRDBCommand\r\nActionId: KRDBListaFilas\r\nCommand: List\r\nTable: Fila\r\n"
                     "Fields: FilaId, Nome, Tipo\r\nFilter: WHERE PerfilConfiguracaoId = (SELECT "
                     "PerfilConfiguracaoId FROM PerfilConfiguracao WHERE Status = 1 LIMIT 0,1) and Ativa = 1\r\n\r\n"));
  EXPECT_EQ(Requisicao::ListaGrupos(),
            QStringLiteral("Action: KRDBCommand\r\nActionId: KRDBListaGrupos\r\nCommand: List\r\nTable: Grupo\r\n"
                           "Fields: GrupoId, Nome\r\nFilter: WHERE PerfilConfiguracaoId = (SELECT PerfilConfiguracaoId "
                           "FROM PerfilConfiguracao WHERE Status = 1 LIMIT 0,1)\r\n\r\n"));
  EXPECT_EQ(Requisicao::ListaUras(),
            QStringLiteral("Action: KRDBCommand\r\nActionId: KRDBListaUras\r\nCommand: List\r\nTable: RotaDestino\r\n"
                           "Fields: Numero\r\nFilter: WHERE Destino = 'u' AND PerfilConfiguracaoId = (SELECT "
                           "PerfilConfiguracaoId FROM PerfilConfiguracao WHERE Status = 1 LIMIT 0,1)\r\n\r\n"));
  EXPECT_EQ(Requisicao::ListaComandos(), QStringLiteral("Action: ListCommands\r\nActionId: ListaComandos\r\n\r\n"));
  EXPECT_EQ(Requisicao::GetTTSConfig(), QStringLiteral("Action: GetTTSConfig\r\nActionId: GetTTSConfig\r\n\r\n"));
  EXPECT_EQ(Requisicao::ListaDeUras(), QStringLiteral("Action: ListXmlUra\r\nActionId: ListaUrasSelecionar\r\n\r\n"));
  EXPECT_EQ(Requisicao::LerXml(arq),
            QStringLiteral("Action: ReadXmlUra\r\nActionId: LerXml\r\nFilename: atendimento.xml\r\n\r\n"));
  EXPECT_EQ(Requisicao::SalvaXmlUra(arq, ura),
            QStringLiteral("Action: SaveXmlUra\r\nActionId: SaveXmlUra\r\nFileName: atendimento.xml\r\n"
                           "UraName: Atendimento\r\n\r\n"));
  EXPECT_EQ(Requisicao::FimXmlUra(arq),
            QStringLiteral("Action: SendXmlFileComplete\r\nActionId: SaveXmlUra\r\nFileName: atendimento.xml\r\n\r\n"));
  EXPECT_EQ(Requisicao::LeCabecalhoXmlUra(arq),
            QStringLiteral("Action: ReadXmlUraHeader\r\nFileName: atendimento.xml\r\n\r\n"));
  EXPECT_EQ(Requisicao::AtivaXmlUra(arq, ura),
            QStringLiteral("Action: ActivateXmlUra\r\nActionId: ActivateXmlUra\r\nFileName: atendimento.xml\r\n"
                           "UraName: Atendimento\r\n\r\n"));
  EXPECT_EQ(Requisicao::SalvaXmlMensagens(QString()),
            QStringLiteral("Action: SaveXmlMessages\r\nActionId: SaveXmlMessages\r\nFileName: \r\n\r\n"));
  EXPECT_EQ(
      Requisicao::SalvaXmlMensagens(QStringLiteral("mensagenschat.xml")),
      QStringLiteral("Action: SaveXmlMessages\r\nActionId: SaveXmlMessages\r\nFileName: mensagenschat.xml\r\n\r\n"));
  EXPECT_EQ(Requisicao::FimXmlMensagens(),
            QStringLiteral("Action: SendXmlMessageFileComplete\r\nActionId: SaveXmlMessages\r\n\r\n"));
  EXPECT_EQ(Requisicao::SalvaArquivoWav(QStringLiteral("saudacao.wav")),
            QStringLiteral("Action: SaveWavFile\r\nActionId: SaveWavFile\r\nFileName: saudacao.wav\r\n\r\n"));
  EXPECT_EQ(Requisicao::BlocoArquivoWav(QByteArray("\x00\xff\x0a\x7f\xab", 5)),
            QStringLiteral("Action: WavFilePart\r\nFilePart: 00FF0A7FAB\r\n\r\n"));
  EXPECT_EQ(Requisicao::FimArquivoWav(QStringLiteral("saudacao.wav")),
            QStringLiteral("Action: SendWavFileComplete\r\nFileName: saudacao.wav\r\n\r\n"));
  EXPECT_EQ(Requisicao::RecarregaContas(QStringLiteral("cliente.xml")),
            QStringLiteral("Action: ReloadXmlAccounts\r\nUsername: supervisor\r\nSecret: cravino\r\nClientType: "
                           "Talvora\r\nClientName: Talvora\r\nDACFileName: cliente.xml\r\nActionId: "
                           "ReloadXmlAccounts\r\n\r\n"));
}

TEST(Requisicoes, PartesVaoComoBytesPreparados) {
  // The header goes through the code page, the part as the UTF-8 bytes it is.
  const QByteArray parte = QStringLiteral("<A>é€</A>\n").toUtf8();
  EXPECT_EQ(Requisicao::ParteXmlUra(QStringLiteral("ação.xml"), parte),
            QByteArray("Action: XmlFilePart\r\nFileName: a\xE7\xE3o.xml\r\nFilePart: ") + parte + "\r\n\r\n");
  EXPECT_EQ(Requisicao::ParteXmlMensagens(parte),
            QByteArray("Action: XmlMessageFilePart\r\nFilePart: ") + parte + "\r\n\r\n");
  // A full audio block is 500 hexadecimal characters.
  const QString bloco = Requisicao::BlocoArquivoWav(QByteArray(250, '\xC3'));
  EXPECT_EQ(bloco, QStringLiteral("Action: WavFilePart\r\nFilePart: ") +
                       QString(500, u'C').replace(QStringLiteral("CC"), QStringLiteral("C3")) +
                       QStringLiteral("\r\n\r\n"));
}

QList<qsizetype> Tamanhos(const QList<QByteArray>& Partes) {
  QList<qsizetype> out;
  for (const QByteArray& p : Partes) out << p.size();
  return out;
}

TEST(MontaPartesArquivo, CortaDepoisDeMaisDe500Bytes) {
  const QStringList linhas99 = QString::fromLatin1(Linhas99(13)).split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(linhas99.size(), 13);

  // Five lines are 500 bytes, not more: the sixth line closes the part.
  QList<QByteArray> partes = MontaPartesArquivo(linhas99.mid(0, 5));
  EXPECT_THAT(Tamanhos(partes), ElementsAre(500));
  partes = MontaPartesArquivo(linhas99.mid(0, 6));
  EXPECT_THAT(Tamanhos(partes), ElementsAre(600));

  // 1,250 bytes: twelve lines of 99 characters and one of 49.
  QStringList arquivo = linhas99.mid(0, 12);
  arquivo << QString(49, u'z');
  partes = MontaPartesArquivo(arquivo);
  EXPECT_THAT(Tamanhos(partes), ElementsAre(600, 600, 50));
  EXPECT_EQ(partes.join(), Linhas99(12) + QByteArray(49, 'z') + '\n');
  for (const QByteArray& p : partes) EXPECT_TRUE(p.endsWith('\n')) << "a part holds whole lines";

  EXPECT_TRUE(MontaPartesArquivo({}).isEmpty());
  // An empty line still travels as its line feed.
  EXPECT_THAT(MontaPartesArquivo({QString()}), ElementsAre(QByteArray("\n")));
  // A line longer than a part goes alone, whole.
  EXPECT_THAT(Tamanhos(MontaPartesArquivo({QString(2000, u'x'), QStringLiteral("y")})), ElementsAre(2001, 2));
}

// Every character of the BMP alone, and the parts the writer makes as it
// goes equal those made from its list of lines.
TEST(MontaPartesArquivo, CadaCaractereEAsLinhasDoEscritor) {
  for (char32_t c = 0; c <= 0xFFFF; ++c) {
    const QString texto = QStringLiteral("a") + QChar(char16_t(c)) + u'b';
    ASSERT_EQ(MontaPartesArquivo({texto}), QList<QByteArray>{ReduceToAnsi(texto).toUtf8() + '\n'}) << int(c);
  }
  TDAC dac;
  dac.Nome = QStringLiteral("preço € 中文 😀 \t\r\n") + QChar(0xD800);
  for (int i = 0; i < 40; ++i) {
    auto m = std::make_unique<TMenuUra>(&dac, dac.Nome + QString::number(i));
    m->Descricao = dac.Nome;
    m->Final->ListaAcao->Add(std::make_unique<TMUAcao>(&dac, QStringLiteral("DESLIGA")));
    dac.ListaMenus->Add(std::move(m));
  }
  QStringList linhas;
  TXMLDac().DACToXMLStringList(&dac, linhas);
  TPartesArquivo montador;
  TXMLDac().DACToXML(&dac, montador);
  const QList<QByteArray> partes = MontaPartesArquivo(linhas);
  EXPECT_EQ(montador.Partes(), partes);
  // Made inside their requests, the parts are the same.
  const QString nome = QStringLiteral("a ç.xml");
  TPartesArquivo pedidos(Requisicao::InicioParteXmlUra(nome), Requisicao::kFimParte);
  TXMLDac().DACToXML(&dac, pedidos);
  QList<QByteArray> esperados;
  for (const QByteArray& p : partes) esperados << Requisicao::ParteXmlUra(nome, p);
  EXPECT_EQ(pedidos.Partes(), esperados);
}

TEST(MontaPartesArquivo, ReduzAoCodigoDePaginaEnviaUtf8) {
  const QList<QByteArray> partes = MontaPartesArquivo({QStringLiteral("preço € ação"), QStringLiteral("中文 😀 ok")});
  ASSERT_EQ(partes.size(), 1);
  // "€" exists in the code page and leaves as its three UTF-8 bytes; a
  // character outside it (also one made of a surrogate pair) becomes one "?".
  EXPECT_EQ(partes[0], QStringLiteral("preço € ação\n?? ? ok\n").toUtf8());
}

// Long text goes through the code page in blocks; the result must be the
// one of each character on its own, wherever the special ones fall.
TEST(CodigoDePagina, TextoLongoIgualAoDeCadaCaractere) {
  const QList<char16_t> especiais = {0x80, 0x81, 0x9F, 0xA0, 0xE7, 0xFF, 0x100, 0x20AC, 0x2014, 0x4E2D, 0xFFFD};
  for (const qsizetype tamanho : {31, 32, 33, 64, 65, 100}) {
    for (const qsizetype onde : {qsizetype(0), qsizetype(31), qsizetype(32), tamanho - 1}) {
      for (const char16_t c : especiais) {
        if (onde >= tamanho) continue;
        QString texto(tamanho, u'x');
        texto[onde] = QChar(c);
        QByteArray esperado;
        QString reduzido;
        for (const QChar ch : texto) {
          esperado += EncodeAnsi(QString(ch));
          reduzido += ReduceToAnsi(QString(ch));
        }
        SCOPED_TRACE(QStringLiteral("%1 chars, U+%2 at %3")
                         .arg(tamanho)
                         .arg(int(c), 4, 16, QChar(u'0'))
                         .arg(onde)
                         .toStdString());
        EXPECT_EQ(EncodeAnsi(texto), esperado);
        EXPECT_EQ(ReduceToAnsi(texto), reduzido);
        EXPECT_EQ(DecodeAnsi(esperado), reduzido);
        EXPECT_EQ(MontaPartesArquivo({texto}), QList<QByteArray>{reduzido.toUtf8() + '\n'});
      }
    }
  }
  // A surrogate pair across two blocks is one character: one "?".
  QString par = QString(31, u'a') + QStringLiteral("😀") + QString(31, u'b');
  EXPECT_EQ(EncodeAnsi(par), QByteArray(31, 'a') + '?' + QByteArray(31, 'b'));
  EXPECT_EQ(ReduceToAnsi(par), QString(31, u'a') + u'?' + QString(31, u'b'));
  // A lone surrogate is one "?" as well.
  par[31] = QChar(0xD83D);
  par[32] = QChar(u'c');
  EXPECT_EQ(EncodeAnsi(par), QByteArray(31, 'a') + "?c" + QByteArray(31, 'b'));
}

TEST(Decodificacao, MensagensDeErroEmUtf8) {
  EXPECT_EQ(GetUtf8ToAnsiMessage(ComoRecebido(QStringLiteral("Arquivo não encontrado: ação €"))),
            QStringLiteral("Arquivo não encontrado: ação €"));
  // Text that is not valid UTF-8 (here code-page text) stays as received.
  const QString cp = DecodeAnsi(QByteArray("Sess\xE3o expirada"));
  EXPECT_EQ(GetUtf8ToAnsiMessage(cp), cp);
  const QString cortado = DecodeAnsi(QByteArray("fim \xE2\x82"));
  EXPECT_EQ(GetUtf8ToAnsiMessage(cortado), cortado);
  EXPECT_EQ(GetUtf8ToAnsiMessage(QString()), QString());
  EXPECT_EQ(GetUtf8ToAnsiMessage(QStringLiteral("plain ascii")), QStringLiteral("plain ascii"));
}

TEST(Decodificacao, Utf8QueAPaginaGuarda) {
  const std::pair<QByteArray, bool> casos[] = {
      {"", true},
      {"ascii <#10> 0123456789", true},
      {"a\xC3\xA7\xC3\xA3o \xE2\x82\xAC \xE2\x84\xA2 \xC2\x81 \xC3\xBF", true},
      {"\xC2\x80", false},          // U+0080: the page's byte 0x80 is the euro sign
      {"\xC3", false},              // cut
      {"\xE2\x82", false},          // cut
      {"\xC3\x28", false},          // not a continuation
      {"\xA7", false},              // a lone continuation
      {"\xC1\xA1", false},          // longer form than needed
      {"\xE0\x81\xA1", false},      // longer form than needed
      {"\xED\xA0\x80", false},      // a surrogate's code
      {"\xE4\xB8\xAD", false},      // a character the page lacks
      {"\xF0\x9F\x98\x80", false},  // four bytes
      {"1234567\xC3\xA7", true},
      {"12345678\xC3", false},
  };
  for (const auto& [bytes, esperado] : casos)
    EXPECT_EQ(Utf8NaPagina(bytes), esperado) << bytes.toHex(' ').toStdString();
}

TEST(Decodificacao, ParteDeArquivo) {
  EXPECT_EQ(DecodificaParteArquivo(ComoRecebido(QStringLiteral("<A>ação €</A><#10>"))),
            QStringLiteral("<A>ação €</A><#10>"));
  // Valid UTF-8 of characters outside the code page is reduced to it.
  EXPECT_EQ(DecodificaParteArquivo(ComoRecebido(QStringLiteral("中 😀<#10>"))), QStringLiteral("? ?<#10>"));
  const QString cp = DecodeAnsi(QByteArray("<A>a\xE7\xE3o</A>"));
  EXPECT_EQ(DecodificaParteArquivo(cp), cp);
  EXPECT_EQ(DecodificaParteArquivo(QString()), QString());
}

// ---- dispatch of single packets ----------------------------------------------------

class SessaoTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    MenuUraInfoAuxiliar.Clear();
    Janela.Sessao = &Sessao;
  }
  void TearDown() override { MenuUraInfoAuxiliar.Clear(); }

  // A packet as the connection hands it over: its bytes first, as text when
  // the bytes are declined.
  void Recebe(const QString& Texto) {
    if (!Sessao.OnClientManagerPacketBytes(Sessao.ClientManager.get(), EncodeAnsi(Texto))) RecebeComoTexto(Texto);
  }
  void RecebeComoTexto(const QString& Texto) { Sessao.OnClientManagerPacket(Sessao.ClientManager.get(), Texto); }
  void Parte(const QString& Texto) { Recebe(Evento(QStringLiteral("xmlfilepart"), {{"FilePart", Texto}})); }

  // Nothing visible happened.
  void EsperaSilencio() {
    EXPECT_THAT(Janela.Status, IsEmpty());
    EXPECT_THAT(Janela.Adiadas, IsEmpty());
    EXPECT_THAT(Janela.Imediatas, IsEmpty());
    EXPECT_EQ(Janela.Recebidos, 0);
    EXPECT_EQ(Janela.Selecoes, 0);
    EXPECT_EQ(Janela.Mostras, 0);
  }

  JanelaGravadora Janela;
  TSessaoServidor Sessao{&Janela};
};

TEST_F(SessaoTeste, PartesViramLinhasDoReceptor) {
  Parte(QStringLiteral("a<#10>b<#10>"));
  EXPECT_THAT(Sessao.XMLDocument1.Lines(), ElementsAre(u"a", u"b"));
  Parte(QStringLiteral("c<#10>d"));
  EXPECT_THAT(Sessao.XMLDocument1.Lines(), ElementsAre(u"a", u"b", u"c", u"d"));
  Parte(QStringLiteral("<#10>"));
  EXPECT_THAT(Sessao.XMLDocument1.Lines(), ElementsAre(u"a", u"b", u"c", u"d", u""));
  Parte(QStringLiteral("<#10><#10>x<#10>"));
  EXPECT_THAT(Sessao.XMLDocument1.Lines().mid(5), ElementsAre(u"", u"", u"x"));
  // Only the whole mark ends a line.
  Sessao.XMLDocument1.Reset();
  Parte(QStringLiteral("#a&#xA;b<#10>c#<#10><#1<#10><#10<<#10>#"));
  EXPECT_THAT(Sessao.XMLDocument1.Lines(), ElementsAre(u"#a&#xA;b", u"c#", u"<#1", u"<#10<", u"#"));
  // UTF-8 is decoded; event names ignore case.
  Sessao.XMLDocument1.Reset();
  Recebe(Evento(QStringLiteral("XmlFilePart"), {{"FilePart", ComoRecebido(QStringLiteral("ação 中<#10>"))}}));
  EXPECT_THAT(Sessao.XMLDocument1.Lines(), ElementsAre(u"ação ?"));
  // Bytes that are UTF-8 of the page's characters are taken as they are;
  // any others go through decoding and the page: the lines come out as
  // DecodificaParteArquivo says, whichever way they went.
  const QByteArray partes[] = {"a\xC3\xA7\xC3\xA3o<#10>\xE2\x82\xAC",
                               "12345678\xC3\xA7<#10>1234567\xC3\xA7",
                               "\xC2\x81 \xC2\xA0 \xC3\xBF<#10>",
                               "\xC2\x80<#10>",              // U+0080 is no character of the page
                               "\xC0\xAF\xE0\x80\xAF<#10>",  // longer forms than needed
                               "\xE4\xB8\xAD \xF0\x9F\x98\x80<#10>",
                               "Sess\xE3o<#10>fim",
                               "fim \xE2\x82",
                               "\xED\xA0\x80<#10>",  // a surrogate's code
                               "\xE2\x80\x94\xE2\x84\xA2\xC5\x93<#10><#10>"};
  // Both roads, through the bytes and through the text, agree.
  for (const QByteArray& bytes : partes) {
    QStringList esperadas = DecodificaParteArquivo(DecodeAnsi(bytes)).split(QStringLiteral("<#10>"));
    if (esperadas.last().isEmpty()) esperadas.removeLast();
    const QString pacote = Evento(QStringLiteral("xmlfilepart"), {{"FilePart", DecodeAnsi(bytes)}});
    Sessao.XMLDocument1.Reset();
    Recebe(pacote);
    EXPECT_EQ(Sessao.XMLDocument1.Lines(), esperadas) << bytes.toHex(' ').toStdString();
    Sessao.XMLDocument1.Reset();
    RecebeComoTexto(pacote);
    EXPECT_EQ(Sessao.XMLDocument1.Lines(), esperadas) << bytes.toHex(' ').toStdString();
  }
  // While the receiver is active (parsed), parts are dropped.
  ASSERT_TRUE(Sessao.XMLDocument1.LoadFromString(QStringLiteral("<URA/>")));
  Sessao.XMLDocument1.ClearLines();
  Sessao.XMLDocument1.AddLine(u"<URA/>");
  Parte(QStringLiteral("y<#10>"));
  RecebeComoTexto(Evento(QStringLiteral("xmlfilepart"), {{"FilePart", QStringLiteral("z<#10>")}}));
  EXPECT_THAT(Sessao.XMLDocument1.Lines(), ElementsAre(u"<URA/>"));
  EsperaSilencio();
}

TEST_F(SessaoTeste, ArquivoUraCompletoViraDocumento) {
  const auto original = NovoDac(QStringLiteral("Atendimento"), QString(), 3);
  Sessao.EscolheUraServidor(QStringLiteral("atendimento.xml"));
  EXPECT_THAT(Janela.Cursor, ElementsAre(true));
  const QStringList linhas = LinhasDoDac(*original);
  for (const QString& l : linhas) Parte(ComoRecebido(l + QStringLiteral("<#10>")));
  Recebe(Evento(QStringLiteral("readxmluracomplete"),
                {{"Filename", QStringLiteral("atendimento.xml")}, {"PermissaoWrite", QStringLiteral("0")}}));

  ASSERT_EQ(Janela.Recebidos, 1);
  ASSERT_TRUE(Janela.Dac);
  ConfereDocumentoDoServidor(*Janela.Dac, QStringLiteral("atendimento.xml"), false, *original);
  EXPECT_TRUE(Janela.CursorNormal());
  EXPECT_GT(Janela.Menus, 0);
  EXPECT_THAT(Janela.Imediatas, IsEmpty());
  // The receiver is reset for the next file.
  EXPECT_THAT(Sessao.XMLDocument1.Lines(), IsEmpty());
  EXPECT_FALSE(Sessao.XMLDocument1.Active());

  // PermissaoWrite absent or not an integer: write allowed.
  for (const QString& permissao : {QString(), QStringLiteral("x")}) {
    Sessao.EscolheUraServidor(QStringLiteral("b.xml"));
    for (const QString& l : linhas) Parte(l + QStringLiteral("<#10>"));
    Recebe(Evento(QStringLiteral("readxmluracomplete"),
                  {{"Filename", QStringLiteral("b.xml")}, {"PermissaoWrite", permissao}}));
    ASSERT_TRUE(Janela.Dac);
    EXPECT_TRUE(Janela.Dac->PermissaoW) << permissao.toStdString();
  }
  EXPECT_EQ(Janela.Recebidos, 3);
}

TEST_F(SessaoTeste, ArquivoUraIlegivelMostraErroNaHora) {
  Sessao.EscolheUraServidor(QStringLiteral("a.xml"));
  Parte(QStringLiteral("<URA Nome=\"x\"><#10><Menu><#10>"));
  Recebe(Evento(QStringLiteral("readxmluracomplete"), {{"Filename", QStringLiteral("a.xml")}}));
  EXPECT_EQ(Janela.Recebidos, 0);
  EXPECT_THAT(Janela.Imediatas, ElementsAre(Caixa{QStringLiteral("Ocorreu um erro ao ler o arquivo do servidor."),
                                                  QStringLiteral("Ler arquivo URA"), true}));
  EXPECT_THAT(Janela.Adiadas, IsEmpty());
  EXPECT_TRUE(Janela.CursorNormal());
  EXPECT_THAT(Sessao.XMLDocument1.Lines(), IsEmpty());
}

TEST_F(SessaoTeste, PacotesMalFormadosDesconhecidosOuForaDeHoraNaoFazemNada) {
  const auto aberto = NovoDac(QStringLiteral("Aberto"), QStringLiteral("aberto.xml"), 1);
  Janela.Dac = NovoDac(QStringLiteral("Aberto"), QStringLiteral("aberto.xml"), 1);
  Recebe(QString());
  Recebe(QStringLiteral("\r\n\r\n"));
  Recebe(QStringLiteral("sem dois pontos\r\nnem campos\r\n\r\n"));
  Recebe(DecodeAnsi(QByteArray("\x00\x01\xff:\xfe\r\n\r\n", 8)));
  Recebe(Evento(QStringLiteral("NaoExiste"), {{"ActionID", QStringLiteral("LerXml")}}));
  Recebe(Evento(QString()));
  Recebe(Pacote({{"Response", QStringLiteral("Talvez")}, {"ActionID", QStringLiteral("SaveXmlUra")}}));
  Recebe(Pacote({{"Response", QStringLiteral("Error")},
                 {"ActionID", QStringLiteral("Desconhecida")},
                 {"Message", QStringLiteral("x")}}));
  // ActionID and Response values are exact.
  Recebe(Pacote({{"Response", QStringLiteral("Error")},
                 {"ActionID", QStringLiteral("savexmlura")},
                 {"Message", QStringLiteral("x")}}));
  Recebe(Pacote({{"Response", QStringLiteral("error")},
                 {"ActionID", QStringLiteral("SaveXmlUra")},
                 {"Message", QStringLiteral("x")}}));
  // A "Message" line first and the event second is neither event nor response.
  Recebe(Pacote({{"Message", QStringLiteral("x")}, {"Event", QStringLiteral("listxmluracomplete")}}));
  // A file nobody asked for: its completion hands nothing over and the
  // collected lines are dropped.
  for (const QString& l : LinhasDoDac(*aberto)) Parte(l + QStringLiteral("<#10>"));
  Recebe(Evento(QStringLiteral("readxmluracomplete"), {{"Filename", QStringLiteral("outro.xml")}}));
  Recebe(Evento(QStringLiteral("readxmlmessagescomplete"), {{"ActionID", QStringLiteral("LerXmlMensagens")}}));
  EsperaSilencio();
  // Not even the pointer: it may be busy for something else.
  EXPECT_THAT(Janela.Cursor, IsEmpty());
  EXPECT_THAT(Sessao.XMLDocument1.Lines(), IsEmpty());
  EXPECT_THAT(Catalogo(), IsEmpty());
  ASSERT_TRUE(Janela.Dac);
  EXPECT_EQ(Janela.Dac->Nome, QStringLiteral("Aberto"));
  EXPECT_TRUE(Janela.Dac->Novo);
  EXPECT_THAT(Janela.Adiadas, IsEmpty());
}

TEST_F(SessaoTeste, CatalogoRecusadoNaoArmaUmaConclusaoPosterior) {
  const QString intrusa = QStringLiteral(
      "<?xml version=\"1.0\" encoding=\"utf-8\"?><#10><MensagensSonarea><#10><Msg><Arquivo>intrusa</Arquivo>"
      "<Descricao>x</Descricao></Msg><#10></MensagensSonarea><#10>");
  auto recusa = [this](const char* acao) {
    Recebe(Pacote({{"Response", QStringLiteral("Error")},
                   {"ActionID", QString::fromLatin1(acao)},
                   {"Message", QStringLiteral("x")}}));
  };
  auto conclui = [this](const char* acao) {
    Recebe(Evento(QStringLiteral("readxmlmessagescomplete"), {{"ActionID", QString::fromLatin1(acao)}}));
  };
  Recebe(Evento(QStringLiteral("infoservura"), {{"Version", QStringLiteral("1.1")}, {"UraType", QStringLiteral("2")}}));

  // The audio catalogue is refused; a completion that comes later anyway was
  // not asked for.
  AdicionaMensagem(QStringLiteral("fica"), QStringLiteral("Não some"));
  Sessao.SendStringLeArquivoMensagens(QString());
  recusa("LerXmlMensagens");
  Parte(intrusa);
  conclui("LerXmlMensagens");
  EXPECT_THAT(Catalogo(), ElementsAre(u"fica|Não some|0"));

  // The same for the chat catalogue, asked for after the audio one.
  Sessao.SendStringLeArquivoMensagens(QString());
  conclui("LerXmlMensagens");
  AdicionaMensagem(QStringLiteral("fica"), QStringLiteral("Não some"));
  recusa("LerXmlMensagensChat");
  Parte(intrusa);
  conclui("LerXmlMensagensChat");
  EXPECT_THAT(Catalogo(), ElementsAre(u"fica|Não some|0"));
  EXPECT_THAT(Sessao.XMLDocument1.Lines(), IsEmpty());
  EXPECT_THAT(Janela.Adiadas, IsEmpty());
}

TEST_F(SessaoTeste, ListaDeUrasDoServidor) {
  Janela.Dac = NovoDac(QStringLiteral("Aberto"), QStringLiteral("aberto.xml"), 1);
  Sessao.SendStringListaDeUras();
  Recebe(Evento(QStringLiteral("xmlfileheader"), {{"ActionID", QStringLiteral("ListaUrasSelecionar")},
                                                  {"NomeArquivo", QStringLiteral("a.xml")},
                                                  {"NomeUra", QStringLiteral("Atendimento")},
                                                  {"TipoUra", QStringLiteral("chat")},
                                                  {"CriadoEm", QStringLiteral("01/02/2024 10:00")},
                                                  {"CriadoPor", QStringLiteral("ana")},
                                                  {"ModificadoEm", QStringLiteral("03/02/2024 11:30")},
                                                  {"ModificadoPor", QStringLiteral("rui")},
                                                  {"AtivadoEm", QString()},
                                                  {"AtivadoPor", QString()}}));
  Recebe(Evento(QStringLiteral("xmlfileheader"), {{"ActionID", QStringLiteral("ListaUrasSelecionar")},
                                                  {"NomeArquivo", QStringLiteral("b.xml")},
                                                  {"NomeUra", QStringLiteral("Vendas")},
                                                  {"PermissaoWrite", QStringLiteral("0")}}));
  EXPECT_EQ(Janela.Selecoes, 0);
  Recebe(Evento(QStringLiteral("listxmluracomplete")));
  EXPECT_EQ(Janela.Selecoes, 1);
  EXPECT_THAT(Janela.Cursor, ElementsAre(true, false));

  ASSERT_EQ(Sessao.ListaDACsServidor.size(), 2u);
  const TDAC& a = *Sessao.ListaDACsServidor[0];
  EXPECT_EQ(a.NomeArquivoServidor, QStringLiteral("a.xml"));
  EXPECT_EQ(a.Nome, QStringLiteral("Atendimento"));
  EXPECT_EQ(TipoUraTexto(a.TipoUra), QStringLiteral("Chat"));
  EXPECT_EQ(a.GetCriadoEmStr(), QStringLiteral("01/02/2024 10:00"));
  EXPECT_EQ(a.CriadoPor, QStringLiteral("ana"));
  EXPECT_EQ(a.GetModificadoEmStr(), QStringLiteral("03/02/2024 11:30"));
  EXPECT_EQ(a.ModificadoPor, QStringLiteral("rui"));
  EXPECT_EQ(a.GetAtivadoEmStr(), QString());
  EXPECT_TRUE(a.PermissaoW);
  const TDAC& b = *Sessao.ListaDACsServidor[1];
  EXPECT_EQ(TipoUraTexto(b.TipoUra), QStringLiteral("Voz"));
  EXPECT_FALSE(b.PermissaoW);
  EXPECT_EQ(TipoUraTexto(QStringLiteral("chattdd")), QStringLiteral("Chat (TDD)"));

  // The list headers never touch the open document.
  EXPECT_EQ(Janela.Dac->Nome, QStringLiteral("Aberto"));
  EXPECT_EQ(Janela.Mostras, 0);

  // Cancelled: the list goes, nothing is requested.
  Sessao.EscolheUraServidor(QString());
  EXPECT_TRUE(Sessao.ListaDACsServidor.empty());
  EXPECT_THAT(Janela.Cursor, ElementsAre(true, false));
}

TEST_F(SessaoTeste, CabecalhoAtualizaSoODocumentoAberto) {
  Janela.Dac = NovoDac(QStringLiteral("Atendimento"), QStringLiteral("a.xml"), 1);
  Janela.Dac->PermissaoW = false;
  auto cabecalho = [](const QString& arquivo, const QString& nome) {
    return Evento(QStringLiteral("xmlfileheader"), {{"NomeArquivo", arquivo},
                                                    {"NomeUra", nome},
                                                    {"CriadoEm", QStringLiteral("01/02/2024 10:00")},
                                                    {"CriadoPor", QStringLiteral("ana")},
                                                    {"ModificadoEm", QStringLiteral("05/02/2024 09:15")},
                                                    {"ModificadoPor", QStringLiteral("rui")},
                                                    {"AtivadoEm", QStringLiteral("06/02/2024 18:00")},
                                                    {"AtivadoPor", QStringLiteral("eva")}});
  };
  Recebe(cabecalho(QStringLiteral("b.xml"), QStringLiteral("Atendimento")));
  Recebe(cabecalho(QStringLiteral("a.xml"), QStringLiteral("atendimento")));
  EXPECT_EQ(Janela.Mostras, 0);
  EXPECT_TRUE(Janela.Dac->Novo);
  EXPECT_TRUE(Janela.Dac->CriadoPor.isEmpty());

  Recebe(cabecalho(QStringLiteral("a.xml"), QStringLiteral("Atendimento")));
  EXPECT_EQ(Janela.Mostras, 1);
  const TDAC& d = *Janela.Dac;
  EXPECT_FALSE(d.Novo);
  EXPECT_TRUE(d.PermissaoW) << "absent PermissaoWrite counts as 1";
  EXPECT_EQ(d.GetCriadoEmStr(), QStringLiteral("01/02/2024 10:00"));
  EXPECT_EQ(d.CriadoPor, QStringLiteral("ana"));
  EXPECT_EQ(d.GetModificadoEmStr(), QStringLiteral("05/02/2024 09:15"));
  EXPECT_EQ(d.ModificadoPor, QStringLiteral("rui"));
  EXPECT_EQ(d.GetAtivadoEmStr(), QStringLiteral("06/02/2024 18:00"));
  EXPECT_EQ(d.AtivadoPor, QStringLiteral("eva"));
  EXPECT_TRUE(Sessao.ListaDACsServidor.empty());

  // Without a document a header is ignored.
  Janela.Dac.reset();
  Recebe(cabecalho(QStringLiteral("a.xml"), QStringLiteral("Atendimento")));
  EXPECT_EQ(Janela.Mostras, 1);
}

TEST_F(SessaoTeste, DadosDeConsulta) {
  auto krdb = [this](const char* acao, std::initializer_list<std::pair<const char*, QString>> campos) {
    QString p =
        QStringLiteral("Event: krdbevent\r\nKRDBActionID: ") + QString::fromLatin1(acao) + QStringLiteral("\r\n");
    Recebe(p + Pacote(campos));
  };
  krdb("KRDBListaFilas",
       {{"FilaId", QStringLiteral("1")}, {"Nome", QStringLiteral("Suporte")}, {"Tipo", QStringLiteral("v")}});
  krdb("KRDBListaFilas",
       {{"FilaId", QStringLiteral("2")}, {"Nome", QStringLiteral("Chat Vendas")}, {"Tipo", QStringLiteral("c")}});
  krdb("KRDBListaFilas",
       {{"FilaId", QStringLiteral("1")}, {"Nome", QStringLiteral("Suporte técnico")}, {"Tipo", QStringLiteral("v")}});
  krdb("KRDBListaFilas",
       {{"FilaId", QStringLiteral("3")}, {"Nome", QStringLiteral("Outra")}, {"Tipo", QStringLiteral("x")}});
  krdb("KRDBListaFilas", {{"FilaId", QStringLiteral("4")}, {"Nome", QStringLiteral("Sem tipo")}});
  krdb("KRDBListaFilas", {{"Nome", QStringLiteral("Sem id")}, {"Tipo", QStringLiteral("v")}});
  krdb("KRDBListaGrupos", {{"GrupoId", QStringLiteral("10")}, {"Nome", QStringLiteral("Vendas")}});
  krdb("KRDBListaGrupos", {{"GrupoId", QStringLiteral("10")}, {"Nome", QStringLiteral("Vendas SP")}});
  krdb("KRDBListaGrupos", {{"Nome", QStringLiteral("Sem id")}});
  for (const char* numero : {"5000", "atendimento.xml", "ATEND.XML", "5000", "Atendimento.xml", "", ".xml"})
    krdb("KRDBListaUras", {{"Numero", QString::fromLatin1(numero)}});
  krdb("KRDBOutra", {{"FilaId", QStringLiteral("9")}, {"Tipo", QStringLiteral("v")}});

  const auto& info = MenuUraInfoAuxiliar;
  ASSERT_EQ(info.ListaDeFilasVoz.Count(), 1);
  EXPECT_EQ(info.ListaDeFilasVoz.GetItem(0)->FilaId, QStringLiteral("1"));
  EXPECT_EQ(info.ListaDeFilasVoz.GetItem(0)->NomeFila, QStringLiteral("Suporte técnico"));
  ASSERT_EQ(info.ListaDeFilasChat.Count(), 1);
  EXPECT_EQ(info.ListaDeFilasChat.GetItem(0)->NomeFila, QStringLiteral("Chat Vendas"));
  ASSERT_EQ(info.ListaDeGrupos.Count(), 1);
  EXPECT_EQ(info.ListaDeGrupos.GetItem(0)->NomeGrupo, QStringLiteral("Vendas SP"));
  EXPECT_THAT(info.ListaDeUrasVoz, ElementsAre(u"5000", u"ATEND.XML"));
  // ".xml" alone leaves an empty chat URA name: a value, not a missing one.
  EXPECT_THAT(info.ListaDeUrasChat, ElementsAre(u"atendimento", u""));

  // Commands: every piece before a comma, even empty; the rest when not empty.
  Recebe(Evento(QStringLiteral("listcommands"), {{"Commands", QStringLiteral("consultaSaldo,,abreChamado,")}}));
  Recebe(Evento(QStringLiteral("listcommands"), {{"Commands", QStringLiteral("zeraSenha")}}));
  Recebe(Evento(QStringLiteral("listcommands"), {{"Commands", QString()}}));
  Recebe(Evento(QStringLiteral("listcommandscomplete")));
  QStringList comandos = info.ListaDeComandos.Lista();
  EXPECT_TRUE(comandos.contains(QStringLiteral("consultaSaldo")));
  EXPECT_TRUE(comandos.contains(QStringLiteral("abreChamado")));
  EXPECT_TRUE(comandos.contains(QStringLiteral("zeraSenha")));
  EXPECT_EQ(comandos.removeAll(QString()), 1);
  EXPECT_EQ(comandos.size(), 3);

  // Audio files mark catalogue entries or add them.
  AdicionaMensagem(QStringLiteral("bomdia"), QStringLiteral("Bom dia"));
  AdicionaMensagem(QStringLiteral("ausente"), QStringLiteral("Sem arquivo"));
  Sessao.SendStringListaArquivosWav();
  Recebe(Evento(QStringLiteral("listwavpart"), {{"Files", QStringLiteral("bomdia,novo,")}}));
  Recebe(Evento(QStringLiteral("listwavpart"), {{"Files", QStringLiteral("outro")}}));
  Recebe(Evento(QStringLiteral("listwavfilescomplete")));
  EXPECT_THAT(Catalogo(), ElementsAre(u"bomdia|Bom dia|1", u"ausente|Sem arquivo|0", u"novo||1", u"outro||1"));
  EXPECT_TRUE(Janela.CursorNormal());
  EXPECT_GT(Janela.Menus, 0);
  EsperaSilencio();
}

TEST_F(SessaoTeste, InformacoesDoServidorETTS) {
  Recebe(Evento(QStringLiteral("infoservura"),
                {{"Version", QStringLiteral("1.2.3.4")}, {"EmpresaOndaris", QStringLiteral("Empresa X")}}));
  EXPECT_EQ(Sessao.InfoServidor.Versao, QStringLiteral("1.2.3.4"));
  EXPECT_EQ(Sessao.InfoServidor.TipoUra, 1);
  EXPECT_EQ(Sessao.InfoServidor.NomeEmpresa, QStringLiteral("Empresa X"));
  EXPECT_THAT(Janela.Versoes, ElementsAre(u"1.2.3.4"));
  Recebe(Evento(QStringLiteral("infoservura"), {{"Version", QStringLiteral("2")}, {"UraType", QStringLiteral("3")}}));
  EXPECT_EQ(Sessao.InfoServidor.TipoUra, 3);
  EXPECT_TRUE(Sessao.EhRorIROSonarea());
  Recebe(Evento(QStringLiteral("infoservura"),
                {{"UraType", QStringLiteral("dois")}, {"EmpresaOndaris", QStringLiteral("Empresa X")}}));
  EXPECT_EQ(Sessao.InfoServidor.TipoUra, 1);

  // Without an address there is no text-to-speech, and nothing else is read.
  Recebe(Evento(QStringLiteral("ttsconfig"), {{"Usuario", QStringLiteral("tts")}, {"Bits", QStringLiteral("8")}}));
  EXPECT_FALSE(Sessao.bTemTTS);
  EXPECT_EQ(Sessao.CfgTTSServ.Bits, 16);

  Recebe(Evento(QStringLiteral("ttsconfig"), {{"Usuario", QStringLiteral("tts")},
                                              {"Endereco", QStringLiteral("http://127.0.0.1:9/tts")},
                                              {"Senha", QStringLiteral("x1")},
                                              {"Bits", QStringLiteral("oito")},
                                              {"Canais", QStringLiteral("2")},
                                              {"Amostras", QString()},
                                              {"Formato", QString()}}));
  EXPECT_TRUE(Sessao.bTemTTS);
  const TCfgTTSServidor& t = Sessao.CfgTTSServ;
  EXPECT_EQ(t.Login, QStringLiteral("tts"));
  EXPECT_EQ(t.Senha, QStringLiteral("x1"));
  EXPECT_EQ(t.EnderecoServ, QStringLiteral("http://127.0.0.1:9/tts"));
  EXPECT_EQ(t.Empresa, QStringLiteral("Empresa X"));
  EXPECT_EQ(t.Bits, 16);
  EXPECT_EQ(t.Canais, 2);
  EXPECT_EQ(t.Amostras, 8000);
  EXPECT_EQ(t.formato, QStringLiteral("wav"));
  EXPECT_FALSE(t.Locutor.isEmpty());

  Recebe(Evento(QStringLiteral("ttsconfig"), {{"Usuario", QStringLiteral("u")},
                                              {"Endereco", QStringLiteral("e")},
                                              {"Empresa", QStringLiteral("Outra")},
                                              {"Amostras", QStringLiteral("16000")},
                                              {"Formato", QStringLiteral("mp3")},
                                              {"Locutor", QStringLiteral("voz2")}}));
  EXPECT_EQ(Sessao.CfgTTSServ.Empresa, QStringLiteral("Outra"));
  EXPECT_EQ(Sessao.CfgTTSServ.Amostras, 16000);
  EXPECT_EQ(Sessao.CfgTTSServ.formato, QStringLiteral("mp3"));
  EXPECT_EQ(Sessao.CfgTTSServ.Locutor, QStringLiteral("voz2"));
  EXPECT_THAT(Janela.Adiadas, IsEmpty());
}

TEST_F(SessaoTeste, RespostasPorAcao) {
  auto resposta = [this](const char* valor, const char* acao, const QString& mensagem = QString()) {
    Recebe(Pacote(
        {{"Response", QString::fromLatin1(valor)}, {"ActionID", QString::fromLatin1(acao)}, {"Message", mensagem}}));
  };
  const QString utf8 = ComoRecebido(QStringLiteral("Não foi possível: ação"));
  const QString erro = QStringLiteral("ERRO: Não foi possível: ação");

  resposta("Error", "LerXml", utf8);
  resposta("Error", "SaveXmlUra", utf8);
  resposta("Error", "SaveXmlMessages", utf8);
  resposta("Error", "ActivateXmlUra", utf8);
  resposta("Error", "SaveWavFile", utf8);
  resposta("Error", "LerXmlMensagens", utf8);
  // Code-page text that is no UTF-8 is shown as it came.
  resposta("Error", "ActivateXmlUra", DecodeAnsi("Sess\xE3o"));
  EXPECT_THAT(Janela.Adiadas,
              ElementsAre(Caixa{erro, QStringLiteral("Ler arquivo URA")},
                          Caixa{erro, QStringLiteral("Salvar arquivo no servidor")},
                          Caixa{erro, QStringLiteral("Salvar mensagens no servidor")},
                          Caixa{erro, QStringLiteral("Ativar URA")}, Caixa{erro, QStringLiteral("Enviar arquivo")},
                          Caixa{QStringLiteral("ERRO: Sessão"), QStringLiteral("Ativar URA")}));
  EXPECT_THAT(Janela.Cursor, ElementsAre(false, false, false, false, false, false));
  EXPECT_EQ(Janela.Ociosos, 1);
  EXPECT_THAT(Janela.Imediatas, IsEmpty());
  EXPECT_EQ(Janela.Snapshots, 0);

  Janela.Adiadas.clear();
  resposta("Success", "LerXml");
  resposta("Success", "SaveWavFile");
  resposta("Success", "SaveXmlMessages");
  EXPECT_THAT(Janela.Adiadas, IsEmpty());
  resposta("Success", "ActivateXmlUra", QStringLiteral("URA ativada."));
  // Saved without a document open: no header refresh, but the message.
  resposta("Success", "SaveXmlUra");
  EXPECT_THAT(
      Janela.Adiadas,
      ElementsAre(Caixa{QStringLiteral("Ura ativada com sucesso."), QStringLiteral("Ativar URA")},
                  Caixa{QStringLiteral("Arquivo salvo com sucesso."), QStringLiteral("Salvar arquivo no servidor")}));
  EXPECT_EQ(Janela.Snapshots, 1);
  EXPECT_EQ(Janela.Ociosos, 1);

  // The receiver is reset when the catalogue is about to come.
  Parte(QStringLiteral("resto<#10>"));
  resposta("Success", "LerXmlMensagens");
  EXPECT_THAT(Sessao.XMLDocument1.Lines(), IsEmpty());
  EXPECT_THAT(Janela.Status, IsEmpty());
}

TEST_F(SessaoTeste, LoginRecusadoVaiParaBarraDeStatus) {
  auto recusa = [this](const QString& mensagem) {
    Recebe(Pacote(
        {{"Response", QStringLiteral("Error")}, {"ActionID", QStringLiteral("LoginUsuario")}, {"Message", mensagem}}));
  };
  // The refusal in the code page shows as before; in UTF-8, like every other
  // server text, it is decoded instead of showing "invÃ¡lida".
  recusa(QStringLiteral("Senha inválida"));
  recusa(ComoRecebido(QStringLiteral("Senha inválida")));
  EXPECT_THAT(Janela.Status, ElementsAre(u"Senha inválida", u"Senha inválida"));
  EXPECT_THAT(Janela.InfoConexao, ElementsAre(u"Senha inválida", u"Senha inválida"));
  EXPECT_EQ(Janela.Botoes, 2);
  EXPECT_EQ(Janela.FechaLogin, 0);
  EXPECT_FALSE(Sessao.ClientManager->Logged);
  EXPECT_THAT(Janela.Adiadas, IsEmpty());
  EXPECT_THAT(Janela.Imediatas, IsEmpty());
}

TEST_F(SessaoTeste, PedidoDeAudioSemJanelaNaoEnviaNada) {
  Janela.Audio = nullptr;
  Recebe(Evento(QStringLiteral("wavfilesendpart")));
  EsperaSilencio();
}

// ---- a scripted server in the test --------------------------------------------------

class ServidorFalso {
 public:
  ServidorFalso() { FOuvindo = FServidor.listen(QHostAddress::LocalHost, 0); }
  bool Ouvindo() const { return FOuvindo; }
  quint16 Porta() const { return FServidor.serverPort(); }

  bool Aceita() {
    if (!EsperaAte([this] { return FServidor.hasPendingConnections(); })) return false;
    FPar = FServidor.nextPendingConnection();
    FRecebido.clear();
    return FPar != nullptr;
  }
  void Envia(const QString& Texto) { EnviaBytes(EncodeAnsi(Texto)); }
  void EnviaBytes(const QByteArray& Bytes) {
    FPar->write(Bytes);
    FPar->flush();
  }
  void Fecha() { FPar->disconnectFromHost(); }

  // Everything received so far.
  QByteArray Recebido() {
    if (FPar) FRecebido += FPar->readAll();
    return FRecebido;
  }
  // The received requests, each with its closing empty line.
  QList<QByteArray> Pedidos() {
    QList<QByteArray> out;
    const QByteArray r = Recebido();
    qsizetype i = 0, fim;
    while ((fim = r.indexOf("\r\n\r\n", i)) >= 0) {
      out << r.mid(i, fim + 4 - i);
      i = fim + 4;
    }
    return out;
  }
  bool EsperaPedidos(qsizetype N) {
    return EsperaAte([&] { return Pedidos().size() >= N; });
  }
  // Until the last bytes received are the request Ultimo.
  bool EsperaUltimo(const QString& Ultimo) {
    return EsperaAte([&] { return Recebido().endsWith(EncodeAnsi(Ultimo)); });
  }
  void Esquece() {
    Recebido();
    FRecebido.clear();
  }

 private:
  QTcpServer FServidor;
  QTcpSocket* FPar = nullptr;  // owned by FServidor
  QByteArray FRecebido;
  bool FOuvindo = false;
};

class SessaoServidorFalsoTeste : public SessaoTeste {
 protected:
  void SetUp() override {
    SessaoTeste::SetUp();
    ASSERT_TRUE(Falso.Ouvindo());
    Sessao.CfgConexao.Ip = QStringLiteral("127.0.0.1");
    Sessao.CfgConexao.Porta = Falso.Porta();
    Sessao.CfgConexao.Usuario = QStringLiteral("operador");
    Sessao.CfgConexao.Senha = QStringLiteral("s3nha");
  }
  // Connects and waits for the login request.
  void Conecta() {
    Sessao.Conectar();
    ASSERT_TRUE(Falso.Aceita());
    ASSERT_TRUE(Falso.EsperaPedidos(1));
  }
  // Waits until the session has handled everything the server sent so far
  // and sent whatever that made it send: the server sends an event that only
  // the window sees, then the session a request of its own, which arrives
  // after anything it sent before.
  void Sincroniza() {
    const int antes = Janela.Selecoes;
    Falso.Envia(Evento(QStringLiteral("listxmluracomplete")));
    ASSERT_TRUE(EsperaAte([&] { return Janela.Selecoes > antes; }));
    Sessao.SendStringListaArquivosWav();
    ASSERT_TRUE(Falso.EsperaUltimo(Requisicao::ListaArquivosWav()));
  }
  QList<QByteArray> PedidosAntesDaSincronia() {
    QList<QByteArray> p = Falso.Pedidos();
    if (!p.isEmpty()) p.removeLast();
    return p;
  }

  ServidorFalso Falso;
};

TEST_F(SessaoServidorFalsoTeste, LoginPedeInformacoesCatalogoEListas) {
  Conecta();
  EXPECT_THAT(Janela.Status,
              ElementsAre(u"Conectando ao Servidor (127.0.0.1)", u"Conectado ao Servidor", u"Efetuando login..."));
  EXPECT_THAT(Falso.Pedidos(),
              ElementsAre(EncodeAnsi(Requisicao::Login(QStringLiteral("operador"), QStringLiteral("s3nha")))));

  AdicionaMensagem(QStringLiteral("velha"), QString());
  Falso.Esquece();
  Falso.Envia(Pacote({{"Response", QStringLiteral("Success")}, {"ActionID", QStringLiteral("LoginUsuario")}}));
  ASSERT_TRUE(Falso.EsperaPedidos(3));
  EXPECT_THAT(Falso.Pedidos(), ElementsAre(EncodeAnsi(Requisicao::GetInfoServer()),
                                           EncodeAnsi(Requisicao::LeArquivoMensagens(QString())),
                                           EncodeAnsi(Requisicao::ListaArquivosWav())));
  EXPECT_TRUE(Sessao.ClientManager->Logged);
  EXPECT_EQ(Janela.Status.last(), QStringLiteral("Conectado à URA (IP: 127.0.0.1). "));
  EXPECT_EQ(Janela.FechaLogin, 1);
  EXPECT_THAT(Catalogo(), IsEmpty()) << "the catalogue is emptied on login";

  // A voice server (UraType 1) is asked for its lookup data, in this order.
  Falso.Esquece();
  Falso.Envia(Evento(QStringLiteral("infoservura"),
                     {{"Version", QStringLiteral("1.0.11.0")}, {"UraType", QStringLiteral("1")}}));
  ASSERT_TRUE(Falso.EsperaPedidos(5));
  EXPECT_THAT(Falso.Pedidos(), ElementsAre(EncodeAnsi(Requisicao::ListaFilas()), EncodeAnsi(Requisicao::ListaGrupos()),
                                           EncodeAnsi(Requisicao::ListaUras()), EncodeAnsi(Requisicao::ListaComandos()),
                                           EncodeAnsi(Requisicao::GetTTSConfig())));

  // Version 1.0.11.0 has no chat catalogue.
  Falso.Esquece();
  Falso.Envia(Evento(QStringLiteral("readxmlmessagescomplete"), {{"ActionID", QStringLiteral("LerXmlMensagens")}}));
  Sincroniza();
  EXPECT_THAT(PedidosAntesDaSincronia(), IsEmpty());

  // UraType 2 sends none of the lookup requests.
  Falso.Esquece();
  Falso.Envia(Evento(QStringLiteral("infoservura"),
                     {{"Version", QStringLiteral("1.0.11.1")}, {"UraType", QStringLiteral("2")}}));
  Sincroniza();
  EXPECT_THAT(PedidosAntesDaSincronia(), IsEmpty());
  EXPECT_THAT(Janela.Versoes, ElementsAre(u"1.0.11.0", u"1.0.11.1"));
}

TEST_F(SessaoServidorFalsoTeste, CatalogoDeChatSoDepoisDe1_0_11_0) {
  Conecta();
  for (const auto& [versao, pede] : {std::pair{"1.0.11.0", false}, std::pair{"1.0.11.1", true}, std::pair{"1.1", true},
                                     std::pair{"1.0.10.9", false}, std::pair{"2", true}}) {
    SCOPED_TRACE(versao);
    Falso.Envia(Evento(QStringLiteral("infoservura"),
                       {{"Version", QString::fromLatin1(versao)}, {"UraType", QStringLiteral("2")}}));
    Sessao.SendStringLeArquivoMensagens(QString());
    ASSERT_TRUE(Falso.EsperaUltimo(Requisicao::LeArquivoMensagens(QString())));
    Falso.Esquece();
    Falso.Envia(Pacote({{"Response", QStringLiteral("Success")}, {"ActionID", QStringLiteral("LerXmlMensagens")}}) +
                Evento(QStringLiteral("readxmlmessagescomplete"), {{"ActionID", QStringLiteral("LerXmlMensagens")}}));
    Sincroniza();
    if (pede)
      EXPECT_THAT(PedidosAntesDaSincronia(), ElementsAre(EncodeAnsi(Requisicao::LeArquivoMensagensChat())));
    else
      EXPECT_THAT(PedidosAntesDaSincronia(), IsEmpty());
    if (pede) {
      // The chat completion neither empties the catalogue nor asks for more.
      AdicionaMensagem(QStringLiteral("fica"), QString());
      Falso.Esquece();
      Falso.Envia(
          Evento(QStringLiteral("readxmlmessagescomplete"), {{"ActionID", QStringLiteral("LerXmlMensagensChat")}}));
      Sincroniza();
      EXPECT_THAT(PedidosAntesDaSincronia(), IsEmpty());
      EXPECT_THAT(Catalogo(), ElementsAre(u"fica||0"));
      MenuUraInfoAuxiliar.ListaDeMensagens.ClearLista();
    }
  }
}

TEST_F(SessaoServidorFalsoTeste, SalvarEnviaPartesEFimEDepoisOCatalogoDeChat) {
  Conecta();
  Falso.Envia(Evento(QStringLiteral("infoservura"),
                     {{"Version", QStringLiteral("1.1.0.0")}, {"UraType", QStringLiteral("2")}}));
  // Without a document the start of the upload is ignored.
  Falso.Esquece();
  Falso.Envia(Evento(QStringLiteral("xmlfilestartsend")));
  Sincroniza();
  EXPECT_THAT(PedidosAntesDaSincronia(), IsEmpty());

  Janela.Dac = NovoDac(QStringLiteral("Atendimento"), QStringLiteral("atendimento.xml"), 12);
  MenuUraInfoAuxiliar.ListaDeMensagensChat.Add(QStringLiteral("Olá, tudo bem?"));
  Janela.Cursor.clear();
  Falso.Esquece();
  Sessao.SalvarNoServidor();
  EXPECT_THAT(Janela.Cursor, ElementsAre(true));
  ASSERT_TRUE(Falso.EsperaPedidos(1));
  EXPECT_EQ(Falso.Pedidos()[0],
            EncodeAnsi(Requisicao::SalvaXmlUra(QStringLiteral("atendimento.xml"), QStringLiteral("Atendimento"))));

  Falso.Esquece();
  Falso.Envia(Evento(QStringLiteral("xmlfilestartsend"), {{"FileName", QStringLiteral("atendimento.xml")}}));
  ASSERT_TRUE(Falso.EsperaUltimo(Requisicao::FimXmlMensagens()));
  const QList<QByteArray> pedidos = Falso.Pedidos();
  const QByteArray cabecalho = "Action: XmlFilePart\r\nFileName: atendimento.xml\r\nFilePart: ";
  QByteArray arquivo;
  qsizetype i = 0;
  for (; i < pedidos.size() && pedidos[i].startsWith(cabecalho); ++i) {
    const QByteArray parte = pedidos[i].mid(cabecalho.size()).chopped(4);
    EXPECT_TRUE(parte.endsWith('\n'));
    if (i + 1 < pedidos.size() && pedidos[i + 1].startsWith(cabecalho)) {
      EXPECT_GT(parte.size(), 500);
    }
    arquivo += parte;
  }
  ASSERT_GT(i, 2) << "a file of twelve menus goes in several parts";
  EXPECT_EQ(arquivo, (LinhasDoDac(*Janela.Dac).join(u'\n') + u'\n').toUtf8());
  ASSERT_EQ(pedidos.size(), i + 4);
  EXPECT_EQ(pedidos[i], EncodeAnsi(Requisicao::FimXmlUra(QStringLiteral("atendimento.xml"))));
  EXPECT_EQ(pedidos[i + 1], EncodeAnsi(Requisicao::SalvaXmlMensagens(QStringLiteral("mensagenschat.xml"))));
  QStringList chat;
  MensagensToXMLStringList(true, chat);
  EXPECT_EQ(pedidos[i + 2], Requisicao::ParteXmlMensagens((chat.join(u'\n') + u'\n').toUtf8()));
  EXPECT_FALSE(Sessao.EnviandoArquivo());

  // The success asks for the header of the saved file.
  Falso.Esquece();
  Falso.Envia(Pacote({{"Response", QStringLiteral("Success")}, {"ActionID", QStringLiteral("SaveXmlUra")}}));
  ASSERT_TRUE(Falso.EsperaUltimo(Requisicao::LeCabecalhoXmlUra(QStringLiteral("atendimento.xml"))));
  EXPECT_THAT(Janela.Cursor, ElementsAre(true, false));
  EXPECT_EQ(Janela.Snapshots, 1);
  EXPECT_THAT(Janela.Adiadas, ElementsAre(Caixa{QStringLiteral("Arquivo salvo com sucesso."),
                                                QStringLiteral("Salvar arquivo no servidor")}));
}

TEST_F(SessaoServidorFalsoTeste, AudioEmBlocosDe250BytesEFimUmaVez) {
  Conecta();
  QByteArray audio(600, '\0');
  for (int i = 0; i < audio.size(); ++i) audio[i] = static_cast<char>(i * 37 % 256);
  TEnvioAudio envio(QStringLiteral("saudacao.wav"), audio);
  Janela.Audio = &envio;
  Falso.Esquece();
  Sessao.IniciaEnvioAudio(QStringLiteral("saudacao.wav"));
  ASSERT_TRUE(Falso.EsperaUltimo(Requisicao::SalvaArquivoWav(QStringLiteral("saudacao.wav"))));

  // One block per request of the server, then the end, then nothing more.
  const QList<QString> esperados = {
      Requisicao::BlocoArquivoWav(audio.mid(0, 250)), Requisicao::BlocoArquivoWav(audio.mid(250, 250)),
      Requisicao::BlocoArquivoWav(audio.mid(500, 100)), Requisicao::FimArquivoWav(QStringLiteral("saudacao.wav"))};
  for (const QString& esperado : esperados) {
    Falso.Esquece();
    Falso.Envia(Evento(QStringLiteral("wavfilesendpart")));
    ASSERT_TRUE(Falso.EsperaUltimo(esperado));
    EXPECT_EQ(Falso.Pedidos().size(), 1);
  }
  EXPECT_EQ(esperados[0].size(), QStringLiteral("Action: WavFilePart\r\nFilePart: \r\n\r\n").size() + 500);
  EXPECT_EQ(esperados[2].size(), QStringLiteral("Action: WavFilePart\r\nFilePart: \r\n\r\n").size() + 200);
  EXPECT_TRUE(envio.Finalizado());
  EXPECT_EQ(envio.Posicao(), 600);
  Falso.Esquece();
  Falso.Envia(Evento(QStringLiteral("wavfilesendpart")));
  Sincroniza();
  EXPECT_THAT(PedidosAntesDaSincronia(), IsEmpty());

  // An empty file: the first request is answered with the end.
  TEnvioAudio vazio(QStringLiteral("vazio.wav"), QByteArray());
  Janela.Audio = &vazio;
  Falso.Esquece();
  Falso.Envia(Evento(QStringLiteral("wavfilesendpart")));
  ASSERT_TRUE(Falso.EsperaUltimo(Requisicao::FimArquivoWav(QStringLiteral("vazio.wav"))));
  EXPECT_EQ(Falso.Pedidos().size(), 1);
}

// A file that stops reading with an error after Bom bytes.
class FonteQueFalha : public QIODevice {
 public:
  explicit FonteQueFalha(qint64 Bom) : FBom(Bom) { open(QIODevice::ReadOnly); }
  qint64 size() const override { return 2 * FBom; }
  bool isSequential() const override { return false; }

 protected:
  qint64 readData(char* Dados, qint64 Max) override {
    const qint64 n = qMin(Max, FBom - pos());
    if (n <= 0) return -1;
    std::memset(Dados, 'a', size_t(n));
    return n;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  qint64 FBom;
};

TEST_F(SessaoServidorFalsoTeste, AudioQueNaoSeLeAteOFimNaoTermina) {
  Conecta();
  TEnvioAudio envio(QStringLiteral("meio.wav"), std::make_unique<FonteQueFalha>(300));
  Janela.Audio = &envio;
  Falso.Esquece();
  for (int i = 0; i < 3; ++i) Falso.Envia(Evento(QStringLiteral("wavfilesendpart")));
  Sincroniza();
  EXPECT_TRUE(envio.FalhaLeitura());
  EXPECT_FALSE(envio.Finalizado());
  EXPECT_EQ(envio.Posicao(), 300);
  // Two blocks, and no end request for a file that was not read whole.
  EXPECT_THAT(PedidosAntesDaSincronia(), ElementsAre(EncodeAnsi(Requisicao::BlocoArquivoWav(QByteArray(250, 'a'))),
                                                     EncodeAnsi(Requisicao::BlocoArquivoWav(QByteArray(50, 'a')))));
}

TEST_F(SessaoServidorFalsoTeste, PedidoFeitoSemConexaoNaoEsperaArquivo) {
  // Skipped while disconnected, so a file sent after connecting is nobody's.
  Sessao.SendStringLerXml(QStringLiteral("antes.xml"));
  Conecta();
  for (const QString& linha : LinhasDoDac(*NovoDac(QStringLiteral("Antes"), QString(), 1)))
    Falso.EnviaBytes("Event: xmlfilepart\r\nFilePart: " + linha.toUtf8() + "<#10>\r\n\r\n");
  Falso.Envia(Evento(QStringLiteral("readxmluracomplete")));
  Sincroniza();
  EXPECT_EQ(Janela.Recebidos, 0);
  EXPECT_THAT(Janela.Imediatas, IsEmpty());
  EXPECT_THAT(Sessao.XMLDocument1.Lines(), IsEmpty());
}

TEST_F(SessaoServidorFalsoTeste, DesconexaoNoMeioDoArquivoDescartaOQueChegou) {
  Conecta();
  Janela.Dac = NovoDac(QStringLiteral("Aberto"), QStringLiteral("aberto.xml"), 1);
  Sessao.EscolheUraServidor(QStringLiteral("meio.xml"));
  const QStringList linhas = LinhasDoDac(*NovoDac(QStringLiteral("Meio"), QString(), 4));
  for (qsizetype i = 0; i < linhas.size() / 2; ++i)
    Falso.EnviaBytes("Event: xmlfilepart\r\nFilePart: " + linhas[i].toUtf8() + "<#10>\r\n\r\n");
  ASSERT_TRUE(EsperaAte([&] { return Sessao.XMLDocument1.LineCount() == linhas.size() / 2; }));
  Falso.Fecha();
  ASSERT_TRUE(EsperaAte([&] { return Janela.Status.contains(QStringLiteral("Desconectado do Ondaris")); }));

  EXPECT_EQ(Janela.Status.last(), QStringLiteral("Desconectado do Ondaris"));
  EXPECT_EQ(Janela.Recebidos, 0);
  EXPECT_THAT(Sessao.XMLDocument1.Lines(), IsEmpty());
  EXPECT_FALSE(Sessao.XMLDocument1.Active());
  EXPECT_FALSE(Sessao.ClientManager->Logged);
  EXPECT_FALSE(Sessao.ClientManager->Connected());
  EXPECT_TRUE(Janela.CursorNormal());
  EXPECT_GT(Janela.Botoes, 0);
  EXPECT_THAT(Janela.Imediatas, IsEmpty());
  EXPECT_EQ(Janela.Dac->Nome, QStringLiteral("Aberto"));

  // On the next connection the rest of that file and its completion are
  // not taken for a document.
  Janela.Status.clear();
  Conecta();
  for (qsizetype i = linhas.size() / 2; i < linhas.size(); ++i)
    Falso.EnviaBytes("Event: xmlfilepart\r\nFilePart: " + linhas[i].toUtf8() + "<#10>\r\n\r\n");
  Falso.Envia(Evento(QStringLiteral("readxmluracomplete"), {{"Filename", QStringLiteral("meio.xml")}}));
  Falso.Envia(Evento(QStringLiteral("listxmluracomplete")));
  ASSERT_TRUE(EsperaAte([&] { return Janela.Selecoes == 1; }));
  EXPECT_EQ(Janela.Recebidos, 0);
  EXPECT_THAT(Janela.Imediatas, IsEmpty());
  EXPECT_THAT(Sessao.XMLDocument1.Lines(), IsEmpty());
}

TEST_F(SessaoServidorFalsoTeste, ErroDeSocketEmPortaFechada) {
  quint16 porta;
  {
    QTcpServer sonda;
    ASSERT_TRUE(sonda.listen(QHostAddress::LocalHost, 0));
    porta = sonda.serverPort();
  }
  Sessao.CfgConexao.Porta = porta;
  Sessao.Conectar();
  ASSERT_TRUE(EsperaAte([&] { return !Janela.Imediatas.empty(); }));
  const QString texto = QStringLiteral("Erro 10061: Conexão encerrada pelo servidor");
  EXPECT_EQ(Janela.Status.last(), texto);
  EXPECT_THAT(Janela.Imediatas, ElementsAre(Caixa{texto, QStringLiteral("Erro de socket"), false}));
  EXPECT_GT(Janela.Botoes, 0);
  EXPECT_GT(Janela.Menus, 0);
  EXPECT_THAT(Janela.Adiadas, IsEmpty());
  EXPECT_FALSE(Sessao.ClientManager->Connected());
  EXPECT_FALSE(Sessao.ClientManager->Connecting());
}

// ---- the local service ---------------------------------------------------------------

class ServicoLocalTeste : public SessaoTeste {
 protected:
  void SetUp() override {
    SessaoTeste::SetUp();
    ASSERT_TRUE(Pasta.isValid());
    ASSERT_TRUE(Servico.listen(QHostAddress::LocalHost, 0));
    Sessao.PastaUsuario = Pasta.path();
  }
  void GravaIni(const QByteArray& Conteudo) {
    QFile f(QDir(Pasta.path()).filePath(QStringLiteral("RORIROSonarea.ini")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Conteudo);
  }
  // What one connection to the service carried until it closed.
  bool RecebeDoServico(QByteArray* Bytes) {
    if (!EsperaAte([&] { return Servico.hasPendingConnections(); })) return false;
    QTcpSocket* s = Servico.nextPendingConnection();
    return EsperaAte([&] {
      *Bytes += s->readAll();
      return s->state() == QAbstractSocket::UnconnectedState && s->bytesAvailable() == 0;
    });
  }

  QTemporaryDir Pasta;
  QTcpServer Servico;
};

TEST_F(ServicoLocalTeste, AvisaONomeDoArquivoEFecha) {
  GravaIni("[Servico]\r\nPortaServerUsada=" + QByteArray::number(Servico.serverPort()) + "\r\n");
  Janela.Dac = NovoDac(QStringLiteral("Cliente"), QString(), 1);
  Janela.Dac->NomeArquivoLocal = QStringLiteral("/x/y/cliente.xml");
  Sessao.ConectaNoRORIROSonarea();
  QByteArray bytes;
  ASSERT_TRUE(RecebeDoServico(&bytes));
  EXPECT_EQ(bytes,
            QByteArray("Action: ReloadXmlAccounts\r\nUsername: supervisor\r\nSecret: cravino\r\nClientType: Talvora\r\n"
                       "ClientName: Talvora\r\nDACFileName: cliente.xml\r\nActionId: ReloadXmlAccounts\r\n\r\n"));
  EXPECT_TRUE(EsperaAte([&] { return !Sessao.CMRORIROSonarea->Connected(); }));

  // Again for the next save, on a new connection.
  Janela.Dac->NomeArquivoLocal = QStringLiteral("/x/y/outro.xml");
  Sessao.ConectaNoRORIROSonarea();
  bytes.clear();
  ASSERT_TRUE(RecebeDoServico(&bytes));
  EXPECT_TRUE(bytes.contains("\r\nDACFileName: outro.xml\r\n"));
  EsperaSilencio();
}

TEST_F(ServicoLocalTeste, SemDocumentoOuSemPortaNadaAcontece) {
  GravaIni("[Servico]\r\nPortaServerUsada=" + QByteArray::number(Servico.serverPort()) + "\r\n");
  Sessao.ConectaNoRORIROSonarea();  // no document
  Janela.Dac = NovoDac(QStringLiteral("Cliente"), QString(), 1);
  Janela.Dac->NomeArquivoLocal = QStringLiteral("/x/y/cliente.xml");
  for (const QByteArray& ini :
       {QByteArray("[Servico]\r\nPortaServerUsada=0\r\n"), QByteArray("[Servico]\r\nPortaServerUsada=abc\r\n"),
        QByteArray("[Outra]\r\nPortaServerUsada=5\r\n"), QByteArray("[Servico]\r\nPortaServerUsada=-7\r\n")}) {
    GravaIni(ini);
    Sessao.ConectaNoRORIROSonarea();
  }
  EXPECT_FALSE(Sessao.CMRORIROSonarea->Connecting());
  EXPECT_FALSE(EsperaAte([&] { return Servico.hasPendingConnections(); }, 1000));
  EsperaSilencio();
}

// ---- whole conversations with the simulator ------------------------------------------

const QString kUsuario = QStringLiteral("operador");
const QString kSenha = QStringLiteral("s3nha");

class SessaoSimuladorTeste : public SessaoTeste {
 protected:
  void SetUp() override {
    SessaoTeste::SetUp();
    PreparaPasta();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(
        Sim.Inicia({QStringLiteral("--user"), kUsuario, QStringLiteral("--password"), kSenha,
                    QStringLiteral("--company"), QStringLiteral("Empresa X"), QStringLiteral("--version"), Versao()}))
        << Sim.Erro().toStdString();
    Sessao.CfgConexao.Ip = QStringLiteral("127.0.0.1");
    Sessao.CfgConexao.Porta = Sim.Porta();
    Sessao.CfgConexao.Usuario = kUsuario;
    Sessao.CfgConexao.Senha = kSenha;
  }
  void TearDown() override {
    if (HasFailure()) std::cerr << "simulator log:\n" << Sim.Log().toStdString();
    SessaoTeste::TearDown();
  }

  virtual QString Versao() const { return QStringLiteral("1.1.0.0"); }
  bool ChatNovo() const { return CompareVersao(Versao(), QStringLiteral("1.0.11.0")) > 0; }

  void PreparaPasta() {
    // The catalogues are written by the program's own writers.
    AdicionaMensagem(QStringLiteral("bomdia"), QStringLiteral("Bom dia"));
    AdicionaMensagem(QStringLiteral("saldo"), QStringLiteral("Saldo em conta"));
    AdicionaMensagem(QStringLiteral("menu"), QStringLiteral("Menu principal: opção € ação"));
    QStringList linhas;
    MensagensToXMLStringList(false, linhas);
    ASSERT_TRUE(SalvaLinhas(linhas, Sim.Caminho(QStringLiteral("mensagens.xml"))));
    MenuUraInfoAuxiliar.ListaDeMensagensChat.Add(QStringLiteral("Olá! Como posso ajudar?"));
    MenuUraInfoAuxiliar.ListaDeMensagensChatTDD.Add(QStringLiteral("Atendimento TDD"));
    MensagensToXMLStringList(true, linhas);
    ASSERT_TRUE(SalvaLinhas(linhas, Sim.Caminho(QStringLiteral("mensagenschat.xml"))));
    MenuUraInfoAuxiliar.Clear();

    for (const char* wav : {"bomdia.wav", "saldo.wav", "extra.wav"})
      ASSERT_TRUE(Sim.Grava(QString::fromLatin1(wav), "RIFF"));
    Atendimento = NovoDac(QStringLiteral("Atendimento"), QString(), 30);
    ASSERT_TRUE(SalvaLinhas(LinhasDoDac(*Atendimento), Sim.Caminho(QStringLiteral("atendimento.xml"))));
    ASSERT_TRUE(SalvaLinhas(LinhasDoDac(*NovoDac(QStringLiteral("Vendas"), QString(), 2)),
                            Sim.Caminho(QStringLiteral("vendas.xml"))));
    ASSERT_TRUE(Sim.Grava(QStringLiteral("sim-headers.json"), QStringLiteral(R"({
      "atendimento.xml": {"CriadoEm": "01/02/2024 10:00", "CriadoPor": "joão",
                          "ModificadoEm": "03/02/2024 11:30", "ModificadoPor": "ana"},
      "vendas.xml": {"PermissaoWrite": 0}})")
                                                                  .toUtf8()));
    ASSERT_TRUE(Sim.Grava(QStringLiteral("sim-lookup.json"), QStringLiteral(R"({
      "Filas": [{"FilaId": "1", "Nome": "Suporte técnico", "Tipo": "v"}, {"FilaId": "2", "Nome": "Chat Vendas", "Tipo": "c"},
                {"FilaId": "3", "Nome": "Ignorada", "Tipo": "x"}],
      "Grupos": [{"GrupoId": "10", "Nome": "Vendas"}, {"GrupoId": "11", "Nome": "Cobrança"}],
      "Uras": ["5000", "atendimento.xml", "ATEND.XML", "5000", "Atendimento.xml"],
      "Comandos": ["consultaSaldo", "abreChamado"],
      "TTS": {"Usuario": "tts", "Senha": "segredo", "Endereco": "http://127.0.0.1:9/tts", "Bits": 16,
              "Canais": 1, "Amostras": 8000, "Formato": "wav", "Locutor": "voz"}})")
                                                                 .toUtf8()));
  }

  // Logs in and waits for the lookup data and the catalogues.
  void Entra() {
    Sessao.Conectar();
    ASSERT_TRUE(EsperaAte([&] { return Sessao.ClientManager->Logged; }));
    ASSERT_TRUE(EsperaAte([&] {
      return Sessao.bTemTTS && MenuUraInfoAuxiliar.ListaDeMensagens.Count() == 4 &&
             (!ChatNovo() || MenuUraInfoAuxiliar.ListaDeMensagensChatTDD.Count() > 0);
    }));
    // One more round trip: whatever the session would still ask for is asked by now.
    Sessao.SendStringListaDeUras();
    ASSERT_TRUE(EsperaAte([&] { return Janela.Selecoes > 0; }));
    Sessao.EscolheUraServidor(QString());
    Janela.Selecoes = 0;
    Janela.Cursor.clear();
  }

  QJsonObject Cabecalho(const QString& Arquivo) {
    return QJsonDocument::fromJson(Sim.Le(QStringLiteral("sim-headers.json"))).object().value(Arquivo).toObject();
  }
  // Waits for the next deferred message.
  bool EsperaAdiada(size_t Quantas = 1) {
    return EsperaAte([&] { return Janela.Adiadas.size() >= Quantas; });
  }

  Simulador Sim;
  std::unique_ptr<TDAC> Atendimento;
};

class SessaoSimuladorAntigoTeste : public SessaoSimuladorTeste {
 protected:
  QString Versao() const override { return QStringLiteral("1.0.11.0"); }
};

TEST_F(SessaoSimuladorTeste, LoginRecusadoSoNaBarraDeStatus) {
  Sessao.CfgConexao.Senha = QStringLiteral("errada");
  Sessao.Conectar();
  ASSERT_TRUE(EsperaAte([&] { return !Janela.InfoConexao.isEmpty(); }));
  const QString recebida = QStringLiteral("Usuário ou senha inválidos");
  EXPECT_THAT(Janela.Status, ElementsAre(u"Conectando ao Servidor (127.0.0.1)", u"Conectado ao Servidor",
                                         u"Efetuando login...", recebida));
  EXPECT_THAT(Janela.InfoConexao, ElementsAre(recebida));
  EXPECT_EQ(Janela.Botoes, 1);
  EXPECT_EQ(Janela.FechaLogin, 0);
  EXPECT_FALSE(Sessao.ClientManager->Logged);
  EXPECT_TRUE(Sessao.ClientManager->Connected());
  EXPECT_THAT(Janela.Adiadas, IsEmpty());
  EXPECT_THAT(Janela.Imediatas, IsEmpty());
}

TEST_F(SessaoSimuladorTeste, LoginTrazDadosDeConsultaECatalogos) {
  ASSERT_NO_FATAL_FAILURE(Entra());
  EXPECT_THAT(Janela.Status.mid(0, 4), ElementsAre(u"Conectando ao Servidor (127.0.0.1)", u"Conectado ao Servidor",
                                                   u"Efetuando login...", u"Conectado à URA (IP: 127.0.0.1). "));
  EXPECT_EQ(Janela.FechaLogin, 1);
  EXPECT_THAT(Janela.Versoes, ElementsAre(u"1.1.0.0"));
  EXPECT_EQ(Sessao.InfoServidor.NomeEmpresa, QStringLiteral("Empresa X"));
  EXPECT_EQ(Sessao.InfoServidor.TipoUra, 1);

  const auto& info = MenuUraInfoAuxiliar;
  ASSERT_EQ(info.ListaDeFilasVoz.Count(), 1);
  EXPECT_EQ(info.ListaDeFilasVoz.GetItem(0)->NomeFila, QStringLiteral("Suporte técnico"));
  ASSERT_EQ(info.ListaDeFilasChat.Count(), 1);
  EXPECT_EQ(info.ListaDeFilasChat.GetItem(0)->FilaId, QStringLiteral("2"));
  ASSERT_EQ(info.ListaDeGrupos.Count(), 2);
  EXPECT_EQ(info.ListaDeGrupos.GetItem(1)->NomeGrupo, QStringLiteral("Cobrança"));
  EXPECT_THAT(info.ListaDeUrasVoz, ElementsAre(u"5000", u"ATEND.XML"));
  EXPECT_THAT(info.ListaDeUrasChat, ElementsAre(u"atendimento"));
  EXPECT_THAT(info.ListaDeComandos.Lista(), ::testing::UnorderedElementsAre(u"consultaSaldo", u"abreChamado"));
  EXPECT_THAT(Catalogo(), ElementsAre(u"bomdia|Bom dia|1", u"saldo|Saldo em conta|1",
                                      u"menu|Menu principal: opção € ação|0", u"extra||1"));
  EXPECT_THAT(info.ListaDeMensagensChat.Lista(), ElementsAre(u"Olá! Como posso ajudar?"));
  EXPECT_THAT(info.ListaDeMensagensChatTDD.Lista(), ElementsAre(u"Atendimento TDD"));

  EXPECT_TRUE(Sessao.bTemTTS);
  EXPECT_EQ(Sessao.CfgTTSServ.Login, QStringLiteral("tts"));
  EXPECT_EQ(Sessao.CfgTTSServ.Senha, QStringLiteral("segredo"));
  EXPECT_EQ(Sessao.CfgTTSServ.EnderecoServ, QStringLiteral("http://127.0.0.1:9/tts"));
  EXPECT_EQ(Sessao.CfgTTSServ.Empresa, QStringLiteral("Empresa X"));
  EXPECT_EQ(Sessao.CfgTTSServ.Locutor, QStringLiteral("voz"));
  EXPECT_EQ(Sim.Pedidos(QStringLiteral("ActionId: LerXmlMensagensChat")).size(), 1);
  EXPECT_THAT(Janela.Adiadas, IsEmpty());
  EXPECT_THAT(Janela.Imediatas, IsEmpty());
}

TEST_F(SessaoSimuladorAntigoTeste, Versao1_0_11_0NaoTemCatalogoDeChat) {
  ASSERT_NO_FATAL_FAILURE(Entra());
  EXPECT_THAT(Janela.Versoes, ElementsAre(u"1.0.11.0"));
  EXPECT_EQ(MenuUraInfoAuxiliar.ListaDeMensagens.Count(), 4);
  EXPECT_EQ(MenuUraInfoAuxiliar.ListaDeMensagensChat.Count(), 0);
  EXPECT_EQ(MenuUraInfoAuxiliar.ListaDeMensagensChatTDD.Count(), 0);
  EXPECT_THAT(Sim.Pedidos(QStringLiteral("mensagenschat.xml")), IsEmpty());
  EXPECT_EQ(Sim.Pedidos(QStringLiteral("ActionId: LerXmlMensagens |")).size(), 1);
}

TEST_F(SessaoSimuladorTeste, ListaEAbreUraDoServidor) {
  ASSERT_NO_FATAL_FAILURE(Entra());
  Sessao.SendStringListaDeUras();
  ASSERT_TRUE(EsperaAte([&] { return Janela.Selecoes == 1; }));
  ASSERT_EQ(Sessao.ListaDACsServidor.size(), 2u);
  const TDAC& a = *Sessao.ListaDACsServidor[0];
  EXPECT_EQ(a.NomeArquivoServidor, QStringLiteral("atendimento.xml"));
  EXPECT_EQ(a.Nome, QStringLiteral("Atendimento"));
  EXPECT_EQ(a.GetCriadoEmStr(), QStringLiteral("01/02/2024 10:00"));
  EXPECT_EQ(a.CriadoPor, QStringLiteral("joão"));
  EXPECT_EQ(a.ModificadoPor, QStringLiteral("ana"));
  EXPECT_TRUE(a.PermissaoW);
  EXPECT_EQ(Sessao.ListaDACsServidor[1]->NomeArquivoServidor, QStringLiteral("vendas.xml"));
  EXPECT_FALSE(Sessao.ListaDACsServidor[1]->PermissaoW);
  EXPECT_THAT(Janela.Cursor, ElementsAre(true, false));

  Sessao.EscolheUraServidor(QStringLiteral("atendimento.xml"));
  EXPECT_TRUE(Sessao.ListaDACsServidor.empty());
  ASSERT_TRUE(EsperaAte([&] { return Janela.Recebidos == 1; }));
  ConfereDocumentoDoServidor(*Janela.Dac, QStringLiteral("atendimento.xml"), true, *Atendimento);
  EXPECT_TRUE(Janela.CursorNormal());
  EXPECT_THAT(Sessao.XMLDocument1.Lines(), IsEmpty());

  Sessao.EscolheUraServidor(QStringLiteral("vendas.xml"));
  ASSERT_TRUE(EsperaAte([&] { return Janela.Recebidos == 2; }));
  EXPECT_EQ(Janela.Dac->Nome, QStringLiteral("Vendas"));
  EXPECT_FALSE(Janela.Dac->PermissaoW);
  EXPECT_THAT(Janela.Adiadas, IsEmpty());
  EXPECT_THAT(Janela.Imediatas, IsEmpty());
}

TEST_F(SessaoSimuladorTeste, SalvaEmPartesEAtualizaOCabecalho) {
  ASSERT_NO_FATAL_FAILURE(Entra());
  Janela.Dac = NovoDac(QStringLiteral("Nova"), QStringLiteral("nova.xml"), 40);
  Janela.Dac->ListaMenus->GetItem(3)->Descricao = QStringLiteral("fora da página: 中文");
  Sessao.SalvarNoServidor();
  ASSERT_TRUE(EsperaAdiada());
  EXPECT_THAT(Janela.Adiadas, ElementsAre(Caixa{QStringLiteral("Arquivo salvo com sucesso."),
                                                QStringLiteral("Salvar arquivo no servidor")}));
  QString esperado = LinhasDoDac(*Janela.Dac).join(u'\n') + u'\n';
  esperado.replace(QStringLiteral("中文"), QStringLiteral("??"));
  EXPECT_EQ(QString::fromUtf8(Sim.Le(QStringLiteral("nova.xml"))), esperado);
  EXPECT_GT(Sim.Pedidos(QStringLiteral("Action: XmlFilePart")).size(), 5);
  EXPECT_EQ(Janela.Snapshots, 1);

  // The header refresh reaches the open document.
  ASSERT_TRUE(EsperaAte([&] { return Janela.Mostras == 1; }));
  const QJsonObject h = Cabecalho(QStringLiteral("nova.xml"));
  const TDAC& d = *Janela.Dac;
  EXPECT_FALSE(d.Novo);
  EXPECT_EQ(d.CriadoPor, kUsuario);
  EXPECT_EQ(d.ModificadoPor, kUsuario);
  EXPECT_EQ(d.GetModificadoEmStr(), h.value("ModificadoEm").toString());
  EXPECT_GT(d.CriadoEm, 0);
  EXPECT_TRUE(Janela.CursorNormal());

  // The chat catalogue went along, read back the same.
  ASSERT_TRUE(EsperaAte([&] { return !Sessao.EnviandoArquivo(); }));
  QStringList chat;
  MensagensToXMLStringList(true, chat);
  ASSERT_TRUE(
      EsperaAte([&] { return Sim.Le(QStringLiteral("mensagenschat.xml")) == (chat.join(u'\n') + u'\n').toUtf8(); }));
  EXPECT_THAT(Janela.Imediatas, IsEmpty());
}

TEST_F(SessaoSimuladorTeste, AtivaUra) {
  ASSERT_NO_FATAL_FAILURE(Entra());
  Janela.Dac = NovoDac(QStringLiteral("Atendimento"), QStringLiteral("atendimento.xml"), 1);
  Sessao.AtivarUra();
  EXPECT_THAT(Janela.Cursor, ElementsAre(true));
  ASSERT_TRUE(EsperaAdiada());
  EXPECT_THAT(Janela.Adiadas,
              ElementsAre(Caixa{QStringLiteral("Ura ativada com sucesso."), QStringLiteral("Ativar URA")}));
  EXPECT_EQ(Cabecalho(QStringLiteral("atendimento.xml")).value("AtivadoPor").toString(), kUsuario);
  EXPECT_THAT(Janela.Cursor, ElementsAre(true, false));
}

TEST_F(SessaoSimuladorTeste, ErrosDoServidorComTituloPorAcao) {
  ASSERT_NO_FATAL_FAILURE(Entra());
  Sessao.EscolheUraServidor(QStringLiteral("nao-existe.xml"));
  ASSERT_TRUE(EsperaAdiada(1));
  Janela.Dac = NovoDac(QStringLiteral("Vendas"), QStringLiteral("vendas.xml"), 1);
  Sessao.SalvarNoServidor();
  ASSERT_TRUE(EsperaAdiada(2));
  Janela.Dac->NomeArquivoServidor = QStringLiteral("sumiu.xml");
  Sessao.AtivarUra();
  ASSERT_TRUE(EsperaAdiada(3));
  Sessao.EnviaXmlMensagensParaServidor(QStringLiteral("outro.xml"));
  ASSERT_TRUE(EsperaAdiada(4));
  TEnvioAudio envio(QStringLiteral("../fora.wav"), QByteArray(10, 'x'));
  Janela.Audio = &envio;
  Sessao.IniciaEnvioAudio(envio.NomeArquivo());
  ASSERT_TRUE(EsperaAdiada(5));
  EXPECT_THAT(
      Janela.Adiadas,
      ElementsAre(
          Caixa{QStringLiteral("ERRO: Arquivo não encontrado: nao-existe.xml"), QStringLiteral("Ler arquivo URA")},
          Caixa{QStringLiteral("ERRO: Usuário sem permissão de escrita no arquivo vendas.xml"),
                QStringLiteral("Salvar arquivo no servidor")},
          Caixa{QStringLiteral("ERRO: Arquivo não encontrado: sumiu.xml"), QStringLiteral("Ativar URA")},
          Caixa{QStringLiteral("ERRO: Arquivo de mensagens desconhecido: outro.xml"),
                QStringLiteral("Salvar mensagens no servidor")},
          Caixa{QStringLiteral("ERRO: Nome de arquivo de áudio inválido: ../fora.wav"),
                QStringLiteral("Enviar arquivo")}));
  EXPECT_EQ(Janela.Ociosos, 1);
  EXPECT_EQ(envio.Posicao(), 0);
  EXPECT_TRUE(Janela.CursorNormal());
  EXPECT_EQ(Janela.Recebidos, 0);
  EXPECT_THAT(Janela.Imediatas, IsEmpty());
}

TEST_F(SessaoSimuladorTeste, EnviaCatalogosQueVoltamIguais) {
  ASSERT_NO_FATAL_FAILURE(Entra());
  for (int i = 0; i < 60; ++i)
    AdicionaMensagem(QStringLiteral("msg%1").arg(i), QStringLiteral("Descrição nº %1 <b> & \"c\" €").arg(i));
  MenuUraInfoAuxiliar.ListaDeMensagensChat.Add(QStringLiteral("Segunda mensagem, com acentuação"));
  const QStringList catalogo = Catalogo();
  const QStringList chat = MenuUraInfoAuxiliar.ListaDeMensagensChat.Lista();
  const QStringList tdd = MenuUraInfoAuxiliar.ListaDeMensagensChatTDD.Lista();

  const auto envia = [&](const QString& nome) {
    const size_t antes = Janela.Cursor.size();
    Sessao.EnviaXmlMensagensParaServidor(nome);
    // The success only returns the pointer to normal.
    return EsperaAte([&] { return Janela.Cursor.size() > antes; });
  };
  ASSERT_TRUE(envia(QString()));
  ASSERT_TRUE(envia(QStringLiteral("mensagenschat.xml")));
  EXPECT_THAT(Janela.Adiadas, IsEmpty());
  EXPECT_GT(Sim.Pedidos(QStringLiteral("Action: XmlMessageFilePart")).size(), 5);

  // Read back into empty lists, the files give the same catalogue.
  MenuUraInfoAuxiliar.Clear();
  TXMLDocument doc;
  TXMLDac xml;
  ASSERT_TRUE(xml.LerXMLMensagens(doc, nullptr, Sim.Caminho(QStringLiteral("mensagens.xml"))));
  ASSERT_TRUE(xml.LerXMLMensagens(doc, nullptr, Sim.Caminho(QStringLiteral("mensagenschat.xml"))));
  QStringList semMarca;
  for (QString c : catalogo) semMarca << c.chopped(1) + u'0';
  EXPECT_EQ(Catalogo(), semMarca);
  EXPECT_EQ(MenuUraInfoAuxiliar.ListaDeMensagensChat.Lista(), chat);
  EXPECT_EQ(MenuUraInfoAuxiliar.ListaDeMensagensChatTDD.Lista(), tdd);
}

TEST_F(SessaoSimuladorTeste, EnviaAudioEmBlocos) {
  ASSERT_NO_FATAL_FAILURE(Entra());
  QByteArray audio(600, '\0');
  for (int i = 0; i < audio.size(); ++i) audio[i] = static_cast<char>((i * 151 + 7) % 256);
  TEnvioAudio envio(QStringLiteral("saudacao.wav"), audio);
  Janela.Audio = &envio;
  Sessao.IniciaEnvioAudio(envio.NomeArquivo());
  // The server's answer to the end, success or not, then the file it kept.
  ASSERT_TRUE(EsperaAte([&] { return !Sim.Respostas(QStringLiteral("Response: ")).filter(u"SaveWavFile").isEmpty(); }));
  EXPECT_TRUE(envio.Finalizado());
  EXPECT_EQ(Sim.Le(QStringLiteral("saudacao.wav")), audio);
  EXPECT_EQ(Sim.Pedidos(QStringLiteral("Action: WavFilePart")).size(), 3);
  EXPECT_THAT(Janela.Adiadas, IsEmpty());
  EXPECT_EQ(Janela.Ociosos, 0);
}

}  // namespace
