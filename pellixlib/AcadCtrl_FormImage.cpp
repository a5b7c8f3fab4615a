#include "pellixlib/AcadCtrl_FormImage.h"

#include "pellixlib/AcadCtrl_WaitCallbacks.h"

#include <cstdlib>
#include <memory>

namespace pellix {

namespace {

struct FormImageState {
    int count = 0;
    std::unique_ptr<TFaceBitmap> bitmap;
};

FormImageState& State() {
    static FormImageState state;
    return state;
}

// The bitmap resource "FORMIMAGE": a grey button face with a dark frame and a blue cross-hair
// over a small drawing sheet.
std::unique_ptr<TFaceBitmap> LoadFormImageResource() {
    auto b = std::make_unique<TFaceBitmap>();
    b->Palette = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                  0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    enum : std::uint8_t { black = 0, grey = 7, darkGrey = 8, blue = 12, white = 15 };
    for (int y = 0; y < kFaceSize; ++y) {
        for (int x = 0; x < kFaceSize; ++x) {
            std::uint8_t c = grey;
            const bool edge = x == 0 || y == 0 || x == kFaceSize - 1 || y == kFaceSize - 1;
            const bool sheet = x >= 5 && x <= 22 && y >= 5 && y <= 22;
            if (edge) c = (x == 0 || y == 0) ? white : darkGrey;
            else if (sheet) c = (x == 5 || y == 5 || x == 22 || y == 22) ? black : white;
            if (!edge && (x == 14 || y == 14) && std::abs(x - 14) <= 7 && std::abs(y - 14) <= 7) c = blue;
            b->Pixels[y * kFaceSize + x] = c;
        }
    }
    return b;
}

} // namespace

void AddRefFormImage() {
    if (++State().count == 1) {
        FreeWaitCallbacks();
        State().bitmap = LoadFormImageResource();
    }
}

void ReleaseFormImage() {
    if (--State().count > 0) return;
    State().count = 0;
    FreeWaitCallbacks();
    State().bitmap.reset();
}

int FormImageCount() { return State().count; }

const TFaceBitmap* FormImage() { return State().bitmap.get(); }

void TCanvas::Resize(int width, int height, std::uint32_t color) {
    Width = width;
    Height = height;
    Pixels.assign(static_cast<std::size_t>(width) * height, color);
}

} // namespace pellix
