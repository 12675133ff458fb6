#include "shell/sheetroll.h"

#include "shell/collayout.h"

namespace SheetRoll {

Step step(int code, double h, double windowHeight)
{
    Step s;
    s.height = h;
    if (code == Roll::SheetDown) {
        const double n = h * 1.75;
        if (n > windowHeight) {
            s.height = windowHeight;
            s.stop = true;
            s.faceLeft = -48;
            s.chainRollUp = float(windowHeight - ColLayout::RollPanelHeight - 4) < ColLayout::RollUpBelow;
        } else {
            s.height = float(n);
        }
    } else if (code == Roll::SheetUp) {
        const double n = h / 1.75;
        if (n < ColLayout::SheetCollapsed) {
            s.height = ColLayout::SheetCollapsed;
            s.stop = true;
            s.faceLeft = 0;
        } else {
            s.height = float(n);
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
