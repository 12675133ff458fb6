#include "store/allowedtext.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QString decimalText(double v)
{
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15)
        return QString::number(static_cast<long long>(v));
    return QString::number(v, 'g', 15);
}

QString twoDigitItem(const QString &item)
{
    return (QStringLiteral("0") + decimalText(LeadingValue(item))).right(2);
}

} // namespace

double LeadingValue(const QString &item)
{
    int i = 0;
    const int n = int(item.size());
    while (i < n && (item[i] == u' ' || item[i] == u'\t' || item[i] == u'\n' || item[i] == u'\r'))
        ++i;
    const int start = i;
    if (i < n && (item[i] == u'+' || item[i] == u'-'))
        ++i;
    int digits = 0;
    while (i < n && isDigit(item[i]))
        ++i, ++digits;
    if (i < n && item[i] == u'.') {
        ++i;
        while (i < n && isDigit(item[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    int end = i;
    // An exponent counts only when digits follow it.
    if (i < n && (item[i] == u'e' || item[i] == u'E')) {
        int j = i + 1;
        if (j < n && (item[j] == u'+' || item[j] == u'-'))
            ++j;
        if (j < n && isDigit(item[j])) {
            while (j < n && isDigit(item[j]))
                ++j;
            end = j;
        }
    }
    bool ok = false;
    const double v = item.mid(start, end - start).toDouble(&ok);
    return ok ? v : 0;
}

AllowedEdit NormalizeAllowed(const QString &text, int caret)
{
    QString t = text;
    for (QChar &c : t)
        if (c == u' ' || c == u',' || c == u'§' || c == u'ů')
            c = u';';
    if (t.isEmpty())
        return {t, 0};

    const QStringList items = t.split(u';');
    caret = std::clamp(caret, 0, int(t.size()));
    QStringList out;
    int oldPos = 0; // start of the current item in the old text
    int newPos = 0; // and in the new one
    int newCaret = -1;
    for (int k = 0; k < items.size(); ++k) {
        const QString &item = items[k];
        const QString fixed = k + 1 < items.size() ? twoDigitItem(item) : item;
        const int oldLen = int(item.size());
        const int newLen = int(fixed.size());
        if (newCaret < 0 && caret >= oldPos && caret <= oldPos + oldLen)
            newCaret = newPos + std::clamp(newLen - (oldPos + oldLen - caret), 0, newLen);
        out << fixed;
        oldPos += oldLen + 1;
        newPos += newLen + 1;
    }
    return {out.join(u';'), newCaret};
}
