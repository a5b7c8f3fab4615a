#pragma once
// The reason of a failed workbook command as the user reads it: the program's own texts are
// Japanese and name the sheet and cell; a text of the runtime or the spreadsheet that is not
// is put in Japanese by its error number, with the original kept as the detail.
#include <exception>
#include <string>

namespace 縦断bus {

std::string FailureReason(const std::exception& e);

} // namespace 縦断bus
