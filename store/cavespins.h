#pragma once

#include "common/caverecord.h"

#include <QString>

// What a spin box makes of its tag and its text; what it does with typing and its arrow strip is in
// rules/spininput.h.
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

} // namespace SpinRange

// The five atmosphere buttons, three chamber values each.
namespace Atmosphere {

constexpr int ButtonCount = 5;

// The button a record value belongs to, or -1 for a value outside the table.
int ButtonForValue(int value);
// The value a chosen button stores: the first of its three.
int FirstValue(int button);

} // namespace Atmosphere

// The property page's seven spin boxes, in box order: gems needed, total time,
// points, bonus points, mud permeability, magic-wall time, amoeba time.
namespace CaveSpins {

constexpr int Count = 7;
inline constexpr const char *Tags[Count] = {"00999", "05999", "0099", "0099", "008", "01150", "01150"};

// The record's value behind box i; setting one outside 0..6 does nothing.
int Value(const CaveRecord &r, int i);
void SetValue(CaveRecord &r, int i, int v);

// The record as a chamber window holds it once loaded: each box shows its
// number as decimal text, brings it into range and stores it back.
CaveRecord Loaded(CaveRecord r);

} // namespace CaveSpins
