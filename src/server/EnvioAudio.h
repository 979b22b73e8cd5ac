#pragma once
// One audio file on its way to the server: the server asks for each block
// with a "wavfilesendpart" event, and the caller answers with ProximoBloco.
#include <QByteArray>
#include <QString>

class TSessaoServidor;

class TEnvioAudio {
 public:
  static constexpr qsizetype kTamanhoBloco = 250;

  TEnvioAudio(const QString& NomeArquivo, const QByteArray& Dados);

  // Sends the next block of at most kTamanhoBloco bytes or, when the file is
  // exhausted, the end request; after the end nothing more is sent. False
  // when nothing was sent.
  bool ProximoBloco(TSessaoServidor& Sessao);

  const QString& NomeArquivo() const { return FNomeArquivo; }
  qsizetype Tamanho() const { return FDados.size(); }
  // Bytes already handed over in blocks.
  qsizetype Posicao() const { return FPosicao; }
  bool Finalizado() const { return FFinalizado; }

 private:
  QString FNomeArquivo;
  QByteArray FDados;
  qsizetype FPosicao = 0;
  bool FFinalizado = false;
};
