#include "infoauxiliar.h"

#include <algorithm>

#include "texto.h"

TMUInfoAuxiliar MenuUraInfoAuxiliar;

TMUDescricaoMensagem* TMUListaDescricaoMensagem::SearchItem(const QString& Arquivo) const {
  if (Arquivo.isEmpty()) return nullptr;
  if (FIndice) return FIndice->value(Arquivo);
  for (const auto& m : FLista)
    if (m->Arquivo == Arquivo) return m.get();
  return nullptr;
}

QString TMUListaDescricaoMensagem::GetDescricao(const QString& Arquivo) const {
  if (FIndice) {
    const TMUDescricaoMensagem* m = FIndice->value(Arquivo);
    return m ? m->Descricao : QString();
  }
  for (const auto& m : FLista)
    if (m->Arquivo == Arquivo) return m->Descricao;
  return QString();
}

QString TMUListaDescricaoMensagem::GetDescricaoArquivos(const QString& Arquivos) const {
  QString r;
  AcrescentaDescricaoArquivos(r, Arquivos);
  return r;
}

void TMUListaDescricaoMensagem::AcrescentaDescricaoArquivos(QString& r, const QString& Arquivos) const {
  // The comma-separated names, a last empty one left out; a single name (the
  // usual case) is looked up as it stands, without a text of its own.
  const qsizetype antes = r.size();
  const qsizetype n = Arquivos.size();
  for (qsizetype inicio = 0; inicio < n;) {
    qsizetype fim = Arquivos.indexOf(u',', inicio);
    if (fim < 0) fim = n;
    const QString p = (inicio == 0 && fim == n) ? Arquivos : Arquivos.sliced(inicio, fim - inicio);
    const TMUDescricaoMensagem* m = SearchItem(p);
    if (r.size() > antes) r += QStringLiteral(", ");
    r += (m && !TrimBlanks(m->Descricao).isEmpty()) ? m->Descricao : p;
    inicio = fim + 1;
  }
}

namespace {
// "id - name" when the name says more than the id.
QString IdComNome(const QString& id, const QString& nome) {
  return (!nome.isEmpty() && nome != id) ? id + QStringLiteral(" - ") + nome : id;
}
}  // namespace

QString TMUFila::GetStrNomeFila() const { return IdComNome(FilaId, NomeFila); }
QString TMUGrupo::GetStrNomeGrupo() const { return IdComNome(GrupoId, NomeGrupo); }

namespace {
// Queues and groups are looked up the same way: by id, first match wins.
template <class T>
T* BuscaPorId(const std::vector<std::unique_ptr<T>>& itens, QString T::*Id, const QString& id) {
  if (id.isEmpty()) return nullptr;
  for (const auto& item : itens)
    if ((*item).*Id == id) return item.get();
  return nullptr;
}

// "id - name" whenever the id is known (also with an empty name), else the
// id, appended to r.
template <class T>
void AcrescentaIdComNome(QString& r, const T* item, QString T::*Nome, const QString& id) {
  r += id;
  if (!item) return;
  r += QStringView(u" - ");
  r += (*item).*Nome;
}
}  // namespace

TMUFila* TMUListaFilas::SearchItem(const QString& IdFila) const {
  if (FIndice) return IdFila.isEmpty() ? nullptr : FIndice->value(IdFila);
  return BuscaPorId(FLista, &TMUFila::FilaId, IdFila);
}

QString TMUListaFilas::GetNomeFila(const QString& IdFila) const {
  const TMUFila* f = SearchItem(IdFila);
  return f ? f->NomeFila : QString();
}

QString TMUListaFilas::GetStrNomeFila(const QString& IdFila) const {
  QString r;
  AcrescentaStrNomeFila(r, IdFila);
  return r;
}

void TMUListaFilas::AcrescentaStrNomeFila(QString& r, const QString& IdFila) const {
  AcrescentaIdComNome(r, SearchItem(IdFila), &TMUFila::NomeFila, IdFila);
}

