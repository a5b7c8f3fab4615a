#include "cad/view/product_window.h"

#include "cad/app/instance.h"
#include "cad/app/window_texts.h"
#include "cad/view/cad_window.h"
#include "cad/view/drawing_canvas.h"
#include "platform/desktop/files.h"
#include "platform/runtime/cp932.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <functional>
#include <memory>

namespace cad::view {

namespace {

// What a window system puts beside a caption: the window's icon and its buttons.
constexpr int kCaptionControlsWidth = 140;

// A window system cuts a caption wider than its window, and a message box is as wide as its
// text: the box is widened until its caption, in a bold face, fits whole.
void WidenForCaption(QMessageBox& box) {
    QFont bold = box.font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + kCaptionControlsWidth;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

class ProductInput final : public UserInput {
public:
    explicit ProductInput(app::Instance& instance) : instance_(instance) {}
    void Type(std::string_view keys) override { instance_.TypeFromUser(keys); }
    bool PickPoint(Point p) override { return instance_.Pick(p); }
    bool PickObject(std::optional<std::size_t> entity, Point at) override { return instance_.PickObject(entity, at); }
    std::string Line() const override { return instance_.CommandLineShown(); }
    std::string HistoryLine(const std::string& line) const override {
        return app::ShownHistoryLine(line, instance_.product());
    }
    // The product knows files by their paths on the desktop's drives.
    std::string FileName(const std::string& chosen) const override {
        const std::string path = desk::FromNativePath(chosen);
        return path.empty() ? chosen : rt::Cp932ToUtf8(path);
    }

private:
    app::Instance& instance_;
};

class ProductCadWindow final : public CadWindow {
public:
    ProductCadWindow(app::Instance& instance, UserInput& input)
            : CadWindow(instance.drawing(), instance.commandLine(), &input), instance_(instance) {}

protected:
    // The product decides: it ends, or asks about unsaved changes at the command line.
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        instance_.Close();
    }

private:
    app::Instance& instance_;
};

class ProductWindow final : public app::ProductView {
public:
    explicit ProductWindow(app::Instance& instance)
            : input_(instance), window_(std::make_unique<ProductCadWindow>(instance, input_)) {
        SetCaption(instance.Caption());
        Follow(instance.FramePlacement());
    }

    void SetCaption(const std::string& caption) override { window_->setWindowTitle(QString::fromStdString(caption)); }

    void Follow(const app::FramePlace& place) override {
        if (!place.visible) {
            window_->hide();
            return;
        }
        if (place.minimized) {
            window_->showMinimized();
            return;
        }
        if (place.maximized) {
            window_->showMaximized();
            return;
        }
        // The desktop's rectangle is the outer one: the window manager's frame, known once the
        // window is shown, is taken off the size.
        if (window_->isMinimized() || window_->isMaximized()) window_->showNormal();
        else window_->show();
        const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
        window_->move(place.rect.left, place.rect.top);
        window_->resize(std::max(place.rect.right - place.rect.left - frame.width(), 1),
                        std::max(place.rect.bottom - place.rect.top - frame.height(), 1));
    }

    void BringToFront() override {
        if (!window_->isVisible() || window_->isMinimized()) return;
        window_->raise();
        window_->activateWindow();
        // The user answers at the command line too: Esc there ends a series of picks.
        window_->FocusCommandLine();
    }

    command::SaveChoice AskSaveChanges(const std::string& drawingName) override {
        ShowForQuestion();
        QMessageBox box(QMessageBox::Warning, window_->windowTitle(),
                        QString::fromStdString(drawingName) + QString::fromUtf8(" への変更を保存しますか?"),
                        QMessageBox::NoButton, window_.get());
        QPushButton* save = box.addButton(QString::fromUtf8("保存(&Y)"), QMessageBox::AcceptRole);
        QPushButton* discard = box.addButton(QString::fromUtf8("保存しない(&N)"), QMessageBox::DestructiveRole);
        QPushButton* cancel = box.addButton(QString::fromUtf8("キャンセル"), QMessageBox::RejectRole);
        box.setDefaultButton(save);
        box.setEscapeButton(cancel);
        WidenForCaption(box);
        box.exec();
        if (box.clickedButton() == save) return command::SaveChoice::Save;
        if (box.clickedButton() == discard) return command::SaveChoice::Discard;
        return command::SaveChoice::Cancel;
    }

    std::string ChooseDrawingFile(const std::string& drawingName) override {
        ShowForQuestion();
        const QString name = window_->ChooseFile(CadWindow::FileUse::Save, QString::fromStdString(drawingName));
        return name.isEmpty() ? std::string() : input_.FileName(name.toStdString());
    }

    void ClickAt(double fx, double fy, bool rightButton) override {
        DrawingCanvas* canvas = window_->Canvas();
        canvas->ClickAt(QPointF(fx * canvas->width(), fy * canvas->height()),
                        rightButton ? Qt::RightButton : Qt::LeftButton);
    }

private:
    // A question about the drawing is asked over its window, shown even when the product
    // was hidden or minimised.
    void ShowForQuestion() {
        if (!window_->isVisible() || window_->isMinimized()) window_->showNormal();
        window_->raise();
        window_->activateWindow();
    }

    ProductInput input_;
    std::unique_ptr<ProductCadWindow> window_;
};

} // namespace

void ShowProductsOnScreen() {
    app::SetViewFactory([](app::Instance& instance) { return std::make_unique<ProductWindow>(instance); });
}

} // namespace cad::view
