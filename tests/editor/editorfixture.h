#pragma once

#include "common/cellchars.h"
#include "editor/frmcave.h"
#include "editor/piccave.h"
#include "store/defaultcave.h"
#include "store/modzorbel.h"
#include "support/builders.h"
#include "support/mainwindow.h"

#include <QMdiArea>
#include <QPainter>

#include <algorithm>

inline void setButton(frmMain &m, int b, char c)
{
    ImageBox *box = m.picSel[static_cast<size_t>(b)];
    box->Tag = QByteArray(1, c);
    box->setPicture(frmCave::CellPicture(m, c));
}

// The main window with the start-up set closed: the editor tests bind their own chambers.
struct EditorFixture : MainWindowFixture
{
    frmMain *const m = w.get();

    EditorFixture() : MainWindowFixture({1000, 700})
    {
        // the left button earth, the right button empty space
        setButton(*m, 1, ';');
        setButton(*m, 2, '.');
        closeStartupSet();
    }
    // Binds chamber no to a window; the set counts at least no chambers.
    frmCave *open(const CaveRecord &r, int no = 1)
    {
        m->OpenCave(chamberString(r), no);
        m->NumCaves = std::max<uint8_t>(m->NumCaves, static_cast<uint8_t>(no));
        return m->BoundCave(no);
    }
    frmCave *show(const CaveRecord &r, int no = 1)
    {
        frmCave *cave = open(r, no);
        m->ShowCave(no);
        return cave;
    }
};

inline char cell(const frmCave *w, int x, int y)
{
    return w->record().Map[static_cast<size_t>(x)][static_cast<size_t>(y)];
}

// Whether cell (x, y) of the surface shows pic drawn over black, at the surface's pixel density.
inline bool cellShows(frmCave *cave, int x, int y, const Picture &pic)
{
    const QImage &img = cave->picCave->image();
    const int t = qRound(cave->TileSize * img.devicePixelRatio());
    QImage expected(t, t, QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter(&expected).drawImage(0, 0, pic.image(QSize(t, t)));
    return img.copy(x * t, y * t, t, t).convertToFormat(QImage::Format_RGB32) == expected;
}

// The chamber's cells as rows of cell characters, top row first.
inline QStringList rows(const CaveRecord &r)
{
    QStringList out;
    for (int y = 0; y < r.Height; ++y) {
        QString row;
        for (int x = 0; x < r.Width; ++x)
            row += QLatin1Char(r.Map[static_cast<size_t>(x)][static_cast<size_t>(y)]);
        out << row;
    }
    return out;
}
