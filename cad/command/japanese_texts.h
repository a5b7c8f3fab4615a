#pragma once
// The Japanese products' texts: the commands write their prompts and messages in English, and
// the command line of a Japanese product shows them through this table.
#include <string>
#include <string_view>

namespace cad::command {

// The Japanese releases that hold one drawing at a time word a few prompts otherwise than the
// later ones: the DXF precision prompt begins "精度を入力" there, "精度として" later.
enum class JapaneseRelease { MultipleDrawings, SingleDrawing };

// The Japanese text of a prompt or message; "{}" in the table stands for a name, a number or
// a path, carried over in order. A text the table does not know stays as it is.
std::string JapaneseText(std::string_view english, JapaneseRelease release = JapaneseRelease::MultipleDrawings);

} // namespace cad::command
