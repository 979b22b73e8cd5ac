#pragma once
// One line per event on standard output, flushed at once so that a parent
// process (tests, scripts) sees it while the simulator keeps running.
#include <QString>

#include "packet.h"

void SimLog(const QString& line);

// "Name: value | Name: value" on one line: file parts shown by their size,
// passwords hidden, wire text shown as UTF-8 when it is valid UTF-8 and as
// the 8-bit code page otherwise, long values cut.
QString DescribeFields(const QList<Field>& fields, qsizetype filePartSize = -1);
