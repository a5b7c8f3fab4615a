#pragma once
// What the control uses of the attached-instance engine: the instance's windows and product,
// attaching and forgetting, reading its command line, history and prompt, dialogs and drawing
// changes, single keys, point picks, and the process-wide wait procedure and delay message.
#include "pellixlib/AcadFunc_Windows.h"
#include "pellixlib/AcadVInf_Windows.h"
#include "platform/desktop/types.h"

#include <functional>
#include <memory>
#include <string>

namespace pellix {

using TWaitProc = std::function<void(desk::HWND window, bool& keepWaiting)>;

void SetWaitProc(TWaitProc proc);
bool HasWaitProc();
// Asks the wait procedure (the default one when none is set) whether to keep waiting on the
// window; a procedure that raises is dropped and the answer is no.
bool CallWaitProc(desk::HWND window);
void DefaultWaitProc(desk::HWND window, bool& keepWaiting);
// Serves the calling thread's messages.
void IdlePump();
// The registered message "CM_PLOTWDELAYMESSAGE" (0 before InitAcadUnit).
desk::UINT CM_PLOTWDELAYMESSAGE();
// Once per process: registers the message and installs the default wait callback.
void InitAcadUnit();
void DoneAcadUnit();

class TAcadObject {
public:
    TAcadObject();
    ~TAcadObject();
    TAcadObject(const TAcadObject&) = delete;
    TAcadObject& operator=(const TAcadObject&) = delete;

    void Clear();
    bool LoadFromWindow(desk::HWND wnd);
    bool LoadFromThread(desk::DWORD threadId);
    int RefreshChildren();
    desk::HWND GetDialog();
    bool ActivateChild(desk::HWND child);
    bool CheckChildChanged();
    desk::HWND BeginChildLock();
    void EndChildLock();
    void WaitIdle();
    std::string ReadCmdLine();
    std::string ReadHistory();
    std::string ReadPromptText();
    bool SendCommand(const std::string& text);
    bool SendChar(char ch);
    // Types ^C^C_iD and waits, as long as the wait procedure allows, until the CAD is back at
    // its prompt; the point it printed.
    bool GetPoint(const std::string& selAddCmd, bool correct, double& x, double& y, double& z);

    desk::HWND MainWnd() const { return FMainWnd; }
    desk::HWND ChildWnd() const { return FChildWnd; }
    desk::HWND TextWnd() const { return FTextWnd; }
    TAcadIndex AcadIndex() const { return FAcadIndex; }
    bool CmdIdle() const { return FCmdIdle; }
    void SetCmdIdle(bool on) { FCmdIdle = on; }

private:
    desk::HWND FMainWnd = nullptr, FGraphWnd = nullptr, FChildWnd = nullptr, FTextWnd = nullptr, FCmdLineWnd = nullptr;
    desk::HWND FTextHeadlands = nullptr, FTextMountTam = nullptr, FCmdHeadlands = nullptr, FCmdMountTam = nullptr;
    TAcadIndex FAcadIndex = 0;
    desk::HWND FMDIClient = nullptr;
    std::unique_ptr<TWindowList> FChildList;
    TAcadWindowInfo FWindows;
    bool FBusy = false;
    bool FMDILock = true;
    desk::HWND FLockChild = nullptr;
    bool FCmdIdle = false;
    TTextBuffer FReadBuf, FSendBuf;
};

} // namespace pellix
