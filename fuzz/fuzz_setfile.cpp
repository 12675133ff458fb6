#include "common/text8.h"
#include "store/allowedtext.h"
#include "store/cavespins.h"
#include "store/kodovani.h"
#include "store/modzorbel.h"
#include "store/setfile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Arbitrary bytes as a set file, through the readers that Open and Join use,
// then every chamber it holds through a chamber window's loading and back into
// a chamber string, and the same bytes as typed into the allowed-chambers box.
// Whatever is written must read back unchanged; a failed check aborts, so
// libFuzzer keeps the input.

namespace {

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "round trip failed: %s\n", what);
        std::abort();
    }
}

// A trailer that ends like an end mark loses it when read back: the chamber
// string has no way to tell the two apart, and writing never adds the mark.
QByteArray trailerReadBack(QByteArray trailer)
{
    const qsizetype n = trailer.size();
    if (n > 4 && trailer.mid(n - 5, 3) == "---")
        trailer.chop(5);
    return trailer;
}

// What Open stores for one chamber line: the window loads the record, its
// boxes show the texts, and the record is written back.
QByteArray openedCave(const QByteArray &line)
{
    const auto read = StringToCave(line);
    check(read.ok(), "the reader took a chamber line StringToCave refuses");
    const CaveRecord loaded = CaveSpins::Loaded(read.value());
    check(CaveSpins::Loaded(loaded) == loaded, "loading a loaded chamber changes it");
    check(Text8::fromUnicode(Text8::toUnicode(loaded.Name)) == loaded.Name, "chamber name box");
    check(Text8::fromBoxText(Text8::toBoxText(loaded.Description)) == loaded.Description,
          "chamber description box");

    const auto written = CaveToString(loaded);
    check(written.ok(), "a loaded chamber cannot be written");
    const auto again = StringToCave(written.value());
    check(again.ok(), "a written chamber string is refused");
    CaveRecord expected = loaded;
    expected.Trailer = trailerReadBack(loaded.Trailer);
    check(again.value() == expected, "a written chamber reads back different");
    return written.value();
}

void checkSetWrite(const SetFileData &set, size_t seed)
{
    CipherRandom random(seed);
    const auto written = WriteSetFile(set, random);
    check(written.ok(), "a read set cannot be written");
    const auto again = ReadSetFile(written.value());
    check(again.ok() && again.value() == set, "a written set reads back different");
}

// The box as the set window keeps it: the normaliser's result, which a second
// pass leaves alone.
QString boxText(const QString &text, int caret)
{
    const AllowedEdit once = NormalizeAllowed(text, caret);
    check(once.caret >= 0 && once.caret <= once.text.size(), "normaliser caret out of the text");
    const AllowedEdit twice = NormalizeAllowed(once.text, once.caret);
    check(twice.text == once.text && twice.caret == once.caret, "normaliser changes its own result");
    return once.text;
}

// Flags shown in the box after Open and read back by Save are the same flags
// (chamber 1 always allowed), and the box shows them the same way again.
void checkAllowedFlags(AllowedFlags flags, int numCaves)
{
    flags[1] = true;
    const QString shown = boxText(AllowedCavesText(flags, numCaves), 0);
    AllowedFlags back{};
    ApplyAllowedCavesText(back, shown, numCaves);
    check(back == flags, "allowed chambers read back different");
    check(boxText(AllowedCavesText(back, numCaves), 0) == shown, "allowed chambers shown differently");
}

// Open, then Save: the set window's boxes hold the texts, every chamber is
// loaded into its window and stored back, the box shows the allowed chambers.
void checkOpenedSet(const SetFileData &set, size_t seed)
{
    checkSetWrite(set, seed);
    for (const QByteArray *line : {&set.Name, &set.Author, &set.Mail})
        check(Text8::fromUnicode(Text8::toUnicode(*line)) == *line, "set line box");
    for (const QByteArray *text : {&set.Description, &set.Congratulation})
        check(Text8::fromBoxText(Text8::toBoxText(*text)) == *text, "set text box");
    SetFileData opened = set;
    for (QByteArray &cave : opened.Caves)
        cave = openedCave(cave);
    checkSetWrite(opened, seed + 1);
    checkAllowedFlags(set.Allowed, int(set.Caves.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const auto set = ReadSetFile(bytes);
    if (set.ok())
        checkOpenedSet(set.value(), size);
    else
        check(!set.error().isEmpty(), "a refused set without a message");

    const int numCaves = size > 0 ? data[0] % 101 : 0;
    const auto joined = ReadJoinedCaves(bytes, numCaves);
    check(!joined.ok() || joined.value().size() <= std::max(0, JoinCaveLimit - numCaves), "join beyond 99");
    check(!set.ok() || joined.ok(), "join refuses a set that opens");

    // Random bytes rarely spell the cipher: the same bytes as plain lines, cut
    // at their first byte and enciphered, reach what lies behind it.
    if (size > 0) {
        QByteArray file;
        CipherRandom random(size);
        for (const QByteArray &plain : bytes.mid(1).split(bytes.at(0)))
            file += EncodeLine(plain, random) + "\r\n";
        if (const auto plainSet = ReadSetFile(file); plainSet.ok())
            checkOpenedSet(plainSet.value(), size);
    }

    // The bytes as one chamber line: the reader takes every chamber string.
    if (StringToCave(bytes).ok())
        openedCave(bytes);

    // The bytes typed into the allowed-chambers box, saved and opened again.
    const int boxCaves = 1 + numCaves % MaxSetCaves;
    const QString typed = boxText(Text8::toUnicode(bytes), size > 1 ? data[1] - 8 : 0);
    AllowedFlags saved{};
    ApplyAllowedCavesText(saved, typed, boxCaves);
    for (int k = boxCaves + 1; k <= MaxSetCaves; ++k)
        check(!saved[k], "allowed chamber beyond the set");
    checkAllowedFlags(saved, boxCaves);

    // And the bytes as the allowed flags of a set of boxCaves chambers.
    AllowedFlags flags{};
    for (int k = 1; k <= boxCaves && size > 2; ++k)
        flags[k] = (data[2 + (k - 1) / 8 % (size - 2)] >> ((k - 1) % 8)) & 1;
    checkAllowedFlags(flags, boxCaves);
    return 0;
}
