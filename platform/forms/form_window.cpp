#include "platform/forms/form_window.h"

#include <QCloseEvent>

#include <algorithm>

namespace forms::internal {

void ClientArea::AddTopBar(QWidget* bar) {
    topBars_.push_back(bar);
    Arrange();
}

void ClientArea::RemoveTopBar(QWidget* bar) {
    topBars_.erase(std::remove(topBars_.begin(), topBars_.end(), bar), topBars_.end());
    Arrange();
}

void ClientArea::SetFill(QWidget* fill) {
    fill_ = fill;
    Arrange();
}

void ClientArea::Arrange() {
    int y = 0;
    for (QWidget* bar : topBars_) {
        if (bar->isHidden()) continue;
        const int h = bar->sizeHint().height();
        bar->setGeometry(0, y, width(), h);
        y += h;
    }
    if (fill_) fill_->setGeometry(0, y, width(), std::max(0, height() - y));
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Arrange();
}

FormWindow::FormWindow(std::function<bool()> onClose) : onClose_(std::move(onClose)), client_(new ClientArea(this)) {
    setCentralWidget(client_);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (onClose_ && !onClose_()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace forms::internal
