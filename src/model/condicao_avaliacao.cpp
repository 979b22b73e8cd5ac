// Whether a condition holds for a call: the run-time reading of the parts the
// description shows (GetStrCondicao), so that what the user reads is what
// decides. Time windows include their start and exclude their end minute.
#include <QLocale>
#include <QStringList>

#include "condicao.h"

namespace {

bool Numero(const QString& Texto, double* Valor) {
  bool ok = false;
  *Valor = QLocale::c().toDouble(Texto.trimmed(), &ok);
  return ok;
}

// The date in the form of a date kind (see TMUCondicao::GetValorDataInicial).
qint64 ValorDataDoDia(const QDate& D, int Tipo) {
  switch (Tipo) {
    case 1: return D.day();
    case 2: return D.month() * 100 + D.day();
    case 3: return qint64(D.year()) * 10000 + D.month() * 100 + D.day();
    case 4: return D.month();
    case 5: return qint64(D.year()) * 100 + D.month();
    case 6: return D.year();
    default: return 0;
  }
}

int MinutoDoDia(const QTime& T) { return T.hour() * 100 + T.minute(); }

// "dd/mm/aaaa" and "hh:mm" (the calendar's own formatting is far slower).
QString Digitos(int Valor, int Quantos) { return QString::number(Valor).rightJustified(Quantos, u'0'); }
QString TextoData(const QDate& D) {
  return Digitos(D.day(), 2) + u'/' + Digitos(D.month(), 2) + u'/' + Digitos(D.year(), 4);
}
QString TextoHora(const QTime& T) { return Digitos(T.hour(), 2) + u':' + Digitos(T.minute(), 2); }

QString TextoMomento(const TMomentoChamada& M) {
  return TMUCondicao::NomeDiaSemana(M.Data.dayOfWeek()) + u' ' + TextoData(M.Data) + u' ' + TextoHora(M.Hora);
}

}  // namespace

bool TMUCondicaoVar::Confere(const QString& ValorVariavel) const {
  if (Tipo == u"EQ") return ValorVariavel == Valor;
  if (Tipo == u"NEQ") return ValorVariavel != Valor;
  if (Tipo == u"SW") return ValorVariavel.startsWith(Valor);
  if (Tipo == u"EW") return ValorVariavel.endsWith(Valor);
  if (Tipo == u"IN") return ValorVariavel.contains(Valor);
  double a = 0, b = 0;
  const bool numeros = Numero(ValorVariavel, &a) && Numero(Valor, &b);
  const int ordem = numeros ? (a < b ? -1 : a > b ? 1 : 0) : QString::compare(ValorVariavel, Valor);
  if (Tipo == u"GT") return ordem > 0;
  if (Tipo == u"LT") return ordem < 0;
  if (Tipo == u"GTEQ") return ordem >= 0;
  if (Tipo == u"LTEQ") return ordem <= 0;
  return false;
}

bool TMUListaCondicaoVar::Confere(const std::function<QString(const QString&)>& Variavel, QString* Motivo) const {
  const bool todas = Tipo == 1;
  bool resultado = todas;
  QStringList valores;
  for (const auto& c : FLista) {
    const QString valor = Variavel ? Variavel(c->Variavel) : QString();
    const QString par = c->Variavel + QStringLiteral(" = \"") + valor + u'"';
    if (!valores.contains(par)) valores << par;
    const bool ok = c->Confere(valor);
    resultado = todas ? resultado && ok : resultado || ok;
  }
  if (Motivo) *Motivo = valores.join(QStringLiteral(", "));
  return resultado;
}

bool TMUCondicao::SempreAtende() const {
  if (UsaComparacoes()) return false;
  for (int d = 1; d <= 7; ++d)
    if (DiaSemanaIsSet(d)) return false;
  return GetCondicaoDataInicial() == 0 && !Feriados && GetValorHoraIni() < 0;
}

bool TMUCondicao::Atende(const TMomentoChamada& M, QString* Motivo) const {
  QString motivo;
  auto falha = [&](const QString& Texto) {
    if (Motivo) *Motivo = Texto;
    return false;
  };
  if (UsaComparacoes()) {
    const bool ok = ListaCondicaoVar->Confere(M.Variavel, &motivo);
    if (Motivo) *Motivo = motivo;
    return ok;
  }
  if (SempreAtende()) {
    if (Motivo) *Motivo = QStringLiteral("sem restrição");
    return true;
  }

  const int tipo = GetCondicaoDataInicial();
  const qint64 hoje = ValorDataDoDia(M.Data, tipo);
  const qint64 ini = GetValorDataInicial(), fim = GetValorDataFinal();
  const int agora = MinutoDoDia(M.Hora);

  if (UsaPeriodo()) {
    // The date range (or the one day) from the period's start time to its
    // end time; without an end time a range runs to the end of its last day.
    const qint64 momento = hoje * 10000 + agora;
    const qint64 pi = GetValorHoraIniPeriodo(), pf = GetValorHoraFimPeriodo();
    bool ok;
    if (TemIntervalo()) {
      ok = momento >= ini * 10000 + pi && momento < fim * 10000 + (pf >= 0 ? pf : 2400);
    } else {
      ok = hoje == ini && agora >= pi && (pf <= pi || agora < pf);
    }
    if (!ok) return falha(TextoMomento(M) + QStringLiteral(" fora do período"));
  } else {
    if (tipo != 0) {
      bool ok;
      if (!TemIntervalo())
        ok = hoje == ini;
      else if (tipo == 4 && MesFim < MesIni)  // over the year end
        ok = hoje >= ini || hoje <= fim;
      else
        ok = hoje >= ini && hoje <= fim;
      if (!ok) return falha(QStringLiteral("data ") + TextoData(M.Data));
    }
    bool algumDia = false;
    for (int d = 1; d <= 7; ++d) algumDia = algumDia || DiaSemanaIsSet(d);
    // Holidays add to the weekdays chosen; alone they are the only days.
    const bool diaOk = algumDia   ? DiaSemanaIsSet(M.Data.dayOfWeek()) || (Feriados && M.Feriado)
                       : Feriados ? M.Feriado
                                  : true;
    if (!diaOk) {
      const QString dia = QStringLiteral("dia ") + TMUCondicao::NomeDiaSemana(M.Data.dayOfWeek());
      return falha(!algumDia  ? QStringLiteral("não é feriado")
                   : Feriados ? dia + QStringLiteral(", não é feriado")
                              : dia);
    }
    const int hi = GetValorHoraIni(), hf = GetValorHoraFim();
    if (hi >= 0) {
      bool ok;
      if (hf < 0 || hf == hi)
        ok = agora >= hi;
      else if (hf > hi)
        ok = agora >= hi && agora < hf;
      else  // over midnight
        ok = agora >= hi || agora < hf;
      if (!ok) return falha(QStringLiteral("hora ") + TextoHora(M.Hora));
    }
  }
  if (Motivo) *Motivo = TextoMomento(M) + (M.Feriado ? QStringLiteral(", feriado") : QString());
  return true;
}
