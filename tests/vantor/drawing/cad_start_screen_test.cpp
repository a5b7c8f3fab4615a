// The CAD start screen: the product list, the start of the chosen product, the handlers of
// the control's events and the end of the drawing work with its save; the main window's
// drawing command that leads there.
#include "drawing_fixture.h"
#include "platform/desktop/testing.h"
#include "tests/cad/app/fake_host.h"
#include "tests/vantor/pellix/starting_pellix.h"
#include "cad/command/command_line.h"
#include "vantor/drawing/AutoCad設定画面.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/geometry/grid/入出力画面.h"
#include "vantor/shell/親画面.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

using pellix_test::StartingPellix;

class CadStartScreen : public drawing_test::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        pellix_test::PlaceStartingPellix([this](StartingPellix& control) {
            control.running = running_;
            control.type = savedType_;
            cad_ = &control;
        });
    }

    // The screen loaded with its control in this state.
    AutoCad設定画面& Load(int running = 0, int savedType = 6) {
        running_ = running;
        savedType_ = savedType;
        return forms::Get<AutoCad設定画面>();
    }
    std::vector<std::string> List(AutoCad設定画面& s) {
        std::vector<std::string> items;
        for (int k = 0; k < s.ListBox1.ListCount(); ++k) items.push_back(s.ListBox1.List(k));
        return items;
    }
    void Choose(AutoCad設定画面& s, const std::string& item) {
        for (int k = 0; k < s.ListBox1.ListCount(); ++k)
            if (s.ListBox1.List(k) == item) s.ListBox1.SetListIndex(k);
        s.Command1_Click();
    }

    StartingPellix* cad_ = nullptr;
    int running_ = 0, savedType_ = 6; // the state of the next control placed
};

TEST_F(CadStartScreen, ListsNoacadAndTheNamedKindsUpToThirteen) {
    AutoCad設定画面& s = Load();
    EXPECT_EQ(s.Caption(), "AutoCad設定画面");
    EXPECT_EQ(List(s), (std::vector<std::string>{"NOACAD", "AutoCAD LT95", "AutoCAD LT97", "AutoCAD LT98",
                                                 "AutoCAD LT2000", "AutoCAD LT2000i", "AutoCAD LT2002", "AutoCAD R13",
                                                 "AutoCAD R14", "AutoCAD 2000", "AutoCAD 2000i"}));
    EXPECT_EQ(s.ListBox1.ListIndex(), 6);
    EXPECT_EQ(cad_->type, 6); // the saved type is put back
    EXPECT_EQ(cad_->interval, 200);
    EXPECT_FALSE(cad_->visible);
    EXPECT_FALSE(s.Visible());
}

TEST_F(CadStartScreen, PreselectsTheSavedTypeOrTheEntryBeforeIt) {
    // Saved type -> entry chosen: a type without a name takes the entry before it; the 2002
    // full product is never listed.
    for (const auto& [saved, entry] : {std::pair{6, 6}, {1, 1}, {13, 10}, {8, 6}, {0, 0}, {14, 0}}) {
        forms::UnloadAll();
        AutoCad設定画面& s = Load(0, saved);
        EXPECT_EQ(s.ListBox1.ListIndex(), entry) << saved;
        EXPECT_EQ(cad_->type, saved);
    }
}

TEST_F(CadStartScreen, WithACadRunningTheProfileGridIsShownAndTheListStaysEmpty) {
    AutoCad設定画面& s = Load(1);
    EXPECT_EQ(s.ListBox1.ListCount(), 0);
    EXPECT_TRUE(forms::IsLoaded<入出力画面>() && forms::Get<入出力画面>().Visible());
}

