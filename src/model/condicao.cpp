#include "condicao.h"

#include <QStringList>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "texto.h"

namespace {

// Short day names, index 1 (Monday) to 7 (Sunday).
const char16_t* const NomesDias[8] = {u"", u"Seg", u"Ter", u"Qua", u"Qui", u"Sex", u"Sab", u"Dom"};

QString ComZeros(qint64 Valor, int Digitos) {
  QString r;
  AcrescentaComZeros(r, Valor, Digitos);
  return r;
}

// Hours are "not set" at -1; other negative values (only reachable through a
// damaged file) are treated the same so no text shows a negative time.
bool HoraDefinida(qint32 Hora) { return Hora >= 0; }

void AcrescentaHora(QString& Texto, qint32 Hora, qint32 Minuto) {
  if (!HoraDefinida(Hora)) return;
  AcrescentaComZeros(Texto, Hora, 2);
  Texto += u':';
  AcrescentaComZeros(Texto, Minuto < 0 ? 0 : Minuto, 2);
}

QString TextoHora(qint32 Hora, qint32 Minuto) {
  QString r;
  AcrescentaHora(r, Hora, Minuto);
  return r;
}

int ValorHora(qint32 Hora, qint32 Minuto) {
  if (!HoraDefinida(Hora)) return -1;
  // 64 bits: a huge stored hour must not overflow.
  const qint64 v = qint64(Hora) * 100 + (Minuto < 0 ? 0 : Minuto);
  return v > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : int(v);
}

// Stores each part only when it is a valid hour or minute.
void LeHora(const QString& Texto, qint32& Hora, qint32& Minuto) {
  const qsizetype p = Texto.indexOf(u':');
  int h = -1, m = -1;
  // StrToIntDef trims the blanks itself.
  if (p < 0) {
    h = StrToIntDef(Texto, -1);
  } else {
    h = StrToIntDef(Texto.left(p), -1);
    m = StrToIntDef(Texto.mid(p + 1, 5), -1);
  }
  if (h >= 0 && h <= 23) Hora = h;
  if (m >= 0 && m <= 59) Minuto = m;
}

int TipoData(qint32 Dia, qint32 Mes, qint32 Ano) {
  const bool d = Dia > 0, m = Mes > 0, a = Ano > 0;
  const bool semD = Dia == -1, semM = Mes == -1, semA = Ano == -1;
  if (d && semM && semA) return 1;
  if (d && m && semA) return 2;
  if (d && m && a) return 3;
  if (semD && m && semA) return 4;
  if (semD && m && a) return 5;
  if (semD && semM && a) return 6;
  return 0;
}

QString TextoData(qint32 Dia, qint32 Mes, qint32 Ano) {
  switch (TipoData(Dia, Mes, Ano)) {
    case 1: return QString::number(Dia);
    case 2: return ComZeros(Dia, 2) + u'/' + ComZeros(Mes, 2);
    case 3: return ComZeros(Dia, 2) + u'/' + ComZeros(Mes, 2) + u'/' + ComZeros(Ano, 4);
    case 4: return QString::number(Mes);
    case 5: return ComZeros(Mes, 2) + u'/' + ComZeros(Ano, 4);
    case 6: return ComZeros(Ano, 4);
    default: return QString();
  }
}

// The set parts written year first; a value that does not fit in 32 bits
// (absurd stored parts) reads as 0 instead of failing.
int ValorData(qint32 Dia, qint32 Mes, qint32 Ano) {
  QString s;
  switch (TipoData(Dia, Mes, Ano)) {
    case 1: s = ComZeros(Dia, 2); break;
    case 2: s = ComZeros(Mes, 2) + ComZeros(Dia, 2); break;
    case 3: s = QString::number(Ano) + ComZeros(Mes, 2) + ComZeros(Dia, 2); break;
    case 4: s = ComZeros(Mes, 2); break;
    case 5: s = QString::number(Ano) + ComZeros(Mes, 2); break;
    case 6: s = QString::number(Ano); break;
    default: return 0;
  }
  return StrToIntDef(s, 0);
}

// The runs of consecutive selected days as text, written into one string:
// "a" for a lone day, "a<par>b" for two days, "a<faixa>b" for more. Sunday
// does not wrap.
template <class Nome>
QString JuntaSequencias(const std::array<bool, 8>& Dias, QStringView Par, QStringView Faixa, QStringView Separador,
                        Nome AcrescentaNome) {
  QString r;
  for (int ini = 1; ini <= 7; ++ini) {
    if (!Dias[ini]) continue;
    int fim = ini;
    while (fim < 7 && Dias[fim + 1]) ++fim;
    if (!r.isEmpty()) r += Separador;
    AcrescentaNome(r, ini);
    if (fim != ini) {
      r += fim == ini + 1 ? Par : Faixa;
      AcrescentaNome(r, fim);
    }
    ini = fim;
  }
  return r;
}

void Acrescenta(QString& Texto, const QString& Parte) {
  if (Parte.isEmpty()) return;
  if (!Texto.isEmpty()) Texto += QStringLiteral("; ");
  Texto += Parte;
}

}  // namespace

