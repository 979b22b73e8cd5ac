#pragma once
// Helpers shared by the tests of the model and of the whole-document analyses.
#include <gtest/gtest.h>

#include <QString>
#include <memory>

#include "acao.h"
#include "apoio.h"
#include "infoauxiliar.h"

// The lookup lists are process-wide; every test that fills them starts and
// ends with them empty so that tests cannot see each other's data.
class InfoAuxiliarLimpa : public ::testing::Test {
 protected:
  TInfoAuxiliarLimpa Limpa;

  static void AddMensagemCatalogo(const QString& Arquivo, const QString& Descricao) {
    auto m = std::make_unique<TMUDescricaoMensagem>(Arquivo);
    m->Descricao = Descricao;
    MenuUraInfoAuxiliar.ListaDeMensagens.Add(std::move(m));
  }
  static void AddFila(TMUListaFilas& Lista, const QString& Id, const QString& Nome) {
    auto f = std::make_unique<TMUFila>(Id);
    f->NomeFila = Nome;
    Lista.Add(std::move(f));
  }
};

// An action with its code and main value (Valor), appended to a list.
inline TMUAcao* AddAcao(TMUListaAcao& Lista, const QString& Tipo, const QString& Valor = QString()) {
  auto a = std::make_unique<TMUAcao>(Lista.DAC, Tipo);
  a->SetValor(Valor);
  TMUAcao* p = a.get();
  Lista.Add(std::move(a));
  return p;
}
