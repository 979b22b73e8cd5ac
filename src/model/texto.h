#pragma once
// Small text helpers shared by the model and the file formats.
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <string>

// Removes blanks and control characters (code <= 32) at both ends.
QString TrimBlanks(const QString& s);
QString TrimBlanks(QStringView s);
QStringView TrimBlanksView(QStringView s);
// The same over bytes in the code page (which agrees with the characters up to 32).
QByteArrayView TrimBlanksView(QByteArrayView s);
// Folds only the ASCII letters; other letters keep their case.
QString LowerAscii(const QString& s);
QString UpperAscii(const QString& s);
// A decimal integer (optional sign, blanks around allowed); Default otherwise,
// also on overflow of 32 bits.
int StrToIntDef(const QString& s, int Default);
bool IsAsciiDigit(QChar c);
// Valor in decimal appended to Texto, zero-padded to Digitos digits.
void AcrescentaComZeros(QString& Texto, qint64 Valor, int Digitos = 0);
bool IsAsciiLetter(QChar c);
// The text in UTF-8 appended to Saida, byte for byte as Qt's stateless UTF-8
// encoder writes it (half a surrogate pair becomes U+FFFD).
void AcrescentaUtf8(std::string& Saida, QStringView Texto);
// Strict UTF-8, one step: from I, past a run of ASCII (skipped eight bytes
// at a time), to the first byte at or above 0x80, or N.
qsizetype PulaAscii(const unsigned char* Dados, qsizetype I, qsizetype N);
// The length of the multi-byte sequence at Dados[0], of N bytes left, with
// its code point in Cp; 0 when it is no valid UTF-8 (a stray or cut
// sequence, a longer form than needed, a surrogate, a point past U+10FFFF).
int SequenciaUtf8(const unsigned char* Dados, qsizetype N, char32_t& Cp);
