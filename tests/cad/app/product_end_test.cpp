// A product that would go with unsaved changes asks first, in its screen's dialog or at the
// command line, and only the user answers: the program's end, the close box and NEW.
#include "desktop_fixture.h"

#include "cad/dxf/dxf_reader.h"
#include "platform/dde/dde_link.h"
#include "platform/runtime/error.h"

#include <deque>

using namespace cad;
using namespace cad::app;
using namespace cad::app::testing;

namespace {

// The product's screen with scripted answers to its dialogs; what it was asked, in order.
struct Answers {
    std::deque<command::SaveChoice> choices;
    std::deque<std::string> files;
    std::vector<std::string> asked;
};

class ScriptedView final : public ProductView {
public:
    explicit ScriptedView(Answers& answers) : answers_(answers) {}
    void SetCaption(const std::string&) override {}
    void Follow(const FramePlace&) override {}
    void BringToFront() override {}
    void ClickAt(double, double, bool) override {}
    command::SaveChoice AskSaveChanges(const std::string& drawingName) override {
        answers_.asked.push_back("save " + drawingName);
        const command::SaveChoice c = answers_.choices.front();
        answers_.choices.pop_front();
        return c;
    }
    std::string ChooseDrawingFile(const std::string& drawingName) override {
        answers_.asked.push_back("file " + drawingName);
        const std::string f = answers_.files.front();
        answers_.files.pop_front();
        return f;
    }

private:
    Answers& answers_;
};

struct ProductEnd : DesktopFixture {
    Answers answers;
    void WithScreen() {
        SetViewFactory([this](Instance&) { return std::make_unique<ScriptedView>(answers); });
    }
    void TearDown() override {
        SetViewFactory(nullptr);
        DesktopFixture::TearDown();
    }
    static bool Ended(const Started& s) {
        return desk::WaitForSingleObject(s.process.hProcess, 1000) == desk::WAIT_OBJECT_0;
    }
};

} // namespace

// The program ends: a product with unsaved changes asks; キャンセル keeps it (and so the
// program) with its drawing, 保存しない lets it end with the program; an unchanged one ends
// without a question.
TEST_F(ProductEnd, TheProgramsEndAsksAndCancelKeepsTheProductAndItsDrawing) {
    WithScreen();
    const Started s = Start();
    Instance* cad = FindInstance(s.process.dwProcessId);
    SendCopyData(s.mainFrame, "LINE -35000000,12000000 -34999000,12000500 \r");
    answers.choices = {command::SaveChoice::Cancel, command::SaveChoice::Discard};
    EXPECT_FALSE(EndRunningProducts());
    EXPECT_EQ(answers.asked, std::vector<std::string>{"save Drawing1.dwg"});
    EXPECT_FALSE(Ended(s));
    ASSERT_EQ(FindInstance(s.process.dwProcessId), cad);
    EXPECT_EQ(cad->drawing().Entities().size(), 1u);
    EXPECT_TRUE(cad->HasUnsavedChanges());
    EXPECT_TRUE(cad->commandLine().IsIdle());

    EXPECT_TRUE(EndRunningProducts());
    EXPECT_TRUE(Ended(s));
    EXPECT_EQ(answers.asked.size(), 2u);

    const Started unchanged = Start();
    EXPECT_TRUE(EndRunningProducts());
    EXPECT_EQ(answers.asked.size(), 2u);
    EXPECT_FALSE(Ended(unchanged)); // it simply goes with the program
}

// The close box with a drawing never saved: 保存 asks for the file, writes the drawing there
// and ends the product; giving up the name keeps it.
TEST_F(ProductEnd, TheCloseBoxSavesUnderTheChosenNameBeforeItEnds) {
    WithScreen();
    const Started s = Start();
    SendCopyData(s.mainFrame, "CIRCLE -35000000,12000000 5\r");
    answers.choices = {command::SaveChoice::Save, command::SaveChoice::Save};
    answers.files = {"", "C:\\plan.dxf"};
    desk::PostMessage(s.mainFrame, desk::WM_CLOSE, 0, 0);
    desk::testing::RunFor(50);
    EXPECT_FALSE(Ended(s));
    desk::PostMessage(s.mainFrame, desk::WM_CLOSE, 0, 0);
    desk::testing::RunFor(50);
    EXPECT_TRUE(Ended(s));
    EXPECT_EQ(answers.asked, (std::vector<std::string>{"save Drawing1.dwg", "file Drawing1.dwg", "save Drawing1.dwg",
                                                       "file Drawing1.dwg"}));
    const auto circles = dxf::ReadDxf(desk::ToNativePath("C:\\plan.dxf").string()).drawing.Entities();
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(std::get<Circle>(circles[0].shape).centre.x, -35000000);
}

