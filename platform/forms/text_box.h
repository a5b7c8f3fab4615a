#pragma once
// A one-line text entry. Change fires on every change of the text, typed or set.
#include "platform/forms/control.h"

namespace forms {

class TextBox : public Control {
public:
    explicit TextBox(Container& parent);

    std::string Text() const;
    void SetText(const std::string& text);
    // Selects the whole text, so that what is typed next replaces it.
    void SelectAll();
    int Alignment() const { return alignment_; }
    void SetAlignment(int alignment); // AlignmentValue

    std::function<void()> OnChange;

private:
    int alignment_ = 0;
};

} // namespace forms
