#pragma once
#include <QString>
#include <memory>
#include <vector>

#include "UTMenuUraTipos.h"
#include "acao.h"
#include "listas.h"
#include "mensagem.h"

class TDAC;
class TMUListaOpcao;

// Matching results of TrataOpcao.
enum : int {
  OPCAO_NAO_CONFERE = 0,
  OPCAO_CONFERE = 1,
  OPCAO_FINALIZADA = 2,
  OPCAO_INDEFINIDA = 3,
};

// One option of a menu: a key pattern (Tipo 0) or a chat text rule (1 to 4).
class TMUOpcao {
 public:
  TMUOpcao(TDAC* DAC, const QString& ValorOpcao);
  TMUOpcao(TDAC* DAC, int Tipo, const QString& ValorOpcao);

  TDAC* DAC;  // not owned
  bool PodeMenosDigitos = false;
  qint32 QtdeMinOpcaoValida = 0;
  QString DigitoFinalizador;
  std::unique_ptr<TMUMensagem> Mensagem;
  std::unique_ptr<TMUListaAcao> ListaAcao;
  TMUListaOpcao* ParentList = nullptr;  // not owned
  qint32 Tipo = 0;
  bool IgnorarCase = false;
  QString TextoAlfaAdicional;
  qint32 QtdeMaxOpcaoValida = 0;
  QString ComecaCom;
  QString TerminaCom;
  QString Contem;

  const QString& GetValor() const { return FValor; }
  // Stores the value, hands it to the action list and rebuilds the elements.
  void SetValor(const QString& Valor);
  const std::vector<TMUOpcaoDetalhada>& ListaDetalhada() const { return FListaDetalhada; }

  void CopyFrom(const TMUOpcao* ptrOpcao);
  // Index in ParentList; a working copy reports the index of its source.
  int GetItemIndex() const;
  bool IsValidKey(QChar Key) const;

  QString GetValorReal() const;
  bool OpcaoValida() const;
  bool PodeFinalizador() const;
  int QtdeMinimaValida() const;
  static bool ColchetesValidos(const QString& Grupo);
  static QString GetStrColchetes(const QString& Grupo);

  QString GetDescricaoValor() const;
  QString GetStrOpcao() const;
  QString GetStrOpcaoCfg() const;
  int TrataOpcao(const QString& strOpcao, bool Final) const;
  QString GetStrMensagem() const;
  QString GetStrAcao() const;

  bool TamanhoOpcaoValido(const QString& Texto) const;
  bool ComecaTerminaOpcaoValido(const QString& Texto) const;
  bool AlfanumericoOpcaoValido(const QString& Texto) const;
  static bool TemAcentuacaoOuCaracteresEspeciais(const QString& Texto);

 private:
  void MontaListaDetalhada();

  QString FValor;
  std::vector<TMUOpcaoDetalhada> FListaDetalhada;
  int FItemIndexOrigem = -1;  // index of the option a copy was taken from
};

class TMUListaOpcao : public TListaBase<TMUOpcao> {
  URA_LISTA_COM_CURSOR(TListaBase<TMUOpcao>)
 public:
  // Sets the item's ParentList, then appends.
  int Add(std::unique_ptr<TMUOpcao> Item);
  bool DeleteOpcao(TMUOpcao* Item) { return DestroiItem(Item); }
  TMUOpcao* SearchOpcao(const QString& ValorOpcao) const;
  // First option whose configuration key equals that of Opcao.
  TMUOpcao* SearchOpcaoPtr(const TMUOpcao* Opcao) const;
  // Matches every option; the last one that gave 1 or 2 wins.
  int TrataOpcao(const QString& strOpcao, bool Final, TMUOpcao** Opcao) const;
};
