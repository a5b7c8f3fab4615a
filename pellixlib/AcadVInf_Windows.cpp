#include "pellixlib/AcadVInf_Windows.h"

#include "pellixlib/AcadFunc_Text.h"
#include "pellixlib/AcadVInf_Install.h"
#include "platform/desktop/window.h"

#include <initializer_list>
#include <string_view>
#include <utility>

namespace pellix {

namespace {

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

bool IsFrameOrView(std::string_view cls) { return cls == "AfxFrameOrView42" || cls == "AfxFrameOrView"; }
bool IsAfxWnd(std::string_view cls) { return cls == "AfxWnd42" || cls == "AfxWnd"; }
bool IsDialogClass(const std::string& cls) {
    return cls == "#32770" || (cls.size() >= 9 && SameTextIgnoringCase(cls.substr(0, 9), "ADESK_DLG"));
}
bool IsGraphicsViewClass(std::string_view cls) {
    return cls == "AcStaticViewClass" || StartsWith(cls, "Afx:400000:28:");
}

desk::HWND FirstChild(desk::HWND wnd) { return desk::GetWindow(wnd, desk::GW_CHILD); }

// "Headlands" and "MountTam" below the command line's "Marin" window.
void FindCommandLineTexts(TAcadWindowInfo& info) {
    desk::EnumChildWindows(
        info.CmdMarin,
        [&info](desk::HWND child, desk::LPARAM) {
            const std::string caption = GetWndCaption(child);
            if (caption == "Headlands") info.CmdHeadlands = child;
            else if (caption == "MountTam") info.CmdMountTam = child;
            return true;
        },
        0);
}

// The first graphics view two levels below the MDI client.
void FindGraphicsView(TAcadWindowInfo& info) {
    if (!info.MDIClient) return;
    desk::EnumChildWindows(
        info.MDIClient,
        [&info](desk::HWND child, desk::LPARAM) {
            if (desk::GetParent(desk::GetParent(child)) != info.MDIClient ||
                !IsGraphicsViewClass(GetWndClassName(child)))
                return true;
            info.GraphWnd = child;
            return false;
        },
        0);
}

// The dialog rule: the thread's first dialog, or the topmost window of its level when that is a
// dialog of the same thread (a dialog of another program, the host's message box say, is never
// taken for the CAD's).
bool TakeDialog(TAcadWindowInfo& info, desk::HWND wnd, const std::string& cls) {
    if (info.DialogWnd || !IsDialogClass(cls)) return false;
    info.DialogWnd = wnd;
    const desk::HWND top = desk::GetWindow(wnd, desk::GW_HWNDFIRST);
    if (top && IsDialogClass(GetWndClassName(top)) && desk::GetWindowThreadProcessId(top, nullptr) == info.ThreadId)
        info.DialogWnd = top;
    return true;
}

// An owned Afx frame holding AfxWnd > "Marin" first: the stand-alone command line window.
bool TakeCommandLineFrame(TAcadWindowInfo& info, desk::HWND wnd, bool searchTexts) {
    const desk::HWND host = FirstChild(wnd);
    const desk::HWND marin = FirstChild(host);
    if (!host || !IsAfxWnd(GetWndClassName(host)) || GetWndCaption(marin) != "Marin") return false;
    info.CmdFrame = wnd;
    info.CmdHost = host;
    info.CmdMarin = marin;
    if (searchTexts) FindCommandLineTexts(info);
    return true;
}

void ClassifyFrameChild(TAcadWindowInfo& info, desk::HWND child) {
    const desk::HWND parent = desk::GetParent(child);
    if (!desk::IsWindow(parent)) return;
    const std::string caption = GetWndCaption(child);
    const std::string cls = GetWndClassName(child);
    if (cls == "MDIClient") {
        info.MainWnd = parent;
        info.MDIClient = child;
        FindGraphicsView(info);
    } else if (caption == "Marin") {
        const std::string parentClass = GetWndClassName(parent);
        if (IsFrameOrView(parentClass)) {
            info.TextFrame = desk::GetParent(parent);
            info.TextView = parent;
            info.TextMarin = child;
        } else if (IsAfxWnd(parentClass)) {
            info.CmdHost = parent;
            info.CmdMarin = child;
            FindCommandLineTexts(info);
        }
    } else if (caption == "Headlands" || caption == "MountTam") {
        if (IsFrameOrView(GetWndClassName(desk::GetParent(parent))))
            (caption == "Headlands" ? info.TextHeadlands : info.TextMountTam) = child;
    } else if (cls == "AfxControlBar42") {
        info.ControlBar = child;
    }
}

// The first of the candidates that is running, else 0.
TAcadIndex FirstRunning(std::initializer_list<TAcadIndex> candidates) {
    for (TAcadIndex i : candidates)
        if (IsInstRunning(i)) return i;
    return 0;
}

TAcadIndex ProductOfWindows(const TAcadWindowInfo& info) {
    const bool lt = GetWndCaption(info.MainWnd).substr(0, 10) == "AutoCAD LT";
    const std::string view = GetWndClassName(info.TextView);
    const bool bar = info.ControlBar != nullptr;
    if (view == "AfxFrameOrView") return lt ? 1 : 7;
    if (view != "AfxFrameOrView42") return 0;
    if (lt) return bar ? FirstRunning({6, 5, 4}) : FirstRunning({3, 2});
    return bar ? FirstRunning({11, 10, 9}) : 8;
}

void ResetFields(TAcadWindowInfo& info) {
    auto list = std::move(info.ChildList);
    info = TAcadWindowInfo{};
    info.ChildList = std::move(list);
}

} // namespace

bool IsAcadMainWnd(desk::HWND wnd) {
    const std::string cls = GetWndClassName(wnd);
    if (!StartsWith(cls, "Afx:400000:b:") && !StartsWith(cls, "Afx:b:")) return false;
    const desk::HWND view = FirstChild(wnd);
    return view && IsFrameOrView(GetWndClassName(view)) && GetWndCaption(FirstChild(view)) == "Marin";
}

void InitAcadWindows(TAcadWindowInfo& info) {
    ResetFields(info);
    info.ChildList = std::make_unique<TWindowList>();
}

void ClearAcadWindows(TAcadWindowInfo& info) {
    ResetFields(info);
    info.ChildList.reset();
}

bool DetectAcadWindows(desk::DWORD threadId, TAcadWindowInfo& info) {
    InitAcadWindows(info);
    info.ThreadId = threadId;
    desk::EnumThreadWindows(
        threadId,
        [&info](desk::HWND wnd, desk::LPARAM) {
            const std::string cls = GetWndClassName(wnd);
            if (TakeDialog(info, wnd, cls) || !StartsWith(cls, "Afx:")) return true;
            const desk::HWND owner = desk::GetWindow(wnd, desk::GW_OWNER);
            if (owner && desk::IsWindow(owner)) {
                TakeCommandLineFrame(info, wnd, true);
            } else if (!owner) {
                desk::EnumChildWindows(
                    wnd, [&info](desk::HWND child, desk::LPARAM) { return ClassifyFrameChild(info, child), true; }, 0);
            }
            return true;
        },
        0);
    if (!info.MainWnd || !info.TextView) {
        ClearAcadWindows(info);
        return false;
    }
    info.AcadIndex = ProductOfWindows(info);
    if (info.AcadIndex == 0) {
        ClearAcadWindows(info);
        return false;
    }
    info.State = 1;
    RefreshMdiChildren(info);
    return true;
}

void RefreshAcadWindows(TAcadWindowInfo& info) {
    if (info.ThreadId == 0) return;
    if (!desk::IsWindow(info.MainWnd) || !desk::IsWindow(info.TextFrame)) {
        info.State = 0;
        return;
    }
    info.PrevCmdFrame = std::exchange(info.CmdFrame, nullptr);
    info.PrevActiveChild = std::exchange(info.ActiveChild, nullptr);
    info.PrevDialogWnd = std::exchange(info.DialogWnd, nullptr);
    desk::EnumThreadWindows(
        info.ThreadId,
        [&info](desk::HWND wnd, desk::LPARAM) {
            const std::string cls = GetWndClassName(wnd);
            if (TakeDialog(info, wnd, cls) || !StartsWith(cls, "Afx:")) return true;
            const desk::HWND owner = desk::GetWindow(wnd, desk::GW_OWNER);
            if (owner && desk::IsWindow(owner)) TakeCommandLineFrame(info, wnd, false);
            return true;
        },
        0);
    FindGraphicsView(info);
    RefreshMdiChildren(info);
    info.State = 2;
}

void RefreshMdiChildren(TAcadWindowInfo& info) {
    if (!info.ChildList) info.ChildList = std::make_unique<TWindowList>();
    info.ChildList->Clear();
    for (desk::HWND child = info.MDIClient ? FirstChild(info.MDIClient) : nullptr; child;
         child = desk::GetWindow(child, desk::GW_HWNDNEXT))
        if (FirstChild(child) && StartsWith(GetWndClassName(child), "Afx:")) info.ChildList->AddWnd(child);
    const desk::HWND first = info.ChildList->GetWnd(0);
    info.ActiveChild = first ? desk::GetWindow(first, desk::GW_HWNDFIRST) : nullptr;
}

} // namespace pellix
