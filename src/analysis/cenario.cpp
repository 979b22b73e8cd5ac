#include "cenario.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include "simulacao.h"

namespace {

const QString kFormatoDataHora = QStringLiteral("dd/MM/yyyy HH:mm");

QString Aspas(const QString& s) { return u'"' + s + u'"'; }

// Whether Esperados occur in Obtidos in this order (others may come between);
// the first one missing otherwise.
std::optional<QString> FaltaEmOrdem(const QStringList& Esperados, const QStringList& Obtidos) {
  qsizetype j = 0;
  for (const QString& e : Esperados) {
    while (j < Obtidos.size() && Obtidos[j] != e) ++j;
    if (j == Obtidos.size()) return e;
    ++j;
  }
  return std::nullopt;
}

// A text, a number (written as typed) or, where Nulo is allowed, null.
bool LeTexto(const QJsonValue& V, QString* Texto, bool* Nulo = nullptr) {
  if (V.isString()) {
    *Texto = V.toString();
    return true;
  }
  if (V.isDouble()) {
    const double d = V.toDouble();
    *Texto = d == double(qint64(d)) ? QString::number(qint64(d)) : QString::number(d, 'g', 15);
    return true;
  }
  if (Nulo && V.isNull()) {
    *Nulo = true;
    return true;
  }
  return false;
}

bool LeListaTextos(const QJsonValue& V, QStringList* Lista) {
  if (!V.isArray()) return false;
  for (const QJsonValue& e : V.toArray()) {
    QString t;
    if (!LeTexto(e, &t)) return false;
    *Lista << t;
  }
  return true;
}

class TLeitor {
 public:
  explicit TLeitor(QString* Erro) : FErro(Erro) {}

  bool Le(const QJsonObject& O, TCenario& C) {
    for (const QString& chave : O.keys())
      if (!QStringList{"nome", "quando", "feriado", "variaveis", "entradas", "limite", "servicoLocal", "espera"}
               .contains(chave))
        return Falha(QStringLiteral("membro desconhecido ") + Aspas(chave));
    if (!O.value(QStringLiteral("nome")).isString() || O.value(QStringLiteral("nome")).toString().isEmpty())
      return Falha(QStringLiteral("\"nome\" deve ser um texto não vazio"));
    C.Nome = O.value(QStringLiteral("nome")).toString();
    if (O.contains(QStringLiteral("quando"))) {
      C.Quando = LeDataHoraCenario(O.value(QStringLiteral("quando")).toString());
      if (!C.Quando.isValid()) return Falha(QStringLiteral("\"quando\" deve ser \"dd/mm/aaaa hh:mm\""));
    }
    for (const auto& [nome, campo] : {std::pair{"feriado", &C.Feriado}, std::pair{"servicoLocal", &C.ServicoLocal}}) {
      const QJsonValue v = O.value(QString::fromLatin1(nome));
      if (v.isUndefined()) continue;
      if (!v.isBool()) return Falha(Aspas(QString::fromLatin1(nome)) + QStringLiteral(" deve ser true ou false"));
      *campo = v.toBool();
    }
    if (O.contains(QStringLiteral("variaveis"))) {
      if (!O.value(QStringLiteral("variaveis")).isObject())
        return Falha(QStringLiteral("\"variaveis\" deve ser um objeto"));
      const QJsonObject vars = O.value(QStringLiteral("variaveis")).toObject();
      for (auto it = vars.begin(); it != vars.end(); ++it) {
        QString valor;
        if (!LeTexto(it.value(), &valor))
          return Falha(QStringLiteral("a variável ") + Aspas(it.key()) + QStringLiteral(" deve ter um texto"));
        C.Variaveis.insert(it.key(), valor);
      }
    }
    if (O.contains(QStringLiteral("entradas"))) {
      if (!O.value(QStringLiteral("entradas")).isArray())
        return Falha(QStringLiteral("\"entradas\" deve ser uma lista"));
      for (const QJsonValue& e : O.value(QStringLiteral("entradas")).toArray()) {
        QString texto;
        bool nulo = false;
        if (!LeTexto(e, &texto, &nulo)) return Falha(QStringLiteral("cada entrada deve ser um texto ou null"));
        C.Entradas.push_back(nulo ? std::nullopt : std::optional<QString>(texto));
      }
    }
    if (O.contains(QStringLiteral("limite"))) {
      const int limite = O.value(QStringLiteral("limite")).toInt(0);
      if (limite < 1) return Falha(QStringLiteral("\"limite\" deve ser um número inteiro positivo"));
      C.LimitePassos = limite;
    }
    if (O.contains(QStringLiteral("espera"))) {
      if (!O.value(QStringLiteral("espera")).isObject()) return Falha(QStringLiteral("\"espera\" deve ser um objeto"));
      return LeEspera(O.value(QStringLiteral("espera")).toObject(), C.Espera);
    }
    return true;
  }

