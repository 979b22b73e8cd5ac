#include "verificacao.h"

#include <QDate>
#include <QHash>
#include <QStringBuilder>
#include <algorithm>
#include <iterator>
#include <utility>

#include "acao.h"
#include "condicao.h"
#include "dac.h"
#include "infoauxiliar.h"
#include "mensagem.h"
#include "menuura.h"
#include "opcao.h"
#include "secoes.h"
#include "simulacao.h"
#include "texto.h"

QString VerificaTamanhosOpcaoChat(int Minimo, int Maximo) {
  // The matcher accepts no text at all when the maximum lies below the minimum.
  if (Maximo > 0 && Maximo < Minimo)
    return QStringLiteral("O tamanho máximo do texto é menor que o tamanho mínimo: nenhum texto é aceito");
  return QString();
}

using namespace Qt::StringLiterals;

namespace {

QString Aspas(const QString& s) { return u'"' + s + u'"'; }

}  // namespace

// The codes that keep the call inside the running sequence of a section; any
// other code (a jump, a transfer, a hang-up, an empty code) ends it, so the
// actions after it never run. The action list editor greys them the same way.
bool SaiDaSequencia(const QString& Tipo) { return !TMUAcao::ContinuaSequencia(Tipo); }

// How many actions of the list run: up to and including the first that leaves.
int AcoesExecutadas(const TMUListaAcao& Lista) {
  for (int i = 0; i < Lista.Count(); ++i)
    if (SaiDaSequencia(Lista.GetItem(i)->Tipo)) return i + 1;
  return Lista.Count();
}

namespace {

// The action codes each kind of URA offers (besides "DISCAOP", offered only in
// options whose value holds "X").
enum class TTipoUra { Voz, Chat, Local };

bool AcaoOferecida(TCodigoAcao Codigo, TTipoUra Ura, bool Chat) {
  switch (Codigo) {
    case TCodigoAcao::Inicio:
    case TCodigoAcao::Opcoes:
    case TCodigoAcao::Invalida:
    case TCodigoAcao::Final:
    case TCodigoAcao::VaiPara:
    case TCodigoAcao::Desliga:
    case TCodigoAcao::SetVar:
    case TCodigoAcao::Mensagem: return true;
    case TCodigoAcao::Disca: return !Chat;
    case TCodigoAcao::Midia: return Chat;
    // Only the server's URAs, of both kinds.
    case TCodigoAcao::DiscaF:
    case TCodigoAcao::DiscaU:
    case TCodigoAcao::DesligaFH:
    case TCodigoAcao::Comando: return Ura != TTipoUra::Local;
    // Only the server's voice URAs.
    case TCodigoAcao::DiscaG:
    case TCodigoAcao::DiscaR:
    case TCodigoAcao::DiscaC:
    case TCodigoAcao::DiscaS:
    case TCodigoAcao::FalaDigitos:
    case TCodigoAcao::FalaNumero: return Ura != TTipoUra::Local && !Chat;
    case TCodigoAcao::DiscaOp:
    case TCodigoAcao::Outro: return false;
  }
  return false;
}

// The message the action editor shows when a required value is missing.
QString FaltaValor(const TMUAcao& A, TCodigoAcao Codigo, bool Chat) {
  const auto falta = [](const QString& Valor, const QString& Mensagem) {
    return QStringView(Valor).trimmed().isEmpty() ? Mensagem : QString();
  };
  switch (Codigo) {
    case TCodigoAcao::VaiPara:
      return A.ValorMenu.isEmpty() ? u"Informe o menu para onde será encaminhada a chamada"_s : QString();
    case TCodigoAcao::Comando: return falta(A.ValorComando, u"Informe o nome do comando a ser executado"_s);
    case TCodigoAcao::Mensagem: return Chat ? falta(A.ValorNumero, u"Informe a mensagem a ser enviada"_s) : QString();
    case TCodigoAcao::Disca: return falta(A.ValorNumero, u"Informe o número para onde será encaminhada a chamada"_s);
    case TCodigoAcao::DiscaF: return falta(A.ValorNumero, u"Informe a fila para onde será encaminhada a chamada"_s);
    case TCodigoAcao::DiscaG: return falta(A.ValorNumero, u"Informe o grupo para onde será encaminhada a chamada"_s);
    case TCodigoAcao::DiscaR: return falta(A.ValorNumero, u"Informe o ramal para onde será encaminhada a chamada"_s);
    case TCodigoAcao::DiscaU:
      return falta(A.ValorNumero, u"Informe o nome da URA para onde será encaminhada a chamada"_s);
    case TCodigoAcao::DiscaC:
      return falta(A.ValorNumero, u"Informe o nome do contexto para onde será encaminhada a chamada"_s);
    case TCodigoAcao::DiscaS: return falta(A.ValorNumero, u"Informe o nome do contexto a ser executado"_s);
    case TCodigoAcao::FalaDigitos: return falta(A.ValorNumero, u"Informe os dígitos a serem falados"_s);
    case TCodigoAcao::FalaNumero: return falta(A.ValorNumero, u"Informe o número a ser falado"_s);
    case TCodigoAcao::Midia: return falta(A.ValorNumero, u"Informe o arquivo de mídia a ser enviado"_s);
    default: return QString();
  }
}

// The characters a chat text of a TDD URA may hold, besides the line breaks.
bool CaractereTDD(QChar c) {
  static const QString permitidos = QStringLiteral("EA SIUDRJNFCKTZLWHYPQOBGMXV3-87$4',!:(5\")2=6019?+^./;");
  return c == u'\r' || c == u'\n' || permitidos.contains(c);
}

bool TextoTDDValido(const QString& Texto) {
  for (QChar c : Texto)
    if (!CaractereTDD(c)) return false;
  return true;
}

// The checks of the chat option editor, on a stored option: the class letters
// of Valor stand for its check boxes. Empty when the option is acceptable.
QString VerificaOpcaoChat(const TMUOpcao& O) {
  const QString& valor = O.GetValor();
  if (O.Tipo < 1 || O.Tipo > 4) return QStringLiteral("Tipo de opção inválida");
  if (O.Tipo <= 2) {
    if (valor.isEmpty()) return QStringLiteral("Valor dever ser informado");
    if (O.Tipo == 1)
      for (qsizetype i = 0; i < valor.size(); ++i)
        if (valor.indexOf(valor.at(i), i + 1) >= 0) return QStringLiteral("Valor não pode ter caracteres repetidos");
    return QString();
  }
  if (O.Tipo == 4) {
    const bool dig = valor.contains(u'N'), mai = valor.contains(u'A'), min = valor.contains(u'a'),
               esp = valor.contains(u'E'), out = valor.contains(u'O');
    const QString& outros = O.TextoAlfaAdicional;
    if (!dig && !mai && !min && !out)
      return QStringLiteral("Selecione pelo menos um tipo de caracteres aceitos no texto");
    if (out) {
      if (outros.isEmpty()) return QStringLiteral("Informe os outros caracteres permitidos");
      for (qsizetype i = 0; i < outros.size(); ++i) {
        const QChar c = outros.at(i);
        const QString ja = QStringLiteral("Caractere \"") + c + QStringLiteral("\" já está selecionado com a opção ");
        if (c.unicode() <= 32 || c.unicode() >= 127)
          return QStringLiteral("Caractere \"") + c + QStringLiteral("\" não permitido");
        if (outros.indexOf(c, i + 1) >= 0)
          return QStringLiteral("\"Outros caracteres\" não pode ter caracteres repetidos");
        if (dig && IsAsciiDigit(c)) return ja + QStringLiteral("\"Dígitos\"");
        if (mai && c >= u'A' && c <= u'Z') return ja + QStringLiteral("\"Letras maiúsculas\"");
        if (min && c >= u'a' && c <= u'z') return ja + QStringLiteral("\"Letras minúsculas\"");
      }
    }
    auto aceito = [&](QChar c) {
      return (dig && IsAsciiDigit(c)) || (mai && c >= u'A' && c <= u'Z') || (min && c >= u'a' && c <= u'z') ||
             (esp && c == u' ') || (out && outros.contains(c));
    };
    const std::pair<const QString*, const char*> regras[] = {
        {&O.ComecaCom, "começar com"}, {&O.Contem, "conter"}, {&O.TerminaCom, "terminar com"}};
    for (const auto& [texto, nome] : regras)
      for (QChar c : *texto)
        if (!aceito(c))
          return QStringLiteral("Existem caracteres inválidos na opção \"Texto deve ") + QString::fromUtf8(nome) + u'"';
    if (O.IgnorarCase && !(mai && min))
      return QStringLiteral(
          "A opção ignorar case-sensitive só poderá estar selecionada se o texto aceitar lletras "
          "maiúsculas e minúsculas");
  }
  if (O.QtdeMinOpcaoValida < 0) return QStringLiteral("Tamanho mínimo inválido");
  if (O.QtdeMaxOpcaoValida < 0) return QStringLiteral("Tamanho máximo inválido");
  const qsizetype maior = std::max({O.ComecaCom.size(), O.Contem.size(), O.TerminaCom.size()});
  if (O.QtdeMinOpcaoValida > 0 && O.QtdeMinOpcaoValida < maior)
    return QStringLiteral("O tamanho mínimo do texto tem que ser maior ou igual à ") + QString::number(maior);
  if (O.QtdeMaxOpcaoValida > 0 && O.QtdeMaxOpcaoValida < maior)
    return QStringLiteral("O tamanho máximo do texto tem que ser maior ou igual à ") + QString::number(maior);
  return VerificaTamanhosOpcaoChat(O.QtdeMinOpcaoValida, O.QtdeMaxOpcaoValida);
}

// One position of a fixed-length key pattern, as the matcher reads it: a set of
// digits, or one literal key that is not a digit.
struct TPosicao {
  quint16 Digitos = 0;  // bit d: digit d accepted
  QChar Outro;          // a literal non-digit key; null when none

