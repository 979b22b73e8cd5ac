#include "comandos.h"

#include <algorithm>
#include <utility>

namespace {

OpcaoComando Opcao(const QString& Nome, const QString& Valor, const QString& Ajuda, bool Obrigatoria = false) {
  return OpcaoComando{Nome, Valor, Ajuda, Obrigatoria};
}

const QString kAjudaLocalService = QStringLiteral("Lê o arquivo como documento do serviço local (RORIRO)");
const QString kAjudaCatalogo =
    QStringLiteral("Carrega antes o catálogo de mensagens CAT.xml, para mostrar as descrições dos arquivos");

const QString kDetalhesServidor = QStringLiteral(
    "Entra no servidor como o configurador (usuário e senha de --user e --password).\n"
    "Erros do servidor e da conexão são escritos em stderr, com saída 1.\n");

// The connection options of every server command, after the command's own.
std::vector<OpcaoComando> OpcoesServidor(std::vector<OpcaoComando> Proprias) {
  for (OpcaoComando o :
       {Opcao(QStringLiteral("--host"), QStringLiteral("ENDERECO"), QStringLiteral("Endereço do servidor (127.0.0.1)")),
        Opcao(QStringLiteral("--port"), QStringLiteral("PORTA"), QStringLiteral("Porta do servidor (5042)")),
        Opcao(QStringLiteral("--user"), QStringLiteral("USUARIO"), QStringLiteral("Usuário do login")),
        Opcao(QStringLiteral("--password"), QStringLiteral("SENHA"), QStringLiteral("Senha do login")),
        Opcao(QStringLiteral("--timeout"), QStringLiteral("SEGUNDOS"),
              QStringLiteral("Espera máxima pelo servidor no login e na operação (30)")),
        Opcao(QStringLiteral("--verbose"), QString(),
              QStringLiteral("Mostra em stderr o andamento (textos da barra de status)"))})
    Proprias.push_back(o);
  return Proprias;
}

std::vector<Comando> MontaTabela() {
  std::vector<Comando> t;
  t.push_back(Comando{QStringLiteral("describe"),
                      QStringLiteral("Mostra o conteúdo de um arquivo URA, uma linha por item"),
                      QStringLiteral("ARQUIVO"),
                      1,
                      1,
                      {Opcao(QStringLiteral("--catalogue"), QStringLiteral("CAT.xml"), kAjudaCatalogo),
                       Opcao(QStringLiteral("--local-service"), QString(), kAjudaLocalService)},
                      QStringLiteral("Linhas escritas, campos separados por \" | \":\n"
                                     "  URA: Nome | Descrição | TipoUra | MenuInicial | TipoAtendimento | VersaoXML\n"
                                     "  Auditoria: CriadoEm | CriadoPor | ModificadoEm | ModificadoPor | AtivadoEm | "
                                     "AtivadoPor\n"
                                     "e, para cada menu:\n"
                                     "  Menu: Nome | Descrição\n"
                                     "    Condicao: condição | mensagem | ações      (uma por condição)\n"
                                     "    Mensagem: mensagem de opções\n"
                                     "    MenuLista: menu de lista                 (só com menu de lista)\n"
                                     "    Opcao: valor | opção | mensagem | ações   (uma por opção)\n"
                                     "    OpcaoInvalida: tentativas | mensagem | ações\n"
                                     "    Timeout: tentativas | tempo | mensagem | ações\n"
                                     "    Final: mensagem | ações\n"),
                      ExecutaDescribe});
  t.push_back(Comando{QStringLiteral("fingerprint"),
                      QStringLiteral("Mostra as linhas que detectam alterações de um arquivo URA"),
                      QStringLiteral("ARQUIVO"),
                      1,
                      1,
                      {Opcao(QStringLiteral("--local-service"), QString(), kAjudaLocalService)},
                      QStringLiteral("Uma linha da impressão digital por linha; textos de arquivos podem\n"
                                     "conter quebras de linha, escritas como estão.\n"),
                      ExecutaFingerprint});
  t.push_back(Comando{QStringLiteral("match"),
                      QStringLiteral("Confere uma entrada com as opções de um menu"),
                      QStringLiteral("ARQUIVO MENU ENTRADA"),
                      3,
                      3,
                      {Opcao(QStringLiteral("--final"), QString(),
                             QStringLiteral("A entrada está completa: nenhuma tecla virá depois"))},
                      QStringLiteral("Escreve o resultado e, quando uma opção confere, \" | \" e o valor dela:\n"
                                     "  0 não confere, 1 confere, 2 confere e foi finalizada,\n"
                                     "  3 indefinida (outras teclas podem vir).\n"
                                     "Use -- antes de uma ENTRADA que comece com \"-\".\n"),
                      ExecutaMatch});
  t.push_back(Comando{QStringLiteral("normalize"),
                      QStringLiteral("Lê um arquivo URA e o grava de novo como o comando Salvar"),
                      QStringLiteral("ARQUIVO"),
                      1,
                      1,
                      {Opcao(QStringLiteral("-o"), QStringLiteral("SAIDA.xml"),
                             QStringLiteral("Arquivo gravado (substituído quando existe)"), true),
                       Opcao(QStringLiteral("--local-service"), QString(),
                             QStringLiteral("Documento do serviço local: grava a auditoria embaralhada com a data "
                                            "atual e o login do usuário no sistema"))},
                      QString(),
                      ExecutaNormalize});
  t.push_back(Comando{
      QStringLiteral("report"),
      QStringLiteral("Gera o relatório HTML de um arquivo URA"),
      QStringLiteral("ARQUIVO"),
      1,
      1,
      {Opcao(QStringLiteral("-o"), QStringLiteral("SAIDA.html"),
             QStringLiteral("Página gravada (substituída quando existe)"), true),
       Opcao(QStringLiteral("--local-mode"), QString(),
             QStringLiteral("Relatório do modo local: outro título, sem a linha de ativação")),
       Opcao(QStringLiteral("--catalogue"), QStringLiteral("CAT.xml"), kAjudaCatalogo),
       Opcao(QStringLiteral("--fluxo"), QString(), QStringLiteral("Desenha o fluxo da URA (SVG) no início da página"))},
      QString(),
      ExecutaReport});
  t.push_back(Comando{QStringLiteral("catalogue"),
                      QStringLiteral("Junta catálogos de mensagens em um só arquivo"),
                      QStringLiteral("ARQUIVO..."),
                      1,
                      -1,
                      {Opcao(QStringLiteral("-o"), QStringLiteral("SAIDA.xml"),
                             QStringLiteral("Catálogo gravado (substituído quando existe)"), true),
                       Opcao(QStringLiteral("--chat"), QString(),
                             QStringLiteral("Grava o catálogo de textos de chat (MensagensChat) em vez do de "
                                            "mensagens de áudio (MensagensSonarea)"))},
                      QStringLiteral("Os arquivos são lidos na ordem dada; uma entrada repetida só troca a "
                                     "descrição.\n"),
                      ExecutaCatalogue});
  t.push_back(ComandoCheck());
  for (Comando& c : ComandosSimulacao()) t.push_back(std::move(c));
  t.push_back(ComandoDiff());
  t.push_back(Comando{QStringLiteral("list"), QStringLiteral("Lista os arquivos URA do servidor"), QString(), 0, 0,
                      OpcoesServidor({}),
                      QStringLiteral("Uma linha por arquivo, campos separados por \" | \":\n"
                                     "  arquivo | URA | tipo | criado em | criado por | modificado em |\n"
                                     "  modificado por | ativado em | ativado por\n\n") +
                          kDetalhesServidor,
                      ExecutaList});
  t.push_back(Comando{QStringLiteral("pull"), QStringLiteral("Baixa um arquivo URA do servidor"),
                      QStringLiteral("NOME"), 1, 1,
                      OpcoesServidor({Opcao(QStringLiteral("-o"), QStringLiteral("SAIDA.xml"),
                                            QStringLiteral("Arquivo gravado (substituído quando existe)"), true)}),
                      kDetalhesServidor, ExecutaPull});
  t.push_back(Comando{
      QStringLiteral("push"), QStringLiteral("Salva um arquivo URA no servidor, como \"Salvar no servidor\""),
      QStringLiteral("ARQUIVO"), 1, 1,
      OpcoesServidor({Opcao(QStringLiteral("--name"), QStringLiteral("NOME"),
                            QStringLiteral("Nome do arquivo no servidor (o Nome da URA + \".xml\")"))}),
      QStringLiteral("Escreve \"Arquivo salvo com sucesso.\" quando o servidor aceita.\n\n") + kDetalhesServidor,
      ExecutaPush});
  t.push_back(
      Comando{QStringLiteral("activate"), QStringLiteral("Ativa uma URA do servidor"), QStringLiteral("NOME"), 1, 1,
              OpcoesServidor({Opcao(QStringLiteral("--ura-name"), QStringLiteral("URA"),
                                    QStringLiteral("Nome da URA do arquivo NOME"), true)}),
              QStringLiteral("Escreve \"Ura ativada com sucesso.\" quando o servidor aceita.\n\n") + kDetalhesServidor,
              ExecutaActivate});
  t.push_back(ComandoWavCheck());
  t.push_back(ComandoWavConvert());
  t.push_back(ComandoGraph());
  return t;
}

QString LinhaUso(const Comando& C) {
  QString uso = QStringLiteral("Uso: ura-tool ") + C.Nome;
  if (!C.Posicionais.isEmpty()) uso += u' ' + C.Posicionais;
  for (const OpcaoComando& o : C.Opcoes) {
    QString texto = o.Nome;
    if (o.TemValor()) texto += u' ' + o.Valor;
    uso += o.Obrigatoria ? u' ' + texto : QStringLiteral(" [") + texto + u']';
  }
  return uso + u'\n';
}

}  // namespace

