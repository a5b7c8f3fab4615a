#pragma once
// What the command-line windows answer to WM_GETTEXT, in code page 932:
//   the command line ("Headlands"): the prompt and what is typed, e.g. "Command: LI";
//   the history ("MountTam"): the recent history lines one after another, without line
//   breaks, so that the echo of a command follows a cancel mark or the idle prompt at once:
//   "Command: *Cancel*Command: _iDSpecify point: 1,2X = 1.0000     Y = 2.0000     Z = 0.0000".
// Cancel marks and the idle prompt are those of the product's language.
#include "cad/app/product.h"

#include <cstddef>
#include <deque>
#include <string>

namespace cad::app {

inline constexpr std::size_t kHistoryTextLines = 400;

std::string CommandLineText(const std::string& lineUtf8);
// A line of the history as the product shows it, with its own cancel mark (UTF-8).
std::string ShownHistoryLine(std::string_view lineUtf8, const Product& product);
std::string HistoryText(const std::deque<std::string>& history, const Product& product);

} // namespace cad::app
