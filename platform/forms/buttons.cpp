#include "platform/forms/buttons.h"

#include "platform/forms/events.h"
#include "platform/forms/internal.h"

#include <QCheckBox>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

namespace forms {

namespace {
QAbstractButton* Of(const Control* c) { return static_cast<QAbstractButton*>(c->Widget()); }
} // namespace

CommandButton::CommandButton(Container& parent) : Control(parent, new QPushButton, 1215, 495) {
    QObject::connect(Of(this), &QAbstractButton::clicked, [this] {
        internal::Dispatch([this] {
            if (OnClick) OnClick();
        });
    });
}
std::string CommandButton::Caption() const { return internal::S(Of(this)->text()); }
void CommandButton::SetCaption(const std::string& caption) { Of(this)->setText(internal::Q(caption)); }

CheckBox::CheckBox(Container& parent) : Control(parent, new QCheckBox, 1215, 255) {
    QObject::connect(static_cast<QCheckBox*>(Widget()), &QCheckBox::stateChanged, [this] {
        internal::Dispatch([this] {
            if (OnClick) OnClick();
        });
    });
}
std::string CheckBox::Caption() const { return internal::S(Of(this)->text()); }
void CheckBox::SetCaption(const std::string& caption) { Of(this)->setText(internal::Q(caption)); }
int CheckBox::Value() const {
    switch (static_cast<QCheckBox*>(Widget())->checkState()) {
    case Qt::Checked: return vbChecked;
    case Qt::PartiallyChecked: return vbGrayed;
    default: return vbUnchecked;
    }
}
void CheckBox::SetValue(int value) {
    auto* box = static_cast<QCheckBox*>(Widget());
    if (value == vbGrayed) box->setTristate(true);
    const Qt::CheckState state = value == vbChecked  ? Qt::Checked
                                 : value == vbGrayed ? Qt::PartiallyChecked
                                                     : Qt::Unchecked;
    internal::FromCode([box, state] { box->setCheckState(state); });
}
void CheckBox::SetForeColor(long color) {
    foreColor_ = color;
    QPalette p = Of(this)->palette();
    p.setColor(QPalette::WindowText, internal::ToQColor(color));
    p.setColor(QPalette::ButtonText, internal::ToQColor(color));
    Of(this)->setPalette(p);
}

OptionButton::OptionButton(Container& parent) : Control(parent, new QRadioButton, 1215, 255) {
    QObject::connect(Of(this), &QAbstractButton::toggled, [this](bool on) {
        if (on)
            internal::Dispatch([this] {
                if (OnClick) OnClick();
            });
    });
}
std::string OptionButton::Caption() const { return internal::S(Of(this)->text()); }
void OptionButton::SetCaption(const std::string& caption) { Of(this)->setText(internal::Q(caption)); }
bool OptionButton::Value() const { return Of(this)->isChecked(); }
void OptionButton::SetValue(bool value) {
    internal::FromCode([this, value] { Of(this)->setChecked(value); });
}

} // namespace forms
