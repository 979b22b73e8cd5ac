// The URA file: reading it into a TDAC and writing a TDAC as its lines.
#include "UTXMLDac.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSet>
#include <QStringBuilder>
#include <QStringEncoder>
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <vector>

#include "UTKRDACFuncoes.h"
#include "infoauxiliar.h"
#include "texto.h"
#include "textoxml.h"

namespace {

// ---- Reading ----------------------------------------------------------------

// Thrown when an element that should hold text holds elements; the public
// operations turn it into a failed read.
struct TErroLeitura {};

const QString kErro = QStringLiteral("<ERROR>");

bool EhTexto(pugi::xml_node_type t) { return t == pugi::node_pcdata || t == pugi::node_cdata; }

// The text of an element (empty for a missing one), references decoded.
QString Texto(const pugi::xml_node& No) {
  pugi::xml_node n = No.first_child();
  if (!n) return QString();
  if (!n.next_sibling()) {  // the usual case: one text node
    if (EhTexto(n.type())) return QString::fromUtf8(n.value());
    if (n.type() == pugi::node_element) throw TErroLeitura{};
    return QString();
  }
  QByteArray junto;
  for (; n; n = n.next_sibling()) {
    if (n.type() == pugi::node_element) throw TErroLeitura{};
    if (EhTexto(n.type())) junto += n.value();
  }
  return QString::fromUtf8(junto);
}

QString TextoFilho(const pugi::xml_node& No, const char* Nome) { return Texto(No.child(Nome)); }

// Short texts repeat a lot in a file (codes, numbers, variable names): a
// small direct-mapped cache converts each once and then shares the copy.
class TTextosCurtos {
 public:
  QString Texto(const pugi::xml_node& No) {
    const pugi::xml_node n = No.first_child();
    if (!n || n.next_sibling() || !EhTexto(n.type())) return ::Texto(No);
    const char* v = n.value();
    const size_t tamanho = std::strlen(v);
    if (tamanho > kMaxCurto) return QString::fromUtf8(v, qsizetype(tamanho));
    uint32_t h = 2166136261u;  // FNV-1a
    for (size_t i = 0; i < tamanho; ++i) h = (h ^ uint8_t(v[i])) * 16777619u;
    TEntrada& e = FEntradas[h & (kEntradas - 1)];
    if (!e.Usada || e.Tamanho != tamanho || std::memcmp(e.Chave, v, tamanho) != 0) {
      std::memcpy(e.Chave, v, tamanho);
      e.Tamanho = tamanho;
      e.Valor = QString::fromUtf8(v, qsizetype(tamanho));
      e.Usada = true;
    }
    return e.Valor;
  }
  QString TextoFilho(const pugi::xml_node& No, const char* Nome) { return Texto(No.child(Nome)); }
  int InteiroFilho(const pugi::xml_node& No, const char* Nome, int Padrao) {
    return StrToIntDef(TextoFilho(No, Nome), Padrao);
  }
  // Integer flags of the file count as set when their low byte is not zero.
  bool FlagFilho(const pugi::xml_node& No, const char* Nome) { return (InteiroFilho(No, Nome, 0) & 0xFF) != 0; }

 private:
  static constexpr size_t kMaxCurto = 24;
  static constexpr size_t kEntradas = 4096;
  struct TEntrada {
    char Chave[kMaxCurto];
    size_t Tamanho = 0;
    bool Usada = false;
    QString Valor;
  };
  std::vector<TEntrada> FEntradas = std::vector<TEntrada>(kEntradas);
};

QString Atributo(const pugi::xml_node& No, const char* Nome) { return QString::fromUtf8(No.attribute(Nome).value()); }
bool Nomeado(const pugi::xml_node& No, const char* Nome) { return std::strcmp(No.name(), Nome) == 0; }

// Adds texts to one lookup list, skipping those this read has added already:
// the sorted lists never lose an entry while a file is read, so the skipped
// calls would change nothing, and a large file repeats its names a lot.
class TAcrescimo {
 public:
  explicit TAcrescimo(TListaTextoOrdenada& Lista) : L(Lista) {}
  void Add(const QString& Texto) {
    if (!FVistos.contains(Texto)) {
      FVistos.insert(Texto);
      L.Add(Texto);
    }
  }

 private:
  TListaTextoOrdenada& L;
  QSet<QString> FVistos;
};

// The lookup lists a read refreshes.
struct TListasLeitura {
  TAcrescimo Variaveis{MenuUraInfoAuxiliar.ListaDeVariaveis};
  TAcrescimo PlayList{MenuUraInfoAuxiliar.ListaDePlayList};
  TAcrescimo Chat{MenuUraInfoAuxiliar.ListaDeMensagensChat};
  TAcrescimo ChatTDD{MenuUraInfoAuxiliar.ListaDeMensagensChatTDD};
};

QString LeChat(const pugi::xml_node& Elemento, TMUMensagem* Mensagem, TAcrescimo& Chat) {
  const QString t = Mensagem->AddMensagemChat(Texto(Elemento));
  Chat.Add(t);
  return t;
}

// One pass over a Menu element, for one document.
class TLeitorMenu {
 public:
  explicit TLeitorMenu(TDAC* DAC) : D(DAC), FTdd(DAC->TipoUra == u"chattdd") {}

