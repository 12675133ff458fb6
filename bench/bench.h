#pragma once

#include <functional>
#include <string>
#include <vector>

// A tiny registry of timing cases. A case is a function run once per
// repetition; it may call Bench::pause()/resume() around set-up that is
// not to be timed. Each case names the floor case it is compared with: the
// bare work it cannot do without.
//
//   ZB_BENCH(refresh_50x30, draw_tiles_50x30) { ... }    later (warm) runs
//   ZB_BENCH_COLD(open_99_cold, read_check_99) { ... }   first run, one fresh process each
//   ZB_BENCH_PER(pencil_drag_move, "", 100) { ... }      time divided by 100 operations
class frmMain;

namespace Bench {

struct Case
{
    std::string name;
    void (*body)();
    std::string floor;
    bool cold = false;
    int per = 1;
};

std::vector<Case> &registry();
// The editor's main window the cases run in.
frmMain *mainWindow();
void pause();
void resume();

struct Register
{
    Register(const char *name, void (*body)(), const char *floor, bool cold, int per)
    {
        registry().push_back({name, body, floor, cold, per});
    }
};

} // namespace Bench

#define ZB_BENCH_IMPL(name, floor, cold, per)                                                                \
    static void zbBench_##name();                                                                            \
    static const Bench::Register zbBenchRegister_##name(#name, &zbBench_##name, floor, cold, per);           \
    static void zbBench_##name()

#define ZB_BENCH(name, floor) ZB_BENCH_IMPL(name, #floor, false, 1)
#define ZB_BENCH_COLD(name, floor) ZB_BENCH_IMPL(name, #floor, true, 1)
#define ZB_BENCH_PER(name, floor, per) ZB_BENCH_IMPL(name, #floor, false, per)
#define ZB_FLOOR(name) ZB_BENCH_IMPL(name, "", false, 1)
