// Help, wrong command lines (exit code 2) and unreadable inputs (exit code 1).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QFile>
#include <QFileInfo>

#include "ferramenta.h"

namespace {

const QStringList kComandos{QStringLiteral("describe"),  QStringLiteral("fingerprint"), QStringLiteral("match"),
                            QStringLiteral("normalize"), QStringLiteral("report"),      QStringLiteral("catalogue"),
                            QStringLiteral("list"),      QStringLiteral("pull"),        QStringLiteral("push"),
                            QStringLiteral("activate"),  QStringLiteral("graph")};

TEST(LinhaComandoTest, HelpListsEveryCommandAndExplainsEach) {
  const ResultadoTool geral = RodaTool({QStringLiteral("--help")});
  ASSERT_EQ(geral.Codigo, 0);
  EXPECT_TRUE(geral.Erro.isEmpty());
  for (const QString& c : kComandos) {
    EXPECT_TRUE(geral.Saida.contains(QStringLiteral("  ") + c + u' ')) << c.toStdString();

    const ResultadoTool ajuda = RodaTool({c, QStringLiteral("--help")});
    EXPECT_EQ(ajuda.Codigo, 0) << c.toStdString();
    EXPECT_TRUE(ajuda.Erro.isEmpty()) << c.toStdString();
    EXPECT_TRUE(ajuda.Saida.startsWith(QStringLiteral("Uso: ura-tool ") + c + u' ')) << ajuda.Saida.toStdString();
  }
  // Help wins over the rest of the line.
  const ResultadoTool ajuda =
      RodaTool({QStringLiteral("normalize"), QStringLiteral("--xyz"), QStringLiteral("--help")});
  EXPECT_EQ(ajuda.Codigo, 0);
  EXPECT_TRUE(ajuda.Saida.contains(QStringLiteral("-o SAIDA.xml")));
}

TEST(LinhaComandoTest, WrongCommandLinesExitWithUsage) {
  struct Caso {
    QStringList Args;
    QString Problema;  // part of the first line on stderr
    QString Uso;       // the usage text that follows
  };
  const QString arquivo = Exemplo(QStringLiteral("atendimento-voz.xml"));
  const QString usoGeral = QStringLiteral("Uso: ura-tool COMANDO");
  const std::vector<Caso> casos{
      {{}, QStringLiteral("falta o comando"), usoGeral},
      {{QStringLiteral("desenhar"), arquivo}, QStringLiteral("comando desconhecido: desenhar"), usoGeral},
      {{QStringLiteral("describe")},
       QStringLiteral("faltam argumentos"),
       QStringLiteral("Uso: ura-tool describe ARQUIVO")},
      {{QStringLiteral("describe"), arquivo, arquivo},
       QStringLiteral("argumento a mais"),
       QStringLiteral("Uso: ura-tool describe")},
      {{QStringLiteral("describe"), arquivo, QStringLiteral("--catalogue")},
       QStringLiteral("falta o valor da opção --catalogue"),
       QStringLiteral("Uso: ura-tool describe")},
      {{QStringLiteral("fingerprint"), arquivo, QStringLiteral("--final")},
       QStringLiteral("opção desconhecida: --final"),
       QStringLiteral("Uso: ura-tool fingerprint")},
      {{QStringLiteral("match"), arquivo, QStringLiteral("Principal")},
       QStringLiteral("faltam argumentos"),
       QStringLiteral("Uso: ura-tool match")},
      {{QStringLiteral("normalize"), arquivo},
       QStringLiteral("falta a opção -o"),
       QStringLiteral("Uso: ura-tool normalize")},
      {{QStringLiteral("report"), QStringLiteral("-o"), QStringLiteral("x.html")},
       QStringLiteral("faltam argumentos"),
       QStringLiteral("Uso: ura-tool report")},
      {{QStringLiteral("catalogue"), QStringLiteral("-o"), QStringLiteral("x.xml")},
       QStringLiteral("faltam argumentos"),
       QStringLiteral("Uso: ura-tool catalogue")},
      {{QStringLiteral("catalogue"), arquivo, QStringLiteral("--chat=1"), QStringLiteral("-o"),
        QStringLiteral("x.xml")},
       QStringLiteral("não aceita valor"),
       QStringLiteral("Uso: ura-tool catalogue")},
      {{QStringLiteral("list"), arquivo},
       QStringLiteral("argumento a mais"),
       QStringLiteral("Uso: ura-tool list [--host ENDERECO] [--port PORTA]")},
      {{QStringLiteral("list"), QStringLiteral("--port"), QStringLiteral("0")},
       QStringLiteral("valor inválido para --port: 0"),
       QStringLiteral("Uso: ura-tool list")},
      {{QStringLiteral("list"), QStringLiteral("--port=65536")},
       QStringLiteral("valor inválido para --port: 65536"),
       QStringLiteral("Uso: ura-tool list")},
      {{QStringLiteral("list"), QStringLiteral("--port"), QStringLiteral("porta")},
       QStringLiteral("valor inválido para --port: porta"),
       QStringLiteral("Uso: ura-tool list")},
      {{QStringLiteral("list"), QStringLiteral("--timeout"), QStringLiteral("0")},
       QStringLiteral("valor inválido para --timeout: 0"),
       QStringLiteral("Uso: ura-tool list")},
      {{QStringLiteral("list"), QStringLiteral("--host=")},
       QStringLiteral("--host vazio"),
       QStringLiteral("Uso: ura-tool list")},
      {{QStringLiteral("pull"), QStringLiteral("a.xml")},
       QStringLiteral("falta a opção -o"),
       QStringLiteral("Uso: ura-tool pull NOME -o SAIDA.xml")},
      {{QStringLiteral("pull"), QStringLiteral("-o"), QStringLiteral("x.xml")},
       QStringLiteral("faltam argumentos"),
       QStringLiteral("Uso: ura-tool pull")},
      {{QStringLiteral("push")},
       QStringLiteral("faltam argumentos"),
       QStringLiteral("Uso: ura-tool push ARQUIVO [--name NOME]")},
      {{QStringLiteral("push"), arquivo, QStringLiteral("--name")},
       QStringLiteral("falta o valor da opção --name"),
       QStringLiteral("Uso: ura-tool push")},
      {{QStringLiteral("activate"), QStringLiteral("a.xml")},
       QStringLiteral("falta a opção --ura-name"),
       QStringLiteral("Uso: ura-tool activate NOME --ura-name URA")},
      {{QStringLiteral("activate"), QStringLiteral("a.xml"), QStringLiteral("--ura-name"), QStringLiteral("a"),
        QStringLiteral("--verbose=1")},
       QStringLiteral("não aceita valor"),
       QStringLiteral("Uso: ura-tool activate")},
  };
  for (const Caso& c : casos) {
    const ResultadoTool r = RodaTool(c.Args);
    const std::string linha = c.Args.join(u' ').toStdString();
    EXPECT_EQ(r.Codigo, 2) << linha;
    EXPECT_TRUE(r.Saida.isEmpty()) << linha;
    EXPECT_TRUE(r.Erro.section(u'\n', 0, 0).contains(c.Problema)) << linha << "\n" << r.Erro.toStdString();
    EXPECT_TRUE(r.Erro.contains(c.Uso)) << linha << "\n" << r.Erro.toStdString();
  }
}

TEST(LinhaComandoTest, OptionValuesMayBeGivenWithEquals) {
  const ResultadoTool r =
      RodaTool({QStringLiteral("describe"), Exemplo(QStringLiteral("atendimento-voz.xml")),
                QStringLiteral("--catalogue=") + Exemplo(QStringLiteral("mensagens/mensagens.xml"))});
  ASSERT_EQ(r.Codigo, 0) << r.Erro.toStdString();
  EXPECT_TRUE(r.Saida.contains(QStringLiteral("Aviso de Natal & Ano-Novo")));
}

TEST(LinhaComandoTest, UnreadableInputsExitWithOneLineNamingTheFile) {
  QTemporaryDir pasta;
  ASSERT_TRUE(pasta.isValid());
  const QString faltando = pasta.filePath(QStringLiteral("faltando.xml"));
  const QString raizErrada =
      GravaArquivo(pasta, QStringLiteral("raiz.xml"), "<?xml version=\"1.0\"?>\n<ura Nome=\"x\"></ura>\n");
  const QString catalogo = Exemplo(QStringLiteral("mensagens/mensagens.xml"));
  const QString malFormado =
      GravaArquivo(pasta, QStringLiteral("quebrado.xml"), "<?xml version=\"1.0\"?>\n<URA Nome=\"x\">\n<Menu>\n");
  const QString vazio = GravaArquivo(pasta, QStringLiteral("vazio.xml"), "");
  const QString latin1 =
      GravaArquivo(pasta, QStringLiteral("latin1.xml"), "<?xml version=\"1.0\"?>\n<URA Nome=\"caf\xe9\"></URA>\n");
  const QString fifo = pasta.filePath(QStringLiteral("fifo"));
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString saida = pasta.filePath(QStringLiteral("saida"));

  struct Caso {
    QString Arquivo;
    QString Problema;
  };
  const std::vector<Caso> casos{
      {faltando, QStringLiteral("arquivo não encontrado")},
      {raizErrada, QStringLiteral("não é um arquivo URA (elemento raiz <ura>)")},
      {catalogo, QStringLiteral("não é um arquivo URA (elemento raiz <MensagensSonarea>)")},
      {malFormado, QStringLiteral("não é um XML bem formado")},
      {vazio, QStringLiteral("não é um XML bem formado")},
      {pasta.path(), QStringLiteral("é uma pasta")},
      {latin1, QStringLiteral("não está em UTF-8 (caractere inválido na linha 2)")},
      {fifo, QStringLiteral("não é um arquivo comum")},
      {QStringLiteral("/dev/zero"), QStringLiteral("não é um arquivo comum")},
  };
  for (const Caso& c : casos) {
    const std::vector<QStringList> linhas{
        {QStringLiteral("describe"), c.Arquivo},
        {QStringLiteral("fingerprint"), c.Arquivo},
        {QStringLiteral("match"), c.Arquivo, QStringLiteral("M"), QStringLiteral("1")},
        {QStringLiteral("normalize"), c.Arquivo, QStringLiteral("-o"), saida},
        {QStringLiteral("report"), c.Arquivo, QStringLiteral("-o"), saida},
        // The file is read before any connection: no server is needed.
        {QStringLiteral("push"), c.Arquivo, QStringLiteral("--port"), QStringLiteral("1")},
    };
    for (const QStringList& args : linhas) {
      const ResultadoTool r = RodaTool(args);
      const std::string linha = args.join(u' ').toStdString();
      EXPECT_EQ(r.Codigo, 1) << linha;
      EXPECT_TRUE(r.Saida.isEmpty()) << linha;
      EXPECT_TRUE(r.Erro.startsWith(QStringLiteral("ura-tool: ") + c.Arquivo + u':')) << linha;
      EXPECT_TRUE(r.Erro.contains(c.Problema)) << linha << "\n" << r.Erro.toStdString();
      EXPECT_EQ(r.Erro.count(u'\n'), 1) << linha << "\n" << r.Erro.toStdString();
    }
  }
  EXPECT_FALSE(QFileInfo::exists(saida));

  // A catalogue that cannot be read stops describe before the document.
  const ResultadoTool r = RodaTool({QStringLiteral("describe"), Exemplo(QStringLiteral("atendimento-voz.xml")),
                                    QStringLiteral("--catalogue"), faltando});
  EXPECT_EQ(r.Codigo, 1);
  EXPECT_TRUE(r.Saida.isEmpty());
  EXPECT_TRUE(r.Erro.contains(faltando));
}

}  // namespace