void FalhaArquivo(const QString& Arquivo, const QString& Problema) {
  throw FalhaComando{SAIDA_ERRO_ARQUIVO, Arquivo + QStringLiteral(": ") + Problema};
}

void FalhaUso(const QString& Problema) { throw FalhaComando{SAIDA_ERRO_USO, Problema}; }

void FalhaGravacao(const QString& Arquivo, const QString& Erro) {
  QString problema = QStringLiteral("não foi possível gravar o arquivo");
  if (!Erro.isEmpty()) problema += QStringLiteral(" (") + Erro + u')';
  FalhaArquivo(Arquivo, problema);
}

QString Argumentos::Valor(const QString& Opcao) const {
  const QStringList v = FValores.value(Opcao);
  return v.isEmpty() ? QString() : v.last();
}

void Argumentos::Adiciona(const QString& Opcao, const QString& Valor) { FValores[Opcao].append(Valor); }

const std::vector<Comando>& TabelaComandos() {
  static const std::vector<Comando> tabela = MontaTabela();
  return tabela;
}

const Comando* ProcuraComando(const QString& Nome) {
  for (const Comando& c : TabelaComandos())
    if (c.Nome == Nome) return &c;
  return nullptr;
}

QString UsoGeral() {
  QString texto = QStringLiteral(
      "ura-tool: ferramenta de linha de comando do configurador de URA.\n"
      "\n"
      "Uso: ura-tool COMANDO [argumentos] [opções]\n"
      "     ura-tool COMANDO --help   mostra a ajuda do comando\n"
      "\n"
      "Comandos:\n");
  int largura = 0;
  for (const Comando& c : TabelaComandos()) largura = std::max(largura, int(c.Nome.size()));
  for (const Comando& c : TabelaComandos())
    texto += QStringLiteral("  ") + c.Nome.leftJustified(largura + 2) + c.Resumo + u'\n';
  texto += QStringLiteral(
      "\n"
      "Saída: 0 sucesso; 1 arquivo que não pode ser lido, não é do tipo esperado\n"
      "ou não pode ser gravado, ou falha do servidor ou da conexão; 2 linha de\n"
      "comando errada.\n");
  return texto;
}

