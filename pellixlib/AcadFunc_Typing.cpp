#include "pellixlib/AcadFunc_Typing.h"

#include "platform/desktop/message.h"
#include "platform/desktop/window.h"

namespace pellix {

namespace {

constexpr int kIdleWaitsAfterAttempt = 4;
constexpr int kIdleWaitsAfterMouseMove = 21;
constexpr int kWholeTextPolls = 51;
constexpr desk::LPARAM kSetCursorClientMove = 0x02000001;
constexpr desk::LPARAM kCharKeyData = 0x004F0001;

// Waits until the command-line window shows some text, at most `polls` times.
void AwaitCommandLine(desk::HWND target, desk::HWND commandLine, std::size_t polls) {
    TTextBuffer read;
    for (std::size_t i = 0; i < polls; ++i) {
        WaitWindowIdleEx(target);
        if (!ReadWindowText(commandLine, read).empty()) return;
    }
}

bool SendAndSettle(desk::HWND target, const std::string& text, const desk::RECT& client, TTextBuffer& sendBuffer) {
    const bool sent = SendCopyDataText(target, text, client, sendBuffer);
    WaitWindowIdleEx(target);
    return sent;
}

} // namespace

bool SendCopyDataText(desk::HWND target, const std::string& text, const desk::RECT& client, TTextBuffer& sendBuffer) {
    if (!desk::IsWindow(target)) return false;
    const int size = static_cast<int>(text.size()) + 1;
    char* data = SetTextBuffer(size, text, sendBuffer);
    if (!data) return false;
    desk::COPYDATASTRUCT record;
    record.dwData = 1;
    record.cbData = static_cast<desk::DWORD>(size);
    record.lpData = data;
    WaitWindowIdleEx(target);

    bool taken = false;
    int remaining = kCopyDataAttempts - 1;
    do {
        desk::SendMessage(target, desk::WM_NCACTIVATE, 0, 0);
        desk::SendMessage(target, desk::WM_EXITMENULOOP, 0, 0);
        taken = desk::SendMessage(target, desk::WM_COPYDATA, reinterpret_cast<desk::WPARAM>(target),
                                  reinterpret_cast<desk::LPARAM>(&record)) != 0;
        desk::PostMessage(target, desk::WM_NULL, 0, 0);
        desk::SendMessage(target, desk::EM_GETSEL, 0, 0);
        for (int i = 0; i < kIdleWaitsAfterAttempt && desk::IsWindow(target); ++i) WaitWindowIdle(target);
        --remaining;
    } while (!taken && remaining >= 0 && desk::IsWindow(target));

    if (desk::IsWindow(target)) {
        const auto x = static_cast<desk::WORD>(client.left + client.right / 2);
        const auto y = static_cast<desk::WORD>(client.top + client.bottom / 2);
        desk::PostMessage(target, desk::WM_MOUSEMOVE, 0, desk::MAKELPARAM(x, y));
        desk::SendNotifyMessage(target, desk::WM_SETCURSOR, reinterpret_cast<desk::WPARAM>(target),
                                kSetCursorClientMove);
        for (int i = 0; i < kIdleWaitsAfterMouseMove && desk::IsWindow(target); ++i) WaitWindowIdle(target);
    }
    return taken;
}

bool SendCommandString(desk::HWND target, desk::HWND commandLine, const std::string& text, TTextBuffer& sendBuffer,
                       bool lineByLine) {
    desk::RECT client;
    if (!desk::IsWindow(target) || !desk::GetClientRect(target, &client)) return false;
    if (text.empty()) return true;
    if (!lineByLine) {
        AwaitCommandLine(target, commandLine, kWholeTextPolls);
        return SendAndSettle(target, text, client, sendBuffer);
    }
    bool sent = false;
    std::size_t start = 0;
    for (std::size_t cr = text.find('\r'); cr != std::string::npos; cr = text.find('\r', start)) {
        const std::string line = text.substr(start, cr + 1 - start);
        start = cr + 1;
        if (start < text.size() && text[start] == '\n') ++start;
        AwaitCommandLine(target, commandLine, 2 * (cr + 1) + 1);
        sent = SendAndSettle(target, line, client, sendBuffer);
        if (!sent) break;
    }
    return sent;
}

bool PostCharKey(desk::HWND wnd, char ch) {
    if (!desk::IsWindow(wnd)) return false;
    try {
        return desk::PostMessage(wnd, desk::WM_CHAR, static_cast<unsigned char>(ch), kCharKeyData);
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace pellix
