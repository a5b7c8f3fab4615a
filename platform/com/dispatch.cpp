#include "platform/com/dispatch.h"

#include <vector>

namespace com {

void ClearExcepInfo(EXCEPINFO* info) {
    if (!info) return;
    SysFreeString(info->bstrSource);
    SysFreeString(info->bstrDescription);
    SysFreeString(info->bstrHelpFile);
    *info = EXCEPINFO{};
}

HRESULT InvokeMember(IDispatch* object, DISPID id, WORD flags, std::span<Variant> args, Variant* result,
                     EXCEPINFO* excepInfo) {
    if (!object) return E_POINTER;
    // Shallow copies in reverse order: the variants stay owned by `args`.
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params;
    params.rgvarg = reversed.data();
    params.cArgs = static_cast<UINT>(reversed.size());
    if (flags & DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }
    if (result) VariantClear(result);
    UINT argErr = 0;
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, excepInfo, &argErr);
}

HRESULT GetMemberId(IDispatch* object, std::string_view name, DISPID* id) {
    if (!object || !id) return E_POINTER;
    std::u16string wide = Utf16FromUtf8(name);
    LPOLESTR names[] = {wide.data()};
    return object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, id);
}

} // namespace com
