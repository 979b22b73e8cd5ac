#include "verificacao.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <algorithm>
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

bool AcaoOferecida(const QString& Tipo, TTipoUra Ura, bool Chat) {
  static const QSet<QString> sempre = {QStringLiteral("INICIO"), QStringLiteral("OPCOES"),  QStringLiteral("INVALIDA"),
                                       QStringLiteral("FINAL"),  QStringLiteral("VAIPARA"), QStringLiteral("DESLIGA"),
                                       QStringLiteral("SETVAR"), QStringLiteral("MENSAGEM")};
  static const QSet<QString> servidor = {QStringLiteral("DISCAF"), QStringLiteral("DISCAU"),
                                         QStringLiteral("DESLIGAFH"), QStringLiteral("COMANDO")};
  static const QSet<QString> servidorVoz = {QStringLiteral("DISCAG"),      QStringLiteral("DISCAR"),
                                            QStringLiteral("DISCAC"),      QStringLiteral("DISCAS"),
                                            QStringLiteral("FALADIGITOS"), QStringLiteral("FALANUMERO")};
  if (sempre.contains(Tipo)) return true;
  if (Tipo == u"DISCA") return !Chat;
  if (Tipo == u"MIDIA") return Chat;
  if (Ura == TTipoUra::Local) return false;
  return servidor.contains(Tipo) || (!Chat && servidorVoz.contains(Tipo));
}

