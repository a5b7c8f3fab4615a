#pragma once
// One way back to a program as it starts, for every fixture: the screens unloaded (their unload
// handlers may still use the tables), the scripted answers and recorded messages dropped, then
// the tables and variables at their start-up values (which lets go of the document).
#include "platform/forms/form.h"
#include "platform/forms/script.h"
#include "vantor/model/縦断bus.h"

namespace test_support {

inline void ResetProgram() {
    forms::UnloadAll();
    forms::script::Reset();
    縦断bus::ResetState();
}

} // namespace test_support
