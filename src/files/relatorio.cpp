// The HTML report of a URA document. Every text taken from the document is
// escaped, attribute values included, so that no name or description can
// inject markup or script into the page.
#include "relatorio.h"

#include <QSaveFile>
#include <QStringBuilder>

#include "codepage.h"
#include "infoauxiliar.h"
#include "textoxml.h"

namespace {

// Where the page's lines go: into a list, or straight into the file's bytes
// in the code page, so a page written to disk is never held twice.
class TPagina {
 public:
  explicit TPagina(QStringList& Linhas) : FLinhas(&Linhas) {}
  explicit TPagina(QByteArray& Bytes) : FBytes(&Bytes) {}
  TPagina& operator<<(const QString& Linha) {
    if (FLinhas)
      FLinhas->append(Linha);
    else
      AcrescentaLinha(*FBytes, Linha);
    return *this;
  }
  TPagina& operator<<(const QStringList& Linhas) {
    for (const QString& l : Linhas) *this << l;
    return *this;
  }
  // A line of pieces (a % b % c) is put together in one reused buffer when
  // the page goes to bytes: a report has hundreds of thousands of them.
  template <class A, class B>
  TPagina& operator<<(const QStringBuilder<A, B>& Linha) {
    if (FLinhas) return *this << QString(Linha);
    FLinha.resize(0);
    FLinha += Linha;
    AcrescentaLinha(*FBytes, FLinha);
    return *this;
  }
  // An empty buffer for a line made piece by piece, handed over with <<.
  QString& Rascunho() {
    FRascunho.resize(0);
    return FRascunho;
  }

  static void AcrescentaLinha(QByteArray& Bytes, QStringView Linha) {
    AppendAnsiHtml(Bytes, Linha);
    Bytes.append('\r').append('\n');  // one character at a time is much cheaper than a text
  }

