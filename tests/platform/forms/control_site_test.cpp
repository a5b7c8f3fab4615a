// The control site: a control of a registered library made on a screen by its ProgID, its
// saved state applied, its face shown where it stands, its events reaching the screen's sink,
// and the control let go with the screen.
#include "platform/forms/control_site.h"
#include "platform/forms/forms.h"
#include "platform/forms/script.h"
#include "tests/pellixlib/com/pellix_com_fixture.h"

#include "platform/runtime/error.h"

#include <QImage>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace {

using namespace pellix_com_test;

// What the next screen loads: the state and sink it gives its control.
std::vector<BYTE> nextState;
IUnknown* nextSink = nullptr;

class 制御画面 : public forms::Form {
public:
    std::unique_ptr<forms::ControlSite> Pellix1;

private:
    void Form_Load() override {
        Move(0, 0, 6000, 4000);
        Pellix1 = std::make_unique<forms::ControlSite>(*this, "Pellixlib.Pellix", pellix::tlb::DIID_IPellixEvents,
                                                       nextSink, nextState, 1500, 900);
    }
};

class ControlSiteTest : public PellixComTest {
protected:
    void SetUp() override {
        PellixComTest::SetUp();
        forms::script::Reset();
        nextState.clear();
        nextSink = nullptr;
    }
    void TearDown() override {
        forms::UnloadAll();
        PellixComTest::TearDown();
    }
    static std::vector<BYTE> State(bool visible) {
        return WriteComponentStream({"TAcadControl",
                                     "",
                                     {{"Left", 100},
                                      {"Top", 60},
                                      {"Width", 28},
                                      {"Height", 28},
                                      {"HelpType", StreamIdent{"htKeyword"}},
                                      {"AcadType", StreamIdent{"atACLT2002"}},
                                      {"Visible", visible}}});
    }
};

TEST_F(ControlSiteTest, TheControlStandsOnTheScreenWithItsFaceAndSavedState) {
    nextState = State(true);
    auto& screen = forms::Get<制御画面>();
    screen.Show();
    forms::ControlSite& site = *screen.Pellix1;
    EXPECT_EQ(site.Left(), 1500);
    EXPECT_EQ(site.Top(), 900);
    EXPECT_EQ(site.Width(), 28 * 15);
    EXPECT_EQ(site.Height(), 28 * 15);
    EXPECT_EQ(Get(site.Object(), Id("AcadType")).lVal, 6);
    EXPECT_EQ(Get(site.Object(), Id("HelpType")).lVal, 0);
    ASSERT_TRUE(site.Visible());
    const QImage face = site.Widget()->grab().toImage();
    ASSERT_EQ(face.width(), 28);
    ASSERT_EQ(face.height(), 28);
    int drawn = 0; // pixels of the face's picture, not of the button-face ground
    for (int y = 0; y < 28; ++y)
        for (int x = 0; x < 28; ++x) drawn += (face.pixel(x, y) & 0xFFFFFF) != 0xC0C0C0;
    EXPECT_GT(drawn, 28 * 28 / 10);
    // The control's Visible shows and hides its window on the screen.
    Put(site.Object(), Id("Visible"), Variant::Bool(false));
    EXPECT_FALSE(site.Visible());
    Put(site.Object(), Id("Visible"), Variant::Bool(true));
    EXPECT_TRUE(site.Visible());
}

TEST_F(ControlSiteTest, ASavedInvisibleControlStaysHidden) {
    nextState = State(false);
    auto& screen = forms::Get<制御画面>();
    EXPECT_FALSE(screen.Pellix1->Visible());
    EXPECT_EQ(Get(screen.Pellix1->Object(), Id("Visible")).boolVal, VARIANT_FALSE);
}

TEST_F(ControlSiteTest, TheSinkIsConnectedBeforeTheStateLoadsAndTheControlGoesWithTheScreen) {
    const auto sink = MakeObject<RecordingSink>();
    nextSink = sink.Get();
    forms::Get<制御画面>();
    desk::testing::RunFor(1000);
    const auto events = sink->Events();
    EXPECT_NE(std::find(events.begin(), events.end(), "OnTimer"), events.end())
        << "the timer started on loading raises OnTimer";
    forms::UnloadAll();
    CoFreeUnusedLibraries();
    EXPECT_FALSE(LibraryLoaded());
    const std::size_t seen = sink->Events().size();
    desk::testing::RunFor(1000);
    EXPECT_EQ(sink->Events().size(), seen) << "no event after the screen went";
}

TEST_F(ControlSiteTest, AControlThatCannotBeMadeLeavesNothingBehind) {
    struct Case {
        std::function<void()> prepare;
        HRESULT number;
        const char* says;
    };
    const auto wrongSink = MakeObject<RecordingSink>(pellix::tlb::IID_IPellix);
    for (const Case& c : {Case{[] { UnregisterServer(kLibrary); }, CO_E_CLASSSTRING, "登録されていません"},
                          Case{[&] { nextSink = wrongSink.Get(); }, E_NOINTERFACE, "イベントを受け付けません"},
                          Case{[] {
                                   nextState = {'T', 'P', 'F', '0'};
                               },
                               E_FAIL, "damaged"}}) {
        ASSERT_EQ(RegisterServer(kLibrary), S_OK);
        nextSink = nullptr;
        nextState.clear();
        c.prepare();
        try {
            forms::Get<制御画面>();
            ADD_FAILURE() << "made: " << c.says;
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Number(), c.number);
            EXPECT_NE(e.Description().find(c.says), std::string::npos) << e.Description();
        }
        forms::UnloadAll();
        CoFreeUnusedLibraries();
        EXPECT_FALSE(LibraryLoaded()) << c.says;
    }
}

} // namespace
