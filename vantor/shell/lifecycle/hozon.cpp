#include "vantor/shell/lifecycle/document_lifecycle.h"

#include "platform/workbook/workbook.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/document.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/model/sheets/save_writer.h"
#include "vantor/shell/lifecycle/failure_reason.h"
#include "vantor/shell/lifecycle/file_checks.h"
#include "vantor/shell/lifecycle/file_dialog.h"
#include "vantor/shell/lifecycle/lifecycle_messages.h"
#include "vantor/shell/待表示.h"

#include <exception>
#include <optional>
#include <string>

namespace 縦断bus {

void hozon() {
    if (!HasDocument()) {
        sheet_messages::Tell(sheet_messages::kNoWorkbook);
        return;
    }
    待表示& wait = forms::Get<待表示>();
    wait.ShowState("しばらくお待ちください。", true);
    wait.休み.SetCaption("保存の準備中です。");

    std::optional<std::string> path;
    try {
        tensouzenbu();
        path = ChooseFile(FileDialogKind::Save);
        if (!path) {
            wait.Hide();
            return;
        }
        if (const auto refusal = SaveRefusal(*path)) {
            wait.Hide();
            sheet_messages::Tell(*refusal);
            return;
        }
        xlbook->SaveAs(*path);
    } catch (const std::exception& e) {
        wait.Hide();
        lifecycle_messages::TellSaveFailed(path.value_or(""), FailureReason(e));
        return;
    }
    fairumei = *path;

    wait.ShowState("保存が完了したよ ﾁｭｰﾁｭｰ・・", false);
    wait.起きる.SetVisible(true);
    wait.終了ボタン.SetVisible(true);
    wait.継続ボタン.SetVisible(true);
}

} // namespace 縦断bus
