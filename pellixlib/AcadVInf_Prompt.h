#pragma once
// Tests on the texts of the CAD's command line and history.
#include <string>
#include <string_view>

namespace pellix {

// The command line `line` equals the prompt line `prompt` and reads "ｺﾏﾝﾄﾞ: " (exactly) or
// "Command: " (ignoring case).
bool IsPromptIdle(std::string_view line, std::string_view prompt);
// The text without a leading command prompt.
std::string StripCommandPrompt(std::string_view text);
// What follows the last cancel mark ("*ｷｬﾝｾﾙ*" or "*Cancel*"); the whole text without one.
std::string StripCancelMarks(std::string_view text);

} // namespace pellix
