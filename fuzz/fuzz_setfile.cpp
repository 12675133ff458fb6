#include "store/kodovani.h"
#include "store/setfile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Arbitrary bytes as a set file, through the readers that Open and Join use.
// Whatever the reader accepts must write and read back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const auto set = ReadSetFile(bytes);
    if (set.ok()) {
        CipherRandom random(size);
        const auto written = WriteSetFile(set.value(), random);
        if (!written.ok())
            std::abort();
        const auto again = ReadSetFile(written.value());
        if (!again.ok() || !(again.value() == set.value()))
            std::abort();
    } else if (set.error().isEmpty()) {
        std::abort();
    }

    const int numCaves = size > 0 ? data[0] % 101 : 0;
    const auto joined = ReadJoinedCaves(bytes, numCaves);
    if (joined.ok() && joined.value().size() > std::max(0, JoinCaveLimit - numCaves))
        std::abort();
    if (set.ok() && !joined.ok())
        std::abort();
    return 0;
}