 private:
  bool LeEspera(const QJsonObject& O, TEsperaCenario& E) {
    for (const QString& chave : O.keys())
      if (!QStringList{"fim", "codigo", "menus", "mensagens"}.contains(chave))
        return Falha(QStringLiteral("membro desconhecido ") + Aspas(chave) + QStringLiteral(" em \"espera\""));
    for (const char* nome : {"fim", "codigo"}) {
      const QString chave = QString::fromLatin1(nome);
      if (!O.contains(chave)) continue;
      if (!O.value(chave).isString())
        return Falha(QStringLiteral("\"espera\": ") + Aspas(chave) + QStringLiteral(" deve ser um texto"));
      (chave == u"fim" ? E.Fim : E.Codigo) = O.value(chave).toString();
    }
    for (const char* nome : {"menus", "mensagens"}) {
      const QString chave = QString::fromLatin1(nome);
      if (O.contains(chave) && !LeListaTextos(O.value(chave), chave == u"menus" ? &E.Menus : &E.Mensagens))
        return Falha(QStringLiteral("\"espera\": ") + Aspas(chave) + QStringLiteral(" deve ser uma lista de textos"));
    }
    return true;
  }

  bool Falha(const QString& Texto) {
    if (FErro) *FErro = Texto;
    return false;
  }

  QString* FErro;
};

}  // namespace

QDateTime LeDataHoraCenario(const QString& Texto) {
  const QDateTime d = QDateTime::fromString(Texto.trimmed(), kFormatoDataHora);
  return d.isValid() ? d : QDateTime();
}

QString TextoDataHoraCenario(const QDateTime& Quando) { return Quando.toString(kFormatoDataHora); }

QJsonObject TCenario::ParaJson() const {
  QJsonObject o{{QStringLiteral("nome"), Nome}};
  if (Quando.isValid()) o.insert(QStringLiteral("quando"), TextoDataHoraCenario(Quando));
  if (Feriado) o.insert(QStringLiteral("feriado"), true);
  if (!Variaveis.isEmpty()) {
    QJsonObject vars;
    for (auto it = Variaveis.cbegin(); it != Variaveis.cend(); ++it) vars.insert(it.key(), *it);
    o.insert(QStringLiteral("variaveis"), vars);
  }
  QJsonArray entradas;
  for (const auto& e : Entradas) entradas.append(e ? QJsonValue(*e) : QJsonValue());
  o.insert(QStringLiteral("entradas"), entradas);
  if (LimitePassos != kLimitePassosPadrao) o.insert(QStringLiteral("limite"), LimitePassos);
  if (ServicoLocal) o.insert(QStringLiteral("servicoLocal"), true);
  QJsonObject espera;
  if (Espera.Fim) espera.insert(QStringLiteral("fim"), *Espera.Fim);
  if (Espera.Codigo) espera.insert(QStringLiteral("codigo"), *Espera.Codigo);
  if (!Espera.Menus.isEmpty()) espera.insert(QStringLiteral("menus"), QJsonArray::fromStringList(Espera.Menus));
  if (!Espera.Mensagens.isEmpty())
    espera.insert(QStringLiteral("mensagens"), QJsonArray::fromStringList(Espera.Mensagens));
  if (!espera.isEmpty()) o.insert(QStringLiteral("espera"), espera);
  return o;
}

