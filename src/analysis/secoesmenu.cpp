#include "secoesmenu.h"

QString NomeSecaoCondicao(int Indice) { return QStringLiteral("Início, condição ") + QString::number(Indice + 1); }

QString NomeSecaoOpcao(const TMUOpcao& Opcao, int Indice) {
  const QString v = Opcao.GetDescricaoValor();
  return QStringLiteral("Opção ") + (v.isEmpty() ? QString::number(Indice + 1) : v);
}

QString NomeSecao(const TMenuUra& Menu, const TParteMenu& Secao) {
  switch (Secao.Tipo) {
    case TTipoSecao::Condicao: return NomeSecaoCondicao(Secao.Indice);
    case TTipoSecao::Mensagem: return QStringLiteral("Mensagem");
    case TTipoSecao::MenuLista: return QStringLiteral("Menu de lista");
    case TTipoSecao::ItemMenuLista: return QStringLiteral("Menu de lista, item ") + QString::number(Secao.Indice + 1);
    case TTipoSecao::Opcao: {
      const TMUOpcao* o = Menu.ListaOpcoes->GetItem(Secao.Indice);
      return o ? NomeSecaoOpcao(*o, Secao.Indice) : QString();
    }
    case TTipoSecao::OpcaoInvalida: return QStringLiteral("Opção inválida");
    case TTipoSecao::Timeout: return QStringLiteral("Timeout");
    case TTipoSecao::Final: return QStringLiteral("Final");
  }
  return QString();
}
