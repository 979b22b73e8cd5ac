#include "fluxo.h"

#include <QSet>

#include "acao.h"
#include "dac.h"
#include "infoauxiliar.h"
#include "menuura.h"

namespace {

// Jumps inside the menu and the section each one enters.
int SecaoDoSalto(const QString& Tipo) {
  if (Tipo == u"INICIO") return 0;
  if (Tipo == u"OPCOES") return 1;
  if (Tipo == u"INVALIDA") return 2;
  if (Tipo == u"FINAL") return 4;
  return -1;
}

// The section a go-to action enters: its Variavel "1" to "4"; anything else
// enters at Início, as the action's description reads it.
int SecaoDoVaiPara(const QString& Variavel) {
  if (Variavel.size() == 1 && Variavel.at(0) >= u'1' && Variavel.at(0) <= u'4') return Variavel.at(0).unicode() - u'0';
  return 0;
}

// The codes that hand the call over or end it.
bool EhFim(const QString& Tipo) {
  static const QSet<QString> fins = {QStringLiteral("DISCA"),   QStringLiteral("DISCAF"),  QStringLiteral("DISCAG"),
                                     QStringLiteral("DISCAR"),  QStringLiteral("DISCAU"),  QStringLiteral("DISCAC"),
                                     QStringLiteral("DISCAOP"), QStringLiteral("DESLIGA"), QStringLiteral("DESLIGAFH"),
                                     QStringLiteral("COMANDO")};
  return fins.contains(Tipo);
}

// What an end is called, which is also what tells two ends apart: the
// priority of a queue transfer belongs to the call, not to the queue; the
// out-of-hours hang-up is told from the plain one in every kind of document.
QString DescricaoFim(const TMUAcao& A) {
  if (A.Tipo == u"DESLIGAFH") return QStringLiteral("Encerra a chamada (fora de horário)");
  if (A.Tipo != u"DISCAF") return A.GetStrAcao();
  TMUAcao semPrioridade(A.DAC, A.Tipo);
  semPrioridade.CopyFrom(&A);
  semPrioridade.Variavel.clear();
  return semPrioridade.GetStrAcao();
}

// The action that decides where a section leads: the first one that leaves
// the running sequence; without one, a command that runs last hands the call
// to its script. Null when the section leads nowhere.
const TMUAcao* AcaoDeSaida(const TMUListaAcao& Lista) {
  const int n = AcoesExecutadas(Lista);
  if (n == 0) return nullptr;
  const TMUAcao* ultima = Lista.GetItem(n - 1);
  if (SaiDaSequencia(ultima->Tipo)) return ultima;
  for (int i = n - 1; i >= 0; --i)
    if (Lista.GetItem(i)->Tipo == u"COMANDO") return Lista.GetItem(i);
  return nullptr;
}

}  // namespace

TFluxo::TFluxo(const TDAC& Dac, const TMUListaDescricaoMensagem* Catalogo) {
  Monta(Dac, VerificaURA(Dac, Catalogo && Catalogo->Count() > 0 ? Catalogo : nullptr));
}

TFluxo::TFluxo(const TDAC& Dac, const std::vector<TAchado>& Achados) { Monta(Dac, Achados); }

int TFluxo::NoDoMenu(const QString& Nome) const { return Nome.isEmpty() ? -1 : FIndice.value(Nome, -1); }

QString TFluxo::NomeSecao(int Secao) {
  static const QString nomes[] = {QStringLiteral("Início"), QStringLiteral("Opções"), QStringLiteral("Opção inválida"),
                                  QStringLiteral("Timeout"), QStringLiteral("Final")};
  return (Secao >= 0 && Secao < 5) ? nomes[Secao] : QString();
}