// ---- TMUCondicaoVar ----

void TMUCondicaoVar::CopyFrom(const TMUCondicaoVar* ptrCondicaoVar) {
  if (!ptrCondicaoVar) return;
  Variavel = ptrCondicaoVar->Variavel;
  Tipo = ptrCondicaoVar->Tipo;
  Valor = ptrCondicaoVar->Valor;
}

QString TMUCondicaoVar::GetStrTipo() const {
  static const std::pair<const char16_t*, const char16_t*> tabela[] = {
      {u"EQ", u"igual à"},    {u"NEQ", u"diferente de"},      {u"GT", u"maior que"},
      {u"LT", u"menor que"},  {u"GTEQ", u"maior ou igual à"}, {u"LTEQ", u"menor ou igual à"},
      {u"SW", u"começa com"}, {u"EW", u"termina com"},        {u"IN", u"contém"},
  };
  for (const auto& [codigo, texto] : tabela)
    if (Tipo == QStringView(codigo)) return QString::fromUtf16(texto);
  return QString();
}

QString TMUCondicaoVar::GetStrCondicaoVar() const {
  if (Variavel.isEmpty()) return QString();
  return u'"' + Variavel + QStringLiteral("\" ") + GetStrTipo() + QStringLiteral(" \"") + Valor + u'"';
}

// ---- TMUListaCondicaoVar ----

QString TMUListaCondicaoVar::GetStrCondicaoVar() const {
  if (Tipo <= 0 || Count() == 0) return QString();
  if (Count() == 1) return FLista.front()->GetStrCondicaoVar();
  const QString juncao = Tipo == 1 ? QStringLiteral(" e ") : QStringLiteral(" ou ");
  QStringList partes;
  for (const auto& c : FLista) partes << u'(' + c->GetStrCondicaoVar() + u')';
  return partes.join(juncao);
}

void TMUListaCondicaoVar::CopyFrom(const TMUListaCondicaoVar* ptrLista) {
  // Copying a list onto itself would otherwise empty it.
  if (ptrLista == this) return;
  ClearLista();
  if (!ptrLista) return;
  Tipo = ptrLista->Tipo;
  for (const auto& c : ptrLista->FLista) {
    auto copia = std::make_unique<TMUCondicaoVar>();
    copia->CopyFrom(c.get());
    Add(std::move(copia));
  }
}

// ---- TMUCondicao ----

TMUCondicao::TMUCondicao(TDAC* DAC)
    : DAC(DAC),
      Mensagem(std::make_unique<TMUMensagem>()),
      ListaAcao(std::make_unique<TMUListaAcao>(DAC)),
      ListaCondicaoVar(std::make_unique<TMUListaCondicaoVar>()) {}

void TMUCondicao::CopyFrom(const TMUCondicao* ptrCondicao) {
  // A self copy would empty the lists before reading them.
  if (!ptrCondicao || ptrCondicao == this) return;
  Feriados = ptrCondicao->Feriados;
  SetDiasSemana(ptrCondicao->GetDiasSemana());
  DiaIni = ptrCondicao->DiaIni;
  MesIni = ptrCondicao->MesIni;
  AnoIni = ptrCondicao->AnoIni;
  DiaFim = ptrCondicao->DiaFim;
  MesFim = ptrCondicao->MesFim;
  AnoFim = ptrCondicao->AnoFim;
  HoraIni = ptrCondicao->HoraIni;
  MinutoIni = ptrCondicao->MinutoIni;
  HoraFim = ptrCondicao->HoraFim;
  MinutoFim = ptrCondicao->MinutoFim;
  HoraIniPeriodo = ptrCondicao->HoraIniPeriodo;
  MinutoIniPeriodo = ptrCondicao->MinutoIniPeriodo;
  HoraFimPeriodo = ptrCondicao->HoraFimPeriodo;
  MinutoFimPeriodo = ptrCondicao->MinutoFimPeriodo;
  if (!ListaCondicaoVar) ListaCondicaoVar = std::make_unique<TMUListaCondicaoVar>();
  ListaCondicaoVar->CopyFrom(ptrCondicao->ListaCondicaoVar.get());
  if (!ListaAcao) ListaAcao = std::make_unique<TMUListaAcao>(DAC);
  ListaAcao->CopyFrom(ptrCondicao->ListaAcao.get());
  if (!Mensagem) Mensagem = std::make_unique<TMUMensagem>();
  Mensagem->CopyFrom(ptrCondicao->Mensagem.get());
}

