#pragma once
// The Japanese products' texts: the commands write their prompts and messages in English, and
// the command line of a Japanese product shows them through this table.
#include <string>
#include <string_view>

namespace cad::command {

// The Japanese text of a prompt or message; "{}" in the table stands for a name, a number or
// a path, carried over in order. A text the table does not know stays as it is.
std::string JapaneseText(std::string_view english);

} // namespace cad::command
