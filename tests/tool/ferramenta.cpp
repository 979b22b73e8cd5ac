#include "ferramenta.h"

#include <QFile>
#include <QProcess>

QStringList ResultadoTool::Linhas() const {
  QStringList linhas = Saida.split(u'\n');
  if (!linhas.isEmpty() && linhas.last().isEmpty()) linhas.removeLast();
  return linhas;
}

QProcessEnvironment AmbienteTool() {
  QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
  ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  ambiente.insert(QStringLiteral("LANG"), QStringLiteral("C"));
  return ambiente;
}

ResultadoTool RodaTool(const QStringList& Args, const QProcessEnvironment& Ambiente) {
  QProcess processo;
  processo.setProcessEnvironment(Ambiente);
  processo.start(QStringLiteral(URA_TOOL_PATH), Args);
  ResultadoTool r;
  if (!processo.waitForStarted() || !processo.waitForFinished(120000)) {
    processo.kill();
    processo.waitForFinished();
    r.Erro = QStringLiteral("ura-tool did not run to the end");
    return r;
  }
  r.Saida = QString::fromUtf8(processo.readAllStandardOutput());
  r.Erro = QString::fromUtf8(processo.readAllStandardError());
  if (processo.exitStatus() == QProcess::NormalExit) r.Codigo = processo.exitCode();
  return r;
}

QString Exemplo(const QString& Nome) { return QStringLiteral(URA_EXAMPLES_DIR "/") + Nome; }

QString GravaArquivo(const QTemporaryDir& Pasta, const QString& Nome, const QByteArray& Conteudo) {
  const QString caminho = Pasta.filePath(Nome);
  QFile f(caminho);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(Conteudo);
  return caminho;
}

QByteArray SemCR(QByteArray Texto) { return Texto.replace('\r', QByteArray()); }

const char* const kUraVozPequena = R"(<?xml version="1.0" encoding="utf-8"?>
<URA Nome="Teste" Descricao="URA de teste" MenuInicial="M1" TipoAtendimento="Answer" TipoUra="" VersaoXML="2">
  <Menu Nome="M1">
    <Descricao>Menu de teste</Descricao>
    <Condicoes>
      <Condicao>
        <HoraIni>08:00</HoraIni>
        <HoraFim>18:00</HoraFim>
        <DiasSemana>1-5</DiasSemana>
        <Mensagem><Arquivo>bemvindo</Arquivo></Mensagem>
        <Acao><Tipo>VAIPARA</Tipo><Valor>M2</Valor><Variavel>1</Variavel></Acao>
      </Condicao>
    </Condicoes>
    <OpcoesMenu>
      <Mensagem><Arquivo>menu</Arquivo><Arquivo>{saudacao}</Arquivo></Mensagem>
      <Opcoes>
        <Opcao>
          <Valor>9XXX</Valor><Tipo>0</Tipo>
          <Acao><Tipo>DISCAF</Tipo><Valor>10</Valor><Variavel>1</Variavel></Acao>
        </Opcao>
        <Opcao>
          <Valor>[1-5]</Valor><Tipo>0</Tipo>
          <Mensagem><Arquivo>aguarde</Arquivo></Mensagem>
          <Acao><Tipo>SETVAR</Tipo><Valor>1</Valor><Variavel>x</Variavel></Acao>
          <Acao><Tipo>VAIPARA</Tipo><Valor>M2</Valor><Variavel></Variavel></Acao>
        </Opcao>
        <Opcao><Valor>0800.</Valor><Tipo>0</Tipo></Opcao>
      </Opcoes>
      <OpcaoInvalida>
        <Mensagem><Arquivo>invalida</Arquivo></Mensagem>
        <Acao><Tipo>DESLIGA</Tipo><Valor>17</Valor><Variavel></Variavel></Acao>
        <Tentativas>2</Tentativas>
      </OpcaoInvalida>
      <Timeout>
        <Mensagem><Arquivo>{aviso}</Arquivo></Mensagem>
        <Tentativas>4</Tentativas>
        <Tempo>8</Tempo>
      </Timeout>
    </OpcoesMenu>
    <Final>
      <Acao><Tipo>DESLIGA</Tipo><Valor></Valor><Variavel></Variavel></Acao>
    </Final>
  </Menu>
  <Menu Nome="M2">
    <Descricao></Descricao>
    <Final>
      <Acao><Tipo>DESLIGA</Tipo><Valor></Valor><Variavel></Variavel></Acao>
    </Final>
  </Menu>
  <Menu Nome="Serviço">
    <Descricao>Último</Descricao>
    <OpcoesMenu>
      <Opcoes>
        <Opcao><Valor>9XXX</Valor><Tipo>0</Tipo></Opcao>
        <Opcao><Valor>XXXX</Valor><Tipo>0</Tipo></Opcao>
      </Opcoes>
    </OpcoesMenu>
  </Menu>
  <URAHeader>
    <CriadoEm>01/02/2024 10:30</CriadoEm>
    <CriadoPor>ana</CriadoPor>
    <ModificadoEm>03/02/2024 11:00</ModificadoEm>
    <ModificadoPor>bruno</ModificadoPor>
    <AtivadoEm>04/02/2024 12:15</AtivadoEm>
    <AtivadoPor>carla</AtivadoPor>
  </URAHeader>