void TFluxo::Monta(const TDAC& Dac, const std::vector<TAchado>& Achados) {
  NomeUra = Dac.Nome;
  const auto& menus = Dac.ListaMenus->Items();
  Menus = int(menus.size());
  Nos.reserve(menus.size());
  for (int i = 0; i < Menus; ++i) {
    const TMenuUra& m = *menus[size_t(i)];
    TNoFluxo no;
    no.Nome = m.Nome;
    no.Descricao = m.Descricao;
    no.IndiceMenu = i;
    no.Condicoes = m.ListaCondicoes->Count();
    no.Opcoes = m.ListaOpcoes->Count();
    Nos.push_back(std::move(no));
  }
  for (int i = Menus - 1; i >= 0; --i) FIndice[Nos[size_t(i)].Nome] = i;

  QHash<QString, int> fins, inexistentes;
  auto noInexistente = [&](const QString& Nome) {
    int& k = inexistentes[Nome];
    if (k == 0) {
      TNoFluxo no;
      no.Tipo = TTipoNoFluxo::Inexistente;
      no.Nome = Nome;
      Nos.push_back(std::move(no));
      k = int(Nos.size());
    }
    return k - 1;
  };
  auto noFim = [&](const TMUAcao& A) {
    const QString descricao = DescricaoFim(A);
    int& k = fins[A.Tipo + u'\n' + descricao];
    if (k == 0) {
      TNoFluxo no;
      no.Tipo = TTipoNoFluxo::Fim;
      no.Nome = descricao;
      no.Acao = A.Tipo;
      Nos.push_back(std::move(no));
      k = int(Nos.size());
    }
    return k - 1;
  };

  if (!Dac.MenuInicial.isEmpty()) {
    int inicial = NoDoMenu(Dac.MenuInicial);
    if (inicial < 0) inicial = noInexistente(Dac.MenuInicial);
    Nos[size_t(inicial)].Inicial = true;
  }
  for (const TAchado& a : Achados) {
    if (a.IndiceMenu < 0 || a.IndiceMenu >= Menus) {
      AchadosDocumento.push_back(a);
      continue;
    }
    TNoFluxo& no = Nos[size_t(a.IndiceMenu)];
    no.Achados.push_back(a);
    if (a.Codigo == u"menu-inalcancavel") no.Alcancavel = false;
  }

  auto sai = [&](int Origem, const TMUListaAcao& Lista, TSaidaFluxo Saida, int Indice, const QString& Rotulo) {
    const TMUAcao* a = AcaoDeSaida(Lista);
    if (!a) return;
    TArestaFluxo e;
    e.Origem = Origem;
    e.Saida = Saida;
    e.Indice = Indice;
    e.Acao = a->Tipo;
    if (a->Tipo == u"VAIPARA") {
      e.SecaoDestino = SecaoDoVaiPara(a->Variavel);
      e.Destino = NoDoMenu(a->ValorMenu);
      if (e.Destino < 0) e.Destino = noInexistente(a->ValorMenu);
    } else if (SecaoDoSalto(a->Tipo) >= 0) {
      e.SecaoDestino = SecaoDoSalto(a->Tipo);
      e.Destino = Origem;
    } else if (EhFim(a->Tipo)) {
      e.Destino = noFim(*a);
    } else {
      return;  // an empty or unknown code: the check reports it
    }
    e.Rotulo = Rotulo;
    if (e.SecaoDestino > 0 || (e.SecaoDestino == 0 && e.Laco()))
      e.Rotulo += QStringLiteral(" » ") + NomeSecao(e.SecaoDestino);
    Arestas.push_back(std::move(e));
  };
  auto comTentativas = [](const QString& Nome, int Tentativas) {
    return Nome + QStringLiteral(" (") + QString::number(Tentativas) + QStringLiteral("x)");
  };

  for (int i = 0; i < Menus; ++i) {
    const TMenuUra& m = *menus[size_t(i)];
    for (int j = 0; j < m.ListaCondicoes->Count(); ++j) {
      const TMUCondicao& c = *m.ListaCondicoes->GetItem(j);
      const QString descricao = c.GetStrCondicao();
      sai(i, *c.ListaAcao, TSaidaFluxo::Condicao, j,
          descricao.isEmpty() ? QStringLiteral("Condição ") + QString::number(j + 1) : descricao);
    }
    for (int j = 0; j < m.ListaOpcoes->Count(); ++j) {
      const TMUOpcao& o = *m.ListaOpcoes->GetItem(j);
      const QString valor = o.GetDescricaoValor();
      sai(i, *o.ListaAcao, TSaidaFluxo::Opcao, j,
          valor.isEmpty() ? QStringLiteral("Opção ") + QString::number(j + 1) : valor);
    }
    if (m.ListaOpcoes->Count() > 0) {
      sai(i, *m.OpcaoInvalida->ListaAcao, TSaidaFluxo::Invalida, -1,
          comTentativas(QStringLiteral("Opção inválida"), m.OpcaoInvalida->Tentativas));
      sai(i, *m.OpcaoTimeout->ListaAcao, TSaidaFluxo::Timeout, -1,
          comTentativas(QStringLiteral("Timeout"), m.OpcaoTimeout->Tentativas));
    }
    sai(i, *m.Final->ListaAcao, TSaidaFluxo::Final, -1, QStringLiteral("Final"));
  }
}
