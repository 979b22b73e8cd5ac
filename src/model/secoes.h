#pragma once
// The fallback sections of a menu and the chat list menu.
#include <QString>
#include <memory>

#include "acao.h"
#include "listas.h"
#include "mensagem.h"

class TDAC;

class TMUOpcaoInvalida {
 public:
  explicit TMUOpcaoInvalida(TDAC* DAC);
  TDAC* DAC;  // not owned
  qint32 Tentativas = 3;
  std::unique_ptr<TMUMensagem> Mensagem;
  std::unique_ptr<TMUListaAcao> ListaAcao;

  void CopyFrom(const TMUOpcaoInvalida* ptrOpcaoInvalida);
  QString GetStrMensagem() const;
  QString GetStrAcao() const;
};

class TMUOpcaoTimeout {
 public:
  // The default Tempo (300 s chat, 5 s voice) is decided here, once.
  explicit TMUOpcaoTimeout(TDAC* DAC);
  TDAC* DAC;  // not owned
  qint32 Tentativas = 3;
  qint32 Tempo = 5;
  std::unique_ptr<TMUMensagem> Mensagem;
  std::unique_ptr<TMUListaAcao> ListaAcao;

  void CopyFrom(const TMUOpcaoTimeout* ptrOpcaoTimeout);
  QString GetStrMensagem() const;
  QString GetStrAcao() const;
};

class TMUFinal {
 public:
  explicit TMUFinal(TDAC* DAC);
  TDAC* DAC;  // not owned
  std::unique_ptr<TMUMensagem> Mensagem;
  std::unique_ptr<TMUListaAcao> ListaAcao;

  void CopyFrom(const TMUFinal* ptrFinal);
  QString GetStrMensagem() const;
  QString GetStrAcao() const;
};

class TMUItemMenuOpcaoWA {
 public:
  explicit TMUItemMenuOpcaoWA(TDAC* DAC);
  TDAC* DAC;  // not owned
  std::unique_ptr<TMUMensagem> Titulo;
  std::unique_ptr<TMUMensagem> Descricao;
  QString Resposta;

  void CopyFrom(const TMUItemMenuOpcaoWA* ptrIMO);
};

class TMUListaItemMenuOpcaoWA : public TListaBase<TMUItemMenuOpcaoWA> {
  URA_LISTA_COM_CURSOR(TListaBase<TMUItemMenuOpcaoWA>)
 public:
  explicit TMUListaItemMenuOpcaoWA(TDAC* DAC) : DAC(DAC) {}
  TDAC* DAC;  // not owned

  // Removal by item (destroys it).
  bool DeleteItem(TMUItemMenuOpcaoWA* Item) { return DestroiItem(Item); }
  void CopyFrom(const TMUListaItemMenuOpcaoWA* ptrListaItem);
};

// The chat list menu: "BOTAOWA" (buttons) or "LISTAWA" (list of options).
class TMUMenuOpcaoWA {
 public:
  TMUMenuOpcaoWA(TDAC* DAC, const QString& Tipo);
  TDAC* DAC;  // not owned
  QString Tipo;
  std::unique_ptr<TMUMensagem> Titulo;
  std::unique_ptr<TMUMensagem> Texto;
  std::unique_ptr<TMUMensagem> Rodape;
  std::unique_ptr<TMUMensagem> TituloMenuOpcoes;
  std::unique_ptr<TMUListaItemMenuOpcaoWA> ListaItensMenuOpcao;

  void CopyFrom(const TMUMenuOpcaoWA* ptrMenuOpcao);
  void Clear();
  int GetTipoInt() const;
  static QString GetTipoIntToStr(int tipo);
  QString GetMenuMensagem() const;
};
