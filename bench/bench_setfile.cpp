#include "bench.h"
#include "shell/frmmain.h"
#include "store/defaultcave.h"
#include "store/modzorbel.h"
#include "store/setfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace
{

// A 99-chamber set of 50 by 30 chambers, written once per run of the program.
QString bigSetFile()
{
    static QTemporaryDir dir;
    static QString path;
    if (!path.isEmpty())
        return path;
    SetFileData set;
    set.Name = "Velka sada";
    set.Author = "Autor";
    set.Description = "Devadesat devet komnat";
    for (int k = 1; k <= 99; ++k) {
        CaveRecord r = DefaultCave(50, 30);
        r.Name = "Komnata " + QByteArray::number(k);
        for (int x = 1; x < 49; ++x)
            for (int y = 1; y < 29; ++y)
                if ((x * 7 + y * 3 + k) % 5 == 0)
                    r.Map[x][y] = "RDX.M"[(x + y) % 5];
        set.Caves.append(CaveToString(r).value());
    }
    set.Allowed[1] = true;
    path = dir.filePath(QStringLiteral("velka.zb"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(WriteSetFile(set).value());
    return path;
}

void closeSet(frmMain *m)
{
    m->Changed = false;
    m->CloseCollection();
    QCoreApplication::processEvents();
}

} // namespace

// Opening: reading and checking the file, binding 99 windows, making the rows.
ZB_BENCH(open_99_sets_of_50x30)
{
    frmMain *m = frmMain::instance();
    Bench::pause();
    const QString path = bigSetFile();
    closeSet(m);
    Bench::resume();
    m->OpenCollection(path);
    Bench::pause();
    closeSet(m);
    m->NewCollection();
    Bench::resume();
}

// Saving the open 99-chamber set over its file.
ZB_BENCH(save_99_sets_of_50x30)
{
    frmMain *m = frmMain::instance();
    Bench::pause();
    const QString path = bigSetFile();
    if (m->NumCaves != 99) {
        closeSet(m);
        m->OpenCollection(path);
    }
    Bench::resume();
    m->SaveCollection(path);
}
