#include "opcao.h"

#include <QStringBuilder>
#include <bitset>
#include <climits>
#include <utility>

#include "dac.h"
#include "texto.h"

namespace {

bool EhDigito(QChar c) { return IsAsciiDigit(c); }
bool EhFixo(QChar c) { return IsAsciiDigit(c) || c == u'*' || c == u'#'; }
bool EhVariavel(QChar c) { return c == u'X' || c == u'N' || c == u'Z'; }

QString Aspas(const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); }
QString Plural(const QString& s, bool plural) { return plural ? s + QLatin1Char('s') : s; }

// A bracket group accepted by the real value and by the element list:
// "[d-d]" with the first digit lower, or any group without "-" holding at
// least one character.
bool GrupoValidoReal(QStringView g) {
  if (g.contains(u'-'))
    return g.size() == 5 && g[0] == u'[' && EhDigito(g[1]) && g[2] == u'-' && EhDigito(g[3]) && g[4] == u']' &&
           g[1] < g[3];
  return g.size() > 2;
}

bool EhGrupoRange(QStringView g) { return g.contains(u'-') && GrupoValidoReal(g); }

QString TrocaCoringas(QString s) {
  for (QChar& c : s)
    if (c == u'Z' || c == u'N' || c == u'.') c = u'X';
  return s;
}

// Finds the next "]" at or after From, remembering the last answer so that a
// long run of "[" without "]" is not scanned again and again.
class ProximoFecha {
 public:
  explicit ProximoFecha(const QString& s) : FTexto(s) {}
  qsizetype Apos(qsizetype From) {
    if (FSemMais) return -1;
    if (FUltimo >= From) return FUltimo;
    FUltimo = FTexto.indexOf(u']', From);
    if (FUltimo < 0) FSemMais = true;
    return FUltimo;
  }

 private:
  const QString& FTexto;
  qsizetype FUltimo = -1;
  bool FSemMais = false;
};

// The characters of s split into quoted digits, ASCII letters and others,
// each group in order and joined by ", ".
struct Grupos {
  QStringList Digitos, Letras, Outros;
  explicit Grupos(const QString& s) {
    for (QChar c : s) {
      if (IsAsciiDigit(c))
        Digitos << Aspas(QString(c));
      else if (IsAsciiLetter(c))
        Letras << Aspas(QString(c));
      else
        Outros << Aspas(QString(c));
    }
  }
};

QString Lista(const QStringList& l) { return l.join(QStringLiteral(", ")); }

}  // namespace

// ---------------------------------------------------------------- TMUOpcao

TMUOpcao::TMUOpcao(TDAC* DAC, const QString& ValorOpcao) : TMUOpcao(DAC, 0, ValorOpcao) {}

TMUOpcao::TMUOpcao(TDAC* DAC, int Tipo, const QString& ValorOpcao)
    : DAC(DAC),
      Mensagem(std::make_unique<TMUMensagem>()),
      ListaAcao(std::make_unique<TMUListaAcao>(DAC)),
      Tipo(Tipo),
      FValor(ValorOpcao) {
  MontaListaDetalhada();
}

void TMUOpcao::SetValor(const QString& Valor) {
  FValor = Valor;
  if (ListaAcao) ListaAcao->OpcaoAcao = Valor;
  MontaListaDetalhada();
}

void TMUOpcao::MontaListaDetalhada() {
  FListaDetalhada.clear();
  const QString& v = FValor;
  const qsizetype n = v.size();
  ProximoFecha fecha(v);
  qsizetype i = 0;
  while (i < n) {
    const QChar c = v.at(i);
    if (c != u'[') {
      TMUOpcaoDetalhada d;
      d.Valor = c;
      FListaDetalhada.push_back(d);
      ++i;
      continue;
    }
    const qsizetype rb = fecha.Apos(i + 1);
    if (rb < 0) {  // a "[" without a later "]" is skipped on its own
      ++i;
      continue;
    }
    const QStringView g = QStringView(v).mid(i, rb - i + 1);
    if (EhGrupoRange(g)) {
      TMUOpcaoDetalhada d;
      d.ValorIni = g[1];
      d.ValorFim = g[3];
      FListaDetalhada.push_back(d);
    }
    i = rb + 1;
  }
}

