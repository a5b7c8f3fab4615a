// Scripts run by the CAD, and waiting while the user works a command.
#include "pellixlib/AcadFunc_Files.h"
#include "pellixlib/AcadFunc_Text.h"
#include "pellixlib/AcadFunc_Windows.h"
#include "pellixlib/AcadUnit_Object.h"
#include "pellixlib/AcadUnit_Texts.h"
#include "platform/desktop/input.h"

namespace pellix {

bool TAcadObject::RunScript(const std::string& file, const std::string& text, bool transparent) {
    if (file.empty()) return false;
    return RunBusy([&] {
        if (!text.empty()) {
            if (!SaveTextFile(file, text)) return false;
        } else if (GetFileSizeByName(file) <= 0) {
            return false;
        }
        if (!FileExistsEx(file)) return false;
        // The file dialogs are off while the script runs and go back to what they were once
        // the CAD has taken the script; the caller's script stays as written.
        bool readOnly = false;
        const std::string filedia = QueryVar("_FILEDIA", readOnly, transparent);
        if (filedia.empty() || !SendCommand("\r")) return false;
        if (!SendCommand(ScriptText(file, transparent))) {
            if (!SendCommand(ScriptFailedRestoreText(filedia))) desk::MessageBeep(0);
            return false;
        }
        WaitWindowIdleEx(FMainWnd);
        SendCommand(ScriptRestoreText(filedia)); // the script was started, whether this is taken or not
        return true;
    });
}

bool TAcadObject::UserWait(int callId, const std::string& command, const std::string& selAddCmd,
                           const TUserWaitFirstProc& first, const TUserWaitNextProc& next) {
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
