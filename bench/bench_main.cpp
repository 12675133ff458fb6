#include "bench.h"
#include "shell/frmmain.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

QElapsedTimer g_clock;
qint64 g_paused = 0;
qint64 g_pauseStart = 0;

} // namespace

namespace Bench {

std::vector<Case> &registry()
{
    static std::vector<Case> cases;
    return cases;
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

// zbbench [-n runs] [case name ...]
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    frmMain main;
    main.resize(1400, 900);
    main.show();

    int runs = 21;
    std::vector<std::string> only;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "-n") && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else
            only.emplace_back(argv[i]);
    }
    for (const auto &c : Bench::registry()) {
        if (!only.empty() && std::find(only.begin(), only.end(), c.name) == only.end())
            continue;
        std::vector<double> ms;
        for (int r = 0; r < runs; ++r) {
            g_paused = 0;
            g_clock.start();
            c.body();
            ms.push_back(double(g_clock.nsecsElapsed() - g_paused) / 1e6);
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%-28s median %8.3f ms  (min %.3f, max %.3f, %d runs)\n", c.name.c_str(), ms[ms.size() / 2],
                    ms.front(), ms.back(), runs);
    }
    return 0;
}
