#include "rules/sheetroll.h"

#include "rules/collayout.h"

namespace SheetRoll {

Step SheetRollStep(int code, double h, double windowHeight)
{
    Step s;
    s.height = h;
    if (code == Roll::SheetDown || code == Roll::SheetUp) {
        const bool down = code == Roll::SheetDown;
        const Roll::Tick t = Roll::ScaleTick(h, 0.0, down, down ? windowHeight : ColLayout::SheetCollapsed);
        // The height between the ends is kept as a single's precision, as the sheet keeps it.
        s.height = t.done ? t.value : float(t.value);
        s.stop = t.done;
        if (t.done) {
            s.faceLeft = down ? -48 : 0;
            s.chainRollUp =
                down && float(windowHeight - ColLayout::RollPanelHeight - 4) < ColLayout::RollUpBelow;
        }
    }
    s.rollPanelTop = s.height - ColLayout::RollPanelHeight - 4;
    double v = (s.height - 12 - ColLayout::PropPanelHeight) / 2;
    if (v < 6)
        v = 6;
    s.propPanelTop = v;
    return s;
}

} // namespace SheetRoll
