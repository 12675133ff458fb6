#include "rules/spininput.h"

namespace SpinInput {

using SpinRange::Clamp;
using SpinRange::LeadingNumber;

QString WhileTyping(const QString &text, const Range &r)
{
    return LeadingNumber(text) > r.max ? QString::number(r.max) : text;
}

QString Settled(const QString &text, const Range &r)
{
    return QString::number(Clamp(LeadingNumber(text), r));
}

int Answer(int old, const QString &text, const Range &r)
{
    return text == QString::number(old) ? old : Clamp(LeadingNumber(text), r);
}

Direction ForRow(double p)
{
    if (p < 11)
        return {0, 1};
    if (p > 11)
        return {-46, -1};
    return {RestTop, 0};
}

} // namespace SpinInput
