#include "platform/forms/beep.h"

#include "platform/desktop/input.h"

namespace forms {

void Beep() { desk::MessageBeep(0); }

} // namespace forms
