#include "simulacao.h"

#include <QJsonArray>
#include <QSet>
#include <algorithm>
#include <functional>
#include <optional>
#include <span>

#include "cenario.h"
#include "condicao.h"
#include "dac.h"
#include "mensagem.h"
#include "menuura.h"
#include "opcao.h"
#include "secoes.h"

namespace {

const QString kSeta = QStringLiteral(" → ");

// ---- Rules ----------------------------------------------------------------------
// The run-time meaning the model leaves open, in one place (docs/simulacao.md
// lists them). The run below and the loop search (LacosSemEntrada) both use
// these.

// The section a "VAIPARA" enters: "" or "0" Início, "1" Opções, "2" Opção
// inválida, "3" Timeout, "4" Final; any other value Início.
TSecaoMenu SecaoDeEntrada(const QString& Variavel) {
  if (Variavel == u"1") return TSecaoMenu::Opcoes;
  if (Variavel == u"2") return TSecaoMenu::Invalida;
  if (Variavel == u"3") return TSecaoMenu::Timeout;
  if (Variavel == u"4") return TSecaoMenu::Final;
  return TSecaoMenu::Inicio;
}

// Where the call goes from an action that ends a section's actions.
struct TDestino {
  enum TTipo { Segue, Ponto, Fim } Tipo = Segue;
  int Menu = -1;
  TSecaoMenu Secao = TSecaoMenu::Inicio;
  bool EntraMenu = false;  // a VAIPARA: the menu is entered anew, its counts start again
};

TDestino Ponto(int Menu, TSecaoMenu Secao, bool EntraMenu = false) {
  return TDestino{TDestino::Ponto, Menu, Secao, EntraMenu};
}

// INICIO/OPCOES/INVALIDA/FINAL jump inside the menu; VAIPARA enters the named
// menu at the named section (a name that is no menu ends the call); any other
// code that leaves (transfers, hang-ups, empty and unknown codes) ends it.
template <class Indice>
TDestino DestinoDaAcao(const TMUAcao& A, int Menu, const Indice& IndiceMenu) {
  switch (A.GetCodigo()) {
    case TCodigoAcao::Inicio: return Ponto(Menu, TSecaoMenu::Inicio);
    case TCodigoAcao::Opcoes: return Ponto(Menu, TSecaoMenu::Opcoes);
    case TCodigoAcao::Invalida: return Ponto(Menu, TSecaoMenu::Invalida);
    case TCodigoAcao::Final: return Ponto(Menu, TSecaoMenu::Final);
    case TCodigoAcao::VaiPara:
      if (const int alvo = IndiceMenu(A.ValorMenu); alvo >= 0) return Ponto(alvo, SecaoDeEntrada(A.Variavel), true);
      break;
    default: break;
  }
  return TDestino{TDestino::Fim};
}

// Index of the action that ends the list's run (the model's sequence rule);
// -1 when every action lets the section go on.
int AcaoQueSai(const TMUListaAcao& Lista) {
  for (int i = 0; i < Lista.Count(); ++i)
    if (!TMUAcao::ContinuaSequencia(Lista.GetItem(i)->Tipo)) return i;
  return -1;
}

// The invalid-option and timeout sections exist only in menus with options;
// a jump to them in a menu without options goes on to the Final.
bool TemOpcoes(const TMenuUra& M) { return M.ListaOpcoes->Count() > 0; }

// Where a section goes when its actions let it go on: Início to Opções, a
// chosen option to the Final; the Final and exhausted fallbacks end the call.
std::optional<TSecaoMenu> SecaoSeguinte(TSecaoMenu Secao) {
  if (Secao == TSecaoMenu::Inicio) return TSecaoMenu::Opcoes;
  if (Secao == TSecaoMenu::Opcoes) return TSecaoMenu::Final;
  return std::nullopt;
}

// Tentativas N: the n-th invalid answer (or timeout) plays the section's
// message; when n reaches N the attempts are exhausted and the section's
// actions run, otherwise the options are offered again. N <= 0 counts as 1.
bool Esgotadas(int N, int Tentativas) { return N >= Tentativas; }
// The count as far as it changes what happens (for telling loops apart).
int ContagemEfetiva(int N, int Tentativas) { return std::min(N, std::max(Tentativas, 0)); }

// '${x}' and '{x}' written where a variable name is expected name x.
QString NomeVariavel(const QString& Nome) {
  if (Nome.size() > 3 && Nome.startsWith(u"${") && Nome.endsWith(u'}')) return Nome.mid(2, Nome.size() - 3);
  if (Nome.size() > 2 && Nome.startsWith(u'{') && Nome.endsWith(u'}')) return Nome.mid(1, Nome.size() - 2);
  return Nome;
}

// A description for every action, also where the model has none.
QString DescreveAcao(const TMUAcao& A) {
  const QString d = A.GetStrAcao();
  if (!d.isEmpty()) return d;
  if (A.Tipo.isEmpty()) return QStringLiteral("Ação sem tipo");
  if (A.Tipo == u"FALANUMERO") return QStringLiteral("Fala número: ") + A.ValorNumero;
  return QStringLiteral("Ação ") + A.Tipo;
}

QString NomeMenu(const TDAC& Dac, int Indice) {
  const TMenuUra* m = Dac.ListaMenus->GetItem(Indice);
  if (!m) return QString();
  return m->Nome.isEmpty() ? QStringLiteral("Menu ") + QString::number(Indice + 1) : m->Nome;
}

using TCiclo = std::vector<std::pair<int, TSecaoMenu>>;

// A loop as "A (Final) → B (Final) → A (Final)": where the call leaves each
// menu, from the lowest menu; a loop inside one menu lists its sections.
QString TextoCiclo(const TDAC& Dac, TCiclo Ciclo) {
  const size_t n = Ciclo.size();
  QStringList partes;
  if (std::all_of(Ciclo.begin(), Ciclo.end(), [&](const auto& p) { return p.first == Ciclo.front().first; })) {
    for (const auto& p : Ciclo) partes << NomeSecaoMenu(p.second);
    partes << partes.first();
    return NomeMenu(Dac, Ciclo.front().first) + QStringLiteral(": ") + partes.join(kSeta);
  }
  size_t inicio = n;
  for (size_t i = 0; i < n; ++i) {
    const size_t antes = (i + n - 1) % n;
    if (Ciclo[antes].first != Ciclo[i].first && (inicio == n || Ciclo[i].first < Ciclo[inicio].first)) inicio = i;
  }
  std::rotate(Ciclo.begin(), Ciclo.begin() + qsizetype(inicio), Ciclo.end());
  for (size_t i = 0; i < n; ++i)
    if (i + 1 == n || Ciclo[i + 1].first != Ciclo[i].first)
      partes << NomeMenu(Dac, Ciclo[i].first) + QStringLiteral(" (") + NomeSecaoMenu(Ciclo[i].second) + u')';
  partes << partes.first();
  return partes.join(kSeta);
}

// ---- One call ----------------------------------------------------------------------

class TChamada {
 public:
  TChamada(const TDAC& Dac, const TSimulacao& Sim, const TCenario& C)
      : FDac(Dac), FSim(Sim), FC(C), FChat(Dac.UraChat()), FTDD(Dac.TipoUra == u"chattdd") {}

