#pragma once
// The CAD at the other end of the program's command channel for a benchmark: a drawing and its
// command line served as the drawing screen reaches them, counting the sends. Each iteration
// starts from an empty CAD; the counters report the last one.
#include "cad/command/command_line.h"
#include "cad/drawing/drawing.h"
#include "platform/dde/dde_server.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace bench_support {

class CadBenchChannel {
public:
    CadBenchChannel() = default;
    CadBenchChannel(const CadBenchChannel&) = delete;
    CadBenchChannel& operator=(const CadBenchChannel&) = delete;

    // An empty drawing and command line for the next run.
    void Renew() { cad_ = std::make_unique<Cad>(); }

    // Sends per second, and the sends, entities and refused lines of the last run.
    void Report(benchmark::State& state) const {
        state.counters["sends_per_s"] =
            benchmark::Counter(static_cast<double>(cad_->sends), benchmark::Counter::kIsIterationInvariantRate);
        state.counters["sends"] = static_cast<double>(cad_->sends);
        state.counters["entities"] = static_cast<double>(cad_->drawing.Entities().size());
        state.counters["rejected"] = static_cast<double>(cad_->commandLine.RejectionCount());
    }

private:
    struct Cad {
        cad::Drawing drawing;
        cad::command::CommandLine commandLine{drawing};
        long sends = 0;
    };

    std::unique_ptr<Cad> cad_ = std::make_unique<Cad>();
    dde::ServerRegistration server_{"AutoCAD LT.DDE", "System", [this](const std::string& bytes) {
                                        ++cad_->sends;
                                        cad_->commandLine.Type(bytes);
                                    }};
};

} // namespace bench_support
