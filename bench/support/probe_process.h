#pragma once
// Probes: small programs a benchmark starts in a process of their own, for what only a fresh
// process shows (its peak memory). A probe writes its own peak to standard output; the
// benchmark starts it, waits for it and reads the figure back.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <stdexcept>
#include <string>

extern char** environ;

namespace bench_support {

// The high-water mark of this program's own memory [KiB]. The kernel's peak of the process
// (getrusage, wait4) carries over the peak of the process that started it when that shared its
// memory until the start (posix_spawn does), so it would report the benchmark's size.
inline long PeakKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// Runs `program` with its one `argument` and waits for it; returns the peak [KiB] it wrote,
// passed through the file `report`. Its standard error is dropped: the platform's warnings
// would bury the report. Throws `failure` when it does not end with exit code 0.
inline long RunProbe(std::string program, std::string argument, const std::string& report, const std::string& failure) {
    char* argv[] = {program.data(), argument.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, report.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int started = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) throw std::runtime_error("cannot start " + program);
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(failure);
    long peakKiB = -1;
    std::ifstream(report) >> peakKiB;
    return peakKiB;
}

} // namespace bench_support
