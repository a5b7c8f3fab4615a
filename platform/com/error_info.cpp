#include "platform/com/error_info.h"

#include <optional>

namespace com {

namespace {
thread_local std::optional<ErrorInfo> lastError;
} // namespace

void SetErrorInfo(const ErrorInfo& info) { lastError = info; }

void ClearErrorInfo() { lastError.reset(); }

HRESULT GetErrorInfo(ErrorInfo* info) {
    if (!lastError) return S_FALSE;
    if (info) *info = std::move(*lastError);
    lastError.reset();
    return S_OK;
}

} // namespace com
