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

QString TMUMensagem::GetStrMensagem() const { return GetStrMensagem(nullptr, kArrow); }

QString TMUMensagem::GetStrMensagem(QString (*Escapa)(const QString&), const QString& novaLinha) const {
  const auto texto = [Escapa](const QString& t) { return Escapa ? Escapa(t) : t; };
  QString r;
  for (const QString& a : FLista) {
    QString d;
    if (EhReferencia(a)) {
      d = kPrefixo + a.mid(1, a.size() - 2) + u')';
    } else {
      d = MenuUraInfoAuxiliar.ListaDeMensagens.GetDescricao(a);
      if (d.isEmpty()) d = a;
    }
    if (!r.isEmpty()) r += QStringLiteral(", ");
    r += texto(d);
  }
  for (const QString& c : FListaChat) {
    if (!r.isEmpty()) r += kArrow;
    if (!Escapa) {
      r += decodeCRLFTo(c, novaLinha);
      continue;
    }
    // Escaped with its line breaks still plain (a stored text holds none of
    // its own), so that novaLinha itself is not escaped.
    r += Escapa(decodeCRLFTo(c, QStringLiteral("\n"))).replace(u'\n', novaLinha);
  }
  return r;
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
