// The watch loop the sequences share, and the sequences that read values back: variables and
// point picks.
#include "pellixlib/AcadFunc_Text.h"
#include "pellixlib/AcadUnit_Object.h"
#include "pellixlib/AcadUnit_Wait.h"
#include "platform/desktop/clock.h"

namespace pellix {

namespace {

constexpr int kSwitchPasses = 100; // passes allowed for the echo after a drawing switch
constexpr desk::DWORD kSwitchSleepMs = 300;
constexpr desk::DWORD kPassSleepMs = 2;
constexpr int kQueryVarPasses = 101;

} // namespace

bool TAcadObject::WatchCommand(const std::string& echo, desk::HWND kept, const std::function<bool()>& ready) {
    int passes = 1;
    for (;;) {
        if (!KeepWaiting()) return false;
        if (CheckChildChanged()) {
            desk::Sleep(kSwitchSleepMs);
            passes = kSwitchPasses;
            continue;
        }
        if (passes > 0) {
            desk::Sleep(kPassSleepMs);
            --passes;
        }
        // Another drawing than the one the command was typed into: wait for the user to come
        // back while passes remain, then give up.
        if (FChildWnd != kept) {
            if (passes <= 0) return false;
            continue;
        }
        if (!ReadEcho().starts_with(echo)) {
            if (passes <= 0) return false;
            continue;
        }
        if (ready()) return true;
        // The echo stands and the passes are spent: the wait lasts as long as the user works.
        if (passes <= 0) RestBetweenLooks();
    }
}

void TAcadObject::WaitForPrompt() {
    while (KeepWaiting()) {
        if (IsIdle()) return;
        RestBetweenLooks();
    }
}

std::string TAcadObject::QueryVar(const std::string& name, bool& readOnly, bool transparent) {
    readOnly = false;
    if (name.empty()) return {};
    TWaitScope wait;
    const std::string trimmed = TrimBlanks(name);
    if (!SendCommand(QueryVarText(trimmed, transparent))) return {};
    // A read-only variable prints "name = value (read only)" after its own echo.
    const std::string printed = trimmed + trimmed + " =";
    for (int pass = 0; pass < kQueryVarPasses && KeepWaiting(); ++pass) {
        if (IsIdle()) {
            const std::string echo = ReadEcho();
            if (echo.size() < printed.size() || !SameTextIgnoringCase(echo.substr(0, printed.size()), printed))
                continue;
            const std::string rest = TrimBlanks(echo.substr(printed.size()));
            if (rest.empty() || rest.back() != ')') continue;
            readOnly = true;
            return TrimBlanks(rest.substr(0, rest.rfind('(')));
        }
        const std::string line = ReadCmdLine();
        const std::size_t mark = line.find(">:");
        if (mark != std::string::npos && mark > 0) return ExtractPromptDefault(line);
    }
    return {};
}

bool TAcadObject::GetVar(const std::string& name, std::string& value) {
    TWaitScope wait;
    bool readOnly = false;
    value = QueryVar(name, readOnly);
    return SendCommand(kCancelTwice) && !value.empty();
}

bool TAcadObject::GetVarNew(const std::string& name, const std::string& newValue, std::string& oldValue) {
    oldValue.clear();
    if (name.empty() || newValue.empty()) return false;
    TWaitScope wait;
    bool readOnly = false;
    oldValue = QueryVar(name, readOnly);
    const bool sent =
        readOnly || oldValue.empty() ? SendCommand(kCancelTwice) : SendCommand(newValue + "\r" + kCancelTwice);
    return sent && !oldValue.empty();
}

bool TAcadObject::GetPoint(const std::string& selAddCmd, bool correct, double& x, double& y, double& z) {
    return RunBusy([&] {
        const desk::HWND kept = BeginChildLock();
        if (!StartSequence(kPickPointText, selAddCmd)) return false;
        if (!WatchCommand(kPickPointEcho, kept, [this] { return IsIdle(); })) return false;
        const std::string echo = ReadEcho();
        if (!echo.starts_with(kPickPointEcho)) return false; // cancelled meanwhile
        const std::size_t at = echo.find("X =");
        if (at == std::string::npos || !ParseCoordinates(echo.substr(at), x, y, z)) return false;
        return !correct || ReadPointPrecisely(x, y, z);
    });
}

bool TAcadObject::ReadPointPrecisely(double& x, double& y, double& z) {
    bool readOnly = false;
    const std::string precision = QueryVar("_LUPREC", readOnly);
    if (precision.empty()) return false;
    const bool eightDecimals = SendCommand("8\r");
    const std::string point = eightDecimals ? QueryVar("_LASTPOINT", readOnly) : std::string();
    // The precision goes back whether or not the point could be read.
    const bool restored = SendCommand(RestorePrecisionText(precision));
    return eightDecimals && !point.empty() && restored && ParseCoordinates(point, x, y, z);
}

} // namespace pellix