void TMUOpcao::CopyFrom(const TMUOpcao* ptrOpcao) {
  if (!ptrOpcao || ptrOpcao == this) return;
  if (!ListaAcao) ListaAcao = std::make_unique<TMUListaAcao>(DAC);
  if (!Mensagem) Mensagem = std::make_unique<TMUMensagem>();
  SetValor(ptrOpcao->FValor);
  PodeMenosDigitos = ptrOpcao->PodeMenosDigitos;
  QtdeMinOpcaoValida = ptrOpcao->QtdeMinOpcaoValida;
  DigitoFinalizador = ptrOpcao->DigitoFinalizador;
  IgnorarCase = ptrOpcao->IgnorarCase;
  TextoAlfaAdicional = ptrOpcao->TextoAlfaAdicional;
  QtdeMaxOpcaoValida = ptrOpcao->QtdeMaxOpcaoValida;
  ComecaCom = ptrOpcao->ComecaCom;
  TerminaCom = ptrOpcao->TerminaCom;
  Contem = ptrOpcao->Contem;
  Tipo = ptrOpcao->Tipo;
  ListaAcao->CopyFrom(ptrOpcao->ListaAcao.get());
  Mensagem->CopyFrom(ptrOpcao->Mensagem.get());
  // Read the source's index before ParentList changes (the source may be this
  // option's own list entry).
  const int origem = ptrOpcao->GetItemIndex();
  ParentList = ptrOpcao->ParentList;
  FItemIndexOrigem = ParentList ? origem : -1;
}

int TMUOpcao::GetItemIndex() const {
  if (!ParentList) return -1;
  const int proprio = ParentList->IndexOf(this);
  if (proprio >= 0) return proprio;
  return FItemIndexOrigem < ParentList->Count() ? FItemIndexOrigem : -1;
}

bool TMUOpcao::IsValidKey(QChar Key) const {
  if (DAC && DAC->UraChat()) return true;
  if (IsAsciiDigit(Key)) return true;
  switch (Key.unicode()) {
    case u'*':
    case u'#':
    case u'-':
    case u'.':
    case u'N':
    case u'X':
    case u'Z':
    case u'[':
    case u']': return true;
    default: return false;
  }
}

QString TMUOpcao::GetValorReal() const {
  const QString& v = FValor;
  const qsizetype n = v.size();
  QString r;
  qsizetype i = 0;
  while (i <= n) {
    const qsizetype lb = v.indexOf(u'[', i);
    if (lb < 0) {
      r += QStringView(v).mid(i);
      break;
    }
    r += QStringView(v).mid(i, lb - i);
    const qsizetype rb = v.indexOf(u']', lb + 1);
    if (rb < 0) break;
    if (!GrupoValidoReal(QStringView(v).mid(lb, rb - lb + 1))) break;
    r += (r.isEmpty() || rb == n - 1) ? u'Y' : u'X';
    i = rb + 1;
  }
  return TrocaCoringas(std::move(r));
}

bool TMUOpcao::ColchetesValidos(const QString& Grupo) {
  const qsizetype n = Grupo.size();
  if (n <= 2 || Grupo.front() != u'[' || Grupo.back() != u']') return false;
  qsizetype i = 1;
  const qsizetype fim = n - 1;  // index of the closing "]"
  while (i < fim) {
    const QChar c = Grupo.at(i);
    if (!EhDigito(c)) return false;
    if (i + 1 < fim && Grupo.at(i + 1) == u'-') {
      if (i + 2 >= fim) return false;
      const QChar d = Grupo.at(i + 2);
      if (!EhDigito(d) || d < c) return false;
      i += 3;
    } else {
      ++i;
    }
  }
  return true;
}

