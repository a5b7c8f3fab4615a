#include "platform/forms/frame.h"

#include "platform/forms/internal.h"

#include <QGroupBox>

namespace forms {

namespace {
QGroupBox* Of(const Control* c) { return static_cast<QGroupBox*>(c->Widget()); }
} // namespace

// A frame is opaque: what lies behind it (a grid, say) does not show through its controls.
Frame::Frame(Container& parent) : Control(parent, new QGroupBox, 2415, 1455) { Widget()->setAutoFillBackground(true); }

std::string Frame::Caption() const { return internal::S(Of(this)->title()); }
void Frame::SetCaption(const std::string& caption) { Of(this)->setTitle(internal::Q(caption)); }

} // namespace forms