  TResultadoSimulacao Roda() {
    const QDateTime quando = FC.Quando.isValid() ? FC.Quando : QDateTime::currentDateTime();
    FMomento.Data = quando.date();
    FMomento.Hora = quando.time();
    FMomento.Feriado = FC.Feriado;
    FMomento.Variavel = [this](const QString& Nome) { return FVars.value(NomeVariavel(Nome)); };
    for (auto it = FC.Variaveis.cbegin(); it != FC.Variaveis.cend(); ++it) FVars.insert(NomeVariavel(it.key()), *it);
    FLimite = std::max(FC.LimitePassos, 1);
    FR.Passos.reserve(size_t(std::min(FLimite, 64)));
    try {
      Corre();
    } catch (const TLimite&) {
      Termina(MotivoFim::LimitePassos,
              QStringLiteral("O limite de ") + QString::number(FLimite) + QStringLiteral(" passos foi atingido"));
    }
    FR.Variaveis = FVars;
    return std::move(FR);
  }

 private:
  struct TLimite {};
  // What decides the rest of a call at the start of a section.
  struct TEstado {
    int Menu;
    TSecaoMenu Secao;
    int Invalidas, Timeouts;
    QHash<QString, QString> Vars;
  };

  const TMenuUra& Menu() const { return *FDac.ListaMenus->GetItem(FMenu); }

  void Corre() {
    const int inicial = FSim.IndiceMenu(FDac.MenuInicial);
    if (inicial < 0) {
      Termina(MotivoFim::MenuInexistente,
              FDac.MenuInicial.isEmpty()
                  ? QStringLiteral("O menu inicial não foi definido")
                  : QStringLiteral("O menu inicial \"") + FDac.MenuInicial + QStringLiteral("\" não existe"));
      return;
    }
    TDestino d = Ponto(inicial, TSecaoMenu::Inicio, true);
    while (d.Tipo == TDestino::Ponto) {
      if (d.EntraMenu) EntraMenu(d.Menu, d.Secao);
      FMenu = d.Menu;
      if (Laco(d.Secao)) return;
      d = Secao(d.Secao);
    }
  }

  void EntraMenu(int Indice, TSecaoMenu Secao) {
    FMenu = Indice;
    FInvalidas = FTimeouts = 0;
    FR.Menus << NomeMenu(FDac, Indice);
    FSecao.clear();
    Passo(TTipoPasso::Menu, Secao == TSecaoMenu::Inicio ? QStringLiteral("Entra no menu")
                                                        : QStringLiteral("Entra no menu, em ") + NomeSecaoMenu(Secao));
  }

