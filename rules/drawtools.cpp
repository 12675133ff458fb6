#include "rules/drawtools.h"

#include <algorithm>
#include <cmath>

namespace DrawTools {

int PixelToCell(double pixel, int tile, int count)
{
    int c = tile > 0 ? static_cast<int>(std::floor(pixel / tile)) : 0;
    if (c < 0)
        c = 0;
    if (c > count - 1)
        c = count - 1;
    return c;
}

int RoundHalfEven(float v)
{
    // nearbyint follows the default rounding mode, which is to nearest, ties to even.
    return static_cast<int>(std::nearbyint(v));
}

std::vector<Cell> LineCells(int x1, int y1, int x2, int y2)
{
    if (!(x1 <= x2)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const int stepY = y1 <= y2 ? 1 : -1;
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    // The slope and the products stay single precision: the run ends depend on it.
    const volatile float s = static_cast<float>(dy) / static_cast<float>(dx + 1);
    std::vector<Cell> cells;
    for (int i = 0; i <= dx; ++i) {
        const volatile float pa = static_cast<float>(i) * s;
        const volatile float pb = static_cast<float>(i + 1) * s;
        const int a = RoundHalfEven(pa);
        const int b = RoundHalfEven(pb);
        for (int y = y1 + a; stepY > 0 ? y <= y1 + b : y >= y1 + b; y += stepY)
            cells.push_back({x1 + i, y});
    }
    return cells;
}

std::vector<Cell> RectCells(int x1, int y1, int x2, int y2)
{
    const int stepX = x1 <= x2 ? 1 : -1;
    const int stepY = y1 <= y2 ? 1 : -1;
    std::vector<Cell> cells;
    for (int x = x1; stepX > 0 ? x <= x2 : x >= x2; x += stepX) {
        cells.push_back({x, y1});
        cells.push_back({x, y2});
    }
    for (int y = y1; stepY > 0 ? y <= y2 : y >= y2; y += stepY) {
        cells.push_back({x1, y});
        cells.push_back({x2, y});
    }
    return cells;
}

std::vector<Cell> FloodFillCells(const std::function<char(int, int)> &at, int width, int height, int x, int y,
                                 char fill)
{
    std::vector<Cell> cells;
    if (x < 0 || y < 0 || x >= width || y >= height)
        return cells;
    const char old = at(x, y);
    if (old == fill)
        return cells;
    // Cells already filled no longer hold the old character.
    std::vector<char> done(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    const auto holdsOld = [&](int cx, int cy) {
        return !done[static_cast<size_t>(cy) * width + cx] && at(cx, cy) == old;
    };
    const auto set = [&](int cx, int cy) {
        done[static_cast<size_t>(cy) * width + cx] = 1;
        cells.push_back({cx, cy});
    };
    struct Frame
    {
        int x, y, next;
    };
    std::vector<Frame> stack;
    set(x, y);
    stack.push_back({x, y, 0});
    while (!stack.empty()) {
        Frame &f = stack.back();
        if (f.next == 4) {
            stack.pop_back();
            continue;
        }
        const int n = f.next++;
        int nx = f.x, ny = f.y;
        bool inside = false;
        switch (n) {
        case 0:
            nx = f.x - 1;
            inside = f.x > 0;
            break;
        case 1:
            ny = f.y - 1;
            inside = f.y > 0;
            break;
        case 2:
            ny = f.y + 1;
            inside = f.y < height - 1;
            break;
        default:
            nx = f.x + 1;
            inside = f.x < width - 1;
            break;
        }
        if (inside && holdsOld(nx, ny)) {
            set(nx, ny);
            stack.push_back({nx, ny, 0}); // f may dangle from here on
        }
    }
    return cells;
}

} // namespace DrawTools
