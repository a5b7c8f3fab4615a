// The watch loop when the user switches drawings, and the wait callback.
#include "engine_fixture.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

struct Watch : Engine {
    desk::HWND first = nullptr, second = nullptr;
    int waits = 0;

    // A second drawing window in the product, below the first.
    void OpenSecondDrawing() {
        first = cad->Windows().drawingWindow;
        desk::ThreadScope scope(cad->ThreadId());
        second = desk::CreateWindowEx(0, std::string(cad::app::kFrameClass), "Drawing2.dwg",
                                      desk::WS_CHILD | desk::WS_VISIBLE, 0, 0, 800, 500, acad->MDIClient());
        desk::CreateWindowEx(0, std::string(cad::app::kGraphicsViewClass), "", desk::WS_CHILD, 0, 0, 800, 500, second);
        desk::SetWindowPos(first, desk::HWND_TOP, 0, 0, 0, 0, desk::SWP_NOMOVE | desk::SWP_NOSIZE);
    }
    void SwitchToSecondWhenWaiting() {
        WhenWaiting(
            [this] { desk::SetWindowPos(second, desk::HWND_TOP, 0, 0, 0, 0, desk::SWP_NOMOVE | desk::SWP_NOSIZE); });
    }
    // Counts the waits and gives up after many, so that a loop that never ends shows.
    void CountWaits() {
        SetWaitProc([this](desk::HWND wnd, bool& keepWaiting) {
            DefaultWaitProc(wnd, keepWaiting);
            if (++waits > 5000) keepWaiting = false;
        });
    }
};

} // namespace

TEST_F(Watch, WithTheDrawingLockOffASwitchOfDrawingEndsTheWaitAfterItsPasses) {
    Start();
    OpenSecondDrawing();
    acad->SetMDILock(false);
    SwitchToSecondWhenWaiting();
    CountWaits();
    double x, y, z;
    EXPECT_FALSE(acad->GetPoint("", false, x, y, z));
    EXPECT_LT(waits, 200);
    EXPECT_EQ(acad->ChildWnd(), second);
}

TEST_F(Watch, WithTheDrawingLockOnASwitchIsUndoneAndThePickGoesOn) {
    Start();
    OpenSecondDrawing();
    SwitchToSecondWhenWaiting();
    // The user picks a few passes after the switch.
    SetWaitProc([this](desk::HWND wnd, bool& keepWaiting) {
        DefaultWaitProc(wnd, keepWaiting);
        if (++waits == 10) cad->Pick({3, 4, 0});
    });
    double x, y, z;
    EXPECT_TRUE(acad->GetPoint("", false, x, y, z));
    EXPECT_EQ(x, 3);
    EXPECT_EQ(desk::GetTopWindow(acad->MDIClient()), first);
    EXPECT_EQ(acad->ChildWnd(), first);
}

TEST_F(Watch, AWaitCallbackThatRaisesEndsTheWaitAndIsReplacedByTheDefault) {
    Start();
    SetWaitProc([](desk::HWND, bool&) { throw std::runtime_error("callback"); });
    double x, y, z;
    EXPECT_FALSE(acad->GetPoint("", false, x, y, z));
    EXPECT_FALSE(HasWaitProc());
    EXPECT_TRUE(CallWaitProc(acad->MainWnd()));
    EXPECT_TRUE(HasWaitProc());
    EXPECT_FALSE(CallWaitProc(nullptr));
}

// While the user takes a second to pick, the wait rests between its looks (at most 10 ms each)
// instead of looking as fast as it can, and it sees the pick at the tick the user makes it.
TEST_F(Watch, APickWaitingForTheUserRestsBetweenLooksAndSeesThePickAtOnce) {
    Start();
    CountWaits();
    const desk::DWORD start = desk::GetTickCount();
    desk::testing::At(start + 1000, [this] { cad->Pick({7, 8, 0}); });
    double x = 0, y = 0, z = 0;
    EXPECT_TRUE(acad->GetPoint("", false, x, y, z));
    EXPECT_EQ(x, 7);
    EXPECT_EQ(desk::GetTickCount() - start, 1000u);
    EXPECT_GE(waits, 100);
    EXPECT_LE(waits, 110);
}