  // The same state again without an answer awaited in between: the run,
  // being deterministic, would repeat itself for ever.
  bool Laco(TSecaoMenu Secao) {
    const TMenuUra& m = Menu();
    TEstado e{FMenu, Secao, ContagemEfetiva(FInvalidas, m.OpcaoInvalida->Tentativas),
              ContagemEfetiva(FTimeouts, m.OpcaoTimeout->Tentativas), FVars};
    for (size_t i = 0; i < FDesdeEspera.size(); ++i) {
      const TEstado& v = FDesdeEspera[i];
      if (v.Menu != e.Menu || v.Secao != e.Secao || v.Invalidas != e.Invalidas || v.Timeouts != e.Timeouts ||
          v.Vars != e.Vars)
        continue;
      TCiclo ciclo;
      for (size_t k = i; k < FDesdeEspera.size(); ++k) ciclo.emplace_back(FDesdeEspera[k].Menu, FDesdeEspera[k].Secao);
      FSecao = NomeSecaoMenu(Secao);
      Termina(MotivoFim::Laco,
              QStringLiteral("A chamada entrou em laço sem esperar resposta: ") + TextoCiclo(FDac, ciclo));
      return true;
    }
    FDesdeEspera.push_back(std::move(e));
    return false;
  }

  TDestino Secao(TSecaoMenu S) {
    FSecao = NomeSecaoMenu(S);
    switch (S) {
      case TSecaoMenu::Inicio: return Inicio();
      case TSecaoMenu::Opcoes: return Opcoes();
      case TSecaoMenu::Invalida:
      case TSecaoMenu::Timeout: return Fallback(S);
      case TSecaoMenu::Final: break;
    }
    const TMUFinal& f = *Menu().Final;
    Toca(*f.Mensagem);
    const TDestino d = Acoes(*f.ListaAcao);
    if (d.Tipo != TDestino::Segue) return d;
    return Termina(MotivoFim::Encerrada,
                   QStringLiteral("O Final terminou sem ação que transfira, encerre ou desvie: a chamada é "
                                  "encerrada"));
  }

  TDestino Inicio() {
    const TMUListaCondicao& lista = *Menu().ListaCondicoes;
    for (int i = 0; i < lista.Count(); ++i) {
      const TMUCondicao& c = *lista.GetItem(i);
      FSecao = QStringLiteral("Início, condição ") + QString::number(i + 1);
      QString motivo;
      const bool vale = c.Atende(FMomento, &motivo);
      const QString desc = FSim.DescricaoCondicao(c);
      Passo(TTipoPasso::Condicao, QStringLiteral("Condição ") + QString::number(i + 1) +
                                      (desc.isEmpty() ? QString() : QStringLiteral(" (") + desc + u')') +
                                      (vale ? QStringLiteral(": vale") : QStringLiteral(": não vale")) +
                                      (motivo.isEmpty() ? QString() : QStringLiteral(" — ") + motivo));
      if (!vale) continue;
      Toca(*c.Mensagem);
      const TDestino d = Acoes(*c.ListaAcao);
      return d.Tipo == TDestino::Segue ? Ponto(FMenu, *SecaoSeguinte(TSecaoMenu::Inicio)) : d;
    }
    return Ponto(FMenu, *SecaoSeguinte(TSecaoMenu::Inicio));
  }

