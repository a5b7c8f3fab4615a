#include "vantor/model/document.h"

namespace 縦断bus {

bool HasDocument() { return xlbook != nullptr && xlsheets != nullptr; }

void MarkDocumentChanged() {
    if (HasDocument()) xlbook->SetSaved(false);
}

void ReleaseDocument() {
    xlsheets.reset();
    xlbook.reset();
}

} // namespace 縦断bus
