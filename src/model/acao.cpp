#include "acao.h"

#include <algorithm>

#include "dac.h"
#include "infoauxiliar.h"
#include "mensagem.h"
#include "texto.h"

namespace {

bool Chat(const TDAC* dac) { return dac && dac->UraChat(); }
bool Roriro(const TDAC* dac) { return dac && dac->RORIRO; }

QString SufixoSecao(const QString& v) {
  if (v == u"1") return QStringLiteral(" (Opções)");
  if (v == u"2") return QStringLiteral(" (Opção inválida)");
  if (v == u"3") return QStringLiteral(" (Timeout)");
  if (v == u"4") return QStringLiteral(" (Final)");
  return QString();
}

QString SufixoPrioridade(const QString& v) {
  if (v == u"0") return QStringLiteral(" (Prioridade Baixa)");
  if (v == u"1") return QStringLiteral(" (Prioridade Média)");
  if (v == u"2") return QStringLiteral(" (Prioridade alta)");
  return QString();
}

bool CaractereDeVariavel(QChar c) {
  return IsAsciiLetter(c) || IsAsciiDigit(c) || c == u'_' || c == u'(' || c == u')' || c == u'$' || c == u'{' ||
         c == u'}';
}

// The variable name rules; PermiteSublinhado accepts "_" as first character.
QString NomeVariavelValido(const QString& nome, bool PermiteSublinhado) {
  for (QChar c : nome)
    if (!CaractereDeVariavel(c)) return QStringLiteral("Nome da variável deve conter apenas letras e números");
  if (nome.isEmpty()) return QString();
  const QChar p = nome.at(0);
  if (IsAsciiDigit(p) || p == u'(' || p == u')' || p == u'{' || p == u'}' || (p == u'_' && !PermiteSublinhado))
    return QStringLiteral("Nome da variável deve iniciar com letra");
  return QString();
}

const QString kVariavelIndefinida = QStringLiteral("Nome da variável não está definido");

}  // namespace

TMUAcao::TMUAcao(TDAC* DAC, const QString& TipoAcao) : DAC(DAC), Tipo(TipoAcao) {}

namespace {

// The field that holds the action's value; A is TMUAcao, const or not.
template <class A>
auto& CampoValor(A& Acao) {
  switch (Acao.GetCodigo()) {
    case TCodigoAcao::VaiPara: return Acao.ValorMenu;
    case TCodigoAcao::Comando: return Acao.ValorComando;
    default: return Acao.ValorNumero;
  }
}

}  // namespace

const QString& TMUAcao::GetValor() const { return CampoValor(*this); }

void TMUAcao::SetValor(const QString& Valor) { CampoValor(*this) = Valor; }

void TMUAcao::CopyFrom(const TMUAcao* ptrAcao) {
  if (!ptrAcao) return;
  Tipo = ptrAcao->Tipo;
  ValorMenu = ptrAcao->ValorMenu;
  ValorNumero = ptrAcao->ValorNumero;
  OpcaoAcao = ptrAcao->OpcaoAcao;
  ValorComando = ptrAcao->ValorComando;
  Variavel = ptrAcao->Variavel;
}

TCodigoAcao CodigoAcao(QStringView Tipo) {
  static const std::pair<QLatin1StringView, TCodigoAcao> kCodigos[] = {
      {QLatin1StringView("OPCOES"), TCodigoAcao::Opcoes},
      {QLatin1StringView("INVALIDA"), TCodigoAcao::Invalida},
      {QLatin1StringView("FINAL"), TCodigoAcao::Final},
      {QLatin1StringView("INICIO"), TCodigoAcao::Inicio},
      {QLatin1StringView("VAIPARA"), TCodigoAcao::VaiPara},
      {QLatin1StringView("DISCA"), TCodigoAcao::Disca},
      {QLatin1StringView("DISCAF"), TCodigoAcao::DiscaF},
      {QLatin1StringView("DISCAG"), TCodigoAcao::DiscaG},
      {QLatin1StringView("DISCAR"), TCodigoAcao::DiscaR},
      {QLatin1StringView("DISCAU"), TCodigoAcao::DiscaU},
      {QLatin1StringView("DISCAC"), TCodigoAcao::DiscaC},
      {QLatin1StringView("DISCAS"), TCodigoAcao::DiscaS},
      {QLatin1StringView("FALADIGITOS"), TCodigoAcao::FalaDigitos},
      {QLatin1StringView("FALANUMERO"), TCodigoAcao::FalaNumero},
      {QLatin1StringView("DISCAOP"), TCodigoAcao::DiscaOp},
      {QLatin1StringView("DESLIGA"), TCodigoAcao::Desliga},
      {QLatin1StringView("DESLIGAFH"), TCodigoAcao::DesligaFH},
      {QLatin1StringView("COMANDO"), TCodigoAcao::Comando},
      {QLatin1StringView("SETVAR"), TCodigoAcao::SetVar},
      {QLatin1StringView("MENSAGEM"), TCodigoAcao::Mensagem},
      {QLatin1StringView("MIDIA"), TCodigoAcao::Midia}};
  if (Tipo.isEmpty()) return TCodigoAcao::Outro;
  // No two codes share their size, first and last letters: those pick the one
  // candidate without a library call, and a single comparison confirms it.
  const QChar primeira = Tipo.front(), ultima = Tipo.back();
  const auto igual = [](QChar a, char b) { return a.unicode() == uchar(b); };
  for (const auto& [nome, codigo] : kCodigos)
    if (Tipo.size() == nome.size() && primeira == QLatin1Char(nome.front()) && ultima == QLatin1Char(nome.back()))
      return std::equal(Tipo.begin(), Tipo.end(), nome.begin(), igual) ? codigo : TCodigoAcao::Outro;
  return TCodigoAcao::Outro;
}

