#include "diferencas.h"

#include <QHash>
#include <algorithm>

#include "dac.h"
#include "secoesmenu.h"

namespace {

const QChar kSeparador = u'\x1f';

// ---- Equality by meaning, without building texts ----------------------------------

bool Iguais(const TMUMensagem& A, const TMUMensagem& B) {
  if (A.ArquivosCount() != B.ArquivosCount() || A.MensagensChatCount() != B.MensagensChatCount()) return false;
  for (int k = 0; k < A.ArquivosCount(); ++k)
    if (A.GetArquivo(k, true) != B.GetArquivo(k, true)) return false;
  for (int k = 0; k < A.MensagensChatCount(); ++k)
    if (A.GetMensagemChat(k, QString()) != B.GetMensagemChat(k, QString())) return false;
  return true;
}

bool MensagemVazia(const TMUMensagem& M) { return M.ArquivosCount() == 0 && M.MensagensChatCount() == 0; }

bool Iguais(const TMUAcao& A, const TMUAcao& B) {
  return A.Tipo == B.Tipo && A.GetValor() == B.GetValor() && A.Variavel == B.Variavel;
}

template <class T, class F>
bool ListasIguais(const std::vector<std::unique_ptr<T>>& A, const std::vector<std::unique_ptr<T>>& B, F&& Igual) {
  if (A.size() != B.size()) return false;
  for (size_t i = 0; i < A.size(); ++i)
    if (!Igual(*A[i], *B[i])) return false;
  return true;
}

bool Iguais(const TMUListaAcao& A, const TMUListaAcao& B) {
  return ListasIguais(A.Items(), B.Items(), [](const TMUAcao& a, const TMUAcao& b) { return Iguais(a, b); });
}

bool QuandoIgual(const TMUCondicao& A, const TMUCondicao& B) {
  for (int d = 1; d <= 7; ++d)
    if (A.DiaSemanaIsSet(d) != B.DiaSemanaIsSet(d)) return false;
  const auto comparacaoIgual = [](const TMUCondicaoVar& a, const TMUCondicaoVar& b) {
    return a.Variavel == b.Variavel && a.Tipo == b.Tipo && a.Valor == b.Valor;
  };
  return A.Feriados == B.Feriados && A.DiaIni == B.DiaIni && A.MesIni == B.MesIni && A.AnoIni == B.AnoIni &&
         A.DiaFim == B.DiaFim && A.MesFim == B.MesFim && A.AnoFim == B.AnoFim && A.HoraIni == B.HoraIni &&
         A.MinutoIni == B.MinutoIni && A.HoraFim == B.HoraFim && A.MinutoFim == B.MinutoFim &&
         A.HoraIniPeriodo == B.HoraIniPeriodo && A.MinutoIniPeriodo == B.MinutoIniPeriodo &&
         A.HoraFimPeriodo == B.HoraFimPeriodo && A.MinutoFimPeriodo == B.MinutoFimPeriodo &&
         A.ListaCondicaoVar->Tipo == B.ListaCondicaoVar->Tipo &&
         ListasIguais(A.ListaCondicaoVar->Items(), B.ListaCondicaoVar->Items(), comparacaoIgual);
}

bool Iguais(const TMUCondicao& A, const TMUCondicao& B) {
  return QuandoIgual(A, B) && Iguais(*A.Mensagem, *B.Mensagem) && Iguais(*A.ListaAcao, *B.ListaAcao);
}

// The option's own fields: what it accepts.
bool RegraIgual(const TMUOpcao& A, const TMUOpcao& B) {
  return A.GetValor() == B.GetValor() && A.Tipo == B.Tipo && A.PodeMenosDigitos == B.PodeMenosDigitos &&
         A.QtdeMinOpcaoValida == B.QtdeMinOpcaoValida && A.DigitoFinalizador == B.DigitoFinalizador &&
         A.IgnorarCase == B.IgnorarCase && A.TextoAlfaAdicional == B.TextoAlfaAdicional &&
         A.QtdeMaxOpcaoValida == B.QtdeMaxOpcaoValida && A.ComecaCom == B.ComecaCom && A.TerminaCom == B.TerminaCom &&
         A.Contem == B.Contem;
}

bool Iguais(const TMUOpcao& A, const TMUOpcao& B) {
  return RegraIgual(A, B) && Iguais(*A.Mensagem, *B.Mensagem) && Iguais(*A.ListaAcao, *B.ListaAcao);
}

bool Iguais(const TMUItemMenuOpcaoWA& A, const TMUItemMenuOpcaoWA& B) {
  return A.Resposta == B.Resposta && Iguais(*A.Titulo, *B.Titulo) && Iguais(*A.Descricao, *B.Descricao);
}

// A list menu counts only with a kind: without one it is not written.
bool MenuListaIgual(const TMenuUra& A, const TMenuUra& B) {
  if (A.GetTipoMenuOpcoesWA() != B.GetTipoMenuOpcoesWA()) return false;
  if (A.GetTipoMenuOpcoesWA().isEmpty()) return true;
  const TMUMenuOpcaoWA& a = *A.MenuOpcoesWA;
  const TMUMenuOpcaoWA& b = *B.MenuOpcoesWA;
  return Iguais(*a.Titulo, *b.Titulo) && Iguais(*a.Texto, *b.Texto) && Iguais(*a.Rodape, *b.Rodape) &&
         Iguais(*a.TituloMenuOpcoes, *b.TituloMenuOpcoes) &&
         ListasIguais(a.ListaItensMenuOpcao->Items(), b.ListaItensMenuOpcao->Items(),
                      [](const TMUItemMenuOpcaoWA& x, const TMUItemMenuOpcaoWA& y) { return Iguais(x, y); });
}

// The invalid-option and timeout sections count only in a menu with options.
bool FallbacksContam(const TMenuUra& A, const TMenuUra& B) {
  return A.ListaOpcoes->Count() > 0 || B.ListaOpcoes->Count() > 0;
}

bool MenusIguais(const TMenuUra& A, const TMenuUra& B) {
  const auto igualCondicao = [](const TMUCondicao& a, const TMUCondicao& b) { return Iguais(a, b); };
  const auto igualOpcao = [](const TMUOpcao& a, const TMUOpcao& b) { return Iguais(a, b); };
  if (A.Descricao != B.Descricao || !MenuListaIgual(A, B) || !Iguais(*A.MensagemMenu, *B.MensagemMenu) ||
      !ListasIguais(A.ListaCondicoes->Items(), B.ListaCondicoes->Items(), igualCondicao) ||
      !ListasIguais(A.ListaOpcoes->Items(), B.ListaOpcoes->Items(), igualOpcao) ||
      !Iguais(*A.Final->Mensagem, *B.Final->Mensagem) || !Iguais(*A.Final->ListaAcao, *B.Final->ListaAcao))
    return false;
  if (!FallbacksContam(A, B)) return true;
  const TMUOpcaoInvalida& ia = *A.OpcaoInvalida;
  const TMUOpcaoInvalida& ib = *B.OpcaoInvalida;
  const TMUOpcaoTimeout& ta = *A.OpcaoTimeout;
  const TMUOpcaoTimeout& tb = *B.OpcaoTimeout;
  return ia.Tentativas == ib.Tentativas && Iguais(*ia.Mensagem, *ib.Mensagem) && Iguais(*ia.ListaAcao, *ib.ListaAcao) &&
         ta.Tentativas == tb.Tentativas && ta.Tempo == tb.Tempo && Iguais(*ta.Mensagem, *tb.Mensagem) &&
         Iguais(*ta.ListaAcao, *tb.ListaAcao);
}

// ---- What identifies an item of a list -------------------------------------------

QString ChaveAcao(const TMUAcao& A) { return A.Tipo + kSeparador + A.GetValor() + kSeparador + A.Variavel; }

QString ChaveCondicao(const TMUCondicao& C) {
  QStringList partes{C.GetDiasSemana(), C.Feriados ? QStringLiteral("Feriados") : QString()};
  for (const qint32 v : {C.DiaIni, C.MesIni, C.AnoIni, C.DiaFim, C.MesFim, C.AnoFim, C.HoraIni, C.MinutoIni, C.HoraFim,
                         C.MinutoFim, C.HoraIniPeriodo, C.MinutoIniPeriodo, C.HoraFimPeriodo, C.MinutoFimPeriodo})
    partes << QString::number(v);
  partes << QString::number(C.ListaCondicaoVar->Tipo);
  for (const auto& v : C.ListaCondicaoVar->Items()) partes << v->Variavel << v->Tipo << v->Valor;
  return partes.join(kSeparador);
}

QString TextoMensagem(const TMUMensagem& M) {
  QStringList partes;
  for (int k = 0; k < M.ArquivosCount(); ++k) partes << M.GetArquivo(k, false);
  for (int k = 0; k < M.MensagensChatCount(); ++k) partes << M.GetMensagemChat(k, QStringLiteral("↩"));
  return partes.join(QStringLiteral(", "));
}

QString ChaveItem(const TMUItemMenuOpcaoWA& I) {
  return I.Resposta + kSeparador + TextoMensagem(*I.Titulo) + kSeparador + TextoMensagem(*I.Descricao);
}

QString DescreveItem(const TMUItemMenuOpcaoWA& I) {
  const QString titulo = TextoMensagem(*I.Titulo);
  return I.Resposta.isEmpty() ? titulo : I.Resposta + QStringLiteral(" - ") + titulo;
}

// ---- Pairing two lists ------------------------------------------------------------

// Which elements of Seq form a longest increasing run (kept in order); the
// others moved.
std::vector<bool> EmOrdem(const std::vector<int>& Seq) {
  std::vector<int> topos;  // index in Seq of the smallest end of each run length
  std::vector<int> anterior(Seq.size(), -1);
  for (size_t i = 0; i < Seq.size(); ++i) {
    const auto pos = std::lower_bound(topos.begin(), topos.end(), Seq[i],
                                      [&Seq](int Topo, int Valor) { return Seq[size_t(Topo)] < Valor; });
    if (pos != topos.begin()) anterior[i] = *(pos - 1);
    if (pos == topos.end())
      topos.push_back(static_cast<int>(i));
    else
      *pos = static_cast<int>(i);
  }
  std::vector<bool> fica(Seq.size(), false);
  for (int i = topos.empty() ? -1 : topos.back(); i >= 0; i = anterior[size_t(i)]) fica[size_t(i)] = true;
  return fica;
}

struct TPares {
  std::vector<int> DeA;         // index in B of each item of A, -1 when unmatched
  std::vector<int> DeB;         // index in A of each item of B
  std::vector<bool> PorChaveB;  // matched by its key (else paired in order)
  std::vector<bool> MovidoB;    // matched by its key but out of order
};

// Equal keys first (the k-th occurrence with the k-th); then what is left on
// both sides, in order, among items of equal Grupo (an option keeps its value
// when only its kind changes); an empty Grupo pairs whatever is left.
TPares Pareia(const QStringList& A, const QStringList& B, const QStringList& GrupoA = {},
              const QStringList& GrupoB = {}) {
  TPares p{std::vector<int>(size_t(A.size()), -1), std::vector<int>(size_t(B.size()), -1),
           std::vector<bool>(size_t(B.size()), false), std::vector<bool>(size_t(B.size()), false)};
  QHash<QString, QList<int>> posicoes;
  for (int j = 0; j < B.size(); ++j) posicoes[B[j]].append(j);
  QHash<QString, int> usados;
  std::vector<int> ordem;  // B indices of the key matches, in A order
  for (int i = 0; i < A.size(); ++i) {
    const auto it = posicoes.constFind(A[i]);
    if (it == posicoes.cend()) continue;
    const int k = usados[A[i]]++;
    if (k >= it->size()) continue;
    const int j = it->at(k);
    p.DeA[size_t(i)] = j;
    p.DeB[size_t(j)] = i;
    p.PorChaveB[size_t(j)] = true;
    ordem.push_back(j);
  }
  const std::vector<bool> fica = EmOrdem(ordem);
  for (size_t n = 0; n < ordem.size(); ++n)
    if (!fica[n]) p.MovidoB[size_t(ordem[n])] = true;
  QHash<QString, QList<int>> soltosB;
  for (int j = 0; j < B.size(); ++j)
    if (p.DeB[size_t(j)] < 0) soltosB[GrupoB.value(j)].append(j);
  for (int i = 0; i < A.size(); ++i) {
    if (p.DeA[size_t(i)] >= 0) continue;
    QList<int>& livres = soltosB[GrupoA.value(i)];
    if (livres.isEmpty()) continue;
    const int j = livres.takeFirst();
    p.DeA[size_t(i)] = j;
    p.DeB[size_t(j)] = i;
  }
  return p;
}

QString Posicao(int Indice) { return QStringLiteral("posição ") + QString::number(Indice + 1); }

QString TextoTipoLista(const QString& Tipo) {
  if (Tipo == u"BOTAOWA") return QStringLiteral("Botões");
  if (Tipo == u"LISTAWA") return QStringLiteral("Lista de opções");
  return Tipo;
}

// ---- The comparison ---------------------------------------------------------------

class TComparador {
 public:
  explicit TComparador(std::vector<TDiferenca>& Lista) : FLista(Lista) {}

