#pragma once
// TAcadControl: the control at the centre of the library. It owns one engine attached to a
// running CAD, a hidden utility window on the creating thread and one timer on it, whose ticks
// watch the CAD and raise the control's events. On screen it is a fixed 28 x 28 face.
//
// A control is made by Create and ended through its pointer's deleter (Free). Ending it while
// one of its own calls is on the stack (a wait serves the host's messages, so the host may end
// the control mid-pick) stops it at once - every wait of the control then ends, every
// operation returns its empty result - and frees it when the outermost call has returned.
#include "pellixlib/AcadCtrl_AcadTypes.h"
#include "pellixlib/AcadCtrl_Events.h"
#include "pellixlib/AcadCtrl_FormImage.h"
#include "pellixlib/AcadFunc_Windows.h"
#include "platform/desktop/types.h"

#include <cstdint>
#include <memory>
#include <functional>
#include <string>
#include <vector>

namespace pellix {

class TAcadObject;
class TAcadCmdThread;
class TWindowList;

enum TCmdSearch : int { csALLCHECK = 0, csCMDLINE = 1, csNOCHECK = 2 };

class TAcadControl {
public:
    struct Destroyer {
        void operator()(TAcadControl* control) const { control->Free(); }
    };
    using Ptr = std::unique_ptr<TAcadControl, Destroyer>;

    // Constructs the control: PATH rewritten, engine and utility window made, no timer yet.
    // `designing` is the host's design mode, in which no timer ever runs.
    static Ptr Create(bool designing = false);
    // Stops the control (timer, window, waits) and frees it, at once or, with one of its calls
    // on the stack, when the outermost returns. Nothing is sent to the CAD.
    void Free();

    // Called once the saved properties are in: starts the timer and attaches to the CAD the
    // user worked in last.
    void Loaded();
    // The control is always 28 x 28.
    void SetBounds(int left, int top, int width, int height);
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void Paint(TCanvas& canvas) const;

    // Attaches to the CAD instance that owns `acadWnd`; true when attached (also when it
    // already was, then without OnAcadLoaded).
    bool AcadLoad(desk::HWND acadWnd);
    // The attached instance's kind; atNOACAD when detached.
    TAcadType Version() const;

