#pragma once
// Strings that cross component calls: UTF-16 with their byte length stored in front of the first
// character and a terminating zero after the last. A none BSTR is the empty string.
#include "platform/com/hresult.h"

#include <string>
#include <string_view>

namespace com {

using OLECHAR = char16_t;
using BSTR = OLECHAR*;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;

// Copies of a zero-terminated text or of `length` characters (which may hold zeros); none for a
// none text (SysAllocString) and none when memory runs out.
BSTR SysAllocString(LPCOLESTR text);
BSTR SysAllocStringLen(LPCOLESTR text, UINT length);
void SysFreeString(BSTR text);
// Characters and bytes; 0 for none.
UINT SysStringLen(BSTR text);
UINT SysStringByteLen(BSTR text);

// Conversions for the two sides: the program's UTF-8 texts and the code page 932 texts of the
// desktop. Malformed UTF-8 and unpaired surrogates become U+FFFD; characters without a code page
// 932 form become "?"; bytes that are no code page 932 raise runtime error 13.
BSTR BstrFromUtf8(std::string_view utf8);
std::string Utf8FromBstr(BSTR text);
BSTR BstrFromAnsi(std::string_view cp932);
std::string AnsiFromBstr(BSTR text);
std::u16string Utf16FromUtf8(std::string_view utf8);
std::string Utf8FromUtf16(std::u16string_view utf16);

} // namespace com
