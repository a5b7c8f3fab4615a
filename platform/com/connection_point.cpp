#include "platform/com/connection_point.h"

namespace com {

HRESULT ConnectionPoint::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IUnknown::Id && iid != IConnectionPoint::Id) return E_NOINTERFACE;
    *out = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = events_;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (!container) return E_POINTER;
    *container = &container_;
    container_.AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!sink || !cookie) return E_POINTER;
    *cookie = 0;
    ComPtr<IDispatch> events;
    if (FAILED(sink->QueryInterface(events_, events.PutVoid())) || !events) return E_NOINTERFACE;
    *cookie = nextCookie_++;
    sinks_.emplace_back(*cookie, std::move(events));
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
        if (it->first == cookie) {
            sinks_.erase(it);
            return S_OK;
        }
    }
    return CONNECT_E_NOCONNECTION;
}

HRESULT ConnectionPoint::Fire(DISPID id, std::span<Variant> args, EXCEPINFO* excepInfo) {
    // A handler may connect or disconnect sinks: call the ones connected now.
    const auto sinks = sinks_;
    HRESULT first = S_OK;
    for (const auto& [cookie, sink] : sinks) {
        const HRESULT hr =
            InvokeMember(sink.Get(), id, DISPATCH_METHOD, args, nullptr, SUCCEEDED(first) ? excepInfo : nullptr);
        if (FAILED(hr) && SUCCEEDED(first)) first = hr;
    }
    return first;
}

namespace {
HRESULT PointOf(IUnknown* object, REFIID events, ComPtr<IConnectionPoint>* point) {
    if (!object) return E_POINTER;
    ComPtr<IConnectionPointContainer> container;
    if (FAILED(object->QueryInterface(IConnectionPointContainer::Id, container.PutVoid()))) return E_NOINTERFACE;
    return container->FindConnectionPoint(events, point->Put());
}
} // namespace

HRESULT ConnectSink(IUnknown* object, REFIID events, IUnknown* sink, DWORD* cookie) {
    ComPtr<IConnectionPoint> point;
    if (const HRESULT hr = PointOf(object, events, &point); FAILED(hr)) return hr;
    return point->Advise(sink, cookie);
}

HRESULT DisconnectSink(IUnknown* object, REFIID events, DWORD cookie) {
    ComPtr<IConnectionPoint> point;
    if (const HRESULT hr = PointOf(object, events, &point); FAILED(hr)) return hr;
    return point->Unadvise(cookie);
}

} // namespace com
