#pragma once
#include <QString>

#include "listas.h"

class TDAC;

// The action codes the program knows; Outro for an empty or unknown code.
enum class TCodigoAcao {
  Opcoes,
  Invalida,
  Final,
  Inicio,
  VaiPara,
  Disca,
  DiscaF,
  DiscaG,
  DiscaR,
  DiscaU,
  DiscaC,
  DiscaS,
  FalaDigitos,
  FalaNumero,
  DiscaOp,
  Desliga,
  DesligaFH,
  Comando,
  SetVar,
  Mensagem,
  Midia,
  Outro
};

// The code an action type names ("VAIPARA" is VaiPara), compared exactly.
TCodigoAcao CodigoAcao(QStringView Tipo);

// One action at the end of a menu section; Tipo is the action code.
class TMUAcao {
 public:
  explicit TMUAcao(TDAC* DAC, const QString& TipoAcao = QString());

  TDAC* DAC;  // not owned
  QString Tipo;
  QString ValorMenu;
  QString ValorNumero;
  QString OpcaoAcao;
  QString ValorComando;
  QString Variavel;

  // ValorMenu for VAIPARA, ValorComando for COMANDO, ValorNumero otherwise.
  const QString& GetValor() const;
  TCodigoAcao GetCodigo() const { return CodigoAcao(Tipo); }
  void SetValor(const QString& Valor);

  void CopyFrom(const TMUAcao* ptrAcao);
  // Codes after which the actions of a section go on running (variables,
  // commands, messages, media, spoken digits, a context run and back); any
  // other code, also an empty or unknown one, ends the section's actions.
  static bool ContinuaSequencia(const QString& Tipo);
  // The same, with the code already looked up.
  static bool ContinuaSequencia(TCodigoAcao Codigo, QStringView Tipo);
  QString GetStrAcao() const;
  // The same description appended to r, with no text of its own.
  void AcrescentaStrAcao(QString& r) const;
  QString GetStrAcaoVaiPara() const;
  QString GetStrAcaoMensagem() const;
  // Validations: the empty text when acceptable, else the message to show.
  QString VariavelValida() const;
  QString MensagemValida() const;
  QString ComandoValido() const;
};

class TMUListaAcao : public TListaBase<TMUAcao> {
  URA_LISTA_COM_CURSOR(TListaBase<TMUAcao>)
 public:
  explicit TMUListaAcao(TDAC* DAC) : DAC(DAC) {}

  TDAC* DAC;  // not owned
  QString OpcaoAcao;

  bool DeleteAcao(TMUAcao* Item) { return DestroiItem(Item); }
  QString GetStrAcao() const;
  void AcrescentaStrAcao(QString& r) const;
  bool TemAcao(const QString& TipoAcao, const QString& ValorAcao) const;
  // Replaces the actions by copies bound to this list's document; a null
  // source leaves the list empty.
  void CopyFrom(const TMUListaAcao* ptrListaAcao);
};
