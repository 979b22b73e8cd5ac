// Received text cut into packets (in reads of sizes the input chooses), and
// every packet read by the parser, as text and as bytes.
#include <QCoreApplication>
#include <cstdlib>

#include "ClientManager.h"
#include "PacketManagerParser.h"
#include "codepage.h"

namespace {

void Le(const QString& Pacote) {
  const TPacketManagerParser p(Pacote);
  // The readings over the bytes agree with the parser's over the text.
  const QByteArray bytes = EncodeAnsi(Pacote);
  const QString evento = p.GetPacketType() == u"Event" ? p.GetEvent() : QString();
  if (DecodeAnsi(EventoDoPacote(bytes)) != evento) std::abort();
  for (const char* campo : {"Event", "ActionID", "Response", "Message", "FilePart", "Channel", ""}) {
    const QString nome = QString::fromLatin1(campo);
    if (DecodeAnsi(ValorDoCampo(bytes, nome)) != p.GetFieldValue(nome)) std::abort();
  }
  p.GetPriority();
  p.GetInterfaceOfChannel();
  p.GetChannelOfChannel();
  p.GetLine(p.GetLineCount());
  p.ConfigReadString(QStringLiteral("geral"), QStringLiteral("porta"), QStringLiteral("x"));
  p.ConfigReadBool(QStringLiteral("geral"), QStringLiteral("ativo"), false);
  QStringList secoes;
  p.ConfigReadSections(secoes);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Dados, size_t Tamanho) {
  if (Tamanho < 1) return 0;
  const size_t passo = Dados[0] % 64 + 1;
  const QString texto = DecodeAnsi(QByteArray(reinterpret_cast<const char*>(Dados + 1), qsizetype(Tamanho - 1)));

  // One object for the whole run (a socket per input is slow); Disconnect
  // drops what the previous input left.
  static TClientManager cm;
  cm.Disconnect();
  QString juntos;
  cm.OnPacket = [&juntos](TClientManager*, const QString& Pacote) {
    // A packet ends at its first empty line.
    if (!Pacote.endsWith(QStringLiteral("\r\n\r\n")) || Pacote.indexOf(QStringLiteral("\r\n\r\n")) != Pacote.size() - 4)
      std::abort();
    juntos += Pacote;
    Le(Pacote);
  };
  for (qsizetype i = 0; i < texto.size(); i += qsizetype(passo)) cm.RecebeTexto(texto.mid(i, qsizetype(passo)));
  if (juntos + cm.LinhaRecebida() != texto) std::abort();
  cm.OnPacket = nullptr;
  // No event loop runs here: deliver what the socket posted, or it piles up.
  QCoreApplication::sendPostedEvents();
  Le(texto);
  return 0;
}
