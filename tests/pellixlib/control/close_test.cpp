// Close: the CAD's dialogs closed, the drawing saved under the given or a temporary name, the CAD
// ended, and what happens when it cannot be.
#include "control_fixture.h"

#include "../../support/run_python.h"
#include "platform/desktop/clock.h"
#include "platform/desktop/files.h"
#include "platform/desktop/window.h"
#include "platform/runtime/number_text.h"

#include <fstream>

using namespace pellix;
using namespace pellix::testing;

namespace {

struct Closing : ControlDesktop {
    TAcadControl::Ptr c;
    std::shared_ptr<std::vector<std::string>> typed;

    // The control (and its engine's worker) ends on the desktop it was made on.
    void TearDown() override {
        c.reset();
        ControlDesktop::TearDown();
    }

    // A product launched, attached and its typing recorded.
    Launched Attach(int index) {
        if (index != 6) Install(index, "C:\\CAD" + rt::CStr(index));
        Launched l = Launch(static_cast<TAcadIndex>(index));
        c = Load();
        EXPECT_TRUE(c->AcadLoad(l.windows.MainWnd));
        typed = RecordTyped(l.windows.MainWnd);
        return l;
    }
    static std::string Native(const std::string& path) { return desk::ToNativePath(path).string(); }
};

std::string CloseText(const std::string& file, bool formatAsked, const std::string& overwrite = "") {
    return std::string("\x03\x03_FILEDIA 0\r_SAVEAS\r") + (formatAsked ? "\r" : "") + "\"" + file + "\"\r" + overwrite +
           "_FILEDIA 1\rQSAVE\r_QUIT\r";
}

} // namespace

TEST_F(Closing, TheSaveAnswersTheFileFormatOnlyForProductsThatAskIt) {
    const struct {
        int index;
        bool formatAsked;
    } products[] = {{1, false}, {7, false}, {6, true}, {11, true}};
    for (const auto& p : products) {
        const Launched l = Attach(p.index);
        const std::string file = "C:\\saved" + rt::CStr(p.index) + ".dwg";
        EXPECT_TRUE(c->Close(file)) << p.index;
        EXPECT_FALSE(desk::IsWindow(l.windows.MainWnd)) << p.index;
        EXPECT_EQ(*typed, std::vector<std::string>{CloseText(file, p.formatAsked)}) << p.index;
        EXPECT_TRUE(std::filesystem::exists(Native(file))) << "a given file remains: " << p.index;
        EXPECT_FALSE(c->InClose());
        EXPECT_FALSE(c->InCommand());
    }
}

TEST_F(Closing, WithoutANameAnExistingTemporaryDrawingIsOverwrittenAndDeletedOnceTheCadHasGone) {
    const Launched l = Attach(6);
    desk::SYSTEMTIME now;
    desk::GetLocalTime(&now);
    char name[32];
    std::snprintf(name, sizeof name, "~AC%02d%02d%02d.dwg", now.wHour, now.wMinute, now.wSecond);
    const std::string file = GetTempDir() + name;
    std::ofstream(Native(file)) << "old";
    desk::SetFileAttributes(file.c_str(), desk::FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(c->Close(""));
    EXPECT_EQ(*typed, std::vector<std::string>{CloseText(file, true, "Y\r")});
    EXPECT_FALSE(desk::IsWindow(l.windows.MainWnd));
    EXPECT_FALSE(std::filesystem::exists(Native(file)));
}

TEST_F(Closing, ASaveNameEndingInDxfIsWrittenAsDxf) {
    const Launched l = Attach(6);
    ASSERT_TRUE(c->Command("_LINE 0,0 100,50 \r"));
    ASSERT_TRUE(c->Close("C:\\road.dxf"));
    EXPECT_EQ(test_support::RunPython("-c \"import ezdxf,sys; d=ezdxf.readfile(sys.argv[1]); "
                                      "print(len(d.modelspace().query('LINE')))\" '" +
                                      Native("C:\\road.dxf") + "'"),
              "1\n");
    (void)l;
}

TEST_F(Closing, ADialogThatIgnoresCloseMakesCloseFailWithoutTyping) {
    SetInstSDIMode(6, true); // the start-up dialog comes up
    const Launched l = Attach(6);
    const desk::HWND dialog = InstanceOf(l)->Windows().startupDialog;
    ASSERT_TRUE(desk::IsWindow(dialog));
    const desk::WNDPROC dialogProc =
        desk::SetWindowProc(dialog, [](desk::HWND h, desk::UINT m, desk::WPARAM wp, desk::LPARAM lp) {
            return m == desk::WM_CLOSE ? 0 : desk::DefWindowProc(h, m, wp, lp);
        });
    EXPECT_FALSE(c->Close("C:\\a.dwg"));
    EXPECT_TRUE(typed->empty());
    EXPECT_TRUE(desk::IsWindow(l.windows.MainWnd));
    EXPECT_FALSE(c->InClose());
    // Once the dialog listens again it is closed and the CAD ends.
    desk::SetWindowProc(dialog, dialogProc);
    EXPECT_TRUE(c->Close("C:\\a.dwg"));
    EXPECT_FALSE(desk::IsWindow(dialog));
    EXPECT_FALSE(desk::IsWindow(l.windows.MainWnd));
}

TEST_F(Closing, RefusedWhenNothingIsAttachedOrTheNameWouldLeaveItsQuotes) {
    const auto detached = Load();
    EXPECT_FALSE(detached->Close("C:\\a.dwg"));
    const Launched l = Attach(6);
    for (const std::string name : {"C:\\a\".dwg", "C:\\a.dwg\r_ERASE\r"}) {
        EXPECT_FALSE(c->Close(name));
        EXPECT_TRUE(typed->empty());
    }
    EXPECT_TRUE(desk::IsWindow(l.windows.MainWnd));
}
