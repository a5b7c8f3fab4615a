#include "platform/forms/label.h"

#include "platform/forms/click_label.h"
#include "platform/forms/internal.h"

namespace forms {

namespace {
QLabel* Of(const Control* c) { return static_cast<QLabel*>(c->Widget()); }
} // namespace

Label::Label(Container& parent)
        : Control(parent, new internal::ClickLabel([this] {
                      if (OnClick) OnClick();
                  }),
                  1215, 255) {}

std::string Label::Caption() const { return internal::S(Of(this)->text()); }
void Label::SetCaption(const std::string& caption) { Of(this)->setText(internal::Q(caption)); }

void Label::SetAlignment(int alignment) {
    alignment_ = alignment;
    Of(this)->setAlignment(internal::HorizontalAlignment(alignment) | Qt::AlignTop);
}

void Label::SetWordWrap(bool wrap) { Of(this)->setWordWrap(wrap); }

void Label::SetForeColor(long color) {
    QPalette p = Of(this)->palette();
    p.setColor(QPalette::WindowText, internal::ToQColor(color));
    Of(this)->setPalette(p);
}

void Label::SetBackColor(long color) {
    QPalette p = Of(this)->palette();
    p.setColor(QPalette::Window, internal::ToQColor(color));
    Of(this)->setPalette(p);
    Of(this)->setAutoFillBackground(true);
}

} // namespace forms