  void Compara(const TDAC& A, const TDAC& B) {
    FMenu.clear();
    FIndiceA = FIndiceB = -1;
    Campo(QStringLiteral("Nome"), A.Nome, B.Nome);
    Campo(QStringLiteral("Descrição"), A.Descricao, B.Descricao);
    Campo(QStringLiteral("Menu inicial"), A.MenuInicial, B.MenuInicial);
    Campo(QStringLiteral("Tipo de URA"), A.TipoUra, B.TipoUra);
    Campo(QStringLiteral("Tipo de atendimento"), A.TipoAtendimento, B.TipoAtendimento);
    Campo(QStringLiteral("Considerar primeira mensagem no menu inicial"), SimNao(A.PriMsgEhOpcao),
          SimNao(B.PriMsgEhOpcao));
    Campo(QStringLiteral("Versão do arquivo"), QString::number(A.VersaoXML), QString::number(B.VersaoXML));

    const auto& ma = A.ListaMenus->Items();
    const auto& mb = B.ListaMenus->Items();
    QStringList nomesA, nomesB;
    for (const auto& m : ma) nomesA << m->Nome;
    for (const auto& m : mb) nomesB << m->Nome;
    TPares p = PareiaMenus(nomesA, nomesB);
    for (size_t i = 0; i < ma.size(); ++i)
      if (p.DeA[i] < 0) {
        Menu(*ma[i], static_cast<int>(i), -1);
        Adiciona(TTipoDiferenca::Removido, QString(), QString(), ma[i]->Descricao, QString());
      }
    for (size_t j = 0; j < mb.size(); ++j) {
      const int i = p.DeB[j];
      Menu(*mb[j], i, static_cast<int>(j));
      if (i < 0) {
        Adiciona(TTipoDiferenca::Adicionado, QString(), QString(), QString(), mb[j]->Descricao);
        continue;
      }
      if (p.MovidoB[j]) Adiciona(TTipoDiferenca::Movido, QString(), QString(), Posicao(i), Posicao(int(j)));
      if (!MenusIguais(*ma[size_t(i)], *mb[j])) ComparaMenu(*ma[size_t(i)], *mb[j]);
    }
  }

