#include "platform/runtime/error.h"

namespace rt {

namespace {
const char* StandardText(int number) {
    switch (number) {
    case errOverflow: return "Overflow";
    case errSubscript: return "Subscript out of range";
    case errTypeMismatch: return "Type mismatch";
    case errNoObject: return "Object variable not set";
    case errDdeNoServer: return "No foreign application responded to a DDE initiate";
    case errDdeLinkClosed: return "No DDE channels are currently open";
    case errApplication: return "Application-defined or object-defined error";
    case errDialogCancelled: return "Cancel was selected";
    default: return "Application-defined error";
    }
}
} // namespace

void Raise(int number, const std::string& detail) {
    std::string text = StandardText(number);
    if (!detail.empty()) text += ": " + detail;
    throw Error(number, text);
}

} // namespace rt