bool TMUOpcao::OpcaoValida() const {
  if (Tipo != 0) return true;
  const QString& v = FValor;
  // The checking value: valid groups become "X", the first bad group and the
  // rest of the pattern stay as they are.
  QString cv;
  qsizetype i = 0;
  while (true) {
    const qsizetype lb = v.indexOf(u'[', i);
    if (lb < 0) {
      cv += QStringView(v).mid(i);
      break;
    }
    cv += QStringView(v).mid(i, lb - i);
    const qsizetype rb = v.indexOf(u']', lb + 1);
    if (rb < 0 || !ColchetesValidos(v.mid(lb, rb - lb + 1))) {
      cv += QStringView(v).mid(lb);
      break;
    }
    cv += u'X';
    i = rb + 1;
  }
  cv = TrocaCoringas(std::move(cv));

  if (cv.isEmpty()) return false;
  const qsizetype ponto = v.indexOf(u'.');
  if (ponto >= 0 && (ponto != v.size() - 1 || v.size() <= 1)) return false;

  const QChar primeiro = cv.at(0);
  if (!EhFixo(primeiro) && !EhVariavel(primeiro)) return false;
  bool houveFixo = EhFixo(primeiro);
  bool houveVariavel = EhVariavel(primeiro);
  for (qsizetype k = 1; k < cv.size(); ++k) {
    const QChar c = cv.at(k);
    const QChar anterior = cv.at(k - 1);
    if (EhFixo(c)) {
      if (EhVariavel(anterior) && houveFixo) return false;
      houveFixo = true;
    } else if (EhVariavel(c)) {
      if (EhFixo(anterior) && houveVariavel) return false;
      houveVariavel = true;
    } else if (c == u'.') {
      if (k != cv.size() - 1) return false;
    } else {
      return false;
    }
  }
  return true;
}

bool TMUOpcao::PodeFinalizador() const {
  const QString r = GetValorReal();
  return r.size() >= 2 && r.endsWith(u'X') && r.contains(QStringLiteral("XX")) && !FValor.contains(u'.');
}

int TMUOpcao::QtdeMinimaValida() const {
  if (!PodeFinalizador()) return 0;
  const qsizetype p = GetValorReal().indexOf(QStringLiteral("XX"));
  return p < 1 ? 1 : static_cast<int>(qMin<qsizetype>(p, INT_MAX));
}

QString TMUOpcao::GetStrColchetes(const QString& Grupo) {
  QStringView dentro(Grupo);
  if (dentro.startsWith(u'[')) dentro = dentro.mid(1);
  if (dentro.endsWith(u']')) dentro = dentro.chopped(1);
  const qsizetype hifen = dentro.indexOf(u'-');
  if (hifen >= 0) return dentro.left(hifen).toString() + QStringLiteral(" à ") + dentro.mid(hifen + 1).toString();
  QString r;
  const qsizetype n = dentro.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (i > 0) r += (i == n - 1) ? QStringLiteral(" ou ") : QStringLiteral(", ");
    r += dentro[i];
  }
  return r;
}

