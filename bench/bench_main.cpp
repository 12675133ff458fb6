#include "bench.h"
#include "benchsets.h"
#include "shell/frmmain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>

namespace {

QElapsedTimer g_clock;
qint64 g_paused = 0;
qint64 g_pauseStart = 0;
frmMain *g_main = nullptr;

struct Stats
{
    double min = 0, median = 0, max = 0;
    int runs = 0;
};

Stats stats(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    if (ms.empty())
        return {};
    return {ms.front(), ms[ms.size() / 2], ms.back(), static_cast<int>(ms.size())};
}

double timeOnce(const Bench::Case &c)
{
    g_paused = 0;
    g_clock.start();
    c.body();
    return double(g_clock.nsecsElapsed() - g_paused) / 1e6 / c.per;
}

const Bench::Case *find(const std::string &name)
{
    for (const auto &c : Bench::registry())
        if (c.name == name)
            return &c;
    return nullptr;
}

// Resident memory of this process in KiB.
long residentKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// Runs this program again in the given mode and returns its output.
QByteArray runChild(const QStringList &args, double *msToFirstLine = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer t;
    t.start();
    p.start(QCoreApplication::applicationFilePath(), args);
    if (msToFirstLine) {
        while (!p.canReadLine() && p.state() != QProcess::NotRunning)
            p.waitForReadyRead(10000);
        *msToFirstLine = double(t.nsecsElapsed()) / 1e6;
    }
    p.waitForFinished(600000);
    return p.readAllStandardOutput();
}

// Child: the whole start-up of a window, until its first frame is painted.
int startupChild(int argc, char *argv[], bool editor)
{
    QApplication app(argc, argv);
    struct FirstPaint : QObject
    {
        bool done = false;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Paint && !done) {
                done = true;
                QTimer::singleShot(0, qApp, [] {
                    std::printf("painted\n");
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            }
            return false;
        }
    } filter;
    app.installEventFilter(&filter);
    if (editor) {
        frmMain main;
        main.resize(1400, 900);
        main.show();
        return app.exec();
    }
    QMainWindow bare;
    bare.resize(1400, 900);
    bare.show();
    return app.exec();
}

void printRow(const char *name, const Stats &s, const char *unit, const char *floor = "", double ratio = 0)
{
    std::printf("%-22s %5d %10.3f %10.3f %10.3f %-3s", name, s.runs, s.min, s.median, s.max, unit);
    if (*floor)
        std::printf("  %-20s %7.1fx", floor, ratio);
    std::printf("\n");
}

} // namespace

namespace Bench {

std::vector<Case> &registry()
{
    static std::vector<Case> cases;
    return cases;
}

frmMain *mainWindow()
{
    return g_main;
}

void pause()
{
    g_pauseStart = g_clock.nsecsElapsed();
}

void resume()
{
    g_paused += g_clock.nsecsElapsed() - g_pauseStart;
}

} // namespace Bench

// zbbench [-n warm runs] [-c fresh processes] [case ...]
// Warm cases: one untimed first run, then n timed runs in this process.
// Cold cases, start-up and memory: one fresh process per run.
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    if (argc == 3 && !std::strcmp(argv[1], "--startup"))
        return startupChild(argc, argv, !std::strcmp(argv[2], "editor"));

    QApplication app(argc, argv);
    frmMain main;
    g_main = &main;
    main.resize(1400, 900);
    main.show();
    QCoreApplication::processEvents();

    if (argc == 3 && !std::strcmp(argv[1], "--cold")) {
        const Bench::Case *c = find(argv[2]);
        std::printf("%.6f\n", c ? timeOnce(*c) : -1.0);
        return 0;
    }
    if (argc == 2 && !std::strcmp(argv[1], "--memory")) {
        const long alone = residentKiB();
        main.Changed = false;
        main.CloseCollection();
        main.OpenCollection(BenchSets::bigSetFile(100));
        QCoreApplication::processEvents();
        const long open100 = residentKiB();
        // Fifty more windows, bound and never shown, to chamber 0 that no row shows.
        const QByteArray cave = BenchSets::chamber(50, 30);
        for (int i = 0; i < 50; ++i)
            main.OpenCave(cave, 0);
        QCoreApplication::processEvents();
        const long more = residentKiB();
        std::printf("%ld %ld %ld\n", alone, open100, more);
        return 0;
    }

    int runs = 21, processes = 7;
    std::vector<std::string> only;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "-n") && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "-c") && i + 1 < argc)
            processes = std::max(1, std::atoi(argv[++i]));
        else
            only.emplace_back(argv[i]);
    }
    auto wanted = [&](const std::string &name) {
        return only.empty() || std::find(only.begin(), only.end(), name) != only.end();
    };

    std::map<std::string, Stats> done;
    auto measure = [&](const Bench::Case &c) -> const Stats & {
        auto it = done.find(c.name);
        if (it != done.end())
            return it->second;
        std::vector<double> ms;
        if (c.cold) {
            for (int r = 0; r < processes; ++r)
                ms.push_back(runChild(QStringList{QStringLiteral("--cold"), QString::fromStdString(c.name)})
                                 .trimmed()
                                 .toDouble());
        } else {
            timeOnce(c); // the first run makes what later runs reuse
            for (int r = 0; r < runs; ++r)
                ms.push_back(timeOnce(c));
        }
        return done[c.name] = stats(ms);
    };

    std::printf("%-22s %5s %10s %10s %10s %-3s  %-20s %8s\n", "case", "runs", "min", "median", "max", "",
                "floor", "ratio");
    for (const auto &c : Bench::registry()) {
        if (!wanted(c.name))
            continue;
        const Bench::Case *floor = c.floor.empty() ? nullptr : find(c.floor);
        const Stats floorStats = floor ? measure(*floor) : Stats{};
        const Stats s = measure(c);
        printRow(c.name.c_str(), s, "ms", floor ? floor->name.c_str() : "",
                 floor && floorStats.median > 0 ? s.median / floorStats.median : 0);
        std::fflush(stdout);
    }

    if (wanted("startup")) {
        std::vector<double> bare, editor;
        for (int r = 0; r < processes; ++r) {
            double ms = 0;
            runChild(QStringList{QStringLiteral("--startup"), QStringLiteral("bare")}, &ms);
            bare.push_back(ms);
            runChild(QStringList{QStringLiteral("--startup"), QStringLiteral("editor")}, &ms);
            editor.push_back(ms);
        }
        const Stats b = stats(bare), e = stats(editor);
        printRow("startup_bare_window", b, "ms");
        printRow("startup_editor", e, "ms", "startup_bare_window", b.median > 0 ? e.median / b.median : 0);
    }
    if (wanted("memory")) {
        std::vector<double> alone, open100, perWindow;
        for (int r = 0; r < processes; ++r) {
            const QList<QByteArray> kib = runChild({QStringLiteral("--memory")}).trimmed().split(' ');
            if (kib.size() != 3)
                continue;
            alone.push_back(kib[0].toDouble() / 1024);
            open100.push_back(kib[1].toDouble() / 1024);
            perWindow.push_back((kib[2].toDouble() - kib[1].toDouble()) / 50);
        }
        printRow("rss_main_window", stats(alone), "MiB");
        printRow("rss_100_bound_hidden", stats(open100), "MiB");
        printRow("rss_per_more_window", stats(perWindow), "KiB");
    }
    return 0;
}
