#include "cad/app/window_texts.h"

#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"

namespace cad::app {

namespace {

constexpr std::string_view kCommandLineCancel = "*Cancel*";

// Characters without a code page 932 form (none that the CAD itself writes) become "?".
std::string ToCp932(std::string_view utf8) {
    try {
        return rt::Utf8ToCp932(utf8);
    } catch (const rt::Error&) {
        std::string out;
        for (char c : utf8) out += static_cast<unsigned char>(c) < 0x80 ? c : '?';
        return out;
    }
}

} // namespace

std::string CommandLineText(const std::string& lineUtf8) { return ToCp932(lineUtf8); }

std::string ShownHistoryLine(std::string_view line, const Product& product) {
    if (!line.ends_with(kCommandLineCancel)) return std::string(line);
    line.remove_suffix(kCommandLineCancel.size());
    return std::string(line) + std::string(CancelMark(product));
}

std::string HistoryText(const std::deque<std::string>& history, const Product& product) {
    const std::size_t first = history.size() > kHistoryTextLines ? history.size() - kHistoryTextLines : 0;
    std::string text;
    for (std::size_t i = first; i < history.size(); ++i) text += ToCp932(ShownHistoryLine(history[i], product));
    return text;
}

} // namespace cad::app
