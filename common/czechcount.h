#pragma once

#include <QString>

// A count and its noun in the Czech plural form: one for 1, few for 2 to 4,
// many for the rest ("1 řádek", "3 řádky", "5 řádků", "0 řádků").
inline QString CzechCount(qint64 n, const QString &one, const QString &few, const QString &many)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? one : n >= 2 && n <= 4 ? few : many);
}