// Without a screen the question stands at the command line. Meanwhile the DDE channel refuses
// every execute (the drawing sent is not taken as an answer); the user's answer ends it.
TEST_F(ProductEnd, WhileTheQuestionStandsTheChannelIsRefused) {
    const Started s = Start();
    Instance* cad = FindInstance(s.process.dwProcessId);
    dde::Link link;
    link.SetLinkTopic("AutoCAD LT.DDE|System");
    link.SetLinkMode(dde::kLinkManual);
    link.LinkExecute("LINE 0,0 10,0 \r");
    EXPECT_FALSE(EndRunningProducts());
    EXPECT_TRUE(cad->AsksUser());
    for (const char* sent : {"PLINE 0,-45 0,127 \r", "N\r", "\r"}) {
        try {
            link.LinkExecute(sent);
            ADD_FAILURE() << sent << " was taken";
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Number(), 285) << sent;
        }
    }
    EXPECT_EQ(cad->drawing().Entities().size(), 1u);
    EXPECT_TRUE(cad->AsksUser());
    cad->TypeFromUser("C\r");
    EXPECT_FALSE(cad->AsksUser());
    link.LinkExecute("LINE 0,0 0,10 \r");
    EXPECT_EQ(cad->drawing().Entities().size(), 2u);
    EXPECT_FALSE(Ended(s));
}

// NEW after a drawing: the changes are asked about, then the drawing is empty and unnamed
// again, with nothing to undo; NEW on a saved drawing asks nothing.
TEST_F(ProductEnd, NewAfterADrawingStartsAnEmptyOne) {
    WithScreen();
    const Started s = Start();
    Instance* cad = FindInstance(s.process.dwProcessId);
    const Drawing& drawing = cad->drawing(); // looked at without touching it
    SendCopyData(s.mainFrame, "LINE 0,0 10,0 \r");
    answers.choices = {command::SaveChoice::Save};
    answers.files = {"C:\\plan.dxf"};
    SendCopyData(s.mainFrame, "NEW\r");
    EXPECT_EQ(answers.asked, (std::vector<std::string>{"save Drawing1.dwg", "file Drawing1.dwg"}));
    EXPECT_TRUE(drawing.Entities().empty());
    EXPECT_FALSE(cad->HasUnsavedChanges());
    EXPECT_EQ(cad->Caption(), "AutoCAD LT 2002 - [Drawing1.dwg]");
    EXPECT_EQ(dxf::ReadDxf(desk::ToNativePath("C:\\plan.dxf").string()).drawing.Entities().size(), 1u);
    SendCopyData(s.mainFrame, "U\r");
    EXPECT_TRUE(drawing.Entities().empty());
    SendCopyData(s.mainFrame, "_NEW\r");
    EXPECT_EQ(answers.asked.size(), 2u);
    EXPECT_TRUE(cad->commandLine().IsIdle());
}

// Saved under a name (SAVEAS in the screen's file dialog, QSAVE), the drawing takes the name
// and counts as unchanged until it changes; OPEN asks about changes before the file replaces
// them, and a file that is not there replaces nothing and asks nothing.
TEST_F(ProductEnd, ADrawingSavedUnderANameTakesItAndOpenAsksBeforeReplacingChanges) {
    WithScreen();
    const Started s = Start();
    Instance* cad = FindInstance(s.process.dwProcessId);
    const Drawing& drawing = cad->drawing();
    const auto entitiesIn = [](const char* file) {
        return dxf::ReadDxf(desk::ToNativePath(file).string()).drawing.Entities().size();
    };
    SendCopyData(s.mainFrame, "LINE 0,0 10,0 \r");
    answers.files = {"C:\\plan.dxf"};
    cad->TypeFromUser("_SAVEAS\r");
    EXPECT_EQ(answers.asked, std::vector<std::string>{"file Drawing1.dwg"});
    EXPECT_EQ(cad->Caption(), "AutoCAD LT 2002 - [plan.dxf]");
    EXPECT_EQ(CaptionOf(s.mainFrame), "AutoCAD LT 2002 - [plan.dxf]");
    EXPECT_FALSE(cad->HasUnsavedChanges());
    SendCopyData(s.mainFrame, "CIRCLE 5,5 1\r");
    EXPECT_TRUE(cad->HasUnsavedChanges());
    SendCopyData(s.mainFrame, "QSAVE\r");
    EXPECT_EQ(entitiesIn("C:\\plan.dxf"), 2u);
    EXPECT_FALSE(cad->HasUnsavedChanges());
    SendCopyData(s.mainFrame, "NEW\r"); // nothing to ask
    EXPECT_EQ(answers.asked.size(), 1u);
    EXPECT_EQ(cad->Caption(), "AutoCAD LT 2002 - [Drawing1.dwg]");

    SendCopyData(s.mainFrame, "LINE 0,0 0,7 \rOPEN\rC:\\none.dxf\r");
    EXPECT_EQ(answers.asked.size(), 1u);
    EXPECT_EQ(cad->commandLine().Rejections().back().reason, "C:\\none.dxf を読み込めません");
    answers.choices = {command::SaveChoice::Cancel, command::SaveChoice::Discard};
    SendCopyData(s.mainFrame, "OPEN\rC:\\plan.dxf\r");
    EXPECT_EQ(answers.asked.back(), "save Drawing1.dwg");
    EXPECT_EQ(drawing.Entities().size(), 1u);
    EXPECT_TRUE(cad->HasUnsavedChanges());
    SendCopyData(s.mainFrame, "OPEN\rC:\\plan.dxf\r");
    EXPECT_EQ(answers.asked.size(), 3u);
    EXPECT_EQ(drawing.Entities().size(), 2u);
    EXPECT_EQ(cad->Caption(), "AutoCAD LT 2002 - [plan.dxf]");
    EXPECT_FALSE(cad->HasUnsavedChanges());
    EXPECT_TRUE(cad->commandLine().IsIdle());
}
