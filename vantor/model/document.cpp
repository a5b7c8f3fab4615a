#include "vantor/model/document.h"

namespace 縦断bus {

bool HasDocument() { return xlbook != nullptr && xlsheets != nullptr; }

void ReleaseDocument() {
    xlsheets.reset();
    xlbook.reset();
}

} // namespace 縦断bus
