// One Open in a process of its own from the program's start: the document given as the
// argument opened. Writes the peak resident memory of the process [KiB] to standard output;
// exit code 0 when the document is held afterwards. Started by bench_open, which reports it.
#include "open_documents.h"

#include "../pipeline/large_document.h"
#include "bench/support/probe_process.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <document>\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    pipeline_bench::StartProgram();
    if (!open_bench::Open(argv[1])) return 1;
    std::printf("%ld\n", bench_support::PeakKiB());
    return 0;
}
