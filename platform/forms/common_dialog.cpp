#include "platform/forms/common_dialog.h"

#include "platform/forms/internal.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/script.h"
#include "platform/runtime/error.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

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
} // namespace

void CommonDialog::ShowOpen() { ShowFile(false); }
void CommonDialog::ShowSave() { ShowFile(true); }

void CommonDialog::ShowFile(bool save) {
    std::optional<std::string> chosen;
    if (script::Headless()) {
        chosen = internal::ScriptedFileDialog(save, filter_, initDir_);
    } else {
        const QString start = fileName_.empty() ? internal::Q(initDir_)
                                                : QFileInfo(QDir(internal::Q(initDir_)), internal::Q(fileName_)).filePath();
        const QString path = save ? QFileDialog::getSaveFileName(owner_.Window(), internal::Q(title_), start, QtFilter(filter_))
                                  : QFileDialog::getOpenFileName(owner_.Window(), internal::Q(title_), start, QtFilter(filter_));
        if (!path.isEmpty()) chosen = internal::S(path);
    }
    if (!chosen) {
        if (cancelError_) rt::Raise(rt::errDialogCancelled);
        return;
    }
    fileName_ = *chosen;
}

void CommonDialog::ShowHelp() {
    if (script::Headless()) {
        internal::RecordHelp();
        return;
    }
    const QString file = internal::Q(helpFile_);
    if (helpFile_.empty() || !QFileInfo::exists(file) || !QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        MsgBox("ヘルプファイル " + helpFile_ + " を開けません。", vbExclamation);
}

} // namespace forms
