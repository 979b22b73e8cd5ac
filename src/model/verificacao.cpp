#include "verificacao.h"

#include "dac.h"
#include "infoauxiliar.h"

QString TAchado::GetStrGravidade() const {
  return Gravidade == TGravidade::Erro ? QStringLiteral("erro") : QStringLiteral("aviso");
}

QString TAchado::GetStrLinha() const {
  QString linha = GetStrGravidade() + QStringLiteral(": ");
  if (!Menu.isEmpty()) linha += Menu + QStringLiteral(": ");
  if (!Secao.isEmpty()) linha += Secao + QStringLiteral(": ");
  return linha + Texto + QStringLiteral(" [") + Codigo + u']';
}

std::vector<TAchado> VerificaURA(const TDAC& Dac, const TMUListaDescricaoMensagem* Catalogo,
                                 const QStringList* ArquivosServidor) {
  Q_UNUSED(Dac);
  Q_UNUSED(Catalogo);
  Q_UNUSED(ArquivosServidor);
  return {};
}

int ContaErros(const std::vector<TAchado>& Achados) {
  int n = 0;
  for (const TAchado& a : Achados) n += a.Gravidade == TGravidade::Erro;
  return n;
}

int ContaAvisos(const std::vector<TAchado>& Achados) {
  return static_cast<int>(Achados.size()) - ContaErros(Achados);
}

QStringList ArquivosPresentes(const TMUListaDescricaoMensagem& Catalogo) {
  QStringList nomes;
  for (const auto& m : Catalogo.Items())
    if (m->ArquivoExiste) nomes.append(m->Arquivo);
  return nomes;
}
