#pragma once
// A program just started (Main has run, no spreadsheet running), a folder for its files, and
// documents made the way a user makes them.
#include "platform/forms/forms.h"
#include "platform/forms/script.h"
#include "platform/runtime/number_text.h"
#include "platform/workbook/call_log.h"
#include "platform/workbook/workbook.h"
#include "tests/support/program_reset.h"
#include "tests/vantor/geometry/profile/profile_fixture.h"
#include "vantor/geometry/grid/入出力画面.h"
#include "vantor/geometry/profile/keikoku.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/document.h"
#include "vantor/shell/Main.h"
#include "vantor/shell/lifecycle/document_lifecycle.h"
#include "vantor/shell/待表示.h"
#include "vantor/shell/親画面.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <unistd.h>

namespace lifecycle_test {

using profile_test::E;
using profile_test::Row;

// The crest profile: grades +2 % and -1 %, a 60 m curve at station 100.
inline const std::initializer_list<Row> kCrest = {{0, 47, 48}, {70, 48},  {85, 49},        {100, 49.5f, 50, 60},
                                                  {130, 49},   {150, 48}, {200, 47.5f, 49}};

class LifecycleTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("vantor_lifecycle_" + rt::CStr(static_cast<long long>(getpid())) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        Restart();
    }

    void TearDown() override {
        QuitSpreadsheet();
        test_support::ResetProgram();
        std::filesystem::remove_all(folder_);
    }

    // A fresh program: every screen gone, the spreadsheet not running, Main run again.
    static void Restart() {
        QuitSpreadsheet();
        test_support::ResetProgram();
        縦断bus::keikokuflg = 0;
        縦断bus::Main();
        xl::ClearCallLog();
    }

    static void QuitSpreadsheet() { xl::CreateObject("Excel.sheet")->Application()->Quit(); }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    // A document made with New, holding `rows`, saved as `name` and let go again.
    std::string SavedDocument(const std::string& name, std::initializer_list<Row> rows) {
        縦断bus::shinki();
        Fill(rows);
        const std::string path = PathOf(name);
        forms::script::QueueFileName(path);
        縦断bus::hozon();
        Restart();
        return path;
    }

    // The profile `rows` on a straight alignment 200 m long.
    static void Fill(std::initializer_list<Row> rows) {
        using namespace 縦断bus;
        ipsuu = 0;
        ipx(1) = 200000;
        profile_test::PutRows(rows);
    }

    static void Open(const std::string& path) {
        forms::script::QueueFileName(path);
        縦断bus::hiraku();
    }

    // Clicks the grid cell, types `text` into the editor and leaves it for the grid.
    static void Type(int row, int col, const std::string& text) {
        入出力画面& screen = forms::Get<入出力画面>();
        screen.グリッド.SetRow(row);
        screen.グリッド.SetCol(col);
        screen.グリッド_Click();
        ASSERT_EQ(縦断bus::henshuuretsu, col);
        screen.Text1.SetFocus();
        screen.Text1.SetText(text);
        screen.グリッド.SetFocus();
    }

    static 親画面& Main() { return forms::Get<親画面>(); }
    static bool ButtonEnabled(const char* key) { return Main().Toolbar1.Buttons(key).Enabled(); }
    static std::string Cell(int row, int col) { return forms::Get<入出力画面>().グリッド.TextMatrix(row, col); }
    static std::string LastMessage() {
        const auto& messages = forms::script::Messages();
        return messages.empty() ? std::string() : messages.back().prompt;
    }
    static int Logged(const std::string& call) {
        const auto log = xl::CallLog();
        return static_cast<int>(std::count(log.begin(), log.end(), call));
    }

    std::filesystem::path folder_;
};

} // namespace lifecycle_test