 private:
  static QString SimNao(bool B) { return B ? QStringLiteral("Sim") : QStringLiteral("Não"); }

  // Menus are matched by name only: two different names are two menus.
  static TPares PareiaMenus(const QStringList& A, const QStringList& B) { return Pareia(A, B, A, B); }

  void Menu(const TMenuUra& M, int IndiceA, int IndiceB) {
    FMenu = M.Nome;
    FIndiceA = IndiceA;
    FIndiceB = IndiceB;
  }

  void Adiciona(TTipoDiferenca Tipo, const QString& Secao, const QString& Item, const QString& Antes,
                const QString& Depois) {
    FLista.push_back(TDiferenca{Tipo, FMenu, FIndiceA, FIndiceB, Secao, Item, Antes, Depois});
  }

  void Campo(const QString& Item, const QString& Antes, const QString& Depois, const QString& Secao = QString()) {
    if (Antes != Depois) Adiciona(TTipoDiferenca::Alterado, Secao, Item, Antes, Depois);
  }

  void ComparaMenu(const TMenuUra& A, const TMenuUra& B) {
    Campo(QStringLiteral("Descrição"), A.Descricao, B.Descricao);
    const QString inicio = QStringLiteral("Início");
    ComparaLista(
        A.ListaCondicoes->Items(), B.ListaCondicoes->Items(), inicio, ChaveCondicao, QuandoIgual,
        [](const TMUCondicao& C) { return C.GetStrCondicao(); },
        [](const TMUCondicao&, int I) { return QStringLiteral("Condição ") + QString::number(I + 1); },
        [this](const TMUCondicao& Ca, const TMUCondicao& Cb, int J) {
          const QString secao = NomeSecaoCondicao(J);
          ComparaMensagem(secao, *Ca.Mensagem, *Cb.Mensagem);
          ComparaAcoes(secao, *Ca.ListaAcao, *Cb.ListaAcao);
        });
    ComparaMensagem(QStringLiteral("Mensagem"), *A.MensagemMenu, *B.MensagemMenu, QString());
    ComparaMenuLista(A, B);
    ComparaLista(
        A.ListaOpcoes->Items(), B.ListaOpcoes->Items(), QStringLiteral("Opções"),
        [](const TMUOpcao& O) { return O.GetStrOpcaoCfg(); }, RegraIgual,
        [](const TMUOpcao& O) { return O.GetStrOpcao(); }, NomeSecaoOpcao,
        [this](const TMUOpcao& Oa, const TMUOpcao& Ob, int J) {
          const QString secao = NomeSecaoOpcao(Ob, J);
          ComparaMensagem(secao, *Oa.Mensagem, *Ob.Mensagem);
          ComparaAcoes(secao, *Oa.ListaAcao, *Ob.ListaAcao);
        },
        // Options are told apart by their value: another value is another option.
        +[](const TMUOpcao& O) -> QString { return O.GetValor(); });
    if (FallbacksContam(A, B)) {
      const QString invalida = QStringLiteral("Opção inválida"), timeout = QStringLiteral("Timeout");
      const TMUOpcaoInvalida& ia = *A.OpcaoInvalida;
      const TMUOpcaoInvalida& ib = *B.OpcaoInvalida;
      Numero(invalida, QStringLiteral("Tentativas"), ia.Tentativas, ib.Tentativas);
      ComparaMensagem(invalida, *ia.Mensagem, *ib.Mensagem);
      ComparaAcoes(invalida, *ia.ListaAcao, *ib.ListaAcao);
      const TMUOpcaoTimeout& ta = *A.OpcaoTimeout;
      const TMUOpcaoTimeout& tb = *B.OpcaoTimeout;
      Numero(timeout, QStringLiteral("Tentativas"), ta.Tentativas, tb.Tentativas);
      Numero(timeout, QStringLiteral("Tempo"), ta.Tempo, tb.Tempo);
      ComparaMensagem(timeout, *ta.Mensagem, *tb.Mensagem);
      ComparaAcoes(timeout, *ta.ListaAcao, *tb.ListaAcao);
    }
    const QString final = QStringLiteral("Final");
    ComparaMensagem(final, *A.Final->Mensagem, *B.Final->Mensagem);
    ComparaAcoes(final, *A.Final->ListaAcao, *B.Final->ListaAcao);
  }

