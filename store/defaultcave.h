#pragma once

#include "common/caverecord.h"

// The chamber a new set or an added chamber starts with: steel walls round
// earth, the exit in the right wall one row above the bottom, the hero at (2, 2).
// A size beyond the grid (or below 3) is brought within 3..102 by 3..62.
constexpr int DefaultCaveWidth = 19, DefaultCaveHeight = 11;
CaveRecord DefaultCave(int width = DefaultCaveWidth, int height = DefaultCaveHeight);