bool TMUCondicao::DiaSemanaIsSet(int Dia) const { return Dia >= 1 && Dia <= 7 && FDias[Dia]; }

void TMUCondicao::SetaDiaDaSemana(int Dia, bool Selecionado) {
  if (Dia >= 1 && Dia <= 7) FDias[Dia] = Selecionado;
}

QString TMUCondicao::GetDiasSemana() const {
  return JuntaSequencias(FDias, u",", u"-", u",", [](QString& r, int d) { r += QChar(u'0' + d); });
}

void TMUCondicao::SetDiasSemana(const QString& Texto) {
  FDias.fill(false);
  qsizetype inicio = 0;
  for (;;) {
    const qsizetype virgula = Texto.indexOf(u',', inicio);
    // Only pieces followed by a comma are trimmed; the numbers are read with
    // blanks around them allowed either way.
    const QString parte = virgula < 0 ? Texto.mid(inicio) : TrimBlanks(Texto.mid(inicio, virgula - inicio));
    const qsizetype traco = parte.indexOf(u'-');
    int ini, fim;
    if (traco < 0) {
      ini = fim = StrToIntDef(parte, 0);
    } else {
      ini = StrToIntDef(parte.left(traco), 0);
      fim = StrToIntDef(parte.mid(traco + 1, 10), 0);
    }
    if (ini > 7) ini = 0;
    if (fim > 7) fim = 7;
    if (fim < ini) fim = ini;
    if (ini >= 1 && ini <= 7 && fim >= 1 && fim <= 7)
      for (int d = ini; d <= fim; ++d) FDias[d] = true;
    if (virgula < 0) break;
    inicio = virgula + 1;
  }
}

QString TMUCondicao::GetStrDiasSemana() const {
  return JuntaSequencias(FDias, u", ", u" à ", u", ", [](QString& r, int d) { r += QStringView(NomesDias[d]); });
}

QString TMUCondicao::NomeDiaSemana(int Dia) {
  return Dia >= 1 && Dia <= 7 ? QString::fromUtf16(NomesDias[Dia]) : QString();
}

int TMUCondicao::GetCondicaoDataInicial() const { return TipoData(DiaIni, MesIni, AnoIni); }
int TMUCondicao::GetCondicaoDataFinal() const { return TipoData(DiaFim, MesFim, AnoFim); }
int TMUCondicao::GetValorDataInicial() const { return ValorData(DiaIni, MesIni, AnoIni); }
int TMUCondicao::GetValorDataFinal() const { return ValorData(DiaFim, MesFim, AnoFim); }
QString TMUCondicao::GetStrDataIni() const { return TextoData(DiaIni, MesIni, AnoIni); }
QString TMUCondicao::GetStrDataFim() const { return TextoData(DiaFim, MesFim, AnoFim); }

QString TMUCondicao::GetStrHoraIni() const { return TextoHora(HoraIni, MinutoIni); }
void TMUCondicao::SetStrHoraIni(const QString& Texto) { LeHora(Texto, HoraIni, MinutoIni); }
QString TMUCondicao::GetStrHoraFim() const { return TextoHora(HoraFim, MinutoFim); }
void TMUCondicao::SetStrHoraFim(const QString& Texto) { LeHora(Texto, HoraFim, MinutoFim); }
QString TMUCondicao::GetStrHoraIniPeriodo() const { return TextoHora(HoraIniPeriodo, MinutoIniPeriodo); }
void TMUCondicao::SetStrHoraIniPeriodo(const QString& Texto) { LeHora(Texto, HoraIniPeriodo, MinutoIniPeriodo); }
QString TMUCondicao::GetStrHoraFimPeriodo() const { return TextoHora(HoraFimPeriodo, MinutoFimPeriodo); }
void TMUCondicao::SetStrHoraFimPeriodo(const QString& Texto) { LeHora(Texto, HoraFimPeriodo, MinutoFimPeriodo); }
int TMUCondicao::GetValorHoraIni() const { return ValorHora(HoraIni, MinutoIni); }
int TMUCondicao::GetValorHoraFim() const { return ValorHora(HoraFim, MinutoFim); }
int TMUCondicao::GetValorHoraIniPeriodo() const { return ValorHora(HoraIniPeriodo, MinutoIniPeriodo); }
int TMUCondicao::GetValorHoraFimPeriodo() const { return ValorHora(HoraFimPeriodo, MinutoFimPeriodo); }