  bool ContidaEm(const TPosicao& B) const {
    if (!Outro.isNull()) return Outro == B.Outro;
    return (Digitos & ~B.Digitos) == 0;
  }
};

quint16 Faixa(int De, int Ate) {
  quint16 m = 0;
  for (int d = std::max(De, 0); d <= std::min(Ate, 9); ++d) m |= quint16(1u << d);
  return m;
}

// The positions of a key pattern whose matches all have one length and need no
// finaliser, no shorter input and no trailing "."; false for any other option.
bool PosicoesFixas(const TMUOpcao& O, std::vector<TPosicao>& Posicoes) {
  Posicoes.clear();
  if (O.Tipo != 0 || O.PodeMenosDigitos || O.ListaDetalhada().empty()) return false;
  if (!O.DigitoFinalizador.isEmpty() && O.PodeFinalizador()) return false;
  for (const TMUOpcaoDetalhada& e : O.ListaDetalhada()) {
    TPosicao p;
    if (e.Valor.isNull()) {
      p.Digitos = Faixa(e.ValorIni.unicode() - u'0', e.ValorFim.unicode() - u'0');
    } else if (e.Valor == u'.') {
      return false;
    } else if (e.Valor == u'X') {
      p.Digitos = Faixa(0, 9);
    } else if (e.Valor == u'Z') {
      p.Digitos = Faixa(1, 9);
    } else if (e.Valor == u'N') {
      p.Digitos = Faixa(2, 9);
    } else if (IsAsciiDigit(e.Valor)) {
      p.Digitos = Faixa(e.Valor.unicode() - u'0', e.Valor.unicode() - u'0');
    } else {
      p.Outro = e.Valor;
    }
    Posicoes.push_back(p);
  }
  return true;
}

bool Aceita(const TMUOpcao& B, const QString& Entrada) {
  const int r = B.TrataOpcao(Entrada, true);
  return r == OPCAO_CONFERE || r == OPCAO_FINALIZADA;
}

// A chat option that accepts every text.
bool AceitaTudo(const TMUOpcao& B) {
  return B.Tipo == 3 && B.QtdeMinOpcaoValida <= 0 && B.QtdeMaxOpcaoValida == 0 && B.ComecaCom.isEmpty() &&
         B.Contem.isEmpty() && B.TerminaCom.isEmpty();
}

// Whether the chat option B accepts every answer that A accepts, decided
// exactly: A of kinds 1 and 2 accepts a finite set of answers, each tried on B
// (for a text that ignores case, its all-lower and all-upper forms decide);
// any A is covered by a B that accepts every text.
bool ChatCobre(const TMUOpcao& A, const TMUOpcao& B) {
  if (AceitaTudo(B)) return true;
  if (A.Tipo == 1) {
    for (QChar c : A.GetValor())
      if (!Aceita(B, QString(c))) return false;
    return true;
  }
  if (A.Tipo == 2) {
    if (!A.IgnorarCase) return Aceita(B, A.GetValor());
    return Aceita(B, LowerAscii(A.GetValor())) && Aceita(B, UpperAscii(A.GetValor()));
  }
  return false;
}

// What the menu editor's name field lets the user type, besides control keys;
// blanks have a rule of their own.
bool CaractereNomeMenu(QChar c) { return IsAsciiLetter(c) || IsAsciiDigit(c) || c == u' ' || c == u'-' || c == u'_'; }
constexpr int kTamanhoNomeMenu = 30;

bool MensagemVazia(const TMUMensagem* M) { return !M || (M->ArquivosCount() == 0 && M->MensagensChatCount() == 0); }

int DiasNoMes(int Mes, int Ano) {
  static const int dias[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Mes == 2 && Ano > 0) return QDate::isLeapYear(Ano) ? 29 : 28;
  return dias[Mes - 1];
}

// Whether a date of a known kind exists (kind 0 is handled by the caller).
bool DataExiste(int Tipo, int Dia, int Mes, int Ano) {
  const bool mesOk = Mes >= 1 && Mes <= 12, anoOk = Ano >= 1 && Ano <= 9999;
  switch (Tipo) {
    case 1: return Dia <= 31;
    case 2: return mesOk && Dia <= DiasNoMes(Mes, 0);
    case 3: return mesOk && anoOk && Dia <= DiasNoMes(Mes, Ano);
    case 4: return mesOk;
    case 5: return mesOk && anoOk;
    case 6: return anoOk;
    default: return true;
  }
}

QString PartesData(int Dia, int Mes, int Ano) {
  QStringList partes;
  if (Dia != -1) partes << QStringLiteral("dia ") + QString::number(Dia);
  if (Mes != -1) partes << QStringLiteral("mês ") + QString::number(Mes);
  if (Ano != -1) partes << QStringLiteral("ano ") + QString::number(Ano);
  return partes.join(QStringLiteral(", "));
}

// A section's name in the findings, made only when a finding needs it: most
// sections have none, and an option's name is its description.
class TSecao {
 public:
  TSecao(const QString& Nome) : FNome(Nome), FFeito(true) {}  // NOLINT: a plain name stands for itself
  static TSecao Condicao(int I) { return TSecao(nullptr, I); }
  static TSecao Opcao(const TMUOpcao& O, int I) { return TSecao(&O, I); }

