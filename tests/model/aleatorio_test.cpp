// Thousands of random texts through the parsers and matchers of the model.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <random>

#include "UTKRDACFuncoes.h"
#include "acao.h"
#include "condicao.h"
#include "dac.h"
#include "opcao.h"

namespace {

class Gerador {
 public:
  explicit Gerador(unsigned semente) : rng(semente) {}

  int Entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); }
  bool Moeda() { return Entre(0, 1) == 1; }

  QChar Caractere() {
    static const QString simbolos = QStringLiteral("0123456789*#XZN[]-.");
    static const QString acentos = QString::fromUtf8("áéíóúãõçÁÉÍÓÚÃÕÇüñ€");
    switch (Entre(0, 9)) {
      case 0:
      case 1:
      case 2:
      case 3: return simbolos.at(Entre(0, int(simbolos.size()) - 1));
      case 4:
      case 5: return QChar(char16_t(Entre(32, 126)));
      case 6: return acentos.at(Entre(0, int(acentos.size()) - 1));
      case 7: return QChar(char16_t(Entre(0xD800, 0xDFFF)));  // surrogates, paired or not
      case 8: return QChar(char16_t(Entre(0, 31)));
      default: return QChar(char16_t(Entre(0, 0xFFFF)));
    }
  }
  QString Texto(int max = 300) {
    QString s;
    const int n = Entre(0, max);
    for (int i = 0; i < n; ++i) s += Caractere();
    return s;
  }

 private:
  std::mt19937 rng;
};

struct CampoHora {
  void (TMUCondicao::*Set)(const QString&);
  QString (TMUCondicao::*Get)() const;
  qint32 TMUCondicao::*Hora;
  qint32 TMUCondicao::*Minuto;
};

const CampoHora kCamposHora[] = {
    {&TMUCondicao::SetStrHoraIni, &TMUCondicao::GetStrHoraIni, &TMUCondicao::HoraIni, &TMUCondicao::MinutoIni},
    {&TMUCondicao::SetStrHoraFim, &TMUCondicao::GetStrHoraFim, &TMUCondicao::HoraFim, &TMUCondicao::MinutoFim},
    {&TMUCondicao::SetStrHoraIniPeriodo, &TMUCondicao::GetStrHoraIniPeriodo, &TMUCondicao::HoraIniPeriodo,
     &TMUCondicao::MinutoIniPeriodo},
    {&TMUCondicao::SetStrHoraFimPeriodo, &TMUCondicao::GetStrHoraFimPeriodo, &TMUCondicao::HoraFimPeriodo,
     &TMUCondicao::MinutoFimPeriodo},
};

std::unique_ptr<TMUOpcao> OpcaoAleatoria(Gerador& g, TDAC* dac) {
  auto o = std::make_unique<TMUOpcao>(dac, g.Entre(0, 4), g.Texto(g.Moeda() ? 12 : 40));
  o->ComecaCom = g.Moeda() ? g.Texto(3) : QString();
  o->Contem = g.Moeda() ? g.Texto(3) : QString();
  o->TerminaCom = g.Moeda() ? g.Texto(3) : QString();
  o->IgnorarCase = g.Moeda();
  o->PodeMenosDigitos = g.Moeda();
  o->QtdeMinOpcaoValida = g.Entre(-1, 12);
  o->QtdeMaxOpcaoValida = g.Entre(-1, 30);
  o->TextoAlfaAdicional = g.Moeda() ? g.Texto(4) : QString();
  if (g.Moeda()) o->DigitoFinalizador = QString(g.Caractere());
  return o;
}

