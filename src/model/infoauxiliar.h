#pragma once
// The message catalogue and the lookup lists shared by the whole program.
#include <QHash>
#include <QString>
#include <QStringList>

#include "listas.h"

class TMUDescricaoMensagem {
 public:
  explicit TMUDescricaoMensagem(const QString& NomeArquivo) : Arquivo(NomeArquivo) {}
  QString Arquivo;
  QString Descricao;
  bool ArquivoExiste = false;
};

class TMUListaDescricaoMensagem : public TListaBase<TMUDescricaoMensagem> {
 public:
  std::unique_ptr<TMUDescricaoMensagem> DeleteItem(int Index) { return Delete(Index); }
  bool DeleteMensagem(TMUDescricaoMensagem* Item) { return DestroiItem(Item); }
  TMUDescricaoMensagem* SearchItem(const QString& Arquivo) const;
  QString GetDescricao(const QString& Arquivo) const;
  QString GetDescricaoArquivos(const QString& Arquivos) const;
  void AcrescentaDescricaoArquivos(QString& r, const QString& Arquivos) const;  // the same, appended to r

 private:
  friend class TIndiceInfoAuxiliar;
  // Each file name's first entry, while a TIndiceInfoAuxiliar is alive.
  mutable const QHash<QString, TMUDescricaoMensagem*>* FIndice = nullptr;
};

class TMUFila {
 public:
  explicit TMUFila(const QString& IdFila) : FilaId(IdFila) {}
  QString FilaId;
  QString NomeFila;
  QString GetStrNomeFila() const;
};

class TMUListaFilas : public TListaBase<TMUFila> {
 public:
  bool DeleteFila(TMUFila* Item) { return DestroiItem(Item); }
  TMUFila* SearchItem(const QString& IdFila) const;
  QString GetNomeFila(const QString& IdFila) const;
  QString GetStrNomeFila(const QString& IdFila) const;
  void AcrescentaStrNomeFila(QString& r, const QString& IdFila) const;  // the same, appended to r

 private:
  friend class TIndiceInfoAuxiliar;
  mutable const QHash<QString, TMUFila*>* FIndice = nullptr;
};

class TMUGrupo {
 public:
  explicit TMUGrupo(const QString& IdGrupo) : GrupoId(IdGrupo) {}
  QString GrupoId;
  QString NomeGrupo;
  QString GetStrNomeGrupo() const;
};

class TMUListaGrupos : public TListaBase<TMUGrupo> {
 public:
  bool DeleteGrupo(TMUGrupo* Item) { return DestroiItem(Item); }
  TMUGrupo* SearchItem(const QString& IdGrupo) const;
  QString GetNomeGrupo(const QString& IdGrupo) const;
  QString GetStrNomeGrupo(const QString& IdGrupo) const;
};

// A text list kept in alphabetical order without regard to (ASCII) case that
// silently ignores an entry equal, without regard to case, to one it holds.
class TListaTextoOrdenada {
 public:
  // Returns the index of the new entry, or -1 when it was a duplicate.
  int Add(const QString& Texto);
  int IndexOf(const QString& Texto) const;  // case-insensitive (ASCII)
  int Count() const { return static_cast<int>(FLista.size()); }
  QString operator[](int Index) const { return FLista.value(Index); }
  const QStringList& Lista() const { return FLista; }
  void Clear() { FLista.clear(); }
  void Delete(int Index) {
    if (Index >= 0 && Index < FLista.size()) FLista.removeAt(Index);
  }

 private:
  QStringList FLista;
};

class TMUInfoAuxiliar {
 public:
  TMUListaFilas ListaDeFilasVoz;
  TMUListaFilas ListaDeFilasChat;
  TMUListaDescricaoMensagem ListaDeMensagens;
  TMUListaGrupos ListaDeGrupos;
  QStringList ListaDeUrasVoz;
  QStringList ListaDeUrasChat;
  TListaTextoOrdenada ListaDeVariaveis;
  TListaTextoOrdenada ListaDeComandos;
  TListaTextoOrdenada ListaDePlayList;
  TListaTextoOrdenada ListaDeMensagensChat;
  TListaTextoOrdenada ListaDeMensagensChatTDD;

  void Clear();
};

// The one process-wide instance.
extern TMUInfoAuxiliar MenuUraInfoAuxiliar;

// While one lives, the message catalogue and the queue lists answer look-ups
// from a hash built once instead of a search of the list each: describing a
// whole document asks for tens of thousands of names. The lists must not
// change meanwhile. An inner one over lists already indexed does nothing.
class TIndiceInfoAuxiliar {
 public:
  explicit TIndiceInfoAuxiliar(const TMUInfoAuxiliar& Info = MenuUraInfoAuxiliar);
  ~TIndiceInfoAuxiliar();
  TIndiceInfoAuxiliar(const TIndiceInfoAuxiliar&) = delete;
  TIndiceInfoAuxiliar& operator=(const TIndiceInfoAuxiliar&) = delete;

 private:
  const TMUInfoAuxiliar& FInfo;
  QHash<QString, TMUDescricaoMensagem*> FMensagens;
  QHash<QString, TMUFila*> FFilasVoz, FFilasChat;
  bool FDono = false;
};
