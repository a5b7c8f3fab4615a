#include "vantor/shell/lifecycle/document_lifecycle.h"

#include "platform/workbook/workbook.h"
#include "vantor/geometry/grid/hyoujitate.h"
#include "vantor/geometry/grid/入出力画面.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/model/bus/coordinate_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/document.h"
#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_names.h"
#include "vantor/model/sheets/coordinate_sheet.h"
#include "vantor/model/sheets/cross_slope_sheet.h"
#include "vantor/model/sheets/ip_sheet.h"
#include "vantor/model/sheets/profile_sheet.h"
#include "vantor/model/sheets/section_point_sheets.h"
#include "vantor/model/sheets/shoulder_sheet.h"
#include "vantor/shell/lifecycle/document_state.h"
#include "vantor/shell/lifecycle/failure_reason.h"
#include "vantor/shell/lifecycle/lifecycle_messages.h"
#include "vantor/shell/lifecycle/main_window_states.h"
#include "vantor/shell/lifecycle/profile_rows.h"
#include "vantor/shell/待表示.h"

#include <exception>

namespace 縦断bus {

namespace {

// A new workbook whose sheets carry the document's seven names.
void CreateDocumentWorkbook() {
    auto book = xl::CreateObject("Excel.sheet");
    auto sheets = book->Worksheets();
    book->Parent()->Windows(1)->SetVisible(true);
    sheets->Item("Sheet1")->SetName("座標値ｼｰﾄ");
    for (const char* name : {"路肩ｼｰﾄ", "ＩＰ座標入力", "横断ｼｰﾄ", "縦断ｼｰﾄ", "現況横断ｼｰﾄ", "切盛ﾗｲﾝ入力ｼｰﾄ"}) {
        book->Sheets()->Add();
        sheets->Item(1)->SetName(name);
    }
    xlbook = book;
    xlsheets = sheets;
}

} // namespace

void shinki() {
    if (!MayLetGoOfChanges(lifecycle_messages::kMakingNew)) return;
    待表示& wait = forms::Get<待表示>();
    wait.ShowState("しばらくお待ちください・・", true);
    const bool freshWorkbook = !HasDocument();
    try {
        if (freshWorkbook) CreateDocumentWorkbook();
        bukkujoutai = 1;
        shoshikitate();
        shoshikiip();
        shoshikigenkyou();
        shoshikizahyou();
        shoshikiyoko();
        shoshikirokata();
        // The formatters keep the values of a held workbook; its reference points go with the
        // earlier document, or Save would write them and the next Open show them again.
        if (!freshWorkbook) ClearReferencePoints(*sheet_cells::SheetNamed(kCoordinateSheet));
    } catch (const std::exception& e) {
        wait.Hide();
        lifecycle_messages::TellNewFailed(FailureReason(e));
        return;
    }
    // A new workbook holds no data, and so neither does its document: nothing of an earlier
    // document (no alignment point either) is saved into it.
    if (freshWorkbook) {
        ClearDocumentTables();
        xlbook->SetSaved(true); // its formats are New's own: nothing the user would lose
    } else {
        // The held workbook's tables stay, but for its reference points (emptied in its sheet
        // above): the coordinate conversion would show them, or what its last fit counted, as
        // the new document's.
        zahyoudata.Fill(0);
        zahyousuu = 0;
    }
    ++documentNumber;
    hirakuflg = 0;
    EnableAfterNew();
    wait.ShowState("お待たせしました・・", false);

    EmptyProfileRows();
    keisantate();
    hyoujitate();
    forms::Get<入出力画面>().Show();
    wait.Hide();
}

} // namespace 縦断bus
