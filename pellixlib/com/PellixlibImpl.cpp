#include "pellixlib/com/PellixlibImpl.h"

#include "pellixlib/AcadCtrl_Errors.h"
#include "pellixlib/AcadFunc_Windows.h"
#include "pellixlib/com/AboutUnit.h"
#include "pellixlib/com/Pellixlib_TLB.h"
#include "platform/desktop/message.h"
#include "platform/desktop/window.h"

namespace pellix {

using namespace com;
using A = DispatchArguments;
using R = Variant;

namespace {

const std::string kWindowClass = "TPellixWindow";
// Worker-thread events posted to the object's window: wParam the send number, lParam the target.
constexpr desk::UINT kAsyncSending = desk::WM_USER + 1;
constexpr desk::UINT kAsyncSendedFalse = desk::WM_USER + 2;
constexpr desk::UINT kAsyncSendedTrue = desk::WM_USER + 3;

R Str(const std::string& cp932) { return R::AttachBstr(BstrFromAnsi(cp932)); }
// Enumerations cross unchecked into the control's 8-bit fields.
int Enum8(LONG v) { return static_cast<std::uint8_t>(v); }
// A by-reference string replaced by the control's output (the caller's old string freed).
void SetAnsiRef(A& a, std::size_t i, const std::string& cp932) {
    BSTR& target = a.BstrRef(i);
    BSTR fresh = BstrFromAnsi(cp932);
    SysFreeString(target);
    target = fresh;
}
VARIANT_BOOL Vb(bool b) { return b ? VARIANT_TRUE : VARIANT_FALSE; }

} // namespace

TPellix::TPellix(ServerModule& module)
        : DispatchObject(tlb::IPellix(), tlb::kProgId, &module), FEvents(*this, tlb::DIID_IPellixEvents) {
    FControl = TAcadControl::Create();
    FWindow = CreateHiddenWindow(kWindowClass, [this](desk::HWND w, desk::UINT m, desk::WPARAM wp, desk::LPARAM lp) {
        return WndProc(w, m, wp, lp);
    });
    BindOperations();
    BindProperties();
    BindFramework();
    InitializeControl();
}

TPellix::~TPellix() {
    FControl.reset(); // its worker is gone before the window that takes its posts
    if (FWindow) desk::DestroyWindow(FWindow);
}

TAcadControl& TPellix::Control() {
    if (!FControl) throw Error(E_UNEXPECTED, "The control has been closed.");
    return *FControl;
}

HRESULT TPellix::Guarded(const std::function<HRESULT()>& member) {
    std::string description;
    HRESULT hr = E_UNEXPECTED;
    try {
        return member();
    } catch (const Error& e) {
        hr = e.Code() < 0 ? e.Code() : E_FAIL;
        description = e.what();
    } catch (const std::exception& e) {
        hr = E_FAIL;
        description = e.what();
    } catch (...) {
        description = "The control failed.";
    }
    SetErrorInfo({tlb::IID_IPellix, tlb::kProgId, description});
    return hr;
}

HRESULT TPellix::Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excepInfo, UINT* argErr) {
    ComPtr<TPellix> keep(this);
    return DispatchObject::Invoke(id, iid, lcid, flags, params, result, excepInfo, argErr);
}

HRESULT TPellix::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    if (!point) return E_POINTER;
    *point = nullptr;
    if (iid != tlb::DIID_IPellixEvents) return CONNECT_E_NOCONNECTION;
    *point = &FEvents;
    FEvents.AddRef();
    return S_OK;
}

