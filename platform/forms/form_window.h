#pragma once
// The Qt side of a screen (forms layer only): the top-level window and its client area, which
// keeps top-aligned bars (toolbars) across its width and lets a workspace fill the rest.
#include <QMainWindow>

#include <functional>
#include <vector>

namespace forms::internal {

class ClientArea : public QWidget {
public:
    using QWidget::QWidget;
    void AddTopBar(QWidget* bar);
    void RemoveTopBar(QWidget* bar);
    void SetFill(QWidget* fill);
    void Arrange();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<QWidget*> topBars_;
    QWidget* fill_ = nullptr;
};

class FormWindow : public QMainWindow {
public:
    // onClose: returns true when the window may close.
    explicit FormWindow(std::function<bool()> onClose);
    ClientArea* Client() const { return client_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<bool()> onClose_;
    ClientArea* client_;
};

} // namespace forms::internal
