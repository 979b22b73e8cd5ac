#include "arquivoini.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include "codepage.h"
#include "texto.h"

namespace {
const QByteArray kBom("\xEF\xBB\xBF");

bool MesmoNome(const QString& A, const QString& B) { return LowerAscii(A) == LowerAscii(B); }

QString SemQuebras(QString Texto) {
  Texto.remove(u'\r');
  Texto.remove(u'\n');
  return Texto;
}
}  // namespace

TArquivoIni TArquivoIni::Carrega(const QString& Caminho) {
  QFile f(Caminho);
  if (!f.open(QIODevice::ReadOnly)) return TArquivoIni();
  return DeBytes(f.readAll());
}

TArquivoIni TArquivoIni::DeBytes(const QByteArray& Bytes) {
  TArquivoIni ini;
  QByteArray dados = Bytes;
  if (dados.startsWith(kBom)) {
    ini.FBom = true;
    dados.remove(0, kBom.size());
  }
  QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
  QString texto = utf8.decode(dados);
  if (utf8.hasError()) texto = DecodeAnsi(dados);

  const qsizetype lf = texto.indexOf(u'\n');
  if (lf > 0 && texto.at(lf - 1) == u'\r') ini.FQuebra = QStringLiteral("\r\n");
  QStringList linhas = texto.split(u'\n');
  // The break after the last line does not open one more.
  if (!linhas.isEmpty() && linhas.last().isEmpty()) linhas.removeLast();

  ini.FSecoes.push_back(TSecao());
  for (QString& l : linhas) {
    if (l.endsWith(u'\r')) l.chop(1);
    const QString limpa = l.trimmed();
    if (limpa.startsWith(u'[') && limpa.contains(u']')) {
      TSecao s;
      s.Nome = limpa.mid(1, limpa.indexOf(u']') - 1).trimmed();
      s.Linhas.push_back({l, QString(), -1});
      ini.FSecoes.push_back(std::move(s));
      continue;
    }
    TLinha linha{l, QString(), -1};
    const qsizetype igual = l.indexOf(u'=');
    if (igual > 0 && !limpa.startsWith(u';') && !limpa.startsWith(u'#')) {
      linha.Chave = l.left(igual).trimmed();
      if (!linha.Chave.isEmpty()) linha.InicioValor = igual + 1;
    }
    ini.FSecoes.back().Linhas.push_back(std::move(linha));
  }
  return ini;
}

QByteArray TArquivoIni::Bytes() const {
  QString texto;
  for (const TSecao& s : FSecoes)
    for (const TLinha& l : s.Linhas) texto += l.Texto + FQuebra;
  return (FBom ? kBom : QByteArray()) + texto.toUtf8();
}

bool TArquivoIni::Salva(const QString& Caminho, QString* Erro) const {
  const QByteArray dados = Bytes();
  QSaveFile f(Caminho);
  if (!f.open(QIODevice::WriteOnly) || f.write(dados) != dados.size() || !f.commit()) {
    if (Erro) *Erro = f.errorString();
    return false;
  }
  return true;
}

const TArquivoIni::TSecao* TArquivoIni::Secao(const QString& Nome) const {
  for (const TSecao& s : FSecoes)
    if (!s.Nome.isNull() && MesmoNome(s.Nome, Nome)) return &s;
  return nullptr;
}

TArquivoIni::TSecao* TArquivoIni::Secao(const QString& Nome) {
  return const_cast<TSecao*>(static_cast<const TArquivoIni*>(this)->Secao(Nome));
}

QString TArquivoIni::Valor(const QString& NomeSecao, const QString& Chave) const {
  const TSecao* s = Secao(NomeSecao);
  if (!s) return QString();
  for (const TLinha& l : s->Linhas)
    if (l.InicioValor >= 0 && MesmoNome(l.Chave, Chave)) {
      // Never null once the key is there, also with nothing after "=".
      const QString v = l.Texto.mid(l.InicioValor);
      return v.isNull() ? QStringLiteral("") : v;
    }
  return QString();
}

void TArquivoIni::DefineValor(const QString& NomeSecao, const QString& Chave, const QString& Valor) {
  const QString nova = Chave + u'=' + SemQuebras(Valor);
  TSecao* s = Secao(NomeSecao);
  if (!s) {
    if (FSecoes.empty()) FSecoes.push_back(TSecao());
    // A blank line between sections, as the file is usually laid out.
    const TSecao& ultima = FSecoes.back();
    if (!ultima.Linhas.empty() && !ultima.Linhas.back().Texto.trimmed().isEmpty())
      FSecoes.back().Linhas.push_back({QString(), QString(), -1});
    TSecao criada;
    criada.Nome = NomeSecao;
    criada.Linhas.push_back({u'[' + NomeSecao + u']', QString(), -1});
    FSecoes.push_back(std::move(criada));
    s = &FSecoes.back();
  }
  size_t depoisDaUltima = 1;  // after the header when the section holds no key
  for (size_t i = 0; i < s->Linhas.size(); ++i) {
    TLinha& l = s->Linhas[i];
    if (l.InicioValor < 0) continue;
    if (MesmoNome(l.Chave, Chave)) {
      l.Texto = l.Texto.left(l.InicioValor) + SemQuebras(Valor);
      return;
    }
    depoisDaUltima = i + 1;
  }
  const auto pos = s->Linhas.begin() + static_cast<std::ptrdiff_t>(qMin(depoisDaUltima, s->Linhas.size()));
  s->Linhas.insert(pos, {nova, Chave, Chave.size() + 1});
}
