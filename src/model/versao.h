#pragma once
#include <QString>

// Compares dotted version texts component by component (a component that is
// not a number counts as 0). > 0 when a is newer, < 0 when older, 0 when the
// components of a all equal those of b (b's extra components are ignored).
int CompareVersao(const QString& a, const QString& b);
