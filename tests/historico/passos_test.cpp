// Random edits of the example URAs, each one undo step: undoing every step
// gives back each earlier file byte for byte, redoing gives the later ones;
// and the comparison finds a difference exactly where the written file
// differs (so diff(A, A) is empty).
#include "passos.h"

#include <gtest/gtest.h>

#include <QUndoStack>
#include <random>

#include "UTMenuUra.h"
#include "UTXMLDac.h"
#include "apoio.h"
#include "busca.h"
#include "diferencas.h"

namespace {

QString Exemplo(const char* Nome) { return QStringLiteral(URA_EXAMPLES_DIR "/") + QString::fromLatin1(Nome); }

QString Texto(const TDAC& Dac) {
  QStringList linhas;
  TXMLDac().DACToXMLStringList(&Dac, linhas);
  return linhas.join(u'\n');
}

std::unique_ptr<TDAC> Le(const QString& Xml) {
  auto dac = std::make_unique<TDAC>();
  TXMLDocument doc;
  EXPECT_TRUE(doc.LoadFromString(Xml));
  EXPECT_TRUE(TXMLDac().CarregaDACdoXml(doc, dac.get()));
  return dac;
}

class Edicoes {
 public:
  Edicoes(TDAC& Dac, unsigned Semente) : FDac(Dac), FSorte(Semente) {}

  // One random change, told to a step as the main window tells it.
  std::unique_ptr<TPassoUra> Passo() {
    auto passo = std::make_unique<TPassoUra>([this] { return &FDac; }, QStringLiteral("passo"), Cabecalho());
    TListaMenuUra& menus = *FDac.ListaMenus;
    const int i = Entre(0, menus.Count() - 1);
    switch (Entre(0, 5)) {
      case 0: {  // a menu edited in place
        passo->GuardaMenu(i);
        MudaMenu(*menus.GetItem(i));
        break;
      }
      case 1: {  // a copy under a new name
        auto copia = CopiaMenu(&FDac, *menus.GetItem(i));
        copia->Nome = QStringLiteral("Copia%1").arg(++FNovos);
        passo->MenuInserido(menus.InsertMenu(Entre(0, menus.Count()), std::move(copia)));
        break;
      }
      case 2:  // a menu removed (one always stays)
        if (menus.Count() > 1) passo->MenuRemovido(i, menus.Delete(i));
        break;
      case 3: FDac.Descricao = QStringLiteral("Descrição %1").arg(Entre(0, 3)); break;
      case 4: FDac.MenuInicial = menus.GetItem(i)->Nome; break;
      case 5: {  // renamed, and every place that led to it
        const QString antigo = menus.GetItem(i)->Nome;
        const QString novo = QStringLiteral("Renomeado%1").arg(++FNovos);
        passo->GuardaMenu(i);
        for (const TLugar& l : OndeUsadoMenu(FDac, antigo))
          if (l.IndiceMenu >= 0) passo->GuardaMenu(l.IndiceMenu);
        menus.GetItem(i)->Nome = novo;
        TrocaReferenciasMenu(FDac, antigo, novo);
        break;
      }
    }
    passo->Conclui(Cabecalho());
    return passo;
  }

 private:
  TCabecalhoUra Cabecalho() const { return TCabecalhoUra::De(FDac); }
  int Entre(int A, int B) { return std::uniform_int_distribution<int>(A, std::max(A, B))(FSorte); }

