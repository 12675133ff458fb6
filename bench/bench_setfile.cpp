#include "bench.h"
#include "benchsets.h"
#include "shell/frmmain.h"
#include "store/defaultcave.h"
#include "store/modzorbel.h"
#include "store/setfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Opening: reading and checking the file, binding 99 windows, making the
// rows, and the frame painted.
void openBig()
{
    Bench::pause();
    BenchSets::timedOpen(Bench::mainWindow(), BenchSets::bigSetFile(99));
}

} // namespace

namespace BenchSets {

QByteArray chamber(int w, int h, int seed)
{
    CaveRecord r = DefaultCave(w, h);
    r.Name = "Komnata " + QByteArray::number(seed);
    const char objects[] = ".RDXWAMKESLFBI#%&$:JGN";
    for (int x = 1; x < w - 1; ++x)
        for (int y = 1; y < h - 1; ++y)
            if ((x * 7 + y * 3 + seed) % 5 == 0)
                r.Map[x][y] = objects[(x + y) % (sizeof objects - 1)];
    return CaveToString(r).value();
}

// A set of 50 by 30 chambers, written once per size and process.
QString bigSetFile(int caves)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("velka%1.zb").arg(caves));
    if (QFile::exists(path))
        return path;
    SetFileData set;
    set.Name = "Velka sada";
    set.Author = "Autor";
    set.Description = "Mnoho komnat";
    for (int k = 1; k <= caves; ++k)
        set.Caves.append(chamber(50, 30, k));
    set.Allowed[1] = true;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(WriteSetFile(set).value());
    return path;
}

void closeSet(frmMain *m)
{
    m->Changed = false;
    m->CloseCollection();
    QCoreApplication::processEvents();
}

void timedOpen(frmMain *m, const QString &path, void (*before)(frmMain *))
{
    closeSet(m);
    if (before)
        before(m);
    Bench::resume();
    m->OpenCollection(path);
    QCoreApplication::processEvents();
    Bench::pause();
    closeSet(m);
    m->NewCollection();
    QCoreApplication::processEvents();
    Bench::resume();
}

} // namespace BenchSets

// The floor of opening: the file read, checked, and every chamber string read.
ZB_FLOOR(read_check_99)
{
    Bench::pause();
    const QString path = BenchSets::bigSetFile(99);
    Bench::resume();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const auto set = ReadSetFile(file.readAll());
    for (const QByteArray &s : set.value().Caves)
        if (!StringToCave(s).ok())
            qFatal("chamber string refused");
}

ZB_BENCH_COLD(open_99_cold, read_check_99)
{
    openBig();
}

ZB_BENCH(open_99_warm, read_check_99)
{
    openBig();
}

// Saving the open 99-chamber set over its file.
ZB_BENCH(save_99, read_check_99)
{
    frmMain *m = Bench::mainWindow();
    Bench::pause();
    const QString path = BenchSets::bigSetFile(99);
    if (m->NumCaves != 99) {
        BenchSets::closeSet(m);
        m->OpenCollection(path);
    }
    Bench::resume();
    m->SaveCollection(path);
}
