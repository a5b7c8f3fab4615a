#pragma once
// Appends one entry to the call log (see call_log.h for the entries).
#include <string>

namespace xl::detail {
void LogCall(std::string entry);
}