 private:
  QStringList* FLinhas = nullptr;
  QByteArray* FBytes = nullptr;
  QString FLinha, FRascunho;
};

const QString kCorMenu = QStringLiteral("#B0E0E6");
const QString kCorSecao = QStringLiteral("#AFEEEE");

const QString kTabela = QStringLiteral("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"900\">");
const QString kR = QStringLiteral("  <tr>");
const QString kE = QStringLiteral("  </tr>");
const QString kFimTd = QStringLiteral("</td>");

// Cells of the menu list.
const QString kL = QStringLiteral("    <td class=\"bordaEsquerda\" width=20 align=\"left\" height=\"21\">&nbsp;</td>");
const QString kS20 =
    QStringLiteral("    <td class=\"bordaSuperior\" width=20 align=\"left\" height=\"21\">&nbsp;</td>");
const QString kP20 = QStringLiteral("    <td width=20 align=\"left\" height=\"21\">&nbsp;</td>");
const QString kS160 =
    QStringLiteral("    <td class=\"bordaSuperior\" width=160 align=\"left\" height=\"21\">&nbsp;</td>");
const QString kH5 = QStringLiteral("    <td class=\"bordaEsquerda bordaSuperior\" bgcolor=\"") + kCorSecao;
const QString kH6 = QStringLiteral("    <td class=\"bordaEsquerda bordaDireita bordaSuperior\" bgcolor=\"") + kCorSecao;
const QString kM =
    QStringLiteral("    <td class=\"bordaEsquerda bordaSuperior\" width=250 align=\"left\" height=\"21\">");
const QString kA = QStringLiteral(
    "    <td class=\"bordaEsquerda bordaDireita bordaSuperior\" width=280 align=\"left\" height=\"21\">");
const QString kHMensagem = QStringLiteral("\" width=250 align=\"left\" height=\"21\">Mensagem</td>");
const QString kHAcao = QStringLiteral("\" width=280 align=\"left\" height=\"21\">Ação</td>");

QString Esc(const QString& Texto) { return EscapaMarkup(Texto); }

// The description of a message, escaped, each line break of a chat text a
// line break of the page.
const QString kQuebraHtml = QStringLiteral("<br>");
void AcrescentaStrMensagem(QString& r, const TMUMensagem* Mensagem) {
  if (Mensagem) Mensagem->AcrescentaStrMensagem(r, AcrescentaMarkup, kQuebraHtml);
}
QString StrMensagem(const TMUMensagem* Mensagem) {
  QString r;
  AcrescentaStrMensagem(r, Mensagem);
  return r;
}

void Cabecalho(TPagina& h, const QString& Titulo) {
  h << QStringLiteral("<html>") << QStringLiteral("<head>")
    << QStringLiteral("<title>") + Titulo + QStringLiteral("</title>") << QStringLiteral("<style type=\"text/css\">")
    << QStringLiteral("  .bordaSuperior { border-top: 1px solid silver;}")
    << QStringLiteral("  .bordaInferior { border-bottom: 1px solid silver;}")
    << QStringLiteral("  .bordaEsquerda { border-left: 1px solid silver;}")
    << QStringLiteral("  .bordaDireita { border-right: 1px solid silver;}");
  const QStringList fonte = {QStringLiteral("\tfont-family: Arial;"), QStringLiteral("\tfont-size: 12px;"),
                             QStringLiteral("\tcolor: #000000;")};
  h << QStringLiteral(".text {") << fonte << QStringLiteral("}");
  h << QStringLiteral(".textBold {") << fonte << QStringLiteral("\tfont-weight: bold;") << QStringLiteral("}");
  h << QStringLiteral(".textTitulo {") << QStringLiteral("\tfont-family: Arial;")
    << QStringLiteral("\tfont-size: 18px;") << QStringLiteral("\tcolor: #0000FF;")
    << QStringLiteral("\tfont-weight: bold;") << QStringLiteral("}");
  h << QStringLiteral("</style>") << QStringLiteral("</head>")
    << QStringLiteral("<body bgcolor=\"#FFFFFF\" text=\"#000000\">")
    << QStringLiteral("<h1 class=\"textTitulo\">") + Titulo + QStringLiteral("</h1>");
}

QString Rotulo(const QString& Largura, const QString& Texto) {
  return QStringLiteral("    <td width=") + Largura + QStringLiteral(" align=\"left\" class=\"textBold\">") + Texto +
         kFimTd;
}

void TabelaCabecalho(TPagina& h, const TDAC& DAC) {
  h << kTabela;
  const std::pair<QString, QString> campos[] = {{QStringLiteral("Nome da URA"), DAC.Nome},
                                                {QStringLiteral("Descrição"), DAC.Descricao},
                                                {QStringLiteral("Menu Inicial"), DAC.MenuInicial}};
  for (const auto& [rotulo, valor] : campos)
    h << kR << Rotulo(QStringLiteral("100"), rotulo)
      << QStringLiteral("    <td align=\"left\" width=\"778\" class=\"text\">:&nbsp;") + Esc(valor) + kFimTd << kE;
  h << QStringLiteral("</table>") << QStringLiteral("</BR>");
}

void LinhaData(TPagina& h, const QString& Rot, const QString& Data, const QString& Usuario) {
  h << kR << Rotulo(QStringLiteral("100"), Rot)
    << QStringLiteral("    <td width=150 align=\"left\"><p align=\"left\" class=\"text\">:&nbsp;") + Esc(Data) + kFimTd
    << Rotulo(QStringLiteral("60"), QStringLiteral("Usuário"))
    << QStringLiteral("    <td align=\"left\"><p align=\"left\" class=\"text\">:&nbsp;") + Esc(Usuario) + kFimTd << kE;
}

void TabelaDatas(TPagina& h, const TDAC& DAC, bool ModoLocal) {
  h << kTabela;
  LinhaData(h, QStringLiteral("Criado em"), DAC.GetCriadoEmStr(), DAC.CriadoPor);
  LinhaData(h, QStringLiteral("Modificado em"), DAC.GetModificadoEmStr(), DAC.ModificadoPor);
  if (!ModoLocal) {
    // Red when the URA changed after its last activation.
    const QString cor = DAC.ModificadoEm > DAC.AtivadoEm ? QStringLiteral("#FF0000") : QStringLiteral("#000000");
    h << kR << Rotulo(QStringLiteral("100"), QStringLiteral("Ativado em"))
      << QStringLiteral("    <td width=150 text=\"") + cor +
             QStringLiteral("\" align=\"left\" class=\"text\">:&nbsp;") + Esc(DAC.GetAtivadoEmStr()) + kFimTd
      << Rotulo(QStringLiteral("60"), QStringLiteral("Usuário"))
      << QStringLiteral("    <td text=\"") + cor + QStringLiteral("\" align=\"left\" class=\"text\">:&nbsp;") +
             Esc(DAC.AtivadoPor) + kFimTd
      << kE;
  }
  h << QStringLiteral("</table>") << QStringLiteral("</BR>");
}

void TabelaEmissao(TPagina& h, const QDateTime& Emissao) {
  h << kTabela << kR << Rotulo(QStringLiteral("100"), QStringLiteral("Emitido em"))
    << QStringLiteral("    <td align=\"left\" class=\"text\">:&nbsp;") +
           Emissao.toString(QStringLiteral("dd/MM/yyyy hh:mm")) + kFimTd
    << kE << QStringLiteral("</table>");
}

// The text of an action cell appended to the cell's line, each description
// escaped as it is appended: a report holds one such cell per section.
void AcrescentaLinkAcao(QString& r, const TMUListaAcao* Acoes) {
  if (!Acoes) return;
  QString descricao;
  for (int i = 0; i < Acoes->Count(); ++i) {
    const TMUAcao* a = Acoes->GetItem(i);
    if (i > 0) r += QLatin1String("; ");
    if (a->Tipo == QLatin1String("VAIPARA")) {
      r += QLatin1String("Vai para o menu: <a href=\"#");
      AcrescentaMarkup(r, a->ValorMenu);
      r += QLatin1String("\">");
      AcrescentaMarkup(r, a->GetStrAcaoVaiPara());
      r += QLatin1String("</a>");
    } else if (a->Tipo == QLatin1String("MENSAGEM") && a->DAC && a->DAC->UraChat()) {
      // The chat text sent, with its line breaks, in the model's wording.
      TMUMensagem texto;
      texto.AddMensagemChat(a->ValorNumero);
      r += QLatin1String("Mensagem(&quot;");
      AcrescentaStrMensagem(r, &texto);
      r += QLatin1String("&quot;)");
    } else {
      descricao.resize(0);
      a->AcrescentaStrAcao(descricao);
      AcrescentaMarkup(r, descricao);
    }
  }
}

// The message and action cells that close most rows of a section.
void CelulasMensagemAcao(TPagina& h, const TMUMensagem* Mensagem, const TMUListaAcao* Acoes) {
  QString& mensagem = h.Rascunho();
  mensagem += kM;
  AcrescentaStrMensagem(mensagem, Mensagem);
  mensagem += kFimTd;
  h << mensagem;
  QString& acao = h.Rascunho();
  acao += kA;
  AcrescentaLinkAcao(acao, Acoes);
  acao += kFimTd;
  h << acao << kE;
}

void SecaoCondicoes(TPagina& h, const TMUListaCondicao* Lista) {
  if (!Lista || Lista->Count() == 0) return;
  h << kR
    << QStringLiteral("    <td class=\"bordaEsquerda bordaSuperior\"width=20 align=\"left\" height=\"21\">&nbsp;</td>")
    << QStringLiteral("    <td class=\"bordaEsquerda bordaSuperior text\" bgcolor=\"") % kCorSecao %
           QStringLiteral("\" colspan=\"2\" width=180 align=\"left\" height=\"21\">Condições</td>")
    << kH5 % kHMensagem << kH6 % kHAcao << kE;
  bool primeira = true;
  for (const auto& c : Lista->Items()) {
    h << kR << kL << (primeira ? kS20 : kP20)
      << QStringLiteral("    <td class=\"bordaEsquerda bordaSuperior\" width=160 align=\"left\" height=\"21\">") %
             Esc(c->GetStrCondicao()) % kFimTd;
    CelulasMensagemAcao(h, c->Mensagem.get(), c->ListaAcao.get());
    primeira = false;
  }
}

void SecaoMensagemOpcoes(TPagina& h, const TMUMensagem* Mensagem) {
  const QString texto = StrMensagem(Mensagem);
  if (texto.isEmpty()) return;
  h << kR << kL
    << QStringLiteral("    <td class=\"bordaEsquerda bordaSuperior bordaDireita\" bgcolor=\"") % kCorSecao %
           QStringLiteral("\" colspan=\"4\" width=180 align=\"left\" height=\"21\">Mensagem de opções</td>")
    << kE;
  h << kR << kL << kS20
    << QStringLiteral(
           "    <td class=\"bordaEsquerda bordaSuperior bordaDireita\" colspan=\"3\" align=\"left\" height=\"21\">") %
           texto % kFimTd
    << kE;
}

// Header and row of the invalid-option and timeout sections.
void SecaoFalha(TPagina& h, const QString& Titulo, qint32 Tentativas, const TMUMensagem* Mensagem,
                const TMUListaAcao* Acoes) {
  h << kR << kL << kP20 << kH5 % QStringLiteral("\" width=160 align=\"left\" height=\"21\">") % Titulo % kFimTd
    << kH5 % kHMensagem
    << kH6 % QStringLiteral("\" width=280 align=\"left\" height=\"21\">Ação após ") % QString::number(Tentativas) %
           QStringLiteral(" tentativas</td>")
    << kE;
  h << kR << kL << kP20 << kS160;
  CelulasMensagemAcao(h, Mensagem, Acoes);
}

void SecaoOpcoes(TPagina& h, const TMenuUra& Menu) {
  if (!Menu.ListaOpcoes || Menu.ListaOpcoes->Count() == 0) return;
  h << kR << kL << kH5 % QStringLiteral("\" colspan=\"2\" width=180 align=\"left\" height=\"21\">Opções</td>")
    << kH5 % kHMensagem << kH6 % kHAcao << kE;
  bool primeira = true;
  for (const auto& o : Menu.ListaOpcoes->Items()) {
    h << kR << kL << (primeira ? kS20 : kP20)
      << QStringLiteral(
             "    <td class=\"bordaEsquerda bordaEsquerda bordaSuperior\" width=160 align=\"left\" height=\"21\">") %
             Esc(o->GetValor()) % kFimTd;
    CelulasMensagemAcao(h, o->Mensagem.get(), o->ListaAcao.get());
    primeira = false;
  }
  if (const TMUOpcaoInvalida* inv = Menu.OpcaoInvalida.get())
    SecaoFalha(h, QStringLiteral("Opção inválida"), inv->Tentativas, inv->Mensagem.get(), inv->ListaAcao.get());
  if (const TMUOpcaoTimeout* to = Menu.OpcaoTimeout.get())
    SecaoFalha(h, QStringLiteral("Timeout"), to->Tentativas, to->Mensagem.get(), to->ListaAcao.get());
}

void SecaoFinal(TPagina& h, const TMUFinal* Final) {
  h << kR << kL << kH5 % QStringLiteral("\" colspan=\"2\" width=180 align=\"left\" height=\"21\">Final</td>")
    << kH5 % kHMensagem << kH6 % kHAcao << kE;
  h << kR << kL << kS20 << kS160;
  CelulasMensagemAcao(h, Final ? Final->Mensagem.get() : nullptr, Final ? Final->ListaAcao.get() : nullptr);
}

void LinhasMenu(TPagina& h, const TMenuUra& Menu) {
  h << QStringLiteral("  <tr id=\"") % Esc(Menu.Nome) % QStringLiteral("\" bgcolor=\"") % kCorMenu %
           QStringLiteral("\">")
    << QStringLiteral(
           "    <td class=\"bordaEsquerda bordaSuperior textBold\" colspan=\"2\" width=40 align=\"right\" "
           "height=\"21\" class=\"textBold\">Menu:</td>")
    << QStringLiteral(
           "    <td class=\"bordaSuperior bordaDireita text\" colspan=\"3\" align=\"left\" height=\"21\" "
           "class=\"text\">&nbsp;") %
           Esc(Menu.Nome) % kFimTd
    << kE;
  h << QStringLiteral("  <tr bgcolor=\"") % kCorMenu % QStringLiteral("\">")
    << QStringLiteral(
           "    <td class=\"bordaEsquerda textBold\" colspan=\"2\" width=40 align=\"right\" height=\"21\" "
           "class=\"textBold\">Descrição:</td>")
    << QStringLiteral(
           "    <td class=\"bordaDireita text\" colspan=\"3\" align=\"left\" height=\"21\" class=\"text\">&nbsp;") %
           Esc(Menu.Descricao) % kFimTd
    << kE;
  SecaoCondicoes(h, Menu.ListaCondicoes.get());
  SecaoMensagemOpcoes(h, Menu.MensagemMenu.get());
  SecaoOpcoes(h, Menu);
  SecaoFinal(h, Menu.Final.get());
  h << kR << QStringLiteral("    <td class=\"bordaSuperior\" colspan=\"5\">&nbsp;</td>") << kE;
}

// Characters no file name may hold, on any of the platforms the program runs on.
bool CaractereProibido(QChar c) {
  const char16_t u = c.unicode();
  if (u < 0x20 || (u >= 0x7F && u <= 0x9F)) return true;
  return QStringView(u"/\\:*?\"<>|").contains(c);
}

void MontaPagina(TPagina& h, const TDAC& DAC, bool ModoLocal, const QDateTime& Emissao) {
  const QString titulo =
      ModoLocal ? QStringLiteral("Configurador de URA/DAC Sonarea") : QStringLiteral("Configurador de URA Ondaris");
  const TIndiceInfoAuxiliar indice;
  Cabecalho(h, titulo);
  TabelaCabecalho(h, DAC);
  TabelaDatas(h, DAC, ModoLocal);
  TabelaEmissao(h, Emissao);
  h << QStringLiteral("<h1 class=\"textTitulo\">Lista de Menus</h1>")
    << QStringLiteral("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=1024 class=\"text\">");
  if (DAC.ListaMenus)
    for (const auto& menu : DAC.ListaMenus->Items()) LinhasMenu(h, *menu);
  h << QStringLiteral("</table>") << QStringLiteral("</body>") << QStringLiteral("</html>");
}

bool Salva(const QByteArray& Dados, const QString& NomeArquivo, QString* Erro) {
  QSaveFile arquivo(NomeArquivo);
  if (arquivo.open(QIODevice::WriteOnly) && arquivo.write(Dados) == Dados.size() && arquivo.commit()) return true;
  if (Erro) *Erro = arquivo.errorString();
  return false;
}

}  // namespace

