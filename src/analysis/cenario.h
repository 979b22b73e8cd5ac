#pragma once
// A scenario: what a simulated call is played with (moment, holiday, call
// variables, the caller's answers) and, for a repeatable test, what it must
// give. Scenario files are JSON arrays of scenario objects:
//
//   [{"nome": "Opção 1 no horário comercial",
//     "quando": "09/12/2026 10:00", "feriado": false,
//     "variaveis": {"cliente": "1"},
//     "entradas": ["1", null],              // null: no answer in time
//     "espera": {"fim": "Transfere para fila: 10", "codigo": "DISCAF",
//                "menus": ["Inicio", "Principal"], "mensagens": ["menu_principal"]}}]
//
// "quando" ("dd/mm/aaaa hh:mm"), "feriado", "variaveis", "entradas", "limite"
// (the step bound), "servicoLocal" and every member of "espera" are optional.
#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct TResultadoSimulacao;

inline constexpr int kLimitePassosPadrao = 1000;

struct TEsperaCenario {
  std::optional<QString> Fim;     // text the end's one-line description must contain
  std::optional<QString> Codigo;  // the code of the action that ended the call
  QStringList Menus;              // entered in this order, others may come between
  QStringList Mensagens;          // played or sent in this order, likewise
};

struct TCenario {
  QString Nome;
  QDateTime Quando;  // invalid: now
  bool Feriado = false;
  QMap<QString, QString> Variaveis;
  std::vector<std::optional<QString>> Entradas;  // nullopt or empty: no answer in time
  // The caller may still be typing keys of the last answer (the window's
  // keypad): when they choose nothing yet, the call awaits more keys.
  bool UltimaIncompleta = false;
  int LimitePassos = kLimitePassosPadrao;
  // Played on a document of the local service ("servicoLocal"), whose action
  // descriptions differ: whoever runs the scenario sets the document's RORIRO.
  bool ServicoLocal = false;
  TEsperaCenario Espera;

  QJsonObject ParaJson() const;
  // Empty when the result meets the expectation; otherwise one line per miss.
  QStringList Confere(const TResultadoSimulacao& Resultado) const;
};

// "dd/mm/aaaa hh:mm"; an invalid result for any other text.
QDateTime LeDataHoraCenario(const QString& Texto);
QString TextoDataHoraCenario(const QDateTime& Quando);

// Reads a scenario file's text; false with the reason (which scenario, which
// member) in Erro.
bool LeCenarios(const QByteArray& Json, std::vector<TCenario>& Cenarios, QString* Erro);
QByteArray CenariosParaJson(const std::vector<TCenario>& Cenarios);
// Appends the scenario to a scenario file, creating it when missing; false
// with the reason when the file cannot be read as scenarios or written.
bool AcrescentaCenario(const QString& Arquivo, const TCenario& Cenario, QString* Erro);
// The expectation that a call's end be repeated: its one-line description and
// its action code.
TEsperaCenario EsperaDoFim(const TResultadoSimulacao& Resultado);
