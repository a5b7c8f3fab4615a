#include "vantor/shell/lifecycle/file_dialog.h"

#include "platform/runtime/error.h"
#include "vantor/shell/lifecycle/file_checks.h"
#include "vantor/shell/lifecycle/lifecycle_messages.h"
#include "vantor/shell/親画面.h"

namespace 縦断bus {

std::optional<std::string> ChooseFile(FileDialogKind kind, const std::string& initialFolder) {
    forms::CommonDialog& dialog = forms::Get<親画面>().CommonDialog1;
    if (!initialFolder.empty()) dialog.SetInitDir(initialFolder);
    dialog.SetFilter("*.xls");
    dialog.SetCancelError(true);
    try {
        kind == FileDialogKind::Open ? dialog.ShowOpen() : dialog.ShowSave();
    } catch (const rt::Error& e) {
        if (e.Number() != rt::errDialogCancelled) throw;
        lifecycle_messages::TellCancelled();
        return std::nullopt;
    }
    const std::string path = dialog.FileName();
    if (path.empty()) {
        lifecycle_messages::TellCancelled();
        return std::nullopt;
    }
    return kind == FileDialogKind::Save ? WithWorkbookExtension(path) : path;
}

} // namespace 縦断bus
