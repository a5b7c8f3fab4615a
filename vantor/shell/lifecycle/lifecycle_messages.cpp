#include "vantor/shell/lifecycle/lifecycle_messages.h"

#include "platform/forms/msgbox.h"

namespace 縦断bus::lifecycle_messages {

void TellCancelled() { forms::MsgBox(std::string(kCancelled), forms::vbOKOnly); }

void TellOpenFailed(const std::string& path, std::string_view step, const std::string& reason) {
    forms::MsgBox("ファイル " + path + " を開けませんでした。\n" + std::string(step) + "：" + reason +
                      "\n開く前の状態のままです。",
                  forms::vbExclamation);
}

void TellSaveFailed(const std::string& path, const std::string& reason) {
    const std::string where = path.empty() ? "" : "ファイル " + path + " に";
    forms::MsgBox(where + "保存できませんでした。\n" + reason, forms::vbExclamation);
}

void TellReloadFailed(const std::string& reason) {
    forms::MsgBox("縦断ｼｰﾄを読み込めませんでした。\n" + reason, forms::vbExclamation);
}

int AskSaveBeforeEnd(const std::string& name) {
    return forms::MsgBox("ブック " + name + " には保存していない変更があります。終了する前に保存しますか？\n"
                         "「はい」保存してから終了します。\n「いいえ」保存せずに終了します（変更は失われます）。\n"
                         "「キャンセル」終了せずに作業を続けます。",
                         forms::vbYesNoCancel | forms::vbExclamation);
}

void TellNewFailed(const std::string& reason) {
    forms::MsgBox("新規作成のためのブックを作れませんでした。\n" + reason, forms::vbExclamation);
}

} // namespace 縦断bus::lifecycle_messages
