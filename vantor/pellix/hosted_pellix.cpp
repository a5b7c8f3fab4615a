#include "vantor/pellix/hosted_pellix.h"

#include "platform/forms/control_site.h"
#include "platform/runtime/error.h"
#include "vantor/pellix/pellix_ids.h"

namespace 縦断bus {

using namespace com;
namespace ids = pellix_ids;

namespace {

// Argument `i` (declared order) of an event call.
VARIANT& Arg(DISPPARAMS* p, UINT i) { return p->rgvarg[p->cArgs - 1 - i]; }

LONG LongArg(DISPPARAMS* p, UINT i) {
    Variant v;
    if (FAILED(VariantChangeType(&v, &Arg(p, i), 0, VT_I4))) rt::Raise(13);
    return v.lVal;
}

std::string TextArg(DISPPARAMS* p, UINT i) {
    Variant v;
    if (FAILED(VariantChangeType(&v, &Arg(p, i), 0, VT_BSTR))) rt::Raise(13);
    return Utf8FromBstr(v.bstrVal);
}

// The caller's VARIANT_BOOL behind a by-reference argument.
VARIANT_BOOL& BoolRef(DISPPARAMS* p, UINT i) {
    VARIANT& a = Arg(p, i);
    if (a.vt == (VT_BYREF | VT_BOOL) && a.pboolVal) return *a.pboolVal;
    if (a.vt == (VT_BYREF | VT_VARIANT) && a.pvarVal && a.pvarVal->vt == VT_BOOL) return a.pvarVal->boolVal;
    rt::Raise(13);
}

} // namespace

// The screen's sink for the control's events: each event runs the handler the screen set.
class HostedPellix::Events final : public com::Object<IDispatch> {
public:
    explicit Events(HostedPellix& owner) : owner_(&owner) {}
    void Detach() { owner_ = nullptr; }

    HRESULT GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) override {
        for (UINT i = 0; ids && i < count; ++i) ids[i] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO* excepInfo, UINT*) override {
        if (!params) return E_POINTER;
        if (!owner_) return S_OK;
        ComPtr<Events> keep(this); // the handler may let the screen go
        try {
            Dispatch(id, params);
            return S_OK;
        } catch (const std::exception& e) {
            if (excepInfo) {
                *excepInfo = EXCEPINFO{};
                excepInfo->bstrDescription = BstrFromUtf8(e.what());
                excepInfo->scode = E_FAIL;
            }
            return DISP_E_EXCEPTION;
        }
    }

protected:
    void* FindOther(REFIID iid) override {
        return iid == ids::DIID_IPellixEvents ? static_cast<IDispatch*>(this) : nullptr;
    }

private:
    void Dispatch(DISPID id, DISPPARAMS* p) {
        Pellix& o = *owner_;
        const auto need = [p](UINT n) {
            if (p->cArgs != n) rt::Raise(450);
        };
        switch (id) {
        case ids::OnAcadLoaded:
            if (o.OnAcadLoaded) o.OnAcadLoaded();
            break;
        case ids::OnAcadClose:
            if (o.OnAcadClose) o.OnAcadClose();
            break;
        case ids::OnAcadCmdWait:
            if (o.OnAcadCmdWait) o.OnAcadCmdWait();
            break;
        case ids::OnAcadDialog:
            if (o.OnAcadDialog) {
                need(4);
                VARIANT_BOOL& closeRef = BoolRef(p, 3);
                bool close = closeRef != 0;
                o.OnAcadDialog(LongArg(p, 0), TextArg(p, 1), TextArg(p, 2), close);
                closeRef = close ? VARIANT_TRUE : VARIANT_FALSE;
            }
            break;
        case ids::OnActiveChange:
            if (o.OnActiveChange) {
                need(3);
                VARIANT_BOOL& reLoadRef = BoolRef(p, 2);
                bool reLoad = reLoadRef != 0;
                o.OnActiveChange(LongArg(p, 0), LongArg(p, 1), reLoad);
                reLoadRef = reLoad ? VARIANT_TRUE : VARIANT_FALSE;
            }
            break;
        default: break; // the events the program does not handle
        }
    }

    HostedPellix* owner_;
};

HostedPellix::HostedPellix(forms::Form& screen, int left, int top) : events_(MakeObject<Events>(*this)) {
    try {
        site_ = std::make_unique<forms::ControlSite>(screen, ids::kProgId, ids::DIID_IPellixEvents, events_.Get(),
                                                     PellixDesignState(left, top), left, top);
    } catch (...) {
        events_->Detach();
        throw;
    }
}

HostedPellix::~HostedPellix() {
    events_->Detach();
    site_.reset();
}