QString TMUCondicao::GetStrHorario() const {
  QString r;
  if (!HoraDefinida(HoraIni)) return r;
  if (HoraDefinida(HoraFim) && GetValorHoraFim() != GetValorHoraIni()) {
    r += QStringView(u"Das ");
    AcrescentaHora(r, HoraIni, MinutoIni);
    r += QStringView(u" às ");
    AcrescentaHora(r, HoraFim, MinutoFim);
  } else {
    r += QStringView(u"A partir das ");
    AcrescentaHora(r, HoraIni, MinutoIni);
  }
  return r;
}

bool TMUCondicao::UsaComparacoes() const {
  return ListaCondicaoVar && ListaCondicaoVar->Count() > 0 && ListaCondicaoVar->Tipo > 0;
}

bool TMUCondicao::TemIntervalo() const {
  const int tipoIni = GetCondicaoDataInicial();
  if (tipoIni == 0 || GetCondicaoDataFinal() != tipoIni) return false;
  // Month ranges may wrap over the year end, so any other month counts.
  if (tipoIni == 4) return MesFim != MesIni;
  return GetValorDataFinal() > GetValorDataInicial();
}

bool TMUCondicao::UsaPeriodo() const {
  const int tipoIni = GetCondicaoDataInicial();
  return tipoIni >= 1 && tipoIni <= 3 && HoraDefinida(HoraIniPeriodo);
}

QString TMUCondicao::GetStrCondicao() const {
  if (UsaComparacoes()) return ListaCondicaoVar->GetStrCondicaoVar();

  QString texto;
  bool periodo = false;
  const int tipoIni = GetCondicaoDataInicial();
  const QString ini = GetStrDataIni();
  const QString fim = GetStrDataFim();
  const bool intervalo = TemIntervalo();

  switch (tipoIni) {
    case 1:
    case 2:
    case 3: {
      const QString ps = GetStrHoraIniPeriodo();
      const QString pe = GetStrHoraFimPeriodo();
      texto = QStringLiteral("No dia ") + ini;
      if (intervalo) {
        if (HoraDefinida(HoraIniPeriodo) && HoraDefinida(HoraFimPeriodo)) {
          texto = QStringLiteral("Do dia ") + ini + QStringLiteral(" as ") + ps + QStringLiteral(" até o dia ") + fim +
                  QStringLiteral(" as ") + pe;
          periodo = true;
        } else if (HoraDefinida(HoraIniPeriodo)) {
          texto = QStringLiteral("A partir do dia ") + ini + QStringLiteral(" as ") + ps;
          periodo = true;
        } else {
          texto = QStringLiteral("Do dia ") + ini + QStringLiteral(" ao dia ") + fim;
        }
      } else if (UsaPeriodo()) {
        if (GetValorHoraFimPeriodo() > GetValorHoraIniPeriodo())
          texto = QStringLiteral("No dia ") + ini + QStringLiteral(" das ") + ps + QStringLiteral(" as ") + pe;
        else
          texto = QStringLiteral("A partir do dia ") + ini + QStringLiteral(" as ") + ps;
        periodo = true;
      }
      break;
    }
    case 4:
      if (intervalo)
        texto =
            QStringLiteral("Do mês ") + QString::number(MesIni) + QStringLiteral(" ao mês ") + QString::number(MesFim);
      else
        texto = QStringLiteral("No mês ") + ini;
      break;
    case 5:
      texto = intervalo ? QStringLiteral("Do mês ") + ini + QStringLiteral(" ao mês ") + fim
                        : QStringLiteral("No mês ") + ini;
      break;
    case 6:
      texto = intervalo ? QStringLiteral("Do ano ") + QString::number(AnoIni) + QStringLiteral(" ao ano ") +
                              QString::number(AnoFim)
                        : QStringLiteral("No ano ") + ini;
      break;
    default: break;
  }

  if (!periodo) {
    QString dias;
    if (std::find(FDias.begin() + 1, FDias.end(), true) != FDias.end())
      dias = Feriados ? GetStrDiasSemana() + QStringLiteral(" e Feriados") : GetStrDiasSemana();
    else if (Feriados)
      dias = QStringLiteral("Feriados");
    Acrescenta(texto, dias);
    if (HoraDefinida(HoraIni)) Acrescenta(texto, GetStrHorario());
  }
  return texto;
}

QString TMUCondicao::GetStrMensagem() const { return Mensagem ? Mensagem->GetStrMensagem() : QString(); }

QString TMUCondicao::GetStrAcao() const { return ListaAcao ? ListaAcao->GetStrAcao() : QString(); }
