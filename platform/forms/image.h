#pragma once
// A picture placed on a screen.
#include "platform/forms/control.h"
#include "platform/forms/picture.h"

namespace forms {

class Image : public Control {
public:
    explicit Image(Container& parent);
    const forms::Picture& Picture() const { return picture_; }
    void SetPicture(const forms::Picture& picture);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    std::function<void()> OnClick;

private:
    forms::Picture picture_;
    bool stretch_ = false;
};

} // namespace forms
