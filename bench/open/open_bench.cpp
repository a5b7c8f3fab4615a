// Open of documents holding cells far out (see open_documents.h) against the plain document:
// BM_Open times Open from a program just started, BM_Save the Save that follows it, and
// BM_OpenPeak reports the peak memory of a process of its own that starts the program and
// opens the document once (open_probe.cpp), next to that of the plain document.
#include "open_documents.h"

#include "../pipeline/large_document.h"
#include "platform/forms/script.h"
#include "vantor/shell/lifecycle/document_lifecycle.h"

#include "bench/support/probe_process.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string kFolder = VANTOR_BINARY_DIR "/bench/open/out";

const std::vector<open_bench::Document>& TheDocuments() {
    static const auto documents = open_bench::Documents(kFolder, true);
    return documents;
}

void BM_Open(benchmark::State& state, const open_bench::Document& document) {
    TheDocuments();
    for (auto _ : state) {
        state.PauseTiming();
        pipeline_bench::RestartProgram();
        state.ResumeTiming();
        if (!open_bench::Open(document.path)) state.SkipWithError("the document was not opened");
    }
    state.counters["messages"] = static_cast<double>(forms::script::Messages().size());
}

void BM_Save(benchmark::State& state, const open_bench::Document& document) {
    TheDocuments();
    const std::string saved = kFolder + "/saved_" + document.name + ".xls";
    for (auto _ : state) {
        state.PauseTiming();
        pipeline_bench::RestartProgram();
        if (!open_bench::Open(document.path)) state.SkipWithError("the document was not opened");
        forms::script::QueueFileName(saved);
        state.ResumeTiming();
        縦断bus::hozon();
    }
    state.counters["MiB"] = static_cast<double>(std::filesystem::file_size(saved)) / (1024 * 1024);
}

// Runs the probe on `path`; returns the peak resident memory [KiB] it reports of itself.
long RunProbe(const std::string& path) {
    return bench_support::RunProbe(VANTOR_OPEN_PROBE, path, kFolder + "/probe_peak.txt",
                                   "the open probe failed on " + path);
}

void BM_OpenPeak(benchmark::State& state, const open_bench::Document& document) {
    TheDocuments();
    long peakKiB = 0;
    for (auto _ : state) peakKiB = RunProbe(document.path);
    state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024;
    state.counters["plain_peak_MiB"] = static_cast<double>(RunProbe(TheDocuments().front().path)) / 1024;
    state.counters["file_MiB"] = static_cast<double>(std::filesystem::file_size(document.path)) / (1024 * 1024);
}

const bool registered = [] {
    // The documents are written by the first benchmark that runs, before its timing starts.
    using Run = void (*)(benchmark::State&, const open_bench::Document&);
    for (auto [name, run] :
         {std::pair<const char*, Run>{"BM_Open", BM_Open}, {"BM_Save", BM_Save}, {"BM_OpenPeak", BM_OpenPeak}})
        for (const open_bench::Document& document : open_bench::Documents(kFolder, false)) {
            auto* bench =
                benchmark::RegisterBenchmark((std::string(name) + "/" + document.name).c_str(),
                                             [run, document](benchmark::State& state) { run(state, document); });
            bench->Unit(benchmark::kMillisecond)->UseRealTime();
            // Each Save and each peak needs an Open before it, untimed: once is enough.
            if (run != BM_Open) bench->Iterations(1);
        }
    return true;
}();

} // namespace