  std::unique_ptr<TMenuUra> Le(const pugi::xml_node& M) {
    auto menu = std::make_unique<TMenuUra>(D, Atributo(M, "Nome"));
    menu->Descricao = FTextos.TextoFilho(M, "Descricao");

    menu->ListaCondicoes->ClearLista();
    const pugi::xml_node condicoes = M.child("Condicoes");
    for (pugi::xml_node c = condicoes.child("Condicao"); c; c = c.next_sibling("Condicao"))
      menu->ListaCondicoes->Add(LeCondicao(c));

    const pugi::xml_node opcoes = M.child("OpcoesMenu");
    menu->SetTipoMenuOpcoesWA(FTextos.TextoFilho(opcoes, "Tipo"));
    if (!menu->GetTipoMenuOpcoesWA().isEmpty()) LeMenuWA(opcoes.child("MenuWA"), *menu->MenuOpcoesWA);
    LeMensagens(opcoes, menu->MensagemMenu.get());
    const pugi::xml_node lista = opcoes.child("Opcoes");
    for (pugi::xml_node o = lista.child("Opcao"); o; o = o.next_sibling("Opcao")) menu->ListaOpcoes->Add(LeOpcao(o));

    const pugi::xml_node invalida = opcoes.child("OpcaoInvalida");
    LeMensagens(invalida, menu->OpcaoInvalida->Mensagem.get());
    LeAcoes(invalida, menu->OpcaoInvalida->ListaAcao.get());
    menu->OpcaoInvalida->Tentativas = FTextos.InteiroFilho(invalida, "Tentativas", 3);

    const pugi::xml_node timeout = opcoes.child("Timeout");
    LeMensagens(timeout, menu->OpcaoTimeout->Mensagem.get());
    LeAcoes(timeout, menu->OpcaoTimeout->ListaAcao.get());
    menu->OpcaoTimeout->Tentativas = FTextos.InteiroFilho(timeout, "Tentativas", 3);
    // A missing time is the creation default (300 s for chat URAs), which is
    // also what the writer leaves out.
    menu->OpcaoTimeout->Tempo = FTextos.InteiroFilho(timeout, "Tempo", menu->OpcaoTimeout->Tempo);

    const pugi::xml_node final = M.child("Final");
    LeMensagens(final, menu->Final->Mensagem.get());
    LeAcoes(final, menu->Final->ListaAcao.get());
    return menu;
  }

 private:
  std::unique_ptr<TMUCondicao> LeCondicao(const pugi::xml_node& C) {
    auto cond = std::make_unique<TMUCondicao>(D);
    cond->Feriados = FTextos.FlagFilho(C, "Feriados");
    cond->SetDiasSemana(FTextos.TextoFilho(C, "DiasSemana"));
    cond->DiaIni = FTextos.InteiroFilho(C, "DiaIni", -1);
    cond->MesIni = FTextos.InteiroFilho(C, "MesIni", -1);
    cond->AnoIni = FTextos.InteiroFilho(C, "AnoIni", -1);
    cond->DiaFim = FTextos.InteiroFilho(C, "DiaFim", -1);
    cond->MesFim = FTextos.InteiroFilho(C, "MesFim", -1);
    cond->AnoFim = FTextos.InteiroFilho(C, "AnoFim", -1);
    cond->SetStrHoraIni(FTextos.TextoFilho(C, "HoraIni"));
    cond->SetStrHoraFim(FTextos.TextoFilho(C, "HoraFim"));
    cond->SetStrHoraIniPeriodo(FTextos.TextoFilho(C, "HoraIniPeriodo"));
    cond->SetStrHoraFimPeriodo(FTextos.TextoFilho(C, "HoraFimPeriodo"));

    const pugi::xml_node vars = C.child("Variaveis");
    cond->ListaCondicaoVar->Tipo = std::strcmp(vars.attribute("Tipo").value(), "OR") == 0 ? 2 : 1;
    for (pugi::xml_node v = vars.first_child(); v; v = v.next_sibling()) {
      if (v.type() != pugi::node_element) continue;
      auto cv = std::make_unique<TMUCondicaoVar>();
      cv->Variavel = FTextos.TextoFilho(v, "Nome");
      cv->Tipo = FTextos.TextoFilho(v, "TipoCmp");
      cv->Valor = FTextos.TextoFilho(v, "Valor");
      if (!cv->Variavel.isEmpty()) Listas.Variaveis.Add(cv->Variavel);
      cond->ListaCondicaoVar->Add(std::move(cv));
    }

    LeMensagens(C, cond->Mensagem.get());
    LeAcoes(C, cond->ListaAcao.get());
    return cond;
  }

