#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

// One chamber as the editor holds it. Texts are code page 1250 bytes.
struct CaveRecord
{
    static constexpr int MapColumns = 102;
    static constexpr int MapRows = 62;
    using Column = std::array<char, MapRows>;

    int16_t TotalTime = 0;
    uint8_t Points = 0;
    uint8_t BonusPoints = 0;
    uint8_t MagicWallTime = 0;
    uint8_t AmoebaTime = 0;
    uint8_t Atmosphere = 0;
    int16_t GemsNeeded = 0;
    QByteArray Description;
    QByteArray Name;
    uint8_t Height = 0;
    uint8_t Width = 0;
    // Map[X][Y]: the cell character at column X, row Y; new cells hold code 0.
    std::array<Column, MapColumns> Map{};
    uint8_t MudPermeability = 0;
    QByteArray Trailer;

    bool operator==(const CaveRecord &) const = default;

    bool inChamber(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
};
