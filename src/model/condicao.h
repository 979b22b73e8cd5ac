#pragma once
#include <QDate>
#include <QString>
#include <QTime>
#include <array>
#include <functional>
#include <memory>

#include "acao.h"
#include "listas.h"
#include "mensagem.h"

class TDAC;

// The call a condition is tested against at run time: the moment (which does
// not move while the call runs), whether the day is a holiday, and the call's
// variables (an unset variable reads as the empty text).
struct TMomentoChamada {
  QDate Data;
  QTime Hora;
  bool Feriado = false;
  std::function<QString(const QString&)> Variavel;
};

// One comparison of a URA variable with a value.
class TMUCondicaoVar {
 public:
  QString Variavel;
  QString Tipo;  // EQ, NEQ, GT, LT, GTEQ, LTEQ, SW, EW, IN
  QString Valor;

  void CopyFrom(const TMUCondicaoVar* ptrCondicaoVar);
  QString GetStrTipo() const;
  QString GetStrCondicaoVar() const;
  // The comparison with the variable's value: numbers compare as numbers when
  // both sides are numbers, otherwise as text; an unknown operator never holds.
  bool Confere(const QString& ValorVariavel) const;
};

class TMUListaCondicaoVar : public TListaBase<TMUCondicaoVar> {
 public:
  qint32 Tipo = 0;  // 0 none, 1 AND, 2 OR

  bool DeleteCondicaoVar(TMUCondicaoVar* Item) { return DestroiItem(Item); }
  QString GetStrCondicaoVar() const;
  void CopyFrom(const TMUListaCondicaoVar* ptrLista);
  // AND (Tipo 1) or OR (any other positive Tipo) of the comparisons; Motivo
  // gets the values of the variables compared.
  bool Confere(const std::function<QString(const QString&)>& Variavel, QString* Motivo = nullptr) const;
};

// One condition of a menu's first section. Integers use -1 for "not set".
class TMUCondicao {
 public:
  explicit TMUCondicao(TDAC* DAC);

  TDAC* DAC;  // not owned
  bool Feriados = false;
  qint32 DiaIni = -1, MesIni = -1, AnoIni = -1;
  qint32 DiaFim = -1, MesFim = -1, AnoFim = -1;
  qint32 HoraIni = -1, MinutoIni = -1;
  qint32 HoraFim = -1, MinutoFim = -1;
  qint32 HoraIniPeriodo = -1, MinutoIniPeriodo = -1;
  qint32 HoraFimPeriodo = -1, MinutoFimPeriodo = -1;
  std::unique_ptr<TMUMensagem> Mensagem;
  std::unique_ptr<TMUListaAcao> ListaAcao;
  std::unique_ptr<TMUListaCondicaoVar> ListaCondicaoVar;

  void CopyFrom(const TMUCondicao* ptrCondicao);

  bool DiaSemanaIsSet(int Dia) const;
  void SetaDiaDaSemana(int Dia, bool Selecionado);
  QString GetDiasSemana() const;
  void SetDiasSemana(const QString& Texto);
  QString GetStrDiasSemana() const;
  // Short name of a weekday, 1 (Monday, "Seg") to 7; empty outside.
  static QString NomeDiaSemana(int Dia);

  // Date kinds (0 to 6) and date values of the start and end dates.
  int GetCondicaoDataInicial() const;
  int GetCondicaoDataFinal() const;
  int GetValorDataInicial() const;
  int GetValorDataFinal() const;
  QString GetStrDataIni() const;
  QString GetStrDataFim() const;

  QString GetStrHoraIni() const;
  void SetStrHoraIni(const QString& Texto);
  QString GetStrHoraFim() const;
  void SetStrHoraFim(const QString& Texto);
  QString GetStrHoraIniPeriodo() const;
  void SetStrHoraIniPeriodo(const QString& Texto);
  QString GetStrHoraFimPeriodo() const;
  void SetStrHoraFimPeriodo(const QString& Texto);
  int GetValorHoraIni() const;
  int GetValorHoraFim() const;
  int GetValorHoraIniPeriodo() const;
  int GetValorHoraFimPeriodo() const;

  QString GetStrHorario() const;
  QString GetStrCondicao() const;

  // Which parts of the condition count, for its description and at run time:
  // combined comparisons (Tipo > 0) alone; otherwise the dates, and with a
  // period start time on a day date only the dates and period times.
  bool UsaComparacoes() const;
  bool TemIntervalo() const;  // the start and end dates form a range
  bool UsaPeriodo() const;
  // Whether the condition holds for the call; Motivo gets the call's facts
  // that decided (the first part that failed, or what matched).
  bool Atende(const TMomentoChamada& Momento, QString* Motivo = nullptr) const;
  // No part restricts the condition: it holds in every call.
  bool SempreAtende() const;
  QString GetStrMensagem() const;
  QString GetStrAcao() const;

 private:
  std::array<bool, 8> FDias{};  // index 1..7, Monday first
};

class TMUListaCondicao : public TListaBase<TMUCondicao> {
  URA_LISTA_COM_CURSOR(TListaBase<TMUCondicao>)
 public:
  bool DeleteCondicao(TMUCondicao* Item) { return DestroiItem(Item); }
};
