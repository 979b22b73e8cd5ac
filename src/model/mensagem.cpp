#include "mensagem.h"

#include "UTKRDACFuncoes.h"
#include "infoauxiliar.h"
#include "texto.h"

namespace {
const QString kArrow = QString(QChar(0x21A9));
const QString kPrefixo = QStringLiteral("Mensagem(");

bool EhReferencia(const QString& s) { return s.size() >= 2 && s.startsWith(u'{') && s.endsWith(u'}'); }
}  // namespace

void TMUMensagem::AddArquivo(const QString& NomeArquivo) {
  if (NomeArquivo.isEmpty()) return;
  if (NomeArquivo.startsWith(kPrefixo)) {
    // The last character is taken as the closing parenthesis, whatever it is.
    const qsizetype n = NomeArquivo.size() - kPrefixo.size() - 1;
    FLista.append(u'{' + (n > 0 ? NomeArquivo.mid(kPrefixo.size(), n) : QString()) + u'}');
    return;
  }
  FLista.append(NomeArquivo);
}

QString TMUMensagem::GetArquivo(int Indice, bool bOriginal) const {
  if (Indice < 0 || Indice >= FLista.size()) return QString();
  const QString& s = FLista.at(Indice);
  if (bOriginal || !EhReferencia(s)) return s;
  return kPrefixo + s.mid(1, s.size() - 2) + u')';
}

QString TMUMensagem::AddMensagemChat(const QString& Mensagem) {
  if (Mensagem.isEmpty()) return QString();
  const QString e = encodeCRLF(Mensagem);
  FListaChat.append(e);
  return e;
}

QString TMUMensagem::GetMensagemChat(int Indice, const QString& novaLinha) const {
  if (Indice < 0 || Indice >= FListaChat.size()) return QString();
  const QString& s = FListaChat.at(Indice);
  return novaLinha.isEmpty() ? s : decodeCRLFTo(s, novaLinha);
}

namespace {
void AcrescentaComCRLF(QString& r, const QStringList& l) {
  qsizetype n = r.size();
  for (const QString& s : l) n += s.size() + 2;
  if (n == r.size()) return;
  r.reserve(n);  // one allocation, no temporary per entry
  for (const QString& s : l) {
    r += s;
    r += u'\r';
    r += u'\n';
  }
}

QString ComCRLF(const QStringList& l) {
  QString r;
  AcrescentaComCRLF(r, l);
  return r;
}
}  // namespace

QString TMUMensagem::ArquivosText() const { return ComCRLF(FLista); }
void TMUMensagem::AcrescentaArquivosText(QString& r) const { AcrescentaComCRLF(r, FLista); }
QString TMUMensagem::MensagensChatText() const { return ComCRLF(FListaChat); }

void TMUMensagem::LimpaListaArquivos() {
  FLista.clear();
  FListaChat.clear();
}

void TMUMensagem::SetListaArquivos(const QStringList& Lista) { FLista = Lista; }

void TMUMensagem::SetListaArquivosSeparador(const QString& Separador, const QString& Texto) {
  FLista.clear();
  QStringView resto(Texto);
  if (!Separador.isEmpty()) {
    qsizetype p;
    while ((p = resto.indexOf(Separador)) >= 0) {
      const QStringView peca = TrimBlanksView(resto.first(p));
      if (!peca.isEmpty()) FLista.append(peca.toString());
      // Only the separator's first character is skipped.
      resto = resto.sliced(p + 1);
    }
  }
  // The last piece is kept as it is, blanks and all.
  if (!resto.isEmpty()) FLista.append(resto.size() == Texto.size() ? Texto : resto.toString());
}

QString TMUMensagem::GetListaArquivosSeparador(const QString& Separador) const { return FLista.join(Separador); }

QString TMUMensagem::GetStrMensagem() const {
  QString r;
  AcrescentaStrMensagem(r, nullptr, kArrow);
  return r;
}

void TMUMensagem::AcrescentaStrMensagem(QString& r, void (*Acrescenta)(QString&, QStringView),
                                        const QString& novaLinha) const {
  const auto texto = [&r, Acrescenta](QStringView t) {
    if (Acrescenta)
      Acrescenta(r, t);
    else
      r += t;
  };
  // Appended in place, piece by piece: a report describes tens of thousands
  // of messages. The separators depend only on what this call appended.
  const qsizetype inicio = r.size();
  for (const QString& a : FLista) {
    if (r.size() > inicio) r += QStringLiteral(", ");
    if (EhReferencia(a)) {
      texto(kPrefixo);
      texto(QStringView(a).sliced(1, a.size() - 2));
      texto(u")");
      continue;
    }
    const QString d = MenuUraInfoAuxiliar.ListaDeMensagens.GetDescricao(a);
    texto(d.isEmpty() ? a : d);
  }
  for (const QString& c : FListaChat) {
    if (r.size() > inicio) r += kArrow;
    if (!Acrescenta) {
      r += decodeCRLFTo(c, novaLinha);
      continue;
    }
    // Escaped with its line breaks still plain (a stored text holds none of
    // its own), so that novaLinha itself is not escaped.
    const QString claro = decodeCRLFTo(c, QStringLiteral("\n"));
    QStringView resto(claro);
    for (qsizetype q; (q = resto.indexOf(u'\n')) >= 0; resto = resto.sliced(q + 1)) {
      Acrescenta(r, resto.first(q));
      r += novaLinha;
    }
    Acrescenta(r, resto);
  }
}

QString TMUMensagem::GetStrMensagemChat(const QString& separador, const QString& novaLinha) const {
  const QString sep = separador.isEmpty() ? QStringLiteral(" ") : separador;
  QString r;
  for (qsizetype i = 0; i < FListaChat.size(); ++i) {
    if (i > 0) r += sep;
    r += decodeCRLFTo(FListaChat.at(i), novaLinha);
  }
  return r;
}

void TMUMensagem::CopyFrom(const TMUMensagem* ptrMensagem) {
  if (!ptrMensagem) {
    FLista.clear();
    FListaChat.clear();
    PodeParar = false;
    return;
  }
  FLista = ptrMensagem->FLista;
  FListaChat = ptrMensagem->FListaChat;
  PodeParar = ptrMensagem->PodeParar;
}