Variant HostedPellix::Call(DISPID id, WORD flags, std::vector<Variant> args) {
    Variant result;
    EXCEPINFO info;
    const HRESULT hr = InvokeMember(site_->Object(), id, flags, args, &result, &info);
    if (SUCCEEDED(hr)) return result;
    const HRESULT code = hr == DISP_E_EXCEPTION && info.scode ? info.scode : hr;
    std::string description = info.bstrDescription ? Utf8FromBstr(info.bstrDescription) : std::string();
    ClearExcepInfo(&info);
    if (description.empty()) description = "CADコントロールの呼び出しに失敗しました。";
    throw rt::Error(code, description);
}

void HostedPellix::Put(DISPID id, Variant value) {
    std::vector<Variant> args;
    args.push_back(std::move(value));
    Call(id, DISPATCH_PROPERTYPUT, std::move(args));
}

namespace {
std::vector<Variant> Args(std::initializer_list<Variant> values) { return {values}; }
} // namespace

bool HostedPellix::IsInstall() { return Call(ids::IsInstall, DISPATCH_METHOD).AsBool(); }
std::string HostedPellix::GetAutoCADName() { return Call(ids::GetAutoCADName, DISPATCH_METHOD).AsText(); }
int HostedPellix::GetACADNameType(const std::string& AcadName) {
    return Call(ids::GetACADNameType, DISPATCH_METHOD, Args({Variant::Text(AcadName)})).AsLong();
}
int HostedPellix::GetExecutMax() { return Call(ids::GetExecutMax, DISPATCH_METHOD).AsLong(); }
bool HostedPellix::IsSDIMode() { return Call(ids::IsSDIMode, DISPATCH_METHOD).AsBool(); }
bool HostedPellix::SetSDIMode(bool SDIMode) {
    return Call(ids::SetSDIMode, DISPATCH_METHOD, Args({Variant::Bool(SDIMode)})).AsBool();
}
bool HostedPellix::Shell() { return Call(ids::Shell, DISPATCH_METHOD).AsBool(); }
bool HostedPellix::Close(const std::string& SaveFile) {
    return Call(ids::Close, DISPATCH_METHOD, Args({Variant::Text(SaveFile)})).AsBool();
}
bool HostedPellix::IsExecut() { return Call(ids::IsExecut, DISPATCH_METHOD).AsBool(); }
bool HostedPellix::IsCmdWait() { return Call(ids::IsCmdWait, DISPATCH_METHOD).AsBool(); }
bool HostedPellix::Command(const std::string& CmdStr) {
    return Call(ids::Command, DISPATCH_METHOD, Args({Variant::Text(CmdStr)})).AsBool();
}
bool HostedPellix::AcReSize(int ALeft, int ATop, int AWidth, int AHeight) {
    return Call(ids::AcReSize, DISPATCH_METHOD,
                Args({Variant::I4(ALeft), Variant::I4(ATop), Variant::I4(AWidth), Variant::I4(AHeight)}))
        .AsBool();
}
bool HostedPellix::GetPoint(bool Correct, double& X, double& Y, double& Z) {
    return Call(ids::GetPoint, DISPATCH_METHOD,
                Args({Variant::Bool(Correct), Variant::RefR8(&X), Variant::RefR8(&Y), Variant::RefR8(&Z)}))
        .AsBool();
}
void HostedPellix::InterCancel() { Call(ids::InterCancel, DISPATCH_METHOD); }

int HostedPellix::Interval() { return Get(ids::Interval).AsLong(); }
void HostedPellix::SetInterval(int milliseconds) { Put(ids::Interval, Variant::I4(milliseconds)); }
bool HostedPellix::AcadLocked() { return Get(ids::AcadLocked).AsBool(); }
void HostedPellix::SetAcadLocked(bool locked) { Put(ids::AcadLocked, Variant::Bool(locked)); }
int HostedPellix::AcadType() { return Get(ids::AcadType).AsLong(); }
void HostedPellix::SetAcadType(int type) { Put(ids::AcadType, Variant::I4(type)); }
bool HostedPellix::CmdIdle() { return Get(ids::CmdIdle).AsBool(); }
void HostedPellix::SetCmdIdle(bool cmdIdle) { Put(ids::CmdIdle, Variant::Bool(cmdIdle)); }
bool HostedPellix::Enabled() { return Get(ids::Enabled).AsBool(); }
void HostedPellix::SetEnabled(bool enabled) { Put(ids::Enabled, Variant::Bool(enabled)); }
bool HostedPellix::Visible() { return Get(ids::Visible).AsBool(); }
void HostedPellix::SetVisible(bool visible) { Put(ids::Visible, Variant::Bool(visible)); }

std::vector<BYTE> PellixDesignState(int left, int top) {
    constexpr std::int32_t kTwipsPerPixel = 15;
    ComponentStream s{"TAcadControl", "", {}};
    s.properties = {{"Left", left / kTwipsPerPixel},
                    {"Top", top / kTwipsPerPixel},
                    {"Width", 28},
                    {"Height", 28},
                    {"HelpType", StreamIdent{"htKeyword"}},
                    {"AcadType", StreamIdent{"atACLT2002"}},
                    {"Visible", true}};
    return WriteComponentStream(s);
}

} // namespace 縦断bus