namespace {

// Voice description of a key pattern.
QString DescricaoVoz(const TMUOpcao& o) {
  const QString& v = o.GetValor();
  const QString r = o.GetValorReal();
  const qsizetype n = r.size();
  if (n == 0) return QString();
  const QString qtd = QString::number(n);
  const bool temX = r.contains(u'X');
  const bool noMinimo = v.endsWith(u'.');
  const QString strNoMinimo = noMinimo ? QStringLiteral(", no mínimo") : QString();

  auto prefixo = [&]() {
    QString t;
    if (r.startsWith(u'Y')) {
      const qsizetype fecha = v.indexOf(u']');
      t = TMUOpcao::GetStrColchetes(fecha < 0 ? QString() : v.left(fecha + 1));
    } else {
      qsizetype p = r.indexOf(u'X');
      if (p < 0) p = r.indexOf(u'Y');
      t = p < 0 ? r : r.left(p);
    }
    return QStringLiteral(", iniciando com ") + t;
  };
  auto sufixo = [&]() {
    QString t;
    if (r.endsWith(u'Y')) {
      const qsizetype abre = v.lastIndexOf(u'[');
      t = TMUOpcao::GetStrColchetes(abre < 0 ? v : v.mid(abre));
    } else if (!noMinimo) {
      qsizetype p = v.size();
      while (p > 0 && EhFixo(v.at(p - 1))) --p;
      t = v.mid(p);
    }
    return t.isEmpty() ? QString() : QStringLiteral(", terminando com ") + t;
  };
  const bool prefixoX = temX && r.indexOf(u'X') != 0;

  if (temX && n == 1) return QStringLiteral("1 dígito");
  if (temX && o.PodeFinalizador()) {
    const bool menos = o.PodeMenosDigitos && o.QtdeMinOpcaoValida > 0;
    QString s;
    if (!o.DigitoFinalizador.isEmpty() || menos)
      s = QStringLiteral("Até ") + qtd + QStringLiteral(" dígitos");
    else
      s = qtd + QStringLiteral(" dígitos") + strNoMinimo;
    if (prefixoX) s += prefixo();
    s += sufixo();
    if (!o.DigitoFinalizador.isEmpty()) s += QStringLiteral(", podendo ser finalizado com ") + o.DigitoFinalizador;
    if (menos)
      s += QStringLiteral(", sendo válida somente se contiver, pelo menos, ") + QString::number(o.QtdeMinOpcaoValida) +
           Plural(QStringLiteral(" dígito"), o.QtdeMinOpcaoValida > 1);
    return s;
  }
  if (temX) {
    QString s = qtd + QStringLiteral(" dígitos") + strNoMinimo;
    if (prefixoX) s += prefixo();
    return s + sufixo();
  }
  if (n == 1) {
    if (r == QStringLiteral("Y")) {
      const qsizetype fecha = v.indexOf(u']');
      return QStringLiteral("Dígitos ") + TMUOpcao::GetStrColchetes(fecha < 0 ? QString() : v.left(fecha + 1));
    }
    return QStringLiteral("Dígito ") + r;
  }
  if (r.contains(u'Y')) return qtd + QStringLiteral(" dígitos") + prefixo() + sufixo();
  return QStringLiteral("Opção ") + r;
}

// Tipo 1: the accepted characters.
QString DescricaoCaracteres(const QString& v) {
  if (v.isEmpty()) return QString();
  if (v.size() == 1) {
    const QChar c = v.at(0);
    const QString tipo = IsAsciiDigit(c)    ? QStringLiteral("Dígito")
                         : IsAsciiLetter(c) ? QStringLiteral("Letra")
                                            : QStringLiteral("Caractere");
    return tipo + QLatin1Char(' ') + Aspas(v);
  }
  const Grupos g(v);
  QString s;
  if (!g.Digitos.isEmpty())
    s = Plural(QStringLiteral("Dígito"), g.Digitos.size() > 1) + QLatin1Char(' ') + Lista(g.Digitos);
  if (!g.Letras.isEmpty()) {
    if (!s.isEmpty()) s += QStringLiteral(" ou ");
    s += Plural(QStringLiteral("Letra"), g.Letras.size() > 1) + QLatin1Char(' ') + Lista(g.Letras);
  }
  if (!g.Outros.isEmpty()) {
    if (!s.isEmpty()) s += QStringLiteral(" ou ");
    s += Plural(QStringLiteral("Caractere"), g.Outros.size() > 1) + QLatin1Char(' ') + Lista(g.Outros);
  }
  return s;
}

// Tipo 3 and 4: free and alphanumeric text.
QString DescricaoTexto(const TMUOpcao& o) {
  QString s = o.Tipo == 3 ? QStringLiteral("Texto livre") : QStringLiteral("Texto alfanumérico");
  const bool temMin = o.QtdeMinOpcaoValida > 0;
  const bool temMax = o.QtdeMaxOpcaoValida > 0;
  bool restricao = false;  // one of the length-maximum/begin/end/contain clauses
  if (temMin) {
    s += QStringLiteral(", com tamanho mínimo de ") + QString::number(o.QtdeMinOpcaoValida);
    if (!temMax) s += Plural(QStringLiteral(" caractere"), o.QtdeMinOpcaoValida > 1);
  }
  if (temMax) {
    s += temMin ? QStringLiteral(" e ") : QStringLiteral(", com ");
    s += QStringLiteral("tamanho máximo de ") + QString::number(o.QtdeMaxOpcaoValida) +
         Plural(QStringLiteral(" caractere"), o.QtdeMaxOpcaoValida > 1);
    restricao = true;
  }
  if (!o.ComecaCom.isEmpty()) {
    s += QStringLiteral(", começando com ") + Aspas(o.ComecaCom);
    restricao = true;
  }
  if (!o.TerminaCom.isEmpty()) {
    s += o.ComecaCom.isEmpty() ? QStringLiteral(", ") : QStringLiteral(" e ");
    s += QStringLiteral("terminando com ") + Aspas(o.TerminaCom);
    restricao = true;
  }
  if (!o.Contem.isEmpty()) {
    s += QStringLiteral(", contento o texto ") + Aspas(o.Contem);
    restricao = true;
  }
  if (o.IgnorarCase && restricao) {
    s += QStringLiteral(", ignorando case-sensitive");
    if (TMUOpcao::TemAcentuacaoOuCaracteresEspeciais(o.ComecaCom) ||
        TMUOpcao::TemAcentuacaoOuCaracteresEspeciais(o.TerminaCom) ||
        TMUOpcao::TemAcentuacaoOuCaracteresEspeciais(o.Contem))
      s += QStringLiteral(" (exceto caracteres especiais ou acentuação)");
  }
  s += QLatin1Char('.');
  if (o.Tipo != 4) return s;

  const QString& v = o.GetValor();
  const bool temN = v.contains(u'N'), temA = v.contains(u'A'), tema = v.contains(u'a');
  const bool temE = v.contains(u'E'), temO = v.contains(u'O');
  const int c = int(temN) + int(temA) + int(tema);
  bool primeiraParte = false;
  if (c > 0 || temE) {
    s += QStringLiteral(" Pode ser composto");
    if (c < 2) s += QStringLiteral(" apenas");
    s += QStringLiteral(" por");
    if (temN) {
      s += QStringLiteral(" dígitos");
      if (c == 2) s += QStringLiteral(" e");
      if (c == 3) s += QLatin1Char(',');
    }
    if (temA) {
      s += QStringLiteral(" letras maiúsculas");
      if (tema) s += QStringLiteral(" e");
    }
    if (tema) s += QStringLiteral(" letras minúsculas");
    if (temE) {
      if (c > 0) s += QStringLiteral(" e");
      s += QStringLiteral(" espaço");
    }
    primeiraParte = true;
  }
  if (temO && !o.TextoAlfaAdicional.isEmpty()) {
    const Grupos g(o.TextoAlfaAdicional);
    s += primeiraParte ? QStringLiteral(", além d") : QStringLiteral(" Pode ser composto pel");
    const bool dig = !g.Digitos.isEmpty(), let = !g.Letras.isEmpty(), out = !g.Outros.isEmpty();
    if (dig)
      s += (g.Digitos.size() > 1 ? QStringLiteral("os dígitos") : QStringLiteral("o dígito")) + QLatin1Char(' ') +
           Lista(g.Digitos);
    if (let) {
      if (dig && out)
        s += QStringLiteral(", ");
      else if (dig)
        s += QStringLiteral(" e ");
      s += (g.Letras.size() > 1 ? QStringLiteral("as letras") : QStringLiteral("a letra")) + QLatin1Char(' ') +
           Lista(g.Letras);
    }
    if (out) {
      if (dig || let) s += QStringLiteral(" e ");
      s += (g.Outros.size() > 1 ? QStringLiteral("os caracteres") : QStringLiteral("o caractere")) + QLatin1Char(' ') +
           Lista(g.Outros);
    }
  }
  return s;
}

}  // namespace

