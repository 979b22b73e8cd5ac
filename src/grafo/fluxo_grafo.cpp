#include "fluxo_grafo.h"

#include <QHash>
#include <algorithm>
#include <utility>

namespace {

constexpr int kLarguraRotulo = 30;
constexpr qsizetype kMaxRotulos = 4;  // ways written on one edge; the tooltip has them all

QString Plural(int N, const char* Um, const char* Varios) {
  return QString::number(N) + u' ' + QString::fromUtf8(N == 1 ? Um : Varios);
}

QString LinhaAchado(const TAchado& A) {
  QString linha = A.GetStrGravidade() + QStringLiteral(": ");
  if (!A.Secao.isEmpty()) linha += A.Secao + QStringLiteral(": ");
  return linha + A.Texto;
}

TNoGrafo NoMenu(const TNoFluxo& N, bool Link) {
  TNoGrafo g;
  QStringList linhas{N.Nome.isEmpty() ? QStringLiteral("(sem nome)") : N.Nome};
  if (N.Inicial) linhas << QStringLiteral("(menu inicial)");
  if (!N.Descricao.isEmpty()) linhas << QuebraTexto(N.Descricao, kLarguraRotulo, 2);
  QStringList contagem;
  if (N.Condicoes > 0) contagem << Plural(N.Condicoes, "condição", "condições");
  if (N.Opcoes > 0) contagem << Plural(N.Opcoes, "opção", "opções");
  if (!contagem.isEmpty()) linhas << contagem.join(QStringLiteral(", "));
  const int erros = N.Erros(), avisos = N.Avisos();
  QStringList achados;
  if (erros > 0) achados << Plural(erros, "erro", "erros");
  if (avisos > 0) achados << Plural(avisos, "aviso", "avisos");
  if (!achados.isEmpty()) linhas << achados.join(QStringLiteral(", "));
  g.Rotulo = linhas.join(u'\n');

  QStringList dica{N.Nome};
  if (!N.Descricao.isEmpty()) dica << N.Descricao;
  for (const TAchado& a : N.Achados) dica << LinhaAchado(a);
  g.Dica = dica.join(u'\n');
  if (Link && !N.Nome.isEmpty()) g.Link = u'#' + N.Nome;

  g.Forma = TFormaNo::CaixaArredondada;
  if (erros > 0) {
    g.CorFundo = QStringLiteral("#FCE4E4");
    g.CorBorda = QStringLiteral("#C00000");
  } else if (avisos > 0) {
    g.CorFundo = QStringLiteral("#FFF2CC");
    g.CorBorda = QStringLiteral("#BF8F00");
  } else {
    g.CorFundo = QStringLiteral("#DDEBF7");
    g.CorBorda = QStringLiteral("#2F5597");
  }
  if (N.Inicial) {
    g.BordaDupla = true;
    g.Espessura = 2;
  }
  g.Tracejado = g.Apartado = !N.Alcancavel;
  return g;
}

TNoGrafo NoFim(const TNoFluxo& N) {
  TNoGrafo g;
  g.Rotulo = QuebraTexto(N.Nome, kLarguraRotulo, 3);
  g.Dica = N.Nome;
  g.Forma = TFormaNo::Caixa;
  if (N.Acao.startsWith(QStringLiteral("DESLIGA"))) {
    g.Forma = TFormaNo::Octogono;
    g.CorFundo = QStringLiteral("#EDEDED");
    g.CorBorda = QStringLiteral("#595959");
  } else if (N.Acao == u"COMANDO") {
    g.CorFundo = QStringLiteral("#EDE7F6");
    g.CorBorda = QStringLiteral("#7030A0");
  } else {
    g.CorFundo = QStringLiteral("#E2F0D9");
    g.CorBorda = QStringLiteral("#548235");
  }
  return g;
}

TNoGrafo NoInexistente(const TNoFluxo& N) {
  TNoGrafo g;
  const QString nome = N.Nome.isEmpty() ? QStringLiteral("(sem nome)") : N.Nome;
  g.Rotulo = QStringLiteral("Menu inexistente\n") + nome;
  g.Dica = QStringLiteral("O menu \"") + N.Nome + QStringLiteral("\" não existe");
  g.Forma = TFormaNo::Caixa;
  g.CorFundo = QStringLiteral("#C00000");
  g.CorBorda = QStringLiteral("#800000");
  g.CorTexto = QStringLiteral("#FFFFFF");
  g.Espessura = 2;
  g.BordaDupla = N.Inicial;
  return g;
}

void EstiloAresta(TArestaGrafo& G, TSaidaFluxo Saida) {
  switch (Saida) {
    case TSaidaFluxo::Condicao: G.Cor = QStringLiteral("#2F5597"); break;
    case TSaidaFluxo::Opcao: G.Cor = QStringLiteral("#303030"); break;
    case TSaidaFluxo::Invalida:
    case TSaidaFluxo::Timeout:
      G.Cor = QStringLiteral("#C55A11");
      G.Tracejada = true;
      break;
    case TSaidaFluxo::Final: G.Cor = QStringLiteral("#6F6F6F"); break;
  }
}

}  // namespace

