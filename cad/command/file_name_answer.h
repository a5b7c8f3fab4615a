#pragma once
// File names typed at a file prompt: blanks around and one pair of enclosing double quotes
// are dropped, and a name without extension takes the prompt's default extension (".dwg").
#include <string>
#include <string_view>

namespace cad::command {

std::string FileNameAnswer(std::string_view typed, std::string_view extension);

// The path with its extension replaced (or added).
std::string WithExtension(std::string_view path, std::string_view extension);

} // namespace cad::command
