#include "rules/cavelayout.h"

#include <cmath>
#include <cstdint>

namespace CaveLayout {

namespace {

// The surface moved as little as keeps the view covered from its start.
double keptCovering(double pos, double surface, double view)
{
    if (pos > 0)
        pos = 0;
    if (pos + surface < view)
        pos = view - surface;
    return pos;
}

// The surface's place along one direction: with a bar it keeps its place as
// far as the view stays covered, without one it is centred.
double placeAlong(bool bar, double pos, double surface, double view)
{
    return bar ? keptCovering(pos, surface, view) : (view - surface) / 2;
}

} // namespace

MapLayout ArrangeMap(const MapInput &in)
{
    MapLayout o;
    o.needH = in.Sw > in.W0;
    o.needV = in.Sh > in.H0;
    if (o.needV && in.Sw + in.VW > in.W0)
        o.needH = true;
    if (o.needH && in.Sh + in.HH > in.H0)
        o.needV = true;
    o.ViewWidth = o.needV ? in.W0 - in.VW : in.W0;
    o.ViewHeight = o.needH ? in.H0 - in.HH : in.H0;
    o.L = placeAlong(o.needH, in.L, in.Sw, o.ViewWidth);
    o.T = placeAlong(o.needV, in.T, in.Sh, o.ViewHeight);
    if (o.needH) {
        o.hWidth = in.W0 - in.VW;
        o.hTop = in.H0 - in.HH;
        o.hMax = static_cast<int>(std::floor(o.ViewWidth - in.Sw));
    }
    if (o.needV) {
        o.vHeight = in.H0 - in.HH;
        o.vLeft = in.W0 - in.VW;
        o.vMax = static_cast<int>(std::floor(o.ViewHeight - in.Sh));
    }
    o.checkShown = o.needH || o.needV;
    o.checkLeft = in.W0 - in.VW;
    o.checkTop = in.H0 - in.HH;
    return o;
}

PropsLayout ArrangeProps(double W0, double H0)
{
    PropsLayout o;
    o.u = static_cast<int>(std::floor(W0 / 8));
    if (o.u > 80)
        o.u = 80;
    o.gap = (H0 - TextsHeight - AttrHeight - o.u) / 3;
    if (o.gap < 4)
        o.gap = 4;
    o.textsLeft = (W0 - TextsWidth) / 2;
    o.textsTop = o.gap / 2;
    o.attrLeft = (W0 - AttrWidth) / 2;
    o.attrTop = o.textsTop + TextsHeight + o.gap;
    o.atmLeft = (W0 - 5.0 * o.u) / 2;
    o.atmTop = o.attrTop + AttrHeight + o.gap;
    return o;
}

double AutoScrollStep(double gain, double pointer, double view, double inner, double surface, double pos,
                      int *barValue)
{
    if (view > 0) {
        const double d = gain * std::pow((pointer - view / 2) / view, 5);
        pos = keptCovering(pos - inner * d, surface, view);
    }
    if (barValue) {
        const double r = std::nearbyint(pos);
        *barValue = static_cast<int16_t>(r < -32768 ? -32768 : r > 32767 ? 32767 : r);
    }
    return pos;
}

} // namespace CaveLayout