void TPellix::BindOperations() {
    auto op = [this](const char* name, std::function<void(TAcadControl&, A&, R&)> f) {
        Table().Method(name, [this, f = std::move(f)](A& a, R& r) { f(Control(), a, r); });
    };
    op("GetExeFile", [](TAcadControl& c, A&, R& r) { r = Str(c.GetExeFile()); });
    op("GetExePath", [](TAcadControl& c, A&, R& r) { r = Str(c.GetExePath()); });
    op("IsInstall", [](TAcadControl& c, A&, R& r) { r = R::Bool(c.IsInstall()); });
    op("IsCanExec", [](TAcadControl& c, A&, R& r) { r = R::Bool(c.IsCanExec()); });
    op("IsExecuting", [](TAcadControl& c, A&, R& r) { r = R::Bool(c.IsExecuting()); });
    op("GetExeVersion", [](TAcadControl& c, A&, R& r) { r = Str(c.GetExeVersion()); });
    op("GetAutoCADName", [](TAcadControl& c, A&, R& r) { r = Str(c.GetAutoCADName()); });
    op("GetACADNameType", [](TAcadControl& c, A& a, R& r) { r = R::I4(c.GetACADNameType(a.Ansi(0))); });
    op("GetFirstAcadType", [](TAcadControl& c, A&, R& r) { r = R::I4(c.GetFirstAcadType()); });
    op("GetLastAcadType", [](TAcadControl& c, A&, R& r) { r = R::I4(c.GetLastAcadType()); });
    op("GetNewAcltType", [](TAcadControl& c, A&, R& r) { r = R::I4(c.GetNewAcltType()); });
    op("GetNewAcadType", [](TAcadControl& c, A&, R& r) { r = R::I4(c.GetNewAcadType()); });
    op("IsRegular", [](TAcadControl& c, A&, R& r) { r = R::Bool(c.IsRegular()); });
    op("IsRegistry", [](TAcadControl& c, A&, R& r) { r = R::Bool(c.IsRegistry()); });
    op("IsMDIWindowModel", [](TAcadControl& c, A&, R& r) { r = R::Bool(c.IsMDIWindowModel()); });
    op("GetDxfVersion", [](TAcadControl& c, A&, R& r) { r = R::I4(c.GetDxfVersion()); });
    op("GetProductVersion", [](TAcadControl& c, A&, R& r) { r = Str(c.GetProductVersion()); });
    op("GetExecutMax", [](TAcadControl& c, A&, R& r) { r = R::I4(c.GetExecutMax()); });
    op("GetLastFocus", [](TAcadControl& c, A&, R& r) { r = R::I4(c.GetLastFocus()); });
    op("GetLastFocusType", [](TAcadControl& c, A&, R& r) { r = R::I4(c.GetLastFocusType()); });
    op("GetLastFocusCaption", [](TAcadControl& c, A&, R& r) { r = Str(c.GetLastFocusCaption()); });
    op("GetRegLocalMachine", [](TAcadControl& c, A&, R& r) { r = Str(c.GetRegLocalMachine()); });
    op("GetRegClassesRoot", [](TAcadControl& c, A&, R& r) { r = Str(c.GetRegClassesRoot()); });
    op("GetCurVer", [](TAcadControl& c, A&, R& r) { r = Str(c.GetCurVer()); });
    op("GetCurrentProfile", [](TAcadControl& c, A&, R& r) { r = Str(c.GetCurrentProfile()); });
    op("GetEnumProfiles", [](TAcadControl& c, A&, R& r) { r = Str(c.GetEnumProfiles()); });
    op("SetCurrentProfiles", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.SetCurrentProfiles(a.Ansi(0))); });
    op("CopyProfile", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.CopyProfile(a.Ansi(0), a.Ansi(1))); });
    op("GetCurVerRegStr", [](TAcadControl& c, A& a, R& r) { r = Str(c.GetCurVerRegStr(a.Ansi(0), a.Ansi(1))); });
    op("GetCurVerRegInt", [](TAcadControl& c, A& a, R& r) { r = R::UI4(c.GetCurVerRegInt(a.Ansi(0), a.Ansi(1))); });
    op("SetCurVerRegStr",
       [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.SetCurVerRegStr(a.Ansi(0), a.Ansi(1), a.Ansi(2), a.Bool(3))); });
    op("SetCurVerRegInt", [](TAcadControl& c, A& a, R& r) {
        r = R::Bool(c.SetCurVerRegInt(a.Ansi(0), a.Ansi(1), a.ULong(2), a.Bool(3)));
    });
    op("GetCurProfileStr", [](TAcadControl& c, A& a, R& r) { r = Str(c.GetCurProfileStr(a.Ansi(0), a.Ansi(1))); });
    op("GetCurProfileInt", [](TAcadControl& c, A& a, R& r) { r = R::UI4(c.GetCurProfileInt(a.Ansi(0), a.Ansi(1))); });
    op("SetCurProfileStr", [](TAcadControl& c, A& a, R& r) {
        r = R::Bool(c.SetCurProfileStr(a.Ansi(0), a.Ansi(1), a.Ansi(2), a.Bool(3)));
    });
    op("SetCurProfileInt", [](TAcadControl& c, A& a, R& r) {
        r = R::Bool(c.SetCurProfileInt(a.Ansi(0), a.Ansi(1), a.ULong(2), a.Bool(3)));
    });
    op("IsSDIMode", [](TAcadControl& c, A&, R& r) { r = R::Bool(c.IsSDIMode()); });
    op("SetSDIMode", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.SetSDIMode(a.Bool(0))); });
    op("DefaultSDIMode", [](TAcadControl& c, A&, R& r) { r = R::Bool(c.DefaultSDIMode()); });
    op("Shell", [](TAcadControl& c, A&, R& r) { r = R::Bool(c.Shell()); });
    op("Close", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.Close(a.Ansi(0))); });
    op("AcadLoad", [](TAcadControl& c, A& a, R& r) {
        r = R::Bool(c.AcadLoad(reinterpret_cast<desk::HWND>(static_cast<std::intptr_t>(a.Long(0)))));
    });
    op("Clear", [](TAcadControl& c, A&, R&) { c.Clear(); });
    op("FirstFindTextWnd", [](TAcadControl& c, A&, R& r) { r = R::I4(c.FirstFindTextWnd()); });
    op("NextFindTextWnd", [](TAcadControl& c, A&, R& r) { r = R::I4(c.NextFindTextWnd()); });
    op("IsExecut", [](TAcadControl& c, A&, R& r) { r = R::Bool(c.IsExecut()); });
    op("IsActive", [](TAcadControl& c, A&, R& r) { r = R::Bool(c.IsActive()); });
    op("IsCmdEnabled", [](TAcadControl& c, A&, R& r) { r = R::Bool(c.IsCmdEnabled()); });
    op("Version", [](TAcadControl& c, A&, R& r) { r = R::I4(c.Version()); });
    op("GetSize", [](TAcadControl& c, A& a, R& r) {
        r = R::Bool(c.GetSize(a.LongRef(0), a.LongRef(1), a.LongRef(2), a.LongRef(3)));
    });
    op("GetDialogSize", [](TAcadControl& c, A& a, R& r) {
        r = R::Bool(c.GetDialogSize(a.LongRef(0), a.LongRef(1), a.LongRef(2), a.LongRef(3)));
    });
    op("GetState", [](TAcadControl& c, A&, R& r) { r = R::I4(c.GetState()); });
    op("Handle", [](TAcadControl& c, A&, R& r) { r = R::I4(c.Handle()); });
    op("GraphHandle", [](TAcadControl& c, A&, R& r) { r = R::I4(c.GraphHandle()); });
    op("TextHandle", [](TAcadControl& c, A&, R& r) { r = R::I4(c.TextHandle()); });
    op("CmdLineHandle", [](TAcadControl& c, A&, R& r) { r = R::I4(c.CmdLineHandle()); });
    op("DialogHandle", [](TAcadControl& c, A&, R& r) { r = R::I4(c.DialogHandle()); });
    op("MDIClient", [](TAcadControl& c, A&, R& r) { r = R::I4(c.MDIClient()); });
    op("HideTextWindow", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.HideTextWindow(a.Bool(0))); });
    op("GetCaption", [](TAcadControl& c, A&, R& r) { r = Str(c.GetCaption()); });
    op("GetDwgCaption", [](TAcadControl& c, A&, R& r) { r = Str(c.GetDwgCaption()); });
    op("GetDialogCaption", [](TAcadControl& c, A&, R& r) { r = Str(c.GetDialogCaption()); });
    op("GetLogHist", [](TAcadControl& c, A&, R& r) { r = Str(c.GetLogHist()); });
    op("GetCmdLine", [](TAcadControl& c, A&, R& r) { r = Str(c.GetCmdLine()); });
    op("GetCmdParam", [](TAcadControl& c, A&, R& r) { r = Str(c.GetCmdParam()); });
    op("IsCmdWait", [](TAcadControl& c, A&, R& r) { r = R::Bool(c.IsCmdWait()); });
    op("IsAsyncBuffer", [](TAcadControl& c, A&, R& r) { r = R::Bool(c.IsAsyncBuffer()); });
    op("Command", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.Command(a.Ansi(0))); });
    op("AsyncCommand", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.AsyncCommand(a.Ansi(0), a.Long(1))); });
    op("AsyncCancel", [](TAcadControl& c, A&, R&) { c.AsyncCancel(); });
    op("SendCtrlKey", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.SendCtrlKey(a.Ansi(0))); });
    op("ClickMenu", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.ClickMenu(a.Ansi(0))); });
    op("MouseClick", [](TAcadControl& c, A& a, R& r) {
        r = R::Bool(c.MouseClick(a.Ansi(0), a.Ansi(1), a.Bool(2), a.Bool(3), a.Bool(4)));
    });
    op("Active", [](TAcadControl& c, A&, R& r) { r = R::Bool(c.Active()); });
    op("WaitIdle", [](TAcadControl& c, A&, R&) { c.WaitIdle(); });
    op("WaitCommand", [](TAcadControl& c, A&, R& r) { r = R::Bool(c.WaitCommand()); });
    op("AcReSize",
       [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.AcReSize(a.Long(0), a.Long(1), a.Long(2), a.Long(3))); });
    op("SetState",
       [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.SetState(static_cast<TShowState>(Enum8(a.Long(0))))); });
    op("MoveDialog", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.MoveDialog(a.Long(0), a.Long(1))); });
    op("GetChildCount", [](TAcadControl& c, A&, R& r) { r = R::I4(c.GetChildCount()); });
    op("FirstChildWindow", [](TAcadControl& c, A&, R& r) { r = R::I4(c.FirstChildWindow()); });
    op("NextChildWindow", [](TAcadControl& c, A&, R& r) { r = R::I4(c.NextChildWindow()); });
    op("SetTopChild", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.SetTopChild(a.Long(0))); });
    op("GetClientSize", [](TAcadControl& c, A& a, R& r) {
        r = R::Bool(c.GetClientSize(a.LongRef(0), a.LongRef(1), a.LongRef(2), a.LongRef(3)));
    });
    op("GetChildWindowSize", [](TAcadControl& c, A& a, R& r) {
        r = R::Bool(c.GetChildWindowSize(a.LongRef(0), a.LongRef(1), a.LongRef(2), a.LongRef(3)));
    });
    op("ReSizeChildWindow", [](TAcadControl& c, A& a, R& r) {
        r = R::Bool(c.ReSizeChildWindow(a.Long(0), a.Long(1), a.Long(2), a.Long(3)));
    });
    op("GetChildWindowState", [](TAcadControl& c, A&, R& r) { r = R::I4(c.GetChildWindowState()); });
    op("ReStateChildWindow", [](TAcadControl& c, A& a, R& r) {
        r = R::Bool(c.ReStateChildWindow(static_cast<TShowState>(Enum8(a.Long(0)))));
    });
    op("GetVar", [](TAcadControl& c, A& a, R& r) {
        std::string value;
        r = R::Bool(c.GetVar(a.Ansi(0), value));
        SetAnsiRef(a, 1, value);
    });
    op("GetVarNew", [](TAcadControl& c, A& a, R& r) {
        std::string old;
        r = R::Bool(c.GetVarNew(a.Ansi(0), a.Ansi(1), old));
        SetAnsiRef(a, 2, old);
    });
    op("GetPoint", [](TAcadControl& c, A& a, R& r) {
        r = R::Bool(c.GetPoint(a.Bool(0), a.DoubleRef(1), a.DoubleRef(2), a.DoubleRef(3)));
    });
    op("SelectDxf", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.SelectDxf(a.Bool(0))); });
    op("SelectAtt", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.SelectAtt(a.Bool(0))); });
    op("RunScript", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.RunScript(a.Ansi(0), a.Bool(1))); });
    op("UserWait", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.UserWait(a.Long(0), a.Ansi(1))); });
    op("InterCancel", [](TAcadControl& c, A&, R&) { c.InterCancel(); });
    op("GetWindowSize", [](TAcadControl& c, A& a, R& r) {
        r = R::Bool(c.GetWindowSize(a.Long(0), a.LongRef(1), a.LongRef(2), a.LongRef(3), a.LongRef(4)));
    });
    op("GetWindowCaption", [](TAcadControl& c, A& a, R& r) { r = Str(c.GetWindowCaption(a.Long(0))); });
    op("GetWindowState", [](TAcadControl& c, A& a, R& r) { r = R::I4(c.GetWindowState(a.Long(0))); });
    op("SetReSizeWindow", [](TAcadControl& c, A& a, R& r) {
        r = R::Bool(c.SetReSizeWindow(a.Long(0), a.Long(1), a.Long(2), a.Long(3), a.Long(4)));
    });
    op("SetMoveWindow",
       [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.SetMoveWindow(a.Long(0), a.Long(1), a.Long(2))); });
    op("SetWindowState", [](TAcadControl& c, A& a, R& r) {
        r = R::Bool(c.SetWindowState(a.Long(0), static_cast<TShowState>(Enum8(a.Long(1)))));
    });
    op("CloseWindow", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.CloseWindow(a.Long(0))); });
    op("ActiveWindow", [](TAcadControl& c, A& a, R& r) { r = R::Bool(c.ActiveWindow(a.Long(0))); });
    op("ControlWnd", [](TAcadControl& c, A&, R& r) { r = R::I4(c.ControlWnd()); });
    op("ResetOwnerWnd", [](TAcadControl& c, A&, R&) { c.ResetOwnerWnd(); });
    op("NextOwnerWnd", [](TAcadControl& c, A& a, R& r) {
        std::string caption, className;
        r = R::I4(c.NextOwnerWnd(caption, className));
        SetAnsiRef(a, 0, caption);
        SetAnsiRef(a, 1, className);
    });
    op("GetOwnerWnd", [](TAcadControl& c, A&, R& r) { r = R::I4(c.GetOwnerWnd()); });
    op("ActiveOwnerWnd", [](TAcadControl& c, A&, R& r) { r = R::I4(c.ActiveOwnerWnd()); });
    op("AcadCtrVer", [](TAcadControl& c, A&, R& r) { r = R::I4(c.AcadCtrVer()); });
}