    // Operations offered to containers. Window handles travel as 32-bit integers; a parameter
    // taken by non-const reference is written by the operation.
    // Installation queries (the kind AcadType; no CAD needs to run).
    std::string GetExeFile();
    std::string GetExePath();
    bool IsInstall();
    bool IsCanExec();
    bool IsExecuting();
    std::string GetExeVersion();
    std::string GetAutoCADName();
    TAcadType GetACADNameType(const std::string& AcadName);
    TAcadType GetFirstAcadType();
    TAcadType GetLastAcadType();
    TAcadType GetNewAcltType();
    TAcadType GetNewAcadType();
    bool IsRegular();
    bool IsRegistry();
    bool IsMDIWindowModel();
    TDxfVersion GetDxfVersion();
    std::string GetProductVersion();
    std::string GetRegLocalMachine();
    std::string GetRegClassesRoot();
    std::string GetCurVer();
    std::string GetCurrentProfile();
    std::string GetEnumProfiles();
    bool SetCurrentProfiles(const std::string& Profile);
    bool CopyProfile(const std::string& SrcProfile, const std::string& DesProfile);
    std::string GetCurVerRegStr(const std::string& Path, const std::string& Name);
    std::uint32_t GetCurVerRegInt(const std::string& Path, const std::string& Name);
    bool SetCurVerRegStr(const std::string& Path, const std::string& Name, const std::string& param3, bool Refresh);
    bool SetCurVerRegInt(const std::string& Path, const std::string& Name, std::uint32_t param3, bool Refresh);
    std::string GetCurProfileStr(const std::string& Path, const std::string& Name);
    std::uint32_t GetCurProfileInt(const std::string& Path, const std::string& Name);
    bool SetCurProfileStr(const std::string& Path, const std::string& Name, const std::string& param3, bool Refresh);
    bool SetCurProfileInt(const std::string& Path, const std::string& Name, std::uint32_t param3, bool Refresh);
    bool IsSDIMode();
    bool SetSDIMode(bool SDIMode);
    bool DefaultSDIMode();
    // Running instances.
    std::int32_t GetExecutMax();
    std::int32_t GetLastFocus();
    TAcadType GetLastFocusType();
    std::string GetLastFocusCaption();
    std::int32_t FirstFindTextWnd();
    std::int32_t NextFindTextWnd();
    // Start, attach, close (AcadLoad above).
    bool Shell();
    bool Close(const std::string& SaveFile);
    void Clear();
    // The attached instance: state and windows.
    bool IsExecut();
    bool IsActive();
    TShowState GetState();
    bool GetSize(std::int32_t& ALeft, std::int32_t& ATop, std::int32_t& AWidth, std::int32_t& AHeight);
    bool GetDialogSize(std::int32_t& ALeft, std::int32_t& ATop, std::int32_t& AWidth, std::int32_t& AHeight);
    std::int32_t Handle();
    std::int32_t GraphHandle();
    std::int32_t TextHandle();
    std::int32_t CmdLineHandle();
    std::int32_t DialogHandle();
    std::int32_t MDIClient();
    bool HideTextWindow(bool HideMode);
    std::string GetCaption();
    std::string GetDwgCaption();
    std::string GetDialogCaption();
    std::string GetLogHist();
    std::string GetCmdLine();
    std::string GetCmdParam();
    bool IsCmdWait();
    bool AcReSize(std::int32_t ALeft, std::int32_t ATop, std::int32_t AWidth, std::int32_t AHeight);
    bool SetState(TShowState State);
    bool MoveDialog(std::int32_t ALeft, std::int32_t ATop);
    std::int32_t GetChildCount();
    std::int32_t FirstChildWindow();
    std::int32_t NextChildWindow();
    bool SetTopChild(std::int32_t ChildWindow);
    bool GetClientSize(std::int32_t& ALeft, std::int32_t& ATop, std::int32_t& AWidth, std::int32_t& AHeight);
    bool GetChildWindowSize(std::int32_t& ALeft, std::int32_t& ATop, std::int32_t& AWidth, std::int32_t& AHeight);
    bool ReSizeChildWindow(std::int32_t ALeft, std::int32_t ATop, std::int32_t AWidth, std::int32_t AHeight);
    TShowState GetChildWindowState();
    bool ReStateChildWindow(TShowState State);
    void WaitIdle();
    bool WaitCommand();
    bool Active();
    // Commands, keys, menus and clicks.
    bool Command(const std::string& CmdStr);
    bool AsyncCommand(const std::string& CmdStr, std::int32_t SendNo);
    void AsyncCancel();
    bool IsAsyncBuffer();
    bool SendCtrlKey(const std::string& CharKey);
    bool ClickMenu(const std::string& MenuItem);
    bool MouseClick(const std::string& Caption, const std::string& ClassName, bool TopMove, bool DoubleClick,
                    bool RightClick);
    // System variables.
    bool GetVar(const std::string& VarName, std::string& param2);
    bool GetVarNew(const std::string& VarName, const std::string& NewValue, std::string& param3);
    // Interactive operations.
    bool GetPoint(bool Correct, double& X, double& Y, double& Z);
    bool SelectDxf(bool SingleSelect);
    bool SelectAtt(bool SingleSelect);
    bool RunScript(const std::string& Script, bool Int);
    bool UserWait(std::int32_t CallID, const std::string& WaitCommand);
    void InterCancel();
    // Any window (the caller's handle).
    bool GetWindowSize(std::int32_t WinHdl, std::int32_t& ALeft, std::int32_t& ATop, std::int32_t& AWidth,
                       std::int32_t& AHeight);
    std::string GetWindowCaption(std::int32_t WinHdl);
    TShowState GetWindowState(std::int32_t WinHdl);
    bool SetReSizeWindow(std::int32_t WinHdl, std::int32_t ALeft, std::int32_t ATop, std::int32_t AWidth,
                         std::int32_t AHeight);
    bool SetMoveWindow(std::int32_t WinHdl, std::int32_t ALeft, std::int32_t ATop);
    bool SetWindowState(std::int32_t WinHdl, TShowState State);
    bool CloseWindow(std::int32_t WinHdl);
    bool ActiveWindow(std::int32_t WinHdl);
    // The host's windows and the control's own.
    std::int32_t ControlWnd();
    void ResetOwnerWnd();
    std::int32_t NextOwnerWnd(std::string& OwnerCaption, std::string& OwnerClass);
    std::int32_t GetOwnerWnd();
    std::int32_t ActiveOwnerWnd();
    std::int32_t AcadCtrVer();

