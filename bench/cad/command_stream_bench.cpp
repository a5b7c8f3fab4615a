// 100 000 sends of the drawing program's vocabulary typed at the command line (one PLINE of
// 2001 points among them), then the drawing saved as DXF. Reports sends per second and the
// peak memory of the process.
#include "cad/command/command_line.h"
#include "cad/dxf/dxf_writer.h"
#include "platform/runtime/cp932.h"
#include "platform/runtime/number_text.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kSends = 100000;

std::string P(double x, double y) { return rt::CStr(x) + "," + rt::CStr(y); }

std::vector<std::string> VocabularyMix() {
    std::vector<std::string> s;
    s.reserve(kSends);
    std::string planned = "PLINE ";
    for (int j = 0; j <= 2000; ++j) planned += P(j * 0.5, 10 + 0.001 * j * j / 7.0) + " ";
    s.push_back(planned + "\r");
    // Cross-sections at the work origin, moved into their cells.
    for (int k = 1; k <= 40; ++k) {
        const double h = 0.1 * k;
        for (const std::string& line :
             {std::string("-insert"), "KEI1 -100000," + rt::CStr(h * 1000) + " 1 1 0", std::string("zoom"),
              P(-145000, h * 1000 + 9000), P(-55000, h * 1000 - 9000), std::string("explode"),
              "W " + P(-145000, h * 1000 + 9000) + " " + P(-55000, h * 1000 - 9000) + "\r", std::string("stretch"),
              std::string("c"), P(-90000, h * 1000 - 10000), P(-99900, h * 1000 + 10000) + "\r",
              P(-97000, h * 1000 - 60) + " " + P(-96500, h * 1000 - 87.5), std::string("move"),
              "W " + P(-145000, -9000) + " " + P(-55000, 9000 + h * 1000) + "\r",
              "-100000,0 " + P(90000.0 * k, 9333.333)})
            s.push_back(line + "\r");
    }
    s.push_back("_cecolor\rRed\r");
    int i = 0;
    while (static_cast<int>(s.size()) < 60000) {
        const double x = (i % 1000) * 2.5, y = (i / 1000) * 3.25;
        switch (i % 5) {
        case 0: s.push_back("PLINE " + P(x, -45) + " " + P(x, y) + " \r"); break;
        case 1: s.push_back("LINE " + P(x, y) + " " + P(x + 1, y + 1.5) + " \r"); break;
        case 2:
            s.push_back("CIRCLE\r");
            s.push_back(P(x, y) + " 1.25\r");
            break;
        case 3:
            s.push_back("arc\r");
            s.push_back(P(x + 2, y) + "\r");
            s.push_back("c\r");
            s.push_back(P(x, y) + " " + P(x, y + 2) + "\r");
            break;
        default: s.push_back("LINE " + P(x, y) + "," + rt::CStr(i % 7) + " " + P(x + 3, y) + ",4 \r"); break;
        }
        ++i;
    }
    s.push_back("_cecolor\rBylayer\r");
    s.push_back("DTEXT \r");
    s.push_back("\r\r");
    const std::string label = rt::Utf8ToCp932("    12.34 測点");
    for (int t = 0; static_cast<int>(s.size()) < kSends - 1; ++t) {
        s.push_back(P(t * 4.0, -80) + "\r");
        s.push_back("4\r");
        s.push_back(t % 2 ? "90\r" : "0\r");
        s.push_back(label + "\r");
        s.push_back("\r\r");
    }
    s.push_back("\r\r");
    s.resize(kSends);
    return s;
}

void BM_VocabularyStreamAndDxf(benchmark::State& state) {
    const std::vector<std::string> sends = VocabularyMix();
    const auto out = std::filesystem::temp_directory_path() / "vantor_bench_cad.dxf";
    std::size_t entities = 0, rejected = 0;
    for (auto _ : state) {
        cad::Drawing drawing;
        cad::Polyline shape;
        shape.vertices = {{-3000, -60}, {0, 0}, {3000, -60}};
        drawing.SetBlock(cad::Block{"KEI1", {}, {cad::Entity{shape}}});
        cad::command::CommandLine commandLine(drawing);
        for (const std::string& send : sends) commandLine.Type(send);
        cad::dxf::WriteDxf(drawing, out.string());
        entities = drawing.Entities().size();
        rejected = commandLine.RejectionCount();
    }
    std::filesystem::remove(out);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["sends_per_s"] =
        benchmark::Counter(static_cast<double>(kSends), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["entities"] = static_cast<double>(entities);
    state.counters["rejected"] = static_cast<double>(rejected);
}

} // namespace

BENCHMARK(BM_VocabularyStreamAndDxf)->Unit(benchmark::kMillisecond)->UseRealTime();
