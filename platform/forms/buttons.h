#pragma once
// Push button, check box and option button. Check and option buttons fire Click whenever
// their value changes, clicked or set.
#include "platform/forms/control.h"

namespace forms {

class CommandButton : public Control {
public:
    explicit CommandButton(Container& parent);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    std::function<void()> OnClick;
};

enum CheckBoxValue : int { vbUnchecked = 0, vbChecked = 1, vbGrayed = 2 };

class CheckBox : public Control {
public:
    explicit CheckBox(Container& parent);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    int Value() const; // CheckBoxValue
    void SetValue(int value);
    long ForeColor() const { return foreColor_; } // caption colour, 0x00BBGGRR
    void SetForeColor(long color);
    std::function<void()> OnClick;

private:
    long foreColor_ = 0;
};

// Option buttons on the same container exclude each other.
class OptionButton : public Control {
public:
    explicit OptionButton(Container& parent);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Value() const;
    void SetValue(bool value);
    std::function<void()> OnClick; // when it becomes the selected one
};

} // namespace forms
