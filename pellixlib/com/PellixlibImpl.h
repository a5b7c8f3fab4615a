#pragma once
// TPellix: the COM face of one TAcadControl. It serves IPellix by dispatch id (every member
// forwards to the control's operation or property of that name), raises IPellixEvents on the
// container's sink, persists the control's properties as a component stream, draws the
// control's face for its site and shows the about box.
//
// Events raised on the command queue's worker thread (OnAsyncSending, OnAsyncSended) are posted
// to the object's window and raised from there on the thread that made the object, in the order
// they were raised.
#include "pellixlib/AcadCtrl_Control.h"
#include "platform/com/com.h"

#include <functional>
#include <string>

namespace pellix {

class TPellix final : public com::DispatchObject<com::IDispatch, com::IConnectionPointContainer,
                                                 com::IPersistStreamInit, com::IControlView> {
public:
    explicit TPellix(com::ServerModule& module);

    // IConnectionPointContainer: one point, for IPellixEvents.
    com::HRESULT FindConnectionPoint(com::REFIID iid, com::IConnectionPoint** point) override;

    // IPersistStreamInit: the control's stream; both end with the control's Loaded.
    com::HRESULT InitNew() override;
    com::HRESULT Load(const std::vector<com::BYTE>& state) override;
    com::HRESULT Save(std::vector<com::BYTE>* state) override;

    // IControlView.
    com::HRESULT SetObjectRect(com::LONG* left, com::LONG* top, com::LONG* width, com::LONG* height) override;
    com::HRESULT Draw(com::LONG width, com::LONG height, com::DWORD* pixels) override;
    com::HRESULT GetVisible(bool* visible) override;
    com::HRESULT SetViewSink(com::IViewSink* sink) override;
    com::HRESULT Close() override;

    // Holds the object for the call: a container may let it go from an event handler inside it.
    com::HRESULT Invoke(com::DISPID id, com::REFIID iid, com::LCID lcid, com::WORD flags, com::DISPPARAMS* params,
                        com::VARIANT* result, com::EXCEPINFO* excepInfo, com::UINT* argErr) override;

private:
    ~TPellix() override;

    // Facilities of the framework's window control that the interface reaches.
    struct TWinControl {
        bool DoubleBuffered = false;
        com::SHORT Cursor = 0; // crDefault
        int HelpType = 1;      // htContext
        std::string HelpKeyword;
        bool SubComponent = false;
    };

    // The control; com::Error once the site has closed the object.
    TAcadControl& Control();
    // Runs a member of an interface: whatever it raises becomes the member's result, with the
    // error information set, so no exception leaves the object.
    static com::HRESULT Guarded(const std::function<com::HRESULT()>& member);
    void InitializeControl();
    void BindOperations();
    void BindProperties();
    void BindFramework();
    // Calls event `id` on the sink; a failing sink raises com::Error in the control's code path.
    void Raise(com::DISPID id, std::vector<com::Variant>& args);
    void ViewChanged();
    void ApplyState(const std::vector<com::BYTE>& state);
    void SaveState(std::vector<com::BYTE>* state) const;
    desk::LRESULT WndProc(desk::HWND wnd, desk::UINT msg, desk::WPARAM wParam, desk::LPARAM lParam);

    TAcadControl::Ptr FControl;
    com::ConnectionPoint FEvents;
    com::ComPtr<com::IViewSink> FViewSink;
    TWinControl FWinControl;
    desk::HWND FWindow = nullptr;
    bool FLoaded = false;
};

} // namespace pellix
