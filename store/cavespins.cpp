#include "store/cavespins.h"

namespace SpinRange {

Range Parse(const QString &tag)
{
    return {LeadingNumber(tag.left(2)), LeadingNumber(tag.mid(2))};
}

int LeadingNumber(const QString &text)
{
    int v = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        v = v * 10 + (c.unicode() - u'0');
        if (v > 100000) // far beyond any box; keeps the sum from overflowing
            v = 100000;
    }
    return v;
}

int Clamp(int v, const Range &r)
{
    if (v < r.min)
        v = r.min;
    if (v > r.max)
        v = r.max;
    return v;
}

} // namespace SpinRange

namespace Atmosphere {

int ButtonForValue(int value)
{
    switch (value) {
    case 3:
    case 4:
    case 9: return 0;
    case 2:
    case 5:
    case 10: return 1;
    case 0:
    case 8:
    case 11: return 2;
    case 6:
    case 7:
    case 12: return 3;
    case 1:
    case 13:
    case 14: return 4;
    default: return -1;
    }
}

int FirstValue(int button)
{
    static const int first[ButtonCount] = {3, 2, 0, 6, 1};
    return button >= 0 && button < ButtonCount ? first[button] : 3;
}

} // namespace Atmosphere

namespace CaveSpins {

CaveRecord Loaded(CaveRecord r)
{
    const auto box = [](int v, int i) {
        return SpinRange::Clamp(SpinRange::LeadingNumber(QString::number(v)),
                                SpinRange::Parse(QString::fromLatin1(Tags[i])));
    };
    for (int i = 0; i < Count; ++i)
        SetValue(r, i, box(Value(r, i), i));
    return r;
}

int Value(const CaveRecord &r, int i)
{
    switch (i) {
    case 0: return r.GemsNeeded;
    case 1: return r.TotalTime;
    case 2: return r.Points;
    case 3: return r.BonusPoints;
    case 4: return r.MudPermeability;
    case 5: return r.MagicWallTime;
    case 6: return r.AmoebaTime;
    default: return 0;
    }
}

void SetValue(CaveRecord &r, int i, int v)
{
    switch (i) {
    case 0: r.GemsNeeded = static_cast<int16_t>(v); break;
    case 1: r.TotalTime = static_cast<int16_t>(v); break;
    case 2: r.Points = static_cast<uint8_t>(v); break;
    case 3: r.BonusPoints = static_cast<uint8_t>(v); break;
    case 4: r.MudPermeability = static_cast<uint8_t>(v); break;
    case 5: r.MagicWallTime = static_cast<uint8_t>(v); break;
    case 6: r.AmoebaTime = static_cast<uint8_t>(v); break;
    default: break;
    }
}

} // namespace CaveSpins
