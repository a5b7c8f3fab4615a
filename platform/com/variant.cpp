#include "platform/com/variant.h"

#include "platform/com/dispatch.h"
#include "platform/com/names.h"
#include "platform/runtime/conversion.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

#include <cmath>
#include <optional>

namespace com {

void VariantInit(VARIANT* v) {
    v->vt = VT_EMPTY;
    v->bits = 0;
}

HRESULT VariantClear(VARIANT* v) {
    if (!v) return E_INVALIDARG;
    if (!(v->vt & VT_BYREF)) {
        switch (v->vt) {
        case VT_BSTR: SysFreeString(v->bstrVal); break;
        case VT_UNKNOWN:
        case VT_DISPATCH:
            if (v->punkVal) v->vt == VT_DISPATCH ? v->pdispVal->Release() : v->punkVal->Release();
            break;
        case VT_EMPTY:
        case VT_NULL:
        case VT_I2:
        case VT_I4:
        case VT_UI4:
        case VT_R8:
        case VT_BOOL:
        case VT_ERROR: break;
        default: return DISP_E_BADVARTYPE;
        }
    }
    VariantInit(v);
    return S_OK;
}

namespace {

// A shallow copy of `src` made into an owning one: the BSTR duplicated, the reference added.
HRESULT TakeOwnership(VARIANT* v) {
    if (v->vt & VT_BYREF) return S_OK;
    if (v->vt == VT_BSTR && v->bstrVal) {
        v->bstrVal = SysAllocStringLen(v->bstrVal, SysStringLen(v->bstrVal));
        if (!v->bstrVal) {
            v->vt = VT_EMPTY;
            return E_OUTOFMEMORY;
        }
    } else if (v->vt == VT_DISPATCH && v->pdispVal) {
        v->pdispVal->AddRef();
    } else if (v->vt == VT_UNKNOWN && v->punkVal) {
        v->punkVal->AddRef();
    }
    return S_OK;
}

// The value a by-reference variant points at, as a plain variant that owns nothing.
std::optional<VARIANT> Dereference(const VARIANT& v) {
    if (!(v.vt & VT_BYREF)) return v;
    if (!v.byref) return std::nullopt;
    const VARTYPE type = v.vt & VT_TYPEMASK;
    if (type == VT_VARIANT) return Dereference(*v.pvarVal);
    VARIANT r;
    r.vt = type;
    switch (type) {
    case VT_I2: r.iVal = *v.piVal; break;
    case VT_I4: r.lVal = *v.plVal; break;
    case VT_UI4: r.ulVal = *v.pulVal; break;
    case VT_R8: r.dblVal = *v.pdblVal; break;
    case VT_BOOL: r.boolVal = *v.pboolVal; break;
    case VT_ERROR: r.scode = *reinterpret_cast<HRESULT*>(v.byref); break;
    case VT_BSTR: r.bstrVal = *v.pbstrVal; break;
    case VT_UNKNOWN: r.punkVal = *v.ppunkVal; break;
    case VT_DISPATCH: r.pdispVal = *v.ppdispVal; break;
    default: return std::nullopt;
    }
    return r;
}

// The value of a plain variant as a number; a text must be a number or "True"/"False".
HRESULT NumberOf(const VARIANT& v, double* out) {
    switch (v.vt) {
    case VT_EMPTY: *out = 0; return S_OK;
    case VT_I2: *out = v.iVal; return S_OK;
    case VT_I4: *out = v.lVal; return S_OK;
    case VT_UI4: *out = v.ulVal; return S_OK;
    case VT_R8: *out = v.dblVal; return S_OK;
    case VT_BOOL: *out = v.boolVal ? -1 : 0; return S_OK;
    case VT_BSTR: {
        const std::string text = Utf8FromBstr(v.bstrVal);
        if (detail::SameName(rt::Trim(text), "true")) {
            *out = -1;
            return S_OK;
        }
        if (detail::SameName(rt::Trim(text), "false")) {
            *out = 0;
            return S_OK;
        }
        if (!rt::IsNumeric(text)) return DISP_E_TYPEMISMATCH;
        *out = rt::CDbl(text);
        return S_OK;
    }
    default: return DISP_E_TYPEMISMATCH;
    }
}

// Rounds half to even into [low, high].
HRESULT Integer(double x, double low, double high, long long* out) {
    if (std::isnan(x)) return DISP_E_OVERFLOW;
    const double r = std::nearbyint(x);
    if (r < low || r > high) return DISP_E_OVERFLOW;
    *out = static_cast<long long>(r);
    return S_OK;
}

HRESULT TextOf(const VARIANT& v, WORD flags, std::string* out) {
    switch (v.vt) {
    case VT_EMPTY: out->clear(); return S_OK;
    case VT_I2: *out = rt::CStr(static_cast<long long>(v.iVal)); return S_OK;
    case VT_I4: *out = rt::CStr(static_cast<long long>(v.lVal)); return S_OK;
    case VT_UI4: *out = rt::CStr(static_cast<long long>(v.ulVal)); return S_OK;
    case VT_R8: *out = rt::CStr(v.dblVal); return S_OK;
    case VT_BOOL:
        *out = flags & VARIANT_ALPHABOOL ? (v.boolVal ? "True" : "False") : (v.boolVal ? "-1" : "0");
        return S_OK;
    default: return DISP_E_TYPEMISMATCH;
    }
}

HRESULT Convert(const VARIANT& src, WORD flags, VARTYPE vt, VARIANT* result) {
    result->vt = vt;
    result->bits = 0;
    if (src.vt == vt) {
        *result = src;
        return TakeOwnership(result);
    }
    if (src.vt == VT_NULL || vt == VT_NULL || src.vt == VT_ERROR || vt == VT_ERROR) return DISP_E_TYPEMISMATCH;
    if (vt == VT_EMPTY) return S_OK;
    if (vt == VT_UNKNOWN || vt == VT_DISPATCH) {
        if (src.vt != VT_UNKNOWN && src.vt != VT_DISPATCH) return DISP_E_TYPEMISMATCH;
        IUnknown* from = src.vt == VT_DISPATCH ? static_cast<IUnknown*>(src.pdispVal) : src.punkVal;
        if (!from) return S_OK;
        return from->QueryInterface(vt == VT_DISPATCH ? IDispatch::Id : IUnknown::Id, &result->byref);
    }
    if (vt == VT_BSTR) {
        std::string text;
        if (const HRESULT hr = TextOf(src, flags, &text); FAILED(hr)) return hr;
        result->bstrVal = BstrFromUtf8(text);
        return result->bstrVal ? S_OK : E_OUTOFMEMORY;
    }
    double x = 0;
    if (const HRESULT hr = NumberOf(src, &x); FAILED(hr)) return hr;
    long long n = 0;
    HRESULT hr = S_OK;
    switch (vt) {
    case VT_R8: result->dblVal = x; break;
    case VT_BOOL: result->boolVal = x != 0 ? VARIANT_TRUE : VARIANT_FALSE; break;
    case VT_I2:
        if (SUCCEEDED(hr = Integer(x, -32768.0, 32767.0, &n))) result->iVal = static_cast<SHORT>(n);
        break;
    case VT_I4:
        if (SUCCEEDED(hr = Integer(x, -2147483648.0, 2147483647.0, &n))) result->lVal = static_cast<LONG>(n);
        break;
    case VT_UI4:
        if (SUCCEEDED(hr = Integer(x, 0.0, 4294967295.0, &n))) result->ulVal = static_cast<ULONG>(n);
        break;
    default: return DISP_E_BADVARTYPE;
    }
    return hr;
}

} // namespace

HRESULT VariantCopy(VARIANT* dest, const VARIANT* src) {
    if (!dest || !src) return E_INVALIDARG;
    if (dest == src) return S_OK;
    VARIANT copy = *src;
    if (const HRESULT hr = TakeOwnership(&copy); FAILED(hr)) return hr;
    VariantClear(dest);
    *dest = copy;
    return S_OK;
}

HRESULT VariantCopyInd(VARIANT* dest, const VARIANT* src) {
    if (!dest || !src) return E_INVALIDARG;
    const auto value = Dereference(*src);
    if (!value) return DISP_E_BADVARTYPE;
    VARIANT copy = *value;
    if (const HRESULT hr = TakeOwnership(&copy); FAILED(hr)) return hr;
    VariantClear(dest);
    *dest = copy;
    return S_OK;
}

HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, WORD flags, VARTYPE vt) {
    if (!dest || !src) return E_INVALIDARG;
    if (vt & VT_BYREF) return DISP_E_BADVARTYPE;
    const auto value = Dereference(*src);
    if (!value) return DISP_E_BADVARTYPE;
    VARIANT result;
    HRESULT hr = S_OK;
    try {
        hr = Convert(*value, flags, vt, &result);
    } catch (const rt::Error&) {
        hr = DISP_E_TYPEMISMATCH;
    }
    if (FAILED(hr)) return hr;
    VariantClear(dest);
    *dest = result;
    return S_OK;
}