  std::unique_ptr<TMUOpcao> LeOpcao(const pugi::xml_node& O) {
    const int tipo = FTextos.InteiroFilho(O, "Tipo", 0);
    auto op = std::make_unique<TMUOpcao>(D, tipo, FTextos.TextoFilho(O, "Valor"));
    if (tipo >= 2) op->IgnorarCase = FTextos.FlagFilho(O, "IgnoraCase");
    if (tipo >= 3) {
      op->ComecaCom = FTextos.TextoFilho(O, "ComecaCom");
      op->Contem = FTextos.TextoFilho(O, "Contem");
      op->TerminaCom = FTextos.TextoFilho(O, "TerminaCom");
      op->QtdeMinOpcaoValida = FTextos.InteiroFilho(O, "TamMin", 0);
      op->QtdeMaxOpcaoValida = FTextos.InteiroFilho(O, "TamMax", 0);
      op->TextoAlfaAdicional = FTextos.TextoFilho(O, "ValorAdicional");
    }
    LeMensagens(O, op->Mensagem.get());
    for (pugi::xml_node a = O.child("Acao"); a; a = a.next_sibling("Acao")) {
      LeAcao(a, op->ListaAcao.get());
      op->ListaAcao->OpcaoAcao = op->GetValor();
    }
    return op;
  }

  void LeMenuWA(const pugi::xml_node& W, TMUMenuOpcaoWA& Menu) {
    LeChat(W.child("Titulo"), Menu.Titulo.get(), Listas.Chat);
    const pugi::xml_node texto = W.child("Texto");
    for (pugi::xml_node t = texto.child("MensagemChat"); t; t = t.next_sibling("MensagemChat"))
      Listas.Chat.Add(Menu.Texto->AddMensagemChat(FTextos.Texto(t)));
    LeChat(W.child("Rodape"), Menu.Rodape.get(), Listas.Chat);
    LeChat(W.child("TituloOpc"), Menu.TituloMenuOpcoes.get(), Listas.Chat);
    const pugi::xml_node itens = W.child("Itens");
    for (pugi::xml_node i = itens.child("Item"); i; i = i.next_sibling("Item")) {
      auto item = std::make_unique<TMUItemMenuOpcaoWA>(D);
      LeChat(i.child("Opcao"), item->Titulo.get(), Listas.Chat);
      LeChat(i.child("Descricao"), item->Descricao.get(), Listas.Chat);
      item->Resposta = FTextos.TextoFilho(i, "Resposta");
      Menu.ListaItensMenuOpcao->Add(std::move(item));
    }
  }

  // Every Mensagem child is read: a message with audio entries and chat texts
  // is written as two Mensagem elements, and both halves must come back.
  void LeMensagens(const pugi::xml_node& Dono, TMUMensagem* Mensagem) {
    for (pugi::xml_node m = Dono.child("Mensagem"); m; m = m.next_sibling("Mensagem")) {
      for (pugi::xml_node e = m.first_child(); e; e = e.next_sibling()) {
        if (e.type() != pugi::node_element) continue;
        if (Nomeado(e, "Arquivo")) {
          const QString arquivo = FTextos.Texto(e);
          Mensagem->AddArquivo(arquivo);
          if (arquivo.startsWith(u'{') && arquivo.size() > 2) Listas.PlayList.Add(arquivo.mid(1, arquivo.size() - 2));
        } else if (Nomeado(e, "MensagemChat")) {
          QString chat = FTextos.Texto(e);
          if (FTdd) chat = UpperAscii(chat);
          chat = Mensagem->AddMensagemChat(chat);
          (FTdd ? Listas.ChatTDD : Listas.Chat).Add(chat);
        }
      }
    }
  }

  void LeAcoes(const pugi::xml_node& Dono, TMUListaAcao* Lista) {
    for (pugi::xml_node a = Dono.child("Acao"); a; a = a.next_sibling("Acao")) LeAcao(a, Lista);
  }

  void LeAcao(const pugi::xml_node& A, TMUListaAcao* Lista) {
    auto acao = std::make_unique<TMUAcao>(D, QString());
    acao->Tipo = FTextos.TextoFilho(A, "Tipo");
    acao->SetValor(FTextos.TextoFilho(A, "Valor"));  // the code decides which field takes it
    acao->Variavel = FTextos.TextoFilho(A, "Variavel");
    if (!acao->Variavel.isEmpty() && acao->Tipo != u"MENSAGEM" && acao->Tipo != u"DISCAF" && acao->Tipo != u"VAIPARA")
      Listas.Variaveis.Add(acao->Variavel);
    Lista->Add(std::move(acao));
  }