  void MudaMenu(TMenuUra& M) {
    auto acao = [&M](const char* Tipo, const QString& Valor) {
      auto a = std::make_unique<TMUAcao>(M.DAC, QString::fromLatin1(Tipo));
      a->SetValor(Valor);
      return a;
    };
    switch (Entre(0, 7)) {
      case 0: M.Descricao += QStringLiteral(" revisto"); break;
      case 1: M.Final->ListaAcao->Add(acao("DISCA", QString::number(Entre(100, 999)))); break;
      case 2:
        if (M.Final->ListaAcao->Count() > 0) M.Final->ListaAcao->Delete(0);
        break;
      case 3: {
        auto c = std::make_unique<TMUCondicao>(M.DAC);
        c->SetDiasSemana(QStringLiteral("%1").arg(Entre(1, 7)));
        c->ListaAcao->Add(acao("DESLIGA", QString()));
        M.ListaCondicoes->Add(std::move(c));
        break;
      }
      case 4: M.ListaCondicoes->UpItem(M.ListaCondicoes->Count() - 1); break;
      case 5:  // the file keeps a timeout only with a message or an action
        if (M.ListaOpcoes->Count() > 0 && M.OpcaoTimeout->ListaAcao->Count() > 0) M.OpcaoTimeout->Tempo += 1;
        break;
      case 6:  // of the kind the URA uses (the file keeps one kind per message)
        if (TMUOpcao* o = M.ListaOpcoes->GetItem(0)) {
          if (M.DAC->UraChat())
            o->Mensagem->AddMensagemChat(QStringLiteral("extra"));
          else
            o->Mensagem->AddArquivo(QStringLiteral("extra"));
        }
        break;
      case 7: {
        auto o = std::make_unique<TMUOpcao>(M.DAC, QStringLiteral("7%1").arg(Entre(0, 9)));
        o->ListaAcao->Add(acao("VAIPARA", M.Nome));
        M.ListaOpcoes->Add(std::move(o));
        break;
      }
    }
  }

  TDAC& FDac;
  std::mt19937 FSorte;
  int FNovos = 0;
};

TEST(PassosTest, UndoingEveryStepGivesEachEarlierFileAndTheComparisonAgrees) {
  for (const char* exemplo : {"atendimento-voz.xml", "atendimento-chat.xml"}) {
    for (unsigned semente = 1; semente <= 25; ++semente) {
      SCOPED_TRACE(std::string(exemplo) + " " + std::to_string(semente));
      TDAC dac;
      TXMLDocument doc;
      ASSERT_TRUE(TXMLDac().LerXML(doc, &dac, Exemplo(exemplo)));
      EXPECT_TRUE(TDiferencas(dac, dac).Vazia());
      EXPECT_TRUE(TDiferencas(*Le(Texto(dac)), dac).Vazia());
      QUndoStack pilha;
      Edicoes edicoes(dac, semente);
      std::vector<QString> textos{Texto(dac)};
      for (int n = 0; n < 8; ++n) {
        const QString anterior = Texto(dac);
        const int passos = pilha.count();
        pilha.push(edicoes.Passo().release());
        const QString atual = Texto(dac);
        EXPECT_EQ(!TDiferencas(*Le(anterior), dac).Vazia(), atual != anterior) << n;
        // Header steps of one field merge (and vanish when back where they began).
        if (pilha.count() > passos)
          textos.push_back(atual);
        else if (pilha.count() < passos)
          textos.pop_back();
        else
          textos.back() = atual;
        ASSERT_EQ(textos.size(), size_t(pilha.count()) + 1);
        EXPECT_EQ(textos.back(), atual);
      }
      for (size_t i = textos.size() - 1; i > 0; --i) {
        pilha.undo();
        ASSERT_EQ(Texto(dac).toStdString(), textos[i - 1].toStdString()) << i;
      }
      for (size_t i = 1; i < textos.size(); ++i) {
        pilha.redo();
        ASSERT_EQ(Texto(dac).toStdString(), textos[i].toStdString()) << i;
      }
    }
  }
}

TEST(PassosTest, HeaderStepsOfOneFieldMergeAndVanishWhenTypedBack) {
  TDAC dac;
  QUndoStack pilha;
  const auto digita = [&](const QString& Nome) {
    const TCabecalhoUra antes = TCabecalhoUra::De(dac);
    dac.Nome = Nome;
    auto p = std::make_unique<TPassoUra>([&dac] { return &dac; }, TCabecalhoUra::NomePasso(0), antes);
    p->Conclui(TCabecalhoUra::De(dac));
    pilha.push(p.release());
  };
  digita(QStringLiteral("a"));
  digita(QStringLiteral("ab"));
  EXPECT_EQ(pilha.count(), 1);
  EXPECT_EQ(pilha.undoText(), QStringLiteral("Alterar nome da URA"));
  pilha.undo();
  EXPECT_TRUE(dac.Nome.isEmpty());
  pilha.redo();
  EXPECT_EQ(dac.Nome, QStringLiteral("ab"));
  digita(QString());  // back to where the step began
  EXPECT_EQ(pilha.count(), 0);
}

}  // namespace
