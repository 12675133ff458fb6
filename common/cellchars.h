#pragma once

#include <array>

// One palette entry: the object number is its index in PaletteObjects.
struct PaletteObjectInfo
{
    char cell;        // the cell character; entry 4 carries the hero variant's digit
    const char *name; // Czech name (UTF-8), the entry's tool tip
};

constexpr int ObjectCount = 36;
constexpr int HeroObject = 4;
constexpr int BiomassObject = 29;
// Painting uses this for cells no palette entry stands for.
constexpr int UnknownObject = -1;

extern const std::array<PaletteObjectInfo, ObjectCount> PaletteObjects;

// The object number that paints a cell: digits and "H" paint the hero,
// characters without an entry give UnknownObject ("0" among them).
int ObjectForCell(char c);

// The hero variant a cell selects, 1 to 9, or 0 when it selects none.
int HeroVariantForCell(char c);