bool TMUAcao::ContinuaSequencia(const QString& Tipo) { return ContinuaSequencia(CodigoAcao(Tipo), Tipo); }

bool TMUAcao::ContinuaSequencia(TCodigoAcao Codigo, QStringView Tipo) {
  switch (Codigo) {
    case TCodigoAcao::Comando:
    case TCodigoAcao::SetVar:
    case TCodigoAcao::DiscaS:
    case TCodigoAcao::Mensagem:
    case TCodigoAcao::Midia:
    case TCodigoAcao::FalaDigitos:
    case TCodigoAcao::FalaNumero: return true;
    case TCodigoAcao::Outro: return Tipo.startsWith(u"FALA");  // any code of that family speaks and goes on
    default: return false;
  }
}

QString TMUAcao::GetStrAcao() const {
  QString r;
  AcrescentaStrAcao(r);
  return r;
}

void TMUAcao::AcrescentaStrAcao(QString& r) const {
  const bool roriro = Roriro(DAC);
  const auto comValor = [&](const QString& Texto) {
    r += Texto;
    r += ValorNumero;
  };
  const auto ouSemAcao = [&](const QString& Texto) {
    if (roriro)
      r += QStringLiteral("Sem ação");
    else
      comValor(Texto);
  };
  switch (GetCodigo()) {
    case TCodigoAcao::Opcoes: r += QStringLiteral("Vai para Opções, neste menu"); break;
    case TCodigoAcao::Invalida: r += QStringLiteral("Vai para Opção inválida, no menu atual"); break;
    case TCodigoAcao::Final: r += QStringLiteral("Vai para Final, neste menu"); break;
    case TCodigoAcao::Inicio: r += QStringLiteral("Vai para Início, neste menu"); break;
    case TCodigoAcao::VaiPara:
      r += QStringLiteral("Vai para o menu: ");
      r += ValorMenu;
      r += SufixoSecao(Variavel);
      break;
    case TCodigoAcao::Disca: comValor(QStringLiteral("Transfere para: ")); break;
    case TCodigoAcao::DiscaF:
      if (roriro) {
        comValor(QStringLiteral("Transfere para: "));
      } else {
        const auto& filas = Chat(DAC) ? MenuUraInfoAuxiliar.ListaDeFilasChat : MenuUraInfoAuxiliar.ListaDeFilasVoz;
        r += QStringLiteral("Transfere para fila: ");
        filas.AcrescentaStrNomeFila(r, ValorNumero);
        r += SufixoPrioridade(Variavel);
      }
      break;
    case TCodigoAcao::DiscaG:
      comValor(roriro ? QStringLiteral("Transfere para: ") : QStringLiteral("Transfere para grupo: "));
      break;
    case TCodigoAcao::DiscaR:
      comValor(roriro ? QStringLiteral("Transfere para: ") : QStringLiteral("Transfere para ramal: "));
      break;
    case TCodigoAcao::DiscaU: ouSemAcao(QStringLiteral("Transfere para URA: ")); break;
    case TCodigoAcao::DiscaC: ouSemAcao(QStringLiteral("Transfere para contexto: ")); break;
    case TCodigoAcao::DiscaS: ouSemAcao(QStringLiteral("Executa o contexto e retorna: ")); break;
    case TCodigoAcao::FalaDigitos: ouSemAcao(QStringLiteral("Fala dígitos: ")); break;
    case TCodigoAcao::FalaNumero: ouSemAcao(QStringLiteral("Fala número: ")); break;
    case TCodigoAcao::DiscaOp: r += QStringLiteral("Transfere para opção informada"); break;
    case TCodigoAcao::Desliga:
      if (roriro || ValorNumero.isEmpty()) {
        r += QStringLiteral("Encerra a chamada");
      } else {
        comValor(QStringLiteral("Encerra a chamada (Código "));
        r += u')';
      }
      break;
    case TCodigoAcao::DesligaFH:
      r += roriro ? QStringLiteral("Encerra a chamada (fora de horário)") : QStringLiteral("Encerra a chamada");
      break;
    case TCodigoAcao::Comando:
      if (roriro) {
        r += QStringLiteral("Sem ação");
        break;
      }
      if (!Variavel.isEmpty()) {
        r += Variavel;
        r += u'=';
      }
      r += QStringLiteral("Comando(");
      r += ValorComando;
      r += u')';
      break;
    case TCodigoAcao::SetVar:
      r += QStringLiteral("Variável(");
      r += Variavel;
      r += u'=';
      r += ValorNumero;
      r += u')';
      break;
    case TCodigoAcao::Mensagem:
      if (Chat(DAC)) {
        r += QStringLiteral("Mensagem(\"");
        r += GetStrAcaoMensagem();
      } else {
        r += QStringLiteral("Mensagem(");
        r += Variavel;
        r += QStringLiteral("=\"");
        MenuUraInfoAuxiliar.ListaDeMensagens.AcrescentaDescricaoArquivos(r, ValorNumero);
      }
      r += QStringLiteral("\")");
      break;
    case TCodigoAcao::Midia:
      comValor(QStringLiteral("Mídia("));
      r += u')';
      break;
    case TCodigoAcao::Outro: break;
  }
}

