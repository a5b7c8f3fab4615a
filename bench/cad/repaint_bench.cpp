// Repainting a survey-map-like drawing of 100 000 entities (lines, polylines, circles, arcs,
// texts and block inserts spread over 10 km) into a window-sized picture: the whole drawing
// in view, a tenth of it while panning, and building the scene after the drawing changed.
#include "cad/drawing/extents.h"
#include "cad/view/drawing_painter.h"
#include "cad/view/drawing_scene.h"
#include "platform/runtime/number_text.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

constexpr int kEntities = 100000;
const cad::view::Palette kScreen{QColor(33, 40, 48), QColor(240, 240, 240)};

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

const cad::Drawing& SurveyMap() {
    static const cad::Drawing drawing = [] {
        cad::Drawing d;
        d.SetBlock(
            cad::Block{"BM", {}, {cad::Entity{cad::Circle{{0, 0}, 1}}, cad::Entity{cad::Line{{-1.5, 0}, {1.5, 0}}}}});
        unsigned seed = 12345;
        auto next = [&] {
            seed = seed * 1103515245u + 12345u;
            return static_cast<double>((seed >> 8) & 0xFFFF) / 65535.0;
        };
        for (int i = 0; i < kEntities; ++i) {
            const double x = next() * 10000, y = next() * 10000, z = next() * 50;
            d.SetCurrentColour(1 + i % 7);
            switch (i % 10) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4: d.Add(cad::Line{{x, y, z}, {x + next() * 40 - 20, y + next() * 40 - 20, z + 1}}); break;
            case 5:
            case 6: {
                cad::Polyline pl;
                for (int k = 0; k < 6; ++k) pl.vertices.push_back({x + k * 5, y + std::sin(k) * 5, z});
                d.Add(std::move(pl));
                break;
            }
            case 7: d.Add(cad::Circle{{x, y}, 1 + next() * 3}); break;
            case 8: d.Add(cad::Text{{x, y}, 2.5, next() * 90, "No." + rt::CStr(i) + " 用地境界"}); break;
            default: d.Add(cad::Insert{"BM", {x, y}, 1, 1, 0}); break;
            }
        }
        return d;
    }();
    return drawing;
}

void Paint(benchmark::State& state, double zoom) {
    EnsureApplication();
    const cad::Drawing& d = SurveyMap();
    const cad::view::DrawingScene scene(d);
    QImage picture(960, 720, QImage::Format_RGB32);
    const cad::Rect extents = cad::DrawingExtents(d);
    const double cx = (extents.minX + extents.maxX) / 2, cy = (extents.minY + extents.maxY) / 2;
    const double half = (extents.maxX - extents.minX) / 2 / zoom;
    int step = 0;
    for (auto _ : state) {
        const double pan = zoom > 1 ? (step++ % 20) * half / 20 : 0;
        const auto view = cad::Rect::FromCorners({cx - half + pan, cy - half}, {cx + half + pan, cy + half});
        picture.fill(kScreen.background);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.Paint(painter, cad::view::FitWorld(view, QRectF(picture.rect()), 10), kScreen);
    }
}

void BM_RepaintWholeDrawing(benchmark::State& state) { Paint(state, 1); }
void BM_RepaintPanningATenth(benchmark::State& state) { Paint(state, 10); }

void BM_BuildSceneAfterAChange(benchmark::State& state) {
    EnsureApplication();
    const cad::Drawing& d = SurveyMap();
    for (auto _ : state) benchmark::DoNotOptimize(cad::view::DrawingScene(d));
}

} // namespace

BENCHMARK(BM_RepaintWholeDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintPanningATenth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildSceneAfterAChange)->Unit(benchmark::kMillisecond);