  const QString& Nome() const {
    if (!FFeito) {
      const QString v = FOpcao ? FOpcao->GetDescricaoValor() : QString();
      FNome = !FOpcao       ? u"Início, condição "_s % QString::number(FIndice + 1)
              : v.isEmpty() ? u"Opção "_s % QString::number(FIndice + 1)
                            : u"Opção "_s % v;
      FFeito = true;
    }
    return FNome;
  }

 private:
  TSecao(const TMUOpcao* O, int I) : FOpcao(O), FIndice(I) {}
  const TMUOpcao* FOpcao = nullptr;  // null for a condition
  int FIndice = -1;
  mutable QString FNome;
  mutable bool FFeito = false;
};

class TVerificador {
 public:
  TVerificador(const TDAC& Dac, const TMUListaDescricaoMensagem* Catalogo, const QStringList* Servidor)
      : FDac(Dac), FChat(Dac.UraChat()), FTDD(Dac.TipoUra == u"chattdd") {
    FUra = Dac.RORIRO ? TTipoUra::Local : (FChat ? TTipoUra::Chat : TTipoUra::Voz);
    if (Catalogo) {
      FTemCatalogo = true;
      for (const auto& m : Catalogo->Items()) FArquivos[m->Arquivo] |= kNoCatalogo;
    }
    if (Servidor) {
      FTemServidor = true;
      for (const QString& a : *Servidor) FArquivos[a] |= kNoServidor;
    }
    // Go-to actions and the initial menu find the first menu of a name.
    const auto& menus = Dac.ListaMenus->Items();
    for (int i = int(menus.size()) - 1; i >= 0; --i) FIndice[menus[size_t(i)]->Nome] = i;
  }

  // One walk over the menus: whether a menu is reached and the loops it is on
  // are known only at the end, so those findings are put in their menu's
  // place afterwards.
  std::vector<TAchado> Executa() {
    VerificaDocumento();
    const auto& menus = FDac.ListaMenus->Items();
    const size_t n = menus.size();
    TBuscaLacos busca(FDac);
    FInicial = FDac.MenuInicial.isEmpty() ? -1 : IndiceMenu(FDac.MenuInicial);
    // Per menu: where its findings begin, where those about reaching it go.
    std::vector<size_t> inicio(n + 1), meio(n);
    FPrimeiroAlvo.assign(1, 0);
    for (size_t i = 0; i < n; ++i) {
      FIndiceMenu = int(i);
      FMenu = menus[i].get();
      inicio[i] = FAchados.size();
      VerificaNomeDoMenu();
      meio[i] = FAchados.size();
      VerificaMenu();
      FPrimeiroAlvo.push_back(int(FAlvos.size()));
      busca.AcrescentaMenu(int(i));
    }
    inicio[n] = FAchados.size();

    const std::vector<bool> alcancados = Alcancados();
    const std::vector<TLacoSemEntrada> lacos = busca.Lacos();
    std::vector<std::vector<const TLacoSemEntrada*>> lacosDoMenu(n);
    for (const TLacoSemEntrada& l : lacos) lacosDoMenu[size_t(l.IndiceMenu)].push_back(&l);

    // The walk's findings are put back in order, those about reaching each
    // menu among them.
    std::vector<TAchado> andados = std::exchange(FAchados, {});
    FAchados.reserve(andados.size() + lacos.size() + n);
    const auto move = [&](size_t De, size_t Ate) {
      std::move(andados.begin() + std::ptrdiff_t(De), andados.begin() + std::ptrdiff_t(Ate),
                std::back_inserter(FAchados));
    };
    move(0, inicio[0]);
    for (size_t i = 0; i < n; ++i) {
      FIndiceMenu = int(i);
      FMenu = menus[i].get();
      move(inicio[i], meio[i]);
      if (!alcancados.empty() && !alcancados[i])
        Aviso(QString(), u"menu-inalcancavel"_s,
              u"Nenhum caminho de ações \"Vai para menu\" leva do menu inicial a este menu"_s);
      for (const TLacoSemEntrada* l : lacosDoMenu[i])
        Erro(QString(), u"laco-sem-entrada"_s, u"A chamada fica presa num laço sem esperar resposta: "_s % l->Caminho);
      move(meio[i], inicio[i + 1]);
    }
    return std::move(FAchados);
  }

