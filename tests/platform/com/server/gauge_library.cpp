#include "gauge_library.h"

namespace gauge {

using namespace com;

const TypeLibraryDescription& Library() {
    static const TypeLibraryDescription library{
        .name = "GaugeLib",
        .libid = kLibid,
        .majorVersion = 1,
        .minorVersion = 10,
        .lcid = 0x0409,
        .help = "GaugeLib Library 1.10",
        .control = true,
        .interfaces =
            {{.name = "IGauge",
              .iid = kIGauge,
              .kind = InterfaceKind::Dual,
              .help = "Dispatch interface for Gauge",
              // clang-format off
              .members = {Method("Scale", kScale, {{"Factor", VT_R8}, {"Value", VT_R8, ParamDirection::InOut}}, VT_BOOL),
                          Method("Describe", kDescribe, {{"Text", VT_BSTR}, {"Times", VT_I4}}, VT_BSTR),
                          PropertyGet("Count", kCount, VT_I4),
                          PropertyPut("Count", kCount, VT_I4),
                          Method("Ask", kAsk, {{"Caption", VT_BSTR}}, VT_BOOL),
                          Method("Fail", kFail, {{"Message", VT_BSTR}}),
                          PropertyGet("Unit", 6, VT_I4, "TxUnit")}},
             // clang-format on
             {.name = "IGaugeEvents",
              .iid = kIGaugeEvents,
              .kind = InterfaceKind::DispatchOnly,
              .help = "Events interface for Gauge",
              .members = {Method("OnAsk", kOnAsk, {{"Caption", VT_BSTR}, {"Close", VT_BOOL, ParamDirection::InOut}}),
                          Method("OnCount", kOnCount, {{"Count", VT_I4}})}}},
        .coclasses = {{.name = "Gauge",
                       .clsid = kClsid,
                       .help = "Gauge Control",
                       .creatable = true,
                       .control = true,
                       .interfaces = {{kIGauge, true, false}, {kIGaugeEvents, true, true}}}},
        .enums = {{.name = "TxUnit",
                   .guid = MakeGuid("{5E0D3C44-7A2B-4C19-9F3E-1B2C3D4E5F60}"),
                   .values = {{"unMetre", 0}, {"unMillimetre", 1}}}}};
    return library;
}

} // namespace gauge