  void Numero(const QString& Secao, const QString& Item, int Antes, int Depois) {
    if (Antes != Depois)
      Adiciona(TTipoDiferenca::Alterado, Secao, Item, QString::number(Antes), QString::number(Depois));
  }

  void ComparaMenuLista(const TMenuUra& A, const TMenuUra& B) {
    if (MenuListaIgual(A, B)) return;
    const QString secao = QStringLiteral("Menu de lista");
    const QString ta = A.GetTipoMenuOpcoesWA(), tb = B.GetTipoMenuOpcoesWA();
    if (ta.isEmpty() || tb.isEmpty()) {
      Adiciona(ta.isEmpty() ? TTipoDiferenca::Adicionado : TTipoDiferenca::Removido, secao, QString(),
               ta.isEmpty() ? QString() : A.MenuOpcoesWA->GetMenuMensagem(),
               tb.isEmpty() ? QString() : B.MenuOpcoesWA->GetMenuMensagem());
      return;
    }
    Campo(QStringLiteral("Tipo"), TextoTipoLista(ta), TextoTipoLista(tb), secao);
    const TMUMenuOpcaoWA& a = *A.MenuOpcoesWA;
    const TMUMenuOpcaoWA& b = *B.MenuOpcoesWA;
    ComparaMensagem(secao, *a.Titulo, *b.Titulo, QStringLiteral("Cabeçalho"));
    ComparaMensagem(secao, *a.Texto, *b.Texto, QStringLiteral("Mensagem principal"));
    ComparaMensagem(secao, *a.Rodape, *b.Rodape, QStringLiteral("Rodapé"));
    ComparaMensagem(secao, *a.TituloMenuOpcoes, *b.TituloMenuOpcoes, QStringLiteral("Título das opções"));
    ComparaLista(
        a.ListaItensMenuOpcao->Items(), b.ListaItensMenuOpcao->Items(), secao, ChaveItem,
        [](const TMUItemMenuOpcaoWA& x, const TMUItemMenuOpcaoWA& y) { return Iguais(x, y); }, DescreveItem,
        [](const TMUItemMenuOpcaoWA&, int I) { return QStringLiteral("Item ") + QString::number(I + 1); },
        [](const TMUItemMenuOpcaoWA&, const TMUItemMenuOpcaoWA&, int) {});
  }

