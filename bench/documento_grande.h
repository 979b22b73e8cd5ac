#pragma once
// The 2,000-menu document the benchmarks share (menus "Menu0" to
// "Menu1999"): 5 conditions, 10 options and 3 actions in each section of
// every menu, and a catalogue of 500 messages and 100 queues in the lookup
// lists. Built once per process by Documento().
#include <memory>

#include "UTMenuUra.h"

inline constexpr int kMenus = 2000;
inline constexpr int kCondicoes = 5;
inline constexpr int kOpcoes = 10;
inline constexpr int kAcoes = 3;
inline constexpr int kCatalogo = 500;

inline void EncheAcoes(TMUListaAcao& l, int semente) {
  static const char* const tipos[] = {"VAIPARA", "DISCAF", "SETVAR", "MENSAGEM", "DESLIGA", "COMANDO"};
  for (int i = 0; i < kAcoes; ++i) {
    const int k = (semente + i) % 6;
    auto a = std::make_unique<TMUAcao>(l.DAC, tipos[k]);
    a->SetValor(k == 0   ? QStringLiteral("Menu%1").arg((semente + 1) % kMenus)
                : k == 3 ? QStringLiteral("msg%1,msg%2").arg(semente % kCatalogo).arg((semente + 7) % kCatalogo)
                : k == 5 ? QStringLiteral("script%1.sh arg").arg(semente % 50)
                         : QString::number(semente % 100));
    a->Variavel = k == 1 ? QStringLiteral("1") : QStringLiteral("var%1").arg(i);
    l.Add(std::move(a));
  }
}

inline void EncheMensagem(TMUMensagem& m, int semente) {
  m.AddArquivo(QStringLiteral("msg%1").arg(semente % kCatalogo));
  m.AddArquivo(QStringLiteral("Mensagem(var%1)").arg(semente % 10));
  m.AddMensagemChat(QStringLiteral("Texto %1\nsegunda linha").arg(semente));
}

inline std::unique_ptr<TMenuUra> NovoMenu(TDAC* dac, int n) {
  auto m = std::make_unique<TMenuUra>(dac, QStringLiteral("Menu%1").arg(n));
  m->Descricao = QStringLiteral("Menu número %1").arg(n);
  EncheMensagem(*m->MensagemMenu, n);
  for (int c = 0; c < kCondicoes; ++c) {
    auto cond = std::make_unique<TMUCondicao>(dac);
    cond->SetDiasSemana(c % 2 ? QStringLiteral("1-5") : QStringLiteral("6,7"));
    cond->SetStrHoraIni(QStringLiteral("%1:00").arg(8 + c));
    cond->SetStrHoraFim(QStringLiteral("%1:30").arg(12 + c));
    cond->Feriados = c == 4;
    EncheMensagem(*cond->Mensagem, n + c);
    EncheAcoes(*cond->ListaAcao, n * 7 + c);
    m->ListaCondicoes->Add(std::move(cond));
  }
  for (int o = 0; o < kOpcoes; ++o) {
    auto op = std::make_unique<TMUOpcao>(dac, QString());
    op->SetValor(o < 9 ? QString::number(o + 1) : QStringLiteral("9[0-5]XX"));
    op->DigitoFinalizador = QStringLiteral("#");
    EncheMensagem(*op->Mensagem, n + o);
    EncheAcoes(*op->ListaAcao, n * 11 + o);
    m->ListaOpcoes->Add(std::move(op));
  }
  EncheMensagem(*m->OpcaoInvalida->Mensagem, n);
  EncheAcoes(*m->OpcaoInvalida->ListaAcao, n + 1);
  EncheMensagem(*m->OpcaoTimeout->Mensagem, n);
  EncheAcoes(*m->OpcaoTimeout->ListaAcao, n + 2);
  EncheMensagem(*m->Final->Mensagem, n);
  EncheAcoes(*m->Final->ListaAcao, n + 3);
  m->SetTipoMenuOpcoesWA(QStringLiteral("LISTAWA"));
  m->MenuOpcoesWA->Titulo->AddMensagemChat(QStringLiteral("Olá"));
  m->MenuOpcoesWA->Texto->AddMensagemChat(QStringLiteral("Escolha uma opção"));
  for (int i = 0; i < 3; ++i) {
    auto item = std::make_unique<TMUItemMenuOpcaoWA>(dac);
    item->Resposta = QString::number(i + 1);
    item->Titulo->AddMensagemChat(QStringLiteral("Item %1").arg(i + 1));
    m->MenuOpcoesWA->ListaItensMenuOpcao->Add(std::move(item));
  }
  return m;
}

// Built once: the catalogue and queues the descriptions look up, and the document.
inline TDAC& Documento() {
  static TDAC* dac = [] {
    for (int i = 0; i < kCatalogo; ++i) {
      auto d = std::make_unique<TMUDescricaoMensagem>(QStringLiteral("msg%1").arg(i));
      d->Descricao = QStringLiteral("Mensagem gravada %1").arg(i);
      MenuUraInfoAuxiliar.ListaDeMensagens.Add(std::move(d));
    }
    for (int i = 0; i < 100; ++i) {
      auto f = std::make_unique<TMUFila>(QString::number(i));
      f->NomeFila = QStringLiteral("Fila %1").arg(i);
      MenuUraInfoAuxiliar.ListaDeFilasVoz.Add(std::move(f));
    }
    auto* d = new TDAC;
    d->Nome = QStringLiteral("Grande");
    d->MenuInicial = QStringLiteral("Menu0");
    for (int n = 0; n < kMenus; ++n) d->ListaMenus->Add(NovoMenu(d, n));
    return d;
  }();
  return *dac;
}
