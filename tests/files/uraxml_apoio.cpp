#include "uraxml_apoio.h"

#include "infoauxiliar.h"

void UraXmlTeste::SetUp() {
  MenuUraInfoAuxiliar.Clear();
  ASSERT_TRUE(Dir.isValid());
}

void UraXmlTeste::TearDown() { MenuUraInfoAuxiliar.Clear(); }

bool UraXmlTeste::Ler(const QString& Texto, TDAC& Dac) {
  Doc.Reset();
  for (const QString& linha : Texto.split(u'\n')) Doc.AddLine(linha);
  if (!Doc.Activate()) return false;
  return Xml.CarregaDACdoXml(Doc, &Dac);
}

QString UraXmlTeste::Escreve(const TDAC& Dac) const {
  QStringList linhas;
  Xml.DACToXMLStringList(&Dac, linhas);
  return linhas.join(u'\n');
}

QString ArquivoUra(const QString& Corpo, const QString& Atributos) {
  return QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<URA") + Atributos + u'>' + Corpo +
         QStringLiteral("</URA>\n");
}

namespace {

TMUAcao* Acao(TMUListaAcao& Lista, TDAC* Dac, const QString& Tipo, const QString& Valor,
              const QString& Variavel = QString()) {
  auto a = std::make_unique<TMUAcao>(Dac, Tipo);
  a->SetValor(Valor);
  a->Variavel = Variavel;
  TMUAcao* p = a.get();
  Lista.Add(std::move(a));
  return p;
}

TMUOpcao* Opcao(TMenuUra& Menu, int Tipo, const QString& Valor) {
  auto o = std::make_unique<TMUOpcao>(Menu.DAC, Tipo, Valor);
  TMUOpcao* p = o.get();
  Menu.ListaOpcoes->Add(std::move(o));
  return p;
}

TMenuUra* Menu(TDAC& Dac, const QString& Nome) {
  auto m = std::make_unique<TMenuUra>(&Dac, Nome);
  TMenuUra* p = m.get();
  Dac.ListaMenus->Add(std::move(m));
  return p;
}

}  // namespace

