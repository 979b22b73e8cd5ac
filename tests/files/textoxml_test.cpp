// The three escapes of the file and the report, over every ASCII character
// and a few beyond: which characters become which entity in each.
#include <gtest/gtest.h>

#include <map>

#include "textoxml.h"

TEST(TextoXml, EntidadesDeCadaEscape) {
  const std::map<char16_t, QString> markup = {{u'&', "&amp;"}, {u'<', "&lt;"}, {u'>', "&gt;"}, {u'"', "&quot;"}};
  std::map<char16_t, QString> plano = markup;
  plano[u'\r'] = "&#xD;";
  std::map<char16_t, QString> atributo = plano;
  atributo[u'\n'] = "&#xA;";
  atributo[u'\t'] = "&#x9;";
  const struct {
    const char* Nome;
    QString (*Escapa)(const QString&);
    const std::map<char16_t, QString>& Entidades;
  } escapes[] = {
      {"markup", EscapaMarkup, markup}, {"plano", EscapaTextoPlano, plano}, {"atributo", EscapaAtributo, atributo}};
  for (const auto& e : escapes)
    for (char16_t c : {char16_t(0x80), char16_t(0xE7), char16_t(0x20AC), char16_t(0x263A)})
      EXPECT_EQ(e.Escapa(QString(QChar(c))), QString(QChar(c))) << e.Nome << " " << int(c);
  for (const auto& e : escapes)
    for (char16_t c = 0; c < 128; ++c) {
      const auto it = e.Entidades.find(c);
      const QString sozinho(QChar{c});
      const QString esperado = it == e.Entidades.end() ? sozinho : it->second;
      // Alone, and inside a text with runs before and after it.
      EXPECT_EQ(e.Escapa(sozinho), esperado) << e.Nome << " " << int(c);
      EXPECT_EQ(e.Escapa("ab" + sozinho + "c&d"), "ab" + esperado + "c&amp;d") << e.Nome << " " << int(c);
    }
}
