#include "busca.h"

#include <QSet>
#include <QStringMatcher>

#include "UTKRDACFuncoes.h"
#include "dac.h"
#include "infoauxiliar.h"
#include "secoesmenu.h"

namespace {

const QString kSetaLinha = QStringLiteral("↩");

QString CampoAcao(int Indice) { return QStringLiteral("Ação ") + QString::number(Indice + 1); }

TLugar Lugar(const TDAC& Dac, int Menu, const QString& Secao, const QString& Campo, const QString& Texto) {
  const TMenuUra* m = Dac.ListaMenus->GetItem(Menu);
  return TLugar{m ? Menu : -1, m ? m->Nome : QString(), Secao, Campo, Texto};
}

// Calls Faz(menu index, menu, section) for every section the server runs.
template <class F>
void ParaCadaSecaoAtiva(const TDAC& Dac, F&& Faz) {
  const auto& menus = Dac.ListaMenus->Items();
  for (size_t i = 0; i < menus.size(); ++i) {
    const TMenuUra& m = *menus[i];
    ParaCadaSecao(m, [&](const TParteMenu& S) {
      if (S.Ativa) Faz(static_cast<int>(i), m, S);
    });
  }
}

bool ReferenciaMenu(const TMUAcao& A, const QString& Nome) { return A.Tipo == u"VAIPARA" && A.ValorMenu == Nome; }

// A chat "MENSAGEM" action keeps its texts one per line.
bool LinhaDeTexto(const QString& Valor, const QString& Texto) {
  if (Texto.isEmpty()) return false;
  return Valor == Texto || Valor.startsWith(Texto + u'\n') || Valor.endsWith(u'\n' + Texto) ||
         Valor.contains(u'\n' + Texto + u'\n');
}

class TLocalizador {
 public:
  TLocalizador(const TDAC& Dac, const QString& Procura, const TMUListaDescricaoMensagem* Catalogo)
      : FDac(Dac), FProcura(Procura, Qt::CaseInsensitive) {
    // The catalogue is searched once: which files its matching descriptions name.
    if (Catalogo)
      for (const auto& e : Catalogo->Items()) {
        if (Contem(e->Descricao)) FArquivosDescritos.insert(e->Arquivo);
        FCatalogo = Catalogo;
      }
  }

  std::vector<TLugar> Procura() {
    if (Contem(FDac.Nome)) Adiciona(-1, QString(), QStringLiteral("Nome da URA"), FDac.Nome);
    if (Contem(FDac.Descricao)) Adiciona(-1, QString(), QStringLiteral("Descrição da URA"), FDac.Descricao);
    const auto& menus = FDac.ListaMenus->Items();
    for (size_t i = 0; i < menus.size(); ++i) ProcuraMenu(static_cast<int>(i), *menus[i]);
    return std::move(FLugares);
  }

 private:
  bool Contem(QStringView Texto) const { return FProcura.indexIn(Texto) >= 0; }

  void Adiciona(int Menu, const QString& Secao, const QString& Campo, const QString& Texto) {
    FLugares.push_back(Lugar(FDac, Menu, Secao, Campo, Texto));
  }

  void ProcuraMenu(int Indice, const TMenuUra& M) {
    if (Contem(M.Nome)) Adiciona(Indice, QString(), QStringLiteral("Nome"), M.Nome);
    if (Contem(M.Descricao)) Adiciona(Indice, QString(), QStringLiteral("Descrição"), M.Descricao);
    ParaCadaSecao(M, [&](const TParteMenu& S) {
      if (!S.Ativa) return;  // never written, never run
      // The section's name is built only for what is found.
      const auto acha = [&](const QString& Campo, const QString& Texto) {
        Adiciona(Indice, NomeSecao(M, S), Campo, Texto);
      };
      if (S.Tipo == TTipoSecao::Condicao) {
        const QString condicao = M.ListaCondicoes->GetItem(S.Indice)->GetStrCondicao();
        if (Contem(condicao)) acha(QStringLiteral("Condição"), condicao);
      } else if (S.Tipo == TTipoSecao::Opcao) {
        const TMUOpcao& o = *M.ListaOpcoes->GetItem(S.Indice);
        for (const QString* texto : {&o.GetValor(), &o.ComecaCom, &o.TerminaCom, &o.Contem, &o.TextoAlfaAdicional})
          if (Contem(*texto)) {
            acha(QStringLiteral("Opção"), o.GetStrOpcao());
            break;
          }
      } else if (S.Tipo == TTipoSecao::ItemMenuLista) {
        const TMUItemMenuOpcaoWA& item = *M.MenuOpcoesWA->ListaItensMenuOpcao->GetItem(S.Indice);
        // Each item gives two sections (title, description); its answer is searched with the title.
        if (S.Mensagem == item.Titulo.get() && Contem(item.Resposta)) acha(QStringLiteral("Resposta"), item.Resposta);
      }
      if (S.Mensagem) ProcuraMensagem(*S.Mensagem, acha);
      if (S.Acoes)
        for (int k = 0; k < S.Acoes->Count(); ++k) {
          const TMUAcao& a = *S.Acoes->GetItem(k);
          if (Contem(a.GetValor()) || Contem(a.Variavel)) acha(CampoAcao(k), a.GetStrAcao());
        }
    });
  }