void MontaDacRico(TDAC& Dac, const QString& TipoUra) {
  TDAC* d = &Dac;
  Dac.TipoUra = TipoUra;
  Dac.Nome = QStringLiteral("Atendimento & Cia");
  Dac.Descricao = QStringLiteral("Horário <comercial> \"SP\"");
  Dac.MenuInicial = QStringLiteral("Inicio");
  Dac.TipoAtendimento = QStringLiteral("Answer");
  Dac.VersaoXML = 2;
  Dac.PriMsgEhOpcao = TipoUra != u"chat";

  TMenuUra* m = Menu(Dac, QStringLiteral("Inicio"));
  m->Descricao = QStringLiteral("Entrada: ação € 😀");

  auto c1 = std::make_unique<TMUCondicao>(d);
  c1->DiaIni = 1, c1->MesIni = 12, c1->AnoIni = 2024;
  c1->DiaFim = 31, c1->MesFim = 12, c1->AnoFim = 2024;
  c1->SetStrHoraIni(QStringLiteral("08:00"));
  c1->SetStrHoraFim(QStringLiteral("18:30"));
  c1->SetStrHoraIniPeriodo(QStringLiteral("07:15"));
  c1->SetStrHoraFimPeriodo(QStringLiteral("19:45"));
  c1->SetDiasSemana(QStringLiteral("1-5"));
  c1->Feriados = true;
  c1->ListaCondicaoVar->Tipo = 1;  // the reader gives every list AND unless it says OR
  c1->Mensagem->AddArquivo(QStringLiteral("bemvindo"));
  c1->Mensagem->AddArquivo(QStringLiteral("Mensagem(saldo)"));
  c1->Mensagem->AddMensagemChat(QStringLiteral("Olá\nmundo 😀"));
  Acao(*c1->ListaAcao, d, QStringLiteral("VAIPARA"), QStringLiteral("Vendas"), QStringLiteral("1"));
  Acao(*c1->ListaAcao, d, QStringLiteral("SETVAR"), QStringLiteral("a<b>&\"c\" 'd'"), QStringLiteral("cliente"));
  m->ListaCondicoes->Add(std::move(c1));

  auto c2 = std::make_unique<TMUCondicao>(d);
  c2->DiaIni = 0;  // 0 is a value, unlike -1
  c2->ListaCondicaoVar->Tipo = 2;
  for (const auto& [nome, tipo, valor] : {std::tuple{"saldo", "GT", "100€"}, std::tuple{"uf", "IN", "SP,RJ"}}) {
    auto v = std::make_unique<TMUCondicaoVar>();
    v->Variavel = QString::fromUtf8(nome);
    v->Tipo = QString::fromUtf8(tipo);
    v->Valor = QString::fromUtf8(valor);
    c2->ListaCondicaoVar->Add(std::move(v));
  }
  Acao(*c2->ListaAcao, d, QStringLiteral("DISCAF"), QStringLiteral("${fila}"), QStringLiteral("2"));
  m->ListaCondicoes->Add(std::move(c2));

  auto c3 = std::make_unique<TMUCondicao>(d);
  c3->ListaCondicaoVar->Tipo = 1;
  auto v3 = std::make_unique<TMUCondicaoVar>();
  v3->Variavel = QStringLiteral("vip");
  v3->Tipo = QStringLiteral("EQ");
  v3->Valor = QStringLiteral("1");
  c3->ListaCondicaoVar->Add(std::move(v3));
  c3->Mensagem->AddMensagemChat(QStringLiteral("Cliente VIP"));
  m->ListaCondicoes->Add(std::move(c3));

  m->MensagemMenu->AddArquivo(QStringLiteral("menu_principal"));
  m->MensagemMenu->AddMensagemChat(QStringLiteral("Escolha:\n1 - Vendas"));

  m->SetTipoMenuOpcoesWA(QStringLiteral("LISTAWA"));
  TMUMenuOpcaoWA& wa = *m->MenuOpcoesWA;
  wa.Titulo->AddMensagemChat(QStringLiteral("Olá"));
  wa.Texto->AddMensagemChat(QStringLiteral("Escolha"));
  wa.Texto->AddMensagemChat(QStringLiteral("linha1\nlinha2 & <fim>"));
  wa.Rodape->AddMensagemChat(QStringLiteral("rodapé"));
  wa.TituloMenuOpcoes->AddMensagemChat(QStringLiteral("Menu"));
  for (const auto& [resp, tit, desc] : {std::tuple{"1", "Vendas", "Fale com vendas"}, std::tuple{"2", "Suporte", ""}}) {
    auto item = std::make_unique<TMUItemMenuOpcaoWA>(d);
    item->Resposta = QString::fromUtf8(resp);
    item->Titulo->AddMensagemChat(QString::fromUtf8(tit));
    item->Descricao->AddMensagemChat(QString::fromUtf8(desc));
    wa.ListaItensMenuOpcao->Add(std::move(item));
  }

  TMUOpcao* o = Opcao(*m, 0, QStringLiteral("1"));
  o->Mensagem->AddArquivo(QStringLiteral("opcao1"));
  Acao(*o->ListaAcao, d, QStringLiteral("VAIPARA"), QStringLiteral("Vendas"), QStringLiteral("2"));
  Acao(*o->ListaAcao, d, QStringLiteral("DISCA"), QStringLiteral("1234"));
  o->ListaAcao->OpcaoAcao = o->GetValor();
  o = Opcao(*m, 0, QStringLiteral("9XXX"));
  Acao(*o->ListaAcao, d, QStringLiteral("DISCAOP"), QString());
  o->ListaAcao->OpcaoAcao = o->GetValor();
  o = Opcao(*m, 2, QStringLiteral("sim"));
  o->IgnorarCase = true;
  o->Mensagem->AddMensagemChat(QStringLiteral("Você disse sim"));
  Acao(*o->ListaAcao, d, QStringLiteral("FINAL"), QString());
  o->ListaAcao->OpcaoAcao = o->GetValor();
  o = Opcao(*m, 3, QStringLiteral("texto"));
  o->ComecaCom = QStringLiteral("ab");
  o->Contem = QStringLiteral("c&d");
  o->TerminaCom = QStringLiteral("z");
  o->QtdeMinOpcaoValida = 2;
  o->QtdeMaxOpcaoValida = 30;
  o->TextoAlfaAdicional = QStringLiteral("ç");
  Acao(*o->ListaAcao, d, QStringLiteral("MENSAGEM"), QStringLiteral("m1,m2"), QStringLiteral("pl"));
  o->ListaAcao->OpcaoAcao = o->GetValor();
  Opcao(*m, 1, QStringLiteral("não"));

  m->OpcaoInvalida->Tentativas = 4;
  m->OpcaoInvalida->Mensagem->AddArquivo(QStringLiteral("invalida"));
  Acao(*m->OpcaoInvalida->ListaAcao, d, QStringLiteral("OPCOES"), QString());
  m->OpcaoTimeout->Tentativas = 2;
  m->OpcaoTimeout->Tempo = 10;
  m->OpcaoTimeout->Mensagem->AddArquivo(QStringLiteral("tempo"));
  m->OpcaoTimeout->Mensagem->AddMensagemChat(QStringLiteral("Ainda aí?"));
  Acao(*m->OpcaoTimeout->ListaAcao, d, QStringLiteral("DESLIGA"), QStringLiteral("16"));
  Acao(*m->Final->ListaAcao, d, QStringLiteral("COMANDO"), QStringLiteral("script.sh \"a b\""), QStringLiteral("res"));

  m = Menu(Dac, QStringLiteral("Vendas"));
  m->MensagemMenu->AddMensagemChat(QStringLiteral("Só texto"));
  int n = 0;
  for (const char* tipo :
       {"DISCAG", "DISCAR", "DISCAU", "DISCAC", "DISCAS", "FALADIGITOS", "FALANUMERO", "DESLIGAFH", "MIDIA", "INICIO"})
    Acao(*m->Final->ListaAcao, d, QString::fromUtf8(tipo), QString::number(++n));

  Menu(Dac, QStringLiteral("Vazio"));

  m = Menu(Dac, QStringLiteral("Botoes"));
  m->SetTipoMenuOpcoesWA(QStringLiteral("BOTAOWA"));
  Opcao(*m, 0, QStringLiteral("1"));
  m->OpcaoTimeout->Mensagem->AddMensagemChat(QStringLiteral("Demorou"));  // timeout only
  m->OpcaoTimeout->Tentativas = 6;
}