TEST_F(CadStartScreen, AChoiceThatCannotStartBeepsAndSaysWhy) {
    AutoCad設定画面& s = Load();
    s.Show();
    const int beeps = desk::testing::BeepCount();
    Choose(s, "NOACAD");
    EXPECT_EQ(s.msgbar.Caption(), "AutoCADが指定されていません");
    Choose(s, "AutoCAD R14");
    EXPECT_EQ(s.msgbar.Caption(), "そのAutoCADはインストールされていません");
    EXPECT_EQ(cad_->type, 11); // the choice stays the control's type
    cad_->starts = false;
    Choose(s, "AutoCAD LT2002");
    EXPECT_EQ(s.msgbar.Caption(), "AutoCAD LT2002を起動できませんでした");
    EXPECT_EQ(cad_->calls, (std::vector<std::string>{"IsSDIMode", "SetSDIMode(true)", "Shell", "SetSDIMode(false)"}));
    EXPECT_EQ(desk::testing::BeepCount(), beeps + 3);
    EXPECT_TRUE(s.Visible());
    EXPECT_FALSE(forms::IsLoaded<作図画面>());
}

TEST_F(CadStartScreen, StartsInSingleDocumentModeAndPlacesTheCad) {
    AutoCad設定画面& s = Load();
    s.Show();
    cad_->sdiMode = false;
    Choose(s, "AutoCAD LT2002");
    EXPECT_EQ(cad_->calls, (std::vector<std::string>{"IsSDIMode", "SetSDIMode(true)", "Shell", "AcReSize(0,0,640,480)",
                                                     "SetSDIMode(false)"}));
    EXPECT_TRUE(cad_->enabled);
    EXPECT_FALSE(s.Visible());
    EXPECT_TRUE(forms::Get<作図画面>().Visible());

    // The watch meets dialogs: only the start-up dialog, captioned exactly so, is closed.
    EXPECT_TRUE(cad_->RaiseDialog("ｽﾀｰﾄｱｯﾌﾟ"));
    for (const char* other : {"スタートアップ", "ｽﾀｰﾄｱｯﾌﾟ ", "Startup", "図面を開く"})
        EXPECT_FALSE(cad_->RaiseDialog(other)) << other;

    // The user ends the CAD.
    cad_->RaiseClose();
    EXPECT_FALSE(cad_->enabled);
    EXPECT_EQ(s.msgbar.Caption(), "作図が終了しました。");
}

TEST_F(CadStartScreen, BackWithoutACadClosesNothing) {
    AutoCad設定画面& s = Load();
    StartingPellix* cad = cad_;
    s.Command2_Click();
    EXPECT_TRUE(cad->calls.empty());
    EXPECT_FALSE(forms::IsLoaded<AutoCad設定画面>());
    EXPECT_TRUE(forms::Get<入出力画面>().Visible());
    EXPECT_TRUE(Messages().empty());
}

