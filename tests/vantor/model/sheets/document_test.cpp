// The Save writer and the saved file, and every sheet procedure without a workbook.
#include "sheet_fixture.h"
#include "tests/support/run_python.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/coordinate_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/model/sheets/coordinate_sheet.h"
#include "vantor/model/sheets/cross_slope_sheet.h"
#include "vantor/model/sheets/ip_sheet.h"
#include "vantor/model/sheets/profile_sheet.h"
#include "vantor/model/sheets/save_writer.h"
#include "vantor/model/sheets/section_point_sheets.h"
#include "vantor/model/sheets/shoulder_sheet.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

namespace sheets_test {
namespace {

using namespace 縦断bus;

// Runs the xlrd reader on `file` and returns cell -> value.
std::map<std::string, std::string> ReadWithXlrd(const std::string& file, const std::vector<std::string>& cells) {
    std::string arguments = VANTOR_SOURCE_DIR "/tests/vantor/model/sheets/xlrd_cells.py '" + file + "'";
    for (const auto& cell : cells) arguments += " '" + cell + "'";
    const std::string out = test_support::RunPython(arguments);
    std::map<std::string, std::string> values;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        auto tab = line.find('\t');
        if (tab != std::string::npos) values[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return values;
}

TEST_F(SheetTest, SavedWorkbookShowsTitlesHeadersFormatsAndValues) {
    danmensuu = 1;
    for (auto format : {shoshikitate, shoshikiip, shoshikigenkyou, shoshikizahyou, shoshikiyoko, shoshikirokata})
        format();
    sokutensuu = 2;
    const float profile[2][7] = {{12.5f, 100.3f, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty},
                                 {40, 100.5f, kEmpty, kEmpty, 100.25f, -0.25f, kEmpty}};
    for (int i = 1; i <= 2; ++i)
        for (int c = 1; c <= 7; ++c) tatedata(i, c) = profile[i - 1][c - 1];
    ipsuu = 0;
    ipx(0) = 1500;
    ipy(1) = 2250;
    iphankei(1) = 0;
    yokodata(1, 5) = 12.5f;
    yokosakuzudata(1, 2) = "未設定";
    rokatadata(2, 5) = 40;

    tensouzenbu();
    std::string file = (std::filesystem::temp_directory_path() / "vantor_sheets_saved.xls").string();
    xlbook->SaveAs(file);

    // clang-format off
    const std::map<std::string, std::string> expected = {
        {"縦断ｼｰﾄ!B2", "縦 断 曲 線 計 算 調 書"}, {"縦断ｼｰﾄ!D4", "曲線長（Ｌｖ）"},
        {"縦断ｼｰﾄ!A5", "12.5"}, {"縦断ｼｰﾄ!B5", "100.3"}, {"縦断ｼｰﾄ!C5", ""},
        {"縦断ｼｰﾄ!F6", "0.25"}, {"ＩＰ座標入力!B1", "座標ﾃﾞｰﾀ入力表"}, {"ＩＰ座標入力!L4", "E.C.y座標"},
        {"ＩＰ座標入力!A6", "2"}, {"ＩＰ座標入力!B5", "1.5"}, {"ＩＰ座標入力!C6", "2.25"},
        {"ＩＰ座標入力!E6", ""}, {"横断ｼｰﾄ!B1", "横断勾配計算表"}, {"横断ｼｰﾄ!K3", "ﾌﾞﾛｯｸ名"},
        {"横断ｼｰﾄ!E5", "12.5"}, {"横断ｼｰﾄ!L5", "未設定"}, {"路肩ｼｰﾄ!B1", "路肩幅員入力"},
        {"路肩ｼｰﾄ!A4", "Ｌ４（左）"}, {"路肩ｼｰﾄ!E6", "40"}, {"座標値ｼｰﾄ!B2", "座標値データー表"},
        {"座標値ｼｰﾄ!D4", "Ｙ座標"}, {"現況横断ｼｰﾄ!B1", "現況横断データー入力表"},
        {"切盛ﾗｲﾝ入力ｼｰﾄ!B1", "切盛ラインデーター入力表"},
        // Borders left, top, bottom, right (1 thin, 7 hairline) and the fill's colour index.
        {"縦断ｼｰﾄ!A4~", "1 1 7 7 40"}, {"縦断ｼｰﾄ!I50~", "7 7 1 1 0"}, {"縦断ｼｰﾄ!C30~", "7 7 7 7 36"},
        {"横断ｼｰﾄ!E4~", "7 7 7 7 36"}, {"横断ｼｰﾄ!P3~", "7 1 7 1 40"}, {"ＩＰ座標入力!A25~", "1 7 1 7 35"},
        {"現況横断ｼｰﾄ!B4~", "0 0 0 0 35"}};
    // clang-format on
    std::vector<std::string> cells;
    for (const auto& entry : expected) cells.push_back(entry.first);
    EXPECT_EQ(ReadWithXlrd(file, cells), expected);
    std::filesystem::remove(file);
}

TEST_F(SheetTest, WithoutWorkbookEveryProcedureSaysSoAndDoesNothing) {
    ReleaseDocument();
    sokutensuu = 3;
    ipsuu = 1;
    zahyousuu = 2;
    // clang-format off
    const std::vector<std::pair<const char*, void (*)()>> procedures = {
        {"shoshikitate", shoshikitate}, {"yomikomitate", [] { EXPECT_FALSE(yomikomitate()); }},
        {"tensoutate", [] { EXPECT_FALSE(tensoutate()); }},
        {"shoshikiip", shoshikiip}, {"yomikomiip", yomikomiip}, {"shoshikiyoko", shoshikiyoko},
        {"yomikomiyoko", yomikomiyoko}, {"yomikomiyokomei", yomikomiyokomei},
        {"tensouyoko", tensouyoko}, {"shoshikirokata", shoshikirokata},
        {"yomikomirokata", yomikomirokata}, {"tensourokata", tensourokata},
        {"shoshikizahyou", shoshikizahyou}, {"yomikomizahyou", yomikomizahyou},
        {"shoshikigenkyou", shoshikigenkyou}, {"yomikomigenkyou", yomikomigenkyou},
        {"yomikomikirimori", yomikomikirimori}, {"tensouzenbu", tensouzenbu}};
    // clang-format on
    for (const auto& [name, procedure] : procedures) {
        SCOPED_TRACE(name);
        forms::script::Reset();
        EXPECT_NO_THROW(procedure());
        EXPECT_EQ(Messages(), std::vector<std::string>{std::string(sheet_messages::kNoWorkbook)});
    }
    EXPECT_EQ(sokutensuu, 3);
    EXPECT_EQ(ipsuu, 1);
    EXPECT_EQ(zahyousuu, 2);
}

} // namespace
} // namespace sheets_test
