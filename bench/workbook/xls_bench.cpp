// Saving and binding a full document: seven sheets of 500 rows x 16 columns (texts, singles,
// doubles, integers), boxed and shaded as the program formats them. XlrdRead times
// /usr/bin/python3 with xlrd opening the same file, for comparison (process start included,
// and reported separately by XlrdStartOnly).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/runtime/number_text.h"
#include "platform/workbook/workbook.h"

namespace {

const char* kNames[] = {"切盛ﾗｲﾝ入力ｼｰﾄ", "現況横断ｼｰﾄ", "縦断ｼｰﾄ", "横断ｼｰﾄ", "ＩＰ座標入力", "路肩ｼｰﾄ", "座標値ｼｰﾄ"};

std::string BenchFile() {
    auto dir = std::filesystem::path(VANTOR_BINARY_DIR) / "bench_scratch";
    std::filesystem::create_directories(dir);
    return (dir / "workbook_bench.xls").string();
}

long MinorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

std::shared_ptr<xl::Workbook> FullBook() {
    auto book = xl::CreateObject("Excel.sheet");
    book->Worksheets(1)->SetName(kNames[6]);
    for (int s = 5; s >= 0; --s) book->Sheets()->Add()->SetName(kNames[s]);
    for (int s = 1; s <= 7; ++s) {
        auto ws = book->Worksheets(s);
        ws->Range("B1")->Font()->SetSize(22);
        auto box = ws->Range("A4:P504");
        for (int edge = 7; edge <= 12; ++edge) {
            box->Borders(edge)->SetLineStyle(1);
            box->Borders(edge)->SetWeight(edge <= 10 ? 2 : 1);
        }
        ws->Range("A4:P4")->Interior()->SetColorIndex(40);
        for (int r = 5; r <= 504; ++r)
            for (int c = 1; c <= 16; ++c) {
                auto cell = ws->Cells(r, c);
                switch (c % 4) {
                case 0: cell->SetValue("No." + rt::CStr(r) + "+" + rt::CStr(c)); break;
                case 1: cell->SetValue(static_cast<float>(r * 20.0 + c * 0.01)); break;
                case 2: cell->SetValue(r * 1000.123456789 / c); break;
                default: cell->SetValue(r * 16 + c); break;
                }
            }
    }
    return book;
}

// Times `step` and counts the pages it touches for the first time. With `cold` the memory
// freed by the previous step is handed back to the system first, so that every step touches
// fresh pages as a program's first save or open does (costly on virtual machines).
template <class Step>
void Measure(benchmark::State& state, bool cold, Step step) {
    long faults = 0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            malloc_trim(0);
            state.ResumeTiming();
        }
        long before = MinorFaults();
        step();
        faults += MinorFaults() - before;
    }
    state.counters["page_faults"] = static_cast<double>(faults) / static_cast<double>(state.iterations());
}

void Save(benchmark::State& state, bool cold) {
    auto book = FullBook();
    std::string file = BenchFile();
    Measure(state, cold, [&] { book->SaveAs(file); });
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
    book->Application()->Quit();
}
BENCHMARK_CAPTURE(Save, warm, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Save, cold, true)->Unit(benchmark::kMillisecond);

void Reopen(benchmark::State& state, bool cold) {
    auto book = FullBook();
    std::string file = BenchFile();
    book->SaveAs(file);
    book->Application()->Quit();
    Measure(state, cold, [&] {
        auto bound = xl::GetObject(file);
        benchmark::DoNotOptimize(bound->Worksheets(7)->Cells(504, 16)->Value());
        bound->Application()->Quit();
    });
}
BENCHMARK_CAPTURE(Reopen, warm, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Reopen, cold, true)->Unit(benchmark::kMillisecond);

void RunPython(benchmark::State& state, const std::string& code) {
    std::string command = "/usr/bin/python3 -c \"" + code + "\" " + BenchFile() + " > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("python3 failed");
}

void XlrdRead(benchmark::State& state) {
    FullBook()->SaveAs(BenchFile());
    RunPython(state, "import sys, xlrd; xlrd.open_workbook(sys.argv[1])");
}
BENCHMARK(XlrdRead)->Unit(benchmark::kMillisecond)->Iterations(10);

void XlrdStartOnly(benchmark::State& state) { RunPython(state, "import sys, xlrd"); }
BENCHMARK(XlrdStartOnly)->Unit(benchmark::kMillisecond)->Iterations(10);

void XlrdReadInProcess(benchmark::State& state) {
    FullBook()->SaveAs(BenchFile());
    // xlrd's own time for the file, measured inside python and reported in ms.
    std::string command = "/usr/bin/python3 -c \"import sys, time, xlrd; t = time.perf_counter(); "
                          "[xlrd.open_workbook(sys.argv[1]) for _ in range(10)]; "
                          "print((time.perf_counter() - t) / 10 * 1000)\" " +
                          BenchFile();
    for (auto _ : state) {
        FILE* pipe = popen(command.c_str(), "r");
        double ms = 0;
        if (!pipe || std::fscanf(pipe, "%lf", &ms) != 1) state.SkipWithError("python3 failed");
        if (pipe) pclose(pipe);
        state.counters["xlrd_ms"] = ms;
    }
}
BENCHMARK(XlrdReadInProcess)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
