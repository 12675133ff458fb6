#pragma once

#include "rules/rollsteps.h"

// One tick of the set window's roll-down sheet: Roll::SheetDown rolls it down
// to the window's inner height, Roll::SheetUp up to its collapsed strip.
namespace SheetRoll {

struct Step
{
    double height = 0;
    bool stop = false;        // the end value was reached: timer off
    int faceLeft = 0;         // the face to show once stopped: 0 roll down, -48 roll up
    bool chainRollUp = false; // a sheet rolled down into a window too low for it goes straight back
    double rollPanelTop = 0;
    double propPanelTop = 0;
};

// h: the sheet's height now; windowHeight: the set window's inner height.
Step SheetRollStep(int code, double h, double windowHeight);

} // namespace SheetRoll
