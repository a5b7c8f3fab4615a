// The whole pipeline once, in a process of its own from its start: the documents that the
// pipeline benchmark wrote into the folder given as the argument opened, every stage run, the
// DXF written there. Writes the peak resident memory of the process [KiB] to standard output;
// exit code 0 when every stage did its work. Started by bench_pipeline, which reports it.
#include "pipeline.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

namespace {

// The high-water mark of this program's own memory. The kernel's peak of the process (getrusage,
// wait4) carries over the peak of the process that started it when that shared its memory
// until the start (posix_spawn does), so it would report the benchmark's size.
long PeakKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder of the pipeline's documents>\n", argv[0]);
        return 2;
    }
    try {
        pipeline_bench::Pipeline pipeline(argv[1], pipeline_bench::DocumentPaths(argv[1]));
        pipeline.Start();
        for (std::size_t index = 0; index < pipeline_bench::Stages().size(); ++index) pipeline.Run(index);
        std::printf("%ld\n", PeakKiB());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
