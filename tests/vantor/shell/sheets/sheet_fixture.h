#pragma once
// A document workbook with the seven sheets, made as New makes it, and a clean computation
// unit and message record around every test.
#include "platform/forms/script.h"
#include "platform/workbook/workbook.h"
#include "vantor/shell/document.h"
#include "vantor/shell/sheets/sheet_names.h"
#include "vantor/shell/縦断bus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sheets_test {

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        縦断bus::ResetState();
        forms::script::Reset();
        using namespace 縦断bus;
        xlbook = xl::CreateObject("Excel.sheet");
        xlsheets = xlbook->Worksheets();
        xlsheets->Item("Sheet1")->SetName(kCoordinateSheet);
        for (auto name : {kShoulderSheet, kIpSheet, kCrossSlopeSheet, kProfileSheet,
                          kExistingGroundSheet, kCutFillSheet}) {
            xlbook->Sheets()->Add();
            xlsheets->Item(1)->SetName(name);
        }
    }

    void TearDown() override {
        if (縦断bus::xlbook) 縦断bus::xlbook->Application()->Quit();
        縦断bus::ResetState();
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
};

} // namespace sheets_test
