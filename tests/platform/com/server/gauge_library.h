#pragma once
// The description of the test server's library: a dual interface, its event interface, an
// enumeration and the control class, with the ids the tests call by.
#include "platform/com/typelib.h"

namespace gauge {

inline const com::CLSID kClsid = com::MakeGuid("{5E0D3C41-7A2B-4C19-9F3E-1B2C3D4E5F60}");
inline const com::IID kIGauge = com::MakeGuid("{5E0D3C42-7A2B-4C19-9F3E-1B2C3D4E5F60}");
inline const com::IID kIGaugeEvents = com::MakeGuid("{5E0D3C43-7A2B-4C19-9F3E-1B2C3D4E5F60}");
inline const com::GUID kLibid = com::MakeGuid("{5E0D3C40-7A2B-4C19-9F3E-1B2C3D4E5F60}");
inline constexpr const char* kProgId = "GaugeLib.Gauge";

// IGauge
constexpr com::DISPID kScale = 1;    // Scale(in double Factor, in/out double Value) -> VARIANT_BOOL
constexpr com::DISPID kDescribe = 2; // Describe(in BSTR Text, in long Times) -> BSTR
constexpr com::DISPID kCount = 3;    // property long Count; writing it raises OnCount
constexpr com::DISPID kAsk = 4;      // Ask(in BSTR Caption) -> VARIANT_BOOL: raises OnAsk, returns its Close
constexpr com::DISPID kFail = 5;     // Fail(in BSTR Message): fails with that description
// IGaugeEvents
constexpr com::DISPID kOnAsk = 1;   // OnAsk(BSTR Caption, by reference VARIANT_BOOL Close)
constexpr com::DISPID kOnCount = 2; // OnCount(long Count)

const com::TypeLibraryDescription& Library();

} // namespace gauge
