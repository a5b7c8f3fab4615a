// Menu items found by name, accelerator or shortcut text, and menu paths resolved from the bar.
#include "pellix_fixture.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

struct MenuPaths : PellixDesktop {
    desk::HWND frame = nullptr;
    desk::HMENU bar = nullptr, file = nullptr, japanese = nullptr;

    void SetUp() override {
        PellixDesktop::SetUp();
        bar = desk::CreateMenu();
        file = desk::CreatePopupMenu();
        desk::AppendMenu(file, desk::MF_STRING, 101, "&Open\tCtrl+O");
        desk::AppendMenu(file, desk::MF_STRING | desk::MF_GRAYED, 102, "&Print");
        desk::AppendMenu(file, desk::MF_SEPARATOR, 0, "");
        desk::AppendMenu(file, desk::MF_STRING, 103, "Pre&view");
        desk::AppendMenu(file, desk::MF_STRING, 104, "(&S)Save");
        desk::AppendMenu(file, desk::MF_STRING, 105, "E&xit");
        japanese = desk::CreatePopupMenu();
        desk::AppendMenu(japanese, desk::MF_STRING, 201, Cp932("線分(&L)"));
        desk::AppendMenu(japanese, desk::MF_STRING, 202, Cp932("(&X)"));
        desk::AppendMenu(bar, desk::MF_POPUP,
                         static_cast<desk::UINT_PTR>(static_cast<desk::DWORD>(desk::HandleToLong(file))), "&File");
        desk::AppendMenu(bar, desk::MF_POPUP,
                         static_cast<desk::UINT_PTR>(static_cast<desk::DWORD>(desk::HandleToLong(japanese))),
                         Cp932("作成(&D)"));
        frame = desk::CreateWindowEx(0, "Static", "frame", desk::WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, bar);
    }

    int Resolved(const std::string& path) {
        const TMenuItemRef ref = ResolveMenuPath(frame, path);
        return ref.Pos < 0 ? 0 : static_cast<int>(desk::GetMenuItemID(ref.SubMenu, ref.Pos));
    }
};

} // namespace

TEST_F(MenuPaths, ItemsMatchByNameOrByAcceleratorAndShortcut) {
    struct Case {
        const char* name;
        bool accelerator;
        int pos;
    };
    const Case cases[] = {
        {"o", true, 0},  {"CTRL+O", true, 0}, {"Open", false, -1}, {"Open\tCtrl+O", false, -1},
        {"p", true, -1}, {"v", true, 3},      {"Pre", false, 3},   {"Save", false, 4},
        {"s", true, 4},  {"E", false, 5},     {"x", true, 5},      {"", true, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindMenuItemPos(file, c.name, c.accelerator), c.pos) << c.name << " " << c.accelerator;
    EXPECT_EQ(FindMenuItemPos(bar, "ile", false), 0); // "&File": the accelerator goes with the "&"
    EXPECT_EQ(FindMenuItemPos(bar, "File", false), -1);
    EXPECT_EQ(FindMenuItemPos(bar, Cp932("作成"), false), 1);
    EXPECT_EQ(FindMenuItemPos(japanese, "l", true), 0);
    EXPECT_EQ(FindMenuItemPos(japanese, Cp932("線分"), false), 0);
    EXPECT_EQ(FindMenuItemPos(japanese, "X", true), 1);
    EXPECT_EQ(FindMenuItemPos(nullptr, "X", true), -1);
}

TEST_F(MenuPaths, PathsWalkFromTheBarDown) {
    const std::pair<std::string, int> paths[] = {
        {"&F|&O", 101}, {"&f|&ctrl+o", 101}, {"ile|&V", 103}, {"&F||&X", 105}, {Cp932("作成|線分"), 201},
        {"&D|&L", 201}, {"&F|&P", 0},        {"&F|", 0},      {"&Q|&O", 0},    {"&F|&O|&X", 0},
        {"", 0},
    };
    for (const auto& [path, id] : paths) EXPECT_EQ(Resolved(path), id) << path;
    const TMenuItemRef ref = ResolveMenuPath(frame, "&F|&O");
    EXPECT_EQ(ref.Wnd, frame);
    EXPECT_EQ(ref.MenuBar, bar);
    EXPECT_EQ(ref.SubMenu, file);
    // A top menu resolves to its place on the bar, which holds no command.
    EXPECT_EQ(ResolveMenuPath(frame, "&F").Pos, 0);
    EXPECT_FALSE(ExecuteMenuCommand(ResolveMenuPath(frame, "&F")));
}

TEST_F(MenuPaths, ChoosingAnItemSendsTheMenuLoopAndPostsItsCommand) {
    desk::testing::LogMessages(frame);
    EXPECT_TRUE(ClickMenuPath(frame, "&F|&V"));
    PumpMessages();
    std::vector<desk::UINT> seen;
    desk::WPARAM command = 0, select = 0;
    for (const auto& m : desk::testing::MessageLog(frame)) {
        seen.push_back(m.message);
        if (m.message == desk::WM_COMMAND) command = m.wParam;
        if (m.message == desk::WM_MENUSELECT) select = m.wParam;
    }
    using namespace desk;
    const std::vector<UINT> expected{WM_ENTERMENULOOP, WM_INITMENU,       WM_ENTERIDLE,  WM_ENTERIDLE,
                                     WM_ENTERIDLE,     WM_CAPTURECHANGED, WM_MENUSELECT, WM_EXITMENULOOP,
                                     WM_NCACTIVATE,    WM_SETCURSOR,      WM_COMMAND,    WM_MOUSEMOVE};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(command, 103u);
    EXPECT_EQ(select, desk::MAKEWPARAM(103, 0xFFFF));
    EXPECT_FALSE(ClickMenuPath(nullptr, "&F|&V"));
}