    // Monitor (one tick, its checks and the delayed dialog event).
    virtual desk::HWND CheckActiveChange(int& count);
    virtual void CheckDialog();
    virtual void DoDialog(desk::HWND dialog);
    virtual bool CheckCmdEnabled();
    virtual void TimerTick();
    void CheckChildChange();
    // CheckChildChange, then whether the CAD's main window exists and is enabled.
    bool IsCmdEnabled();

    // The handler interactive waits register (AddWaitCallback): stops the wait when the drawing
    // changed, InterCancel was called, the window is not the attached main window, or the
    // control is being ended.
    void InterWaitProc(desk::HWND window, bool& keepWaiting);
    // Raisers handed to the engine; each answers true unless the handler says otherwise and
    // swallows the handler's exceptions.
    bool DoUserWaitFirst(int callId);
    bool DoUserWaitNext(int callId, const std::string& cmdStr);
    // Called by the command queue on its worker thread (the engine's sending and sent procs).
    void DoAsyncSending(TAcadCmdThread* worker, int sendNo, desk::HWND target, bool targetIsWindow);
    void DoAsyncSended(TAcadCmdThread* worker, int sendNo, desk::HWND target, bool resulted);

    // Keeps the control alive and marks one of its calls on the stack for the scope's life; while
    // any is, the control's waits on the attached main window end once the control is ended.
    class CallScope {
    public:
        explicit CallScope(TAcadControl& control);
        ~CallScope();
        CallScope(const CallScope&) = delete;
        CallScope& operator=(const CallScope&) = delete;

    private:
        TAcadControl& control_;
    };
    // Sets a busy flag for the scope's life, clearing it on every exit path only when it set it.
    class BusyScope {
    public:
        explicit BusyScope(bool& flag) : flag_(flag), owner_(!flag) { flag_ = true; }
        ~BusyScope() {
            if (owner_) flag_ = false;
        }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        bool& flag_;
        bool owner_;
    };

