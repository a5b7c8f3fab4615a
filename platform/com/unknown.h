#pragma once
// The base interface of every component object: interface lookup by id and reference counting.
// An interface is an abstract class with its id in `Id` and the interface it extends in `Base`.
#include "platform/com/guid.h"

#include <atomic>
#include <type_traits>
#include <utility>

namespace com {

struct IUnknown {
    static constexpr IID Id{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

    // S_OK with an added reference in *out, or E_NOINTERFACE with *out none; E_POINTER when out is none.
    virtual HRESULT QueryInterface(REFIID iid, void** out) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

// Holds one reference to an interface.
template <class I>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(I* p) : p_(p) {
        if (p_) p_->AddRef();
    }
    ComPtr(const ComPtr& o) : ComPtr(o.p_) {}
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    // clang-format off
    template <class U>
        requires std::is_convertible_v<U*, I*>
    ComPtr(ComPtr<U> o) : p_(o.Detach()) {}
    // clang-format on
    ComPtr& operator=(ComPtr o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }
    ~ComPtr() {
        if (p_) p_->Release();
    }

    // Takes over a reference the caller already owns.
    static ComPtr Attach(I* p) {
        ComPtr c;
        c.p_ = p;
        return c;
    }
    // Gives up the reference to the caller.
    I* Detach() { return std::exchange(p_, nullptr); }
    // Drops the reference held and offers the slot to a function that hands one out.
    I** Put() {
        *this = nullptr;
        return &p_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

    I* Get() const { return p_; }
    I* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // The object's interface J, or empty when it has none.
    template <class J>
    ComPtr<J> As() const {
        ComPtr<J> j;
        if (p_) p_->QueryInterface(J::Id, j.PutVoid());
        return j;
    }

private:
    I* p_ = nullptr;
};

// The live objects and the locks of one in-process server: it may be unloaded when both are 0.
class ServerModule {
public:
    void ObjectCreated() { ++objects_; }
    void ObjectDestroyed() { --objects_; }
    void Lock(bool on) { on ? ++locks_ : --locks_; }
    bool CanUnload() const { return objects_ == 0 && locks_ == 0; }

private:
    std::atomic<long> objects_{0};
    std::atomic<long> locks_{0};
};

namespace detail {
// Whether `iid` names interface I or one it extends.
template <class I>
bool Implements(REFIID iid) {
    if (iid == I::Id) return true;
    if constexpr (std::is_same_v<I, IUnknown>) return false;
    else return Implements<typename I::Base>(iid);
}
} // namespace detail

// A heap object implementing the listed interfaces, deleted with its last reference. A server's
// objects name their module so that the module knows when it may be unloaded.
template <class First, class... Rest>
class Object : public First, public Rest... {
public:
    explicit Object(ServerModule* module = nullptr) : module_(module) {
        if (module_) module_->ObjectCreated();
    }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = Find<First, Rest...>(iid);
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++refs_; }
    ULONG Release() override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

protected:
    virtual ~Object() {
        if (module_) module_->ObjectDestroyed();
    }
    // Further interfaces an object answers for beyond the listed ones (a member's, say).
    virtual void* FindOther(REFIID) { return nullptr; }

private:
    template <class I, class... More>
    void* Find(REFIID iid) {
        if (detail::Implements<I>(iid)) return static_cast<I*>(this);
        if constexpr (sizeof...(More) > 0) return Find<More...>(iid);
        else return FindOther(iid);
    }

    std::atomic<ULONG> refs_{1};
    ServerModule* module_;
};

// A new object with one reference, owned by the returned pointer.
template <class T, class... Args>
ComPtr<T> MakeObject(Args&&... args) {
    return ComPtr<T>::Attach(new T(std::forward<Args>(args)...));
}

} // namespace com
