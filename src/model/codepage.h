#pragma once
// The one 8-bit code page used on the wire and in the HTML report:
// Windows-1252, with its five undefined bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// standing for the C1 control characters of the same number, so that every
// byte maps to exactly one character and back.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Text to bytes; a character the code page lacks becomes "?" (one per code
// point, so a surrogate pair gives a single "?").
QByteArray EncodeAnsi(const QString& text);
// Text to bytes for an HTML page: as EncodeAnsi, but a character the code
// page lacks is written as a numeric character reference ("&#x1F600;", upper
// case, at least four digits), so the page loses none. Appended to out.
void AppendAnsiHtml(QByteArray& out, QStringView text);
// Bytes to text; never fails.
QString DecodeAnsi(QByteArrayView bytes);
// The text as it survives a trip through the code page.
QString ReduceToAnsi(const QString& text);
// Appends to Distintos each character of text that the code page lacks (a
// surrogate pair as one) and that Distintos does not hold yet.
void AcrescentaForaDaPagina(QString& Distintos, QStringView text);
// UTF-8 text as it survives the code page, still in UTF-8, appended to
// Saida: what ReduceToAnsi and a UTF-8 encoding give, without the trip
// through UTF-16. A character the page lacks, or a byte that is no UTF-8,
// becomes "?".
void AcrescentaUtf8NaPagina(QByteArray& Saida, QByteArrayView Utf8);
// Whether the bytes are valid UTF-8 (shortest forms only) of characters the
// code page holds, so that decoding them, reducing them to the page and
// encoding them again in UTF-8 gives the same bytes back.
bool Utf8NaPagina(QByteArrayView Utf8);