  TDestino Opcoes() {
    const TMenuUra& m = Menu();
    Toca(*m.MensagemMenu);
    // Only a chat URA that is not TDD shows a list menu.
    if (FChat && !FTDD && !m.GetTipoMenuOpcoesWA().isEmpty()) {
      const QString lista = Resolve(m.MenuOpcoesWA->GetMenuMensagem());
      Passo(TTipoPasso::Mensagem, QStringLiteral("Envia o menu de lista: ") + lista, {lista});
      FR.Mensagens << lista;
    }
    if (!TemOpcoes(m)) return Ponto(FMenu, TSecaoMenu::Final);

    Passo(TTipoPasso::Espera,
          QStringLiteral("Aguarda a resposta (até ") + QString::number(m.OpcaoTimeout->Tempo) + QStringLiteral(" s)"));
    FDesdeEspera.clear();
    if (FProxima >= FC.Entradas.size())
      return Termina(MotivoFim::SemEntradas, QStringLiteral("A chamada aguarda uma resposta e as respostas acabaram"));
    const bool ultima = FProxima + 1 == FC.Entradas.size();
    const std::optional<QString>& entrada = FC.Entradas[FProxima++];
    ++FR.RespostasUsadas;
    if (!entrada || entrada->isEmpty()) return Ponto(FMenu, TSecaoMenu::Timeout);

    const QString& resposta = *entrada;
    TMUOpcao* opcao = nullptr;
    int r = OPCAO_NAO_CONFERE;
    int usadas = int(resposta.size());
    if (FChat) {
      r = m.ListaOpcoes->TrataOpcao(resposta, true, &opcao);
    } else {
      // Keys arrive one by one; the first key that decides ends the input.
      r = OPCAO_INDEFINIDA;
      for (int k = 1; k <= resposta.size() && r == OPCAO_INDEFINIDA; ++k) {
        r = m.ListaOpcoes->TrataOpcao(resposta.left(k), false, &opcao);
        usadas = k;
      }
      if (r == OPCAO_INDEFINIDA) {
        if (ultima && FC.UltimaIncompleta) {
          FR.AguardaMaisTeclas = true;
          Passo(TTipoPasso::Resposta, QStringLiteral("Digitou até agora: ") + resposta, {}, resposta);
          return Termina(MotivoFim::SemEntradas,
                         QStringLiteral("A chamada aguarda mais teclas e as respostas acabaram"));
        }
        // No more keys come: the input is complete as it stands.
        r = m.ListaOpcoes->TrataOpcao(resposta, true, &opcao);
      }
    }
    const QString valida = resposta.left(usadas);
    Passo(TTipoPasso::Resposta,
          (FChat ? QStringLiteral("Escreve: ") : QStringLiteral("Digita: ")) + resposta +
              (usadas < resposta.size()
                   ? QStringLiteral(" (as teclas depois de ") + valida + QStringLiteral(" são ignoradas)")
                   : QString()),
          {}, resposta);
    if (r != OPCAO_CONFERE && r != OPCAO_FINALIZADA) return Ponto(FMenu, TSecaoMenu::Invalida);

    FDigitado = valida;
    if (r == OPCAO_FINALIZADA && !opcao->DigitoFinalizador.isEmpty() && FDigitado.endsWith(opcao->DigitoFinalizador))
      FDigitado.chop(opcao->DigitoFinalizador.size());
    const QString valor = opcao->GetDescricaoValor();
    FSecao = QStringLiteral("Opção ") + (valor.isEmpty() ? QString::number(opcao->GetItemIndex() + 1) : valor);
    Passo(TTipoPasso::Opcao, QStringLiteral("Opção escolhida: ") + opcao->GetStrOpcao());
    Toca(*opcao->Mensagem);
    const TDestino d = Acoes(*opcao->ListaAcao);
    return d.Tipo == TDestino::Segue ? Ponto(FMenu, *SecaoSeguinte(TSecaoMenu::Opcoes)) : d;
  }

  TDestino Fallback(TSecaoMenu S) {
    const TMenuUra& m = Menu();
    const bool invalida = S == TSecaoMenu::Invalida;
    const TTipoPasso tipo = invalida ? TTipoPasso::Invalida : TTipoPasso::Timeout;
    if (!TemOpcoes(m)) {
      Passo(tipo, QStringLiteral("O menu não tem opções, e por isso nem esta seção: segue para o Final"));
      return Ponto(FMenu, TSecaoMenu::Final);
    }
    const int n = invalida ? ++FInvalidas : ++FTimeouts;
    const int total = invalida ? m.OpcaoInvalida->Tentativas : m.OpcaoTimeout->Tentativas;
    const QString conta = QString::number(n) + QStringLiteral(" de ") + QString::number(total);
    Passo(tipo, invalida ? QStringLiteral("Opção inválida ") + conta
                         : QStringLiteral("Sem resposta em ") + QString::number(m.OpcaoTimeout->Tempo) +
                               QStringLiteral(" s: timeout ") + conta);
    Toca(invalida ? *m.OpcaoInvalida->Mensagem : *m.OpcaoTimeout->Mensagem);
    if (!Esgotadas(n, total)) return Ponto(FMenu, TSecaoMenu::Opcoes);
    const TDestino d = Acoes(invalida ? *m.OpcaoInvalida->ListaAcao : *m.OpcaoTimeout->ListaAcao);
    if (d.Tipo != TDestino::Segue) return d;
    return Termina(MotivoFim::Encerrada,
                   QStringLiteral("As tentativas se esgotaram e a seção não tem ação que transfira, encerre ou "
                                  "desvie: a chamada é encerrada"));
  }

