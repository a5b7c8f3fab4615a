#pragma once
// The program run as an engineer runs it, headless: a fresh desktop with AutoCAD LT 2002
// installed, the program started as main() starts it (its CAD control library registered), the
// CAD started from the program's 作図 menu and worked through the screens' own CAD controls,
// and each step of the work one small function that clicks and types through the screens. The
// engineer's hand at the CAD answers each point prompt from a script.
#include "cad/app/install.h"
#include "cad/app/instance.h"
#include "cad/dxf/block_library.h"
#include "platform/desktop/desktop.h"
#include "platform/desktop/testing.h"
#include "platform/desktop/window.h"
#include "platform/forms/forms.h"
#include "platform/forms/script.h"
#include "platform/runtime/number_text.h"
#include "platform/workbook/workbook.h"
#include "tests/support/program_reset.h"
#include "tests/vantor/geometry/grid/grid_typing.h"
#include "vantor/drawing/AutoCad設定画面.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/geometry/grid/入出力画面.h"
#include "vantor/geometry/ip_input/IP入力画面.h"
#include "vantor/geometry/profile/keikoku.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/pellix/hosted_pellix.h"
#include "vantor/pellix/register_pellix.h"
#include "vantor/shell/Main.h"
#include "vantor/shell/親画面.h"
#include "vantor/start_up.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace workflow_test {

using Pick = std::pair<double, double>; // a point picked in the CAD [mm]

// A point of the alignment: start, IP or end, picked in the CAD, and the radius of its curve
// typed into the grid [m] (0: none).
struct AlignmentPoint {
    Pick at;
    float radius;
};

class WorkflowTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            std::filesystem::temp_directory_path() / ("vantor_workflow_" + rt::CStr(static_cast<long long>(getpid())));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        desk::testing::Reset(folder_ / "desktop");
        cad::app::PrepareDesktop();
        desk::testing::OnIdle([this] { AnswerPointPrompt(); });
        StartProgram();
    }
    void TearDown() override {
        desk::testing::OnIdle(nullptr);
        QuitSpreadsheet();
        test_support::ResetProgram();
        desk::testing::Reset(folder_ / "desktop");
        std::filesystem::remove_all(folder_);
    }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
    cad::app::Instance& Cad() const { return *cad_; }

    // ---- The program ----

    // The program as main() starts it: the control library registered, Main run, no screen
    // but the main window's own, no spreadsheet running. A running CAD keeps running.
    static void StartProgram() {
        QuitSpreadsheet();
        test_support::ResetProgram();
        縦断bus::keikokuflg = 0;
        ASSERT_TRUE(縦断bus::RegisterPellixLibrary(std::filesystem::path(PELLIXLIB_PATH).parent_path()));
        縦断bus::Main();
    }
    static void QuitSpreadsheet() { xl::CreateObject("Excel.sheet")->Application()->Quit(); }

    static 親画面& MainWindow() { return forms::Get<親画面>(); }
    static void ClickTool(const char* key) {
        forms::ToolbarButton& button = MainWindow().Toolbar1.Buttons(key);
        ASSERT_TRUE(button.Enabled()) << key;
        MainWindow().Toolbar1_ButtonClick(button);
    }
    static 作図画面& DrawingScreen() { return forms::Get<作図画面>(); }

    static std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& m : forms::script::Messages()) texts.push_back(m.prompt);
        return texts;
    }

    // Clicks a cell of a grid screen, types `text` into its in-cell editor and leaves it.
    template <class Screen>
    static void TypeCell(Screen& screen, int row, int column, const std::string& text) {
        screen.グリッド.SetRow(row);
        screen.グリッド.SetCol(column);
        screen.グリッド_Click();
        screen.Text1.SetText(text);
        screen.Text1_LostFocus();
    }

    // ---- The CAD ----

    // Whether a screen's control is the library's, placed on the screen.
    static bool Hosted(縦断bus::Pellix& control) { return dynamic_cast<縦断bus::HostedPellix*>(&control) != nullptr; }

    // The 作図 menu with no CAD running: the start screen lists the products, AutoCAD LT2002
    // is chosen and started (選択完了); the control places it at 0,0 640 x 480 and closes its
    // start-up dialog, and the drawing screen opens. The CAD's block search path then holds the
    // example blocks KEI1 and GEN1.
    void StartCadFromMenu() {
        MainWindow().lt_Click();
        AutoCad設定画面& start = forms::Get<AutoCad設定画面>();
        ASSERT_TRUE(start.Visible());
        ASSERT_TRUE(Hosted(start.Pellix1()));
        ASSERT_FALSE(DrawingScreen().Visible());
        int lt2002 = -1;
        for (int i = 0; i < start.ListBox1.ListCount(); ++i)
            if (start.ListBox1.List(i) == "AutoCAD LT2002") lt2002 = i;
        ASSERT_GE(lt2002, 0);
        start.ListBox1.SetListIndex(lt2002);
        start.Command1_Click();
        ASSERT_EQ(start.msgbar.Caption(), "");
        ASSERT_FALSE(start.Visible());
        ASSERT_TRUE(DrawingScreen().Visible());
        const std::vector<cad::app::Instance*> running = cad::app::RunningInstances();
        ASSERT_EQ(running.size(), 1u);
        cad_ = running.front();
        EXPECT_EQ(cad_->Variables().sdimode, 1);
        desk::RECT frame{};
        ASSERT_TRUE(desk::GetWindowRect(cad_->Windows().mainFrame, &frame));
        EXPECT_EQ((std::vector<long>{static_cast<long>(frame.left), static_cast<long>(frame.top),
                                     static_cast<long>(frame.right), static_cast<long>(frame.bottom)}),
                  (std::vector<long>{0, 0, 640, 480}));
        RunUntil([this] { return !desk::IsWindow(cad_->Windows().startupDialog); });
        ASSERT_FALSE(desk::IsWindow(cad_->Windows().startupDialog));
        ASSERT_TRUE(cad_->OffersDde());
        cad_->commandLine().SetBlockSource(cad::dxf::BlockFolder(cad::dxf::ExampleBlockFolder()));
    }

    // The start screen's 戻る: the drawing kept, saved under `path` (a .dxf name: the CAD
    // writes DXF), and the CAD closed through the control.
    void CloseCadSavingDxf(const std::string& path) {
        forms::script::Reset();
        forms::script::QueueMsgBoxAnswer(forms::vbYes);
        forms::script::QueueFileName(path);
        forms::Get<AutoCad設定画面>().Command2_Click();
        EXPECT_EQ(Messages(), std::vector<std::string>{"AutoCADを終了します。作図した図面をファイルに保存しますか？"});
        EXPECT_FALSE(forms::IsLoaded<AutoCad設定画面>());
        EXPECT_TRUE(forms::Get<入出力画面>().Visible());
        EXPECT_TRUE(cad::app::RunningInstances().empty());
        cad_ = nullptr;
    }

    // The engineer's answers to the CAD's point prompts, in order: the points, then two Ctrl+C.
    void PickInCad(const std::vector<Pick>& points) {
        for (const Pick& p : points) answers_.push_back({p, {}});
        answers_.push_back({});
    }
    // The points, then at the next prompt `instead` (the screen's close box, say) in place of
    // an answer.
    void PickInCadThen(const std::vector<Pick>& points, std::function<void()> instead) {
        for (const Pick& p : points) answers_.push_back({p, {}});
        answers_.push_back({std::nullopt, std::move(instead)});
    }
    bool AnswersLeft() const { return !answers_.empty(); }

    // Lets time pass (the controls watch the CAD, the user answers its prompts) until `done`,
    // for at most a minute of the desktop's clock. A point prompt that still stands when the
    // minute is up, with no answer left, is a pick the program never ended: the user gives up
    // with two Ctrl+C and the test fails, rather than waiting inside the pick for ever.
    void RunUntil(const std::function<bool()>& done) {
        giveUpAt_ = desk::GetTickCount() + kPatience;
        for (int step = 0; step < static_cast<int>(kPatience / 100) && !done(); ++step) desk::testing::RunFor(100);
        giveUpAt_.reset();
    }

    // IPs picked in the CAD on the IP input screen, opened from the drawing screen's ＩＰ入力:
    // 自動入力, the points picked in millimetres and the series ended with two Ctrl+C; the grid
    // shows them in metres; the radii typed, and 完了 hands them on.
    void EnterIps(const std::vector<AlignmentPoint>& points) {
        MainWindow().lt_Click();
        DrawingScreen().IP入力ボタン_Click();
        IP入力画面& screen = forms::Get<IP入力画面>();
        ASSERT_TRUE(Hosted(screen.Pellix1()));
        screen.自動入力_Click();
        std::vector<Pick> picks;
        for (const AlignmentPoint& p : points) picks.push_back(p.at);
        PickInCad(picks);
        RunUntil([&] { return !AnswersLeft() && !screen.PickPending(); });
        ASSERT_FALSE(screen.PickPending());
        ASSERT_EQ(screen.PickedCount(), static_cast<int>(points.size()));
        EXPECT_TRUE(Cad().commandLine().IsIdle()) << Cad().commandLine().Prompt();
        for (int p = 0; p < static_cast<int>(points.size()); ++p)
            if (points[p].radius != 0) TypeCell(screen, p + 1, 2, rt::CStr(points[p].radius));
        screen.Toolbar1_ButtonClick(screen.Toolbar1.Buttons("完了"));
        ASSERT_FALSE(screen.Visible());
    }

    // Points picked in the CAD at every station of a section point editor through its own
    // control, from the first station to the last: `picks(station, side)` gives them (side 0
    // left, 1 right); each side's pick is armed with 受信 and ends with two Ctrl+C.
    template <class Screen, class Picks>
    void PickEveryStation(Screen& screen, int stations, Picks picks) {
        ASSERT_TRUE(Hosted(screen.Pellix1()));
        while (screen.ShownStation() > 1) screen.移動ボタン_Click(0);
        for (int s = 1; s <= stations; ++s) {
            for (int side = 0; side <= 1; ++side) {
                screen.左右(side).SetValue(true);
                screen.受信ボタン_Click();
                const std::vector<Pick> points = picks(s, side);
                PickInCad(points);
                RunUntil([&] { return !AnswersLeft() && !screen.PickArmed(); });
                ASSERT_FALSE(screen.PickArmed()) << "station " << s << " side " << side;
                ASSERT_EQ(screen.PickedCount(), static_cast<int>(points.size())) << "station " << s << " side " << side;
            }
            if (s < stations) screen.移動ボタン_Click(1);
        }
    }

