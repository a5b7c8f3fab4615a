// A whole session as the program runs it: the CAD started in SDI mode and placed, its start-up
// dialog closed through the dialog event, a point picked, a command cancelled, and the CAD
// saved and ended.
#include "control_fixture.h"

#include "platform/desktop/clock.h"
#include "platform/desktop/files.h"
#include "platform/desktop/window.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

using Workflow = ControlDesktop;

} // namespace

TEST_F(Workflow, ShellPlacePickCancelAndClose) {
    std::vector<std::string> dialogs;
    int loaded = 0, closed = 0;
    const auto c = Load([&](TAcadControl& k) {
        k.SetOnAcadLoaded([&](TAcadControl&) { ++loaded; });
        k.SetOnAcadClose([&](TAcadControl&) { ++closed; });
        k.SetOnAcadDialog(
            [&](TAcadControl&, std::int32_t, const std::string& caption, const std::string&, bool& close) {
                dialogs.push_back(caption);
                close = !caption.empty();
            });
    });
    ASSERT_EQ(c->GetAutoCADName(), "AutoCAD LT2002");
    ASSERT_TRUE(c->SetSDIMode(true));
    ASSERT_TRUE(c->IsSDIMode());

    ASSERT_TRUE(c->Shell());
    EXPECT_EQ(loaded, 1);
    EXPECT_TRUE(c->IsExecut());
    EXPECT_EQ(c->Version(), atACLT2002);
    EXPECT_EQ(c->GetExecutMax(), 1);
    cad::app::Instance* cad = cad::app::RunningInstances().front();
    EXPECT_EQ(cad->Variables().sdimode, 1);
    EXPECT_EQ(c->MDIClient() != 0, true);

    ASSERT_TRUE(c->AcReSize(0, 0, 640, 480));
    std::int32_t l = -1, t = -1, w = -1, h = -1;
    ASSERT_TRUE(c->GetSize(l, t, w, h));
    EXPECT_EQ((std::vector<int>{l, t, w, h}), (std::vector<int>{0, 0, 640, 480}));

    ASSERT_NE(c->DialogHandle(), 0);
    EXPECT_FALSE(c->IsCmdEnabled());
    RunTicks(6);
    EXPECT_EQ(dialogs.front(), Cp932("ｽﾀｰﾄｱｯﾌﾟ"));
    EXPECT_EQ(c->DialogHandle(), 0);
    EXPECT_TRUE(c->IsCmdEnabled());
    EXPECT_TRUE(c->IsCmdWait());

    // Time passes while the user picks: every pass of the wait lets the clock move on 10 ms.
    AddWaitCallback(
        c->Engine().MainWnd(), [](desk::HWND, bool&) { desk::Sleep(10); }, &dialogs);
    desk::testing::At(desk::GetTickCount() + 400, [cad] { cad->Pick({120.5, 80.25, 0}); });
    double x = 0, y = 0, z = 0;
    ASSERT_TRUE(c->GetPoint(false, x, y, z));
    EXPECT_EQ((std::vector<double>{x, y, z}), (std::vector<double>{120.5, 80.25, 0}));
    RemoveOwnerWaitCallbacks(&dialogs);

    const auto typed = RecordTyped(c->Engine().MainWnd());
    cad->TypeFromUser("_LINE 0,0 ");
    EXPECT_FALSE(c->IsCmdWait());
    ASSERT_TRUE(c->Command("\x03\x03"));
    EXPECT_TRUE(c->IsCmdWait()) << "cancelled";
    EXPECT_TRUE(c->WaitCommand());

    const std::string file = GetTempDir() + "road.dwg";
    ASSERT_TRUE(c->Close(file));
    EXPECT_EQ(typed->back(), "\x03\x03_FILEDIA 0\r_SAVEAS\r\r\"" + file + "\"\r_FILEDIA 1\rQSAVE\r_QUIT\r");
    EXPECT_FALSE(c->IsExecut());
    EXPECT_TRUE(std::filesystem::exists(desk::ToNativePath(file)));
    RunTicks(4);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(c->Handle(), 0);
}