  void ComparaAcoes(const QString& Secao, const TMUListaAcao& A, const TMUListaAcao& B) {
    if (Iguais(A, B)) return;
    ComparaLista(
        A.Items(), B.Items(), Secao, ChaveAcao, [](const TMUAcao&, const TMUAcao&) { return true; },
        [](const TMUAcao& X) { return X.GetStrAcao(); },
        [](const TMUAcao&, int I) { return QStringLiteral("Ação ") + QString::number(I + 1); },
        [](const TMUAcao&, const TMUAcao&, int) {});
  }

  void ComparaMensagem(const QString& Secao, const TMUMensagem& A, const TMUMensagem& B,
                       const QString& Item = QStringLiteral("Mensagem")) {
    if (Iguais(A, B)) return;
    QString antes = A.GetStrMensagem(), depois = B.GetStrMensagem();
    // Different files may share a description: then show the files.
    if (antes == depois) {
      antes = TextoMensagem(A);
      depois = TextoMensagem(B);
    }
    const TTipoDiferenca tipo = MensagemVazia(A)   ? TTipoDiferenca::Adicionado
                                : MensagemVazia(B) ? TTipoDiferenca::Removido
                                                   : TTipoDiferenca::Alterado;
    Adiciona(tipo, Secao, Item, antes, depois);
  }

