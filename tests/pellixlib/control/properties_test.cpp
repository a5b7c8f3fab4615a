// The control's properties, construction and face, before any CAD runs.
#include "control_fixture.h"

#include "pellixlib/AcadVInf_Path.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

using ControlProperties = ControlDesktop;

int TimerStarts(desk::HWND window) {
    int n = 0;
    for (const auto& m : desk::testing::MessageLog(window)) n += m.message == desk::WM_TIMER;
    return n;
}

} // namespace

TEST_F(ControlProperties, ConstructionGivesTheDocumentedDefaults) {
    const auto c = TAcadControl::Create();
    EXPECT_EQ(c->Interval(), 500);
    EXPECT_TRUE(c->Enabled());
    EXPECT_TRUE(c->InterMode());
    EXPECT_TRUE(c->AcadLocked());
    EXPECT_TRUE(c->LoadAcadType());
    EXPECT_TRUE(c->MDILock());
    EXPECT_FALSE(c->AutoEnter());
    EXPECT_FALSE(c->CmdIdle());
    EXPECT_EQ(c->CmdSearch(), csALLCHECK);
    EXPECT_EQ(c->ShellState(), ssNORMAL);
    EXPECT_EQ(c->AttOutType(), atCDFOUT);
    EXPECT_EQ(c->DxfVersion(), dvDXFNA);
    EXPECT_EQ(c->ProIndex(), 0);
    EXPECT_EQ(c->AcadType(), atACLT2002);
    EXPECT_TRUE(desk::IsWindow(c->UtilWindow()));
    EXPECT_FALSE(c->TimerOn()) << "no timer before the saved state is loaded";
    EXPECT_EQ(c->Version(), atNOACAD);
}

TEST_F(ControlProperties, AcadTypeIsTheNewestInstalledLtThenTheNewestFullProduct) {
    struct Case {
        std::vector<std::pair<int, const char*>> installs;
        int expected;
    };
    const Case cases[] = {
        {{{3, "C:\\LT98"}, {5, "C:\\LT2000i"}, {11, "C:\\ACAD2002"}}, atACLT2000i},
        {{{8, "C:\\R14"}, {7, "C:\\R13"}}, atACAD14},
        {{}, atACLT95},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.expected);
        desk::testing::Reset(root);
        std::filesystem::remove_all(root);
        desk::testing::Reset(root);
        DoneAcadVInf();
        InitAcadVInf();
        for (const auto& [index, folder] : k.installs) Install(index, folder);
        EXPECT_EQ(TAcadControl::Create()->AcadType(), k.expected);
    }
}

TEST_F(ControlProperties, EveryNewControlPutsTheSharedAndHostFoldersFirstInPath) {
    const std::string shared = GetSharedFolder();
    desk::SetEnvironmentVariable("PATH", ("C:\\TOOLS;" + shared).c_str());
    const auto first = TAcadControl::Create();
    const std::string path = GetEnvVar("PATH");
    EXPECT_EQ(path.rfind(shared + ";", 0), 0u) << path;
    EXPECT_NE(path.find(";C:\\TOOLS"), std::string::npos) << path;
    EXPECT_EQ(path.find(shared, 1), std::string::npos) << "the old entry is dropped: " << path;
    desk::SetEnvironmentVariable("PATH", "C:\\OTHER");
    const auto second = TAcadControl::Create();
    EXPECT_EQ(GetEnvVar("PATH").rfind(shared + ";", 0), 0u);
}

TEST_F(ControlProperties, IntervalZeroStopsTheTimerNegativeIsStoredAsZero) {
    const auto c = Load();
    EXPECT_TRUE(c->TimerOn());
    c->SetInterval(0);
    EXPECT_FALSE(c->TimerOn());
    c->SetInterval(-40);
    EXPECT_EQ(c->Interval(), 0);
    EXPECT_FALSE(c->TimerOn());
    c->SetInterval(200);
    EXPECT_TRUE(c->TimerOn());
    c->SetEnabled(false);
    EXPECT_FALSE(c->TimerOn());
    c->SetEnabled(true);
    EXPECT_TRUE(c->TimerOn());
}

TEST_F(ControlProperties, TheTickPeriodIsHalfTheInterval) {
    for (const int interval : {500, 200, 1000}) {
        SCOPED_TRACE(interval);
        const auto c = Load([&](TAcadControl& k) { k.SetInterval(interval); });
        int timers = 0;
        c->SetOnTimer([&](TAcadControl&) { ++timers; });
        desk::testing::LogMessages(c->UtilWindow());
        desk::testing::RunFor(static_cast<desk::DWORD>(interval) * 4);
        EXPECT_EQ(TimerStarts(c->UtilWindow()), 8);
        EXPECT_EQ(timers, 4) << "OnTimer on every second tick";
    }
}

TEST_F(ControlProperties, DesignModeRunsNoTimer) {
    const auto c = TAcadControl::Create(true);
    c->Loaded();
    c->SetEnabled(true);
    EXPECT_FALSE(c->TimerOn());
}

TEST_F(ControlProperties, ATimerThatCannotBeMadeRaisesOutOfResources) {
    const auto c = Load();
    desk::DestroyWindow(c->UtilWindow());
    try {
        c->SetEnabled(true);
        FAIL() << "no error";
    } catch (const EOutOfResources& e) {
        EXPECT_STREQ(e.what(), "Do not Create Timer.");
    }
    EXPECT_FALSE(c->TimerOn());
}

