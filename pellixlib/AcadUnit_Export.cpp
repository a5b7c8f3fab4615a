// Export of selected objects as DXF and extraction of their attributes: the command typed with
// its file names, the user's (or the caller's) selection awaited, the answers typed at the
// format prompt, and the result told by the file the CAD wrote.
#include "pellixlib/AcadFunc_Files.h"
#include "pellixlib/AcadFunc_Text.h"
#include "pellixlib/AcadUnit_Object.h"
#include "pellixlib/AcadUnit_Wait.h"
#include "pellixlib/AcadVInf_Prompt.h"

namespace pellix {

namespace {

constexpr std::size_t kDxfPromptLength = 10;
constexpr std::size_t kAttPromptLength = 14;

bool BeginsWith(const std::string& text, const std::string& prompt, std::size_t length) {
    return SameTextIgnoringCase(text.substr(0, length), prompt);
}

} // namespace

bool TAcadObject::SelectDxf(const std::string& selAddCmd, TDxfVersion version, const std::string& file,
                            bool singleSelect, bool binary) {
    return RunBusy([&] {
        if (file.empty() || version > GetInstDxfVersion(FAcadIndex)) return false;
        const std::string japanese = DxfPrecisionPrompt(FAcadIndex);
        const auto atPrecision = [&] {
            const std::string line = ReadCmdLine();
            return BeginsWith(line, japanese, kDxfPromptLength) ||
                   BeginsWith(line, kDxfPrecisionPromptEnglish, kDxfPromptLength);
        };
        const desk::HWND kept = BeginChildLock();
        ForceDeleteFile(file);
        bool readOnly = false;
        const std::string filedia = QueryVar("_FILEDIA", readOnly);
        if (filedia.empty()) return false;
        const bool exported = [&] {
            if (!SendCommand("0\r")) return false;
            if (!StartSequence(DxfOutText(file, filedia, singleSelect), selAddCmd)) return false;
            if (!WatchCommand(kDxfOutEcho, kept, [&] { return atPrecision() || IsIdle(); })) return false;
            if (!ReadEcho().starts_with(kDxfOutEcho) || !atPrecision()) return false;
            SendCommand(DxfAnswerText(FAcadIndex, version, binary));
            WaitWindowIdleEx(FMainWnd);
            WaitForPrompt();
            return KeepWaiting() && FileExistsEx(file);
        }();
        // The file dialogs were switched off for the export: an export that did not finish
        // must not leave them off.
        if (!exported) SendCommand(FiledialogRestoreText(filedia));
        return exported;
    });
}

bool TAcadObject::SelectAtt(TAttOutType type, const std::string& templateFile, const std::string& outFile,
                            bool singleSelect) {
    return RunBusy([&] {
        if (outFile.empty() || templateFile == outFile || (type != atDXXOUT && !FileExistsEx(templateFile)))
            return false;
        const std::string command = AttCommandName(FAcadIndex);
        const auto atFormat = [&] {
            const std::string line = ReadCmdLine();
            return BeginsWith(line, AttPromptJapanese(), kAttPromptLength) ||
                   BeginsWith(line, kAttPromptEnglish, kAttPromptLength);
        };
        const desk::HWND kept = BeginChildLock();
        ForceDeleteFile(outFile);
        std::string filedia;
        if (!GetVar("_FILEDIA", filedia)) return false;
        if (!SendCommand(AttCommandText(FAcadIndex, singleSelect)) || !KeepWaiting() || !Activate()) return false;
        const auto ready = [&] {
            return atFormat() || IsPromptIdle(ReadCmdLine().substr(0, kAttPromptLength),
                                              ReadPromptText().substr(0, kAttPromptLength));
        };
        if (!WatchCommand(command, kept, ready)) return false;
        if (!ReadEcho().starts_with(command) || !atFormat()) return false;
        SendCommand(AttAnswerText(type, templateFile, outFile, filedia));
        WaitWindowIdleEx(FMainWnd);
        WaitForPrompt();
        return KeepWaiting() && FileExistsEx(outFile);
    });
}

} // namespace pellix
