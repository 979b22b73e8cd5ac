#include "acao.h"

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

const QString& TMUAcao::GetValor() const {
  if (Tipo == u"VAIPARA") return ValorMenu;
  if (Tipo == u"COMANDO") return ValorComando;
  return ValorNumero;
}

void TMUAcao::SetValor(const QString& Valor) {
  if (Tipo == u"VAIPARA")
    ValorMenu = Valor;
  else if (Tipo == u"COMANDO")
    ValorComando = Valor;
  else
    ValorNumero = Valor;
}

void TMUAcao::CopyFrom(const TMUAcao* ptrAcao) {
  if (!ptrAcao) return;
  Tipo = ptrAcao->Tipo;
  ValorMenu = ptrAcao->ValorMenu;
  ValorNumero = ptrAcao->ValorNumero;
  OpcaoAcao = ptrAcao->OpcaoAcao;
  ValorComando = ptrAcao->ValorComando;
  Variavel = ptrAcao->Variavel;
}

namespace {

enum class TCodigo {
  Opcoes,
  Invalida,
  Final,
  Inicio,
  VaiPara,
  Disca,
  DiscaF,
  DiscaG,
  DiscaR,
  DiscaU,
  DiscaC,
  DiscaS,
  FalaDigitos,
  FalaNumero,
  DiscaOp,
  Desliga,
  DesligaFH,
  Comando,
  SetVar,
  Mensagem,
  Midia,
  Outro
};

// The code looked up once, so a description is one switch and not a chain
// of text comparisons (the change fingerprint describes every action).
TCodigo Codigo(const QString& Tipo) {
  static const std::pair<QLatin1StringView, TCodigo> kCodigos[] = {
      {QLatin1StringView("OPCOES"), TCodigo::Opcoes},
      {QLatin1StringView("INVALIDA"), TCodigo::Invalida},
      {QLatin1StringView("FINAL"), TCodigo::Final},
      {QLatin1StringView("INICIO"), TCodigo::Inicio},
      {QLatin1StringView("VAIPARA"), TCodigo::VaiPara},
      {QLatin1StringView("DISCA"), TCodigo::Disca},
      {QLatin1StringView("DISCAF"), TCodigo::DiscaF},
      {QLatin1StringView("DISCAG"), TCodigo::DiscaG},
      {QLatin1StringView("DISCAR"), TCodigo::DiscaR},
      {QLatin1StringView("DISCAU"), TCodigo::DiscaU},
      {QLatin1StringView("DISCAC"), TCodigo::DiscaC},
      {QLatin1StringView("DISCAS"), TCodigo::DiscaS},
      {QLatin1StringView("FALADIGITOS"), TCodigo::FalaDigitos},
      {QLatin1StringView("FALANUMERO"), TCodigo::FalaNumero},
      {QLatin1StringView("DISCAOP"), TCodigo::DiscaOp},
      {QLatin1StringView("DESLIGA"), TCodigo::Desliga},
      {QLatin1StringView("DESLIGAFH"), TCodigo::DesligaFH},
      {QLatin1StringView("COMANDO"), TCodigo::Comando},
      {QLatin1StringView("SETVAR"), TCodigo::SetVar},
      {QLatin1StringView("MENSAGEM"), TCodigo::Mensagem},
      {QLatin1StringView("MIDIA"), TCodigo::Midia}};
  for (const auto& [nome, codigo] : kCodigos)
    // The size and the last letter first: most codes are told apart without
    // a library call (DISCAF, DISCAG, DISCAR... differ only there).
    if (Tipo.size() == nome.size() && Tipo.back() == QLatin1Char(nome.back()) && Tipo == nome) return codigo;
  return TCodigo::Outro;
}

}  // namespace

