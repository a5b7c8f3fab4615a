// Every formatter against the layout of its sheet: title, headers, widths, box and shading.
#include "sheet_fixture.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/sheets/coordinate_sheet.h"
#include "vantor/model/sheets/cross_slope_sheet.h"
#include "vantor/model/sheets/ip_sheet.h"
#include "vantor/model/sheets/profile_sheet.h"
#include "vantor/model/sheets/section_point_sheets.h"
#include "vantor/model/sheets/shoulder_sheet.h"

#include <utility>

namespace sheets_test {
namespace {

struct Layout {
    const char* label;
    void (*format)();
    std::string_view sheet;
    std::string titleCell, title;
    std::vector<std::pair<std::string, std::string>> headers; // cell, text
    std::vector<std::pair<std::string, double>> widths;       // cell of row 2, width
    std::string box;
    std::vector<std::pair<std::string, int>> shading; // range, colour index
};

const std::vector<Layout>& Layouts() {
    using namespace 縦断bus;
    // clang-format off
    static const std::vector<Layout> layouts = {
        {"profile", shoshikitate, kProfileSheet, "B2", "縦 断 曲 線 計 算 調 書",
         {{"A4", "測　点"}, {"B4", "地盤高"}, {"C4", "基準計画高"}, {"D4", "曲線長（Ｌｖ）"},
          {"E4", "計画高"}, {"F4", "切　土"}, {"G4", "盛　土"}, {"H4", "勾　配"}, {"I4", "備　考"}},
         {{"A2", 7}, {"B2", 8}, {"C2", 11}, {"D2", 11}, {"E2", 8}, {"F2", 6}, {"G2", 6},
          {"H2", 11}, {"I2", 11}},
         "A4:I50", {{"A4:I4", 40}, {"A5:A50", 35}, {"B5:D50", 36}}},
        {"ip", shoshikiip, kIpSheet, "B1", "座標ﾃﾞｰﾀ入力表",
         {{"A4", "座標名称"}, {"B4", "　Ｘ"}, {"C4", "　Ｙ"}, {"D4", "　Ｚ"}, {"E4", "曲率半径"},
          {"F4", "IP間距離"}, {"G4", "交角"}, {"H4", "B.C.x座標"}, {"I4", "B.C.y座標"},
          {"J4", ""}, {"K4", "E.C.x座標"}, {"L4", "E.C.y座標"}, {"M4", ""}},
         {}, "A4:M25", {{"A4:M4", 40}, {"A5:A25", 35}, {"B5:M25", 36}}},
        {"cross slope", shoshikiyoko, kCrossSlopeSheet, "B1", "横断勾配計算表",
         {{"D3", "左"}, {"G3", "右"}, {"K3", "ﾌﾞﾛｯｸ名"}, {"M3", "左"}, {"O3", "右"},
          {"A4", "路肩高"}, {"B4", "幅　員"}, {"C4", "横断勾配"}, {"D4", "基準勾配"},
          {"E4", "測点名称"}, {"F4", "計画高"}, {"G4", "基準勾配"}, {"H4", "横断勾配"},
          {"I4", "幅　員"}, {"J4", "路肩高"}, {"K4", "（現況）"}, {"L4", "（計画）"},
          {"M4", "計画幅員"}, {"N4", "計画勾配"}, {"O4", "計画幅員"}, {"P4", "計画勾配"}},
         {}, "A3:P105", {{"A3:P3", 40}, {"A4:D4", 35}, {"F4:P4", 35}, {"E4:E105", 36}}},
        {"shoulder", shoshikirokata, kShoulderSheet, "B1", "路肩幅員入力",
         {{"A4", "Ｌ４（左）"}, {"B4", "Ｌ３（左）"}, {"C4", "Ｌ２（左）"}, {"D4", "Ｌ１（左）"},
          {"E4", "測　点"}, {"F4", "Ｌ１（右）"}, {"G4", "Ｌ２（右）"}, {"H4", "Ｌ３（右）"},
          {"I4", "Ｌ４（右）"}},
         {}, "A4:I105", {{"A4:I4", 40}, {"E5:E105", 36}}},
        {"coordinates", shoshikizahyou, kCoordinateSheet, "B2", "座標値データー表",
         {{"B4", "測　点"}, {"C4", "Ｘ座標"}, {"D4", "Ｙ座標"}},
         {{"B2", 8}, {"C2", 10}, {"D2", 10}},
         "B4:D50", {{"B4:D4", 40}, {"B5:B50", 35}, {"C5:D50", 36}}},
    };
    // clang-format on
    return layouts;
}

// The corners of a range: top-left and bottom-right cell addresses.
std::pair<std::string, std::string> Corners(const std::string& range) {
    auto colon = range.find(':');
    return {range.substr(0, colon), range.substr(colon + 1)};
}

TEST_F(SheetTest, EachFormatterLaysOutItsSheet) {
    for (const Layout& layout : Layouts()) {
        SCOPED_TRACE(layout.label);
        layout.format();
        auto sheet = Sheet(layout.sheet);
        EXPECT_EQ(Text(layout.sheet, layout.titleCell), layout.title);
        EXPECT_EQ(sheet->Range(layout.titleCell)->Font()->Size(), 22);
        for (const auto& [cell, text] : layout.headers) EXPECT_EQ(Text(layout.sheet, cell), text) << cell;
        for (const auto& [cell, width] : layout.widths) EXPECT_EQ(sheet->Range(cell)->ColumnWidth(), width) << cell;

        auto box = sheet->Range(layout.box);
        for (int index = xl::xlEdgeLeft; index <= xl::xlInsideHorizontal; ++index) {
            SCOPED_TRACE(index);
            EXPECT_EQ(box->Borders(index)->LineStyle(), xl::xlContinuous);
            EXPECT_EQ(box->Borders(index)->Weight(), index <= xl::xlEdgeRight ? xl::xlThin : xl::xlHairline);
            EXPECT_EQ(box->Borders(index)->ColorIndex(), xl::xlColorIndexAutomatic);
        }
        // The far corner closes the box.
        auto farCorner = sheet->Range(Corners(layout.box).second);
        EXPECT_EQ(farCorner->Borders(xl::xlEdgeBottom)->Weight(), xl::xlThin);
        EXPECT_EQ(farCorner->Borders(xl::xlEdgeRight)->Weight(), xl::xlThin);

        for (const auto& [range, colour] : layout.shading) {
            auto [first, last] = Corners(range);
            for (const auto& cell : {first, last}) {
                EXPECT_EQ(sheet->Range(cell)->Interior()->ColorIndex(), colour) << cell;
                EXPECT_EQ(sheet->Range(cell)->Interior()->Pattern(), xl::xlPatternSolid) << cell;
            }
        }
    }
}

TEST_F(SheetTest, SectionSheetsHeadTheBlocksThatDanmensuuCounts) {
    using namespace 縦断bus;
    struct Case {
        int danmensuu, blocks;
    };
    // Never opened a section screen: titles only; too many blocks: the 50 the tables hold.
    for (Case c : {Case{0, 0}, Case{3, 3}, Case{60, 50}}) {
        SCOPED_TRACE(c.danmensuu);
        danmensuu = c.danmensuu;
        shoshikigenkyou();
        for (auto [name, title] : {std::pair{kExistingGroundSheet, "現況横断データー入力表"},
                                   std::pair{kCutFillSheet, "切盛ラインデーター入力表"}}) {
            auto sheet = Sheet(name);
            EXPECT_EQ(Text(name, "B1"), title);
            EXPECT_EQ(sheet->Range("B1")->Font()->Size(), 22);
            int headed = 0;
            while (sheet->Cells(4, 4 * headed + 1)->Value().Text() == "測点") ++headed;
            EXPECT_EQ(headed, c.blocks);
        }
        EXPECT_EQ(danmensuu, c.danmensuu);
        TearDown(); // a fresh workbook for the next case
        SetUp();
    }
}

TEST_F(SheetTest, SectionBlockHeadersAndShading) {
    using namespace 縦断bus;
    danmensuu = 2;
    shoshikigenkyou();
    // Second block: columns E-H.
    const std::vector<std::pair<std::string, std::string>> texts = {
        {"E4", "測点"},   {"F4", ""},       {"E5", "左側"},   {"G5", "右側"},
        {"E6", "Ｘ座標"}, {"F6", "Ｙ座標"}, {"G6", "Ｘ座標"}, {"H6", "Ｙ座標"}};
    for (const auto& [cell, text] : texts) EXPECT_EQ(Text(kCutFillSheet, cell), text) << cell;
    const std::vector<std::pair<std::string, int>> colours = {{"F4", 35}, {"E6", 36}, {"F6", 36},
                                                              {"G6", 34}, {"H6", 34}, {"E4", xl::xlColorIndexNone}};
    for (const auto& [cell, colour] : colours)
        EXPECT_EQ(Sheet(kCutFillSheet)->Range(cell)->Interior()->ColorIndex(), colour) << cell;
}

} // namespace
} // namespace sheets_test