 private:
  // Codes are literals (u"..."_s), so a finding copies no code text.
  void Adiciona(TGravidade G, const TSecao& Secao, const QString& Codigo, QString Texto) {
    TAchado a;
    a.Gravidade = G;
    a.IndiceMenu = FMenu ? FIndiceMenu : -1;
    a.Menu = FMenu ? FMenu->Nome : QString();
    a.Secao = Secao.Nome();
    a.Codigo = Codigo;
    a.Texto = std::move(Texto);
    FAchados.push_back(std::move(a));
  }
  void Erro(const TSecao& Secao, const QString& Codigo, QString Texto) {
    Adiciona(TGravidade::Erro, Secao, Codigo, std::move(Texto));
  }
  void Aviso(const TSecao& Secao, const QString& Codigo, QString Texto) {
    Adiciona(TGravidade::Aviso, Secao, Codigo, std::move(Texto));
  }

  int IndiceMenu(const QString& Nome) const {
    if (Nome.isEmpty()) return -1;
    return FIndice.value(Nome, -1);
  }

  void VerificaDocumento() {
    if (FDac.MenuInicial.isEmpty())
      Erro(QString(), u"menu-inicial-vazio"_s, QStringLiteral("O menu inicial não foi definido"));
    else if (!FDac.ProcuraMenu(FDac.MenuInicial))
      Erro(QString(), u"menu-inicial-inexistente"_s,
           QStringLiteral("O menu inicial ") + Aspas(FDac.MenuInicial) + QStringLiteral(" não existe"));
  }

  // The menus some path of go-to actions reaches from the initial menu; empty
  // when there is no initial menu to start from. The walk kept each menu's
  // jumps that run (FAlvos).
  std::vector<bool> Alcancados() const {
    if (FInicial < 0) return {};
    std::vector<bool> visto(FDac.ListaMenus->Items().size(), false);
    std::vector<int> pilha{FInicial};
    visto[size_t(FInicial)] = true;
    while (!pilha.empty()) {
      const size_t m = size_t(pilha.back());
      pilha.pop_back();
      for (int k = FPrimeiroAlvo[m]; k < FPrimeiroAlvo[m + 1]; ++k) {
        const int alvo = FAlvos[size_t(k)];
        if (!visto[size_t(alvo)]) {
          visto[size_t(alvo)] = true;
          pilha.push_back(alvo);
        }
      }
    }
    return visto;
  }

  void VerificaNomeDoMenu() {
    const TMenuUra& m = *FMenu;
    if (m.Nome.isEmpty())
      Erro(QString(), u"menu-sem-nome"_s, QStringLiteral("O menu não tem nome; nenhuma ação pode levar a ele"));
    else if (IndiceMenu(m.Nome) != FIndiceMenu)
      Erro(QString(), u"menu-duplicado"_s,
           QStringLiteral("Outro menu, antes deste, tem o mesmo nome; o menu inicial e as ações "
                          "\"Vai para menu\" levam sempre ao primeiro"));
    VerificaNomeMenu(m.Nome);
  }

  // The rest of the menu, its sections in order; the jumps that run go to FAlvos.
  void VerificaMenu() {
    const TMenuUra& m = *FMenu;
    const bool inicial = FInicial == FIndiceMenu;
    if (MenuVazio(m) && inicial)
      Erro(QString(), u"menu-inicial-vazio"_s,
           QStringLiteral("O menu inicial está vazio: a chamada termina sem que nada aconteça"));
    else if (MenuVazio(m))
      Aviso(QString(), u"menu-vazio"_s,
            QStringLiteral("O menu não tem condição, opção nem mensagem, e o Final está vazio"));

    for (int i = 0; i < m.ListaCondicoes->Count(); ++i) {
      const TMUCondicao& c = *m.ListaCondicoes->GetItem(i);
      const TSecao secao = TSecao::Condicao(i);
      VerificaCondicao(c, secao);
      VerificaMensagem(c.Mensagem.get(), secao);
      VerificaAcoes(*c.ListaAcao, secao, nullptr, true);
    }
    VerificaMensagem(m.MensagemMenu.get(), QStringLiteral("Mensagem"));
    VerificaMenuLista(m);
    VerificaOpcoes(m);

    const bool temOpcoes = m.ListaOpcoes->Count() > 0;
    const QString invalida = QStringLiteral("Opção inválida"), timeout = QStringLiteral("Timeout");
    VerificaFallback(m.OpcaoInvalida->Mensagem.get(), *m.OpcaoInvalida->ListaAcao, invalida, temOpcoes);
    if (temOpcoes && m.OpcaoInvalida->Tentativas <= 0) AvisoTentativas(invalida, m.OpcaoInvalida->Tentativas);
    VerificaFallback(m.OpcaoTimeout->Mensagem.get(), *m.OpcaoTimeout->ListaAcao, timeout, temOpcoes);
    if (temOpcoes && m.OpcaoTimeout->Tentativas <= 0) AvisoTentativas(timeout, m.OpcaoTimeout->Tentativas);
    if (temOpcoes && m.OpcaoTimeout->Tempo <= 0)
      Aviso(timeout, u"tempo-zero"_s,
            QStringLiteral("O tempo de espera é de ") + QString::number(m.OpcaoTimeout->Tempo) +
                QStringLiteral(" segundos: a resposta nunca chega a tempo"));
    VerificaMensagem(m.Final->Mensagem.get(), QStringLiteral("Final"));
    VerificaAcoes(*m.Final->ListaAcao, QStringLiteral("Final"), nullptr, true);
  }

