#pragma once

#include "store/cavespins.h"

// What a spin box's arrow strip does, free of widgets.
namespace SpinRange {

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
