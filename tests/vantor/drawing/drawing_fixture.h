#pragma once
// A clean run of the program around every test: the computation unit, the drawing and
// cross-slope state, no screen loaded, no message; a document workbook with the seven sheets
// when a test asks for one.
#include "platform/dde/dde_server.h"
#include "platform/forms/forms.h"
#include "platform/forms/script.h"
#include "platform/workbook/workbook.h"
#include "tests/support/program_reset.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/document.h"
#include "vantor/model/sheet_names.h"
#include "vantor/pellix/detached_pellix.h"
#include "vantor/pellix/place_pellix.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace drawing_test {

// A CAD end that keeps every execute, refusing the one numbered `refuseAt` (from 1).
struct RecordingCad {
    explicit RecordingCad(int refuseAt = 0)
            : registration("AutoCAD LT.DDE", "System", [this, refuseAt](const std::string& command) {
                  if (++count == refuseAt) throw std::runtime_error("refused");
                  executes.push_back(command);
              }) {}
    int count = 0;
    std::vector<std::string> executes;
    dde::ServerRegistration registration;
};

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::ResetProgram();
        // No control library runs here: the screens' CAD controls are attached to nothing.
        縦断bus::SetPellixPlacement(
            [](forms::Form&, const std::string&, int, int) { return std::make_unique<縦断bus::DetachedPellix>(); });
        // As the program starts: every cross-slope cell empty.
        縦断bus::yokodata.Fill(縦断bus::kEmpty);
    }
    void TearDown() override {
        forms::UnloadAll();
        if (縦断bus::xlbook) 縦断bus::xlbook->Application()->Quit();
        test_support::ResetProgram();
        縦断bus::SetPellixPlacement(nullptr);
    }

    // A workbook as New makes it: the seven named sheets.
    static void OpenDocument() {
        using namespace 縦断bus;
        xlbook = xl::CreateObject("Excel.sheet");
        xlsheets = xlbook->Worksheets();
        xlsheets->Item("Sheet1")->SetName(std::string(kCoordinateSheet));
        for (auto name :
             {kShoulderSheet, kIpSheet, kCrossSlopeSheet, kProfileSheet, kExistingGroundSheet, kCutFillSheet}) {
            xlbook->Sheets()->Add();
            xlsheets->Item(1)->SetName(std::string(name));
        }
    }
    static std::shared_ptr<xl::Worksheet> Sheet(std::string_view name) {
        return 縦断bus::xlsheets->Item(std::string(name));
    }
    static std::string Cell(std::string_view sheet, int row, int column) {
        return Sheet(sheet)->Cells(row, column)->Value().Text();
    }

    static std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& m : forms::script::Messages()) texts.push_back(m.prompt);
        return texts;
    }

    // Stations (m) with their planned heights (m); ground heights equal the planned ones.
    static void SetProfile(std::initializer_list<std::pair<float, float>> rows) {
        using namespace 縦断bus;
        sokutensuu = 0;
        for (const auto& [station, height] : rows) {
            ++sokutensuu;
            tatedata(sokutensuu, 1) = station;
            tatedata(sokutensuu, 2) = height;
            tatedata(sokutensuu, 5) = height;
        }
    }
};

} // namespace drawing_test
