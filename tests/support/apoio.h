#pragma once
// Helpers shared by every test suite.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "ambiente.h"
#include "infoauxiliar.h"
#include "plataforma.h"

// Generous: the machine is shared and slow; no test measures time.
inline constexpr int kPrazoTesteMs = 30000;

// Processes events until Cond holds; false when the deadline passes first.
bool EsperaAte(const std::function<bool()>& Cond, int PrazoMs = kPrazoTesteMs);

QByteArray LeArquivo(const QString& Caminho);
bool GravaArquivo(const QString& Caminho, const QByteArray& Bytes);

// The lookup lists are process-wide: empty when the guard is made and again
// when it goes.
class TInfoAuxiliarLimpa {
 public:
  TInfoAuxiliarLimpa() { MenuUraInfoAuxiliar.Clear(); }
  ~TInfoAuxiliarLimpa() { MenuUraInfoAuxiliar.Clear(); }
  TInfoAuxiliarLimpa(const TInfoAuxiliarLimpa&) = delete;
  TInfoAuxiliarLimpa& operator=(const TInfoAuxiliarLimpa&) = delete;
};

// Installs a scripted platform and an environment whose folders (settings,
// user, temporary) are one private temporary folder; puts back what was
// there before when it goes.
class TPlataformaDeTeste {
 public:
  explicit TPlataformaDeTeste(bool Local = false);
  ~TPlataformaDeTeste();
  TPlataformaDeTeste(const TPlataformaDeTeste&) = delete;
  TPlataformaDeTeste& operator=(const TPlataformaDeTeste&) = delete;

  TPlataformaRoteirizada& P() { return *FRoteiro; }
  QString Pasta() const { return FPasta.path(); }
  QString Caminho(const QString& Nome) const { return FPasta.filePath(Nome); }

 private:
  QTemporaryDir FPasta;
  TPlataformaRoteirizada* FRoteiro;
  std::unique_ptr<IPlataforma> FAnterior;
  TAmbiente FAmbienteAnterior;
};

// A fixture for window tests: clean lookup lists and a scripted platform.
class TesteJanela : public ::testing::Test {
 protected:
  TInfoAuxiliarLimpa Info;
  TPlataformaDeTeste Plat;
  TPlataformaRoteirizada& P() { return Plat.P(); }
};
