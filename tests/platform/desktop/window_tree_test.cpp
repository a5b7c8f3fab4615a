#include "desktop_fixture.h"

#include <thread>
#include <vector>

using namespace desk;

namespace {

std::vector<std::string> Captions(const std::function<void(WNDENUMPROC)>& enumerate) {
    std::vector<std::string> out;
    enumerate([&](HWND hwnd, LPARAM) {
        out.push_back(GetStoredCaption(hwnd));
        return true;
    });
    return out;
}

} // namespace

TEST_F(DesktopTest, EnumerationFollowsZOrderAndDepthFirstChildren) {
    HWND first = Make("first");
    HWND second = Make("second"); // a new top-level window goes on top
    HWND topmost = CreateWindowEx(WS_EX_TOPMOST, "Static", "topmost", WS_VISIBLE, 0, 0, 10, 10, nullptr);
    Make("third"); // on top of the ordinary band, below "topmost"
    HWND a = Make("a", first);
    Make("a1", a);
    Make("b", first); // children keep their creation order
    Make("a2", a);
    EXPECT_EQ(Captions([](WNDENUMPROC p) { EnumWindows(p, 0); }),
              (std::vector<std::string>{"topmost", "third", "second", "first"}));
    EXPECT_EQ(Captions([&](WNDENUMPROC p) { EnumChildWindows(first, p, 0); }),
              (std::vector<std::string>{"a", "a1", "a2", "b"}));
    EXPECT_EQ(GetWindow(a, GW_CHILD), FindWindowEx(a, nullptr, nullptr, "a1"));
    EXPECT_EQ(GetWindow(second, GW_HWNDFIRST), topmost);

    BringWindowToTop(first); // stays below the topmost window
    EXPECT_EQ(Captions([](WNDENUMPROC p) { EnumWindows(p, 0); }),
              (std::vector<std::string>{"topmost", "first", "third", "second"}));
    SetWindowPos(topmost, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(second, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetTopWindow(nullptr), topmost);
    EXPECT_EQ(GetWindow(topmost, GW_HWNDLAST), second);

    // A callback that answers false stops the enumeration.
    int seen = 0;
    EXPECT_FALSE(EnumWindows([&](HWND, LPARAM) { return ++seen < 2; }, 0));
    EXPECT_EQ(seen, 2);
}

TEST_F(DesktopTest, OwnedWindowsStayAboveTheirOwnerAndDieWithIt) {
    HWND owner = Make("owner");
    HWND dialog = CreateWindowEx(0, "#32770", "dialog", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, owner);
    HWND other = Make("other");
    BringWindowToTop(owner);
    EXPECT_EQ(GetTopWindow(nullptr), dialog);
    EXPECT_EQ(GetWindow(dialog, GW_HWNDNEXT), owner);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
    EXPECT_EQ(GetParent(dialog), owner); // the owner of a pop-up, as the platform answers
    EXPECT_EQ(GetParent(other), nullptr);
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(IsWindow(other));
}

TEST_F(DesktopTest, HandlesAreNeverReused) {
    HWND first = Make("first");
    const LONG value = HandleToLong(first);
    DestroyWindow(first);
    HWND second = Make("second");
    EXPECT_NE(second, first);
    EXPECT_FALSE(IsWindow(LongToHandle<HWND>(value)));
    EXPECT_EQ(LongToHandle<HWND>(HandleToLong(second)), second);
}

TEST_F(DesktopTest, WindowTextOfAnotherProcessIsTheStoredCaption) {
    // The window answers WM_GETTEXT with something else than its caption, like a command line.
    WNDCLASS wc;
    wc.lpszClassName = "Line";
    wc.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (msg != WM_GETTEXT) return DefWindowProc(hwnd, msg, wParam, lParam);
        const std::string text = "Command: ";
        std::snprintf(reinterpret_cast<char*>(lParam), wParam, "%s", text.c_str());
        return static_cast<LRESULT>(std::min<std::size_t>(text.size(), wParam - 1));
    };
    ASSERT_TRUE(RegisterClass(wc));
    HWND line = CreateWindowEx(0, "Line", "Headlands", WS_VISIBLE, 0, 0, 10, 10, nullptr);
    EXPECT_EQ(Caption(line), "Command: "); // own process: WM_GETTEXT

    // From another process only the stored caption is seen; WM_GETTEXT still gives the text.
    Touch("C:\\OTHER.EXE");
    std::string seen, answered;
    RegisterProgramImage("C:\\OTHER.EXE", [&](const ProcessStart&) {
        seen = Caption(line);
        char buffer[100];
        SendMessage(line, WM_GETTEXT, 5, reinterpret_cast<LPARAM>(buffer)); // 4 bytes and the zero
        answered = buffer;
        ExitProcess(0);
    });
    PROCESS_INFORMATION pi;
    ASSERT_TRUE(CreateProcess(nullptr, "C:\\OTHER.EXE", nullptr, nullptr, false, 0, nullptr, nullptr, nullptr, &pi));
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(seen, "Headlands");
    EXPECT_EQ(answered, "Comm");
}

TEST_F(DesktopTest, ShowStatesMoveTheWindowAndTheForeground) {
    HWND back = Make("back");
    HWND front = Make("front");
    MoveWindow(front, 10, 20, 300, 200, true);
    ShowWindow(front, SW_SHOW);
    EXPECT_EQ(GetForegroundWindow(), front);

    EXPECT_TRUE(ShowWindow(front, SW_MAXIMIZE)); // it was visible
    RECT r;
    GetWindowRect(front, &r);
    EXPECT_TRUE(IsZoomed(front));
    EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXSCREEN));

    ShowWindow(front, SW_MINIMIZE); // minimised windows go off the screen; the next one is active
    GetWindowRect(front, &r);
    EXPECT_TRUE(IsIconic(front));
    EXPECT_FALSE(IsZoomed(front));
    EXPECT_EQ(r.left, kIconicPosition);
    EXPECT_EQ(GetForegroundWindow(), back);

    ShowWindow(front, SW_RESTORE);
    GetWindowRect(front, &r);
    EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right, r.bottom}), (std::vector<LONG>{10, 20, 310, 220}));
    EXPECT_EQ(GetForegroundWindow(), front);

    HWND child = Make("child", front);
    MoveWindow(child, 5, 6, 10, 10, true);
    POINT p{0, 0};
    ClientToScreen(child, &p);
    EXPECT_EQ(p.x, 15);
    EXPECT_EQ(p.y, 26);
    EXPECT_EQ(WindowFromPoint(POINT{16, 27}), child);
    ShowWindow(front, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(child)); // hidden with its parent
}
