#pragma once
#include <QString>
#include <pugixml.hpp>
#include <string>

// The markup characters "&", "<", ">" and the double quote as entities; used
// for file texts in plain form and for every document text in the report.
QString EscapaMarkup(const QString& Texto);
// The same appended to a text.
void AcrescentaMarkup(QString& Saida, QStringView Texto);
// File texts in plain form: as EscapaMarkup, and a CR as "&#xD;" (a raw CR
// would read back as a line feed).
QString EscapaTextoPlano(const QString& Texto);
// Attribute values: as EscapaMarkup, and tab, LF and CR as character
// references (raw ones read back as blanks).
QString EscapaAtributo(const QString& Texto);
// The plain and attribute forms appended to a line in UTF-8.
void AcrescentaTextoPlano(std::string& Saida, QStringView Texto);
void AcrescentaAtributo(std::string& Saida, QStringView Texto);

// pugixml (UTF-8) <-> QString.
inline QString FromUtf8(const char* s) { return QString::fromUtf8(s); }
inline QByteArray ToUtf8(const QString& s) { return s.toUtf8(); }