  // A name read from a file or pasted may hold what the menu editor's name
  // field never lets the user type.
  void VerificaNomeMenu(const QString& Nome) {
    if (Nome.isEmpty()) return;
    QStringList recusados;
    for (const char32_t c : Nome.toUcs4()) {
      const QString letra = Aspas(QString::fromUcs4(&c, 1));
      if ((c > 0xFFFF || !CaractereNomeMenu(QChar(c))) && !recusados.contains(letra)) recusados << letra;
    }
    QString problema;
    if (!recusados.isEmpty())
      problema = QStringLiteral("O nome tem caracteres que o editor de menus não aceita: ") +
                 recusados.join(QStringLiteral(", "));
    else if (Nome.startsWith(u' ') || Nome.endsWith(u' ') || Nome.contains(QStringLiteral("  ")))
      problema = QStringLiteral(
          "O nome começa ou termina com espaço, ou tem dois espaços seguidos, o que o editor de menus não aceita");
    else if (Nome.size() > kTamanhoNomeMenu)
      problema = QStringLiteral("O nome tem ") + QString::number(Nome.size()) +
                 QStringLiteral(" caracteres; o editor de menus aceita até ") + QString::number(kTamanhoNomeMenu);
    if (!problema.isEmpty()) Aviso(QString(), u"menu-nome-invalido"_s, problema);
  }

  static bool MenuVazio(const TMenuUra& M) {
    return M.ListaCondicoes->Count() == 0 && M.ListaOpcoes->Count() == 0 && MensagemVazia(M.MensagemMenu.get()) &&
           M.MenuOpcoesWA->ListaItensMenuOpcao->Count() == 0 && MensagemVazia(M.Final->Mensagem.get()) &&
           M.Final->ListaAcao->Count() == 0;
  }

  void AvisoTentativas(const TSecao& Secao, int Tentativas) {
    Aviso(Secao, u"tentativas-zero"_s, QStringLiteral("O número de tentativas é ") + QString::number(Tentativas));
  }

  void VerificaFallback(const TMUMensagem* Mensagem, const TMUListaAcao& Acoes, const TSecao& Secao, bool TemOpcoes) {
    if (!TemOpcoes && (Acoes.Count() > 0 || !MensagemVazia(Mensagem)))
      Aviso(Secao, u"secao-sem-opcoes"_s, QStringLiteral("O menu não tem opções: esta seção nunca é executada"));
    VerificaMensagem(Mensagem, Secao);
    VerificaAcoes(Acoes, Secao, nullptr, TemOpcoes);
  }

  // Audio entries against the catalogue and the server, chat texts against the
  // TDD character set.
  void VerificaMensagem(const TMUMensagem* M, const TSecao& Secao) {
    if (!M) return;
    if (!FChat) {
      VerificaArquivos(M->Arquivos(), Secao);
    } else if (FTDD) {
      for (int i = 0; i < M->MensagensChatCount(); ++i)
        if (!TextoTDDValido(M->GetMensagemChat(i, QStringLiteral("\n")))) {
          ErroTDD(Secao, QString());
          break;
        }
    }
  }

  void ErroTDD(const TSecao& Secao, const QString& Prefixo) {
    Erro(Secao, u"tdd-caracteres"_s, Prefixo + QStringLiteral("Existem caracteres não permitidos para mensagem TDD"));
  }

  void VerificaArquivos(const QStringList& Arquivos, const TSecao& Secao) {
    for (qsizetype i = 0; i < Arquivos.size(); ++i) {
      const QString& a = Arquivos[i];
      // A message holds a few files: looking back is cheaper than a set.
      if (a.isEmpty() || (a.startsWith(u'{') && a.endsWith(u'}')) || Arquivos.indexOf(a) < i) continue;
      const quint8 onde = FArquivos.value(a, 0);
      if (FTemCatalogo && !(onde & kNoCatalogo))
        Aviso(Secao, u"audio-fora-catalogo"_s,
              QStringLiteral("O arquivo de áudio ") + Aspas(a) + QStringLiteral(" não está no catálogo de mensagens"));
      if (FTemServidor && !(onde & kNoServidor))
        Aviso(Secao, u"audio-ausente-servidor"_s,
              QStringLiteral("O arquivo de áudio ") + Aspas(a) + QStringLiteral(" não existe no servidor"));
    }
  }

  // Findings about one action begin with its position in the section.
  static QString Prefixo(int Indice) {
    return QStringLiteral("Ação ") + QString::number(Indice + 1) + QStringLiteral(": ");
  }

  // Runs: whether the section runs at all (its jumps count for reaching menus).
  void VerificaAcoes(const TMUListaAcao& Lista, const TSecao& Secao, const TMUOpcao* Opcao, bool Executa) {
    int executadas = -1;  // how many run: up to and including the first that leaves
    for (int i = 0; i < Lista.Count(); ++i) {
      const TMUAcao& a = *Lista.GetItem(i);
      const TCodigoAcao codigo = a.GetCodigo();
      const int alvo = codigo == TCodigoAcao::VaiPara ? IndiceMenu(a.ValorMenu) : -1;
      VerificaAcao(a, codigo, alvo, Secao, i, Opcao);
      if (executadas < 0 && !TMUAcao::ContinuaSequencia(codigo, a.Tipo)) {
        executadas = i + 1;
        if (Executa && alvo >= 0) FAlvos.push_back(alvo);
      }
    }
    if (executadas >= 0 && executadas < Lista.Count()) {
      // A common finding on large documents: its text is written into one string.
      const TMUAcao& ultima = *Lista.GetItem(executadas - 1);
      QString texto;
      texto.reserve(128);
      texto.append(u"As ações depois da ação ");
      AcrescentaComZeros(texto, executadas);
      texto.append(u" (");
      const qsizetype antes = texto.size();
      ultima.AcrescentaStrAcao(texto);
      if (texto.size() == antes) texto.append(ultima.Tipo.isEmpty() ? u"sem tipo"_s : ultima.Tipo);
      texto.append(u") nunca são executadas");
      Aviso(Secao, u"acao-nunca-executada"_s, std::move(texto));
    }
  }

