#pragma once
// Outgoing (event) interfaces: a container hands out one connection point per event interface,
// and a client connects its sink there. Events are dispatch calls on every connected sink.
#include "platform/com/dispatch.h"

#include <utility>
#include <vector>

namespace com {

struct IConnectionPointContainer;

struct IConnectionPoint : IUnknown {
    static constexpr IID Id{0xB196B286, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
    using Base = IUnknown;

    virtual HRESULT GetConnectionInterface(IID* iid) = 0;
    virtual HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) = 0;
    // Connects a sink, which must answer for the event interface (E_NOINTERFACE otherwise);
    // `cookie` identifies the connection for Unadvise.
    virtual HRESULT Advise(IUnknown* sink, DWORD* cookie) = 0;
    // CONNECT_E_NOCONNECTION for a cookie that names no connection.
    virtual HRESULT Unadvise(DWORD cookie) = 0;

protected:
    ~IConnectionPoint() = default;
};

struct IConnectionPointContainer : IUnknown {
    static constexpr IID Id{0xB196B284, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
    using Base = IUnknown;

    // CONNECT_E_NOCONNECTION when the object raises no events of that interface.
    virtual HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) = 0;

protected:
    ~IConnectionPointContainer() = default;
};

constexpr HRESULT CONNECT_E_NOCONNECTION = MakeHresult(0x80040200);

// A connection point that lives inside its container object and shares its reference count.
class ConnectionPoint final : public IConnectionPoint {
public:
    ConnectionPoint(IConnectionPointContainer& container, const IID& events) : container_(container), events_(events) {}
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return container_.AddRef(); }
    ULONG Release() override { return container_.Release(); }
    HRESULT GetConnectionInterface(IID* iid) override;
    HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) override;
    HRESULT Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT Unadvise(DWORD cookie) override;

    bool Connected() const { return !sinks_.empty(); }
    // Calls event `id` on every sink with `args` in declared order; by-reference arguments hold
    // what the sinks left in them. S_OK without sinks; else the first failing sink's result
    // (the remaining sinks are still called).
    HRESULT Fire(DISPID id, std::span<Variant> args, EXCEPINFO* excepInfo = nullptr);

private:
    IConnectionPointContainer& container_;
    IID events_;
    std::vector<std::pair<DWORD, ComPtr<IDispatch>>> sinks_;
    DWORD nextCookie_ = 1;
};

// The client's side: connects `sink` to the object's connection point for `events`.
HRESULT ConnectSink(IUnknown* object, REFIID events, IUnknown* sink, DWORD* cookie);
HRESULT DisconnectSink(IUnknown* object, REFIID events, DWORD cookie);

} // namespace com
