#pragma once
// ura-server-sim as a child process: a temporary folder it serves, a free
// port it picks itself, and its log (standard output) for the tests to read.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

#include "apoio.h"

#ifndef URA_SERVER_SIM_PATH
#error "URA_SERVER_SIM_PATH must name the ura-server-sim binary"
#endif

class Simulador {
 public:
  Simulador() = default;
  Simulador(const Simulador&) = delete;
  Simulador& operator=(const Simulador&) = delete;
  ~Simulador() { Para(); }

  // Starts the simulator on a free port, serving Pasta(), with the extra
  // command-line options. False (with the reason in Erro()) when it did not
  // report its port.
  bool Inicia(const QStringList& Opcoes = {}) {
    if (!FPasta.isValid()) return Falha(QStringLiteral("no temporary folder"));
    FProcesso.setProgram(QStringLiteral(URA_SERVER_SIM_PATH));
    FProcesso.setArguments(
        QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--dir"), FPasta.path()} + Opcoes);
    FProcesso.start();
    if (!FProcesso.waitForStarted(kPrazoTesteMs)) return Falha(FProcesso.errorString());
    if (!EsperaAte([this] { return FProcesso.canReadLine() || FProcesso.state() == QProcess::NotRunning; }) ||
        !FProcesso.canReadLine())
      return Falha(QStringLiteral("no first line: ") + QString::fromUtf8(FProcesso.readAllStandardError()));
    const QString linha = QString::fromUtf8(FProcesso.readLine()).trimmed();
    FLog += linha + u'\n';
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^LISTENING 127\\.0\\.0\\.1:(\\d+)$")).match(linha);
    if (!m.hasMatch()) return Falha(QStringLiteral("unexpected first line: ") + linha);
    FPorta = static_cast<quint16>(m.captured(1).toUInt());
    return FPorta != 0;
  }

  void Para() {
    if (FProcesso.state() == QProcess::NotRunning) return;
    FProcesso.kill();
    FProcesso.waitForFinished(kPrazoTesteMs);
  }

  quint16 Porta() const { return FPorta; }
  const QString& Erro() const { return FErro; }
  QString Pasta() const { return FPasta.path(); }
  QString Caminho(const QString& Nome) const { return FPasta.filePath(Nome); }

  bool Grava(const QString& Nome, const QByteArray& Bytes) const {
    QFile f(Caminho(Nome));
    return f.open(QIODevice::WriteOnly) && f.write(Bytes) == Bytes.size();
  }
  QByteArray Le(const QString& Nome) const {
    QFile f(Caminho(Nome));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  // Everything the simulator has logged so far, one line per request or reply.
  QString Log() {
    // Takes what the pipe holds now: the event loop may not have read it yet.
    while (FProcesso.state() == QProcess::Running && FProcesso.waitForReadyRead(0)) {
    }
    FLog += QString::fromUtf8(FProcesso.readAllStandardOutput());
    return FLog;
  }
  // Logged request lines ("<-") that contain Texto.
  QStringList Pedidos(const QString& Texto) { return Linhas(QStringLiteral(" <- "), Texto); }
  // Logged lines sent to the client ("->") that contain Texto.
  QStringList Respostas(const QString& Texto) { return Linhas(QStringLiteral(" -> "), Texto); }

 private:
  QStringList Linhas(const QString& Sentido, const QString& Texto) {
    QStringList out;
    for (const QString& linha : Log().split(u'\n'))
      if (linha.contains(Sentido) && linha.contains(Texto)) out << linha;
    return out;
  }
  bool Falha(const QString& Motivo) {
    FErro = Motivo;
    return false;
  }

  QTemporaryDir FPasta;
  QProcess FProcesso;
  quint16 FPorta = 0;
  QString FErro;
  QString FLog;
};