QString QuebraTexto(const QString& Texto, int Largura, int MaxLinhas) {
  const QStringList palavras = Texto.simplified().split(u' ', Qt::SkipEmptyParts);
  QStringList linhas;
  QString linha;
  for (const QString& p : palavras) {
    if (!linha.isEmpty() && linha.size() + 1 + p.size() > Largura) {
      linhas << linha;
      linha.clear();
    }
    linha += (linha.isEmpty() ? QString() : QStringLiteral(" ")) + p;
  }
  if (!linha.isEmpty()) linhas << linha;
  if (MaxLinhas > 0 && linhas.size() > MaxLinhas) {
    linhas = linhas.mid(0, MaxLinhas);
    linhas.last() += QStringLiteral("...");
  }
  return linhas.join(u'\n');
}

TGrafo GrafoDoFluxo(const TFluxo& F, bool LinksParaMenus) {
  TGrafo g;
  g.Nome = F.NomeUra;
  g.TituloApartados = QStringLiteral("Menus sem caminho a partir do menu inicial");
  g.Nos.reserve(F.Nos.size());
  for (const TNoFluxo& n : F.Nos) {
    switch (n.Tipo) {
      case TTipoNoFluxo::Menu: g.Nos.push_back(NoMenu(n, LinksParaMenus)); break;
      case TTipoNoFluxo::Fim: g.Nos.push_back(NoFim(n)); break;
      case TTipoNoFluxo::Inexistente: g.Nos.push_back(NoInexistente(n)); break;
    }
  }

  // Ways out with the same ends share one drawn edge.
  QHash<std::pair<int, int>, int> desenhada;
  std::vector<QStringList> rotulos;
  for (const TArestaFluxo& a : F.Arestas) {
    const auto chave = std::make_pair(a.Origem, a.Destino);
    auto it = desenhada.constFind(chave);
    if (it == desenhada.cend()) {
      TArestaGrafo e;
      e.Origem = a.Origem;
      e.Destino = a.Destino;
      EstiloAresta(e, a.Saida);
      it = desenhada.insert(chave, int(g.Arestas.size()));
      g.Arestas.push_back(std::move(e));
      rotulos.emplace_back();
    }
    rotulos[size_t(*it)] << a.Rotulo;
  }
  for (size_t i = 0; i < g.Arestas.size(); ++i) {
    const QStringList& r = rotulos[i];
    QStringList linhas;
    for (qsizetype k = 0; k < std::min<qsizetype>(r.size(), kMaxRotulos); ++k)
      linhas << QuebraTexto(r[k], kLarguraRotulo, 2);
    if (r.size() > kMaxRotulos) linhas << QStringLiteral("(+%1)").arg(r.size() - kMaxRotulos);
    g.Arestas[i].Rotulo = linhas.join(u'\n');
    g.Arestas[i].Dica = r.join(u'\n');
  }
  return g;
}