  TDAC* D;
  bool FTdd;
  // Shared by every menu of one read.
  TTextosCurtos FTextos;
  TListasLeitura Listas;
};

// A scrambled header date: -1 (read as "<ERROR>") when missing or tampered.
double DataC(const pugi::xml_node& Header, const char* Nome) {
  const pugi::xml_node n = Header.child(Nome);
  if (!n) return -1;
  const QString t = DescriptografaSenha(Texto(n), kErro);
  return t == kErro ? -1 : StrToDataHora(t);
}
QString TextoC(const pugi::xml_node& Header, const char* Nome) {
  const pugi::xml_node n = Header.child(Nome);
  return n ? DescriptografaSenha(Texto(n), kErro) : kErro;
}

void LeHeader(const pugi::xml_node& Raiz, TDAC* DAC) {
  if (const pugi::xml_node hc = Raiz.child("URAHeaderC")) {
    DAC->CriadoEm = DataC(hc, "CriadoEm");
    DAC->CriadoPor = TextoC(hc, "CriadoPor");
    DAC->ModificadoEm = DataC(hc, "ModificadoEm");
    DAC->ModificadoPor = TextoC(hc, "ModificadoPor");
    DAC->AtivadoEm = 0;
    DAC->AtivadoPor.clear();
  } else if (DAC->RORIRO) {
    DAC->CriadoEm = -1;
    DAC->ModificadoEm = -1;
    DAC->CriadoPor = kErro;
    DAC->ModificadoPor = kErro;
  } else {
    const pugi::xml_node h = Raiz.child("URAHeader");
    DAC->SetCriadoEmStr(TextoFilho(h, "CriadoEm"));
    DAC->SetModificadoEmStr(TextoFilho(h, "ModificadoEm"));
    DAC->SetAtivadoEmStr(TextoFilho(h, "AtivadoEm"));
    DAC->CriadoPor = TextoFilho(h, "CriadoPor");
    DAC->ModificadoPor = TextoFilho(h, "ModificadoPor");
    DAC->AtivadoPor = TextoFilho(h, "AtivadoPor");
  }
}

// ---- Writing ----------------------------------------------------------------

// Valor in decimal, with a minus sign when negative.
void AcrescentaNumero(std::string& s, qint64 Valor) {
  char digitos[24];
  const auto r = std::to_chars(digitos, digitos + sizeof digitos, Valor);
  s.append(digitos, r.ptr);
}

// Puts each line together, in UTF-8, in one reused buffer and hands it to
// the destination: a large document has about a million lines, and a text of
// their own for each was most of the cost of writing. The tags are ASCII and
// go in as they are; only the values are converted.
class TEscritor {
 public:
  explicit TEscritor(TDestinoLinhas& Destino) : D(Destino) {}

  // A line that Monta appends to the indentation.
  template <class F>
  void Linha(F&& Monta) {
    Inicia();
    Monta(FLinha);
    Termina();
  }
  void Abre(std::string_view Tag) {
    Inicia();
    FLinha += '<';
    FLinha += Tag;
    FLinha += '>';
    Termina();
    ++FNivel;
  }
  void Fecha(std::string_view Tag) {
    --FNivel;
    Inicia();
    FLinha += "</";
    FLinha += Tag;
    FLinha += '>';
    Termina();
  }
  // An element with text content on one line; Valor appends it in its form.
  template <class F>
  void Elemento(std::string_view Tag, F&& Valor) {
    Inicia();
    FLinha += '<';
    FLinha += Tag;
    FLinha += '>';
    Valor(FLinha);
    FLinha += "</";
    FLinha += Tag;
    FLinha += '>';
    Termina();
  }
  void Numero(std::string_view Tag, int Valor) {
    Elemento(Tag, [Valor](std::string& s) { AcrescentaNumero(s, Valor); });
  }
  void Flag(std::string_view Tag, bool Valor) {
    Elemento(Tag, [Valor](std::string& s) { s += Valor ? '1' : '0'; });
  }
  void Plano(std::string_view Tag, QStringView Valor) {
    Elemento(Tag, [Valor](std::string& s) { AcrescentaTextoPlano(s, Valor); });
  }
  void Escapado(std::string_view Tag, QStringView Valor) {
    Elemento(Tag, [Valor](std::string& s) { AppendUnicodedEscaped(s, Valor); });
  }
  // The i-th chat text with its line breaks as LF; empty when there is none.
  void Chat(std::string_view Tag, const TMUMensagem& M, int i) {
    Escapado(Tag, M.GetMensagemChat(i, QStringLiteral("\n")));
  }
  void Embaralhado(std::string_view Tag, const QString& Valor) {
    const QString v = CriptografaSenha(static_cast<int>(QRandomGenerator::global()->bounded(1, 65555)), 20, Valor);
    Elemento(Tag, [&v](std::string& s) { AcrescentaUtf8(s, v); });
  }

