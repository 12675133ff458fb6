#pragma once

#include <array>

// Where each palette entry sits: in which group, on which row, left or
// right, or on a stack that shows one of several entries on one place.
namespace PaletteLayout {

enum Group { Basic = 0, Walls = 1, Creatures = 2, Keys = 3, NoGroup = -1 };
enum Stack { HeroStack = 0, ButterflyStack = 1, FireflyStack = 2, CatStack = 3, NoStack = -1 };

struct Place
{
    int group;  // Group
    int row;    // 1-based
    int column; // 0 left, 1 right; unused on a stack
    int stack;  // Stack
};

extern const std::array<Place, 36> Places;

// Stacks: their row in "Tvorové" and their entries, the topmost first.
struct StackInfo
{
    int row;
    std::array<int, 4> entries; // -1 beyond the last
};
extern const std::array<StackInfo, 4> Stacks;

constexpr int EntrySize = 28;
constexpr int RowY(int row)
{
    return 19 + 31 * (row - 1);
}
constexpr int ColumnX(int column)
{
    return column == 0 ? 6 : 37;
}
constexpr int StackX = 12;

// The entry an insect stack shows for direction d (0 none chosen yet).
constexpr int ButterflyEntry(int d)
{
    return 21 + d % 4;
}
constexpr int FireflyEntry(int d)
{
    return 17 + d % 4;
}

} // namespace PaletteLayout