void TPellix::BindProperties() {
    // A property's read and write entries.
    auto prop = [this](const char* name, std::function<R(TAcadControl&)> get,
                       std::function<void(TAcadControl&, A&)> put) {
        Table().Get(name, [this, get = std::move(get)](A&, R& r) { r = get(Control()); });
        Table().Put(name, [this, put = std::move(put)](A& a, R&) { put(Control(), a); });
    };
    // clang-format off
    prop("AttOutType", [](TAcadControl& c) { return R::I4(c.AttOutType()); },
         [](TAcadControl& c, A& a) { c.SetAttOutType(static_cast<TAttOutType>(Enum8(a.Long(0)))); });
    prop("AttTempFile", [](TAcadControl& c) { return Str(c.AttTempFile()); }, [](TAcadControl& c, A& a) { c.SetAttTempFile(a.Ansi(0)); });
    prop("AttOutFile", [](TAcadControl& c) { return Str(c.AttOutFile()); }, [](TAcadControl& c, A& a) { c.SetAttOutFile(a.Ansi(0)); });
    prop("DxfBinary", [](TAcadControl& c) { return R::Bool(c.DxfBinary()); }, [](TAcadControl& c, A& a) { c.SetDxfBinary(a.Bool(0)); });
    prop("DxfVersion", [](TAcadControl& c) { return R::I4(c.DxfVersion()); },
         [](TAcadControl& c, A& a) { c.SetDxfVersion(static_cast<TDxfVersion>(Enum8(a.Long(0)))); });
    prop("DxfFile", [](TAcadControl& c) { return Str(c.DxfFile()); }, [](TAcadControl& c, A& a) { c.SetDxfFile(a.Ansi(0)); });
    prop("Enabled", [](TAcadControl& c) { return R::Bool(c.Enabled()); }, [](TAcadControl& c, A& a) { c.SetEnabled(a.Bool(0)); });
    prop("Interval", [](TAcadControl& c) { return R::I4(c.Interval()); }, [](TAcadControl& c, A& a) { c.SetInterval(a.Long(0)); });
    prop("InterMode", [](TAcadControl& c) { return R::Bool(c.InterMode()); }, [](TAcadControl& c, A& a) { c.SetInterMode(a.Bool(0)); });
    prop("AcadLocked", [](TAcadControl& c) { return R::Bool(c.AcadLocked()); }, [](TAcadControl& c, A& a) { c.SetAcadLocked(a.Bool(0)); });
    prop("AcadType", [](TAcadControl& c) { return R::I4(c.AcadType()); }, [](TAcadControl& c, A& a) { c.SetAcadType(Enum8(a.Long(0))); });
    prop("LoadAcadType", [](TAcadControl& c) { return R::Bool(c.LoadAcadType()); },
         [](TAcadControl& c, A& a) { c.SetLoadAcadType(a.Bool(0)); });
    prop("CmdSearch", [](TAcadControl& c) { return R::I4(c.CmdSearch()); },
         [](TAcadControl& c, A& a) { c.SetCmdSearch(static_cast<TCmdSearch>(Enum8(a.Long(0)))); });
    prop("CmdIdle", [](TAcadControl& c) { return R::Bool(c.CmdIdle()); }, [](TAcadControl& c, A& a) { c.SetCmdIdle(a.Bool(0)); });
    prop("ShellState", [](TAcadControl& c) { return R::I4(c.ShellState()); },
         [](TAcadControl& c, A& a) { c.SetShellState(static_cast<TShowState>(Enum8(a.Long(0)))); });
    prop("ShellCmdLine", [](TAcadControl& c) { return Str(c.ShellCmdLine()); }, [](TAcadControl& c, A& a) { c.SetShellCmdLine(a.Ansi(0)); });
    prop("ScriptFile", [](TAcadControl& c) { return Str(c.ScriptFile()); }, [](TAcadControl& c, A& a) { c.SetScriptFile(a.Ansi(0)); });
    prop("WaitMessage", [](TAcadControl& c) { return Str(c.WaitMessage()); }, [](TAcadControl& c, A& a) { c.SetWaitMessage(a.Ansi(0)); });
    prop("SelAddCmd", [](TAcadControl& c) { return Str(c.SelAddCmd()); }, [](TAcadControl& c, A& a) { c.SetSelAddCmd(a.Ansi(0)); });
    prop("MDILock", [](TAcadControl& c) { return R::Bool(c.MDILock()); }, [](TAcadControl& c, A& a) { c.SetMDILock(a.Bool(0)); });
    prop("ProIndex", [](TAcadControl& c) { return R::I4(c.ProIndex()); }, [](TAcadControl& c, A& a) { c.SetProIndex(a.Long(0)); });
    prop("AutoEnter", [](TAcadControl& c) { return R::Bool(c.AutoEnter()); }, [](TAcadControl& c, A& a) { c.SetAutoEnter(a.Bool(0)); });
    prop("Visible", [](TAcadControl& c) { return R::Bool(c.Visible()); }, [this](TAcadControl& c, A& a) {
        c.SetVisible(a.Bool(0));
        ViewChanged();
    });
    // clang-format on
}

