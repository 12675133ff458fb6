#pragma once

#include <functional>
#include <string>
#include <vector>

// A tiny registry of timing cases. A case is a function run once per
// repetition; it may call Bench::pause()/resume() around set-up that is
// not to be timed. zbbench runs every case N times and prints the median.
//
//   ZB_BENCH(refresh_50x30) { ... }
namespace Bench {

struct Case
{
    std::string name;
    std::function<void()> body;
};

std::vector<Case> &registry();
void pause();
void resume();

struct Register
{
    Register(const char *name, void (*body)()) { registry().push_back({name, body}); }
};

} // namespace Bench

#define ZB_BENCH(name)                                                                                        \
    static void zbBench_##name();                                                                             \
    static const Bench::Register zbBenchRegister_##name(#name, &zbBench_##name);                              \
    static void zbBench_##name()
