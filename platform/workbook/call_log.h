#pragma once
// A record of the application-level calls made on the spreadsheet, in order, for tests:
//   "CreateObject(Excel.sheet)", "GetObject(<path>)", "SaveAs(<path>)", "Close(<name>)", "Quit",
//   "Visible=True" / "Visible=False" (the application),
//   "Windows(1).Visible=True" / "Windows(1).Visible=False", "Select(<sheet name>)".
// The log lives for the whole process; it survives Quit.
#include <string>
#include <vector>

namespace xl {

std::vector<std::string> CallLog();
void ClearCallLog();

} // namespace xl