    // Properties.
    TAttOutType AttOutType() const { return FAttOutType; }
    void SetAttOutType(TAttOutType v) { FAttOutType = v; }
    const std::string& AttTempFile() const { return FAttTempFile; }
    void SetAttTempFile(std::string v) { FAttTempFile = std::move(v); }
    const std::string& AttOutFile() const { return FAttOutFile; }
    void SetAttOutFile(std::string v) { FAttOutFile = std::move(v); }
    bool DxfBinary() const { return FDxfBinary; }
    void SetDxfBinary(bool v) { FDxfBinary = v; }
    TDxfVersion DxfVersion() const { return FDxfVersion; }
    void SetDxfVersion(TDxfVersion v) { FDxfVersion = v; }
    const std::string& DxfFile() const { return FDxfFile; }
    void SetDxfFile(std::string v) { FDxfFile = std::move(v); }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v);
    std::int32_t Interval() const { return FInterval; }
    void SetInterval(std::int32_t v);
    bool InterMode() const { return FInterMode; }
    void SetInterMode(bool v);
    bool AcadLocked() const { return FAcadLocked; }
    void SetAcadLocked(bool v) { FAcadLocked = v; }
    int AcadType() const { return FAcadType; }
    void SetAcadType(int v) { FAcadType = v; }
    bool LoadAcadType() const { return FLoadAcadType; }
    void SetLoadAcadType(bool v) { FLoadAcadType = v; }
    TCmdSearch CmdSearch() const { return FCmdSearch; }
    void SetCmdSearch(TCmdSearch v);
    bool CmdIdle() const;
    void SetCmdIdle(bool v);
    TShowState ShellState() const { return FShellState; }
    void SetShellState(TShowState v) { FShellState = v; }
    const std::string& ShellCmdLine() const { return FShellCmdLine; }
    void SetShellCmdLine(std::string v) { FShellCmdLine = std::move(v); }
    const std::string& ScriptFile() const { return FScriptFile; }
    void SetScriptFile(std::string v) { FScriptFile = std::move(v); }
    const std::string& WaitMessage() const { return FWaitMessage; }
    void SetWaitMessage(std::string v);
    const std::string& SelAddCmd() const { return FSelAddCmd; }
    void SetSelAddCmd(std::string v) { FSelAddCmd = std::move(v); }
    bool MDILock() const { return FMDILock; }
    void SetMDILock(bool v) { FMDILock = v; }
    std::int32_t ProIndex() const { return FProIndex; }
    void SetProIndex(std::int32_t v) { FProIndex = v; }
    bool AutoEnter() const { return FAutoEnter; }
    void SetAutoEnter(bool v) { FAutoEnter = v; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool v) { FVisible = v; }

    // Events.
    void SetOnActiveChange(TActiveChangeEvent h) { FOnActiveChange = std::move(h); }
    void SetOnAcadClose(TNotifyEvent h) { FOnAcadClose = std::move(h); }
    void SetOnAcadCmdActive(TCommandEnabledEvent h) { FOnAcadCmdActive = std::move(h); }
    void SetOnAcadCmdChange(TCommandEvent h) { FOnAcadCmdChange = std::move(h); }
    void SetOnAcadCmdWait(TNotifyEvent h) { FOnAcadCmdWait = std::move(h); }
    void SetOnAcadEnterNext(TEnterNextEvent h) { FOnAcadEnterNext = std::move(h); }
    void SetOnAsyncSending(TAsyncCmdSendingEvent h) { FOnAsyncSending = std::move(h); }
    void SetOnAsyncSended(TAsyncCmdSendedEvent h) { FOnAsyncSended = std::move(h); }
    void SetOnAcadDialog(TDialogEvent h) { FOnAcadDialog = std::move(h); }
    void SetOnAcadLoaded(TNotifyEvent h) { FOnAcadLoaded = std::move(h); }
    void SetOnChildChange(TChildChangeEvent h) { FOnChildChange = std::move(h); }
    void SetOnUserWaitFirst(TUserWaitFirstEvent h) { FOnUserWaitFirst = std::move(h); }
    void SetOnUserWaitNext(TUserWaitNextEvent h) { FOnUserWaitNext = std::move(h); }
    void SetOnWaitMessage(TCommandEvent h) { FOnWaitMessage = std::move(h); }
    void SetOnProcessLoop(TProcessLoopEvent h);
    void SetOnTimer(TNotifyEvent h);