  TDestino Acoes(const TMUListaAcao& Lista) {
    for (int i = 0; i < Lista.Count(); ++i) {
      const TMUAcao& a = *Lista.GetItem(i);
      const QString bruto = a.GetValor();
      const QString valor = Resolve(bruto);
      QString texto = FSim.DescricaoAcao(a);
      if (valor != bruto) texto += kSeta + valor;
      if (a.Tipo == u"COMANDO") texto += QStringLiteral(" (não executado na simulação)");
      if (a.Tipo == u"DISCAS") texto += QStringLiteral(" (o contexto não é executado na simulação; a chamada segue)");
      Passo(TTipoPasso::Acao, texto);
      if (TMUAcao::ContinuaSequencia(a.Tipo)) {
        Executa(a, valor);
        continue;
      }
      const TDestino d = DestinoDaAcao(a, FMenu, [this](const QString& Nome) { return FSim.IndiceMenu(Nome); });
      if (d.Tipo == TDestino::Ponto) return d;
      if (a.Tipo == u"VAIPARA")
        return Termina(MotivoFim::MenuInexistente,
                       QStringLiteral("O menu \"") + a.ValorMenu + QStringLiteral("\" não existe"), &a, a.ValorMenu);
      return Termina(MotivoFim::Acao, FSim.DescricaoAcao(a), &a, a.Tipo == u"DISCAOP" ? FDigitado : valor,
                     a.Tipo == u"DISCAOP" || valor != bruto);
    }
    return TDestino{};
  }

  // The actions that let the section go on.
  void Executa(const TMUAcao& A, const QString& Valor) {
    if (A.Tipo == u"SETVAR") {
      Define(A.Variavel, Valor, QString());
    } else if (A.Tipo == u"COMANDO") {
      if (A.Variavel.isEmpty()) return;
      const QString nome = NomeVariavel(A.Variavel);
      const auto it = FC.Variaveis.constFind(nome);
      Define(nome, it == FC.Variaveis.cend() ? QString() : *it,
             it == FC.Variaveis.cend() ? QStringLiteral(" (resultado do comando: vazio, o cenário não dá valor)")
                                       : QStringLiteral(" (resultado do comando: o valor do cenário)"));
    } else if (A.Tipo == u"MENSAGEM") {
      if (FChat)
        EnviaTextos({Resolve(A.ValorNumero.split(u'\r').join(QString()))});
      else
        Define(A.Variavel, A.ValorNumero, QString());  // audio names, played by a '{X}' entry
    }
  }

  void Define(const QString& Variavel, const QString& Valor, const QString& Nota) {
    const QString nome = NomeVariavel(Variavel);
    if (nome.isEmpty()) return;
    FVars.insert(nome, Valor);
    Passo(TTipoPasso::Variavel, nome + QStringLiteral(" = \"") + Valor + u'"' + Nota);
  }

  // '${name}' becomes the variable's value (an unset variable reads as "").
  QString Resolve(const QString& Texto) const {
    qsizetype i = Texto.indexOf(u"${");
    if (i < 0) return Texto;
    QString r;
    qsizetype de = 0;
    while (i >= 0) {
      const qsizetype fim = Texto.indexOf(u'}', i + 2);
      if (fim < 0) break;
      r += QStringView(Texto).mid(de, i - de);
      r += FVars.value(Texto.mid(i + 2, fim - i - 2));
      de = fim + 1;
      i = Texto.indexOf(u"${", de);
    }
    r += QStringView(Texto).mid(de);
    return r;
  }

  void Toca(const TMUMensagem& M) {
    if (FChat) {
      QStringList textos;
      for (int i = 0; i < M.MensagensChatCount(); ++i) textos << Resolve(M.GetMensagemChat(i, QStringLiteral("\n")));
      EnviaTextos(textos);
      return;
    }
    QStringList arquivos, vazias;
    for (int i = 0; i < M.ArquivosCount(); ++i) Expande(M.GetArquivo(i, true), arquivos, vazias, 0);
    if (arquivos.isEmpty() && vazias.isEmpty()) return;
    QString texto = QStringLiteral("Toca: ") + arquivos.join(QStringLiteral(", "));
    for (const QString& v : vazias) texto += QStringLiteral(" (a variável ") + v + QStringLiteral(" está vazia)");
    Passo(TTipoPasso::Mensagem, texto, arquivos);
    FR.Mensagens << arquivos;
  }

  // An audio entry: a name, or a variable ('{X}' or 'Mensagem(X)') holding
  // names joined by "," (set by a MENSAGEM action).
  void Expande(const QString& Entrada, QStringList& Arquivos, QStringList& Vazias, int Profundidade) const {
    QString variavel;
    if (Entrada.size() >= 2 && Entrada.startsWith(u'{') && Entrada.endsWith(u'}'))
      variavel = Entrada.mid(1, Entrada.size() - 2);
    else if (Entrada.size() >= 10 && Entrada.startsWith(u"Mensagem(") && Entrada.endsWith(u')'))
      variavel = Entrada.mid(9, Entrada.size() - 10);
    else {
      if (!Entrada.isEmpty()) Arquivos << Entrada;
      return;
    }
    const QString valor = FVars.value(variavel);
    if (valor.isEmpty() || Profundidade >= 8) {  // a variable that names itself stops here
      Vazias << variavel;
      return;
    }
    TMUMensagem lista;
    lista.SetListaArquivosSeparador(QStringLiteral(","), valor);
    for (int i = 0; i < lista.ArquivosCount(); ++i)
      Expande(lista.GetArquivo(i, true), Arquivos, Vazias, Profundidade + 1);
  }

