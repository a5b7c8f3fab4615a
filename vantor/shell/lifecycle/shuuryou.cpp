#include "vantor/shell/lifecycle/document_lifecycle.h"

#include "platform/forms/application.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/error.h"
#include "platform/workbook/workbook.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/document.h"
#include "vantor/shell/lifecycle/lifecycle_messages.h"

namespace 縦断bus {

namespace {

// True when the held workbook has changes that were never saved.
bool HoldsUnsavedChanges() {
    if (!HasDocument()) return false;
    try {
        return !xlbook->Saved();
    } catch (const rt::Error&) {
        return false; // the spreadsheet has already gone: nothing is left to save
    }
}

} // namespace

bool MayLetGoOfChanges(const lifecycle_messages::LettingGo& what) {
    if (!HoldsUnsavedChanges()) return true;
    switch (lifecycle_messages::AskSaveBefore(xlbook->FullName(), what)) {
    case forms::vbYes: hozon(); return !HoldsUnsavedChanges();
    case forms::vbNo: return true;
    default: return false;
    }
}

void ReleaseOpenedWorkbook() {
    if (xlshuuryouflg != -1 || !HasDocument()) return;
    try {
        xlbook->Application()->Quit();
    } catch (const rt::Error&) {
        // The spreadsheet has already gone: nothing is left to quit.
    }
    ReleaseDocument();
    xlshuuryouflg = 0;
    bukkujoutai = 0;
}

bool shuuryou() {
    if (!MayLetGoOfChanges(lifecycle_messages::kEnding)) return false;
    if (CadMayEnd && !CadMayEnd()) return false;
    ReleaseOpenedWorkbook();
    forms::End();
    return true;
}

} // namespace 縦断bus
