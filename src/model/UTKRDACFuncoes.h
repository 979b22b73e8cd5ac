#pragma once
// Text escaping for XML and the scrambling of the URA file's audit fields.
#include <QString>
#include <cstdint>
#include <string>

QString encodeCRLF(const QString& text);
QString decodeCRLF(const QString& text);
QString decodeCRLFTo(const QString& text, const QString& str);
QString UTF16ToUnicodedEscaped(const QString& text);
// The same escaping, appended to out (no text of its own for each value),
// as UTF-16 or as UTF-8.
void AppendUnicodedEscaped(QString& out, QStringView text);
void AppendUnicodedEscaped(std::string& out, QStringView text);

// Scrambles Texto with a 16-bit key (below 1: a random key) into upper-case
// hexadecimal with a checksum; the text is padded to at least MinLen (>= 5).
QString CriptografaSenha(int Chave, int MinLen, const QString& Texto);
// Inverse of CriptografaSenha: Default when the value is too short or its
// checksum fails, the empty text when its hexadecimal parts do not convert.
QString DescriptografaSenha(const QString& Valor, const QString& Default);
// Pairs of hexadecimal digits into bytes, at most Size; stops at the first
// pair that is not hexadecimal. Returns the number of bytes written.
int MyHexToBin(const QString& Texto, uint8_t* Buffer, int Size);
