// The program's side of the CAD control: a screen places "Pellixlib.Pellix" and calls what the
// program calls, by dispatch id with variants, and handles the events the program handles,
// with AutoCAD LT 2002 (the stand-in) started, sized, picked in and closed through it.
#include "cad/app/instance.h"
#include "tests/pellixlib/com/pellix_com_fixture.h"
#include "vantor/pellix/hosted_pellix.h"
#include "vantor/pellix/place_pellix.h"
#include "vantor/pellix/register_pellix.h"

#include "platform/desktop/window.h"
#include "platform/forms/control_site.h"
#include "platform/forms/forms.h"
#include "platform/forms/script.h"
#include "platform/runtime/error.h"

#include <algorithm>
#include <array>

namespace {

using namespace pellix_com_test;
using 縦断bus::Pellix;

class 配置画面 : public forms::Form {
public:
    std::unique_ptr<Pellix> Pellix1;

private:
    void Form_Load() override { Pellix1 = 縦断bus::PlacePellix(*this, "Pellix1", 8940, 5100); }
};

class HostedPellixTest : public PellixComTest {
protected:
    void SetUp() override {
        PellixComTest::SetUp();
        forms::script::Reset();
        // As on the program's first start: the library registers itself from its folder.
        ASSERT_EQ(UnregisterServer(kLibrary), S_OK);
        const std::filesystem::path folder = std::filesystem::path(kLibrary).parent_path();
        EXPECT_FALSE(縦断bus::RegisterPellixLibrary(root_)) << "no library there";
        ASSERT_TRUE(縦断bus::RegisterPellixLibrary(folder));
        EXPECT_TRUE(縦断bus::RegisterPellixLibrary(folder)) << "registered already";
    }
    void TearDown() override {
        forms::UnloadAll();
        PellixComTest::TearDown();
    }
    Pellix& Placed() {
        Pellix& p = *forms::Get<配置画面>().Pellix1;
        EXPECT_NE(dynamic_cast<縦断bus::HostedPellix*>(&p), nullptr);
        EXPECT_TRUE(forms::script::Messages().empty());
        return p;
    }
    void Record(Pellix& p) {
        p.OnAcadLoaded = [this] { events.push_back("loaded"); };
        p.OnAcadClose = [this] { events.push_back("close"); };
        p.OnAcadCmdWait = [this] { events.push_back("wait"); };
        p.OnAcadDialog = [this](std::int32_t, const std::string& caption, const std::string&, bool& close) {
            events.push_back("dialog " + caption);
            close = caption == "ｽﾀｰﾄｱｯﾌﾟ";
        };
        p.OnActiveChange = [this](std::int32_t, std::int32_t active, bool& reLoad) {
            events.push_back("active");
            reLoad = active != 0;
        };
    }
    bool Saw(const std::string& event) const { return std::find(events.begin(), events.end(), event) != events.end(); }
    std::vector<std::string> events;
};

TEST_F(HostedPellixTest, TheSavedDesignStateAndThePropertiesCrossAsTheProgramSetsThem) {
    Pellix& p = Placed();
    EXPECT_EQ(p.AcadType(), 6);
    EXPECT_TRUE(p.Visible());
    EXPECT_TRUE(p.Enabled());
    EXPECT_TRUE(p.AcadLocked());
    EXPECT_FALSE(p.CmdIdle());
    EXPECT_EQ(p.Interval(), 500);
    // Arming a pick, as the picking screens do.
    p.SetEnabled(true);
    p.SetVisible(true);
    p.SetCmdIdle(true);
    p.SetInterval(200);
    p.SetAcadLocked(false);
    EXPECT_TRUE(p.CmdIdle());
    EXPECT_EQ(p.Interval(), 200);
    EXPECT_FALSE(p.AcadLocked());
    p.SetAcadType(300);
    EXPECT_EQ(p.AcadType(), 44);
    EXPECT_FALSE(p.IsInstall());
    p.SetVisible(false);
    EXPECT_FALSE(p.Visible());
}

TEST_F(HostedPellixTest, AFailingCallRaisesTheControlsNumberAndDescription) {
    Pellix& p = Placed();
    desk::DestroyWindow(desk::FindWindow("TPUtilWindow", nullptr));
    try {
        p.SetEnabled(true);
        FAIL() << "no error";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number(), E_UNEXPECTED);
        EXPECT_EQ(e.Description(), "Do not Create Timer.");
    }
    EXPECT_EQ(p.AcadType(), 6) << "the control stays usable";
}

