#pragma once

#include "common/caverecord.h"

// The chamber a new set or an added chamber starts with: steel walls round
// earth, the exit in the right wall one row above the bottom, the hero at (2, 2).
CaveRecord DefaultCave(int width = 19, int height = 11);