QString UsoComando(const Comando& C) {
  QString texto = LinhaUso(C) + u'\n' + C.Resumo + QStringLiteral(".\n");
  if (!C.Detalhes.isEmpty()) texto += u'\n' + C.Detalhes;
  std::vector<std::pair<QString, QString>> linhas;
  for (const OpcaoComando& o : C.Opcoes) linhas.emplace_back(o.TemValor() ? o.Nome + u' ' + o.Valor : o.Nome, o.Ajuda);
  linhas.emplace_back(QStringLiteral("--help"), QStringLiteral("Mostra esta ajuda"));
  int largura = 0;
  for (const auto& l : linhas) largura = std::max(largura, int(l.first.size()));
  texto += QStringLiteral("\nOpções:\n");
  for (const auto& l : linhas) texto += QStringLiteral("  ") + l.first.leftJustified(largura + 2) + l.second + u'\n';
  return texto;
}

Argumentos InterpretaArgumentos(const Comando& C, const QStringList& Args, bool* Ajuda) {
  *Ajuda = false;
  for (const QString& a : Args) {
    if (a == u"--") break;
    if (a == u"--help" || a == u"-h") {
      *Ajuda = true;
      return {};
    }
  }

  Argumentos r;
  bool soPosicionais = false;
  for (int i = 0; i < Args.size(); ++i) {
    const QString& a = Args[i];
    if (soPosicionais || a.size() < 2 || !a.startsWith(u'-')) {
      r.Posicionais.append(a);
      continue;
    }
    if (a == u"--") {
      soPosicionais = true;
      continue;
    }
    QString nome = a;
    QString valor;
    bool comIgual = false;
    const qsizetype igual = a.startsWith(QStringLiteral("--")) ? a.indexOf(u'=') : -1;
    if (igual > 2) {
      nome = a.left(igual);
      valor = a.mid(igual + 1);
      comIgual = true;
    }
    const OpcaoComando* opcao = nullptr;
    for (const OpcaoComando& o : C.Opcoes)
      if (o.Nome == nome) opcao = &o;
    if (!opcao) FalhaUso(QStringLiteral("opção desconhecida: ") + a);
    if (!opcao->TemValor()) {
      if (comIgual) FalhaUso(QStringLiteral("a opção ") + nome + QStringLiteral(" não aceita valor"));
      r.AdicionaFlag(nome);
      continue;
    }
    if (!comIgual) {
      if (i + 1 >= Args.size()) FalhaUso(QStringLiteral("falta o valor da opção ") + nome + u' ' + opcao->Valor);
      valor = Args[++i];
    }
    r.Adiciona(nome, valor);
  }

  for (const OpcaoComando& o : C.Opcoes)
    if (o.Obrigatoria && !r.Tem(o.Nome)) FalhaUso(QStringLiteral("falta a opção ") + o.Nome + u' ' + o.Valor);
  if (r.Posicionais.size() < C.MinPosicionais) FalhaUso(QStringLiteral("faltam argumentos: ") + C.Posicionais);
  if (C.MaxPosicionais >= 0 && r.Posicionais.size() > C.MaxPosicionais)
    FalhaUso(QStringLiteral("argumento a mais: ") + r.Posicionais[C.MaxPosicionais]);
  return r;
}
