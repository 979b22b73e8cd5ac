// The URA check on thousands of random documents: it never crashes, leaves the
// document as it was, gives only known codes with one severity each, names
// the menus it reports on, and gives the same findings twice.
#include "verificacao.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QHash>
#include <random>

#include "UTMenuUra.h"
#include "ajuda_teste.h"

namespace {

class Sorteio {
 public:
  explicit Sorteio(unsigned semente) : rng(semente) {}
  int Entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); }
  template <class T>
  const T& Um(const std::vector<T>& v) {
    return v[size_t(Entre(0, int(v.size()) - 1))];
  }
  QString Texto(int max = 6) {
    static const QString c = QString::fromUtf8("0123456789*#XZN[]-.aAbSsá _${}(),;/\n");
    QString s;
    for (int i = Entre(0, max); i > 0; --i) s += c.at(Entre(0, int(c.size()) - 1));
    return s;
  }

 private:
  std::mt19937 rng;
};

const std::vector<QString> kNomes = {"A", "B", "C", "", "a", "á b"};
const std::vector<QString> kCodigos = {"INICIO",      "OPCOES",     "INVALIDA", "FINAL",   "VAIPARA",   "DISCA",
                                       "DISCAF",      "DISCAG",     "DISCAR",   "DISCAU",  "DISCAC",    "DISCAS",
                                       "FALADIGITOS", "FALANUMERO", "DISCAOP",  "DESLIGA", "DESLIGAFH", "COMANDO",
                                       "SETVAR",      "MENSAGEM",   "MIDIA",    "",        "XYZ"};
const std::vector<QString> kArquivos = {"a", "b", "{v}", "", "c,d"};

void Mensagem(Sorteio& s, TMUMensagem& m) {
  for (int i = s.Entre(0, 2); i > 0; --i) m.AddArquivo(s.Um(kArquivos));
  for (int i = s.Entre(0, 2); i > 0; --i) m.AddMensagemChat(s.Texto());
}

void Acoes(Sorteio& s, TMUListaAcao& l) {
  for (int i = s.Entre(0, 3); i > 0; --i) {
    auto a = std::make_unique<TMUAcao>(l.DAC, s.Um(kCodigos));
    a->SetValor(s.Entre(0, 1) ? s.Um(kNomes) : s.Texto(10));
    a->Variavel = s.Entre(0, 1) ? s.Texto() : s.Um(kNomes);
    l.Add(std::move(a));
  }
}

std::unique_ptr<TMenuUra> Menu(Sorteio& s, TDAC* dac) {
  auto m = std::make_unique<TMenuUra>(dac, s.Um(kNomes));
  Mensagem(s, *m->MensagemMenu);
  for (int i = s.Entre(0, 3); i > 0; --i) {
    auto c = std::make_unique<TMUCondicao>(dac);
    for (qint32* v : {&c->DiaIni, &c->MesIni, &c->AnoIni, &c->DiaFim, &c->MesFim, &c->AnoFim})
      *v = s.Entre(0, 2) ? -1 : s.Um(std::vector<int>{0, 1, 2, 12, 13, 29, 31, 2024, 99999});
    for (qint32* v : {&c->HoraIni, &c->MinutoIni, &c->HoraFim, &c->MinutoFim, &c->HoraIniPeriodo, &c->MinutoIniPeriodo,
                      &c->HoraFimPeriodo, &c->MinutoFimPeriodo})
      *v = s.Entre(0, 2) ? -1 : s.Entre(-2, 70);
    for (int k = s.Entre(0, 2); k > 0; --k) {
      auto cv = std::make_unique<TMUCondicaoVar>();
      cv->Variavel = s.Um(kNomes);
      cv->Tipo = s.Um(std::vector<QString>{"EQ", "IN", "", "XX"});
      c->ListaCondicaoVar->Add(std::move(cv));
    }
    c->ListaCondicaoVar->Tipo = s.Entre(0, 2);
    Mensagem(s, *c->Mensagem);
    Acoes(s, *c->ListaAcao);
    m->ListaCondicoes->Add(std::move(c));
  }
  for (int i = s.Entre(0, 5); i > 0; --i) {
    auto o = std::make_unique<TMUOpcao>(dac, s.Entre(-1, 5), s.Texto());
    o->IgnorarCase = s.Entre(0, 1);
    o->PodeMenosDigitos = s.Entre(0, 1);
    o->DigitoFinalizador = s.Entre(0, 1) ? QStringLiteral("#") : QString();
    o->QtdeMinOpcaoValida = s.Entre(-1, 5);
    o->QtdeMaxOpcaoValida = s.Entre(-1, 5);
    o->ComecaCom = s.Texto(2);
    o->Contem = s.Texto(2);
    o->TextoAlfaAdicional = s.Texto(3);
    Acoes(s, *o->ListaAcao);
    m->ListaOpcoes->Add(std::move(o));
  }
  m->OpcaoInvalida->Tentativas = s.Entre(-1, 3);
  m->OpcaoTimeout->Tempo = s.Entre(-1, 3);
  Acoes(s, *m->OpcaoInvalida->ListaAcao);
  Acoes(s, *m->Final->ListaAcao);
  Mensagem(s, *m->Final->Mensagem);
  m->SetTipoMenuOpcoesWA(s.Um(std::vector<QString>{"", "LISTAWA", "BOTAOWA"}));
  for (int i = s.Entre(0, 2); i > 0; --i) {
    auto item = std::make_unique<TMUItemMenuOpcaoWA>(dac);
    item->Resposta = s.Texto(2);
    m->MenuOpcoesWA->ListaItensMenuOpcao->Add(std::move(item));
  }
  return m;
}