  void EnviaTextos(QStringList Textos) {
    Textos.removeAll(QString());
    if (Textos.isEmpty()) return;
    QString texto = Textos.join(QStringLiteral("↩"));
    texto.replace(u'\n', QStringLiteral("↩"));
    Passo(TTipoPasso::Mensagem, QStringLiteral("Envia: ") + texto, Textos);
    FR.Mensagens << Textos;
  }

  void Passo(TTipoPasso Tipo, const QString& Texto, const QStringList& Mensagens = {},
             const QString& Resposta = QString()) {
    // The last place is kept for the end.
    if (int(FR.Passos.size()) + 1 >= FLimite) throw TLimite{};
    Acrescenta(Tipo, Texto, Mensagens, Resposta);
  }

  void Acrescenta(TTipoPasso Tipo, const QString& Texto, const QStringList& Mensagens, const QString& Resposta) {
    TPasso p;
    p.Tipo = Tipo;
    p.IndiceMenu = FMenu;
    p.Menu = FMenu >= 0 ? NomeMenu(FDac, FMenu) : QString();
    p.Secao = FSecao;
    p.Texto = Texto;
    p.Mensagens = Mensagens;
    p.Resposta = Resposta;
    FR.Passos.push_back(std::move(p));
  }

  TDestino Termina(const QString& Motivo, const QString& Descricao, const TMUAcao* A = nullptr,
                   const QString& Valor = QString(), bool MostraValor = false) {
    TFimSimulacao& f = FR.Fim;
    f.Motivo = Motivo;
    f.IndiceMenu = FMenu;
    f.Menu = FMenu >= 0 ? NomeMenu(FDac, FMenu) : QString();
    f.Codigo = A ? A->Tipo : QString();
    f.Valor = Valor;
    f.Descricao = Descricao;
    f.Texto = (f.Menu.isEmpty() ? QString() : f.Menu + QStringLiteral(": ")) + Descricao +
              (MostraValor && !Valor.isEmpty() ? kSeta + Valor : QString()) + QStringLiteral(" [") + Motivo + u']';
    Acrescenta(TTipoPasso::Fim, f.Texto, {}, QString());
    return TDestino{TDestino::Fim};
  }

  const TDAC& FDac;
  const TSimulacao& FSim;
  const TCenario& FC;
  const bool FChat, FTDD;
  TMomentoChamada FMomento;
  QHash<QString, QString> FVars;
  TResultadoSimulacao FR;
  int FLimite = kLimitePassosPadrao;
  int FMenu = -1;
  QString FSecao;
  int FInvalidas = 0, FTimeouts = 0;
  size_t FProxima = 0;
  QString FDigitado;  // the keys that chose the option, for DISCAOP
  std::vector<TEstado> FDesdeEspera;
};

}  // namespace

QString NomeSecaoMenu(TSecaoMenu Secao) {
  switch (Secao) {
    case TSecaoMenu::Inicio: return QStringLiteral("Início");
    case TSecaoMenu::Opcoes: return QStringLiteral("Opções");
    case TSecaoMenu::Invalida: return QStringLiteral("Opção inválida");
    case TSecaoMenu::Timeout: return QStringLiteral("Timeout");
    case TSecaoMenu::Final: break;
  }
  return QStringLiteral("Final");
}

QString CodigoTipoPasso(TTipoPasso Tipo) {
  static const char* const codigos[] = {"menu",     "condicao", "mensagem", "espera",   "resposta", "opcao",
                                        "invalida", "timeout",  "acao",     "variavel", "fim"};
  return QString::fromLatin1(codigos[int(Tipo)]);
}

QString TPasso::GetStrLinha() const {
  QString linha = CodigoTipoPasso(Tipo) + QStringLiteral(": ");
  if (!Menu.isEmpty()) linha += Menu + QStringLiteral(": ");
  if (!Secao.isEmpty()) linha += Secao + QStringLiteral(": ");
  return linha + Texto;
}

