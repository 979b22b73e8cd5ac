#pragma once
#include <QString>
#include <QStringList>
#include <memory>

class TListaMenuUra;
class TMenuUra;

// Date-times are days since 1899-12-30 with the time of day as the fraction
// (local time). These convert them to and from "dd/mm/yyyy hh:mm".
QString DataHoraToStr(double Valor);         // > 0: the text; -1: "<ERROR>"; else ""
double StrToDataHora(const QString& Texto);  // 0 when the text is no date-time
double DataHoraAtual();                      // now, in the same form

// The URA document.
class TDAC {
 public:
  TDAC();
  ~TDAC();
  TDAC(const TDAC&) = delete;
  TDAC& operator=(const TDAC&) = delete;

  QString Nome;
  QString Descricao;
  QString MenuInicial;
  QString TipoAtendimento;
  QString TipoUra;  // "" voice, "chat", "chattdd"
  qint32 VersaoXML = 0;
  bool PriMsgEhOpcao = false;
  QString NomeArquivoServidor;
  QString NomeArquivoLocal;
  QString ArquivoMensagensServidor;
  QString ArquivoMensagensLocal;
  double CriadoEm = 0;
  QString CriadoPor;
  double ModificadoEm = 0;
  QString ModificadoPor;
  double AtivadoEm = 0;
  QString AtivadoPor;
  bool Servidor = false;
  bool Local = true;
  bool RORIRO = false;
  bool Novo = true;
  bool PermissaoW = true;
  std::unique_ptr<TListaMenuUra> ListaMenus;

  QString GetCriadoEmStr() const;
  void SetCriadoEmStr(const QString& Texto);
  QString GetModificadoEmStr() const;
  void SetModificadoEmStr(const QString& Texto);
  QString GetAtivadoEmStr() const;
  void SetAtivadoEmStr(const QString& Texto);

  bool UraChat() const;
  void Clear();

  // First menu named nomeMenu; unlike SearchMenu an empty name is searched too.
  TMenuUra* ProcuraMenu(const QString& nomeMenu) const;
  TMenuUra* PtrMenuInicial() const;
  // The change fingerprint; nothing happens without a list.
  void GetListConfig(QStringList* Lista) const;
};
