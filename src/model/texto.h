#pragma once
// Small text helpers shared by the model and the file formats.
#include <QString>
#include <QStringView>
#include <string>

// Removes blanks and control characters (code <= 32) at both ends.
QString TrimBlanks(const QString& s);
QString TrimBlanks(QStringView s);
// Folds only the ASCII letters; other letters keep their case.
QString LowerAscii(const QString& s);
QString UpperAscii(const QString& s);
// A decimal integer (optional sign, blanks around allowed); Default otherwise,
// also on overflow of 32 bits.
int StrToIntDef(const QString& s, int Default);
bool IsAsciiDigit(QChar c);
bool IsAsciiLetter(QChar c);
// The text in UTF-8 appended to Saida, byte for byte as Qt's stateless UTF-8
// encoder writes it (half a surrogate pair becomes U+FFFD).
void AcrescentaUtf8(std::string& Saida, QStringView Texto);
