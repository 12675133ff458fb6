#include "bench.h"
#include "benchsets.h"
#include "common/cellchars.h"
#include "common/freetag.h"
#include "editor/frmcave.h"
#include "shell/frmmain.h"
#include "store/modzorbel.h"
#include "support/builders.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <vector>

namespace {

void freeAll(frmMain *m)
{
    for (int i = 1; i <= m->MaxCaveWindow; ++i) {
        m->Caves(i)->hide();
        m->Caves(i)->Tag = FreeTag;
    }
    QCoreApplication::processEvents();
}

frmCave *shown(frmMain *m, const QByteArray &cave)
{
    freeAll(m);
    m->OpenCave(cave, 1);
    m->NumCaves = 1;
    m->ShowCave(1);
    QCoreApplication::processEvents();
    return m->Caves(1);
}

// The 100 chambers of 50 by 30 that binding and its floor read.
std::vector<QByteArray> hundredChambers()
{
    std::vector<QByteArray> caves;
    for (int no = 1; no <= 100; ++no)
        caves.push_back(BenchSets::chamber(50, 30, no));
    return caves;
}

// Binding 100 chambers of 50 by 30 to windows, as reading a set does.
void bind100()
{
    frmMain *m = Bench::mainWindow();
    Bench::pause();
    freeAll(m);
    const std::vector<QByteArray> caves = hundredChambers();
    Bench::resume();
    for (int no = 1; no <= 100; ++no)
        m->OpenCave(caves[static_cast<size_t>(no - 1)], no);
    m->NumCaves = 100;
}

void refresh(int w, int h)
{
    frmMain *m = Bench::mainWindow();
    Bench::pause();
    frmCave *win = shown(m, BenchSets::chamber(w, h));
    Bench::resume();
    win->RefreshCave();
    QCoreApplication::processEvents(); // the surface reaches the screen
}

// A fill of the whole chamber, cell writing, the busy caption and painting included.
void fill(int w, int h)
{
    frmMain *m = Bench::mainWindow();
    Bench::pause();
    frmCave *win = shown(m, chamberString(filled(w, h, '.')));
    m->imgTool_Click(4);
    m->picSel[1]->Tag = ";";
    m->picSel[1]->setPicture(m->imgS[1]->picture());
    Bench::resume();
    win->picCave_MouseDown(1, 0, 13, 13);
    QCoreApplication::processEvents(); // the filled cells reach the screen
    Bench::pause();
    m->imgTool_Click(0);
    Bench::resume();
}

// The bare work of painting a chamber: its pre-scaled tiles copied into an
// image of the surface's size with QPainter::drawImage.
void drawTiles(int w, int h)
{
    static std::vector<QImage> tiles;
    static QImage surface;
    Bench::pause();
    if (tiles.empty()) {
        const char objects[] = ".RDXWAMKESLFBI#%&$:JGN";
        for (const char *c = objects; *c; ++c)
            tiles.push_back(frmCave::CellPicture(*Bench::mainWindow(), *c).pixmap(26, 26).toImage());
    }
    if (surface.width() != w * 26 || surface.height() != h * 26)
        surface = QImage(w * 26, h * 26, QImage::Format_RGB32);
    Bench::resume();
    QPainter p(&surface);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            p.drawImage(x * 26, y * 26, tiles[static_cast<size_t>(x * 7 + y) % tiles.size()]);
}

// One drag of 100 moves, each into a new cell and painted.
void drag(int tool)
{
    frmMain *m = Bench::mainWindow();
    Bench::pause();
    frmCave *win = shown(m, chamberString(filled(50, 30, '.')));
    m->imgTool_Click(tool);
    m->picSel[1]->Tag = ";";
    m->picSel[1]->setPicture(m->imgS[1]->picture());
    win->picCave_MouseDown(1, 0, 13, 13);
    QCoreApplication::processEvents();
    Bench::resume();
    for (int i = 1; i <= 100; ++i) {
        win->picCave_MouseMove(1, 0, 13 + 26 * (i % 48), 13 + 26 * (i / 48 * 5 + i % 7));
        QCoreApplication::processEvents();
    }
    Bench::pause();
    win->picCave_MouseUp(1, 0, 13, 13);
    m->imgTool_Click(0);
    QCoreApplication::processEvents();
    Bench::resume();
}

} // namespace

// The floor of binding: the 100 chamber strings read.
ZB_FLOOR(check_100_chambers)
{
    Bench::pause();
    const std::vector<QByteArray> caves = hundredChambers();
    Bench::resume();
    for (const QByteArray &s : caves)
        if (!StringToCave(s).ok())
            qFatal("chamber string refused");
}

ZB_BENCH_COLD(bind_100_cold, check_100_chambers)
{
    bind100();
}

ZB_BENCH(bind_100_warm, check_100_chambers)
{
    bind100();
}

ZB_FLOOR(draw_tiles_50x30)
{
    drawTiles(50, 30);
}

ZB_FLOOR(draw_tiles_102x62)
{
    drawTiles(102, 62);
}

// Showing a bound hidden 50 by 30 window, painted.
ZB_BENCH(show_50x30, draw_tiles_50x30)
{
    frmMain *m = Bench::mainWindow();
    Bench::pause();
    freeAll(m);
    m->OpenCave(BenchSets::chamber(50, 30), 1);
    m->NumCaves = 1;
    Bench::resume();
    m->ShowCave(1);
    QCoreApplication::processEvents();
}

ZB_BENCH(refresh_50x30, draw_tiles_50x30)
{
    refresh(50, 30);
}

ZB_BENCH(refresh_102x62, draw_tiles_102x62)
{
    refresh(102, 62);
}

ZB_BENCH(full_fill_50x30, draw_tiles_50x30)
{
    fill(50, 30);
}

ZB_BENCH(full_fill_102x62, draw_tiles_102x62)
{
    fill(102, 62);
}

ZB_BENCH_PER(pencil_drag_move, , 100)
{
    drag(0);
}

ZB_BENCH_PER(line_drag_move, , 100)
{
    drag(1);
}
