#pragma once
// The session with the telephony server (and the notification of the local
// service): login, lookup data, URA files and catalogues in parts, activation
// and audio upload. Everything the user sees goes through IJanelaSessao.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "ClientManager.h"
#include "UTMenuUra.h"
#include "UTXMLDac.h"
#include "xmldocument.h"

struct TInfoServidor {
  QString Versao;
  int TipoUra = 1;  // 3: local mode
  QString NomeEmpresa;
};

struct TCfgConexao {
  QString Ip;
  int Porta = 5042;
  QString Usuario;
  QString Senha;
  bool SalvarSenha = false;
};

// Voice used when the server does not name one.
inline const QString kLocutorPadrao = QStringLiteral("raquel");

struct TCfgTTSServidor {
  QString Login;
  QString Senha;
  QString Empresa;
  QString EnderecoServ;
  int Bits = 16;
  int Canais = 1;
  int Amostras = 8000;
  QString formato = QStringLiteral("wav");
  QString Locutor = kLocutorPadrao;
};

// What the session asks of the windows. The main window implements it; a
// headless caller (the command line tool, the tests) implements it too.
class IJanelaSessao {
 public:
  virtual ~IJanelaSessao() = default;
  // Status bar text.
  virtual void MostraStatus(const QString& Texto) = 0;
  // The connection dialog's information line, when the dialog is open.
  virtual void MostraInfoConexao(const QString& Texto) { MostraStatus(Texto); }
  // The connection dialog's two buttons enabled again, when it is open.
  virtual void HabilitaBotoesConexao() {}
  // Login succeeded: the connection dialog, when open, is hidden and closed.
  virtual void FechaFormLogin() {}
  // A message box shown later by the message timer, never inside a network event.
  virtual void MensagemAdiada(const QString& Texto, const QString& Titulo) = 0;
  // A box shown at once: plain (socket errors) or error.
  virtual void MensagemImediata(const QString& Texto, const QString& Titulo, bool Erro) = 0;
  virtual void CursorOcupado(bool Ocupado) = 0;
  virtual void HabilitaMenus() {}
  // The server reported its version.
  virtual void MostraVersaoServidor(const QString& Versao) {}
  // The URA list arrived (ListaDACsServidor): show the selection outside the
  // network event and answer with EscolheUraServidor.
  virtual void AbreSelecaoUra() = 0;
  // The open document, or null.
  virtual TDAC* DacAtual() = 0;
  // A document received from the server replaces the open one; the window
  // shows it and renews its change snapshot.
  virtual void RecebeDac(std::unique_ptr<TDAC> Dac) = 0;
  // The open document's header changed: show it again.
  virtual void MostraDac() {}
  // Renew the change snapshot of the open document.
  virtual void RenovaSnapshot() {}
  // The server asks for the next audio block; ignored when no audio window is open.
  virtual void ProximoBlocoAudio() {}
  // The audio upload failed: the audio window returns to idle.
  virtual void AudioOcioso() {}
};

// A window that shows nothing, for callers that only drive the session
// (benchmarks, pictures of windows, tests); override what you need.
class TJanelaSessaoMuda : public IJanelaSessao {
 public:
  void MostraStatus(const QString&) override {}
  void MensagemAdiada(const QString&, const QString&) override {}
  void MensagemImediata(const QString&, const QString&, bool) override {}
  void CursorOcupado(bool) override {}
  void AbreSelecaoUra() override {}
  TDAC* DacAtual() override { return nullptr; }
  void RecebeDac(std::unique_ptr<TDAC>) override {}
};

// "Chat", "Chat (TDD)" or "Voz": the type column of the URA lists.
QString TipoUraTexto(const QString& TipoUra);
// Text the server sent in UTF-8, read through the code page: decoded when it
// is valid UTF-8 and not empty, otherwise as received.
QString GetUtf8ToAnsiMessage(const QString& Valor);
// The text of a received file part ("FilePart"), decoded from UTF-8 and
// reduced to the code page; as received when that gives nothing.
QString DecodificaParteArquivo(const QString& Valor);

class TSessaoServidor : public QObject {
  Q_OBJECT
 public:
  explicit TSessaoServidor(IJanelaSessao* Janela, QObject* parent = nullptr);
  ~TSessaoServidor() override;

  std::unique_ptr<TClientManager> ClientManager;
  std::unique_ptr<TClientManager> CMRORIROSonarea;
  TInfoServidor InfoServidor;
  TCfgConexao CfgConexao;
  TCfgTTSServidor CfgTTSServ;
  bool bTemTTS = false;
  // The receiver of files that arrive in parts.
  TXMLDocument XMLDocument1;
  // Header-only documents of the server's URA list.
  std::vector<std::unique_ptr<TDAC>> ListaDACsServidor;
  // Folder of "RORIROSonarea.ini" (the user folder).
  QString PastaUsuario;