QString GetStrLinkAcao(const TMUListaAcao* ptrListaAcao) {
  QString r;
  AcrescentaLinkAcao(r, ptrListaAcao);
  return r;
}

QStringList MontaHTML(const TDAC& DAC, bool ModoLocal, const QDateTime& Emissao) {
  QStringList linhas;
  TPagina h(linhas);
  MontaPagina(h, DAC, ModoLocal, Emissao);
  return linhas;
}

QString CaminhoRelatorio(const QString& PastaTemp, const QString& Nome) {
  QString seguro = Nome;
  seguro.replace(QStringLiteral(".."), QStringLiteral("__"));
  for (QChar& c : seguro)
    if (CaractereProibido(c)) c = u'_';
  if (seguro.isEmpty()) seguro = QStringLiteral("_");
  QString pasta = PastaTemp;
  if (!pasta.isEmpty() && !pasta.endsWith(u'/')) pasta += u'/';
  return pasta + seguro + QStringLiteral(".html");
}

bool GravaRelatorio(const QStringList& Linhas, const QString& NomeArquivo, QString* Erro) {
  QByteArray dados;
  for (const QString& linha : Linhas) TPagina::AcrescentaLinha(dados, linha);
  return Salva(dados, NomeArquivo, Erro);
}

bool GravaHTML(const TDAC& DAC, bool ModoLocal, const QDateTime& Emissao, const QString& NomeArquivo, QString* Erro) {
  QByteArray dados;
  TPagina h(dados);
  MontaPagina(h, DAC, ModoLocal, Emissao);
  return Salva(dados, NomeArquivo, Erro);
}
