#pragma once

#include <cstdint>

// The drawing tools, as the tool bar numbers them.
enum ToolNumber : uint8_t {
    ToolPencil = 0,
    ToolLine = 1,
    ToolClone = 2,
    ToolRectangle = 3,
    ToolFill = 4,
};

constexpr int ToolCount = 5;