</URA>
)";

const char* const kUraChatPequena = R"(<?xml version="1.0" encoding="utf-8"?>
<URA Nome="Chat" Descricao="" MenuInicial="C1" TipoAtendimento="" TipoUra="Chat" VersaoXML="2">
  <Menu Nome="C1">
    <Descricao>Lista</Descricao>
    <OpcoesMenu>
      <Mensagem><MensagemChat>Oi!&#xA;Tudo bem?</MensagemChat></Mensagem>
      <Tipo>LISTAWA</Tipo>
      <MenuWA>
        <Titulo>Olá</Titulo>
        <Texto><MensagemChat>Escolha</MensagemChat></Texto>
        <Rodape></Rodape>
        <TituloOpc>Menu</TituloOpc>
        <Itens>
          <Item><Opcao>Vendas</Opcao><Descricao>Compras</Descricao><Resposta>1</Resposta></Item>
          <Item><Opcao>Suporte</Opcao><Descricao></Descricao><Resposta>2</Resposta></Item>
        </Itens>
      </MenuWA>
      <Opcoes>
        <Opcao><Valor>12</Valor><Tipo>1</Tipo></Opcao>
        <Opcao>
          <Valor>Sim</Valor><Tipo>2</Tipo><IgnoraCase>1</IgnoraCase>
          <Acao><Tipo>MENSAGEM</Tipo><Valor>Olá&#xA;Tudo bem?</Valor><Variavel></Variavel></Acao>
        </Opcao>
        <Opcao>
          <Valor></Valor><Tipo>3</Tipo><IgnoraCase>1</IgnoraCase>
          <ComecaCom>ab</ComecaCom><TamMin>2</TamMin><TamMax>10</TamMax>
        </Opcao>
        <Opcao><Valor>NAaE</Valor><Tipo>4</Tipo><TamMin>5</TamMin></Opcao>
        <Opcao><Valor>-+</Valor><Tipo>1</Tipo></Opcao>
      </Opcoes>
    </OpcoesMenu>
  </Menu>
</URA>
)";

const char* const kCatalogoPequeno = R"(<?xml version="1.0" encoding="utf-8"?>
<MensagensSonarea>
  <Msg><Arquivo>bemvindo</Arquivo><Descricao>Boas-vindas</Descricao></Msg>
  <Msg><Arquivo>menu</Arquivo><Descricao>Menu principal</Descricao></Msg>
</MensagensSonarea>
)";