QStringList TCenario::Confere(const TResultadoSimulacao& R) const {
  QStringList falhas;
  if (Espera.Fim && !R.Fim.Texto.contains(*Espera.Fim))
    falhas << QStringLiteral("o fim não contém ") + Aspas(*Espera.Fim) + QStringLiteral(" (fim: ") + R.Fim.Texto + u')';
  if (Espera.Codigo && R.Fim.Codigo != *Espera.Codigo)
    falhas << QStringLiteral("código ") + Aspas(R.Fim.Codigo) + QStringLiteral(", esperado ") + Aspas(*Espera.Codigo);
  if (const auto falta = FaltaEmOrdem(Espera.Menus, R.Menus))
    falhas << QStringLiteral("o menu ") + Aspas(*falta) +
                  QStringLiteral(" não foi visitado na ordem esperada (menus: ") + R.Menus.join(QStringLiteral(", ")) +
                  u')';
  if (const auto falta = FaltaEmOrdem(Espera.Mensagens, R.Mensagens))
    falhas << QStringLiteral("a mensagem ") + Aspas(*falta) +
                  QStringLiteral(" não foi tocada ou enviada na ordem esperada (mensagens: ") +
                  R.Mensagens.join(QStringLiteral(", ")) + u')';
  return falhas;
}

bool LeCenarios(const QByteArray& Json, std::vector<TCenario>& Cenarios, QString* Erro) {
  QJsonParseError erro;
  const QJsonDocument doc = QJsonDocument::fromJson(Json, &erro);
  if (erro.error != QJsonParseError::NoError) {
    if (Erro)
      *Erro = QStringLiteral("JSON inválido (") + erro.errorString() + QStringLiteral(", posição ") +
              QString::number(erro.offset) + u')';
    return false;
  }
  if (!doc.isArray()) {
    if (Erro) *Erro = QStringLiteral("o arquivo deve conter uma lista de cenários");
    return false;
  }
  std::vector<TCenario> lidos;
  const QJsonArray lista = doc.array();
  for (qsizetype i = 0; i < lista.size(); ++i) {
    QString problema;
    TCenario c;
    if (!lista[i].isObject() || !TLeitor(&problema).Le(lista[i].toObject(), c)) {
      if (Erro)
        *Erro = QStringLiteral("cenário ") + QString::number(i + 1) + QStringLiteral(": ") +
                (problema.isEmpty() ? QStringLiteral("deve ser um objeto") : problema);
      return false;
    }
    lidos.push_back(std::move(c));
  }
  Cenarios = std::move(lidos);
  return true;
}

QByteArray CenariosParaJson(const std::vector<TCenario>& Cenarios) {
  QJsonArray lista;
  for (const TCenario& c : Cenarios) lista.append(c.ParaJson());
  return QJsonDocument(lista).toJson(QJsonDocument::Indented);
}

bool AcrescentaCenario(const QString& Arquivo, const TCenario& Cenario, QString* Erro) {
  std::vector<TCenario> cenarios;
  QFile f(Arquivo);
  if (f.exists()) {
    if (!f.open(QIODevice::ReadOnly)) {
      if (Erro) *Erro = f.errorString();
      return false;
    }
    const QByteArray conteudo = f.readAll();
    f.close();
    // An empty file is a new one; anything else must already hold scenarios.
    if (!conteudo.trimmed().isEmpty() && !LeCenarios(conteudo, cenarios, Erro)) return false;
  }
  cenarios.push_back(Cenario);
  QSaveFile saida(Arquivo);
  if (!saida.open(QIODevice::WriteOnly) || saida.write(CenariosParaJson(cenarios)) < 0 || !saida.commit()) {
    if (Erro) *Erro = saida.errorString();
    return false;
  }
  return true;
}

TEsperaCenario EsperaDoFim(const TResultadoSimulacao& Resultado) {
  TEsperaCenario e;
  e.Fim = Resultado.Fim.Texto;
  e.Codigo = Resultado.Fim.Codigo;
  return e;
}