QString TMUOpcao::GetStrOpcao() const {
  switch (Tipo) {
    case 0: return DescricaoVoz(*this);
    case 1: return DescricaoCaracteres(FValor);
    case 2: {
      if (FValor.isEmpty()) return QString();
      QString s = QStringLiteral("Opção ") + Aspas(FValor);
      if (IgnorarCase) {
        s += QStringLiteral(", ignorando case-sensitive");
        if (TemAcentuacaoOuCaracteresEspeciais(FValor))
          s += QStringLiteral(" (exceto caracteres especiais ou acentuação)");
      }
      return s;
    }
    case 3:
    case 4: return DescricaoTexto(*this);
    default: return QString();
  }
}

QString TMUOpcao::GetDescricaoValor() const {
  switch (Tipo) {
    case 3: return QStringLiteral("Texto(Livre)");
    case 4: return QStringLiteral("Texto(Alfanumérico)");
    case 1: {
      if (FValor.isEmpty()) return QString();
      bool digitos = true, letras = true;
      for (QChar c : FValor) {
        digitos = digitos && IsAsciiDigit(c);
        letras = letras && IsAsciiLetter(c);
      }
      const bool plural = FValor.size() > 1;
      const QString s = digitos  ? Plural(QStringLiteral("Dígito"), plural)
                        : letras ? Plural(QStringLiteral("Letra"), plural)
                                 : Plural(QStringLiteral("Caractere"), plural);
      return s + QLatin1Char('(') + FValor + QLatin1Char(')');
    }
    default: return FValor;
  }
}