  // Alvo: the index of the menu a go-to names (-1 for none).
  void VerificaAcao(const TMUAcao& A, TCodigoAcao Codigo, int Alvo, const TSecao& Secao, int Indice,
                    const TMUOpcao* Opcao) {
    if (A.Tipo.isEmpty()) {
      Aviso(Secao, u"acao-sem-tipo"_s, Prefixo(Indice) + QStringLiteral("A ação não tem tipo e não faz nada"));
      return;
    }
    if (Codigo == TCodigoAcao::DiscaOp) {
      if (!Opcao || !Opcao->GetValor().contains(u'X'))
        Erro(Secao, u"acao-nao-oferecida"_s,
             Prefixo(Indice) + QStringLiteral("\"Transfere para opção informada\" só existe em opções com X"));
      return;
    }
    if (!AcaoOferecida(Codigo, FUra, FChat)) {
      const QString ura = FUra == TTipoUra::Local ? QStringLiteral("no serviço local")
                          : FTDD                  ? QStringLiteral("em URA de chat (TDD)")
                          : FChat                 ? QStringLiteral("em URA de chat")
                                                  : QStringLiteral("em URA de voz");
      Erro(Secao, u"acao-nao-oferecida"_s,
           Prefixo(Indice) + QStringLiteral("A ação ") + Aspas(A.Tipo) + QStringLiteral(" não existe ") + ura);
      return;
    }
    const QString falta = FaltaValor(A, Codigo, FChat);
    if (!falta.isEmpty()) {
      Erro(Secao, u"acao-sem-valor"_s, Prefixo(Indice) + falta);
      return;
    }
    if (Codigo == TCodigoAcao::VaiPara) {
      if (Alvo < 0)
        Erro(Secao, u"vaipara-inexistente"_s,
             Prefixo(Indice) + QStringLiteral("O menu ") + Aspas(A.ValorMenu) + QStringLiteral(" não existe"));
    } else if (Codigo == TCodigoAcao::Comando) {
      const QString comando = A.ComandoValido();
      if (!comando.isEmpty()) Erro(Secao, u"comando-invalido"_s, Prefixo(Indice) + comando);
      const QString variavel = A.VariavelValida();
      if (!variavel.isEmpty()) Erro(Secao, u"variavel-invalida"_s, Prefixo(Indice) + variavel);
    } else if (Codigo == TCodigoAcao::SetVar) {
      const QString variavel = A.VariavelValida();
      if (!variavel.isEmpty()) Erro(Secao, u"variavel-invalida"_s, Prefixo(Indice) + variavel);
    } else if (Codigo == TCodigoAcao::Mensagem) {
      if (FChat) {
        if (FTDD && !TextoTDDValido(A.ValorNumero)) ErroTDD(Secao, Prefixo(Indice));
      } else {
        const QString msg = A.MensagemValida();
        if (!msg.isEmpty()) Erro(Secao, u"mensagem-invalida"_s, Prefixo(Indice) + msg);
        TMUMensagem arquivos;
        arquivos.SetListaArquivosSeparador(QStringLiteral(","), A.ValorNumero);
        VerificaArquivos(arquivos.Arquivos(), Secao);
      }
    } else if (Codigo == TCodigoAcao::Desliga) {
      if (!A.ValorNumero.isEmpty() && StrToIntDef(A.ValorNumero, -1) == -1)
        Erro(Secao, u"acao-valor-invalido"_s,
             Prefixo(Indice) + QStringLiteral("O código para encerrar a chamada deve ser um valor numérico"));
    }
  }

  void VerificaCondicao(const TMUCondicao& C, const TSecao& Secao) {
    for (const auto& cv : C.ListaCondicaoVar->Items()) {
      if (cv->Variavel.isEmpty())
        Erro(Secao, u"comparacao-invalida"_s, QStringLiteral("Comparação sem nome de variável"));
      else if (cv->GetStrTipo().isEmpty())
        Erro(Secao, u"comparacao-invalida"_s,
             QStringLiteral("A comparação da variável ") + Aspas(cv->Variavel) +
                 QStringLiteral(" tem o operador desconhecido ") + Aspas(cv->Tipo));
    }
    // With comparisons the server looks at nothing else of the condition.
    if (C.ListaCondicaoVar->Count() > 0 && C.ListaCondicaoVar->Tipo > 0) return;

    const int ti = C.GetCondicaoDataInicial(), tf = C.GetCondicaoDataFinal();
    const bool iniOk = VerificaData(C, true, Secao), fimOk = VerificaData(C, false, Secao);
    if (tf != 0 && fimOk && (ti != tf))
      Aviso(Secao, u"data-final-ignorada"_s,
            QStringLiteral("A data final ") + C.GetStrDataFim() +
                QStringLiteral(" é ignorada: a data inicial não é do mesmo tipo"));
    else if (tf != 0 && iniOk && fimOk && ti != 4 && C.GetValorDataFinal() < C.GetValorDataInicial())
      Erro(Secao, u"data-final-anterior"_s,
           QStringLiteral("A data final ") + C.GetStrDataFim() + QStringLiteral(" é anterior à data inicial ") +
               C.GetStrDataIni());

    struct Hora {
      qint32 H, M;
      const char* Nome;
    };
    const Hora horas[] = {{C.HoraIni, C.MinutoIni, "hora inicial"},
                          {C.HoraFim, C.MinutoFim, "hora final"},
                          {C.HoraIniPeriodo, C.MinutoIniPeriodo, "hora inicial do período"},
                          {C.HoraFimPeriodo, C.MinutoFimPeriodo, "hora final do período"}};
    bool horasOk = true;
    for (const Hora& h : horas) {
      // A minute without an hour is what a refused hour (such as 25:00) leaves.
      if (h.H < -1 || h.H > 23 || h.M < -1 || h.M > 59 || (h.H == -1 && h.M != -1)) {
        Erro(Secao, u"hora-invalida"_s,
             QStringLiteral("A ") + QString::fromUtf8(h.Nome) + QStringLiteral(" não é válida"));
        horasOk = false;
      }
    }
    if (!horasOk) return;
    if (C.HoraFim != -1 && C.HoraIni == -1)
      Aviso(Secao, u"hora-ignorada"_s,
            QStringLiteral("A hora final ") + C.GetStrHoraFim() + QStringLiteral(" é ignorada: falta a hora inicial"));
    if (C.HoraIniPeriodo != -1 && (ti < 1 || ti > 3))
      Aviso(Secao, u"hora-ignorada"_s,
            QStringLiteral("A hora inicial do período ") + C.GetStrHoraIniPeriodo() +
                QStringLiteral(" é ignorada: só vale com data inicial de dia"));
    else if (C.HoraFimPeriodo != -1 && C.HoraIniPeriodo == -1)
      Aviso(Secao, u"hora-ignorada"_s,
            QStringLiteral("A hora final do período ") + C.GetStrHoraFimPeriodo() +
                QStringLiteral(" é ignorada: falta a hora inicial do período"));
  }