QJsonObject TResultadoSimulacao::ParaJson() const {
  QJsonArray passos;
  for (const TPasso& p : Passos) {
    QJsonObject o{{QStringLiteral("tipo"), CodigoTipoPasso(p.Tipo)},
                  {QStringLiteral("menu"), p.Menu},
                  {QStringLiteral("secao"), p.Secao},
                  {QStringLiteral("texto"), p.Texto}};
    if (p.Tipo == TTipoPasso::Mensagem) o.insert(QStringLiteral("mensagens"), QJsonArray::fromStringList(p.Mensagens));
    if (p.Tipo == TTipoPasso::Resposta) o.insert(QStringLiteral("resposta"), p.Resposta);
    passos.append(o);
  }
  QJsonObject variaveis;
  for (auto it = Variaveis.cbegin(); it != Variaveis.cend(); ++it) variaveis.insert(it.key(), *it);
  return QJsonObject{{QStringLiteral("passos"), passos},
                     {QStringLiteral("menus"), QJsonArray::fromStringList(Menus)},
                     {QStringLiteral("mensagens"), QJsonArray::fromStringList(Mensagens)},
                     {QStringLiteral("variaveis"), variaveis},
                     {QStringLiteral("fim"), QJsonObject{{QStringLiteral("motivo"), Fim.Motivo},
                                                         {QStringLiteral("menu"), Fim.Menu},
                                                         {QStringLiteral("codigo"), Fim.Codigo},
                                                         {QStringLiteral("valor"), Fim.Valor},
                                                         {QStringLiteral("descricao"), Fim.Descricao},
                                                         {QStringLiteral("texto"), Fim.Texto}}}};
}

TSimulacao::TSimulacao(const TDAC& Dac) : FDac(Dac) {
  const auto& menus = Dac.ListaMenus->Items();
  for (int i = int(menus.size()) - 1; i >= 0; --i) FIndice.insert(menus[size_t(i)]->Nome, i);
}

int TSimulacao::IndiceMenu(const QString& Nome) const { return Nome.isEmpty() ? -1 : FIndice.value(Nome, -1); }

QString TSimulacao::DescricaoAcao(const TMUAcao& A) const {
  QHash<const TMUAcao*, QString>& cache = FAcoes[FDac.RORIRO ? 1 : 0];
  auto it = cache.constFind(&A);
  if (it == cache.cend()) it = cache.insert(&A, DescreveAcao(A));
  return *it;
}

QString TSimulacao::DescricaoCondicao(const TMUCondicao& C) const {
  auto it = FCondicoes.constFind(&C);
  if (it == FCondicoes.cend()) it = FCondicoes.insert(&C, C.GetStrCondicao());
  return *it;
}

TResultadoSimulacao TSimulacao::Executa(const TCenario& Cenario) const { return TChamada(FDac, *this, Cenario).Roda(); }

// ---- Variables of a document ------------------------------------------------------

QStringList VariaveisDoDocumento(const TDAC& Dac) {
  QSet<QString> nomes;
  auto referencias = [&nomes](const QString& Texto) {
    for (qsizetype i = Texto.indexOf(u"${"); i >= 0; i = Texto.indexOf(u"${", i + 2)) {
      const qsizetype fim = Texto.indexOf(u'}', i + 2);
      if (fim < 0) break;
      nomes.insert(Texto.mid(i + 2, fim - i - 2));
    }
  };
  auto mensagem = [&](const TMUMensagem& M) {
    for (int i = 0; i < M.ArquivosCount(); ++i) {
      const QString a = M.GetArquivo(i, true);
      if (a.size() > 2 && a.startsWith(u'{') && a.endsWith(u'}')) nomes.insert(a.mid(1, a.size() - 2));
    }
    for (int i = 0; i < M.MensagensChatCount(); ++i) referencias(M.GetMensagemChat(i, QString()));
  };
  auto acoes = [&](const TMUListaAcao& L) {
    for (const auto& a : L.Items()) {
      referencias(a->GetValor());
      if (a->Tipo == u"SETVAR" || a->Tipo == u"COMANDO" || a->Tipo == u"MENSAGEM")
        nomes.insert(NomeVariavel(a->Variavel));
    }
  };
  for (const auto& m : Dac.ListaMenus->Items()) {
    for (const auto& c : m->ListaCondicoes->Items()) {
      for (const auto& cv : c->ListaCondicaoVar->Items()) nomes.insert(NomeVariavel(cv->Variavel));
      mensagem(*c->Mensagem);
      acoes(*c->ListaAcao);
    }
    mensagem(*m->MensagemMenu);
    for (const auto& o : m->ListaOpcoes->Items()) {
      mensagem(*o->Mensagem);
      acoes(*o->ListaAcao);
    }
    for (const auto* s : {m->OpcaoInvalida->Mensagem.get(), m->OpcaoTimeout->Mensagem.get(), m->Final->Mensagem.get()})
      mensagem(*s);
    for (const auto* l :
         {m->OpcaoInvalida->ListaAcao.get(), m->OpcaoTimeout->ListaAcao.get(), m->Final->ListaAcao.get()})
      acoes(*l);
  }
  nomes.remove(QString());
  QStringList lista(nomes.cbegin(), nomes.cend());
  lista.sort(Qt::CaseInsensitive);
  return lista;
}

// ---- Loops that need no answer ------------------------------------------------------

namespace {
constexpr int kSecoes = 5, kSai = -1;
int No(int Menu, TSecaoMenu S) { return Menu * kSecoes + int(S); }
}  // namespace

