// The whole pipeline once, in a process of its own from its start: the documents that the
// pipeline benchmark wrote into the folder given as the argument opened, every stage run, the
// DXF written there. Writes the peak resident memory of the process [KiB] to standard output;
// exit code 0 when every stage did its work. Started by bench_pipeline, which reports it.
#include "pipeline.h"
#include "bench/support/probe_process.h"

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder of the pipeline's documents>\n", argv[0]);
        return 2;
    }
    try {
        pipeline_bench::Pipeline pipeline(argv[1], pipeline_bench::DocumentPaths(argv[1]));
        pipeline.Start();
        for (std::size_t index = 0; index < pipeline_bench::Stages().size(); ++index) pipeline.Run(index);
        std::printf("%ld\n", bench_support::PeakKiB());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