// The message the action editor shows when a required value is missing.
QString FaltaValor(const TMUAcao& A, bool Chat) {
  static const QHash<QString, QString> mensagens = {
      {QStringLiteral("DISCA"), QStringLiteral("Informe o número para onde será encaminhada a chamada")},
      {QStringLiteral("DISCAF"), QStringLiteral("Informe a fila para onde será encaminhada a chamada")},
      {QStringLiteral("DISCAG"), QStringLiteral("Informe o grupo para onde será encaminhada a chamada")},
      {QStringLiteral("DISCAR"), QStringLiteral("Informe o ramal para onde será encaminhada a chamada")},
      {QStringLiteral("DISCAU"), QStringLiteral("Informe o nome da URA para onde será encaminhada a chamada")},
      {QStringLiteral("DISCAC"), QStringLiteral("Informe o nome do contexto para onde será encaminhada a chamada")},
      {QStringLiteral("DISCAS"), QStringLiteral("Informe o nome do contexto a ser executado")},
      {QStringLiteral("FALADIGITOS"), QStringLiteral("Informe os dígitos a serem falados")},
      {QStringLiteral("FALANUMERO"), QStringLiteral("Informe o número a ser falado")},
      {QStringLiteral("MIDIA"), QStringLiteral("Informe o arquivo de mídia a ser enviado")},
  };
  if (A.Tipo == u"VAIPARA")
    return A.ValorMenu.isEmpty() ? QStringLiteral("Informe o menu para onde será encaminhada a chamada") : QString();
  if (A.Tipo == u"COMANDO")
    return A.ValorComando.trimmed().isEmpty() ? QStringLiteral("Informe o nome do comando a ser executado") : QString();
  if (A.Tipo == u"MENSAGEM" && Chat)
    return A.ValorNumero.trimmed().isEmpty() ? QStringLiteral("Informe a mensagem a ser enviada") : QString();
  const auto it = mensagens.constFind(A.Tipo);
  return (it != mensagens.cend() && A.ValorNumero.trimmed().isEmpty()) ? *it : QString();
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

class TVerificador {
 public:
  TVerificador(const TDAC& Dac, const TMUListaDescricaoMensagem* Catalogo, const QStringList* Servidor)
      : FDac(Dac), FChat(Dac.UraChat()), FTDD(Dac.TipoUra == u"chattdd") {
    FUra = Dac.RORIRO ? TTipoUra::Local : (FChat ? TTipoUra::Chat : TTipoUra::Voz);
    if (Catalogo) {
      FTemCatalogo = true;
      for (const auto& m : Catalogo->Items()) FCatalogo.insert(m->Arquivo);
    }
    if (Servidor) {
      FTemServidor = true;
      FServidor = QSet<QString>(Servidor->cbegin(), Servidor->cend());
    }
    // Go-to actions and the initial menu find the first menu of a name.
    const auto& menus = Dac.ListaMenus->Items();
    for (int i = int(menus.size()) - 1; i >= 0; --i) FIndice[menus[size_t(i)]->Nome] = i;
  }

  std::vector<TAchado> Executa() {
    VerificaDocumento();
    FLacos = LacosSemEntrada(FDac);
    const auto& menus = FDac.ListaMenus->Items();
    const std::vector<bool> alcancados = Alcancados();
    for (int i = 0; i < int(menus.size()); ++i) {
      FIndiceMenu = i;
      FMenu = menus[size_t(i)].get();
      VerificaMenu(alcancados.empty() || alcancados[size_t(i)]);
    }
    return std::move(FAchados);
  }

 private:
  void Adiciona(TGravidade G, const QString& Secao, const char* Codigo, const QString& Texto) {
    TAchado a;
    a.Gravidade = G;
    a.IndiceMenu = FMenu ? FIndiceMenu : -1;
    a.Menu = FMenu ? FMenu->Nome : QString();
    a.Secao = Secao;
    a.Codigo = QString::fromLatin1(Codigo);
    a.Texto = Texto;
    FAchados.push_back(std::move(a));
  }
  void Erro(const QString& Secao, const char* Codigo, const QString& Texto) {
    Adiciona(TGravidade::Erro, Secao, Codigo, Texto);
  }
  void Aviso(const QString& Secao, const char* Codigo, const QString& Texto) {
    Adiciona(TGravidade::Aviso, Secao, Codigo, Texto);
  }

  int IndiceMenu(const QString& Nome) const {
    if (Nome.isEmpty()) return -1;
    return FIndice.value(Nome, -1);
  }

  void VerificaDocumento() {
    if (FDac.MenuInicial.isEmpty())
      Erro(QString(), "menu-inicial-vazio", QStringLiteral("O menu inicial não foi definido"));
    else if (!FDac.ProcuraMenu(FDac.MenuInicial))
      Erro(QString(), "menu-inicial-inexistente",
           QStringLiteral("O menu inicial ") + Aspas(FDac.MenuInicial) + QStringLiteral(" não existe"));
  }

  // The menus some path of go-to actions reaches from the initial menu; empty
  // when there is no initial menu to start from.
  std::vector<bool> Alcancados() const {
    const auto& menus = FDac.ListaMenus->Items();
    const int inicial = FIndice.value(FDac.MenuInicial, -1);
    if (FDac.MenuInicial.isEmpty() || inicial < 0) return {};
    std::vector<bool> visto(menus.size(), false);
    std::vector<int> pilha{inicial};
    visto[size_t(inicial)] = true;
    while (!pilha.empty()) {
      const TMenuUra& m = *menus[size_t(pilha.back())];
      pilha.pop_back();
      ParaCadaListaDeAcoes(m, [&](const TMUListaAcao& lista, bool executa) {
        if (!executa) return;
        const int n = AcoesExecutadas(lista);
        for (int i = 0; i < n; ++i) {
          const TMUAcao& a = *lista.GetItem(i);
          if (a.Tipo != u"VAIPARA") continue;
          const int alvo = IndiceMenu(a.ValorMenu);
          if (alvo >= 0 && !visto[size_t(alvo)]) {
            visto[size_t(alvo)] = true;
            pilha.push_back(alvo);
          }
        }
      });
    }
    return visto;
  }

  static QString SecaoCondicao(int i) { return QStringLiteral("Início, condição ") + QString::number(i + 1); }
  static QString SecaoOpcao(const TMUOpcao& O, int i) {
    const QString v = O.GetDescricaoValor();
    return QStringLiteral("Opção ") + (v.isEmpty() ? QString::number(i + 1) : v);
  }

  // Calls F(list, runs) for every action list of the menu; the invalid-option
  // and timeout sections run only in menus with options.
  template <class F>
  static void ParaCadaListaDeAcoes(const TMenuUra& M, F&& Faz) {
    for (const auto& c : M.ListaCondicoes->Items()) Faz(*c->ListaAcao, true);
    for (const auto& o : M.ListaOpcoes->Items()) Faz(*o->ListaAcao, true);
    const bool temOpcoes = M.ListaOpcoes->Count() > 0;
    Faz(*M.OpcaoInvalida->ListaAcao, temOpcoes);
    Faz(*M.OpcaoTimeout->ListaAcao, temOpcoes);
    Faz(*M.Final->ListaAcao, true);
  }

  void VerificaMenu(bool Alcancado) {
    const TMenuUra& m = *FMenu;
    if (m.Nome.isEmpty())
      Erro(QString(), "menu-sem-nome", QStringLiteral("O menu não tem nome; nenhuma ação pode levar a ele"));
    else if (IndiceMenu(m.Nome) != FIndiceMenu)
      Erro(QString(), "menu-duplicado",
           QStringLiteral("Outro menu, antes deste, tem o mesmo nome; o menu inicial e as ações "
                          "\"Vai para menu\" levam sempre ao primeiro"));
    VerificaNomeMenu(m.Nome);
    if (!Alcancado)
      Aviso(QString(), "menu-inalcancavel",
            QStringLiteral("Nenhum caminho de ações \"Vai para menu\" leva do menu inicial a este "
                           "menu"));
    for (const TLacoSemEntrada& l : FLacos)
      if (l.IndiceMenu == FIndiceMenu)
        Erro(QString(), "laco-sem-entrada",
             QStringLiteral("A chamada fica presa num laço sem esperar resposta: ") + l.Caminho);
    const bool inicial = !FDac.MenuInicial.isEmpty() && IndiceMenu(FDac.MenuInicial) == FIndiceMenu;
    if (MenuVazio(m) && inicial)
      Erro(QString(), "menu-inicial-vazio",
           QStringLiteral("O menu inicial está vazio: a chamada termina sem que nada aconteça"));
    else if (MenuVazio(m))
      Aviso(QString(), "menu-vazio",
            QStringLiteral("O menu não tem condição, opção nem mensagem, e o Final está vazio"));

    for (int i = 0; i < m.ListaCondicoes->Count(); ++i) {
      const TMUCondicao& c = *m.ListaCondicoes->GetItem(i);
      const QString secao = SecaoCondicao(i);
      VerificaCondicao(c, secao);
      VerificaMensagem(c.Mensagem.get(), secao);
      VerificaAcoes(*c.ListaAcao, secao, nullptr);
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
      Aviso(timeout, "tempo-zero",
            QStringLiteral("O tempo de espera é de ") + QString::number(m.OpcaoTimeout->Tempo) +
                QStringLiteral(" segundos: a resposta nunca chega a tempo"));
    VerificaMensagem(m.Final->Mensagem.get(), QStringLiteral("Final"));
    VerificaAcoes(*m.Final->ListaAcao, QStringLiteral("Final"), nullptr);
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
    if (!problema.isEmpty()) Aviso(QString(), "menu-nome-invalido", problema);
  }

  static bool MenuVazio(const TMenuUra& M) {
    return M.ListaCondicoes->Count() == 0 && M.ListaOpcoes->Count() == 0 && MensagemVazia(M.MensagemMenu.get()) &&
           M.MenuOpcoesWA->ListaItensMenuOpcao->Count() == 0 && MensagemVazia(M.Final->Mensagem.get()) &&
           M.Final->ListaAcao->Count() == 0;
  }

  void AvisoTentativas(const QString& Secao, int Tentativas) {
    Aviso(Secao, "tentativas-zero", QStringLiteral("O número de tentativas é ") + QString::number(Tentativas));
  }

  void VerificaFallback(const TMUMensagem* Mensagem, const TMUListaAcao& Acoes, const QString& Secao, bool TemOpcoes) {
    if (!TemOpcoes && (Acoes.Count() > 0 || !MensagemVazia(Mensagem)))
      Aviso(Secao, "secao-sem-opcoes", QStringLiteral("O menu não tem opções: esta seção nunca é executada"));
    VerificaMensagem(Mensagem, Secao);
    VerificaAcoes(Acoes, Secao, nullptr);
  }

  // Audio entries against the catalogue and the server, chat texts against the
  // TDD character set.
  void VerificaMensagem(const TMUMensagem* M, const QString& Secao) {
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

  void ErroTDD(const QString& Secao, const QString& Prefixo) {
    Erro(Secao, "tdd-caracteres", Prefixo + QStringLiteral("Existem caracteres não permitidos para mensagem TDD"));
  }

  void VerificaArquivos(const QStringList& Arquivos, const QString& Secao) {
    for (qsizetype i = 0; i < Arquivos.size(); ++i) {
      const QString& a = Arquivos[i];
      // A message holds a few files: looking back is cheaper than a set.
      if (a.isEmpty() || (a.startsWith(u'{') && a.endsWith(u'}')) || Arquivos.indexOf(a) < i) continue;
      if (FTemCatalogo && !FCatalogo.contains(a))
        Aviso(Secao, "audio-fora-catalogo",
              QStringLiteral("O arquivo de áudio ") + Aspas(a) + QStringLiteral(" não está no catálogo de mensagens"));
      if (FTemServidor && !FServidor.contains(a))
        Aviso(Secao, "audio-ausente-servidor",
              QStringLiteral("O arquivo de áudio ") + Aspas(a) + QStringLiteral(" não existe no servidor"));
    }
  }

  // Findings about one action begin with its position in the section.
  static QString Prefixo(int Indice) {
    return QStringLiteral("Ação ") + QString::number(Indice + 1) + QStringLiteral(": ");
  }

  void VerificaAcoes(const TMUListaAcao& Lista, const QString& Secao, const TMUOpcao* Opcao) {
    const int executadas = AcoesExecutadas(Lista);
    for (int i = 0; i < Lista.Count(); ++i) {
      const TMUAcao& a = *Lista.GetItem(i);
      VerificaAcao(a, Secao, i, Opcao);
    }
    if (executadas < Lista.Count()) {
      const TMUAcao& ultima = *Lista.GetItem(executadas - 1);
      QString desc = ultima.GetStrAcao();
      if (desc.isEmpty()) desc = ultima.Tipo.isEmpty() ? QStringLiteral("sem tipo") : ultima.Tipo;
      Aviso(Secao, "acao-nunca-executada",
            QStringLiteral("As ações depois da ação ") + QString::number(executadas) + QStringLiteral(" (") + desc +
                QStringLiteral(") nunca são executadas"));
    }
  }

  void VerificaAcao(const TMUAcao& A, const QString& Secao, int Indice, const TMUOpcao* Opcao) {
    if (A.Tipo.isEmpty()) {
      Aviso(Secao, "acao-sem-tipo", Prefixo(Indice) + QStringLiteral("A ação não tem tipo e não faz nada"));
      return;
    }
    if (A.Tipo == u"DISCAOP") {
      if (!Opcao || !Opcao->GetValor().contains(u'X'))
        Erro(Secao, "acao-nao-oferecida",
             Prefixo(Indice) + QStringLiteral("\"Transfere para opção informada\" só existe em opções com X"));
      return;
    }
    if (!AcaoOferecida(A.Tipo, FUra, FChat)) {
      const QString ura = FUra == TTipoUra::Local ? QStringLiteral("no serviço local")
                          : FTDD                  ? QStringLiteral("em URA de chat (TDD)")
                          : FChat                 ? QStringLiteral("em URA de chat")
                                                  : QStringLiteral("em URA de voz");
      Erro(Secao, "acao-nao-oferecida",
           Prefixo(Indice) + QStringLiteral("A ação ") + Aspas(A.Tipo) + QStringLiteral(" não existe ") + ura);
      return;
    }
    const QString falta = FaltaValor(A, FChat);
    if (!falta.isEmpty()) {
      Erro(Secao, "acao-sem-valor", Prefixo(Indice) + falta);
      return;
    }
    if (A.Tipo == u"VAIPARA") {
      if (IndiceMenu(A.ValorMenu) < 0)
        Erro(Secao, "vaipara-inexistente",
             Prefixo(Indice) + QStringLiteral("O menu ") + Aspas(A.ValorMenu) + QStringLiteral(" não existe"));
    } else if (A.Tipo == u"COMANDO") {
      const QString comando = A.ComandoValido();
      if (!comando.isEmpty()) Erro(Secao, "comando-invalido", Prefixo(Indice) + comando);
      const QString variavel = A.VariavelValida();
      if (!variavel.isEmpty()) Erro(Secao, "variavel-invalida", Prefixo(Indice) + variavel);
    } else if (A.Tipo == u"SETVAR") {
      const QString variavel = A.VariavelValida();
      if (!variavel.isEmpty()) Erro(Secao, "variavel-invalida", Prefixo(Indice) + variavel);
    } else if (A.Tipo == u"MENSAGEM") {
      if (FChat) {
        if (FTDD && !TextoTDDValido(A.ValorNumero)) ErroTDD(Secao, Prefixo(Indice));
      } else {
        const QString msg = A.MensagemValida();
        if (!msg.isEmpty()) Erro(Secao, "mensagem-invalida", Prefixo(Indice) + msg);
        TMUMensagem arquivos;
        arquivos.SetListaArquivosSeparador(QStringLiteral(","), A.ValorNumero);
        VerificaArquivos(arquivos.Arquivos(), Secao);
      }
    } else if (A.Tipo == u"DESLIGA") {
      if (!A.ValorNumero.isEmpty() && StrToIntDef(A.ValorNumero, -1) == -1)
        Erro(Secao, "acao-valor-invalido",
             Prefixo(Indice) + QStringLiteral("O código para encerrar a chamada deve ser um valor numérico"));
    }
  }

  void VerificaCondicao(const TMUCondicao& C, const QString& Secao) {
    for (const auto& cv : C.ListaCondicaoVar->Items()) {
      if (cv->Variavel.isEmpty())
        Erro(Secao, "comparacao-invalida", QStringLiteral("Comparação sem nome de variável"));
      else if (cv->GetStrTipo().isEmpty())
        Erro(Secao, "comparacao-invalida",
             QStringLiteral("A comparação da variável ") + Aspas(cv->Variavel) +
                 QStringLiteral(" tem o operador desconhecido ") + Aspas(cv->Tipo));
    }
    // With comparisons the server looks at nothing else of the condition.
    if (C.ListaCondicaoVar->Count() > 0 && C.ListaCondicaoVar->Tipo > 0) return;

    const int ti = C.GetCondicaoDataInicial(), tf = C.GetCondicaoDataFinal();
    const bool iniOk =
        VerificaData(ti, C.DiaIni, C.MesIni, C.AnoIni, C.GetStrDataIni(), QStringLiteral("inicial"), Secao);
    const bool fimOk =
        VerificaData(tf, C.DiaFim, C.MesFim, C.AnoFim, C.GetStrDataFim(), QStringLiteral("final"), Secao);
    if (tf != 0 && fimOk && (ti != tf))
      Aviso(Secao, "data-final-ignorada",
            QStringLiteral("A data final ") + C.GetStrDataFim() +
                QStringLiteral(" é ignorada: a data inicial não é do mesmo tipo"));
    else if (tf != 0 && iniOk && fimOk && ti != 4 && C.GetValorDataFinal() < C.GetValorDataInicial())
      Erro(Secao, "data-final-anterior",
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
        Erro(Secao, "hora-invalida",
             QStringLiteral("A ") + QString::fromUtf8(h.Nome) + QStringLiteral(" não é válida"));
        horasOk = false;
      }
    }
    if (!horasOk) return;
    if (C.HoraFim != -1 && C.HoraIni == -1)
      Aviso(Secao, "hora-ignorada",
            QStringLiteral("A hora final ") + C.GetStrHoraFim() + QStringLiteral(" é ignorada: falta a hora inicial"));
    if (C.HoraIniPeriodo != -1 && (ti < 1 || ti > 3))
      Aviso(Secao, "hora-ignorada",
            QStringLiteral("A hora inicial do período ") + C.GetStrHoraIniPeriodo() +
                QStringLiteral(" é ignorada: só vale com data inicial de dia"));
    else if (C.HoraFimPeriodo != -1 && C.HoraIniPeriodo == -1)
      Aviso(Secao, "hora-ignorada",
            QStringLiteral("A hora final do período ") + C.GetStrHoraFimPeriodo() +
                QStringLiteral(" é ignorada: falta a hora inicial do período"));
  }

  // False when the date has set parts that form no existing date.
  bool VerificaData(int Tipo, int Dia, int Mes, int Ano, const QString& Texto, const QString& Qual,
                    const QString& Secao) {
    if (Tipo == 0) {
      if (Dia == -1 && Mes == -1 && Ano == -1) return true;
      Erro(Secao, "data-invalida",
           QStringLiteral("A data ") + Qual + QStringLiteral(" (") + PartesData(Dia, Mes, Ano) +
               QStringLiteral(") não forma uma data válida"));
      return false;
    }
    if (DataExiste(Tipo, Dia, Mes, Ano)) return true;
    Erro(Secao, "data-invalida", QStringLiteral("A data ") + Qual + u' ' + Texto + QStringLiteral(" não existe"));
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
        Aviso(QStringLiteral("Menu de lista, item ") + QString::number(i + 1), "item-sem-opcao",
              QStringLiteral("A resposta ") + Aspas(resposta) +
                  QStringLiteral(" do item não é aceita por nenhuma opção do menu"));
    }
  }

  void VerificaOpcoes(const TMenuUra& M) {
    const TMUListaOpcao& lista = *M.ListaOpcoes;
    const int n = lista.Count();
    std::vector<QString> secoes(static_cast<size_t>(n));
    std::vector<bool> validas(static_cast<size_t>(n), false);
    std::vector<QString> chaves(static_cast<size_t>(n));
    QHash<QString, int> primeira;
    for (int i = 0; i < n; ++i) {
      const TMUOpcao& o = *lista.GetItem(i);
      const QString secao = SecaoOpcao(o, i);
      secoes[size_t(i)] = secao;
      chaves[size_t(i)] = o.GetStrOpcaoCfg();
      QString problema;
      const char* codigo = "opcao-invalida";
      if (!FChat) {
        if (o.Tipo != 0) {
          problema = QStringLiteral("Tipo de opção inválida");
          codigo = "opcao-tipo-invalido";
        } else if (!o.OpcaoValida()) {
          problema = QStringLiteral("O padrão ") + Aspas(o.GetValor()) + QStringLiteral(" não é uma opção válida");
        }
      } else {
        problema = VerificaOpcaoChat(o);
        if (o.Tipo < 1 || o.Tipo > 4) codigo = "opcao-tipo-invalido";
      }
      if (!problema.isEmpty()) Erro(secao, codigo, problema);
      validas[size_t(i)] = problema.isEmpty();

      const auto it = primeira.constFind(chaves[size_t(i)]);
      if (it != primeira.cend())
        Erro(secao, "opcao-duplicada",
             QStringLiteral("Opção já cadastrada: a opção ") + QString::number(*it + 1) + QStringLiteral(" (") +
                 lista.GetItem(*it)->GetDescricaoValor() + QStringLiteral(") tem a mesma configuração"));
      else
        primeira.insert(chaves[size_t(i)], i);

      VerificaMensagem(o.Mensagem.get(), secao);
      VerificaAcoes(*o.ListaAcao, secao, &o);
    }
    VerificaOpcoesEncobertas(lista, secoes, validas, chaves);
  }

  // An option that a later option of the same menu always matches too is never
  // chosen: matching a list lets the last matching option win.
  void VerificaOpcoesEncobertas(const TMUListaOpcao& Lista, const std::vector<QString>& Secoes,
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
        Aviso(Secoes[size_t(i)], "opcao-encoberta",
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
  QSet<QString> FCatalogo, FServidor;
  QHash<QString, int> FIndice;  // menu name -> index of the first menu of that name
  const TMenuUra* FMenu = nullptr;
  int FIndiceMenu = -1;
  std::vector<TAchado> FAchados;
  std::vector<TLacoSemEntrada> FLacos;
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