bool TMUAcao::ContinuaSequencia(const QString& Tipo) {
  switch (Codigo(Tipo)) {
    case TCodigo::Comando:
    case TCodigo::SetVar:
    case TCodigo::DiscaS:
    case TCodigo::Mensagem:
    case TCodigo::Midia:
    case TCodigo::FalaDigitos:
    case TCodigo::FalaNumero: return true;
    case TCodigo::Outro: return Tipo.startsWith(u"FALA");  // any code of that family speaks and goes on
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
  switch (Codigo(Tipo)) {
    case TCodigo::Opcoes: r += QStringLiteral("Vai para Opções, neste menu"); break;
    case TCodigo::Invalida: r += QStringLiteral("Vai para Opção inválida, no menu atual"); break;
    case TCodigo::Final: r += QStringLiteral("Vai para Final, neste menu"); break;
    case TCodigo::Inicio: r += QStringLiteral("Vai para Início, neste menu"); break;
    case TCodigo::VaiPara:
      r += QStringLiteral("Vai para o menu: ");
      r += ValorMenu;
      r += SufixoSecao(Variavel);
      break;
    case TCodigo::Disca: comValor(QStringLiteral("Transfere para: ")); break;
    case TCodigo::DiscaF:
      if (roriro) {
        comValor(QStringLiteral("Transfere para: "));
      } else {
        const auto& filas = Chat(DAC) ? MenuUraInfoAuxiliar.ListaDeFilasChat : MenuUraInfoAuxiliar.ListaDeFilasVoz;
        r += QStringLiteral("Transfere para fila: ");
        filas.AcrescentaStrNomeFila(r, ValorNumero);
        r += SufixoPrioridade(Variavel);
      }
      break;
    case TCodigo::DiscaG:
      comValor(roriro ? QStringLiteral("Transfere para: ") : QStringLiteral("Transfere para grupo: "));
      break;
    case TCodigo::DiscaR:
      comValor(roriro ? QStringLiteral("Transfere para: ") : QStringLiteral("Transfere para ramal: "));
      break;
    case TCodigo::DiscaU: ouSemAcao(QStringLiteral("Transfere para URA: ")); break;
    case TCodigo::DiscaC: ouSemAcao(QStringLiteral("Transfere para contexto: ")); break;
    case TCodigo::DiscaS: ouSemAcao(QStringLiteral("Executa o contexto e retorna: ")); break;
    case TCodigo::FalaDigitos: ouSemAcao(QStringLiteral("Fala dígitos: ")); break;
    case TCodigo::FalaNumero: ouSemAcao(QStringLiteral("Fala número: ")); break;
    case TCodigo::DiscaOp: r += QStringLiteral("Transfere para opção informada"); break;
    case TCodigo::Desliga:
      if (roriro || ValorNumero.isEmpty()) {
        r += QStringLiteral("Encerra a chamada");
      } else {
        comValor(QStringLiteral("Encerra a chamada (Código "));
        r += u')';
      }
      break;
    case TCodigo::DesligaFH:
      r += roriro ? QStringLiteral("Encerra a chamada (fora de horário)") : QStringLiteral("Encerra a chamada");
      break;
    case TCodigo::Comando:
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
    case TCodigo::SetVar:
      r += QStringLiteral("Variável(");
      r += Variavel;
      r += u'=';
      r += ValorNumero;
      r += u')';
      break;
    case TCodigo::Mensagem:
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
    case TCodigo::Midia:
      comValor(QStringLiteral("Mídia("));
      r += u')';
      break;
    case TCodigo::Outro: break;
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
  if (Tipo != u"COMANDO" || ValorComando.isEmpty()) return invalido;
  QStringList palavras;
  QString palavra;
  bool aspas = false;
  auto guarda = [&]() {
    const QString t = TrimBlanks(palavra);
    if (!t.isEmpty()) palavras.append(t);
    palavra.clear();
  };
  for (QChar c : ValorComando) {
    if (c == u'"') {
      aspas = !aspas;
      palavra += c;
    } else if (c == u';' && !aspas) {
      return invalido;
    } else if (c == u' ' && !aspas) {
      guarda();
    } else {
      palavra += c;
    }
  }
  if (aspas) return invalido;
  guarda();
  if (palavras.isEmpty()) return invalido;
  const QString& script = palavras.first();
  if (script.contains(u'/') || script.size() < 4 || !script.endsWith(QStringLiteral(".sh"))) return invalido;
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
