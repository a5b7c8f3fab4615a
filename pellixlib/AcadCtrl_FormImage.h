#pragma once
// The control's face: one 28 x 28, 16-colour bitmap shared by every control of the process and
// counted. The count stays above zero while the library is loaded, and the wait procedures read
// it as the sign that it still is.
#include <array>
#include <cstdint>
#include <vector>

namespace pellix {

inline constexpr int kFaceSize = 28;

struct TFaceBitmap {
    std::array<std::uint32_t, 16> Palette{};                  // 0x00RRGGBB
    std::array<std::uint8_t, kFaceSize * kFaceSize> Pixels{}; // palette indexes, row by row
    std::uint32_t ColorAt(int x, int y) const { return Palette[Pixels[y * kFaceSize + x]]; }
};

// The first reference empties the wait-callback list and loads the bitmap.
void AddRefFormImage();
// The last release frees the wait-callback list and the bitmap; the count never goes below 0.
void ReleaseFormImage();
int FormImageCount();
// The bitmap; none while unreferenced.
const TFaceBitmap* FormImage();

// What a control paints into: 0x00RRGGBB pixels, row by row.
struct TCanvas {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
    void Resize(int width, int height, std::uint32_t color);
    std::uint32_t At(int x, int y) const { return Pixels[y * Width + x]; }
};

} // namespace pellix
