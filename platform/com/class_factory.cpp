#include "platform/com/class_factory.h"

#include <new>

namespace com {

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    ComPtr<IUnknown> object;
    try {
        object = make_();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::exception&) {
        return E_FAIL;
    }
    if (!object) return E_FAIL;
    return object->QueryInterface(iid, out);
}

HRESULT ClassFactory::LockServer(bool lock) {
    module_.Lock(lock);
    return S_OK;
}

} // namespace com
