// Commands and the operations that wait for the user: their wait callbacks, their default file
// names, and what a control being ended answers.
#include "control_fixture.h"

#include "../../support/run_python.h"
#include "platform/desktop/clock.h"
#include "platform/desktop/files.h"
#include "platform/runtime/number_text.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <thread>

using namespace pellix;
using namespace pellix::testing;

namespace {

struct Interactive : ControlDesktop {
    Launched l;
    TAcadControl::Ptr c;
    std::shared_ptr<std::vector<std::string>> typed;
    double x = 0, y = 0, z = 0;

    void SetUp() override {
        ControlDesktop::SetUp();
        l = Launch(6);
        c = Load();
        ASSERT_TRUE(c->AcadLoad(l.windows.MainWnd));
        typed = RecordTyped(l.windows.MainWnd);
        UserTakesTime();
    }
    // The control (and its engine's worker) ends on the desktop it was made on.
    void TearDown() override {
        c.reset();
        ControlDesktop::TearDown();
    }
    // Time passes while the user works: every pass of a wait lets the clock move on 10 ms.
    // (A new control chooses the wait procedure again.)
    static void UserTakesTime() {
        SetWaitProc([](desk::HWND wnd, bool& keepWaiting) {
            desk::Sleep(10);
            WaitProcMessages(wnd, keepWaiting);
        });
    }
    cad::app::Instance& Cad() const { return *InstanceOf(l); }
    static void After(desk::DWORD ms, std::function<void()> action) {
        desk::testing::At(desk::GetTickCount() + ms, std::move(action));
    }
    // "<temp>RIR<handle as %08X><extension>"
    std::string DefaultName(const std::string& extension) const {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(desk::HandleToLong(l.windows.MainWnd)));
        return GetTempDir() + "RIR" + hex + extension;
    }
};

} // namespace

TEST_F(Interactive, WithCmdIdleOnATextWithoutCarriageReturnTypesNothingAndIsFalse) {
    c->SetCmdIdle(true);
    // The screens cancel with two Ctrl+C after a pick while CmdIdle is still on: nothing is typed.
    EXPECT_FALSE(c->Command("\x03\x03"));
    EXPECT_FALSE(c->Command("_LINE 0,0 1,1"));
    EXPECT_TRUE(typed->empty());
    EXPECT_TRUE(c->Command("_LINE 0,0 1,1 \r"));
    EXPECT_EQ(*typed, std::vector<std::string>{"_LINE 0,0 1,1 \r"});
    c->SetCmdIdle(false);
    EXPECT_TRUE(c->Command("\x03\x03"));
    EXPECT_EQ(typed->back(), "\x03\x03");
    EXPECT_FALSE(c->Command(""));
    EXPECT_FALSE(c->InCommand());
}

