#include "vantor/shell/lifecycle/failure_reason.h"

#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

#include <algorithm>

namespace 縦断bus {

namespace {

// A text written for the user is Japanese: it holds characters beyond ASCII.
bool IsForTheUser(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

std::string MeaningOf(int number) {
    switch (number) {
    case rt::errOverflow: return "数値が大きすぎます。";
    case rt::errSubscript: return "データの数が表に入る数を超えているか、必要なシートがありません。";
    case rt::errTypeMismatch: return "数値が入るところに数値でない値があります。";
    case rt::errNoObject: return "表計算ソフトとのつながりが切れています。ブックを開き直してください。";
    case rt::errApplication: return "表計算ソフトがこの操作を受け付けませんでした。";
    default: return "エラーが起きました（番号 " + rt::CStr(number) + "）。";
    }
}

} // namespace

std::string FailureReason(const std::exception& e) {
    const std::string text = e.what();
    if (IsForTheUser(text)) return text;
    const auto* error = dynamic_cast<const rt::Error*>(&e);
    const std::string meaning = error ? MeaningOf(error->Number()) : "予期しないエラーが起きました。";
    return text.empty() ? meaning : meaning + "（詳細：" + text + "）";
}

} // namespace 縦断bus
