#pragma once

#include <QString>

// The allowed-chambers box keeps its items as two-digit numbers separated by
// ";", except the item being typed at the end.
struct AllowedEdit
{
    QString text;
    int caret = 0; // characters before the caret
};

// The numeric value read from the start of an item, as a number typed by hand
// is read: leading blanks skipped, digits up to the first character that
// cannot continue the number, 0 when there is none.
double LeadingValue(const QString &item);

// One pass over the box's text. The caret keeps its distance from the end of
// its item, so it stays right after what the user just typed even when the
// items before it or its own item change length.
AllowedEdit NormalizeAllowed(const QString &text, int caret);
