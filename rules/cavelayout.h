#pragma once

// The chamber window's layout arithmetic, free of widgets.
namespace CaveLayout {

struct MapInput
{
    double W0 = 0, H0 = 0; // the map frame's inner size
    double Sw = 0, Sh = 0; // the surface's size
    double VW = 0, HH = 0; // the vertical bar's width, the horizontal bar's height
    double L = 0, T = 0;   // the surface's current position
};

struct MapLayout
{
    bool needH = false, needV = false;
    double ViewWidth = 0, ViewHeight = 0;
    double L = 0, T = 0;
    // Bars, when shown: the horizontal one's width, top and maximum (at most 0)...
    double hWidth = 0, hTop = 0;
    int hMax = 0;
    // ...and the vertical one's height, left and maximum.
    double vHeight = 0, vLeft = 0;
    int vMax = 0;
    // The corner switch, shown when a bar is.
    bool checkShown = false;
    double checkLeft = 0, checkTop = 0;
};

MapLayout ArrangeMap(const MapInput &in);

struct PropsLayout
{
    int u = 0;
    double gap = 0;
    double textsLeft = 0, textsTop = 0;
    double attrLeft = 0, attrTop = 0;
    double atmLeft = 0, atmTop = 0;
};

constexpr int TextsWidth = 327, TextsHeight = 66;
constexpr int AttrWidth = 450, AttrHeight = 98;

PropsLayout ArrangeProps(double W0, double H0);

// One auto-scroll step along one direction. Returns the surface's new
// position; barValue gets it as the bar's 16-bit value. A viewport of size 0
// moves nothing.
double AutoScrollStep(double gain, double pointer, double view, double inner, double surface, double pos,
                      int *barValue);

} // namespace CaveLayout