QString TMUAcao::GetStrAcaoVaiPara() const {
  if (Tipo != u"VAIPARA") return QString();
  return ValorMenu + SufixoSecao(Variavel);
}

QString TMUAcao::GetStrAcaoMensagem() const {
  if (Tipo != u"MENSAGEM" || !Chat(DAC)) return QString();
  TMUMensagem m;
  m.AddMensagemChat(ValorNumero);
  return m.GetStrMensagem();
}

QString TMUAcao::VariavelValida() const {
  if (Tipo == u"COMANDO") return Variavel.isEmpty() ? QString() : NomeVariavelValido(Variavel, Chat(DAC));
  if (Tipo == u"SETVAR") return Variavel.isEmpty() ? kVariavelIndefinida : NomeVariavelValido(Variavel, Chat(DAC));
  return QString();
}

QString TMUAcao::MensagemValida() const {
  if (Variavel.isEmpty()) return kVariavelIndefinida;
  const QString erro = NomeVariavelValido(Variavel, false);
  if (!erro.isEmpty()) return erro;
  if (ValorNumero.isEmpty()) return QStringLiteral("Nenhum arquivo foi adicionado à variável");
  return QString();
}

QString TMUAcao::ComandoValido() const {
  const QString invalido = QStringLiteral("Comando inválido");
  if (GetCodigo() != TCodigoAcao::Comando || ValorComando.isEmpty()) return invalido;
  // Words are split at spaces outside quotes; the script is the first word
  // that is not blank. A ";" outside quotes or an open quote spoils the line.
  QStringView script;
  bool aspas = false;
  qsizetype inicio = 0;
  const auto fimDaPalavra = [&](qsizetype Fim) {
    if (script.isEmpty()) script = TrimBlanksView(QStringView(ValorComando).sliced(inicio, Fim - inicio));
    inicio = Fim + 1;
  };
  for (qsizetype i = 0; i < ValorComando.size(); ++i) {
    const QChar c = ValorComando[i];
    if (c == u'"')
      aspas = !aspas;
    else if (c == u';' && !aspas)
      return invalido;
    else if (c == u' ' && !aspas)
      fimDaPalavra(i);
  }
  if (aspas) return invalido;
  fimDaPalavra(ValorComando.size());
  if (script.isEmpty() || script.contains(u'/') || script.size() < 4 || !script.endsWith(u".sh")) return invalido;
  return QString();
}

QString TMUListaAcao::GetStrAcao() const {
  QString r;
  AcrescentaStrAcao(r);
  return r;
}

void TMUListaAcao::AcrescentaStrAcao(QString& r) const {
  for (size_t i = 0; i < FLista.size(); ++i) {
    if (i > 0) r += QStringLiteral("; ");
    FLista[i]->AcrescentaStrAcao(r);
  }
}

bool TMUListaAcao::TemAcao(const QString& TipoAcao, const QString& ValorAcao) const {
  for (const auto& a : FLista)
    if (a->Tipo == TipoAcao && a->GetValor() == ValorAcao) return true;
  return false;
}

void TMUListaAcao::CopyFrom(const TMUListaAcao* ptrListaAcao) {
  if (ptrListaAcao == this) return;
  ClearLista();
  OpcaoAcao.clear();
  if (!ptrListaAcao) return;
  OpcaoAcao = ptrListaAcao->OpcaoAcao;
  for (const auto& a : ptrListaAcao->FLista) {
    auto copia = std::make_unique<TMUAcao>(DAC);
    copia->CopyFrom(a.get());
    Add(std::move(copia));
  }
}
