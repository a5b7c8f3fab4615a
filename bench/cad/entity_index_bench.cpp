// The entity index behind selection in a drawing of 26 000 entities (lines, circles, texts and
// block inserts, as a road drawing holds them), built once: an entity far back erased, or an
// insert far back exploded, then a window selection, which brings the index up to date; and
// for comparison the same at the end of the drawing, and building the index anew.
#include "cad/drawing/edit.h"
#include "cad/drawing/entity_index.h"
#include "cad/drawing/selection.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <utility>
#include <variant>

namespace {

constexpr int kEntities = 26000;

cad::Drawing RoadLikeDrawing() {
    cad::Drawing d;
    d.SetBlock(cad::Block{"P",
                          {},
                          {cad::Entity{cad::Polyline{{{-3000, -60}, {0, 0}, {3000, -60}}}},
                           cad::Entity{cad::Text{{0, 100}, 200, 0, "No.1"}}}});
    for (int i = 0; i < kEntities; ++i) {
        const double x = (i % 200) * 500.0, y = (i / 200) * 400.0;
        switch (i % 4) {
        case 0: d.Add(cad::Line{{x, y}, {x + 450, y + 120}}); break;
        case 1: d.Add(cad::Circle{{x + 100, y + 100}, 80}); break;
        case 2: d.Add(cad::Text{{x, y + 200}, 100, 0, "STA 1+20.5"}); break;
        default: d.Add(cad::Insert{"P", {x + 250, y + 200}, 0.05, 0.05, 0}); break;
        }
    }
    return d;
}

const cad::Rect kWindow = cad::Rect::FromCorners({10000, 10000}, {12000, 11000});

// Each iteration: the edit, then a selection. The drawing is refilled untimed when it runs low.
template <class Edit>
void EditThenSelect(benchmark::State& state, Edit edit) {
    cad::Drawing d = RoadLikeDrawing();
    SelectWindow(d, kWindow);
    for (auto _ : state) {
        if (std::abs(static_cast<long>(std::as_const(d).Entities().size()) - kEntities) > 1000) {
            state.PauseTiming();
            d = RoadLikeDrawing();
            SelectWindow(d, kWindow);
            state.ResumeTiming();
        }
        edit(d);
        benchmark::DoNotOptimize(SelectWindow(d, kWindow));
    }
}

void BM_EraseFarBackThenSelect(benchmark::State& state) {
    EditThenSelect(state, [](cad::Drawing& d) { cad::EraseEntities(d, {10}); });
}

void BM_ExplodeFarBackThenSelect(benchmark::State& state) {
    EditThenSelect(state, [](cad::Drawing& d) {
        std::size_t insert = 7;
        while (!std::holds_alternative<cad::Insert>(std::as_const(d).Entities()[insert].shape)) ++insert;
        cad::ExplodeEntities(d, {insert});
    });
}

void BM_EraseAtTheEndThenSelect(benchmark::State& state) {
    EditThenSelect(state, [](cad::Drawing& d) { cad::EraseEntities(d, {std::as_const(d).Entities().size() - 1}); });
}

void BM_BuildIndex(benchmark::State& state) {
    const cad::Drawing d = RoadLikeDrawing();
    for (auto _ : state) benchmark::DoNotOptimize(cad::EntityIndex(d));
}

BENCHMARK(BM_EraseFarBackThenSelect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExplodeFarBackThenSelect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EraseAtTheEndThenSelect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMicrosecond);

} // namespace
