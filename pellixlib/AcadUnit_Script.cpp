// Scripts run by the CAD, and waiting while the user works a command.
#include "pellixlib/AcadFunc_Files.h"
#include "pellixlib/AcadFunc_Text.h"
#include "pellixlib/AcadUnit_Object.h"
#include "platform/desktop/input.h"

namespace pellix {

namespace {

// The script the library writes ends by switching the file dialogs back on, which its start
// switched off.
std::string WithDialogsRestored(const std::string& script) {
    const bool endsLine = !script.empty() && (script.back() == '\n' || script.back() == '\r');
    return script + (endsLine ? "" : "\n") + kScriptRestoreLine + "\n";
}

} // namespace

bool TAcadObject::RunScript(const std::string& file, const std::string& text, bool transparent) {
    if (file.empty()) return false;
    return RunBusy([&] {
        if (!text.empty()) {
            if (!SaveTextFile(file, WithDialogsRestored(text))) return false;
        } else if (GetFileSizeByName(file) <= 0) {
            return false;
        }
        if (!FileExistsEx(file)) return false;
        const bool typed = SendCommand(ScriptText(file, transparent));
        if (!typed && !SendCommand(kScriptFailedRestoreText)) desk::MessageBeep(0);
        return typed;
    });
}

bool TAcadObject::UserWait(int callId, const std::string& command, const std::string& selAddCmd, const TUserWaitFirstProc& first,
                           const TUserWaitNextProc& next) {
    return RunBusy([&] {
        const std::string trimmed = TrimBlanks(command);
        const desk::HWND kept = BeginChildLock();
        if (first && !first(callId)) return false;
        if (!StartSequence(UserWaitText(trimmed), selAddCmd)) return false;
        if (!WatchCommand(trimmed, kept, [this] { return IsIdle(); })) return false;
        const std::string echo = ReadEcho();
        if (!echo.starts_with(trimmed)) return false;
        return next ? next(callId, echo) : true;
    });
}

} // namespace pellix
