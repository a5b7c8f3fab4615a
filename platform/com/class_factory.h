#pragma once
// Class factories: what an in-process server hands out for a class id, to make its objects.
#include "platform/com/unknown.h"

#include <functional>

namespace com {

struct IClassFactory : IUnknown {
    static constexpr IID Id{0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    using Base = IUnknown;

    // A new object's interface `iid`; CLASS_E_NOAGGREGATION when `outer` is given.
    virtual HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out) = 0;
    // Keeps the server loaded while locked.
    virtual HRESULT LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

// A factory of a server module over a function that makes one object (or throws).
class ClassFactory final : public Object<IClassFactory> {
public:
    using Maker = std::function<ComPtr<IUnknown>()>;
    ClassFactory(ServerModule& module, Maker make) : Object(&module), module_(module), make_(std::move(make)) {}

    HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    HRESULT LockServer(bool lock) override;

private:
    ServerModule& module_;
    Maker make_;
};

} // namespace com