    // State for the operations.
    TAcadObject& Engine() { return *FAcadObject; }
    bool Destroying() const { return FDestroying; }
    bool Designing() const { return FDesigning; }
    desk::HWND UtilWindow() const { return FUtilWindow; }
    bool TimerOn() const { return FTimerOn; }
    bool& InShell() { return FInShell; }
    bool& InClose() { return FInClose; }
    bool& InCommand() { return FInCommand; }
    bool InTick() const { return FInTick; }
    // Cursor of the drawing-window walk; reset with the monitor's memory.
    int& ChildIndex() { return FChildIndex; }
    // Marks a change of drawing (or a cancel) for the running interactive wait.
    void SetChildChanged() { FChildChanged = true; }
    // Forgets what the monitor saw, so the next ticks report the current state again.
    void ResetState();
    // Restarts the timer (or stops it) after a change of Enabled, Interval or the tick events.
    void UpdateTimer();

protected:
    explicit TAcadControl(bool designing);
    virtual ~TAcadControl();
    TAcadControl(const TAcadControl&) = delete;
    TAcadControl& operator=(const TAcadControl&) = delete;

private:
    void Stop();
    desk::LRESULT WndProc(desk::HWND wnd, desk::UINT msg, desk::WPARAM wParam, desk::LPARAM lParam);
    void CommandLinePart();
    void SecondTickPart();
    // The next tick takes the CAD's command line and history as changed.
    void MarkCommandLineChanged();
    // The frame of the interactive operations: the drawing checked, this call's wait callback
    // on the main window for the operation's life, the engine's drawing lock set.
    bool RunInteractive(const std::function<bool()>& operation);
    // Closes the CAD's dialogs one after another; false when one remains open.
    bool CloseDialogs();

    // Properties.
    TAttOutType FAttOutType = atCDFOUT;
    std::string FAttTempFile, FAttOutFile;
    bool FDxfBinary = false;
    TDxfVersion FDxfVersion = dvDXFNA;
    std::string FDxfFile;
    bool FEnabled = true;
    std::int32_t FInterval = 500;
    bool FInterMode = true;
    bool FAcadLocked = true;
    int FAcadType = atNOACAD;
    bool FLoadAcadType = true;
    TCmdSearch FCmdSearch = csALLCHECK;
    TShowState FShellState = ssNORMAL;
    std::string FShellCmdLine, FScriptFile, FWaitMessage, FSelAddCmd;
    bool FMDILock = true;
    std::int32_t FProIndex = 0;
    bool FAutoEnter = false;
    bool FVisible = true;
    int FLeft = 0, FTop = 0, FWidth = kFaceSize, FHeight = kFaceSize;

    TActiveChangeEvent FOnActiveChange;
    TNotifyEvent FOnAcadClose;
    TCommandEnabledEvent FOnAcadCmdActive;
    TCommandEvent FOnAcadCmdChange;
    TNotifyEvent FOnAcadCmdWait;
    TEnterNextEvent FOnAcadEnterNext;
    TAsyncCmdSendingEvent FOnAsyncSending;
    TAsyncCmdSendedEvent FOnAsyncSended;
    TDialogEvent FOnAcadDialog;
    TNotifyEvent FOnAcadLoaded;
    TChildChangeEvent FOnChildChange;
    TUserWaitFirstEvent FOnUserWaitFirst;
    TUserWaitNextEvent FOnUserWaitNext;
    TCommandEvent FOnWaitMessage;
    TProcessLoopEvent FOnProcessLoop;
    TNotifyEvent FOnTimer;

    // Internal state.
    bool FDesigning;
    bool FDestroying = false;
    bool FInShell = false, FInClose = false, FInCommand = false, FInTick = false;
    bool FTickToggle = false;
    bool FTimerOn = false;
    desk::HWND FUtilWindow = nullptr;
    std::unique_ptr<TAcadObject> FAcadObject;
    desk::HWND FLastFocus = nullptr;
    desk::HWND FLastDialog = nullptr;
    bool FLastCmdEnabled = true;
    std::string FLastCmd, FLastHist;
    std::uint8_t FWaitCount = 0;
    std::string FLastWaitText;
    bool FWaitMessageEmpty = true;
    bool FChildChanged = false;
    int FChildIndex = 0;
    int FCallDepth = 0;
    bool FFreePending = false;
    // Snapshots walked by NextFindTextWnd (index -1: none) and NextOwnerWnd.
    std::unique_ptr<TWindowList> FFindList;
    int FFindIndex = -1;
    std::vector<desk::HWND> FOwnerList;
};

} // namespace pellix