TEST_F(HostedPellixTest, AControlWhoseStartFailsInASinkIsRefusedAsTheProgramsPlacementExpects) {
    ASSERT_TRUE(Placed().Shell()); // a CAD for the next control to follow: its start raises OnActiveChange
    const auto sink = MakeObject<FailingSink>(pellix::tlb::OnActiveChange, "handler failed");
    try {
        forms::ControlSite site(forms::Get<配置画面>(), pellix::tlb::kProgId, pellix::tlb::DIID_IPellixEvents,
                                sink.Get(), {}, 0, 0);
        FAIL() << "placed";
    } catch (const rt::Error& e) {
        EXPECT_NE(e.Description().find("handler failed"), std::string::npos) << e.Description();
    }
    forms::Get<配置画面>().Pellix1->Close("");
}

TEST_F(HostedPellixTest, WithoutTheLibraryTheScreenGetsAControlAttachedToNothingAndTheUserIsTold) {
    ASSERT_EQ(UnregisterServer(kLibrary), S_OK);
    Pellix& p = *forms::Get<配置画面>().Pellix1;
    EXPECT_EQ(dynamic_cast<縦断bus::HostedPellix*>(&p), nullptr);
    ASSERT_EQ(forms::script::Messages().size(), 1u);
    EXPECT_NE(forms::script::Messages()[0].prompt.find("Pellix1"), std::string::npos);
    EXPECT_NE(forms::script::Messages()[0].prompt.find("登録されていません"), std::string::npos);
    EXPECT_FALSE(p.Shell());
}

} // namespace

namespace {

TEST_F(HostedPellixTest, TheProgramStartsPlacesPicksInAndClosesTheCadThroughTheControl) {
    Pellix& p = Placed();
    Record(p);
    // The AutoCAD selection: the product's name to its kind, which must be installed.
    EXPECT_EQ(p.GetExecutMax(), 0);
    EXPECT_FALSE(p.IsExecut());
    const std::string name = p.GetAutoCADName();
    EXPECT_EQ(name, "AutoCAD LT2002");
    p.SetAcadType(p.GetACADNameType(name));
    EXPECT_EQ(p.AcadType(), 6);
    ASSERT_TRUE(p.IsInstall());
    // Started in SDI mode, the user's mode put back afterwards.
    const bool sdi = p.IsSDIMode();
    EXPECT_TRUE(p.SetSDIMode(true));
    ASSERT_TRUE(p.Shell());
    p.SetSDIMode(sdi);
    EXPECT_EQ(p.IsSDIMode(), sdi);
    EXPECT_TRUE(Saw("loaded"));
    EXPECT_TRUE(p.IsExecut());
    EXPECT_EQ(p.GetExecutMax(), 1);
    EXPECT_TRUE(p.AcReSize(0, 0, 640, 480));
    cad::app::Instance* cad = cad::app::RunningInstances().front();
    // The start-up dialog is closed through the dialog event's by-reference answer.
    desk::testing::RunFor(2000);
    EXPECT_TRUE(Saw("dialog ｽﾀｰﾄｱｯﾌﾟ"));
    EXPECT_FALSE(desk::IsWindow(cad->Windows().startupDialog));
    EXPECT_TRUE(p.IsCmdWait());

    // Armed as the picking screens arm it, the control reports the CAD idle at its prompt; the
    // points are picked by reference, until the user cancels.
    p.SetEnabled(true);
    p.SetVisible(true);
    p.SetCmdIdle(true);
    p.SetInterval(200);
    p.SetAcadLocked(false);
    desk::testing::RunFor(2000);
    ASSERT_TRUE(Saw("wait"));
    p.SetEnabled(false);
    // The user answers once the control waits for the pick.
    const auto whenWaiting = [](std::function<void()> answer) {
        desk::testing::OnIdle([answer, n = std::make_shared<int>(0)] {
            if (++*n == 20) answer();
        });
    };
    whenWaiting([cad] { cad->Pick({120.5, 80.25, 0}); });
    double x = 0, y = 0, z = 0;
    ASSERT_TRUE(p.GetPoint(false, x, y, z));
    EXPECT_EQ((std::array<double, 3>{x, y, z}), (std::array<double, 3>{120.5, 80.25, 0}));
    whenWaiting([cad] { cad->TypeFromUser("\x03"); });
    EXPECT_FALSE(p.GetPoint(false, x, y, z));
    desk::testing::OnIdle(nullptr);
    EXPECT_EQ(x, 120.5) << "a cancelled pick leaves the caller's variables be";
    p.SetCmdIdle(false);
    p.SetAcadLocked(true);
    EXPECT_TRUE(p.Command("\x03\x03"));
    EXPECT_TRUE(p.IsCmdWait());

    // Closing the CAD; the monitor reports it gone.
    p.SetEnabled(true);
    ASSERT_TRUE(p.Close(""));
    EXPECT_FALSE(p.IsExecut());
    desk::testing::RunFor(2000);
    EXPECT_TRUE(Saw("close"));
    // Each event came once it was raised, on this thread, through the screen's sink.
    EXPECT_EQ(events.front(), "loaded");
    EXPECT_TRUE(Saw("active"));
    EXPECT_EQ(events.back(), "close");
}

} // namespace
