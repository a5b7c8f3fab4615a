#pragma once
// A document workbook with the seven sheets, made as New makes it, and a clean computation
// unit and message record around every test.
#include "platform/forms/script.h"
#include "platform/runtime/error.h"
#include "platform/workbook/workbook.h"
#include "tests/support/program_reset.h"
#include "vantor/model/document.h"
#include "vantor/model/sheet_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sheets_test {

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::ResetProgram();
        using namespace 縦断bus;
        xlbook = xl::CreateObject("Excel.sheet");
        xlsheets = xlbook->Worksheets();
        xlsheets->Item("Sheet1")->SetName(kCoordinateSheet);
        for (auto name :
             {kShoulderSheet, kIpSheet, kCrossSlopeSheet, kProfileSheet, kExistingGroundSheet, kCutFillSheet}) {
            xlbook->Sheets()->Add();
            xlsheets->Item(1)->SetName(name);
        }
    }

    void TearDown() override {
        if (縦断bus::xlbook) 縦断bus::xlbook->Application()->Quit();
        test_support::ResetProgram();
    }

    static std::shared_ptr<xl::Worksheet> Sheet(std::string_view name) { return 縦断bus::xlsheets->Item(name); }
    static std::string Text(std::string_view sheet, std::string_view cell) {
        return Sheet(sheet)->Range(cell)->Value().Text();
    }
    static void Put(std::string_view sheet, std::string_view cell, const xl::CellValue& value) {
        Sheet(sheet)->Range(cell)->SetValue(value);
    }
    static std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& m : forms::script::Messages()) texts.push_back(m.prompt);
        return texts;
    }
    // `read` raises error 13 with `text` and tells nothing; `command`, the same reader as a
    // command of its own, tells `text` and that the sheet was not read.
    static void ExpectNotANumber(void (*read)(), void (*command)(), const std::string& text) {
        try {
            read();
            ADD_FAILURE() << "no error raised";
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Number(), rt::errTypeMismatch);
            EXPECT_EQ(e.what(), text);
        }
        EXPECT_TRUE(Messages().empty());
        command();
        EXPECT_EQ(Messages(), std::vector<std::string>{text + "\nこのシートは読み込みませんでした。"});
    }
};

} // namespace sheets_test
