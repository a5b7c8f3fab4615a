#include "vantor/geometry/rows/gyousakujo.h"
#include "vantor/geometry/rows/gyousounyuu.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/縦断bus.h"

#include <gtest/gtest.h>

using namespace 縦断bus;

namespace {

// Every station table carries values that tell its row: row r holds r * 100 + column, the
// texts "r-column"; rows after the stations are empty. Column 0 and the distance column 8,
// which stay with the row number, tell their row on every row.
void FillStations(int count) {
    ResetState();
    sokutensuu = count;
    for (int r = 0; r <= 500; ++r) {
        const bool station = r <= count;
        for (int c = 0; c <= 8; ++c) tatedata(r, c) = station ? r * 100.0f + c : kEmpty;
        for (int c = 0; c <= 10; ++c) yokodata(r, c) = station ? r * 100.0f + c : kEmpty;
        for (int c = 0; c <= 9; ++c) rokatadata(r, c) = station ? r * 100.0f + c : 0.0f;
        tatedata(r, 0) = yokodata(r, 0) = rokatadata(r, 0) = r * 100.0f;
        tatedata(r, 8) = r * 100.0f + 8;
        if (r > 200) continue;
        for (int c = 0; c <= 7; ++c) yokosakuzudata(r, c) = station ? std::to_string(r) + "-" + std::to_string(c) : "";
    }
}

// Checks that row `r` holds what row `from` held before (columns that move), while
// columns 0 and 8 still tell row r.
void ExpectRowFrom(int r, int from) {
    SCOPED_TRACE("row " + std::to_string(r) + " from " + std::to_string(from));
    for (int c = 1; c <= 7; ++c) EXPECT_EQ(tatedata(r, c), from * 100.0f + c);
    for (int c = 1; c <= 10; ++c) EXPECT_EQ(yokodata(r, c), from * 100.0f + c);
    for (int c = 1; c <= 9; ++c) EXPECT_EQ(rokatadata(r, c), from * 100.0f + c);
    for (int c = 1; c <= 6 && r <= 200; ++c)
        EXPECT_EQ(yokosakuzudata(r, c), std::to_string(from) + "-" + std::to_string(c));
    EXPECT_EQ(tatedata(r, 0), r * 100.0f);
    EXPECT_EQ(tatedata(r, 8), r * 100.0f + 8);
    EXPECT_EQ(yokodata(r, 0), r * 100.0f);
    EXPECT_EQ(rokatadata(r, 0), r * 100.0f);
}

void ExpectEmptyRow(int r, const std::string& text) {
    SCOPED_TRACE("empty row " + std::to_string(r));
    for (int c = 1; c <= 7; ++c) EXPECT_EQ(tatedata(r, c), kEmpty);
    for (int c = 1; c <= 10; ++c) EXPECT_EQ(yokodata(r, c), kEmpty);
    for (int c = 1; c <= 9; ++c) EXPECT_EQ(rokatadata(r, c), 0.0f);
    for (int c = 1; c <= 6 && r <= 200; ++c) EXPECT_EQ(yokosakuzudata(r, c), text);
}

} // namespace

TEST(StationRows, InsertBeforeFirstOfThreeMovesEveryTableDown) {
    FillStations(3);
    sounyuugyou(1);
    EXPECT_EQ(sokutensuu, 4);
    ExpectEmptyRow(1, "未設定");
    for (int r = 2; r <= 4; ++r) ExpectRowFrom(r, r - 1);
}

TEST(StationRows, DeleteSecondOfFourMovesTheRestUp) {
    FillStations(4);
    sakujogyou(2);
    EXPECT_EQ(sokutensuu, 3);
    ExpectRowFrom(1, 1);
    ExpectRowFrom(2, 3);
    ExpectRowFrom(3, 4);
    ExpectEmptyRow(4, "");
}

TEST(StationRows, InsertThenDeleteAtTheSameRowRestoresTheRows) {
    FillStations(5);
    sounyuugyou(3);
    sakujogyou(3);
    EXPECT_EQ(sokutensuu, 5);
    for (int r = 1; r <= 5; ++r) ExpectRowFrom(r, r);
    ExpectEmptyRow(6, "");
}

TEST(StationRows, TextsBeyondTheirTwoHundredRowsDoNotStopTheMove) {
    FillStations(250);
    sounyuugyou(150);
    ExpectRowFrom(200, 199);
    ExpectRowFrom(251, 250);
    sakujogyou(150);
    ExpectRowFrom(199, 199);
    EXPECT_EQ(yokosakuzudata(200, 1), ""); // station 200's text fell off at the insert
    ExpectRowFrom(250, 250);
}

TEST(StationRows, RefusedOperations) {
    struct Case {
        int stations;
        int row;
        bool insert;
        std::string reason;
    };
    const Case cases[] = {
        // clang-format off
        {500, 10, true, kSounyuuMantan},
        {499, 499, true, ""},
        {3, 0, false, kSakujoGyouNashi},
        {3, 4, false, kSakujoGyouNashi},
        {0, 1, false, kSakujoGyouNashi},
        {1, 1, false, kSakujoSaigo},
        {500, 500, false, ""},
        // clang-format on
    };
    for (const Case& c : cases) {
        FillStations(c.stations);
        SCOPED_TRACE(std::to_string(c.stations) + " stations, row " + std::to_string(c.row));
        EXPECT_EQ(c.insert ? sounyuukyohi(c.row) : sakujokyohi(c.row), c.reason);
    }
}

TEST(StationRows, PreviewOfTheCellAfterDeletion) {
    FillStations(3);
    tatedata(3, 3) = kEmpty;
    EXPECT_EQ(sakujogomoji(1, 0), "201");
    EXPECT_EQ(sakujogomoji(2, 2), "");
    FillStations(500);
    EXPECT_EQ(sakujogomoji(500, 0), "");
}
