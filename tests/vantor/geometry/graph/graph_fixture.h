#pragma once
// A small straight profile for the graph: stations 0, 10, 20, planned 10 -> 12 on one grade,
// ground 9.5, 11.5, 12; the graph computed and drawn with its messages recorded.
#include "platform/forms/script.h"
#include "tests/support/program_reset.h"
#include "tests/vantor/geometry/profile/profile_fixture.h"
#include "vantor/geometry/graph/keisangurafu.h"
#include "vantor/geometry/graph/グラフ.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/縦断bus.h"

#include <gtest/gtest.h>

class GraphTest : public ::testing::Test {
protected:
    void SetUp() override { test_support::ResetProgram(); }
    void TearDown() override { test_support::ResetProgram(); }

    static void Compute(std::initializer_list<profile_test::Row> rows) {
        profile_test::LoadProfile(rows);
        縦断bus::keisantate();
    }

    void DrawStraight(const char* grid = "v") {
        Compute({{0, 9.5f, 10}, {10, 11.5f}, {20, 12, 12}});
        縦断bus::xhyouji = 縦断bus::yhyouji = std::string(grid);
        縦断bus::keisangurafu();
    }

    static forms::PictureBox& Picture() { return forms::Get<グラフ>().図; }
};
