#pragma once
// The runtime error every layer raises: a number the caller can test and a text for the user.
#include <stdexcept>
#include <string>

namespace rt {

enum ErrorNumber : int {
    errOverflow = 6,           // value outside the range of its type
    errSubscript = 9,          // index outside a table or collection
    errTypeMismatch = 13,      // text that is no number, wrong kind of value
    errNoObject = 91,          // object reference not set or disconnected
    errDdeNoServer = 282,      // no application answered a link initiate
    errDdeLinkClosed = 286,    // execute on a link that is not open
    errApplication = 1004,     // failure inside an automated application
    errDialogCancelled = 32755 // common dialog cancelled with CancelError on
};

class Error : public std::runtime_error {
public:
    Error(int number, const std::string& text) : std::runtime_error(text), number_(number) {}
    int Number() const noexcept { return number_; }
    std::string Description() const { return what(); }

private:
    int number_;
};

// Raises error `number` with its usual text, or with `detail` appended when given.
[[noreturn]] void Raise(int number, const std::string& detail = {});

} // namespace rt