QString TMUOpcao::GetStrOpcaoCfg() const {
  const QChar sep = u';';
  const QString tipo = QString::number(Tipo);
  const QString ic = IgnorarCase ? QStringLiteral("1") : QStringLiteral("0");
  auto caso = [this](const QString& s) { return IgnorarCase ? LowerAscii(s) : s; };
  switch (Tipo) {
    case 2: return tipo % sep % caso(FValor) % sep % ic;
    case 3: return tipo % sep % caso(ComecaCom) % sep % caso(Contem) % sep % caso(TerminaCom) % sep % ic;
    case 4:
      return tipo % sep % caso(ComecaCom) % sep % caso(Contem) % sep % caso(TerminaCom) % sep % TextoAlfaAdicional +
             sep % ic;
    default:  // 0, 1 and any unknown kind
      return tipo % sep % FValor;
  }
}

bool TMUOpcao::TamanhoOpcaoValido(const QString& Texto) const {
  const qsizetype tam = Texto.size();
  const qsizetype min = QtdeMinOpcaoValida, max = QtdeMaxOpcaoValida;
  return (max == 0 || max >= min) && tam >= min && (max == 0 || max >= tam);
}

bool TMUOpcao::ComecaTerminaOpcaoValido(const QString& Texto) const {
  const QString t = IgnorarCase ? LowerAscii(Texto) : Texto;
  auto caso = [this](const QString& s) { return IgnorarCase ? LowerAscii(s) : s; };
  if (!ComecaCom.isEmpty()) {
    if (t.size() < ComecaCom.size() || !t.startsWith(caso(ComecaCom))) return false;
  }
  if (!Contem.isEmpty()) {
    if (t.size() < Contem.size() || !t.contains(caso(Contem))) return false;
  }
  if (!TerminaCom.isEmpty()) {
    if (t.size() < TerminaCom.size() || !t.endsWith(caso(TerminaCom))) return false;
  }
  return true;
}

bool TMUOpcao::AlfanumericoOpcaoValido(const QString& Texto) const {
  if (FValor.isEmpty()) return false;
  const bool temN = FValor.contains(u'N'), temA = FValor.contains(u'A');
  const bool tema = FValor.contains(u'a'), temE = FValor.contains(u'E');
  const bool temO = FValor.contains(u'O');
  // The extra characters as a table, so that long texts stay linear.
  std::unique_ptr<std::bitset<65536>> adicionais;
  if (temO && !Texto.isEmpty()) {
    adicionais = std::make_unique<std::bitset<65536>>();
    for (QChar c : TextoAlfaAdicional) adicionais->set(c.unicode());
  }
  for (QChar c : Texto) {
    const bool listado = adicionais && adicionais->test(c.unicode());
    const char16_t u = c.unicode();
    bool ok;
    if (IsAsciiDigit(c))
      ok = temN || listado;
    else if (u >= 'a' && u <= 'z')
      ok = tema || listado;
    else if (u >= 'A' && u <= 'Z')
      ok = temA || listado;
    else if (u == ' ')
      ok = temE;
    else
      ok = listado;
    if (!ok) return false;
  }
  return true;
}

bool TMUOpcao::TemAcentuacaoOuCaracteresEspeciais(const QString& Texto) {
  for (QChar c : Texto)
    if (c.unicode() > 127) return true;
  return false;
}

