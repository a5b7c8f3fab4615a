// Alignment of the largest polygon the tables hold (start, 49 IPs, end) and the plan
// positions of 500 stations along it.
#include "vantor/geometry/alignment/ip_alignment.h"
#include "vantor/geometry/alignment/keisansokutenzahyou.h"
#include "vantor/model/bus/alignment_tables.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace 縦断bus;

// A winding road: legs of 120 m turning alternately by 40 and -25 degrees, radius 60 m.
void WindingPolygon() {
    ipsuu = 49;
    double x = 0, y = 0, heading = 0;
    for (int p = 0; p <= ipsuu + 1; ++p) {
        ipx(p) = static_cast<float>(x);
        ipy(p) = static_cast<float>(y);
        iphankei(p) = p >= 1 && p <= ipsuu ? 60000.0f : 0.0f;
        x += 120000 * std::cos(heading);
        y += 120000 * std::sin(heading);
        heading += (p % 2 ? -25.0 : 40.0) * 3.141592653589793 / 180;
    }
}

void BM_Alignment(benchmark::State& state) {
    WindingPolygon();
    if (ComputeIpAlignment().status != IpAlignmentResult::Status::Computed) state.SkipWithError("refused");
    for (auto _ : state) benchmark::DoNotOptimize(ComputeIpAlignment().status);
}
BENCHMARK(BM_Alignment);

void BM_PlanPositionsOf500Stations(benchmark::State& state) {
    WindingPolygon();
    ComputeIpAlignment();
    hojokyori = 1.0f;
    heimensokutensuu = 500;
    const double step = iptsuikakyori(ipsuu + 1) / 500;
    for (int k = 1; k <= 500; ++k) sokutenkyori(k) = static_cast<float>(k * step);
    for (auto _ : state) {
        for (sokutenbangou = 1; sokutenbangou <= 500; ++sokutenbangou) keisansokutenzahyou();
        benchmark::DoNotOptimize(sokutenx(250));
    }
}
BENCHMARK(BM_PlanPositionsOf500Stations);

} // namespace
