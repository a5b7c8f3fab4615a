// The reference points belong to the document: each document opened shows and transfers its
// own, and a transfer leaves the rest of 座標値ｼｰﾄ as it found it.
#include "coordinate_fixture.h"
#include "platform/dde/dde_server.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/model/sheet_names.h"
#include "vantor/model/sheets/coordinate_sheet.h"
#include "vantor/shell/lifecycle/document_lifecycle.h"

#include <filesystem>
#include <functional>
#include <unistd.h>

namespace {

using namespace 縦断bus;
using coordinates_test::CoordinateTest;

using Rows = std::vector<std::vector<std::string>>; // G, H, I, J texts from row 5; "" leaves a cell empty

class ReferenceDocument : public CoordinateTest {
protected:
    void TearDown() override {
        CoordinateTest::TearDown();
        for (const std::string& file : files_) std::filesystem::remove(file);
    }

    static void PutReferenceRows(const Rows& rows) {
        auto sheet = Sheet(kCoordinateSheet);
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c)
                if (!rows[r][c].empty())
                    sheet->Cells(5 + static_cast<int>(r), 7 + static_cast<int>(c))->SetValue(rt::Val(rows[r][c]));
    }
    // The sheet's G-J texts of rows 5 + first .. 4 + last.
    static Rows ReferenceRows(int last, int first = 0) {
        Rows rows;
        for (int r = first; r < last; ++r) {
            rows.emplace_back();
            for (int c = 7; c <= 10; ++c) rows.back().push_back(Cell(kCoordinateSheet, 5 + r, c));
        }
        return rows;
    }
    static Rows GridRows(int count) {
        Rows rows;
        for (int r = 1; r <= count; ++r) {
            rows.emplace_back();
            for (int c = 1; c <= 4; ++c) rows.back().push_back(Screen().グリッド.TextMatrix(r, c));
        }
        return rows;
    }

    // A document file holding these reference points and nothing else.
    std::string SavedDocument(const std::string& name, const Rows& rows) {
        OpenDocument();
        PutReferenceRows(rows);
        files_.push_back((std::filesystem::temp_directory_path() /
                          ("vantor_reference_" + rt::CStr(static_cast<long long>(getpid())) + "_" + name + ".xls"))
                             .string());
        xlbook->SaveAs(files_.back());
        xlbook->Close();
        ReleaseDocument();
        return files_.back();
    }
    static void Open(const std::string& path) {
        forms::script::QueueFileName(path);
        hiraku();
        ASSERT_EQ(fairumei, path);
    }

    std::vector<std::string> files_;
};

// Document A: three points at 30° and one still without its drawing point; document B two
// other points. Each, opened in turn, shows and writes back its own.
TEST_F(ReferenceDocument, TwoDocumentsOpenedInTurnEachTransferTheirOwn) {
    const Rows a = {{"100", "50", "1111.60254037844", "1993.30127018922"},
                    {"180", "90", "1200.88457268119", "1987.94228634059"},
                    {"250", "20", "1226.50635094611", "1892.32050807569"},
                    {"-35150.125", "12500.5", "", ""}};
    const Rows b = {{"5000", "-2000", "5", "-2"}, {"5100", "-2000", "105", "-2"}};
    const std::string fileA = SavedDocument("a", a), fileB = SavedDocument("b", b);

    Open(fileA);
    forms::Get<作図画面>().変換ボタン_Click();
    座標変換& screen = Screen();
    EXPECT_EQ(GridRows(4), a);
    screen.解放_Click(); // the fourth row is no reference point yet
    EXPECT_NEAR(rt::Val(screen.度.Caption()), 30, 1e-9);
    screen.転送ボタン_Click();
    EXPECT_EQ(ReferenceRows(5), (Rows{a[0], a[1], a[2], a[3], {"", "", "", ""}}));

    forms::script::QueueMsgBoxAnswer(forms::vbNo); // A's transfer is not saved
    Open(fileB);
    forms::Get<作図画面>().変換ボタン_Click();
    EXPECT_EQ(GridRows(4), (Rows{b[0], b[1], {"", "", "", ""}, {"", "", "", ""}}));
    EXPECT_FALSE(screen.Fit()); // A's fit went with A's points
    EXPECT_EQ(screen.度.Caption(), "0");
    screen.解放_Click();
    EXPECT_NEAR(screen.Transform().p3, 4995, 1e-9);
    screen.転送ボタン_Click();
    EXPECT_EQ(ReferenceRows(3), (Rows{b[0], b[1], {"", "", "", ""}}));

    // Shown again with the same document: what was typed stays.
    screen.グリッド.SetTextMatrix(3, 1, "5200");
    forms::Get<作図画面>().変換ボタン_Click();
    EXPECT_EQ(screen.グリッド.TextMatrix(3, 1), "5200");
    EXPECT_TRUE(screen.Fit());

    // A opened again while the screen stands open: 転送 shows A's points and writes nothing.
    const std::size_t told = Messages().size();
    forms::script::QueueMsgBoxAnswer(forms::vbNo);
    Open(fileA);
    screen.転送ボタン_Click();
    ASSERT_EQ(Messages().size(), told + 2);
    EXPECT_NE(Messages().back().find("別のブック"), std::string::npos);
    EXPECT_EQ(GridRows(4), a);
    EXPECT_EQ(ReferenceRows(5), (Rows{a[0], a[1], a[2], a[3], {"", "", "", ""}}));
    EXPECT_EQ(Cell(kCoordinateSheet, 55, 1), "");
}