TEST(Aleatorio, TextosQuaisquerNoModelo) {
  Gerador g(20240611u);
  TDAC voz, chat;
  chat.TipoUra = "chat";
  const QString padrao = QStringLiteral("<PADRAO>");
  const QString invalido = QString::fromUtf8("Comando inválido");
  static const QRegularExpression formatoHora(QStringLiteral(R"(^([01]\d|2[0-3]):[0-5]\d$)"));
  int listasQueConferem = 0, comandosAceitos = 0;

  for (int volta = 0; volta < 4000; ++volta) {
    const QString s = g.Texto();
    SCOPED_TRACE(volta);

    // Unscrambling anything gives the default, nothing, or at most one
    // character per body byte.
    const QString d = DescriptografaSenha(s, padrao);
    EXPECT_TRUE(d == padrao || d.size() <= std::max<qsizetype>(0, (s.size() - 10) / 2));

    // Texts of codes up to 255 shorter than 256 characters come back whole.
    QString latin;
    for (QChar c : s.left(255)) latin += QChar(char16_t(c.unicode() & 0xFF));
    const int chave = g.Entre(-100, 70000);
    const int minimo = g.Entre(-5, 60);
    const QString valor = CriptografaSenha(chave, minimo, latin);
    ASSERT_EQ(DescriptografaSenha(valor, padrao), latin) << chave << " " << minimo;

    // Weekdays: whatever is read writes out a text that reads back the same.
    TMUCondicao c(&voz), c2(&voz);
    c.SetDiasSemana(s);
    const QString dias = c.GetDiasSemana();
    c2.SetDiasSemana(dias);
    for (int dia = 1; dia <= 7; ++dia) ASSERT_EQ(c2.DiaSemanaIsSet(dia), c.DiaSemanaIsSet(dia)) << dias.toStdString();
    EXPECT_EQ(c2.GetDiasSemana(), dias);
    EXPECT_EQ(c2.GetStrDiasSemana(), c.GetStrDiasSemana());

    // Times: only valid hours and minutes are stored; the text reads back.
    for (const CampoHora& campo : kCamposHora) {
      TMUCondicao h(&voz), h2(&voz);
      (h.*campo.Set)(g.Moeda() ? s : s.left(g.Entre(0, 6)));
      EXPECT_TRUE(h.*campo.Hora >= -1 && h.*campo.Hora <= 23);
      EXPECT_TRUE(h.*campo.Minuto >= -1 && h.*campo.Minuto <= 59);
      const QString texto = (h.*campo.Get)();
      EXPECT_TRUE(texto.isEmpty() || formatoHora.match(texto).hasMatch()) << texto.toStdString();
      (h2.*campo.Set)(texto);
      EXPECT_EQ((h2.*campo.Get)(), texto);
    }
    c.SetStrHoraIni(s.left(5));
    c.SetStrHoraFimPeriodo(s.right(5));
    c.GetStrCondicao();

    // Key patterns: the real value is never longer than the pattern, and the
    // matcher answers within its four results.
    TMUOpcao padraoTeclas(&voz, s);
    EXPECT_LE(padraoTeclas.GetValorReal().size(), s.size());
    padraoTeclas.OpcaoValida();
    padraoTeclas.GetStrOpcao();
    for (int k = 0; k < 3; ++k) {
      const int r = padraoTeclas.TrataOpcao(g.Texto(k == 0 ? 300 : 8), g.Moeda());
      EXPECT_TRUE(r >= 0 && r <= 3) << r;
    }

    // Any kind of option; a copy behaves the same.
    TDAC* doc = g.Moeda() ? &chat : &voz;
    auto o = OpcaoAleatoria(g, doc);
    TMUOpcao copia(doc, QString());
    copia.CopyFrom(o.get());
    EXPECT_LE(o->GetValorReal().size(), o->GetValor().size());
    EXPECT_EQ(copia.OpcaoValida(), o->OpcaoValida());
    EXPECT_EQ(copia.GetStrOpcao(), o->GetStrOpcao());
    EXPECT_EQ(copia.GetDescricaoValor(), o->GetDescricaoValor());
    for (int k = 0; k < 4; ++k) {
      const QString entrada = k == 0 ? s : g.Texto(10);
      const bool fim = g.Moeda();
      const int r = o->TrataOpcao(entrada, fim);
      EXPECT_TRUE(r >= 0 && r <= 3) << r;
      EXPECT_EQ(copia.TrataOpcao(entrada, fim), r);
    }

    // A list answers with its last option that matched, else 3 or 0.
    if (volta % 8 == 0) {
      TMUListaOpcao lista;
      const int n = g.Entre(1, 6);
      for (int k = 0; k < n; ++k) lista.Add(OpcaoAleatoria(g, doc));
      for (int k = 0; k < 6; ++k) {
        // Some inputs are an option's own value, so that matches happen too.
        const QString entrada = k < 2 ? lista.GetItem(g.Entre(0, n - 1))->GetValor() : g.Texto(k == 2 ? 300 : 6);
        const bool fim = g.Moeda();
        TMUOpcao sentinela(doc, QString());
        TMUOpcao* vencedora = &sentinela;  // must be overwritten
        const int r = lista.TrataOpcao(entrada, fim, &vencedora);
        int esperado = OPCAO_NAO_CONFERE;
        TMUOpcao* esperada = nullptr;
        bool indefinida = false;
        for (int i = 0; i < lista.Count(); ++i) {
          const int ri = lista.GetItem(i)->TrataOpcao(entrada, fim);
          ASSERT_TRUE(ri >= 0 && ri <= 3);
          if (ri == OPCAO_CONFERE || ri == OPCAO_FINALIZADA) {
            esperado = ri;
            esperada = lista.GetItem(i);
          }
          indefinida = indefinida || ri == OPCAO_INDEFINIDA;
        }
        if (!esperada && indefinida) esperado = OPCAO_INDEFINIDA;
        EXPECT_EQ(r, esperado);
        EXPECT_EQ(vencedora, esperada);
        if (esperada) ++listasQueConferem;
      }
    }

    // Commands: accepted or "Comando inválido"; an accepted command stops
    // being one when an unquoted ";" follows it or its script gets a path.
    TMUAcao acao(&voz, "COMANDO");
    switch (g.Entre(0, 2)) {
      case 0: acao.ValorComando = s; break;
      case 1: acao.ValorComando = s.left(g.Entre(0, 5)) + ".sh" + s.mid(5, g.Entre(0, 20)); break;
      default: acao.ValorComando = "  roda.sh " + s.left(g.Entre(0, 12)); break;
    }
    const QString r = acao.ComandoValido();
    ASSERT_TRUE(r.isEmpty() || r == invalido) << r.toStdString();
    if (r.isEmpty()) {
      ++comandosAceitos;
      TMUAcao outra(&voz, "COMANDO");
      outra.ValorComando = acao.ValorComando + ";";
      EXPECT_EQ(outra.ComandoValido(), invalido);
      outra.ValorComando = "x/" + acao.ValorComando;
      EXPECT_EQ(outra.ComandoValido(), invalido);
    }
  }
  // The branches above were really taken.
  EXPECT_GT(listasQueConferem, 50);
  EXPECT_GT(comandosAceitos, 100);
}

}  // namespace