  // Items of one list: removed (A order), then B's items in order: added,
  // moved, changed (with Detalhe for their messages and actions).
  template <class T, class FChave, class FRegra, class FDescreve, class FRotulo, class FDetalhe>
  void ComparaLista(const std::vector<std::unique_ptr<T>>& A, const std::vector<std::unique_ptr<T>>& B,
                    const QString& Secao, FChave Chave, FRegra RegraIgual, FDescreve Descreve, FRotulo Rotulo,
                    FDetalhe Detalhe, QString (*Grupo)(const T&) = nullptr) {
    QStringList ca, cb, ga, gb;
    for (const auto& x : A) ca << Chave(*x);
    for (const auto& x : B) cb << Chave(*x);
    if (Grupo) {
      for (const auto& x : A) ga << Grupo(*x);
      for (const auto& x : B) gb << Grupo(*x);
    }
    const TPares p = Pareia(ca, cb, ga, gb);
    for (size_t i = 0; i < A.size(); ++i)
      if (p.DeA[i] < 0) Adiciona(TTipoDiferenca::Removido, Secao, Rotulo(*A[i], int(i)), Descreve(*A[i]), QString());
    for (size_t j = 0; j < B.size(); ++j) {
      const T& b = *B[j];
      const int i = p.DeB[j];
      if (i < 0) {
        Adiciona(TTipoDiferenca::Adicionado, Secao, Rotulo(b, int(j)), QString(), Descreve(b));
        continue;
      }
      const T& a = *A[size_t(i)];
      if (p.MovidoB[j]) Adiciona(TTipoDiferenca::Movido, Secao, Rotulo(b, int(j)), Posicao(i), Posicao(int(j)));
      if (!p.PorChaveB[j] || !RegraIgual(a, b)) {
        QString antes = Descreve(a), depois = Descreve(b);
        // A description may leave out what changed: then show the raw values.
        if (antes == depois) {
          antes = QString(ca[i]).replace(kSeparador, QStringLiteral(" | "));
          depois = QString(cb[qsizetype(j)]).replace(kSeparador, QStringLiteral(" | "));
        }
        Adiciona(TTipoDiferenca::Alterado, Secao, Rotulo(b, int(j)), antes, depois);
      }
      Detalhe(a, b, int(j));
    }
  }

