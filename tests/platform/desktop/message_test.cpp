#include "desktop_fixture.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <cstring>
#include <thread>
#include <vector>

using namespace desk;
using How = desk::testing::LoggedMessage::How;

namespace {

// A window whose procedure records the messages it gets (with the text of a WM_COPYDATA).
struct Recorder {
    std::vector<UINT> messages;
    std::vector<std::string> copied;
    HWND hwnd = nullptr;

    explicit Recorder(HWND parent = nullptr) {
        hwnd = CreateWindowEx(0, "Static", "recorder", WS_VISIBLE | (parent ? WS_CHILD : 0), 0, 0, 50, 50, parent,
                              nullptr, [this](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
                                  messages.push_back(msg);
                                  if (msg == WM_COPYDATA) {
                                      const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(l);
                                      copied.emplace_back(static_cast<const char*>(cds->lpData), cds->cbData);
                                      return 1;
                                  }
                                  if (msg == WM_USER) return static_cast<LRESULT>(w * 2);
                                  return DefWindowProc(h, msg, w, l);
                              });
    }
};

void PumpAll() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
}

} // namespace

TEST_F(DesktopTest, SendRunsAtOncePostWaitsForThePump) {
    Recorder r;
    r.messages.clear();
    EXPECT_TRUE(PostMessage(r.hwnd, WM_USER + 1, 0, 0));
    EXPECT_EQ(SendMessage(r.hwnd, WM_USER, 21, 0), 42);
    EXPECT_EQ(r.messages, (std::vector<UINT>{WM_USER}));
    PumpAll();
    EXPECT_EQ(r.messages, (std::vector<UINT>{WM_USER, WM_USER + 1}));
    EXPECT_FALSE(PostMessage(LongToHandle<HWND>(12345), WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(DesktopTest, QueueOrderIsPostedThenQuitThenTimers) {
    Recorder r;
    SetTimer(r.hwnd, 7, 10);
    desk::testing::AdvanceClock(50); // the timer is due, but waits behind the other messages
    PostQuitMessage(3);
    PostMessage(r.hwnd, WM_USER + 1, 0, 0);
    PostMessage(r.hwnd, WM_USER + 2, 0, 0);
    std::vector<UINT> order;
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        order.push_back(msg.message);
        if (msg.message == WM_QUIT) {
            EXPECT_EQ(msg.wParam, 3u);
        }
        if (msg.message == WM_TIMER) break;
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_QUIT, WM_TIMER}));
    // The filter takes a later message first and leaves the others.
    PostMessage(r.hwnd, WM_USER + 1, 0, 0);
    PostMessage(r.hwnd, WM_USER + 2, 0, 0);
    ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_USER + 2, WM_USER + 2, PM_REMOVE));
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_USER + 1u);
    EXPECT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(DesktopTest, CopyDataReachesTheWindowAsACopyAndCannotBePosted) {
    Recorder r;
    desk::testing::LogMessages(r.hwnd);
    char text[] = "LINE 0,0 100,100 \r";
    COPYDATASTRUCT cds{1, sizeof text, text};
    EXPECT_EQ(SendMessage(r.hwnd, WM_COPYDATA, reinterpret_cast<WPARAM>(r.hwnd), reinterpret_cast<LPARAM>(&cds)), 1);
    std::memset(text, 'x', sizeof text - 1); // the sender reuses its buffer afterwards
    ASSERT_EQ(r.copied.size(), 1u);
    EXPECT_EQ(r.copied[0], std::string("LINE 0,0 100,100 \r", sizeof text));
    const auto log = desk::testing::MessageLog(r.hwnd);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].how, How::Sent);
    EXPECT_EQ(log[0].data, r.copied[0]);
    EXPECT_FALSE(PostMessage(r.hwnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds)));
    EXPECT_EQ(GetLastError(), ERROR_MESSAGE_SYNC_ONLY);
}

TEST_F(DesktopTest, SendFromAWorkerWaitsUntilTheWindowsThreadPumps) {
    Recorder r;
    std::atomic<bool> done{false};
    LRESULT result = 0;
    DWORD workerThread = 0;
    std::thread worker([&] {
        workerThread = GetCurrentThreadId();
        result = SendMessage(r.hwnd, WM_USER, 5, 0); // blocks until the main thread takes it
        done = true;
    });
    while (!done) {
        MSG msg;
        if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) std::this_thread::yield();
    }
    worker.join();
    EXPECT_EQ(result, 10);
    EXPECT_NE(workerThread, GetCurrentThreadId());
    EXPECT_EQ(r.messages.back(), WM_USER);

    // Posting from the worker lands in the window thread's queue.
    std::thread poster([&] { PostMessage(r.hwnd, WM_USER + 3, 0, 0); });
    poster.join();
    r.messages.clear();
    PumpAll();
    EXPECT_EQ(r.messages, (std::vector<UINT>{WM_USER + 3}));
}

