#pragma once
// One audio file on its way to the server: the server asks for each block
// with a "wavfilesendpart" event, and the caller answers with ProximoBloco.
// The file is read a block at a time, never held whole.
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <memory>

class TSessaoServidor;

class TEnvioAudio {
 public:
  static constexpr qsizetype kTamanhoBloco = 250;

  // Fonte is open for reading; the upload owns it.
  TEnvioAudio(const QString& NomeArquivo, std::unique_ptr<QIODevice> Fonte);
  TEnvioAudio(const QString& NomeArquivo, const QByteArray& Dados);
  // The local file Caminho sent as NomeArquivo; null when it cannot be opened.
  static std::unique_ptr<TEnvioAudio> DoArquivo(const QString& NomeArquivo, const QString& Caminho);

  // Sends the next block of at most kTamanhoBloco bytes or, when the file is
  // exhausted, the end request; after the end nothing more is sent. False
  // when nothing was sent: after the end, or when the file cannot be read
  // (FalhaLeitura), which never passes for its end.
  bool ProximoBloco(TSessaoServidor& Sessao);

  const QString& NomeArquivo() const { return FNomeArquivo; }
  qint64 Tamanho() const { return FTamanho; }
  // Bytes already handed over in blocks.
  qint64 Posicao() const { return FPosicao; }
  bool Finalizado() const { return FFinalizado; }
  bool FalhaLeitura() const { return FFalhaLeitura; }

 private:
  QString FNomeArquivo;
  std::unique_ptr<QIODevice> FFonte;
  qint64 FTamanho = 0;
  qint64 FPosicao = 0;
  bool FFinalizado = false;
  bool FFalhaLeitura = false;
};
