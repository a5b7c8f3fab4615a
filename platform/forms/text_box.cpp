#include "platform/forms/text_box.h"

#include "platform/forms/events.h"
#include "platform/forms/internal.h"

#include <QLineEdit>

namespace forms {

namespace {
QLineEdit* Of(const Control* c) { return static_cast<QLineEdit*>(c->Widget()); }
} // namespace

TextBox::TextBox(Container& parent) : Control(parent, new QLineEdit, 1215, 375) {
    QObject::connect(Of(this), &QLineEdit::textChanged, [this] {
        internal::Dispatch([this] {
            if (OnChange) OnChange();
        });
    });
}

std::string TextBox::Text() const { return internal::S(Of(this)->text()); }
void TextBox::SetText(const std::string& text) {
    internal::FromCode([this, &text] { Of(this)->setText(internal::Q(text)); });
}
void TextBox::SelectAll() { Of(this)->selectAll(); }

void TextBox::SetAlignment(int alignment) {
    alignment_ = alignment;
    Of(this)->setAlignment(internal::HorizontalAlignment(alignment) | Qt::AlignVCenter);
}

} // namespace forms