TMUGrupo* TMUListaGrupos::SearchItem(const QString& IdGrupo) const {
  return BuscaPorId(FLista, &TMUGrupo::GrupoId, IdGrupo);
}

QString TMUListaGrupos::GetNomeGrupo(const QString& IdGrupo) const {
  const TMUGrupo* g = SearchItem(IdGrupo);
  return g ? g->NomeGrupo : QString();
}

QString TMUListaGrupos::GetStrNomeGrupo(const QString& IdGrupo) const {
  QString r;
  AcrescentaIdComNome(r, SearchItem(IdGrupo), &TMUGrupo::NomeGrupo, IdGrupo);
  return r;
}

namespace {
char16_t Dobra(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }

// Orders as LowerAscii(a) < LowerAscii(b), without building the copies.
bool Menor(const QString& a, const QString& b) {
  const qsizetype n = std::min(a.size(), b.size());
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t x = Dobra(a.at(i).unicode()), y = Dobra(b.at(i).unicode());
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}
}  // namespace

int TListaTextoOrdenada::Add(const QString& Texto) {
  const auto it = std::lower_bound(FLista.begin(), FLista.end(), Texto, Menor);
  if (it != FLista.end() && !Menor(Texto, *it)) return -1;
  const auto pos = it - FLista.begin();
  FLista.insert(pos, Texto);
  return static_cast<int>(pos);
}

int TListaTextoOrdenada::IndexOf(const QString& Texto) const {
  const auto it = std::lower_bound(FLista.begin(), FLista.end(), Texto, Menor);
  if (it != FLista.end() && !Menor(Texto, *it)) return static_cast<int>(it - FLista.begin());
  return -1;
}

namespace {
// Each key's first item, as the searches of the lists find it.
template <class T>
void Indexa(const std::vector<std::unique_ptr<T>>& Itens, QString T::*Chave, QHash<QString, T*>& Indice) {
  Indice.reserve(qsizetype(Itens.size()));
  // From the last, so that the first of a key is the one kept.
  for (auto it = Itens.rbegin(); it != Itens.rend(); ++it) Indice.insert((**it).*Chave, it->get());
}
}  // namespace

TIndiceInfoAuxiliar::TIndiceInfoAuxiliar(const TMUInfoAuxiliar& Info) : FInfo(Info) {
  if (Info.ListaDeMensagens.FIndice) return;
  FDono = true;
  Indexa(Info.ListaDeMensagens.Items(), &TMUDescricaoMensagem::Arquivo, FMensagens);
  Indexa(Info.ListaDeFilasVoz.Items(), &TMUFila::FilaId, FFilasVoz);
  Indexa(Info.ListaDeFilasChat.Items(), &TMUFila::FilaId, FFilasChat);
  Info.ListaDeMensagens.FIndice = &FMensagens;
  Info.ListaDeFilasVoz.FIndice = &FFilasVoz;
  Info.ListaDeFilasChat.FIndice = &FFilasChat;
}

TIndiceInfoAuxiliar::~TIndiceInfoAuxiliar() {
  if (!FDono) return;
  FInfo.ListaDeMensagens.FIndice = nullptr;
  FInfo.ListaDeFilasVoz.FIndice = nullptr;
  FInfo.ListaDeFilasChat.FIndice = nullptr;
}

void TMUInfoAuxiliar::Clear() {
  ListaDeFilasVoz.ClearLista();
  ListaDeFilasChat.ClearLista();
  ListaDeMensagens.ClearLista();
  ListaDeGrupos.ClearLista();
  ListaDeUrasVoz.clear();
  ListaDeUrasChat.clear();
  ListaDeVariaveis.Clear();
  ListaDeComandos.Clear();
  ListaDePlayList.Clear();
  ListaDeMensagensChat.Clear();
  ListaDeMensagensChatTDD.Clear();
}