// A fitted; then B opened, or New, while the screen stands open. Whichever command comes first
// shows the reference points of the document now held (New's has none, though it keeps A's
// workbook), drops A's fit, says so and does nothing else: nothing is fitted, converted, sent
// to the CAD, picked or written with A's fit or points.
TEST_F(ReferenceDocument, EveryCommandFirstTakesAnotherDocument) {
    const Rows a = {{"100", "50", "1111.60254037844", "1993.30127018922"},
                    {"180", "90", "1200.88457268119", "1987.94228634059"}};
    const Rows b = {{"5000", "-2000", "5", "-2"}, {"5100", "-2000", "105", "-2"}};
    const std::string fileA = SavedDocument("a", a), fileB = SavedDocument("b", b);
    std::vector<std::string> executes;
    dde::ServerRegistration cad("AutoCAD LT.DDE", "System", [&](const std::string& c) { executes.push_back(c); });
    const auto discarding = [] {
        if (xlbook && !xlbook->Saved()) forms::script::QueueMsgBoxAnswer(forms::vbNo);
    };
    const struct {
        const char* name;
        std::function<void()> change;
        Rows points; // the reference points of the document then held
    } changes[] = {
        {"開く", [&] { discarding(), Open(fileB); }, b},
        {"新規", [&] { discarding(), shinki(); }, {{"", "", "", ""}, {"", "", "", ""}}},
    };
    const struct {
        const char* name;
        void (*press)(座標変換&);
        bool roadEdges = false; // the kind "路肩座標値" chosen in A
    } commands[] = {
        {"解析", [](座標変換& s) { s.解放_Click(); }},
        {"角度修正", [](座標変換& s) { s.Command1_Click(); }},
        {"座標変換", [](座標変換& s) { s.現地座標ボタン_Click(); }},
        {"CAD軸変換", [](座標変換& s) { s.変換ボタン_Click(); }},
        {"読込", [](座標変換& s) { s.読込_Click(); }},
        {"転送", [](座標変換& s) { s.転送ボタン_Click(); }},
        {"転送 路肩座標値", [](座標変換& s) { s.転送ボタン_Click(); }, true},
    };
    for (const auto& change : changes)
        for (const auto& command : commands) {
            SCOPED_TRACE(std::string(change.name) + " " + command.name);
            if (HasDocument()) { // each round starts from A as saved
                xlbook->Close();
                ReleaseDocument();
            }
            Open(fileA);
            forms::Get<作図画面>().変換ボタン_Click();
            座標変換& screen = Screen();
            screen.解放_Click();
            ASSERT_TRUE(screen.Fit());
            screen.グリッド.SetTextMatrix(3, 1, "7777"); // typed in A, never transferred
            SetStations(2);
            screen.変換種類(command.roadEdges ? 3 : 0).SetValue(true);
            Click(screen.グリッド, 1, 3);
            SetModelOnStations(1);
            executes.clear();

            change.change();
            const Rows sheetBefore = ReferenceRows(3);
            const std::size_t told = Messages().size();
            command.press(screen);
            ASSERT_EQ(Messages().size(), told + 1);
            EXPECT_NE(Messages().back().find("別のブック"), std::string::npos);
            EXPECT_EQ(GridRows(3), (Rows{change.points[0], change.points[1], {"", "", "", ""}}));
            EXPECT_FALSE(screen.Fit());
            EXPECT_EQ(screen.度.Caption(), "0");
            EXPECT_FALSE(screen.PickPending());
            EXPECT_EQ(screen.マス.TextMatrix(1, 3), "");
            EXPECT_TRUE(executes.empty());
            EXPECT_EQ(ReferenceRows(3), sheetBefore);
            EXPECT_EQ(Cell(kCoordinateSheet, 55, 1), "");
            EXPECT_EQ(Cell(kCoordinateSheet, 55, 12), "");
        }
}