TBuscaLacos::TBuscaLacos(const TDAC& Dac) : FDac(Dac), FSim(Dac) {
  FPrimeiro.reserve(size_t(Dac.ListaMenus->Count()) * kSecoes + 1);
  FPrimeiro.push_back(0);
}

// Every section a run may go to next without awaiting an answer; kSai for an
// answer awaited or an end. The sections of a menu are its five nodes, in order.
void TBuscaLacos::AcrescentaMenu(int M) {
  Q_ASSERT(FPrimeiro.size() == size_t(M) * kSecoes + 1);  // menus come in order
  const TMenuUra& menu = *FDac.ListaMenus->GetItem(M);
  auto lista = [&](const TMUListaAcao& L, int SeSegue) {
    const int i = AcaoQueSai(L);
    if (i < 0) return SeSegue;
    const TDestino d = DestinoDaAcao(*L.GetItem(i), M, [this](const QString& Nome) { return FSim.IndiceMenu(Nome); });
    return d.Tipo == TDestino::Ponto ? No(d.Menu, d.Secao) : kSai;
  };
  auto fecha = [&] { FPrimeiro.push_back(int(FSeguintes.size())); };
  // Início: each condition in turn, until one that always holds.
  const int opcoes = No(M, *SecaoSeguinte(TSecaoMenu::Inicio));
  bool sempre = false;
  for (const auto& c : menu.ListaCondicoes->Items()) {
    FSeguintes.push_back(lista(*c->ListaAcao, opcoes));
    if ((sempre = c->SempreAtende())) break;
  }
  if (!sempre) FSeguintes.push_back(opcoes);
  fecha();
  const int semOpcoes = TemOpcoes(menu) ? kSai : No(M, TSecaoMenu::Final);
  for ([[maybe_unused]] TSecaoMenu s : {TSecaoMenu::Opcoes, TSecaoMenu::Invalida, TSecaoMenu::Timeout}) {
    FSeguintes.push_back(semOpcoes);
    fecha();
  }
  FSeguintes.push_back(lista(*menu.Final->ListaAcao, kSai));
  fecha();
}

std::vector<TLacoSemEntrada> LacosSemEntrada(const TDAC& Dac) {
  TBuscaLacos busca(Dac);
  for (int m = 0; m < Dac.ListaMenus->Count(); ++m) busca.AcrescentaMenu(m);
  return busca.Lacos();
}

std::vector<TLacoSemEntrada> TBuscaLacos::Lacos() const {
  const TDAC& Dac = FDac;
  auto seguintes = [this](size_t No) {
    return std::span<const int>(FSeguintes.data() + FPrimeiro[No], size_t(FPrimeiro[No + 1] - FPrimeiro[No]));
  };
  // The sections every way out of which stays among them: once entered, the
  // call never leaves them.
  const size_t n = FPrimeiro.size() - 1;
  std::vector<bool> preso(n, true);
  for (bool mudou = true; mudou;) {
    mudou = false;
    for (size_t i = 0; i < n; ++i) {
      if (!preso[i]) continue;
      for (int s : seguintes(i))
        if (s == kSai || size_t(s) >= n || !preso[size_t(s)]) {  // a menu not added leads out
          preso[i] = false;
          mudou = true;
          break;
        }
    }
  }

  // One cycle per group of trapped sections.
  std::vector<TLacoSemEntrada> lacos;
  std::vector<int> ciclo(n, -1);    // the loop a trapped section leads into
  std::vector<int> posicao(n, -1);  // place on the walk under way
  for (size_t i = 0; i < n; ++i) {
    if (!preso[i] || ciclo[i] >= 0) continue;
    std::vector<int> caminho;
    int atual = int(i);
    while (posicao[size_t(atual)] < 0 && ciclo[size_t(atual)] < 0) {
      posicao[size_t(atual)] = int(caminho.size());
      caminho.push_back(atual);
      atual = seguintes(size_t(atual)).front();
    }
    int destino = ciclo[size_t(atual)];
    if (destino < 0) {  // a new cycle: from where the walk came back
      TLacoSemEntrada laco;
      TCiclo volta;
      for (size_t k = size_t(posicao[size_t(atual)]); k < caminho.size(); ++k) {
        const int menu = caminho[k] / kSecoes;
        volta.emplace_back(menu, TSecaoMenu(caminho[k] % kSecoes));
        if (std::find(laco.Menus.begin(), laco.Menus.end(), menu) == laco.Menus.end()) laco.Menus.push_back(menu);
      }
      laco.IndiceMenu = *std::min_element(laco.Menus.begin(), laco.Menus.end());
      laco.Caminho = TextoCiclo(Dac, volta);
      destino = int(lacos.size());
      lacos.push_back(std::move(laco));
    }
    for (int s : caminho) {
      ciclo[size_t(s)] = destino;
      posicao[size_t(s)] = -1;
    }
  }
  return lacos;
}
