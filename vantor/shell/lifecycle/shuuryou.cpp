#include "vantor/shell/lifecycle/document_lifecycle.h"

#include "platform/forms/application.h"
#include "platform/runtime/error.h"
#include "platform/workbook/workbook.h"
#include "vantor/model/document.h"
#include "vantor/model/縦断bus.h"

namespace 縦断bus {

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

void shuuryou() {
    ReleaseOpenedWorkbook();
    forms::End();
}

} // namespace 縦断bus
