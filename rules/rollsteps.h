#pragma once

#include <QStringView>

#include <array>

// The arithmetic of the roll animations of the main window: each tick grows
// or shrinks one dimension by the factor 1.75 and the step that passes the
// end value lands on it exactly and ends the roll.
namespace Roll {

constexpr float GroupCollapsed = 17;
// Expanded heights of "Základní", "Zdi", "Tvorové", "Klíče".
constexpr std::array<float, 4> GroupExpanded = {115, 146, 208, 146};
constexpr float GroupTop = 100;
constexpr float GroupGap = 7;
constexpr float BarMinTwips = 45;
constexpr int TwipsPerPixel = 15;

enum Code : int {
    None = 0,
    HideBar = 1,
    ShowBar = 2,
    FirstGroup = 3, // 3 + 2 * group grows it, one more shrinks it
    LastGroup = 10,
    SheetDown = 11,
    SheetUp = 12,
};

struct Step
{
    float value; // the new dimension, as the control keeps it
    bool done;   // the end value was reached: the timer stops
};

// The roll code a tag holds: its leading number, 0 for none (empty, not a
// whole number, out of 1..12).
int CodeOf(QStringView tag);

// Codes 3..10: which group (0..3) and whether it grows.
bool IsGroupCode(int code);
int GroupOfCode(int code);
bool GroupCodeGrows(int code);
// The code a click on group's header starts: growth when it is collapsed.
int HeaderCode(int group, float height);

// One tick of any roll: part grows by the factor or shrinks by it, fixed
// stays; the tick that passes end lands on it.
struct Tick
{
    double value;
    bool done;
};
Tick ScaleTick(double part, double fixed, bool grow, double end);

Step GroupStep(float height, bool grow, float expanded);
// The object bar's width in twips, between 45 and maxTwips.
Step BarStep(float widthTwips, bool grow, float maxTwips);

// Restacks the groups below group first - 1: each Top is the Top of the
// group above it plus its height plus the gap.
void Restack(std::array<float, 4> &tops, const std::array<float, 4> &heights, int first);

} // namespace Roll
