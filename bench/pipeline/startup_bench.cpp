// Start-up of the program to its main window: the probe (startup_probe.cpp, the program's own
// start-up ending once the main window shows) started as a process under the offscreen
// platform and waited for. "seeded" starts on a desktop that an earlier start prepared;
// "fresh" on an empty one, as on a new machine, where the CAD is installed and the control
// library registered first. Reports the probe's peak resident memory.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

const std::string kProbe = VANTOR_BINARY_DIR "/bench/pipeline/vantor_startup_probe";
const std::string kRoot = VANTOR_BINARY_DIR "/bench/pipeline/startup_root";

// Runs the probe once; its peak resident memory [KiB] goes to `peakKiB`.
void RunProbe(long& peakKiB) {
    std::vector<std::string> variables = {"QT_QPA_PLATFORM=offscreen", "VANTOR_DESKTOP_ROOT=" + kRoot};
    for (char** e = environ; *e; ++e) {
        const std::string v = *e;
        if (!v.starts_with("QT_QPA_PLATFORM=") && !v.starts_with("VANTOR_DESKTOP_ROOT=")) variables.push_back(v);
    }
    std::vector<char*> envp;
    for (std::string& v : variables) envp.push_back(v.data());
    envp.push_back(nullptr);
    std::string program = kProbe;
    char* argv[] = {program.data(), nullptr};
    // The platform's warnings would bury the report.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int started = posix_spawn(&pid, kProbe.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) throw std::runtime_error("cannot start " + kProbe);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("the probe did not show the main window");
    peakKiB = usage.ru_maxrss;
}

void BM_StartUpToMainWindow(benchmark::State& state) {
    const bool fresh = state.range(0) == 1;
    long peakKiB = 0;
    std::filesystem::remove_all(kRoot);
    if (!fresh) RunProbe(peakKiB); // prepares the desktop once
    for (auto _ : state) {
        if (fresh) {
            state.PauseTiming();
            std::filesystem::remove_all(kRoot);
            state.ResumeTiming();
        }
        RunProbe(peakKiB);
    }
    state.SetLabel(fresh ? "fresh desktop" : "seeded desktop");
    state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024;
}

} // namespace

BENCHMARK(BM_StartUpToMainWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