  int FNivel = 0;

 private:
  // Empties the line, keeping its memory, and indents it.
  void Inicia() { FLinha.assign(size_t(2 * std::max(FNivel, 0)), ' '); }
  void Termina() { D.Linha(QByteArrayView(FLinha.data(), qsizetype(FLinha.size()))); }

  TDestinoLinhas& D;
  std::string FLinha;
};

// Lines kept as a list.
class TLinhasLista : public TDestinoLinhas {
 public:
  explicit TLinhasLista(QStringList& Lista) : L(Lista) {}
  // Nearly every line is ASCII: it is widened in the same pass that checks
  // it, which is much cheaper than decoding; any other line is decoded.
  void Linha(QByteArrayView Utf8) override {
    QString linha(Utf8.size(), Qt::Uninitialized);
    char16_t* d = reinterpret_cast<char16_t*>(linha.data());
    unsigned char bits = 0;
    for (qsizetype i = 0; i < Utf8.size(); ++i) {
      const auto c = static_cast<unsigned char>(Utf8[i]);
      d[i] = c;
      bits |= c;
    }
    L.append(bits < 0x80 ? std::move(linha) : QString::fromUtf8(Utf8));
  }

 private:
  QStringList& L;
};

// Lines as the bytes of a file, each followed by CR LF, written as they
// come in pieces of a few hundred kilobytes: no buffer of the whole file.
// QSaveFile replaces the target only on Conclui, when everything was
// written, so a failure never harms the old file.
class TLinhasArquivo : public TDestinoLinhas {
 public:
  explicit TLinhasArquivo(const QString& NomeArquivo) : F(NomeArquivo) {
    FOk = F.open(QIODevice::WriteOnly);
    FPedaco.reserve(kPedaco + 4096);
  }
  void Linha(QByteArrayView Utf8) override {
    FPedaco.append(Utf8.data(), size_t(Utf8.size()));
    FPedaco += "\r\n";
    if (FPedaco.size() >= kPedaco) Grava();
  }
  bool Conclui(QString* Erro) {
    Grava();
    if (FOk && F.commit()) return true;
    if (Erro) *Erro = F.errorString();
    return false;
  }

 private:
  static constexpr size_t kPedaco = 256 * 1024;
  void Grava() {
    if (FOk && !FPedaco.empty()) FOk = F.write(FPedaco.data(), qint64(FPedaco.size())) == qint64(FPedaco.size());
    FPedaco.clear();
  }

