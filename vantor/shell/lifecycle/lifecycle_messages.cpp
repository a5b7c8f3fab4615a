#include "vantor/shell/lifecycle/lifecycle_messages.h"

#include "platform/forms/msgbox.h"

namespace 縦断bus::lifecycle_messages {

void TellCancelled() { forms::MsgBox(std::string(kCancelled), forms::vbOKOnly); }

void TellOpenFailed(const std::string& path, std::string_view step, const std::string& reason, bool documentKept) {
    // A file the spreadsheet cannot read at all is most often not a workbook of this program.
    const std::string hint =
        step == kFileStep ? "\nこのプログラムで保存した Excel 97-2003 形式（.xls）のブックを選んでください。" : "";
    const std::string after =
        documentKept
            ? "\n開く前の状態のままです。"
            : "\n開いていたブックは閉じました（表の内容は残っています）。ファイルを直してから開き直してください。";
    forms::MsgBox("ファイル " + path + " を開けませんでした。\n" + std::string(step) + "：" + reason + hint + after,
                  forms::vbExclamation);
}

int AskReopenDroppingChanges(const std::string& path) {
    return forms::MsgBox(
        "ファイル " + path +
            " は開いていて、保存していない変更があります。\n変更を捨てて、ファイルから読み直しますか？",
        forms::vbYesNo | forms::vbQuestion);
}

void TellSaveFailed(const std::string& path, const std::string& reason) {
    const std::string where = path.empty() ? "" : "ファイル " + path + " に";
    forms::MsgBox(where + "保存できませんでした。\n" + reason +
                      "\n保存先のフォルダと名前を確かめて、もう一度保存してください。",
                  forms::vbExclamation);
}

void TellReloadFailed(const std::string& reason) {
    forms::MsgBox("縦断ｼｰﾄを読み込めませんでした。\n" + reason + "\n表は読み込む前のままです。", forms::vbExclamation);
}

int AskSaveBefore(const std::string& name, const LettingGo& what) {
    return forms::MsgBox("ブック " + name + " には保存していない変更があります。" + what.before +
                             "前に保存しますか？\n「はい」保存してから" + what.goesOn + "。\n「いいえ」保存せずに" +
                             what.goesOn + "（変更は失われます）。\n「キャンセル」" + what.stays + "作業を続けます。",
                         forms::vbYesNoCancel | forms::vbExclamation);
}

void TellNewFailed(const std::string& reason) {
    forms::MsgBox("新規作成のためのブックを作れませんでした。\n" + reason +
                      "\nしばらくしてから、もう一度新規作成してください。",
                  forms::vbExclamation);
}

} // namespace 縦断bus::lifecycle_messages
