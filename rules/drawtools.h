#pragma once

#include <functional>
#include <vector>

// Cell arithmetic of the drawing tools, free of widgets so it is tested directly.
namespace DrawTools {

struct Cell
{
    int x = 0;
    int y = 0;
    bool operator==(const Cell &) const = default;
};
using Cells = std::vector<Cell>;

// floor(pixel / tile), then kept within 0 .. count - 1.
int PixelToCell(double pixel, int tile, int count);

// Rounds half to even, as the line's run ends are rounded.
int RoundHalfEven(float v);

// The cells a line sets, in the order it sets them: always left to right,
// one vertical run per column with a single-precision slope.
std::vector<Cell> LineCells(int x1, int y1, int x2, int y2);

// The outline cells a rectangle sets, in order, corners more than once.
std::vector<Cell> RectCells(int x1, int y1, int x2, int y2);

// The cells a flood fill sets, in order: depth first, neighbours left, up,
// down, right. at(x, y) reads the map before the fill; fill is the character
// written. The walk uses its own stack, so a full 50 by 30 chamber is safe.
std::vector<Cell> FloodFillCells(const std::function<char(int, int)> &at, int width, int height, int x, int y,
                                 char fill);

} // namespace DrawTools
