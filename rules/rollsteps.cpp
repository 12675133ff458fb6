#include "rules/rollsteps.h"

#include <cmath>

namespace Roll {

int CodeOf(QStringView tag)
{
    // The leading number of the text, as the tag was written by the windows.
    qsizetype i = 0;
    while (i < tag.size() && tag[i] == u' ')
        ++i;
    double value = 0;
    bool any = false;
    while (i < tag.size() && tag[i] >= u'0' && tag[i] <= u'9') {
        value = value * 10 + (tag[i].unicode() - u'0');
        any = true;
        ++i;
    }
    if (!any)
        return None;
    if (i < tag.size() && tag[i] == u'.') {
        // A fraction makes it no roll code unless it is all zeros.
        for (++i; i < tag.size() && tag[i] >= u'0' && tag[i] <= u'9'; ++i)
            if (tag[i] != u'0')
                return None;
    }
    if (value < 1 || value > 12)
        return None;
    return static_cast<int>(value);
}

bool IsGroupCode(int code)
{
    return code >= FirstGroup && code <= LastGroup;
}

int GroupOfCode(int code)
{
    return (code - FirstGroup) / 2;
}

bool GroupCodeGrows(int code)
{
    return (code - FirstGroup) % 2 == 0;
}

int HeaderCode(int group, float height)
{
    return FirstGroup + 2 * group + (height == GroupCollapsed ? 0 : 1);
}

Tick ScaleTick(double part, double fixed, bool grow, double end)
{
    const double n = (grow ? part * 1.75 : part / 1.75) + fixed;
    if (grow ? n > end : n < end)
        return {end, true};
    return {n, false};
}

Step GroupStep(float height, bool grow, float expanded)
{
    // The 14 pixels of the header stay; the entries below it roll.
    const Tick t = ScaleTick(height - 14.0f, 14.0, grow, grow ? expanded : GroupCollapsed);
    return {static_cast<float>(t.value), t.done};
}

Step BarStep(float widthTwips, bool grow, float maxTwips)
{
    const Tick t = ScaleTick(widthTwips, 0.0, grow, grow ? maxTwips : BarMinTwips);
    return {static_cast<float>(t.value), t.done};
}

void Restack(std::array<float, 4> &tops, const std::array<float, 4> &heights, int first)
{
    for (int g = std::max(first, 1); g < 4; ++g)
        tops[g] = tops[g - 1] + heights[g - 1] + GroupGap;
}

} // namespace Roll
