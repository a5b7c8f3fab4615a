#pragma once
// Errors of the control: the out-of-resources error its timer set-up raises, and the
// application-wide report of exceptions that end a tick or a delayed dialog event (they never
// leave the window procedure).
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>

namespace pellix {

class EOutOfResources : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using TExceptionReport = std::function<void(const std::string& message)>;

// Replaces the report (none: the default, which writes the message to the standard error).
void SetExceptionReport(TExceptionReport report);
// Reports the exception being handled; call it inside a catch block.
void ReportCurrentException();

} // namespace pellix
