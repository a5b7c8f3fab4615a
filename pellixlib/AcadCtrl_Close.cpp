// Saving the drawing and ending the attached CAD: its dialogs closed, the drawing saved under the
// given name (or a temporary one, deleted once the CAD has gone), and the CAD told to quit.
#include "pellixlib/AcadCtrl_Control.h"
#include "pellixlib/AcadCtrl_WindowOps.h"

#include "pellixlib/AcadFunc_Files.h"
#include "pellixlib/AcadUnit.h"
#include "pellixlib/AcadUnit_Wait.h"
#include "platform/desktop/clock.h"
#include "platform/desktop/files.h"
#include "platform/desktop/window.h"
#include "platform/runtime/number_text.h"

#include <algorithm>

namespace pellix {

namespace {

constexpr int kQuitPasses = 31;
// A dialog that ignores WM_CLOSE is asked this many times, then Close gives up.
constexpr int kDialogCloseAttempts = 10;
constexpr char kCR = '\r';

std::string TwoDigits(int v) { return (v < 10 ? "0" : "") + rt::CStr(v); }

// "~AC" and the time of day (hhnnss) in the temporary folder.
std::string TemporaryDrawing() {
    desk::SYSTEMTIME now;
    desk::GetLocalTime(&now);
    return GetTempDir() + "~AC" + TwoDigits(now.wHour) + TwoDigits(now.wMinute) + TwoDigits(now.wSecond) + ".dwg";
}

// The name is typed between double quotes; a quote or a control character in it would end the
// name early and type the rest as commands.
bool TypableName(const std::string& file) {
    return std::none_of(file.begin(), file.end(), [](char c) { return c == '"' || (c >= 0 && c < ' '); });
}

std::string CloseText(TAcadIndex index, const std::string& file, const std::string& overwrite) {
    std::string text = "\x03\x03_FILEDIA 0\r_SAVEAS\r";
    if (IsRegistryInst(index)) text += kCR; // the file format asked first: the default one
    text += "\"" + file + "\"\r" + overwrite + "_FILEDIA 1\rQSAVE\r_QUIT\r";
    return text;
}

} // namespace

bool TAcadControl::CloseDialogs() {
    for (int attempt = 0; attempt < kDialogCloseAttempts; ++attempt) {
        const desk::HWND dialog = FAcadObject->GetDialog();
        if (!desk::IsWindow(dialog)) return true;
        WndClose(dialog);
        IdlePump();
    }
    return !desk::IsWindow(FAcadObject->GetDialog());
}

bool TAcadControl::Close(const std::string& SaveFile) {
    if (FDestroying || !desk::IsWindow(FAcadObject->MainWnd()) || !TypableName(SaveFile)) return false;
    CallScope scope(*this);
    std::string file;
    bool gone = false;
    {
        BusyScope busy(FInClose);
        if (!CloseDialogs()) return false;
        file = SaveFile.empty() ? TemporaryDrawing() : SaveFile;
        std::string overwrite;
        if (FileExistsEx(file)) {
            desk::SetFileAttributes(file.c_str(), desk::FILE_ATTRIBUTE_ARCHIVE);
            overwrite = "Y\r";
        }
        // Refused while asynchronous commands are queued; the passes below then find the CAD there.
        Command(CloseText(FAcadObject->AcadIndex(), file, overwrite));
        for (int pass = 0; pass < kQuitPasses && desk::IsWindow(FAcadObject->MainWnd()); ++pass) {
            FAcadObject->WaitIdle();
            IdlePump();
        }
        gone = !desk::IsWindow(FAcadObject->MainWnd());
    }
    if (gone && SaveFile.empty()) ForceDeleteFile(file);
    return gone;
}

} // namespace pellix