// The kinds list only the points of the document held: a new document has no station placed on
// an alignment and no alignment point, and a document opened after another lists none of the
// other's; choosing such a kind lists nothing and says what to do first.
TEST_F(ReferenceDocument, KindsListOnlyPointsOfTheDocumentHeld) {
    const std::string withoutAlignment = SavedDocument("b", {});
    // The rows the kind lists: those with a drawing point.
    const auto choose = [](int kind) {
        Screen().変換種類(kind).SetValue(true);
        int listed = 0;
        for (int r = 1; r < Screen().マス.Rows(); ++r) listed += Screen().マス.TextMatrix(r, 1).empty() ? 0 : 1;
        return listed;
    };
    const auto told = [](const char* text) {
        return !Messages().empty() && Messages().back().find(text) != std::string::npos;
    };

    shinki();
    forms::Get<作図画面>().変換ボタン_Click();
    for (int kind : {0, 3}) {
        EXPECT_EQ(choose(kind), 0) << kind;
        EXPECT_TRUE(told("ｾﾝﾀｰ・測点作図")) << kind;
    }
    EXPECT_EQ(choose(1), 0);
    EXPECT_TRUE(told("ＩＰ座標がありません"));

    // The stations placed on this document's alignment are listed.
    SetStations(3);
    forms::script::Reset();
    EXPECT_EQ(choose(0), 3);
    EXPECT_EQ(Screen().マス.TextMatrix(3, 0), "40");
    EXPECT_EQ(Screen().マス.TextMatrix(3, 1), "124");
    EXPECT_TRUE(Messages().empty());

    if (!xlbook->Saved()) forms::script::QueueMsgBoxAnswer(forms::vbNo);
    Open(withoutAlignment);
    forms::Get<作図画面>().変換ボタン_Click();
    for (int r = 1; r < Screen().マス.Rows(); ++r)
        for (int c = 1; c <= 4; ++c) EXPECT_EQ(Screen().マス.TextMatrix(r, c), "") << r << "," << c;
    EXPECT_EQ(choose(3), 0);
    EXPECT_TRUE(told("ｾﾝﾀｰ・測点作図"));
    EXPECT_EQ(choose(1), 0);
    EXPECT_TRUE(told("ＩＰ座標がありません"));
}

// A document with reference points down to row 60 (Open reads the first 20): the transfer
// rewrites those 20 and its list, and the further points in G25:J60 stay, also where the
// list's rows run beside them.
TEST_F(ReferenceDocument, FurtherReferencePointsStay) {
    OpenDocument();
    Rows points;
    for (int r = 0; r < 56; ++r)
        points.push_back({rt::CStr(1000 + r), rt::CStr(2000 + r), rt::CStr(3000 + r), rt::CStr(4000 + r)});
    PutReferenceRows(points);
    ReadReferencePoints();
    ASSERT_EQ(Messages().size(), 1u); // told that the rest was left
    SetStations(5);
    座標変換& screen = Screen();
    screen.変換種類(0).SetValue(true);
    screen.現地座標ボタン_Click();
    screen.転送ボタン_Click();
    EXPECT_EQ(Cell(kCoordinateSheet, 60, 1), "5");
    EXPECT_EQ(ReferenceRows(56), points);

    // A road-edge table of two stations writes G-H and J of its rows; the points below it and
    // column I stay. A point list after it takes the table away, and only the table.
    SetModelOnStations(2);
    screen.変換種類(3).SetValue(true);
    screen.転送ボタン_Click();
    EXPECT_NE(Cell(kCoordinateSheet, 56, 7), points[51][0]);
    EXPECT_EQ(Cell(kCoordinateSheet, 56, 9), points[51][2]);
    const Rows below(points.begin() + 53, points.end()); // rows 58 .. 60
    EXPECT_EQ(ReferenceRows(56, 53), below);
    screen.変換種類(0).SetValue(true);
    screen.現地座標ボタン_Click();
    screen.転送ボタン_Click();
    EXPECT_EQ(Cell(kCoordinateSheet, 56, 7), "");
    EXPECT_EQ(Cell(kCoordinateSheet, 56, 9), points[51][2]);
    EXPECT_EQ(ReferenceRows(56, 53), below);
    // Row 55, where the table had its headers, is the table's.
    EXPECT_EQ(ReferenceRows(50, 20), Rows(points.begin() + 20, points.begin() + 50));
}

} // namespace