namespace {

QString Texto(const TMUMensagem& M) { return M.ArquivosText() + u'|' + M.MensagensChatText(); }

QString Texto(const TMUListaAcao& L) {
  QString r = L.OpcaoAcao;
  for (const auto& a : L.Items())
    r += u'[' + QStringList{a->Tipo, a->ValorMenu, a->ValorNumero, a->ValorComando, a->Variavel}.join(u'|') + u']';
  return r;
}

}  // namespace

QStringList ConteudoCompleto(const TDAC& Dac) {
  QStringList r;
  Dac.GetListConfig(&r);
  r << QString::number(Dac.VersaoXML)
    << QStringList{Dac.GetCriadoEmStr(), Dac.CriadoPor,         Dac.GetModificadoEmStr(),
                   Dac.ModificadoPor,    Dac.GetAtivadoEmStr(), Dac.AtivadoPor}
           .join(u'|');
  for (const auto& m : Dac.ListaMenus->Items()) {
    r << m->Descricao << Texto(*m->MensagemMenu);
    for (const auto& c : m->ListaCondicoes->Items()) {
      r << QStringList{QString::number(c->Feriados), c->GetDiasSemana(),        c->GetStrHoraIni(),
                       c->GetStrHoraFim(),           c->GetStrHoraIniPeriodo(), c->GetStrHoraFimPeriodo()}
               .join(u'|');
      r << QStringLiteral("%1 %2 %3 %4 %5 %6")
               .arg(c->DiaIni)
               .arg(c->MesIni)
               .arg(c->AnoIni)
               .arg(c->DiaFim)
               .arg(c->MesFim)
               .arg(c->AnoFim);
      r << QString::number(c->ListaCondicaoVar->Tipo);
      for (const auto& v : c->ListaCondicaoVar->Items()) r << v->Variavel + u'|' + v->Tipo + u'|' + v->Valor;
      r << Texto(*c->Mensagem) << Texto(*c->ListaAcao);
    }
    for (const auto& o : m->ListaOpcoes->Items()) {
      r << QStringList{o->GetValor(),
                       QString::number(o->Tipo),
                       QString::number(o->IgnorarCase),
                       o->ComecaCom,
                       o->Contem,
                       o->TerminaCom,
                       QString::number(o->QtdeMaxOpcaoValida),
                       o->TextoAlfaAdicional}
               .join(u'|');
      r << Texto(*o->Mensagem) << Texto(*o->ListaAcao);
    }
    r << Texto(*m->OpcaoInvalida->Mensagem) << Texto(*m->OpcaoInvalida->ListaAcao);
    r << Texto(*m->OpcaoTimeout->Mensagem) << Texto(*m->OpcaoTimeout->ListaAcao);
    r << Texto(*m->Final->Mensagem) << Texto(*m->Final->ListaAcao);
    const TMUMenuOpcaoWA& wa = *m->MenuOpcoesWA;
    r << m->GetTipoMenuOpcoesWA() + u'|' + wa.Tipo << Texto(*wa.Titulo) << Texto(*wa.Texto) << Texto(*wa.Rodape)
      << Texto(*wa.TituloMenuOpcoes);
    for (const auto& i : wa.ListaItensMenuOpcao->Items())
      r << i->Resposta + u'|' + Texto(*i->Titulo) + u'|' + Texto(*i->Descricao);
  }
  return r;
}
