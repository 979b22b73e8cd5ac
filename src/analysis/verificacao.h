#pragma once
// The URA check: what would break a URA (voice or chat) once it is activated,
// found before it goes to the server.
//
// How to call it:
//
//   std::vector<TAchado> achados = VerificaURA(*Dac);                 // document only
//   VerificaURA(*Dac, &MenuUraInfoAuxiliar.ListaDeMensagens);          // + catalogue
//   const QStringList presentes = ArquivosPresentes(MenuUraInfoAuxiliar.ListaDeMensagens);
//   VerificaURA(*Dac, &MenuUraInfoAuxiliar.ListaDeMensagens, &presentes);  // + server
//
// Without a catalogue no audio entry is looked up; without the server's list no
// presence on the server is checked. The document, catalogue and list are only
// read. The findings come in document order (the document itself first, then
// each menu in list order, its sections in the order the server runs them);
// ContaErros tells whether the URA may go out as it is. The time taken is
// linear in the size of the document, except that the options of one menu are
// compared pair by pair to find the ones a later option hides.
#include <QString>
#include <QStringList>
#include <vector>

class TDAC;
class TMUListaAcao;
class TMUListaDescricaoMensagem;

enum class TGravidade {
  Erro,   // the server would misbehave: a jump nowhere, a value the program refuses
  Aviso,  // suspicious but runnable: unreachable menus, dead actions, missing audio
};

// One finding.
struct TAchado {
  TGravidade Gravidade = TGravidade::Erro;
  // Index of the menu in Dac.ListaMenus; -1 for findings about the document
  // itself (its initial menu). Menu names may repeat, the index does not.
  int IndiceMenu = -1;
  QString Menu;  // the menu's name; empty with IndiceMenu -1
  // Where in the menu: "Início, condição N", "Mensagem" (the prompt),
  // "Opção VALOR" (the option's short value), "Opção inválida", "Timeout",
  // "Final", "Menu de lista, item N"; empty for the menu as a whole.
  QString Secao;
  QString Codigo;  // stable identifier, e.g. "vaipara-inexistente"
  QString Texto;   // Portuguese, one line

  // "erro" or "aviso".
  QString GetStrGravidade() const;
  // The one-line form: "erro: Menu Principal: Opção 9XXX: texto [codigo]";
  // the menu and section parts are left out when empty.
  QString GetStrLinha() const;
};

std::vector<TAchado> VerificaURA(const TDAC& Dac, const TMUListaDescricaoMensagem* Catalogo = nullptr,
                                 const QStringList* ArquivosServidor = nullptr);

int ContaErros(const std::vector<TAchado>& Achados);
int ContaAvisos(const std::vector<TAchado>& Achados);

// Every finding code the check can give, errors first.
const QStringList& CodigosVerificacao();

// The catalogue entries marked as present on the server (ArquivoExiste), as the
// server list for VerificaURA.
QStringList ArquivosPresentes(const TMUListaDescricaoMensagem& Catalogo);

// The check of a chat option's sizes that the option editor makes too: the
// message when the maximum (0: none) lies below the minimum, else empty.
QString VerificaTamanhosOpcaoChat(int Minimo, int Maximo);
// Whether an action of code Tipo ends the running sequence of its section (a
// jump, a transfer, a hang-up, an empty or unknown code): the actions after it
// never run.
bool SaiDaSequencia(const QString& Tipo);
// How many actions of the list run: up to and including the first that leaves.
int AcoesExecutadas(const TMUListaAcao& Lista);
