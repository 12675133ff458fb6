#pragma once

#include "store/cavespins.h"

// What a spin box does with the user's typing and its arrow strip, free of widgets.
namespace SpinInput {

using SpinRange::Range;

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

} // namespace SpinInput