TEST_F(Interactive, AQueuedCommandIsTypedByTheWorkerAndReportedThroughTheControlsEvents) {
    std::mutex m;
    std::vector<std::string> events;
    const auto record = [&](const std::string& what) {
        std::lock_guard lock(m);
        events.push_back(what);
    };
    c->SetOnAsyncSending([&](TAcadControl&, int no, int target) {
        record("sending " + rt::CStr(no) + (target == desk::HandleToLong(l.windows.MainWnd) ? " main" : ""));
    });
    c->SetOnAsyncSended([&](TAcadControl&, int no, int, bool resulted) {
        record("sent " + rt::CStr(no) + (resulted ? "" : " failed"));
    });
    EXPECT_FALSE(c->AsyncCommand("", 1));
    ASSERT_TRUE(c->AsyncCommand("_LINE 0,0 5,5 \r", 3));
    const auto recorded = [&] {
        std::lock_guard lock(m);
        return events.size();
    };
    for (int i = 0; i < 100000 && (c->IsAsyncBuffer() || recorded() < 2); ++i) {
        desk::testing::RunFor(10);
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    std::lock_guard lock(m);
    EXPECT_EQ(events, (std::vector<std::string>{"sending 3 main", "sent 3"}));
    EXPECT_EQ(Cad().drawing().Entities().size(), 1u);
}

TEST_F(Interactive, ANestedCallRefusedByTheEngineLeavesTheRunningCallsWaitCallback) {
    bool nested = true;
    int entriesAfterNested = -1;
    After(100, [&] {
        double a, b, d;
        nested = c->GetPoint(false, a, b, d);
        entriesAfterNested = WaitCallbackCount();
        c->InterCancel();
    });
    After(5000, [&] { Cad().Pick({1, 2, 0}); });
    const desk::DWORD start = desk::GetTickCount();
    EXPECT_FALSE(c->GetPoint(false, x, y, z));
    EXPECT_LT(desk::GetTickCount() - start, 5000u) << "ended by InterCancel, not by the pick";
    EXPECT_FALSE(nested);
    EXPECT_EQ(entriesAfterNested, 1) << "the running call's";
    EXPECT_EQ(WaitCallbackCount(), 0);
}

TEST_F(Interactive, TwoControlsOnOneCadConsultEachOthersWaitCallbacks) {
    const auto other = Load();
    ASSERT_TRUE(other->AcadLoad(l.windows.MainWnd));
    UserTakesTime();
    bool otherStarted = false, otherPicked = true;
    desk::DWORD otherEnded = 0;
    // While the first control's pick waits, the second one picks too; the first one's cancel
    // ends the second one's pick.
    const desk::DWORD start = desk::GetTickCount();
    AddWaitCallback(
        l.windows.MainWnd,
        [&](desk::HWND, bool&) {
            if (otherStarted || desk::GetTickCount() - start < 100) return;
            otherStarted = true;
            After(300, [&] { c->InterCancel(); });
            double a, b, d;
            otherPicked = other->GetPoint(false, a, b, d);
            otherEnded = desk::GetTickCount();
        },
        &otherStarted);
    After(3000, [&] { Cad().Pick({1, 2, 0}); });
    c->GetPoint(false, x, y, z);
    RemoveOwnerWaitCallbacks(&otherStarted);
    EXPECT_TRUE(otherStarted);
    EXPECT_FALSE(otherPicked);
    EXPECT_LT(otherEnded - start, 3000u);
    EXPECT_EQ(WaitCallbackCount(), 0);
}

TEST_F(Interactive, GetPointReturnsTheUsersPickAndInterCancelBeforeItIsForgotten) {
    c->InterCancel(); // no pick runs: the next one starts afresh
    After(200, [&] { Cad().Pick({12.5, -3, 0}); });
    ASSERT_TRUE(c->GetPoint(false, x, y, z));
    EXPECT_EQ((std::vector<double>{x, y, z}), (std::vector<double>{12.5, -3, 0}));
    EXPECT_EQ(typed->front(), "\x03\x03_iD\r");
}

TEST_F(Interactive, UserWaitAsksTheControlsHandlersAndVariablesAreReadAndSet) {
    std::vector<std::string> raised;
    c->SetOnUserWaitFirst([&](TAcadControl&, int id, bool&) { raised.push_back("first " + rt::CStr(id)); });
    c->SetOnUserWaitNext([&](TAcadControl&, int id, const std::string& cmd, bool& result) {
        raised.push_back("next " + rt::CStr(id) + " " + cmd.substr(0, 5));
        result = false; // the handler's answer is the result
    });
    After(200, [&] { Cad().TypeFromUser("0,0\r10,0\r\r"); });
    EXPECT_FALSE(c->UserWait(7, "_LINE"));
    EXPECT_EQ(raised, (std::vector<std::string>{"first 7", "next 7 _LINE"}));
    EXPECT_EQ(Cad().drawing().Entities().size(), 1u);
    EXPECT_EQ(WaitCallbackCount(), 0);

    std::string value = "x", old = "x";
    ASSERT_TRUE(c->GetVarNew("LUPREC", "2", old));
    EXPECT_EQ(old, "4");
    ASSERT_TRUE(c->GetVar("LUPREC", value));
    EXPECT_EQ(value, "2");
    EXPECT_FALSE(c->GetVar("NOSUCHVAR", value));
    EXPECT_EQ(value, "");
}

TEST_F(Interactive, EmptyFilePropertiesGetADefaultNameFromTheMainWindowThatStays) {
    Cad().TypeFromUser("_LINE 0,0 10,10 \r");
    c->SetSelAddCmd("ALL\r\r");
    ASSERT_TRUE(c->SelectDxf(false));
    EXPECT_EQ(c->DxfFile(), DefaultName(".dxf"));
    EXPECT_EQ(test_support::RunPython(
                  "-c \"import ezdxf,sys; print(len(ezdxf.readfile(sys.argv[1]).modelspace().query('LINE')))\" '" +
                  desk::ToNativePath(c->DxfFile()).string() + "'"),
              "1\n");

    ASSERT_TRUE(c->RunScript("_CIRCLE 5,5 2\n", false));
    EXPECT_EQ(c->ScriptFile(), DefaultName(".scr"));
    EXPECT_TRUE(std::filesystem::exists(desk::ToNativePath(c->ScriptFile())));

    // An old file of the made name is deleted; a name already set is used as it is.
    const struct {
        TAttOutType type;
        const char* extension;
    } kinds[] = {{atSDFOUT, ".sdf"}, {atDXXOUT, ".dxx"}, {atCDFOUT, ".cdf"}};
    for (const auto& k : kinds) {
        std::ofstream(desk::ToNativePath(DefaultName(k.extension))) << "stale";
        c->SetAttOutType(k.type);
        c->SetAttOutFile("");
        After(100, [&] { c->InterCancel(); }); // the user selects nothing
        c->SelectAtt(false);
        EXPECT_EQ(c->AttOutFile(), DefaultName(k.extension));
        EXPECT_FALSE(std::filesystem::exists(desk::ToNativePath(DefaultName(k.extension)))) << k.extension;
    }
    const std::string given = GetTempDir() + "given.sdf";
    std::ofstream(desk::ToNativePath(given)) << "kept";
    c->SetAttOutFile(given);
    After(100, [&] { c->InterCancel(); });
    c->SelectAtt(false);
    EXPECT_EQ(c->AttOutFile(), given);
    EXPECT_TRUE(std::filesystem::exists(desk::ToNativePath(given)));

    // Attached to another CAD, the names made stay.
    const Launched second = Launch(6);
    ASSERT_TRUE(c->AcadLoad(second.windows.MainWnd));
    c->SelectDxf(false);
    EXPECT_EQ(c->DxfFile(), DefaultName(".dxf"));
}

TEST_F(Interactive, WaitCommandWaitsForThePromptAndEndsWhenTheCadOrTheControlGoes) {
    Cad().TypeFromUser("_LINE 0,0 ");
    After(300, [&] { Cad().TypeFromUser("\r"); });
    const desk::DWORD start = desk::GetTickCount();
    EXPECT_TRUE(c->WaitCommand());
    EXPECT_GE(desk::GetTickCount() - start, 300u);
    EXPECT_TRUE(c->IsCmdWait());

    Cad().TypeFromUser("_LINE 0,0 ");
    After(300, [&] { Cad().Close(); }); // the user closes the CAD instead
    EXPECT_FALSE(c->WaitCommand());

    const Launched second = Launch(6);
    ASSERT_TRUE(c->AcadLoad(second.windows.MainWnd));
    InstanceOf(second)->TypeFromUser("_LINE 0,0 ");
    TAcadControl* raw = c.get();
    After(300, [&] { c.reset(); }); // the host unloads its screen
    After(5000, [&] { InstanceOf(second)->TypeFromUser("\r"); });
    const desk::DWORD unloadStart = desk::GetTickCount();
    EXPECT_FALSE(raw->WaitCommand());
    EXPECT_LT(desk::GetTickCount() - unloadStart, 5000u);
    EXPECT_EQ(c, nullptr);
}

TEST_F(Interactive, AControlEndedDuringItsPickAnswersEmptyResults) {
    TAcadControl* raw = c.get();
    std::vector<std::string> during;
    After(200, [&] {
        c.reset();
        std::string value = "x";
        std::int32_t a = -1, b = -1, w = -1, h = -1;
        during = {raw->IsExecut() ? "executing" : "",
                  raw->Handle() ? "handle" : "",
                  raw->GraphHandle() ? "graph" : "",
                  raw->Command("LINE\r") ? "typed" : "",
                  raw->GetCmdLine(),
                  raw->GetVar("CLAYER", value) ? "var" : value,
                  raw->GetSize(a, b, w, h) ? "size" : "",
                  raw->GetState() == ssNORMAL ? "" : "state",
                  raw->SelectDxf(false) ? "selected" : ""};
    });
    EXPECT_FALSE(raw->GetPoint(false, x, y, z));
    EXPECT_EQ(during, std::vector<std::string>(9, ""));
}