// A wait for a new message ends at the tick something comes (a timer falling due, a program's
// work on the main thread, a message posted) and only at its timeout when nothing does; what
// already waited in the queue does not end it.
TEST_F(DesktopTest, AWaitForANewMessageEndsWhenOneComesOrAtItsTimeout) {
    Recorder r;
    struct Case {
        const char* what;
        std::function<void()> before;
        bool came;
        DWORD after;
    };
    const Case cases[] = {
        {"nothing", [] {}, false, 30},
        {"a message already waiting", [&] { PostMessage(r.hwnd, WM_USER + 1, 0, 0); }, false, 30},
        {"a timer falling due", [&] { SetTimer(r.hwnd, 7, 20); }, true, 20},
        {"a program's work", [] { desk::testing::At(GetTickCount() + 6, [] {}); }, true, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.before();
        const DWORD start = GetTickCount();
        EXPECT_EQ(WaitForNewMessage(30), c.came);
        EXPECT_EQ(GetTickCount() - start, c.after);
        KillTimer(r.hwnd, 7);
        PumpAll();
    }

    // On the real clock a message posted from another thread ends the wait long before its end.
    desk::testing::UseVirtualClock(false);
    const DWORD start = GetTickCount();
    std::thread poster([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        PostMessage(r.hwnd, WM_USER + 3, 0, 0);
    });
    EXPECT_TRUE(WaitForNewMessage(60000));
    EXPECT_LT(GetTickCount() - start, 30000u);
    poster.join();
}

TEST_F(DesktopTest, RegisteredMessagesAreSharedByName) {
    const UINT id = RegisterWindowMessage("CM_PLOTWDELAYMESSAGE");
    EXPECT_GE(id, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage("cm_plotwdelaymessage"), id);
    EXPECT_NE(RegisterWindowMessage("ANOTHER"), id);
}

TEST_F(DesktopTest, MenusAnswerCountsTextsStatesAndIds) {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenu(file, MF_STRING, 101, "&Open...\tCtrl+O");
    AppendMenu(file, MF_SEPARATOR, 0, "");
    AppendMenu(file, MF_STRING | MF_GRAYED, 102, "&Save");
    AppendMenu(bar, MF_POPUP, static_cast<UINT_PTR>(HandleToLong(file)), "&File");
    HWND frame = Make("frame");
    SetMenu(frame, bar);
    ASSERT_EQ(GetMenu(frame), bar);
    EXPECT_EQ(GetMenuItemCount(bar), 1);
    EXPECT_EQ(GetSubMenu(bar, 0), file);
    EXPECT_EQ(GetMenuItemID(bar, 0), 0xFFFFFFFFu);
    EXPECT_EQ(GetMenuState(bar, 0, MF_BYPOSITION), MF_POPUP | (3u << 8));
    char text[254];
    EXPECT_EQ(GetMenuString(file, 0, text, sizeof text, MF_BYPOSITION), 15);
    EXPECT_STREQ(text, "&Open...\tCtrl+O");
    EXPECT_EQ(GetMenuItemID(file, 1), 0u);
    EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION), MF_SEPARATOR);
    EXPECT_EQ(GetMenuState(bar, 102, MF_BYCOMMAND), MF_GRAYED); // by command, submenus are searched
    EXPECT_EQ(EnableMenuItem(file, 2, MF_BYPOSITION | MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION), 0u);
    EXPECT_EQ(GetMenuItemID(file, 2), 102u);
}

TEST_F(DesktopTest, ClicksGoToTheWindowUnderTheCursorAndActivateIt) {
    HWND frame = Make("frame");
    MoveWindow(frame, 100, 100, 200, 200, true);
    Recorder button(frame);
    MoveWindow(button.hwnd, 10, 10, 50, 20, true);
    HWND other = Make("other");
    MoveWindow(other, 500, 500, 10, 10, true);
    SetForegroundWindow(other);
    SetCursorPos(120, 115);
    mouse_event(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    EXPECT_EQ(GetForegroundWindow(), frame);
    desk::testing::LogMessages(button.hwnd);
    PumpAll();
    const auto log = desk::testing::MessageLog(button.hwnd);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].message, WM_LBUTTONDOWN);
    EXPECT_EQ(log[0].lParam, MAKELPARAM(10, 5)); // client coordinates
    EXPECT_EQ(log[0].how, How::Posted);
    EXPECT_EQ(log[1].message, WM_LBUTTONUP);
    // A disabled window takes no click.
    EnableWindow(frame, false);
    mouse_event(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    PumpAll();
    EXPECT_EQ(desk::testing::MessageLog(button.hwnd).size(), 2u);
}
