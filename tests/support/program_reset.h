#pragma once
// One way back to a program as it starts, for every fixture: the screens unloaded (their unload
// handlers may still use the document), the document's spreadsheet quit, the scripted answers
// and recorded messages dropped, then the tables and variables at their start-up values.
#include "platform/forms/form.h"
#include "platform/forms/script.h"
#include "platform/workbook/workbook.h"
#include "vantor/model/document.h"
#include "vantor/model/縦断bus.h"

namespace test_support {

inline void ResetProgram() {
    forms::UnloadAll();
    if (縦断bus::xlbook) 縦断bus::xlbook->Application()->Quit();
    forms::script::Reset();
    縦断bus::ResetState();
}

} // namespace test_support
