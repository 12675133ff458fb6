#include "rules/palettelayout.h"

namespace PaletteLayout {

namespace {
constexpr Place at(int group, int row, int column)
{
    return {group, row, column, NoStack};
}
constexpr Place on(int stack)
{
    return {Creatures, 0, 0, stack};
}
} // namespace

const std::array<Place, 36> Places = {{
    at(Basic, 1, 0),     // 0 Prázdno
    at(Basic, 1, 1),     // 1 Hlína
    at(Basic, 2, 1),     // 2 Kámen
    at(Basic, 2, 0),     // 3 Drahokam
    on(HeroStack),       // 4 Zorbel
    at(Walls, 2, 0),     // 5 Zeď
    at(Keys, 2, 1),      // 6 Červený drahokam
    at(Keys, 3, 1),      // 7 Zelený drahokam
    at(Walls, 1, 0),     // 8 Ocelová zeď
    at(Walls, 1, 1),     // 9 Cíl
    at(Creatures, 2, 0), // 10 Améba
    at(Walls, 2, 1),     // 11 Kouzelná zeď
    at(Basic, 3, 0),     // 12 Bedna
    at(Keys, 1, 1),      // 13 Modrý drahokam
    at(Keys, 2, 0),      // 14 Červený zámek
    at(Walls, 4, 1),     // 15 Bláto
    at(Creatures, 5, 0), // 16 Moucha
    on(FireflyStack),    // 17..20 Světluška
    on(FireflyStack),
    on(FireflyStack),
    on(FireflyStack),
    on(ButterflyStack), // 21..24 Motýl
    on(ButterflyStack),
    on(ButterflyStack),
    on(ButterflyStack),
    at(Walls, 3, 0),          // 25 Rostoucí zeď horizontální
    at(Walls, 3, 1),          // 26 Rostoucí zeď vertikální
    at(Keys, 1, 0),           // 27 Modrý zámek
    at(Keys, 3, 0),           // 28 Zelený zámek
    {NoGroup, 0, 0, NoStack}, // 29 Biomasa, never on the palette
    at(Basic, 3, 1),          // 30 Bomba
    at(Creatures, 2, 1),      // 31 Blecha
    at(Walls, 4, 0),          // 32 Čidlo
    on(CatStack),             // 33 Kočka
    at(Creatures, 5, 1),      // 34 Kudlanka
    at(Keys, 4, 1),           // 35 Bílý klíč (kočičí)
}};

const std::array<StackInfo, 4> Stacks = {{
    {1, {4, -1, -1, -1}},
    {4, {21, 22, 23, 24}},
    {3, {18, 17, 20, 19}},
    {6, {33, -1, -1, -1}},
}};

} // namespace PaletteLayout
