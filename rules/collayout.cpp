#include "rules/collayout.h"

#include <algorithm>
#include <cmath>

namespace ColLayout {

namespace {

int half(double v)
{
    return int(std::lround(v / 2));
}

} // namespace

Layout Arrange(const Input &in)
{
    Layout r;
    if (in.minimized)
        return r;
    r.changed = true;
    const int W = in.W;
    const int H = in.H;

    r.frameWidth = std::max(0, W - 16);
    r.sideBySide = float(Panel1Width + Panel0Width + 8) < float(r.frameWidth);
    const int extra = r.sideBySide ? 0 : Panel1Height + 8;
    const int L = H - 57 - 4 - Panel0Height - 4 - extra;

    r.scrollLeft = in.scrollLeft;
    r.scrollMax = in.scrollMax;
    r.scrollValue = in.scrollValue;
    r.canvasTop = in.canvasTop;
    r.listVisible = L >= 1;
    if (r.listVisible) {
        r.listLaidOut = true;
        r.frameHeight = L;
        r.frameInnerHeight = L; // the frame draws no border
        const float rowsInView = float(r.frameInnerHeight) / float(RowHeight);
        if (rowsInView < float(in.numCaves)) {
            r.scrollLeft = r.frameWidth - ScrollWidth;
            r.scrollMax = int(std::lround(double(in.canvasHeight) - r.frameInnerHeight));
            // A value above the new maximum comes down with it, and the canvas follows.
            r.scrollValue = std::min(in.scrollValue, r.scrollMax);
            if (in.canvasTop == 0)
                r.scrollValue = 0;
            r.canvasTop = -r.scrollValue;
        } else {
            r.canvasTop = 0;
            r.scrollLeft = r.frameWidth;
        }
        r.canvasWidth = r.scrollLeft;
        r.scrollHeight = r.frameInnerHeight;

        if (r.sideBySide) {
            r.panel0Left = half(W - Panel0Width - Panel1Width - 8);
            r.panel0Top = H - Panel0Height - 4;
            r.panel1Left = r.panel0Left + Panel0Width + 8;
            r.panel1Top = H - Panel1Height - 4;
        } else {
            r.panel0Left = half(W - Panel0Width);
            r.panel0Top = H - Panel1Height - 4 - Panel0Height - 4;
            r.panel1Left = half(W - Panel1Width);
            r.panel1Top = H - Panel1Height - 4;
        }
    }

    r.sheetHeight = in.sheetHeight;
    r.propPanelTop = in.propPanelTop;
    if (in.sheetHeight > SheetCollapsed && !in.rollRunning) {
        r.sheetFitted = true;
        r.sheetHeight = H;
        r.rollPanelTop = H - RollPanelHeight - 4;
        r.startRollUp = r.rollPanelTop < RollUpBelow;
        const double v = (H - 12.0 - PropPanelHeight) / 2;
        if (v >= 6)
            r.propPanelTop = v;
    }
    r.rollPanelLeft = half(W - RollPanelWidth);
    r.propPanelLeft = half(W - PropPanelWidth);
    r.selWidth = r.scrollLeft - 2;
    return r;
}

} // namespace ColLayout