  QSaveFile F;
  bool FOk;
  std::string FPedaco;
};

// Replaces the file with the bytes, atomically (see TLinhasArquivo).
bool GravaBytes(const QByteArray& Dados, const QString& NomeArquivo, QString* Erro) {
  QSaveFile f(NomeArquivo);
  if (!f.open(QIODevice::WriteOnly) || f.write(Dados) != Dados.size() || !f.commit()) {
    if (Erro) *Erro = f.errorString();
    return false;
  }
  return true;
}

bool TemMensagem(const TMUMensagem& M) { return M.ArquivosCount() > 0 || M.MensagensChatCount() > 0; }
bool TemConteudo(const TMUMensagem& M, const TMUListaAcao& A) { return TemMensagem(M) || A.Count() > 0; }

// The fallback values a new menu of the document has, which the reader also
// gives a missing element: a section is left out only when it holds them and
// no message and no action.
struct TPadroesSecao {
  explicit TPadroesSecao(const TDAC& D) {
    TDAC* d = const_cast<TDAC*>(&D);  // the sections only read its kind
    TentativasInvalida = TMUOpcaoInvalida(d).Tentativas;
    const TMUOpcaoTimeout tmo(d);
    TentativasTimeout = tmo.Tentativas;
    Tempo = tmo.Tempo;
  }
  bool Escreve(const TMUOpcaoInvalida& S) const {
    return TemConteudo(*S.Mensagem, *S.ListaAcao) || S.Tentativas != TentativasInvalida;
  }
  bool Escreve(const TMUOpcaoTimeout& S) const {
    return TemConteudo(*S.Mensagem, *S.ListaAcao) || S.Tentativas != TentativasTimeout || S.Tempo != Tempo;
  }
  qint32 TentativasInvalida, TentativasTimeout, Tempo;
};

void EscreveMensagem(TEscritor& E, const TMUMensagem& M) {
  if (M.ArquivosCount() > 0) {
    E.Abre("Mensagem");
    for (int i = 0; i < M.ArquivosCount(); ++i) E.Plano("Arquivo", M.GetArquivo(i, true));
    E.Fecha("Mensagem");
  }
  if (M.MensagensChatCount() > 0) {
    E.Abre("Mensagem");
    for (int i = 0; i < M.MensagensChatCount(); ++i) E.Chat("MensagemChat", M, i);
    E.Fecha("Mensagem");
  }
}

void EscreveAcoes(TEscritor& E, const TMUListaAcao& Lista) {
  for (const auto& a : Lista.Items()) {
    E.Abre("Acao");
    E.Plano("Tipo", a->Tipo);
    E.Escapado("Valor", a->GetValor());
    E.Plano("Variavel", a->Variavel);
    E.Fecha("Acao");
  }
}

void EscreveCondicao(TEscritor& E, const TMUCondicao& C) {
  E.Abre("Condicao");
  if (C.DiaIni >= 0) E.Numero("DiaIni", C.DiaIni);
  if (C.MesIni >= 0) E.Numero("MesIni", C.MesIni);
  if (C.AnoIni >= 0) E.Numero("AnoIni", C.AnoIni);
  if (C.HoraIni >= 0) E.Plano("HoraIni", C.GetStrHoraIni());
  if (C.HoraIniPeriodo >= 0) E.Plano("HoraIniPeriodo", C.GetStrHoraIniPeriodo());
  if (C.DiaFim >= 0) E.Numero("DiaFim", C.DiaFim);
  if (C.MesFim >= 0) E.Numero("MesFim", C.MesFim);
  if (C.AnoFim >= 0) E.Numero("AnoFim", C.AnoFim);
  if (C.HoraFim >= 0) E.Plano("HoraFim", C.GetStrHoraFim());
  if (C.HoraFimPeriodo >= 0) E.Plano("HoraFimPeriodo", C.GetStrHoraFimPeriodo());
  const QString dias = C.GetDiasSemana();
  if (!dias.isEmpty()) E.Plano("DiasSemana", dias);
  if (C.Feriados) E.Numero("Feriados", 1);
  const TMUListaCondicaoVar& vars = *C.ListaCondicaoVar;
  if (vars.Tipo > 0 && vars.Count() > 0) {
    E.Linha([&vars](std::string& s) { s += vars.Tipo == 1 ? "<Variaveis Tipo=\"AND\">" : "<Variaveis Tipo=\"OR\">"; });
    ++E.FNivel;
    for (const auto& v : vars.Items()) {
      E.Abre("Variavel");
      E.Plano("Nome", v->Variavel);
      E.Plano("TipoCmp", v->Tipo);
      E.Escapado("Valor", v->Valor);
      E.Fecha("Variavel");
    }
    E.Fecha("Variaveis");
  }
  EscreveMensagem(E, *C.Mensagem);
  EscreveAcoes(E, *C.ListaAcao);
  E.Fecha("Condicao");
}

void EscreveMenuWA(TEscritor& E, const TMenuUra& M) {
  const TMUMenuOpcaoWA& W = *M.MenuOpcoesWA;
  E.Plano("Tipo", M.GetTipoMenuOpcoesWA());
  E.Abre("MenuWA");
  E.Chat("Titulo", *W.Titulo, 0);
  E.Abre("Texto");
  for (int i = 0; i < W.Texto->MensagensChatCount(); ++i) E.Chat("MensagemChat", *W.Texto, i);
  E.Fecha("Texto");
  E.Chat("Rodape", *W.Rodape, 0);
  E.Chat("TituloOpc", *W.TituloMenuOpcoes, 0);
  if (W.ListaItensMenuOpcao->Count() > 0) {
    E.Abre("Itens");
    for (const auto& item : W.ListaItensMenuOpcao->Items()) {
      E.Abre("Item");
      E.Chat("Opcao", *item->Titulo, 0);
      E.Chat("Descricao", *item->Descricao, 0);
      E.Escapado("Resposta", item->Resposta);
      E.Fecha("Item");
    }
    E.Fecha("Itens");
  }
  E.Fecha("MenuWA");
}

void EscreveOpcao(TEscritor& E, const TMUOpcao& O) {
  E.Abre("Opcao");
  E.Escapado("Valor", O.GetValor());
  E.Numero("Tipo", O.Tipo);
  if (O.Tipo > 1) E.Flag("IgnoraCase", O.IgnorarCase);
  if (O.Tipo > 2) {
    E.Plano("ComecaCom", O.ComecaCom);
    E.Plano("Contem", O.Contem);
    E.Plano("TerminaCom", O.TerminaCom);
    E.Numero("TamMin", O.QtdeMinOpcaoValida);
    E.Numero("TamMax", O.QtdeMaxOpcaoValida);
    E.Plano("ValorAdicional", O.TextoAlfaAdicional);
  }
  EscreveMensagem(E, *O.Mensagem);
  EscreveAcoes(E, *O.ListaAcao);
  E.Fecha("Opcao");
}

void EscreveMenu(TEscritor& E, const TMenuUra& M, const TPadroesSecao& Padroes) {
  E.Linha([&M](std::string& s) {
    s += "<Menu Nome=\"";
    AcrescentaAtributo(s, M.Nome);
    s += "\">";
  });
  ++E.FNivel;
  E.Plano("Descricao", M.Descricao);

  if (M.ListaCondicoes->Count() > 0) {
    E.Abre("Condicoes");
    for (const auto& c : M.ListaCondicoes->Items()) EscreveCondicao(E, *c);
    E.Fecha("Condicoes");
  }

  const bool temOpcoes = M.ListaOpcoes->Count() > 0;
  if (TemMensagem(*M.MensagemMenu) || temOpcoes || !M.GetTipoMenuOpcoesWA().isEmpty()) {
    E.Abre("OpcoesMenu");
    EscreveMensagem(E, *M.MensagemMenu);
    if (!M.GetTipoMenuOpcoesWA().isEmpty()) EscreveMenuWA(E, M);
    if (temOpcoes) {
      E.Abre("Opcoes");
      for (const auto& o : M.ListaOpcoes->Items()) EscreveOpcao(E, *o);
      E.Fecha("Opcoes");

      const TMUOpcaoInvalida& inv = *M.OpcaoInvalida;
      if (Padroes.Escreve(inv)) {
        E.Abre("OpcaoInvalida");
        EscreveMensagem(E, *inv.Mensagem);
        EscreveAcoes(E, *inv.ListaAcao);
        E.Numero("Tentativas", inv.Tentativas);
        E.Fecha("OpcaoInvalida");
      }
      const TMUOpcaoTimeout& tmo = *M.OpcaoTimeout;
      if (Padroes.Escreve(tmo)) {
        E.Abre("Timeout");
        EscreveMensagem(E, *tmo.Mensagem);
        EscreveAcoes(E, *tmo.ListaAcao);
        E.Numero("Tentativas", tmo.Tentativas);
        E.Numero("Tempo", tmo.Tempo);
        E.Fecha("Timeout");
      }
    }
    E.Fecha("OpcoesMenu");
  }

  const TMUFinal& fin = *M.Final;
  if (TemConteudo(*fin.Mensagem, *fin.ListaAcao)) {
    E.Abre("Final");
    EscreveMensagem(E, *fin.Mensagem);
    EscreveAcoes(E, *fin.ListaAcao);
    E.Fecha("Final");
  }
  E.Fecha("Menu");
}

}  // namespace