  bool EhRorIROSonarea() const { return InfoServidor.TipoUra == 3; }

  // Connection and login.
  void Conectar();
  void Desconectar();
  void SendStringLoginUsuario();
  void SendStringGetInfoServer();
  void SendStringLeArquivoMensagens(const QString& Nome);
  void SendStringListaArquivosWav();
  void SendStringListaDeUras();  // "Abrir do servidor"
  void SendStringLerXml(const QString& Nome);
  // Answer of the URA selection: an empty name means cancelled.
  void EscolheUraServidor(const QString& NomeArquivo);
  // Reads the server's file Nome without opening it: the document goes to
  // Destino (not to the window); nothing arrives when the read fails.
  void LeUraParaComparar(const QString& Nome, std::function<void(std::unique_ptr<TDAC>)> Destino);
  // "Salvar no servidor" and "Ativar URA" of the open document.
  void SalvarNoServidor();
  void AtivarUra();
  void EnviaXmlMensagensParaServidor(const QString& Nome);
  // Audio upload, driven by the server's "wavfilesendpart" events.
  void IniciaEnvioAudio(const QString& NomeArquivo);
  void EnviaBlocoAudio(const QByteArray& Bloco);
  void FinalizaEnvioAudio(const QString& NomeArquivo);
  // Tells the local service to reload the open document's accounts.
  void ConectaNoRORIROSonarea();

  // The downloads a login starts (server information, catalogue, chat
  // catalogue, audio list) have all been answered: what a person at the
  // window waits for before working with the server.
  bool DownloadsDoLoginConcluidos() const {
    return ClientManager->Logged && !FEsperaInfo && !FEsperaListaWav && FAguardandoMensagens == 0;
  }

  // Nothing waits to be sent and every catalogue upload has been answered.
  bool EnviosConcluidos() const { return FFilaEnvio.empty() && FAguardandoSalvarMensagens == 0; }

  // True while file parts are waiting to be sent.
  bool EnviandoArquivo() const { return !FFilaEnvio.empty(); }

  void OnClientManagerPacket(TClientManager* Sender, const QString& Packet);
  // Takes a file's parts, nearly all of a transfer, from the bytes; false
  // for every other packet, which then comes to OnClientManagerPacket.
  bool OnClientManagerPacketBytes(TClientManager* Sender, QByteArrayView Packet);
  void OnClientManagerConnect(TClientManager* Sender);
  void OnClientManagerDisconnect(TClientManager* Sender);
  void OnClientManagerError(TClientManager* Sender, int Code);
  void OnCMRORIROSonareaConnect(TClientManager* Sender);

 signals:
  // The connection to the server ended (closed or failed): every transfer
  // in progress was dropped, and no request goes out until it is made again.
  void ConexaoEncerrada();

 private:
  void TrataEvento(const QString& Evento, const TPacketManagerParser& P, const QString& ActionID);
  void TrataResposta(const QString& Resposta, const TPacketManagerParser& P, const QString& ActionID);
  void SucessoLogin();
  void RecebeInfoServidor(const TPacketManagerParser& P);
  void RecebeParte(const TPacketManagerParser& P);
  // A part's bytes as the server sent them, when they are UTF-8 of the
  // page's characters: split into lines as they are. False for any other.
  bool RecebeParteUtf8(QByteArrayView Parte);
  void ConcluiLeituraUra(const TPacketManagerParser& P);
  void ConcluiLeituraMensagens(const QString& ActionID);
  void RecebeCabecalho(const TPacketManagerParser& P, bool ParaLista);
  void RecebeKrdb(const TPacketManagerParser& P);
  void RecebeTTS(const TPacketManagerParser& P);
  void EnviaArquivoUra();
  void ResetReceptor();
  // Drops every transfer in progress when the connection ends.
  void EncerraTransferencias(TClientManager* Sender);
  void LimpaListasAuxiliares();
  // Outgoing file parts go through one queue so that uploads never mix; a
  // part marked with a pause waits 10 ms (without blocking the event loop).
  void Enfileira(const QByteArray& Pacote, bool Pausa);
  void BombeiaEnvio();

  IJanelaSessao* FJanela;
  TXMLDac FXMLDac;
  struct TPacoteEnvio {
    QByteArray Bytes;
    bool Pausa;
  };
  std::deque<TPacoteEnvio> FFilaEnvio;
  QTimer FTimerEnvio;
  bool FAguardandoUra = false;
  int FAguardandoMensagens = 0;
  int FAguardandoSalvarMensagens = 0;
  bool FEsperaInfo = false;
  bool FEsperaListaWav = false;
  QString FDacFileNameRORIRO;
  std::function<void(std::unique_ptr<TDAC>)> FDestinoLeitura;  // a file asked for comparison
};