  template <class F>
  void ProcuraMensagem(const TMUMensagem& M, F&& Acha) {
    for (int k = 0; k < M.ArquivosCount(); ++k) {
      const QString guardado = M.GetArquivo(k, true);
      // A variable reference '{X}' reads 'Mensagem(X)'; built in a reused buffer.
      QStringView mostrado = guardado;
      if (guardado.size() > 1 && guardado.startsWith(u'{') && guardado.endsWith(u'}')) {
        FBuffer.resize(0);
        FBuffer.append(u"Mensagem(").append(QStringView(guardado).mid(1, guardado.size() - 2)).append(u')');
        mostrado = FBuffer;
      }
      if (Contem(mostrado) || FArquivosDescritos.contains(guardado)) {
        const QString arquivo = mostrado.toString();
        const QString descricao = FCatalogo ? FCatalogo->GetDescricao(arquivo) : QString();
        Acha(QStringLiteral("Mensagem"),
             descricao.isEmpty() ? arquivo : arquivo + QStringLiteral(" (") + descricao + u')');
      }
    }
    // A chat text is searched as it reads; its stored form (line breaks
    // escaped) holds every match that stays within a line, so it sifts first.
    for (int k = 0; k < M.MensagensChatCount(); ++k)
      if (Contem(M.GetMensagemChat(k, QString())) && Contem(M.GetMensagemChat(k, QStringLiteral("\n"))))
        Acha(QStringLiteral("Mensagem"), M.GetMensagemChat(k, kSetaLinha));
  }

  const TDAC& FDac;
  const QStringMatcher FProcura;
  const TMUListaDescricaoMensagem* FCatalogo = nullptr;
  QString FBuffer;
  QSet<QString> FArquivosDescritos;
  std::vector<TLugar> FLugares;
};

}  // namespace

std::vector<TLugar> LocalizaTexto(const TDAC& Dac, const QString& Procura, const TMUListaDescricaoMensagem* Catalogo) {
  if (Procura.trimmed().isEmpty()) return {};
  return TLocalizador(Dac, Procura, Catalogo).Procura();
}

std::vector<TLugar> OndeUsadoMenu(const TDAC& Dac, const QString& NomeMenu) {
  std::vector<TLugar> lugares;
  if (NomeMenu.isEmpty()) return lugares;
  if (Dac.MenuInicial == NomeMenu)
    lugares.push_back(Lugar(Dac, -1, QString(), QStringLiteral("Menu inicial"), NomeMenu));
  ParaCadaSecaoAtiva(Dac, [&](int Menu, const TMenuUra& M, const TParteMenu& S) {
    for (int k = 0; S.Acoes && k < S.Acoes->Count(); ++k)
      if (ReferenciaMenu(*S.Acoes->GetItem(k), NomeMenu))
        lugares.push_back(Lugar(Dac, Menu, NomeSecao(M, S), CampoAcao(k), S.Acoes->GetItem(k)->GetStrAcao()));
  });
  return lugares;
}

std::vector<TLugar> OndeUsadoMensagem(const TDAC& Dac, const QString& Arquivo) {
  std::vector<TLugar> lugares;
  if (Arquivo.isEmpty()) return lugares;
  ParaCadaSecaoAtiva(Dac, [&](int Menu, const TMenuUra& M, const TParteMenu& S) {
    const TMUMensagem& msg = *S.Mensagem;
    for (int k = 0; k < msg.ArquivosCount(); ++k)
      if (msg.GetArquivo(k, true) == Arquivo)
        lugares.push_back(Lugar(Dac, Menu, NomeSecao(M, S), QStringLiteral("Mensagem"), msg.GetStrMensagem()));
    for (int k = 0; S.Acoes && k < S.Acoes->Count(); ++k) {
      const TMUAcao& a = *S.Acoes->GetItem(k);
      if (a.Tipo == u"MENSAGEM" && !Dac.UraChat() && a.ValorNumero.split(u',').contains(Arquivo))
        lugares.push_back(Lugar(Dac, Menu, NomeSecao(M, S), CampoAcao(k), a.GetStrAcao()));
    }
  });
  return lugares;
}

std::vector<TLugar> OndeUsadoTextoChat(const TDAC& Dac, const QString& Texto) {
  std::vector<TLugar> lugares;
  if (Texto.isEmpty()) return lugares;
  // The action keeps its texts with plain line feeds, one text per line.
  const QString linhas = decodeCRLFTo(Texto, QStringLiteral("\n"));
  ParaCadaSecaoAtiva(Dac, [&](int Menu, const TMenuUra& M, const TParteMenu& S) {
    const TMUMensagem& msg = *S.Mensagem;
    for (int k = 0; k < msg.MensagensChatCount(); ++k)
      if (msg.GetMensagemChat(k, QString()) == Texto)
        lugares.push_back(
            Lugar(Dac, Menu, NomeSecao(M, S), QStringLiteral("Mensagem"), msg.GetMensagemChat(k, kSetaLinha)));
    for (int k = 0; S.Acoes && k < S.Acoes->Count(); ++k) {
      const TMUAcao& a = *S.Acoes->GetItem(k);
      if (a.Tipo == u"MENSAGEM" && Dac.UraChat() && LinhaDeTexto(a.ValorNumero, linhas))
        lugares.push_back(Lugar(Dac, Menu, NomeSecao(M, S), CampoAcao(k), a.GetStrAcao()));
    }
  });
  return lugares;
}

int TrocaReferenciasMenu(TDAC& Dac, const QString& Antigo, const QString& Novo) {
  if (Antigo.isEmpty()) return 0;
  int trocas = 0;
  if (Dac.MenuInicial == Antigo) {
    Dac.MenuInicial = Novo;
    ++trocas;
  }
  // The sections hand out writable action lists (see TParteMenu).
  ParaCadaSecaoAtiva(Dac, [&](int, const TMenuUra&, const TParteMenu& S) {
    for (int k = 0; S.Acoes && k < S.Acoes->Count(); ++k) {
      TMUAcao* a = S.Acoes->GetItem(k);
      if (!ReferenciaMenu(*a, Antigo)) continue;
      a->ValorMenu = Novo;
      ++trocas;
    }
  });
  return trocas;
}