void TPellix::BindFramework() {
    TWinControl& w = FWinControl;
    Table()
        .Get("DoubleBuffered", [&w](A&, R& r) { r = R::Bool(w.DoubleBuffered); })
        .Put("DoubleBuffered", [&w](A& a, R&) { w.DoubleBuffered = a.Bool(0); })
        .Get("AlignDisabled", [](A&, R& r) { r = R::Bool(false); })
        .Get("VisibleDockClientCount", [](A&, R& r) { r = R::I4(0); })
        .Method("DrawTextBiDiModeFlagsReadingOnly", [](A&, R& r) { r = R::I4(0); }) // left to right
        .Method("InitiateAction", [](A&, R&) {})                                    // no action linked
        .Method("IsRightToLeft", [](A&, R& r) { r = R::Bool(false); })
        .Method("UseRightToLeftReading", [](A&, R& r) { r = R::Bool(false); })
        .Method("UseRightToLeftScrollBar", [](A&, R& r) { r = R::Bool(false); })
        .Get("Cursor", [&w](A&, R& r) { r = R::I2(w.Cursor); })
        .Put("Cursor", [&w](A& a, R&) { w.Cursor = a.Short(0); })
        .Get("HelpType", [&w](A&, R& r) { r = R::I4(w.HelpType); })
        .Put("HelpType", [&w](A& a, R&) { w.HelpType = Enum8(a.Long(0)); })
        .Get("HelpKeyword", [&w](A&, R& r) { r = Str(w.HelpKeyword); })
        .Put("HelpKeyword", [&w](A& a, R&) { w.HelpKeyword = a.Ansi(0); })
        .Method("SetSubComponent", [&w](A& a, R&) { w.SubComponent = a.Bool(0); })
        .Method("AboutBox", [this](A&, R&) {
            TPellixAbout about(FControl ? FControl->UtilWindow() : nullptr);
            about.ShowModal();
        });
}

