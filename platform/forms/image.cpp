#include "platform/forms/image.h"

#include "platform/forms/click_label.h"

#include <QImage>
#include <QPixmap>

namespace forms {

namespace {
QLabel* Of(const Control* c) { return static_cast<QLabel*>(c->Widget()); }
} // namespace

Image::Image(Container& parent)
        : Control(parent, new internal::ClickLabel([this] {
                      if (OnClick) OnClick();
                  }),
                  480, 480) {}

void Image::SetPicture(const forms::Picture& picture) {
    picture_ = picture;
    Of(this)->setPixmap(picture.Empty() ? QPixmap() : QPixmap::fromImage(*picture.Image()));
}

void Image::SetStretch(bool stretch) {
    stretch_ = stretch;
    Of(this)->setScaledContents(stretch);
}

} // namespace forms