// ---- TXMLDac ------------------------------------------------------------------

TGuardaListasLeitura::TGuardaListasLeitura()
    : FVariaveis(MenuUraInfoAuxiliar.ListaDeVariaveis),
      FPlayList(MenuUraInfoAuxiliar.ListaDePlayList),
      FChat(MenuUraInfoAuxiliar.ListaDeMensagensChat),
      FChatTDD(MenuUraInfoAuxiliar.ListaDeMensagensChatTDD) {}

TGuardaListasLeitura::~TGuardaListasLeitura() {
  if (!FAtivo) return;
  MenuUraInfoAuxiliar.ListaDeVariaveis = std::move(FVariaveis);
  MenuUraInfoAuxiliar.ListaDePlayList = std::move(FPlayList);
  MenuUraInfoAuxiliar.ListaDeMensagensChat = std::move(FChat);
  MenuUraInfoAuxiliar.ListaDeMensagensChatTDD = std::move(FChatTDD);
}

bool TXMLDac::LerXML(TXMLDocument& XMLDocument1, TDAC* DAC, const QString& NomeArquivo) {
  if (!QFileInfo::exists(NomeArquivo)) return false;
  if (!XMLDocument1.LoadFromFile(NomeArquivo)) return false;
  if (!DAC) return true;
  return CarregaDACdoXml(XMLDocument1, DAC);
}

bool TXMLDac::CarregaDACdoXml(TXMLDocument& XMLDocument1, TDAC* DAC) {
  if (!DAC) return false;
  const pugi::xml_node raiz = XMLDocument1.Root();
  if (!raiz || !Nomeado(raiz, "URA")) return false;
  try {
    DAC->ListaMenus->ClearLista();
    MenuUraInfoAuxiliar.ListaDeVariaveis.Clear();
    MenuUraInfoAuxiliar.ListaDePlayList.Clear();
    LeHeader(raiz, DAC);

    DAC->Nome = Atributo(raiz, "Nome");
    DAC->Descricao = Atributo(raiz, "Descricao");
    DAC->MenuInicial = Atributo(raiz, "MenuInicial");
    DAC->TipoAtendimento = Atributo(raiz, "TipoAtendimento");
    DAC->TipoUra = LowerAscii(Atributo(raiz, "TipoUra"));
    DAC->VersaoXML = StrToIntDef(Atributo(raiz, "VersaoXML"), 0);

    TLeitorMenu leitor(DAC);
    for (pugi::xml_node m = raiz.child("Menu"); m; m = m.next_sibling("Menu")) DAC->ListaMenus->Add(leitor.Le(m));

    DAC->PriMsgEhOpcao = TextoFilho(raiz.child("URAConfig"), "PriMsgEhOpcao") == u"1";
    return true;
  } catch (const TErroLeitura&) {
    return false;
  }
}

