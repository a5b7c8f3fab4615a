#pragma once
// Result codes of component calls, named and valued as the platform they stand in for: negative
// for failure, 0 and 1 for success.
#include "platform/desktop/types.h"

#include <cstdint>

namespace com {

using desk::BYTE;
using desk::DWORD;
using desk::LONG;
using desk::UINT;
using desk::WORD;
using ULONG = std::uint32_t;
using SHORT = std::int16_t;
using HRESULT = std::int32_t;
using LCID = DWORD;

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }
constexpr HRESULT MakeHresult(std::uint32_t code) { return static_cast<HRESULT>(code); }
// A system error code as a result: 0x8007xxxx.
constexpr HRESULT HRESULT_FROM_WIN32(DWORD error) {
    return error == 0 ? 0 : MakeHresult((error & 0xFFFFu) | 0x80070000u);
}

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = MakeHresult(0x80004001);
constexpr HRESULT E_NOINTERFACE = MakeHresult(0x80004002);
constexpr HRESULT E_POINTER = MakeHresult(0x80004003);
constexpr HRESULT E_FAIL = MakeHresult(0x80004005);
constexpr HRESULT E_UNEXPECTED = MakeHresult(0x8000FFFF);
constexpr HRESULT E_OUTOFMEMORY = MakeHresult(0x8007000E);
constexpr HRESULT E_INVALIDARG = MakeHresult(0x80070057);

constexpr HRESULT DISP_E_UNKNOWNINTERFACE = MakeHresult(0x80020001);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = MakeHresult(0x80020003);
constexpr HRESULT DISP_E_PARAMNOTFOUND = MakeHresult(0x80020004);
constexpr HRESULT DISP_E_TYPEMISMATCH = MakeHresult(0x80020005);
constexpr HRESULT DISP_E_UNKNOWNNAME = MakeHresult(0x80020006);
constexpr HRESULT DISP_E_NONAMEDARGS = MakeHresult(0x80020007);
constexpr HRESULT DISP_E_BADVARTYPE = MakeHresult(0x80020008);
constexpr HRESULT DISP_E_EXCEPTION = MakeHresult(0x80020009);
constexpr HRESULT DISP_E_OVERFLOW = MakeHresult(0x8002000A);
constexpr HRESULT DISP_E_BADINDEX = MakeHresult(0x8002000B);
constexpr HRESULT DISP_E_BADPARAMCOUNT = MakeHresult(0x8002000E);
constexpr HRESULT DISP_E_PARAMNOTOPTIONAL = MakeHresult(0x8002000F);

constexpr HRESULT CLASS_E_NOAGGREGATION = MakeHresult(0x80040110);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = MakeHresult(0x80040111);
constexpr HRESULT REGDB_E_CLASSNOTREG = MakeHresult(0x80040154);
constexpr HRESULT CO_E_CLASSSTRING = MakeHresult(0x800401F3);
constexpr HRESULT CO_E_DLLNOTFOUND = MakeHresult(0x8004018F);
constexpr HRESULT CO_E_ERRORINDLL = MakeHresult(0x800401F9);
constexpr HRESULT SELFREG_E_CLASS = MakeHresult(0x80040201);
constexpr HRESULT TYPE_E_LIBNOTREGISTERED = MakeHresult(0x8002801D);
constexpr HRESULT TYPE_E_ELEMENTNOTFOUND = MakeHresult(0x8002802B);

} // namespace com