private:
    // The user's hand: a few moments after the CAD asks for a point, the next answer.
    void AnswerPointPrompt() {
        if (cad_ && answers_.empty() && giveUpAt_ && desk::GetTickCount() >= *giveUpAt_ &&
            cad_->commandLine().WantsPoint()) {
            giveUpAt_.reset();
            ADD_FAILURE() << "the CAD still asks for a point after a minute with no answer left: the pick never ended";
            cad_->TypeFromUser("\x03\x03");
            return;
        }
        if (!cad_ || answers_.empty() || !cad_->commandLine().WantsPoint()) {
            promptSeen_ = 0;
            return;
        }
        if (++promptSeen_ < 5) return;
        promptSeen_ = 0;
        const Answer answer = answers_.front();
        answers_.pop_front();
        if (answer.point) cad_->Pick({answer.point->first, answer.point->second, 0});
        else if (answer.instead) answer.instead();
        else cad_->TypeFromUser("\x03\x03");
    }

    struct Answer {
        std::optional<Pick> point;
        std::function<void()> instead; // neither: two Ctrl+C
    };

    std::filesystem::path folder_;
    cad::app::Instance* cad_ = nullptr;
    static constexpr desk::DWORD kPatience = 60000; // ms of the desktop's clock
    std::deque<Answer> answers_;
    int promptSeen_ = 0;
    std::optional<desk::DWORD> giveUpAt_; // while RunUntil runs
};

} // namespace workflow_test
