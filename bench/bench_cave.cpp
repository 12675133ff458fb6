#include "bench.h"
#include "editor/frmcave.h"
#include "shell/frmmain.h"
#include "store/defaultcave.h"
#include "store/modzorbel.h"

#include <QCoreApplication>
#include <QMdiSubWindow>

namespace {

QByteArray chamber(int w, int h)
{
    CaveRecord r = DefaultCave(w, h);
    const char objects[] = ".RDXWAMKESLFBI#%&$:JGN";
    for (int x = 1; x < w - 1; ++x)
        for (int y = 1; y < h - 1; ++y)
            if ((x * 7 + y * 3) % 5 == 0)
                r.Map[x][y] = objects[(x + y) % (sizeof objects - 1)];
    return CaveToString(r).value();
}

void freeAll(frmMain *m)
{
    for (int i = 1; i <= m->MaxCaveWindow; ++i) {
        m->Caves(i)->hide();
        m->Caves(i)->Tag = QStringLiteral("free");
    }
}

frmCave *shownLargest(frmMain *m)
{
    freeAll(m);
    m->OpenCave(chamber(50, 30), 1);
    m->NumCaves = 1;
    m->ShowCave(1);
    return m->Caves(1);
}

} // namespace

// Binding 100 chambers to windows (as reading a set does) and showing each.
ZB_BENCH(bind_and_show_100)
{
    frmMain *m = frmMain::instance();
    Bench::pause();
    freeAll(m);
    const QByteArray s = chamber(19, 11);
    Bench::resume();
    for (int no = 1; no <= 100; ++no)
        m->OpenCave(s, no);
    m->NumCaves = 100;
    for (int no = 1; no <= 100; ++no)
        m->ShowCave(no);
    Bench::pause();
    freeAll(m);
    QCoreApplication::processEvents();
    Bench::resume();
}

// Binding alone, 100 chambers.
ZB_BENCH(bind_100)
{
    frmMain *m = frmMain::instance();
    Bench::pause();
    freeAll(m);
    const QByteArray s = chamber(19, 11);
    Bench::resume();
    for (int no = 1; no <= 100; ++no)
        m->OpenCave(s, no);
}

ZB_BENCH(refresh_50x30)
{
    frmMain *m = frmMain::instance();
    Bench::pause();
    frmCave *w = shownLargest(m);
    Bench::resume();
    w->RefreshCave();
    QCoreApplication::processEvents(); // the surface reaches the screen
}

// A fill of the whole 50 by 30 chamber, cell writing and painting included.
ZB_BENCH(full_fill_50x30)
{
    frmMain *m = frmMain::instance();
    Bench::pause();
    freeAll(m);
    CaveRecord r = DefaultCave(50, 30);
    for (int x = 0; x < 50; ++x)
        for (int y = 0; y < 30; ++y)
            r.Map[x][y] = '.';
    m->OpenCave(CaveToString(r).value(), 1);
    m->NumCaves = 1;
    m->ShowCave(1);
    frmCave *w = m->Caves(1);
    m->imgTool_Click(4);
    m->picSel[1]->Tag = ";";
    m->picSel[1]->setPicture(m->imgS[1]->picture());
    Bench::resume();
    w->picCave_MouseDown(1, 0, 13, 13);
    QCoreApplication::processEvents(); // the filled cells reach the screen
    Bench::pause();
    m->imgTool_Click(0);
    Bench::resume();
}
