#pragma once
// What the main window tests share: a small URA file and a window made in
// the test's private folders.
#include <QByteArray>
#include <QTreeWidget>
#include <memory>

#include "UfrmMain.h"
#include "apoio.h"

// Menus "Inicio" (initial, its final goes to "Alvo"), "Alvo" and "Solto".
inline const QByteArray kUraTeste = R"(<?xml version="1.0" encoding="utf-8"?>
<URA Nome="teste" Descricao="Teste" MenuInicial="Inicio" TipoAtendimento="Answer" TipoUra="" VersaoXML="2">
  <Menu Nome="Inicio">
    <Descricao>Entrada</Descricao>
    <Final>
      <Acao>
        <Tipo>VAIPARA</Tipo>
        <Valor>Alvo</Valor>
        <Variavel></Variavel>
      </Acao>
    </Final>
  </Menu>
  <Menu Nome="Alvo">
    <Descricao>Destino</Descricao>
  </Menu>
  <Menu Nome="Solto">
    <Descricao>Sem uso</Descricao>
  </Menu>
</URA>
)";

class JanelaTest : public TesteJanela {
 protected:
  // A window in the mode of Local (the test's folders either way).
  std::unique_ptr<TfrmMain> Cria(bool Local = false, const TLinhaComando& Inicio = {}) {
    TAmbiente a = Ambiente();
    a.Local = Local;
    a.NomeArquivoConfiguracao = Local ? QStringLiteral("Talvora.ini") : QStringLiteral("CliCfgUra.ini");
    DefineAmbiente(a);
    return std::make_unique<TfrmMain>(Inicio);
  }
  // The test URA written under Nome (with its content replaced where asked) and opened.
  std::unique_ptr<TfrmMain> CriaComUra(const QByteArray& Conteudo = kUraTeste, bool Local = false) {
    auto w = Cria(Local);
    const QString arquivo = Plat.Caminho(QStringLiteral("teste.xml"));
    EXPECT_TRUE(GravaArquivo(arquivo, Conteudo));
    EXPECT_TRUE(w->AbrirArquivoRORIroLocal(arquivo));
    return w;
  }
  void Seleciona(TfrmMain& W, int Linha) { W.ListView1->setCurrentItem(W.ListView1->topLevelItem(Linha)); }
};
