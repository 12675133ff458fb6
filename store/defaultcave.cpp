#include "store/defaultcave.h"

#include <QByteArray>

#include <algorithm>

CaveRecord DefaultCave(int width, int height)
{
    // Never write outside the grid; three by three is the least that holds
    // the walls, the exit and the hero.
    width = std::clamp(width, 3, CaveRecord::MapColumns);
    height = std::clamp(height, 3, CaveRecord::MapRows);
    CaveRecord r;
    r.TotalTime = 150;
    r.Points = 10;
    r.BonusPoints = 20;
    r.MagicWallTime = 20;
    r.AmoebaTime = 20;
    r.Atmosphere = 3;
    r.GemsNeeded = 0;
    r.MudPermeability = 4;
    r.Width = static_cast<uint8_t>(width);
    r.Height = static_cast<uint8_t>(height);
    // "Nepojmenovaná " W "×" H, in code page 1250 (á is 0xE1, × is 0xD7)
    r.Name =
        QByteArray("Nepojmenovan\xE1 ") + QByteArray::number(width) + '\xD7' + QByteArray::number(height);
    r.Description = "Bez popisu";
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            r.Map[x][y] = ';';
    for (int x = 0; x < width; ++x) {
        r.Map[x][0] = 'W';
        r.Map[x][height - 1] = 'W';
    }
    for (int y = 0; y < height; ++y) {
        r.Map[0][y] = 'W';
        r.Map[width - 1][y] = 'W';
    }
    r.Map[width - 1][height - 2] = 'T';
    r.Map[2][2] = '1';
    return r;
}
