#pragma once
// The system's warning sound, as a screen sounds it when it refuses a choice.

namespace forms {

void Beep();

} // namespace forms
