#pragma once
// A QLabel that reports a click released inside it (forms layer only).
#include "platform/forms/events.h"

#include <QLabel>
#include <QMouseEvent>

#include <functional>

namespace forms::internal {

class ClickLabel : public QLabel {
public:
    explicit ClickLabel(std::function<void()> onClick) : onClick_(std::move(onClick)) {
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        if (rect().contains(event->position().toPoint())) Dispatch(onClick_);
    }

private:
    std::function<void()> onClick_;
};

} // namespace forms::internal
