#include "platform/workbook/call_log.h"

#include "platform/workbook/call_log_entry.h"

namespace xl {

namespace {
std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}
} // namespace

std::vector<std::string> CallLog() { return Log(); }
void ClearCallLog() { Log().clear(); }

namespace detail {
void LogCall(std::string entry) { Log().push_back(std::move(entry)); }
} // namespace detail

} // namespace xl
