#include "editor/spinrange.h"

namespace SpinRange {

Direction ForRow(double p)
{
    if (p < 11)
        return {0, 1};
    if (p > 11)
        return {-46, -1};
    return {RestTop, 0};
}

} // namespace SpinRange