  // False when the date has set parts that form no existing date.
  // Inicial: the condition's initial date, else its final one.
  bool VerificaData(const TMUCondicao& C, bool Inicial, const TSecao& Secao) {
    const int tipo = Inicial ? C.GetCondicaoDataInicial() : C.GetCondicaoDataFinal();
    const int dia = Inicial ? C.DiaIni : C.DiaFim, mes = Inicial ? C.MesIni : C.MesFim,
              ano = Inicial ? C.AnoIni : C.AnoFim;
    const QString qual = Inicial ? u"inicial"_s : u"final"_s;
    if (tipo == 0) {
      if (dia == -1 && mes == -1 && ano == -1) return true;
      Erro(Secao, u"data-invalida"_s,
           QStringLiteral("A data ") + qual + QStringLiteral(" (") + PartesData(dia, mes, ano) +
               QStringLiteral(") não forma uma data válida"));
      return false;
    }
    if (DataExiste(tipo, dia, mes, ano)) return true;
    const QString texto = Inicial ? C.GetStrDataIni() : C.GetStrDataFim();
    Erro(Secao, u"data-invalida"_s, QStringLiteral("A data ") + qual + u' ' + texto + QStringLiteral(" não existe"));
    return false;
  }

  void VerificaMenuLista(const TMenuUra& M) {
    // Only a chat URA that is not TDD shows a list menu.
    if (!FChat || FTDD || M.GetTipoMenuOpcoesWA().isEmpty()) return;
    const auto& itens = M.MenuOpcoesWA->ListaItensMenuOpcao->Items();
    for (int i = 0; i < int(itens.size()); ++i) {
      const QString& resposta = itens[size_t(i)]->Resposta;
      if (resposta.isEmpty()) continue;
      TMUOpcao* escolhida = nullptr;
      const int r = M.ListaOpcoes->TrataOpcao(resposta, true, &escolhida);
      if (r != OPCAO_CONFERE && r != OPCAO_FINALIZADA)
        Aviso(QStringLiteral("Menu de lista, item ") + QString::number(i + 1), u"item-sem-opcao"_s,
              QStringLiteral("A resposta ") + Aspas(resposta) +
                  QStringLiteral(" do item não é aceita por nenhuma opção do menu"));
    }
  }

  void VerificaOpcoes(const TMenuUra& M) {
    const TMUListaOpcao& lista = *M.ListaOpcoes;
    const int n = lista.Count();
    std::vector<TSecao> secoes;
    secoes.reserve(size_t(n));
    std::vector<bool> validas(static_cast<size_t>(n), false);
    std::vector<QString> chaves(static_cast<size_t>(n));
    QHash<QString, int> primeira;
    for (int i = 0; i < n; ++i) {
      const TMUOpcao& o = *lista.GetItem(i);
      const TSecao& secao = secoes.emplace_back(TSecao::Opcao(o, i));
      chaves[size_t(i)] = o.GetStrOpcaoCfg();
      QString problema;
      QString codigo = u"opcao-invalida"_s;
      if (!FChat) {
        if (o.Tipo != 0) {
          problema = QStringLiteral("Tipo de opção inválida");
          codigo = u"opcao-tipo-invalido"_s;
        } else if (!o.OpcaoValida()) {
          problema = QStringLiteral("O padrão ") + Aspas(o.GetValor()) + QStringLiteral(" não é uma opção válida");
        }
      } else {
        problema = VerificaOpcaoChat(o);
        if (o.Tipo < 1 || o.Tipo > 4) codigo = u"opcao-tipo-invalido"_s;
      }
      if (!problema.isEmpty()) Erro(secao, codigo, problema);
      validas[size_t(i)] = problema.isEmpty();

      const auto it = primeira.constFind(chaves[size_t(i)]);
      if (it != primeira.cend())
        Erro(secao, u"opcao-duplicada"_s,
             QStringLiteral("Opção já cadastrada: a opção ") + QString::number(*it + 1) + QStringLiteral(" (") +
                 lista.GetItem(*it)->GetDescricaoValor() + QStringLiteral(") tem a mesma configuração"));
      else
        primeira.insert(chaves[size_t(i)], i);

      VerificaMensagem(o.Mensagem.get(), secao);
      VerificaAcoes(*o.ListaAcao, secao, &o, true);
    }
    VerificaOpcoesEncobertas(lista, secoes, validas, chaves);
  }