  std::vector<TDiferenca>& FLista;
  QString FMenu;
  int FIndiceA = -1;
  int FIndiceB = -1;
};

}  // namespace

QString TDiferenca::GetStrTipo() const {
  switch (Tipo) {
    case TTipoDiferenca::Adicionado: return QStringLiteral("adicionado");
    case TTipoDiferenca::Removido: return QStringLiteral("removido");
    case TTipoDiferenca::Movido: return QStringLiteral("movido");
    case TTipoDiferenca::Alterado: break;
  }
  return QStringLiteral("alterado");
}

QString TDiferenca::GetStrLinha() const {
  QStringList partes{Menu.isEmpty() && IndiceA < 0 && IndiceB < 0 ? QStringLiteral("URA")
                                                                  : QStringLiteral("Menu ") + Menu};
  if (!Secao.isEmpty()) partes << Secao;
  if (!Item.isEmpty()) partes << Item;
  partes << GetStrTipo();
  QString linha = partes.join(QStringLiteral(": "));
  const auto aspas = [](const QString& T) { return u'"' + T + u'"'; };
  if (Tipo == TTipoDiferenca::Alterado || Tipo == TTipoDiferenca::Movido)
    linha += QStringLiteral(": ") + aspas(Antes) + QStringLiteral(" -> ") + aspas(Depois);
  else if (Tipo == TTipoDiferenca::Adicionado && !Depois.isEmpty())
    linha += QStringLiteral(": ") + aspas(Depois);
  else if (Tipo == TTipoDiferenca::Removido && !Antes.isEmpty())
    linha += QStringLiteral(": ") + aspas(Antes);
  return linha;
}

void TDiferencas::Compara(const TDAC& A, const TDAC& B) {
  FLista.clear();
  TComparador(FLista).Compara(A, B);
}

QStringList TDiferencas::Linhas() const {
  QStringList linhas;
  for (const TDiferenca& d : FLista) linhas << d.GetStrLinha();
  return linhas;
}

bool MesmoSignificado(const TMenuUra& A, const TMenuUra& B) { return MenusIguais(A, B); }
