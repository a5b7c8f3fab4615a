// Point picks: the ID command typed, the user's pick awaited, the coordinates read back.
#include "engine_fixture.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

struct Point : Engine {
    double x = -1, y = -1, z = -1;
};

} // namespace

TEST_F(Point, GetPointTypesIdAndReadsThePickedPointFromTheHistory) {
    Start();
    WhenWaiting([this] { cad->Pick({10, 20, 0}); });
    ASSERT_TRUE(acad->GetPoint("", false, x, y, z));
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 20);
    EXPECT_EQ(z, 0);
    EXPECT_EQ(Typed(), std::vector<std::string>{"\x03\x03_iD\r"});
    EXPECT_NE(History().find("X = 10.0000     Y = 20.0000     Z = 0.0000"), std::string::npos);
    EXPECT_FALSE(acad->Busy());
    EXPECT_EQ(acad->LockChild(), nullptr);
}

TEST_F(Point, TheCallersSelectionIsTypedAfterTheCommand) {
    Start();
    ASSERT_TRUE(acad->GetPoint("5,-6.5,2\r", false, x, y, z));
    EXPECT_EQ(Typed(), (std::vector<std::string>{"\x03\x03_iD\r", "5,-6.5,2\r"}));
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, -6.5);
    EXPECT_EQ(z, 2);
}

TEST_F(Point, ACancelledPickIsFalse) {
    Start();
    WhenWaiting([this] { cad->TypeFromUser("\x03"); });
    EXPECT_FALSE(acad->GetPoint("", false, x, y, z));
    EXPECT_FALSE(acad->Busy());
}

TEST_F(Point, ASecondSequenceWhileOneRunsIsRefusedWithoutTyping) {
    Start();
    bool second = true;
    std::size_t typedBefore = 0, typedAfter = 0;
    SetWaitProc([&](desk::HWND wnd, bool& keepWaiting) {
        typedBefore = Typed().size();
        double a, b, c;
        second = acad->GetPoint("", false, a, b, c) || acad->SelectDxf("", dvDXFNA, "C:\\x.dxf", false, false) ||
                 acad->UserWait(1, "_LINE", "", nullptr, nullptr) || acad->RunScript("C:\\x.scr", "LINE", false);
        typedAfter = Typed().size();
        SetWaitProc(DefaultWaitProc);
        cad->Pick({1, 2, 0});
        DefaultWaitProc(wnd, keepWaiting);
    });
    EXPECT_TRUE(acad->GetPoint("", false, x, y, z));
    EXPECT_FALSE(second);
    EXPECT_EQ(typedBefore, typedAfter);
}

TEST_F(Point, CorrectReadsThePointAgainWithEightDecimalsAndPutsThePrecisionBack) {
    Start();
    WhenWaiting([this] { cad->Pick({10.123456789, 20.987654321, 0}); });
    ASSERT_TRUE(acad->GetPoint("", true, x, y, z));
    EXPECT_EQ(x, 10.12345679);
    EXPECT_EQ(y, 20.98765432);
    EXPECT_EQ(z, 0);
    EXPECT_EQ(Typed(), (std::vector<std::string>{"\x03\x03_iD\r", "\x03\x03_LUPREC ", "8\r", "\x03\x03_LASTPOINT ",
                                                 "\x03_LUPREC 4\r\x03"}));
    EXPECT_EQ(cad->Variables().luprec, 4);
}

TEST_F(Point, CorrectPutsThePrecisionBackAlsoWhenTheReReadFails) {
    Start();
    WhenWaiting([this] { cad->Pick({10, 20, 0}); });
    // The wait is stopped while the last point is asked for.
    SetWaitProc([this](desk::HWND wnd, bool& keepWaiting) {
        DefaultWaitProc(wnd, keepWaiting);
        if (acad->ReadCmdLine().find("LASTPOINT") != std::string::npos) keepWaiting = false;
    });
    EXPECT_FALSE(acad->GetPoint("", true, x, y, z));
    EXPECT_EQ(Typed().back(), "\x03_LUPREC 4\r\x03");
    EXPECT_EQ(cad->Variables().luprec, 4);
}

TEST_F(Point, AQuitMessageTakenWhileWaitingIsPostedAgainWhenTheWaitEnds) {
    Start();
    // The host is closed while the user has not picked yet; the next wait takes its quit.
    int waits = 0;
    SetWaitProc([&](desk::HWND wnd, bool& keepWaiting) {
        DefaultWaitProc(wnd, keepWaiting);
        if (++waits == 1) desk::PostQuitMessage(0);
        if (waits == 3) cad->Pick({1, 2, 0});
    });
    EXPECT_TRUE(acad->GetPoint("", false, x, y, z));
    EXPECT_FALSE(QuitMessageMet());
    desk::MSG msg;
    EXPECT_TRUE(desk::PeekMessage(&msg, nullptr, desk::WM_QUIT, desk::WM_QUIT, desk::PM_REMOVE));
}