std::unique_ptr<TMenuUra> TXMLDac::CarregaMenuXML(TDAC* DAC, const pugi::xml_node& Menu) {
  if (!DAC) return nullptr;
  try {
    return TLeitorMenu(DAC).Le(Menu);
  } catch (const TErroLeitura&) {
    return nullptr;
  }
}

void TXMLDac::LeNodeMensagemChat(const pugi::xml_node& Elemento, TMUMensagem* Mensagem, QString& Texto) {
  Texto.clear();
  if (!Mensagem) return;
  try {
    TAcrescimo chat(MenuUraInfoAuxiliar.ListaDeMensagensChat);
    Texto = LeChat(Elemento, Mensagem, chat);
  } catch (const TErroLeitura&) {
    Texto.clear();
  }
}

void TXMLDac::DACToXMLStringList(const TDAC* DacAtual, QStringList& listaStr) const {
  listaStr.clear();
  TLinhasLista lista(listaStr);
  DACToXML(DacAtual, lista);
}

void TXMLDac::DACToXML(const TDAC* DacAtual, TDestinoLinhas& Destino) const {
  if (!DacAtual) return;
  const TDAC& D = *DacAtual;
  TEscritor E(Destino);
  E.Linha([](std::string& s) { s += "<?xml version=\"1.0\" encoding=\"utf-8\"?>"; });
  E.Linha([&D](std::string& s) {
    s += "<URA";
    const std::pair<const char*, const QString*> atributos[] = {{"Nome", &D.Nome},
                                                                {"Descricao", &D.Descricao},
                                                                {"MenuInicial", &D.MenuInicial},
                                                                {"TipoAtendimento", &D.TipoAtendimento},
                                                                {"TipoUra", &D.TipoUra}};
    for (const auto& [nome, valor] : atributos) {
      s += ' ';
      s += nome;
      s += "=\"";
      AcrescentaAtributo(s, *valor);
      s += '"';
    }
    s += " VersaoXML=\"";
    AcrescentaNumero(s, D.VersaoXML);
    s += "\">";
  });
  ++E.FNivel;
  const TPadroesSecao padroes(D);
  for (const auto& m : D.ListaMenus->Items()) EscreveMenu(E, *m, padroes);

  if (D.RORIRO) {
    E.Abre("URAHeaderC");
    E.Embaralhado("CriadoEm", D.GetCriadoEmStr());
    E.Embaralhado("CriadoPor", D.CriadoPor);
    E.Embaralhado("ModificadoEm", D.GetModificadoEmStr());
    E.Embaralhado("ModificadoPor", D.ModificadoPor);
    E.Fecha("URAHeaderC");
  }
  if (D.TipoUra != u"chat") {
    E.Abre("URAConfig");
    E.Flag("PriMsgEhOpcao", D.PriMsgEhOpcao);
    E.Fecha("URAConfig");
  }
  E.Fecha("URA");
}

bool SalvaLinhas(const QStringList& Linhas, const QString& NomeArquivo, QString* Erro) {
  // Encoded straight into one buffer: no joined copy of a large file.
  qsizetype unidades = 0;
  for (const QString& l : Linhas) unidades += l.size();
  QStringEncoder utf8(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
  QByteArray dados(utf8.requiredSpace(unidades) + 2 * Linhas.size(), Qt::Uninitialized);
  char* p = dados.data();
  for (const QString& l : Linhas) {
    p = utf8.appendToBuffer(p, l);
    *p++ = '\r';
    *p++ = '\n';
  }
  dados.truncate(p - dados.constData());
  return GravaBytes(dados, NomeArquivo, Erro);
}

bool SalvaDAC(TDAC* DAC, const QString& NomeArquivo, const QString& Usuario, double Agora, QString* Erro) {
  if (!DAC) return false;
  if (DAC->RORIRO) {
    if (DAC->Novo) {
      DAC->CriadoEm = Agora;
      DAC->CriadoPor = Usuario;
    }
    DAC->ModificadoEm = Agora;
    DAC->ModificadoPor = Usuario;
  }
  // Straight into the file, without a list of lines.
  TLinhasArquivo arquivo(NomeArquivo);
  TXMLDac().DACToXML(DAC, arquivo);
  return arquivo.Conclui(Erro);
}
