#include "open_documents.h"

#include "../pipeline/large_document.h"
#include "platform/forms/forms.h"
#include "platform/forms/script.h"
#include "platform/workbook/workbook.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/document.h"
#include "vantor/shell/lifecycle/document_lifecycle.h"

#include <cstdlib>
#include <filesystem>

namespace open_bench {

namespace {

constexpr int kLastRow = 65536;

// The plain document with `fill` done on each sheet it names (1-based indexes).
void WriteVariant(const std::string& plain, const std::string& path, bool everySheet, void (*fill)(xl::Worksheet&)) {
    auto book = xl::GetObject(plain);
    if (!everySheet) fill(*book->Worksheets("縦断ｼｰﾄ"));
    else
        for (int index = 1; index <= book->Worksheets()->Count(); ++index) fill(*book->Worksheets(index));
    if (std::filesystem::exists(path)) std::filesystem::remove(path);
    book->SaveAs(path);
    book->Application()->Quit();
}

void LastRowValue(xl::Worksheet& sheet) { sheet.Cells(kLastRow, 1)->SetValue(1); }

void LastColumnFull(xl::Worksheet& sheet) { sheet.Range("IV1:IV65536")->SetValue(1); }

} // namespace

std::vector<Document> Documents(const std::string& folder, bool write) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string plain = pipeline_bench::DocumentPaths(folder).sections;
    std::vector<Document> documents = {
        {"plain", plain},
        {"value_in_last_row_of_every_sheet", folder + "/last_row.xls"},
        {"last_column_full_in_profile_sheet", folder + "/last_column_one.xls"},
        {"last_column_full_in_every_sheet", folder + "/last_column_all.xls"},
    };
    if (!write) return documents;
    pipeline_bench::WriteDocuments(folder);
    WriteVariant(plain, documents[1].path, true, LastRowValue);
    WriteVariant(plain, documents[2].path, false, LastColumnFull);
    WriteVariant(plain, documents[3].path, true, LastColumnFull);
    pipeline_bench::RestartProgram();
    return documents;
}

bool Open(const std::string& path) {
    if (縦断bus::xlbook && !縦断bus::xlbook->Saved()) forms::script::QueueMsgBoxAnswer(forms::vbNo);
    forms::script::QueueFileName(path);
    縦断bus::hiraku();
    return 縦断bus::fairumei == path && 縦断bus::bukkujoutai == 2;
}

} // namespace open_bench