void TPellix::Raise(DISPID id, std::vector<Variant>& args) {
    if (!FControl || !FEvents.Connected()) return;
    ComPtr<TPellix> keep(this);
    EXCEPINFO info;
    const HRESULT hr = FEvents.Fire(id, args, &info);
    std::string description = info.bstrDescription ? AnsiFromBstr(info.bstrDescription) : std::string();
    ClearExcepInfo(&info);
    if (FAILED(hr)) throw Error(hr, description.empty() ? "The event handler failed." : description);
}

void TPellix::InitializeControl() {
    TAcadControl& c = *FControl;
    using V = std::vector<Variant>;
    c.SetOnActiveChange([this](TAcadControl&, int lost, int active, bool& reLoad) {
        VARIANT_BOOL v = Vb(reLoad);
        V args;
        args.push_back(R::I4(lost));
        args.push_back(R::I4(active));
        args.push_back(R::RefBool(&v));
        Raise(tlb::OnActiveChange, args);
        reLoad = v != 0;
    });
    c.SetOnAcadClose([this](TAcadControl&) {
        V args;
        Raise(tlb::OnAcadClose, args);
    });
    c.SetOnAcadCmdActive([this](TAcadControl&, bool enabled) {
        V args;
        args.push_back(R::Bool(enabled));
        Raise(tlb::OnAcadCmdActive, args);
    });
    c.SetOnAcadCmdChange([this](TAcadControl&, const std::string& param, bool wait) {
        V args;
        args.push_back(Str(param));
        args.push_back(R::Bool(wait));
        Raise(tlb::OnAcadCmdChange, args);
    });
    c.SetOnAcadCmdWait([this](TAcadControl&) {
        V args;
        Raise(tlb::OnAcadCmdWait, args);
    });
    c.SetOnAcadEnterNext([this](TAcadControl&, const std::string& message, bool& nextEnter) {
        VARIANT_BOOL v = Vb(nextEnter);
        V args;
        args.push_back(Str(message));
        args.push_back(R::RefBool(&v));
        Raise(tlb::OnAcadEnterNext, args);
        nextEnter = v != 0;
    });
    // The worker's two events travel through the window's queue, which keeps their order.
    c.SetOnAsyncSending([this](TAcadControl&, int sendNo, int target) {
        desk::PostMessage(FWindow, kAsyncSending, static_cast<desk::WPARAM>(static_cast<std::intptr_t>(sendNo)),
                          target);
    });
    c.SetOnAsyncSended([this](TAcadControl&, int sendNo, int target, bool resulted) {
        desk::PostMessage(FWindow, resulted ? kAsyncSendedTrue : kAsyncSendedFalse,
                          static_cast<desk::WPARAM>(static_cast<std::intptr_t>(sendNo)), target);
    });
    c.SetOnAcadDialog(
        [this](TAcadControl&, int dialog, const std::string& caption, const std::string& text, bool& close) {
            VARIANT_BOOL v = Vb(close);
            V args;
            args.push_back(R::I4(dialog));
            args.push_back(Str(caption));
            args.push_back(Str(text));
            args.push_back(R::RefBool(&v));
            Raise(tlb::OnAcadDialog, args);
            close = v != 0;
        });
    c.SetOnAcadLoaded([this](TAcadControl&) {
        V args;
        Raise(tlb::OnAcadLoaded, args);
    });
    c.SetOnChildChange([this](TAcadControl&, int window) {
        V args;
        args.push_back(R::I4(window));
        Raise(tlb::OnChildChange, args);
    });
    c.SetOnUserWaitFirst([this](TAcadControl&, int callId, bool& nextExecute) {
        VARIANT_BOOL v = Vb(nextExecute);
        V args;
        args.push_back(R::I4(callId));
        args.push_back(R::RefBool(&v));
        Raise(tlb::OnUserWaitFirst, args);
        nextExecute = v != 0;
    });
    c.SetOnUserWaitNext([this](TAcadControl&, int callId, const std::string& cmd, bool& resultMode) {
        VARIANT_BOOL v = Vb(resultMode);
        V args;
        args.push_back(R::I4(callId));
        args.push_back(Str(cmd));
        args.push_back(R::RefBool(&v));
        Raise(tlb::OnUserWaitNext, args);
        resultMode = v != 0;
    });
    c.SetOnWaitMessage([this](TAcadControl&, const std::string& param, bool wait) {
        V args;
        args.push_back(Str(param));
        args.push_back(R::Bool(wait));
        Raise(tlb::OnWaitMessage, args);
    });
    c.SetOnProcessLoop([this](TAcadControl&, int& proIndex) {
        LONG v = proIndex;
        V args;
        args.push_back(R::RefI4(&v));
        Raise(tlb::OnProcessLoop, args);
        proIndex = v;
    });
    c.SetOnTimer([this](TAcadControl&) {
        V args;
        Raise(tlb::OnTimer, args);
    });
}