int TMUOpcao::TrataOpcao(const QString& strOpcao, bool Final) const {
  if (Tipo > 0) {
    switch (Tipo) {
      case 1: return (strOpcao.size() == 1 && FValor.contains(strOpcao.at(0))) ? OPCAO_CONFERE : OPCAO_NAO_CONFERE;
      case 2: {
        const bool igual = IgnorarCase ? LowerAscii(strOpcao) == LowerAscii(FValor) : strOpcao == FValor;
        return igual ? OPCAO_CONFERE : OPCAO_NAO_CONFERE;
      }
      case 3:
        return (TamanhoOpcaoValido(strOpcao) && ComecaTerminaOpcaoValido(strOpcao)) ? OPCAO_CONFERE : OPCAO_NAO_CONFERE;
      case 4:
        return (TamanhoOpcaoValido(strOpcao) && AlfanumericoOpcaoValido(strOpcao) && ComecaTerminaOpcaoValido(strOpcao))
                   ? OPCAO_CONFERE
                   : OPCAO_NAO_CONFERE;
      default: return OPCAO_NAO_CONFERE;
    }
  }

  // Key pattern.
  if (FListaDetalhada.empty() || strOpcao.isEmpty()) return OPCAO_INDEFINIDA;
  QStringView teclas(strOpcao);
  bool finalizado = false;
  if (!DigitoFinalizador.isEmpty() && PodeFinalizador() && teclas.endsWith(DigitoFinalizador)) {
    teclas.chop(DigitoFinalizador.size());
    finalizado = true;
  }
  const qsizetype k = teclas.size();
  const qsizetype ne = static_cast<qsizetype>(FListaDetalhada.size());
  const bool terminaPonto = FValor.endsWith(u'.');

  bool confere = true;
  qsizetype i = 0;  // elements and keys walked together
  for (; i < ne && i < k; ++i) {
    const TMUOpcaoDetalhada& e = FListaDetalhada[static_cast<size_t>(i)];
    const char16_t t = teclas[i].unicode();
    if (e.Valor.isNull()) {  // a range
      if (!(e.ValorFim > e.ValorIni && t >= e.ValorIni.unicode() && t <= e.ValorFim.unicode())) confere = false;
      continue;
    }
    const char16_t v = e.Valor.unicode();
    char16_t minimo = 0;
    if (v == u'X')
      minimo = u'0';
    else if (v == u'Z')
      minimo = u'1';
    else if (v == u'N')
      minimo = u'2';
    if (minimo != 0) {
      if (t < minimo || t > u'9') {
        confere = false;
        break;
      }
    } else if (v != u'.' && v != t) {
      confere = false;
    }
  }

  if (i < k) {  // keys left over
    if (!terminaPonto) return OPCAO_NAO_CONFERE;
    if (Final || finalizado) return confere ? OPCAO_CONFERE : OPCAO_NAO_CONFERE;
    return OPCAO_INDEFINIDA;
  }
  if (i < ne) {  // elements left over
    if (Final || finalizado) {
      if (PodeMenosDigitos && k >= QtdeMinOpcaoValida && confere) return finalizado ? OPCAO_FINALIZADA : OPCAO_CONFERE;
      return OPCAO_NAO_CONFERE;
    }
    return confere ? OPCAO_INDEFINIDA : OPCAO_NAO_CONFERE;
  }
  if (terminaPonto) {
    if (!Final) return OPCAO_INDEFINIDA;
    return confere ? OPCAO_CONFERE : OPCAO_NAO_CONFERE;
  }
  if (!confere) return OPCAO_NAO_CONFERE;
  return finalizado ? OPCAO_FINALIZADA : OPCAO_CONFERE;
}

QString TMUOpcao::GetStrMensagem() const { return Mensagem ? Mensagem->GetStrMensagem() : QString(); }

QString TMUOpcao::GetStrAcao() const { return ListaAcao ? ListaAcao->GetStrAcao() : QString(); }

// ----------------------------------------------------------- TMUListaOpcao

int TMUListaOpcao::Add(std::unique_ptr<TMUOpcao> Item) {
  if (!Item) return -1;
  Item->ParentList = this;
  return TListaBase<TMUOpcao>::Add(std::move(Item));
}

TMUOpcao* TMUListaOpcao::SearchOpcao(const QString& ValorOpcao) const {
  if (ValorOpcao.isEmpty()) return nullptr;
  for (const auto& o : FLista)
    if (o->GetValor() == ValorOpcao) return o.get();
  return nullptr;
}

TMUOpcao* TMUListaOpcao::SearchOpcaoPtr(const TMUOpcao* Opcao) const {
  if (!Opcao) return nullptr;
  const QString cfg = Opcao->GetStrOpcaoCfg();
  for (const auto& o : FLista)
    if (o->GetStrOpcaoCfg() == cfg) return o.get();
  return nullptr;
}

int TMUListaOpcao::TrataOpcao(const QString& strOpcao, bool Final, TMUOpcao** Opcao) const {
  int resultado = OPCAO_NAO_CONFERE;
  TMUOpcao* vencedora = nullptr;
  bool indefinida = false;
  for (const auto& o : FLista) {
    const int r = o->TrataOpcao(strOpcao, Final);
    if (r == OPCAO_CONFERE || r == OPCAO_FINALIZADA) {
      resultado = r;
      vencedora = o.get();
    } else if (r == OPCAO_INDEFINIDA) {
      indefinida = true;
    }
  }
  if (!vencedora && indefinida) resultado = OPCAO_INDEFINIDA;
  if (Opcao) *Opcao = vencedora;
  return resultado;
}
