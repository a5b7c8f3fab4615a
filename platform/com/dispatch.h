#pragma once
// Late-bound calls: members named by dispatch id, arguments as variants. Arguments travel in
// DISPPARAMS in reverse order (the last declared argument first); a property's new value is
// the one named argument DISPID_PROPERTYPUT. A failing member reports through EXCEPINFO.
#include "platform/com/variant.h"

#include <span>

namespace com {

struct ITypeInfo;

using DISPID = LONG;
constexpr DISPID DISPID_UNKNOWN = -1;
constexpr DISPID DISPID_VALUE = 0;
constexpr DISPID DISPID_PROPERTYPUT = -3;
constexpr DISPID DISPID_ENABLED = -514;
constexpr DISPID DISPID_ABOUTBOX = -552;

constexpr WORD DISPATCH_METHOD = 0x1;
constexpr WORD DISPATCH_PROPERTYGET = 0x2;
constexpr WORD DISPATCH_PROPERTYPUT = 0x4;

constexpr LCID LOCALE_USER_DEFAULT = 0x0400;

struct DISPPARAMS {
    VARIANTARG* rgvarg = nullptr;
    DISPID* rgdispidNamedArgs = nullptr;
    UINT cArgs = 0;
    UINT cNamedArgs = 0;
};

struct EXCEPINFO {
    WORD wCode = 0;
    WORD wReserved = 0;
    BSTR bstrSource = nullptr;
    BSTR bstrDescription = nullptr;
    BSTR bstrHelpFile = nullptr;
    DWORD dwHelpContext = 0;
    void* pvReserved = nullptr;
    HRESULT (*pfnDeferredFillIn)(EXCEPINFO*) = nullptr;
    HRESULT scode = 0;
};
// Frees the texts and empties the record.
void ClearExcepInfo(EXCEPINFO* info);

struct IDispatch : IUnknown {
    static constexpr IID Id{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    using Base = IUnknown;

    // 1 when the object describes itself through GetTypeInfo, else 0.
    virtual HRESULT GetTypeInfoCount(UINT* count) = 0;
    virtual HRESULT GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) = 0;
    // The member's id first, then its parameters' ids (their positions); DISP_E_UNKNOWNNAME when
    // some name is unknown, with DISPID_UNKNOWN in its place.
    virtual HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) = 0;
    // `argErr` receives the index into rgvarg of an argument that did not fit.
    virtual HRESULT Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO* excepInfo, UINT* argErr) = 0;

protected:
    ~IDispatch() = default;
};

// The caller's side: calls member `id` with `args` in declared order (by-reference ones point
// at the caller's variables, which hold the member's output afterwards). With
// DISPATCH_PROPERTYPUT the last argument is the new value. `result` may be none.
HRESULT InvokeMember(IDispatch* object, DISPID id, WORD flags, std::span<Variant> args, Variant* result = nullptr,
                     EXCEPINFO* excepInfo = nullptr);
// The dispatch id of a member named in UTF-8.
HRESULT GetMemberId(IDispatch* object, std::string_view name, DISPID* id);

} // namespace com
