#pragma once
// The window map of one running CAD instance (one GUI thread): its main frame, MDI client and
// drawing windows, graphics view, text window and command line with their text parts, and the
// dialog it shows; and the product index told by them.
#include "pellixlib/AcadFunc_Windows.h"
#include "pellixlib/AcadVInf_Products.h"

#include <memory>

namespace pellix {

struct TAcadWindowInfo {
    int State = 0; // 0 nothing found, 1 detected, 2 refreshed
    desk::DWORD ThreadId = 0;
    TAcadIndex AcadIndex = 0;
    desk::HWND MainWnd = nullptr, MDIClient = nullptr, GraphWnd = nullptr, ControlBar = nullptr;
    desk::HWND TextFrame = nullptr, TextView = nullptr, TextMarin = nullptr, TextHeadlands = nullptr,
               TextMountTam = nullptr;
    desk::HWND CmdFrame = nullptr, CmdHost = nullptr, CmdMarin = nullptr, CmdHeadlands = nullptr, CmdMountTam = nullptr;
    desk::HWND ActiveChild = nullptr;
    desk::HWND DialogWnd = nullptr;
    std::unique_ptr<TWindowList> ChildList; // the MDI drawing windows
    desk::HWND PrevCmdFrame = nullptr, PrevActiveChild = nullptr, PrevDialogWnd = nullptr;
};

// A top-level "Afx:400000:b:" / "Afx:b:" window whose first child is a frame-or-view window
// holding "Marin" first: the CAD's text window, by which a running CAD is counted.
bool IsAcadMainWnd(desk::HWND wnd);
void InitAcadWindows(TAcadWindowInfo& info);
void ClearAcadWindows(TAcadWindowInfo& info);
// Maps the windows of that GUI thread; true when they are a CAD's with a known product.
bool DetectAcadWindows(desk::DWORD threadId, TAcadWindowInfo& info);
// Looks again for the command line window, graphics view, drawing windows and dialog.
void RefreshAcadWindows(TAcadWindowInfo& info);
void RefreshMdiChildren(TAcadWindowInfo& info);

} // namespace pellix
