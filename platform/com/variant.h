#pragma once
// Self-describing values of dispatch calls: a type tag and one value, or (VT_BYREF) a pointer
// to the caller's variable of that type. A VARIANT owns its BSTR and its interface reference;
// a by-reference VARIANT owns nothing.
#include "platform/com/bstr.h"
#include "platform/com/unknown.h"

#include <string>

namespace com {

struct IDispatch;

using VARTYPE = std::uint16_t;
using VARIANT_BOOL = std::int16_t;
constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

constexpr VARTYPE VT_EMPTY = 0;
constexpr VARTYPE VT_NULL = 1;
constexpr VARTYPE VT_I2 = 2;
constexpr VARTYPE VT_I4 = 3;
constexpr VARTYPE VT_R8 = 5;
constexpr VARTYPE VT_BSTR = 8;
constexpr VARTYPE VT_DISPATCH = 9;
constexpr VARTYPE VT_ERROR = 10;
constexpr VARTYPE VT_BOOL = 11;
constexpr VARTYPE VT_VARIANT = 12; // only by reference
constexpr VARTYPE VT_UNKNOWN = 13;
constexpr VARTYPE VT_UI4 = 19;
constexpr VARTYPE VT_BYREF = 0x4000;
constexpr VARTYPE VT_TYPEMASK = 0x0FFF;

struct VARIANT {
    VARTYPE vt = VT_EMPTY;
    WORD wReserved1 = 0, wReserved2 = 0, wReserved3 = 0;
    union {
        SHORT iVal;
        LONG lVal;
        ULONG ulVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        HRESULT scode;
        BSTR bstrVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
        SHORT* piVal;
        LONG* plVal;
        ULONG* pulVal;
        double* pdblVal;
        VARIANT_BOOL* pboolVal;
        BSTR* pbstrVal;
        IUnknown** ppunkVal;
        IDispatch** ppdispVal;
        VARIANT* pvarVal;
        void* byref;
        std::uint64_t bits = 0;
    };
};
using VARIANTARG = VARIANT;

void VariantInit(VARIANT* v);
// Frees what the variant owns and leaves it VT_EMPTY. DISP_E_BADVARTYPE for an unknown type.
HRESULT VariantClear(VARIANT* v);
// A deep copy: a new BSTR, one more interface reference. The destination is cleared first.
HRESULT VariantCopy(VARIANT* dest, const VARIANT* src);
// A copy with a by-reference source dereferenced.
HRESULT VariantCopyInd(VARIANT* dest, const VARIANT* src);

// Flags of VariantChangeType.
constexpr WORD VARIANT_ALPHABOOL = 0x0002; // booleans become "True"/"False" rather than "-1"/"0"

// Converts `src` (dereferenced when by reference) to type `vt` into `dest`, which may be `src`.
// Numbers convert among themselves (rounding half to even, DISP_E_OVERFLOW past the range),
// booleans are -1/0 and any non-zero number is true, texts become numbers when they are
// numbers (DISP_E_TYPEMISMATCH otherwise) and numbers become texts through the runtime's one
// number conversion; "True"/"False" (any case) are booleans; VT_EMPTY is 0, "" or false.
// Interfaces convert only to VT_UNKNOWN/VT_DISPATCH (through QueryInterface).
HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, WORD flags, VARTYPE vt);

// A VARIANT that frees what it owns when it goes, for callers that build arguments and read
// results.
class Variant : public VARIANT {
public:
    Variant() = default;
    Variant(const Variant& o) : VARIANT() { VariantCopy(this, &o); }
    Variant(Variant&& o) noexcept : VARIANT(o) { VariantInit(&o); }
    Variant& operator=(const Variant& o) {
        if (this != &o) VariantCopy(this, &o);
        return *this;
    }
    Variant& operator=(Variant&& o) noexcept;
    ~Variant() { VariantClear(this); }

    static Variant I2(SHORT v);
    static Variant I4(LONG v);
    static Variant UI4(ULONG v);
    static Variant R8(double v);
    static Variant Bool(bool v);
    static Variant Text(std::string_view utf8);
    // Takes over a BSTR.
    static Variant AttachBstr(BSTR v);
    // Adds a reference to the interface.
    static Variant Unknown(IUnknown* v);
    static Variant Dispatch(IDispatch* v);
    // A reference to the caller's variable.
    static Variant RefI4(LONG* v);
    static Variant RefR8(double* v);
    static Variant RefBool(VARIANT_BOOL* v);
    static Variant RefBstr(BSTR* v);
    static Variant RefVariant(VARIANT* v);

    // The value converted to the type; runtime error 13 when it does not convert, 6 past the range.
    // Booleans read as text are "True"/"False".
    LONG AsLong() const;
    bool AsBool() const;
    std::string AsText() const; // UTF-8
};

} // namespace com
