#include "platform/forms/events.h"

#include "platform/forms/msgbox.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

#include <exception>
#include <string>
#include <utility>
#include <vector>

namespace forms::internal {

namespace {
// Handlers held back while the program makes a change of its own.
struct HeldBack {
    bool active = false;
    std::vector<std::function<void()>> handlers;
};

HeldBack& Held() {
    static HeldBack held;
    return held;
}

void ShowRunTimeError(const std::string& text) { MsgBox(text, vbCritical); }
} // namespace

void Dispatch(std::function<void()> handler) {
    if (Held().active) {
        Held().handlers.push_back(std::move(handler));
        return;
    }
    try {
        handler();
    } catch (const rt::Error& e) {
        ShowRunTimeError("実行時エラー '" + rt::CStr(e.Number()) + "':\n\n" + e.Description());
    } catch (const std::exception& e) {
        ShowRunTimeError(std::string("実行時エラー:\n\n") + e.what());
    } catch (...) {
        ShowRunTimeError("実行時エラー:\n\n原因の分からないエラーです。");
    }
}

void FromCode(const std::function<void()>& change) {
    HeldBack outer = std::exchange(Held(), HeldBack{true, {}});
    try {
        change();
    } catch (...) {
        Held() = std::move(outer);
        throw;
    }
    const std::vector<std::function<void()>> handlers = std::move(Held().handlers);
    Held() = std::move(outer);
    for (const auto& handler : handlers) handler();
}

} // namespace forms::internal