Variant& Variant::operator=(Variant&& o) noexcept {
    if (this != &o) {
        VariantClear(this);
        static_cast<VARIANT&>(*this) = o;
        VariantInit(&o);
    }
    return *this;
}

namespace {
template <class T>
Variant Make(VARTYPE vt, T VARIANT::*member, T value) {
    Variant v;
    v.vt = vt;
    v.*member = value;
    return v;
}
} // namespace

Variant Variant::I2(SHORT v) { return Make(VT_I2, &VARIANT::iVal, v); }
Variant Variant::I4(LONG v) { return Make(VT_I4, &VARIANT::lVal, v); }
Variant Variant::UI4(ULONG v) { return Make(VT_UI4, &VARIANT::ulVal, v); }
Variant Variant::R8(double v) { return Make(VT_R8, &VARIANT::dblVal, v); }
Variant Variant::Bool(bool v) { return Make(VT_BOOL, &VARIANT::boolVal, v ? VARIANT_TRUE : VARIANT_FALSE); }
Variant Variant::Text(std::string_view utf8) { return AttachBstr(BstrFromUtf8(utf8)); }
Variant Variant::AttachBstr(BSTR v) { return Make(VT_BSTR, &VARIANT::bstrVal, v); }
Variant Variant::Unknown(IUnknown* v) {
    if (v) v->AddRef();
    return Make(VT_UNKNOWN, &VARIANT::punkVal, v);
}
Variant Variant::Dispatch(IDispatch* v) {
    if (v) v->AddRef();
    return Make(VT_DISPATCH, &VARIANT::pdispVal, v);
}
Variant Variant::RefI4(LONG* v) { return Make(VT_BYREF | VT_I4, &VARIANT::plVal, v); }
Variant Variant::RefR8(double* v) { return Make(VT_BYREF | VT_R8, &VARIANT::pdblVal, v); }
Variant Variant::RefBool(VARIANT_BOOL* v) { return Make(VT_BYREF | VT_BOOL, &VARIANT::pboolVal, v); }
Variant Variant::RefBstr(BSTR* v) { return Make(VT_BYREF | VT_BSTR, &VARIANT::pbstrVal, v); }
Variant Variant::RefVariant(VARIANT* v) { return Make(VT_BYREF | VT_VARIANT, &VARIANT::pvarVal, v); }

namespace {
Variant Converted(const Variant& v, VARTYPE vt, WORD flags = 0) {
    Variant r;
    const HRESULT hr = VariantChangeType(&r, &v, flags, vt);
    if (hr == DISP_E_OVERFLOW) rt::Raise(rt::errOverflow);
    if (FAILED(hr)) rt::Raise(rt::errTypeMismatch);
    return r;
}
} // namespace

LONG Variant::AsLong() const { return Converted(*this, VT_I4).lVal; }
bool Variant::AsBool() const { return Converted(*this, VT_BOOL).boolVal != 0; }
std::string Variant::AsText() const { return Utf8FromBstr(Converted(*this, VT_BSTR, VARIANT_ALPHABOOL).bstrVal); }

} // namespace com
