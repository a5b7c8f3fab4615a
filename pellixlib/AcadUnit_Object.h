#pragma once
// One running CAD that a control has attached to: its windows, product and drawings, and every
// conversation with it, from a single key to the sequences that type a command, watch the
// command line and history until the CAD has done it, and read the answer back.
#include "pellixlib/AcadUnit_Async.h"
#include "pellixlib/AcadUnit_Texts.h"
#include "pellixlib/AcadVInf_Products.h"
#include "pellixlib/AcadVInf_Windows.h"

#include <functional>
#include <memory>
#include <string>

namespace pellix {

// Asked before the user's command is typed: whether to go on.
using TUserWaitFirstProc = std::function<bool(int callId)>;
// Asked when the command has come back, with its history text: the result of the wait.
using TUserWaitNextProc = std::function<bool(int callId, const std::string& cmdStr)>;

class TAcadObject {
public:
    TAcadObject();
    virtual ~TAcadObject();
    TAcadObject(const TAcadObject&) = delete;
    TAcadObject& operator=(const TAcadObject&) = delete;

    // Attachment and windows.
    void Clear();
    bool LoadFromWindow(desk::HWND wnd);
    bool LoadFromThread(desk::DWORD threadId);
    int RefreshChildren();
    desk::HWND GetDialog();
    bool ActivateChild(desk::HWND child);
    // Whether the active drawing changed; with the MDI lock held a switch is undone instead.
    bool CheckChildChanged();
    desk::HWND BeginChildLock();
    void EndChildLock();
    bool Activate();
    void WaitIdle();
    bool PlaceTextWindow(const desk::RECT& screen, bool hide);
    std::string ReadCmdLine();
    std::string ReadHistory();
    std::string ReadPromptText();

    // Input.
    bool SendCommand(const std::string& text);
    bool SendChar(char ch);
    bool ClickMenu(const std::string& menuPath);
    bool AsyncCommand(int sendNo, const std::string& command, TAsyncSendingProc onSending, TAsyncSendedProc onSended);
    void AsyncCancel();
    bool IsAsyncBuffer();
    // Ends the object's work as its control's end begins: the queue is cancelled and its worker
    // stopped, and every wait of the object, running or to come, ends.
    void Stop();

    // Sequences.
    bool Launch(TAcadIndex index, const std::string& arguments, const std::string& folder, TShowState showState);
    // The variable's value (empty when it could not be read) and whether it is read-only; the
    // CAD is left at the variable's prompt. Transparent: asked beside the command in progress.
    std::string QueryVar(const std::string& name, bool& readOnly, bool transparent = false);
    bool GetVar(const std::string& name, std::string& value);
    bool GetVarNew(const std::string& name, const std::string& newValue, std::string& oldValue);
    bool GetPoint(const std::string& selAddCmd, bool correct, double& x, double& y, double& z);
    bool SelectDxf(const std::string& selAddCmd, TDxfVersion version, const std::string& file, bool singleSelect,
                   bool binary);
    bool SelectAtt(TAttOutType type, const std::string& templateFile, const std::string& outFile, bool singleSelect);
    bool RunScript(const std::string& file, const std::string& text, bool transparent);
    bool UserWait(int callId, const std::string& command, const std::string& selAddCmd, const TUserWaitFirstProc& first,
                  const TUserWaitNextProc& next);

    desk::HWND MainWnd() const { return FMainWnd; }
    desk::HWND GraphWnd() const { return FGraphWnd; }
    desk::HWND ChildWnd() const { return FChildWnd; }
    desk::HWND TextWnd() const { return FTextWnd; }
    desk::HWND CmdLineWnd() const { return FCmdLineWnd; }
    desk::HWND TextHeadlands() const { return FTextHeadlands; }
    desk::HWND TextMountTam() const { return FTextMountTam; }
    desk::HWND CmdHeadlands() const { return FCmdHeadlands; }
    desk::HWND CmdMountTam() const { return FCmdMountTam; }
    desk::HWND MDIClient() const { return FMDIClient; }
    desk::HWND LockChild() const { return FLockChild; }
    TAcadIndex AcadIndex() const { return FAcadIndex; }
    const TWindowList& ChildList() const { return *FChildList; }
    const TAcadWindowInfo& Windows() const { return FWindows; }
    bool Busy() const { return FBusy; }
    bool MDILock() const { return FMDILock; }
    void SetMDILock(bool on) { FMDILock = on; }
    bool CmdIdle() const { return FCmdIdle; }
    void SetCmdIdle(bool on) { FCmdIdle = on; }

private:
    // One step of a wait on the main window: asks the wait callback whether to go on; always no
    // once the object was stopped.
    bool KeepWaiting();
    // Waits until the history shows `echo` for the drawing `kept` and `ready` holds.
    bool WatchCommand(const std::string& echo, desk::HWND kept, const std::function<bool()>& ready);
    // The history after the last cancel mark, without a leading command prompt.
    std::string ReadEcho();
    bool IsIdle();
    // Polls, as long as the wait callback allows, until the CAD is back at its prompt.
    void WaitForPrompt();
    // Types the sequence's command, then the caller's selection when there is one.
    bool StartSequence(const std::string& text, const std::string& selAddCmd);
    bool ReadPointPrecisely(double& x, double& y, double& z);
    // Runs an interactive sequence: refused while another one runs; the drawing lock is ended
    // and errors are turned into failure.
    bool RunBusy(const std::function<bool()>& body);

    desk::HWND FMainWnd = nullptr;
    desk::HWND FGraphWnd = nullptr;
    desk::HWND FChildWnd = nullptr;
    desk::HWND FTextWnd = nullptr;
    desk::HWND FCmdLineWnd = nullptr;
    desk::HWND FTextHeadlands = nullptr;
    desk::HWND FTextMountTam = nullptr;
    desk::HWND FCmdHeadlands = nullptr;
    desk::HWND FCmdMountTam = nullptr;
    TAcadIndex FAcadIndex = 0;
    desk::HWND FMDIClient = nullptr;
    std::unique_ptr<TWindowList> FChildList;
    TAcadWindowInfo FWindows;
    bool FBusy = false;
    bool FMDILock = true;
    desk::HWND FLockChild = nullptr;
    bool FCmdIdle = false;
    bool FStopped = false;
    TTextBuffer FReadBuf, FSendBuf;
    std::unique_ptr<TAsyncCmdList> FAsyncList;
};

} // namespace pellix
