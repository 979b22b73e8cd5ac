#include "EnvioAudio.h"

#include <QBuffer>
#include <QFile>

#include "SessaoServidor.h"

TEnvioAudio::TEnvioAudio(const QString& NomeArquivo, std::unique_ptr<QIODevice> Fonte)
    : FNomeArquivo(NomeArquivo), FFonte(std::move(Fonte)), FTamanho(FFonte->size()) {}

TEnvioAudio::TEnvioAudio(const QString& NomeArquivo, const QByteArray& Dados)
    : TEnvioAudio(NomeArquivo, [&Dados] {
        auto b = std::make_unique<QBuffer>();
        b->setData(Dados);
        b->open(QIODevice::ReadOnly);
        return b;
      }()) {}

std::unique_ptr<TEnvioAudio> TEnvioAudio::DoArquivo(const QString& NomeArquivo, const QString& Caminho) {
  auto f = std::make_unique<QFile>(Caminho);
  if (!f->open(QIODevice::ReadOnly)) return nullptr;
  return std::make_unique<TEnvioAudio>(NomeArquivo, std::move(f));
}

bool TEnvioAudio::ProximoBloco(TSessaoServidor& Sessao) {
  if (FFinalizado || FFalhaLeitura) return false;
  const QByteArray bloco = FFonte->read(kTamanhoBloco);
  if (bloco.isEmpty() && !FFonte->atEnd()) {
    FFalhaLeitura = true;
    return false;
  }
  if (bloco.isEmpty()) {
    FFinalizado = true;
    FFonte->close();
    Sessao.FinalizaEnvioAudio(FNomeArquivo);
    return true;
  }
  Sessao.EnviaBlocoAudio(bloco);
  FPosicao += bloco.size();
  return true;
}
