// A point pick that waits for the user: the CAD sits at its prompt for five seconds of the
// real clock before the user picks. Counter cpu_percent: the CPU time of the whole process
// over those seconds, in per cent of one core. Once through the engine with the default wait,
// once through a control (its timer running, its wait serving the host's messages), as the
// program's screens pick.
#include "cad/app/install.h"
#include "cad/app/instance.h"
#include "pellixlib/AcadCtrl.h"
#include "pellixlib/AcadUnit.h"
#include "pellixlib/AcadVInf.h"
#include "platform/desktop/desktop.h"
#include "platform/desktop/testing.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>

namespace {

using namespace pellix;

constexpr desk::DWORD kUserTakesMs = 5000;
constexpr TAcadIndex kProduct = 6;

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double WallSeconds() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A fresh desktop on the real clock with the product installed and the library's units loaded.
class Desktop {
public:
    Desktop() : root_(std::filesystem::temp_directory_path() / "vantor_bench_pick_wait") {
        std::filesystem::remove_all(root_);
        desk::testing::Reset(root_);
        desk::testing::UseVirtualClock(false);
        InitAcadVInf();
        InitAcadUnit();
        AddRefFormImage();
        cad::app::InstallProduct(kProduct, "C:\\LT2002");
        ResetAcadInstParams();
    }
    ~Desktop() {
        ReleaseFormImage();
        DoneAcadUnit();
        DoneAcadVInf();
        desk::testing::Reset(root_);
        std::filesystem::remove_all(root_);
    }
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

private:
    std::filesystem::path root_;
};

// Schedules the user's pick kUserTakesMs from now, runs `pick` and reports the CPU it took.
void MeasurePick(benchmark::State& state, desk::HWND mainWnd, const std::function<bool()>& pick) {
    desk::DWORD processId = 0;
    desk::GetWindowThreadProcessId(mainWnd, &processId);
    cad::app::Instance* cad = cad::app::FindInstance(processId);
    if (!cad) {
        state.SkipWithError("the CAD did not start");
        return;
    }
    desk::testing::At(desk::GetTickCount() + kUserTakesMs, [cad] { cad->Pick({10, 20, 0}); });
    const double cpu = ProcessCpuSeconds(), wall = WallSeconds();
    const bool picked = pick();
    state.counters["cpu_percent"] = 100.0 * (ProcessCpuSeconds() - cpu) / (WallSeconds() - wall);
    state.counters["picked"] = picked ? 1 : 0;
}

void BM_PickWaitsThroughTheEngine(benchmark::State& state) {
    for (auto _ : state) {
        Desktop desktop;
        TAcadObject acad;
        if (!acad.Launch(kProduct, "", "", ssNORMAL)) {
            state.SkipWithError("no launch");
            return;
        }
        double x = 0, y = 0, z = 0;
        MeasurePick(state, acad.MainWnd(), [&] { return acad.GetPoint("", false, x, y, z); });
    }
}

void BM_PickWaitsThroughAControl(benchmark::State& state) {
    for (auto _ : state) {
        Desktop desktop;
        TAcadObject launcher;
        if (!launcher.Launch(kProduct, "", "", ssNORMAL)) {
            state.SkipWithError("no launch");
            return;
        }
        TAcadControl::Ptr control = TAcadControl::Create();
        control->Loaded();
        control->AcadLoad(launcher.MainWnd());
        double x = 0, y = 0, z = 0;
        MeasurePick(state, launcher.MainWnd(), [&] { return control->GetPoint(false, x, y, z); });
    }
}

} // namespace

BENCHMARK(BM_PickWaitsThroughTheEngine)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_PickWaitsThroughAControl)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);
