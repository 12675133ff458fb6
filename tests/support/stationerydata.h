#pragma once

// The template set that New opens, as data. tests/store/tst_stationery.cpp
// checks resources/stationery.zb~ against it and rewrites the file with
// ZB_WRITE_STATIONERY=<path>.

#include "common/caverecord.h"
#include "common/text8.h"
#include "store/modzorbel.h"
#include "store/setfile.h"

#include <QStringList>

namespace Stationery {

inline CaveRecord caveFromRows(const QStringList &rows, const QString &name, const QString &description)
{
    CaveRecord r;
    r.Width = static_cast<uint8_t>(rows.first().size());
    r.Height = static_cast<uint8_t>(rows.size());
    for (int y = 0; y < r.Height; ++y)
        for (int x = 0; x < r.Width; ++x)
            r.Map[x][y] = rows.at(y).at(x).toLatin1();
    r.Name = Text8::fromUnicode(name);
    r.Description = Text8::fromUnicode(description);
    return r;
}

inline SetFileData set()
{
    CaveRecord first = caveFromRows(
        {
            "WWWWWWWWWWWWWWWWWWWW",
            "W1;;;;;R;;;;;;;;D;;W",
            "W;;;;;;;;;;;R;;;;;;W",
            "W;;D;;;XXXXXX;;;R;;W",
            "W;;;;;;;;;;;X;;;;;;W",
            "W;R;;;;.D.;;X;;;D;;W",
            "W;;;;RR;;;;;X;;;;;;W",
            "W;;D;;;;;;;;;;;R;;;W",
            "W;;;;;;;;D;;;;;;;;;T",
            "W;;;R;;;;;;;;D;;R;;W",
            "W;;;;;;D;;;;;;;;;;;W",
            "WWWWWWWWWWWWWWWWWWWW",
        },
        QStringLiteral("Hlína a kameny"), QStringLiteral("Seber osm drahokamů a pozor na padající kameny."));
    first.GemsNeeded = 8;
    first.TotalTime = 150;
    first.Points = 10;
    first.BonusPoints = 20;
    first.MagicWallTime = 20;
    first.AmoebaTime = 20;
    first.Atmosphere = 3;
    first.MudPermeability = 4;

    CaveRecord second = caveFromRows(
        {
            "WWWWWWWWWWWWWWWWWWWWWW",
            "W1;;;;;;XDDDDX;;;;;;;W",
            "W;;;;;;;X....X;;RRR;;W",
            "W;;RR;;;XMMMMX;;;;;;;W",
            "W;;;;;;;;;;;;;;;;;;;;W",
            "W;XXXXXX;;;;;;XXXXXX;W",
            "W;X....X;;D;;;X....X;W",
            "W;X.F..X;;;;;;X..U.X;W",
            "W;X....X;;;;;;X....X;W",
            "W;XXXXXX;;R;;;XXXXXX;W",
            "W;;;;;;;;;;;;;;;;;;;;T",
            "W;;A;;;;;;;;;;;;;;;R;W",
            "WWWWWWWWWWWWWWWWWWWWWW",
        },
        QStringLiteral("Světluška a motýl"),
        QStringLiteral("Kouzelná zeď promění kameny v drahokamy. Motýla vypusť opatrně."));
    second.GemsNeeded = 5;
    second.TotalTime = 200;
    second.Points = 15;
    second.BonusPoints = 30;
    second.MagicWallTime = 40;
    second.AmoebaTime = 60;
    second.Atmosphere = 6;
    second.MudPermeability = 4;

    SetFileData s;
    s.Name = Text8::fromUnicode(QStringLiteral("Nová sada"));
    s.Author = Text8::fromUnicode(QStringLiteral("Editor komnat"));
    s.Description = Text8::fromUnicode(QStringLiteral("Šablona nové sady: dvě malé komnaty na začátek.\r\n"
                                                      "Přejmenujte sadu, upravte komnaty a přidejte další."));
    s.Mail = "@";
    s.CollFlag = QByteArray(1, DefaultCollFlag);
    s.Caves = {CaveToString(first).value(), CaveToString(second).value()};
    s.Allowed[1] = true;
    s.Congratulation =
        Text8::fromUnicode(QStringLiteral("Gratulujeme!\r\nZorbel prošel všemi komnatami této sady."));
    return s;
}

} // namespace Stationery
