#pragma once
// The description of the last failure of the calling thread, set by the object that failed and
// taken by the caller that sees the failing result.
#include "platform/com/guid.h"

#include <stdexcept>
#include <string>

namespace com {

struct ErrorInfo {
    IID iid;                 // the interface whose member failed
    std::string source;      // UTF-8, the failing component's ProgID
    std::string description; // UTF-8
};

// A failure a member raises with its own result code (negative) and description.
class Error : public std::runtime_error {
public:
    Error(HRESULT code, const std::string& description) : std::runtime_error(description), code_(code) {}
    HRESULT Code() const noexcept { return code_; }

private:
    HRESULT code_;
};

// Replaces the thread's error information.
void SetErrorInfo(const ErrorInfo& info);
// Forgets it.
void ClearErrorInfo();
// S_OK and the information (which is then forgotten), or S_FALSE when there is none.
HRESULT GetErrorInfo(ErrorInfo* info);

} // namespace com
