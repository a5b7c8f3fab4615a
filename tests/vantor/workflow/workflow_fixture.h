#pragma once
// The program run as an engineer runs it, headless: a fresh desktop with AutoCAD LT 2002
// running on it (its block search path holding the example blocks KEI1 and GEN1), the program
// started as main() starts it, and each step of the work one small function that clicks and
// types through the screens.
#include "cad/app/install.h"
#include "cad/app/instance.h"
#include "cad/dxf/block_library.h"
#include "platform/desktop/desktop.h"
#include "platform/desktop/files.h"
#include "platform/desktop/testing.h"
#include "platform/forms/forms.h"
#include "platform/forms/script.h"
#include "platform/runtime/number_text.h"
#include "platform/workbook/workbook.h"
#include "tests/vantor/pellix/scripted_pellix.h"
#include "vantor/drawing/AutoCad設定画面.h"
#include "vantor/drawing/cad_channel.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/geometry/grid/入出力画面.h"
#include "vantor/geometry/ip_input/IP入力画面.h"
#include "vantor/geometry/ip_input/ip_sheet_link.h"
#include "vantor/geometry/profile/keikoku.h"
#include "vantor/sections/cross_slope_sheet_link.h"
#include "vantor/sections/section_sheet_link.h"
#include "vantor/shell/Main.h"
#include "vantor/shell/sheets/cross_slope_sheet.h"
#include "vantor/shell/sheets/ip_sheet.h"
#include "vantor/shell/親画面.h"
#include "vantor/model/縦断bus.h"
#include "vantor/pellix/register_pellix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace workflow_test {

using Pick = std::pair<double, double>;   // a point picked in the CAD [mm]

// The program-wide CAD control as it finds the CAD this fixture started: running.
struct RunningCadControl : pellix_test::ScriptedPellix {
    int GetExecutMax() override { return 1; }
};

// A point of the alignment [m]: start, IP with its curve radius, or end.
struct AlignmentPoint {
    float x, y, radius;
};

class WorkflowTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() / ("vantor_workflow_" + rt::CStr(static_cast<long long>(getpid())));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        desk::testing::Reset(folder_ / "desktop");
        cad::app::PrepareDesktop();
        StartCad();
        defaultControl_ = AutoCad設定画面::placeControl;
        AutoCad設定画面::placeControl = [](forms::Form&) { return std::make_unique<RunningCadControl>(); };
        StartProgram();
    }
    void TearDown() override {
        AutoCad設定画面::placeControl = defaultControl_;
        QuitSpreadsheet();
        forms::UnloadAll();
        縦断bus::ResetState();
        desk::testing::Reset(folder_ / "desktop");
        std::filesystem::remove_all(folder_);
    }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
    cad::app::Instance& Cad() const { return *cad_; }

    // ---- The program ----

    // The program as main() starts it: the sheet links wired, Main run, no screen but the
    // main window's own, no spreadsheet running. The CAD keeps running.
    static void StartProgram() {
        QuitSpreadsheet();
        forms::UnloadAll();
        forms::script::Reset();
        縦断bus::ResetState();
        縦断bus::keikokuflg = 0;
        namespace slopes = 縦断bus::cross_slope_sheet_link;
        slopes::utsushiyoko = 縦断bus::utsushiyoko;
        slopes::yomikomiyoko = 縦断bus::yomikomiyoko;
        slopes::tensouyoko = 縦断bus::tensouyoko;
        縦断bus::section_sheet_link::yomikomiyokomei = 縦断bus::yomikomiyokomei;
        縦断bus::ip_sheet_link::yomikomiip = 縦断bus::yomikomiip;
        縦断bus::ip_sheet_link::WriteIpPoints = 縦断bus::WriteIpPoints;
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
    // The profile grid stores a cell when its editor loses the focus to the grid.
    static void TypeProfile(int row, int column, const std::string& text) {
        入出力画面& screen = forms::Get<入出力画面>();
        screen.グリッド.SetRow(row);
        screen.グリッド.SetCol(column);
        screen.グリッド_Click();
        screen.Text1.SetFocus();
        screen.Text1.SetText(text);
        screen.グリッド.SetFocus();
    }

    // The IPs typed into the IP input screen, opened from the drawing screen's ＩＰ入力, and
    // handed on with 完了.
    static void EnterIps(const std::vector<AlignmentPoint>& points) {
        MainWindow().lt_Click();
        DrawingScreen().IP入力ボタン_Click();
        IP入力画面& screen = forms::Get<IP入力画面>();
        for (int p = 0; p < static_cast<int>(points.size()); ++p) {
            TypeCell(screen, p + 1, 0, rt::CStr(points[p].x));
            TypeCell(screen, p + 1, 1, rt::CStr(points[p].y));
            TypeCell(screen, p + 1, 2, points[p].radius == 0 ? std::string() : rt::CStr(points[p].radius));
        }
        screen.Toolbar1_ButtonClick(screen.Toolbar1.Buttons("完了"));
        ASSERT_FALSE(screen.Visible());
    }

    // Points picked in the CAD at every station of a section point editor, from the first
    // station to the last: `picks(station, side)` gives them (side 0 left, 1 right); each
    // side's pick ends with a cancel.
    template <class Screen, class Picks>
    static void PickEveryStation(Screen& screen, int stations, Picks picks) {
        auto control = std::make_unique<pellix_test::ScriptedPellix>();
        pellix_test::ScriptedPellix& c = *control;
        screen.UsePellix(std::move(control));
        c.Ticks(2);   // the fresh control's first idle event
        while (screen.ShownStation() > 1) screen.移動ボタン_Click(0);
        for (int s = 1; s <= stations; ++s) {
            for (int side = 0; side <= 1; ++side) {
                screen.左右(side).SetValue(true);
                screen.受信ボタン_Click();
                for (const Pick& p : picks(s, side)) c.picks.push_back(p);
                c.picks.push_back(std::nullopt);
                c.Ticks(2);
            }
            if (s < stations) screen.移動ボタン_Click(1);
        }
    }

    // ---- The CAD ----

    // Saves the CAD's drawing as the DXF file at `path` with the CAD's own command, typed
    // over the drawing channel (file names typed at the command line, not asked in a dialog).
    static void SaveDrawingAsDxf(const std::string& path) {
        const std::string cadPath = desk::FromNativePath(path);
        ASSERT_TRUE(縦断bus::cad_channel::RunDrawing([&] {
            namespace channel = 縦断bus::cad_channel;
            channel::Send("FILEDIA");
            channel::Send("0");
            channel::Send("SAVEAS");
            channel::Send("2000");
            channel::Send(cadPath);
        }));
    }

private:
    void StartCad() {
        const std::string exe = cad::app::InstalledExecutable(*cad::app::FindProduct(cad::app::kAutoCadLt2002));
        ASSERT_FALSE(exe.empty());
        const std::string commandLine = "\"" + exe + "\"";
        desk::STARTUPINFO startup;
        desk::GetStartupInfo(&startup);
        startup.wShowWindow = desk::SW_SHOWDEFAULT;
        desk::PROCESS_INFORMATION process;
        ASSERT_TRUE(desk::CreateProcess(nullptr, commandLine.c_str(), nullptr, nullptr, false, 0, nullptr, nullptr, &startup,
                                        &process));
        ASSERT_EQ(desk::WaitForInputIdle(process.hProcess, 5000), desk::WAIT_OBJECT_0);
        cad_ = cad::app::FindInstance(process.dwProcessId);
        ASSERT_NE(cad_, nullptr);
        ASSERT_TRUE(cad_->OffersDde());
        cad_->commandLine().SetBlockSource(cad::dxf::BlockFolder(cad::dxf::ExampleBlockFolder()));
    }

    std::filesystem::path folder_;
    cad::app::Instance* cad_ = nullptr;
    std::function<std::unique_ptr<縦断bus::Pellix>(forms::Form&)> defaultControl_;
};

} // namespace workflow_test
