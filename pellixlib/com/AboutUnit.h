#pragma once
// TPellixAbout: the library's about box, a dialog of 360 x 140 client pixels centred on the
// screen, captioned "About Pellix", with only a system menu. A strip at the top with the titles
// "Pellix" and "Version1.81", closed by a line; below it the icon, three lines of product
// information, a read-only box with the web address, and OK (default and cancel button).
#include "platform/desktop/types.h"

namespace pellix {

inline constexpr const char* kAboutCaption = "About Pellix";

class TPellixAbout {
public:
    // Creates the dialog (hidden), owned by `owner`.
    explicit TPellixAbout(desk::HWND owner);
    ~TPellixAbout();
    TPellixAbout(const TPellixAbout&) = delete;
    TPellixAbout& operator=(const TPellixAbout&) = delete;

    // Shows the dialog and serves the thread's messages (the host's too) until the user closes it.
    void ShowModal();
    desk::HWND Handle() const { return FHandle; }

private:
    desk::LRESULT WndProc(desk::HWND wnd, desk::UINT msg, desk::WPARAM wParam, desk::LPARAM lParam);
    desk::HWND FHandle = nullptr;
    bool FClosed = false;
};

} // namespace pellix
