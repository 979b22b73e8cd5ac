#include "dac.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <cmath>

#include "infoauxiliar.h"
#include "menuura.h"

namespace {
const QDate kBase(1899, 12, 30);
constexpr double kMsPorDia = 86400000.0;
constexpr double kMaxData = 2958466.0;  // 01/01/10000
}  // namespace

QString DataHoraToStr(double Valor) {
  if (Valor == -1) return QStringLiteral("<ERROR>");
  if (!(Valor > 0) || !(Valor < kMaxData)) return QString();
  const long long ms = std::llround(Valor * kMsPorDia);
  const long long dias = ms / 86400000LL;
  const int resto = static_cast<int>(ms % 86400000LL);
  const QDate data = kBase.addDays(dias);
  const QTime hora = QTime::fromMSecsSinceStartOfDay(resto);
  return data.toString(QStringLiteral("dd/MM/yyyy")) + u' ' + hora.toString(QStringLiteral("hh:mm"));
}

double StrToDataHora(const QString& Texto) {
  static const QRegularExpression re(
      QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)"));
  const auto m = re.match(Texto);
  if (!m.hasMatch()) return 0;
  const QDate data(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
  const int h = m.captured(4).isEmpty() ? 0 : m.captured(4).toInt();
  const int mi = m.captured(5).isEmpty() ? 0 : m.captured(5).toInt();
  const int s = m.captured(6).isEmpty() ? 0 : m.captured(6).toInt();
  const QTime hora(h, mi, s);
  if (!data.isValid() || !hora.isValid()) return 0;
  return double(kBase.daysTo(data)) + hora.msecsSinceStartOfDay() / kMsPorDia;
}

double DataHoraAtual() {
  const QDateTime agora = QDateTime::currentDateTime();
  return double(kBase.daysTo(agora.date())) + agora.time().msecsSinceStartOfDay() / kMsPorDia;
}

TDAC::TDAC() : ListaMenus(std::make_unique<TListaMenuUra>()) {}
TDAC::~TDAC() = default;

QString TDAC::GetCriadoEmStr() const { return DataHoraToStr(CriadoEm); }
void TDAC::SetCriadoEmStr(const QString& Texto) { CriadoEm = StrToDataHora(Texto); }
QString TDAC::GetModificadoEmStr() const { return DataHoraToStr(ModificadoEm); }
void TDAC::SetModificadoEmStr(const QString& Texto) { ModificadoEm = StrToDataHora(Texto); }
QString TDAC::GetAtivadoEmStr() const { return DataHoraToStr(AtivadoEm); }
void TDAC::SetAtivadoEmStr(const QString& Texto) { AtivadoEm = StrToDataHora(Texto); }

bool TDAC::UraChat() const { return TipoUra == u"chat" || TipoUra == u"chattdd"; }

void TDAC::Clear() {
  Nome.clear();
  Descricao.clear();
  MenuInicial.clear();
  TipoAtendimento.clear();
  TipoUra.clear();
  NomeArquivoServidor.clear();
  NomeArquivoLocal.clear();
  ArquivoMensagensServidor.clear();
  ArquivoMensagensLocal.clear();
  PriMsgEhOpcao = false;
  Servidor = false;
  Local = true;
  Novo = true;
  ListaMenus->ClearLista();
}

TMenuUra* TDAC::ProcuraMenu(const QString& nomeMenu) const {
  for (const auto& m : ListaMenus->Items())
    if (m->Nome == nomeMenu) return m.get();
  return nullptr;
}

TMenuUra* TDAC::PtrMenuInicial() const { return ProcuraMenu(MenuInicial); }

namespace {
QString Flag(bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); }
}  // namespace

void TDAC::GetListConfig(QStringList* Lista) const {
  if (!Lista) return;
  Lista->clear();
  const TIndiceInfoAuxiliar indice;
  qsizetype linhas = 1;
  for (const auto& menu : ListaMenus->Items()) linhas += 5 + menu->ListaCondicoes->Count() + menu->ListaOpcoes->Count();
  Lista->reserve(linhas);
  // Each line is put together in one reused buffer and kept as a copy of
  // its exact size: no temporary text per part.
  QString l;
  const auto guarda = [&] {
    Lista->append(QString(l.constData(), l.size()));
    l.resize(0);
  };
  l = Nome + Descricao + MenuInicial + TipoUra + TipoAtendimento + Flag(PriMsgEhOpcao);
  guarda();
  for (const auto& menu : ListaMenus->Items()) {
    Lista->append(menu->Nome);
    for (const auto& c : menu->ListaCondicoes->Items()) {
      l += c->GetStrCondicao();
      c->Mensagem->AcrescentaArquivosText(l);
      c->ListaAcao->AcrescentaStrAcao(l);
      guarda();
    }
    menu->MensagemMenu->AcrescentaArquivosText(l);
    guarda();
    for (const auto& o : menu->ListaOpcoes->Items()) {
      l += o->GetValor();
      l += o->DigitoFinalizador;
      l += Flag(o->PodeMenosDigitos);
      l += QString::number(o->QtdeMinOpcaoValida);
      o->Mensagem->AcrescentaArquivosText(l);
      o->ListaAcao->AcrescentaStrAcao(l);
      guarda();
    }
    const auto& inv = *menu->OpcaoInvalida;
    inv.Mensagem->AcrescentaArquivosText(l);
    inv.ListaAcao->AcrescentaStrAcao(l);
    l += QString::number(inv.Tentativas);
    guarda();
    const auto& tmo = *menu->OpcaoTimeout;
    tmo.Mensagem->AcrescentaArquivosText(l);
    tmo.ListaAcao->AcrescentaStrAcao(l);
    l += QString::number(tmo.Tentativas);
    l += QString::number(tmo.Tempo);
    guarda();
    const auto& fin = *menu->Final;
    fin.Mensagem->AcrescentaArquivosText(l);
    fin.ListaAcao->AcrescentaStrAcao(l);
    guarda();
  }
}