desk::LRESULT TPellix::WndProc(desk::HWND wnd, desk::UINT msg, desk::WPARAM wParam, desk::LPARAM lParam) {
    if (msg != kAsyncSending && msg != kAsyncSendedFalse && msg != kAsyncSendedTrue)
        return desk::DefWindowProc(wnd, msg, wParam, lParam);
    std::vector<Variant> args;
    args.push_back(R::I4(static_cast<LONG>(static_cast<std::intptr_t>(wParam))));
    args.push_back(R::I4(static_cast<LONG>(lParam)));
    if (msg != kAsyncSending) args.push_back(R::Bool(msg == kAsyncSendedTrue));
    try {
        Raise(msg == kAsyncSending ? tlb::OnAsyncSending : tlb::OnAsyncSended, args);
    } catch (...) {
        ReportCurrentException(); // nothing leaves a window procedure
    }
    return 0;
}

HRESULT TPellix::SetObjectRect(LONG* left, LONG* top, LONG* width, LONG* height) {
    if (!left || !top || !width || !height) return E_POINTER;
    if (!FControl) return E_UNEXPECTED;
    return Guarded([&] {
        FControl->SetBounds(*left, *top, *width, *height);
        *left = FControl->Left();
        *top = FControl->Top();
        *width = FControl->Width();
        *height = FControl->Height();
        return S_OK;
    });
}

HRESULT TPellix::Draw(LONG width, LONG height, DWORD* pixels) {
    if (!pixels) return E_POINTER;
    if (!FControl) return E_UNEXPECTED;
    if (width <= 0 || height <= 0) return E_INVALIDARG;
    return Guarded([&] {
        TCanvas canvas;
        FControl->Paint(canvas);
        for (LONG y = 0; y < height; ++y)
            for (LONG x = 0; x < width; ++x)
                pixels[y * width + x] = x < canvas.Width && y < canvas.Height ? canvas.At(x, y) : 0xC0C0C0;
        return S_OK;
    });
}

HRESULT TPellix::GetVisible(bool* visible) {
    if (!visible) return E_POINTER;
    if (!FControl) return E_UNEXPECTED;
    *visible = FControl->Visible();
    return S_OK;
}

HRESULT TPellix::SetViewSink(IViewSink* sink) {
    FViewSink = sink;
    return S_OK;
}

void TPellix::ViewChanged() {
    if (ComPtr<IViewSink> sink = FViewSink) sink->OnViewChange();
}

HRESULT TPellix::Close() {
    FViewSink = nullptr;
    return Guarded([&] {
        FControl.reset();
        return S_OK;
    });
}

} // namespace pellix
