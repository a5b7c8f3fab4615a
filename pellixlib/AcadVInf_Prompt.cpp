#include "pellixlib/AcadVInf_Prompt.h"

#include "pellixlib/AcadFunc_Text.h"

namespace pellix {

namespace {

// Half-width katakana, one byte each in code page 932.
constexpr std::string_view kJapanesePrompt = "\xBA\xCF\xDD\xC4\xDE: "; // ｺﾏﾝﾄﾞ:
constexpr std::string_view kEnglishPrompt = "Command: ";
constexpr std::string_view kJapaneseCancel = "*\xB7\xAC\xDD\xBE\xD9*"; // *ｷｬﾝｾﾙ*
constexpr std::string_view kEnglishCancel = "*Cancel*";

} // namespace

bool IsPromptIdle(std::string_view line, std::string_view prompt) {
    return line == prompt && (line == kJapanesePrompt || SameTextIgnoringCase(line, kEnglishPrompt));
}

std::string StripCommandPrompt(std::string_view text) {
    if (text.substr(0, kJapanesePrompt.size()) == kJapanesePrompt)
        return std::string(text.substr(kJapanesePrompt.size()));
    if (text.size() >= kEnglishPrompt.size() &&
        SameTextIgnoringCase(text.substr(0, kEnglishPrompt.size()), kEnglishPrompt))
        return std::string(text.substr(kEnglishPrompt.size()));
    return std::string(text);
}

std::string StripCancelMarks(std::string_view text) {
    const auto markAt = [text](std::size_t i) -> std::size_t {
        for (std::string_view mark : {kJapaneseCancel, kEnglishCancel})
            if (text.substr(i, mark.size()) == mark) return mark.size();
        return 0;
    };
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size();) {
        const int n = CharByteLen(text, i);
        if (n == 1 && text[i] == '*') {
            const std::size_t mark = markAt(i);
            if (mark > 0) start = i + mark;
            i += mark > 0 ? mark : 1;
        } else {
            i += static_cast<std::size_t>(n);
        }
    }
    return std::string(text.substr(start));
}

} // namespace pellix
