// A small in-process server for the component layer's tests: one control class "Gauge" with a
// dispatch interface and an event interface, self-registering.
#include "gauge_library.h"

#include "platform/com/com.h"

using namespace com;

namespace {

ServerModule module;

class Gauge final : public DispatchObject<IDispatch, IConnectionPointContainer> {
public:
    Gauge()
            : DispatchObject(*gauge::Library().FindInterface(gauge::kIGauge), gauge::kProgId, &module),
              events_(*this, gauge::kIGaugeEvents) {
        Table()
            .Method("Scale",
                    [](DispatchArguments& a, Variant& r) {
                        a.DoubleRef(1) *= a.Double(0);
                        r = Variant::Bool(a.Double(0) != 0);
                    })
            .Method("Describe",
                    [](DispatchArguments& a, Variant& r) {
                        std::string text;
                        for (LONG i = 0; i < a.Long(1); ++i) text += a.Text(0);
                        r = Variant::Text(text);
                    })
            .Get("Count", [this](DispatchArguments&, Variant& r) { r = Variant::I4(count_); })
            .Put("Count",
                 [this](DispatchArguments& a, Variant&) {
                     count_ = a.Long(0);
                     std::vector<Variant> args;
                     args.push_back(Variant::I4(count_));
                     events_.Fire(gauge::kOnCount, args);
                 })
            .Method("Ask",
                    [this](DispatchArguments& a, Variant& r) {
                        VARIANT_BOOL close = VARIANT_FALSE;
                        std::vector<Variant> args;
                        args.push_back(Variant::Text(a.Text(0)));
                        args.push_back(Variant::RefBool(&close));
                        if (FAILED(events_.Fire(gauge::kOnAsk, args)))
                            throw std::runtime_error("The event handler failed.");
                        r = Variant::I2(close); // converted to the declared boolean by the table
                    })
            .Method("Fail", [](DispatchArguments& a, Variant&) { throw std::runtime_error(a.Text(0)); });
    }

    HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) override {
        if (!point) return E_POINTER;
        *point = nullptr;
        if (iid != gauge::kIGaugeEvents) return CONNECT_E_NOCONNECTION;
        *point = &events_;
        events_.AddRef();
        return S_OK;
    }

private:
    ConnectionPoint events_;
    LONG count_ = 0;
};

} // namespace

extern "C" HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (clsid != gauge::kClsid) return CLASS_E_CLASSNOTAVAILABLE;
    return MakeObject<ClassFactory>(module, [] { return MakeObject<Gauge>().As<IUnknown>(); })
        ->QueryInterface(iid, out);
}

extern "C" HRESULT DllCanUnloadNow() { return module.CanUnload() ? S_OK : S_FALSE; }

extern "C" HRESULT DllRegisterServer() {
    const auto path = ModulePathOf(reinterpret_cast<const void*>(&DllRegisterServer));
    ClassRegistration r;
    r.clsid = gauge::kClsid;
    r.className = "Gauge Control";
    r.progId = gauge::kProgId;
    r.server = path;
    r.control = true;
    r.miscStatus = 0;
    r.toolboxBitmap = 1;
    r.typeLib = gauge::kLibid;
    r.majorVersion = 1;
    r.minorVersion = 10;
    if (const HRESULT hr = RegisterClassEntries(r); FAILED(hr)) return hr;
    return RegisterTypeLib(gauge::Library(), path);
}

extern "C" HRESULT DllUnregisterServer() {
    const HRESULT a = UnregisterClassEntries(gauge::kClsid, gauge::kProgId);
    const HRESULT b = UnRegisterTypeLib(gauge::Library());
    return FAILED(a) ? a : b;
}

extern "C" HRESULT DllGetTypeLibrary(const TypeLibraryDescription** library) {
    if (!library) return E_POINTER;
    *library = &gauge::Library();
    return S_OK;
}
