// The keyboard filter of names: what a typed key may add.
#include <gtest/gtest.h>

#include "teclas.h"

namespace {

TEST(Teclas, NameFilterLetsEditingKeysPassAndRefusesTheRest) {
  struct Caso {
    QChar c;
    const char* atual;
    bool aceita;
  } casos[] = {
      {QChar(0x08), "abc", true},  // Backspace
      {QChar(0x7f), "abc", true},  // Delete, as X11 sends it
      {QChar(0x09), "", true},     // Tab
      {QChar(0x1f), "abc", true},  // any other control character
      {u'a', "", true},           {u'Z', "x", true},          {u'7', "", true},
      {u'-', "", true},           {u'_', "", true},           {u' ', "ab", true},
      {u' ', "", false},          {u' ', "ab ", false},       {u'.', "ab", false},
      {QChar(0xe1), "ab", false},  // "á"
      {u'/', "ab", false},        {QChar(0x80), "ab", false}, {QChar(0xd83d), "ab", false},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(TeclaNomeAceita(c.c, QString::fromLatin1(c.atual)), c.aceita)
        << int(c.c.unicode()) << " after '" << c.atual << "'";
}

}  // namespace