TEST(VerificacaoTest, RandomDocumentsGiveConsistentFindings) {
  Sorteio s(20261209);
  TMUListaDescricaoMensagem catalogo;
  catalogo.Add(std::make_unique<TMUDescricaoMensagem>(QStringLiteral("a")));
  const QStringList servidor = {QStringLiteral("b")};
  const QStringList codigos = CodigosVerificacao();
  QHash<QString, TGravidade> gravidades;
  QCryptographicHash resumo(QCryptographicHash::Sha1);
  size_t total = 0;
  for (int n = 0; n < 3000; ++n) {
    TDAC dac;
    dac.TipoUra = s.Um(std::vector<QString>{"", "chat", "chattdd"});
    dac.RORIRO = s.Entre(0, 4) == 0;
    dac.MenuInicial = s.Um(kNomes);
    for (int i = s.Entre(0, 6); i > 0; --i) dac.ListaMenus->Add(Menu(s, &dac));
    QStringList antes, depois;
    dac.GetListConfig(&antes);

    const bool comListas = s.Entre(0, 1);
    const auto achados = VerificaURA(dac, comListas ? &catalogo : nullptr, comListas ? &servidor : nullptr);
    QStringList linhas;
    for (const TAchado& a : achados) {
      ASSERT_TRUE(codigos.contains(a.Codigo)) << a.GetStrLinha().toStdString();
      ASSERT_FALSE(a.Texto.isEmpty());
      ASSERT_GE(a.IndiceMenu, -1);
      ASSERT_LT(a.IndiceMenu, dac.ListaMenus->Count());
      if (a.IndiceMenu >= 0) {
        EXPECT_EQ(a.Menu, dac.ListaMenus->GetItem(a.IndiceMenu)->Nome);
      }
      EXPECT_EQ(gravidades.value(a.Codigo, a.Gravidade), a.Gravidade) << a.Codigo.toStdString();
      gravidades.insert(a.Codigo, a.Gravidade);
      linhas << a.GetStrLinha();
      resumo.addData(linhas.back().toUtf8() + '\n');
    }
    total += achados.size();
    dac.GetListConfig(&depois);
    EXPECT_EQ(antes, depois);
    QStringList deNovo;
    for (const TAchado& a : VerificaURA(dac, comListas ? &catalogo : nullptr, comListas ? &servidor : nullptr))
      deNovo << a.GetStrLinha();
    ASSERT_EQ(linhas, deNovo);
  }
  // The random documents reach every check.
  EXPECT_EQ(gravidades.size(), codigos.size());
  // Every finding of every document, in order, as the check gave them when
  // this digest was taken: a faster check must not change one line. A new or
  // reworded check changes it on purpose; take the new digest then.
  EXPECT_EQ(total, 147098u);
  EXPECT_EQ(resumo.result().toHex().toStdString(), "c6f770b4f4012a1f7b7c3c54ef9b19da53b4e141");
}

}  // namespace
