#include "cad/view/product_window.h"

#include "cad/app/instance.h"
#include "cad/app/window_texts.h"
#include "cad/view/cad_window.h"
#include "cad/view/drawing_canvas.h"
#include "platform/desktop/files.h"
#include "platform/desktop/window.h"
#include "platform/runtime/cp932.h"

#include <QCloseEvent>

#include <functional>
#include <memory>

namespace cad::view {

namespace {

class ProductInput final : public UserInput {
public:
    explicit ProductInput(app::Instance& instance) : instance_(instance) {}
    void Type(std::string_view keys) override { instance_.TypeFromUser(keys); }
    bool PickPoint(Point p) override { return instance_.Pick(p); }
    bool PickObject(std::optional<std::size_t> entity, Point at) override { return instance_.PickObject(entity, at); }
    std::string Line() const override { return instance_.CommandLineShown(); }
    std::string HistoryLine(const std::string& line) const override { return app::ShownHistoryLine(line, instance_.product()); }
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
        const desk::HWND frame = instance.Windows().mainFrame;
        if (!desk::IsWindowVisible(frame)) return;
        if (desk::IsIconic(frame)) window_->showMinimized();
        else window_->show();
    }

    void SetCaption(const std::string& caption) override { window_->setWindowTitle(QString::fromStdString(caption)); }

    void ClickAt(double fx, double fy, bool rightButton) override {
        DrawingCanvas* canvas = window_->Canvas();
        canvas->ClickAt(QPointF(fx * canvas->width(), fy * canvas->height()), rightButton ? Qt::RightButton : Qt::LeftButton);
    }

private:
    ProductInput input_;
    std::unique_ptr<ProductCadWindow> window_;
};

} // namespace

void ShowProductsOnScreen() {
    app::SetViewFactory([](app::Instance& instance) { return std::make_unique<ProductWindow>(instance); });
}

} // namespace cad::view
