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

bool TMUAcao::ContinuaSequencia(const QString& Tipo) {
  return Tipo == u"COMANDO" || Tipo == u"SETVAR" || Tipo == u"DISCAS" || Tipo == u"MENSAGEM" || Tipo == u"MIDIA" ||
         Tipo.startsWith(u"FALA");
}

QString TMUAcao::GetStrAcao() const {
  const bool roriro = Roriro(DAC);
  const QString semAcao = QStringLiteral("Sem ação");
  if (Tipo == u"OPCOES") return QStringLiteral("Vai para Opções, neste menu");
  if (Tipo == u"INVALIDA") return QStringLiteral("Vai para Opção inválida, no menu atual");
  if (Tipo == u"FINAL") return QStringLiteral("Vai para Final, neste menu");
  if (Tipo == u"INICIO") return QStringLiteral("Vai para Início, neste menu");
  if (Tipo == u"VAIPARA") return QStringLiteral("Vai para o menu: ") + ValorMenu + SufixoSecao(Variavel);
  if (Tipo == u"DISCA") return QStringLiteral("Transfere para: ") + ValorNumero;
  if (Tipo == u"DISCAF") {
    if (roriro) return QStringLiteral("Transfere para: ") + ValorNumero;
    const auto& filas = Chat(DAC) ? MenuUraInfoAuxiliar.ListaDeFilasChat : MenuUraInfoAuxiliar.ListaDeFilasVoz;
    return QStringLiteral("Transfere para fila: ") + filas.GetStrNomeFila(ValorNumero) + SufixoPrioridade(Variavel);
  }
  if (Tipo == u"DISCAG")
    return roriro ? QStringLiteral("Transfere para: ") + ValorNumero
                  : QStringLiteral("Transfere para grupo: ") + ValorNumero;
  if (Tipo == u"DISCAR")
    return roriro ? QStringLiteral("Transfere para: ") + ValorNumero
                  : QStringLiteral("Transfere para ramal: ") + ValorNumero;
  if (Tipo == u"DISCAU") return roriro ? semAcao : QStringLiteral("Transfere para URA: ") + ValorNumero;
  if (Tipo == u"DISCAC") return roriro ? semAcao : QStringLiteral("Transfere para contexto: ") + ValorNumero;
  if (Tipo == u"DISCAS") return roriro ? semAcao : QStringLiteral("Executa o contexto e retorna: ") + ValorNumero;
  if (Tipo == u"FALADIGITOS") return roriro ? semAcao : QStringLiteral("Fala dígitos: ") + ValorNumero;
  if (Tipo == u"FALANUMERO") return roriro ? semAcao : QStringLiteral("Fala número: ") + ValorNumero;
  if (Tipo == u"DISCAOP") return QStringLiteral("Transfere para opção informada");
  if (Tipo == u"DESLIGA") {
    if (roriro || ValorNumero.isEmpty()) return QStringLiteral("Encerra a chamada");
    return QStringLiteral("Encerra a chamada (Código ") + ValorNumero + u')';
  }
  if (Tipo == u"DESLIGAFH")
    return roriro ? QStringLiteral("Encerra a chamada (fora de horário)") : QStringLiteral("Encerra a chamada");
  if (Tipo == u"COMANDO") {
    if (roriro) return semAcao;
    return (Variavel.isEmpty() ? QString() : Variavel + u'=') + QStringLiteral("Comando(") + ValorComando + u')';
  }
  if (Tipo == u"SETVAR") return QStringLiteral("Variável(") + Variavel + u'=' + ValorNumero + u')';
  if (Tipo == u"MENSAGEM") {
    if (Chat(DAC)) return QStringLiteral("Mensagem(\"") + GetStrAcaoMensagem() + QStringLiteral("\")");
    return QStringLiteral("Mensagem(") + Variavel + QStringLiteral("=\"") +
           MenuUraInfoAuxiliar.ListaDeMensagens.GetDescricaoArquivos(ValorNumero) + QStringLiteral("\")");
  }
  if (Tipo == u"MIDIA") return QStringLiteral("Mídia(") + ValorNumero + u')';
  return QString();
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
  for (size_t i = 0; i < FLista.size(); ++i) {
    if (i > 0) r += QStringLiteral("; ");
    r += FLista[i]->GetStrAcao();
  }
  return r;
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
