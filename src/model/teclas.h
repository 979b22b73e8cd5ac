#pragma once
// The keyboard filters of the fields that refuse some characters.
#include <QChar>
#include <QString>

// A key that edits rather than types (Backspace, Tab, and Delete, which X11
// sends as the text "\x7f"): every keyboard filter lets it pass.
bool EhTeclaDeControle(QChar c);
// The keyboard filter of URA and menu names: a control key, an ASCII letter
// or digit, "-", "_", or a blank that neither starts the name nor follows
// another blank. Atual is the text before the key.
bool TeclaNomeAceita(QChar c, const QString& Atual);
