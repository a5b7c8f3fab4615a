#include "platform/forms/msgbox.h"

#include "platform/forms/application.h"
#include "platform/forms/internal.h"
#include "platform/forms/script.h"

#include <QMessageBox>

namespace forms {

namespace {
QMessageBox::StandardButtons ButtonsOf(int style) {
    switch (style & 7) {
    case vbOKCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case vbAbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case vbYesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case vbYesNo: return QMessageBox::Yes | QMessageBox::No;
    case vbRetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int ResultOf(int button) {
    switch (button) {
    case QMessageBox::Cancel: return vbCancel;
    case QMessageBox::Abort: return vbAbort;
    case QMessageBox::Retry: return vbRetry;
    case QMessageBox::Ignore: return vbIgnore;
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    default: return vbOK;
    }
}
} // namespace

int MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    const std::string caption = title.empty() ? AppTitle() : title;
    if (script::Headless()) return internal::ScriptedMsgBox(prompt, buttons, caption);
    QMessageBox box(IconOf(buttons), internal::Q(caption), internal::Q(prompt), ButtonsOf(buttons));
    return ResultOf(box.exec());
}

} // namespace forms
