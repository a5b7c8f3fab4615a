#pragma once
// A captioned frame that groups controls; option buttons inside it form one group.
#include "platform/forms/control.h"

namespace forms {

class Frame : public Control, public Container {
public:
    explicit Frame(Container& parent);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    QWidget* ClientWidget() const override { return Widget(); }
};

} // namespace forms
