#pragma once
// A fresh desktop with the control unit loaded (the face bitmap referenced, as the library's
// start does), AutoCAD LT 2002 installed, and a log of what the control raised, each with the
// tick of its timer (ticks counted from the last timer start).
#include "../pellix_fixture.h"
#include "pellixlib/AcadCtrl.h"
#include "pellixlib/AcadUnit.h"

#include <memory>
#include <string>
#include <vector>

namespace pellix::testing {

struct ControlDesktop : PellixDesktop {
    std::vector<std::string> reports; // the exception report
    std::vector<std::string> events;  // "<tick> <event> <arguments>"
    desk::DWORD started = 0;
    desk::DWORD period = 250;

    void SetUp() override {
        PellixDesktop::SetUp();
        InitAcadUnit();
        AddRefFormImage();
        SetExceptionReport([this](const std::string& message) { reports.push_back(message); });
        Install(6, "C:\\LT2002");
    }
    void TearDown() override {
        SetExceptionReport(nullptr);
        ReleaseFormImage();
        DoneAcadUnit();
        PellixDesktop::TearDown();
    }

    // A control made and loaded as a host loads it, its timer start remembered.
    TAcadControl::Ptr Load(const std::function<void(TAcadControl&)>& prepare = {}) {
        TAcadControl::Ptr control = TAcadControl::Create();
        if (prepare) prepare(*control);
        Restarted(*control);
        control->Loaded();
        return control;
    }
    void Restarted(const TAcadControl& control) {
        started = desk::GetTickCount();
        period = static_cast<desk::DWORD>(control.Interval() / 2);
    }
    int Tick() const { return static_cast<int>((desk::GetTickCount() - started + period / 2) / period); }
    void Log(const std::string& what) { events.push_back(std::to_string(Tick()) + " " + what); }

    // Runs the host's message loop for `n` timer periods.
    // Runs the host's message loop for `n` more timer periods, up to the middle of a period.
    void RunTicks(int n) {
        const desk::DWORD done = (desk::GetTickCount() - started) / period;
        const desk::DWORD until = started + (done + static_cast<desk::DWORD>(n)) * period + period / 2;
        desk::testing::RunFor(until - desk::GetTickCount());
    }

    // Every text typed at the frame as WM_COPYDATA from now on, kept after the frame is gone.
    static std::shared_ptr<std::vector<std::string>> RecordTyped(desk::HWND frame) {
        auto typed = std::make_shared<std::vector<std::string>>();
        auto previous = std::make_shared<desk::WNDPROC>();
        *previous = desk::SetWindowProc(frame, [typed, previous](desk::HWND h, desk::UINT m, desk::WPARAM wp,
                                                                 desk::LPARAM lp) {
            if (m == desk::WM_COPYDATA && lp != 0)
                typed->push_back(static_cast<const char*>(reinterpret_cast<const desk::COPYDATASTRUCT*>(lp)->lpData));
            return (*previous)(h, m, wp, lp);
        });
        return typed;
    }

    void RecordCommandLine(TAcadControl& c) {
        c.SetOnAcadCmdChange([this](TAcadControl&, const std::string& p, bool wait) {
            Log("change '" + p + "' " + (wait ? "wait" : "busy"));
        });
        c.SetOnAcadCmdWait([this](TAcadControl&) { Log("wait"); });
    }
};

} // namespace pellix::testing
