#pragma once

#include "common/caverecord.h"

#include <QString>

// What a spin box does with numbers, free of widgets.
namespace SpinRange {

struct Range
{
    int min = 0;
    int max = 0;
};

// The range in a box's tag: two digits of minimum, then the maximum ("01150" is 1..150).
Range Parse(const QString &tag);

// The leading decimal number of a text, 0 when it has none.
int LeadingNumber(const QString &text);

int Clamp(int v, const Range &r);

// What a box shows while the user types into it: a number over the maximum
// becomes the maximum at once; anything else stays as typed, a number below
// the minimum too, so that its further digits can follow.
QString WhileTyping(const QString &text, const Range &r);
// What a box shows once its editing ends: its number, brought into the range.
QString Settled(const QString &text, const Range &r);
// The size dialog's answer for a dimension that was old: old itself while the
// box still shows the text it was given, so a size outside the range survives
// a dialog the user accepted without touching that box.
int Answer(int old, const QString &text, const Range &r);

// The arrow strip's answer to the pointer's row p in the 23-pixel window:
// the strip's Top and the step.
struct Direction
{
    int top;
    int step;
};
Direction ForRow(double p);

constexpr int RestTop = -23;
constexpr int FirstRepeatMs = 500;
constexpr int RepeatMs = 150;

} // namespace SpinRange

// The five atmosphere buttons, three chamber values each.
namespace Atmosphere {

// The button a record value belongs to, or -1 for a value outside the table.
int ButtonForValue(int value);
// The value a chosen button stores: the first of its three.
int FirstValue(int button);

} // namespace Atmosphere

// The property page's seven spin boxes, in box order: gems needed, total time,
// points, bonus points, mud permeability, magic-wall time, amoeba time.
namespace CaveSpins {

inline constexpr const char *Tags[7] = {"00999", "05999", "0099", "0099", "008", "01150", "01150"};

// The record's value behind box i; setting one outside 0..6 does nothing.
int Value(const CaveRecord &r, int i);
void SetValue(CaveRecord &r, int i, int v);

// The record as a chamber window holds it once loaded: each box shows its
// number as decimal text, brings it into range and stores it back.
CaveRecord Loaded(CaveRecord r);

} // namespace CaveSpins
