#include "pellixlib/AcadVInf_TextWindow.h"

#include "pellixlib/AcadFunc_Registry.h"
#include "pellixlib/AcadFunc_Text.h"
#include "pellixlib/AcadVInf_Settings.h"
#include "platform/desktop/window.h"
#include "platform/runtime/number_text.h"

#include <charconv>
#include <utility>

namespace pellix {

namespace {

constexpr desk::LONG kNoSide = -1000;
constexpr desk::LONG kSmallest = 20;
constexpr desk::LONG kWidened = 100;

bool Overlap(const desk::RECT& r, const desk::RECT& s) {
    return r.top < s.bottom && s.top < r.bottom && r.left < s.right && s.left < r.right;
}

desk::LONG SideOf(const std::string& piece) {
    const std::string t = TrimBlanks(piece);
    desk::LONG v = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    return t.empty() || ec != std::errc() || end != t.data() + t.size() ? kNoSide : v;
}

// The saved rectangle over R: each of left, top, right, bottom that is a number above -1000.
void ApplySavedRect(const std::string& saved, desk::RECT& r) {
    desk::LONG* sides[4] = {&r.left, &r.top, &r.right, &r.bottom};
    std::size_t start = 0;
    for (desk::LONG* side : sides) {
        if (start > saved.size()) break;
        const std::size_t comma = saved.find(',', start);
        const desk::LONG v =
            SideOf(saved.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (v > kNoSide) *side = v;
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
}

// Puts R inside the screen, at least 20 pixels wide and high.
void FitToScreen(desk::RECT& r, const desk::RECT& s) {
    if (r.right < r.left) std::swap(r.left, r.right);
    if (r.bottom < r.top) std::swap(r.top, r.bottom);
    if (s.right < r.right) {
        const desk::LONG width = r.right - r.left;
        r.left = s.right + s.left - width;
        r.right = r.left + width;
    }
    if (s.bottom < r.bottom) {
        const desk::LONG height = r.bottom - r.top;
        r.top = s.bottom + s.top - height;
        r.bottom = r.top + height;
    }
    if (r.left < 0) r.left = 0;
    if (r.top < 0) r.top = 0;
    if (r.right - r.left < kSmallest) r.right = r.left + kWidened;
    if (r.bottom - r.top < kSmallest) r.bottom = r.top + kWidened;
    if (r.right > s.right) r.right = s.right;
    if (r.bottom > s.bottom) r.bottom = s.bottom;
}

} // namespace

bool PlaceTextWindow(TAcadIndex index, desk::HWND textWindow, const desk::RECT& screen, bool hide) {
    desk::RECT r;
    const std::string key = GetLibraryKey(index);
    if (key.empty() || !desk::GetWindowRect(textWindow, &r)) return false;
    const bool offScreen = !Overlap(r, screen);
    desk::DWORD style = 0;
    if (hide) {
        style = desk::IsIconic(textWindow) ? 1 : desk::IsZoomed(textWindow) ? 2 : 0;
        if (!offScreen) {
            RegWriteInteger(desk::HKEY_CURRENT_USER, key, "TextStyle", style, false);
            const std::string rect =
                rt::CStr(r.left) + ", " + rt::CStr(r.top) + ", " + rt::CStr(r.right) + ", " + rt::CStr(r.bottom);
            RegWriteString(desk::HKEY_CURRENT_USER, key, "TextRect", rect, true);
        }
        desk::ShowWindow(textWindow, desk::SW_RESTORE);
        return desk::MoveWindow(textWindow, screen.right + 10, screen.top, r.right - r.left, r.bottom - r.top, true);
    }
    if (offScreen) {
        RegReadInteger(desk::HKEY_CURRENT_USER, key, "TextStyle", style);
        std::string saved;
        if (RegReadString(desk::HKEY_CURRENT_USER, key, "TextRect", saved)) ApplySavedRect(saved, r);
    }
    FitToScreen(r, screen);
    const bool moved = desk::MoveWindow(textWindow, r.left, r.top, r.right - r.left, r.bottom - r.top, true);
    desk::ShowWindow(textWindow, style == 1 ? desk::SW_MINIMIZE : style == 2 ? desk::SW_MAXIMIZE : desk::SW_RESTORE);
    return moved;
}

} // namespace pellix
