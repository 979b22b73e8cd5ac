#include "SessaoServidor.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include "Requisicoes.h"
#include "arquivoini.h"
#include "codepage.h"
#include "texto.h"
#include "versao.h"

namespace {
const QString kVersaoChat = QStringLiteral("1.0.11.0");
const QString kArquivoChat = QStringLiteral("mensagenschat.xml");

bool SoAscii(const QString& Valor) {
  for (const QChar c : Valor)
    if (c.unicode() >= 0x80) return false;
  return true;
}

// UTF-8 text that arrived through the code page; empty when not valid UTF-8.
QString DecodificaUtf8(const QString& Valor) {
  // ASCII reads the same in UTF-8 and in the page.
  if (SoAscii(Valor)) return Valor;
  QStringDecoder dec(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString r = dec.decode(EncodeAnsi(Valor));
  return dec.hasError() ? QString() : r;
}

// Pieces of a comma-separated value: every piece before a comma (even empty),
// and the rest after the last comma when it is not empty.
QStringList PecasVirgula(const QString& Valor) {
  QStringList pecas = Valor.split(u',');
  if (!pecas.isEmpty() && pecas.last().isEmpty()) pecas.removeLast();
  return pecas;
}

bool ContemSemCaixa(const QStringList& lista, const QString& v) {
  const QString chave = LowerAscii(v);
  for (const QString& s : lista)
    if (LowerAscii(s) == chave) return true;
  return false;
}
}  // namespace

QString TipoUraTexto(const QString& TipoUra) {
  if (TipoUra == u"chat") return QStringLiteral("Chat");
  if (TipoUra == u"chattdd") return QStringLiteral("Chat (TDD)");
  return QStringLiteral("Voz");
}

QString GetUtf8ToAnsiMessage(const QString& Valor) {
  const QString r = DecodificaUtf8(Valor);
  return r.isEmpty() ? Valor : r;
}

QString DecodificaParteArquivo(const QString& Valor) {
  const QString r = ReduceToAnsi(DecodificaUtf8(Valor));
  return r.isEmpty() ? Valor : r;
}

TSessaoServidor::TSessaoServidor(IJanelaSessao* Janela, QObject* parent)
    : QObject(parent),
      ClientManager(std::make_unique<TClientManager>()),
      CMRORIROSonarea(std::make_unique<TClientManager>()),
      FJanela(Janela) {
  ClientManager->OnPacket = [this](TClientManager* s, const QString& p) { OnClientManagerPacket(s, p); };
  ClientManager->OnPacketBytes = [this](TClientManager* s, QByteArrayView p) {
    return OnClientManagerPacketBytes(s, p);
  };
  ClientManager->OnConnect = [this](TClientManager* s) { OnClientManagerConnect(s); };
  ClientManager->OnDisconnect = [this](TClientManager* s) { OnClientManagerDisconnect(s); };
  ClientManager->OnError = [this](TClientManager* s, int c) { OnClientManagerError(s, c); };
  // The local service's packets, errors and disconnections are of no interest.
  CMRORIROSonarea->OnConnect = [this](TClientManager* s) { OnCMRORIROSonareaConnect(s); };
  FTimerEnvio.setSingleShot(true);
  FTimerEnvio.setInterval(10);
  connect(&FTimerEnvio, &QTimer::timeout, this, &TSessaoServidor::BombeiaEnvio);
}

TSessaoServidor::~TSessaoServidor() {
  ClientManager->OnPacket = nullptr;
  ClientManager->OnPacketBytes = nullptr;
  ClientManager->OnConnect = nullptr;
  ClientManager->OnDisconnect = nullptr;
  ClientManager->OnError = nullptr;
  CMRORIROSonarea->OnConnect = nullptr;
}

// ---- Requests ----------------------------------------------------------------

void TSessaoServidor::Conectar() {
  FJanela->MostraStatus(QStringLiteral("Conectando ao Servidor (") + CfgConexao.Ip + u')');
  ClientManager->Connect(CfgConexao.Ip, static_cast<quint16>(CfgConexao.Porta));
}

void TSessaoServidor::Desconectar() { ClientManager->Disconnect(); }

void TSessaoServidor::SendStringLoginUsuario() {
  FJanela->MostraStatus(QStringLiteral("Efetuando login..."));
  ClientManager->SendString(Requisicao::Login(CfgConexao.Usuario, CfgConexao.Senha));
}

void TSessaoServidor::SendStringGetInfoServer() { ClientManager->SendString(Requisicao::GetInfoServer()); }

void TSessaoServidor::SendStringLeArquivoMensagens(const QString& Nome) {
  ++FAguardandoMensagens;
  ClientManager->SendString(Requisicao::LeArquivoMensagens(Nome));
}

void TSessaoServidor::SendStringListaArquivosWav() { ClientManager->SendString(Requisicao::ListaArquivosWav()); }

void TSessaoServidor::SendStringListaDeUras() {
  ListaDACsServidor.clear();
  FJanela->CursorOcupado(true);
  ClientManager->SendString(Requisicao::ListaDeUras());
}

void TSessaoServidor::SendStringLerXml(const QString& Nome) {
  FAguardandoUra = true;
  ClientManager->SendString(Requisicao::LerXml(Nome));
}

void TSessaoServidor::EscolheUraServidor(const QString& NomeArquivo) {
  if (!NomeArquivo.isEmpty()) {
    FDestinoLeitura = nullptr;
    ResetReceptor();
    FJanela->CursorOcupado(true);
    SendStringLerXml(NomeArquivo);
  }
  ListaDACsServidor.clear();
}

void TSessaoServidor::LeUraParaComparar(const QString& Nome, std::function<void(std::unique_ptr<TDAC>)> Destino) {
  ResetReceptor();
  FDestinoLeitura = std::move(Destino);
  FJanela->CursorOcupado(true);
  SendStringLerXml(Nome);
}

void TSessaoServidor::SalvarNoServidor() {
  const TDAC* dac = FJanela->DacAtual();
  if (!dac) return;
  ClientManager->SendString(Requisicao::SalvaXmlUra(dac->NomeArquivoServidor, dac->Nome));
  FJanela->CursorOcupado(true);
}

void TSessaoServidor::AtivarUra() {
  const TDAC* dac = FJanela->DacAtual();
  if (!dac) return;
  FJanela->CursorOcupado(true);
  ClientManager->SendString(Requisicao::AtivaXmlUra(dac->NomeArquivoServidor, dac->Nome));
}

void TSessaoServidor::EnviaXmlMensagensParaServidor(const QString& Nome) {
  QStringList linhas;
  MensagensToXMLStringList(Nome == kArquivoChat, linhas);
  ++FAguardandoSalvarMensagens;
  Enfileira(EncodeAnsi(Requisicao::SalvaXmlMensagens(Nome)), false);
  const QList<QByteArray> partes = MontaPartesArquivo(linhas);
  for (qsizetype i = 0; i < partes.size(); ++i)
    Enfileira(Requisicao::ParteXmlMensagens(partes[i]), i + 1 < partes.size());
  Enfileira(EncodeAnsi(Requisicao::FimXmlMensagens()), false);
}

void TSessaoServidor::EnviaArquivoUra() {
  const TDAC* dac = FJanela->DacAtual();
  if (!dac) return;
  // Straight from the writer into the requests, without a list of lines.
  const QString nome = dac->NomeArquivoServidor;
  TPartesArquivo montador(Requisicao::InicioParteXmlUra(nome), Requisicao::kFimParte);
  FXMLDac.DACToXML(dac, montador);
  const QList<QByteArray> partes = montador.Partes();
  for (qsizetype i = 0; i < partes.size(); ++i) Enfileira(partes[i], i + 1 < partes.size());
  Enfileira(EncodeAnsi(Requisicao::FimXmlUra(nome)), false);
  XMLDocument1.Deactivate();
  const auto& info = MenuUraInfoAuxiliar;
  if (CompareVersao(InfoServidor.Versao, kVersaoChat) > 0 &&
      (info.ListaDeMensagensChat.Count() > 0 || info.ListaDeMensagensChatTDD.Count() > 0))
    EnviaXmlMensagensParaServidor(kArquivoChat);
}

void TSessaoServidor::IniciaEnvioAudio(const QString& NomeArquivo) {
  ClientManager->SendString(Requisicao::SalvaArquivoWav(NomeArquivo));
}

void TSessaoServidor::EnviaBlocoAudio(const QByteArray& Bloco) {
  ClientManager->SendString(Requisicao::BlocoArquivoWav(Bloco.left(250)));
}

void TSessaoServidor::FinalizaEnvioAudio(const QString& NomeArquivo) {
  ClientManager->SendString(Requisicao::FimArquivoWav(NomeArquivo));
}

void TSessaoServidor::ConectaNoRORIROSonarea() {
  const TDAC* dac = FJanela->DacAtual();
  if (!dac) return;
  FDacFileNameRORIRO = QFileInfo(dac->NomeArquivoLocal).fileName();
  if (CMRORIROSonarea->Connected()) {
    CMRORIROSonarea->SendString(Requisicao::RecarregaContas(FDacFileNameRORIRO));
    CMRORIROSonarea->Disconnect();
    return;
  }
  const TArquivoIni ini = TArquivoIni::Carrega(QDir(PastaUsuario).filePath(QStringLiteral("RORIROSonarea.ini")));
  const int porta = StrToIntDef(ini.Valor(QStringLiteral("Servico"), QStringLiteral("PortaServerUsada")), 0);
  if (porta > 0 && porta <= 65535) CMRORIROSonarea->Connect(QStringLiteral("127.0.0.1"), static_cast<quint16>(porta));
}

void TSessaoServidor::OnCMRORIROSonareaConnect(TClientManager* Sender) {
  Sender->SendString(Requisicao::RecarregaContas(FDacFileNameRORIRO));
  Sender->Disconnect();
}

void TSessaoServidor::Enfileira(const QByteArray& Pacote, bool Pausa) {
  FFilaEnvio.push_back({Pacote, Pausa});
  if (!FTimerEnvio.isActive()) BombeiaEnvio();
}

void TSessaoServidor::BombeiaEnvio() {
  while (!FFilaEnvio.empty() && !FTimerEnvio.isActive()) {
    const TPacoteEnvio p = std::move(FFilaEnvio.front());
    FFilaEnvio.pop_front();
    ClientManager->SendAnsiString(p.Bytes);
    if (p.Pausa) FTimerEnvio.start();
  }
}

// ---- Connection events -------------------------------------------------------

void TSessaoServidor::LimpaListasAuxiliares() { MenuUraInfoAuxiliar.Clear(); }

void TSessaoServidor::ResetReceptor() { XMLDocument1.Reset(); }

void TSessaoServidor::OnClientManagerConnect(TClientManager*) {
  bTemTTS = false;
  InfoServidor.NomeEmpresa.clear();
  // Requests skipped while there was no connection expect nothing.
  ResetReceptor();
  FAguardandoUra = false;
  FAguardandoMensagens = 0;
  FAguardandoSalvarMensagens = 0;
  FEsperaInfo = FEsperaListaWav = false;
  FJanela->MostraStatus(QStringLiteral("Conectado ao Servidor"));
  LimpaListasAuxiliares();
  SendStringLoginUsuario();
  FJanela->HabilitaMenus();
}

void TSessaoServidor::EncerraTransferencias(TClientManager* Sender) {
  Sender->Logged = false;
  // A file cut off by the end of the connection is dropped whole.
  FFilaEnvio.clear();
  FTimerEnvio.stop();
  ResetReceptor();
  FAguardandoUra = false;
  FDestinoLeitura = nullptr;
  FAguardandoMensagens = 0;
  FAguardandoSalvarMensagens = 0;
  FEsperaInfo = FEsperaListaWav = false;
  FJanela->CursorOcupado(false);
  emit ConexaoEncerrada();
}

void TSessaoServidor::OnClientManagerDisconnect(TClientManager* Sender) {
  EncerraTransferencias(Sender);
  FJanela->MostraStatus(QStringLiteral("Desconectado do Ondaris"));
  LimpaListasAuxiliares();
  FJanela->HabilitaBotoesConexao();
  FJanela->HabilitaMenus();
}

void TSessaoServidor::OnClientManagerError(TClientManager* Sender, int Code) {
  EncerraTransferencias(Sender);
  const QString texto = GetStrErroSocket(Code);
  FJanela->MostraStatus(texto);
  FJanela->HabilitaMenus();
  FJanela->HabilitaBotoesConexao();
  FJanela->MensagemImediata(texto, QStringLiteral("Erro de socket"), false);
}

// ---- Packets ------------------------------------------------------------------

void TSessaoServidor::OnClientManagerPacket(TClientManager*, const QString& Packet) {
  const TPacketManagerParser p(Packet);
  const QString actionId = p.GetActionID();
  const QString tipo = p.GetPacketType();
  if (tipo == u"Event")
    TrataEvento(LowerAscii(p.GetEvent()), p, actionId);
  else if (tipo == u"Response")
    TrataResposta(p.GetResponse(), p, actionId);
}

bool TSessaoServidor::OnClientManagerPacketBytes(TClientManager*, QByteArrayView Packet) {
  // What OnClientManagerPacket and RecebeParte do with a part, read from
  // the bytes; a part they would decode goes to them as text.
  if (EventoDoPacote(Packet).compare("xmlfilepart", Qt::CaseInsensitive) != 0) return false;
  if (XMLDocument1.Active()) return true;
  return RecebeParteUtf8(ValorDoCampo(Packet, QStringLiteral("FilePart")));
}

void TSessaoServidor::TrataEvento(const QString& Evento, const TPacketManagerParser& P, const QString& ActionID) {
  if (Evento == u"xmlfileheader") {
    RecebeCabecalho(P, ActionID == u"ListaUrasSelecionar");
  } else if (Evento == u"listxmluracomplete") {
    FJanela->CursorOcupado(false);
    FJanela->AbreSelecaoUra();
  } else if (Evento == u"xmlfilepart") {
    RecebeParte(P);
  } else if (Evento == u"readxmluracomplete") {
    ConcluiLeituraUra(P);
  } else if (Evento == u"readxmlmessagescomplete") {
    ConcluiLeituraMensagens(ActionID);
  } else if (Evento == u"listwavpart") {
    auto& lista = MenuUraInfoAuxiliar.ListaDeMensagens;
    for (const QString& nome : PecasVirgula(P.GetFieldValue(QStringLiteral("Files")))) {
      TMUDescricaoMensagem* m = lista.SearchItem(nome);
      if (!m) {
        auto novo = std::make_unique<TMUDescricaoMensagem>(nome);
        m = novo.get();
        lista.Add(std::move(novo));
      }
      m->ArquivoExiste = true;
    }
  } else if (Evento == u"listwavfilescomplete") {
    FEsperaListaWav = false;
    FJanela->CursorOcupado(false);
    FJanela->HabilitaMenus();
  } else if (Evento == u"xmlfilestartsend") {
    EnviaArquivoUra();
  } else if (Evento == u"wavfilesendpart") {
    FJanela->ProximoBlocoAudio();
  } else if (Evento == u"infoservura") {
    RecebeInfoServidor(P);
  } else if (Evento == u"krdbevent") {
    RecebeKrdb(P);
  } else if (Evento == u"listcommands") {
    for (const QString& c : PecasVirgula(P.GetFieldValue(QStringLiteral("Commands"))))
      MenuUraInfoAuxiliar.ListaDeComandos.Add(c);
  } else if (Evento == u"ttsconfig") {
    RecebeTTS(P);
  }
}

void TSessaoServidor::TrataResposta(const QString& Resposta, const TPacketManagerParser& P, const QString& ActionID) {
  const bool sucesso = Resposta == u"Success";
  if (!sucesso && Resposta != u"Error") return;
  const QString erro = QStringLiteral("ERRO: ") + GetUtf8ToAnsiMessage(P.GetRespMessage());
  if (ActionID == u"LoginUsuario") {
    if (sucesso) {
      SucessoLogin();
    } else {
      // Shown as the server sent it, legibly: UTF-8 when it is UTF-8.
      const QString msg = GetUtf8ToAnsiMessage(P.GetRespMessage());
      FJanela->MostraStatus(msg);
      FJanela->MostraInfoConexao(msg);
      FJanela->HabilitaBotoesConexao();
    }
  } else if (ActionID == u"LerXml") {
    if (!sucesso) {
      FAguardandoUra = false;
      FDestinoLeitura = nullptr;
      ResetReceptor();
      FJanela->CursorOcupado(false);
      FJanela->MensagemAdiada(erro, QStringLiteral("Ler arquivo URA"));
    }
  } else if (ActionID == u"SaveXmlUra") {
    FJanela->CursorOcupado(false);
    if (sucesso) {
      if (const TDAC* dac = FJanela->DacAtual())
        ClientManager->SendString(Requisicao::LeCabecalhoXmlUra(dac->NomeArquivoServidor));
      FJanela->RenovaSnapshot();
      FJanela->MensagemAdiada(QStringLiteral("Arquivo salvo com sucesso."),
                              QStringLiteral("Salvar arquivo no servidor"));
    } else {
      FJanela->MensagemAdiada(erro, QStringLiteral("Salvar arquivo no servidor"));
    }
  } else if (ActionID == u"SaveXmlMessages") {
    if (FAguardandoSalvarMensagens > 0) --FAguardandoSalvarMensagens;
    FJanela->CursorOcupado(false);
    if (!sucesso) FJanela->MensagemAdiada(erro, QStringLiteral("Salvar mensagens no servidor"));
  } else if (ActionID == u"LerXmlMensagens" || ActionID == u"LerXmlMensagensChat") {
    if (sucesso && ActionID == u"LerXmlMensagens") ResetReceptor();
    // A refused catalogue never completes: a completion that comes later
    // anyway was not asked for.
    if (!sucesso && FAguardandoMensagens > 0) --FAguardandoMensagens;
  } else if (ActionID == u"ActivateXmlUra") {
    FJanela->CursorOcupado(false);
    FJanela->MensagemAdiada(sucesso ? QStringLiteral("Ura ativada com sucesso.") : erro, QStringLiteral("Ativar URA"));
  } else if (ActionID == u"GetInfoServer" || ActionID == u"ListaArquivosWav") {
    // A refusal answers the request as well: nothing more will come.
    if (!sucesso) (ActionID == u"GetInfoServer" ? FEsperaInfo : FEsperaListaWav) = false;
  } else if (ActionID == u"SaveWavFile") {
    if (!sucesso) {
      FJanela->CursorOcupado(false);
      FJanela->AudioOcioso();
      FJanela->MensagemAdiada(erro, QStringLiteral("Enviar arquivo"));
    }
  }
}

void TSessaoServidor::SucessoLogin() {
  ClientManager->Logged = true;
  FJanela->MostraStatus(QStringLiteral("Conectado à URA (IP: ") + CfgConexao.Ip + QStringLiteral("). "));
  FJanela->FechaFormLogin();
  MenuUraInfoAuxiliar.ListaDeMensagens.ClearLista();
  FEsperaInfo = FEsperaListaWav = true;
  SendStringGetInfoServer();
  SendStringLeArquivoMensagens(QString());
  SendStringListaArquivosWav();
  FJanela->HabilitaMenus();
}

void TSessaoServidor::RecebeInfoServidor(const TPacketManagerParser& P) {
  FEsperaInfo = false;
  InfoServidor.Versao = P.GetFieldValue(QStringLiteral("Version"));
  InfoServidor.TipoUra = StrToIntDef(P.GetFieldValue(QStringLiteral("UraType")), 1);
  InfoServidor.NomeEmpresa = P.GetFieldValue(QStringLiteral("EmpresaOndaris"));
  if (InfoServidor.TipoUra == 1) {
    ClientManager->SendString(Requisicao::ListaFilas());
    ClientManager->SendString(Requisicao::ListaGrupos());
    ClientManager->SendString(Requisicao::ListaUras());
    ClientManager->SendString(Requisicao::ListaComandos());
    ClientManager->SendString(Requisicao::GetTTSConfig());
  }
  FJanela->MostraVersaoServidor(InfoServidor.Versao);
}

namespace {

// Hands each line of a file part to Linha: the text between the marks
// "<#10>", and the rest after the last one when it is not empty. The mark is
// found by its "#", which XML text seldom holds: a search for one character
// is much faster than one for the whole mark.
template <class Texto, class Funcao>
void SeparaLinhas(Texto texto, Funcao Linha) {
  const qsizetype n = texto.size();
  qsizetype inicio = 0;
  for (qsizetype h = texto.indexOf('#', 1); h >= 0; h = texto.indexOf('#', h + 1)) {
    const qsizetype pos = h - 1;  // where "<#10>" would begin
    if (pos < inicio || h + 3 >= n || texto[pos] != '<' || texto[h + 1] != '1' || texto[h + 2] != '0' ||
        texto[h + 3] != '>')
      continue;
    Linha(texto.sliced(inicio, pos - inicio));
    inicio = h + 4;
    h = inicio - 1;
  }
  if (inicio < n) Linha(texto.sliced(inicio));
}

}  // namespace

bool TSessaoServidor::RecebeParteUtf8(QByteArrayView Parte) {
  // Mostly a part is UTF-8 of characters the page holds, which decoding,
  // reducing to the page and encoding again would give back unchanged.
  if (!Utf8NaPagina(Parte)) return false;
  SeparaLinhas(Parte, [this](QByteArrayView l) { XMLDocument1.AddLineUtf8(l); });
  return true;
}

void TSessaoServidor::RecebeParte(const TPacketManagerParser& P) {
  if (XMLDocument1.Active()) return;
  const QString valor = P.GetFieldValue(QStringLiteral("FilePart"));
  if (RecebeParteUtf8(EncodeAnsi(valor))) return;
  const QString texto = DecodificaParteArquivo(valor);
  SeparaLinhas(QStringView(texto), [this](QStringView l) { XMLDocument1.AddLine(l); });
}

void TSessaoServidor::ConcluiLeituraUra(const TPacketManagerParser& P) {
  if (!FAguardandoUra) {
    // A completion nobody asked for: drop what was collected, and leave the
    // pointer alone, it may be busy for another request.
    ResetReceptor();
    return;
  }
  FJanela->CursorOcupado(false);
  FAguardandoUra = false;
  // The document is read into a new object so that a failed read never
  // leaves a half-read document open.
  auto dac = std::make_unique<TDAC>();
  TGuardaListasLeitura listas;
  const bool parseOk = XMLDocument1.Activate();
  const bool ok = parseOk && FXMLDac.CarregaDACdoXml(XMLDocument1, dac.get());
  ResetReceptor();
  // A copy read to be compared leaves the open document's lists alone.
  if (ok && !FDestinoLeitura) listas.Solta();
  if (!ok) {
    FDestinoLeitura = nullptr;
    FJanela->MensagemImediata(QStringLiteral("Ocorreu um erro ao ler o arquivo do servidor."),
                              QStringLiteral("Ler arquivo URA"), true);
    return;
  }
  dac->Servidor = true;
  dac->Local = false;
  dac->RORIRO = false;
  dac->Novo = false;
  dac->NomeArquivoServidor = P.GetFieldValue(QStringLiteral("Filename"));
  dac->PermissaoW = StrToIntDef(P.GetFieldValue(QStringLiteral("PermissaoWrite")), 1) != 0;
  if (FDestinoLeitura) {
    std::exchange(FDestinoLeitura, nullptr)(std::move(dac));
    return;
  }
  FJanela->RecebeDac(std::move(dac));
  FJanela->HabilitaMenus();
}

void TSessaoServidor::ConcluiLeituraMensagens(const QString& ActionID) {
  if (FAguardandoMensagens <= 0) {
    ResetReceptor();
    return;
  }
  --FAguardandoMensagens;
  const bool principal = ActionID == u"LerXmlMensagens";
  if (principal) MenuUraInfoAuxiliar.ListaDeMensagens.ClearLista();
  // A catalogue that cannot be read is passed over.
  if (XMLDocument1.Activate()) FXMLDac.CarregaMensagensDoXml(XMLDocument1, nullptr);
  ResetReceptor();
  if (principal && CompareVersao(InfoServidor.Versao, kVersaoChat) > 0) {
    ++FAguardandoMensagens;
    ClientManager->SendString(Requisicao::LeArquivoMensagensChat());
  }
}

void TSessaoServidor::RecebeCabecalho(const TPacketManagerParser& P, bool ParaLista) {
  auto campo = [&P](const char* nome) { return P.GetFieldValue(QString::fromLatin1(nome)); };
  const bool permissao = StrToIntDef(campo("PermissaoWrite"), 1) != 0;
  auto preenche = [&](TDAC& d) {
    d.SetCriadoEmStr(campo("CriadoEm"));
    d.CriadoPor = campo("CriadoPor");
    d.SetModificadoEmStr(campo("ModificadoEm"));
    d.ModificadoPor = campo("ModificadoPor");
    d.SetAtivadoEmStr(campo("AtivadoEm"));
    d.AtivadoPor = campo("AtivadoPor");
    d.PermissaoW = permissao;
  };
  if (ParaLista) {
    auto d = std::make_unique<TDAC>();
    d->NomeArquivoServidor = campo("NomeArquivo");
    d->Nome = campo("NomeUra");
    d->TipoUra = campo("TipoUra");
    preenche(*d);
    ListaDACsServidor.push_back(std::move(d));
    return;
  }
  TDAC* dac = FJanela->DacAtual();
  if (!dac || campo("NomeArquivo") != dac->NomeArquivoServidor || campo("NomeUra") != dac->Nome) return;
  preenche(*dac);
  dac->Novo = false;
  FJanela->HabilitaMenus();
  FJanela->MostraDac();
}

void TSessaoServidor::RecebeKrdb(const TPacketManagerParser& P) {
  const QString acao = P.GetFieldValue(QStringLiteral("KRDBActionID"));
  auto& info = MenuUraInfoAuxiliar;
  if (acao == u"KRDBListaFilas") {
    const QString id = P.GetFieldValue(QStringLiteral("FilaId"));
    const QString tipo = P.GetFieldValue(QStringLiteral("Tipo"));
    if (id.isEmpty() || tipo.isEmpty()) return;
    TMUListaFilas* lista = tipo == u"v" ? &info.ListaDeFilasVoz : tipo == u"c" ? &info.ListaDeFilasChat : nullptr;
    if (!lista) return;
    TMUFila* fila = lista->SearchItem(id);
    if (!fila) {
      auto nova = std::make_unique<TMUFila>(id);
      fila = nova.get();
      lista->Add(std::move(nova));
    }
    fila->NomeFila = P.GetFieldValue(QStringLiteral("Nome"));
  } else if (acao == u"KRDBListaGrupos") {
    const QString id = P.GetFieldValue(QStringLiteral("GrupoId"));
    if (id.isEmpty()) return;
    TMUGrupo* grupo = info.ListaDeGrupos.SearchItem(id);
    if (!grupo) {
      auto novo = std::make_unique<TMUGrupo>(id);
      grupo = novo.get();
      info.ListaDeGrupos.Add(std::move(novo));
    }
    grupo->NomeGrupo = P.GetFieldValue(QStringLiteral("Nome"));
  } else if (acao == u"KRDBListaUras") {
    const QString numero = P.GetFieldValue(QStringLiteral("Numero"));
    if (numero.isEmpty()) return;
    const bool chat = numero.endsWith(QStringLiteral(".xml"));
    QStringList& lista = chat ? info.ListaDeUrasChat : info.ListaDeUrasVoz;
    const QString valor = chat ? numero.left(numero.size() - 4) : numero;
    if (!ContemSemCaixa(lista, valor)) lista.append(valor);
  }
}

void TSessaoServidor::RecebeTTS(const TPacketManagerParser& P) {
  auto campo = [&P](const char* nome) { return P.GetFieldValue(QString::fromLatin1(nome)); };
  TCfgTTSServidor cfg;
  cfg.Login = campo("Usuario");
  cfg.EnderecoServ = campo("Endereco");
  bTemTTS = !cfg.Login.isEmpty() && !cfg.EnderecoServ.isEmpty();
  if (bTemTTS) {
    cfg.Senha = campo("Senha");
    cfg.Empresa = campo("Empresa");
    if (cfg.Empresa.isEmpty()) cfg.Empresa = InfoServidor.NomeEmpresa;
    cfg.Bits = StrToIntDef(campo("Bits"), 16);
    cfg.Canais = StrToIntDef(campo("Canais"), 1);
    cfg.Amostras = StrToIntDef(campo("Amostras"), 8000);
    const QString formato = campo("Formato");
    if (!formato.isEmpty()) cfg.formato = formato;
    const QString locutor = campo("Locutor");
    if (!locutor.isEmpty()) cfg.Locutor = locutor;
  }
  CfgTTSServ = cfg;
}
