// "Testar URA" on the voice example: a call with a wrong key, the services
// menu and the usage read back, awaiting the caller again.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include "UfrmTestarUra.h"
#include "telas.h"

namespace {

const bool registrada = RegistraTela(QStringLiteral("frmTestarUra"), [] {
  TDAC* dac = DocumentoExemplo(QStringLiteral("atendimento-voz.xml"));
  auto j = std::make_unique<TfrmTestarUra>([dac] { return dac; });
  j->resize(1000, 640);
  j->LocalizaAudio = [](const QString& Nome) {
    const QString arquivo =
        QDir(PastaExemplos()).filePath(QStringLiteral("mensagens/") + Nome + QStringLiteral(".wav"));
    return QFileInfo::exists(arquivo) ? arquivo : QString();
  };
  j->FabricaDispositivo = [] { return std::unique_ptr<IDispositivoAudio>(); };  // silent
  for (const auto& [nome, valor] : {std::pair{"consumo", "123"}, std::pair{"CALLERID", "1133334444"}}) {
    j->findChild<QComboBox*>(QStringLiteral("cbVariavel"))->setCurrentText(QString::fromLatin1(nome));
    j->findChild<QLineEdit*>(QStringLiteral("edValorVariavel"))->setText(QString::fromLatin1(valor));
    j->findChild<QPushButton*>(QStringLiteral("btAdicionarVariavel"))->click();
  }
  j->Reiniciar();
  for (QChar tecla : QStringLiteral("734")) j->Tecla(tecla);
  return std::unique_ptr<QWidget>(std::move(j));
});

}  // namespace