  // An option that a later option of the same menu always matches too is never
  // chosen: matching a list lets the last matching option win.
  void VerificaOpcoesEncobertas(const TMUListaOpcao& Lista, const std::vector<TSecao>& Secoes,
                                const std::vector<bool>& Validas, const std::vector<QString>& Chaves) {
    const int n = Lista.Count();
    std::vector<std::vector<TPosicao>> posicoes(static_cast<size_t>(n));
    std::vector<bool> fixas(static_cast<size_t>(n), false);
    if (!FChat)
      for (int i = 0; i < n; ++i)
        fixas[size_t(i)] = Validas[size_t(i)] && PosicoesFixas(*Lista.GetItem(i), posicoes[size_t(i)]);
    for (int i = 0; i < n; ++i) {
      if (!Validas[size_t(i)] || (!FChat && !fixas[size_t(i)])) continue;
      const TMUOpcao& a = *Lista.GetItem(i);
      for (int j = n - 1; j > i; --j) {
        if (!Validas[size_t(j)] || Chaves[size_t(j)] == Chaves[size_t(i)]) continue;
        const TMUOpcao& b = *Lista.GetItem(j);
        const bool cobre =
            FChat ? ChatCobre(a, b) : fixas[size_t(j)] && Cobre(posicoes[size_t(i)], posicoes[size_t(j)]);
        if (!cobre) continue;
        Aviso(Secoes[size_t(i)], u"opcao-encoberta"_s,
              QStringLiteral("A opção nunca é escolhida: a opção ") + QString::number(j + 1) + QStringLiteral(" (") +
                  b.GetDescricaoValor() + QStringLiteral("), cadastrada depois, aceita tudo o que ela aceita"));
        break;
      }
    }
  }

  static bool Cobre(const std::vector<TPosicao>& A, const std::vector<TPosicao>& B) {
    if (A.size() != B.size()) return false;
    for (size_t k = 0; k < A.size(); ++k)
      if (!A[k].ContidaEm(B[k])) return false;
    return true;
  }

  const TDAC& FDac;
  const bool FChat, FTDD;
  TTipoUra FUra = TTipoUra::Voz;
  bool FTemCatalogo = false, FTemServidor = false;
  // Where each audio file is known: one look-up answers for both lists.
  static constexpr quint8 kNoCatalogo = 1, kNoServidor = 2;
  QHash<QString, quint8> FArquivos;
  QHash<QString, int> FIndice;  // menu name -> index of the first menu of that name
  const TMenuUra* FMenu = nullptr;
  int FIndiceMenu = -1;
  std::vector<TAchado> FAchados;
  int FInicial = -1;  // the initial menu's index
  // The jumps that run, menu by menu: menu m's are FAlvos[FPrimeiroAlvo[m]]
  // up to FAlvos[FPrimeiroAlvo[m + 1]].
  std::vector<int> FAlvos, FPrimeiroAlvo;
};

}  // namespace

QString TAchado::GetStrGravidade() const {
  return Gravidade == TGravidade::Erro ? QStringLiteral("erro") : QStringLiteral("aviso");
}

QString TAchado::GetStrLinha() const {
  QString linha = GetStrGravidade() + QStringLiteral(": ");
  if (!Menu.isEmpty())
    linha += Menu + QStringLiteral(": ");
  else if (IndiceMenu >= 0)  // a menu without a name: its position
    linha += QStringLiteral("Menu ") + QString::number(IndiceMenu + 1) + QStringLiteral(": ");
  if (!Secao.isEmpty()) linha += Secao + QStringLiteral(": ");
  return linha + Texto + QStringLiteral(" [") + Codigo + u']';
}

std::vector<TAchado> VerificaURA(const TDAC& Dac, const TMUListaDescricaoMensagem* Catalogo,
                                 const QStringList* ArquivosServidor) {
  return TVerificador(Dac, Catalogo, ArquivosServidor).Executa();
}

const QStringList& CodigosVerificacao() {
  static const QStringList codigos = {QStringLiteral("menu-inicial-vazio"),  QStringLiteral("menu-inicial-inexistente"),
                                      QStringLiteral("menu-sem-nome"),       QStringLiteral("menu-duplicado"),
                                      QStringLiteral("vaipara-inexistente"), QStringLiteral("opcao-invalida"),
                                      QStringLiteral("opcao-tipo-invalido"), QStringLiteral("opcao-duplicada"),
                                      QStringLiteral("variavel-invalida"),   QStringLiteral("mensagem-invalida"),
                                      QStringLiteral("comando-invalido"),    QStringLiteral("acao-nao-oferecida"),
                                      QStringLiteral("acao-sem-valor"),      QStringLiteral("acao-valor-invalido"),
                                      QStringLiteral("comparacao-invalida"), QStringLiteral("data-invalida"),
                                      QStringLiteral("data-final-anterior"), QStringLiteral("hora-invalida"),
                                      QStringLiteral("tdd-caracteres"),      QStringLiteral("menu-inalcancavel"),
                                      QStringLiteral("menu-vazio"),          QStringLiteral("acao-nunca-executada"),
                                      QStringLiteral("acao-sem-tipo"),       QStringLiteral("opcao-encoberta"),
                                      QStringLiteral("item-sem-opcao"),      QStringLiteral("secao-sem-opcoes"),
                                      QStringLiteral("audio-fora-catalogo"), QStringLiteral("audio-ausente-servidor"),
                                      QStringLiteral("tentativas-zero"),     QStringLiteral("tempo-zero"),
                                      QStringLiteral("data-final-ignorada"), QStringLiteral("hora-ignorada")};
  // Loops found with the simulator's rules are errors too (errors come first).
  static const QStringList todos =
      QStringList{QStringLiteral("laco-sem-entrada")} + codigos + QStringList{QStringLiteral("menu-nome-invalido")};
  return todos;
}

int ContaErros(const std::vector<TAchado>& Achados) {
  int n = 0;
  for (const TAchado& a : Achados) n += a.Gravidade == TGravidade::Erro;
  return n;
}

int ContaAvisos(const std::vector<TAchado>& Achados) { return static_cast<int>(Achados.size()) - ContaErros(Achados); }

QStringList ArquivosPresentes(const TMUListaDescricaoMensagem& Catalogo) {
  QStringList nomes;
  for (const auto& m : Catalogo.Items())
    if (m->ArquivoExiste) nomes.append(m->Arquivo);
  return nomes;
}
