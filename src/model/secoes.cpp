#include "secoes.h"

#include "dac.h"

namespace {
const QString kQuebra = QString(QChar(0x21A9)) + u' ';

// The shared part of the three fallback sections' CopyFrom.
template <class S>
void CopiaSecao(S& alvo, const S& origem) {
  alvo.ListaAcao->CopyFrom(origem.ListaAcao.get());
  alvo.Mensagem->CopyFrom(origem.Mensagem.get());
}
}  // namespace

TMUOpcaoInvalida::TMUOpcaoInvalida(TDAC* DAC)
    : DAC(DAC), Mensagem(std::make_unique<TMUMensagem>()), ListaAcao(std::make_unique<TMUListaAcao>(DAC)) {}

void TMUOpcaoInvalida::CopyFrom(const TMUOpcaoInvalida* ptrOpcaoInvalida) {
  if (!ptrOpcaoInvalida || ptrOpcaoInvalida == this) return;
  Tentativas = ptrOpcaoInvalida->Tentativas;
  CopiaSecao(*this, *ptrOpcaoInvalida);
}
QString TMUOpcaoInvalida::GetStrMensagem() const { return Mensagem->GetStrMensagem(); }
QString TMUOpcaoInvalida::GetStrAcao() const { return ListaAcao->GetStrAcao(); }

TMUOpcaoTimeout::TMUOpcaoTimeout(TDAC* DAC)
    : DAC(DAC),
      Tempo(DAC && DAC->UraChat() ? 300 : 5),
      Mensagem(std::make_unique<TMUMensagem>()),
      ListaAcao(std::make_unique<TMUListaAcao>(DAC)) {}

void TMUOpcaoTimeout::CopyFrom(const TMUOpcaoTimeout* ptrOpcaoTimeout) {
  if (!ptrOpcaoTimeout || ptrOpcaoTimeout == this) return;
  Tentativas = ptrOpcaoTimeout->Tentativas;
  Tempo = ptrOpcaoTimeout->Tempo;
  CopiaSecao(*this, *ptrOpcaoTimeout);
}
QString TMUOpcaoTimeout::GetStrMensagem() const { return Mensagem->GetStrMensagem(); }
QString TMUOpcaoTimeout::GetStrAcao() const { return ListaAcao->GetStrAcao(); }

TMUFinal::TMUFinal(TDAC* DAC)
    : DAC(DAC), Mensagem(std::make_unique<TMUMensagem>()), ListaAcao(std::make_unique<TMUListaAcao>(DAC)) {}

void TMUFinal::CopyFrom(const TMUFinal* ptrFinal) {
  if (!ptrFinal || ptrFinal == this) return;
  CopiaSecao(*this, *ptrFinal);
}
QString TMUFinal::GetStrMensagem() const { return Mensagem->GetStrMensagem(); }
QString TMUFinal::GetStrAcao() const { return ListaAcao->GetStrAcao(); }

TMUItemMenuOpcaoWA::TMUItemMenuOpcaoWA(TDAC* DAC)
    : DAC(DAC), Titulo(std::make_unique<TMUMensagem>()), Descricao(std::make_unique<TMUMensagem>()) {}

void TMUItemMenuOpcaoWA::CopyFrom(const TMUItemMenuOpcaoWA* ptrIMO) {
  if (!ptrIMO || ptrIMO == this) return;
  Titulo->CopyFrom(ptrIMO->Titulo.get());
  Descricao->CopyFrom(ptrIMO->Descricao.get());
  Resposta = ptrIMO->Resposta;
}

void TMUListaItemMenuOpcaoWA::CopyFrom(const TMUListaItemMenuOpcaoWA* ptrListaItem) {
  if (ptrListaItem == this) return;
  ClearLista();
  if (!ptrListaItem) return;
  for (const auto& item : ptrListaItem->Items()) {
    auto copia = std::make_unique<TMUItemMenuOpcaoWA>(DAC);
    copia->CopyFrom(item.get());
    Add(std::move(copia));
  }
}

TMUMenuOpcaoWA::TMUMenuOpcaoWA(TDAC* DAC, const QString& Tipo)
    : DAC(DAC),
      Tipo(Tipo),
      Titulo(std::make_unique<TMUMensagem>()),
      Texto(std::make_unique<TMUMensagem>()),
      Rodape(std::make_unique<TMUMensagem>()),
      TituloMenuOpcoes(std::make_unique<TMUMensagem>()),
      ListaItensMenuOpcao(std::make_unique<TMUListaItemMenuOpcaoWA>(DAC)) {}

void TMUMenuOpcaoWA::CopyFrom(const TMUMenuOpcaoWA* ptrMenuOpcao) {
  if (!ptrMenuOpcao || ptrMenuOpcao == this) return;
  Tipo = ptrMenuOpcao->Tipo;
  Titulo->CopyFrom(ptrMenuOpcao->Titulo.get());
  Texto->CopyFrom(ptrMenuOpcao->Texto.get());
  Rodape->CopyFrom(ptrMenuOpcao->Rodape.get());
  TituloMenuOpcoes->CopyFrom(ptrMenuOpcao->TituloMenuOpcoes.get());
  ListaItensMenuOpcao->CopyFrom(ptrMenuOpcao->ListaItensMenuOpcao.get());
}

void TMUMenuOpcaoWA::Clear() {
  Titulo->LimpaListaArquivos();
  Texto->LimpaListaArquivos();
  Rodape->LimpaListaArquivos();
  TituloMenuOpcoes->LimpaListaArquivos();
  ListaItensMenuOpcao->ClearLista();
}

int TMUMenuOpcaoWA::GetTipoInt() const {
  if (Tipo == u"BOTAOWA") return 1;
  if (Tipo == u"LISTAWA") return 2;
  return 0;
}

QString TMUMenuOpcaoWA::GetTipoIntToStr(int tipo) {
  if (tipo == 1) return QStringLiteral("BOTAOWA");
  if (tipo == 2) return QStringLiteral("LISTAWA");
  return QString();
}

QString TMUMenuOpcaoWA::GetMenuMensagem() const {
  QString r = Titulo->GetStrMensagem();
  for (const TMUMensagem* m : {Texto.get(), Rodape.get(), TituloMenuOpcoes.get()}) {
    const QString d = m->GetStrMensagem();
    if (d.isEmpty()) continue;
    if (!r.isEmpty()) r += kQuebra;
    r += d;
  }
  const auto& itens = ListaItensMenuOpcao->Items();
  if (!r.isEmpty() && !itens.empty()) r += kQuebra;
  const bool emLinhas = GetTipoInt() != 0;
  for (size_t i = 0; i < itens.size(); ++i) {
    const auto& item = *itens[i];
    const QString prefixo = item.Resposta.isEmpty() ? QString() : item.Resposta + QStringLiteral(" - ");
    const QString titulo = item.Titulo->GetStrMensagem();
    if (emLinhas) {
      if (i > 0) r += kQuebra;
      r += prefixo + titulo + u' ';
    } else {
      r += u'|' + prefixo + titulo + u'|';
    }
  }
  return r;
}
