// How fast numbers become text: every coordinate sent to the CAD passes through CStr.
#include "platform/runtime/number_text.h"

#include <benchmark/benchmark.h>

static void BM_CStrSingle(benchmark::State& state) {
    float v = 12.34f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rt::CStr(v));
        v += 0.37f;
    }
}
BENCHMARK(BM_CStrSingle);

static void BM_CStrDouble(benchmark::State& state) {
    double v = 23.4000015258789;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rt::CStr(v));
        v += 0.37;
    }
}
BENCHMARK(BM_CStrDouble);