class CadEnd : public CadStartScreen {
protected:
    void SetUp() override {
        CadStartScreen::SetUp();
        folder_ = std::filesystem::temp_directory_path() / ("vantor_cad_end_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        AutoCad設定画面& s = Load();
        s.Show();
        Choose(s, "AutoCAD LT2002");
        s.Show();
        cad_->calls.clear();
        forms::script::Reset();
    }
    void TearDown() override {
        std::filesystem::remove_all(folder_);
        CadStartScreen::TearDown();
    }
    std::filesystem::path folder_;
};

TEST_F(CadEnd, CancelACancelledDialogOrAnUnusableNameKeepsTheCad) {
    AutoCad設定画面& s = forms::Get<AutoCad設定画面>();
    forms::script::QueueMsgBoxAnswer(forms::vbCancel);
    s.Command2_Click();
    forms::script::QueueMsgBoxAnswer(forms::vbYes);
    forms::script::QueueFileCancel();
    s.Command2_Click();
    // A name the CAD cannot be given at its prompt.
    const std::string quoted = (folder_ / "a\"b.dxf").string();
    forms::script::QueueMsgBoxAnswer(forms::vbYes);
    forms::script::QueueFileName(quoted);
    s.Command2_Click();
    EXPECT_TRUE(cad_->calls.empty());
    EXPECT_TRUE(cad_->commands.empty());
    EXPECT_TRUE(cad_->attached);
    EXPECT_TRUE(s.Visible());
    ASSERT_EQ(Messages().size(), 4u);
    EXPECT_EQ(forms::script::Messages()[0].buttons, forms::vbYesNoCancel + forms::vbQuestion);
    EXPECT_EQ(Messages()[3], "AutoCADは " + quoted + " に保存できません。別の名前か場所を選んでください。");
}

TEST_F(CadEnd, NoDropsTheDrawingAndLeaves) {
    StartingPellix* cad = cad_;
    forms::script::QueueMsgBoxAnswer(forms::vbNo);
    forms::Get<AutoCad設定画面>().Command2_Click();
    EXPECT_EQ(cad->calls, std::vector<std::string>{"Close()"});
    EXPECT_TRUE(cad->commands.empty());
    EXPECT_FALSE(cad->enabled);
    EXPECT_FALSE(forms::IsLoaded<AutoCad設定画面>());
    EXPECT_TRUE(forms::Get<入出力画面>().Visible());
}

// A .dxf name (or none) makes the CAD export DXF there; its closing save then goes to a
// temporary drawing. Typed into the CAD's command line with the library's closing sequence,
// the drawing lands in the chosen file.
TEST_F(CadEnd, YesSavesTheDrawingAsDxfUnderTheChosenName) {
    StartingPellix* cad = cad_;
    const std::string chosen = (folder_ / "plan").string();
    const std::string desktopName = "Z:" + std::string(folder_.string()) + "\\plan.dxf";
    std::string expected = desktopName;
    std::replace(expected.begin(), expected.end(), '/', '\\');
    cad->whileCommanded = [&](const std::string&) { std::ofstream(chosen + ".dxf") << "0\nEOF\n"; };
    forms::script::QueueMsgBoxAnswer(forms::vbYes);
    forms::script::QueueFileName(chosen);
    forms::Get<AutoCad設定画面>().Command2_Click();

    ASSERT_EQ(cad->commands.size(), 1u);
    EXPECT_NE(cad->commands[0].find("_DXFOUT\r\"" + expected + "\"\r"), std::string::npos) << cad->commands[0];
    EXPECT_EQ(cad->calls, std::vector<std::string>{"Close()"});
    EXPECT_FALSE(forms::IsLoaded<AutoCad設定画面>());
    EXPECT_EQ(Messages().size(), 1u); // the question only
    EXPECT_EQ(forms::script::FileDialogs().at(0).filter, "DXFファイル (*.dxf)|*.dxf|図面ファイル (*.dwg)|*.dwg");

    cad::Drawing drawing;
    drawing.Add(cad::Line{{0, 0, 0}, {5, 5, 0}});
    cad::command::CommandLine line{drawing};
    cad::app::testing::FakeHost host;
    cad::command::HostAttachment attachment{line, host};
    line.Type(cad->commands[0]);
    line.Type("\x03\x03_FILEDIA 0\r_SAVEAS\r\r\"C:\\TEMP\\~AC120000.dwg\"\r_FILEDIA 1\rQSAVE\r_QUIT\r");
    ASSERT_EQ(host.drawings.count(expected), 1u);
    EXPECT_EQ(host.drawings[expected].Entities().size(), 1u);
    EXPECT_EQ(host.quits, 1);
    EXPECT_EQ(line.RejectionCount(), 0u);
}

// The CAD is closed only once the chosen file has been written anew and whole (a .dwg name
// too: the CAD writes DXF); otherwise the user is told and the CAD stays with its drawing,
// also when an older file of that name is left as it was.
TEST_F(CadEnd, TheCadClosesOnlyAfterTheDrawingIsWrittenWhole) {
    StartingPellix* cad = cad_;
    const std::string plan = (folder_ / "plan.dwg").string();
    std::ofstream(plan) << "0\nEOF\n"; // an older drawing of that name
    const std::string notSaved =
        "図面を " + plan +
        " に保存できませんでした。AutoCADは図面を開いたまま続けます。別の名前か場所を選んでください。";
    struct Case {
        const char* written; // what the CAD writes when told to export; none: it writes nothing
        bool closes;
        bool triesToClose;
        std::string told; // the message after the question, if any
        bool staysLoaded;
    };
    const Case cases[] = {
        {nullptr, true, false, notSaved, true},
        {"  0\nSECTION\n  2\nENTITIES\n", true, false, notSaved, true},
        {"  0\nEOF\n", false, true, "AutoCADを終了できませんでした。AutoCADの画面で確かめてください。", true},
        {"  0\nEOF\n", true, true, "", false},
    };
    for (const Case& c : cases) {
        forms::Get<AutoCad設定画面>().Show();
        cad->calls.clear();
        cad->commands.clear();
        cad->closes = c.closes;
        cad->whileCommanded = [&](const std::string&) {
            if (c.written) std::ofstream(plan, std::ios::binary | std::ios::trunc) << c.written;
        };
        forms::script::Reset();
        forms::script::QueueMsgBoxAnswer(forms::vbYes);
        forms::script::QueueFileName(plan);
        forms::Get<AutoCad設定画面>().Command2_Click();
        ASSERT_EQ(cad->commands.size(), 1u);
        EXPECT_NE(cad->commands[0].find("\\plan.dwg\"\r"), std::string::npos) << cad->commands[0];
        EXPECT_EQ(cad->calls, c.triesToClose ? std::vector<std::string>{"Close()"} : std::vector<std::string>{});
        ASSERT_EQ(Messages().size(), c.told.empty() ? 1u : 2u);
        EXPECT_EQ(Messages().back(), c.told.empty() ? Messages().front() : c.told);
        EXPECT_EQ(forms::IsLoaded<AutoCad設定画面>(), c.staysLoaded);
        EXPECT_EQ(cad->attached, c.staysLoaded);
    }
}

TEST_F(CadStartScreen, TheDrawingCommandStartsHereOnlyWhenNoCadRuns) {
    forms::Get<親画面>().lt_Click();
    EXPECT_TRUE(forms::Get<AutoCad設定画面>().Visible());
    EXPECT_FALSE(forms::IsLoaded<作図画面>());

    forms::UnloadAll();
    running_ = 1;
    親画面& main = forms::Get<親画面>();
    main.Show();
    main.lt_Click();
    EXPECT_FALSE(forms::Get<AutoCad設定画面>().Visible());
    EXPECT_TRUE(forms::Get<作図画面>().Visible());
    EXPECT_EQ(main.WindowState(), forms::vbMinimized);
}

// 戻　る on the drawing screen maximises the main window by either route the user took there:
// 作図 with a CAD running (the main window minimised), or 作図 with none, a CAD chosen and
// started on the start screen (the main window as the user left it).
TEST_F(CadStartScreen, BackFromTheDrawingScreenMaximisesTheMainWindowByEitherRoute) {
    for (const int running : {1, 0}) {
        SCOPED_TRACE(running);
        forms::UnloadAll();
        running_ = running;
        親画面& main = forms::Get<親画面>();
        main.Show();
        main.SetWindowState(forms::vbNormal);
        main.lt.OnClick();
        if (running == 0) {
            AutoCad設定画面& start = forms::Get<AutoCad設定画面>();
            ASSERT_TRUE(start.Visible());
            for (int k = 0; k < start.ListBox1.ListCount(); ++k)
                if (start.ListBox1.List(k) == "AutoCAD LT2002") start.ListBox1.SetListIndex(k);
            start.Command1.OnClick();
        }
        作図画面& drawing = forms::Get<作図画面>();
        ASSERT_TRUE(drawing.Visible());
        EXPECT_EQ(main.WindowState(), running ? forms::vbMinimized : forms::vbNormal);
        drawing.取り消し.OnClick();
        EXPECT_EQ(main.WindowState(), forms::vbMaximized);
        EXPECT_FALSE(drawing.Visible());
    }
}

} // namespace
