// The text window hidden off the screen and brought back where it was.
#include "pellix_fixture.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

const std::string kOwnKey = "Software\\Korvel\\PLOTWISE\\AutoCAD LT2002";
const desk::RECT kScreen{0, 0, 1280, 1024};

struct TextWindow : PellixDesktop {
    desk::HWND text = nullptr;

    void SetUp() override {
        PellixDesktop::SetUp();
        text = desk::CreateWindowEx(0, "Static", "Text Window", desk::WS_OVERLAPPEDWINDOW | desk::WS_VISIBLE, 100, 100,
                                    500, 300, nullptr);
    }
    desk::RECT Rect() const {
        desk::RECT r;
        desk::GetWindowRect(text, &r);
        return r;
    }
    std::string SavedRect() const {
        std::string saved;
        RegReadString(desk::HKEY_CURRENT_USER, kOwnKey, "TextRect", saved);
        return saved;
    }
};

std::string Text(const desk::RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

} // namespace

TEST_F(TextWindow, HiddenOffTheScreenAndBroughtBackWhereItWas) {
    EXPECT_TRUE(PlaceTextWindow(6, text, kScreen, true));
    EXPECT_EQ(Text(Rect()), "1290,0,1790,300");
    desk::testing::ReloadRegistry(); // kept across a restart
    EXPECT_EQ(SavedRect(), "100, 100, 600, 400");
    desk::DWORD style = 9;
    EXPECT_TRUE(RegReadInteger(desk::HKEY_CURRENT_USER, kOwnKey, "TextStyle", style));
    EXPECT_EQ(style, 0u);

    // Hiding it again saves nothing: the last on-screen rectangle stays.
    EXPECT_TRUE(PlaceTextWindow(6, text, kScreen, true));
    EXPECT_EQ(SavedRect(), "100, 100, 600, 400");

    EXPECT_TRUE(PlaceTextWindow(6, text, kScreen, false));
    EXPECT_EQ(Text(Rect()), "100,100,600,400");
    EXPECT_FALSE(desk::IsIconic(text));
    EXPECT_FALSE(PlaceTextWindow(0, text, kScreen, true));
    EXPECT_FALSE(PlaceTextWindow(6, nullptr, kScreen, true));
}

TEST_F(TextWindow, SavedRectanglesAreReadSideBySideAndFittedToTheScreen) {
    struct Case {
        std::string saved, placed;
    };
    // The hidden window stands at 1290,0,1790,300; what is not restored is shifted onto the screen.
    const Case cases[] = {
        {"10, 20, 610, 420", "10,20,610,420"},
        {"30, 40", "0,40,1280,300"},              // left and top only
        {"a, b, c, d", "780,0,1280,300"},         // nothing: the current rectangle, moved in
        {"10, 10, 15, 300", "10,10,110,300"},     // too narrow: 100 wide
        {"610, 420, 10, 20", "10,20,610,420"},    // sides swapped back
        {"-1000, 5, 400, 200", "390,5,1280,200"}, // -1000 leaves the left side at 1290: swapped, moved in
        {"900, 800, 1500, 1200", "680,624,1280,1024"},
    };
    for (const Case& c : cases) {
        desk::MoveWindow(text, 100, 100, 500, 300, true);
        ASSERT_TRUE(PlaceTextWindow(6, text, kScreen, true));
        ASSERT_TRUE(RegWriteString(desk::HKEY_CURRENT_USER, kOwnKey, "TextRect", c.saved, false));
        EXPECT_TRUE(PlaceTextWindow(6, text, kScreen, false));
        EXPECT_EQ(Text(Rect()), c.placed) << c.saved;
    }
}
