#pragma once
// A line of text on a screen.
#include "platform/forms/control.h"

namespace forms {

class Label : public Control {
public:
    explicit Label(Container& parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    int Alignment() const { return alignment_; }
    void SetAlignment(int alignment); // AlignmentValue
    void SetForeColor(long color);
    void SetBackColor(long color);
    // Long lines break at the label's width instead of running out of it.
    void SetWordWrap(bool wrap);

    std::function<void()> OnClick;

private:
    int alignment_ = vbLeftJustify;
};

} // namespace forms
