#include "platform/forms/common_dialog.h"

#include "platform/forms/help_viewer.h"
#include "platform/forms/internal.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/script.h"
#include "platform/runtime/error.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include <optional>

namespace forms {

namespace {
// "Excel (*.xls)|*.xls|All|*.*" -> "Excel (*.xls) (*.xls);;All (*.*)".
QString QtFilter(const std::string& filter) {
    const QStringList parts = internal::Q(filter).split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString pattern = i + 1 < parts.size() ? parts[i + 1] : parts[i];
        out << parts[i] + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return filter.empty() ? QString() : out.join(QStringLiteral(";;"));
}

// What the file dialogs remember for the program, as the desktop's dialogs do: the start
// folder the program asked for the first time, and the folder of the file chosen last.
struct Remembered {
    std::optional<std::string> firstInitDir;
    std::string lastFolder;
};

Remembered& Memory() {
    static Remembered memory;
    return memory;
}

std::string FolderOf(const std::string& path) { return internal::S(QFileInfo(internal::Q(path)).absolutePath()); }
bool HasFolder(const std::string& path) { return path.find('/') != std::string::npos; }
} // namespace

namespace internal {
void ForgetDialogFolders() { Memory() = {}; }
} // namespace internal

// While the program keeps asking for the folder it asked for first, the dialog goes back to
// where the user last chose a file; a file name with a folder starts there; then InitDir;
// then the user's home folder.
std::string CommonDialog::StartFolder() const {
    Remembered& memory = Memory();
    if (!memory.firstInitDir) memory.firstInitDir = initDir_;
    if (!memory.lastFolder.empty() && initDir_ == *memory.firstInitDir) return memory.lastFolder;
    if (HasFolder(fileName_)) return FolderOf(fileName_);
    if (!initDir_.empty()) return initDir_;
    return memory.lastFolder.empty() ? internal::S(QDir::homePath()) : memory.lastFolder;
}

void CommonDialog::ShowOpen() { ShowFile(false); }
void CommonDialog::ShowSave() { ShowFile(true); }

void CommonDialog::ShowFile(bool save) {
    const std::string folder = StartFolder();
    std::optional<std::string> chosen;
    if (script::Headless()) {
        chosen = internal::ScriptedFileDialog(save, filter_, folder);
    } else {
        // The name part of FileName stands in the dialog's name box.
        const QString name = QFileInfo(internal::Q(fileName_)).fileName();
        const QString start = folder.empty() ? name : QDir(internal::Q(folder)).filePath(name);
        const QString path =
            save ? QFileDialog::getSaveFileName(owner_.Window(), internal::Q(title_), start, QtFilter(filter_))
                 : QFileDialog::getOpenFileName(owner_.Window(), internal::Q(title_), start, QtFilter(filter_));
        if (!path.isEmpty()) chosen = internal::S(path);
    }
    if (!chosen) {
        if (cancelError_) rt::Raise(rt::errDialogCancelled);
        return;
    }
    fileName_ = *chosen;
    Memory().lastFolder = FolderOf(*chosen);
}

void CommonDialog::ShowHelp() {
    if (script::Headless()) internal::RecordHelp();
    if (helpFile_.empty() || !ShowHelpDocument(helpFile_))
        MsgBox("ヘルプファイル " + helpFile_ + " を開けません。", vbExclamation);
}

} // namespace forms