TEST_F(ControlProperties, TheControlIsAlways28By28AndShowsItsFace) {
    const auto c = TAcadControl::Create();
    c->SetBounds(30, 40, 200, 5);
    EXPECT_EQ(c->Left(), 30);
    EXPECT_EQ(c->Top(), 40);
    EXPECT_EQ(c->Width(), 28);
    EXPECT_EQ(c->Height(), 28);
    TCanvas canvas;
    c->Paint(canvas);
    ASSERT_EQ(canvas.Width, 28);
    ASSERT_EQ(canvas.Height, 28);
    const TFaceBitmap* face = FormImage();
    ASSERT_NE(face, nullptr);
    for (const auto& [x, y] : {std::pair{0, 0}, {14, 14}, {27, 27}, {6, 9}})
        EXPECT_EQ(canvas.At(x, y), face->ColorAt(x, y));
    EXPECT_NE(canvas.At(14, 14), canvas.At(1, 1)) << "the picture is not a plain fill";
}

TEST_F(ControlProperties, ReservedAndUnknownAcadTypesAreNoProduct) {
    const auto c = TAcadControl::Create();
    for (const int type : {7, 8, 9, 15, -1}) {
        c->SetAcadType(type);
        EXPECT_EQ(c->AcadType(), type) << "stored unchecked";
        EXPECT_EQ(AcadTypeToIndex(c->AcadType()), 0);
    }
    EXPECT_EQ(AcadTypeToIndex(atACAD13), 7);
    EXPECT_EQ(AcadTypeToIndex(atACLT2002), 6);
    EXPECT_EQ(IndexToAcadType(11), atACAD2002);
    EXPECT_EQ(IndexToAcadType(12), atNOACAD);
    EXPECT_EQ(ToDxfVersion(5), dvDXFNA);
}

TEST_F(ControlProperties, WaitCallbacksAskEveryEntryOfTheWindowAndAFalsePassIsRepeated) {
    const auto w1 = reinterpret_cast<desk::HWND>(1), w2 = reinterpret_cast<desk::HWND>(2);
    std::vector<std::string> calls;
    AddWaitCallback(w1, [&](desk::HWND, bool& keep) { calls.push_back(keep ? "a:t" : "a:f"); });
    AddWaitCallback(w2, [&](desk::HWND, bool& keep) {
        keep = false;
        calls.push_back("other");
    });
    AddWaitCallback(w1, [&](desk::HWND, bool& keep) {
        calls.push_back(keep ? "b:t" : "b:f");
        keep = false;
    });
    EXPECT_FALSE(CheckWaitCallbacks(w1));
    EXPECT_EQ(calls, (std::vector<std::string>{"a:t", "b:t", "a:f", "b:f"}));
    RemoveWaitCallbacks(w1);
    EXPECT_TRUE(CheckWaitCallbacks(w1));
    EXPECT_EQ(WaitCallbackCount(), 1);
    ReleaseFormImage();
    EXPECT_EQ(WaitCallbackCount(), 0) << "the last release frees the list";
    AddRefFormImage();
}

TEST_F(ControlProperties, ABusyFlagIsClearedOnEveryExitOnlyByTheScopeThatSetIt) {
    const auto c = TAcadControl::Create();
    try {
        TAcadControl::BusyScope outer(c->InCommand());
        { TAcadControl::BusyScope nested(c->InCommand()); }
        EXPECT_TRUE(c->InCommand()) << "a nested call leaves it set";
        throw std::runtime_error("fails inside");
    } catch (const std::runtime_error&) {}
    EXPECT_FALSE(c->InCommand());
}

TEST_F(ControlProperties, TheEnginesRaisersAnswerAsTheHandlerLeftTheValueAndSwallowItsExceptions) {
    const auto c = TAcadControl::Create();
    EXPECT_TRUE(c->DoUserWaitFirst(1)) << "no handler: go on";
    c->SetOnUserWaitFirst([](TAcadControl&, int id, bool& next) { next = id != 2; });
    EXPECT_TRUE(c->DoUserWaitFirst(1));
    EXPECT_FALSE(c->DoUserWaitFirst(2));
    c->SetOnUserWaitNext([](TAcadControl&, int, const std::string& cmd, bool& result) {
        if (cmd == "before") throw std::runtime_error("raised before changing");
        result = false;
        throw std::runtime_error("raised after changing");
    });
    EXPECT_TRUE(c->DoUserWaitNext(1, "before"));
    EXPECT_FALSE(c->DoUserWaitNext(1, "after"));
    std::vector<std::string> sent;
    c->SetOnAsyncSending([&](TAcadControl&, int no, int target) {
        sent.push_back("sending " + std::to_string(no) + " " + std::to_string(target));
    });
    c->SetOnAsyncSended([&](TAcadControl&, int no, int, bool ok) {
        sent.push_back("sent " + std::to_string(no) + (ok ? " ok" : " failed"));
        throw std::runtime_error("swallowed");
    });
    c->DoAsyncSending(nullptr, 7, desk::LongToHandle<desk::HWND>(42), true);
    c->DoAsyncSended(nullptr, 7, desk::LongToHandle<desk::HWND>(42), false);
    EXPECT_EQ(sent, (std::vector<std::string>{"sending 7 42", "sent 7 failed"}));
}
