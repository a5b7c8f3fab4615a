#include "cad/view/png_renderer.h"

#include "cad/drawing/extents.h"
#include "cad/view/drawing_painter.h"
#include "platform/runtime/error.h"

#include <QGuiApplication>
#include <QImage>

namespace cad::view {

namespace {

void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vantor-cad";
    static char* argv[] = {name, nullptr};
    // Lives as long as the process and is never torn down: a caller may have made and ended
    // applications of its own meanwhile, which leaves this one unfit to run its destructor
    // among the exit handlers.
    static QGuiApplication* const app = new QGuiApplication(argc, argv);
    (void)app;
}

} // namespace

void RenderPng(const Drawing& drawing, const std::string& path, int width, int height) {
    if (width <= 0 || height <= 0) rt::Raise(rt::errApplication, "picture size must be positive");
    EnsureGuiApplication();
    QImage image(width, height, QImage::Format_RGB32);
    const Palette palette{Qt::white, Qt::black};
    image.fill(palette.background);
    {
        QPainter painter(&image);
        PaintDrawing(painter, drawing, FitWorld(DrawingExtents(drawing), QRectF(image.rect()), 10), palette);
    }
    if (!image.save(QString::fromStdString(path), "PNG")) rt::Raise(rt::errApplication, "cannot write " + path);
}

} // namespace cad::view
